// The position and name checks of a servo row.
#include "servos/servo_rules.h"

#include "text/item_reader.h"
#include "text/text_number.h"

namespace quarnel {

namespace {

const char *fieldWord(PositionField field) {
  switch (field) {
  case PositionField::Minimum: return "Minimum";
  case PositionField::Home: return "Home";
  case PositionField::Maximum: return "Maximum";
  }
  return "";
}

const std::string &fieldText(const ServoSetting &row, PositionField field) {
  switch (field) {
  case PositionField::Minimum: return row.minimum;
  case PositionField::Home: return row.home;
  case PositionField::Maximum: return row.maximum;
  }
  return row.home;
}

} // namespace

std::vector<std::string> positionCheckMessages(const ServoSetting &row, PositionField field) {
  auto value = textToNumber(fieldText(row, field));
  if (!value)
    return {std::string(fieldWord(field)) + " value must be a number from -32768 to 32767"};

  auto minimum = textToNumber(row.minimum);
  auto home = textToNumber(row.home);
  auto maximum = textToNumber(row.maximum);
  std::vector<std::string> messages;
  switch (field) {
  case PositionField::Minimum:
    if (home && *value > *home)
      messages.push_back("Minimum value must be LESS than or equal to Home value");
    else if (*value < 0)
      messages.push_back("Minimum value must be GREATER than or equal to 0");
    break;
  case PositionField::Home:
    if (minimum && *value < *minimum)
      messages.push_back("Home value must be GREATER than or equal to Minimum value");
    if (maximum && *value > *maximum)
      messages.push_back("Home value must be LESS than or equal to Maximum value");
    break;
  case PositionField::Maximum:
    if (home && *value < *home)
      messages.push_back("Maximum value must be GREATER than or equal to Home value");
    else if (*value > 254)
      messages.push_back("Maximum value must be LESS than or equal to 254");
    break;
  }
  return messages;
}

std::optional<std::string> nameCheckMessage(const std::string &name) {
  if (name.empty() || name.find(' ') != std::string::npos)
    return "The Servo's Name cannot be blank or contain a space";
  if (name == servoSettingsEnd)
    return "The Servo's Name cannot be " + name + ": it marks the end of a servo settings file";
  if (auto bad = unstorableCharacter(name)) {
    std::string shown = *bad == "\"" ? "a double quote (\")" : "the character " + *bad;
    return "The Servo's Name cannot contain " + shown +
           ": a servo settings file cannot store it";
  }
  return std::nullopt;
}

} // namespace quarnel
