// The servo configuration: which board, how to reach it, and the twelve servo rows.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

constexpr int servoChannels = 12;
// The settings window offers COM ports 1 to 4 (list index 0 to 3).
constexpr int comPorts = 4;

// The name of a servo settings file's end record, which no servo may take: reading stops there.
constexpr std::string_view servoSettingsEnd = "***";

// One servo row, its texts kept exactly as typed or loaded (UTF-8); numbers are read from them
// only when needed.
struct ServoSetting {
  std::string name;
  std::string minimum;
  std::string home;
  std::string maximum;

  static ServoSetting defaults(int row);
  bool operator==(const ServoSetting &) const = default;
};

using ServoRows = std::array<ServoSetting, servoChannels>;

ServoRows defaultServoRows();

class ServoConfiguration {
public:
  static constexpr int eightServos = 0;
  static constexpr int twelveServos = 1;

  int boardChoice = twelveServos;
  int commPortIndex = 0; // ports 1 to 4
  int baudIndex = 0;     // 9600; 2400 is index 1, offered only by the 8-servo board
  ServoRows servos = defaultServoRows();

  int servoCount() const { return boardChoice == eightServos ? 8 : 12; }
  int commPort() const { return commPortIndex + 1; }
  int baudRate() const { return baudIndex == 1 ? 2400 : 9600; }

  std::optional<int16_t> minimum(int row) const;
  std::optional<int16_t> home(int row) const;
  std::optional<int16_t> maximum(int row) const;

  bool operator==(const ServoConfiguration &) const = default;
};

} // namespace quarnel
