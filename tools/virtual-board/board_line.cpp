#include "board_line.h"

#include "line_speed.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/stat.h>
#include <algorithm>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace tavik::board {

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const std::string &what) { throw std::runtime_error(what + ": " + std::strerror(errno)); }

std::string linkTarget(const std::string &link) {
  char target[256] = {};
  const ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
  return n > 0 ? std::string(target, static_cast<size_t>(n)) : std::string();
}

} // namespace

BoardLine::BoardLine(std::string linkPath) : m_linkPath(std::move(linkPath)) {
  struct stat st {};
  if (lstat(m_linkPath.c_str(), &st) == 0) {
    if (!S_ISLNK(st.st_mode)) {
      errno = EEXIST;
      fail(m_linkPath + " exists and is not a link");
    }
    // A link to a line that is still there belongs to a running board: taking it over would
    // leave that board's window showing a line nothing can reach.
    if (stat(m_linkPath.c_str(), &st) == 0 && S_ISCHR(st.st_mode))
      throw std::runtime_error(m_linkPath + " already leads to the open line " + linkTarget(m_linkPath) +
                               ", perhaps of another board; remove the link if none runs");
    unlink(m_linkPath.c_str());
  }
  try {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) fail("cannot open a pseudo-terminal");
    const char *slave = ptsname(m_master);
    if (!slave) fail("cannot name the pseudo-terminal");
    m_slavePath = slave;
    m_slave = open(m_slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave < 0) fail("cannot open " + m_slavePath);

    if (symlink(m_slavePath.c_str(), m_linkPath.c_str()) != 0) fail("cannot create " + m_linkPath);
  } catch (...) {
    // No destructor runs for a line that never started.
    closePty();
    throw;
  }
}

BoardLine::~BoardLine() {
  // Only our own link goes: someone may have put another file at the path since.
  if (linkTarget(m_linkPath) == m_slavePath) unlink(m_linkPath.c_str());
  closePty();
}

void BoardLine::closePty() noexcept {
  if (m_slave >= 0) close(m_slave);
  if (m_master >= 0) close(m_master);
  m_slave = m_master = -1;
}

int32_t BoardLine::lineSpeed() const { return readLineSpeed(m_slave); }

bool BoardLine::waitFor(int stopFd, bool forByte, Clock::time_point until) {
  for (;;) {
    timespec timeout{};
    timespec *limit = nullptr;
    if (until != Clock::time_point::max()) {
      const auto left = std::max(Clock::duration::zero(), until - Clock::now());
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
      timeout = {static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
      limit = &timeout;
    }
    pollfd fds[2] = {{stopFd, POLLIN, 0}, {m_master, POLLIN, 0}};
    const int rc = ppoll(fds, forByte ? 2 : 1, limit, nullptr);
    if (rc < 0 && errno == EINTR) continue;
    if (rc < 0) fail("poll");
    if (fds[0].revents) return false;
    if (rc > 0 || Clock::now() >= until) return true;
  }
}

std::optional<uint8_t> BoardLine::nextByte(int stopFd, bool fast) {
  bool waited = false; // the line was idle until this byte came
  while (m_next == m_buffered) {
    pollfd ready{m_master, POLLIN, 0};
    if (poll(&ready, 1, 0) <= 0) {
      waited = true;
      if (!waitFor(stopFd, true, Clock::time_point::max())) return std::nullopt;
    }
    // In line mode a byte is read only once the line has carried it, so what waits in the pty
    // is what a real line would still be sending.
    const ssize_t n = read(m_master, m_buffer, fast ? sizeof m_buffer : 1);
    if (n < 0 && errno != EINTR && errno != EAGAIN) fail("read");
    m_buffered = n > 0 ? static_cast<int>(n) : 0;
    m_next = 0;
  }
  if (!fast) {
    // A byte starts when the line is free and is in once all its bits have arrived. Bytes
    // already queued follow each other on an absolute schedule, so the board never drifts
    // behind a driver that keeps the line's pace.
    const int32_t speed = readLineSpeed(m_slave);
    const auto byteTime = std::chrono::nanoseconds(1'000'000'000LL * readBitsPerByte(m_slave) / (speed > 0 ? speed : 9600));
    const auto now = Clock::now();
    const auto starts = waited ? std::max(now, m_lineFreeAt) : std::max(now - byteTime, m_lineFreeAt);
    const auto arrives = starts + byteTime;
    if (!waitFor(stopFd, false, arrives)) return std::nullopt;
    m_lineFreeAt = arrives;
  }
  return m_buffer[m_next++];
}

} // namespace tavik::board
