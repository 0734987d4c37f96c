#include "motion/servo_limits.h"

#include "text/text_number.h"

#include <algorithm>

namespace quarnel {

ServoLimits servoLimits(const ServoSetting &setting) {
  const auto inTravel = [](int value) { return static_cast<int16_t>(std::clamp<int>(value, lowestPosition, highestPosition)); };
  int16_t lowest = inTravel(textToNumber(setting.minimum).value_or(lowestPosition));
  int16_t highest = inTravel(textToNumber(setting.maximum).value_or(highestPosition));
  if (lowest > highest) std::swap(lowest, highest);
  const int16_t home = static_cast<int16_t>(std::clamp<int>(textToNumber(setting.home).value_or(startPosition), lowest, highest));
  return {lowest, home, highest};
}

std::array<ServoLimits, servoChannels> servoLimits(const ServoConfiguration &configuration) {
  std::array<ServoLimits, servoChannels> limits{};
  for (int servo = 0; servo < servoChannels; ++servo) limits[servo] = servoLimits(configuration.servos[servo]);
  return limits;
}

} // namespace quarnel
