// The node is held by an O_PATH descriptor and counted gone when its last name is unlinked.
#include "device_watch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarnel {

DeviceWatch::DeviceWatch(const std::string &path) : m_path(path), m_fd(::open(path.c_str(), O_PATH | O_CLOEXEC)) {
  // A file system that counts no names at all would otherwise stop every run at once.
  if (m_fd >= 0 && gone()) {
    ::close(m_fd);
    m_fd = -1;
  }
}

DeviceWatch::~DeviceWatch() {
  if (m_fd >= 0) ::close(m_fd);
}

bool DeviceWatch::gone() const {
  struct stat info {};
  return m_fd >= 0 && ::fstat(m_fd, &info) == 0 && info.st_nlink == 0;
}

} // namespace quarnel
