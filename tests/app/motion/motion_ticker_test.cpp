// The update tick's schedule on a fake clock: the timer is read for the time it was set to and
// the clock moved on by that much (plus the timer's slack) before each tick.
#include "manual_clock.h"
#include "motion/motion_ticker.h"

#include <QTest>

#include <cmath>
#include <map>
#include <memory>

using namespace quarnel;

class MotionTickerTest : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup() { m_ticker.reset(); }

  void eachStepComesOnTimeWithNoSpareTick_data();
  void eachStepComesOnTimeWithNoSpareTick();
  void aPauseEndsOnTimeAndStandingStillTicksSlowly();
  void aChangeWhileTheTimerSleepsIsTickedUpToFirst();

private:
  QTimer *timer() { return m_ticker->findChild<QTimer *>("timUpdate"); }
  // The timer fires `slackMs` after the time it was set to.
  void fire(double slackMs = 0) {
    QVERIFY(timer()->isActive());
    m_clock.advanceMs(timer()->interval() + slackMs);
    m_ticker->tickNow();
  }
  void settle() {
    for (int i = 0; i < 3 && timer()->interval() != MotionTicker::idleTickMs; ++i) fire();
    QCOMPARE(timer()->interval(), MotionTicker::idleTickMs);
  }

  MotionModel m_motion;
  ManualClock m_clock;
  std::unique_ptr<MotionTicker> m_ticker;
  std::map<int, double> m_reachedAt; // servo 0's positions, when they were first reached
  int m_ticks = 0;
};

void MotionTickerTest::init() {
  m_motion = MotionModel();
  m_clock = ManualClock();
  m_motion.load({});
  m_reachedAt.clear();
  // A tick may take several steps at once; each position passed counts as reached then.
  m_motion.addPositionListener([this, last = int(startPosition)](int servo, int16_t position) mutable {
    if (servo != 0) return;
    for (int p = last; p != position;) m_reachedAt.try_emplace(p += position > last ? 1 : -1, m_clock.ms());
    last = position;
  });
  m_ticker = std::make_unique<MotionTicker>(m_motion, m_clock);
  m_ticks = 0;
  m_ticker->ticked = [this] { ++m_ticks; };
  m_ticker->start();
}

void MotionTickerTest::eachStepComesOnTimeWithNoSpareTick_data() {
  QTest::addColumn<int>("speed");
  QTest::addColumn<int>("units");
  QTest::addColumn<double>("slackMs");
  for (double slack : {0.0, 0.7}) {
    const QByteArray late = slack > 0 ? ", late timer" : "";
    QTest::newRow("speed 1" + late) << 1 << 3 << slack;
    QTest::newRow("speed 32" + late) << 32 << 20 << slack;
    QTest::newRow("speed 120" + late) << 120 << 30 << slack;
    QTest::newRow("speed 255" + late) << 255 << 40 << slack;
    QTest::newRow("node speed 2000, 1 ms" + late) << 2000 << 40 << slack;
  }
}

void MotionTickerTest::eachStepComesOnTimeWithNoSpareTick() {
  QFETCH(int, speed);
  QFETCH(int, units);
  QFETCH(double, slackMs);
  settle();
  m_motion.setServoSpeed(0, speed);
  m_motion.setTarget(0, 127 + units);
  QCOMPARE(timer()->interval(), 0); // the change is looked at once; a new speed waits an interval
  const double start = m_clock.ms();
  m_ticks = 0;
  while (m_motion.displayed(0) != 127 + units && m_ticks < 10 * units) fire(slackMs);
  const int interval = speedToInterval(speed);
  for (int unit = 1; unit <= units; ++unit) {
    QVERIFY2(m_reachedAt.count(127 + unit), qPrintable(QString("unit %1 never came").arg(unit)));
    const double late = m_reachedAt[127 + unit] - (start + unit * interval);
    // Whole intervals from a whole millisecond fall on whole milliseconds, which the timer meets
    // exactly unless it is late itself.
    QVERIFY2(late >= 0 && late < (slackMs > 0 ? 1 + slackMs : 1e-6),
             qPrintable(QString("unit %1 came %2 ms after it was due").arg(unit).arg(late)));
  }
  QVERIFY2(m_ticks <= units + 1, qPrintable(QString("%1 ticks for %2 steps").arg(m_ticks).arg(units)));
  // One more tick finds every servo arrived; then the timer sleeps.
  fire(slackMs);
  QVERIFY(m_motion.allAtTarget());
  QCOMPARE(timer()->interval(), MotionTicker::idleTickMs);
}

void MotionTickerTest::aPauseEndsOnTimeAndStandingStillTicksSlowly() {
  settle();
  m_motion.startPause(1000.5);
  const double start = m_clock.ms();
  m_ticks = 0;
  while (m_motion.pauseActive() && m_ticks < 100) fire();
  QCOMPARE(m_ticks, 2); // the change, then the end
  QVERIFY(m_clock.ms() - start >= 1000.5 && m_clock.ms() - start < 1001.5);
  QCOMPARE(timer()->interval(), MotionTicker::idleTickMs);
}

void MotionTickerTest::aChangeWhileTheTimerSleepsIsTickedUpToFirst() {
  m_clock.advanceMs(95'000); // readings near 100 s, whose differences come out a hair off
  settle();
  // 400 ms of standing still, the timer not yet due: they count for nothing toward the move.
  m_clock.advanceMs(400);
  m_motion.setTarget(0, 200);
  fire();
  QCOMPARE(m_motion.displayed(0), int16_t{128});
  QCOMPARE(timer()->interval(), 32);

  // The runner's "wait for one more tick" is answered at once, not after the idle interval.
  while (m_motion.displayed(0) != 200) fire();
  settle();
  m_motion.clearAllAtTarget();
  QCOMPARE(timer()->interval(), 0);
  fire();
  QVERIFY(m_motion.allAtTarget());

  // Stopped, the changes of a closed window tick nothing.
  m_ticker->stop();
  m_motion.setTarget(0, 10);
  QVERIFY(!timer()->isActive());
  QCOMPARE(m_motion.displayed(0), int16_t{200});
}

QTEST_GUILESS_MAIN(MotionTickerTest)
#include "motion_ticker_test.moc"
