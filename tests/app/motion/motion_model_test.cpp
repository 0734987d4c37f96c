// The update tick with a fake clock: ramps, landings, speeds, pauses and what gets sent.
#include "motion/motion_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace quarnel {
namespace {

class MotionModelTest : public ::testing::Test {
protected:
  void SetUp() override {
    model.addPositionListener([this](int servo, int16_t p) { sent.emplace_back(servo, p); });
    std::array<ServoLimits, servoChannels> limits{};
    model.load(limits); // home 127 everywhere: nothing moves until a target changes
  }
  // The positions sent for one servo.
  std::vector<int> sentFor(int servo) const {
    std::vector<int> positions;
    for (const auto &[s, p] : sent)
      if (s == servo) positions.push_back(p);
    return positions;
  }
  void ticks(int count, double ms) {
    for (int i = 0; i < count; ++i) model.tick(ms);
  }

  MotionModel model;
  std::vector<std::pair<int, int>> sent;
};

TEST(SpeedToInterval, RoundsHalvesToEvenAndPassesNodeSpeedsThrough) {
  const std::pair<int, int> table[] = {{1, 1020}, {4, 255}, {8, 128}, {24, 42},   {32, 32}, {40, 26}, {120, 8},
                                       {136, 8},  {204, 5}, {255, 4}, {2039, 1}, {2040, 0}, {-1020, -1}, {0, 1020}};
  for (const auto &[speed, interval] : table) EXPECT_EQ(speedToInterval(speed), interval) << "speed " << speed;
}

TEST_F(MotionModelTest, OneUnitPerIntervalAtSpeed32With16msTicks) {
  model.setTarget(2, 130);
  std::vector<int> countdowns;
  for (int i = 0; i < 6; ++i) {
    model.tick(16);
    countdowns.push_back(model.stepCountdown(2));
  }
  EXPECT_EQ(countdowns, (std::vector<int>{16, 32, 16, 32, 16, 32}));
  EXPECT_EQ(sentFor(2), (std::vector<int>{128, 129, 130}));
  ticks(10, 16);
  EXPECT_EQ(sentFor(2).size(), 3u) << "a servo at its target sends nothing";
  EXPECT_EQ(sent.size(), 3u) << "servos standing at 127 send nothing";
}

TEST_F(MotionModelTest, FastSpeedStepsSeveralUnitsAndLandsExactly) {
  model.setSpeed(255);
  model.setTarget(0, 135);
  ticks(4, 16);
  EXPECT_EQ(sentFor(0), (std::vector<int>{131, 135}));

  // Nearer than one tick's steps: straight onto the target.
  model.setTarget(0, 133);
  model.tick(16);
  EXPECT_EQ(sentFor(0).back(), 133);
  model.setTarget(0, 130);
  model.tick(16);
  EXPECT_EQ(sentFor(0).back(), 130);
}

TEST_F(MotionModelTest, AllAtTargetJudgesThePositionsBeforeTheStep) {
  model.tick(16);
  EXPECT_TRUE(model.allAtTarget());
  model.setSpeed(255);
  model.setTarget(5, 131);
  model.tick(16); // lands on 131 in this tick
  EXPECT_EQ(model.displayed(5), 131);
  EXPECT_FALSE(model.allAtTarget());
  model.tick(16);
  EXPECT_TRUE(model.allAtTarget());
}

TEST_F(MotionModelTest, SpeedChangeResetsEveryCountdownToTheNewInterval) {
  model.setTarget(1, 140);
  model.setServoSpeed(7, 8);
  model.tick(16);
  model.setSpeed(40);
  for (int servo = 0; servo < servoChannels; ++servo) {
    EXPECT_EQ(model.stepInterval(servo), 26);
    EXPECT_EQ(model.stepCountdown(servo), 26);
  }
  model.tick(16);
  EXPECT_TRUE(sentFor(1).empty()) << "stepped before a full new interval";
  model.tick(16);
  EXPECT_EQ(sentFor(1), (std::vector<int>{128}));
}

TEST_F(MotionModelTest, AServoStandingStillAnswersANewTargetAtTheNextTick) {
  ticks(5, 16); // every countdown has run out while nothing moved
  model.setTarget(4, 129);
  model.tick(1);
  EXPECT_EQ(sentFor(4), (std::vector<int>{128}));
  ticks(30, 1);
  EXPECT_EQ(sentFor(4), (std::vector<int>{128})) << "the second step comes an interval later";
  model.tick(1);
  EXPECT_EQ(sentFor(4), (std::vector<int>{128, 129}));
}

TEST_F(MotionModelTest, PauseCountsDownOnTheSummedTimeEvenWithNothingMoving) {
  model.startPause(1000);
  ticks(62, 16); // 992 ms
  EXPECT_TRUE(model.pauseActive());
  EXPECT_FLOAT_EQ(model.pauseRemaining(), 8);
  model.tick(16);
  EXPECT_FALSE(model.pauseActive());
}

TEST_F(MotionModelTest, TargetsStayWithinTheServosTravel) {
  std::array<ServoLimits, servoChannels> limits{};
  limits[3] = {20, 100, 200};
  model.load(limits);
  model.setTarget(3, 250);
  EXPECT_EQ(model.target(3), 200);
  model.setTarget(3, -4);
  EXPECT_EQ(model.target(3), 20);
  EXPECT_EQ(model.target(4), 127);
}

TEST_F(MotionModelTest, LoadStandsEachServoWhereItWasLeftWithinItsTravelAndSendsNothing) {
  std::array<ServoLimits, servoChannels> limits{};
  limits[0] = {150, 200, 254}; // 127 is outside its travel
  limits[1] = {0, 120, 254};
  ServoPositions left;
  left.fill(127);
  left[1] = 60;
  const struct {
    const char *what;
    std::optional<ServoPositions> lastKnown;
    int servo0, servo1, firstStep0;
  } cases[] = {
      {"where it was left, kept within the travel", left, 150, 60, 151},
      {"at home where nothing is known", std::nullopt, 200, 120, -1},
  };
  for (const auto &c : cases) {
    model.setSpeed(200);
    model.setTarget(0, 10);
    ticks(50, 16);
    sent.clear();
    model.load(limits, c.lastKnown);
    EXPECT_TRUE(sent.empty()) << c.what;
    EXPECT_EQ(model.displayed(0), c.servo0) << c.what;
    EXPECT_EQ(model.displayed(1), c.servo1) << c.what;
    EXPECT_EQ(model.target(0), 200) << c.what;
    EXPECT_EQ(model.speed(), 32) << c.what;
    EXPECT_EQ(model.stepCountdown(0), 32) << c.what;
    ticks(2, 16);
    EXPECT_EQ(sentFor(0), c.firstStep0 < 0 ? std::vector<int>{} : std::vector<int>{c.firstStep0}) << c.what;
  }
}

TEST_F(MotionModelTest, TargetListenersHearEachChangeOnce) {
  std::array<ServoLimits, servoChannels> limits{};
  limits[3] = {20, 127, 200};
  model.load(limits);
  model.setTarget(1, 130);
  model.tick(32); // servo 1 on its way: 128
  struct Case {
    const char *what;
    std::function<void()> change;
    std::vector<std::pair<int, int>> told;
  };
  const Case cases[] = {
      {"a new target", [&] { model.setTarget(3, 150); }, {{3, 150}}},
      {"the same target again", [&] { model.setTarget(3, 150); }, {}},
      {"a target beyond the travel, as kept", [&] { model.setTarget(3, 250); }, {{3, 200}}},
      {"STOP, only the servos not standing", [&] { model.holdAll(); }, {{1, 128}, {3, 127}}},
  };
  std::vector<std::pair<int, int>> told;
  model.addTargetListener([&](int servo, int16_t target) { told.emplace_back(servo, target); });
  for (const Case &c : cases) {
    told.clear();
    c.change();
    EXPECT_EQ(told, c.told) << c.what;
  }
  told.clear();
  limits[3].home = 90;
  model.load(limits);
  EXPECT_EQ(told.size(), size_t(servoChannels)) << "a load tells every target";
  EXPECT_EQ(told[3], (std::pair<int, int>{3, 90}));
}

TEST_F(MotionModelTest, TheManualSpeedComesBackAfterNodeSpeeds) {
  model.setSpeed(40);
  model.setServoSpeed(2, 5);
  model.setServoSpeed(7, 255);
  EXPECT_EQ(model.speed(), 40);
  model.restoreManualSpeed();
  for (int servo = 0; servo < servoChannels; ++servo) EXPECT_EQ(model.stepInterval(servo), 26) << "servo " << servo;
}

TEST_F(MotionModelTest, MotionFollowsRealTimeWhateverTheTicks) {
  // 2000 ticks of 1.1 ms at speed 32 are 2200 ms: 68 whole intervals. Rounding each tick to
  // 1 ms would count 2000 ms and give 62; dropping what a countdown overran would give 66.
  model.setTarget(0, 254);
  ticks(2000, 1.1);
  EXPECT_EQ(model.displayed(0) - 127, 68);

  // An interval that does not divide the tick: 16 ms ticks at 5 ms (speed 204) owe 3.2 units
  // a tick, so 3, 3, 3, 3, 4 over five ticks rather than 3 every time.
  model.setSpeed(204);
  model.setTarget(1, 254);
  std::vector<int> positions;
  for (int i = 0; i < 5; ++i) {
    model.tick(16);
    positions.push_back(model.displayed(1));
  }
  EXPECT_EQ(positions, (std::vector<int>{130, 133, 136, 139, 143}));
}

TEST_F(MotionModelTest, UnusualIntervalsAndGapsNeverStall) {
  model.setTarget(0, 140);
  model.setServoSpeed(0, 3000); // interval 0: steps as for 1 ms, the first already due
  model.tick(4);
  EXPECT_EQ(model.displayed(0), 132);
  model.setTarget(1, 130);
  model.setServoSpeed(1, -500); // negative interval: one unit every tick
  ticks(2, 16);
  EXPECT_EQ(sentFor(1), (std::vector<int>{128, 129}));
  model.setTarget(2, 200);
  model.tick(1e9); // a suspended machine: counted as the longest gap the countdowns take
  EXPECT_EQ(model.displayed(2), 200);
}

TEST_F(MotionModelTest, AnEasedMoveFollowsItsCurveInTheTimeOfTheLinearOne) {
  using Curve = double (*)(double);
  const struct {
    Easing easing;
    int to;
    Curve curve;
  } cases[] = {
      {Easing::Linear, 227, [](double u) { return u; }},
      {Easing::In, 227, [](double u) { return u * u; }},
      {Easing::Out, 27, [](double u) { return 1 - (1 - u) * (1 - u); }},
      {Easing::InOut, 227, [](double u) { return u < 0.5 ? 2 * u * u : 1 - 2 * (1 - u) * (1 - u); }},
  };
  constexpr int durationMs = 100 * 32; // 100 units at speed 32, as the linear move takes
  int now = 0;
  std::vector<std::pair<int, int>> *record = nullptr; // time and position of servo 0
  model.addPositionListener([&](int servo, int16_t p) {
    if (servo == 0 && record) record->emplace_back(now, p);
  });
  for (const auto &c : cases) {
    SCOPED_TRACE(static_cast<int>(c.easing));
    // Ticked every millisecond, and only when the model says the next position is due.
    std::vector<std::pair<int, int>> runs[2];
    for (const bool scheduled : {false, true}) {
      record = &runs[scheduled];
      now = 0;
      model.load({});
      model.setServoSpeed(0, 32);
      model.setEasedTarget(0, c.to, c.easing);
      while (model.displayed(0) != c.to && now < 2 * durationMs) {
        // As the update timer waits: whole milliseconds, at least one.
        const int ms = scheduled ? std::max(1, static_cast<int>(std::ceil(model.msUntilNextEvent().value_or(1)))) : 1;
        now += ms;
        model.tick(ms);
      }
    }
    EXPECT_EQ(runs[1], runs[0]) << "the scheduled ticks missed a position";
    ASSERT_EQ(runs[0].size(), 100u) << "every unit once";
    EXPECT_EQ(runs[0].back(), (std::pair<int, int>{durationMs, c.to}));
    const int direction = c.to > 127 ? 1 : -1;
    for (const auto &[time, position] : runs[0]) {
      const double curveUnits = 100 * c.curve(double(time) / durationMs);
      const int units = direction * (position - 127);
      EXPECT_TRUE(units <= curveUnits + 1e-9 && units > curveUnits - 1) << time << " ms: " << position;
    }
  }
  record = nullptr;

  // STOP holds an eased move where it stands.
  model.setEasedTarget(0, 127, Easing::InOut);
  ticks(durationMs / 2, 1);
  EXPECT_EQ(model.displayed(0), 177);
  model.holdAll();
  ticks(100, 1);
  EXPECT_EQ(model.displayed(0), 177);
}

// A track's positions are taken on time, from where it was joined, the next one announced as
// the next event; a target set from outside ends it, and no run waits for the line to carry it.
TEST_F(MotionModelTest, AServoFollowsItsTrackOnTimeUntilATargetTakesItOver) {
  model.tick(0); // every servo found at its target
  model.follow(3, {{0, 50}, {30, 300}, {60, 40}, {90, 60}}, 10);
  EXPECT_EQ(sentFor(3), (std::vector<int>{50}));
  EXPECT_TRUE(model.follows(3));
  EXPECT_EQ(model.msUntilNextEvent(), 20);
  model.tick(19.5);
  EXPECT_EQ(model.displayed(3), 50);
  model.tick(0.5);
  EXPECT_EQ(sentFor(3), (std::vector<int>{50, 254})); // within the travel
  EXPECT_EQ(model.target(3), 254);
  EXPECT_TRUE(model.allCarried([](int servo) { return servo == 3 ? false : true; }));
  EXPECT_FALSE(model.allCarried([](int servo) { return servo == 3; }));
  model.tick(30);
  EXPECT_EQ(model.displayed(3), 40);
  model.setTarget(3, 100);
  EXPECT_FALSE(model.follows(3));
  ticks(10, 10);
  EXPECT_EQ(sentFor(3).at(3), 41) << "the track went on after a target took the servo over";

  model.follow(5, {{0, 70}, {20, 90}}, 100); // joined past its end: its last position, and over
  EXPECT_EQ(model.displayed(5), 90);
  EXPECT_FALSE(model.follows(5));
}

} // namespace
} // namespace quarnel
