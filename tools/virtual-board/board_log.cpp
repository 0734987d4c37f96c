#include "board_log.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace tavik::board {

namespace {

// Non-blocking, so a named pipe nobody reads is refused instead of stalling the board before
// it can hear a signal; writes block again once it is open.
std::FILE *openLog(const std::string &path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0 && errno == ENXIO) throw std::runtime_error("cannot write " + path + ": it is a pipe nobody reads");
  if (fd < 0 || fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) return nullptr;
  std::FILE *file = fdopen(fd, "w");
  if (!file) ::close(fd);
  return file;
}

} // namespace

BoardLog::BoardLog(const std::string &path) : m_path(path), m_file(openLog(path)) {
  if (!m_file) throw std::runtime_error("cannot write " + path + ": " + std::strerror(errno));
}

BoardLog::~BoardLog() { std::fclose(m_file); }

void BoardLog::write(const BoardEvent &event) {
  const auto us = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - m_start).count();
  const int written = event.kind == BoardEvent::Kind::Frame
                          ? std::fprintf(m_file, "%lld %d %d\n", static_cast<long long>(us), event.servo, event.position)
                          : std::fprintf(m_file, "%lld error %s\n", static_cast<long long>(us), event.error.c_str());
  // A log that silently stops (a full disk) would pass for a board that received nothing.
  if (written < 0 || std::fflush(m_file) != 0)
    throw std::runtime_error("cannot write " + m_path + ": " +
                             (errno == EPIPE ? "its reader has gone" : std::strerror(errno)));
}

} // namespace tavik::board
