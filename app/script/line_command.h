// What a script line asks for: nothing, a pause, a wait, a jump back to the loop start, the curve
// of the moves after it, or a move to a node, judged from its text alone. Which node a node line means is the node table's
// business.
#pragma once

#include "motion/eased_move.h"

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

constexpr std::string_view waitCommand = "WAIT";
constexpr std::string_view pauseCommand = "PAUSE";
constexpr std::string_view loopStartCommand = "LOOPSTART";
constexpr std::string_view loopEndCommand = "LOOPEND";
constexpr std::string_view easeCommand = "EASE";

enum class LineKind { Nothing, Pause, Wait, LoopEnd, Ease, Node };

struct LineCommand {
  LineKind kind = LineKind::Nothing;
  std::string pauseLength;       // the text after "PAUSE", for a pause
  std::optional<Easing> easing; // for an EASE line that names a curve
};

// Keywords count in any case, and "PAUSE" anywhere in the line (exact case) makes it a pause
// whose length is the text from the line's 6th character on: files rely on both. "EASE" is
// taken in capitals only, alone or before a space, so that no node name a file may already
// hold ("Ease off") turns into one; the curve after it counts in any case.
LineCommand classifyLine(std::string_view text);

// The curve an EASE line or the EASE button's answer names: LINEAR, IN, OUT or INOUT in any
// case, with spaces around it.
std::optional<Easing> easingNamed(std::string_view word);
// The line that sets `easing`: "EASE INOUT".
std::string easeLine(Easing easing);

} // namespace quarnel
