// Quarnel's entry: the command line first, with no window; then Qt and the application, which
// opens the settings window, and the files named on the command line.
#include "application.h"
#include "command_line.h"
#include "link/driver_check.h"
#include "program_translations.h"
#include "ui/document_files.h"
#include "widgets/desktop_identity.h"
#include "window_start.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char *argv[]) {
  std::string folder;
  std::vector<std::string> files;
  {
    // --help, --version and --check answer with no display, so no window system is touched yet.
    QCoreApplication commandLineOnly(argc, argv);
    quarnel::installDesktopTranslations(commandLineOnly);
    quarnel::CommandLine commandLine(
        "quarnel",
        QCoreApplication::translate("Main", "Configures a serial servo board of 8 or 12 hobby servos, moves the servos by "
                                            "hand\nand records and plays back motion scripts.\nQt's own options, such as "
                                            "-style NAME, -platform NAME and -reverse, are taken as well."),
        {.qtOptions = true});
    const QCommandLineOption check(
        "check", QCoreApplication::translate("Main", "Show the servo driver library the program loads and whether it "
                                                     "loads with its three calls, then exit: 0 when it does, 1 when not."));
    commandLine.parser().addOption(check);
    commandLine.addPositionalArgument("[FILE...]",
                                      QCoreApplication::translate("Main", "Servo settings (.sst) or scripts (.tvk) to open; "
                                                                          "a script opens the control and script windows."));
    if (const auto status = commandLine.parse(QCoreApplication::arguments())) return *status;
    for (const QString &file : commandLine.parser().positionalArguments()) {
      // Kept among the recent files, so the path must not depend on where this run started.
      files.push_back(QFile::encodeName(QFileInfo(file).absoluteFilePath()).toStdString());
      if (!quarnel::documentKindOf(files.back()))
        return commandLine.usageError(
            QCoreApplication::translate("Main", "%1 is neither servo settings (.sst) nor a script (.tvk)").arg(file));
    }
    folder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    if (commandLine.parser().isSet(check)) return quarnel::checkDriver(folder, std::cout, std::cerr);
  }
  const auto qtApp = quarnel::startWindowed("quarnel", argc, argv);
  if (!qtApp) return 1;
  quarnel::installDesktopTranslations(*qtApp);
  QApplication::setApplicationName("Quarnel");
  quarnel::presentToDesktop();
  quarnel::Application app(folder);
  app.show();
  app.openDocuments(files);
  return QApplication::exec();
}
