// tavik-board: a virtual servo board on a pseudo-terminal, for working and testing without
// hardware. Point the driver's port at the link path (TAVIK_COM1=PATH): with --log every frame
// is written to a file, headless; without it a window shows the servos turning.
#include "board_line.h"
#include "board_log.h"
#include "board_state.h"
#include "board_window.h"
#include "frame_decoder.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace tavik::board;

constexpr const char *kUsage =
    "usage: tavik-board --link PATH [--log FILE] [--fast] [--position X,Y]\n"
    "  --link PATH  make PATH a link to the board's serial line (point TAVIK_COM1 at it)\n"
    "  --log FILE   no window: write one line per frame, <microseconds> <servo> <position>\n"
    "  --fast       take bytes at once instead of at the line's speed\n"
    "  --position X,Y  put the window's top-left corner there, kept on the screen\n";

struct Options {
  std::string link;
  std::string log;
  bool fast = false;
  std::optional<QPoint> position;
};

bool parse(int argc, char **argv, Options &options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--fast") options.fast = true;
    else if (arg == "--link" && i + 1 < argc) options.link = argv[++i];
    else if (arg == "--log" && i + 1 < argc) options.log = argv[++i];
    else if (arg == "--position" && i + 1 < argc) {
      if (!(options.position = BoardWindow::parsePosition(argv[++i]))) return false;
    }
    else return false;
  }
  return !options.link.empty();
}

// SIGINT and SIGTERM arrive as a readable descriptor, so the board ends cleanly and removes
// its link on the way out. Blocked before any thread starts, so every thread has them blocked.
int stopSignals() {
  sigset_t stopSet;
  sigemptyset(&stopSet);
  sigaddset(&stopSet, SIGINT);
  sigaddset(&stopSet, SIGTERM);
  sigprocmask(SIG_BLOCK, &stopSet, nullptr);
  return signalfd(-1, &stopSet, SFD_CLOEXEC);
}

void receive(BoardLine &line, int stopFd, bool fast, const std::function<void(const BoardEvent &)> &onEvent) {
  FrameDecoder decoder;
  while (const auto byte = line.nextByte(stopFd, fast))
    if (const auto event = decoder.feed(*byte)) onEvent(*event);
}

int runHeadless(const Options &options, int signalFd) {
  BoardLog log(options.log);
  BoardLine line(options.link);
  std::printf("tavik-board: %s -> %s\n", options.link.c_str(), line.slavePath().c_str());
  std::fflush(stdout);
  receive(line, signalFd, options.fast, [&](const BoardEvent &event) { log.write(event); });
  return 0;
}

int runWindow(int argc, char **argv, const Options &options, int signalFd) {
  QApplication app(argc, argv);
  BoardLine line(options.link);
  BoardState state;
  const int stopLine = eventfd(0, EFD_CLOEXEC);
  std::thread receiver([&] {
    receive(line, stopLine, options.fast, [&](const BoardEvent &event) {
      state.bitsPerSecond = line.lineSpeed();
      if (event.kind == BoardEvent::Kind::Error) {
        ++state.errors;
        return;
      }
      state.positions[event.servo] = event.position;
      ++state.frames;
    });
  });
  QSocketNotifier signalled(signalFd, QSocketNotifier::Read);
  QObject::connect(&signalled, &QSocketNotifier::activated, &app, &QApplication::quit);
  BoardWindow window(state, QString::fromStdString(options.link));
  if (options.position) window.standAt(*options.position);
  window.show();
  const int status = QApplication::exec();
  const uint64_t one = 1;
  [[maybe_unused]] const ssize_t n = write(stopLine, &one, sizeof one);
  receiver.join();
  close(stopLine);
  return status;
}

} // namespace

int main(int argc, char **argv) {
  Options options;
  if (!parse(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const int signalFd = stopSignals();
  if (signalFd < 0) {
    std::perror("tavik-board: signalfd");
    return 1;
  }
  try {
    return options.log.empty() ? runWindow(argc, argv, options, signalFd) : runHeadless(options, signalFd);
  } catch (const std::exception &e) {
    std::fprintf(stderr, "tavik-board: %s\n", e.what());
    return 1;
  }
}
