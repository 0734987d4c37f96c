// The script window with real widgets on the offscreen platform, a scripted user and the real
// script model, runner and motion model behind it.
#include "find_child.h"
#include "manual_clock.h"
#include "motion/motion_model.h"
#include "script/script_file.h"
#include "script_window/script_window.h"
#include "sound/silent_player.h"
#include "scripted_ui_services.h"
#include "sound_samples.h"
#include "temporary_folder.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>

#include <filesystem>
#include <memory>
#include <optional>
#include <set>

using namespace quarnel;

namespace {

// The user takes whatever default an input box offers when the answer queued is this.
const std::string takeDefault = "\x01";

class DefaultTakingUi : public ScriptedUiServices {
public:
  std::optional<std::string> inputBox(const std::string &prompt, const std::string &title,
                                      const std::string &defaultAnswer) override {
    const auto answer = ScriptedUiServices::inputBox(prompt, title, defaultAnswer);
    return answer == takeDefault ? defaultAnswer : answer;
  }
};

} // namespace

class ScriptWindowTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void init();
  void cleanup();

  void loadsBesideTheControlWindowWithHomeAndAnEmptyScript();
  void commandButtonsAndGridClicksEditTheLines();
  void pauseTakesANumberOnly();
  void easeTakesACurveOnly();
  void soundAndJawButtonsPlaceTheirLines();
  void createdNodesGetButtonsAndTheSixthScrollsTheList();
  void aNewNodeIsScrolledIntoViewHoweverTheListWasLeft();
  void anOpenedFileShowsItsButtonsWhateverTheLastFileHad();
  void homesPopUpOffersOnlyPlaceAndGoto();
  void popUpDeleteAndEditActOnTheRightClickedNode();
  void runningLeavesOnlyStopTakingInput();
  void theStatusLineAndTheGridFollowTheRun();
  void closeHidesAndTheCloseBoxUnloads();
  void gridKeysMoveTheMarkerAndEditLines_data();
  void gridKeysMoveTheMarkerAndEditLines();
  void pageKeysMoveByTheRowsInSight();
  void tabLeavesTheGrid();
  void theMarkedLineIsKeptInSight();
  void accessKeysPressTheirButtons_data();
  void accessKeysPressTheirButtons();
  void accessKeysAreUnique();
  void controlsAreNamedForScreenReaders_data();
  void controlsAreNamedForScreenReaders();
  void modifiedWorkIsAskedAboutBeforeItGoes_data();
  void modifiedWorkIsAskedAboutBeforeItGoes();
  void editMenuUndoesAndRedoesEveryEdit_data();
  void editMenuUndoesAndRedoesEveryEdit();
  void titleMarkFollowsTheUndoStacksCleanState();
  void aNodeLinesTooltipTellsWhatItChanges();

private:
  void click(const char *name) { QTest::mouseClick(child<QPushButton>(m_window.get(), name), Qt::LeftButton); }
  QTableView *grid() { return child<QTableView>(m_window.get(), "grdScript"); }
  QString cell(int row, int column) { return grid()->model()->index(row - 1, column).data().toString(); }
  QPoint rowCentre(int row) { return grid()->visualRect(grid()->model()->index(row - 1, 0)).center(); }
  void clickRow(int row) { QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rowCentre(row)); }
  // Rows 1 to the last as the grid shows them, "<" appended to the marked one.
  QStringList shown() {
    QStringList rows;
    for (int r = 1; r <= grid()->model()->rowCount(); ++r) rows << cell(r, 0) + cell(r, 1);
    return rows;
  }
  void createNode(const std::string &name) {
    m_ui.answerInput(name);
    click("cmbCreateNode");
  }
  QMenu *popUpOf(int index) {
    QPushButton *button = child<QPushButton>(m_window.get(), QString("cmbNode(%1)").arg(index));
    emit button->customContextMenuRequested(QPoint(4, 4)); // what a right press on it sends
    return child<QMenu>(m_window.get(), "mnuPopUp");
  }
  QAction *action(const char *name) { return m_window->findChild<QAction *>(name); }
  void activate() {
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
  }
  // Each step clicks the control of that name, or presses the key it names ("Down", "Ins").
  void perform(const QStringList &steps) {
    for (const QString &step : steps) {
      if (m_window->findChild<QPushButton *>(step)) click(qPrintable(step));
      else QTest::keyClick(grid(), QKeySequence::fromString(step)[0].key());
    }
  }
  // The line the grid shows selected, 0 for none.
  int selectedLine() {
    const QModelIndexList rows = grid()->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows[0].row() + 1 : 0;
  }
  bool inSight(int row) { return grid()->viewport()->rect().contains(rowCentre(row)); }
  // The node's button wholly within the part of the list the port shows.
  bool buttonInView(int index) {
    auto *button = child<QPushButton>(m_window.get(), QString("cmbNode(%1)").arg(index));
    auto *port = child<QWidget>(m_window.get(), "fmePort");
    return port->rect().contains(QRect(button->mapTo(port, QPoint(0, 0)), button->size()));
  }

  ServoConfiguration m_config;
  DefaultTakingUi m_ui;
  MotionModel m_motion;
  ManualClock m_clock;
  SilentPlayer m_silence{m_clock};
  // The runner's timer ticks on the machine's time, as in the program; a test may move it on.
  struct RunClock : Clock {
    SteadyClock steady;
    double shiftMs = 0;
    double seconds() const override { return steady.seconds() + shiftMs / 1000; }
    void advanceMs(double ms) { shiftMs += ms; }
  } m_runClock;
  std::unique_ptr<ScriptModel> m_script;
  std::unique_ptr<ScriptEdits> m_edits;
  std::unique_ptr<ScriptRunner> m_runner;
  std::unique_ptr<ScriptWindow> m_window;
  std::unique_ptr<QWidget> m_controls;
  std::unique_ptr<QAbstractItemModelTester> m_gridModelCheck;
  AppIdentity m_identity = AppIdentity::quarnel("/nonexistent");
  DocumentFolders m_folders{"/nonexistent"};
};

