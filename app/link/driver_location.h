// Where the application finds libTavik.so: beside the program in the build tree, or in the
// installed layout's library folder. Never a search path, never the working directory.
#pragma once

#include <string>

namespace quarnel {

// The library's absolute, canonical path for a program in `programFolder`:
// `programFolder/libTavik.so` when that file is there (the build tree), else
// `programFolder/../lib/quarnel/libTavik.so` (installed).
std::string tavikLibraryPath(const std::string &programFolder);

} // namespace quarnel
