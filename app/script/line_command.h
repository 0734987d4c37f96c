// What a script line asks for: nothing, a pause, a wait, a jump back to the loop start, or a
// move to a node, judged from its text alone. Which node a node line means is the node table's
// business.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

constexpr std::string_view waitCommand = "WAIT";
constexpr std::string_view pauseCommand = "PAUSE";
constexpr std::string_view loopStartCommand = "LOOPSTART";
constexpr std::string_view loopEndCommand = "LOOPEND";

enum class LineKind { Nothing, Pause, Wait, LoopEnd, Node };

struct LineCommand {
  LineKind kind = LineKind::Nothing;
  std::string pauseLength; // the text after "PAUSE", for a pause
};

// Keywords count in any case, and "PAUSE" anywhere in the line (exact case) makes it a pause
// whose length is the text from the line's 6th character on: files rely on both.
LineCommand classifyLine(std::string_view text);

} // namespace quarnel
