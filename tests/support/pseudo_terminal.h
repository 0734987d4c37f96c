// A real pseudo-terminal pair for tests and benchmarks: the driver opens the slave by path,
// the test reads what arrives at the master.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace tavik::testing {

class PseudoTerminal {
public:
  PseudoTerminal();
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal &) = delete;
  PseudoTerminal &operator=(const PseudoTerminal &) = delete;

  const std::string &slavePath() const { return m_slavePath; }
  int masterFd() const { return m_master; }

  // Reads until `count` bytes have arrived or `timeout` has passed; returns what arrived.
  std::vector<uint8_t> read(size_t count, std::chrono::milliseconds timeout);
  // Everything that arrives until the line has been quiet for `quiet`.
  std::vector<uint8_t> readUntilQuiet(std::chrono::milliseconds quiet);
  // Closes the master, as if the device had been unplugged.
  void closeMaster();

private:
  int m_master = -1;
  std::string m_slavePath;
};

} // namespace tavik::testing
