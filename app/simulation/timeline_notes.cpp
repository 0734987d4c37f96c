// The notes' texts.
#include "simulation/timeline_notes.h"

#include "script/line_command.h"
#include "script/pose_change.h"
#include "simulation/time_scale.h"

#include <cmath>

namespace quarnel {

namespace {

std::string outcome(const Simulation &sim) {
  if (sim.failure) return *sim.failure;
  if (sim.capped) return "Shown up to " + secondsText(sim.endMs, 0) + "; the script runs on.";
  if (sim.loops.empty()) return "The script ends after " + secondsText(sim.endMs, 1) + ".";
  const LoopPass &loop = sim.loops[0];
  return "Each loop is shown once, " + secondsText(sim.endMs, 1) + " in all; a run repeats the loop from line " +
         std::to_string(loop.startRow) + " to line " + std::to_string(loop.endRow) + " (" +
         secondsText(loop.endMs - loop.startMs, 1) + " a pass) until STOP.";
}

std::string lineLoad(const PlayedAhead &shown) {
  const LineLoad &load = shown.load;
  const std::string carried = "The line at " + std::to_string(shown.baud) + " bit/s carries " +
                              std::to_string(std::lround(load.capacityPerSecond)) +
                              " frames a second; the script asks up to " +
                              std::to_string(load.peakFramesPerSecond) + ".";
  if (load.overloaded.empty()) return carried + " It never asks for more.";
  return carried + " Shaded: it asks for more; the worst lag is " + std::to_string(std::lround(load.worstLagMs)) +
         " ms.";
}

} // namespace

std::vector<std::string> timelineNotes(const PlayedAhead *shown, const LineRun *picked, const NodeTable &nodes,
                                       const ServoConfiguration &config) {
  std::vector<std::string> notes{"Every servo starts at its home position; a WAIT is answered at once."};
  if (!shown) {
    notes.emplace_back("Playing the script ahead...");
    return notes;
  }
  notes.push_back(outcome(shown->sim));
  notes.push_back(lineLoad(*shown));
  notes.push_back(picked ? lineText(*picked, nodes, config)
                         : "Click a moment, or press Up or Down, to see the line running then and what it changes.");
  return notes;
}

std::string lineText(const LineRun &run, const NodeTable &nodes, const ServoConfiguration &config) {
  const std::string head = "Line " + std::to_string(run.row) + " at " + secondsText(run.timeMs, 1);
  const auto node = classifyLine(run.text).kind == LineKind::Node ? nodes.find(run.text) : std::nullopt;
  if (!node) return head + ": " + run.text;
  return head + ", " + run.text + ": " + poseChangeText(run.before, nodes.node(*node), servoNames(config), run.easing);
}

} // namespace quarnel
