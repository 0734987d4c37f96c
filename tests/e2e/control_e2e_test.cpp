// The application end to end: the real settings and control windows, the real libTavik.so
// loaded from the application's folder, the real virtual board logging what it received, and
// the settings in a user's configuration folder of the test's own.
#include "app_windows.h"
#include "application.h"
#include "application_parts.h"
#include "board_process.h"
#include "config/remembered_file.h"
#include "spawn_program.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <filesystem>
#include <memory>
#include <sstream>
#include <sys/wait.h>

using tavik::testing::BoardProcess;
using tavik::testing::LogLine;

namespace {

std::pair<int, int> frame(const LogLine &line) {
  std::istringstream in(line.rest);
  int servo = -1, position = -1;
  in >> servo >> position;
  return {servo, position};
}

// The board's servos as the user last saw them: a jaw whose linkage stops below 150, left at
// 90 by something before Quarnel (its position is kept within the range all the same).
struct Rig {
  Rig() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    quarnel::placeDriverIn(folder.path().toStdString());
    QFile file(sst);
    file.open(QIODevice::WriteOnly);
    QByteArray rows = "\"Jaw\",\"150\",\"200\",\"254\",0\r\n";
    for (int row = 1; row < 12; ++row) rows += "\"Servo" + QByteArray::number(row) + "\",\"0\",\"127\",\"254\"," + QByteArray::number(row) + "\r\n";
    file.write(rows + "\"***\",123\r\n");
    QDir(config.path()).mkdir("quarnel");
    QFile remembered(conf);
    remembered.open(QIODevice::WriteOnly);
    const QByteArray file8 = QFile::encodeName(sst);
    remembered.write("[files]\nservoSettings=" + file8 + "\n[positions]\nservoSettings=" + file8 +
                     "\nlast=90,127,127,127,127,127,127,127,127,127,127,127\n");
  }

  QTemporaryDir config, folder;
  const QString sst = folder.filePath("jaw.sst");
  const QString conf = config.filePath("quarnel/quarnel.conf");
};

// A servo's positions in the board's log.
std::vector<int> positionsOf(const BoardProcess &board, int servo) {
  std::vector<int> positions;
  for (const LogLine &line : board.lines())
    if (frame(line).first == servo) positions.push_back(frame(line).second);
  return positions;
}

// Waits for a program this test started to end; its exit status, or -1.
int waitForExit(pid_t pid) {
  int status = 0;
  for (int waited = 0; waited < 20000 && waitpid(pid, &status, WNOHANG) == 0; waited += 10) QTest::qWait(10);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}


// Waits for the board's log while the application's own event loop keeps running.
std::vector<LogLine> waitForLines(const BoardProcess &board, size_t count) {
  for (int waited = 0; waited < 5000 && board.lines().size() < count; waited += 10) QTest::qWait(10);
  return board.lines();
}

void writeFile(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A file manager's drag of `path` over `widget`, dropped there when `drop`; whether it was taken.
bool dragFile(QWidget *widget, const QString &path, bool drop) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  data.setText(QUrl::fromLocalFile(path).toString()); // offered as text too, as file managers do
  const QPoint where = widget->rect().center();
  QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &enter);
  if (!enter.isAccepted() || !drop) return enter.isAccepted();
  QDropEvent dropped(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &dropped);
  return dropped.isAccepted();
}

} // namespace

class ControlEndToEndTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void sliderRampsTheServoOneUnitAtATimeOnTheWire();
  void theLastRowsAndTheStoredPortChoiceComeBackAtTheNextStart();
  void aMissingDriverIsReportedAndTheSettingsWindowStays();
  void aLinkThatDoesNotOpenIsSaidAndTheWindowWorksOffline_data();
  void aLinkThatDoesNotOpenIsSaidAndTheWindowWorksOffline();
  void aBoardClosedAndStartedAgainIsSaidAndGetsEveryServoBack();
  void noPositionOutsideAServosRangeReachesTheBoard_data();
  void noPositionOutsideAServosRangeReachesTheBoard();
  void eachOpeningStartsWhereTheLastOneLeftEachServo();
  void withNoHomeItSaysOnceThatNothingIsKeptAndWritesNothing();
  void filesFromOutsideOpenInTheirWindowsAndComeBackUnderOpenRecent();
};

