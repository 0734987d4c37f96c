// A servo row's texts as a travel the motion can rely on, whatever a loaded file held.
#pragma once

#include "motion/motion_model.h"
#include "servos/servo_configuration.h"

namespace quarnel {

// Minimum, home and maximum read as numbers; a text that is no number takes the widest sound
// value (0, 127, 254), everything is kept within 0 to 254, a reversed range is put in order and
// the home is brought inside the range.
ServoLimits servoLimits(const ServoSetting &setting);
// Every servo's limits, each from its own row.
std::array<ServoLimits, servoChannels> servoLimits(const ServoConfiguration &configuration);

} // namespace quarnel
