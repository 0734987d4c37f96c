// The virtual board's window on the offscreen platform: what a screen reader hears of each
// servo as positions arrive, and where --position puts the window.
#include "board_window.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

using tavik::board::BoardState;
using tavik::board::BoardWindow;

class BoardWindowTest : public QObject {
  Q_OBJECT

private slots:
  void eachServoIsNamedAndTellsItsPosition();
  void positionIsReadAsTwoWholeNumbers_data();
  void positionIsReadAsTwoWholeNumbers();
  void standsWhollyOnTheScreen_data();
  void standsWhollyOnTheScreen();
};

namespace {

QString text(QWidget *widget, QAccessible::Text which) {
  return QAccessible::queryAccessibleInterface(widget)->text(which);
}

} // namespace

void BoardWindowTest::eachServoIsNamedAndTellsItsPosition() {
  BoardState state;
  BoardWindow window(state, "/tmp/line");
  auto *dial = window.findChild<QWidget *>("servoDial(3)");
  QVERIFY(dial);
  QCOMPARE(text(&window, QAccessible::Name), QString("Virtual servo board"));
  QCOMPARE(text(dial, QAccessible::Name), QString("Servo 3"));
  QCOMPARE(text(dial, QAccessible::Description), QString("Nothing received"));
  QCOMPARE(window.findChild<QLabel *>("boardHeader")->text(), QString("Frames: 0    Line: not opened"));

  state.positions[3] = 200;
  state.frames = 7;
  state.bitsPerSecond = 9600;
  window.refresh();
  QCOMPARE(text(dial, QAccessible::Description), QString("Position 200"));
  QCOMPARE(text(window.findChild<QWidget *>("servoDial(4)"), QAccessible::Description), QString("Nothing received"));
  QCOMPARE(window.findChild<QLabel *>("boardHeader")->text(), QString("Frames: 7    Line: 9600 bit/s"));
}

void BoardWindowTest::positionIsReadAsTwoWholeNumbers_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("valid");
  QTest::addColumn<QPoint>("position");
  QTest::newRow("corner") << "0,0" << true << QPoint(0, 0);
  QTest::newRow("left of the primary screen") << "-1280,40" << true << QPoint(-1280, 40);
  QTest::newRow("one number") << "12" << false << QPoint();
  QTest::newRow("three numbers") << "1,2,3" << false << QPoint();
  QTest::newRow("not a number") << "left,top" << false << QPoint();
  QTest::newRow("empty") << "" << false << QPoint();
}

void BoardWindowTest::positionIsReadAsTwoWholeNumbers() {
  QFETCH(QString, text);
  QFETCH(bool, valid);
  QFETCH(QPoint, position);
  const auto parsed = BoardWindow::parsePosition(text);
  QCOMPARE(parsed.has_value(), valid);
  if (valid) QCOMPARE(*parsed, position);
}

void BoardWindowTest::standsWhollyOnTheScreen_data() {
  QTest::addColumn<QPoint>("asked");
  QTest::addColumn<bool>("asGiven");
  QTest::newRow("on screen") << QPoint(10, 20) << true;
  QTest::newRow("past the bottom right") << QPoint(5000, 5000) << false;
  QTest::newRow("off the left and the top") << QPoint(-300, -300) << false;
}

void BoardWindowTest::standsWhollyOnTheScreen() {
  QFETCH(QPoint, asked);
  QFETCH(bool, asGiven);
  BoardState state;
  BoardWindow window(state, "/tmp/line");
  window.standAt(asked);
  QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window.geometry()));
  QCOMPARE(window.pos() == asked, asGiven);
}

QTEST_MAIN(BoardWindowTest)
#include "board_window_test.moc"
