// The Ports dialog's table and choices, and their refresh.
#include "ports/ports_dialog.h"

#include "port_device.h"
#include "widgets/named_widget.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quarnel {

namespace {

QString qt(const std::string &bytes) { return QFile::decodeName(bytes.c_str()); }

// `text`, marked when `path` is not there.
QString withPresence(const QString &text, const QString &path) {
  return QFileInfo::exists(path) ? text : QCoreApplication::translate("PortsDialog", "%1 (missing)").arg(text);
}

} // namespace

PortsDialog::PortsDialog(const PortEnvironment &atStart, const PortDevices &chosen, QWidget *parent, QString root)
    : QDialog(parent), m_atStart(atStart), m_stored(chosen), m_root(std::move(root)) {
  setObjectName("frmPorts");
  setWindowTitle(tr("Ports"));
  setModal(true);
  buildControls();
  m_devices = serialDevices(m_root, foundPorts());
  showDevices();
  for (int port = 1; port <= comPorts; ++port) fillChoice(port, qt(chosen[port - 1]));

  m_tmrRefresh.setObjectName("tmrRefresh");
  m_tmrRefresh.setInterval(1000);
  connect(&m_tmrRefresh, &QTimer::timeout, this, &PortsDialog::refresh);
  m_tmrRefresh.start();
}

void PortsDialog::buildControls() {
  auto *layout = new QVBoxLayout(this);
  auto *intro =
      new QLabel(tr("Serial devices of this machine (the list follows devices as they are plugged in and out):"), this);
  intro->setWordWrap(true);
  layout->addWidget(intro);

  m_grdDevices = new QTableWidget(0, 3, this);
  m_grdDevices->setObjectName("grdDevices");
  m_grdDevices->setHorizontalHeaderLabels({tr("Name"), tr("Device"), tr("Description")});
  m_grdDevices->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grdDevices->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_grdDevices->verticalHeader()->hide();
  m_grdDevices->horizontalHeader()->setStretchLastSection(true);
  m_grdDevices->setMinimumSize(640, 160);
  intro->setBuddy(m_grdDevices);
  layout->addWidget(m_grdDevices);
  m_lblNoDevices = place(new QLabel(tr("No serial device was found."), this), "lblNoDevices", {});
  layout->addWidget(m_lblNoDevices);

  auto *choices = new QGridLayout;
  bool anyFromOutside = false;
  for (int port = 1; port <= comPorts; ++port) {
    auto *label = new QLabel(tr("COM &%1 leads to:").arg(port), this);
    label->setObjectName(indexed("lblPortDevice", port - 1));
    m_cmbPortDevice[port - 1] = new QComboBox(this);
    m_cmbPortDevice[port - 1]->setObjectName(indexed("cmbPortDevice", port - 1));
    label->setBuddy(m_cmbPortDevice[port - 1]);
    choices->addWidget(label, port - 1, 0);
    choices->addWidget(m_cmbPortDevice[port - 1], port - 1, 1);
    anyFromOutside = anyFromOutside || m_atStart.named[port - 1].has_value();
  }
  choices->setColumnStretch(1, 1);
  layout->addLayout(choices);

  if (anyFromOutside) {
    auto *why = new QLabel(tr("A port set by TAVIK_COM1 to TAVIK_COM4 when Quarnel was started follows that "
                              "setting, as whoever started Quarnel asked. Start Quarnel without it to choose "
                              "the port's device here."),
                           this);
    why->setObjectName("lblFromOutside");
    why->setWordWrap(true);
    layout->addWidget(why);
  }

  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void PortsDialog::refresh() {
  std::vector<SerialDevice> devices = serialDevices(m_root, foundPorts());
  if (devices == m_devices) return;
  m_devices = std::move(devices);
  showDevices();
  for (int port = 1; port <= comPorts; ++port)
    fillChoice(port, m_cmbPortDevice[port - 1]->currentData().toString());
}

void PortsDialog::showDevices() {
  const std::vector<SerialDevice> shown = offeredDevices();
  m_grdDevices->setRowCount(static_cast<int>(shown.size()));
  for (int row = 0; row < static_cast<int>(shown.size()); ++row) {
    const SerialDevice &d = shown[row];
    const QString cells[] = {d.name, d.path, d.description};
    for (int column = 0; column < 3; ++column) m_grdDevices->setItem(row, column, new QTableWidgetItem(cells[column]));
  }
  m_grdDevices->resizeColumnsToContents();
  m_lblNoDevices->setVisible(shown.empty());
}

std::vector<SerialDevice> PortsDialog::offeredDevices() const {
  std::vector<SerialDevice> offered;
  if (m_atStart.virtualBoard)
    offered.push_back({qt(*m_atStart.virtualBoard), {}, tr("Virtual board"),
                       tr("A board shown on the screen, for work without hardware")});
  offered.insert(offered.end(), m_devices.begin(), m_devices.end());
  return offered;
}

void PortsDialog::fillChoice(int port, const QString &selected) {
  QComboBox *choice = m_cmbPortDevice[port - 1];
  choice->clear();
  if (const auto &outside = m_atStart.named[port - 1]) {
    choice->addItem(qt(tavik::portVariable(port) + ": " + *outside));
    choice->setEnabled(false);
    return;
  }
  const std::vector<SerialDevice> offered = offeredDevices();
  if (m_atStart.virtualBoard) {
    // A port with no choice of its own leads to the virtual board.
    choice->addItem(tr("Default: %1").arg(offered.front().name), QString());
  } else {
    const QString fallback = qt(tavik::defaultPortDevice(port));
    choice->addItem(withPresence(tr("Default: %1").arg(fallback), fallback), QString());
  }
  for (const SerialDevice &d : offered) choice->addItem(d.name + " (" + d.path + ")", d.choice());
  int index = choice->findData(selected);
  if (index < 0) {
    // Not a serial device of this machine now (unplugged, or a link of the user's own): kept
    // until the user chooses another.
    choice->addItem(withPresence(selected, selected), selected);
    index = choice->count() - 1;
  }
  choice->setCurrentIndex(index);
}

PortDevices PortsDialog::chosen() const {
  // A port set from outside keeps what was stored for it, for runs without that setting.
  PortDevices devices = m_stored;
  for (int port = 1; port <= comPorts; ++port)
    if (!m_atStart.named[port - 1])
      devices[port - 1] = QFile::encodeName(m_cmbPortDevice[port - 1]->currentData().toString()).toStdString();
  return devices;
}

} // namespace quarnel
