// The rules a servo row must meet as the user edits it, and the messages that say which failed.
#pragma once

#include "servos/servo_configuration.h"

#include <optional>
#include <string>

namespace quarnel {

enum class PositionField { Minimum, Home, Maximum };

// Why the user may not leave `field` of servo `servo`'s row, or nothing when it passes. The
// message names the servo and the whole numbers that pass: 0 to 254, narrowed by the neighbours
// (the minimum no higher than the home, the home between minimum and maximum, the maximum no
// lower than the home). A neighbour that is no position from 0 to 254 narrows nothing, nor do
// two that contradict each other: the user could not leave this field to mend them otherwise.
std::optional<std::string> positionCheckMessage(const ServoSetting &row, int servo, PositionField field);

// Why the name cannot be kept, or nothing when it passes.
std::optional<std::string> nameCheckMessage(const std::string &name);

} // namespace quarnel
