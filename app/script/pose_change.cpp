// The change text of a pose and of a node line.
#include "script/pose_change.h"

#include "motion/speed_interval.h"
#include "script/line_command.h"
#include "script/script_model.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace quarnel {

namespace {

std::string durationText(long ms) {
  if (ms < 1000) return QCoreApplication::translate("PoseChange", "%1 ms").arg(ms).toStdString();
  const long tenths = (ms + 50) / 100;
  return QCoreApplication::translate("PoseChange", "%1.%2 s").arg(tenths / 10).arg(tenths % 10).toStdString();
}

// The node a line moves to, found as the runner finds it.
std::optional<int> nodeOfLine(const ScriptModel &script, int row) {
  const std::string_view text = script.lines().text(row);
  if (classifyLine(text).kind != LineKind::Node) return std::nullopt;
  return script.nodes().find(text);
}

// The curve a line runs under read top to bottom: the nearest EASE above it, LINEAR if none.
Easing easingAbove(const ScriptModel &script, int row) {
  for (int above = row - 1; above >= 1; --above) {
    const LineCommand command = classifyLine(script.lines().text(above));
    if (command.kind == LineKind::Ease) return command.easing.value_or(Easing::Linear);
  }
  return Easing::Linear;
}

std::string curveText(Easing easing) {
  switch (easing) {
  case Easing::Linear:
    break;
  case Easing::In:
    return QCoreApplication::translate("PoseChange", ", eased in").toStdString();
  case Easing::Out:
    return QCoreApplication::translate("PoseChange", ", eased out").toStdString();
  case Easing::InOut:
    return QCoreApplication::translate("PoseChange", ", eased in-out").toStdString();
  }
  return "";
}

} // namespace

std::string poseChangeText(const Pose &before, const Node &node, const std::vector<std::string> &servoNames,
                           Easing easing) {
  std::string changes;
  int unchanged = 0;
  long slowestMs = 0;
  const int servos = std::min<int>(static_cast<int>(servoNames.size()), servoChannels);
  for (int servo = 0; servo < servos; ++servo) {
    const int from = before[servo], to = node.pos[servo], speed = node.speed[servo];
    if (from == to) {
      ++unchanged;
      continue;
    }
    if (!changes.empty()) changes += ", ";
    changes += QCoreApplication::translate("PoseChange", "%1 %2 → %3 at speed %4")
                   .arg(QString::fromStdString(servoNames[servo]), QString::number(from), QString::number(to),
                        QString::number(speed))
                   .toStdString();
    // An interval of 0 or less steps about once a millisecond, as the update tick runs.
    const long stepMs = std::max<long>(speedToInterval(speed), 1);
    slowestMs = std::max(slowestMs, std::abs(to - from) * stepMs);
  }
  if (changes.empty()) return QCoreApplication::translate("PoseChange", "No servo moves").toStdString();
  // English says one servo in words of its own; a translation has its plural forms for %n.
  if (unchanged == 1) changes += QCoreApplication::translate("PoseChange", "; 1 servo unchanged").toStdString();
  else if (unchanged > 1)
    changes += QCoreApplication::translate("PoseChange", "; %n servos unchanged", nullptr, unchanged).toStdString();
  return changes + " — " + durationText(slowestMs) + curveText(easing);
}

std::optional<std::string> lineChangeText(const ScriptModel &script, int row) {
  const auto node = nodeOfLine(script, row);
  if (!node) return std::nullopt;
  // A plain top-to-bottom reading: loops are not followed, so a loop's first node line is
  // shown against the line above the loop, not against the loop's last pose.
  Pose before = script.nodes().node(0).pos;
  for (int above = row - 1; above >= 1; --above) {
    if (const auto previous = nodeOfLine(script, above)) {
      before = script.nodes().node(*previous).pos;
      break;
    }
  }
  return poseChangeText(before, script.nodes().node(*node), servoNames(script.config()), easingAbove(script, row));
}

std::vector<std::string> servoNames(const ServoConfiguration &config) {
  std::vector<std::string> names;
  for (int servo = 0; servo < config.servoCount(); ++servo) names.push_back(config.servos[servo].name);
  return names;
}

} // namespace quarnel
