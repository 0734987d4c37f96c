// Merging the ports the library found with the by-id links of a folder made to look like /dev.
#include "ports/serial_devices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quarnel {
namespace {

void makeDevice(const QString &path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(SerialDevices, NamesEachFoundPortByItsLinkAndAddsLinkedDevicesTheLibraryMissed) {
  QTemporaryDir root;
  QDir dev(root.filePath("dev"));
  ASSERT_TRUE(dev.mkpath("serial/by-id"));
  for (const char *name : {"ttyUSB0", "ttyACM0", "ttyS0"}) makeDevice(dev.filePath(name));
  const QString byId = dev.filePath("serial/by-id/");
  QFile::link("../../ttyUSB0", byId + "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
  QFile::link("../../ttyACM0", byId + "usb-Arduino_Uno_7563-if00");
  QFile::link("../../ttyUSB9", byId + "usb-Unplugged_Cable-if00-port0"); // leads nowhere

  const std::vector<FoundPort> found{{"/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A50285BI"},
                                     {"/dev/ttyS0", "", "", ""},
                                     {"/dev/ttyUSB1", "USB2.0-Serial", "USB2.0-Serial", ""}};
  const std::vector<SerialDevice> expected{
      {"/dev/ttyACM0", "/dev/serial/by-id/usb-Arduino_Uno_7563-if00", "usb-Arduino_Uno_7563-if00", ""},
      {"/dev/ttyS0", "", "ttyS0", ""},
      {"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
       "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "FT232R USB UART, FTDI, A50285BI"},
      {"/dev/ttyUSB1", "", "ttyUSB1", "USB2.0-Serial"}};
  EXPECT_EQ(serialDevices(root.path(), found), expected);
  EXPECT_EQ(expected[2].choice(), expected[2].stablePath);
  EXPECT_EQ(expected[1].choice(), "/dev/ttyS0");
}

} // namespace
} // namespace quarnel
