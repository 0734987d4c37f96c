// Reading with plain POSIX calls, saving with an unbuffered QSaveFile whose every write is checked.
#include "config/file_access.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarnel {

namespace {

std::optional<std::string> notARegularFile(mode_t mode) {
  if (S_ISREG(mode)) return std::nullopt;
  const char *what = S_ISDIR(mode)    ? QT_TRANSLATE_NOOP("FileAccess", "It is a folder, not a regular file.")
                     : S_ISFIFO(mode) ? QT_TRANSLATE_NOOP("FileAccess", "It is a named pipe, not a regular file.")
                     : S_ISSOCK(mode) ? QT_TRANSLATE_NOOP("FileAccess", "It is a socket, not a regular file.")
                     : S_ISCHR(mode) || S_ISBLK(mode)
                         ? QT_TRANSLATE_NOOP("FileAccess", "It is a device, not a regular file.")
                         : QT_TRANSLATE_NOOP("FileAccess", "It is something other, not a regular file.");
  return QCoreApplication::translate("FileAccess", what).toStdString();
}

FileRead failure(int error) { return {{}, std::strerror(error)}; }

FileRead readOpenFile(int fd, long long maxBytes) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return failure(errno);
  // The name may have been given to something else since it was looked at.
  if (auto refusal = notARegularFile(info.st_mode)) return {{}, refusal};
  std::string bytes;
  char buffer[1 << 16];
  while (true) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return failure(errno);
    if (got == 0) return {std::move(bytes), std::nullopt};
    bytes.append(buffer, static_cast<size_t>(got));
    if (static_cast<long long>(bytes.size()) > maxBytes) return {{}, QCoreApplication::translate("FileAccess", "The file is too large.").toStdString()};
  }
}

} // namespace

FileRead readWholeFile(const std::string &path, long long maxBytes) {
  // Looked at before it is opened: opening a serial device alone can reset the board behind it.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return failure(errno);
  if (auto refusal = notARegularFile(info.st_mode)) return {{}, refusal};
  // Non-blocking, so a pipe put in the file's place meanwhile cannot stall the user interface.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return failure(errno);
  FileRead file = readOpenFile(fd, maxBytes);
  ::close(fd);
  return file;
}

std::optional<std::string> saveWholeFile(const std::string &path, const std::string &bytes) {
  // QSaveFile follows a link and renames its new file over whatever the link names.
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0)
    if (auto refusal = notARegularFile(info.st_mode)) return refusal;

  QSaveFile file(QFile::decodeName(path.c_str()));
  // Unbuffered: a buffered QSaveFile loses the error of its last write, and commit() then
  // replaces the old file with what little reached a full disk.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString().toStdString();
  // A write that fills the disk part way returns short with no error set; writing the rest
  // is what fails and says why.
  const auto size = static_cast<qint64>(bytes.size());
  for (qint64 written = 0; written < size;) {
    const qint64 wrote = file.write(bytes.data() + written, size - written);
    if (wrote <= 0) {
      std::string problem = file.errorString().toStdString();
      file.cancelWriting();
      return problem;
    }
    written += wrote;
  }
  if (!file.commit()) return file.errorString().toStdString();
  return std::nullopt;
}

} // namespace quarnel
