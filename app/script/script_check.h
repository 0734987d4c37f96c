// Whether a script's lines can be carried out: a node line needs a node of its name whose speeds
// give step intervals, a pause a length in milliseconds, an EASE a curve, a JAW a servo and
// positions, a SOUND a file that can be played. The runner meets these one line at a time, but
// for the sounds, which it checks before a run starts; quarnel-play checks the whole script
// before it sends anything.
#pragma once

#include "script/script_model.h"

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// Why a line cannot be carried out, in the user's language.
std::string noSuchNode();
std::string pauseIsNoNumber();
std::string easeCurveUnknown();
std::string jawUnreadable();

// A pause line's length text as the milliseconds the pause counts; nothing when it is no number
// or beyond what the countdown holds.
std::optional<float> pauseMilliseconds(std::string_view lengthText);

struct UnrunnableLine {
  int row = 0;
  std::string text;
  std::string reason;
};

// The sound a SOUND line's path names, read into the script's shelf, or why it cannot be played.
SoundRead lineSound(const ScriptModel &script, std::string_view soundPath);

// The first line, from row 1 on, that cannot be carried out as it stands.
std::optional<UnrunnableLine> firstUnrunnableLine(const ScriptModel &script);
// The first SOUND line whose sound cannot be played.
std::optional<UnrunnableLine> firstUnplayableSound(const ScriptModel &script);

} // namespace quarnel
