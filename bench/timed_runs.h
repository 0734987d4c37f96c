// Timing a piece of work several times over, each run after its own unmeasured preparation.
#pragma once

#include <functional>
#include <vector>

namespace quarnel::bench {

// The milliseconds of each of `runs` runs of `measured`, fastest first.
std::vector<double> timedRuns(int runs, const std::function<void()> &prepare, const std::function<void()> &measured);

} // namespace quarnel::bench
