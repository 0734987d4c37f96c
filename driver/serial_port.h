// The serial device behind one link: exclusive open, raw 8N1 line set-up, frame writes with
// a time-out, and a close that never waits long for a stalled device.
#pragma once

#include "monotonic_clock.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tavik {

class SerialPort {
public:
  SerialPort() = default;
  SerialPort(const SerialPort &) = delete;
  SerialPort &operator=(const SerialPort &) = delete;
  ~SerialPort() { close(); }

  // Opens `device` for this process alone and sets the line up at `baud` bit/s. False when the
  // device cannot be opened, is in use or is no terminal; a line setting the device refuses is
  // skipped.
  bool open(const std::string &device, int32_t baud);

  // Writes `size` bytes in one write when the device takes them; finishes a short write, but
  // gives up at `deadline`. False when not every byte was taken.
  bool write(const uint8_t *bytes, size_t size, Clock::time_point deadline);

  // Bit rate and bits per byte (start, data, parity, stop) as the line is set now.
  int32_t bitsPerSecond() const { return m_bitsPerSecond; }
  int bitsPerByte() const { return m_bitsPerByte; }

  // Bytes the device still holds for sending (0 where it cannot tell, as a pty).
  int queuedOutputBytes() const;

  void close() noexcept;

private:
  void configureLine(int32_t baud);
  void readBackLine();

  int m_fd = -1;
  int32_t m_bitsPerSecond = 9600;
  int m_bitsPerByte = 10;
};

} // namespace tavik
