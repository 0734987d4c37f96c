// Diagnosing a refused device and wording the link's state.
#include "link/link_status.h"

#include "port_device.h"

#include <QCoreApplication>

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
QString shortReason(LinkFault fault, int32_t port) {
  switch (fault) {
  case LinkFault::NoSuchPort: return QCoreApplication::translate("LinkStatus", "no such port");
  case LinkFault::Unnamed:
    return QCoreApplication::translate("LinkStatus", "%1 is empty").arg(QString::fromStdString(tavik::portVariable(port)));
  case LinkFault::Missing: return QCoreApplication::translate("LinkStatus", "no such device");
  case LinkFault::NotSerial: return QCoreApplication::translate("LinkStatus", "not a serial device");
  case LinkFault::NoPermission: return QCoreApplication::translate("LinkStatus", "no permission");
  case LinkFault::Busy: return QCoreApplication::translate("LinkStatus", "in use elsewhere");
  case LinkFault::Lost: return QCoreApplication::translate("LinkStatus", "the device went away");
  case LinkFault::Refused: break;
  }
  return QCoreApplication::translate("LinkStatus", "could not be opened");
}

} // namespace

std::string LinkStatus::longReason(LinkFault fault) const {
  switch (fault) {
  case LinkFault::NoSuchPort: return QCoreApplication::translate("LinkStatus", "there are only ports COM1 to COM8.").toStdString();
  case LinkFault::Unnamed:
    return QCoreApplication::translate("LinkStatus", "%1 is set but names no device. Set it to the board's device, or "
                                                     "unset it to use %2.")
        .arg(QString::fromStdString(tavik::portVariable(port)), QString::fromStdString(tavik::defaultPortDevice(port)))
        .toStdString();
  case LinkFault::Missing:
    return QCoreApplication::translate("LinkStatus", "the device does not exist. Is the board's cable plugged in?")
        .toStdString();
  case LinkFault::NotSerial: return QCoreApplication::translate("LinkStatus", "it is not a serial device.").toStdString();
  case LinkFault::NoPermission:
    return QCoreApplication::translate("LinkStatus", "you may not use it. Add yourself to the dialout group (sudo "
                                                     "adduser $USER dialout), then log in again.")
        .toStdString();
  case LinkFault::Busy:
    return QCoreApplication::translate("LinkStatus", "another program is using it, perhaps another copy of Quarnel.")
        .toStdString();
  case LinkFault::Lost:
    return QCoreApplication::translate("LinkStatus", "the device went away: the board's cable was pulled or the "
                                                     "virtual board closed. The link opens again by itself when the "
                                                     "device is back.")
        .toStdString();
  case LinkFault::Refused: break;
  }
  return QCoreApplication::translate("LinkStatus", "it could not be opened.").toStdString();
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
  const QString where = QString::fromStdString(device.empty() ? name : name + " → " + shownDevice);
  if (!fault) return QCoreApplication::translate("LinkStatus", "%1, %2 bit/s: port open").arg(where, QString::number(baud)).toStdString();
  return QCoreApplication::translate("LinkStatus", "%1: not open, %2")
      .arg(where, shortReason(*fault, port))
      .toStdString();
}

std::string LinkStatus::explanation() const {
  if (!fault) return summary() + ".";
  const std::string name = "COM" + std::to_string(port);
  const QString which = QString::fromStdString(device.empty() ? name : name + " (" + device + ")");
  const QString what = *fault == LinkFault::Lost
                           ? QCoreApplication::translate("LinkStatus", "The link to the servo board on %1 was lost: %2")
                           : QCoreApplication::translate("LinkStatus",
                                                         "The link to the servo board on %1 could not be opened: %2");
  return what.arg(which, QString::fromStdString(longReason(*fault))).toStdString() + "\r\n" +
         QCoreApplication::translate("LinkStatus",
                                     "Nothing reaches the board; the read-outs show where the servos would be.")
             .toStdString();
}

} // namespace quarnel
