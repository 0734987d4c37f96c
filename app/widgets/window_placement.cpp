// Twips to pixels, centring, keeping windows on screen and clear of what must stay in sight,
// placing them beside each other, and sizing them to their screen.
#include "widgets/window_placement.h"

#include "widgets/virtual_board_window.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>
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

// The title bar and borders the window manager adds: known once a window has been shown, also
// while it is hidden again, and the same for every window of the application, so a window not
// yet shown borrows another's. With none shown yet (the first window) a generous frame stands
// in, so that a window kept inside the screen stays whole.
QSize decorations() {
  for (const QWidget *window : QApplication::topLevelWidgets())
    if (window->frameGeometry().size() != window->size()) return window->frameGeometry().size() - window->size();
  return {8, 40};
}

QSize frameSize(const QWidget &window) {
  const QSize frame = window.frameGeometry().size();
  return frame != window.size() ? frame : window.size() + decorations();
}

QRect areaOf(const QWidget &window) {
  const QScreen *screen = window.screen();
  return screen ? screen->availableGeometry() : primaryArea();
}

bool coversAny(QRect window, const QList<QRect> &keepClear) {
  return std::any_of(keepClear.begin(), keepClear.end(), [&](const QRect &r) { return window.intersects(r); });
}

long long distance(QPoint a, QPoint b) {
  const long long dx = a.x() - b.x(), dy = a.y() - b.y();
  return dx * dx + dy * dy;
}

constexpr const char *uncoveredProperty = "quarnelKeepUncovered";

// The part in sight of each marked control of `windows` that are shown.
QList<QRect> markedControlsOf(std::initializer_list<const QWidget *> windows) {
  QList<QRect> keepClear;
  for (const QWidget *window : windows) {
    if (!window->isVisible()) continue;
    for (const QWidget *control : window->findChildren<QWidget *>())
      if (control->property(uncoveredProperty).toBool() && control->isVisible()) {
        const QRect inSight = control->visibleRegion().boundingRect();
        if (!inSight.isEmpty()) keepClear.append(QRect(control->mapToGlobal(inSight.topLeft()), inSight.size()));
      }
  }
  return keepClear;
}

// As wide as a scroll area's own scroll bar asks to be, and a pixel that a fractional scale
// factor may round away.
int scrollBarWidth() { return QScrollBar(Qt::Vertical).sizeHint().width() + 1; }

