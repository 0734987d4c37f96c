// These tests call the driver's own objects, linked in, on time that never makes them wait: each
// wait of the driver moves the clock on by what it would have waited and returns at once. The
// pacing and time limits keep their order and their sums on the driver's clock, without the
// real time they would take; waits for the device (poll) still take real time, and count too.
#include "driver_fixture.h"
#include "monotonic_clock.h"
#include "tavik.h"

#include <atomic>

namespace tavik::testing {

namespace {

class FastForwardTime : public TimeSource {
public:
  Clock::time_point now() override { return Clock::now() + Duration(m_skipped.load()); }
  void sleepUntil(Clock::time_point until) override {
    const Duration ahead = until - now();
    if (ahead > Duration::zero()) m_skipped.fetch_add(ahead.count());
  }

private:
  std::atomic<Duration::rep> m_skipped{0};
};

} // namespace

const TavikLibrary &driverUnderTest() {
  static FastForwardTime time;
  static const TavikLibrary linked = [] {
    useTimeSource(&time);
    return TavikLibrary{TVK_OPEN, TVK_MOVE, TVK_SENT, TVK_CLOSE};
  }();
  return linked;
}

} // namespace tavik::testing
