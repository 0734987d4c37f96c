// Finding the user's manual from the program's folder and handing it to the browser.
#include "widgets/user_manual.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include <filesystem>

namespace quarnel {

std::string userManualPath(const std::string &programFolder) {
  namespace fs = std::filesystem;
  // QUARNEL_MANUAL_DIR is the install layout's way from bin/ to the manual's folder.
  const fs::path page = fs::absolute(programFolder) / QUARNEL_MANUAL_DIR / "index.html";
  std::error_code error;
  const fs::path canonical = fs::weakly_canonical(page, error);
  return (error ? page.lexically_normal() : canonical).string();
}

void openUserManual(UiServices &ui, const AppIdentity &identity) {
  const std::string path = userManualPath(identity.folder);
  const QString shown = QString::fromStdString(path);
  QString problem;
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error))
    problem = QCoreApplication::translate("UserManual", "The user's manual is not here: %1 is missing. "
                                                        "Installing %2 again brings it back.")
                  .arg(shown, QString::fromStdString(identity.productName));
  else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(shown)))
    problem = QCoreApplication::translate("UserManual", "No web browser could be started to show the user's "
                                                        "manual, %1. Open that file in a browser of your choice.")
                  .arg(shown);
  if (!problem.isEmpty())
    ui.messageBox(problem.toStdString(), identity.productName, MessageIcon::Warning, MessageButtons::Ok);
}

} // namespace quarnel
