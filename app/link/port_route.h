// Which device each COM port leads to, and handing that to the driver without changing its
// contract (port_device.h): the driver opens $TAVIK_COM<n> when set, else /dev/ttyS<n-1>.
#pragma once

#include "config/remembered_file.h"

#include <array>
#include <optional>
#include <string>

namespace quarnel {

// The variable by which the launcher names the link of the virtual board it started.
inline constexpr const char *virtualBoardVariable = "QUARNEL_VIRTUAL_BOARD";

// What the program was started with: TAVIK_COM1 to TAVIK_COM4 as it found them (an empty
// value is kept, and the driver opens nothing for it), and the virtual board's link.
struct PortEnvironment {
  std::array<std::optional<std::string>, comPorts> named;
  std::optional<std::string> virtualBoard;
};
PortEnvironment portEnvironment();

enum class PortSource { Environment, Chosen, VirtualBoard, Default };

struct PortRoute {
  std::string device;
  PortSource source;
};

// Port `port` (1 to 4): the environment the program started with, else the user's choice, else
// the virtual board, else the driver's default. A port that leads to the virtual board, chosen
// or not, says so.
PortRoute portRoute(int port, const PortEnvironment &atStart, const PortDevices &chosen);

// Sets TAVIK_COM<n> to where port n leads, or unsets it where that is the driver's default, for
// each port the program was not started with a TAVIK_COM<n> for. Call before the link opens.
void handPortsToDriver(const PortEnvironment &atStart, const PortDevices &chosen);

// The COM port list's text: "1: /dev/ttyUSB0", "2: /dev/ttyS1 (missing)", "3: Virtual board". A
// chosen device is shown as the kernel device its stable link leads to now.
std::string portCaption(int port, const PortRoute &route);

} // namespace quarnel
