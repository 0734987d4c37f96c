// The serial devices this machine has: those Qt Serial Port finds (it leaves out /dev/ttyS*
// ports with no UART behind them), named by the readable links udev makes under
// /dev/serial/by-id.
#pragma once

#include <QString>

#include <vector>

namespace quarnel {

// One device as the library reported it.
struct FoundPort {
  QString systemLocation; // /dev/ttyUSB0
  QString description;
  QString manufacturer;
  QString serialNumber;
};

std::vector<FoundPort> foundPorts();

struct SerialDevice {
  QString path;        // /dev/ttyUSB0
  QString stablePath;  // /dev/serial/by-id/usb-...; empty when the device has no such link
  QString name;        // the by-id link's name, else the device's own
  QString description; // description, manufacturer and serial number, as far as known

  // What to remember for a COM port: the by-id link survives replugging into another socket,
  // which renumbers ttyUSB devices.
  QString choice() const { return stablePath.isEmpty() ? path : stablePath; }
  bool operator==(const SerialDevice &) const = default;
};

// The found ports merged with the by-id links under `root` (the file system's root, or a test's
// folder standing in for it; paths in `found` and in the result are as seen from it), sorted by
// path. A link to a device the library missed still counts; one to nothing does not.
std::vector<SerialDevice> serialDevices(const QString &root, const std::vector<FoundPort> &found);

} // namespace quarnel
