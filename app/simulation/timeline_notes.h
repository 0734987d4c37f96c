// The notes above the timeline's plot, top to bottom: what the simulated run assumes, how it
// ends, the line's load under it, and the line picked.
#pragma once

#include "script/node_table.h"
#include "servos/servo_configuration.h"
#include "simulation/played_ahead.h"

#include <string>
#include <vector>

namespace quarnel {

// The note that tells how the run ends: its failure, its cap, its loops or its length.
constexpr int outcomeNote = 1;

// The notes while no run is shown yet (`shown` null), else for `shown` and the line `picked`,
// if any.
std::vector<std::string> timelineNotes(const PlayedAhead *shown, const LineRun *picked, const NodeTable &nodes,
                                       const ServoConfiguration &config);

// "Line 3 at 1.2 s, Wave: Servo0 127 → 200 at speed 32; 11 servos unchanged — 2.3 s", against
// the pose the run holds when the line starts, so a loop's first pose is read against its last.
std::string lineText(const LineRun &run, const NodeTable &nodes, const ServoConfiguration &config);

} // namespace quarnel
