// Measures the serial link end to end and prints the figures for Tavik beside the plain 1 ms
// polling driver, and beside another build of Tavik when its path is given: the cost of a move,
// move-to-wire latency, idle wake-ups, a sustained stream of moves with the transmit thread's
// CPU, and how far the board lags behind under overload. Asserts nothing.
#include "board_line.h"
#include "frame_decoder.h"
#include "line_recorder.h"
#include "polling_driver.h"
#include "pseudo_terminal.h"
#include "tavik_library.h"
#include "temporary_folder.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using tavik::testing::PseudoTerminal;

struct Driver {
  std::string name;
  std::string threadName;
  std::function<bool(const std::string &device, int32_t baud)> open;
  std::function<int32_t(int32_t, int32_t)> move;
  std::function<void()> close;
};

Driver tavikDriver(const std::string &name, const tavik::testing::TavikLibrary &lib) {
  return {name, "tavik-tx",
          [&lib](const std::string &device, int32_t baud) {
            setenv("TAVIK_COM1", device.c_str(), 1);
            return lib.open(1, baud) == -1;
          },
          lib.move, [&lib] { lib.close(); }};
}

Driver pollingDriver() {
  static tavik::bench::PollingDriver driver;
  return {"1 ms poll", "polling-tx", [](const std::string &d, int32_t b) { return driver.open(d, b); },
          [](int32_t s, int32_t p) { return driver.move(s, p); }, [] { driver.close(); }};
}

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The /proc folder of the named thread of this process; empty when there is none.
std::filesystem::path threadFolder(const std::string &threadName) {
  for (const auto &task : std::filesystem::directory_iterator("/proc/self/task")) {
    std::ifstream comm(task.path() / "comm");
    std::string name;
    std::getline(comm, name);
    if (name == threadName) return task.path();
  }
  return {};
}

// Context switches of the named thread so far.
long contextSwitches(const std::string &threadName) {
  std::ifstream status(threadFolder(threadName) / "status");
  long total = 0;
  for (std::string line; std::getline(status, line);)
    if (line.find("ctxt_switches:") != std::string::npos) total += std::stol(line.substr(line.find(':') + 1));
  return total;
}

// Seconds the named thread has run so far.
double cpuSeconds(const std::string &threadName) {
  std::ifstream schedstat(threadFolder(threadName) / "schedstat");
  double ns = 0;
  schedstat >> ns;
  return ns / 1e9;
}

std::string moveCost(const Driver &driver) {
  PseudoTerminal pty;
  driver.open(pty.slavePath(), 9600);
  std::thread drain([&] { pty.readUntilQuiet(300ms); });
  constexpr long kCalls = 20'000'000;
  const auto start = Clock::now();
  for (long i = 0; i < kCalls; ++i) driver.move(static_cast<int32_t>(i & 31), static_cast<int32_t>((i >> 5) % 255));
  const double ns = seconds(Clock::now() - start) * 1e9 / kCalls;
  drain.join();
  driver.close();
  char text[64];
  std::snprintf(text, sizeof text, "%.1f ns", ns);
  return text;
}

std::string latency(const Driver &driver) {
  PseudoTerminal pty;
  driver.open(pty.slavePath(), 9600);
  pty.readUntilQuiet(200ms);
  std::vector<double> us;
  for (int k = 0; k < 400; ++k) {
    const auto start = Clock::now();
    driver.move(k % 12, 50 + k % 100);
    if (pty.read(3, 1s).size() == 3) us.push_back(seconds(Clock::now() - start) * 1e6);
    std::this_thread::sleep_for(5ms); // an idle line before every move
  }
  driver.close();
  std::sort(us.begin(), us.end());
  char text[96];
  std::snprintf(text, sizeof text, "%.3f / %.3f ms", us[us.size() / 2] / 1000, us[us.size() * 99 / 100] / 1000);
  return text;
}

std::string idleWakeups(const Driver &driver) {
  PseudoTerminal pty;
  driver.open(pty.slavePath(), 9600);
  pty.readUntilQuiet(200ms);
  const long before = contextSwitches(driver.threadName);
  std::this_thread::sleep_for(2s);
  const long after = contextSwitches(driver.threadName);
  driver.close();
  char text[64];
  std::snprintf(text, sizeof text, "%.1f /s", (after - before) / 2.0);
  return text;
}

// Moves 12 servos every millisecond for `duration`, then sets each to 200 + servo, which the
// stream never uses.
std::array<Clock::time_point, 12> streamMoves(const Driver &driver, Clock::duration duration) {
  const auto start = Clock::now();
  auto next = start;
  std::array<Clock::time_point, 12> lastMove{};
  for (int step = 0; Clock::now() - start < duration; ++step) {
    for (int servo = 0; servo < 12; ++servo) driver.move(servo, (step * 3 + servo * 20) % 200);
    next += 1ms;
    std::this_thread::sleep_until(next);
  }
  for (int servo = 0; servo < 12; ++servo) {
    driver.move(servo, 200 + servo);
    lastMove[servo] = Clock::now();
  }
  return lastMove;
}

