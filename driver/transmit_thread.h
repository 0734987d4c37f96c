// The transmit thread: the only writer to the serial port while a link is open.
#pragma once

#include "serial_port.h"
#include "slot_table.h"

#include <thread>

namespace tavik {

class TransmitThread {
public:
  TransmitThread() = default;
  TransmitThread(const TransmitThread &) = delete;
  TransmitThread &operator=(const TransmitThread &) = delete;
  ~TransmitThread() { stop(); }

  // Clears the stop request and starts sending every slot whose target differs from what was
  // last sent. False when the system could not start a thread.
  bool start(SlotTable &slots, SerialPort &port);
  // Asks the thread to send what changed since it last sent each slot and end, within
  // kFinalPassLimit, and waits for it.
  void stop();

private:
  SlotTable *m_slots = nullptr;
  std::thread m_thread;
};

// How long one write of frames may wait for the device before they count as sent all the same.
inline constexpr auto kFrameWriteTimeout = std::chrono::milliseconds(100);
// How long the last frames may take once a stop is asked for. With the port's own close
// (at most 100 ms of draining) a close stays within half a second on any device.
inline constexpr auto kFinalPassLimit = std::chrono::milliseconds(300);

} // namespace tavik
