#include "motion/motion_model.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace quarnel {

namespace {

// The countdowns are 16-bit: a longer gap between ticks (a suspended machine) counts as this.
constexpr int longestTick = std::numeric_limits<int16_t>::max();

int16_t clamp16(long value) {
  return static_cast<int16_t>(std::clamp<long>(value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

// The steps a run-out countdown owes, moving the countdown on past them. Every interval that has
// fully gone by is a step, and the part of an interval already spent counts toward the next, so
// a servo keeps its speed whatever the ticks' length: 16 ms ticks at a 5 ms interval give 3, 3,
// 3, 4 steps, not 3 every time. An interval of 0 (a node speed of 2040 or more) steps as one of
// 1 ms; a negative one steps once at every tick.
int stepsDue(int &countdown, int interval) {
  if (interval < 0) {
    countdown = interval;
    return 1;
  }
  const int effective = std::max(interval, 1);
  const int steps = 1 + (-countdown) / effective;
  countdown += steps * effective;
  return steps;
}

} // namespace

void MotionModel::load(const std::array<ServoLimits, servoChannels> &limits, const std::optional<ServoPositions> &lastKnown) {
  m_limits = limits;
  m_carriedMs = 0;
  m_eased = {};
  m_tracks = {};
  for (int servo = 0; servo < servoChannels; ++servo) {
    const ServoLimits &l = limits[servo];
    m_displayed[servo] = lastKnown ? std::clamp((*lastKnown)[servo], l.lowest, l.highest) : l.home;
    m_target[servo] = l.home;
    tellTarget(servo);
  }
  setSpeed(startSpeed);
}

int16_t MotionModel::withinTravel(int servo, int position) const {
  const ServoLimits &l = m_limits[servo];
  return static_cast<int16_t>(std::clamp<int>(position, l.lowest, l.highest));
}

void MotionModel::setTarget(int servo, int position) {
  aboutToChange();
  m_eased[servo].reset();
  m_tracks[servo].reset();
  const int16_t target = withinTravel(servo, position);
  if (m_target[servo] == target) return;
  m_target[servo] = target;
  tellTarget(servo);
}

void MotionModel::setEasedTarget(int servo, int position, Easing easing) {
  setTarget(servo, position);
  const int16_t from = m_displayed[servo], to = m_target[servo];
  if (easing == Easing::Linear || from == to) return;
  // An interval of 0 or less steps about once a millisecond, as the update tick runs.
  const int stepMs = std::max<int>(m_interval[servo], 1);
  m_eased[servo].emplace(easing, from, to, std::abs(to - from) * stepMs);
}

void MotionModel::holdAll() {
  for (int servo = 0; servo < servoChannels; ++servo) setTarget(servo, m_displayed[servo]);
}

void MotionModel::jumpTo(int servo, int position) {
  setTarget(servo, position);
  show(servo, m_target[servo]);
}

void MotionModel::follow(int servo, std::vector<TimedPosition> track, double fromMs) {
  aboutToChange();
  m_eased[servo].reset();
  m_tracks[servo] = Track{std::move(track), 0, static_cast<int>(fromMs)};
  followTrack(servo);
}

void MotionModel::followTrack(int servo) {
  Track &track = *m_tracks[servo];
  std::optional<int16_t> due;
  for (; track.next < track.positions.size() && track.positions[track.next].timeMs <= track.atMs; ++track.next)
    due = withinTravel(servo, track.positions[track.next].position);
  if (track.next == track.positions.size()) m_tracks[servo].reset();
  if (!due) return;
  if (m_target[servo] != *due) {
    m_target[servo] = *due;
    tellTarget(servo);
  }
  show(servo, *due);
}

bool MotionModel::allCarried(const std::function<bool(int servo)> &carried) const {
  for (int servo = 0; servo < servoChannels; ++servo)
    if (!follows(servo) && !carried(servo)) return false;
  return true;
}

void MotionModel::setSpeed(int speed) {
  m_speed = std::clamp(speed, slowestSpeed, fastestSpeed);
  for (int servo = 0; servo < servoChannels; ++servo) setServoSpeed(servo, m_speed);
}

void MotionModel::setServoSpeed(int servo, int speed) {
  aboutToChange();
  m_eased[servo].reset();
  m_interval[servo] = speedToInterval(speed);
  m_countdown[servo] = m_interval[servo];
}

void MotionModel::clearAllAtTarget() {
  aboutToChange();
  m_allAtTarget = false;
}

void MotionModel::startPause(float milliseconds, const std::function<double()> &begunMsAgo) {
  aboutToChange();
  m_pauseRemaining = milliseconds - static_cast<float>(begunMsAgo());
  m_pauseActive = true;
}

void MotionModel::tick(double elapsedMs) {
  if (m_pauseActive) {
    m_pauseRemaining -= static_cast<float>(elapsedMs);
    if (m_pauseRemaining <= 0) m_pauseActive = false;
  }

  const double total = std::max(0.0, elapsedMs) + m_carriedMs;
  const int counted = total >= longestTick ? longestTick : static_cast<int>(total);
  m_carriedMs = total >= longestTick ? 0 : total - counted;

  m_allAtTarget = true;
  for (int servo = 0; servo < servoChannels; ++servo) {
    if (m_tracks[servo]) {
      m_tracks[servo]->atMs += counted;
      followTrack(servo);
      continue;
    }
    const int interval = m_interval[servo];
    int countdown = m_countdown[servo] - counted;
    int p = m_displayed[servo];
    const int t = m_target[servo];
    if (p != t) m_allAtTarget = false;
    if (auto &eased = m_eased[servo]) {
      p = eased->advance(counted);
      if (eased->over()) eased.reset();
    } else if (countdown <= 0 && p == t) {
      // Standing still, the servo is ready: a new target steps at the next tick instead of
      // waiting out an interval that may be a second long.
      countdown = 0;
    } else if (countdown <= 0) {
      const int steps = stepsDue(countdown, interval);
      if (p + steps < t) p += steps;
      else if (p - steps > t) p -= steps;
      else p = t;
    }
    m_countdown[servo] = clamp16(countdown);
    show(servo, static_cast<int16_t>(p));
  }
}

std::optional<double> MotionModel::msUntilNextEvent() const {
  std::optional<double> due;
  const auto consider = [&due](double ms) { due = std::max(0.0, due ? std::min(*due, ms) : ms); };
  bool moving = false;
  for (int servo = 0; servo < servoChannels; ++servo) {
    if (const auto &track = m_tracks[servo]) {
      consider(track->positions[track->next].timeMs - track->atMs - m_carriedMs);
      continue;
    }
    if (m_displayed[servo] == m_target[servo]) continue; // its countdown running out shows nothing
    moving = true;
    // The tick counts whole milliseconds of the elapsed time plus the carried remainder, and
    // steps once that reaches the countdown.
    const auto &eased = m_eased[servo];
    consider((eased ? eased->msUntilNextUnit() : m_countdown[servo]) - m_carriedMs);
  }
  if (m_pauseActive) consider(m_pauseRemaining);
  if (!moving && !m_allAtTarget) consider(0);
  return due;
}

void MotionModel::show(int servo, int16_t position) {
  if (m_displayed[servo] == position) return;
  m_displayed[servo] = position;
  for (const auto &listener : m_positionListeners) listener(servo, position);
}

void MotionModel::tellTarget(int servo) const {
  for (const auto &listener : m_targetListeners) listener(servo, m_target[servo]);
}

} // namespace quarnel