void ScriptWindowTest::init() {
  m_config = ServoConfiguration();
  m_config.servos[2].home = "90";
  m_ui = DefaultTakingUi();
  m_motion = MotionModel();
  m_motion.load({});
  m_script = std::make_unique<ScriptModel>(m_config, ScriptUser{m_ui, "Quarnel"});
  m_edits = std::make_unique<ScriptEdits>(*m_script);
  m_runner = std::make_unique<ScriptRunner>(*m_script, m_motion, m_silence);
  m_window = std::make_unique<ScriptWindow>(*m_script, *m_edits, *m_runner, m_motion, m_runClock, m_ui, m_identity, m_folders);
  m_runner->setStateListener([this] { m_window->showRunState(); });
  m_controls = std::make_unique<QWidget>();
  m_controls->setGeometry(40, 30, 372, 520);
  m_window->showBeside(*m_controls);
  // Every test also checks that the grid's model tells its views each change as Qt requires.
  m_gridModelCheck = std::make_unique<QAbstractItemModelTester>(
      grid()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void ScriptWindowTest::cleanup() {
  m_gridModelCheck.reset();
  m_window.reset();
  m_runner.reset();
  m_edits.reset();
  m_script.reset();
}

void ScriptWindowTest::loadsBesideTheControlWindowWithHomeAndAnEmptyScript() {
  QCOMPARE(m_window->windowTitle(), QString("Script[*]"));
  QCOMPARE(m_window->pos(), QPoint(40 + 372, 30));
  QCOMPARE(m_window->height(), 520);
  QCOMPARE(child<QPushButton>(m_window.get(), "cmbNode(0)")->text(), QString("Home"));
  QCOMPARE(m_script->nodes().node(0).pos[2], int16_t{90});
  QCOMPARE(grid()->model()->headerData(0, Qt::Horizontal).toString(), QString("Command"));
  QCOMPARE(shown(), QStringList{"<"});
  QVERIFY(!child<QScrollBar>(m_window.get(), "vscNodeScroll")->isEnabled());
  QVERIFY(!child<QPushButton>(m_window.get(), "cmbAbort")->isEnabled());
  QVERIFY(child<QPushButton>(m_window.get(), "cmbRun")->isEnabled());
}

void ScriptWindowTest::commandButtonsAndGridClicksEditTheLines() {
  click("cmbHold");
  QCOMPARE(shown(), (QStringList{"WAIT", "<"}));

  // PAUSE over line 1 replaces it and moves the marker down.
  clickRow(1);
  QCOMPARE(shown(), (QStringList{"WAIT<", ""}));
  m_ui.answerInput(takeDefault);
  click("cmbPause");
  QCOMPARE(shown(), (QStringList{"PAUSE 1000", "<"}));

  click("cmbClearScript");
  QCOMPARE(shown(), QStringList{"<"});
  click("cmbLoopStart");
  click("cmbLoopEnd");
  click("cmbHold");
  QCOMPARE(shown(), (QStringList{"LOOPSTART", "LOOPEND", "WAIT", "<"}));

  // A double click inserts an empty line above the row and marks it.
  clickRow(2); // the first click of the two
  QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, rowCentre(2));
  QCOMPARE(shown(), (QStringList{"LOOPSTART", "<", "LOOPEND", "WAIT", ""}));
  QCOMPARE(selectedLine(), 2); // the new line is the grid's current row

  click("cmbDelete");
  QCOMPARE(shown(), (QStringList{"LOOPSTART", "LOOPEND<", "WAIT", ""}));
  clickRow(4);
  click("cmbDelete"); // the insertion row stays
  QCOMPARE(shown(), (QStringList{"LOOPSTART", "LOOPEND", "WAIT", "<"}));
  clickRow(1);
  click("cmbDelete");
  QCOMPARE(shown(), (QStringList{"LOOPEND<", "WAIT", ""}));
}

void ScriptWindowTest::pauseTakesANumberOnly() {
  m_ui.answerInput("-5");
  click("cmbPause");
  m_ui.answerInput("abc");
  click("cmbPause");
  QCOMPARE(shown(), (QStringList{"PAUSE 0", "<"}));
  const auto &boxes = m_ui.boxes();
  QCOMPARE(boxes.back().text, std::string("Pause Length must be a number!"));
  QCOMPARE(boxes.back().icon, MessageIcon::Critical);
  QCOMPARE(boxes.back().title, std::string("Quarnel"));
}

void ScriptWindowTest::easeTakesACurveOnly() {
  for (const std::string &answer : {takeDefault, std::string(" out "), std::string("fast")}) {
    m_ui.answerInput(answer);
    click("cmbEase");
  }
  QCOMPARE(shown(), (QStringList{"EASE INOUT", "EASE OUT", "<"}));
  QCOMPARE(m_ui.boxes().back().text, std::string("Ease curve must be LINEAR, IN, OUT or INOUT!"));
  QCOMPARE(m_ui.boxes().back().icon, MessageIcon::Critical);
}

// The sound dialog starts in the script's folder, and a file inside it is named from there; the
// grid's tip tells a sound's length, or why it cannot be played.
void ScriptWindowTest::soundAndJawButtonsPlaceTheirLines() {
  const tavik::testing::TemporaryFolder folder;
  std::filesystem::create_directory(folder.path() / "sounds");
  QVERIFY(tavik::testing::writeWaveFile(folder.file("sounds/voice.wav"), *tavik::testing::clickTrack({}, 2460)));
  m_ui.answerFile(folder.file("show.tvk"));
  action("mnuFSaveAs")->trigger();
  m_ui.clear();
  const struct {
    const char *button;
    std::optional<std::string> answer; // nothing: cancelled
  } presses[] = {
      {"cmbSound", folder.file("sounds/voice.wav")}, {"cmbSound", "/elsewhere/x.wav"}, {"cmbSound", std::nullopt},
      {"cmbJaw", "3 40 120"}, {"cmbJaw", " off "}, {"cmbJaw", "3 40"}, {"cmbJaw", std::nullopt},
  };
  for (const auto &press : presses) {
    if (std::string(press.button) == "cmbSound") m_ui.answerFile(press.answer);
    else m_ui.answerInput(press.answer.value_or(""));
    click(press.button);
  }
  QCOMPARE(shown(), (QStringList{"SOUND sounds/voice.wav", "SOUND /elsewhere/x.wav", "JAW 3 40 120", "JAW OFF", "<"}));
  QCOMPARE(m_ui.boxes().at(0).folder, folder.path().string());
  QCOMPARE(m_ui.messageTexts(),
           (std::vector<std::string>{"JAW takes a servo from 0 to 11 and two positions from 0 to 254, or OFF!"}));

  const QString tips[] = {"sounds/voice.wav: 0:02.5",
                          "Its sound file /elsewhere/x.wav cannot be played. No such file or directory."};
  for (int row : {1, 2}) {
    QHelpEvent hover(QEvent::ToolTip, rowCentre(row), grid()->viewport()->mapToGlobal(rowCentre(row)));
    QApplication::sendEvent(grid()->viewport(), &hover);
    QTRY_COMPARE(QToolTip::text(), tips[row - 1]);
  }
}

void ScriptWindowTest::createdNodesGetButtonsAndTheSixthScrollsTheList() {
  m_ui.answerInput(takeDefault);
  click("cmbCreateNode");
  QCOMPARE(child<QPushButton>(m_window.get(), "cmbNode(1)")->text(), QString("Node 1"));
  QCOMPARE(m_ui.boxes().back().text, std::string("Please Enter a name for this node"));

  auto *scroll = child<QScrollBar>(m_window.get(), "vscNodeScroll");
  auto *container = child<QWidget>(m_window.get(), "fmeContainer");
  const int homeTop = child<QPushButton>(m_window.get(), "cmbNode(0)")->y();
  for (const char *name : {"B", "C", "D"}) createNode(name);
  QVERIFY(!scroll->isEnabled());
  createNode("E"); // the sixth node
  QVERIFY(scroll->isEnabled());
  QCOMPARE(scroll->maximum(), 2);
  QCOMPARE(scroll->value(), 2);
  // 300 twips a step: the list moved up by 600 twips.
  const int step = child<QPushButton>(m_window.get(), "cmbNode(1)")->y() - homeTop;
  QVERIFY(qAbs(container->y() + 2 * step) <= 1); // each measure rounds to whole pixels
  QCOMPARE(child<QPushButton>(m_window.get(), "cmbNode(5)")->text(), QString("E"));

  // A click places the node's name.
  click("cmbNode(3)");
  QCOMPARE(shown(), (QStringList{"C", "<"}));
}

void ScriptWindowTest::aNewNodeIsScrolledIntoViewHoweverTheListWasLeft() {
  for (const char *name : {"A", "B", "C", "D", "E", "F", "G"}) createNode(name);
  auto *scroll = child<QScrollBar>(m_window.get(), "vscNodeScroll");
  QVERIFY(buttonInView(7));
  m_edits->deleteNode(7);
  scroll->setValue(0); // the user goes back to the top
  QVERIFY(!buttonInView(6));
  createNode("H"); // eight nodes again, as before the delete
  QCOMPARE(scroll->value(), 4);
  QVERIFY(buttonInView(7));
}

void ScriptWindowTest::anOpenedFileShowsItsButtonsWhateverTheLastFileHad() {
  QTemporaryDir dir;
  auto fileWith = [&](int nodes) {
    ScriptModel script(m_config, ScriptUser{m_ui, "Quarnel"});
    for (int i = 1; i < nodes; ++i) script.createNode("N" + std::to_string(i), nodeDataText(script.nodes().node(0)));
    const std::string path = dir.filePath(QString("%1.tvk").arg(nodes)).toStdString();
    QFile file(QString::fromStdString(path));
    const std::string bytes = writeScript(script).bytes;
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
      qFatal("cannot write %s", path.c_str());
    return path;
  };
  auto *scroll = child<QScrollBar>(m_window.get(), "vscNodeScroll");
  for (const auto &[nodes, scrolls] : {std::pair{maxNodes, true}, std::pair{4, false}, std::pair{7, true}}) {
    m_ui.answerFile(fileWith(nodes));
    action("mnuFOpen")->trigger();
    QVERIFY(m_window->findChild<QPushButton *>(QString("cmbNode(%1)").arg(nodes - 1)));
    QVERIFY(!m_window->findChild<QPushButton *>(QString("cmbNode(%1)").arg(nodes)));
    QCOMPARE(scroll->isEnabled(), scrolls);
    QVERIFY(buttonInView(nodes - 1));
  }
}

void ScriptWindowTest::homesPopUpOffersOnlyPlaceAndGoto() {
  createNode("Arm");
  QMenu *menu = popUpOf(0);
  QVERIFY(menu->isVisible());
  QVERIFY(!action("mnuPopUpEdit")->isEnabled());
  QVERIFY(!action("mnuPopUpDelete")->isEnabled());
  action("mnuPopUpPlace")->trigger();
  QCOMPARE(shown(), (QStringList{"Home", "<"}));
  m_motion.setTarget(2, 200);
  popUpOf(0);
  action("mnuPopUpGoto")->trigger();
  QCOMPARE(m_motion.target(2), int16_t{90});
  QCOMPARE(m_motion.stepInterval(2), int16_t{204}); // Home moves at speed 5

  // Another node's menu has them back.
  popUpOf(1);
  QVERIFY(action("mnuPopUpEdit")->isEnabled());
  QVERIFY(action("mnuPopUpDelete")->isEnabled());
}

void ScriptWindowTest::popUpDeleteAndEditActOnTheRightClickedNode() {
  for (const char *name : {"A", "B"}) createNode(name);
  click("cmbNode(1)");
  click("cmbNode(2)");
  click("cmbNode(1)");
  popUpOf(1);
  action("mnuPopUpDelete")->trigger();
  QCOMPARE(shown(), (QStringList{"B", "<"}));
  QCOMPARE(child<QPushButton>(m_window.get(), "cmbNode(1)")->text(), QString("B"));
  QVERIFY(!m_window->findChild<QPushButton *>("cmbNode(2)"));

  int edited = -1;
  m_window->editRequested = [&](int index) { edited = index; };
  m_motion.setTarget(0, 10);
  QMenu *menu = popUpOf(1);
  action("mnuPopUpEdit")->trigger();
  menu->close(); // as choosing the item does
  QCOMPARE(edited, 1);
  QCOMPARE(m_window->selectedNodeIndex(), 1);
  QVERIFY(!m_window->isEnabled());
  QCOMPARE(m_motion.target(0), int16_t{127}); // on the way to B's pose
  // The editor's node stays where it is while the editor is open.
  QApplication::setActiveWindow(m_window.get());
  QTest::keySequence(m_window.get(), QKeySequence("Ctrl+Z"));
  QCOMPARE(child<QPushButton>(m_window.get(), "cmbNode(1)")->text(), QString("B"));
  m_window->editFinished();
  QVERIFY(m_window->isEnabled());
}

void ScriptWindowTest::runningLeavesOnlyStopTakingInput() {
  createNode("A");
  click("cmbNode(1)");
  click("cmbRun");
  QVERIFY(!m_runner->idle());
  QVERIFY(child<QPushButton>(m_window.get(), "cmbAbort")->isEnabled());
  for (const char *name : {"cmbStep", "cmdGoto", "cmbRun", "cmbResume", "cmbClearScript", "cmbDelete", "cmbHold",
                           "cmbPause", "cmbEase", "cmbSound", "cmbJaw", "cmbLoopStart", "cmbLoopEnd", "cmbClose"})
    QVERIFY2(!child<QPushButton>(m_window.get(), name)->isEnabled(), name);
  QVERIFY(!grid()->isEnabled());
  QVERIFY(!child<QGroupBox>(m_window.get(), "fmeNodes")->isEnabled());
  QVERIFY(!m_window->menuBar()->actions()[0]->isEnabled()); // File
  QVERIFY(!action("mnuAbout")->isEnabled());
  QVERIFY(!m_window->menuBar()->actions()[1]->isEnabled()); // Edit
  QVERIFY(!action("mnuEUndo")->isEnabled());
  QApplication::setActiveWindow(m_window.get());
  QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(m_script->lines().text(1), std::string_view("A"));
  QVERIFY(child<QTimer>(m_window.get(), "tmrScriptRun")->isActive());

  // The close box is refused while it runs.
  m_window->close();
  QVERIFY(m_window->isVisible());

  // Escape is the control window's STOP, here as there.
  int stopsAll = 0;
  m_window->stopAllRequested = [&] { ++stopsAll; };
  m_window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
  QTest::keyClick(grid(), Qt::Key_Escape);
  QCOMPARE(stopsAll, 1);

  click("cmbAbort");
  m_runner->tick();
  QVERIFY(m_runner->idle());
  QVERIFY(!child<QPushButton>(m_window.get(), "cmbAbort")->isEnabled());
  QVERIFY(child<QPushButton>(m_window.get(), "cmbRun")->isEnabled());
  QVERIFY(grid()->isEnabled());
  QVERIFY(action("mnuEUndo")->isEnabled());
  QVERIFY(!child<QTimer>(m_window.get(), "tmrScriptRun")->isActive());
}

void ScriptWindowTest::theStatusLineAndTheGridFollowTheRun() {
  auto *status = child<QLabel>(m_window.get(), "lblRunState");
  // The rows that stand out from the rest, by their background.
  auto standingOut = [this] {
    QList<int> rows;
    for (int r = 1; r <= grid()->model()->rowCount(); ++r)
      if (grid()->model()->index(r - 1, 0).data(Qt::BackgroundRole).isValid()) rows << r;
    return rows;
  };
  auto moveServo0 = [this](int16_t to) {
    m_motion.setTarget(0, to);
    while (m_motion.displayed(0) != to) m_motion.tick(40);
    m_motion.tick(40);
  };
  createNode("A"); // every servo at 127
  m_script->lines().load({"LOOPSTART", "A", "WAIT", "LOOPEND"});
  clickRow(4);
  m_motion.setTarget(0, 20); // still on its way as the run starts
  m_motion.tick(40);
  QCOMPARE(status->text(), QString());
  click("cmbRun");
  QTRY_COMPARE(status->text(), QString("Waiting for the servos to arrive"));
  QCOMPARE(selectedLine(), 0); // the running line stands out instead

  // The runner goes on as update ticks find the servos there; these move them hardly at all.
  // The run's clock goes on in real time too, so the seconds may have moved on a little.
  auto shows = [&](const QString &pattern) {
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(status->text()).hasMatch();
  };
  auto tickUntilShown = [&](const QString &pattern) {
    for (int i = 0; i < 300 && !shows(pattern); ++i) {
      m_motion.tick(1);
      QTest::qWait(10);
    }
    QVERIFY2(shows(pattern), qPrintable(status->text()));
  };
  moveServo0(20);
  m_runClock.advanceMs(42000);
  tickUntilShown("Running line 2 - pass 1 - 0:4[2-5]"); // A sends it back
  QCOMPARE(standingOut(), QList<int>{2});
  moveServo0(127);
  QTRY_VERIFY(m_ui.promptOpen());
  QTRY_VERIFY2(shows("Waiting at line 3 for OK - 0:4[2-5]"), qPrintable(status->text()));
  QCOMPARE(standingOut(), QList<int>{3});

  moveServo0(20);
  m_runClock.advanceMs(10000);
  m_ui.answerPrompt();
  tickUntilShown("Running line 2 - pass 2 - 0:5[2-9]");
  click("cmbAbort");
  QTRY_VERIFY2(shows("Stopped at line 2 - 0:5[2-9]"), qPrintable(status->text()));
  QCOMPARE(standingOut(), QList<int>{});
  QCOMPARE(selectedLine(), 2);
}

void ScriptWindowTest::closeHidesAndTheCloseBoxUnloads() {
  int closes = 0;
  m_window->closed = [&] { ++closes; };
  createNode("A");
  click("cmbNode(1)");
  click("cmbClose");
  QVERIFY(!m_window->isVisible());
  QCOMPARE(closes, 1);
  QVERIFY(m_window->hasUnsavedChanges()); // still asked about at quit
  m_window->showBeside(*m_controls);
  QCOMPARE(shown(), (QStringList{"A", "<"})); // kept while hidden

  m_ui.answerMessage(MessageAnswer::Discard);
  m_window->close();
  QVERIFY(!m_window->isVisible());
  QCOMPARE(closes, 1); // the close box leaves the step intervals as they are
  QVERIFY(!m_window->hasUnsavedChanges()); // let go: quitting does not ask again
  m_window->showBeside(*m_controls);
  QCOMPARE(shown(), QStringList{"<"});
  QVERIFY(!m_window->findChild<QPushButton *>("cmbNode(1)"));

  // A WAIT reached by a single Step goes with the window, whichever way it is closed.
  for (const bool closeBox : {false, true}) {
    m_script->lines().load({"A", "WAIT"});
    clickRow(1);
    click("cmbStep");
    QVERIFY(m_ui.promptOpen());
    if (closeBox) m_window->close();
    else click("cmbClose");
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_ui.promptOpen());
    m_window->showBeside(*m_controls);
  }
}

