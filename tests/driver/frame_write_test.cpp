// The writes that carry the frames: whole frames only, several at once while the line is busy,
// and never more than the line carries. This test program defines write() itself; the loaded
// library's calls bind to it, so each call is seen, with its time, and then passed on.
#include "driver_fixture.h"

#include <algorithm>
#include <mutex>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

struct Write {
  std::chrono::steady_clock::time_point at;
  size_t size;
};

std::mutex g_lock;
dev_t g_watched = 0;
std::vector<Write> g_writes;

} // namespace

extern "C" ssize_t write(int fd, const void *buf, size_t count) {
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISCHR(st.st_mode)) {
    std::lock_guard guard(g_lock);
    if (g_watched != 0 && st.st_rdev == g_watched) g_writes.push_back({std::chrono::steady_clock::now(), count});
  }
  return syscall(SYS_write, fd, buf, count);
}

namespace tavik::testing {
namespace {

TEST_F(DriverTest, WritesCarryWholeFramesPacedToTheLine) {
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
  constexpr auto frameTime = std::chrono::microseconds(3125); // 30 bits at 9600 bit/s
  size_t bytes = 0;
  std::chrono::steady_clock::time_point lineBusyUntil{};
  for (const Write &w : g_writes) {
    EXPECT_EQ(w.size % 3, 0u) << "a frame split between writes";
    // The frames handed over before have all but left the line, and one write holds no more
    // than a few milliseconds of it: the device's queue never runs far ahead of the line.
    EXPECT_LE(lineBusyUntil - w.at, frameTime) << "the line was still busy when more came";
    EXPECT_LE(w.size / 3 * frameTime, std::chrono::milliseconds(10));
    lineBusyUntil = std::max(w.at, lineBusyUntil) + w.size / 3 * frameTime;
    bytes += w.size;
  }
  EXPECT_EQ(bytes, 3 * (32 + frames.size()));
  EXPECT_LT(g_writes.size(), 32 + frames.size()) << "every frame a write of its own";
}

} // namespace
} // namespace tavik::testing
