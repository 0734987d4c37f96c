// A move that speeds up, slows down or both along a quadratic curve instead of stepping at one
// speed, and still takes the time the one-speed move takes.
#pragma once

#include <cstdint>

namespace quarnel {

// Quadratic curves of the move's share of its time u: In is u², Out 1 − (1 − u)², InOut 2u² up
// to half time and 1 − 2(1 − u)² after it. Linear is the plain one-speed step.
enum class Easing { Linear, In, Out, InOut };

// The whole units a move of `distance` lasting `durationMs` has covered `elapsedMs` into it: the
// curve's share of the distance, rounded down, so the move arrives exactly at its duration.
int easedUnits(Easing easing, int distance, long long elapsedMs, long long durationMs);

class EasedMove {
public:
  EasedMove(Easing easing, int16_t from, int16_t to, int durationMs);

  // The position `ms` further into the move; the target once its time is up.
  int16_t advance(int ms);
  bool over() const { return m_elapsedMs >= m_durationMs; }
  // Whole milliseconds from where the move stands until its position next changes.
  int msUntilNextUnit() const;

private:
  int16_t positionAt(int elapsedMs) const;

  Easing m_easing;
  int16_t m_from;
  int m_distance;
  int m_direction;
  int m_durationMs;
  int m_elapsedMs = 0;
};

} // namespace quarnel
