// Threads calling the library at once while the transmit thread sends: run under
// ThreadSanitizer, this is where a data race between them would show.
#include "driver_fixture.h"
#include "line_recorder.h"

#include <atomic>
#include <cstdio>
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
  // Moving all the while the line carries the burst and as many frames again.
  EXPECT_TRUE(waitUntil([&] { return line.frames().size() >= 64; }));
  moving = false;
  mover.join();
  for (int slot = 0; slot < 32; ++slot) tavik.move(slot, 200 - slot);

  const auto everySlotAtItsLastValue = [&] {
    std::map<int, int> last;
    for (const auto &f : line.frames()) last[f.servo] = f.position;
    for (int slot = 0; slot < 32; ++slot)
      if (last[slot] != 200 - slot) return false;
    return true;
  };
  EXPECT_TRUE(waitUntil(everySlotAtItsLastValue));
  line.stop();
  auto wire = line.bytes();
  const auto rest = pty.readUntilQuiet(150ms);
  wire.insert(wire.end(), rest.begin(), rest.end());

  std::map<int, int> last;
  for (const Frame &f : framesOf(wire)) last[f.servo] = f.position;
  for (int slot = 0; slot < 32; ++slot) EXPECT_EQ(last[slot], 200 - slot) << "slot " << slot;
  std::printf("%ld rounds of 32 moves, %zu frames sent\n", moves, wire.size() / 3);
}

} // namespace
} // namespace tavik::testing
