// The port resolution rule, the hand-over through the environment and the COM list's texts.
#include "link/port_route.h"

#include "port_device.h"

#include <QCoreApplication>

#include <cstdlib>
#include <filesystem>

namespace quarnel {

PortEnvironment portEnvironment() {
  PortEnvironment found;
  for (int port = 1; port <= comPorts; ++port) found.named[port - 1] = tavik::namedPortDevice(port);
  // Empty, it names no board.
  if (const char *link = std::getenv(virtualBoardVariable); link && *link) found.virtualBoard = link;
  return found;
}

PortRoute portRoute(int port, const PortEnvironment &atStart, const PortDevices &chosen) {
  if (const auto &outside = atStart.named[port - 1]) return {*outside, PortSource::Environment};
  const std::string &choice = chosen[port - 1];
  if (atStart.virtualBoard && (choice.empty() || choice == *atStart.virtualBoard))
    return {*atStart.virtualBoard, PortSource::VirtualBoard};
  if (!choice.empty()) return {choice, PortSource::Chosen};
  return {tavik::defaultPortDevice(port), PortSource::Default};
}

void handPortsToDriver(const PortEnvironment &atStart, const PortDevices &chosen) {
  for (int port = 1; port <= comPorts; ++port) {
    if (atStart.named[port - 1]) continue;
    const PortRoute route = portRoute(port, atStart, chosen);
    if (route.source == PortSource::Default)
      unsetenv(tavik::portVariable(port).c_str());
    else
      setenv(tavik::portVariable(port).c_str(), route.device.c_str(), 1);
  }
}

std::string portCaption(int port, const PortRoute &route) {
  std::error_code error;
  const std::filesystem::path device(route.device);
  const bool present = std::filesystem::exists(device, error);
  std::string shown = route.device;
  if (route.source == PortSource::VirtualBoard)
    shown = QCoreApplication::translate("PortRoute", "Virtual board").toStdString();
  else if (present && route.source == PortSource::Chosen) {
    const auto target = std::filesystem::canonical(device, error);
    if (!error) shown = target.string();
  }
  if (!present)
    return QCoreApplication::translate("PortRoute", "%1: %2 (missing)").arg(QString::number(port), QString::fromStdString(shown)).toStdString();
  return std::to_string(port) + ": " + shown;
}

} // namespace quarnel
