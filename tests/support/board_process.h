// The tavik-board program run for real, with its log in a folder of its own, for tests that
// look at what reached the board.
#pragma once

#include "temporary_folder.h"

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tavik::testing {

struct LogLine {
  long long us;     // microseconds since the board started
  std::string rest; // "servo position", or "error ..."
};

class BoardProcess {
public:
  // `fast` takes bytes at once instead of at the line's speed.
  explicit BoardProcess(bool fast);
  ~BoardProcess();
  BoardProcess(const BoardProcess &) = delete;
  BoardProcess &operator=(const BoardProcess &) = delete;

  std::string link() const { return m_dir.file("line"); }
  std::string log() const { return m_dir.file("board.log"); }

  // Ends the board with SIGTERM; its exit status.
  int stop();

  std::vector<LogLine> lines() const;
  // Waits until the log holds `count` lines, or `timeout` has passed.
  std::vector<LogLine> waitForLines(size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

  static const char *program();

private:
  TemporaryFolder m_dir;
  pid_t m_pid = -1;
};

} // namespace tavik::testing
