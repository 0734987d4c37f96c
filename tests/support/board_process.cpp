#include "board_process.h"

#include "spawn_program.h"
#include "wait_until.h"

#include <fstream>

namespace tavik::testing {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const char *BoardProcess::program() { return TAVIK_BOARD_PATH; }

BoardProcess::BoardProcess(bool fast) {
  std::vector<std::string> args = {program(), "--link", link(), "--log", log()};
  if (fast) args.push_back("--fast");
  m_pid = spawnProgram(args);
  if (m_pid > 0) waitUntil([this] { return fs::is_symlink(link()); }, 2s);
}

BoardProcess::~BoardProcess() {
  if (m_pid > 0) stop();
}

int BoardProcess::stop() {
  const int status = endProgram(m_pid);
  m_pid = -1;
  return status;
}

std::vector<LogLine> BoardProcess::lines() const {
  std::ifstream in(log());
  std::vector<LogLine> lines;
  LogLine line;
  while (in >> line.us && std::getline(in, line.rest)) lines.push_back({line.us, line.rest.substr(1)});
  return lines;
}

std::vector<LogLine> BoardProcess::waitForLines(size_t count, std::chrono::milliseconds timeout) const {
  std::vector<LogLine> got;
  waitUntil([&] { return (got = lines()).size() >= count; }, timeout);
  return got;
}

} // namespace tavik::testing
