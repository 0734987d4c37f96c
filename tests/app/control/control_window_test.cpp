// The control window with real widgets on the offscreen platform, a recording driver, a clock
// the test moves and a scripted user.
#include "find_child.h"
#include "keyboard_access.h"
#include "manual_clock.h"
#include "control/control_window.h"
#include "control/link_summary_fit.h"
#include "control/window_edge.h"
#include "recording_driver.h"
#include "scripted_ui_services.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quarnel;

class ControlWindowTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void init();
  void cleanup() { m_window.reset(); }

  void loadOpensTheLinkAndSetsEverySliderFromTheRows();
  void statusBarShowsTheLinkAndAFailedOpenIsSaidOnce_data();
  void statusBarShowsTheLinkAndAFailedOpenIsSaidOnce();
  void theLinkStateReadsWholeWhateverThePathsLength();
  void ticksRampTheReadOutsAndSendEachStep();
  void eightServoBoardHidesFourFramesButHomeAndStopActOnAll();
  void homeUsesTheRowsAsTheyAreNow();
  void slidersFollowATargetSetElsewhereAtOnce();
  void stopHoldsEveryServoWhereItIs();
  void statusBarCountsTheFramesOfTheLastSecond();
  void closeIsRefusedWhileNotAllowedAndOtherwiseSavesThePosition();
  void reopeningStartsOver();
  void theLinkOpensWhereTheBoardWasLeftWithinEachRangeAndSaysWhereItLeftIt();
  void anUnwritableSetupFileIsReportedAndTheWindowStillCloses();
  void leftEdgeIsStoredRoundedHalfToEven();
  void tabFollowsTheLayoutThroughEveryControl();
  void helpAndBackAreReachedByKeyboard_data();
  void helpAndBackAreReachedByKeyboard();
  void controlsHaveNamesThatSayWhatTheyAre_data();
  void controlsHaveNamesThatSayWhatTheyAre();

private:
  QSlider *slider(int i) { return child<QSlider>(m_window.get(), QString("hscServoCon(%1)").arg(i)); }
  QString readOut(int i) { return child<QLabel>(m_window.get(), QString("lblServoPos(%1)").arg(i))->text(); }
  void loadActive() {
    m_window->load();
    QApplication::setActiveWindow(m_window.get());
    if (!QTest::qWaitForWindowActive(m_window.get())) qWarning("window not active");
  }
  void tick(int count, double ms) {
    for (int i = 0; i < count; ++i) {
      m_clock.advanceMs(ms);
      m_window->updateTick();
    }
  }

  std::unique_ptr<QTemporaryDir> m_dir;
  AppIdentity m_identity;
  ServoConfiguration m_configuration;
  SetupRecord m_setup;
  MotionModel m_motion;
  RecordingDriver m_driver;
  ManualClock m_clock;
  ScriptedUiServices m_ui;
  std::unique_ptr<ControlWindow> m_window;
};

void ControlWindowTest::init() {
  m_dir = std::make_unique<QTemporaryDir>();
  m_identity = AppIdentity::quarnel(m_dir->path().toStdString());
  m_configuration = ServoConfiguration();
  m_configuration.commPortIndex = 1;
  m_configuration.servos[3] = {"Elbow", "20", "100", "200"};
  m_setup = SetupRecord();
  m_setup.controlsLeft = 1500;
  m_setup.controlsTop = 1200;
  m_motion = MotionModel();
  m_driver = RecordingDriver();
  m_ui = ScriptedUiServices();
  m_window = std::make_unique<ControlWindow>(m_motion, m_driver, m_clock, m_setup, m_configuration, m_ui, m_identity);
  m_window->stopRequested = [this] { m_motion.holdAll(); }; // as the application's STOP, with no run to end
  // The board was left with every servo at 127: each ramps home from there.
  m_window->lastPositions = [] {
    ServoPositions left;
    left.fill(127);
    return left;
  };
}

