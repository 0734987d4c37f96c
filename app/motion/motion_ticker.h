// The update tick's timer (timUpdate): ticks the motion model on measured time and sets itself
// for the moment the next step or the end of the pause is due, instead of every millisecond.
// The control window and quarnel-play both drive their servos with it.
#pragma once

#include "motion/clock.h"
#include "motion/motion_model.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace quarnel {

class MotionTicker : public QObject {
public:
  // While nothing moves and no pause counts, a tick this often keeps the clock reading fresh.
  static constexpr int idleTickMs = 500;

  MotionTicker(MotionModel &motion, const Clock &clock, QObject *parent = nullptr);
  ~MotionTicker() override;

  // From now on every tick measures its time from this moment.
  void start();
  void stop();
  bool running() const { return m_running; }

  // One tick now, as when the timer fires: the model ticks, `ticked` is told and the timer is
  // set for the next event.
  void tickNow();

  // After each tick of the schedule; not after the tick that accounts for the time before a
  // change, which runs inside the changing call.
  std::function<void()> ticked = [] {};

private:
  double msSinceLastTick() const;
  void advance();
  void arm();
  void catchUp();

  MotionModel &m_motion;
  const Clock &m_clock;
  QTimer m_timUpdate;
  double m_lastTick = 0;
  bool m_running = false;
  bool m_caughtUp = false; // a change has been ticked up to; the timer fires at once
};

} // namespace quarnel
