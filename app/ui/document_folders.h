// Where each kind of document's file dialogs start: the folder its files were last opened from
// or saved to, at first the user's home folder.
#pragma once

#include <string>

namespace quarnel {

enum class DocumentKind { ServoSettings, Script };

class DocumentFolders {
public:
  explicit DocumentFolders(const std::string &home) : m_servoSettings(home), m_scripts(home) {}

  const std::string &folder(DocumentKind kind) const {
    return kind == DocumentKind::ServoSettings ? m_servoSettings : m_scripts;
  }
  void setFolder(DocumentKind kind, std::string folder) {
    (kind == DocumentKind::ServoSettings ? m_servoSettings : m_scripts) = std::move(folder);
  }

private:
  std::string m_servoSettings;
  std::string m_scripts;
};

} // namespace quarnel
