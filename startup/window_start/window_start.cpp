// The display check before Qt starts, and Qt's platform messages held while it does.
#include "window_start.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

namespace {

bool isSet(const char *name) {
  const char *value = std::getenv(name);
  return value && *value;
}

// Qt's -platform NAME (or -platform=NAME, with one dash or two) among the arguments.
bool platformNamed(int argc, char **argv) {
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument.starts_with("--")) argument.remove_prefix(1);
    if (argument == "-platform" || argument.starts_with("-platform=")) return true;
  }
  return false;
}

// Qt's messages while the platform starts: kept back, so that a failure reads as one line, and
// passed on as they were when the start succeeds.
struct HeldMessage {
  QtMsgType type;
  std::string category, file, function;
  int line;
  QString text;
};

struct PlatformStart {
  const char *program = "";
  QtMessageHandler previous = nullptr;
  std::mutex mutex;
  std::vector<HeldMessage> held;
};

PlatformStart g_start;

void holdDuringStart(QtMsgType type, const QMessageLogContext &context, const QString &text) {
  std::lock_guard lock(g_start.mutex);
  if (type == QtFatalMsg) {
    // The first word Qt gave is the cause ("could not connect to display :1"); the fatal text
    // after it is advice about reinstalling.
    const QString why = g_start.held.empty() ? text.section('\n', 0, 0) : g_start.held.front().text;
    std::fprintf(stderr, "%s: cannot show the window (%s)\n", g_start.program, why.toLocal8Bit().constData());
    std::fflush(stderr);
    // Qt would abort next; nothing of the program has run yet, so there is nothing to clean up.
    std::_Exit(1);
  }
  g_start.held.push_back({type, context.category ? context.category : "", context.file ? context.file : "",
                          context.function ? context.function : "", context.line, text});
}

void passOnHeldMessages() {
  for (const HeldMessage &m : g_start.held) {
    const QMessageLogContext context(m.file.c_str(), m.line, m.function.c_str(), m.category.c_str());
    g_start.previous(m.type, context, m.text);
  }
  g_start.held.clear();
}

} // namespace

std::unique_ptr<QApplication> startWindowed(const char *program, int &argc, char **argv) {
  if (!isSet("QT_QPA_PLATFORM") && !platformNamed(argc, argv) && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
    std::fprintf(stderr, "%s: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)\n",
                 program);
    return nullptr;
  }
  g_start.program = program;
  g_start.previous = qInstallMessageHandler(holdDuringStart);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(g_start.previous);
  std::lock_guard lock(g_start.mutex);
  passOnHeldMessages();
  return app;
}

} // namespace quarnel
