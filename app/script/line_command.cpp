// Classifying a script line.
#include "script/line_command.h"

#include <algorithm>
#include <utility>

namespace quarnel {

namespace {

constexpr std::pair<std::string_view, Easing> curveNames[] = {
    {"LINEAR", Easing::Linear}, {"IN", Easing::In}, {"OUT", Easing::Out}, {"INOUT", Easing::InOut}};

std::string upperCase(std::string_view text) {
  std::string word(text);
  std::transform(word.begin(), word.end(), word.begin(),
                 [](unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c); });
  return word;
}

bool isEaseLine(std::string_view text) {
  return text.substr(0, easeCommand.size()) == easeCommand &&
         (text.size() == easeCommand.size() || text[easeCommand.size()] == ' ');
}

} // namespace

LineCommand classifyLine(std::string_view text) {
  LineCommand command;
  if (text.find(pauseCommand) != std::string_view::npos) {
    command.kind = LineKind::Pause;
    command.pauseLength = text.substr(pauseCommand.size());
    return command;
  }
  if (isEaseLine(text)) {
    command.kind = LineKind::Ease;
    command.easing = easingNamed(text.substr(easeCommand.size()));
    return command;
  }
  const std::string word = upperCase(text);
  if (word.empty() || word == loopStartCommand) command.kind = LineKind::Nothing;
  else if (word == pauseCommand) command.kind = LineKind::Pause;
  else if (word == waitCommand) command.kind = LineKind::Wait;
  else if (word == loopEndCommand) command.kind = LineKind::LoopEnd;
  else command.kind = LineKind::Node;
  return command;
}

std::optional<Easing> easingNamed(std::string_view word) {
  const auto first = word.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  const std::string name = upperCase(word.substr(first, word.find_last_not_of(' ') + 1 - first));
  for (const auto &[curveName, easing] : curveNames)
    if (name == curveName) return easing;
  return std::nullopt;
}

std::string easeLine(Easing easing) {
  for (const auto &[curveName, curve] : curveNames)
    if (curve == easing) return std::string(easeCommand) + " " + std::string(curveName);
  return std::string(easeCommand);
}

} // namespace quarnel
