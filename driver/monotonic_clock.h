// The driver's one source of time: a steady clock, so pacing and time-outs never jump. Code that
// links the driver's objects (its tests) may put a time source of its own in the clock's place;
// the loaded library offers no way to, its exports being the three calls alone.
#pragma once

#include <chrono>

namespace tavik {

using Clock = std::chrono::steady_clock;
using Duration = std::chrono::nanoseconds;

class TimeSource {
public:
  virtual ~TimeSource() = default;
  virtual Clock::time_point now() = 0;
  virtual void sleepUntil(Clock::time_point until) = 0;
};

// Every reading and wait of the driver goes to `source` from now on; nullptr is the steady
// clock again. Set before a link opens: the transmit thread reads it without a lock.
void useTimeSource(TimeSource *source);

Clock::time_point now();
void sleepUntil(Clock::time_point until);
inline void sleepFor(Duration duration) { sleepUntil(now() + duration); }

} // namespace tavik
