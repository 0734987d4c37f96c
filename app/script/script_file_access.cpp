// Opening and saving .tvk files through the file dialogs and the atomic save.
#include "script_file_access.h"

#include "script_file.h"
#include "ui/file_access.h"

#include <QFileInfo>

namespace quarnel {

namespace {

const FileFilter scriptFilter{"Kelpin files(*.tvk)", "*.tvk"};

std::string captionFor(const std::string &path) {
  return "Script - " + QFileInfo(QFile::decodeName(path.c_str())).fileName().toStdString();
}

} // namespace

std::optional<std::string> openScriptFile(ScriptModel &script, const std::string &folder) {
  const ScriptUser &user = script.user();
  auto path = user.ui.openFileDialog(scriptFilter, folder);
  if (!path) return std::nullopt;
  BusyPointer busy(user.ui);
  script.removeCreatedNodes();
  if (!QFileInfo::exists(QFile::decodeName(path->c_str()))) {
    user.critical("File not found");
    return std::nullopt;
  }
  // A file that cannot be read has no first record, so it is refused as not a script file.
  FileRead file = readWholeFile(*path, largestScriptFile);
  if (readScript(file.error ? std::string_view() : file.bytes, script) == ScriptRead::NotValid)
    return std::nullopt;
  return captionFor(*path);
}

std::optional<std::string> saveScriptFile(const ScriptModel &script, const std::string &folder) {
  const ScriptUser &user = script.user();
  auto path = user.ui.saveFileDialog(scriptFilter, folder);
  if (!path) return std::nullopt;
  BusyPointer busy(user.ui);
  ScriptFileBytes file = writeScript(script);
  std::optional<std::string> problem = file.refusal ? file.refusal : saveWholeFile(*path, file.bytes);
  if (problem) {
    user.critical("Could not save the script file \"" + *path + "\": " + *problem);
    return std::nullopt;
  }
  return captionFor(*path);
}

} // namespace quarnel
