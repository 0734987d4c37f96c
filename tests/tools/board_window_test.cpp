// The virtual board's window on the offscreen platform: what a screen reader hears of each
// servo as positions arrive, where --position puts the window, and how it fits its screen.
#include "board_window.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

using tavik::board::BoardState;
using tavik::board::BoardWindow;

Q_DECLARE_METATYPE(BoardWindow::DialGrid)

class BoardWindowTest : public QObject {
  Q_OBJECT

private slots:
  void eachServoIsNamedAndTellsItsPosition();
  void positionIsReadAsTwoWholeNumbers_data();
  void positionIsReadAsTwoWholeNumbers();
  void standsWhollyOnTheScreen_data();
  void standsWhollyOnTheScreen();
  void takesAThirdOfTheScreenAtMost_data();
  void takesAThirdOfTheScreenAtMost();
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
  // On a line, or a line each where the window is narrow.
  auto header = [&] { return window.findChild<QLabel *>("boardHeader")->text().simplified(); };
  QCOMPARE(header(), QString("Frames: 0 Line: not opened"));

  state.positions[3] = 200;
  state.frames = 7;
  state.bitsPerSecond = 9600;
  window.refresh();
  QCOMPARE(text(dial, QAccessible::Description), QString("Position 200"));
  QCOMPARE(text(window.findChild<QWidget *>("servoDial(4)"), QAccessible::Description), QString("Nothing received"));
  QCOMPARE(header(), QString("Frames: 7 Line: 9600 bit/s"));
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

void BoardWindowTest::takesAThirdOfTheScreenAtMost_data() {
  QTest::addColumn<QSize>("available");
  QTest::addColumn<BoardWindow::DialGrid>("expected");
  QTest::newRow("full HD: the design") << QSize(1920, 1080) << BoardWindow::DialGrid{36, 4, 112};
  QTest::newRow("1366 x 768 at scale 1.5: two columns, as tall as the screen allows")
      << QSize(910, 512) << BoardWindow::DialGrid{57, 2, 69};
  QTest::newRow("full HD at scale 2") << QSize(960, 540) << BoardWindow::DialGrid{57, 2, 73};
  QTest::newRow("1366 x 768: the design") << QSize(1366, 768) << BoardWindow::DialGrid{36, 4, 112};
  QTest::newRow("1280 x 1024: two columns of full-size dials") << QSize(1280, 1024) << BoardWindow::DialGrid{57, 2, 112};
}

void BoardWindowTest::takesAThirdOfTheScreenAtMost() {
  QFETCH(QSize, available);
  QFETCH(BoardWindow::DialGrid, expected);
  const BoardWindow::DialGrid grid = BoardWindow::gridFor(available, 17);
  QCOMPARE(grid, expected);
  QVERIFY(grid.columns * grid.cell <= available.width() / 3);
  QVERIFY(grid.header + 12 / grid.columns * grid.cell + 40 <= available.height());
}

QTEST_MAIN(BoardWindowTest)
#include "board_window_test.moc"
