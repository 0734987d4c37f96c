// quarnel-play's entry: the command line, the driver (the real libTavik.so of the build tree or
// the installation, or the dry run's printer), the stop signals, and the run.
#include "command_line.h"
#include "config/app_identity.h"
#include "link/driver_location.h"
#include "link/tavik_binding.h"
#include "motion/clock.h"
#include "player/dry_run_driver.h"
#include "player/player.h"
#include "player/stop_signals.h"
#include "program_translations.h"

#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

using namespace quarnel;

namespace {

// A standard stream the caller closed would lend its number to the next descriptor opened (the
// serial port's, say), and messages would go down the line to the board: each gets /dev/null.
void openClosedStandardStreams() {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
    if (fcntl(fd, F_GETFD) < 0) ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
}

} // namespace

int main(int argc, char *argv[]) {
  openClosedStandardStreams();
  QCoreApplication app(argc, argv);
  installDesktopTranslations(app);
  QCoreApplication::setApplicationName("quarnel-play");
  // Before the driver's thread exists, so that it inherits the blocked signals.
  StopSignals stopSignals;

  const auto parsed = parsePlayerOptions();
  if (const int *status = std::get_if<int>(&parsed)) return *status;
  PlayerOptions options = std::get<PlayerOptions>(parsed);
  // Once a run may start, output into a closed pipe (`| head -1`) is a failed write to report,
  // not a death that skips the hold and the close.
  std::signal(SIGPIPE, SIG_IGN);
  if (!options.device.empty()) {
    // The driver finds port n's device in $TAVIK_COM<n>.
    setenv("TAVIK_COM1", options.device.c_str(), 1);
    options.port = 1;
  }

  SteadyClock clock;
  const double start = clock.seconds();
  // Quarnel's own settings folder: the player and the windows know where the other left the
  // servos.
  const AppIdentity identity =
      AppIdentity::quarnelFor(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
  std::unique_ptr<ServoDriver> driver;
  if (options.dryRun) {
    driver = std::make_unique<DryRunDriver>(stdout, clock, start);
  } else {
    auto tavik = std::make_unique<TavikBinding>(tavikLibraryPath(identity.folder));
    if (const auto problem = tavik->bind()) {
      ConsoleUi::say(*problem);
      return 2;
    }
    driver = std::move(tavik);
  }

  ConsoleUi ui;
  // A dry run's positions and the progress share standard output, so both stay plain lines.
  ProgressLine progress(stdout, isatty(STDOUT_FILENO) && !options.dryRun, options.loops,
                        options.dryRun ? SlowOutput::Wait : SlowOutput::DropLine);
  ui.beforeOutput = [&progress] { progress.finish(); };
  Player player(options, *driver, clock, start, ui, progress, identity.rememberedFilePath());
  if (const auto problem = player.load()) {
    ConsoleUi::say(*problem);
    return 2;
  }
  player.finished = [](int code) { QCoreApplication::exit(code); };
  stopSignals.stopRequested = [&player] { player.stop(); };
  // A stop asked while the driver was loaded and the files read ends here, the port unopened.
  if (stopSignals.takePending()) return 0;
  if (const auto problem = player.start()) {
    ConsoleUi::say(*problem);
    return 2;
  }
  const int code = QCoreApplication::exec();
  // A dry run's last lines lost on a full disk are no success; a fault the run ended on is
  // said already.
  progress.flush();
  if (code == 0 && progress.writeError() != 0) {
    ConsoleUi::say(outputFailure(progress.writeError()));
    return 1;
  }
  return code;
}
