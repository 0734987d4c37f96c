// Twips to pixels, centring, keeping windows on screen and placing them beside each other.
#include "widgets/window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quarnel {

namespace {

QRect primaryArea() {
  QScreen *screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// A window longer than the area starts where the area starts, so its title bar stays in reach.
int clampedStart(int start, int length, int areaStart, int areaLength) {
  return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

QPoint clampedInto(QPoint topLeft, QSize size, QRect area) {
  return {clampedStart(topLeft.x(), size.width(), area.x(), area.width()),
          clampedStart(topLeft.y(), size.height(), area.y(), area.height())};
}

long long overlap(QRect a, QRect b) {
  const QRect common = a & b;
  return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

// The title bar and borders the window manager adds: known once a window has been shown, and
// the same for every window of the application, so a window not yet shown borrows another's.
// With none shown (the first window, or the control window while the settings window is
// hidden) a generous frame stands in, so that a window kept inside the screen stays whole.
QSize decorations() {
  for (const QWidget *window : QApplication::topLevelWidgets())
    if (window->isVisible() && window->frameGeometry().size() != window->size())
      return window->frameGeometry().size() - window->size();
  return {8, 40};
}

QSize frameSize(const QWidget &window) {
  const QSize frame = window.frameGeometry().size();
  return frame != window.size() ? frame : window.size() + decorations();
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

QPoint keptInside(QRect window, const QList<QRect> &areas) {
  if (areas.isEmpty()) return window.topLeft();
  QRect home = areas.front();
  long long most = 0;
  for (const QRect &area : areas)
    if (const long long shared = overlap(window, area); shared > most) {
      most = shared;
      home = area;
    }
  return clampedInto(window.topLeft(), window.size(), home);
}

QPoint besidePosition(QRect served, QSize size, QRect area) {
  const QPoint sides[] = {
      {served.x() + served.width(), served.y()},
      {served.x() - size.width(), served.y()},
      {served.x(), served.y() + served.height()},
      {served.x(), served.y() - size.height()},
  };
  QPoint best;
  long long leastCovered = std::numeric_limits<long long>::max();
  for (const QPoint side : sides) {
    const QPoint position = clampedInto(side, size, area);
    if (const long long covered = overlap(QRect(position, size), served); covered < leastCovered) {
      leastCovered = covered;
      best = position;
    }
  }
  return best;
}

QSize fittedBeside(QRect served, QSize size, QSize least, QRect area) {
  const QSize free[] = {
      {area.right() - served.right(), area.height()},
      {served.left() - area.left(), area.height()},
      {area.width(), area.bottom() - served.bottom()},
      {area.width(), served.top() - area.top()},
  };
  for (const QSize space : free)
    if (space.width() >= least.width() && space.height() >= least.height()) return size.boundedTo(space);
  return size;
}

QPoint reachablePosition(QPoint position, QSize size) {
  QList<QRect> areas{primaryArea()};
  for (const QScreen *screen : QGuiApplication::screens())
    if (screen != QGuiApplication::primaryScreen()) areas.append(screen->availableGeometry());
  return keptInside(QRect(position, size + decorations()), areas);
}

void moveBeside(QWidget &window, std::initializer_list<const QWidget *> served, QSize least) {
  const QWidget &first = **served.begin();
  QRect frames = first.frameGeometry();
  for (const QWidget *other : served)
    if (other->isVisible()) frames |= other->frameGeometry();
  const QScreen *screen = first.screen();
  const QRect area = screen ? screen->availableGeometry() : primaryArea();
  if (least.isValid()) {
    const QSize frame = frameSize(window) - window.size();
    window.resize(fittedBeside(frames, window.size() + frame, least + frame, area) - frame);
  }
  const QSize size = frameSize(window);
  QPoint position = besidePosition(frames, size, area);
  // With no side of them all free, the others are covered rather than the first.
  if (QRect(position, size).intersects(frames)) position = besidePosition(first.frameGeometry(), size, area);
  window.move(position);
}

} // namespace quarnel
