#include "driver_fixture.h"

#include <filesystem>
#include <fstream>

namespace tavik::testing {

int transmitThreadCount() {
  int count = 0;
  for (const auto &task : std::filesystem::directory_iterator("/proc/self/task")) {
    std::ifstream comm(task.path() / "comm");
    std::string name;
    std::getline(comm, name);
    count += name == "tavik-tx";
  }
  return count;
}

int openDescriptorCount() {
  const auto entries = std::filesystem::directory_iterator("/proc/self/fd");
  return static_cast<int>(std::distance(begin(entries), end(entries)));
}

} // namespace tavik::testing
