// The scheduled update tick against the every-millisecond one, in one run: ticks per second and
// motion fidelity on the wire (the real libTavik.so on a pty) at speeds 1, 32, 120 and 255; the
// user-interface thread's CPU of the control window (real widgets, offscreen) with twelve servos
// looping at speed 32; and the CPU of quarnel-play on the same script against the virtual board.
// Prints a table, asserts nothing.
#include "application_parts.h"
#include "board_process.h"
#include "control/control_window.h"
#include "every_millisecond_ticker.h"
#include "line_recorder.h"
#include "link/tavik_binding.h"
#include "motion/motion_ticker.h"
#include "pseudo_terminal.h"
#include "script/script_model.h"
#include "script/script_runner.h"
#include "servos/servo_configuration.h"
#include "spawn_program.h"
#include "tavik_library.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quarnel;
using tavik::testing::BoardProcess;
using tavik::testing::LineRecorder;
using tavik::testing::PseudoTerminal;
using Steady = std::chrono::steady_clock;

namespace {

enum class Way { EveryMillisecond, Scheduled };

// The event loop runs meanwhile; QTest::qWait sleeps between its turns, which would starve a
// 1 ms timer.
void wait(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

struct Motion {
  double ticksPerSecond;
  double fidelity; // units per second on the wire / the rule's 1000 / interval
};

// Servo 0 travels from 0 for about `seconds` at `speed`, ticked one way or the other.
Motion measureMotion(Way way, int speed, double seconds) {
  PseudoTerminal pty;
  LineRecorder wire(pty);
  qputenv("TAVIK_COM1", pty.slavePath().c_str());
  TavikBinding tavik(tavik::testing::TavikLibrary::builtPath());
  ServoPositions standing;
  standing.fill(startPosition);
  tavik.open(1, 9600, standing);
  MotionModel motion;
  motion.addPositionListener([&](int servo, int16_t p) { tavik.move(servo, p); });
  std::array<ServoLimits, servoChannels> limits{};
  limits[0].home = 0;
  motion.load(limits, standing);
  motion.setSpeed(255);
  SteadyClock clock;
  MotionTicker scheduled(motion, clock);
  double lastTick = clock.seconds();
  EveryMillisecondTicker everyMs([&] {
    const double now = clock.seconds();
    motion.tick((now - lastTick) * 1000);
    lastTick = now;
  });
  long long scheduledTicks = 0;
  scheduled.ticked = [&] { ++scheduledTicks; };
  const auto startTicking = [&] { way == Way::Scheduled ? scheduled.start() : everyMs.start(); };
  startTicking();
  while (motion.displayed(0) != 0) wait(20); // to 0 at full speed first
  wait(50);

  motion.setSpeed(speed);
  const int units = std::clamp(static_cast<int>(speed / 1.02 * seconds), 4, int(highestPosition));
  const auto moved = Steady::now();
  const long long ticksBefore = way == Way::Scheduled ? scheduledTicks : everyMs.ticks();
  motion.setTarget(0, units);
  while (motion.displayed(0) != units) wait(5);
  const double took = std::chrono::duration<double>(Steady::now() - moved).count();
  const long long ticks = (way == Way::Scheduled ? scheduledTicks : everyMs.ticks()) - ticksBefore;
  wait(20);
  scheduled.stop();
  everyMs.stop();
  tavik.close();

  std::vector<LineRecorder::Frame> ramp;
  for (const auto &f : wire.frames())
    if (f.servo == 0 && f.at > moved) ramp.push_back(f);
  const double onWire = ramp.size() < 2 ? 0
                                        : (ramp.back().position - ramp.front().position) /
                                              std::chrono::duration<double>(ramp.back().at - ramp.front().at).count();
  return {ticks / took, onWire / (1000.0 / speedToInterval(speed))};
}

// Every servo at `position`, speed 32.
std::string pose(int position) {
  std::string text;
  for (int slot = 0; slot < servoChannels; ++slot) text += std::to_string(position) + ",32,";
  return text;
}

// Up and Down: every servo between 100 and 154 at speed 32, in a loop.
const char *const loopLines[] = {"LOOPSTART", "Up", "Down", "LOOPEND"};

std::string loopScript() {
  std::string file = "\"TVKFILE\"\r\n\"Up\"\r\n\"" + pose(154) + "\"\r\n\"Down\"\r\n\"" + pose(100) + "\"\r\n\"***\"\r\n";
  for (const char *line : loopLines) file += "\"" + std::string(line) + "\"\r\n";
  return file + "\"\"\r\n\"***\"\r\n";
}

double threadCpuSeconds() {
  rusage r{};
  getrusage(RUSAGE_THREAD, &r);
  return r.ru_utime.tv_sec + r.ru_stime.tv_sec + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

// The control window's user-interface thread while the runner plays the loop.
double controlWindowCpu(Way way, int seconds) {
  PseudoTerminal pty;
  LineRecorder wire(pty);
  qputenv("TAVIK_COM1", pty.slavePath().c_str());
  SteadyClock clock;
  ApplicationParts parts(clock);
  ControlWindow &window = parts.controls;
  ScriptModel &script = parts.script;
  ScriptRunner &runner = parts.runner;
  script.load();
  script.createNode("Up", pose(154));
  script.createNode("Down", pose(100));
  for (const char *line : loopLines) script.lines().placeCommand(line);
  window.load();
  EveryMillisecondTicker everyMs([&] { window.updateTick(); });
  if (way == Way::EveryMillisecond) everyMs.start();
  QTimer tmrScriptRun;
  QObject::connect(&tmrScriptRun, &QTimer::timeout, [&] { runner.tick(); });
  tmrScriptRun.start(runnerTickMs);
  runner.run();
  wait(2000); // under way
  const double cpuBefore = threadCpuSeconds();
  const auto start = Steady::now();
  wait(seconds * 1000);
  const double cpu = threadCpuSeconds() - cpuBefore;
  const double wall = std::chrono::duration<double>(Steady::now() - start).count();
  runner.stop();
  everyMs.stop();
  wait(200);
  window.close();
  return 100 * cpu / wall;
}

// The CPU seconds of a process, or of one of its threads.
double cpuSeconds(const std::string &statPath) {
  std::ifstream stat(statPath);
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string skip;
  for (int i = 0; i < 11; ++i) fields >> skip; // state to cmajflt
  long long user = 0, system = 0;
  fields >> user >> system;
  return double(user + system) / sysconf(_SC_CLK_TCK);
}

struct PlayerCpu {
  double process; // the driver's transmit thread included
  double mainThread;
};

// quarnel-play against the virtual board.
PlayerCpu playerCpu(int seconds) {
  QTemporaryDir folder;
  const std::string path = folder.filePath("loop.tvk").toStdString();
  std::ofstream(path, std::ios::binary) << loopScript();
  BoardProcess board(true);
  // In a folder of its own, so that where it leaves the servos goes to the measurement's settings,
  // not the build's.
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
  const std::string player = placePlayerIn(folder.filePath("bin").toStdString());
  const pid_t pid = tavik::testing::spawnProgram({player, path, "--device", board.link()});
  wait(2000);
  const std::string process = "/proc/" + std::to_string(pid) + "/stat";
  const std::string mainThread = "/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/stat";
  const double processBefore = cpuSeconds(process), mainBefore = cpuSeconds(mainThread);
  const auto start = Steady::now();
  wait(seconds * 1000);
  const double processCpu = cpuSeconds(process) - processBefore, mainCpu = cpuSeconds(mainThread) - mainBefore;
  const double wall = std::chrono::duration<double>(Steady::now() - start).count();
  kill(pid, SIGINT);
  waitpid(pid, nullptr, 0);
  return {100 * processCpu / wall, 100 * mainCpu / wall};
}

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::printf("| figure | every millisecond | scheduled |\n|---|---|---|\n");
  for (int speed : {1, 32, 120, 255}) {
    const double seconds = speed == 1 ? 4 : 2;
    const Motion old = measureMotion(Way::EveryMillisecond, speed, seconds);
    const Motion now = measureMotion(Way::Scheduled, speed, seconds);
    std::printf("| speed %d: ticks per second | %.0f | %.0f |\n", speed, old.ticksPerSecond, now.ticksPerSecond);
    std::printf("| speed %d: wire speed / the rule's | %.3f | %.3f |\n", speed, old.fidelity, now.fidelity);
    std::fflush(stdout);
  }
  std::printf("| control window, 12 servos looping at speed 32: UI thread CPU, %% of a core | %.2f | %.2f |\n",
              controlWindowCpu(Way::EveryMillisecond, 10), controlWindowCpu(Way::Scheduled, 10));
  std::fflush(stdout);
  const PlayerCpu player = playerCpu(10);
  std::printf("| quarnel-play, the same script: process CPU (main thread), %% of a core | (none) | %.2f (%.2f) |\n",
              player.process, player.mainThread);
}