void ControlWindowTest::loadOpensTheLinkAndSetsEverySliderFromTheRows() {
  m_window->load();
  QCOMPARE(m_driver.calls, (std::vector<std::string>{"open 2 9600"}));
  QCOMPARE(m_window->windowTitle(), QString("Quarnel"));
  QCOMPARE(child<QGroupBox>(m_window.get(), "fmeServoCon(3)")->title(), QString("Elbow"));
  QCOMPARE(slider(3)->minimum(), 20);
  QCOMPARE(slider(3)->maximum(), 200);
  QCOMPARE(slider(3)->value(), 100);
  QCOMPARE(m_motion.target(3), int16_t{100});
  QCOMPARE(slider(0)->value(), 127);
  QCOMPARE(readOut(3), QString("127"));
  QCOMPARE(child<QLabel>(m_window.get(), "lblSpeed")->text(), QString("32"));
  QCOMPARE(child<QSlider>(m_window.get(), "vscSpeed")->value(), 32);
  QCOMPARE(m_window->pos(), QPoint(100, 80));
  // 6652 twips high and 5580 wide below the status bar, whatever the font made the layout grow by.
  const int layoutHeight = m_window->height() - child<QStatusBar>(m_window.get(), "sbrStatus")->height();
  QVERIFY(qAbs(layoutHeight * 5580.0 / m_window->width() - 6652) < 30);
  for (int i = 0; i < servoChannels; ++i) QCOMPARE(m_motion.stepInterval(i), int16_t{32});
  tick(1, 16);
  QCOMPARE(m_driver.calls.size(), size_t{1}); // nothing sent before a read-out changes
}

void ControlWindowTest::statusBarShowsTheLinkAndAFailedOpenIsSaidOnce_data() {
  QTest::addColumn<bool>("opens");
  QTest::addColumn<QString>("device");
  QTest::addColumn<QString>("status");
  QTest::addColumn<QString>("reason");
  QTest::newRow("open") << true << "/dev/ttyUSB0" << "COM2 → /dev/ttyUSB0, 9600 bit/s: port open" << "";
  QTest::newRow("missing") << false << "/nonexistent/ttyUSB0" << "COM2 → /nonexistent/ttyUSB0: not open, no such device"
                           << "the device does not exist";
  QTest::newRow("no serial device") << false << "/dev/null" << "COM2 → /dev/null: not open, not a serial device"
                                    << "it is not a serial device";
  // Shortened in the middle with "…", the port and the state kept in view.
  QTest::newRow("long path") << false << "/dev/serial/by-id/usb-Hobby_Servo_Controller_0123456789ABCDEF-if00-port0"
                             << "COM2 → /dev/…not open, no such device" << "the device does not exist";
}

void ControlWindowTest::statusBarShowsTheLinkAndAFailedOpenIsSaidOnce() {
  QFETCH(bool, opens);
  QFETCH(QString, device);
  QFETCH(QString, status);
  QFETCH(QString, reason);
  qputenv("TAVIK_COM2", device.toUtf8());
  m_driver.opens = opens;
  for (int opening = 1; opening <= 2; ++opening) {
    m_window->load();
    QVERIFY(m_window->isVisible());
    auto *shown = child<QLabel>(m_window.get(), "lblLinkStatus");
    const QStringList parts = status.split("…");
    QVERIFY2(shown->text().startsWith(parts.front()) && shown->text().endsWith(parts.back()), qPrintable(shown->text()));
    QCOMPARE(shown->text().contains("…"), parts.size() == 2);
    QVERIFY(shown->fontMetrics().horizontalAdvance(shown->text()) < m_window->width());
    QVERIFY(shown->isVisible());
    QCOMPARE(m_ui.boxes().size(), size_t(opens ? 0 : opening)); // once for each opening of the window
    if (!opens) {
      const auto &box = m_ui.boxes().back();
      QCOMPARE(box.icon, MessageIcon::Warning);
      QCOMPARE(box.title, std::string("Quarnel"));
      QVERIFY2(box.text.find(reason.toStdString()) != std::string::npos, box.text.c_str());
      QCOMPARE(child<QLabel>(m_window.get(), "lblLinkStatus")->toolTip().toStdString(), box.text);
    }
    // Offline the read-outs count all the same.
    tick(2, 16);
    QCOMPARE(readOut(3), QString("126"));
    m_window->close();
  }
}

void ControlWindowTest::theLinkStateReadsWholeWhateverThePathsLength() {
  const struct {
    std::optional<LinkFault> fault;
    QString state;
  } states[] = {{std::nullopt, ", 9600 bit/s: port open"}, {LinkFault::NotSerial, ": not open, not a serial device"}};
  // Unhinted fonts give glyphs fractional widths, so that a line is wider than its parts; in
  // these sizes and widths some path lengths made it so.
  const struct {
    double points;
    qreal room;
  } fits[] = {{8, 347}, {8.5, 347}, {9, 382}, {12, 452}};
  for (const auto &fit : fits) {
    QFont font = QApplication::font();
    font.setPointSizeF(fit.points);
    font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(font);
    for (const auto &s : states)
      for (const char c : {'i', 'x', 'W', '1'})
        for (int length = 1; length <= 100; ++length) {
          const LinkStatus status{2, "/dev/" + std::string(length, c), 9600, s.fault};
          const QString line = fittedLinkSummary(status, metrics, fit.room);
          QVERIFY2(line.startsWith("COM2 → ") && line.endsWith(s.state) && metrics.horizontalAdvance(line) <= fit.room,
                   qPrintable(QString("%1 pt in %2 px: %3").arg(fit.points).arg(fit.room).arg(line)));
        }
  }
}

