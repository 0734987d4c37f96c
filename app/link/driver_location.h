// Where the application finds libTavik.so: beside the program in the build tree, or in the
// installed layout's library folder. Never a search path, never the working directory.
#pragma once

#include <string>

namespace quarnel {

// The driver's file: named by its soname (libTavik.so.1), as the build tree and the
// installation both have it.
inline constexpr const char *tavikLibraryFile = QUARNEL_DRIVER_FILE;

// The library's absolute, canonical path for a program in `programFolder`:
// `programFolder/libTavik.so.1` when that file is there (the build tree), else
// `programFolder/../lib/quarnel/libTavik.so.1` (installed).
std::string tavikLibraryPath(const std::string &programFolder);

} // namespace quarnel
