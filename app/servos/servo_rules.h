// The rules a servo row must meet as the user edits it, and the messages that say which failed.
#pragma once

#include "servos/servo_configuration.h"

#include <optional>
#include <string>
#include <vector>

namespace quarnel {

enum class PositionField { Minimum, Home, Maximum };

// The messages of the checks that fail when the user leaves `field` of `row`, in the order they
// are shown; empty when the field passes. A neighbour that is not a number cannot be compared,
// so its test passes: the user could not leave this field to mend it otherwise.
std::vector<std::string> positionCheckMessages(const ServoSetting &row, PositionField field);

// Why the name cannot be kept, or nothing when it passes.
std::optional<std::string> nameCheckMessage(const std::string &name);

} // namespace quarnel