void ScriptWindowTest::gridKeysMoveTheMarkerAndEditLines_data() {
  QTest::addColumn<int>("clicked");
  QTest::addColumn<QStringList>("steps");
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<int>("selected");
  // The lines A, B, C and the insertion row; one of them clicked first.
  QTest::newRow("Down") << 1 << QStringList{"Down"} << QStringList{"A", "B<", "C", ""} << 2;
  QTest::newRow("Up") << 3 << QStringList{"Up", "Up"} << QStringList{"A<", "B", "C", ""} << 1;
  QTest::newRow("Up on the first line stays") << 1 << QStringList{"Up"} << QStringList{"A<", "B", "C", ""} << 1;
  QTest::newRow("Down on the insertion row stays") << 4 << QStringList{"Down"} << QStringList{"A", "B", "C", "<"} << 4;
  QTest::newRow("Home") << 3 << QStringList{"Home"} << QStringList{"A<", "B", "C", ""} << 1;
  QTest::newRow("End") << 1 << QStringList{"End"} << QStringList{"A", "B", "C", "<"} << 4;
  QTest::newRow("a placed command replaces the line gone to")
      << 1 << QStringList{"Down", "cmbHold"} << QStringList{"A", "WAIT", "C<", ""} << 2;
  QTest::newRow("keys move on from the marker, not from the click")
      << 1 << QStringList{"cmbHold", "Down"} << QStringList{"WAIT", "B", "C<", ""} << 3;
  QTest::newRow("Insert as a double click") << 2 << QStringList{"Ins"} << QStringList{"A", "<", "B", "C", ""} << 2;
  QTest::newRow("Insert then place")
      << 2 << QStringList{"Ins", "cmbHold"} << QStringList{"A", "WAIT", "B<", "C", ""} << 2;
  QTest::newRow("Delete as the button") << 2 << QStringList{"Del"} << QStringList{"A", "C<", ""} << 2;
  QTest::newRow("Delete on the insertion row") << 4 << QStringList{"Del"} << QStringList{"A", "B", "C", "<"} << 4;
  QTest::newRow("a letter does not move") << 1 << QStringList{"C"} << QStringList{"A<", "B", "C", ""} << 1;
}

