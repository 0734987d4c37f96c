// The zoom's bounds, the ticks' spacing, and seconds as text.
#include "simulation/time_scale.h"

#include <algorithm>
#include <cstdio>

namespace quarnel {

TimeScale TimeScale::wholeRun(int endMs, int width) {
  return TimeScale(std::max(finestMsPerPixel, (endMs + double(runTailMs)) / std::max(1, width)));
}

int TimeScale::runLength(int endMs) const {
  return static_cast<int>(std::ceil((endMs + double(runTailMs)) / m_msPerPixel));
}

TimeScale TimeScale::zoomed(double factor, int endMs, int width) const {
  return TimeScale(std::clamp(m_msPerPixel / factor, finestMsPerPixel, wholeRun(endMs, width).m_msPerPixel));
}

AxisTicks TimeScale::ticks() const {
  const double least = m_msPerPixel * minimumTickSpacing;
  const double power = std::pow(10.0, std::floor(std::log10(least)));
  double step = power * 10;
  for (double factor : {1.0, 2.0, 5.0})
    if (power * factor >= least) {
      step = power * factor;
      break;
    }
  return {step, step >= 1000 ? 0 : step >= 100 ? 1 : step >= 10 ? 2 : 3};
}

std::string secondsText(double ms, int decimals) {
  // Seventy decimals hold every digit of a time of this size, so the digit after the last one
  // kept decides the rounding alone.
  char exact[400];
  std::snprintf(exact, sizeof exact, "%.70f", ms / 1000);
  std::string text(exact);
  const size_t point = text.find('.');
  const bool up = text[point + 1 + decimals] >= '5';
  text.resize(decimals > 0 ? point + 1 + decimals : point);
  if (up) {
    size_t at = text.size();
    for (; at > 0 && (text[at - 1] == '9' || text[at - 1] == '.'); --at)
      if (text[at - 1] == '9') text[at - 1] = '0';
    if (at == 0) text = '1' + text;
    else ++text[at - 1];
  }
  return text + " s";
}

} // namespace quarnel
