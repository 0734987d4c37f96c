// The About box: product name, credit, version with its notice, where the manual is.
#include "widgets/show_about.h"

namespace quarnel {

std::string aboutText(const AppIdentity &identity) {
  const AppVersion &v = identity.version;
  return identity.productName + "\r\n" +
         "Servo set-up, hand control and motion scripts for serial servo boards\r\n" +
         identity.fileDescription + "Version " + std::to_string(v.major) + "." +
         std::to_string(v.minor) + "." + std::to_string(v.revision) +
         "  Copyright 2025 the Quarnel developers\r\n" +
         "Documentation: the user's manual, Help > User's Manual (F1)";
}

void showAbout(UiServices &ui, const AppIdentity &identity) {
  ui.messageBox(aboutText(identity), "About " + identity.productName, MessageIcon::Information,
                MessageButtons::Ok);
}

} // namespace quarnel
