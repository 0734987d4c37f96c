// The update tick as it was before it was scheduled: a 1 ms timer that ticks whatever is due,
// kept here so the benchmarks can set the two ways side by side in one run.
#pragma once

#include <QTimer>

#include <functional>

class EveryMillisecondTicker {
public:
  // `tick` is one update tick: the motion model's, or the control window's.
  explicit EveryMillisecondTicker(std::function<void()> tick);
  void start() { m_timer.start(); }
  void stop() { m_timer.stop(); }
  long long ticks() const { return m_ticks; }

private:
  QTimer m_timer;
  std::function<void()> m_tick;
  long long m_ticks = 0;
};
