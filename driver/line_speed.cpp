// termios2 access to the line: arbitrary bit rates (BOTHER) and the byte format.
#include "line_speed.h"

#include "retry_on_interrupt.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace tavik {

namespace {

bool readTermios2(int fd, struct termios2 &tio) {
  return retryOnInterrupt([&] { return ioctl(fd, TCGETS2, &tio); }) == 0;
}

int32_t standardSpeed(speed_t code) {
  switch (code) {
  case B50: return 50;       case B75: return 75;       case B110: return 110;
  case B134: return 134;     case B150: return 150;     case B200: return 200;
  case B300: return 300;     case B600: return 600;     case B1200: return 1200;
  case B1800: return 1800;   case B2400: return 2400;   case B4800: return 4800;
  case B9600: return 9600;   case B19200: return 19200; case B38400: return 38400;
  case B57600: return 57600; case B115200: return 115200;
  case B230400: return 230400;
  default: return 0;
  }
}

} // namespace

bool setCustomLineSpeed(int fd, int32_t baud) {
  struct termios2 tio {};
  if (!readTermios2(fd, tio)) return false;
  tio.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
  tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
  tio.c_ospeed = static_cast<speed_t>(baud);
  tio.c_ispeed = static_cast<speed_t>(baud);
  // A UART may round to the nearest rate its divisor gives; readLineSpeed then tells the truth.
  return retryOnInterrupt([&] { return ioctl(fd, TCSETS2, &tio); }) == 0;
}

int readBitsPerByte(int fd) {
  struct termios2 tio {};
  if (!readTermios2(fd, tio)) return 10;
  int dataBits = 8;
  switch (tio.c_cflag & CSIZE) {
  case CS5: dataBits = 5; break;
  case CS6: dataBits = 6; break;
  case CS7: dataBits = 7; break;
  default: break;
  }
  return 1 + dataBits + ((tio.c_cflag & PARENB) ? 1 : 0) + ((tio.c_cflag & CSTOPB) ? 2 : 1);
}

int32_t readLineSpeed(int fd) {
  struct termios2 tio {};
  if (!readTermios2(fd, tio)) return 0;
  const speed_t code = tio.c_cflag & CBAUD;
  if (code == BOTHER) return static_cast<int32_t>(tio.c_ospeed);
  return standardSpeed(code);
}

} // namespace tavik
