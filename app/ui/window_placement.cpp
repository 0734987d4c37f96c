// Twips to pixels, centring and bringing windows back into view.
#include "window_placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace quarnel {

namespace {

QRect primaryArea() {
  QScreen *screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

int twipsToPixels(double twips) {
  // Positions in a file can be anything; far off screen is as good as a million pixels.
  constexpr double limit = 1e6;
  return static_cast<int>(std::lround(std::clamp(twips / twipsPerPixel, -limit, limit)));
}

QPointF centredTwips(QSize size) {
  QRect area = primaryArea();
  QPoint topLeft = area.center() - QPoint(size.width() / 2, size.height() / 2);
  return QPointF(pixelsToTwips(topLeft.x()), pixelsToTwips(topLeft.y()));
}

QPoint reachablePosition(QPoint position, QSize size) {
  // The part a user grabs to move a window: its top-left corner, title bar high.
  QRect grip(position, QSize(std::min(size.width(), 100), std::min(size.height(), 30)));
  for (QScreen *screen : QGuiApplication::screens())
    if (screen->availableGeometry().contains(grip)) return position;

  QRect area = primaryArea();
  int x = std::clamp(position.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width()));
  int y = std::clamp(position.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
  return QPoint(x, y);
}

} // namespace quarnel
