// Everything that reaches a pty's master, read by a thread of its own and kept with the time it
// arrived, so a long run never fills the line while the test or benchmark is busy elsewhere.
#pragma once

#include "pseudo_terminal.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace tavik::testing {

class LineRecorder {
public:
  struct Frame {
    int servo;
    int position;
    std::chrono::steady_clock::time_point at;
  };

  explicit LineRecorder(PseudoTerminal &pty);
  ~LineRecorder() { stop(); }
  LineRecorder(const LineRecorder &) = delete;
  LineRecorder &operator=(const LineRecorder &) = delete;

  // Ends the reading thread; what arrived stays readable.
  void stop();
  std::vector<uint8_t> bytes() const;
  // The bytes taken three at a time, as the driver sends them.
  std::vector<Frame> frames() const;

private:
  void run();

  PseudoTerminal &m_pty;
  mutable std::mutex m_lock;
  std::vector<uint8_t> m_bytes;
  std::vector<std::chrono::steady_clock::time_point> m_arrivals; // one per byte
  std::atomic<bool> m_running{true};
  std::thread m_reader;
};

} // namespace tavik::testing
