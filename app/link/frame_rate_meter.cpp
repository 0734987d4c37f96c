// A sliding one-second window over the TVK_MOVE calls.
#include "link/frame_rate_meter.h"

#include "link/line_rate.h"

#include <cmath>

namespace quarnel {

void FrameRateMeter::count(double seconds) {
  forget(seconds);
  m_times.push_back(seconds);
}

int FrameRateMeter::framesPerSecond(double seconds) {
  forget(seconds);
  return static_cast<int>(m_times.size());
}

int FrameRateMeter::linePercent(double seconds, int baud) {
  return static_cast<int>(std::lround(100.0 * framesPerSecond(seconds) / lineFramesPerSecond(baud)));
}

void FrameRateMeter::forget(double seconds) {
  while (!m_times.empty() && m_times.front() <= seconds - 1.0) m_times.pop_front();
}

} // namespace quarnel
