// Threads calling the library at once while the transmit thread sends: run under
// ThreadSanitizer, this is where a data race between them would show.
#include "driver_fixture.h"
#include "line_recorder.h"

#include <atomic>
#include <future>
#include <map>
#include <thread>

namespace tavik::testing {
namespace {

TEST_F(DriverTest, MovesAtFullSpeedNeverLoseTheLastValueOfAnySlot) {
  ASSERT_EQ(tavik.open(1, 9600), -1);
  LineRecorder line(pty);

  std::atomic<bool> moving{true};
  long moves = 0;
  std::thread mover([&] {
    for (int round = 0; moving; ++round, ++moves)
      for (int slot = 0; slot < 32; ++slot) tavik.move(slot, (round + slot * 7) % 255);
  });
  std::this_thread::sleep_for(500ms);
  moving = false;
  mover.join();
  for (int slot = 0; slot < 32; ++slot) tavik.move(slot, 200 - slot);

  // 32 last frames take 0.1 s at 9600 bit/s; give the line its time.
  std::this_thread::sleep_for(600ms);
  line.stop();
  auto wire = line.bytes();
  const auto rest = pty.readUntilQuiet(150ms);
  wire.insert(wire.end(), rest.begin(), rest.end());

  std::map<int, int> last;
  for (const Frame &f : framesOf(wire)) last[f.servo] = f.position;
  for (int slot = 0; slot < 32; ++slot) EXPECT_EQ(last[slot], 200 - slot) << "slot " << slot;
  std::printf("%ld rounds of 32 moves, %zu frames sent\n", moves, wire.size() / 3);
}

TEST_F(DriverTest, ThreadsOpeningAndClosingAtOnceNeitherHangNorLoseTheLink) {
  const int descriptorsBefore = openDescriptorCount();
  setenv("TAVIK_COM2", "/nonexistent/tty", 1); // an open that fails, after closing the link
  LineRecorder line(pty);                      // keeps the line from filling up

  std::atomic<bool> running{true};
  std::vector<std::thread> callers;
  for (int t = 0; t < 4; ++t)
    callers.emplace_back([&, t] {
      for (int round = 0; running; ++round) {
        tavik.open((t + round) % 3 == 0 ? 2 : 1, 9600);
        tavik.move(t, round % 255);
        tavik.close();
      }
    });
  std::thread mover([&] {
    for (int round = 0; running; ++round) tavik.move(round % 32, round % 255);
  });
  std::this_thread::sleep_for(1s);
  running = false;
  auto joined = std::async(std::launch::async, [&] {
    for (auto &caller : callers) caller.join();
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
