// A stand-in for the user in tests: answers every box and dialog from a queue and records each
// one (text, title, icon, buttons, filter, folder) in the order it was shown; a prompt stays up
// until the test answers it.
#pragma once

#include "ui/ui_services.h"

#include <deque>
#include <functional>
#include <vector>

namespace quarnel {

class ScriptedUiServices : public UiServices {
public:
  enum class Kind { Message, Input, OpenFile, SaveFile, Prompt };

  struct Box {
    Kind kind;
    std::string text; // the message or the prompt
    std::string title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    FileFilter filter;
    std::string folder;
  };

  // Queued answers. A Yes/No box with no answer queued gets No, a Save/Discard/Cancel box
  // Cancel, a dialog and an input box are cancelled; OK-only boxes need no answer.
  void answerMessage(MessageAnswer answer) { m_messageAnswers.push_back(answer); }
  // Nothing cancels the input box.
  void answerInput(std::optional<std::string> answer) { m_inputAnswers.push_back(std::move(answer)); }
  void answerFile(std::optional<std::string> path) { m_fileAnswers.push_back(std::move(path)); }

  // The user presses OK, or Stop, on the prompt that is up; false when none is.
  bool answerPrompt(PromptAnswer answer = PromptAnswer::Ok);
  bool promptOpen() const { return static_cast<bool>(m_promptAnswered); }

  // Runs while each box is "open", for tests that act as a modal box would (taking the focus).
  void setWhileShown(std::function<void()> action) { m_whileShown = std::move(action); }

  const std::vector<Box> &boxes() const { return m_boxes; }
  std::vector<std::string> messageTexts() const;
  // What each input box offered as its answer, in order.
  const std::vector<std::string> &offeredAnswers() const { return m_offeredAnswers; }
  void clear() { m_boxes.clear(); }
  bool busy() const { return m_busy; }
  int busyCount() const { return m_busyCount; }

  MessageAnswer messageBox(const std::string &text, const std::string &title, MessageIcon icon,
                           MessageButtons buttons) override;
  std::optional<std::string> inputBox(const std::string &prompt, const std::string &title,
                       const std::string &defaultAnswer) override;
  std::optional<std::string> openFileDialog(const FileFilter &filter,
                                            const std::string &folder) override;
  std::optional<std::string> saveFileDialog(const FileFilter &filter,
                                            const std::string &folder) override;
  void setBusy(bool busy) override;
  void showPrompt(const std::string &text, const std::string &title, std::function<void(PromptAnswer)> answered) override;
  void closePrompt() override { m_promptAnswered = nullptr; }

private:
  std::optional<std::string> fileAnswer(Kind kind, const FileFilter &filter,
                                        const std::string &folder);
  void shown(Box box);

  std::deque<MessageAnswer> m_messageAnswers;
  std::deque<std::optional<std::string>> m_inputAnswers;
  std::deque<std::optional<std::string>> m_fileAnswers;
  std::vector<Box> m_boxes;
  std::vector<std::string> m_offeredAnswers;
  std::function<void()> m_whileShown;
  std::function<void(PromptAnswer)> m_promptAnswered; // set while a prompt is up
  bool m_busy = false;
  int m_busyCount = 0;
};

} // namespace quarnel
