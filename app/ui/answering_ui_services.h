// A user who answers every box at once: OK to each message and prompt, Cancel to each input
// box and dialog. Keeps the messages, for a run that nobody watches but whose reports count.
#pragma once

#include "ui/ui_services.h"

#include <string>
#include <vector>

namespace quarnel {

class AnsweringUiServices : public UiServices {
public:
  std::vector<std::string> messages;

  MessageAnswer messageBox(const std::string &text, const std::string &, MessageIcon, MessageButtons) override {
    messages.push_back(text);
    return MessageAnswer::Ok;
  }
  std::optional<std::string> inputBox(const std::string &, const std::string &, const std::string &) override {
    return std::nullopt;
  }
  std::optional<std::string> openFileDialog(const FileFilter &, const std::string &) override { return {}; }
  std::optional<std::string> saveFileDialog(const FileFilter &, const std::string &) override { return {}; }
  void setBusy(bool) override {}
  void showPrompt(const std::string &, const std::string &, std::function<void(PromptAnswer)> answered) override {
    answered(PromptAnswer::Ok);
  }
  void closePrompt() override {}
};

} // namespace quarnel
