// Which device each COM port leads to, the hand-over to the driver and the COM list's texts.
#include "link/port_route.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace quarnel {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> variable(const char *name) {
  const char *value = std::getenv(name);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

TEST(PortRoute, EnvironmentFirstThenTheChoiceThenTheVirtualBoardThenTheDriversDefault) {
  const PortDevices chosen{"/dev/ttyACM0", "/dev/serial/by-id/usb-x", "", "/tmp/virtual"};
  const PortEnvironment plain{{"/tmp/board", std::nullopt, std::nullopt, "/dev/ttyUSB7"}, std::nullopt};
  const PortEnvironment launched{{"/tmp/board", std::nullopt, std::nullopt, std::nullopt}, "/tmp/virtual"};
  const struct {
    const PortEnvironment &atStart;
    int port;
    std::string device;
    PortSource source;
  } cases[] = {{plain, 1, "/tmp/board", PortSource::Environment},
               {plain, 2, "/dev/serial/by-id/usb-x", PortSource::Chosen},
               {plain, 3, "/dev/ttyS2", PortSource::Default},
               {plain, 4, "/dev/ttyUSB7", PortSource::Environment},
               {launched, 1, "/tmp/board", PortSource::Environment},
               {launched, 2, "/dev/serial/by-id/usb-x", PortSource::Chosen},
               {launched, 3, "/tmp/virtual", PortSource::VirtualBoard},
               {launched, 4, "/tmp/virtual", PortSource::VirtualBoard}};
  for (const auto &c : cases) {
    const PortRoute route = portRoute(c.port, c.atStart, chosen);
    EXPECT_EQ(route.device, c.device) << c.port;
    EXPECT_EQ(route.source, c.source) << c.port;
  }
}

TEST(PortRoute, TheHandOverSetsTheChoicesAndNeverTouchesWhatTheProgramWasStartedWith) {
  // As left by an earlier hand-over in this run, and one set by whoever started the program.
  setenv("TAVIK_COM1", "/dev/ttyACM0", 1);
  setenv("TAVIK_COM2", "/dev/ttyACM1", 1);
  setenv("TAVIK_COM3", "/tmp/board", 1);
  unsetenv("TAVIK_COM4");
  PortEnvironment atStart{{std::nullopt, std::nullopt, "/tmp/board", std::nullopt}, std::nullopt};
  const PortDevices chosen{"/dev/ttyUSB0", "", "/dev/ttyUSB1", "/dev/ttyUSB2"};
  handPortsToDriver(atStart, chosen);
  EXPECT_EQ(variable("TAVIK_COM1"), "/dev/ttyUSB0");
  EXPECT_EQ(variable("TAVIK_COM2"), std::nullopt); // the default again: the driver's own rule
  EXPECT_EQ(variable("TAVIK_COM3"), "/tmp/board");
  EXPECT_EQ(variable("TAVIK_COM4"), "/dev/ttyUSB2");
  // Started by the launcher: a port with no choice leads to its virtual board.
  atStart.virtualBoard = "/tmp/virtual";
  handPortsToDriver(atStart, chosen);
  EXPECT_EQ(variable("TAVIK_COM2"), "/tmp/virtual");
  EXPECT_EQ(variable("TAVIK_COM3"), "/tmp/board");
}

TEST(PortRoute, CaptionShowsWhereThePortLeadsAndMarksAMissingDevice) {
  const tavik::testing::TemporaryFolder temporary;
  const fs::path &folder = temporary.path();
  fs::create_directories(folder / "by-id");
  std::ofstream(folder / "ttyUSB0").put('\0');
  fs::create_symlink("../ttyUSB0", folder / "by-id" / "usb-Board");
  const std::string dir = folder.string();
  const struct {
    PortRoute route;
    std::string caption;
  } cases[] = {
      {{dir + "/by-id/usb-Board", PortSource::Chosen}, "2: " + dir + "/ttyUSB0"},
      {{dir + "/by-id/usb-Gone", PortSource::Chosen}, "2: " + dir + "/by-id/usb-Gone (missing)"},
      {{dir + "/by-id/usb-Board", PortSource::Environment}, "2: " + dir + "/by-id/usb-Board"},
      {{dir + "/ttyS1", PortSource::Default}, "2: " + dir + "/ttyS1 (missing)"},
      {{dir + "/by-id/usb-Board", PortSource::VirtualBoard}, "2: Virtual board"},
      {{dir + "/gone", PortSource::VirtualBoard}, "2: Virtual board (missing)"},
  };
  for (const auto &c : cases) EXPECT_EQ(portCaption(2, c.route), c.caption);
}

} // namespace
} // namespace quarnel
