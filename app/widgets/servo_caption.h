// What a screen reader calls a servo: its number, and the name the user gave it where there is
// one (a row still named as it came, "Servo3", has none).
#pragma once

#include <QString>

#include <string>

namespace quarnel {

// "Servo 3", or "Servo 3 (Elbow)".
QString servoCaption(int servo, const std::string &name);
// "Servo 3", or "Elbow" alone.
QString servoSpokenName(int servo, const std::string &name);

} // namespace quarnel
