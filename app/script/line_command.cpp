// Classifying a script line.
#include "script/line_command.h"

#include "motion/motion_model.h"
#include "servos/servo_configuration.h"
#include "text/text_number.h"

#include <algorithm>
#include <cmath>
#include <sstream>
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

// A keyword in capitals at the start, alone or before a space.
bool startsWithKeyword(std::string_view text, std::string_view keyword) {
  return text.substr(0, keyword.size()) == keyword &&
         (text.size() == keyword.size() || text[keyword.size()] == ' ');
}

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// "3 40 120": a servo of the board and two positions a servo can take.
std::optional<JawFollow> jawFollowNamed(std::string_view words) {
  std::istringstream stream{std::string(words)};
  std::string servo, closed, open, more;
  if (!(stream >> servo >> closed >> open) || stream >> more) return std::nullopt;
  const auto whole = [](const std::string &word, int highest) -> std::optional<int> {
    const auto number = textToReal(word);
    if (!number || *number != std::floor(*number) || *number < 0 || *number > highest) return std::nullopt;
    return static_cast<int>(*number);
  };
  const auto slot = whole(servo, servoChannels - 1);
  const auto shut = whole(closed, highestPosition);
  const auto wide = whole(open, highestPosition);
  if (!slot || !shut || !wide) return std::nullopt;
  return JawFollow{*slot, *shut, *wide};
}

} // namespace

LineCommand classifyLine(std::string_view text) {
  LineCommand command;
  if (startsWithKeyword(text, soundCommand)) {
    command.kind = LineKind::Sound;
    command.soundPath = trimmed(text.substr(soundCommand.size()));
    return command;
  }
  if (text.find(pauseCommand) != std::string_view::npos) {
    command.kind = LineKind::Pause;
    command.pauseLength = text.substr(pauseCommand.size());
    return command;
  }
  if (startsWithKeyword(text, easeCommand)) {
    command.kind = LineKind::Ease;
    command.easing = easingNamed(text.substr(easeCommand.size()));
    return command;
  }
  if (startsWithKeyword(text, jawCommand)) {
    command.kind = LineKind::Jaw;
    const std::string_view rest = text.substr(jawCommand.size());
    command.jawOff = upperCase(trimmed(rest)) == jawOffWord;
    if (!command.jawOff) command.jaw = jawFollowNamed(rest);
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
  const std::string name = upperCase(trimmed(word));
  for (const auto &[curveName, easing] : curveNames)
    if (name == curveName) return easing;
  return std::nullopt;
}

std::string easeLine(Easing easing) {
  for (const auto &[curveName, curve] : curveNames)
    if (curve == easing) return std::string(easeCommand) + " " + std::string(curveName);
  return std::string(easeCommand);
}

std::string soundLine(std::string_view path) {
  return path.empty() ? std::string(soundCommand) : std::string(soundCommand) + " " + std::string(path);
}

std::string jawLine(const std::optional<JawFollow> &jaw) {
  if (!jaw) return std::string(jawCommand) + " " + std::string(jawOffWord);
  return std::string(jawCommand) + " " + std::to_string(jaw->servo) + " " + std::to_string(jaw->closed) +
         " " + std::to_string(jaw->open);
}

} // namespace quarnel
