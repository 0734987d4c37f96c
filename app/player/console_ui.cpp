// Messages on standard error.
#include "console_ui.h"

#include <cstdio>

namespace quarnel {

void ConsoleUi::say(const std::string &text) {
  // A box's text may hold line breaks; a log line must not.
  std::string line = "quarnel-play: ";
  for (char c : text) {
    const bool lineBreak = c == '\r' || c == '\n';
    if (!lineBreak) line += c;
    else if (line.back() != ' ') line += ' ';
  }
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
}

MessageAnswer ConsoleUi::messageBox(const std::string &text, const std::string &, MessageIcon,
                                    MessageButtons buttons) {
  if (m_held) m_held->push_back(text);
  else say(text);
  // Nobody is there to say yes.
  return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

std::string ConsoleUi::inputBox(const std::string &, const std::string &, const std::string &) { return {}; }

std::optional<std::string> ConsoleUi::openFileDialog(const FileFilter &, const std::string &) { return std::nullopt; }

std::optional<std::string> ConsoleUi::saveFileDialog(const FileFilter &, const std::string &) { return std::nullopt; }

} // namespace quarnel
