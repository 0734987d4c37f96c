// The simulated run's outline, the line's load under it, and the live frame-rate meter.
#include "link/frame_rate_meter.h"
#include "script/script_model.h"
#include "simulation/driver_queue.h"
#include "simulation/line_load.h"
#include "simulation/motion_simulation.h"
#include "simulation/timeline_notes.h"
#include "sound_samples.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace quarnel {
namespace {

// Every slot at `pos` and `speed`, servo `moving` at `to`.
Node pose(std::string name, int speed, int moving = -1, int to = 0, int pos = startPosition) {
  Node node{std::move(name), {}, {}};
  node.pos.fill(static_cast<int16_t>(pos));
  node.speed.fill(static_cast<int16_t>(speed));
  if (moving >= 0) node.pos[moving] = static_cast<int16_t>(to);
  return node;
}

SimulationInput script(std::vector<Node> nodes, std::vector<std::string> lines) {
  SimulationInput input;
  input.createdNodes = std::move(nodes);
  input.lines = std::move(lines);
  return input;
}

Simulation simulate(const SimulationInput &input) {
  auto sim = simulateMotion(input);
  EXPECT_TRUE(sim.has_value());
  return sim.value_or(Simulation{});
}

struct OutlineCase {
  const char *what;
  std::vector<std::string> lines;
  std::vector<int> rowsRun;
  std::string failure;
  std::vector<std::pair<int, int>> loops; // start and end rows
  int pauses, waits;
};

class SimulationOutline : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(SimulationOutline, RunsTheLinesTheRunnerWouldAndStopsWhereItWould) {
  const OutlineCase &c = GetParam();
  const Simulation sim = simulate(script({pose("Up", 100, 0, 147)}, c.lines));
  std::vector<int> rows;
  for (const LineRun &run : sim.lineRuns) rows.push_back(run.row);
  EXPECT_EQ(rows, c.rowsRun);
  EXPECT_EQ(sim.failure.value_or(""), c.failure);
  std::vector<std::pair<int, int>> loops;
  for (const LoopPass &loop : sim.loops) loops.emplace_back(loop.startRow, loop.endRow);
  EXPECT_EQ(loops, c.loops);
  EXPECT_EQ(static_cast<int>(sim.pauses.size()), c.pauses);
  EXPECT_EQ(static_cast<int>(sim.waits.size()), c.waits);
  EXPECT_FALSE(sim.capped);
}

INSTANTIATE_TEST_SUITE_P(Scripts, SimulationOutline, ::testing::Values(
    OutlineCase{"plain", {"Up", "Home"}, {1, 2, 3}, "", {}, 0, 0},
    OutlineCase{"unknown node", {"Up", "Nowhere", "Home"}, {1, 2},
                "The line \"Nowhere\" cannot be run: no node has this name.", {}, 0, 0},
    OutlineCase{"loop", {"Home", "LOOPSTART", "Up", "PAUSE 300", "Home", "LOOPEND", "Up"},
                {1, 2, 3, 4, 5, 6, 7, 8}, "", {{2, 6}}, 1, 0},
    OutlineCase{"adjacent loop ends", {"LOOPSTART", "LOOPEND"}, {1, 2, 3}, "", {{1, 2}}, 0, 0},
    OutlineCase{"each loop once, one with no start", {"Up", "LOOPEND", "Home", "LOOPSTART", "Up", "LOOPEND", "Home"},
                {1, 2, 3, 4, 5, 6, 7, 8}, "", {{1, 2}, {4, 6}}, 0, 0},
    OutlineCase{"wait", {"Up", "WAIT", "Home"}, {1, 2, 3, 4}, "", {}, 0, 1},
    OutlineCase{"ease", {"EASE OUT", "Up", "EASE", "Home"}, {1, 2, 3},
                "The line \"EASE\" cannot be run: its curve is not LINEAR, IN, OUT or INOUT.", {}, 0, 0}));

TEST(Simulation, TimesMovesPausesAndLoopsAsTheTicksWould) {
  // Up, run at 200 ms: servo 0 from 127 to 147 at speed 100 (10 ms a unit); the node's speed
  // makes the first step wait a full interval, the last comes 19 intervals later.
  const Simulation sim = simulate(script({pose("Up", 100, 0, 147)}, {"LOOPSTART", "Up", "PAUSE 250", "Home", "LOOPEND"}));
  ASSERT_FALSE(sim.changes.empty());
  EXPECT_EQ(sim.start[0], 127);
  EXPECT_EQ(sim.changes.front().timeMs, 210);
  EXPECT_EQ(sim.changes.front().position, 128);
  EXPECT_EQ(sim.changes[19].timeMs, 210 + 19 * 10);
  EXPECT_EQ(sim.changes[19].position, 147);
  ASSERT_EQ(sim.pauses.size(), 1u);
  EXPECT_EQ(sim.pauses[0].endMs - sim.pauses[0].startMs, 250);
  ASSERT_EQ(sim.loops.size(), 1u);
  ASSERT_EQ(sim.lineRuns.size(), 6u);
  EXPECT_EQ(sim.loops[0].startMs, 100);
  EXPECT_EQ(sim.loops[0].endMs, sim.lineRuns[4].timeMs);
  EXPECT_EQ(sim.lineRuns[3].before[0], 147); // Home starts from where Up left servo 0
  EXPECT_EQ(sim.lineRunningAt(50), nullptr);
  EXPECT_EQ(sim.lineRunningAt(250)->row, 2);
}

TEST(Simulation, ALineStartsOnlyOnceTheDriverHasSentTheLastOnesMoves) {
  // Twelve servos at full speed ask ten times what 9600 bit/s carries. Far, run at 100 ms,
  // steps every servo every 4 ms up to 176, the last step at 296 ms; the motion stands at 300,
  // but the last pass of twelve frames is on the line until 333, so Near waits for 400.
  const Simulation sim = simulate(script({pose("Far", 255, -1, 0, 176), pose("Near", 255, -1, 0, 100)}, {"Far", "Near", "Far"}));
  ASSERT_EQ(sim.lineRuns.size(), 4u);
  EXPECT_EQ(sim.lineRuns[1].timeMs, 400);
  // What the timeline shows at each line's start is what the board has been sent.
  for (const LineRun &run : sim.lineRuns) {
    DriverQueue driver(sim.start, 1000 / lineFramesPerSecond(9600));
    for (const PositionChange &change : sim.changes) {
      if (change.timeMs > run.timeMs) break;
      driver.sendUntil(change.timeMs);
      driver.change(change.timeMs, change.servo, change.position);
    }
    driver.sendUntil(run.timeMs);
    EXPECT_TRUE(driver.carried()) << "line " << run.row << " at " << run.timeMs << " ms";
  }
}

// The sounds play in silence on the simulated clock: each from its SOUND line until it ends, the
// next SOUND or the end of the run, the jaw in the trace as the board would be sent it.
TEST(Simulation, PlaysTheSoundsOnItsClockWithTheJawFollowing) {
  const tavik::testing::TemporaryFolder folder;
  ASSERT_TRUE(tavik::testing::writeWaveFile(folder.file("voice.wav"), *tavik::testing::toneBurst(200, 800, 1000)));
  ASSERT_TRUE(tavik::testing::writeWaveFile(folder.file("long.wav"), *tavik::testing::clickTrack({}, 3000)));
  SimulationInput input = script({}, {"SOUND voice.wav", "JAW 3 40 120", "PAUSE 1200", "SOUND long.wav", "PAUSE 500"});
  input.soundFolder = folder.path();
  const Simulation sim = simulate(input);
  ASSERT_EQ(sim.sounds.size(), 2u);
  EXPECT_EQ(std::make_tuple(sim.sounds[0].startMs, sim.sounds[0].endMs, sim.sounds[0].row), std::make_tuple(100, 1100, 1));
  EXPECT_EQ(std::make_tuple(sim.sounds[1].startMs, sim.sounds[1].endMs, sim.sounds[1].row), std::make_tuple(1500, 2200, 4));
  EXPECT_EQ(sim.sounds[1].sound->lengthMs(), 3000);
  std::vector<PositionChange> jaw;
  std::copy_if(sim.changes.begin(), sim.changes.end(), std::back_inserter(jaw), [](const PositionChange &c) { return c.servo == 3; });
  ASSERT_GE(jaw.size(), 3u);
  EXPECT_EQ(jaw.front().timeMs, 200);
  EXPECT_EQ(jaw.front().position, 40);
  EXPECT_EQ(jaw.back().position, 40);
  EXPECT_LE(jaw.back().timeMs, 1100);
  EXPECT_GT(std::max_element(jaw.begin(), jaw.end(), [](auto &a, auto &b) { return a.position < b.position; })->position, 100);

  input.lines.front() = "SOUND gone.wav";
  const Simulation refused = simulate(input);
  EXPECT_TRUE(refused.lineRuns.empty());
  EXPECT_EQ(refused.failure.value_or("").find("The line \"SOUND gone.wav\" cannot be run: its sound file "), 0u);
}

// Node lines leave a jaw following the sound alone, and so does what the timeline says of them.
TEST(Simulation, ANodeLineTellsNoChangeOfTheJaw) {
  const tavik::testing::TemporaryFolder folder;
  ASSERT_TRUE(tavik::testing::writeWaveFile(folder.file("voice.wav"), *tavik::testing::toneBurst(200, 800, 1000)));
  const Node open = pose("Open", 100, 3, 200);
  SimulationInput input = script({open}, {"SOUND voice.wav", "JAW 3 40 120", "Open"});
  input.soundFolder = folder.path();
  const Simulation sim = simulate(input);
  const auto nodeLine = std::find_if(sim.lineRuns.begin(), sim.lineRuns.end(), [](const LineRun &run) { return run.text == "Open"; });
  ASSERT_NE(nodeLine, sim.lineRuns.end());
  EXPECT_TRUE(nodeLine->followsSound[3]);
  NodeTable nodes;
  nodes.reset(pose("Home", 5));
  nodes.add(open);
  const std::string said = lineText(*nodeLine, nodes, input.config);
  EXPECT_EQ(said.find("Servo3 "), std::string::npos) << said;
  EXPECT_NE(said.find("No servo moves"), std::string::npos) << said;
}

TEST(Simulation, StopsAtTheCapAndWhenCancelled) {
  // Speed 1 over the whole travel and back, ten times: far beyond an hour.
  std::vector<std::string> lines;
  for (int i = 0; i < 10; ++i) lines.insert(lines.end(), {"Low", "High"});
  const SimulationInput input = script({pose("Low", 1, -1, 0, 0), pose("High", 1, -1, 0, 254)}, lines);
  const Simulation sim = simulate(input);
  EXPECT_TRUE(sim.capped);
  EXPECT_EQ(sim.endMs, simulationCapMs);
  const std::atomic<bool> cancelled{true};
  EXPECT_FALSE(simulateMotion(input, &cancelled));
}

// Frames asked at 9600 bit/s: 320 a second, 32 a 100 ms window, one every 3.125 ms.
struct QueueCase {
  const char *what;
  std::vector<PositionChange> changes;
  double worstLagMs;
  size_t overloadedSpans;
};

class LineLoadQueue : public ::testing::TestWithParam<QueueCase> {};

TEST_P(LineLoadQueue, SendsEachChangedSlotOnceAtTheLinesRate) {
  Simulation sim;
  sim.start.fill(startPosition);
  sim.changes = GetParam().changes;
  const LineLoad load = measureLineLoad(sim, 9600);
  EXPECT_DOUBLE_EQ(load.worstLagMs, GetParam().worstLagMs);
  EXPECT_EQ(load.overloaded.size(), GetParam().overloadedSpans);
}

std::vector<PositionChange> atOnce(int servos, int timeMs, int16_t position = 128) {
  std::vector<PositionChange> changes;
  for (int servo = 0; servo < servos; ++servo) changes.push_back({timeMs, servo, position});
  return changes;
}

// One change every 3 ms over the slots in turn, each a little sooner than the line carries.
std::vector<PositionChange> spread(int count) {
  std::vector<PositionChange> changes;
  for (int i = 0; i < count; ++i) changes.push_back({100 + i * 3, i % 32, static_cast<int16_t>(128 + i / 32)});
  return changes;
}

INSTANTIATE_TEST_SUITE_P(Changes, LineLoadQueue, ::testing::Values(
    QueueCase{"twelve at once wait for eleven frames", atOnce(12, 100), 11 * 3.125, 0},
    QueueCase{"a slot changed again while waiting goes once",
              {{100, 0, 128}, {100, 1, 128}, {101, 1, 130}}, 3.125, 0},
    QueueCase{"a slot changed back to what was sent goes not at all",
              {{100, 0, 128}, {100, 1, 128}, {101, 1, 127}, {110, 2, 128}}, 0, 0},
    QueueCase{"32 frames fill a window", spread(32), 31 * 0.125, 0},
    QueueCase{"33 frames overfill it", spread(33), 4, 1}));

TEST(LineLoad, TwelveServosAtFullSpeedOverloadA9600LineAndOneServoDoesNot) {
  Node far = pose("Far", 255, -1, 0, 254);
  const LineLoad heavy = measureLineLoad(simulate(script({far}, {"Far"})), 9600);
  // 12 servos stepping every 4 ms ask 3000 frames a second of a line that carries 320.
  EXPECT_EQ(heavy.capacityPerSecond, 320);
  EXPECT_GE(heavy.peakFramesPerSecond, 2900);
  ASSERT_FALSE(heavy.overloaded.empty());
  EXPECT_EQ(heavy.overloaded.front().startMs, 100);
  // Each slot's newest value goes once a pass, so no change waits longer than a pass of twelve,
  // and most positions never reach the board.
  EXPECT_NEAR(heavy.worstLagMs, 12 * 3.125, 3.125);
  EXPECT_GT(heavy.skippedFrames, static_cast<int>(heavy.asked * 8 / 10));

  const LineLoad light = measureLineLoad(simulate(script({pose("Up", 100, 0, 254)}, {"Up"})), 9600);
  EXPECT_TRUE(light.overloaded.empty());
  EXPECT_LE(light.peakFramesPerSecond, 100);
  EXPECT_LT(light.worstLagMs, 1000.0 / 320);
  EXPECT_EQ(light.skippedFrames, 0);
  // The same script at 2400 bit/s: 80 frames a second are carried, 100 asked.
  EXPECT_FALSE(measureLineLoad(simulate(script({pose("Up", 100, 0, 254)}, {"Up"})), 2400).overloaded.empty());
}

TEST(FrameRateMeter, CountsTheLastSecondAgainstTheLine) {
  FrameRateMeter meter;
  for (int i = 0; i < 160; ++i) meter.count(10.0 + i / 160.0);
  EXPECT_EQ(meter.framesPerSecond(10.999), 160);
  EXPECT_EQ(meter.linePercent(10.999, 9600), 50);
  EXPECT_EQ(meter.linePercent(10.999, 2400), 200);
  EXPECT_EQ(meter.framesPerSecond(11.5), 79); // those after 10.5 s
  EXPECT_EQ(meter.framesPerSecond(12.0), 0);
}

} // namespace
} // namespace quarnel
