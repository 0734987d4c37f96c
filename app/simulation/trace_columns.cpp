// A pass over the shown changes, one column at a time.
#include "simulation/trace_columns.h"

#include <algorithm>

namespace quarnel {

std::vector<TracePoint> traceColumns(const std::vector<PositionChange> &changes, int start, int endMs,
                                     const TimeScale &scale, double fromMs, double toMs) {
  auto from = std::lower_bound(changes.begin(), changes.end(), fromMs,
                               [](const PositionChange &change, double t) { return change.timeMs < t; });
  const bool before = from != changes.begin();
  int last = before ? std::prev(from)->position : start;
  std::vector<TracePoint> points{{scale.pixelOf(before ? std::prev(from)->timeMs : 0), last}};
  int column = 0, first = 0, low = 0, high = 0;
  auto closeColumn = [&] {
    points.push_back({column, first});
    if (low != high) points.insert(points.end(), {{column, low}, {column, high}});
    points.push_back({column, last});
  };
  for (auto change = from; change != changes.end() && change->timeMs <= toMs; ++change) {
    const int pixel = scale.pixelOf(change->timeMs);
    if (change == from || pixel != column) {
      if (change != from) closeColumn();
      column = pixel;
      first = low = high = change->position;
    }
    low = std::min<int>(low, change->position);
    high = std::max<int>(high, change->position);
    last = change->position;
  }
  if (from != changes.end() && from->timeMs <= toMs) closeColumn();
  points.push_back({scale.pixelOf(std::min<double>(endMs, toMs)), last});
  return points;
}

} // namespace quarnel
