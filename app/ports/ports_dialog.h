// The Ports dialog: the machine's serial devices, followed as they are plugged in and out, the
// launcher's virtual board, and the device each COM port 1 to 4 leads to.
#pragma once

#include "link/port_route.h"
#include "ports/serial_devices.h"

#include <QCoreApplication>
#include <QDialog>
#include <QTimer>

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;

namespace quarnel {

class PortsDialog : public QDialog {
  Q_OBJECT

public:
  // `root` stands for the file system's root, so a test can give it a folder of fake devices.
  PortsDialog(const PortEnvironment &atStart, const PortDevices &chosen, QWidget *parent,
              QString root = "/");

  // The device chosen for each port, empty for the default; a port set from outside keeps what
  // was stored for it.
  PortDevices chosen() const;

private:
  void buildControls();
  void refresh();
  void showDevices();
  void fillChoice(int port, const QString &selected);
  // The machine's devices, after the launcher's virtual board where there is one.
  std::vector<SerialDevice> offeredDevices() const;

  PortEnvironment m_atStart;
  PortDevices m_stored;
  QString m_root;
  std::vector<SerialDevice> m_devices;
  QTableWidget *m_grdDevices = nullptr;
  QLabel *m_lblNoDevices = nullptr;
  std::array<QComboBox *, comPorts> m_cmbPortDevice{};
  // Polled: a look at a few device names once a second costs nothing while the dialog is open,
  // and needs neither a udev monitor nor a thread.
  QTimer m_tmrRefresh;
};

} // namespace quarnel
