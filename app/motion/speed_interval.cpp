#include "motion/speed_interval.h"

#include <cmath>

namespace quarnel {

int16_t speedToInterval(int speed) {
  if (speed == 0) speed = 1;
  // nearbyint rounds halves to even in the default rounding mode.
  return static_cast<int16_t>(std::nearbyint(1020.0 / speed));
}

} // namespace quarnel
