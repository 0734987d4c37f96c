// The message for a file that could not be saved, the same in every window.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

// "Could not save the script file "PATH": PROBLEM", then CR LF and `consequence` when there is
// one. `kind` names the file before its path ("the script file"); empty, the path alone does.
std::string saveFailureMessage(std::string_view kind, const std::string &path, const std::string &problem,
                               std::string_view consequence = {});

} // namespace quarnel
