// Shortening the device path until the whole line fits.
#include "control/link_summary_fit.h"

namespace quarnel {

QString fittedLinkSummary(const LinkStatus &status, const QFontMetricsF &metrics, qreal room) {
  const auto summary = [&status](const QString &device) {
    return QString::fromStdString(status.summary(device.toStdString()));
  };
  const QString device = QString::fromStdString(status.device);
  // The line is measured whole each time: kerning at the path's ends makes it wider than its
  // parts, and a line cut again as a whole would lose its state instead of its path.
  for (qreal pathRoom = room - metrics.horizontalAdvance(summary("")); pathRoom > 0; --pathRoom) {
    const QString line = summary(metrics.elidedText(device, Qt::ElideMiddle, pathRoom));
    if (metrics.horizontalAdvance(line) <= room) return line;
  }
  return summary("");
}

} // namespace quarnel
