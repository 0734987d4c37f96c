// The File menu's Open and Save: the dialogs, the disk and the messages around the .tvk bytes.
#pragma once

#include "script_model.h"

#include <functional>
#include <optional>
#include <string>

namespace quarnel {

// Replaces the created nodes and the script with a chosen file's. Returns the window's new
// caption, "Script - " and the file's name; nothing when the caption stays (cancelled, or the
// file missing or not a script file, which leave the script cleared). `used` hears of each
// file opened or saved.
using ScriptFileUsed = std::function<void(const std::string &path)>;
std::optional<std::string> openScriptFile(ScriptModel &script, const std::string &folder,
                                          const ScriptFileUsed &used = {});

// Writes the script to a chosen file, replacing it whole or not at all. Returns the new
// caption; nothing when cancelled or the save failed, which is reported naming the file.
std::optional<std::string> saveScriptFile(const ScriptModel &script, const std::string &folder,
                                          const ScriptFileUsed &used = {});

} // namespace quarnel
