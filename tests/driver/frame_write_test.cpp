// Every frame reaches the device in one write of three bytes. This test program defines
// write() itself; the loaded library's calls bind to it, so each call is seen and then passed on.
#include "driver_fixture.h"

#include <mutex>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
std::mutex g_lock;
dev_t g_watched = 0;
std::vector<size_t> g_writeSizes;
} // namespace

extern "C" ssize_t write(int fd, const void *buf, size_t count) {
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISCHR(st.st_mode)) {
    std::lock_guard guard(g_lock);
    if (g_watched != 0 && st.st_rdev == g_watched) g_writeSizes.push_back(count);
  }
  return syscall(SYS_write, fd, buf, count);
}

namespace tavik::testing {
namespace {

TEST_F(DriverTest, EachFrameLeavesInOneWrite) {
  struct stat st {};
  ASSERT_EQ(stat(pty.slavePath().c_str(), &st), 0);
  {
    std::lock_guard guard(g_lock);
    g_watched = st.st_rdev;
  }
  ASSERT_EQ(tavik.open(1, 9600), -1);
  ASSERT_EQ(nextFrames(32).size(), 32u);
  for (int p = 0; p < 20; ++p) tavik.move(p % 12, p);
  const auto frames = remainingFrames();
  tavik.close();

  std::lock_guard guard(g_lock);
  EXPECT_EQ(g_writeSizes.size(), 32 + frames.size());
  for (size_t size : g_writeSizes) EXPECT_EQ(size, 3u);
}

} // namespace
} // namespace tavik::testing