void ControlEndToEndTest::sliderRampsTheServoOneUnitAtATimeOnTheWire() {
  BoardProcess board(false);
  qputenv("TAVIK_COM1", board.link().c_str());
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QTemporaryDir folder;
  quarnel::placeDriverIn(folder.path().toStdString());
  quarnel::Application app(folder.path().toStdString());
  app.show();

  QTest::mouseClick(control<QPushButton>("frmSettings", "cmbControls"), Qt::LeftButton);
  QWidget *controls = window("frmControls");
  QVERIFY(controls->isVisible());
  QVERIFY(!window("frmSettings")->isVisible());
  auto burst = waitForLines(board, 32);
  QCOMPARE(burst.size(), size_t{32});
  for (int servo = 0; servo < 32; ++servo) QCOMPARE(frame(burst[servo]), std::make_pair(servo, 127));

  // Speed 40 steps every 26 ms; PageUp moves the slider ten units.
  auto *speed = control<QSlider>("frmControls", "vscSpeed");
  speed->setValue(40);
  auto *slider = control<QSlider>("frmControls", "hscServoCon(2)");
  slider->setFocus();
  QTest::keyClick(slider, Qt::Key_PageUp);
  QCOMPARE(slider->value(), 137);
  const auto lines = waitForLines(board, 42);
  QCOMPARE(lines.size(), size_t{42});
  for (int step = 1; step <= 10; ++step) QCOMPARE(frame(lines[31 + step]), std::make_pair(2, 127 + step));
  // Never faster than the speed: nine intervals lie between the first step and the last. The
  // board stamps frames as it reads them, so a loaded machine that delays the first stamp
  // shortens the span; the bound still fails a ramp run at one and a half times the speed.
  const long long rampUs = lines[41].us - lines[32].us;
  QVERIFY2(rampUs >= 9 * 26'000 * 2 / 3, qPrintable(QString("the ramp took %1 us").arg(rampUs)));
  qInfo("ramp of 10 units at speed 40: %lld ms (10 intervals of 26 ms = 260 ms)", rampUs / 1000 + 26);
  QTest::qWait(100);
  QCOMPARE(board.lines().size(), size_t{42}); // ends exactly on the target

  QTest::mouseClick(control<QPushButton>("frmControls", "cmdBack"), Qt::LeftButton);
  QVERIFY(!controls->isVisible());
  QVERIFY(window("frmSettings")->isVisible());
  // No setup.res beside the program: the settings live in the user's folder, made for them.
  QVERIFY(QFile::exists(config.filePath("quarnel/setup.res")));
  QVERIFY(!QFile::exists(folder.filePath("setup.res")));
}

void ControlEndToEndTest::theLastRowsAndTheStoredPortChoiceComeBackAtTheNextStart() {
  BoardProcess board(false);
  qunsetenv("TAVIK_COM1");
  QTemporaryDir config, folder;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  quarnel::placeDriverIn(folder.path().toStdString());
  QFile sst(folder.filePath("arm.sst"));
  QVERIFY(sst.open(QIODevice::WriteOnly));
  sst.write("\"Shoulder\",\"10\",\"100\",\"200\",0\r\n\"***\",123\r\n");
  sst.close();
  QDir(config.path()).mkdir("quarnel");
  QFile conf(config.filePath("quarnel/quarnel.conf"));
  QVERIFY(conf.open(QIODevice::WriteOnly));
  conf.write("[files]\nservoSettings=" + QFile::encodeName(sst.fileName()) + "\n[ports]\nCOM1=" + board.link().c_str() + "\n");
  conf.close();

  quarnel::Application app(folder.path().toStdString());
  app.show();
  QCOMPARE(control<QLineEdit>("frmSettings", "txtServoName(0)")->text(), QString("Shoulder"));
  auto *ports = control<QComboBox>("frmSettings", "cmbCommPort");
  QCOMPARE(ports->itemText(0), "1: " + QFileInfo(board.link().c_str()).canonicalFilePath());

  // The stored choice reaches the driver through TAVIK_COM1, which nobody had set.
  QTest::mouseClick(control<QPushButton>("frmSettings", "cmbControls"), Qt::LeftButton);
  // Servo 0 then heads for its restored home, so more may follow the first 32.
  QVERIFY(waitForLines(board, 32).size() >= 32);
  QCOMPARE(qgetenv("TAVIK_COM1"), QByteArray(board.link().c_str()));
  QTest::mouseClick(control<QPushButton>("frmControls", "cmdBack"), Qt::LeftButton);

  // Back to the default in the Ports dialog: remembered at once, and the list says so.
  control<QAction>("frmSettings", "mnuFPorts")->trigger();
  auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
  QVERIFY(dialog && dialog->objectName() == "frmPorts");
  dialog->findChild<QComboBox *>("cmbPortDevice(0)")->setCurrentIndex(0);
  dialog->accept();
  QVERIFY(ports->itemText(0).startsWith("1: /dev/ttyS0"));
  QVERIFY(conf.open(QIODevice::ReadOnly));
  // Shoulder stood at its home of 100, nothing being known of it, when the link closed.
  QCOMPARE(conf.readAll(), "[files]\nservoSettings=" + QFile::encodeName(sst.fileName()) + "\n[positions]\nservoSettings=" +
                               QFile::encodeName(sst.fileName()) + "\nlast=100,127,127,127,127,127,127,127,127,127,127,127\n");
}

void ControlEndToEndTest::aMissingDriverIsReportedAndTheSettingsWindowStays() {
  QTemporaryDir folder; // no libTavik.so in the application's folder
  quarnel::Application app(folder.path().toStdString());
  app.show();
  QString shown;
  // The real message box is modal: read it and press OK, as the user would.
  QTimer::singleShot(100, [&] {
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
      shown = box->text();
      box->accept();
    }
  });
  QTest::mouseClick(control<QPushButton>("frmSettings", "cmbControls"), Qt::LeftButton);
  QVERIFY2(shown.contains("libTavik.so"), qPrintable(shown));
  QVERIFY(window("frmSettings")->isVisible());
  QVERIFY(!window("frmControls")->isVisible());
}

