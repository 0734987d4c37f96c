// A first script made as a person makes it, in a real X server this test starts: the real
// windows driven by mouse and key events, the real dialogs answered, the real libTavik.so and
// the virtual board logging what reached it.
#include "app_windows.h"
#include "application.h"
#include "application_parts.h"
#include "board_process.h"
#include "heard_announcements.h"
#include "spawn_program.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QPointer>
#include <QTimer>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

using tavik::testing::BoardProcess;

namespace {

void click(const char *windowName, const QString &name) {
  QTest::mouseClick(control<QAbstractButton>(windowName, name), Qt::LeftButton);
}

void pressKeys(const char *windowName, const QString &name, Qt::Key key, int times) {
  auto *slider = control<QWidget>(windowName, name);
  slider->setFocus();
  for (int i = 0; i < times; ++i) QTest::keyClick(slider, key);
}

// Acts on the next modal box as the user would, once it is open: the box is modal, so the
// action that opens it returns only after this has answered it. A box still open a moment
// later, not yet having taken the answer while it set itself up, is answered again; any other
// box that follows is not this answer's business.
void whenModal(std::function<void(QWidget *)> answer) {
  auto *poll = new QTimer(qApp); // the last may still wait when the test ends
  struct Answered {
    bool yet = false;
    QPointer<QWidget> box;
  };
  auto answered = std::make_shared<Answered>();
  QObject::connect(poll, &QTimer::timeout, [poll, answer, answered] {
    QWidget *box = QApplication::activeModalWidget();
    if (box && box->isVisible() && (!answered->yet || answered->box == box)) {
      answered->yet = true;
      answered->box = box;
      answer(box);
    } else if (answered->yet && (!box || box != answered->box)) {
      poll->stop();
      poll->deleteLater();
    }
  });
  poll->start(100);
}

void typeIntoBox(QWidget *box, const QString &text) {
  auto *field = box->findChild<QLineEdit *>();
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
}

// Opens a menu of the menu bar with the mouse and clicks one of its items.
void chooseMenuItem(const char *windowName, const char *menuName, const char *itemName) {
  auto *mainWindow = qobject_cast<QMainWindow *>(window(windowName));
  QMenu *menu = mainWindow->findChild<QMenu *>(menuName);
  QMenuBar *bar = mainWindow->menuBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
  QTRY_VERIFY(menu->isVisible());
  QAction *item = mainWindow->findChild<QAction *>(itemName);
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

// Servo 0's positions where its motion turned or ended, from the board's log.
std::vector<int> turningPoints(const BoardProcess &board) {
  std::vector<int> positions;
  for (const auto &line : board.lines()) {
    std::istringstream in(line.rest);
    int servo = -1, position = -1;
    in >> servo >> position;
    if (servo == 0) positions.push_back(position);
  }
  std::vector<int> turns;
  for (size_t i = 1; i < positions.size(); ++i) {
    const bool last = i + 1 == positions.size();
    if (last || (positions[i] - positions[i - 1]) * (positions[i + 1] - positions[i]) < 0) turns.push_back(positions[i]);
  }
  return turns;
}

std::string nodeData(int position) {
  std::string text = std::to_string(position) + ",255,";
  for (int slot = 1; slot < 12; ++slot) text += "127,255,";
  return text;
}

// The dialog, found open on `folder`, given the name typed, and its Open or Save button clicked.
void chooseFile(QWidget *box, const QString &folder, const QString &typed) {
  auto *dialog = qobject_cast<QFileDialog *>(box);
  QCOMPARE(dialog->directory().absolutePath(), folder);
  auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
  name->setFocus();
  name->selectAll();
  QTest::keyClicks(name, typed);
  auto *buttons = dialog->findChild<QDialogButtonBox *>();
  QAbstractButton *accept = buttons->button(dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save : QDialogButtonBox::Open);
  QTest::mouseClick(accept, Qt::LeftButton);
}

// The WAIT prompt while it is up: a message box of its own, not modal.
QMessageBox *visiblePrompt() {
  for (QWidget *w : QApplication::topLevelWidgets())
    if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) return box;
  return nullptr;
}

// An application of its own on the virtual board, its control and script windows open.
struct RunningApp {
  RunningApp() : board(true) {
    qputenv("TAVIK_COM1", board.link().c_str());
    quarnel::placeDriverIn(folder.path().toStdString());
    app = std::make_unique<quarnel::Application>(folder.path().toStdString());
    app->show();
    click("frmSettings", "cmbControls");
    click("frmControls", "cmbRecorder");
  }
  BoardProcess board;
  QTemporaryDir folder;
  std::unique_ptr<quarnel::Application> app;
};

} // namespace

class ScriptEndToEndTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void aWavingArmIsMadeSavedOpenedAndPlayed();
  void aWaitPromptLeavesStopWorking();
  void aScreenReaderHearsTheLinkAndTheRun();
};

void ScriptEndToEndTest::aWavingArmIsMadeSavedOpenedAndPlayed() {
  BoardProcess board(true);
  qputenv("TAVIK_COM1", board.link().c_str());
  QTemporaryDir folder, home;
  quarnel::placeDriverIn(folder.path().toStdString());
  // A portable copy, as the build tree is: its settings stay in its folder.
  QFile(folder.filePath("setup.res")).open(QIODevice::WriteOnly);
  qputenv("HOME", home.path().toLocal8Bit()); // where the first file dialog opens
  quarnel::Application app(folder.path().toStdString());
  app.show();

  click("frmSettings", "cmbControls");
  QTRY_COMPARE(board.lines().size(), size_t{32});
  pressKeys("frmControls", "vscSpeed", Qt::Key_End, 1); // speed 255
  click("frmControls", "cmbRecorder");
  QWidget *script = window("frmScript");
  QVERIFY(script->isVisible());
  QCOMPARE(script->x(), window("frmControls")->frameGeometry().right() + 1);

  // Two poses of the arm, each made on the sliders and kept as a node.
  pressKeys("frmControls", "hscServoCon(0)", Qt::Key_PageUp, 2);
  QTRY_COMPARE(turningPoints(board), std::vector<int>{147});
  whenModal([](QWidget *box) { typeIntoBox(box, "Up"); });
  click("frmScript", "cmbCreateNode");
  pressKeys("frmControls", "hscServoCon(0)", Qt::Key_PageDown, 4);
  QTRY_COMPARE(turningPoints(board), (std::vector<int>{147, 107}));
  whenModal([](QWidget *box) { typeIntoBox(box, "Down"); });
  click("frmScript", "cmbCreateNode");
  QCOMPARE(control<QPushButton>("frmScript", "cmbNode(2)")->text(), QString("Down"));

  click("frmScript", "cmbLoopStart");
  click("frmScript", "cmbNode(1)");
  click("frmScript", "cmbNode(2)");
  whenModal([](QWidget *box) { typeIntoBox(box, "200"); });
  click("frmScript", "cmbPause");
  click("frmScript", "cmbLoopEnd");

  // Typed without its extension, which the dialog adds.
  const QString homeFolder = home.path(), path = home.filePath("wave.tvk");
  whenModal([homeFolder](QWidget *box) { chooseFile(box, homeFolder, "wave"); });
  chooseMenuItem("frmScript", "mnuFile", "mnuFSave");
  QCOMPARE(script->windowTitle(), QString("Script - wave.tvk[*]"));
  QVERIFY(!script->isWindowModified());
  std::ifstream saved(path.toStdString(), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  QCOMPARE(bytes, "\"TVKFILE\"\r\n\"Up\"\r\n\"" + nodeData(147) + "\"\r\n\"Down\"\r\n\"" + nodeData(107) +
                      "\"\r\n\"***\"\r\n\"LOOPSTART\"\r\n\"Up\"\r\n\"Down\"\r\n\"PAUSE 200\"\r\n\"LOOPEND\"\r\n"
                      "\"\"\r\n\"***\"\r\n");

  // Next week: a clear window, the file opened again, and played. The cleared script is a
  // change, so Open first asks about it.
  click("frmScript", "cmbClearScript");
  QCOMPARE(script->windowTitle(), QString("Script - wave.tvk[*]"));
  QVERIFY(script->isWindowModified());
  whenModal([homeFolder](QWidget *box) {
    auto *question = qobject_cast<QMessageBox *>(box);
    QCOMPARE(question->text(), QString("Save changes to wave.tvk?"));
    whenModal([homeFolder](QWidget *dialog) { chooseFile(dialog, homeFolder, "wave.tvk"); });
    QTest::mouseClick(question->button(QMessageBox::Discard), Qt::LeftButton);
  });
  chooseMenuItem("frmScript", "mnuFile", "mnuFOpen");
  QVERIFY(!script->isWindowModified());
  QCOMPARE(control<QPushButton>("frmScript", "cmbNode(1)")->text(), QString("Up"));
  click("frmScript", "cmbRun");
  QVERIFY(!control<QPushButton>("frmControls", "cmdBack")->isEnabled());
  QVERIFY(control<QPushButton>("frmControls", "cmdSTOP")->isEnabled());
  // Twice round the loop, up and down after the two hand-made poses, and into the third.
  QTRY_VERIFY_WITH_TIMEOUT(turningPoints(board).size() >= 7, 20000);
  click("frmScript", "cmbAbort");
  QTRY_VERIFY(control<QPushButton>("frmScript", "cmbRun")->isEnabled());
  const std::vector<int> turns = turningPoints(board);
  QCOMPARE(std::vector<int>(turns.begin(), turns.begin() + 6), (std::vector<int>{147, 107, 147, 107, 147, 107}));

  click("frmControls", "cmdBack");
  QVERIFY(!window("frmControls")->isVisible());
  QVERIFY(!script->isVisible());
  QVERIFY(window("frmSettings")->isVisible());
  whenModal([](QWidget *box) {
    QTest::mouseClick(qobject_cast<QMessageBox *>(box)->button(QMessageBox::Yes), Qt::LeftButton);
  });
  click("frmSettings", "cmbExit");
  QVERIFY(!window("frmSettings")->isVisible());
}

void ScriptEndToEndTest::aWaitPromptLeavesStopWorking() {
  RunningApp running;
  QTRY_COMPARE(running.board.lines().size(), size_t{32});
  click("frmScript", "cmbHold");
  auto *run = control<QPushButton>("frmScript", "cmbRun");
  click("frmScript", "cmbRun");
  QTRY_VERIFY(visiblePrompt());
  QPointer<QMessageBox> prompt = visiblePrompt();
  QCOMPARE(prompt->text(), QString("Line 1: WAIT. Press OK to continue, or Stop to end the run."));
  QCOMPARE(prompt->windowTitle(), QString("Quarnel"));
  QCOMPARE(prompt->icon(), QMessageBox::NoIcon);
  QVERIFY(!QApplication::activeModalWidget());
  QVERIFY(control<QPushButton>("frmControls", "cmdSTOP")->isEnabled());

  // OK sends the script on, to its end.
  QTest::mouseClick(prompt->button(QMessageBox::Ok), Qt::LeftButton);
  QTRY_VERIFY(run->isEnabled());
  QVERIFY(!visiblePrompt());

  // Escape on the prompt is STOP: the run ends at once, and a servo on its way is held.
  auto *speed = control<QSlider>("frmControls", "vscSpeed");
  speed->setValue(speed->minimum());
  click("frmScript", "cmbRun");
  QTRY_VERIFY(visiblePrompt());
  auto *slider = control<QSlider>("frmControls", "hscServoCon(0)");
  slider->setValue(250);
  QTRY_VERIFY(control<QLabel>("frmControls", "lblServoPos(0)")->text().toInt() > 127);
  QTest::keyClick(visiblePrompt(), Qt::Key_Escape);
  QVERIFY(run->isEnabled());
  QVERIFY(!visiblePrompt());
  QVERIFY2(slider->value() < 250, "the servo was not held");

  // STOP in the control window with the prompt up does the same.
  click("frmScript", "cmbRun");
  QTRY_VERIFY(visiblePrompt());
  click("frmControls", "cmdSTOP");
  QVERIFY(run->isEnabled());
  QTRY_VERIFY(!visiblePrompt());

  // So does Escape in the script window.
  click("frmScript", "cmbRun");
  QTRY_VERIFY(visiblePrompt());
  QWidget *script = window("frmScript");
  script->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(script));
  QTest::keyClick(control<QPushButton>("frmScript", "cmbAbort"), Qt::Key_Escape);
  QVERIFY(run->isEnabled());
  QTRY_VERIFY(!visiblePrompt());
}

