#include "line_recorder.h"

namespace tavik::testing {

LineRecorder::LineRecorder(PseudoTerminal &pty) : m_pty(pty), m_reader([this] { run(); }) {}

void LineRecorder::stop() {
  m_running = false;
  if (m_reader.joinable()) m_reader.join();
}

void LineRecorder::run() {
  while (m_running) {
    // Three bytes at most, so a frame is timed when it is in, not when more follow.
    const auto bytes = m_pty.read(3, std::chrono::milliseconds(5));
    const auto at = std::chrono::steady_clock::now();
    std::lock_guard guard(m_lock);
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    m_arrivals.insert(m_arrivals.end(), bytes.size(), at);
  }
}

std::vector<uint8_t> LineRecorder::bytes() const {
  std::lock_guard guard(m_lock);
  return m_bytes;
}

std::vector<LineRecorder::Frame> LineRecorder::frames() const {
  std::lock_guard guard(m_lock);
  std::vector<Frame> frames;
  for (size_t i = 0; i + 2 < m_bytes.size(); i += 3) frames.push_back({m_bytes[i + 1], m_bytes[i + 2], m_arrivals[i + 2]});
  return frames;
}

} // namespace tavik::testing