void ControlWindowTest::ticksRampTheReadOutsAndSendEachStep() {
  m_window->load();
  tick(6, 16); // servo 3 steps every 32 ms toward its home of 100
  QCOMPARE(m_driver.calls, (std::vector<std::string>{"open 2 9600", "move 3 126", "move 3 125", "move 3 124"}));
  QCOMPARE(readOut(3), QString("124"));

  // A dragged slider is a new target at the window's speed.
  child<QSlider>(m_window.get(), "vscSpeed")->setValue(255);
  QCOMPARE(child<QLabel>(m_window.get(), "lblSpeed")->text(), QString("255"));
  slider(0)->setValue(135);
  m_driver.calls.clear();
  tick(2, 16);
  QCOMPARE(m_driver.calls, (std::vector<std::string>{"move 0 131", "move 3 120", "move 0 135", "move 3 116"}));
}

void ControlWindowTest::eightServoBoardHidesFourFramesButHomeAndStopActOnAll() {
  m_configuration.boardChoice = Board::EightServos;
  m_configuration.servos[10].home = "90";
  m_window->load();
  for (int i = 0; i < servoChannels; ++i)
    QCOMPARE(child<QGroupBox>(m_window.get(), QString("fmeServoCon(%1)").arg(i))->isVisibleTo(m_window.get()), i < 8);
  QCOMPARE(m_motion.target(10), int16_t{90});
  tick(2, 16);
  QVERIFY(std::find(m_driver.calls.begin(), m_driver.calls.end(), "move 10 126") != m_driver.calls.end());
  slider(10)->setValue(30);
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmdHome"), Qt::LeftButton);
  QCOMPARE(m_motion.target(10), int16_t{90});
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmdSTOP"), Qt::LeftButton);
  QCOMPARE(m_motion.target(10), int16_t{126});
  QCOMPARE(slider(10)->value(), 126);
}

void ControlWindowTest::homeUsesTheRowsAsTheyAreNow() {
  m_window->load();
  m_configuration.servos[0].home = "50";
  m_configuration.servos[1].home = "not a number";
  slider(1)->setValue(140);
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmdHome"), Qt::LeftButton);
  QCOMPARE(slider(0)->value(), 50);
  QCOMPARE(m_motion.target(0), int16_t{50});
  QCOMPARE(m_motion.target(1), int16_t{140}); // a text that is no number moves nothing
}

void ControlWindowTest::slidersFollowATargetSetElsewhereAtOnce() {
  m_window->load();
  m_motion.setTarget(3, 150); // as a script's node line or the node editor sets it
  QCOMPARE(slider(3)->value(), 150);
}

void ControlWindowTest::statusBarCountsTheFramesOfTheLastSecond() {
  m_window->load();
  auto *load = child<QLabel>(m_window.get(), "lblLineLoad");
  tick(2000, 1); // Elbow's way home to 100 is over
  QCOMPARE(load->text(), QString("0 frames/s, 0 % of the line"));
  slider(0)->setValue(137); // ten steps of 32 ms at speed 32
  tick(400, 1);
  QCOMPARE(load->text(), QString("10 frames/s, 3 % of the line")); // 320 carried at 9600 bit/s
  tick(1000, 1);
  QCOMPARE(load->text(), QString("0 frames/s, 0 % of the line"));
}

void ControlWindowTest::stopHoldsEveryServoWhereItIs() {
  int stopsTold = 0;
  m_window->stopRequested = [&] {
    ++stopsTold;
    m_motion.holdAll();
  };
  m_window->load();
  tick(4, 16);
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmdSTOP"), Qt::LeftButton);
  QCOMPARE(slider(3)->value(), 125);
  QCOMPARE(stopsTold, 1);
  const auto sent = m_driver.calls.size();
  tick(10, 16);
  QCOMPARE(m_driver.calls.size(), sent);
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmdSTOP"), Qt::LeftButton); // nothing moving: no change
  QCOMPARE(slider(3)->value(), 125);

  // Escape is STOP too, wherever the focus is in the window.
  slider(3)->setValue(200);
  tick(3, 16);
  QCOMPARE(readOut(3), QString("127"));
  m_window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
  slider(0)->setFocus();
  QTest::keyClick(slider(0), Qt::Key_Escape);
  QCOMPARE(slider(3)->value(), 127);
  QCOMPARE(stopsTold, 3);
}

