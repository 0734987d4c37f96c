// The 1 ms timer.
#include "every_millisecond_ticker.h"

EveryMillisecondTicker::EveryMillisecondTicker(std::function<void()> tick) : m_tick(std::move(tick)) {
  m_timer.setTimerType(Qt::PreciseTimer);
  m_timer.setInterval(1);
  QObject::connect(&m_timer, &QTimer::timeout, [this] {
    ++m_ticks;
    m_tick();
  });
}
