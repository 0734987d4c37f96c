// The frames asked of the driver right now: TVK_MOVE calls over the last second, and the share
// of the line's capacity they take, for a live read-out.
#pragma once

#include <deque>

namespace quarnel {

class FrameRateMeter {
public:
  // One TVK_MOVE at `seconds` on a steady clock; calls come in time order.
  void count(double seconds);
  // Frames in the second up to `seconds`.
  int framesPerSecond(double seconds);
  // That rate against what `baud` carries, in whole per cent (above 100 when overloaded).
  int linePercent(double seconds, int baud);

private:
  void forget(double seconds);

  std::deque<double> m_times;
};

} // namespace quarnel
