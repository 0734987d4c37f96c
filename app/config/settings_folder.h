// The user's configuration folder for Quarnel, and saving a settings file into whichever folder
// holds the settings, creating it the first time.
#pragma once

#include "config/setup_record.h"

#include <functional>
#include <optional>
#include <string>

namespace quarnel {

// $XDG_CONFIG_HOME/quarnel, or ~/.config/quarnel where that is not set; nothing where HOME is
// not set either, so there is no folder of the user's to keep settings in.
std::optional<std::string> userSettingsFolder();

// saveWholeFile, after creating the file's folder if it does not exist yet. Returns why the
// file could not be written, or nothing on success.
std::optional<std::string> saveSettingsFile(const std::string &path, const std::string &bytes);

// Makes `change` to `setup` and to setup.res at `path` as the file stands now: the fields that
// another copy of the program saved since this one read the file stay, but for those `change`
// sets. An empty `path` keeps the change in `setup` alone (settings not kept between runs).
// Returns why the file could not be written, or nothing on success.
std::optional<std::string> saveSetupChange(const std::string &path, SetupRecord &setup,
                                           const std::function<void(SetupRecord &)> &change);

} // namespace quarnel
