// The run's clock against a wall clock and a sound device's clock that the test moves apart:
// the played time while a sound plays, the wall's otherwise, the offset, and never back.
#include "sound/silent_player.h"
#include "sound/sound_clock.h"
#include "manual_clock.h"
#include "sound_samples.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(SoundClock, FollowsThePlayedTimeWhileASoundPlaysAndTheWallOtherwiseNeverGoingBack) {
  enum class Action { None, Play, Stop };
  struct Step {
    double wallMs;   // the wall clock moves on this much,
    double deviceMs; // and the sound device's clock this much
    Action action;
    double readingMs; // then the run's clock reads this, from its start
  };
  struct Case {
    const char *what;
    int offsetMs;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"no offset", 0,
       {{100, 100, Action::None, 100},
        {0, 0, Action::Play, 100},
        {30, 0, Action::None, 100},    // nothing heard yet: the run waits
        {50, 40, Action::None, 140},   // the device's time, not the wall's 180
        {500, 510, Action::None, 650}, // its drift followed
        {400, 400, Action::None, 1050},
        {100, 100, Action::None, 1150}, // ended 50 ms before this reading, which counts them too
        {100, 0, Action::None, 1250},   // the wall's time again
        {0, 0, Action::Play, 1250},
        {100, 100, Action::None, 1350},
        {0, 0, Action::Stop, 1350},
        {50, 500, Action::None, 1400}}},
      {"the motion later", 200,
       {{0, 0, Action::Play, 0}, {150, 150, Action::None, 0}, {100, 100, Action::None, 50}, {100, 100, Action::None, 150}}},
      {"the motion earlier", -50, {{0, 0, Action::Play, 50}, {30, 0, Action::None, 50}, {100, 100, Action::None, 150}}},
  };
  const auto second = tavik::testing::clickTrack({}, 1000);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    ManualClock wall, device;
    SilentPlayer player(device);
    SoundClock clock(wall, player);
    clock.setOffsetMs(c.offsetMs);
    const double start = clock.seconds();
    for (const Step &step : c.steps) {
      wall.advanceMs(step.wallMs);
      device.advanceMs(step.deviceMs);
      if (step.action == Action::Play) {
        ASSERT_FALSE(clock.play(second).has_value());
      }
      if (step.action == Action::Stop) clock.stop();
      EXPECT_NEAR((clock.seconds() - start) * 1000, step.readingMs, 1e-6) << "at " << wall.ms();
    }
  }
}

// A JAW servo joining a sound takes the run's time since the sound started: with the offset,
// as every other servo does.
TEST(SoundClock, TellsTheRunsTimeSinceTheSoundStarted) {
  ManualClock wall, device;
  SilentPlayer player(device);
  SoundClock clock(wall, player);
  clock.setOffsetMs(200);
  ASSERT_FALSE(clock.play(tavik::testing::clickTrack({}, 1000)));
  wall.advanceMs(300);
  device.advanceMs(300);
  EXPECT_NEAR(player.playedMs(), 300, 1e-6);
  EXPECT_NEAR(clock.playedMs(), 100, 1e-6);
}

} // namespace
} // namespace quarnel
