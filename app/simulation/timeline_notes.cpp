// The notes' texts.
#include "simulation/timeline_notes.h"

#include "script/line_command.h"
#include "script/pose_change.h"
#include "simulation/time_scale.h"

#include <QCoreApplication>

#include <cmath>

namespace quarnel {

namespace {

std::string outcome(const Simulation &sim) {
  if (sim.failure) return *sim.failure;
  if (sim.capped)
    return QCoreApplication::translate("TimelineNotes", "Shown up to %1; the script runs on.")
        .arg(QString::fromStdString(secondsText(sim.endMs, 0)))
        .toStdString();
  if (sim.loops.empty())
    return QCoreApplication::translate("TimelineNotes", "The script ends after %1.")
        .arg(QString::fromStdString(secondsText(sim.endMs, 1)))
        .toStdString();
  const LoopPass &loop = sim.loops[0];
  return QCoreApplication::translate("TimelineNotes", "Each loop is shown once, %1 in all; a run repeats the loop from "
                                                      "line %2 to line %3 (%4 a pass) until STOP.")
      .arg(QString::fromStdString(secondsText(sim.endMs, 1)), QString::number(loop.startRow),
           QString::number(loop.endRow), QString::fromStdString(secondsText(loop.endMs - loop.startMs, 1)))
      .toStdString();
}

std::string lineLoad(const PlayedAhead &shown) {
  const LineLoad &load = shown.load;
  const std::string carried =
      QCoreApplication::translate("TimelineNotes", "The line at %1 bit/s carries %2 frames a second; the script asks up to %3.")
          .arg(QString::number(shown.baud), QString::number(std::lround(load.capacityPerSecond)),
               QString::number(load.peakFramesPerSecond))
          .toStdString();
  if (load.overloaded.empty())
    return carried + " " + QCoreApplication::translate("TimelineNotes", "It never asks for more.").toStdString();
  return carried + " " +
         QCoreApplication::translate("TimelineNotes", "Shaded: it asks for more; the worst lag is %1 ms.")
             .arg(std::lround(load.worstLagMs))
             .toStdString();
}

} // namespace

std::vector<std::string> timelineNotes(const PlayedAhead *shown, const LineRun *picked, const NodeTable &nodes,
                                       const ServoConfiguration &config) {
  std::vector<std::string> notes{
      QCoreApplication::translate("TimelineNotes", "Every servo starts at its home position; a WAIT is answered at once.")
          .toStdString()};
  if (!shown) {
    notes.push_back(QCoreApplication::translate("TimelineNotes", "Playing the script ahead...").toStdString());
    return notes;
  }
  notes.push_back(outcome(shown->sim));
  notes.push_back(lineLoad(*shown));
  notes.push_back(picked ? lineText(*picked, nodes, config)
                         : QCoreApplication::translate("TimelineNotes", "Click a moment, or press Up or Down, to see "
                                                                        "the line running then and what it changes.")
                               .toStdString());
  return notes;
}

std::string lineText(const LineRun &run, const NodeTable &nodes, const ServoConfiguration &config) {
  const QString row = QString::number(run.row), time = QString::fromStdString(secondsText(run.timeMs, 1)),
                text = QString::fromStdString(run.text);
  const auto node = classifyLine(run.text).kind == LineKind::Node ? nodes.find(run.text) : std::nullopt;
  if (!node) return QCoreApplication::translate("TimelineNotes", "Line %1 at %2: %3").arg(row, time, text).toStdString();
  // A jaw following the sound stays where it is as far as the node line goes.
  Node target = nodes.node(*node);
  for (int servo = 0; servo < servoChannels; ++servo)
    if (run.followsSound[servo]) target.pos[servo] = run.before[servo];
  return QCoreApplication::translate("TimelineNotes", "Line %1 at %2, %3: %4")
      .arg(row, time, text, QString::fromStdString(poseChangeText(run.before, target, servoNames(config), run.easing)))
      .toStdString();
}

} // namespace quarnel
