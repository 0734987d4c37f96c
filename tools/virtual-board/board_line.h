// The board's end of the serial line: a pty pair whose slave is published under a link path.
// Bytes are taken as fast as the line would carry them at the speed the driver set, or at
// once in fast mode.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace tavik::board {

class BoardLine {
public:
  // Opens the pty and links `linkPath` to its slave. A stale link is replaced; a link to a line
  // still open, or any other file at that path, is left alone and the constructor throws, as it
  // does when the link cannot be made: the pty is closed again then.
  explicit BoardLine(std::string linkPath);
  ~BoardLine();
  BoardLine(const BoardLine &) = delete;
  BoardLine &operator=(const BoardLine &) = delete;

  const std::string &slavePath() const { return m_slavePath; }
  // The speed the driver set on the line, in bit/s.
  int32_t lineSpeed() const;

  // The next byte, once the line has carried it; nothing when `stopFd` becomes readable
  // first (a signal arrived).
  std::optional<uint8_t> nextByte(int stopFd, bool fast);

private:
  // Waits until `until`, or until a byte can be read when `forByte`; false when `stopFd`
  // became readable first.
  bool waitFor(int stopFd, bool forByte, std::chrono::steady_clock::time_point until);
  void closePty() noexcept;

  std::string m_linkPath;
  std::string m_slavePath;
  int m_master = -1;
  int m_slave = -1; // held open so the line survives the driver's close and shows its settings
  std::chrono::steady_clock::time_point m_lineFreeAt{};
  uint8_t m_buffer[256];
  int m_buffered = 0;
  int m_next = 0;
};

} // namespace tavik::board
