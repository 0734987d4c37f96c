// Whether a file is a whole shared library of this machine, looked at before it is loaded: the
// loader maps a truncated library's segments past the end of the file, and the process dies of
// SIGBUS at the first touch of them.
#pragma once

#include <optional>
#include <string>

namespace quarnel {

// What keeps the file at `path` from being loaded, for the user; nothing when it is a 64-bit
// ELF shared object for this processor whose program headers and segments all lie within it.
std::optional<std::string> sharedObjectProblem(const std::string &path);

} // namespace quarnel