void ScriptWindowTest::gridKeysMoveTheMarkerAndEditLines() {
  QFETCH(int, clicked);
  QFETCH(QStringList, steps);
  QFETCH(QStringList, shown);
  QFETCH(int, selected);
  m_script->lines().load({"A", "B", "C"});
  clickRow(clicked);
  perform(steps);
  QCOMPARE(this->shown(), shown);
  QCOMPARE(selectedLine(), selected);
}

void ScriptWindowTest::pageKeysMoveByTheRowsInSight() {
  m_script->lines().load(std::vector<std::string>(100, "WAIT"));
  clickRow(1);
  int whollyInSight = 0;
  while (grid()->viewport()->rect().contains(grid()->visualRect(grid()->model()->index(whollyInSight, 0)))) ++whollyInSight;
  QVERIFY(whollyInSight > 2);

  perform({"PgDown"});
  QCOMPARE(m_script->lines().markedRow(), 1 + whollyInSight);
  QVERIFY(inSight(m_script->lines().markedRow()));
  perform({"PgDown", "PgUp"});
  QCOMPARE(m_script->lines().markedRow(), 1 + whollyInSight);
  perform({"PgUp", "PgUp"});
  QCOMPARE(m_script->lines().markedRow(), 1);
  perform({"End", "PgDown"});
  QCOMPARE(m_script->lines().markedRow(), 101);
  QVERIFY(inSight(101));
}

