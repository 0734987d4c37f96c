// What a node line changes: each servo that moves from the pose before it to the node's, at
// what speed, how many stay, how long the move takes and along which curve.
#pragma once

#include "motion/eased_move.h"
#include "script/node.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quarnel {

class ScriptModel;
class ServoConfiguration;

using Pose = std::array<int16_t, servoChannels>;

// "Servo0 127 → 200 at speed 32, Servo3 90 → 60 at speed 8; 10 servos unchanged — 3.8 s" for
// the servos `servoNames` names, slot 0 up, and ", eased in-out" after it for a move along a
// curve. The move takes as long as its slowest servo, along a curve too.
std::string poseChangeText(const Pose &before, const Node &node, const std::vector<std::string> &servoNames,
                           Easing easing = Easing::Linear);

// The names of the board's servos, slot 0 up.
std::vector<std::string> servoNames(const ServoConfiguration &config);

// The change text of line `row` against the pose the servos hold when it starts, along the
// curve of the nearest EASE above it, for the board's servos; nothing for a line that moves to
// no node.
std::optional<std::string> lineChangeText(const ScriptModel &script, int row);

} // namespace quarnel
