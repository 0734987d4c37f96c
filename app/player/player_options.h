// quarnel-play's command line: the script, the servo settings, the port, and how to play.
#pragma once

#include <optional>
#include <string>
#include <variant>

class QCoreApplication;

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
};

// What the command line asked for: a run, or the text to print and the exit code (the help and
// the version with 0 on standard output; a mistake with the usage and 2 on standard error).
struct PlayerExit {
  std::string text;
  int code = 0;
};

std::variant<PlayerOptions, PlayerExit> parsePlayerOptions(const QCoreApplication &app);

} // namespace quarnel
