// What the driver puts on the line: the burst after open, one frame per change, coalescing, and
// what it says it has sent.
#include "driver_fixture.h"
#include "line_recorder.h"

#include <map>

namespace tavik::testing {
namespace {

TEST_F(DriverTest, OpenSendsEveryServoAtHomeInOrderThenNothing) {
  ASSERT_EQ(tavik.open(1, 9600), -1);
  EXPECT_EQ(nextFrames(32), burstFrames(127));
  EXPECT_TRUE(remainingFrames().empty());
}

TEST_F(DriverTest, MoveSendsOneFrameAndTheSameValueAgainSendsNone) {
  ASSERT_EQ(tavik.open(1, 9600), -1);
  ASSERT_EQ(nextFrames(32).size(), 32u);

  EXPECT_EQ(tavik.move(3, 200), -1);
  EXPECT_EQ(nextFrames(1), (std::vector<Frame>{{3, 200}}));
  EXPECT_EQ(tavik.move(3, 200), -1);
  EXPECT_TRUE(remainingFrames().empty()); // nor a second frame of the first move
  // Back to a value sent long ago is a change like any other.
  EXPECT_EQ(tavik.move(3, 127), -1);
  EXPECT_EQ(remainingFrames(), (std::vector<Frame>{{3, 127}}));
}

TEST_F(DriverTest, QuickSuccessiveMovesEndOnTheNewestValue) {
  ASSERT_EQ(tavik.open(1, 9600), -1);
  ASSERT_EQ(nextFrames(32).size(), 32u);

  tavik.move(3, 100);
  tavik.move(3, 200);
  for (int p = 0; p <= 254; ++p) tavik.move(7, p);
  tavik.move(9, 60);
  tavik.move(9, 127); // back to what was sent: nothing, or 60 then 127
  const auto frames = remainingFrames();

  std::map<int, std::vector<int>> sent;
  for (const Frame &f : frames) sent[f.servo].push_back(f.position);
  ASSERT_FALSE(sent[3].empty());
  EXPECT_EQ(sent[3].back(), 200) << describe(frames);
  EXPECT_LE(sent[3].size(), 2u);
  ASSERT_FALSE(sent[7].empty());
  EXPECT_EQ(sent[7].back(), 254) << describe(frames);
  EXPECT_LT(sent[7].size(), 255u) << "every intermediate value was sent";
  if (!sent[9].empty()) {
    EXPECT_EQ(sent[9], (std::vector<int>{60, 127}));
  }
  for (const auto &[servo, positions] : sent) EXPECT_TRUE(servo == 3 || servo == 7 || servo == 9) << servo;
}

TEST_F(DriverTest, TheOpenSendsThePositionsNamedSinceTheLastCloseAnd127Elsewhere) {
  // Named with no link open: the open's first pass sends them instead of 127.
  EXPECT_EQ(tavik.move(2, 50), -1);
  EXPECT_EQ(tavik.move(4, 160), -1);
  ASSERT_EQ(tavik.open(1, 9600), -1);
  // Stored before the thread reaches the slot: sent with the stored value instead of 127.
  EXPECT_EQ(tavik.move(31, 10), -1);
  auto expected = burstFrames(127);
  expected[2].position = 50;
  expected[4].position = 160;
  expected[31].position = 10;
  EXPECT_EQ(nextFrames(32), expected);

  // An open of a link already open keeps every target: the new line hears where each stands.
  tavik.move(3, 200);
  ASSERT_EQ(nextFrames(1), (std::vector<Frame>{{3, 200}}));
  PseudoTerminal second;
  setenv("TAVIK_COM1", second.slavePath().c_str(), 1);
  ASSERT_EQ(tavik.open(1, 9600), -1);
  expected[3].position = 200;
  EXPECT_EQ(framesOf(second.read(96, 3s)), expected);

  // A close forgets them: what is named after it goes out, 127 everywhere else.
  EXPECT_EQ(tavik.close(), -1);
  tavik.move(5, 20);
  PseudoTerminal third;
  setenv("TAVIK_COM1", third.slavePath().c_str(), 1);
  ASSERT_EQ(tavik.open(1, 9600), -1);
  expected = burstFrames(127);
  expected[5].position = 20;
  EXPECT_EQ(framesOf(third.read(96, 3s)), expected);
  EXPECT_TRUE(framesOf(third.readUntilQuiet(150ms)).empty());
}

TEST_F(DriverTest, SentAnswersWhatTheLineLastCarriedForEachSlot) {
  const auto sentOf = [&](std::initializer_list<int> servos) {
    std::vector<int> positions;
    for (int servo : servos) positions.push_back(tavik.sent(servo));
    return positions;
  };
  ASSERT_EQ(tavik.open(1, 9600), -1);
  ASSERT_EQ(nextFrames(32).size(), 32u);
  // The frame is counted as the write returns, a moment after its bytes can be read.
  EXPECT_TRUE(waitUntil([&] { return tavik.sent(31) == 127; }));
  EXPECT_EQ(sentOf({0, -1, 32, INT32_MIN}), (std::vector<int>{127, -1, -1, -1}));
  tavik.move(3, 200);
  ASSERT_EQ(nextFrames(1).size(), 1u);
  EXPECT_TRUE(waitUntil([&] { return tavik.sent(3) == 200; }));
  // Kept after the close and through an open that fails, for the caller to remember.
  tavik.move(7, 9);
  tavik.close();
  EXPECT_EQ(sentOf({3, 7}), (std::vector<int>{200, 9}));
  setenv("TAVIK_COM1", "/nonexistent/tty", 1);
  ASSERT_EQ(tavik.open(1, 9600), 0);
  EXPECT_EQ(sentOf({3, 7}), (std::vector<int>{200, 9})) << "an open that failed sent nothing";
}

TEST_F(DriverTest, CloseRightAfterTheLastMovesStillSendsEachOfThemOnce) {
  for (int baud : {9600, 2400}) {
    ASSERT_EQ(tavik.open(1, baud), -1);
    ASSERT_EQ(nextFrames(32).size(), 32u);
    LineRecorder line(pty);
    for (int servo = 0; servo < 12; ++servo) tavik.move(servo, 20 + 9 * servo);
    EXPECT_EQ(tavik.close(), -1);
    line.stop();

    const auto frames = framesOf(line.bytes());
    std::map<int, std::vector<int>> sent;
    for (const Frame &f : frames) sent[f.servo].push_back(f.position);
    EXPECT_EQ(sent.size(), 12u) << baud << " bit/s: " << describe(frames);
    for (int servo = 0; servo < 12; ++servo)
      EXPECT_EQ(sent[servo], std::vector<int>{20 + 9 * servo}) << baud << " bit/s, servo " << servo;
  }
}

TEST_F(DriverTest, MovesOutsideTheirRangesAreRefusedAndSendNothing) {
  ASSERT_EQ(tavik.open(1, 9600), -1);
  ASSERT_EQ(nextFrames(32).size(), 32u);

  struct Case { int servo, position, result; };
  const Case cases[] = {
      {0, 0, -1},    {31, 254, -1}, {0, 255, 0},  {255, 0, 0},   {-1, 100, 0},
      {3, -1, 0},    {32, 10, 0},   {254, 10, 0}, {INT32_MIN, 0, 0}, {0, INT32_MAX, 0},
  };
  for (const Case &c : cases)
    EXPECT_EQ(tavik.move(c.servo, c.position), c.result) << "TVK_MOVE(" << c.servo << ", " << c.position << ")";
  EXPECT_EQ(remainingFrames(), (std::vector<Frame>{{0, 0}, {31, 254}}));
}

} // namespace
} // namespace tavik::testing
