// Diagnosing a refused device and wording the link's state.
#include "link/link_status.h"

#include "port_device.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarnel {

namespace {

LinkFault faultOfOpenError(int error) {
  switch (error) {
  case EACCES:
  case EPERM: return LinkFault::NoPermission;
  case EBUSY: return LinkFault::Busy; // held with TIOCEXCL
  // A device node whose hardware is not there (an absent UART, an unplugged adapter).
  case ENOENT:
  case ENXIO:
  case ENODEV:
  case EIO: return LinkFault::Missing;
  default: return LinkFault::Refused;
  }
}

// A few words for the status bar.
std::string shortReason(LinkFault fault, int32_t port) {
  switch (fault) {
  case LinkFault::NoSuchPort: return "no such port";
  case LinkFault::Unnamed: return tavik::portVariable(port) + " is empty";
  case LinkFault::Missing: return "no such device";
  case LinkFault::NotSerial: return "not a serial device";
  case LinkFault::NoPermission: return "no permission";
  case LinkFault::Busy: return "in use elsewhere";
  case LinkFault::Lost: return "the device went away";
  case LinkFault::Refused: break;
  }
  return "could not be opened";
}

} // namespace

std::string LinkStatus::longReason(LinkFault fault) const {
  switch (fault) {
  case LinkFault::NoSuchPort: return "there are only ports COM1 to COM8.";
  case LinkFault::Unnamed:
    return tavik::portVariable(port) + " is set but names no device. Set it to the board's device, or unset it to use " +
           tavik::defaultPortDevice(port) + ".";
  case LinkFault::Missing: return "the device does not exist. Is the board's cable plugged in?";
  case LinkFault::NotSerial: return "it is not a serial device.";
  case LinkFault::NoPermission:
    return "you may not use it. Add yourself to the dialout group (sudo adduser $USER dialout), then log in again.";
  case LinkFault::Busy: return "another program is using it, perhaps another copy of Quarnel.";
  case LinkFault::Lost:
    return "the device went away: the board's cable was pulled or the virtual board closed. The link opens "
           "again by itself when the device is back.";
  case LinkFault::Refused: break;
  }
  return "it could not be opened.";
}

LinkFault diagnoseDevice(const std::string &path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return errno == EACCES ? LinkFault::NoPermission : LinkFault::Missing;
  if (!S_ISCHR(status.st_mode)) return LinkFault::NotSerial;
  // Opened as the driver opens it, so each refusal shows as the driver met it.
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return faultOfOpenError(errno);
  LinkFault fault = LinkFault::Refused;
  if (!isatty(fd)) fault = LinkFault::NotSerial;
  else if (flock(fd, LOCK_EX | LOCK_NB) != 0) fault = LinkFault::Busy;
  close(fd);
  return fault;
}

LinkStatus LinkStatus::afterOpen(int32_t port, int32_t baud, bool opened) {
  const auto device = tavik::portDevice(port);
  LinkStatus status{port, device.value_or(""), baud, std::nullopt};
  if (!opened) status.fault = !device ? LinkFault::NoSuchPort : device->empty() ? LinkFault::Unnamed : diagnoseDevice(*device);
  return status;
}

std::string LinkStatus::summary(const std::string &shownDevice) const {
  const std::string name = "COM" + std::to_string(port);
  const std::string where = device.empty() ? name : name + " → " + shownDevice;
  if (!fault) return where + ", " + std::to_string(baud) + " bit/s: port open";
  return where + ": not open, " + shortReason(*fault, port);
}

std::string LinkStatus::explanation() const {
  if (!fault) return summary() + ".";
  const std::string name = "COM" + std::to_string(port);
  const std::string which = device.empty() ? name : name + " (" + device + ")";
  const char *what = *fault == LinkFault::Lost ? " was lost: " : " could not be opened: ";
  return "The link to the servo board on " + which + what + longReason(*fault) +
         "\r\nNothing reaches the board; the read-outs show where the servos would be.";
}

} // namespace quarnel
