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
  // Unbuffered: a buffered commit can report success after a write the full disk refused, and
  // then rename the short file over the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size())) {
    const std::string problem = file.errorString().toStdString();
    file.cancelWriting();
    return problem;
  }
  if (!file.commit()) return file.errorString().toStdString();
  return std::nullopt;
}

} // namespace quarnel
