// The Ports dialog with real widgets over a folder made to look like /dev: the devices it
// lists, the choices it offers, what it hands out, and devices plugged in while it is open.
#include "ports/ports_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quarnel;

class PortsDialogTest : public QObject {
  Q_OBJECT

private slots:
  void init() { m_root = std::make_unique<QTemporaryDir>(); }
  void listsDevicesOffersChoicesAndHandsOutWhatWasChosen();
  void followsDevicesPluggedInAndOutWhileOpen();
  void offersTheLaunchersVirtualBoard();

private:
  void plug(const QString &device, const QString &link);
  QStringList deviceColumn(PortsDialog &dialog);
  QComboBox *choice(PortsDialog &dialog, int port) {
    return dialog.findChild<QComboBox *>(QString("cmbPortDevice(%1)").arg(port - 1));
  }

  std::unique_ptr<QTemporaryDir> m_root;
};

void PortsDialogTest::plug(const QString &device, const QString &link) {
  QDir(m_root->path()).mkpath("dev/serial/by-id");
  QFile file(m_root->filePath("dev/" + device));
  QVERIFY(file.open(QIODevice::WriteOnly));
  QVERIFY(QFile::link("../../" + device, m_root->filePath("dev/serial/by-id/" + link)));
}

QStringList PortsDialogTest::deviceColumn(PortsDialog &dialog) {
  auto *table = dialog.findChild<QTableWidget *>("grdDevices");
  QStringList paths;
  for (int row = 0; row < table->rowCount(); ++row)
    if (table->item(row, 1)->text().startsWith("/dev/ttyUSB")) paths << table->item(row, 1)->text();
  return paths;
}

void PortsDialogTest::listsDevicesOffersChoicesAndHandsOutWhatWasChosen() {
  plug("ttyUSB0", "usb-FTDI_Board_A1-if00-port0");
  const PortEnvironment atStart{{std::nullopt, "/tmp/board-link", std::nullopt, std::nullopt}, std::nullopt};
  const PortDevices stored{"", "/dev/ttyACM0", "/dev/serial/by-id/usb-Gone-if00", ""};
  PortsDialog dialog(atStart, stored, nullptr, m_root->path());

  QCOMPARE(deviceColumn(dialog), QStringList{"/dev/ttyUSB0"});
  auto *table = dialog.findChild<QTableWidget *>("grdDevices");
  QCOMPARE(table->findItems("usb-FTDI_Board_A1-if00-port0", Qt::MatchExactly).size(), 1);

  QCOMPARE(choice(dialog, 1)->currentText(), QString("Default: /dev/ttyS0") +
                                                 (QFile::exists("/dev/ttyS0") ? "" : " (missing)"));
  QVERIFY(!choice(dialog, 2)->isEnabled());
  QCOMPARE(choice(dialog, 2)->currentText(), QString("TAVIK_COM2: /tmp/board-link"));
  QVERIFY(dialog.findChild<QWidget *>("lblFromOutside"));
  QCOMPARE(choice(dialog, 3)->currentText(), QString("/dev/serial/by-id/usb-Gone-if00 (missing)"));

  const int board = choice(dialog, 1)->findText("usb-FTDI_Board_A1-if00-port0 (/dev/ttyUSB0)");
  QVERIFY(board > 0);
  choice(dialog, 1)->setCurrentIndex(board);
  choice(dialog, 4)->setCurrentIndex(board);
  choice(dialog, 4)->setCurrentIndex(0);
  // Port 2 keeps its stored device for runs without TAVIK_COM2; port 3 keeps the unplugged one.
  const PortDevices expected{"/dev/serial/by-id/usb-FTDI_Board_A1-if00-port0", "/dev/ttyACM0",
                             "/dev/serial/by-id/usb-Gone-if00", ""};
  QCOMPARE(dialog.chosen(), expected);
}

void PortsDialogTest::followsDevicesPluggedInAndOutWhileOpen() {
  plug("ttyUSB0", "usb-First-if00-port0");
  PortsDialog dialog({}, {}, nullptr, m_root->path());
  dialog.show();
  choice(dialog, 1)->setCurrentIndex(choice(dialog, 1)->findText("usb-First-if00-port0 (/dev/ttyUSB0)"));

  plug("ttyUSB1", "usb-Second-if00-port0");
  QTRY_COMPARE_WITH_TIMEOUT(deviceColumn(dialog), (QStringList{"/dev/ttyUSB0", "/dev/ttyUSB1"}), 5000);
  QVERIFY(choice(dialog, 1)->findText("usb-Second-if00-port0 (/dev/ttyUSB1)") > 0);
  QCOMPARE(choice(dialog, 1)->currentText(), QString("usb-First-if00-port0 (/dev/ttyUSB0)"));

  QFile::remove(m_root->filePath("dev/ttyUSB0"));
  QTRY_COMPARE_WITH_TIMEOUT(deviceColumn(dialog), QStringList{"/dev/ttyUSB1"}, 5000);
  // The unplugged device stays chosen, marked, until the user picks another.
  QCOMPARE(choice(dialog, 1)->currentText(), QString("/dev/serial/by-id/usb-First-if00-port0 (missing)"));
}

void PortsDialogTest::offersTheLaunchersVirtualBoard() {
  plug("ttyUSB0", "usb-Board-if00-port0");
  const PortEnvironment launched{{std::nullopt, std::nullopt, std::nullopt, "/dev/ttyUSB0"}, "/tmp/virtual"};
  PortsDialog dialog(launched, {"", "/dev/serial/by-id/usb-Board-if00-port0", "/tmp/virtual", ""}, nullptr,
                     m_root->path());

  auto *table = dialog.findChild<QTableWidget *>("grdDevices");
  QCOMPARE(table->item(0, 0)->text(), QString("Virtual board"));
  QCOMPARE(table->item(0, 1)->text(), QString("/tmp/virtual"));
  QCOMPARE(choice(dialog, 1)->currentText(), QString("Default: Virtual board"));
  QCOMPARE(choice(dialog, 2)->currentText(), QString("usb-Board-if00-port0 (/dev/ttyUSB0)"));
  QCOMPARE(choice(dialog, 3)->currentText(), QString("Virtual board (/tmp/virtual)"));
  QVERIFY(!choice(dialog, 4)->isEnabled());

  choice(dialog, 2)->setCurrentIndex(choice(dialog, 2)->findText("Virtual board (/tmp/virtual)"));
  choice(dialog, 3)->setCurrentIndex(0);
  const PortDevices expected{"", "/tmp/virtual", "", ""};
  QCOMPARE(dialog.chosen(), expected);
}

QTEST_MAIN(PortsDialogTest)
#include "ports_dialog_test.moc"
