// The user-interface services on Qt's dialogs.
#pragma once

#include "ui_services.h"

namespace quarnel {

class QtUiServices : public UiServices {
public:
  MessageAnswer messageBox(const std::string &text, const std::string &title, MessageIcon icon,
                           MessageButtons buttons) override;
  std::string inputBox(const std::string &prompt, const std::string &title,
                       const std::string &defaultAnswer) override;
  std::optional<std::string> openFileDialog(const FileFilter &filter,
                                            const std::string &folder) override;
  std::optional<std::string> saveFileDialog(const FileFilter &filter,
                                            const std::string &folder) override;
  void setBusy(bool busy) override;
};

} // namespace quarnel
