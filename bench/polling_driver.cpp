#include "polling_driver.h"

#include <fcntl.h>
#include <pthread.h>
#include <termios.h>
#include <unistd.h>

namespace tavik::bench {

bool PollingDriver::open(const std::string &device, int32_t baud) {
  m_fd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
  if (m_fd < 0) return false;
  termios tio{};
  tcgetattr(m_fd, &tio);
  cfmakeraw(&tio);
  cfsetspeed(&tio, baud <= 2400 ? B2400 : baud < 9600 ? B4800 : B9600);
  tio.c_cflag |= CLOCAL | CREAD;
  tcsetattr(m_fd, TCSANOW, &tio);
  for (int i = 0; i < 32; ++i) {
    m_target[i].store(127);
    m_sent[i] = -1;
  }
  m_stop = false;
  m_thread = std::thread(&PollingDriver::run, this);
  pthread_setname_np(m_thread.native_handle(), "polling-tx");
  return true;
}

void PollingDriver::run() {
  while (!m_stop) {
    for (int slot = 0; slot < 32 && !m_stop; ++slot) {
      const int32_t target = m_target[slot].load();
      if (target == m_sent[slot]) continue;
      const uint8_t frame[3] = {255, static_cast<uint8_t>(slot), static_cast<uint8_t>(target)};
      [[maybe_unused]] ssize_t n = ::write(m_fd, frame, 3);
      m_sent[slot] = target;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void PollingDriver::close() {
  m_stop = true;
  if (m_thread.joinable()) m_thread.join();
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
}

} // namespace tavik::bench
