// The simulated run: its own script model, motion model and runner, ticked as the real timers
// would tick them, and a user who answers every box at once.
#include "simulation/motion_simulation.h"

#include "link/line_rate.h"
#include "motion/servo_limits.h"
#include "script/line_command.h"
#include "script/script_check.h"
#include "script/script_model.h"
#include "script/script_runner.h"
#include "simulation/driver_queue.h"
#include "sound/silent_player.h"
#include "ui/answering_ui_services.h"

#include <algorithm>

namespace quarnel {

namespace {

// The simulated time, for the sounds played in silence.
class SimulatedClock : public Clock {
public:
  explicit SimulatedClock(const int &nowMs) : m_nowMs(nowMs) {}
  double seconds() const override { return m_nowMs / 1000.0; }

private:
  const int &m_nowMs;
};

} // namespace

SimulationInput SimulationInput::of(const ScriptModel &script, const ServoConfiguration &config, int speed) {
  SimulationInput input{config, {}, {}, speed, script.soundFolder(), script.jawLookAheadMs(), script.soundShelf()};
  const NodeTable &nodes = script.nodes();
  for (int i = 1; i < nodes.count(); ++i) input.createdNodes.push_back(nodes.node(i));
  const ScriptLines &lines = script.lines();
  for (int row = 1; row < lines.lastRow(); ++row) input.lines.emplace_back(lines.text(row));
  return input;
}

const LineRun *Simulation::lineRunningAt(int timeMs) const {
  auto after = std::upper_bound(lineRuns.begin(), lineRuns.end(), timeMs,
                                [](int t, const LineRun &run) { return t < run.timeMs; });
  return after == lineRuns.begin() ? nullptr : &*std::prev(after);
}

std::optional<Simulation> simulateMotion(const SimulationInput &input, const std::atomic<bool> *cancelled) {
  AnsweringUiServices user; // a WAIT is over as soon as it is shown
  ScriptModel script(input.config, {user, "Timeline"});
  for (const Node &node : input.createdNodes) script.createNode(node.name, nodeDataText(node));
  for (const std::string &line : input.lines) script.lines().placeCommand(line);
  script.setSoundFolder(input.soundFolder);
  script.setJawLookAheadMs(input.jawLookAheadMs);
  if (input.sounds) script.shareSoundShelf(input.sounds);

  MotionModel motion;
  motion.load(servoLimits(input.config)); // at home, as a run starts once the servos stand there
  motion.setSpeed(input.speed);

  Simulation sim;
  for (int servo = 0; servo < servoChannels; ++servo) sim.start[servo] = motion.displayed(servo);
  int now = 0;
  // The driver at the line's speed: the runner waits for it as for the real one.
  DriverQueue driver(sim.start, 1000 / lineFramesPerSecond(input.config.baudRate()));
  motion.addPositionListener([&](int servo, int16_t position) {
    sim.changes.push_back({now, servo, position});
    driver.change(now, servo, position);
  });

  const SimulatedClock clock(now);
  SilentPlayer silence(clock);
  ScriptRunner runner(script, motion, silence);
  runner.setLoopPasses(1);
  runner.setLineCarried([&] { return motion.allCarried([&](int servo) { return driver.carried(servo); }); });
  // The sound playing ends where the next SOUND line starts.
  const auto soundOver = [&] {
    if (!sim.sounds.empty()) sim.sounds.back().endMs = std::min(sim.sounds.back().endMs, now);
  };
  ScriptLines &lines = script.lines();
  user.messages.clear(); // a node outside its travel was told of at its creation already
  runner.run();
  if (runner.idle()) {
    // Refused before line 1: a sound that cannot be played.
    if (!user.messages.empty()) sim.failure = user.messages.back();
    return sim;
  }
  bool pauseOpen = false;
  for (now = 1; now <= simulationCapMs; ++now) {
    driver.sendUntil(now); // the frames due before this millisecond's steps
    motion.tick(1);
    if (pauseOpen && !motion.pauseActive()) {
      sim.pauses.back().endMs = now;
      pauseOpen = false;
    }
    if (now % runnerTickMs != 0) continue;
    if (cancelled && cancelled->load(std::memory_order_relaxed)) return std::nullopt;

    driver.sendUntil(now);
    const bool advances = runner.readyForNextLine();
    const int row = lines.currentLine() + 1;
    Pose before;
    for (int servo = 0; servo < servoChannels; ++servo) before[servo] = motion.displayed(servo);
    const Easing easing = runner.easing();
    runner.tick();
    if (!advances) continue;
    if (row >= lines.rowCount()) break; // past the last line: the run is over
    const std::string text(lines.text(row));
    sim.lineRuns.push_back({now, row, text, before, easing});
    for (int servo = 0; servo < servoChannels; ++servo) sim.lineRuns.back().followsSound[servo] = motion.follows(servo);
    if (runner.idle()) {
      if (!user.messages.empty()) sim.failure = user.messages.back();
      break;
    }
    switch (classifyLine(text).kind) {
    case LineKind::Pause:
      sim.pauses.push_back({now, now, text});
      pauseOpen = motion.pauseActive();
      break;
    case LineKind::Wait:
      sim.waits.push_back(now);
      break;
    case LineKind::Sound: {
      soundOver();
      const std::string path = classifyLine(text).soundPath;
      if (path.empty()) break;
      auto sound = lineSound(script, path).sound;
      sim.sounds.push_back({now, now + static_cast<int>(sound->lengthMs()), row, std::move(sound)});
      break;
    }
    case LineKind::LoopEnd: {
      // Each line runs once, so the loop's start has run exactly once before its end.
      const int startRow = loopStartAbove(lines, row);
      auto start = std::find_if(sim.lineRuns.begin(), sim.lineRuns.end(),
                                [startRow](const LineRun &run) { return run.row == startRow; });
      sim.loops.push_back({start->timeMs, now, startRow, row});
      break;
    }
    default:
      break;
    }
  }
  sim.capped = now > simulationCapMs;
  sim.endMs = std::min(now, simulationCapMs);
  if (pauseOpen) sim.pauses.back().endMs = sim.endMs;
  now = sim.endMs;
  soundOver(); // the end of the run stops it
  return sim;
}

} // namespace quarnel
