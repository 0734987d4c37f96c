#include "board_log.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace tavik::board {

BoardLog::BoardLog(const std::string &path) : m_file(std::fopen(path.c_str(), "w")) {
  if (!m_file) throw std::runtime_error("cannot write " + path + ": " + std::strerror(errno));
}

BoardLog::~BoardLog() { std::fclose(m_file); }

void BoardLog::write(const BoardEvent &event) {
  const auto us = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - m_start).count();
  if (event.kind == BoardEvent::Kind::Frame)
    std::fprintf(m_file, "%lld %d %d\n", static_cast<long long>(us), event.servo, event.position);
  else
    std::fprintf(m_file, "%lld error %s\n", static_cast<long long>(us), event.error.c_str());
  std::fflush(m_file);
}

} // namespace tavik::board
