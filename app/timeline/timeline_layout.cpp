// The parts stacked from the top (notes, legend) and from the bottom (axis, marks, sound); the
// plot takes what is left between them.
#include "timeline/timeline_layout.h"

#include <algorithm>

namespace quarnel {

TimelineLayout TimelineLayout::of(const QFontMetrics &font, QSize window, int scrollBarHeight,
                                  const QStringList &notes, const QStringList &legend, bool withSound) {
  const int line = font.height();
  const int width = window.width() - timelineLeftMargin - timelineRightMargin;
  TimelineLayout a;
  int top = timelineGap;
  for (const QString &note : notes) {
    a.noteRects.push_back(font.boundingRect(QRect(timelineLeftMargin, top, width, 0), Qt::TextWordWrap, note));
    top = a.noteRects.back().bottom() + 1;
  }
  a.notes = QRect(timelineLeftMargin, timelineGap, width, a.noteRects.empty() ? 0 : top - timelineGap);

  const int legendTop = a.notes.bottom() + timelineGap;
  const int right = window.width() - timelineRightMargin;
  QPoint at(timelineLeftMargin, legendTop);
  for (const QString &name : legend) {
    const int wide = legendNameIndent + font.horizontalAdvance(name);
    if (at.x() > timelineLeftMargin && at.x() + wide > right) at = QPoint(timelineLeftMargin, at.y() + line);
    a.legendSpots.push_back(at);
    at.rx() += wide + legendSpacing;
  }
  const int legendRows = a.legendSpots.empty() ? 0 : a.legendSpots.back().y() - legendTop;
  a.legend = QRect(timelineLeftMargin, legendTop, width, legendRows + line + timelineGap);

  const int axisTop = window.height() - scrollBarHeight - line - timelineGap;
  a.axis = QRect(timelineLeftMargin, axisTop, width, line + timelineGap);
  a.marks = QRect(timelineLeftMargin, axisTop - 2 * line - timelineGap, width, 2 * line + timelineGap);
  if (withSound) {
    // A small window keeps most of its height for the traces.
    const int band = std::min(soundBandLines * line, (a.marks.top() - a.legend.bottom()) / 3);
    a.sound = QRect(timelineLeftMargin, a.marks.top() - timelineGap - band, width, band);
  }
  const int plotEnd = withSound ? a.sound.top() : a.marks.top();
  a.plot = QRect(timelineLeftMargin, a.legend.bottom() + timelineGap, width,
                 plotEnd - a.legend.bottom() - 2 * timelineGap);
  return a;
}

} // namespace quarnel
