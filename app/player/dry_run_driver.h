// The servo driver of a dry run: each position handed to it is printed as
// "<ms since start> <servo> <position>" on standard output instead of going to a port.
#pragma once

#include "link/servo_driver.h"
#include "motion/clock.h"

#include <cstdio>

namespace quarnel {

class DryRunDriver : public ServoDriver {
public:
  DryRunDriver(std::FILE *out, const Clock &clock, double startSeconds)
      : m_out(out), m_clock(clock), m_start(startSeconds) {}

  // The positions the servos start at are no move: nothing is printed for them.
  bool open(int32_t, int32_t, const ServoPositions &) override { return true; }
  void move(int32_t servo, int32_t position) override;
  int32_t sent(int32_t) const override { return -1; } // reaches no line
  void close() override {} // the output is flushed, and its failure told, with the progress
  bool reachesDevice() const override { return false; }

private:
  std::FILE *m_out;
  const Clock &m_clock;
  double m_start;
};

} // namespace quarnel
