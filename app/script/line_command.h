// What a script line asks for: nothing, a pause, a wait, a jump back to the loop start, the curve
// of the moves after it, a sound to start or stop, a servo to follow the sound's voice, or a move
// to a node, judged from its text alone. Which node a node line means is the node table's
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
constexpr std::string_view soundCommand = "SOUND";
constexpr std::string_view jawCommand = "JAW";
constexpr std::string_view jawOffWord = "OFF";

enum class LineKind { Nothing, Pause, Wait, LoopEnd, Ease, Sound, Jaw, Node };

// A JAW line's servo and its positions in silence and at the loudest; nothing of them for JAW OFF.
struct JawFollow {
  int servo = 0;
  int closed = 0;
  int open = 0;
  friend bool operator==(const JawFollow &, const JawFollow &) = default;
};

struct LineCommand {
  LineKind kind = LineKind::Nothing;
  std::string pauseLength;       // the text after "PAUSE", for a pause
  std::optional<Easing> easing; // for an EASE line that names a curve
  std::string soundPath;        // for a SOUND line: the rest of the line; empty stops the sound
  bool jawOff = false;          // for JAW OFF
  std::optional<JawFollow> jaw; // for a JAW line that names a servo and two positions
};

// Keywords count in any case, and "PAUSE" anywhere in the line (exact case) makes it a pause
// whose length is the text from the line's 6th character on: files rely on both. "EASE" is
// taken in capitals only, alone or before a space, so that no node name a file may already
// hold ("Ease off") turns into one; the curve after it counts in any case. "SOUND" and "JAW" are
// taken the same way; a SOUND line's path may hold any text, "PAUSE" too.
LineCommand classifyLine(std::string_view text);

// The curve an EASE line or the EASE button's answer names: LINEAR, IN, OUT or INOUT in any
// case, with spaces around it.
std::optional<Easing> easingNamed(std::string_view word);
// The line that sets `easing`: "EASE INOUT".
std::string easeLine(Easing easing);
// The line that plays `path` ("SOUND voice.wav"); "SOUND" alone for an empty path.
std::string soundLine(std::string_view path);
// "JAW 3 40 120", or "JAW OFF" for nothing.
std::string jawLine(const std::optional<JawFollow> &jaw);

} // namespace quarnel
