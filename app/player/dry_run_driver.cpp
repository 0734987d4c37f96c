// Printing the positions of a dry run.
#include "dry_run_driver.h"

#include <cmath>

namespace quarnel {

void DryRunDriver::move(int32_t servo, int32_t position) {
  const long long ms = std::llround((m_clock.seconds() - m_start) * 1000);
  std::fprintf(m_out, "%lld %d %d\n", ms, servo, position);
}

} // namespace quarnel
