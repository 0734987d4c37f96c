// The transmit loop: passes over the 32 slots in ascending order, one frame 255, slot,
// position for each changed slot, paced to the line so the newest value is what gets sent;
// and the last pass that a stop asks for. The frames due together leave in one write.
#include "transmit_thread.h"

#include <algorithm>
#include <array>
#include <pthread.h>
#include <system_error>

namespace tavik {

namespace {

constexpr uint8_t kFrameStart = 255;
constexpr int kFrameBytes = 3;
constexpr auto kHandOverLead = std::chrono::microseconds(300);
// How much of the line one write may book ahead. Each write and each wake-up costs the
// process more than the bytes do, so a busy line is fed a few frames at a time; a longer
// batch would let its last frame's value grow stale while the ones before it leave.
constexpr auto kBatchWindow = std::chrono::milliseconds(10);

// Keeps the device's output queue down to the batch on the wire. A frame written while older
// ones wait in the queue would carry a value that may be stale by the time it leaves, and under
// a steady stream of moves the queue would grow into seconds of lag.
class LinePacer {
public:
  explicit LinePacer(const SerialPort &port)
      : m_port(port),
        m_frameTime(std::chrono::nanoseconds(1'000'000'000LL * kFrameBytes * port.bitsPerByte() / port.bitsPerSecond())),
        m_batchFrames(std::max<int>(1, static_cast<int>(Duration(kBatchWindow) / m_frameTime))) {}

  // Frames one write may carry.
  int batchFrames() const { return m_batchFrames; }

  // Waits no later than `notAfter`.
  void waitForRoom(Clock::time_point notAfter) {
    // Hand the next frames over just before the line runs dry: early enough that the line does
    // not idle for our wake-up, late enough that no frame sits waiting with a stale value
    // behind more than its own batch.
    const auto roomAt = std::min(m_lineBusyUntil - std::min<Duration>(m_frameTime, kHandOverLead), notAfter);
    if (now() < roomAt) sleepUntil(roomAt);
    // A real UART reports its queue; wait (a little, bounded) for it to come down too.
    for (int i = 0; i < 4 && now() < notAfter && m_port.queuedOutputBytes() > kFrameBytes; ++i)
      sleepFor(m_frameTime / 4);
  }

  // The frames handed to the device have had the time to leave (at most a batch and a frame),
  // or `notAfter` has come.
  void waitForLineIdle(Clock::time_point notAfter) const { sleepUntil(std::min(m_lineBusyUntil, notAfter)); }

  void framesWritten(int count) { m_lineBusyUntil = std::max(now(), m_lineBusyUntil) + count * m_frameTime; }

private:
  const SerialPort &m_port;
  const Duration m_frameTime;
  const int m_batchFrames;
  Clock::time_point m_lineBusyUntil{};
};

// The first slot from `slot` on whose target differs from what was last sent; kSlots when none.
int firstChanged(const SlotTable &slots, int slot) {
  while (slot < SlotTable::kSlots && slots.target(slot) == slots.sent(slot)) ++slot;
  return slot;
}

// Sends the changed slots from `slot` on, as many as one batch holds, in one write that is over
// by `notAfter`; returns the slot after the last one looked at.
int sendBatch(SlotTable &slots, SerialPort &port, LinePacer &pacer, int slot, Clock::time_point notAfter) {
  pacer.waitForRoom(notAfter);
  std::array<uint8_t, SlotTable::kSlots * kFrameBytes> frames;
  int bytes = 0;
  for (; slot < SlotTable::kSlots && bytes < pacer.batchFrames() * kFrameBytes; ++slot) {
    // The one read of the target that the comparison, the frame and SentPos all use: a move
    // landing during the write below is seen on the next pass, never lost.
    const int32_t target = slots.target(slot);
    if (target == slots.sent(slot)) continue;
    frames[bytes++] = kFrameStart;
    frames[bytes++] = static_cast<uint8_t>(slot);
    frames[bytes++] = static_cast<uint8_t>(target);
  }
  if (bytes == 0) return slot;
  // Frames the device does not take in time count as sent, like a failed write.
  port.write(frames.data(), bytes, std::min(now() + kFrameWriteTimeout, notAfter));
  for (int i = 0; i < bytes; i += kFrameBytes) slots.markSent(frames[i + 1], frames[i + 2]);
  pacer.framesWritten(bytes / kFrameBytes);
  return slot;
}

// The moves made just before a close still reach the board: one more pass sends every slot
// that changed since it was last sent, bounded by the stop's deadline so that a stalled or
// removed device cannot hold the close up.
void finalPass(SlotTable &slots, SerialPort &port, LinePacer &pacer) {
  const Clock::time_point deadline = slots.stopDeadline();
  for (int slot = firstChanged(slots, 0); slot < SlotTable::kSlots && now() < deadline; slot = firstChanged(slots, slot))
    slot = sendBatch(slots, port, pacer, slot, deadline);
  // The port's close drops what the device still holds; let the last frames out first.
  pacer.waitForLineIdle(deadline);
}

void transmitLoop(SlotTable &slots, SerialPort &port) noexcept {
  LinePacer pacer(port);
  for (;;) {
    bool sentAny = false;
    for (int slot = firstChanged(slots, 0); slot < SlotTable::kSlots; slot = firstChanged(slots, slot)) {
      if (slots.stopRequested()) break;
      slot = sendBatch(slots, port, pacer, slot, Clock::time_point::max());
      sentAny = true;
    }
    if (slots.stopRequested()) {
      finalPass(slots, port, pacer);
      return;
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
