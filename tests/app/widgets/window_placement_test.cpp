// Where windows open: beside the windows they serve, wholly on their screen and clear of what
// must stay in sight, as plain geometry over tables of screens, then with real windows on two
// offscreen screens at a scale factor of 2.
#include "widgets/window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>
#include <QWidget>

using namespace quarnel;

Q_DECLARE_METATYPE(QList<QRect>)

namespace {

// The control window and the script window as the default font lays them out, in pixels.
const QSize controls(372, 443), script(281, 443);

const QRect fullHd(0, 0, 1920, 1080), small(0, 0, 800, 600);
// 1920 x 1080 pixels at a scale factor of 2: half as many device-independent pixels.
const QRect fullHdScaled(0, 0, 960, 540);
const QRect secondScreen(1920, 0, 1280, 1024);

} // namespace

class WindowPlacementTest : public QObject {
  Q_OBJECT

private slots:
  void besideTakesTheFreeSideOnTheServedScreen_data();
  void besideTakesTheFreeSideOnTheServedScreen();
  void fittedBesideShrinksToTheFirstRoomySide_data();
  void fittedBesideShrinksToTheFirstRoomySide();
  void keptInsideMovesAWindowOntoItsScreen_data();
  void keptInsideMovesAWindowOntoItsScreen();
  void clearPlaceCoversNeitherStopNorTheBoard_data();
  void clearPlaceCoversNeitherStopNorTheBoard();
  void realWindowsOnAScaledSecondScreen();
};

void WindowPlacementTest::besideTakesTheFreeSideOnTheServedScreen_data() {
  QTest::addColumn<QRect>("served");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QRect>("area");
  QTest::addColumn<QPoint>("expected");

  QTest::newRow("room on the right: left edge at its right, tops aligned")
      << QRect(QPoint(774, 318), controls) << script << fullHd << QPoint(1146, 318);
  QTest::newRow("at the right edge: to its left")
      << QRect(QPoint(1600, 100), controls) << script << fullHd << QPoint(1319, 100);
  QTest::newRow("low on the screen: aligned, then lifted to fit")
      << QRect(QPoint(100, 800), controls) << script << fullHd << QPoint(472, 637);
  QTest::newRow("wide and alone on its row: below")
      << QRect(0, 0, 1000, 300) << script << QRect(0, 0, 1024, 768) << QPoint(0, 300);
  QTest::newRow("no free side on a small screen: covers the least, wholly on screen")
      << QRect(QPoint(214, 78), controls) << script << small << QPoint(519, 78);
  QTest::newRow("scale 2, room on the right")
      << QRect(QPoint(294, 48), controls) << script << fullHdScaled << QPoint(666, 48);
  QTest::newRow("scale 2, node editor beside two windows: to their left")
      << QRect(QPoint(320, 20), QSize(372 + 281, 443)) << QSize(304, 420) << fullHdScaled << QPoint(16, 20);
  QTest::newRow("taller than the screen: its top at the screen's top")
      << QRect(QPoint(294, 48), controls) << QSize(281, 700) << fullHdScaled << QPoint(666, 0);
  QTest::newRow("second screen: on it, to the right")
      << QRect(QPoint(2000, 100), controls) << script << secondScreen << QPoint(2372, 100);
  QTest::newRow("second screen's right edge: to the left, never off its screen")
      << QRect(QPoint(2800, 100), controls) << script << secondScreen << QPoint(2519, 100);
  QTest::newRow("first screen's right edge: to the left, not onto the next screen")
      << QRect(QPoint(1600, 100), controls) << script << fullHd << QPoint(1319, 100);
}

void WindowPlacementTest::besideTakesTheFreeSideOnTheServedScreen() {
  QFETCH(QRect, served);
  QFETCH(QSize, size);
  QFETCH(QRect, area);
  QFETCH(QPoint, expected);
  QCOMPARE(besidePosition(served, size, area), expected);
}

