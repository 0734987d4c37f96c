// Window positions: twips (15 to a pixel) in files, pixels on screen, keeping a window wholly on
// its screen and opening one beside the windows it works for.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <initializer_list>

class QWidget;

namespace quarnel {

constexpr int twipsPerPixel = 15;

int twipsToPixels(double twips);
inline int pixelsToTwips(int pixels) { return pixels * twipsPerPixel; }

// The position, in twips, that centres a window of `size` pixels on the primary screen.
QPointF centredTwips(QSize size);

// Where the frame `window` goes to lie wholly inside the area that holds most of it, or inside
// the first area when none holds any of it (a monitor since removed): moved as little as it
// takes. A window larger than its area keeps its top-left corner, and so its title bar, there.
QPoint keptInside(QRect window, const QList<QRect> &areas);

// Where a frame of `size` stands beside the frame `served` inside `area`: to its right with the
// tops aligned, else to its left, else below, else above; where no side is free, the place of
// those that covers the least of `served`. Always wholly inside `area` when it fits there.
QPoint besidePosition(QRect served, QSize size, QRect area);

// `size`, made smaller where it must be to fit the free space of the first side of `served`
// (right, left, below, above) that holds at least `least`; `size` itself when none does.
QSize fittedBeside(QRect served, QSize size, QSize least, QRect area);

// `keptInside` over the available areas of every screen, for a window of `size` pixels
// (decorations added) saved at `position`.
QPoint reachablePosition(QPoint position, QSize size);

// Moves `window` beside `served`, the windows it works for, on the screen of the first of them;
// the first counts always, the others while they are shown. Where no side of them all is free,
// beside the first alone: it matters most, the others are covered before it. A window with a
// valid `least` is first made smaller, down to that size, where that lets it stand clear of them.
void moveBeside(QWidget &window, std::initializer_list<const QWidget *> served, QSize least = {});

} // namespace quarnel
