// The serial line's load under a simulated run: how many frames each moment asks of the driver
// against what the line's speed carries, and how long the driver's queue makes a change wait.
#pragma once

#include "link/line_rate.h"
#include "simulation/motion_simulation.h"

#include <vector>

namespace quarnel {

constexpr int loadWindowMs = 100;

struct OverloadSpan {
  int startMs;
  int endMs;
};

struct LineLoad {
  double capacityPerSecond = 0;
  int peakFramesPerSecond = 0;        // the busiest window's count, per second
  std::vector<OverloadSpan> overloaded; // adjacent busy windows joined
  double worstLagMs = 0;              // the longest any change waited for its frame to start
  size_t asked = 0;                   // frames asked of the driver
  int skippedFrames = 0;              // positions overtaken by a newer one before their frame
};

// The simulation's changes, counted per window of `loadWindowMs`; the lag from the driver's
// queue played over them at the line's rate, as the simulation played it.
LineLoad measureLineLoad(const Simulation &sim, int baud);

} // namespace quarnel
