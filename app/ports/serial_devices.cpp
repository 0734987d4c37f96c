// Asking Qt Serial Port for the ports and reading the by-id links beside them.
#include "ports/serial_devices.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>

#include <algorithm>

namespace quarnel {

std::vector<FoundPort> foundPorts() {
  std::vector<FoundPort> found;
  for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
    found.push_back({info.systemLocation(), info.description(), info.manufacturer(), info.serialNumber()});
  return found;
}

std::vector<SerialDevice> serialDevices(const QString &root, const std::vector<FoundPort> &found) {
  const QString top = QDir(root).absolutePath() == "/" ? QString() : QDir(root).absolutePath();
  std::vector<SerialDevice> devices;
  for (const FoundPort &port : found) {
    QStringList about;
    for (const QString &part : {port.description, port.manufacturer, port.serialNumber})
      if (!part.isEmpty() && !about.contains(part)) about << part;
    devices.push_back({port.systemLocation, {}, QFileInfo(port.systemLocation).fileName(), about.join(", ")});
  }

  const QDir byId(top + "/dev/serial/by-id");
  for (const QFileInfo &link : byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
    if (!link.isSymLink()) continue;
    const QString target = link.canonicalFilePath(); // empty when the link leads nowhere
    if (target.isEmpty() || !target.startsWith(top + "/")) continue;
    const QString path = target.mid(top.size());
    auto known = std::find_if(devices.begin(), devices.end(), [&](const SerialDevice &d) { return d.path == path; });
    if (known == devices.end()) known = devices.insert(devices.end(), SerialDevice{path, {}, {}, {}});
    // Of two links to one device, the first by name keeps it stable from run to run.
    if (known->stablePath.isEmpty()) {
      known->stablePath = "/dev/serial/by-id/" + link.fileName();
      known->name = link.fileName();
    }
  }
  std::sort(devices.begin(), devices.end(), [](const SerialDevice &a, const SerialDevice &b) { return a.path < b.path; });
  return devices;
}

} // namespace quarnel
