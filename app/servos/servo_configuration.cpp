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

std::string servoCaption(int servo, const std::string &name) {
  const QString number = QCoreApplication::translate("ServoConfiguration", "Servo %1").arg(servo);
  if (name.empty() || name == ServoSetting::defaults(servo).name) return number.toStdString();
  return QCoreApplication::translate("ServoConfiguration", "%1 (%2)").arg(number, QString::fromStdString(name)).toStdString();
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
