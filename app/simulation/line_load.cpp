// Frames counted per window, and the driver's queue played over the simulated changes.
#include "simulation/line_load.h"

#include "simulation/driver_queue.h"

#include <algorithm>
#include <limits>
#include <map>

namespace quarnel {

namespace {

std::vector<OverloadSpan> busyWindows(const std::vector<PositionChange> &changes, double perWindow, int &peak) {
  std::map<int, int> counts;
  for (const PositionChange &change : changes) ++counts[change.timeMs / loadWindowMs];
  std::vector<OverloadSpan> spans;
  peak = 0;
  for (const auto &[window, count] : counts) {
    peak = std::max(peak, count);
    if (count <= perWindow) continue;
    const int start = window * loadWindowMs;
    if (!spans.empty() && spans.back().endMs == start) spans.back().endMs += loadWindowMs;
    else spans.push_back({start, start + loadWindowMs});
  }
  return spans;
}

} // namespace

LineLoad measureLineLoad(const Simulation &sim, int baud) {
  LineLoad load;
  load.capacityPerSecond = lineFramesPerSecond(baud);
  const double perWindow = load.capacityPerSecond * loadWindowMs / 1000;
  int peak = 0;
  load.overloaded = busyWindows(sim.changes, perWindow, peak);
  load.peakFramesPerSecond = peak * 1000 / loadWindowMs;
  load.asked = sim.changes.size();
  DriverQueue queue(sim.start, 1000 / load.capacityPerSecond);
  for (const PositionChange &change : sim.changes) {
    queue.sendUntil(change.timeMs);
    queue.change(change.timeMs, change.servo, change.position);
  }
  queue.sendUntil(std::numeric_limits<double>::infinity());
  load.worstLagMs = queue.worstLagMs();
  load.skippedFrames = queue.skipped();
  return load;
}

} // namespace quarnel
