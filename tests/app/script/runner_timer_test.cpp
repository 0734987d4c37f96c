// The runner's timer and the update tick on one fake clock, as the windows and the player run
// them: a pause ends on the runner tick its length after the tick that started it, however long
// that tick's work took on a busy machine, so a show timed by a sound keeps to its beat.
#include "manual_clock.h"
#include "motion/motion_ticker.h"
#include "script/runner_timer.h"
#include "script/script_model.h"
#include "scripted_ui_services.h"
#include "sound/silent_player.h"

#include <QCoreApplication>
#include <QTest>

#include <cmath>
#include <vector>

using namespace quarnel;

class RunnerTimerTest : public QObject {
  Q_OBJECT

private slots:
  void aPauseEndsOnItsTickHoweverLongTheTickTook_data();
  void aPauseEndsOnItsTickHoweverLongTheTickTook();
};

void RunnerTimerTest::aPauseEndsOnItsTickHoweverLongTheTickTook_data() {
  QTest::addColumn<int>("pauseMs");
  QTest::addColumn<double>("busyMs");
  for (int pause : {300, 250})
    for (double busy : {0.0, 3.0, 40.0})
      QTest::addRow("PAUSE %d, tick busy %g ms", pause, busy) << pause << busy;
}

void RunnerTimerTest::aPauseEndsOnItsTickHoweverLongTheTickTook() {
  QFETCH(int, pauseMs);
  QFETCH(double, busyMs);
  ManualClock clock;
  MotionModel motion;
  motion.load({});
  MotionTicker ticker(motion, clock);
  ticker.start();
  ServoConfiguration config;
  ScriptedUiServices ui;
  ScriptModel script{config, {ui, "Quarnel"}};
  script.lines().placeCommand(("PAUSE " + std::to_string(pauseMs)).c_str());
  script.lines().placeCommand("LOOPSTART");
  SilentPlayer silence{clock};
  ScriptRunner runner(script, motion, silence);
  RunnerTimer timer(runner, clock);

  int fires = 0;
  std::vector<int> lineFires; // the fire that started each line
  runner.setLineListener([&](int row) {
    lineFires.push_back(fires);
    if (row == 1) clock.advanceMs(busyMs); // the machine is held up while the pause starts
  });
  runner.run();
  timer.start();
  auto *runTimer = timer.findChild<QTimer *>("tmrScriptRun");
  while (lineFires.size() < 2 && fires < 20) {
    QVERIFY(runTimer->isActive());
    clock.advanceMs(runTimer->interval() + 0.3); // the timer's own slack
    ++fires;
    QMetaObject::invokeMethod(runTimer, "timeout");
    QCoreApplication::processEvents(); // the update tick the line asked for at once
  }
  QCOMPARE(lineFires.size(), size_t{2});
  QCOMPARE(lineFires[1] - lineFires[0], static_cast<int>(std::ceil(pauseMs / 100.0)));
}

QTEST_GUILESS_MAIN(RunnerTimerTest)
#include "runner_timer_test.moc"
