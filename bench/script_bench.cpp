// Measures a large script: opening a file of 10,000 lines and 112 nodes, removing a node named
// on 2,000 of its lines, and the runner's heaviest ticks. Prints the figures, asserts nothing.
#include "big_script.h"
#include "motion/motion_model.h"
#include "script/script_file.h"
#include "script/script_runner.h"
#include "sound/silent_player.h"
#include "script/script_file_access.h"
#include "scripted_ui_services.h"
#include "temporary_folder.h"
#include "timed_runs.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace {

using namespace quarnel;

constexpr int scriptLines = 10000;
constexpr int repeats = 5;

void build(ScriptModel &script) { bench::buildBigScript(script, scriptLines); }

// The slowest and the median of `repeats` runs of `measured`, each after `prepare`.
void report(const char *what, const std::function<void()> &prepare, const std::function<void()> &measured) {
  const std::vector<double> ms = bench::timedRuns(repeats, prepare, measured);
  std::printf("%-52s median %8.3f ms   slowest %8.3f ms\n", what, ms[ms.size() / 2], ms.back());
}

} // namespace

int main() {
  ServoConfiguration config;
  ScriptedUiServices ui;
  ScriptModel script(config, {ui, "Quarnel"});
  MotionModel motion;
  motion.load({});
  const SteadyClock clock;
  SilentPlayer silence(clock);
  ScriptRunner runner(script, motion, silence);

  build(script);
  const tavik::testing::TemporaryFolder folder;
  const std::filesystem::path path = folder.path() / "bench.tvk";
  std::ofstream(path, std::ios::binary) << writeScript(script).bytes;
  std::printf("script: %d lines, %d nodes, %ju bytes\n", script.lines().rowCount() - 2, script.nodes().count() - 1,
              static_cast<std::uintmax_t>(std::filesystem::file_size(path)));

  DocumentFolders folders(path.parent_path().string());
  report("open the file (dialog, read, nodes, lines)", [&] { ui.answerFile(path.string()); },
         [&] { openScriptFile(script, folders); });

  report("DeleteNode of a node on 2,000 lines", [&] { build(script); },
         [&] { script.deleteNode(bench::busiestNodeIndex); });

  // A tick that runs the last node: the name search passes every other node first.
  auto tickOn = [&](int row) {
    return [&, row] {
      if (!runner.idle()) {
        runner.stop();
        runner.tick();
      }
      motion.load({});
      motion.tick(1); // every servo at its target
      script.lines().select(row);
      runner.resume();
    };
  };
  build(script);
  script.lines().select(scriptLines - 1);
  script.lines().placeCommand(bench::nodeName(bench::createdNodes));
  report("runner tick: a node line, the last of 112 nodes", tickOn(scriptLines - 1), [&] { runner.tick(); });
  report("runner tick: LOOPEND on line 10,000 back to row 1", tickOn(scriptLines), [&] { runner.tick(); });

  std::filesystem::remove(path);
  return 0;
}
