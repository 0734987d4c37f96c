// Scheduling the update tick from the motion model's next event.
#include "motion/motion_ticker.h"

#include <algorithm>
#include <cmath>

namespace quarnel {

namespace {
// A long pause is counted in ticks this far apart, within what a countdown can take at once.
constexpr int longestTickMs = 30'000;
} // namespace

MotionTicker::MotionTicker(MotionModel &motion, const Clock &clock, QObject *parent)
    : QObject(parent), m_motion(motion), m_clock(clock), m_timUpdate(this) {
  m_timUpdate.setObjectName("timUpdate");
  m_timUpdate.setTimerType(Qt::PreciseTimer);
  m_timUpdate.setSingleShot(true);
  connect(&m_timUpdate, &QTimer::timeout, this, &MotionTicker::tickNow);
  m_motion.setAboutToChange([this] { catchUp(); });
  m_motion.setCatchUp([this] {
    if (m_running && !m_caughtUp) tickNow();
  });
}

MotionTicker::~MotionTicker() {
  m_motion.setAboutToChange(nullptr);
  m_motion.setCatchUp(nullptr);
}

void MotionTicker::start() {
  m_lastTick = m_clock.seconds();
  m_running = true;
  m_caughtUp = false;
  arm();
}

void MotionTicker::stop() {
  m_running = false;
  m_timUpdate.stop();
}

void MotionTicker::tickNow() {
  m_caughtUp = false;
  advance();
  ticked();
  if (m_running) arm();
}

double MotionTicker::msSinceLastTick() const {
  // Whole microseconds, the rest left to the next tick: a difference of two readings in
  // seconds can come out a hair off the milliseconds the timer waited, and a step due at
  // exactly that moment would then wait for one more tick.
  return std::round((m_clock.seconds() - m_lastTick) * 1e6) / 1000;
}

void MotionTicker::advance() {
  const double elapsedMs = msSinceLastTick();
  m_lastTick += elapsedMs / 1000;
  m_motion.tick(elapsedMs);
}

void MotionTicker::arm() {
  const auto due = m_motion.msUntilNextEvent();
  int ms = idleTickMs;
  if (due) {
    // The timer counts whole milliseconds from now and never fires early, so rounding up
    // brings the tick after the step is due, by less than a millisecond and the timer's slack.
    ms = static_cast<int>(std::clamp(std::ceil(*due - msSinceLastTick()), 1.0, double(longestTickMs)));
  }
  m_timUpdate.start(ms);
}

void MotionTicker::catchUp() {
  if (!m_running || m_caughtUp) return;
  // The time until now belongs to the old targets and speeds: a servo that stood still for a
  // second must not take a second's worth of steps toward its new target at once.
  m_caughtUp = true;
  advance();
  m_timUpdate.start(0);
}

} // namespace quarnel
