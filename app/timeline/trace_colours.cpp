// Contrast as the web's accessibility guidelines measure it, from the colours' luminance.
#include "timeline/trace_colours.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quarnel {

namespace {

// Twelve hues told apart at a glance, in the servos' order.
const std::array<QColor, servoChannels> servoHues = {
    QColor(31, 119, 180), QColor(255, 127, 14), QColor(44, 160, 44),  QColor(214, 39, 40),
    QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(127, 127, 127),
    QColor(188, 189, 34), QColor(23, 190, 207), QColor(0, 0, 128),    QColor(128, 0, 0)};

double luminance(const QColor &colour) {
  auto linear = [](double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b) {
  const double first = luminance(a), second = luminance(b);
  return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableOn(const QColor &colour, const QColor &ground, double contrast) {
  if (contrastRatio(colour, ground) >= contrast) return colour;
  // Away from the ground: lighter on a dark one, darker on a light one.
  const bool lighten = luminance(ground) < 0.18;
  QColor shade = colour.toHsl();
  while (contrastRatio(shade, ground) < contrast) {
    const int lightness = std::clamp(shade.lightness() + (lighten ? 4 : -4), 0, 255);
    if (lightness == shade.lightness()) break;
    shade.setHsl(shade.hslHue(), shade.hslSaturation(), lightness, shade.alpha());
  }
  return shade.toRgb();
}

QColor servoColour(int servo, const QColor &ground) { return readableOn(servoHues[servo], ground, lineContrast); }

QColor soundColour(const QColor &text, const QColor &ground) {
  constexpr double ink = 0.6; // the text's share
  auto mixed = [](double fromText, double fromGround) { return static_cast<float>(ink * fromText + (1 - ink) * fromGround); };
  return QColor::fromRgbF(mixed(text.redF(), ground.redF()), mixed(text.greenF(), ground.greenF()),
                          mixed(text.blueF(), ground.blueF()));
}

} // namespace quarnel
