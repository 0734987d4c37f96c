// Turns the bytes a board receives into position frames, the way a real board does: a 255
// starts a frame wherever it comes, so a lost byte costs one frame, not the rest of the line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavik::board {

struct BoardEvent {
  enum class Kind { Frame, Error };
  Kind kind;
  int servo = 0;
  int position = 0;
  std::string error; // what was wrong, for Kind::Error
};

class FrameDecoder {
public:
  static constexpr uint8_t kFrameStart = 255;
  static constexpr int kHighestServo = 31;

  // Takes one byte; returns a frame once its last byte is in, or an error for a byte that
  // belongs to no frame.
  std::optional<BoardEvent> feed(uint8_t byte);

private:
  enum class State { WaitStart, WaitServo, WaitPosition };
  State m_state = State::WaitStart;
  int m_servo = 0;
};

} // namespace tavik::board
