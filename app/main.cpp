// Quarnel's entry: the command line first, with no window; then Qt and the application, which
// opens the settings window.
#include "application.h"
#include "command_line.h"
#include "link/driver_check.h"
#include "widgets/desktop_identity.h"
#include "window_start.h"

#include <QCoreApplication>
#include <QFile>

#include <iostream>

int main(int argc, char *argv[]) {
  std::string folder;
  {
    // --help, --version and --check answer with no display, so no window system is touched yet.
    QCoreApplication commandLineOnly(argc, argv);
    quarnel::CommandLine commandLine(
        "quarnel", "Configures a serial servo board of 8 or 12 hobby servos, moves the servos by hand\n"
                   "and records and plays back motion scripts.");
    const QCommandLineOption check(
        "check", "Show the servo driver library the program loads and whether it loads with its "
                 "three calls, then exit: 0 when it does, 1 when not.");
    commandLine.parser().addOption(check);
    if (const auto status = commandLine.parse(QCoreApplication::arguments())) return *status;
    folder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    if (commandLine.parser().isSet(check)) return quarnel::checkDriver(folder, std::cout, std::cerr);
  }
  const auto qtApp = quarnel::startWindowed("quarnel", argc, argv);
  if (!qtApp) return 1;
  QApplication::setApplicationName("Quarnel");
  quarnel::presentToDesktop();
  quarnel::Application app(folder);
  app.show();
  return QApplication::exec();
}