void ScriptWindowTest::tabLeavesTheGrid() {
  activate();
  m_script->lines().load({"A", "B"});
  clickRow(1);
  for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
    grid()->setFocus();
    QVERIFY(grid()->hasFocus());
    QTest::keyClick(grid(), key);
    QVERIFY2(!grid()->hasFocus(), qPrintable(QKeySequence(key).toString()));
    QCOMPARE(m_script->lines().markedRow(), 1);
  }
}

void ScriptWindowTest::theMarkedLineIsKeptInSight() {
  createNode("A");
  std::vector<std::string> lines(300, "A");
  lines.push_back("LOOPEND");
  m_script->lines().load(lines);
  QVERIFY(inSight(302)); // an opened script shows its insertion row
  click("cmbRun");
  QVERIFY(inSight(1));
  m_runner->stop();
  m_runner->tick();
  clickRow(1);
  perform({"End", "Up"}); // "LOOPEND", which walks back to row 1
  QVERIFY(!inSight(1));
  click("cmdGoto");
  QCOMPARE(m_script->lines().markedRow(), 1);
  QVERIFY(inSight(1));
}

void ScriptWindowTest::accessKeysPressTheirButtons_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<int>("key");
  // The captions are the design's; only the access key is added.
  QTest::newRow("Step") << "cmbStep" << "Step" << int(Qt::Key_S);
  QTest::newRow("Goto") << "cmdGoto" << "Goto" << int(Qt::Key_G);
  QTest::newRow("Run") << "cmbRun" << "Run" << int(Qt::Key_R);
  QTest::newRow("Resume") << "cmbResume" << "Resume" << int(Qt::Key_U);
  QTest::newRow("Stop") << "cmbAbort" << "Stop" << int(Qt::Key_P);
  QTest::newRow("Clear") << "cmbClearScript" << "Clear" << int(Qt::Key_L);
  QTest::newRow("Delete") << "cmbDelete" << "Delete" << int(Qt::Key_D);
  QTest::newRow("WAIT") << "cmbHold" << "WAIT" << int(Qt::Key_W);
  QTest::newRow("PAUSE") << "cmbPause" << "PAUSE" << int(Qt::Key_A);
  QTest::newRow("Start") << "cmbLoopStart" << "Start" << int(Qt::Key_T);
  QTest::newRow("End") << "cmbLoopEnd" << "End" << int(Qt::Key_N);
  QTest::newRow("Close") << "cmbClose" << "Close" << int(Qt::Key_O);
  QTest::newRow("Create Node") << "cmbCreateNode" << "Create\nNode" << int(Qt::Key_C);
  QTest::newRow("Ease Moves") << "cmbEase" << "Ease\nMoves" << int(Qt::Key_M);
  QTest::newRow("Play") << "cmbSound" << "Play" << int(Qt::Key_Y);
  QTest::newRow("Jaw") << "cmbJaw" << "Jaw" << int(Qt::Key_J);
}

