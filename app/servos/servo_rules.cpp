// The position and name checks of a servo row.
#include "servos/servo_rules.h"

#include "text/item_reader.h"
#include "text/text_number.h"

#include <QCoreApplication>

namespace quarnel {

namespace {

std::string notANumber(PositionField field) {
  switch (field) {
  case PositionField::Minimum:
    return QCoreApplication::translate("ServoRules", "Minimum value must be a number from -32768 to 32767").toStdString();
  case PositionField::Home:
    return QCoreApplication::translate("ServoRules", "Home value must be a number from -32768 to 32767").toStdString();
  case PositionField::Maximum:
    return QCoreApplication::translate("ServoRules", "Maximum value must be a number from -32768 to 32767").toStdString();
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
  if (!value) return {notANumber(field)};

  auto minimum = textToNumber(row.minimum);
  auto home = textToNumber(row.home);
  auto maximum = textToNumber(row.maximum);
  std::vector<std::string> messages;
  switch (field) {
  case PositionField::Minimum:
    if (home && *value > *home)
      messages.push_back(QCoreApplication::translate("ServoRules", "Minimum value must be LESS than or equal to Home value").toStdString());
    else if (*value < 0)
      messages.push_back(QCoreApplication::translate("ServoRules", "Minimum value must be GREATER than or equal to 0").toStdString());
    break;
  case PositionField::Home:
    if (minimum && *value < *minimum)
      messages.push_back(QCoreApplication::translate("ServoRules", "Home value must be GREATER than or equal to Minimum value").toStdString());
    if (maximum && *value > *maximum)
      messages.push_back(QCoreApplication::translate("ServoRules", "Home value must be LESS than or equal to Maximum value").toStdString());
    break;
  case PositionField::Maximum:
    if (home && *value < *home)
      messages.push_back(QCoreApplication::translate("ServoRules", "Maximum value must be GREATER than or equal to Home value").toStdString());
    else if (*value > 254)
      messages.push_back(QCoreApplication::translate("ServoRules", "Maximum value must be LESS than or equal to 254").toStdString());
    break;
  }
  return messages;
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
