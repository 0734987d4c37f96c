// Every window on a small scaled screen, opened as the user opens them beside the virtual
// board's window: each wholly on the screen, none over the board's window or the STOP button.
// Run for 1366 x 768 at a scale factor of 1.5 and for 1920 x 1080 at 2 (the arguments).
#include "application_parts.h"
#include "board_window.h"
#include "find_child.h"
#include "ports/ports_dialog.h"
#include "script_window/node_editor.h"
#include "settings/settings_window.h"
#include "timeline/timeline_window.h"
#include "window_place.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <memory>

using namespace quarnel;

namespace {

QRect onScreen(const QWidget &control) { return QRect(control.mapToGlobal(QPoint(0, 0)), control.size()); }

} // namespace

class WindowFitTest : public QObject {
  Q_OBJECT

private slots:
  void everyWindowFitsBesideTheBoardAndLeavesStopInSight();
};

void WindowFitTest::everyWindowFitsBesideTheBoardAndLeavesStopInSight() {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QTemporaryDir runtime;
  const std::string link = runtime.filePath("board").toStdString();
  qputenv("QUARNEL_VIRTUAL_BOARD", QByteArray::fromStdString(link));

  // The board's window first, where the launcher puts it.
  tavik::board::BoardState state;
  tavik::board::BoardWindow board(state, QString::fromStdString(link));
  board.keepPlaceIn(tavik::board::windowPlacePath(link));
  board.standAt({0, 0});
  board.show();
  QTRY_VERIFY(tavik::board::readWindowPlace(tavik::board::windowPlacePath(link)));

  SteadyClock clock;
  ApplicationParts parts(clock);
  std::string wave; // every servo to 200 at speed 40
  for (int slot = 0; slot < servoChannels; ++slot) wave += "200,40,";
  parts.script.createNode("Wave", wave);
  parts.script.lines().placeCommand("Wave");
  SettingsWindow settings(parts.setup, parts.ui, parts.identity, parts.folders);
  PortsDialog ports({}, {}, &settings);
  ScriptWindow &script = parts.scriptWindow();
  TimelineWindow timeline(parts.script, parts.edits, parts.runner, parts.motion, parts.configuration);
  NodeEditor editor(parts.script, parts.edits, parts.motion, parts.configuration, parts.ui, parts.identity);
  const QPushButton &stop = *child<QPushButton>(&parts.controls, "cmdSTOP");

  // Each window as the user opens it, and what must stay in sight while it is up.
  const struct {
    const char *name;
    QWidget &window;
    std::function<void()> open;
    bool stopShown;
  } steps[] = {
      {"settings", settings, [&] { settings.show(); }, false},
      {"ports", ports, [&] { ports.adjustSize(); moveOver(ports, settings); ports.show(); }, false},
      {"control", parts.controls, [&] { ports.hide(); settings.hide(); parts.controls.load(); }, false},
      {"script", script, [&] { script.showBeside(parts.controls); }, true},
      {"timeline", timeline, [&] { timeline.showBeside(script, parts.controls); }, true},
      {"node editor", editor, [&] { timeline.hide(); editor.openFor(1, parts.controls, script); }, true},
  };
  for (const auto &step : steps) {
    step.open();
    QVERIFY2(QTest::qWaitForWindowExposed(&step.window), step.name);
    const QRect frame = step.window.frameGeometry();
    QVERIFY2(screen.contains(frame), qPrintable(QString("%1 at %2,%3 %4x%5 is not wholly on the screen")
                                                   .arg(step.name).arg(frame.x()).arg(frame.y())
                                                   .arg(frame.width()).arg(frame.height())));
    QVERIFY2(!frame.intersects(board.frameGeometry()), qPrintable(QString("%1 covers the board").arg(step.name)));
    if (step.stopShown) QVERIFY2(!frame.intersects(onScreen(stop)), qPrintable(QString("%1 covers STOP").arg(step.name)));
  }
  QVERIFY(screen.contains(board.frameGeometry()));
  // The script window stands beside the control window, neither over the other.
  QVERIFY(!script.frameGeometry().intersects(parts.controls.frameGeometry()));
  editor.close();
  parts.controls.close();
}

// The screen's size and scale factor, set before Qt starts.
int main(int argc, char **argv) {
  if (argc < 4) qFatal("usage: window_fit_test WIDTH HEIGHT SCALE [test options]");
  QTemporaryFile screens;
  if (!screens.open()) qFatal("no room for the screen configuration");
  screens.write(QString(R"({"screens": [{"name": "only", "x": 0, "y": 0, "width": %1, "height": %2}]})")
                    .arg(argv[1], argv[2])
                    .toUtf8());
  screens.flush();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
  qputenv("QT_SCALE_FACTOR", argv[3]);
  argv[3] = argv[0];
  argc -= 3;
  argv += 3;
  QApplication app(argc, argv);
  WindowFitTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_fit_test.moc"
