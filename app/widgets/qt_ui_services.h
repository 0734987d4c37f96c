// The user-interface services on Qt's dialogs.
#pragma once

#include "ui/ui_services.h"

#include <QPointer>

class QMessageBox;

namespace quarnel {

class QtUiServices : public UiServices {
public:
  QtUiServices() = default;
  QtUiServices(const QtUiServices &) = delete;
  QtUiServices &operator=(const QtUiServices &) = delete;
  ~QtUiServices() override;

  MessageAnswer messageBox(const std::string &text, const std::string &title, MessageIcon icon,
                           MessageButtons buttons) override;
  std::optional<std::string> inputBox(const std::string &prompt, const std::string &title,
                       const std::string &defaultAnswer) override;
  std::optional<std::string> openFileDialog(const FileFilter &filter,
                                            const std::string &folder) override;
  std::optional<std::string> saveFileDialog(const FileFilter &filter,
                                            const std::string &folder) override;
  void setBusy(bool busy) override;
  void showPrompt(const std::string &text, const std::string &title,
                  std::function<void(PromptAnswer)> answered) override;
  void closePrompt() override;

private:
  QPointer<QMessageBox> m_prompt;
};

} // namespace quarnel
