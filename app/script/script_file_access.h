// The File menu's Open and Save: the dialogs, the disk and the messages around the .tvk bytes.
#pragma once

#include "config/document_folders.h"
#include "script_model.h"

#include <optional>
#include <string>

namespace quarnel {

// Replaces the created nodes and the script with a chosen file's; the script is unmodified
// after. Returns the file's path; nothing when cancelled, or the file was missing or not a
// script file, which leave the script cleared.
std::optional<std::string> openScriptFile(ScriptModel &script, DocumentFolders &folders);

// Writes the script to a chosen file, replacing it whole or not at all, after which the script
// is unmodified. Returns the file's path; nothing when cancelled or the save failed, which is
// reported naming the file.
std::optional<std::string> saveScriptFile(ScriptModel &script, DocumentFolders &folders);

} // namespace quarnel
