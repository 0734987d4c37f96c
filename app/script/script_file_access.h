// The File menu's Open and Save: the dialogs, the disk and the messages around the .tvk bytes.
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

// Writes the script to a chosen file, replacing it whole or not at all. Returns the file's
// path; nothing when cancelled or the save failed, which is reported naming the file.
std::optional<std::string> saveScriptFile(const ScriptModel &script, DocumentFolders &folders);

} // namespace quarnel