void ScriptWindowTest::accessKeysPressTheirButtons() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QFETCH(int, key);
  auto *button = child<QPushButton>(m_window.get(), name);
  QCOMPARE(QString(button->text()).remove('&'), caption);
  activate();
  if (name == "cmbAbort") click("cmbRun"); // Stop takes input only while a script runs
  QSignalSpy clicks(button, &QPushButton::clicked);
  grid()->setFocus(); // even from the grid, which takes keys of its own
  QTest::keyClick(grid(), Qt::Key(key), Qt::AltModifier);
  QTRY_COMPARE(clicks.count(), 1); // an access key shows the button pressed for a moment first
}

void ScriptWindowTest::accessKeysAreUnique() {
  createNode("Rock&Roll"); // a node's name is no access key
  QCOMPARE(child<QPushButton>(m_window.get(), "cmbNode(1)")->text(), QString("Rock&&Roll"));
  QStringList texts;
  for (QAction *item : m_window->menuBar()->actions()) texts << item->text();
  for (QPushButton *button : m_window->findChildren<QPushButton *>()) texts << button->text();
  std::set<int> keys;
  int withKey = 0;
  for (const QString &text : texts) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (key.isEmpty()) continue;
    ++withKey;
    QVERIFY2(keys.insert(key[0].toCombined()).second, qPrintable("taken twice: " + text));
  }
  QCOMPARE(withKey, 4 + 17); // File, Edit, View, About and every command button
}

