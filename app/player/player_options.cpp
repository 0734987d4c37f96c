// Reading the command line through the programs' shared one.
#include "player_options.h"

#include "command_line.h"
#include "config/sound_timing.h"
#include "motion/speed_interval.h"
#include "port_device.h"
#include "tavik.h"

#include <QCoreApplication>

namespace quarnel {

namespace {

// A whole number from `lowest` to `highest`, or nothing.
std::optional<int> wholeNumber(const QString &text, int lowest, int highest) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < lowest || value > highest) return std::nullopt;
  return value;
}

} // namespace

std::variant<PlayerOptions, int> parsePlayerOptions() {
  CommandLine commandLine(
      "quarnel-play",
      QCoreApplication::translate("PlayerOptions",
                                  "Plays a Quarnel script (.tvk) on the servo board, without a window.\n"
      "The servos start where the board was last left under the same servo settings, within\n"
      "their ranges (at home when that is not known), and move to their homes (from --servos,\n"
      "else 127), then the script runs from line 1. WAIT waits for Enter on a terminal and is\n"
      "skipped otherwise.\n"
      "SOUND lines play through the system's sound server (PulseAudio or PipeWire), and the\n"
      "sound playing times the run.\n"
      "Ctrl+C, SIGTERM or SIGHUP holds every servo where it is, closes the link and exits 0.\n"
      "Exit code 1: the board's device or the sound server went away (cable pulled, adapter\n"
      "unplugged) or the output could not be written during the run; the servos are held then.\n"
      "Exit code 2: a bad option, a file that cannot be read or played, a port that cannot be\n"
      "opened, or a script with sounds and no sound server to play them; nothing is sent then."),
      {.wholeHelpOnError = false, .shortVersion = true});
  QCommandLineParser &parser = commandLine.parser();
  const QCommandLineOption servos("servos", QCoreApplication::translate("PlayerOptions", "Servo settings (.sst): each servo's range and home."), "FILE.sst");
  const QCommandLineOption port("port", QCoreApplication::translate("PlayerOptions", "Serial port 1 to 8 ($TAVIK_COM<N>, else /dev/ttyS<N-1>); 1 by default."), "N");
  const QCommandLineOption device("device", QCoreApplication::translate("PlayerOptions", "The board's serial device, instead of --port."), "PATH");
  const QCommandLineOption baud("baud", QCoreApplication::translate("PlayerOptions", "Line speed: 2400, 4800 or 9600 (the default)."), "BAUD");
  const QCommandLineOption loops("loops", QCoreApplication::translate("PlayerOptions", "Passes each loop makes before the script goes on past its LOOPEND; "
                                          "for ever by default, 1 with --dry-run."), "N");
  const QCommandLineOption speed("speed", QCoreApplication::translate("PlayerOptions", "Speed 1 to 255 of the move to home before line 1; 32 by default."), "S");
  const QCommandLineOption dryRun("dry-run", QCoreApplication::translate("PlayerOptions", "Open no port: print \"<ms since start> <servo> <position>\" for "
                                             "each position that would be sent."));
  const QCommandLineOption noSound(
      "no-sound", QCoreApplication::translate("PlayerOptions", "Play the motion without the sounds, timed by the clock; a "
                                                               "JAW servo still follows them."));
  const QCommandLineOption soundOffset(
      "sound-offset",
      QCoreApplication::translate("PlayerOptions", "Move the motion MS later than the sound, or earlier below 0; as "
                                                   "Quarnel's Sound Timing has it by default."),
      "MS");
  parser.addOptions({servos, port, device, baud, loops, speed, dryRun, noSound, soundOffset});
  commandLine.addPositionalArgument("SCRIPT.tvk", QCoreApplication::translate("PlayerOptions", "The script to play."));
  if (const auto status = commandLine.parse(QCoreApplication::arguments())) return *status;
  if (parser.positionalArguments().size() != 1) return commandLine.usageError(QCoreApplication::translate("PlayerOptions", "Name one script to play."));

  PlayerOptions options;
  options.script = parser.positionalArguments().front().toStdString();
  options.servoSettings = parser.value(servos).toStdString();
  if (parser.isSet(servos) && options.servoSettings.empty()) return commandLine.usageError(QCoreApplication::translate("PlayerOptions", "--servos needs a file."));
  options.dryRun = parser.isSet(dryRun);
  if (parser.isSet(port) && parser.isSet(device))
    return commandLine.usageError(QCoreApplication::translate("PlayerOptions", "--port and --device name the board twice."));
  if (parser.isSet(port)) {
    const auto n = wholeNumber(parser.value(port), tavik::kFirstPort, tavik::kLastPort);
    if (!n) return commandLine.usageError(QCoreApplication::translate("PlayerOptions", "--port takes a number from 1 to 8."));
    options.port = *n;
  }
  options.device = parser.value(device).toStdString();
  if (parser.isSet(device) && options.device.empty()) return commandLine.usageError(QCoreApplication::translate("PlayerOptions", "--device needs a path."));
  if (parser.isSet(baud)) {
    const auto b = wholeNumber(parser.value(baud), TVK_LOWEST_BAUD, TVK_HIGHEST_BAUD);
    if (!b || (*b != 2400 && *b != 4800 && *b != 9600)) return commandLine.usageError(QCoreApplication::translate("PlayerOptions", "--baud takes 2400, 4800 or 9600."));
    options.baud = *b;
  }
  if (parser.isSet(loops)) {
    const auto n = wholeNumber(parser.value(loops), 1, 1'000'000'000);
    if (!n) return commandLine.usageError(QCoreApplication::translate("PlayerOptions", "--loops takes a whole number of passes from 1 to 1000000000."));
    options.loops = *n;
  } else if (options.dryRun) {
    options.loops = 1; // a dry run ends by itself
  }
  options.noSound = parser.isSet(noSound);
  if (parser.isSet(soundOffset)) {
    const auto ms = wholeNumber(parser.value(soundOffset), -largestSoundOffsetMs, largestSoundOffsetMs);
    if (!ms)
      return commandLine.usageError(QCoreApplication::translate("PlayerOptions", "--sound-offset takes a number of milliseconds from %1 to %2.")
                                        .arg(-largestSoundOffsetMs)
                                        .arg(largestSoundOffsetMs));
    options.soundOffsetMs = *ms;
  }
  if (parser.isSet(speed)) {
    const auto s = wholeNumber(parser.value(speed), slowestSpeed, fastestSpeed);
    if (!s) return commandLine.usageError(QCoreApplication::translate("PlayerOptions", "--speed takes a number from 1 to 255."));
    options.speed = *s;
  }
  return options;
}

} // namespace quarnel
