// The script played ahead of time: the real runner and motion engine on a simulated clock of
// 1 ms ticks, with the driver's queue played at the line's speed in place of a port (a line
// starts once the queue has sent the last one's moves), recording every position the driver
// would be given, when each line starts and the pose it starts from, the pauses, WAITs, one
// pass of each loop and the line the runner could not run.
#pragma once

#include "config/sound_timing.h"
#include "motion/motion_model.h"
#include "script/node.h"
#include "script/pose_change.h"
#include "servos/servo_configuration.h"
#include "sound/decoded_sound.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quarnel {

class ScriptModel;
class SoundShelf;

// Longer scripts are played this far and no further.
constexpr int simulationCapMs = 60 * 60 * 1000;

// Everything the simulation reads, copied, so it can run on a thread of its own.
struct SimulationInput {
  ServoConfiguration config;
  std::vector<Node> createdNodes; // the nodes after Home
  std::vector<std::string> lines; // rows 1 and up, the empty insertion row left out
  int speed = startSpeed;         // the control window's speed when the run starts
  std::filesystem::path soundFolder; // where the SOUND lines' relative paths start
  int jawLookAheadMs = SoundTiming{}.jawLookAheadMs;
  std::shared_ptr<SoundShelf> sounds; // the script's, read once for every run played ahead

  static SimulationInput of(const ScriptModel &script, const ServoConfiguration &config, int speed);
  bool operator==(const SimulationInput &) const = default;
};

// One change of a displayed position: one TVK_MOVE, one frame asked of the driver.
struct PositionChange {
  int timeMs;
  int servo;
  int16_t position;
};

struct LineRun {
  int timeMs;
  int row;
  std::string text;
  Pose before; // where the servos stand when the line starts
  Easing easing = Easing::Linear; // the curve a node line's move follows
  std::array<bool, servoChannels> followsSound{}; // a jaw that node lines leave alone
};

struct PauseSpan {
  int startMs;
  int endMs;
  std::string text;
};

// A loop's one pass: from its LOOPSTART (or line 1) to its LOOPEND.
struct LoopPass {
  int startMs;
  int endMs;
  int startRow;
  int endRow;
};

// A sound as the run plays it: from its SOUND line's start until it ends, is replaced or stopped.
struct SoundSpan {
  int startMs;
  int endMs;
  int row;
  std::shared_ptr<const DecodedSound> sound;
};

struct Simulation {
  std::array<int16_t, servoChannels> start{}; // every servo at its home position
  std::vector<PositionChange> changes;        // in the order TVK_MOVE would get them
  std::vector<LineRun> lineRuns;
  std::vector<PauseSpan> pauses;
  std::vector<int> waits; // when a WAIT was answered
  std::vector<LoopPass> loops; // each run once, in the order they end
  std::vector<SoundSpan> sounds;
  std::optional<std::string> failure; // the runner's own message
  int endMs = 0;
  bool capped = false;

  // The line running at `timeMs`, or nothing before the first.
  const LineRun *lineRunningAt(int timeMs) const;
};

// Plays `input` from line 1, each loop once, until the script ends, a line cannot be run or the
// cap is reached; its sounds in silence on the simulated clock, a jaw following them as it
// would. Nothing when `cancelled` was set before the end.
std::optional<Simulation> simulateMotion(const SimulationInput &input,
                                         const std::atomic<bool> *cancelled = nullptr);

} // namespace quarnel
