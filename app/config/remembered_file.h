// quarnel.conf beside setup.res: what the user last worked with, kept between runs. Lines of
// key=value under [sections], as in an INI file, the values in the file system's own bytes.
#pragma once

#include "motion/motion_model.h"
#include "servos/servo_configuration.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

// The device chosen for each COM port 1 to 4; empty where the user chose none.
using PortDevices = std::array<std::string, comPorts>;

// How many files of each kind File > Open Recent offers.
constexpr size_t recentFileCount = 8;

struct Remembered {
  std::string servoSettingsFile; // the last .sst opened or saved
  std::string scriptFile;        // the last .tvk opened or saved
  std::string servoSettingsFolder; // where the .sst dialogs start
  std::string scriptFolder;        // where the .tvk dialogs start
  PortDevices portDevices;
  // Where the board's servos were last sent, as "p0,p1,...,p11", and the servo settings file
  // they belong to (empty for the default rows).
  std::string positionsServoSettings;
  std::string positions;
  std::vector<std::string> recentServoSettings; // newest first, at most recentFileCount
  std::vector<std::string> recentScripts;
  // The sound timing's two numbers as written; empty for the default.
  std::string soundOffsetMs;
  std::string jawLookAheadMs;

  bool operator==(const Remembered &) const = default;
};

// Twelve positions as they are written, and back; nothing unless the text holds twelve whole
// numbers from 0 to 254.
std::string positionsText(const ServoPositions &positions);
std::optional<ServoPositions> positionsFromText(std::string_view text);

// Empty values are left out, and so is a value holding a line break, which no line can carry.
std::string writeRememberedFile(const Remembered &remembered);

// Unknown sections, keys and lines are passed over, so a newer version's file still reads; so
// are recent files past the first recentFileCount.
Remembered readRememberedFile(std::string_view bytes);

} // namespace quarnel
