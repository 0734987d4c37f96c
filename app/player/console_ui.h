// The user-interface services of quarnel-play: every message is one line on standard error,
// nothing is ever asked, no file is ever chosen.
#pragma once

#include "ui/ui_services.h"

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

  MessageAnswer messageBox(const std::string &text, const std::string &title, MessageIcon icon,
                           MessageButtons buttons) override;
  std::string inputBox(const std::string &prompt, const std::string &title,
                       const std::string &defaultAnswer) override;
  std::optional<std::string> openFileDialog(const FileFilter &filter, const std::string &folder) override;
  std::optional<std::string> saveFileDialog(const FileFilter &filter, const std::string &folder) override;
  void setBusy(bool) override {}

private:
  std::vector<std::string> *m_held = nullptr;
};

} // namespace quarnel
