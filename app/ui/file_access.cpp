// Reading with QFile, saving with QSaveFile.
#include "file_access.h"

#include <QFile>
#include <QSaveFile>

namespace quarnel {

FileRead readWholeFile(const std::string &path, long long maxBytes) {
  QFile file(QFile::decodeName(path.c_str()));
  if (!file.open(QIODevice::ReadOnly)) return {{}, file.errorString().toStdString()};
  QByteArray bytes = file.read(maxBytes + 1);
  if (file.error() != QFileDevice::NoError) return {{}, file.errorString().toStdString()};
  if (bytes.size() > maxBytes) return {{}, "The file is too large to be a settings file."};
  return {bytes.toStdString(), std::nullopt};
}

std::optional<std::string> saveWholeFile(const std::string &path, const std::string &bytes) {
  QSaveFile file(QFile::decodeName(path.c_str()));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.commit())
    return file.errorString().toStdString();
  return std::nullopt;
}

} // namespace quarnel
