// A clock that stands still until the test moves it.
#pragma once

#include "motion/clock.h"

namespace quarnel {

class TestClock : public Clock {
public:
  double seconds() const override { return now; }
  double now = 100;
};

} // namespace quarnel
