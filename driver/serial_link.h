// The one link of the process: the slot table, the port and the transmit thread, and the
// rules of opening, moving and closing.
#pragma once

#include "serial_port.h"
#include "slot_table.h"
#include "transmit_thread.h"

#include <cstdint>
#include <mutex>

namespace tavik {

class SerialLink {
public:
  static SerialLink &instance() noexcept;

  bool open(int32_t port, int32_t baud);
  bool move(int32_t servo, int32_t position) noexcept;
  // What the line last carried for `servo` since the last open; kNothingSent when nothing.
  int32_t sent(int32_t servo) const noexcept;
  void close();

  static int32_t clampedLineSpeed(int32_t baud);

private:
  SerialLink();
  ~SerialLink() { close(); }
  void closeLink();

  // Opening and closing take turns, whichever threads call them; moving never waits for them.
  std::mutex m_lifecycle;
  SlotTable m_slots;
  SerialPort m_port;
  TransmitThread m_thread;
};

} // namespace tavik
