// The position and name checks of a servo row.
#include "servos/servo_rules.h"

#include "text/item_reader.h"
#include "text/text_number.h"

#include <QCoreApplication>

namespace quarnel {

namespace {

// The positions a servo can take on the board.
constexpr int16_t lowestPosition = 0;
constexpr int16_t highestPosition = 254;

const std::string &fieldText(const ServoSetting &row, PositionField field) {
  switch (field) {
  case PositionField::Minimum: return row.minimum;
  case PositionField::Home: return row.home;
  case PositionField::Maximum: return row.maximum;
  }
  return row.home;
}

// One end of the range a field takes: the board's own limit, or a neighbour's value, as the
// message shows it.
struct Bound {
  int16_t value;
  std::string shown = std::to_string(value);
};

// Takes the neighbour's value as the bound where it is a position the board can take. `phrase`
// names the neighbour ("%1, its home").
void narrow(Bound &bound, const std::string &neighbourText, const char *phrase) {
  const auto value = textToNumber(neighbourText);
  if (value && *value >= lowestPosition && *value <= highestPosition)
    bound = {*value, QCoreApplication::translate("ServoRules", phrase).arg(*value).toStdString()};
}

} // namespace

std::optional<std::string> positionCheckMessage(const ServoSetting &row, int servo, PositionField field) {
  // A neighbour named at the lower end is set off by commas on both sides.
  Bound low{lowestPosition}, high{highestPosition};
  const char *sentence = "";
  switch (field) {
  case PositionField::Minimum:
    narrow(high, row.home, QT_TRANSLATE_NOOP("ServoRules", "%1, its home"));
    sentence = QT_TRANSLATE_NOOP("ServoRules", "%1 minimum must be a whole number from %2 to %3");
    break;
  case PositionField::Home:
    narrow(low, row.minimum, QT_TRANSLATE_NOOP("ServoRules", "%1, its minimum,"));
    narrow(high, row.maximum, QT_TRANSLATE_NOOP("ServoRules", "%1, its maximum"));
    if (low.value > high.value) low = {lowestPosition}, high = {highestPosition};
    sentence = QT_TRANSLATE_NOOP("ServoRules", "%1 home must be a whole number from %2 to %3");
    break;
  case PositionField::Maximum:
    narrow(low, row.home, QT_TRANSLATE_NOOP("ServoRules", "%1, its home,"));
    sentence = QT_TRANSLATE_NOOP("ServoRules", "%1 maximum must be a whole number from %2 to %3");
    break;
  }
  const auto value = textToNumber(fieldText(row, field));
  if (value && *value >= low.value && *value <= high.value) return std::nullopt;
  return QCoreApplication::translate("ServoRules", sentence)
      .arg(QString::fromStdString(servoCaption(servo, row.name)), QString::fromStdString(low.shown),
           QString::fromStdString(high.shown))
      .toStdString();
}

std::optional<std::string> nameCheckMessage(const std::string &name) {
  if (name.empty() || name.find(' ') != std::string::npos)
    return QCoreApplication::translate("ServoRules", "The Servo's Name cannot be blank or contain a space").toStdString();
  if (name == servoSettingsEnd)
    return QCoreApplication::translate("ServoRules", "The Servo's Name cannot be %1: it marks the end of a servo settings file")
        .arg(QString::fromStdString(name))
        .toStdString();
  if (auto bad = unstorableCharacter(name)) {
    if (*bad == "\"")
      return QCoreApplication::translate("ServoRules", "The Servo's Name cannot contain a double quote (\"): a servo settings file cannot store it")
          .toStdString();
    return QCoreApplication::translate("ServoRules", "The Servo's Name cannot contain the character %1: a servo settings file cannot store it")
        .arg(QString::fromStdString(*bad))
        .toStdString();
  }
  return std::nullopt;
}

} // namespace quarnel
