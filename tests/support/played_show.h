// A program run (quarnel-play, as a user runs it) while the test's sound server's sink is
// recorded and tavik-board logs the wire, the recording and the log both put on this process's
// steady clock: what was heard and what reached the board, side by side.
#pragma once

#include "board_process.h"
#include "sound_server.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tavik::testing {

struct PlayedShow {
  int exitCode = -1;        // -1: it did not end in time and was killed
  double cpuSeconds = 0;    // its user and system time
  std::vector<float> heard; // the sink's monitor, mono at SoundServer::rate
  double heardStart = 0;    // the steady clock's seconds at the first sample
  std::vector<LogLine> wire;
  double wireStart = 0; // the steady clock's seconds at the log's 0

  double heardAt(int64_t frame) const { return heardStart + static_cast<double>(frame) / SoundServer::rate; }
  // When each click of the recording was played: recorded a sink's latency before.
  std::vector<double> clicksPlayed() const;
  // When each of the servo's frames started on the wire, with its position: the board logs a
  // frame once its last byte is in, a frame's time at 9600 bit/s after its first.
  std::vector<std::pair<double, int>> servoFrames(int servo) const;
  // When each move of the servo started on the wire: the first frame to change its position
  // after it stood still for longer than `stillSeconds`, or since the open's.
  std::vector<double> moveStarts(int servo, double stillSeconds) const;
};

// `command` begins with the program's path; its output goes to `out`.
PlayedShow playShow(const SoundServer &server, const BoardProcess &board, const std::vector<std::string> &command,
                    const std::string &out, std::chrono::seconds timeout);

} // namespace tavik::testing
