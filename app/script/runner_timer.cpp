#include "script/runner_timer.h"

#include <algorithm>
#include <cmath>

namespace quarnel {

namespace {
constexpr double tickSeconds = runnerTickMs / 1000.0;
} // namespace

RunnerTimer::RunnerTimer(ScriptRunner &runner, const Clock &clock, QObject *parent)
    : QObject(parent), m_runner(runner), m_clock(clock), m_timer(this) {
  m_timer.setObjectName("tmrScriptRun");
  m_timer.setTimerType(Qt::PreciseTimer);
  m_timer.setSingleShot(true);
  connect(&m_timer, &QTimer::timeout, this, &RunnerTimer::fire);
}

void RunnerTimer::start() {
  m_running = true;
  m_due = m_clock.seconds() + tickSeconds;
  arm();
}

void RunnerTimer::stop() {
  m_running = false;
  m_timer.stop();
}

void RunnerTimer::fire() {
  const double now = m_clock.seconds();
  // The timer waits on the machine's time; the run's clock may be behind it (a sound not yet
  // heard): then the tick waits on.
  if (now >= m_due) {
    while (m_due <= now) m_due += tickSeconds;
    // Read when the line asks, not now: a busy machine may hold the tick up between here and
    // the pause it starts. Whole microseconds up, so the pause never ends a hair after the
    // tick that looks for its end.
    const double moment = m_due - tickSeconds;
    m_runner.tick([this, moment] { return std::ceil((m_clock.seconds() - moment) * 1e6) / 1000; });
    ticked(); // which may stop the timer
  }
  if (m_running) arm();
}

void RunnerTimer::arm() {
  // Whole milliseconds rounded up: the timer never fires early, so the tick finds its time come.
  const double ms = std::ceil((m_due - m_clock.seconds()) * 1000);
  m_timer.start(static_cast<int>(std::clamp(ms, 1.0, double(runnerTickMs))));
}

} // namespace quarnel
