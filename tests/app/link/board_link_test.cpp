// The board link on a real pty with the real libTavik.so, and a clock the test moves: where the
// servos start, when it looks at the device, a board gone and a board back, what the board hears
// then, and when the line has carried the moves.
#include "link/board_link.h"
#include "link/tavik_binding.h"
#include "manual_clock.h"
#include "pseudo_terminal.h"
#include "wait_until.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <thread>

namespace quarnel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using tavik::testing::PseudoTerminal;

// The last position each servo heard, in frames of 255, servo, position, once `expected` is
// what they heard or two seconds have passed. The driver sends a slot's newest position, so
// the frames between may or may not come.
std::map<int, int> heard(PseudoTerminal &board, const std::map<int, int> &expected) {
  std::vector<uint8_t> wire;
  std::map<int, int> last;
  const auto giveUp = std::chrono::steady_clock::now() + 2s;
  while (last != expected && std::chrono::steady_clock::now() < giveUp) {
    const auto frame = board.read(3, 100ms);
    wire.insert(wire.end(), frame.begin(), frame.end());
    for (size_t i = 0; i + 2 < wire.size(); i += 3)
      if (wire[i] == 255) last[wire[i + 1]] = wire[i + 2];
  }
  return last;
}

// Every slot at 127 but `servo` at `position`.
std::map<int, int> standing(int servo, int position) {
  std::map<int, int> slots;
  for (int slot = 0; slot < 32; ++slot) slots[slot] = slot == servo ? position : 127;
  return slots;
}

TEST(BoardLink, OpensWhereTheMotionStandsSaysABoardGoneAndSendsABoardBackEveryServoWhereItStands) {
  char folder[] = "/tmp/quarnel-board-link-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const fs::path port = fs::path(folder) / "com1";
  auto board = std::make_unique<PseudoTerminal>();
  fs::create_symlink(board->slavePath(), port);
  setenv("TAVIK_COM1", port.c_str(), 1);

  MotionModel motion;
  TavikBinding tavik(TAVIK_LIBRARY_PATH);
  ManualClock clock;
  BoardLink link(motion, tavik, clock);
  std::vector<std::string> told;
  link.statusChanged = [&] { told.push_back(link.status().summary()); };
  // Servo 2 was left at 90, below its range: it starts at its minimum, never at 127 or 90.
  std::array<ServoLimits, servoChannels> limits{};
  limits[2] = {100, 120, 200};
  ServoPositions left;
  left.fill(127);
  left[2] = 90;
  motion.load(limits, left);
  link.open(1, 9600);
  EXPECT_EQ(heard(*board, standing(2, 100)), standing(2, 100)); // the open's burst
  motion.setSpeed(255);
  motion.setTarget(2, 150);
  motion.tick(1000);
  ASSERT_EQ(motion.displayed(2), 150);

  board.reset();
  fs::remove(port);
  clock.advanceMs(900);
  link.poll();
  EXPECT_EQ(told.size(), 1u) << "looked before a second had passed";
  clock.advanceMs(200);
  link.poll();
  const std::string open = "COM1 → " + port.string() + ", 9600 bit/s: port open";
  const std::string gone = "COM1 → " + port.string() + ": not open, the device went away";
  EXPECT_EQ(told, (std::vector<std::string>{open, gone}));

  // A new node's time is the kernel's coarse clock: no board starts again faster than this.
  std::this_thread::sleep_for(30ms);
  board = std::make_unique<PseudoTerminal>();
  fs::create_symlink(board->slavePath(), port);
  clock.advanceMs(1000);
  link.poll();
  EXPECT_EQ(told, (std::vector<std::string>{open, gone, open}));
  // Servo 2 where the motion has it from the first frame on, never at the open's 127.
  EXPECT_EQ(heard(*board, standing(2, 150)), standing(2, 150));
  motion.setTarget(2, 160);
  motion.tick(1000);
  link.close();
  ASSERT_TRUE(link.boardLeftAt());
  EXPECT_EQ((*link.boardLeftAt())[2], 160) << "the close's last frames are where the board was left";
  fs::remove_all(folder);
}

TEST(BoardLink, TheLineHasCarriedAMoveOnceItsLastFrameIsWritten) {
  PseudoTerminal board;
  setenv("TAVIK_COM1", board.slavePath().c_str(), 1);
  MotionModel motion;
  TavikBinding tavik(TAVIK_LIBRARY_PATH);
  ManualClock clock;
  BoardLink link(motion, tavik, clock);
  motion.load({});
  EXPECT_TRUE(link.lineCarried()) << "nothing to carry before the open";
  link.open(1, 2400);
  EXPECT_TRUE(tavik::testing::waitUntil([&] { return link.lineCarried(); })) << "the open's burst never went out";
  // Twelve frames at 2400 bit/s take 150 ms of the line.
  motion.setSpeed(255);
  for (int servo = 0; servo < servoChannels; ++servo) motion.setTarget(servo, 128);
  motion.tick(10);
  EXPECT_FALSE(link.lineCarried());
  EXPECT_TRUE(tavik::testing::waitUntil([&] { return link.lineCarried(); }));
  EXPECT_EQ(board.read(96 + 36, 3s).size(), 96u + 36);
  link.close();
  EXPECT_TRUE(link.lineCarried()) << "a closed link holds nothing up";
}

} // namespace
} // namespace quarnel
