// Window positions: twips (15 to a pixel) in files, pixels on screen, and keeping a window
// where the user can reach it.
#pragma once

#include <QPoint>
#include <QSize>

namespace quarnel {

constexpr int twipsPerPixel = 15;

int twipsToPixels(double twips);
inline int pixelsToTwips(int pixels) { return pixels * twipsPerPixel; }

// The position, in twips, that centres a window of `size` pixels on the primary screen.
QPointF centredTwips(QSize size);

// `position` unchanged while the window's top-left corner area lies on some screen; otherwise
// the nearest position inside the primary screen, so a window saved on a larger or a removed
// monitor comes back into view.
QPoint reachablePosition(QPoint position, QSize size);

} // namespace quarnel
