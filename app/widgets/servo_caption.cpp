#include "widgets/servo_caption.h"

namespace quarnel {

namespace {

QString numbered(int servo) { return QString("Servo %1").arg(servo); }

// The name the user gave the servo, or the empty text.
QString givenName(int servo, const std::string &name) {
  const QString given = QString::fromStdString(name);
  return given == QString("Servo%1").arg(servo) ? QString() : given;
}

} // namespace

QString servoCaption(int servo, const std::string &name) {
  const QString given = givenName(servo, name);
  return given.isEmpty() ? numbered(servo) : numbered(servo) + " (" + given + ")";
}

QString servoSpokenName(int servo, const std::string &name) {
  const QString given = givenName(servo, name);
  return given.isEmpty() ? numbered(servo) : given;
}

} // namespace quarnel
