// The configuration folder through QStandardPaths; the saves through the one atomic helper.
#include "config/settings_folder.h"

#include "config/file_access.h"
#include "config/setup_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace quarnel {

std::optional<std::string> userSettingsFolder() {
  // Qt would take the root for the missing home and answer /.config.
  if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") && qEnvironmentVariableIsEmpty("HOME")) return std::nullopt;
  return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/quarnel")
      .toStdString();
}

std::optional<std::string> saveSettingsFile(const std::string &path, const std::string &bytes) {
  const QString folder = QFileInfo(QFile::decodeName(path.c_str())).path();
  if (!QDir().mkpath(folder))
    return QCoreApplication::translate("SettingsFolder", "The folder %1 could not be created.").arg(folder).toStdString();
  return saveWholeFile(path, bytes);
}

std::optional<std::string> saveSetupChange(const std::string &path, SetupRecord &setup,
                                           const std::function<void(SetupRecord &)> &change) {
  change(setup);
  if (path.empty()) return std::nullopt;
  const FileRead file = readWholeFile(path);
  SetupRecord onDisk = readSetupFile(file.error ? std::string() : file.bytes, setup);
  change(onDisk);
  return saveSettingsFile(path, writeSetupFile(onDisk));
}

} // namespace quarnel
