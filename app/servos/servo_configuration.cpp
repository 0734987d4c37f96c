// Defaults of the servo rows and the numbers read from their texts.
#include "servos/servo_configuration.h"

#include "text/text_number.h"

#include <QCoreApplication>

namespace quarnel {

ServoSetting ServoSetting::defaults(int row) {
  return {"Servo" + std::to_string(row), "0", "127", "254"};
}

ServoRows defaultServoRows() {
  ServoRows rows;
  for (int i = 0; i < servoChannels; ++i) rows[i] = ServoSetting::defaults(i);
  return rows;
}

namespace {

// A row still named as it came ("Servo3") has no name of its own.
bool hasOwnName(int servo, const std::string &name) {
  return !name.empty() && name != ServoSetting::defaults(servo).name;
}

QString numbered(int servo) { return QCoreApplication::translate("ServoConfiguration", "Servo %1").arg(servo); }

} // namespace

std::string servoCaption(int servo, const std::string &name) {
  if (!hasOwnName(servo, name)) return numbered(servo).toStdString();
  return QCoreApplication::translate("ServoConfiguration", "%1 (%2)")
      .arg(numbered(servo), QString::fromStdString(name))
      .toStdString();
}

std::string servoSpokenName(int servo, const std::string &name) {
  return hasOwnName(servo, name) ? name : numbered(servo).toStdString();
}

std::optional<int16_t> ServoConfiguration::minimum(int row) const {
  return textToNumber(servos.at(row).minimum);
}

std::optional<int16_t> ServoConfiguration::home(int row) const {
  return textToNumber(servos.at(row).home);
}

std::optional<int16_t> ServoConfiguration::maximum(int row) const {
  return textToNumber(servos.at(row).maximum);
}

} // namespace quarnel