void ControlWindowTest::closeIsRefusedWhileNotAllowedAndOtherwiseSavesThePosition() {
  bool allowed = false;
  int unloads = 0;
  m_window->closeRefusal = [&]() -> std::optional<std::string> {
    if (allowed) return std::nullopt;
    return "A script is running.";
  };
  m_window->unloaded = [&] { ++unloads; };
  m_window->load();
  m_ui.clear();
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmdBack"), Qt::LeftButton);
  QVERIFY(m_window->isVisible());
  QCOMPARE(m_driver.calls.back(), std::string("open 2 9600"));
  QCOMPARE(unloads, 0);
  QCOMPARE(m_ui.messageTexts(), std::vector<std::string>{"A script is running."}); // said, not silently kept

  allowed = true;
  m_window->move(200, 150);
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmdBack"), Qt::LeftButton);
  QVERIFY(!m_window->isVisible());
  QVERIFY(!m_window->isLoaded());
  QCOMPARE(unloads, 1);
  QCOMPARE(m_driver.calls.back(), std::string("close"));
  QCOMPARE(m_setup.controlsLeft, int16_t{3000});
  QCOMPARE(m_setup.controlsTop, 2250.0);
  QFile file(m_dir->filePath("setup.res"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY2(file.readAll().endsWith(",3000,2250\r\n"), "setup.res lacks the window's position");
  file.close();

  // Another copy of Quarnel saved its settings window meanwhile: that stays.
  m_window->load();
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write("111,222,3,1,0,0,0\r\n");
  file.close();
  QTest::mouseClick(child<QPushButton>(m_window.get(), "cmdBack"), Qt::LeftButton);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), QByteArray("111,222,3,1,0,3000,2250\r\n"));
}

void ControlWindowTest::reopeningStartsOver() {
  m_window->load();
  child<QSlider>(m_window.get(), "vscSpeed")->setValue(200);
  tick(20, 16);
  m_window->close();
  m_driver.calls.clear();
  m_window->load();
  QCOMPARE(m_driver.calls, (std::vector<std::string>{"open 2 9600"}));
  QCOMPARE(readOut(3), QString("127"));
  QCOMPARE(child<QSlider>(m_window.get(), "vscSpeed")->value(), 32);
  QCOMPARE(child<QLabel>(m_window.get(), "lblSpeed")->text(), QString("32"));
  QCOMPARE(m_motion.stepInterval(3), int16_t{32});
  tick(2, 16);
  QCOMPARE(m_driver.calls.back(), std::string("move 3 126"));
}

void ControlWindowTest::theLinkOpensWhereTheBoardWasLeftWithinEachRangeAndSaysWhereItLeftIt() {
  std::optional<ServoPositions> told;
  m_window->boardLeftAt = [&](const ServoPositions &left) { told = left; };
  m_window->lastPositions = [] {
    ServoPositions left;
    left.fill(90);
    left[3] = 250; // above Elbow's maximum of 200
    return left;
  };
  for (const bool opens : {false, true}) {
    m_driver.opens = opens;
    m_window->load();
    QCOMPARE(m_driver.openedAt[3], int16_t{200});
    QCOMPARE(m_driver.openedAt[0], int16_t{90});
    QCOMPARE(readOut(3), QString("200"));
    tick(2, 16);
    QVERIFY(std::find(m_driver.calls.begin(), m_driver.calls.end(), "move 3 199") != m_driver.calls.end());
    m_window->close();
    // Nothing reached a board that did not open: nothing is told.
    QCOMPARE(told.has_value(), opens);
  }
  QCOMPARE((*told)[3], int16_t{199});
  QCOMPARE((*told)[0], int16_t{91});
}

void ControlWindowTest::anUnwritableSetupFileIsReportedAndTheWindowStillCloses() {
  // A file where the settings folder would have to be created.
  QFile(m_dir->filePath("not a folder")).open(QIODevice::WriteOnly);
  m_identity.settingsFolder = m_dir->filePath("not a folder/quarnel").toStdString();
  m_window->load();
  m_window->close();
  QVERIFY(!m_window->isVisible());
  QCOMPARE(m_driver.calls.back(), std::string("close"));
  QCOMPARE(m_ui.boxes().size(), size_t{1});
  QCOMPARE(m_ui.boxes()[0].icon, MessageIcon::Critical);
  QVERIFY(m_ui.boxes()[0].text.find("setup.res") != std::string::npos);
}

