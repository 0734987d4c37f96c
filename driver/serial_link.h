// The one link of the process: the slot table, the port and the transmit thread, and the
// rules of opening, moving and closing.
#pragma once

#include "serial_port.h"
#include "slot_table.h"
#include "transmit_thread.h"

#include <cstdint>
#include <string>

namespace tavik {

class SerialLink {
public:
  static SerialLink &instance();

  bool open(int32_t port, int32_t baud);
  bool move(int32_t servo, int32_t position);
  void close();

  // Port n is $TAVIK_COM<n> when set, else /dev/ttyS<n-1>.
  static std::string devicePath(int32_t port);
  static int32_t clampedLineSpeed(int32_t baud);

private:
  SerialLink() = default;
  ~SerialLink() { close(); }

  SlotTable m_slots;
  SerialPort m_port;
  TransmitThread m_thread;
};

} // namespace tavik
