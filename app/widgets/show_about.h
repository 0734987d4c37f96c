// The About box shared by every window.
#pragma once

#include "config/app_identity.h"
#include "ui/ui_services.h"

#include <string>

namespace quarnel {

// Four lines separated by CR LF: product, credit, description and version, documentation.
std::string aboutText(const AppIdentity &identity);

void showAbout(UiServices &ui, const AppIdentity &identity);

} // namespace quarnel
