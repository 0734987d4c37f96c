// Opening and saving .tvk files through the file dialogs and the atomic save.
#include "script/script_file_access.h"

#include "config/file_access.h"
#include "config/save_failure.h"
#include "script/script_file.h"
#include "ui/document_files.h"
#include "ui/file_choice.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quarnel {

namespace {

// Clears the script and reads the file into it; false when the file is missing or no script.
bool readScriptFile(ScriptModel &script, const std::string &path) {
  script.removeCreatedNodes();
  if (!QFileInfo::exists(QFile::decodeName(path.c_str()))) {
    script.user().critical(QCoreApplication::translate("ScriptFileAccess", "File not found").toStdString());
    return false;
  }
  // A file that cannot be read has no first record, so it is refused as not a script file.
  FileRead file = readWholeFile(path, largestScriptFile);
  return readScript(file.error ? std::string_view() : file.bytes, script) != ScriptRead::NotValid;
}

} // namespace

ScriptOpened openScriptFile(ScriptModel &script, DocumentFolders &folders) {
  auto path = chooseFileToOpen(script.user().ui, fileFilterOf(DocumentKind::Script), folders, DocumentKind::Script);
  if (!path) return {};
  return openScriptFile(script, *path);
}

ScriptOpened openScriptFile(ScriptModel &script, const std::string &path) {
  BusyPointer busy(script.user().ui);
  const bool opened = readScriptFile(script, path);
  return {true, opened ? std::optional(path) : std::nullopt};
}

bool saveScriptFile(const ScriptModel &script, const std::string &path) {
  const ScriptUser &user = script.user();
  BusyPointer busy(user.ui);
  ScriptFileBytes file = writeScript(script);
  std::optional<std::string> problem = file.refusal ? file.refusal : saveWholeFile(path, file.bytes);
  if (problem) user.critical(saveFailureMessage(SavedFile::Script, path, *problem));
  return !problem;
}

std::optional<std::string> saveScriptFileAs(const ScriptModel &script, DocumentFolders &folders) {
  auto path = chooseFileToSave(script.user().ui, fileFilterOf(DocumentKind::Script), folders, DocumentKind::Script);
  if (!path || !saveScriptFile(script, *path)) return std::nullopt;
  return path;
}

} // namespace quarnel
