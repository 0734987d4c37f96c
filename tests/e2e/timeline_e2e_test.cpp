// The timeline's simulated run against a real one: the control and script windows, the real
// libTavik.so and the virtual board pacing its log to the line, for the same script.
#include "application_parts.h"
#include "board_process.h"
#include "simulation/motion_simulation.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <sstream>

using namespace quarnel;
using tavik::testing::BoardProcess;
using tavik::testing::LogLine;

namespace {

// Node speeds 100 and 40 ask at most 100 frames a second, so the line carries every change when
// it is asked. Within a line the update tick runs every millisecond; two of the ticks the
// window takes when idle (10 ms) are the slack.
constexpr long long slackUs = 20'000;

std::string pose(int servo0, int speed) {
  std::string text;
  for (int slot = 0; slot < servoChannels; ++slot)
    text += std::to_string(slot == 0 ? servo0 : 127) + ',' + std::to_string(speed) + ',';
  return text;
}

std::pair<int, int> frame(const LogLine &line) {
  std::istringstream in(line.rest);
  int servo = -1, position = -1;
  in >> servo >> position;
  return {servo, position};
}

// The log once the last frame of the run is in: it carries the final position.
std::vector<LogLine> waitForFrames(const BoardProcess &board, size_t most) {
  for (int waited = 0; waited < 2000; waited += 50) {
    const auto log = board.lines();
    if (log.size() >= most) return log;
    QTest::qWait(50);
  }
  return board.lines();
}

} // namespace

class TimelineEndToEndTest : public QObject {
  Q_OBJECT

private slots:
  void theSimulatedRunIsWhatReachesTheBoard();
};

void TimelineEndToEndTest::theSimulatedRunIsWhatReachesTheBoard() {
  BoardProcess board(false);
  qputenv("TAVIK_COM1", board.link().c_str());
  SteadyClock clock;
  ApplicationParts parts(clock);
  QVERIFY(!parts.tavik.bind());
  ControlWindow &controls = parts.controls;
  ScriptModel &script = parts.script;
  ScriptRunner &runner = parts.runner;
  ScriptWindow &scriptWindow = parts.scriptWindow();

  controls.load();
  controls.show();
  scriptWindow.showBeside(controls);
  const size_t opening = 32; // the driver sends 127 to every slot once it opens
  QTRY_COMPARE_WITH_TIMEOUT(board.lines().size(), opening, 5000);
  script.createNode("Up", pose(157, 100));
  script.createNode("Down", pose(117, 40));
  for (const char *line : {"Up", "PAUSE 200", "Down", "Up"}) script.lines().placeCommand(line);

  const auto sim = simulateMotion(SimulationInput::of(script, parts.configuration, parts.motion.speed()));
  QVERIFY(sim && !sim->failure && !sim->capped);
  QCOMPARE(sim->changes.size(), size_t{30 + 40 + 40});

  QTest::mouseClick(scriptWindow.findChild<QPushButton *>("cmbRun"), Qt::LeftButton);
  QVERIFY(!runner.idle());
  QTRY_VERIFY_WITH_TIMEOUT(runner.idle(), 15000);
  const std::vector<LogLine> log = waitForFrames(board, opening + sim->changes.size());

  // Every frame on the wire is the simulated change of that servo to that position, in the same
  // order, at the same time since its line started moving; each line starts on the simulated
  // runner tick, bar one that a late timer may put a tick behind. A tick the machine delivers late makes a frame late, or a servo step two units
  // at once so the wire misses a position: on a busy machine some of those are the machine's,
  // not the model's (a model that is wrong by a millisecond a step makes most frames late).
  size_t next = 0, missed = 0, late = 0, slips = 0;
  long long worstUs = 0, realStartUs = 0, lineStartOffUs = 0, lastStartOffUs = 0;
  const LineRun *line = nullptr;
  int simStartMs = 0;
  for (size_t i = opening; i < log.size(); ++i) {
    const auto [servo, position] = frame(log[i]);
    const size_t from = next;
    while (next < sim->changes.size() && !(sim->changes[next].servo == servo && sim->changes[next].position == position)) ++next;
    QVERIFY2(next < sim->changes.size(), qPrintable(QString("frame %1 %2 was not simulated").arg(servo).arg(position)));
    missed += next - from;
    const int simMs = sim->changes[next].timeMs;
    if (sim->lineRunningAt(simMs) != line) {
      line = sim->lineRunningAt(simMs);
      if (i == opening) lineStartOffUs = log[i].us - simMs * 1000LL;
      const long long startOffUs = log[i].us - simMs * 1000LL - lineStartOffUs;
      // Each line's own slip: a late start moves every later line with it.
      if (std::abs(startOffUs - lastStartOffUs) >= runnerTickMs * 1000) {
        ++slips;
        qInfo("line %d started %.1f ms from its simulated time", line->row, startOffUs / 1000.0);
      }
      lastStartOffUs = startOffUs;
      realStartUs = log[i].us;
      simStartMs = simMs;
    }
    const long long offUs = (log[i].us - realStartUs) - (simMs - simStartMs) * 1000LL;
    worstUs = std::max(worstUs, std::abs(offUs));
    if (std::abs(offUs) > slackUs) ++late;
    ++next;
  }
  QCOMPARE(next, sim->changes.size()); // the last position is the simulated one
  QVERIFY2(slips <= 1, qPrintable(QString("%1 lines started a runner tick or more off their simulated time").arg(slips)));
  QVERIFY2((missed + late) * 5 <= sim->changes.size(), qPrintable(QString("%1 positions missed, %2 late").arg(missed).arg(late)));
  qInfo("%zu frames: %zu positions missed, %zu more than 20 ms late, worst %.1f ms from the simulated time",
        log.size() - opening, missed, late, worstUs / 1000.0);
}

QTEST_MAIN(TimelineEndToEndTest)
#include "timeline_e2e_test.moc"
