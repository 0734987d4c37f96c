// The state of the link to the board as the user is told it: the device the port leads to, the
// speed, and when the driver could not open it, why. The driver only says yes or no, so the
// reason is worked out here by looking at the device.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quarnel {

enum class LinkFault {
  NoSuchPort,   // a port number outside 1 to 8
  Unnamed,      // $TAVIK_COM<n> is set but empty
  Missing,      // no device at the path, or no hardware behind it
  NotSerial,    // a file, a pipe or a device that is no terminal
  NoPermission, // the user may not open it
  Busy,         // another program holds it
  Refused,      // none of these, as far as can be seen
  Lost,         // was open, and the device has gone since (or was made anew)
};

// Why the device at `path` cannot serve as the link, looked at after the driver refused it.
LinkFault diagnoseDevice(const std::string &path);

struct LinkStatus {
  int32_t port = 1;
  std::string device; // empty for a port outside 1 to 8 or one whose variable is empty
  int32_t baud = 9600;
  std::optional<LinkFault> fault; // nothing while the port is open

  // After TVK_OPEN(port, baud) answered `opened`; the device is found by the driver's own rule.
  static LinkStatus afterOpen(int32_t port, int32_t baud, bool opened);

  // One line for the status bar: "COM1 → /dev/ttyUSB0, 9600 bit/s: port open". The board
  // never answers, so an open port is all that can be claimed.
  std::string summary() const { return summary(device); }
  // The same with `shownDevice` in the device's place: the path shortened to fit.
  std::string summary(const std::string &shownDevice) const;
  // Whole sentences for the warning box, with what the user can do about it.
  std::string explanation() const;
  // Why the link is not open and what the user can do about it; empty while open.
  std::string reason() const { return fault ? longReason(*fault) : std::string(); }
  std::string longReason(LinkFault fault) const;
};

} // namespace quarnel
