// TVK_CLOSE: a stalled device cannot hold it up, and threads opening and closing at once
// neither hang nor lose the link. Both would wait out the driver's own pacing and time limits,
// so they run on the driver's objects with time that skips its waits.
#include "driver_fixture.h"
#include "line_recorder.h"
#include "monotonic_clock.h"

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <future>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace tavik::testing {
namespace {

TEST_F(DriverTest, StalledDeviceCannotHoldUpClose) {
  // Output stopped on the device, as on a wedged adapter: it takes no more bytes and never says
  // it has room. (Stopped after the driver's line set-up.)
  ASSERT_EQ(tavik.open(1, 9600), -1);
  ASSERT_EQ(nextFrames(32).size(), 32u);
  const int stopper = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(stopper, 0);
  ASSERT_EQ(tcflow(stopper, TCOOFF), 0);
  const long writesBefore = transmitThreadWriteCalls();
  for (int servo = 0; servo < 32; ++servo) tavik.move(servo, 10 + servo);
  // Closed while the thread waits on the device with the first of 32 frames.
  ASSERT_TRUE(waitUntil([&] { return transmitThreadWriteCalls() > writesBefore; }));
  const auto started = tavik::now();
  const bool closed = closesWithoutHanging(tavik);
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(tavik::now() - started);
  ::close(stopper);
  ASSERT_TRUE(closed) << "TVK_CLOSE hangs on a stalled device";
  // On the driver's clock. Not a speed goal: a close that waits out every frame's time-out
  // would take seconds.
  EXPECT_LT(took.count(), 2000);
  std::printf("TVK_CLOSE on a stalled device took %lld ms\n", static_cast<long long>(took.count()));
}

TEST_F(DriverTest, ThreadsOpeningAndClosingAtOnceNeitherHangNorLoseTheLink) {
  const int descriptorsBefore = openDescriptorCount();
  setenv("TAVIK_COM2", "/nonexistent/tty", 1); // an open that fails, after closing the link
  LineRecorder line(pty);                      // keeps the line from filling up

  std::atomic<bool> opening{true};
  std::vector<std::thread> callers;
  for (int t = 0; t < 4; ++t)
    callers.emplace_back([&, t] {
      for (int round = 0; round < 25; ++round) {
        tavik.open((t + round) % 3 == 0 ? 2 : 1, 9600);
        tavik.move(t, round % 255);
        tavik.close();
      }
    });
  std::thread mover([&] {
    for (int round = 0; opening; ++round) tavik.move(round % 32, round % 255);
  });
  auto joined = std::async(std::launch::async, [&] {
    for (auto &caller : callers) caller.join();
    opening = false;
    mover.join();
  });
  if (joined.wait_for(20s) != std::future_status::ready) {
    ADD_FAILURE() << "a thread hangs in TVK_OPEN or TVK_CLOSE";
    std::_Exit(1); // its threads cannot be joined
  }

  EXPECT_EQ(tavik.close(), -1);
  EXPECT_EQ(transmitThreadCount(), 0);
  line.stop();
  EXPECT_EQ(openDescriptorCount(), descriptorsBefore) << "a descriptor was lost";
  (void)pty.readUntilQuiet(50ms);
  ASSERT_EQ(tavik.open(1, 9600), -1);
  EXPECT_EQ(nextFrames(32), burstFrames(127));
}

} // namespace
} // namespace tavik::testing
