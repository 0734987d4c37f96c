// The servo settings file (.sst): twelve quoted rows with their row numbers, then "***",123.
#pragma once

#include "servos/servo_configuration.h"

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// The most characters a servo row's field takes; no name or number comes near it.
constexpr int servoTextLimit = 32767;

// Either the file's bytes or the reason the rows cannot be written.
struct ServoSettingsBytes {
  std::string bytes;
  std::optional<std::string> refusal;
};

ServoSettingsBytes writeServoSettings(const ServoRows &rows);

// Applies the file's records to the rows they name, leaving every other row as it was; false
// when not one record named a row (the bytes hold no servo settings).
bool readServoSettings(std::string_view bytes, ServoRows &rows);

// Why rows read from a file cannot be shown as they are: a text longer than its field takes,
// which the field would cut without a word. Nothing when every text fits.
std::optional<std::string> overlongServoText(const ServoRows &rows);

} // namespace quarnel
