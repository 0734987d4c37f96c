// Classifying a script line.
#include "script/line_command.h"

#include <algorithm>

namespace quarnel {

LineCommand classifyLine(std::string_view text) {
  LineCommand command;
  std::string word(text);
  if (text.find(pauseCommand) != std::string_view::npos) {
    command.pauseLength = text.substr(pauseCommand.size());
    word = pauseCommand;
  }
  std::transform(word.begin(), word.end(), word.begin(),
                 [](unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c); });
  if (word.empty() || word == loopStartCommand) command.kind = LineKind::Nothing;
  else if (word == pauseCommand) command.kind = LineKind::Pause;
  else if (word == waitCommand) command.kind = LineKind::Wait;
  else if (word == loopEndCommand) command.kind = LineKind::LoopEnd;
  else command.kind = LineKind::Node;
  return command;
}

} // namespace quarnel
