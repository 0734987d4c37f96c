// A script's run played ahead and what the timeline reads from it, all worked out in one call
// that a thread of its own can make.
#pragma once

#include "simulation/line_load.h"
#include "simulation/motion_simulation.h"
#include "sound/waveform.h"

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

namespace quarnel {

struct PlayedAhead {
  Simulation sim;
  LineLoad load;
  int baud = 0;
  std::array<std::vector<PositionChange>, servoChannels> traces; // the changes servo by servo
  // One for each of sim.sounds; the spans of one sound share its outline.
  std::vector<std::shared_ptr<const Waveform>> outlines;
};

// Nothing when `cancelled` was set before the end.
std::optional<PlayedAhead> playAhead(const SimulationInput &input, const std::atomic<bool> &cancelled);

} // namespace quarnel
