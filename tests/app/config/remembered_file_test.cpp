// Writing and reading quarnel.conf.
#include "config/remembered_file.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(RememberedFile, ComesBackAsItWasWritten) {
  Remembered r;
  r.servoSettingsFile = "/home/u/arm=left, \"v2\".sst";
  r.scriptFile = "/home/u/w\xe4ve.tvk"; // a Latin-1 name, bytes as the file system has them
  r.scriptFolder = "/home/u";
  r.portDevices = {"/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0", "", "/dev/ttyACM0", ""};
  r.positions = "150,127,127,127,127,127,127,127,127,127,127,0";
  r.recentScripts = {"/home/u/w\xe4ve.tvk", "/home/u/old.tvk"};
  r.soundOffsetMs = "-40";
  const std::string bytes = writeRememberedFile(r);
  EXPECT_EQ(bytes, "[files]\nservoSettings=/home/u/arm=left, \"v2\".sst\nscript=/home/u/w\xe4ve.tvk\n"
                   "[folders]\nscripts=/home/u\n[ports]\nCOM1=/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0\nCOM3=/dev/ttyACM0\n"
                   "[positions]\nlast=150,127,127,127,127,127,127,127,127,127,127,0\n"
                   "[recent]\nscript=/home/u/w\xe4ve.tvk\nscript=/home/u/old.tvk\n[sound]\noffset=-40\n");
  EXPECT_EQ(readRememberedFile(bytes), r);
  EXPECT_EQ(writeRememberedFile({}), "");
  r = {};
  r.servoSettingsFile = "/tmp/two\nlines.sst"; // no line can carry it
  EXPECT_EQ(writeRememberedFile(r), "");
}

TEST(RememberedFile, ReadsWhatItKnowsAndPassesOverTheRest) {
  std::string nineRecent = "[recent]\nscript=\n";
  for (char n = '1'; n <= '9'; ++n) nineRecent += "script=/" + std::string(1, n) + ".tvk\n";
  const struct {
    std::string file;
    Remembered expected;
  } cases[] = {
      {"[files]\r\nservoSettings=/a.sst\r\n", {"/a.sst", "", "", "", {}, "", "", {}, {}, "", ""}},
      {"[later]\nservoSettings=/x.sst\n[files]\nscript=/b.tvk\nwindow=3\n", {"", "/b.tvk", "", "", {}, "", "", {}, {}, "", ""}},
      {"servoSettings=/before-any-section.sst\n[ports]\nCOM4=/dev/ttyUSB1\nCOM5=/dev/ttyUSB2",
       {"", "", "", "", {"", "", "", "/dev/ttyUSB1"}, "", "", {}, {}, "", ""}},
      {"[positions]\nservoSettings=/a.sst\nlast=1,2\n", {"", "", "", "", {}, "/a.sst", "1,2", {}, {}, "", ""}},
      {"[ports\nCOM1=/dev/ttyS9\n[files]\nno equals sign\n", {}},
      {"\xff\xfe[\n=\n[]\n", {}},
      // Empty ones are no files, and eight are kept.
      {nineRecent, {"", "", "", "", {}, "", "", {}, {"/1.tvk", "/2.tvk", "/3.tvk", "/4.tvk", "/5.tvk", "/6.tvk", "/7.tvk", "/8.tvk"}, "", ""}},
  };
  for (const auto &c : cases) EXPECT_EQ(readRememberedFile(c.file), c.expected) << c.file;
}

TEST(RememberedFile, PositionsAreTwelveWholeNumbersWithinTheTravel) {
  ServoPositions expected;
  expected.fill(127);
  expected[0] = 0;
  expected[11] = 254;
  EXPECT_EQ(positionsText(expected), "0,127,127,127,127,127,127,127,127,127,127,254");
  EXPECT_EQ(positionsFromText(positionsText(expected)), expected);
  for (const char *damaged : {"", "0,127,127,127,127,127,127,127,127,127,127", "0,127,127,127,127,127,127,127,127,127,127,254,1",
                              "0,127,127,127,127,127,127,127,127,127,127,255", "-1,127,127,127,127,127,127,127,127,127,127,254",
                              "0,127,127,127,127,x,127,127,127,127,127,254", "0,127,127,127,127,,127,127,127,127,127,254"})
    EXPECT_EQ(positionsFromText(damaged), std::nullopt) << damaged;
}

} // namespace
} // namespace quarnel