std::string sustainedStream(const Driver &driver) {
  PseudoTerminal pty;
  driver.open(pty.slavePath(), 9600);
  pty.readUntilQuiet(200ms);
  tavik::testing::LineRecorder line(pty);
  const double cpuBefore = cpuSeconds(driver.threadName);
  const auto start = Clock::now();
  streamMoves(driver, 10s);
  const double cpu = 100 * (cpuSeconds(driver.threadName) - cpuBefore) / seconds(Clock::now() - start);
  std::this_thread::sleep_for(500ms);
  line.stop();
  driver.close();
  const auto wire = line.bytes();
  std::array<int, 12> last{};
  last.fill(-1);
  for (size_t i = 0; i + 2 < wire.size(); i += 3)
    if (wire[i] == 255 && wire[i + 1] < 12) last[wire[i + 1]] = wire[i + 2];
  int right = 0;
  for (int servo = 0; servo < 12; ++servo) right += last[servo] == 200 + servo;
  char text[96];
  std::snprintf(text, sizeof text, "%zu frames, %d/12 slots end right, thread %.2f %% of a core", wire.size() / 3,
                right, cpu);
  return text;
}

std::string boardLag(const Driver &driver) {
  const tavik::testing::TemporaryFolder folder;
  const std::string link = folder.file("line");
  tavik::board::BoardLine line(link);
  const int stopFd = eventfd(0, EFD_CLOEXEC);
  std::mutex lock;
  std::array<std::optional<Clock::time_point>, 12> finalArrived{};
  std::thread board([&] {
    tavik::board::FrameDecoder decoder;
    while (const auto byte = line.nextByte(stopFd, false))
      if (const auto e = decoder.feed(*byte); e && e->kind == tavik::board::BoardEvent::Kind::Frame && e->servo < 12 &&
                                                e->position == 200 + e->servo) {
        std::lock_guard guard(lock);
        if (!finalArrived[e->servo]) finalArrived[e->servo] = Clock::now();
      }
  });
  driver.open(link, 9600);
  const auto lastMove = streamMoves(driver, 3s);
  const auto giveUp = Clock::now() + 40s;
  double worst = 0, sum = 0;
  int arrived = 0;
  for (;;) {
    std::this_thread::sleep_for(10ms);
    std::lock_guard guard(lock);
    arrived = static_cast<int>(std::count_if(finalArrived.begin(), finalArrived.end(), [](auto &t) { return t.has_value(); }));
    if (arrived == 12 || Clock::now() > giveUp) break;
  }
  for (int servo = 0; servo < 12; ++servo)
    if (finalArrived[servo]) {
      const double ms = seconds(*finalArrived[servo] - lastMove[servo]) * 1000;
      worst = std::max(worst, ms);
      sum += ms;
    }
  driver.close();
  const uint64_t one = 1;
  [[maybe_unused]] ssize_t n = write(stopFd, &one, sizeof one);
  board.join();
  close(stopFd);
  char text[96];
  if (arrived < 12)
    std::snprintf(text, sizeof text, "%d/12 arrived in 40 s", arrived);
  else
    std::snprintf(text, sizeof text, "mean %.1f ms, worst %.1f ms", sum / 12, worst);
  return text;
}

} // namespace

int main(int argc, char **argv) {
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
    std::fprintf(stderr, "Usage: %s [OTHER_LIBTAVIK]\nWith the path of another build of libTavik.so.1 (main's, say), "
                         "its figures are printed beside this build's.\n", argv[0]);
    return 2;
  }
  std::vector<Driver> drivers = {pollingDriver(), tavikDriver("Tavik", tavik::testing::TavikLibrary::get())};
  tavik::testing::TavikLibrary other;
  if (argc == 2) {
    other = tavik::testing::TavikLibrary::load(argv[1]);
    drivers.push_back(tavikDriver(std::string("Tavik of ") + argv[1], other));
  }
  struct Row {
    const char *figure;
    std::string (*measure)(const Driver &);
  };
  const Row rows[] = {
      {"TVK_MOVE cost", moveCost},
      {"move-to-wire latency, idle pty line, median / p99", latency},
      {"idle transmit thread wake-ups", idleWakeups},
      {"12 servos every 1 ms for 10 s (pty read at once): frames, last values, transmit thread CPU", sustainedStream},
      {"board lag after overload (12 servos every 1 ms, 9600 bit/s, board at line rate)", boardLag},
  };
  std::printf("| figure |");
  for (const Driver &driver : drivers) std::printf(" %s |", driver.name.c_str());
  std::printf("\n|---|");
  for (size_t d = 0; d < drivers.size(); ++d) std::printf("---|");
  std::printf("\n");
  for (const Row &row : rows) {
    std::printf("| %s |", row.figure);
    for (const Driver &driver : drivers) std::printf(" %s |", row.measure(driver).c_str());
    std::printf("\n");
    std::fflush(stdout);
  }
}
