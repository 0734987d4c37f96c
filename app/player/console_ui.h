// The user-interface services of quarnel-play: every message is one line on standard error,
// WAIT's prompt is answered by Enter on a terminal and passed over otherwise, nothing else is
// ever asked, no file is ever chosen.
#pragma once

#include "ui/ui_services.h"

#include <QSocketNotifier>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quarnel {

class ConsoleUi : public UiServices {
public:
  // Messages are kept instead of written while `held` is given, so the caller can decide what
  // they mean (a warning while a file is read, or the reason it is refused).
  void hold(std::vector<std::string> *held) { m_held = held; }

  // "quarnel-play: " and the text on one line of standard error.
  static void say(const std::string &text);

  // Before a message or a prompt while the run is shown, so the two do not share a line.
  std::function<void()> beforeOutput = [] {};

  MessageAnswer messageBox(const std::string &text, const std::string &title, MessageIcon icon,
                           MessageButtons buttons) override;
  std::optional<std::string> inputBox(const std::string &prompt, const std::string &title,
                                      const std::string &defaultAnswer) override;
  std::optional<std::string> openFileDialog(const FileFilter &filter, const std::string &folder) override;
  std::optional<std::string> saveFileDialog(const FileFilter &filter, const std::string &folder) override;
  void setBusy(bool) override {}
  void showPrompt(const std::string &text, const std::string &title, std::function<void(PromptAnswer)> answered) override;
  void closePrompt() override;

private:
  void readAnswer();

  std::vector<std::string> *m_held = nullptr;
  std::unique_ptr<QSocketNotifier> m_input; // standard input while a prompt waits for Enter
  std::function<void(PromptAnswer)> m_answered;
  int m_prompts = 0; // which prompt a deferred answer belongs to
};

} // namespace quarnel