void ControlWindowTest::leftEdgeIsStoredRoundedHalfToEven() {
  QCOMPARE(storedControlsLeft(1234.5), int16_t{1234});
  QCOMPARE(storedControlsLeft(1235.5), int16_t{1236});
  QCOMPARE(storedControlsLeft(-0.4), int16_t{0});
  QCOMPARE(storedControlsLeft(1e9), int16_t{32767});
}

void ControlWindowTest::tabFollowsTheLayoutThroughEveryControl() {
  m_configuration.boardChoice = Board::EightServos;
  loadActive();
  // Down the left column of servos, down the right one (the 8-servo board's last four hidden),
  // then the speed and the buttons.
  QStringList expected;
  for (int i = 0; i < 8; ++i) expected << QString("hscServoCon(%1)").arg(i);
  expected << "vscSpeed" << "cmbRecorder" << "cmdHome" << "cmdSTOP" << "cmdBack";
  QCOMPARE(tabRound(slider(0)), expected);
}

void ControlWindowTest::helpAndBackAreReachedByKeyboard_data() {
  QTest::addColumn<QString>("way");
  QTest::newRow("Alt+A") << "key";
  QTest::newRow("Tab to Back, Space") << "tab";
  QTest::newRow("Alt+F, A") << "menu";
}

void ControlWindowTest::helpAndBackAreReachedByKeyboard() {
  QFETCH(QString, way);
  loadActive();
  // Alt+H is Home's, so Help is Alt+L; About is in it.
  QTest::keyClick(m_window.get(), Qt::Key_L, Qt::AltModifier);
  QWidget *help = QApplication::activePopupWidget();
  QVERIFY(help);
  QCOMPARE(help->objectName(), QString("mnuHelp"));
  QTest::keyClick(help, Qt::Key_A);
  QCOMPARE(m_ui.boxes().size(), size_t{1});
  QCOMPARE(m_ui.boxes()[0].title, std::string("About Quarnel"));
  QVERIFY(m_window->isLoaded());

  if (way == "key") {
    QTest::keyClick(m_window.get(), Qt::Key_A, Qt::AltModifier);
  } else if (way == "tab") {
    auto *back = child<QPushButton>(m_window.get(), "cmdBack");
    child<QPushButton>(m_window.get(), "cmdSTOP")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), back);
    QTest::keyClick(back, Qt::Key_Space);
  } else {
    QTest::keyClick(m_window.get(), Qt::Key_F, Qt::AltModifier);
    QWidget *menu = QApplication::activePopupWidget();
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QString("mnuFile"));
    QTest::keyClick(menu, Qt::Key_A);
  }
  QTRY_VERIFY(!m_window->isLoaded()); // an access key presses its button a moment later
  QCOMPARE(m_driver.calls.back(), std::string("close"));
}

void ControlWindowTest::controlsHaveNamesThatSayWhatTheyAre_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("description");
  QTest::newRow("named servo's frame") << "fmeServoCon(3)" << "Servo 3 (Elbow)" << "";
  QTest::newRow("named servo's slider") << "hscServoCon(3)" << "Servo 3 (Elbow) target" << "";
  QTest::newRow("slider of a servo under its default name") << "hscServoCon(0)" << "Servo 0 target" << "";
  QTest::newRow("read-out, its number as description") << "lblServoPos(3)" << "Servo 3 position" << "127";
  QTest::newRow("speed") << "vscSpeed" << "Speed" << "";
  QTest::newRow("speed read-out") << "lblSpeed" << "Speed value" << "32";
  QTest::newRow("stop sign") << "cmdSTOP" << "STOP" << "Stop every servo where it is, and a running script (Esc)";
  QTest::newRow("button, access key mark dropped") << "cmdBack" << "Back" << "";
}

void ControlWindowTest::controlsHaveNamesThatSayWhatTheyAre() {
  QFETCH(QString, control);
  QFETCH(QString, name);
  QFETCH(QString, description);
  m_window->load();
  auto *widget = child<QWidget>(m_window.get(), control);
  QCOMPARE(accessibleName(widget), name);
  if (!description.isEmpty())
    QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description), description);
}

QTEST_MAIN(ControlWindowTest)
#include "control_window_test.moc"
