// The driver's queue as the simulation plays it: the driver passes over its slots in ascending
// order and sends each changed slot's newest value, one frame at a time at the line's rate, so a
// slot changed again while it waits goes once, with its newest value.
#pragma once

#include "motion/motion_model.h"

#include <array>

namespace quarnel {

class DriverQueue {
public:
  // The board holds `start` and nothing waits; each frame takes `frameMs`.
  DriverQueue(const ServoPositions &start, double frameMs);

  // Hands the driver `position` for `servo` at `timeMs`, no earlier than the last time given.
  void change(double timeMs, int servo, int16_t position);
  // Sends every frame whose turn on the line comes at or before `timeMs`.
  void sendUntil(double timeMs);
  // Whether every change has been sent, by the last sendUntil.
  bool carried() const { return m_pending == 0; }
  // The same for the slot's last change.
  bool carried(int slot) const { return !isPending(slot); }

  // The longest a change has waited for its frame to start.
  double worstLagMs() const { return m_worstLagMs; }
  // Values overtaken by a newer one of their slot before their frame.
  int skipped() const { return m_skipped; }

private:
  static constexpr int slots = 32;
  bool isPending(int slot) const { return m_newest[slot] != m_sent[slot]; }

  const double m_frameMs;
  std::array<int, slots> m_sent;
  std::array<int, slots> m_newest;
  std::array<double, slots> m_waitingSince{};
  int m_pending = 0;
  int m_cursor = 0;
  double m_lineFree = 0;
  double m_worstLagMs = 0;
  int m_skipped = 0;
};

} // namespace quarnel
