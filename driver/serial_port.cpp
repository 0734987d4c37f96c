// termios set-up of the serial device and its writes.
#include "serial_port.h"

#include "line_speed.h"
#include "retry_on_interrupt.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace tavik {

namespace {

// How long close waits for bytes already queued to reach the board before it drops them.
constexpr auto kCloseDrainLimit = std::chrono::milliseconds(100);

speed_t standardSpeedCode(int32_t baud) {
  switch (baud) {
  case 2400: return B2400;
  case 4800: return B4800;
  case 9600: return B9600;
  default: return 0;
  }
}

} // namespace

bool SerialPort::open(const std::string &device, int32_t baud) {
  close();
  // Non-blocking, so that a device that stops taking bytes can never hold a write forever.
  const int fd = retryOnInterrupt([&] { return ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC); });
  if (fd < 0) return false;
  // Frames written into a regular file, a pipe or /dev/null reach no board: only a terminal
  // device is a serial line.
  if (!isatty(fd)) {
    ::close(fd);
    return false;
  }
  // TIOCEXCL keeps other openers out, but not root; the lock holds for root as well, and for a
  // second open inside this process.
  if (retryOnInterrupt([&] { return flock(fd, LOCK_EX | LOCK_NB); }) != 0) {
    ::close(fd);
    return false;
  }
  ioctl(fd, TIOCEXCL);
  m_fd = fd;
  configureLine(baud);
  readBackLine();
  return true;
}

void SerialPort::configureLine(int32_t baud) {
  // The line format first, in one read-modify-write; a device that refuses it keeps its own.
  termios tio{};
  if (tcgetattr(m_fd, &tio) == 0) {
    // Raw bytes in both directions: no translation, no echo, no signals, no line editing.
    tio.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | INPCK);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY); // no software flow control: 0x11/0x13 are positions
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB); // 8 data bits, no parity, one stop bit
    tio.c_cflag |= CS8;
    tio.c_cflag &= ~CRTSCTS;       // the board has no handshake lines
    tio.c_cflag |= CREAD | CLOCAL; // receiver on; modem lines ignored
    tio.c_cc[VMIN] = 0;            // the board is never read; a read would not wait
    tio.c_cc[VTIME] = 0;
    tcsetattr(m_fd, TCSANOW, &tio);
  }
  // Then the speed. 2400, 4800 and 9600 go through the standard codes, so every tool sees
  // them; a rate in between through termios2, and a device that refuses it keeps its speed.
  if (const speed_t code = standardSpeedCode(baud); code != 0) {
    if (tcgetattr(m_fd, &tio) == 0 && cfsetispeed(&tio, code) == 0 && cfsetospeed(&tio, code) == 0)
      tcsetattr(m_fd, TCSANOW, &tio);
  } else {
    setCustomLineSpeed(m_fd, baud);
  }
  // The board's 1024-byte transmit and receive buffers have no equivalent here: Linux sizes a
  // tty's queues itself and offers no call to set them.
}

void SerialPort::readBackLine() {
  if (const int32_t speed = readLineSpeed(m_fd); speed > 0) m_bitsPerSecond = speed;
  m_bitsPerByte = readBitsPerByte(m_fd);
}

bool SerialPort::write(const uint8_t *bytes, size_t size, Clock::time_point deadline) {
  if (m_fd < 0) return false;
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(m_fd, bytes + done, size - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) return false; // device gone or broken: the frame is lost
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now());
    if (left.count() <= 0) return false;
    pollfd p{m_fd, POLLOUT, 0};
    if (retryOnInterrupt([&] { return poll(&p, 1, static_cast<int>(left.count()) + 1); }) <= 0) return false;
    if (p.revents & (POLLERR | POLLHUP | POLLNVAL)) return false;
  }
  return true;
}

int SerialPort::queuedOutputBytes() const {
  int queued = 0;
  if (m_fd < 0 || ioctl(m_fd, TIOCOUTQ, &queued) != 0) return 0;
  return queued;
}

void SerialPort::close() noexcept {
  if (m_fd < 0) return;
  // Let the last frames reach the board, but never wait for a device that has stopped: the
  // kernel's close would otherwise wait for the queue to empty.
  const auto giveUp = now() + kCloseDrainLimit;
  while (queuedOutputBytes() > 0 && now() < giveUp) sleepFor(std::chrono::milliseconds(1));
  tcflush(m_fd, TCOFLUSH);
  // The exclusive flag belongs to the tty, not to this descriptor: clear it, or a device held
  // open elsewhere (a virtual board) would refuse our own next open.
  ioctl(m_fd, TIOCNXCL);
  ::close(m_fd); // Linux releases the descriptor even when close reports an error
  m_fd = -1;
}

} // namespace tavik
