// How long the timeline takes to play a 10,000-line script ahead and measure the line's load
// under it (goal: 0.5 s), and to paint it whole, printed; nothing is asserted.
#include "script/script_model.h"
#include "script/script_runner.h"
#include "sound/silent_player.h"
#include "script_window/script_edits.h"
#include "scripted_ui_services.h"
#include "simulation/line_load.h"
#include "simulation/motion_simulation.h"
#include "timeline/timeline_window.h"

#include <QApplication>

#include <chrono>
#include <cstdio>

using namespace quarnel;

namespace {

std::string pose(int position) {
  std::string text;
  for (int slot = 0; slot < servoChannels; ++slot) text += std::to_string(position + slot) + ",255,";
  return text;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ServoConfiguration config;
  ScriptedUiServices ui;
  ScriptModel script(config, {ui, "Quarnel"});
  script.createNode("Left", pose(100));
  script.createNode("Right", pose(120));
  // Every servo swings 20 units each line, so each line's move fits one runner tick.
  constexpr int lineCount = 10'000;
  for (int i = 0; i < lineCount; ++i) script.lines().placeCommand(i % 2 ? "Right" : "Left");

  for (int round = 0; round < 3; ++round) {
    const auto start = std::chrono::steady_clock::now();
    const SimulationInput input = SimulationInput::of(script, config, startSpeed);
    const double copied = secondsSince(start);
    const auto sim = simulateMotion(input);
    const double simulated = secondsSince(start);
    const LineLoad load = measureLineLoad(*sim, config.baudRate());
    const double measured = secondsSince(start);
    std::printf("%d lines, %.0f s simulated, %zu frames asked: copy %.1f ms, simulation %.1f ms, "
                "line load %.1f ms, total %.3f s (goal 0.5 s); worst lag %.1f ms\n",
                lineCount, sim->endMs / 1000.0, load.asked, copied * 1000, (simulated - copied) * 1000,
                (measured - simulated) * 1000, measured, load.worstLagMs);
  }

  // The whole run on show at once: every trace crosses every pixel column many times.
  MotionModel motion;
  const SteadyClock clock;
  SilentPlayer silence(clock);
  ScriptRunner runner(script, motion, silence);
  ScriptEdits edits(script);
  TimelineWindow window(script, edits, runner, motion, config);
  window.show();
  while (!window.simulation()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  for (int round = 0; round < 3; ++round) {
    const auto start = std::chrono::steady_clock::now();
    window.grab();
    std::printf("painted whole at %dx%d: %.1f ms\n", window.width(), window.height(), secondsSince(start) * 1000);
  }
}
