// Checking lines before they run.
#include "script/script_check.h"

#include "motion/speed_interval.h"
#include "script/line_command.h"
#include "text/text_number.h"

#include <QCoreApplication>

#include <cmath>
#include <functional>
#include <limits>

namespace quarnel {

namespace {

// Speed 0 has no interval and one of 2040 or more rounds to 0; a negative speed gives a negative
// one. The window's runner makes do with each of them, but a show is better refused.
std::optional<std::string> speedProblem(const Node &node) {
  for (int slot = 0; slot < servoChannels; ++slot)
    if (node.speed[slot] < 1 || speedToInterval(node.speed[slot]) < 1)
      return "servo " + std::to_string(slot) + " of node \"" + node.name + "\" has speed " +
             std::to_string(node.speed[slot]) + ", which gives no step interval.";
  return std::nullopt;
}

// Nothing for a SOUND that stops the sound.
std::optional<std::string> soundProblem(const ScriptModel &script, const LineCommand &command) {
  return command.soundPath.empty() ? std::nullopt : lineSound(script, command.soundPath).error;
}

std::optional<std::string> lineProblem(const ScriptModel &script, std::string_view text) {
  const LineCommand command = classifyLine(text);
  if (command.kind == LineKind::Sound) return soundProblem(script, command);
  if (command.kind == LineKind::Pause)
    return pauseMilliseconds(command.pauseLength) ? std::nullopt : std::optional<std::string>(pauseIsNoNumber);
  if (command.kind == LineKind::Ease)
    return command.easing ? std::nullopt : std::optional<std::string>(easeCurveUnknown);
  if (command.kind == LineKind::Jaw)
    return command.jaw || command.jawOff ? std::nullopt : std::optional<std::string>(jawUnreadable);
  if (command.kind != LineKind::Node) return std::nullopt;
  const NodeTable &nodes = script.nodes();
  const auto index = nodes.find(text);
  if (!index) return std::string(noSuchNode);
  return speedProblem(nodes.node(*index));
}

std::optional<UnrunnableLine> firstLineWith(const ScriptModel &script,
                                            const std::function<std::optional<std::string>(std::string_view)> &problem) {
  const ScriptLines &lines = script.lines();
  for (int row = 1; row < lines.rowCount(); ++row)
    if (auto reason = problem(lines.text(row))) return UnrunnableLine{row, std::string(lines.text(row)), std::move(*reason)};
  return std::nullopt;
}

} // namespace

SoundRead lineSound(const ScriptModel &script, std::string_view soundPath) {
  const std::filesystem::path file = script.soundFile(soundPath);
  SoundRead read = script.sounds().sound(file);
  if (read.error) {
    if (read.error->back() != '.') *read.error += '.';
    read.error = QCoreApplication::translate("ScriptCheck", "its sound file %1 cannot be played. %2")
                     .arg(QString::fromStdString(file.string()), QString::fromStdString(*read.error))
                     .toStdString();
  }
  return read;
}

std::optional<float> pauseMilliseconds(std::string_view lengthText) {
  const auto length = textToReal(lengthText);
  if (!length || std::fabs(*length) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*length);
}

std::optional<UnrunnableLine> firstUnrunnableLine(const ScriptModel &script) {
  return firstLineWith(script, [&script](std::string_view text) { return lineProblem(script, text); });
}

std::optional<UnrunnableLine> firstUnplayableSound(const ScriptModel &script) {
  return firstLineWith(script, [&script](std::string_view text) {
    const LineCommand command = classifyLine(text);
    return command.kind == LineKind::Sound ? soundProblem(script, command) : std::nullopt;
  });
}

} // namespace quarnel
