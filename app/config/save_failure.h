// The message for a file that could not be saved, the same in every window.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

// What the message calls the file before its path; Unnamed names it by the path alone.
enum class SavedFile { Unnamed, ServoSettings, StartupSettings, Script };

// "Could not save the script file "PATH": PROBLEM", then CR LF and `consequence` when there is
// one.
std::string saveFailureMessage(SavedFile kind, const std::string &path, const std::string &problem,
                               std::string_view consequence = {});

} // namespace quarnel
