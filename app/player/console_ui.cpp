// Messages on standard error.
#include "console_ui.h"

#include "printable_text.h"

#include <QCoreApplication>
#include <QTimer>

#include <string_view>
#include <utility>

#include <cstdio>
#include <unistd.h>

namespace quarnel {

void ConsoleUi::say(const std::string &text) {
  // A box's text may hold line breaks, and a script's text anything; a log line must hold neither.
  std::fprintf(stderr, "quarnel-play: %s\n", printableLine(text).c_str());
  std::fflush(stderr);
}

MessageAnswer ConsoleUi::messageBox(const std::string &text, const std::string &, MessageIcon,
                                    MessageButtons buttons) {
  if (m_held) {
    m_held->push_back(text);
  } else {
    beforeOutput();
    say(text);
  }
  // Nobody is there to say yes.
  return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

std::optional<std::string> ConsoleUi::inputBox(const std::string &, const std::string &, const std::string &) {
  return std::nullopt;
}

std::optional<std::string> ConsoleUi::openFileDialog(const FileFilter &, const std::string &) { return std::nullopt; }

std::optional<std::string> ConsoleUi::saveFileDialog(const FileFilter &, const std::string &) { return std::nullopt; }

void ConsoleUi::showPrompt(const std::string &, const std::string &, std::function<void(PromptAnswer)> answered) {
  closePrompt();
  beforeOutput();
  const int prompt = ++m_prompts;
  m_answered = std::move(answered);
  if (!isatty(STDIN_FILENO)) {
    // A show started at boot has nobody at a keyboard: it goes on. Answered from the event
    // loop, as a user would, not inside the runner's own call.
    say(QCoreApplication::translate("ConsoleUi", "WAIT passed over: standard input is not a terminal.").toStdString());
    QTimer::singleShot(0, [this, prompt] {
      if (prompt == m_prompts && m_answered) std::exchange(m_answered, nullptr)(PromptAnswer::Ok);
    });
    return;
  }
  say(QCoreApplication::translate("ConsoleUi", "WAIT: press Enter to go on.").toStdString());
  m_input = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(m_input.get(), &QSocketNotifier::activated, [this] { readAnswer(); });
}

void ConsoleUi::readAnswer() {
  char buffer[256];
  const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
  // A line typed, or the terminal gone (end of input), answers; anything else waits on.
  if (got > 0 && std::string_view(buffer, static_cast<size_t>(got)).find('\n') == std::string_view::npos) return;
  auto answered = std::exchange(m_answered, nullptr);
  closePrompt();
  if (answered) answered(PromptAnswer::Ok);
}

void ConsoleUi::closePrompt() {
  ++m_prompts;
  m_answered = nullptr;
  m_input.reset();
}

} // namespace quarnel
