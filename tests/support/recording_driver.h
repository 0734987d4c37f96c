// A servo driver that records every call in order, for window tests that look at what the
// window asked of the link. Its line carries every position at once unless a test says else.
#pragma once

#include "link/servo_driver.h"

#include <array>
#include <string>
#include <vector>

namespace quarnel {

class RecordingDriver : public ServoDriver {
public:
  bool open(int32_t port, int32_t baud, const ServoPositions &startAt) override {
    calls.push_back("open " + std::to_string(port) + " " + std::to_string(baud));
    openedAt = startAt;
    std::copy(startAt.begin(), startAt.end(), lastSent.begin());
    return opens;
  }
  void move(int32_t servo, int32_t position) override {
    calls.push_back("move " + std::to_string(servo) + " " + std::to_string(position));
    lastSent[servo] = position;
  }
  int32_t sent(int32_t servo) const override { return lastSent[servo]; }
  void close() override { calls.push_back("close"); }

  std::vector<std::string> calls;
  bool opens = true; // what open answers
  ServoPositions openedAt{};
  std::array<int32_t, 32> lastSent{}; // what sent answers
};

} // namespace quarnel