void ControlEndToEndTest::aLinkThatDoesNotOpenIsSaidAndTheWindowWorksOffline_data() {
  QTest::addColumn<QByteArray>("variable");
  QTest::addColumn<QString>("said");
  QTest::addColumn<QString>("status");
  QTest::newRow("no such device") << QByteArray("/nonexistent/ttyUSB0")
                                  << "COM1 (/nonexistent/ttyUSB0) could not be opened: the device does not exist"
                                  << "COM1 → /nonexistent/ttyUSB0: not open, no such device";
  // Set, but to nothing: not taken for unset, which would lead to the machine's /dev/ttyS0.
  QTest::newRow("empty variable") << QByteArray("") << "COM1 could not be opened: TAVIK_COM1 is set but names no device"
                                  << "COM1: not open, TAVIK_COM1 is empty";
}

void ControlEndToEndTest::aLinkThatDoesNotOpenIsSaidAndTheWindowWorksOffline() {
  QFETCH(QByteArray, variable);
  QFETCH(QString, said);
  QFETCH(QString, status);
  qputenv("TAVIK_COM1", variable);
  QTemporaryDir folder;
  quarnel::placeDriverIn(folder.path().toStdString());
  quarnel::Application app(folder.path().toStdString());
  app.show();
  QString shown;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QTimer::singleShot(100, [&] {
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
      shown = box->text();
      icon = box->icon();
      box->accept();
    }
  });
  QTest::mouseClick(control<QPushButton>("frmSettings", "cmbControls"), Qt::LeftButton);
  QVERIFY2(shown.contains(said), qPrintable(shown));
  QCOMPARE(icon, QMessageBox::Warning);
  QVERIFY(window("frmControls")->isVisible());
  QCOMPARE(control<QLabel>("frmControls", "lblLinkStatus")->text(), status);
  // The read-outs go on counting toward the sliders.
  auto *slider = control<QSlider>("frmControls", "hscServoCon(0)");
  slider->setValue(130);
  QTRY_COMPARE(control<QLabel>("frmControls", "lblServoPos(0)")->text(), QString("130"));
  QTest::mouseClick(control<QPushButton>("frmControls", "cmdBack"), Qt::LeftButton);
  QVERIFY(window("frmSettings")->isVisible());
}

