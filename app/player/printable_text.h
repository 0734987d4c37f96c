// Text from a script file made safe to print: a terminal acts on control characters, so an
// escape sequence inside a node's name could clear or retitle the user's window, or worse.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

// `text` on one line: each run of line breaks becomes one space (none at the start), a tab a
// space, and every other control character (C0, DEL, and C1 as UTF-8) a '?'.
std::string printableLine(std::string_view text);

} // namespace quarnel
