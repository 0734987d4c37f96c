#include "driver_fixture.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <thread>

namespace tavik::testing {

namespace {

// Calls `visit` with the /proc folder of every transmit thread of this process.
void forEachTransmitThread(const std::function<void(const std::filesystem::path &)> &visit) {
  for (const auto &task : std::filesystem::directory_iterator("/proc/self/task")) {
    std::ifstream comm(task.path() / "comm");
    std::string name;
    std::getline(comm, name);
    if (name == "tavik-tx") visit(task.path());
  }
}

} // namespace

int transmitThreadCount() {
  int count = 0;
  forEachTransmitThread([&](const std::filesystem::path &) { ++count; });
  return count;
}

long transmitThreadWriteCalls() {
  long calls = 0;
  forEachTransmitThread([&](const std::filesystem::path &task) {
    std::ifstream io(task / "io");
    for (std::string field; io >> field;) {
      long value = 0;
      io >> value;
      if (field == "syscw:") calls += value;
    }
  });
  return calls;
}

bool closesWithoutHanging(const TavikLibrary &tavik) {
  std::packaged_task<int32_t()> task([&tavik] { return tavik.close(); });
  auto result = task.get_future();
  std::thread(std::move(task)).detach(); // a hung close must not hang the test as well
  if (result.wait_for(5s) != std::future_status::ready) return false;
  EXPECT_EQ(result.get(), -1);
  return true;
}

} // namespace tavik::testing
