// One servo's trace as a plot of pixel columns draws it: the changes that fall on one column
// become its first, lowest, highest and last positions, so a long trace costs the plot's width
// to draw, not its length.
#pragma once

#include "simulation/motion_simulation.h"
#include "simulation/time_scale.h"

#include <vector>

namespace quarnel {

struct TracePoint {
  int pixel; // the column, time 0 at column 0
  int position;

  bool operator==(const TracePoint &) const = default;
};

// The trace of `changes`, one servo's in time order, from `start` at time 0, over `fromMs` to
// `toMs`: it enters at the last change before `fromMs`, so the line comes in where the servo
// stands, and runs on flat from the last change it shows to the run's end or to `toMs`.
std::vector<TracePoint> traceColumns(const std::vector<PositionChange> &changes, int start, int endMs,
                                     const TimeScale &scale, double fromMs, double toMs);

} // namespace quarnel
