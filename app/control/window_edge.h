// How the control window's position is kept in setup.res: the left edge as a whole number of
// twips, rounded half to even, the top edge as it is.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <algorithm>

namespace quarnel {

inline int16_t storedControlsLeft(double twips) {
  const double rounded = std::nearbyint(twips);
  return static_cast<int16_t>(std::clamp<double>(rounded, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

} // namespace quarnel
