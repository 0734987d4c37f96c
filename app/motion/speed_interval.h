// The speed-to-interval rule: speed s moves a servo one unit every 1020 / s milliseconds.
#pragma once

#include <cstdint>

namespace quarnel {

constexpr int slowestSpeed = 1;
constexpr int fastestSpeed = 255;

// 1020 / speed rounded to the nearest integer, a half to the even one. Speeds beyond the speed
// control's range pass through the same rule (2040 and more give 0, a negative speed a negative
// interval); a speed of 0 has no interval and is taken as 1, as the node editor does.
int16_t speedToInterval(int speed);

} // namespace quarnel