QList<QRect> boardWindow() {
  if (const auto board = virtualBoardWindow()) return {*board};
  return {};
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

QList<QRect> clearAreas(QRect area, const QList<QRect> &keepClear) {
  QList<QRect> clear{area};
  for (const QRect &taken : keepClear) {
    QList<QRect> pieces;
    for (const QRect &r : clear) {
      if (!r.intersects(taken)) {
        pieces.append(r);
        continue;
      }
      // What is left of it beside each edge of the taken rectangle, each as large as it goes.
      if (taken.left() > r.left()) pieces.append(QRect(r.left(), r.top(), taken.left() - r.left(), r.height()));
      if (taken.right() < r.right()) pieces.append(QRect(taken.right() + 1, r.top(), r.right() - taken.right(), r.height()));
      if (taken.top() > r.top()) pieces.append(QRect(r.left(), r.top(), r.width(), taken.top() - r.top()));
      if (taken.bottom() < r.bottom())
        pieces.append(QRect(r.left(), taken.bottom() + 1, r.width(), r.bottom() - taken.bottom()));
    }
    // Only the largest: a piece inside another adds nothing.
    clear.clear();
    for (qsizetype i = 0; i < pieces.size(); ++i) {
      bool inside = false;
      for (qsizetype j = 0; j < pieces.size() && !inside; ++j)
        inside = j != i && pieces[j].contains(pieces[i]) && (pieces[j] != pieces[i] || j < i);
      if (!inside) clear.append(pieces[i]);
    }
  }
  return clear;
}

QPoint keptClear(QRect window, const QList<QRect> &keepClear, QRect area) {
  QPoint best = window.topLeft();
  long long nearest = std::numeric_limits<long long>::max();
  for (const QRect &clear : clearAreas(area, keepClear)) {
    if (clear.width() < window.width() || clear.height() < window.height()) continue;
    const QPoint position = clampedInto(window.topLeft(), window.size(), clear);
    if (const long long moved = distance(position, window.topLeft()); moved < nearest) {
      nearest = moved;
      best = position;
    }
  }
  return best;
}

std::optional<QRect> clearPlaceBeside(QRect served, QSize size, QSize least, const QList<QRect> &keepClear,
                                      QRect area) {
  std::optional<QRect> best;
  long long leastCovered = std::numeric_limits<long long>::max();
  for (const QRect &clear : clearAreas(area, keepClear)) {
    if (clear.width() < least.width() || clear.height() < least.height()) continue;
    const QSize fitted = fittedBeside(served, size, least, clear).boundedTo(clear.size());
    const QRect place(besidePosition(served, fitted, clear), fitted);
    const long long covered = overlap(place, served);
    const bool larger = best && static_cast<long long>(fitted.width()) * fitted.height() >
                                    static_cast<long long>(best->width()) * best->height();
    if (covered < leastCovered || (covered == leastCovered && larger)) {
      leastCovered = covered;
      best = place;
    }
  }
  return best;
}

void keepUncovered(QWidget &control) { control.setProperty(uncoveredProperty, true); }

QPoint reachablePosition(QPoint position, QSize size) {
  QList<QRect> areas{primaryArea()};
  for (const QScreen *screen : QGuiApplication::screens())
    if (screen != QGuiApplication::primaryScreen()) areas.append(screen->availableGeometry());
  const QRect frame(keptInside(QRect(position, size + decorations()), areas), size + decorations());
  const QScreen *screen = QGuiApplication::screenAt(frame.center());
  return keptClear(frame, boardWindow(), screen ? screen->availableGeometry() : primaryArea());
}

void moveBeside(QWidget &window, std::initializer_list<const QWidget *> served, QSize least) {
  const QWidget &first = **served.begin();
  QRect frames = first.frameGeometry();
  for (const QWidget *other : served)
    if (other->isVisible()) frames |= other->frameGeometry();
  const QRect area = areaOf(first);
  const QSize frame = frameSize(window) - window.size();
  if (least.isValid())
    window.resize(fittedBeside(frames, window.size() + frame, least + frame, area).boundedTo(area.size()) - frame);
  QSize size = frameSize(window);
  QPoint position = besidePosition(frames, size, area);
  // With no side of them all free, the others are covered rather than the first.
  if (QRect(position, size).intersects(frames)) position = besidePosition(first.frameGeometry(), size, area);

  // Clear of the marked controls and the board's window; where no place is, of the controls alone.
  const QList<QRect> controls = markedControlsOf(served);
  const QSize smallest = (least.isValid() ? least : window.minimumSize()) + frame;
  // A window that may be made shorter scrolls then, and wants the scroll bar's width beside it.
  const QSize wanted = size + QSize(smallest.height() < size.height() ? scrollBarWidth() : 0, 0);
  for (const QList<QRect> &keepClear : {controls + boardWindow(), controls}) {
    if (!coversAny(QRect(position, size), keepClear)) break;
    if (const auto clear = clearPlaceBeside(frames, wanted, smallest, keepClear, area)) {
      position = clear->topLeft();
      if (clear->size() != size) window.resize(clear->size() - frame);
      break;
    }
  }
  window.move(position);
}

void moveBesideMakingRoom(QWidget &window, QWidget &served) {
  const QRect area = areaOf(served);
  const QRect frame = served.frameGeometry();
  const QSize size = frameSize(window);
  const QRect beside(besidePosition(frame, size, area), size);
  if (!beside.intersects(frame) && !coversAny(beside, markedControlsOf({&served}) + boardWindow())) {
    window.move(beside.topLeft());
    return;
  }
  // The two side by side, the window to the right or to the left, clear of the board's window;
  // what must stay uncovered in the served window moves with it.
  const QList<QRect> keepClear = boardWindow();
  const QSize pair(frame.width() + size.width(), std::max(frame.height(), size.height()));
  std::optional<QPoint> shift;
  for (const int pairLeft : {frame.x(), frame.x() - size.width()}) {
    const QRect asked(QPoint(pairLeft, frame.y()), pair);
    const QRect onScreen(clampedInto(asked.topLeft(), pair, area), pair);
    const QRect placed(keptClear(onScreen, keepClear, area), pair);
    if (!area.contains(placed) || coversAny(placed, keepClear)) continue;
    const QPoint moved = placed.topLeft() - asked.topLeft();
    if (!shift || moved.manhattanLength() < shift->manhattanLength()) shift = moved;
  }
  if (shift) served.move(served.pos() + *shift);
  moveBeside(window, {&served});
}

void moveOver(QWidget &dialog, const QWidget &parent) {
  const QRect area = areaOf(parent);
  const QSize size = frameSize(dialog);
  const QRect centred(parent.frameGeometry().center() - QPoint(size.width() / 2, size.height() / 2), size);
  const QRect inside(clampedInto(centred.topLeft(), size, area), size);
  dialog.move(keptClear(inside, boardWindow(), area));
}

void fitToScreen(QWidget &window, QSize designed, QSize least) {
  const QSize room = areaOf(window).size() - (frameSize(window) - window.size());
  const QSize size = designed.boundedTo(room);
  window.setMinimumSize(least.isValid() ? least.boundedTo(size) : size);
  // Smaller than the design, it scrolls: room for the scroll bars up to the design's whole size.
  const int bar = scrollBarWidth();
  window.setMaximumSize(size == designed && !least.isValid() ? designed : designed + QSize(bar, bar));
  window.resize(size);
}

} // namespace quarnel
