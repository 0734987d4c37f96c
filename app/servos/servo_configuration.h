// The servo configuration: which board, how to reach it, and the twelve servo rows.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quarnel {

// The servos the application handles, 0 to 11, whichever board is chosen: the 8-servo board
// only hides the last four.
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

// What the user calls servo `servo` in messages and a screen reader: "Servo 3", with its name in
// brackets where it is not the default, "Servo 3 (Elbow)".
std::string servoCaption(int servo, const std::string &name);
// "Servo 3", or "Elbow" alone.
std::string servoSpokenName(int servo, const std::string &name);

// The board the settings window's two options choose between; setup.res keeps it as 0 or 1.
enum class Board { EightServos = 0, TwelveServos = 1 };

// The line speeds of the settings window's baud list, in its order; setup.res keeps the index
// into it. The 8-servo board offers both, the 12-servo board the first alone.
inline constexpr std::array<int, 2> baudRates{9600, 2400};
constexpr std::span<const int> offeredBaudRates(Board board) {
  return std::span(baudRates).first(board == Board::EightServos ? 2 : 1);
}

class ServoConfiguration {
public:
  Board boardChoice = Board::TwelveServos;
  int commPortIndex = 0; // ports 1 to 4
  int baudIndex = 0;     // into baudRates
  ServoRows servos = defaultServoRows();

  int servoCount() const { return boardChoice == Board::EightServos ? 8 : 12; }
  int commPort() const { return commPortIndex + 1; }
  int baudRate() const { return baudIndex >= 0 && baudIndex < std::ssize(baudRates) ? baudRates[baudIndex] : baudRates[0]; }

  std::optional<int16_t> minimum(int row) const;
  std::optional<int16_t> home(int row) const;
  std::optional<int16_t> maximum(int row) const;

  bool operator==(const ServoConfiguration &) const = default;
};

} // namespace quarnel
