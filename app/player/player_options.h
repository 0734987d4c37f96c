// quarnel-play's command line: the script, the servo settings, the port, and how to play.
#pragma once

#include <optional>
#include <string>
#include <variant>

namespace quarnel {

struct PlayerOptions {
  std::string script;
  std::string servoSettings; // empty: the default rows, every home at 127
  int port = 1;
  std::string device; // set: port 1 is this device
  int baud = 9600;
  std::optional<int> loops; // nothing: loops run for ever
  int speed = 32;           // of the move to home before line 1
  bool dryRun = false;
  bool noSound = false;               // SOUND lines in silence, the run timed by the clock
  std::optional<int> soundOffsetMs;   // nothing: as quarnel.conf has it
};

// The options of a run, or the exit status when the program is to end at once: the help or the
// version printed (0, or 1 when it could not be), a mistake said with the usage (2).
std::variant<PlayerOptions, int> parsePlayerOptions();

} // namespace quarnel
