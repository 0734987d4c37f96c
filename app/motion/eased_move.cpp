// The curves in whole numbers, so every position is exact and the same on every machine.
#include "motion/eased_move.h"

#include <algorithm>
#include <cstdlib>

namespace quarnel {

int easedUnits(Easing easing, int distance, long long elapsedMs, long long durationMs) {
  if (elapsedMs >= durationMs) return distance;
  const long long d = distance, e = std::max(0ll, elapsedMs), rest = durationMs - e;
  const long long squared = durationMs * durationMs;
  switch (easing) {
  case Easing::Linear:
    return static_cast<int>(d * e / durationMs);
  case Easing::In:
    return static_cast<int>(d * e * e / squared);
  case Easing::Out:
    return static_cast<int>(d * (squared - rest * rest) / squared);
  case Easing::InOut:
    if (2 * e <= durationMs) return static_cast<int>(2 * d * e * e / squared);
    // What is still to go, rounded up, so the second half mirrors the first.
    return static_cast<int>(d - (2 * d * rest * rest + squared - 1) / squared);
  }
  return distance;
}

EasedMove::EasedMove(Easing easing, int16_t from, int16_t to, int durationMs)
    : m_easing(easing), m_from(from), m_distance(std::abs(to - from)), m_direction(to < from ? -1 : 1),
      m_durationMs(durationMs) {}

int16_t EasedMove::advance(int ms) {
  m_elapsedMs = std::min(m_durationMs, m_elapsedMs + std::max(ms, 0));
  return positionAt(m_elapsedMs);
}

int EasedMove::msUntilNextUnit() const {
  if (over()) return 0;
  // The covered units never fall as time goes on, and the whole distance is covered at the end.
  const int now = easedUnits(m_easing, m_distance, m_elapsedMs, m_durationMs);
  int before = m_elapsedMs, after = m_durationMs;
  while (after - before > 1) {
    const int middle = before + (after - before) / 2;
    (easedUnits(m_easing, m_distance, middle, m_durationMs) > now ? after : before) = middle;
  }
  return after - m_elapsedMs;
}

int16_t EasedMove::positionAt(int elapsedMs) const {
  return static_cast<int16_t>(m_from + m_direction * easedUnits(m_easing, m_distance, elapsedMs, m_durationMs));
}

} // namespace quarnel
