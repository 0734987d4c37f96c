// The timeline's colours, kept readable on the window's own ground, light or dark: each colour
// is made lighter or darker, keeping its hue, until it stands out from the ground enough.
#pragma once

#include "servos/servo_configuration.h"

#include <QColor>

namespace quarnel {

// What graphics need against their ground, and what text needs.
constexpr double lineContrast = 3.0, textContrast = 4.5;

// How far apart two colours read, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

// `colour`, or the nearest of its lighter or darker shades that has `contrast` on `ground`.
QColor readableOn(const QColor &colour, const QColor &ground, double contrast);

// Servo `servo`'s trace and legend colour on `ground`.
QColor servoColour(int servo, const QColor &ground);

// A sound's outline: between the text's colour and the ground, so it reads on light and dark
// grounds alike and stays apart from the servos' colours.
QColor soundColour(const QColor &text, const QColor &ground);

} // namespace quarnel
