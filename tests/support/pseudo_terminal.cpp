#include "pseudo_terminal.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace tavik::testing {

PseudoTerminal::PseudoTerminal() {
  m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) throw std::runtime_error("no pseudo-terminal");
  m_slavePath = ptsname(m_master);
}

PseudoTerminal::~PseudoTerminal() { closeMaster(); }

void PseudoTerminal::closeMaster() {
  if (m_master >= 0) ::close(m_master);
  m_master = -1;
}

std::vector<uint8_t> PseudoTerminal::read(size_t count, std::chrono::milliseconds timeout) {
  std::vector<uint8_t> bytes;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (bytes.size() < count) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd p{m_master, POLLIN, 0};
    const int rc = poll(&p, 1, static_cast<int>(left.count()));
    if (rc < 0 && errno == EINTR) continue;
    if (rc <= 0) break;
    uint8_t chunk[512];
    const ssize_t n = ::read(m_master, chunk, std::min(sizeof chunk, count - bytes.size()));
    if (n <= 0) {
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
      break; // EIO: nobody holds the slave open any more
    }
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  return bytes;
}

std::vector<uint8_t> PseudoTerminal::readUntilQuiet(std::chrono::milliseconds quiet) {
  std::vector<uint8_t> all;
  for (;;) {
    const auto more = read(SIZE_MAX / 2, quiet);
    if (more.empty()) return all;
    all.insert(all.end(), more.begin(), more.end());
  }
}

} // namespace tavik::testing
