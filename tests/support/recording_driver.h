// A servo driver that records every call in order, for window tests that look at what the
// window asked of the link.
#pragma once

#include "link/servo_driver.h"

#include <string>
#include <vector>

namespace quarnel {

class RecordingDriver : public ServoDriver {
public:
  bool open(int32_t port, int32_t baud) override {
    calls.push_back("open " + std::to_string(port) + " " + std::to_string(baud));
    return opens;
  }
  void move(int32_t servo, int32_t position) override {
    calls.push_back("move " + std::to_string(servo) + " " + std::to_string(position));
  }
  void close() override { calls.push_back("close"); }

  std::vector<std::string> calls;
  bool opens = true; // what open answers
};

} // namespace quarnel
