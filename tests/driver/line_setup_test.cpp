// The line the driver sets up on the device: raw 8N1 at the speed asked for, within the range.
#include "driver_fixture.h"

#include "line_speed.h"

#include <termios.h>

namespace tavik::testing {
namespace {

TEST_F(DriverTest, LineIsRaw8N1AtTheClampedSpeed) {
  const std::pair<int, int> speeds[] = {{1200, 2400}, {0, 2400},   {-5, 2400},   {2400, 2400}, {2401, 2401},
                                        {4800, 4800}, {9599, 9599}, {9600, 9600}, {19200, 9600}};
  for (const auto &[asked, expected] : speeds) {
    ASSERT_EQ(tavik.open(1, asked), -1) << asked;
    EXPECT_EQ(readLineSpeed(pty.masterFd()), expected) << "asked for " << asked;
    termios tio{};
    ASSERT_EQ(tcgetattr(pty.masterFd(), &tio), 0);
    if (expected == 2400 || expected == 4800 || expected == 9600) {
      const speed_t code = expected == 2400 ? B2400 : expected == 4800 ? B4800 : B9600;
      EXPECT_EQ(cfgetospeed(&tio), code) << "standard speeds go through the standard codes";
    }
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS));
    EXPECT_TRUE(tio.c_cflag & CREAD);
    EXPECT_TRUE(tio.c_cflag & CLOCAL);
    EXPECT_FALSE(tio.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP));
    EXPECT_FALSE(tio.c_oflag & OPOST);
    EXPECT_FALSE(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN));
    tavik.close();
  }
}

} // namespace
} // namespace tavik::testing
