// Waiting on a condition rather than for a fixed time: a test goes on as soon as what it waits
// for has happened, and the time-out is only there for the case where it never does.
#pragma once

#include <chrono>
#include <thread>

namespace tavik::testing {

// Checks `condition` every five milliseconds until it holds (true) or `timeout` has passed (false).
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
  const auto giveUp = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

} // namespace tavik::testing