void WindowPlacementTest::fittedBesideShrinksToTheFirstRoomySide_data() {
  QTest::addColumn<QRect>("served");
  QTest::addColumn<QSize>("expected");
  // A timeline of 960 x 460, no smaller than 480 x 340, beside the control and script windows.
  QTest::newRow("room on the right: as it is") << QRect(100, 300, 653, 443) << QSize(960, 460);
  QTest::newRow("centred: narrowed to the left side") << QRect(774, 318, 723, 443) << QSize(774, 460);
  QTest::newRow("no side wide enough, room below: as wide, shorter")
      << QRect(450, 0, 1020, 700) << QSize(960, 380);
  QTest::newRow("no side holds the least: as it is") << QRect(200, 200, 1500, 700) << QSize(960, 460);
}

void WindowPlacementTest::fittedBesideShrinksToTheFirstRoomySide() {
  QFETCH(QRect, served);
  QFETCH(QSize, expected);
  QCOMPARE(fittedBeside(served, QSize(960, 460), QSize(480, 340), fullHd), expected);
}

void WindowPlacementTest::keptInsideMovesAWindowOntoItsScreen_data() {
  QTest::addColumn<QRect>("window");
  QTest::addColumn<QList<QRect>>("areas");
  QTest::addColumn<QPoint>("expected");

  const QList<QRect> one{fullHd}, two{fullHd, secondScreen};
  QTest::newRow("on screen: unchanged") << QRect(QPoint(100, 100), controls) << one << QPoint(100, 100);
  QTest::newRow("corner on screen, the rest off it") << QRect(QPoint(1800, 900), controls) << one << QPoint(1548, 637);
  QTest::newRow("off the left edge") << QRect(QPoint(-200, 50), controls) << one << QPoint(0, 50);
  QTest::newRow("on a removed monitor") << QRect(QPoint(3000, 100), controls) << one << QPoint(1548, 100);
  QTest::newRow("second screen, off its bottom") << QRect(QPoint(2500, 800), controls) << two << QPoint(2500, 581);
  QTest::newRow("across two screens: onto the one holding most of it")
      << QRect(QPoint(1800, 100), controls) << two << QPoint(1920, 100);
  QTest::newRow("below a panel at the top") << QRect(QPoint(100, 0), controls) << QList<QRect>{QRect(0, 30, 1920, 1050)}
                                            << QPoint(100, 30);
  QTest::newRow("scale 2, saved for a larger screen") << QRect(QPoint(900, 400), controls) << QList<QRect>{fullHdScaled}
                                                      << QPoint(588, 97);
  QTest::newRow("larger than the screen: title bar in reach") << QRect(50, 50, 1000, 800) << QList<QRect>{small}
                                                              << QPoint(0, 0);
}

void WindowPlacementTest::keptInsideMovesAWindowOntoItsScreen() {
  QFETCH(QRect, window);
  QFETCH(QList<QRect>, areas);
  QFETCH(QPoint, expected);
  QCOMPARE(keptInside(window, areas), expected);
}

void WindowPlacementTest::clearPlaceCoversNeitherStopNorTheBoard_data() {
  QTest::addColumn<QRect>("served");
  QTest::addColumn<QList<QRect>>("keepClear");
  QTest::addColumn<QRect>("expected"); // empty: no place

  // 1366 x 768 at a scale of 1.5: the board's window down the left edge, the control and
  // script windows beside it, STOP in the control window's right column.
  const QRect board(0, 0, 142, 482), stop(515, 335, 50, 43);
  const QRect pair(142, 0, 720, 512);
  QTest::newRow("beside, narrowed to the free side") << QRect(300, 0, 380, 300) << QList<QRect>{board}
                                                    << QRect(680, 0, 230, 440);
  QTest::newRow("STOP beside the served window: past it") << QRect(142, 0, 380, 300) << QList<QRect>{board, stop}
                                                          << QRect(565, 0, 345, 440);
  QTest::newRow("no side free: over the script window rather than STOP")
      << pair << QList<QRect>{board, stop} << QRect(565, 0, 345, 440);
  QTest::newRow("no side free, STOP on the right: above STOP, shorter")
      << pair << QList<QRect>{board, QRect(860, 300, 50, 43)} << QRect(142, 0, 768, 300);
  QTest::newRow("nowhere clear holds the least") << pair << QList<QRect>{QRect(0, 0, 910, 300)} << QRect();
}

