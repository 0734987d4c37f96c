// The runner's timer (tmrScriptRun): ticks the runner every runnerTickMs of the run's clock,
// counted from its start, so while a sound times the run each line starts on the sound's time
// and not the machine's; each tick is told how late it came. A tick held up (a message open)
// is not made up for.
#pragma once

#include "motion/clock.h"
#include "script/script_runner.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace quarnel {

class RunnerTimer : public QObject {
public:
  RunnerTimer(ScriptRunner &runner, const Clock &clock, QObject *parent = nullptr);

  void start();
  void stop();
  bool isActive() const { return m_running; }

  // After each of the runner's ticks.
  std::function<void()> ticked = [] {};

private:
  void fire();
  void arm();

  ScriptRunner &m_runner;
  const Clock &m_clock;
  QTimer m_timer;
  bool m_running = false;
  double m_due = 0; // the clock's reading at which the next tick is due
};

} // namespace quarnel
