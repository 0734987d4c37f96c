// The link's one-line summary fitted to the status bar: only the device path gives way, so the
// port and the state always read whole.
#pragma once

#include "link/link_status.h"

#include <QFontMetricsF>
#include <QString>

namespace quarnel {

// The summary in `room` pixels of `metrics`' font, the device path shortened in its middle as
// far as needed; without the path when even its ellipsis does not fit.
QString fittedLinkSummary(const LinkStatus &status, const QFontMetricsF &metrics, qreal room);

} // namespace quarnel
