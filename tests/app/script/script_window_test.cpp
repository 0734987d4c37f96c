// The script window with real widgets on the offscreen platform, a scripted user and the real
// script model, runner and motion model behind it.
#include "control/motion_model.h"
#include "script/script_window.h"
#include "ui/scripted_ui_services.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quarnel;

namespace {

// The user takes whatever default an input box offers when the answer queued is this.
const std::string takeDefault = "\x01";

class DefaultTakingUi : public ScriptedUiServices {
public:
  std::string inputBox(const std::string &prompt, const std::string &title, const std::string &defaultAnswer) override {
    const std::string answer = ScriptedUiServices::inputBox(prompt, title, defaultAnswer);
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
  void createdNodesGetButtonsAndTheSixthScrollsTheList();
  void homesPopUpOffersOnlyPlaceAndGoto();
  void popUpDeleteAndEditActOnTheRightClickedNode();
  void runningLeavesOnlyStopTakingInput();
  void closeHidesAndTheCloseBoxUnloads();
  void modifiedWorkIsAskedAboutBeforeItGoes_data();
  void modifiedWorkIsAskedAboutBeforeItGoes();

private:
  template <typename T> T *child(const QString &name) {
    T *found = m_window->findChild<T *>(name);
    if (!found) qFatal("no control %s", qPrintable(name));
    return found;
  }
  void click(const char *name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
  QTableWidget *grid() { return child<QTableWidget>("grdScript"); }
  QPoint rowCentre(int row) { return grid()->visualItemRect(grid()->item(row - 1, 0)).center(); }
  void clickRow(int row) { QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rowCentre(row)); }
  // Rows 1 to the last as the grid shows them, "<" appended to the marked one.
  QStringList shown() {
    QStringList rows;
    for (int r = 0; r < grid()->rowCount(); ++r) rows << grid()->item(r, 0)->text() + grid()->item(r, 1)->text();
    return rows;
  }
  void createNode(const std::string &name) {
    m_ui.answerInput(name);
    click("cmbCreateNode");
  }
  QMenu *popUpOf(int index) {
    QPushButton *button = child<QPushButton>(QString("cmbNode(%1)").arg(index));
    emit button->customContextMenuRequested(QPoint(4, 4)); // what a right press on it sends
    return child<QMenu>("mnuPopUp");
  }
  QAction *action(const char *name) { return m_window->findChild<QAction *>(name); }

  ServoConfiguration m_config;
  DefaultTakingUi m_ui;
  MotionModel m_motion;
  std::unique_ptr<ScriptModel> m_script;
  std::unique_ptr<ScriptRunner> m_runner;
  std::unique_ptr<ScriptWindow> m_window;
  std::unique_ptr<QWidget> m_controls;
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
  m_runner = std::make_unique<ScriptRunner>(*m_script, m_motion);
  m_window = std::make_unique<ScriptWindow>(*m_script, *m_runner, m_motion, m_ui, m_identity, m_folders);
  m_runner->setStateListener([this] { m_window->showRunState(); });
  m_controls = std::make_unique<QWidget>();
  m_controls->setGeometry(40, 30, 372, 443);
  m_window->showBeside(*m_controls);
}

void ScriptWindowTest::cleanup() {
  m_window.reset();
  m_runner.reset();
  m_script.reset();
}

void ScriptWindowTest::loadsBesideTheControlWindowWithHomeAndAnEmptyScript() {
  QCOMPARE(m_window->windowTitle(), QString("Script[*]"));
  QCOMPARE(m_window->pos(), QPoint(40 + 372, 30));
  QCOMPARE(m_window->height(), 443);
  QCOMPARE(child<QPushButton>("cmbNode(0)")->text(), QString("Home"));
  QCOMPARE(m_script->nodes().node(0).pos[2], int16_t{90});
  QCOMPARE(grid()->horizontalHeaderItem(0)->text(), QString("Command"));
  QCOMPARE(shown(), QStringList{"<"});
  QVERIFY(!child<QScrollBar>("vscNodeScroll")->isEnabled());
  QVERIFY(!child<QPushButton>("cmbAbort")->isEnabled());
  QVERIFY(child<QPushButton>("cmbRun")->isEnabled());
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

void ScriptWindowTest::createdNodesGetButtonsAndTheSixthScrollsTheList() {
  m_ui.answerInput(takeDefault);
  click("cmbCreateNode");
  QCOMPARE(child<QPushButton>("cmbNode(1)")->text(), QString("Node 1"));
  QCOMPARE(m_ui.boxes().back().text, std::string("Please Enter a name for this node"));

  auto *scroll = child<QScrollBar>("vscNodeScroll");
  auto *container = child<QWidget>("fmeContainer");
  const int homeTop = child<QPushButton>("cmbNode(0)")->y();
  for (const char *name : {"B", "C", "D"}) createNode(name);
  QVERIFY(!scroll->isEnabled());
  createNode("E"); // the sixth node
  QVERIFY(scroll->isEnabled());
  QCOMPARE(scroll->maximum(), 2);
  QCOMPARE(scroll->value(), 2);
  // 300 twips a step: the list moved up by 600 twips.
  const int step = child<QPushButton>("cmbNode(1)")->y() - homeTop;
  QVERIFY(qAbs(container->y() + 2 * step) <= 1); // each measure rounds to whole pixels
  QCOMPARE(child<QPushButton>("cmbNode(5)")->text(), QString("E"));

  // A click places the node's name.
  click("cmbNode(3)");
  QCOMPARE(shown(), (QStringList{"C", "<"}));
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
  QCOMPARE(child<QPushButton>("cmbNode(1)")->text(), QString("B"));
  QVERIFY(!m_window->findChild<QPushButton *>("cmbNode(2)"));

  int edited = -1;
  m_window->editRequested = [&](int index) { edited = index; };
  m_motion.setTarget(0, 10);
  popUpOf(1);
  action("mnuPopUpEdit")->trigger();
  QCOMPARE(edited, 1);
  QCOMPARE(m_window->selectedNodeIndex(), 1);
  QVERIFY(!m_window->isEnabled());
  QCOMPARE(m_motion.target(0), int16_t{127}); // on the way to B's pose
  m_window->editFinished();
  QVERIFY(m_window->isEnabled());
}

void ScriptWindowTest::runningLeavesOnlyStopTakingInput() {
  createNode("A");
  click("cmbNode(1)");
  click("cmbRun");
  QVERIFY(!m_runner->idle());
  QVERIFY(child<QPushButton>("cmbAbort")->isEnabled());
  for (const char *name : {"cmbStep", "cmdGoto", "cmbRun", "cmbResume", "cmbClearScript", "cmbDelete", "cmbHold",
                           "cmbPause", "cmbLoopStart", "cmbLoopEnd", "cmbClose"})
    QVERIFY2(!child<QPushButton>(name)->isEnabled(), name);
  QVERIFY(!grid()->isEnabled());
  QVERIFY(!child<QGroupBox>("fmeNodes")->isEnabled());
  QVERIFY(!m_window->menuBar()->actions()[0]->isEnabled()); // File
  QVERIFY(!action("mnuAbout")->isEnabled());
  QVERIFY(child<QTimer>("tmrScriptRun")->isActive());

  // The close box is refused while it runs.
  m_window->close();
  QVERIFY(m_window->isVisible());

  // Escape is the control window's STOP, here as there.
  int stopsAll = 0;
  m_window->stopAllPressed = [&] { ++stopsAll; };
  m_window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
  QTest::keyClick(grid(), Qt::Key_Escape);
  QCOMPARE(stopsAll, 1);

  click("cmbAbort");
  m_runner->tick();
  QVERIFY(m_runner->idle());
  QVERIFY(!child<QPushButton>("cmbAbort")->isEnabled());
  QVERIFY(child<QPushButton>("cmbRun")->isEnabled());
  QVERIFY(grid()->isEnabled());
  QVERIFY(!child<QTimer>("tmrScriptRun")->isActive());
}

void ScriptWindowTest::closeHidesAndTheCloseBoxUnloads() {
  int closes = 0;
  m_window->closed = [&] { ++closes; };
  createNode("A");
  click("cmbNode(1)");
  click("cmbClose");
  QVERIFY(!m_window->isVisible());
  QCOMPARE(closes, 1);
  m_window->showBeside(*m_controls);
  QCOMPARE(shown(), (QStringList{"A", "<"})); // kept while hidden

  m_ui.answerMessage(MessageAnswer::Discard);
  m_window->close();
  QVERIFY(!m_window->isVisible());
  QCOMPARE(closes, 1); // the close box leaves the step intervals as they are
  m_window->showBeside(*m_controls);
  QCOMPARE(shown(), QStringList{"<"});
  QVERIFY(!m_window->findChild<QPushButton *>("cmbNode(1)"));
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

QTEST_MAIN(ScriptWindowTest)
#include "script_window_test.moc"
