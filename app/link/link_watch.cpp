// Telling a lost link, and a device come back, from the device node at the link's path.
#include "link/link_watch.h"

#include <sys/stat.h>

namespace quarnel {

std::optional<LinkWatch::Identity> LinkWatch::identityAt(const std::string &path) {
  struct stat status {};
  if (path.empty() || stat(path.c_str(), &status) != 0 || !S_ISCHR(status.st_mode)) return std::nullopt;
  // A pty or a USB adapter made anew gets the same device number back, but a new node.
  return Identity{status.st_rdev, status.st_ctim};
}

void LinkWatch::opened(const std::string &device) {
  m_path = device;
  m_opened = identityAt(device);
  m_seenGone = false;
}

void LinkWatch::failed(const std::string &device) {
  m_path = device;
  m_opened.reset();
  m_seenGone = !identityAt(device);
}

LinkWatch::Change LinkWatch::check() {
  const auto now = identityAt(m_path);
  if (m_opened) {
    if (now == m_opened) return Change::None;
    m_opened.reset();
    m_seenGone = true;
    return Change::Lost;
  }
  if (!now) m_seenGone = true;
  return now && m_seenGone ? Change::Back : Change::None;
}

} // namespace quarnel