// What a screen reader is told, through Qt's accessibility as it tells one: each change of the
// link and of the run, in the status lines' own role.
void ScriptEndToEndTest::aScreenReaderHearsTheLinkAndTheRun() {
  QTRY_VERIFY2(QAccessible::isActive(), "no accessibility bus: run the test in a session bus of its own");
  const quarnel::HeardAnnouncements heard;
  RunningApp running;
  QTRY_COMPARE(running.board.lines().size(), size_t{32});
  running.board.stop(); // the virtual board closed: its device goes
  auto *link = control<QLabel>("frmControls", "lblLinkStatus");
  QTRY_VERIFY_WITH_TIMEOUT(link->text().endsWith("the device went away"), 3000);
  const QStringList linkHeard = heard.namesOf("lblLinkStatus", QAccessible::StatusBar);
  QVERIFY2(linkHeard.size() == 2, qPrintable(linkHeard.join(" | ")));
  QVERIFY2(linkHeard[0].endsWith("9600 bit/s: port open") && linkHeard[1].endsWith(": not open, the device went away"),
           qPrintable(linkHeard.join(" | ")));

  click("frmScript", "cmbHold");
  click("frmScript", "cmbRun");
  QTRY_VERIFY(visiblePrompt());
  QTest::mouseClick(visiblePrompt()->button(QMessageBox::Ok), Qt::LeftButton);
  QTRY_VERIFY(control<QPushButton>("frmScript", "cmbRun")->isEnabled());
  QStringList runHeard = heard.namesOf("lblRunState", QAccessible::StatusBar);
  for (QString &said : runHeard) said = said.section(" - ", 0, 0); // the time aside
  QCOMPARE(runHeard, (QStringList{"Running line 1", "Waiting at line 1 for OK", "Running line 2", "Stopped at line 2"}));
}

// The test's own X server on a display no one else uses, for the whole run.
int main(int argc, char **argv) {
  int display = 100 + getpid() % 800;
  while (std::filesystem::exists("/tmp/.X" + std::to_string(display) + "-lock")) ++display;
  const std::string name = ":" + std::to_string(display);
  const pid_t server = fork();
  if (server == 0) {
    execlp("Xvfb", "Xvfb", name.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", static_cast<char *>(nullptr));
    _exit(127);
  }
  const std::string socket = "/tmp/.X11-unix/X" + std::to_string(display);
  for (int waited = 0; waited < 10000 && !std::filesystem::exists(socket); waited += 20) usleep(20000);
  setenv("DISPLAY", name.c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  // Accessibility live as under a screen reader, on the session bus this test was given.
  setenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1", 1);
  const pid_t busStart = tavik::testing::spawnProgram(
      {"/usr/bin/dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"});
  if (busStart > 0) waitpid(busStart, nullptr, 0);
  int result = 1;
  {
    QApplication app(argc, argv);
    ScriptEndToEndTest test;
    result = QTest::qExec(&test, argc, argv);
  }
  kill(server, SIGTERM);
  waitpid(server, nullptr, 0);
  return result;
}

#include "script_e2e_test.moc"
