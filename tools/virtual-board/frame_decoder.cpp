#include "frame_decoder.h"

namespace tavik::board {

namespace {
BoardEvent error(std::string text) { return {BoardEvent::Kind::Error, 0, 0, std::move(text)}; }
} // namespace

std::optional<BoardEvent> FrameDecoder::feed(uint8_t byte) {
  if (byte == kFrameStart) {
    const bool cutShort = m_state != State::WaitStart;
    m_state = State::WaitServo;
    if (cutShort) return error("incomplete frame");
    return std::nullopt;
  }
  switch (m_state) {
  case State::WaitStart:
    return error("stray byte " + std::to_string(byte));
  case State::WaitServo:
    m_servo = byte;
    m_state = State::WaitPosition;
    return std::nullopt;
  case State::WaitPosition:
    m_state = State::WaitStart;
    if (m_servo > kHighestServo)
      return error("servo " + std::to_string(m_servo) + " out of range, position " + std::to_string(byte));
    return BoardEvent{BoardEvent::Kind::Frame, m_servo, byte, {}};
  }
  return std::nullopt;
}

} // namespace tavik::board
