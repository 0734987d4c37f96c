// The window icon from the program's resources and the desktop entry's name.
#include "widgets/desktop_identity.h"

#include <QApplication>
#include <QIcon>

namespace quarnel {

void presentToDesktop() {
  // The SVG is built into the program, so the build tree and an installed copy look the same.
  QApplication::setWindowIcon(QIcon(":/quarnel/quarnel.svg"));
  // Wayland compositors match the windows to quarnel.desktop by this name.
  QGuiApplication::setDesktopFileName("quarnel");
}

} // namespace quarnel
