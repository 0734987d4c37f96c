// The plain driver that the benchmarks measure Tavik against: a thread that polls all 32 slots,
// writes each change with a blocking write and sleeps 1 ms after every pass.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

namespace tavik::bench {

class PollingDriver {
public:
  bool open(const std::string &device, int32_t baud);
  int32_t move(int32_t servo, int32_t position) {
    if (servo < 0 || servo > 31 || position < 0 || position > 254) return 0;
    m_target[servo].store(position);
    return -1;
  }
  void close();
  ~PollingDriver() { close(); }

private:
  void run();

  int m_fd = -1;
  std::array<std::atomic<int32_t>, 32> m_target{};
  std::array<int32_t, 32> m_sent{};
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

} // namespace tavik::bench
