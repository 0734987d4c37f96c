// Quarnel's entry: starts Qt and the application, which opens the settings window.
#include "application.h"

#include <QApplication>
#include <QFile>

int main(int argc, char *argv[]) {
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName("Quarnel");
  quarnel::Application app(QFile::encodeName(QApplication::applicationDirPath()).toStdString());
  app.show();
  return QApplication::exec();
}
