// The script file (.tvk): the magic "TVKFILE", each created node's name and node data text,
// "***", every script line including the empty insertion row, "***". One quoted text per line,
// CR LF line ends, the 8-bit character set.
#pragma once

#include "script/script_model.h"

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

constexpr std::string_view scriptMagic = "TVKFILE";
constexpr std::string_view scriptSectionEnd = "***";
// Scripts of many thousand lines stay far below this; a larger file is refused unread.
constexpr long long largestScriptFile = 64ll << 20;

// Either the file's bytes or why the script cannot be written.
struct ScriptFileBytes {
  std::string bytes;
  std::optional<std::string> refusal;
};

ScriptFileBytes writeScript(const ScriptModel &script);

enum class ScriptRead { Complete, Damaged, NotValid };

// Reads the file's nodes and lines into a script that holds only Home and an empty script.
// A wrong first record is refused, leaving the script so; a damaged file keeps what was read
// before the damage. Each is reported with one message.
ScriptRead readScript(std::string_view bytes, ScriptModel &script);

} // namespace quarnel
