// Opening and saving .tvk files through the file dialogs and the atomic save.
#include "script/script_file_access.h"

#include "config/file_access.h"
#include "config/save_failure.h"
#include "script/script_file.h"
#include "ui/file_choice.h"

#include <QFileInfo>

namespace quarnel {

namespace {

const FileFilter scriptFilter{"Kelpin files(*.tvk)", "*.tvk"};

// Clears the script and reads the file into it; false when the file is missing or no script.
bool readScriptFile(ScriptModel &script, const std::string &path) {
  script.removeCreatedNodes();
  if (!QFileInfo::exists(QFile::decodeName(path.c_str()))) {
    script.user().critical("File not found");
    return false;
  }
  // A file that cannot be read has no first record, so it is refused as not a script file.
  FileRead file = readWholeFile(path, largestScriptFile);
  return readScript(file.error ? std::string_view() : file.bytes, script) != ScriptRead::NotValid;
}

} // namespace

ScriptOpened openScriptFile(ScriptModel &script, DocumentFolders &folders) {
  auto path = chooseFileToOpen(script.user().ui, scriptFilter, folders, DocumentKind::Script);
  if (!path) return {};
  BusyPointer busy(script.user().ui);
  const bool opened = readScriptFile(script, *path);
  return {true, opened ? path : std::nullopt};
}

std::optional<std::string> saveScriptFile(const ScriptModel &script, DocumentFolders &folders) {
  const ScriptUser &user = script.user();
  auto path = chooseFileToSave(user.ui, scriptFilter, folders, DocumentKind::Script);
  if (!path) return std::nullopt;
  BusyPointer busy(user.ui);
  ScriptFileBytes file = writeScript(script);
  std::optional<std::string> problem = file.refusal ? file.refusal : saveWholeFile(*path, file.bytes);
  if (problem) {
    user.critical(saveFailureMessage("the script file", *path, *problem));
    return std::nullopt;
  }
  return path;
}

} // namespace quarnel
