// The position and name checks of a servo row.
#include "servos/servo_rules.h"

#include "text/item_reader.h"
#include "text/text_number.h"

namespace quarnel {

namespace {

// The positions a servo can take on the board.
constexpr int16_t lowestPosition = 0;
constexpr int16_t highestPosition = 254;

const char *fieldWord(PositionField field) {
  switch (field) {
  case PositionField::Minimum: return "minimum";
  case PositionField::Home: return "home";
  case PositionField::Maximum: return "maximum";
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

// One end of the range a field takes: the board's own limit, or a neighbour's value.
struct Bound {
  int16_t value;
  const char *neighbour = nullptr;

  std::string shown() const { return std::to_string(value) + (neighbour ? std::string(", its ") + neighbour : ""); }
};

// Takes the neighbour's value as the bound where it is a position the board can take.
void narrow(Bound &bound, const std::string &neighbourText, const char *neighbour) {
  const auto value = textToNumber(neighbourText);
  if (value && *value >= lowestPosition && *value <= highestPosition) bound = {*value, neighbour};
}

} // namespace

std::optional<std::string> positionCheckMessage(const ServoSetting &row, int servo, PositionField field) {
  Bound low{lowestPosition}, high{highestPosition};
  switch (field) {
  case PositionField::Minimum:
    narrow(high, row.home, "home");
    break;
  case PositionField::Home:
    narrow(low, row.minimum, "minimum");
    narrow(high, row.maximum, "maximum");
    if (low.value > high.value) low = {lowestPosition}, high = {highestPosition};
    break;
  case PositionField::Maximum:
    narrow(low, row.home, "home");
    break;
  }
  const auto value = textToNumber(fieldText(row, field));
  if (value && *value >= low.value && *value <= high.value) return std::nullopt;
  // A neighbour named at the lower end is set off by commas on both sides.
  return servoCaption(servo, row.name) + " " + fieldWord(field) + " must be a whole number from " + low.shown() +
         (low.neighbour ? "," : "") + " to " + high.shown();
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
