// Design measures of one window, in twips, turned into pixels. The designs were drawn for a
// narrower font than most desktops use; a window whose captions need more room scales every
// measure by one factor, so the layout keeps its proportions and no caption is cut.
#pragma once

#include "widgets/window_placement.h"

#include <QRect>

namespace quarnel {

class TwipLayout {
public:
  explicit TwipLayout(double scale = 1) : m_scale(scale) {}

  int pixels(double twips) const { return twipsToPixels(twips * m_scale); }
  QRect rect(int left, int top, int width, int height) const {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
  }

private:
  double m_scale;
};

} // namespace quarnel
