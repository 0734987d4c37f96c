// The steady clock, or the time source put in its place.
#include "monotonic_clock.h"

#include <atomic>
#include <thread>

namespace tavik {

namespace {
std::atomic<TimeSource *> g_source{nullptr};
} // namespace

void useTimeSource(TimeSource *source) { g_source.store(source); }

Clock::time_point now() {
  TimeSource *source = g_source.load();
  return source ? source->now() : Clock::now();
}

void sleepUntil(Clock::time_point until) {
  if (TimeSource *source = g_source.load()) source->sleepUntil(until);
  else std::this_thread::sleep_until(until);
}

} // namespace tavik
