// Opening, moving and closing the link.
#include "serial_link.h"

#include "port_device.h"
#include "tavik.h"

#include <algorithm>

namespace tavik {

namespace {
constexpr int32_t kHighestPosition = 254; // 255 starts every frame
constexpr int32_t kHomePosition = 127;
} // namespace

SerialLink::SerialLink() { m_slots.resetTargets(kHomePosition); }

SerialLink &SerialLink::instance() noexcept {
  static SerialLink link;
  return link;
}

int32_t SerialLink::clampedLineSpeed(int32_t baud) { return std::clamp(baud, TVK_LOWEST_BAUD, TVK_HIGHEST_BAUD); }

bool SerialLink::open(int32_t port, int32_t baud) {
  const auto device = portDevice(port);
  if (!device) return false;
  const std::lock_guard lock(m_lifecycle);
  // A second open replaces the first link: its thread ends and its port closes before anything
  // else is opened, so there is never more than one of either.
  closeLink();
  if (device->empty() || !m_port.open(*device, clampedLineSpeed(baud))) return false;
  // The targets stand as the caller named them since the last close (127 where it named none):
  // the first pass sends each one.
  m_slots.forgetSent();
  // A link whose thread cannot start would never send: no link at all, and the port is free.
  if (!m_thread.start(m_slots, m_port)) {
    m_port.close();
    return false;
  }
  return true;
}

bool SerialLink::move(int32_t servo, int32_t position) noexcept {
  if (servo < 0 || position < 0 || position > kHighestPosition) return false;
  // Numbers above 31 have no slot: refused rather than silently dropped.
  if (servo >= SlotTable::kSlots) return false;
  m_slots.setTarget(servo, position);
  return true;
}

int32_t SerialLink::sent(int32_t servo) const noexcept {
  if (servo < 0 || servo >= SlotTable::kSlots) return SlotTable::kNothingSent;
  return m_slots.sent(servo);
}

void SerialLink::close() {
  const std::lock_guard lock(m_lifecycle);
  closeLink();
  m_slots.resetTargets(kHomePosition);
}

void SerialLink::closeLink() {
  m_thread.stop();
  m_port.close();
}

} // namespace tavik
