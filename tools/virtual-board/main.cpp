// tavik-board: a virtual servo board on a pseudo-terminal, for working and testing without
// hardware. Point the driver's port at the link path (TAVIK_COM1=PATH) and every frame it
// sends is decoded and logged.
#include "board_line.h"
#include "board_log.h"
#include "frame_decoder.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

constexpr const char *kUsage =
    "usage: tavik-board --link PATH --log FILE [--fast]\n"
    "  --link PATH  make PATH a link to the board's serial line (point TAVIK_COM1 at it)\n"
    "  --log FILE   write one line per frame: <microseconds> <servo> <position>\n"
    "  --fast       take bytes at once instead of at the line's speed\n";

struct Options {
  std::string link;
  std::string log;
  bool fast = false;
};

bool parse(int argc, char **argv, Options &options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--fast") options.fast = true;
    else if (arg == "--link" && i + 1 < argc) options.link = argv[++i];
    else if (arg == "--log" && i + 1 < argc) options.log = argv[++i];
    else return false;
  }
  return !options.link.empty() && !options.log.empty();
}

// SIGINT and SIGTERM arrive as a readable descriptor, so the byte loop ends cleanly and the
// link is removed on the way out.
int stopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  sigprocmask(SIG_BLOCK, &signals, nullptr);
  return signalfd(-1, &signals, SFD_CLOEXEC);
}

} // namespace

int main(int argc, char **argv) {
  Options options;
  if (!parse(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const int stopFd = stopSignals();
  if (stopFd < 0) {
    std::perror("tavik-board: signalfd");
    return 1;
  }
  try {
    tavik::board::BoardLog log(options.log);
    tavik::board::BoardLine line(options.link);
    std::printf("tavik-board: %s -> %s\n", options.link.c_str(), line.slavePath().c_str());
    std::fflush(stdout);
    tavik::board::FrameDecoder decoder;
    while (const auto byte = line.nextByte(stopFd, options.fast))
      if (const auto event = decoder.feed(*byte)) log.write(*event);
  } catch (const std::exception &e) {
    std::fprintf(stderr, "tavik-board: %s\n", e.what());
    return 1;
  }
  return 0;
}
