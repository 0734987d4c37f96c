// The clock the update tick measures with: seconds from a steady source that never wraps or
// jumps. Tests give the window a clock of their own.
#pragma once

#include <chrono>

namespace quarnel {

class Clock {
public:
  virtual ~Clock() = default;
  virtual double seconds() const = 0;
};

class SteadyClock : public Clock {
public:
  double seconds() const override {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  }
};

} // namespace quarnel
