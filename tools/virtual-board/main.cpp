// tavik-board: a virtual servo board on a pseudo-terminal, for working and testing without
// hardware. Point the driver's port at the link path (TAVIK_COM1=PATH): with --log every frame
// is written to a file, headless; without it a window shows the servos turning.
#include "board_line.h"
#include "board_log.h"
#include "board_state.h"
#include "board_window.h"
#include "command_line.h"
#include "frame_decoder.h"
#include "window_place.h"
#include "window_start.h"

#include <QCoreApplication>
#include <QFile>
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
#include <variant>

namespace {

using namespace tavik::board;

struct Options {
  std::string link;
  std::string log;
  bool fast = false;
  std::optional<QPoint> position;
};

// The options, or the exit status when the board is to end at once (help, version, bad use).
std::variant<Options, int> parse(int argc, char **argv) {
  QCoreApplication commandLineOnly(argc, argv);
  quarnel::CommandLine commandLine(
      "tavik-board", "A virtual servo board on a pseudo-terminal: point the driver's port at the link\n"
                     "(TAVIK_COM1=PATH). A window shows the servos turning; with --log every frame is\n"
                     "written to a file instead.");
  QCommandLineParser &parser = commandLine.parser();
  const QCommandLineOption link("link", "Make PATH a link to the board's serial line.", "PATH");
  const QCommandLineOption log("log", "No window: write one line per frame, <microseconds> <servo> <position>.",
                               "FILE");
  const QCommandLineOption fast("fast", "Take bytes at once instead of at the line's speed.");
  const QCommandLineOption position("position", "Put the window's top-left corner at X,Y, kept on the screen.", "X,Y");
  parser.addOptions({link, log, fast, position});
  if (const auto status = commandLine.parse(QCoreApplication::arguments())) return *status;
  if (!parser.isSet(link) || parser.value(link).isEmpty()) return commandLine.usageError("--link PATH is needed");
  if (parser.isSet(log) && parser.value(log).isEmpty()) return commandLine.usageError("--log FILE needs a file name");
  Options options{QFile::encodeName(parser.value(link)).toStdString(), QFile::encodeName(parser.value(log)).toStdString(),
                  parser.isSet(fast), std::nullopt};
  if (parser.isSet(position) && !(options.position = BoardWindow::parsePosition(parser.value(position))))
    return commandLine.usageError("--position takes X,Y, two whole numbers");
  return options;
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
  // The log is emptied only once the link is this board's: a board refused a link in use
  // leaves the running board's log, or the user's file, as it was.
  BoardLine line(options.link);
  BoardLog log(options.log);
  std::printf("tavik-board: %s -> %s\n", options.link.c_str(), line.slavePath().c_str());
  std::fflush(stdout);
  receive(line, signalFd, options.fast, [&](const BoardEvent &event) { log.write(event); });
  return 0;
}

int runWindow(int argc, char **argv, const Options &options, int signalFd) {
  const auto app = quarnel::startWindowed("tavik-board", argc, argv);
  if (!app) return 1;
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
  QObject::connect(&signalled, &QSocketNotifier::activated, app.get(), &QApplication::quit);
  BoardWindow window(state, QString::fromStdString(options.link));
  window.keepPlaceIn(windowPlacePath(options.link));
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
  const auto parsed = parse(argc, argv);
  if (const int *status = std::get_if<int>(&parsed)) return *status;
  const Options &options = std::get<Options>(parsed);
  // A log or output whose reader has left fails its write instead of killing the board, which
  // then says so and removes its link on the way out.
  std::signal(SIGPIPE, SIG_IGN);
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
