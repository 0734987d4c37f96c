// The state the caller's thread shares with the transmit thread: the wanted and the last sent
// position of every servo slot, and the stop request. Every item is one atomic 32-bit value;
// nothing here takes a lock.
#pragma once

#include "monotonic_clock.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace tavik {

class SlotTable {
public:
  static constexpr int kSlots = 32;
  static constexpr int32_t kNothingSent = -1;

  // Caller's side. setTarget costs one store and one load; it only makes a system call when
  // the transmit thread is parked waiting for a change.
  void setTarget(int slot, int32_t position) noexcept {
    m_target[slot].store(position);
    if (m_parked.load()) wake();
  }
  // Every target becomes `position`: what the next open sends where nobody names another.
  void resetTargets(int32_t position);
  // Nothing counts as sent: the next transmit thread sends every slot once.
  void forgetSent();
  // The thread's last frames must be out by `deadline`.
  void requestStop(Clock::time_point deadline) {
    m_stopDeadline.store(deadline.time_since_epoch().count());
    m_stop.store(-1);
    wake();
  }
  void clearStop() { m_stop.store(0); }

  // Transmit thread's side.
  bool stopRequested() const { return m_stop.load() != 0; }
  Clock::time_point stopDeadline() const { return Clock::time_point(Clock::duration(m_stopDeadline.load())); }
  int32_t target(int slot) const { return m_target[slot].load(); }
  // Also read by the caller's side, to learn what the line has carried.
  int32_t sent(int slot) const { return m_sent[slot].load(std::memory_order_relaxed); }
  void markSent(int slot, int32_t position) { m_sent[slot].store(position, std::memory_order_relaxed); }
  // Sleeps until a target differs from what was sent or a stop is requested; returns at once
  // when either is already so.
  void waitForWork();

private:
  bool workPending() const;
  void wake() noexcept {
    m_changes.fetch_add(1);
    m_changes.notify_one();
  }

  std::array<std::atomic<int32_t>, kSlots> m_target{};
  std::array<std::atomic<int32_t>, kSlots> m_sent{};
  std::atomic<int32_t> m_stop{0};
  std::atomic<Clock::rep> m_stopDeadline{0};
  std::atomic<bool> m_parked{false};
  std::atomic<uint32_t> m_changes{0};
};

} // namespace tavik
