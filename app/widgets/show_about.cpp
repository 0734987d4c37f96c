// The About box: product name, credit, version with its notice, where the manual is.
#include "widgets/show_about.h"

#include <QCoreApplication>

namespace quarnel {

std::string aboutText(const AppIdentity &identity) {
  const AppVersion &v = identity.version;
  const QString version = QString("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
  return identity.productName + "\r\n" +
         QCoreApplication::translate("About", "Servo set-up, hand control and motion scripts for serial servo boards")
             .toStdString() +
         "\r\n" + identity.fileDescription +
         QCoreApplication::translate("About", "Version %1  Copyright 2025 the Quarnel developers").arg(version).toStdString() +
         "\r\n" +
         QCoreApplication::translate("About", "Documentation: the user's manual, Help > User's Manual (F1)").toStdString();
}

void showAbout(UiServices &ui, const AppIdentity &identity) {
  ui.messageBox(aboutText(identity),
                QCoreApplication::translate("About", "About %1").arg(QString::fromStdString(identity.productName)).toStdString(),
                MessageIcon::Information,
                MessageButtons::Ok);
}

} // namespace quarnel
