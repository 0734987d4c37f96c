#include "config/save_failure.h"

#include <QCoreApplication>

namespace quarnel {

namespace {

QString couldNotSave(SavedFile kind) {
  switch (kind) {
  case SavedFile::ServoSettings: return QCoreApplication::translate("SaveFailure", "Could not save the servo settings file \"%1\": %2");
  case SavedFile::StartupSettings: return QCoreApplication::translate("SaveFailure", "Could not save the start-up settings file \"%1\": %2");
  case SavedFile::Script: return QCoreApplication::translate("SaveFailure", "Could not save the script file \"%1\": %2");
  case SavedFile::Unnamed: break;
  }
  return QCoreApplication::translate("SaveFailure", "Could not save \"%1\": %2");
}

} // namespace

std::string saveFailureMessage(SavedFile kind, const std::string &path, const std::string &problem,
                               std::string_view consequence) {
  std::string message = couldNotSave(kind).arg(QString::fromStdString(path), QString::fromStdString(problem)).toStdString();
  if (!consequence.empty()) message.append("\r\n").append(consequence);
  return message;
}

} // namespace quarnel