void ControlEndToEndTest::aBoardClosedAndStartedAgainIsSaidAndGetsEveryServoBack() {
  // The user's port leads through a link of their own, which stays while boards come and go;
  // its name is long enough to be shortened in the status bar.
  QTemporaryDir config, folder;
  const std::string port = folder.filePath("the-servo-board-on-the-bench-com1").toStdString();
  auto board = std::make_unique<BoardProcess>(true);
  std::filesystem::create_symlink(board->link(), port);
  qputenv("TAVIK_COM1", port.c_str());
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  quarnel::placeDriverIn(folder.path().toStdString());
  quarnel::Application app(folder.path().toStdString());
  app.show();
  QTest::mouseClick(control<QPushButton>("frmSettings", "cmbControls"), Qt::LeftButton);
  auto *status = control<QLabel>("frmControls", "lblLinkStatus");
  control<QSlider>("frmControls", "vscSpeed")->setValue(255);
  control<QSlider>("frmControls", "hscServoCon(2)")->setValue(150);
  QTRY_COMPARE(control<QLabel>("frmControls", "lblServoPos(2)")->text(), QString("150"));

  board.reset(); // closed: its link goes
  // Said in the status bar within a second, the state whole; no box in the middle of a move.
  QTRY_VERIFY_WITH_TIMEOUT(status->text().endsWith(": not open, the device went away"), 3000);
  QVERIFY2(status->toolTip().contains("COM1 (" + QString::fromStdString(port) + ") was lost"), qPrintable(status->toolTip()));

  board = std::make_unique<BoardProcess>(true);
  std::filesystem::remove(port);
  std::filesystem::create_symlink(board->link(), port);
  QTRY_VERIFY_WITH_TIMEOUT(status->text().endsWith("9600 bit/s: port open"), 3000);
  // The new board hears every slot from the open, servo 2 where it stood, not at the open's 127.
  const auto servo2Heard = [&] {
    int position = -1;
    for (const LogLine &line : board->lines())
      if (frame(line).first == 2) position = frame(line).second;
    return position;
  };
  QTRY_COMPARE_WITH_TIMEOUT(servo2Heard(), 150, 3000);
  QVERIFY(waitForLines(*board, 32).size() >= 32);
  QTest::mouseClick(control<QPushButton>("frmControls", "cmdBack"), Qt::LeftButton);
}

void ControlEndToEndTest::noPositionOutsideAServosRangeReachesTheBoard_data() {
  QTest::addColumn<QString>("opening");
  QTest::newRow("at Controls") << "controls";
  QTest::newRow("at a reopen after the board went away") << "reopen";
  QTest::newRow("in quarnel-play") << "player";
}

