// The board's log: one line per frame, "<microseconds since start> <servo> <position>", or
// "<microseconds> error <what>" for bytes that made no frame. Each line is flushed at once so
// a reader sees it as soon as the frame is in.
#pragma once

#include "frame_decoder.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace tavik::board {

class BoardLog {
public:
  // Throws when `path` cannot be written, here and in write().
  explicit BoardLog(const std::string &path);
  ~BoardLog();
  BoardLog(const BoardLog &) = delete;
  BoardLog &operator=(const BoardLog &) = delete;

  void write(const BoardEvent &event);

private:
  std::string m_path;
  std::FILE *m_file = nullptr;
  std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

} // namespace tavik::board
