// The user's configuration folder for Quarnel, and saving a settings file into whichever folder
// holds the settings, creating it the first time.
#pragma once

#include <optional>
#include <string>

namespace quarnel {

// $XDG_CONFIG_HOME/quarnel, or ~/.config/quarnel where that is not set.
std::string userSettingsFolder();

// saveWholeFile, after creating the file's folder if it does not exist yet. Returns why the
// file could not be written, or nothing on success.
std::optional<std::string> saveSettingsFile(const std::string &path, const std::string &bytes);

} // namespace quarnel