void ControlEndToEndTest::noPositionOutsideAServosRangeReachesTheBoard() {
  QFETCH(QString, opening);
  Rig rig;
  const std::string port = rig.folder.filePath("com1").toStdString();
  auto board = std::make_unique<BoardProcess>(true);
  std::filesystem::create_symlink(board->link(), port);
  qputenv("TAVIK_COM1", port.c_str());
  std::vector<int> heard;
  if (opening == "player") {
    // A node below the jaw's range, played as the user would at a show.
    QFile script(rig.folder.filePath("shut.tvk"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("\"TVKFILE\"\r\n\"Shut\"\r\n\"100,255,127,32,127,32,127,32,127,32,127,32,127,32,127,32,127,32,127,32,127,"
                 "32,127,32,\"\r\n\"***\"\r\n\"Shut\"\r\n\"\"\r\n\"***\"\r\n");
    script.close();
    const std::string player = quarnel::placePlayerIn(rig.folder.filePath("bin").toStdString());
    const pid_t pid = tavik::testing::spawnProgram({player, script.fileName().toStdString(), "--servos",
                                                    rig.sst.toStdString(), "--device", port});
    QCOMPARE(waitForExit(pid), 0);
    QTRY_VERIFY(!positionsOf(*board, 0).empty() && positionsOf(*board, 0).back() == 150);
  } else {
    quarnel::Application app(rig.folder.path().toStdString());
    app.show();
    QTest::mouseClick(control<QPushButton>("frmSettings", "cmbControls"), Qt::LeftButton);
    QTRY_VERIFY(control<QLabel>("frmControls", "lblServoPos(0)")->text().toInt() > 150); // on its way home
    if (opening == "reopen") {
      heard = positionsOf(*board, 0);
      board = std::make_unique<BoardProcess>(true);
      std::filesystem::remove(port);
      std::filesystem::create_symlink(board->link(), port);
      QTRY_VERIFY_WITH_TIMEOUT(control<QLabel>("frmControls", "lblLinkStatus")->text().endsWith("port open"), 3000);
      QVERIFY(waitForLines(*board, 32).size() >= 32);
    }
    QTest::mouseClick(control<QPushButton>("frmControls", "cmdBack"), Qt::LeftButton);
  }
  const std::vector<int> last = positionsOf(*board, 0);
  heard.insert(heard.end(), last.begin(), last.end());
  QVERIFY(!heard.empty());
  QCOMPARE(heard.front(), 150); // where it was left, kept within the range
  for (int position : heard) QVERIFY2(position >= 150 && position <= 254, qPrintable(QString::number(position)));
}

void ControlEndToEndTest::eachOpeningStartsWhereTheLastOneLeftEachServo() {
  Rig rig;
  BoardProcess board(true);
  qputenv("TAVIK_COM1", board.link().c_str());
  quarnel::Application app(rig.folder.path().toStdString());
  app.show();
  QTest::mouseClick(control<QPushButton>("frmSettings", "cmbControls"), Qt::LeftButton);
  control<QSlider>("frmControls", "vscSpeed")->setValue(255);
  control<QSlider>("frmControls", "hscServoCon(0)")->setValue(230);
  QTRY_COMPARE(control<QLabel>("frmControls", "lblServoPos(0)")->text(), QString("230"));
  QTest::mouseClick(control<QPushButton>("frmControls", "cmdBack"), Qt::LeftButton);
  QTRY_COMPARE(positionsOf(board, 0).back(), 230);
  const size_t firstOpening = positionsOf(board, 0).size();

  // The second opening heads home to 200 at speed 32 from there, and quarnel-play on the same
  // servo settings goes on from where the window left the jaw.
  QTest::mouseClick(control<QPushButton>("frmSettings", "cmbControls"), Qt::LeftButton);
  QTRY_VERIFY(control<QLabel>("frmControls", "lblServoPos(0)")->text().toInt() <= 225);
  QTest::mouseClick(control<QPushButton>("frmControls", "cmdBack"), Qt::LeftButton);
  QFile script(rig.folder.filePath("rest.tvk"));
  QVERIFY(script.open(QIODevice::WriteOnly));
  script.write("\"TVKFILE\"\r\n\"***\"\r\n\"PAUSE 10\"\r\n\"\"\r\n\"***\"\r\n");
  script.close();
  const std::string player = quarnel::placePlayerIn(rig.folder.filePath("bin").toStdString());
  const pid_t pid = tavik::testing::spawnProgram({player, script.fileName().toStdString(), "--servos",
                                                  rig.sst.toStdString(), "--device", board.link()});
  QCOMPARE(waitForExit(pid), 0);
  QTRY_COMPARE(positionsOf(board, 0).back(), 200);

  // From 230 down to 200, never back up (the steps made while the open's burst holds the line
  // go as one frame); the same position twice only where the player opened where the window
  // left off.
  const std::vector<int> all = positionsOf(board, 0);
  QCOMPARE(all[firstOpening], 230);
  int opensInPlace = 0;
  for (size_t i = firstOpening + 1; i < all.size(); ++i) {
    QVERIFY2(all[i] <= all[i - 1] && all[i] >= 200, qPrintable(QString("%1 after %2").arg(all[i]).arg(all[i - 1])));
    opensInPlace += all[i] == all[i - 1];
  }
  QCOMPARE(opensInPlace, 1);
}

void ControlEndToEndTest::withNoHomeItSaysOnceThatNothingIsKeptAndWritesNothing() {
  const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
  qunsetenv("HOME");
  qunsetenv("XDG_CONFIG_HOME");
  QVERIFY2(!QFile::exists("/.config/quarnel"), "left by an earlier run: nothing to tell from");
  BoardProcess board(true);
  qputenv("TAVIK_COM1", board.link().c_str());
  QTemporaryDir folder;
  quarnel::placeDriverIn(folder.path().toStdString());
  QStringList said;
  QTimer answerer;
  QObject::connect(&answerer, &QTimer::timeout, [&] {
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
      said << box->text();
      box->accept();
    }
  });
  answerer.start(50);

  {
    quarnel::Application app(folder.path().toStdString());
    app.show();
    QTest::mouseClick(control<QPushButton>("frmSettings", "cmbControls"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("frmControls", "cmdBack"), Qt::LeftButton); // saves the position
    control<QAction>("frmSettings", "mnuFPorts")->trigger();
    qobject_cast<QDialog *>(QApplication::activeModalWidget())->accept(); // remembers the ports' devices
  }
  qputenv("HOME", home);
  if (!config.isNull()) qputenv("XDG_CONFIG_HOME", config);
  QCOMPARE(said.size(), 1);
  QVERIFY2(said[0].contains("will not be kept"), qPrintable(said[0]));
  QVERIFY2(!QFile::exists("/.config/quarnel"), "settings written at the root of the filesystem");
  QVERIFY(!QFile::exists(folder.filePath("setup.res")));
}

void ControlEndToEndTest::filesFromOutsideOpenInTheirWindowsAndComeBackUnderOpenRecent() {
  BoardProcess board(true);
  qputenv("TAVIK_COM1", board.link().c_str());
  QTemporaryDir config, folder, files;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  quarnel::placeDriverIn(folder.path().toStdString());
  const QString arm = files.filePath("arm.sst"), wave = files.filePath("wave.tvk");
  writeFile(arm, "\"Jaw\",\"0\",\"127\",\"254\",0\r\n\"***\",123\r\n");
  writeFile(wave, "\"TVKFILE\"\r\n\"Wave\"\r\n\"" + QByteArray("127,32,").repeated(12) +
                      "\"\r\n\"***\"\r\n\"Wave\"\r\n\"\"\r\n\"***\"\r\n");
  quarnel::Application app(folder.path().toStdString());
  app.show();

  // Dropped on a field that takes text drops of its own: the rows come from the file.
  auto *field = control<QLineEdit>("frmSettings", "txtServoName(3)");
  QVERIFY(dragFile(field, arm, true));
  QTRY_COMPARE(control<QLineEdit>("frmSettings", "txtServoName(0)")->text(), QString("Jaw"));
  QCOMPARE(field->text(), QString("Servo3"));
  QCOMPARE(window("frmSettings")->windowTitle(), QString("Settings - arm.sst[*]"));

  // A script, as `quarnel wave.tvk` names it: the link opens and the script stands beside it.
  app.openDocuments({QFile::encodeName(wave).toStdString()});
  QVERIFY(window("frmControls")->isVisible());
  QVERIFY(waitForLines(board, 32).size() >= 32);
  QCOMPARE(window("frmScript")->windowTitle(), QString("Script - wave.tvk[*]"));
  QCOMPARE(control<QPushButton>("frmScript", "cmbNode(1)")->text(), QString("Wave"));
  // The rows are the open link's limits now: not replaced by a drop.
  QVERIFY(!dragFile(window("frmControls"), arm, false));
  QVERIFY(dragFile(window("frmControls"), wave, false));

  // Each under its own Open Recent; one gone since is said and taken off, here and in the file.
  QCOMPARE(control<QAction>("frmSettings", "mnuFRecent(0)")->text(), QString("&1 arm.sst"));
  QVERIFY(QFile::remove(wave));
  QString said;
  QTimer::singleShot(100, [&] {
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
      said = box->text();
      box->accept();
    }
  });
  control<QAction>("frmScript", "mnuFRecent(0)")->trigger();
  QVERIFY2(said.startsWith("\"" + wave + "\" is no longer there"), qPrintable(said));
  QVERIFY(!control<QMenu>("frmScript", "mnuFRecent")->menuAction()->isEnabled());
  QCOMPARE(window("frmScript")->windowTitle(), QString("Script - wave.tvk[*]")); // nothing was opened
  QFile conf(config.filePath("quarnel/quarnel.conf"));
  QVERIFY(conf.open(QIODevice::ReadOnly));
  const quarnel::Remembered remembered = quarnel::readRememberedFile(conf.readAll().toStdString());
  QCOMPARE(remembered.recentServoSettings, std::vector<std::string>{QFile::encodeName(arm).toStdString()});
  QCOMPARE(remembered.recentScripts, std::vector<std::string>{});
  QTest::mouseClick(control<QPushButton>("frmControls", "cmdBack"), Qt::LeftButton);
}

QTEST_MAIN(ControlEndToEndTest)
#include "control_e2e_test.moc"