void WindowPlacementTest::clearPlaceCoversNeitherStopNorTheBoard() {
  QFETCH(QRect, served);
  QFETCH(QList<QRect>, keepClear);
  QFETCH(QRect, expected);
  // A timeline of 960 x 440 that may be made as small as 200 x 300.
  const auto place = clearPlaceBeside(served, QSize(960, 440), QSize(200, 300), keepClear, QRect(0, 0, 910, 512));
  QCOMPARE(place.value_or(QRect()), expected);
}

void WindowPlacementTest::realWindowsOnAScaledSecondScreen() {
  const QList<QScreen *> screens = QGuiApplication::screens();
  QCOMPARE(screens.size(), 2);
  // 1600 x 1200 pixels at a scale factor of 2; Qt keeps a screen's corner where it stands.
  const QRect second = screens[1]->availableGeometry();
  QCOMPARE(second, QRect(1600, 0, 800, 600));

  QWidget served;
  served.setFixedSize(controls);
  served.move(second.right() - 400, 50);
  served.show();
  QVERIFY(QTest::qWaitForWindowExposed(&served));
  QCOMPARE(served.screen(), screens[1]);

  QWidget beside;
  beside.setFixedSize(script);
  moveBeside(beside, {&served});
  beside.show();
  QVERIFY(QTest::qWaitForWindowExposed(&beside));
  QVERIFY2(second.contains(beside.frameGeometry()), "the window is not wholly on the served window's screen");
  QVERIFY(!beside.frameGeometry().intersects(served.frameGeometry()));
  QCOMPARE(beside.frameGeometry().right() + 1, served.frameGeometry().left());
  QCOMPARE(beside.frameGeometry().top(), served.frameGeometry().top());

  // No side of two windows free: the second is covered rather than the first.
  QWidget scriptLike;
  scriptLike.setFixedSize(240, 443);
  served.move(second.x() + 150, 50);
  scriptLike.move(served.frameGeometry().right() + 1, 50);
  scriptLike.show();
  QVERIFY(QTest::qWaitForWindowExposed(&scriptLike));
  QWidget editor;
  editor.setFixedSize(300, 400);
  moveBeside(editor, {&served, &scriptLike});
  editor.show();
  QVERIFY(QTest::qWaitForWindowExposed(&editor));
  QVERIFY(second.contains(editor.frameGeometry()));
  QVERIFY(editor.frameGeometry().intersects(scriptLike.frameGeometry()));
  QVERIFY((editor.frameGeometry() & served.frameGeometry()).width() < 30);

  // A position saved on the second screen, partly below its bottom, comes up with its frame.
  const QPoint saved = reachablePosition(QPoint(second.x() + 100, 400), controls);
  QCOMPARE(saved.x(), second.x() + 100);
  QCOMPARE(saved.y() + controls.height() + served.frameGeometry().height() - served.height(), second.bottom() + 1);
}

// Two offscreen screens side by side and a scale factor of 2, set before Qt starts.
int main(int argc, char **argv) {
  QTemporaryFile screens;
  if (!screens.open()) qFatal("no room for the screen configuration");
  screens.write(R"({"screens": [
    {"name": "left", "x": 0, "y": 0, "width": 1600, "height": 1200},
    {"name": "right", "x": 1600, "y": 0, "width": 1600, "height": 1200}]})");
  screens.flush();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  WindowPlacementTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_placement_test.moc"
