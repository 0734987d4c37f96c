// The File menu's Open, Save and Save As: the dialogs, the disk and the messages around the .tvk
// bytes.
#pragma once

#include "script/script_model.h"
#include "ui/document_folders.h"

#include <optional>
#include <string>

namespace quarnel {

// What Open did. A cancelled dialog touches nothing; otherwise the created nodes and the script
// were replaced: by the file's, whose path is given, or, when the file was missing or no
// script file, by Home and an empty script.
struct ScriptOpened {
  bool replaced = false;
  std::optional<std::string> path;
};

// Replaces the created nodes and the script with a chosen file's.
ScriptOpened openScriptFile(ScriptModel &script, DocumentFolders &folders);
// The same with a file already named (a recent one, one given at start or dropped on a window).
ScriptOpened openScriptFile(ScriptModel &script, const std::string &path);

// Writes the script to `path`, replacing the file whole or not at all; false when that failed,
// which is reported naming the file.
bool saveScriptFile(const ScriptModel &script, const std::string &path);
// The same to a chosen file. Returns its path; nothing when cancelled or the save failed.
std::optional<std::string> saveScriptFileAs(const ScriptModel &script, DocumentFolders &folders);

} // namespace quarnel
