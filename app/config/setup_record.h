// The start-up values kept in setup.res: where the two windows stand (in twips) and the board,
// COM port and baud choices.
#pragma once

#include "servos/servo_configuration.h"

#include <cstdint>

namespace quarnel {

struct SetupRecord {
  double settingsLeft = 0;
  double settingsTop = 0;
  int commPortIndex = 0;
  int baudIndex = 0;
  Board boardChoice = Board::TwelveServos;
  int16_t controlsLeft = 0;
  double controlsTop = 0;

  bool operator==(const SetupRecord &) const = default;
};

} // namespace quarnel
