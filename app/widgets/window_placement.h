// Window positions: twips (15 to a pixel) in files, pixels on screen, keeping a window wholly on
// its screen and clear of what must stay in sight (the STOP button, the virtual board's
// window), opening one beside the windows it works for, and sizing a window to its screen.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <initializer_list>
#include <optional>

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

// The largest rectangles of `area` that touch none of `keepClear`.
QList<QRect> clearAreas(QRect area, const QList<QRect> &keepClear);

// Where the frame `window` stands clear of `keepClear` inside `area`: moved as little as it
// takes, or where it stands when no clear part of the area holds it.
QPoint keptClear(QRect window, const QList<QRect> &keepClear, QRect area);

// Where a frame of `size`, no smaller than `least`, stands clear of `keepClear` inside `area`,
// covering as little of `served` as it can: beside it where there is room, made smaller where
// that helps. Nothing when no clear part of the area holds `least`.
std::optional<QRect> clearPlaceBeside(QRect served, QSize size, QSize least, const QList<QRect> &keepClear,
                                      QRect area);

// Marks `control` (the STOP button) as one that no window placed beside its window covers.
void keepUncovered(QWidget &control);

// `keptInside` over the available areas of every screen, for a window of `size` pixels
// (decorations added) saved at `position`, then clear of the virtual board's window.
QPoint reachablePosition(QPoint position, QSize size);

// Moves `window` beside `served`, the windows it works for, on the screen of the first of them;
// the first counts always, the others while they are shown. Where no side of them all is free,
// beside the first alone: it matters most, the others are covered before it. A window with a
// valid `least` is first made smaller, down to that size, where that lets it stand clear of them.
// The marked controls of `served` and the virtual board's window stay uncovered where any place
// on the screen allows it, the window made smaller, down to `least` or else its minimum size,
// where that helps; where no place is clear of both, the controls at least.
void moveBeside(QWidget &window, std::initializer_list<const QWidget *> served, QSize least = {});

// As moveBeside for one served window, but where no side of it is free, `served` moves sideways
// or up, as little as it takes, to make room for both side by side where the screen has it.
void moveBesideMakingRoom(QWidget &window, QWidget &served);

// Centres `dialog` over `parent`, wholly on the screen and clear of the virtual board's window.
void moveOver(QWidget &dialog, const QWidget &parent);

// Gives `window` `designed`, its size by design, where its screen's available area holds that
// with the window's frame; else as much as the area holds, with room to grow to `designed`. With
// a valid `least` the user, and placement, may make it smaller down to that.
void fitToScreen(QWidget &window, QSize designed, QSize least = {});

} // namespace quarnel
