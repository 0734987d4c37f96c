// A clock that stands still until the test moves it on.
#pragma once

#include "motion/clock.h"

namespace quarnel {

class ManualClock : public Clock {
public:
  double seconds() const override { return m_ms / 1000; }
  double ms() const { return m_ms; }
  void advanceMs(double ms) { m_ms += ms; }

private:
  double m_ms = 5000;
};

} // namespace quarnel