void ScriptWindowTest::controlsAreNamedForScreenReaders_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("spoken");
  QTest::newRow("grid") << "grdScript" << "Script lines";
  QTest::newRow("node list") << "vscNodeScroll" << "Node list";
  QTest::newRow("Home") << "cmbNode(0)" << "Home node";
  QTest::newRow("a node") << "cmbNode(1)" << "Node Arm & Leg";
  QTest::newRow("a renamed node") << "cmbNode(2)" << "Node Wave";
  QTest::newRow("Create Node") << "cmbCreateNode" << "Create Node";
  QTest::newRow("Step") << "cmbStep" << "Step";
  QTest::newRow("Goto") << "cmdGoto" << "Goto";
  QTest::newRow("Run") << "cmbRun" << "Run script";
  QTest::newRow("Resume") << "cmbResume" << "Resume script";
  QTest::newRow("Stop") << "cmbAbort" << "Stop script";
  QTest::newRow("Clear") << "cmbClearScript" << "Clear script";
  QTest::newRow("Delete") << "cmbDelete" << "Delete line";
  QTest::newRow("WAIT") << "cmbHold" << "Place WAIT";
  QTest::newRow("PAUSE") << "cmbPause" << "Place PAUSE";
  QTest::newRow("EASE") << "cmbEase" << "Place EASE";
  QTest::newRow("SOUND") << "cmbSound" << "Place SOUND";
  QTest::newRow("JAW") << "cmbJaw" << "Place JAW";
  QTest::newRow("Start") << "cmbLoopStart" << "Place loop start";
  QTest::newRow("End") << "cmbLoopEnd" << "Place loop end";
  QTest::newRow("Close") << "cmbClose" << "Close";
}

void ScriptWindowTest::controlsAreNamedForScreenReaders() {
  QFETCH(QString, name);
  QFETCH(QString, spoken);
  createNode("Arm & Leg");
  createNode("Up");
  Node wave = m_script->nodes().node(2);
  wave.name = "Wave";
  m_edits->saveNode(2, wave);
  m_window->editFinished(); // as the node editor's Save leaves it
  QAccessibleInterface *control = QAccessible::queryAccessibleInterface(child<QWidget>(m_window.get(), name));
  QVERIFY(control);
  QCOMPARE(control->text(QAccessible::Name), spoken);
}

void ScriptWindowTest::modifiedWorkIsAskedAboutBeforeItGoes_data() {
  QTest::addColumn<bool>("openInstead"); // File > Open rather than the close box
  QTest::addColumn<QList<int>>("answers"); // to the question, then to the save dialog: 1 a file
  QTest::addColumn<bool>("goesOn");
  const int save = int(MessageAnswer::Save), discard = int(MessageAnswer::Discard), file = 1, none = 0;
  QTest::newRow("close box, no answer is Cancel") << false << QList<int>{} << false;
  QTest::newRow("close box, Discard") << false << QList<int>{discard} << true;
  QTest::newRow("close box, Save") << false << QList<int>{save, file} << true;
  QTest::newRow("close box, Save cancelled") << false << QList<int>{save, none} << false;
  QTest::newRow("Open, Cancel") << true << QList<int>{int(MessageAnswer::Cancel)} << false;
  QTest::newRow("Open, Discard") << true << QList<int>{discard} << true;
  QTest::newRow("Open, Save") << true << QList<int>{save, file} << true;
}

void ScriptWindowTest::modifiedWorkIsAskedAboutBeforeItGoes() {
  QFETCH(bool, openInstead);
  QFETCH(QList<int>, answers);
  QFETCH(bool, goesOn);
  QTemporaryDir dir;
  const QString path = dir.filePath("wave.tvk");
  if (!answers.isEmpty()) m_ui.answerMessage(MessageAnswer(answers[0]));
  if (answers.size() > 1) m_ui.answerFile(answers[1] ? std::optional(path.toStdString()) : std::nullopt);

  QCOMPARE(m_window->windowTitle(), QString("Script[*]"));
  QVERIFY(!m_window->isWindowModified());
  createNode("Arm");
  click("cmbNode(1)");
  QVERIFY(m_window->isWindowModified());
  if (openInstead) action("mnuFOpen")->trigger();
  else m_window->close();

  const auto &question = m_ui.boxes()[1];
  QCOMPARE(question.text, std::string("Save changes to the script?"));
  QCOMPARE(question.buttons, MessageButtons::SaveDiscardCancel);
  QCOMPARE(question.title, std::string("Quarnel"));
  const bool saved = answers.size() > 1 && answers[1];
  QCOMPARE(QFile::exists(path), saved);
  if (saved) QCOMPARE(m_window->windowTitle(), QString("Script - wave.tvk[*]"));
  // Open goes on to its dialog, which is cancelled here: nothing is lost by that.
  const bool openDialogShown = m_ui.boxes().back().kind == ScriptedUiServices::Kind::OpenFile;
  QCOMPARE(openInstead ? openDialogShown : !m_window->isVisible(), goesOn);
  QCOMPARE(shown(), (QStringList{"Arm", "<"}));
  QCOMPARE(m_window->isWindowModified(), !saved);

  // Once saved, or unchanged, nothing is asked.
  if (saved) {
    m_ui.clear();
    m_window->showBeside(*m_controls);
    m_window->close();
    QVERIFY(m_ui.boxes().empty());
    QVERIFY(!m_window->isVisible());
  }
}

