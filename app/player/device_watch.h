// Whether the board's device node still stands. The driver goes on sending into a device that
// vanished (a USB adapter unplugged, the far end of a pseudo-terminal closed) and its three
// calls cannot say so, so the player looks at the node itself.
#pragma once

#include <string>

namespace quarnel {

class DeviceWatch {
public:
  // Watches the node `path` leads to now, links followed; nothing is watched when it cannot be
  // looked at.
  explicit DeviceWatch(const std::string &path);
  ~DeviceWatch();
  DeviceWatch(const DeviceWatch &) = delete;
  DeviceWatch &operator=(const DeviceWatch &) = delete;

  // True once that node has been removed, also when a new device has since taken its name.
  bool gone() const;
  const std::string &path() const { return m_path; }

private:
  std::string m_path;
  int m_fd = -1; // an O_PATH descriptor: it opens no device and cannot upset the line
};

} // namespace quarnel
