// quarnel --check: the driver library the application would load, and whether it loads with
// its calls, for a user or a package test to see without opening a window.
#pragma once

#include <ostream>
#include <string>

namespace quarnel {

// Prints the library's path on `out`, then that it loads or, on `err`, why not; the exit
// status, 0 when it loads.
int checkDriver(const std::string &programFolder, std::ostream &out, std::ostream &err);

} // namespace quarnel
