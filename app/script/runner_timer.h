// The runner's timer (tmrScriptRun): ticks every runnerTickMs of the run's clock, counted from
// its start, so while a sound times the run each line starts on the sound's time and not the
// machine's; a tick held up (a message open) is not made up for.
#pragma once

#include "motion/clock.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace quarnel {

class RunnerTimer : public QObject {
public:
  RunnerTimer(const Clock &clock, QObject *parent = nullptr);

  void start();
  void stop();
  bool isActive() const { return m_running; }

  // At each tick.
  std::function<void()> ticked = [] {};

private:
  void fire();
  void arm();

  const Clock &m_clock;
  QTimer m_timer;
  bool m_running = false;
  double m_due = 0; // the clock's reading at which the next tick is due
};

} // namespace quarnel
