// The scripted user of the tests.
#include "scripted_ui_services.h"

#include <utility>

namespace quarnel {

std::vector<std::string> ScriptedUiServices::messageTexts() const {
  std::vector<std::string> texts;
  for (const Box &box : m_boxes)
    if (box.kind == Kind::Message) texts.push_back(box.text);
  return texts;
}

void ScriptedUiServices::shown(Box box) {
  m_boxes.push_back(std::move(box));
  if (m_whileShown) m_whileShown();
}

MessageAnswer ScriptedUiServices::messageBox(const std::string &text, const std::string &title,
                                             MessageIcon icon, MessageButtons buttons) {
  shown({Kind::Message, text, title, icon, buttons, {}, {}});
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (m_messageAnswers.empty())
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
  MessageAnswer answer = m_messageAnswers.front();
  m_messageAnswers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUiServices::inputBox(const std::string &prompt, const std::string &title,
                                                        const std::string &defaultAnswer) {
  m_offeredAnswers.push_back(defaultAnswer);
  shown({Kind::Input, prompt, title, MessageIcon::None, MessageButtons::Ok, {}, {}});
  if (m_inputAnswers.empty()) return std::nullopt;
  auto answer = m_inputAnswers.front();
  m_inputAnswers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUiServices::fileAnswer(Kind kind, const FileFilter &filter,
                                                          const std::string &folder) {
  shown({kind, {}, {}, MessageIcon::None, MessageButtons::Ok, filter, folder});
  if (m_fileAnswers.empty()) return std::nullopt;
  auto answer = m_fileAnswers.front();
  m_fileAnswers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUiServices::openFileDialog(const FileFilter &filter,
                                                              const std::string &folder) {
  return fileAnswer(Kind::OpenFile, filter, folder);
}

std::optional<std::string> ScriptedUiServices::saveFileDialog(const FileFilter &filter,
                                                              const std::string &folder) {
  return fileAnswer(Kind::SaveFile, filter, folder);
}

void ScriptedUiServices::setBusy(bool busy) {
  m_busy = busy;
  if (busy) ++m_busyCount;
}

void ScriptedUiServices::showPrompt(const std::string &text, const std::string &title,
                                    std::function<void(PromptAnswer)> answered) {
  m_promptAnswered = std::move(answered); // set first, so that a test may answer while it is shown
  shown({Kind::Prompt, text, title, MessageIcon::None, MessageButtons::Ok, {}, {}});
}

bool ScriptedUiServices::answerPrompt(PromptAnswer answer) {
  auto answered = std::exchange(m_promptAnswered, nullptr);
  if (answered) answered(answer);
  return static_cast<bool>(answered);
}

} // namespace quarnel
