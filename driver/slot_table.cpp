// Resetting the slots, and parking the transmit thread without losing a wake-up.
#include "slot_table.h"

namespace tavik {

void SlotTable::resetTargets(int32_t position) {
  for (auto &target : m_target) target.store(position);
}

void SlotTable::forgetSent() {
  for (auto &sent : m_sent) sent.store(kNothingSent);
}

bool SlotTable::workPending() const {
  if (stopRequested()) return true;
  for (int slot = 0; slot < kSlots; ++slot)
    if (target(slot) != sent(slot)) return true;
  return false;
}

void SlotTable::waitForWork() {
  // All of these are sequentially consistent: either setTarget's store comes before the
  // check below (so the check sees it) or our m_parked store comes before setTarget's load of
  // it (so it bumps m_changes, and wait() returns because the count moved on).
  m_parked.store(true);
  const uint32_t seen = m_changes.load();
  if (!workPending()) m_changes.wait(seen);
  m_parked.store(false);
}

} // namespace tavik