void ScriptWindowTest::editMenuUndoesAndRedoesEveryEdit_data() {
  QTest::addColumn<QString>("edit");      // a button, or a key or double click in the grid
  QTest::addColumn<QString>("undoText");  // the Undo item's text after it
  QTest::addColumn<QStringList>("after"); // the grid, then the node buttons
  const QStringList inserted{"<", "A", "WAIT", "", "Home", "A"}, deleted{"WAIT<", "", "Home", "A"};
  QTest::newRow("place") << "cmbHold" << "&Undo Place \"WAIT\"" << QStringList{"WAIT", "WAIT<", "", "Home", "A"};
  QTest::newRow("delete a line") << "cmbDelete" << "&Undo Delete line" << deleted;
  QTest::newRow("clear") << "cmbClearScript" << "&Undo Clear" << QStringList{"<", "Home", "A"};
  QTest::newRow("create a node") << "cmbCreateNode" << "&Undo Create node \"B&&C\""
                                 << QStringList{"A<", "WAIT", "", "Home", "A", "B&&C"};
  QTest::newRow("Insert key") << "Insert" << "&Undo Insert line" << inserted;
  QTest::newRow("double click") << "double click" << "&Undo Insert line" << inserted;
  QTest::newRow("Delete key") << "Delete" << "&Undo Delete line" << deleted;
  QTest::newRow("delete a node") << "mnuPopUpDelete" << "&Undo Delete node \"A\"" << QStringList{"WAIT<", "", "Home"};
}

void ScriptWindowTest::editMenuUndoesAndRedoesEveryEdit() {
  QFETCH(QString, edit);
  QFETCH(QString, undoText);
  QFETCH(QStringList, after);
  auto view = [this] {
    QStringList seen = shown();
    for (int i = 0; auto *button = m_window->findChild<QPushButton *>(QString("cmbNode(%1)").arg(i)); ++i)
      seen << button->text();
    return seen;
  };
  QAction *undo = action("mnuEUndo"), *redo = action("mnuERedo");
  QCOMPARE(m_window->menuBar()->actions()[1]->text(), QString("&Edit")); // after File
  QCOMPARE(undo->text(), QString("&Undo"));
  QVERIFY(!undo->isEnabled());

  createNode("A");
  click("cmbNode(1)");
  click("cmbHold");
  clickRow(1);
  m_edits->stack().clear(); // as a freshly opened file would have it
  const QStringList before = view();
  if (edit == "mnuPopUpDelete") {
    QMenu *menu = popUpOf(1);
    action("mnuPopUpDelete")->trigger();
    menu->close(); // as choosing the item does
  } else if (edit == "double click") {
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, rowCentre(1));
  } else if (edit == "Insert" || edit == "Delete") {
    grid()->setFocus();
    QTest::keyClick(grid(), edit == "Insert" ? Qt::Key_Insert : Qt::Key_Delete);
  } else {
    m_ui.answerInput("B&C");
    click(qPrintable(edit));
  }
  QCOMPARE(view(), after);
  QCOMPARE(undo->text(), undoText);
  QVERIFY(!redo->isEnabled());

  // The menu item, then each of the keys.
  undo->trigger();
  QCOMPARE(view(), before);
  QVERIFY(!undo->isEnabled());
  QCOMPARE(redo->text(), QString(undoText).replace("&Undo", "&Redo"));
  QApplication::setActiveWindow(m_window.get());
  for (const char *keys : {"Ctrl+Shift+Z", "Ctrl+Y"}) {
    QTest::keySequence(m_window.get(), QKeySequence(keys));
    QCOMPARE(view(), after);
    QTest::keySequence(m_window.get(), QKeySequence("Ctrl+Z"));
    QCOMPARE(view(), before);
  }
}

void ScriptWindowTest::titleMarkFollowsTheUndoStacksCleanState() {
  QTemporaryDir dir;
  const std::string path = dir.filePath("wave.tvk").toStdString();
  QAction *undo = action("mnuEUndo"), *redo = action("mnuERedo");
  click("cmbHold");
  m_ui.answerFile(path);
  action("mnuFSave")->trigger();
  QVERIFY(!m_window->isWindowModified());
  undo->trigger();
  QVERIFY(m_window->isWindowModified()); // the saved file has the WAIT
  redo->trigger();
  QVERIFY(!m_window->isWindowModified());
  // A new edit after an undo loses the way back to the saved script.
  undo->trigger();
  click("cmbLoopStart");
  undo->trigger();
  QVERIFY(m_window->isWindowModified());

  // An opened file, even one that cannot be read, leaves nothing to undo and nothing modified,
  // and the caption names only a file the window holds.
  const std::string notAScript = dir.filePath("notes.tvk").toStdString();
  QFile(QString::fromStdString(notAScript)).open(QIODevice::WriteOnly);
  const std::pair<std::string, QString> opened[] = {{path, "Script - wave.tvk[*]"},
                                                    {dir.filePath("gone.tvk").toStdString(), "Script[*]"},
                                                    {path, "Script - wave.tvk[*]"},
                                                    {notAScript, "Script[*]"}};
  for (const auto &[file, caption] : opened) {
    m_ui.answerMessage(MessageAnswer::Discard);
    m_ui.answerFile(file);
    action("mnuFOpen")->trigger();
    QVERIFY(!m_window->isWindowModified());
    QVERIFY(!undo->isEnabled());
    QCOMPARE(m_window->windowTitle(), caption);
    click("cmbHold");
  }
}

void ScriptWindowTest::aNodeLinesTooltipTellsWhatItChanges() {
  m_motion.setTarget(0, 200);
  createNode("Up");
  click("cmbHold");
  click("cmbNode(1)");
  const QString tips[] = {"", "Servo0 127 → 200 at speed 32, Servo2 90 → 127 at speed 32; 10 servos unchanged — 2.3 s"};
  for (int row : {2, 1}) {
    QHelpEvent hover(QEvent::ToolTip, rowCentre(row), grid()->viewport()->mapToGlobal(rowCentre(row)));
    QApplication::sendEvent(grid()->viewport(), &hover);
    QTRY_COMPARE(QToolTip::text(), tips[row - 1]); // Up is read against Home; WAIT moves nothing
  }
}

QTEST_MAIN(ScriptWindowTest)
#include "script_window_test.moc"
