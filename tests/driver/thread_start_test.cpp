// TVK_OPEN when the system cannot start the transmit thread. This test program defines
// pthread_create() itself; the loaded library's call binds to it, so it can be refused.
#include "driver_fixture.h"

#include <atomic>
#include <cerrno>
#include <dlfcn.h>
#include <pthread.h>

namespace {
std::atomic<bool> g_refuseThreads{false};
} // namespace

extern "C" int pthread_create(pthread_t *thread, const pthread_attr_t *attr, void *(*start)(void *), void *arg) noexcept {
  if (g_refuseThreads) return EAGAIN;
  using Create = int (*)(pthread_t *, const pthread_attr_t *, void *(*)(void *), void *);
  static const auto next = reinterpret_cast<Create>(dlsym(RTLD_NEXT, "pthread_create"));
  return next(thread, attr, start, arg);
}

namespace tavik::testing {
namespace {

TEST_F(DriverTest, AnOpenWhoseThreadCannotStartFailsAndFreesThePort) {
  const int descriptors = openDescriptorCount();
  g_refuseThreads = true;
  const int32_t refused = tavik.open(1, 9600);
  g_refuseThreads = false;
  EXPECT_EQ(refused, 0);
  EXPECT_EQ(openDescriptorCount(), descriptors);

  ASSERT_EQ(tavik.open(1, 9600), -1);
  EXPECT_EQ(nextFrames(32).size(), 32u);
}

} // namespace
} // namespace tavik::testing
