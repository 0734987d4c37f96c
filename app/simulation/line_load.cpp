// Frames counted per window, and the driver's queue played over the simulated changes.
#include "simulation/line_load.h"

#include <algorithm>
#include <limits>
#include <map>

namespace quarnel {

namespace {

constexpr int driverSlots = 32;

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

struct Queue {
  double worstLagMs = 0;
  int skipped = 0;
};

Queue playDriverQueue(const Simulation &sim, double frameMs) {
  std::array<int, driverSlots> sent;
  sent.fill(-1);
  std::copy(sim.start.begin(), sim.start.end(), sent.begin());
  std::array<int, driverSlots> newest = sent;
  std::array<double, driverSlots> waitingSince{};
  int pending = 0, cursor = 0;
  double lineFree = 0;
  Queue queue;
  auto isPending = [&](int slot) { return newest[slot] != sent[slot]; };

  const auto &changes = sim.changes;
  for (size_t next = 0; next < changes.size() || pending > 0;) {
    const double arrival = next < changes.size() ? changes[next].timeMs : std::numeric_limits<double>::infinity();
    if (pending > 0 && lineFree <= arrival) {
      while (!isPending(cursor)) cursor = (cursor + 1) % driverSlots;
      queue.worstLagMs = std::max(queue.worstLagMs, lineFree - waitingSince[cursor]);
      sent[cursor] = newest[cursor];
      --pending;
      cursor = (cursor + 1) % driverSlots;
      lineFree += frameMs;
      continue;
    }
    const PositionChange &change = changes[next++];
    const bool was = isPending(change.servo);
    newest[change.servo] = change.position;
    const bool is = isPending(change.servo);
    if (was) ++queue.skipped; // the waiting value will never be sent
    if (is && !was) {
      waitingSince[change.servo] = change.timeMs;
      if (pending++ == 0) lineFree = std::max(lineFree, arrival);
    } else if (was && !is) {
      --pending; // back to what the board already has: the driver sends nothing
    }
  }
  return queue;
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
  const Queue queue = playDriverQueue(sim, 1000 / load.capacityPerSecond);
  load.worstLagMs = queue.worstLagMs;
  load.skippedFrames = queue.skipped;
  return load;
}

} // namespace quarnel
