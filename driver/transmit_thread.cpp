// The transmit loop: passes over the 32 slots in ascending order, one frame 255, slot,
// position for each changed slot, paced to the line so the newest value is what gets sent;
// and the last pass that a stop asks for.
#include "transmit_thread.h"

#include <algorithm>
#include <pthread.h>
#include <system_error>

namespace tavik {

namespace {

constexpr uint8_t kFrameStart = 255;
constexpr int kFrameBytes = 3;
constexpr auto kHandOverLead = std::chrono::microseconds(300);

// Keeps the device's output queue down to the frame on the wire. A frame written while
// an older one waits in the queue would carry a value that may be stale by the time it leaves,
// and under a steady stream of moves the queue would grow into seconds of lag.
class LinePacer {
public:
  explicit LinePacer(const SerialPort &port)
      : m_port(port),
        m_frameTime(std::chrono::nanoseconds(1'000'000'000LL * kFrameBytes * port.bitsPerByte() / port.bitsPerSecond())) {}

  // Waits no later than `notAfter`.
  void waitForRoom(Clock::time_point notAfter) {
    // Hand the next frame over just before the line runs dry: early enough that the line does
    // not idle for our wake-up, late enough that no whole frame sits waiting with a stale value.
    const auto roomAt = std::min(m_lineBusyUntil - std::min<Duration>(m_frameTime, kHandOverLead), notAfter);
    if (now() < roomAt) sleepUntil(roomAt);
    // A real UART reports its queue; wait (a little, bounded) for it to come down too.
    for (int i = 0; i < 4 && now() < notAfter && m_port.queuedOutputBytes() > kFrameBytes; ++i)
      sleepFor(m_frameTime / 4);
  }

  // The frames handed to the device have had the time to leave (at most two frame times), or
  // `notAfter` has come.
  void waitForLineIdle(Clock::time_point notAfter) const { sleepUntil(std::min(m_lineBusyUntil, notAfter)); }

  void frameWritten() { m_lineBusyUntil = std::max(now(), m_lineBusyUntil) + m_frameTime; }

private:
  const SerialPort &m_port;
  const Duration m_frameTime;
  Clock::time_point m_lineBusyUntil{};
};

// Sends the slot's frame when its target differs from what was last sent, all of it by
// `notAfter`; true when a frame was written.
bool sendIfChanged(SlotTable &slots, SerialPort &port, LinePacer &pacer, int slot, Clock::time_point notAfter) {
  if (slots.target(slot) == slots.sent(slot)) return false;
  pacer.waitForRoom(notAfter);
  // The one read of the target that the comparison, the frame and SentPos all use: a move
  // landing during the write below is seen on the next pass, never lost.
  const int32_t target = slots.target(slot);
  if (target == slots.sent(slot)) return false;
  const uint8_t frame[kFrameBytes] = {kFrameStart, static_cast<uint8_t>(slot), static_cast<uint8_t>(target)};
  // A frame the device does not take in time counts as sent, like a failed write.
  port.write(frame, kFrameBytes, std::min(now() + kFrameWriteTimeout, notAfter));
  slots.markSent(slot, target);
  pacer.frameWritten();
  return true;
}

// The moves made just before a close still reach the board: one more pass sends every slot
// that changed since it was last sent, bounded by the stop's deadline so that a stalled or
// removed device cannot hold the close up.
void finalPass(SlotTable &slots, SerialPort &port, LinePacer &pacer) {
  const Clock::time_point deadline = slots.stopDeadline();
  for (int slot = 0; slot < SlotTable::kSlots && now() < deadline; ++slot) sendIfChanged(slots, port, pacer, slot, deadline);
  // The port's close drops what the device still holds; let the last frames out first.
  pacer.waitForLineIdle(deadline);
}

void transmitLoop(SlotTable &slots, SerialPort &port) noexcept {
  LinePacer pacer(port);
  for (;;) {
    bool sentAny = false;
    for (int slot = 0; slot < SlotTable::kSlots; ++slot) {
      if (slots.stopRequested()) {
        finalPass(slots, port, pacer);
        return;
      }
      sentAny |= sendIfChanged(slots, port, pacer, slot, Clock::time_point::max());
    }
    if (!sentAny) slots.waitForWork();
  }
}

} // namespace

bool TransmitThread::start(SlotTable &slots, SerialPort &port) {
  stop();
  m_slots = &slots;
  slots.clearStop();
  try {
    m_thread = std::thread(transmitLoop, std::ref(slots), std::ref(port));
    pthread_setname_np(m_thread.native_handle(), "tavik-tx"); // named before anyone looks
  } catch (const std::system_error &) {
    return false;
  }
  return true;
}

void TransmitThread::stop() {
  if (m_slots) m_slots->requestStop(now() + kFinalPassLimit);
  if (m_thread.joinable()) m_thread.join();
}

} // namespace tavik
