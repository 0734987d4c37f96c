// The user's manual, plain HTML installed with the program, shown in the desktop's browser.
#pragma once

#include "config/app_identity.h"
#include "ui/ui_services.h"

#include <string>

namespace quarnel {

// The manual's first page for a program in `programFolder`, absolute: its installation's
// share/doc/quarnel/manual/index.html. The build tree lays the manual out the same way beside
// its bin/, so one way serves both.
std::string userManualPath(const std::string &programFolder);

// Hands the manual's first page to the desktop's browser. A manual that is not there, or that
// no browser takes, is said in a message naming the file.
void openUserManual(UiServices &ui, const AppIdentity &identity);

} // namespace quarnel
