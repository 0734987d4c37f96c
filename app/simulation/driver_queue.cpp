// Playing the driver's passes over its slots against the line's rate.
#include "simulation/driver_queue.h"

#include <algorithm>

namespace quarnel {

DriverQueue::DriverQueue(const ServoPositions &start, double frameMs) : m_frameMs(frameMs) {
  m_sent.fill(-1);
  std::copy(start.begin(), start.end(), m_sent.begin());
  m_newest = m_sent;
}

void DriverQueue::change(double timeMs, int servo, int16_t position) {
  const bool was = isPending(servo);
  m_newest[servo] = position;
  const bool is = isPending(servo);
  if (was) ++m_skipped; // the waiting value will never be sent
  if (is && !was) {
    m_waitingSince[servo] = timeMs;
    if (m_pending++ == 0) m_lineFree = std::max(m_lineFree, timeMs);
  } else if (was && !is) {
    --m_pending; // back to what the board already has: the driver sends nothing
  }
}

void DriverQueue::sendUntil(double timeMs) {
  while (m_pending > 0 && m_lineFree <= timeMs) {
    while (!isPending(m_cursor)) m_cursor = (m_cursor + 1) % slots;
    m_worstLagMs = std::max(m_worstLagMs, m_lineFree - m_waitingSince[m_cursor]);
    m_sent[m_cursor] = m_newest[m_cursor];
    --m_pending;
    m_cursor = (m_cursor + 1) % slots;
    m_lineFree += m_frameMs;
  }
}

} // namespace quarnel
