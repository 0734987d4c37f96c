// Where every servo is and where it is going: targets, displayed positions, the per-servo step
// tables, the pause countdown and the flags the script runner and node editor share, and the
// update tick that ramps each displayed position toward its target.
#pragma once

#include "motion/eased_move.h"
#include "motion/speed_interval.h"
#include "servos/servo_configuration.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace quarnel {

constexpr int16_t lowestPosition = 0;
constexpr int16_t highestPosition = 254;
constexpr int16_t startPosition = 127; // what the driver sends a servo nobody named at its open
constexpr int startSpeed = 32;

// A position for every servo.
using ServoPositions = std::array<int16_t, servoChannels>;

// A position a servo takes at a moment, in ms from the start of what it follows.
struct TimedPosition {
  int timeMs;
  int16_t position;
};

// A servo's travel and rest position, already in order: lowest <= home <= highest.
struct ServoLimits {
  int16_t lowest = lowestPosition;
  int16_t home = startPosition;
  int16_t highest = highestPosition;
};

class MotionModel {
public:
  using PositionListener = std::function<void(int servo, int16_t position)>;
  using TargetListener = std::function<void(int servo, int16_t target)>;

  // Told of every change of a displayed position, in the order the listeners were added.
  void addPositionListener(PositionListener listener) { m_positionListeners.push_back(std::move(listener)); }
  // Told of every change of a target, whoever made it, and of every target at a load: whatever
  // shows the targets follows without looking at them.
  void addTargetListener(TargetListener listener) { m_targetListeners.push_back(std::move(listener)); }

  // Told just before a target, a speed, the pause or AllAtTarget is set from outside the tick,
  // so whoever schedules the ticks can first tick away the time that went by under the old
  // values, and then tick again soon for the new ones.
  void setAboutToChange(std::function<void()> listener) { m_aboutToChange = std::move(listener); }
  // Before the runner reads AllAtTarget and PauseActive: told to tick the time up to now, so a
  // pause or a move that has run out by now counts as over, whenever the update timer fires.
  void setCatchUp(std::function<void()> listener) { m_catchUp = std::move(listener); }
  void catchUp() const {
    if (m_catchUp) m_catchUp();
  }

  // A fresh load: every servo stands at its last known position, kept within its travel, or
  // at home where none is known (nothing sent); targets at home, the speed at 32 for every
  // servo. A servo is never shown, nor sent, outside its travel.
  void load(const std::array<ServoLimits, servoChannels> &limits, const std::optional<ServoPositions> &lastKnown = {});

  // The targets (the sliders). A target is kept within its servo's travel.
  int16_t target(int servo) const { return m_target[servo]; }
  void setTarget(int servo, int position);
  // A target reached along `easing` from where the servo stands, in the time one speed would
  // take at its step interval. A later target or speed for the servo ends the curve: it goes on
  // at one speed from where it stands.
  void setEasedTarget(int servo, int position, Easing easing);
  // STOP: every target becomes the displayed position, so every servo holds at the next tick.
  void holdAll();
  // The servo's target and displayed position become `position` (kept within its travel) at
  // once, as the servo is sent there with no steps in between.
  void jumpTo(int servo, int position);

  // From now on the servo takes each position of `track` at its time, jumping there, counted
  // from `fromMs` into the track: a jaw following a sound, worked out ahead. It follows until
  // the track has run out or a target is set for it. A servo that follows stands at its target
  // whenever it is looked at.
  void follow(int servo, std::vector<TimedPosition> track, double fromMs);
  bool follows(int servo) const { return m_tracks[servo].has_value(); }
  // Whether `carried` holds for every servo that a run waits for: one that follows a track
  // keeps moving on its own time, so no line waits for the board to catch up with it.
  bool allCarried(const std::function<bool(int servo)> &carried) const;
  const ServoLimits &limits(int servo) const { return m_limits[servo]; }
  int16_t displayed(int servo) const { return m_displayed[servo]; }

  // The manual speed, 1 to 255. setSpeed applies it to all twelve servos: every interval and
  // countdown becomes the speed's interval, so each next step waits a full new interval.
  int speed() const { return m_speed; }
  void setSpeed(int speed);
  // The manual speed again for every servo, in place of the node speeds a run or the node
  // editor gave them.
  void restoreManualSpeed() { setSpeed(m_speed); }

  // The per-servo step tables, which the script runner and node editor set from node speeds;
  // the manual speed stays as it was.
  int16_t stepInterval(int servo) const { return m_interval[servo]; }
  int16_t stepCountdown(int servo) const { return m_countdown[servo]; }
  void setServoSpeed(int servo, int speed);

  bool allAtTarget() const { return m_allAtTarget; }
  void clearAllAtTarget();
  bool pauseActive() const { return m_pauseActive; }
  float pauseRemaining() const { return m_pauseRemaining; }
  // A pause `milliseconds` long that began `begunMsAgo()` ago, asked once the time until now
  // has been counted: a caller busy between its moment and this call loses nothing of it.
  void startPause(float milliseconds, const std::function<double()> &begunMsAgo = [] { return 0.0; });
  void endPause() { m_pauseActive = false; }
  bool nodeEditorOpen() const { return m_nodeEditorOpen; }
  void setNodeEditorOpen(bool open) { m_nodeEditorOpen = open; }

  // One update tick, `elapsedMs` after the previous one. The countdowns run on whole
  // milliseconds; the fraction left over is kept for the next tick, and so is the part of an
  // interval a countdown overran, so motion follows real time however long the ticks are.
  void tick(double elapsedMs);

  // Milliseconds after the last tick at which the next tick has something to do: the earliest
  // step due, the end of the pause, or AllAtTarget turning true once every servo stands at its
  // target. Nothing when a tick would change nothing, however late it came. Read from the
  // same countdowns and carried remainder the tick uses, so a tick at that moment or later
  // finds the step due.
  std::optional<double> msUntilNextEvent() const;

private:
  struct Track {
    std::vector<TimedPosition> positions;
    size_t next = 0; // the first position not yet taken
    int atMs = 0;
  };

  int16_t withinTravel(int servo, int position) const;
  // Takes the positions of the servo's track that are due by its time; ends the track after its last.
  void followTrack(int servo);
  void show(int servo, int16_t position);
  void tellTarget(int servo) const;
  void aboutToChange() const {
    if (m_aboutToChange) m_aboutToChange();
  }

  std::array<ServoLimits, servoChannels> m_limits{};
  std::array<int16_t, servoChannels> m_target{};
  std::array<int16_t, servoChannels> m_displayed{};
  std::array<int16_t, servoChannels> m_interval{};
  std::array<int16_t, servoChannels> m_countdown{};
  std::array<std::optional<EasedMove>, servoChannels> m_eased{};
  std::array<std::optional<Track>, servoChannels> m_tracks{};
  int m_speed = startSpeed;
  double m_carriedMs = 0;
  bool m_allAtTarget = false;
  bool m_pauseActive = false;
  float m_pauseRemaining = 0;
  bool m_nodeEditorOpen = false;
  std::vector<PositionListener> m_positionListeners;
  std::vector<TargetListener> m_targetListeners;
  std::function<void()> m_aboutToChange;
  std::function<void()> m_catchUp;
};

} // namespace quarnel
