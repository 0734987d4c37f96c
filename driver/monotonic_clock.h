// The driver's one source of time: a steady clock, so pacing and time-outs never jump.
#pragma once

#include <chrono>

namespace tavik {

using Clock = std::chrono::steady_clock;
using Duration = std::chrono::nanoseconds;

inline Clock::time_point now() { return Clock::now(); }

} // namespace tavik
