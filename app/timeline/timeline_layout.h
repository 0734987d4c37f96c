// Where the timeline's parts stand in its window: the notes wrapped to the plot's width, the
// legend (the names of the servos that move) in rows as wide as the plot, the plot, the sound
// band under it when the run plays a sound, the line marks, and the time axis above the scroll
// bar, all between the margins.
#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QStringList>

#include <vector>

namespace quarnel {

// The position labels stand in the left margin.
constexpr int timelineLeftMargin = 44;
constexpr int timelineRightMargin = 12;
// Between the parts, and the length of a tick.
constexpr int timelineGap = 4;
// A legend entry: its colour swatch, then the servo's name this far in.
constexpr QSize legendSwatch(14, 4);
constexpr int legendNameIndent = 18;
constexpr int legendSpacing = 12;
// The sound band is this many text lines high, in a window tall enough.
constexpr int soundBandLines = 3;

struct TimelineLayout {
  std::vector<QRect> noteRects; // each note, top to bottom
  std::vector<QPoint> legendSpots; // where each name's entry starts
  QRect notes, legend, plot, sound, marks, axis; // sound empty when none plays

  static TimelineLayout of(const QFontMetrics &font, QSize window, int scrollBarHeight, const QStringList &notes,
                           const QStringList &legend, bool withSound);
};

} // namespace quarnel
