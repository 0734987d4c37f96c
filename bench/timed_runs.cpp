// Timing runs on the steady clock.
#include "timed_runs.h"

#include <algorithm>
#include <chrono>

namespace quarnel::bench {

std::vector<double> timedRuns(int runs, const std::function<void()> &prepare, const std::function<void()> &measured) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    measured();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  return ms;
}

} // namespace quarnel::bench
