// Starting a windowed program: a user with no display, or one that cannot be reached, is told
// so in one line instead of Qt's abort.
#pragma once

#include <QApplication>

#include <memory>

namespace quarnel {

// The program's QApplication, or null when no window can be shown: then "program: why" has
// been printed on stderr, and the program should end with status 1. QT_QPA_PLATFORM (such as
// offscreen) and Qt's -platform option are honoured.
std::unique_ptr<QApplication> startWindowed(const char *program, int &argc, char **argv);

} // namespace quarnel
