// The node editor with real widgets on the offscreen platform: its boxes, their checks, the live
// moves and the live copy of displayed positions, Save, Cancel, Escape and the close box.
#include "keyboard_access.h"
#include "manual_clock.h"
#include "motion/motion_model.h"
#include "motion/servo_limits.h"
#include "script/script_model.h"
#include "script/script_runner.h"
#include "script_window/node_editor.h"
#include "script_window/script_edits.h"
#include "scripted_ui_services.h"
#include "sound/silent_player.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace quarnel;

class NodeEditorTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void init();
  void cleanup();

  void opensBesideTheControlWindowWithTheNodesValues();
  void positionsWithinTheBoundsMoveTheServoOthersAreRefused();
  void speedsSetTheStepTables_data();
  void speedsSetTheStepTables();
  void saveRenamesTheExactLinesAndStoresTheBoxes();
  void saveStoresWhereEachServoIsGoingOrWhatTheUserTyped();
  void saveRefusesABoxItsCheckWouldRefuse();
  void namesOfOtherNodesAreRefused_data();
  void namesOfOtherNodesAreRefused();
  void cancelAndTheCloseBoxLeaveTheNodeAsItWas();
  void everyWayOutLeavesWhateverABoxHolds_data();
  void everyWayOutLeavesWhateverABoxHolds();
  void displayedPositionsAreCopiedIntoTheBoxes();
  void theBoxTheUserIsTypingIntoKeepsItsText_data();
  void theBoxTheUserIsTypingIntoKeepsItsText();
  void tabFollowsTheLayoutThroughEveryControl();
  void controlsHaveNamesThatSayWhatTheyAre_data();
  void controlsHaveNamesThatSayWhatTheyAre();

private:
  QLineEdit *box(const QString &name) {
    auto *found = m_editor->findChild<QLineEdit *>(name);
    if (!found) qFatal("no box %s", qPrintable(name));
    return found;
  }
  QLineEdit *pos(int i) { return box(QString("txtPos(%1)").arg(i)); }
  QLineEdit *speed(int i) { return box(QString("txtSpeed(%1)").arg(i)); }
  // Types into the box and presses Enter, which runs the box's check.
  void enter(QLineEdit *field, const QString &text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  }
  void click(const char *name) { QTest::mouseClick(m_editor->findChild<QPushButton *>(name), Qt::LeftButton); }
  std::vector<std::string> lineTexts() const {
    std::vector<std::string> texts;
    for (int row = 1; row < m_script->lines().rowCount(); ++row) texts.emplace_back(m_script->lines().text(row));
    return texts;
  }

  ServoConfiguration m_config;
  ScriptedUiServices m_ui;
  MotionModel m_motion;
  ManualClock m_clock;
  SilentPlayer m_silence{m_clock};
  std::unique_ptr<ScriptModel> m_script;
  std::unique_ptr<ScriptEdits> m_edits;
  std::unique_ptr<ScriptRunner> m_runner;
  std::unique_ptr<NodeEditor> m_editor;
  QWidget m_controls;
  AppIdentity m_identity = AppIdentity::quarnel("/nonexistent");
  int m_closes = 0;
};

void NodeEditorTest::init() {
  m_config = ServoConfiguration();
  m_config.servos[3] = {"Elbow", "20", "100", "200"};
  m_ui = ScriptedUiServices();
  m_motion = MotionModel();
  m_motion.load(servoLimits(m_config));
  m_script = std::make_unique<ScriptModel>(m_config, ScriptUser{m_ui, "Quarnel"});
  std::string data;
  for (int slot = 0; slot < servoChannels; ++slot) data += std::to_string(100 + slot) + "," + std::to_string(10 + slot) + ",";
  m_script->createNode("Wave", data);
  for (const char *line : {"Wave", "wave", "WAIT", "Wave", "Waves"}) m_script->lines().placeCommand(line);
  // As Edit does: the servos set off for the node's pose as the editor opens.
  m_runner = std::make_unique<ScriptRunner>(*m_script, m_motion, m_silence);
  m_runner->processCommand("Wave");
  m_edits = std::make_unique<ScriptEdits>(*m_script);
  m_editor = std::make_unique<NodeEditor>(*m_script, *m_edits, m_motion, m_config, m_ui, m_identity);
  m_closes = 0;
  m_editor->closed = [this] { ++m_closes; };
  m_controls.setGeometry(20, 60, 372, 443);
  m_editor->openFor(1, m_controls, m_controls);
  QApplication::setActiveWindow(m_editor.get());
}

void NodeEditorTest::cleanup() {
  m_editor.reset();
  m_edits.reset();
  m_runner.reset();
  m_script.reset();
}

void NodeEditorTest::opensBesideTheControlWindowWithTheNodesValues() {
  QCOMPARE(m_editor->windowTitle(), QString("Edit Node - Wave"));
  QCOMPARE(QAccessible::queryAccessibleInterface(m_editor.get())->role(), QAccessible::Dialog); // not a filler
  QCOMPARE(m_editor->pos(), QPoint(20 + 372, 60));
  QCOMPARE(box("txtNodeName")->text(), QString("Wave"));
  for (int i = 0; i < servoChannels; ++i) {
    QCOMPARE(pos(i)->text(), QString::number(100 + i));
    QCOMPARE(speed(i)->text(), QString::number(10 + i));
  }
  QVERIFY(m_motion.nodeEditorOpen());
}

void NodeEditorTest::positionsWithinTheBoundsMoveTheServoOthersAreRefused() {
  for (const char *accepted : {"20", "200"}) {
    enter(pos(3), accepted);
    QCOMPARE(m_motion.target(3), int16_t(QByteArray(accepted).toInt()));
  }
  QVERIFY(m_ui.boxes().empty());
  for (const char *refused : {"19", "201", "abc", "70000"}) {
    enter(pos(3), refused);
    QCOMPARE(m_motion.target(3), int16_t{200});
    QCOMPARE(m_ui.boxes().back().text, std::string("Position must be within the minimum and maximum bounds of servo 3 (20 to 200)"));
    QCOMPARE(m_ui.boxes().back().icon, MessageIcon::Critical);
    QCOMPARE(pos(3)->text(), QString(refused)); // the rejected text stays for the user to mend
  }
  // Leaving a refused box by Tab keeps the focus in it.
  m_ui.clear();
  QTest::keyClick(pos(3), Qt::Key_Tab);
  QCOMPARE(m_ui.boxes().size(), size_t{1});
  QCOMPARE(QApplication::focusWidget(), pos(3));
  enter(pos(3), "150");
  QCOMPARE(m_motion.target(3), int16_t{150});
  QTest::keyClick(pos(3), Qt::Key_Tab);
  QVERIFY(QApplication::focusWidget() != pos(3));
}

void NodeEditorTest::speedsSetTheStepTables_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<int>("interval");
  QTest::newRow("0 becomes 1") << "0" << "1" << 1020;
  QTest::newRow("4") << "4" << "4" << 255;
  QTest::newRow("8, 127.5 to even") << "8" << "8" << 128;
  QTest::newRow("255") << "255" << "255" << 4;
  // The user's text stays; only the speed is read from it.
  QTest::newRow("8.5 read as 8") << "8.5" << "8.5" << 128;
  QTest::newRow("a space before 7") << " 7" << " 7" << 146;
}

void NodeEditorTest::speedsSetTheStepTables() {
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  QFETCH(int, interval);
  enter(speed(6), typed);
  QCOMPARE(speed(6)->text(), shown);
  QCOMPARE(int(m_motion.stepInterval(6)), interval);
  QCOMPARE(int(m_motion.stepCountdown(6)), interval);
  QVERIFY(m_ui.boxes().empty());
}

void NodeEditorTest::saveRenamesTheExactLinesAndStoresTheBoxes() {
  enter(box("txtNodeName"), "Hello");
  enter(pos(3), "42");
  enter(speed(3), "0");
  click("cmbSave");
  QVERIFY(!m_editor->isVisible());
  QCOMPARE(m_closes, 1);
  QVERIFY(!m_motion.nodeEditorOpen());
  const Node &node = m_script->nodes().node(1);
  QCOMPARE(node.name, std::string("Hello"));
  QCOMPARE(node.pos[3], int16_t{42});
  QCOMPARE(node.speed[3], int16_t{1});
  QCOMPARE(node.pos[4], int16_t{104});
  QCOMPARE(lineTexts(), (std::vector<std::string>{"Hello", "wave", "WAIT", "Hello", "Waves", ""}));

  // One edit on the script's undo stack.
  QCOMPARE(m_edits->stack().undoText(), QString("Edit node \"Hello\""));
  m_edits->stack().undo();
  QCOMPARE(m_script->nodes().node(1).name, std::string("Wave"));
  QCOMPARE(m_script->nodes().node(1).pos[3], int16_t{103});
  QCOMPARE(lineTexts(), (std::vector<std::string>{"Wave", "wave", "WAIT", "Wave", "Waves", ""}));
}

void NodeEditorTest::saveStoresWhereEachServoIsGoingOrWhatTheUserTyped() {
  m_motion.tick(250); // on the way from 127: the boxes show positions short of the pose
  QCOMPARE(pos(0)->text(), QString::number(m_motion.displayed(0)));
  QVERIFY(m_motion.displayed(0) != 100);
  m_motion.setTarget(5, 200); // a slider moved by hand
  pos(2)->setFocus();
  pos(2)->selectAll();
  QTest::keyClicks(pos(2), "60"); // still in the box when Save is pressed
  m_motion.tick(250);
  click("cmbSave");
  QVERIFY(!m_editor->isVisible());
  const Node &node = m_script->nodes().node(1);
  for (int i = 0; i < servoChannels; ++i) {
    QCOMPARE(int(node.pos[i]), i == 2 ? 60 : i == 5 ? 200 : 100 + i);
    QCOMPARE(int(node.speed[i]), 10 + i);
  }
}

void NodeEditorTest::saveRefusesABoxItsCheckWouldRefuse() {
  pos(7)->selectAll();
  QTest::keyClicks(pos(7), "300"); // typed while the focus is elsewhere, so never checked
  box("txtNodeName")->setText("");
  click("cmbSave");
  QCOMPARE(m_ui.boxes().back().text, std::string("Name cannot be blank"));
  QVERIFY(m_editor->isVisible());
  box("txtNodeName")->setText("Hello");
  click("cmbSave");
  QCOMPARE(m_ui.boxes().back().text, std::string("Position must be within the minimum and maximum bounds of servo 7 (0 to 254)"));
  QCOMPARE(QApplication::focusWidget(), pos(7));
  QVERIFY(m_editor->isVisible());
  QCOMPARE(m_script->nodes().node(1).name, std::string("Wave"));
  QCOMPARE(lineTexts()[0], std::string("Wave"));
}

void NodeEditorTest::namesOfOtherNodesAreRefused_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("refused");
  QTest::newRow("Home") << "Home" << true;
  QTest::newRow("another node's") << "Other" << true;
  QTest::newRow("its own") << "Wave" << false;
  QTest::newRow("another case") << "other" << false;
  QTest::newRow("part of another") << "Othe" << false;
}

void NodeEditorTest::namesOfOtherNodesAreRefused() {
  QFETCH(QString, name);
  QFETCH(bool, refused);
  m_script->createNode("Other", nodeDataText(m_script->nodes().node(1)));
  QLineEdit *field = box("txtNodeName");
  field->setText(name);
  QTest::keyClick(field, Qt::Key_Tab);
  std::vector<std::string> expected;
  if (refused) expected.push_back("There is already a node named \"" + name.toStdString() + "\". Please choose another name.");
  QCOMPARE(m_ui.messageTexts(), expected);
  QCOMPARE(QApplication::focusWidget() == field, refused);

  click("cmbSave");
  QCOMPARE(m_editor->isVisible(), refused);
  QCOMPARE(m_script->nodes().node(1).name, refused ? std::string("Wave") : name.toStdString());
  QCOMPARE(m_script->nodes().node(2).name, std::string("Other"));
}

void NodeEditorTest::cancelAndTheCloseBoxLeaveTheNodeAsItWas() {
  const Node before = m_script->nodes().node(1);
  enter(pos(3), "60");
  enter(box("txtNodeName"), "Other");
  click("cmbClose");
  QVERIFY(!m_editor->isVisible());
  QCOMPARE(m_script->nodes().node(1), before);
  QCOMPARE(m_motion.target(3), int16_t{60}); // the servo stays where the edit sent it
  QCOMPARE(m_closes, 1);
  QVERIFY(!m_motion.nodeEditorOpen());

  m_editor->openFor(1, m_controls, m_controls);
  QVERIFY(m_motion.nodeEditorOpen());
  QCOMPARE(pos(3)->text(), QString("103"));
  m_editor->close(); // the close box
  QCOMPARE(m_closes, 2);
  QVERIFY(!m_motion.nodeEditorOpen());
  QCOMPARE(m_script->nodes().node(1), before);
}

void NodeEditorTest::everyWayOutLeavesWhateverABoxHolds_data() {
  QTest::addColumn<QString>("boxName");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("way");
  const std::pair<const char *, const char *> refusedBoxes[] = {{"txtNodeName", ""}, {"txtPos(3)", "300"}, {"txtSpeed(2)", "x"}};
  for (const char *way : {"Cancel", "Escape", "close box"})
    for (const auto &[boxName, text] : refusedBoxes)
      QTest::addRow("%s, %s \"%s\"", way, boxName, text) << boxName << text << way;
}

void NodeEditorTest::everyWayOutLeavesWhateverABoxHolds() {
  QFETCH(QString, boxName);
  QFETCH(QString, text);
  QFETCH(QString, way);
  const Node before = m_script->nodes().node(1);
  const int16_t target = m_motion.target(3);
  QLineEdit *field = box(boxName);
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Tab);
  QCOMPARE(m_ui.boxes().size(), size_t{1});
  QCOMPARE(QApplication::focusWidget(), field);

  if (way == "Cancel") click("cmbClose");
  else if (way == "Escape") QTest::keyClick(field, Qt::Key_Escape);
  else m_editor->close();
  QVERIFY(!m_editor->isVisible());
  QCOMPARE(m_ui.boxes().size(), size_t{1}); // the refusal is not shown again
  QCOMPARE(m_closes, 1);
  QVERIFY(!m_motion.nodeEditorOpen());
  QCOMPARE(m_script->nodes().node(1), before);
  QCOMPARE(lineTexts()[0], std::string("Wave"));
  QCOMPARE(m_motion.target(3), target);
}

void NodeEditorTest::displayedPositionsAreCopiedIntoTheBoxes() {
  m_motion.setSpeed(255);
  m_motion.tick(1); // every servo starts at 127
  m_motion.setTarget(5, 130);
  QStringList seen;
  for (int i = 0; i < 4; ++i) {
    m_motion.tick(4);
    seen << pos(5)->text();
  }
  QCOMPARE(seen, (QStringList{"128", "129", "130", "130"}));
  QVERIFY(m_ui.boxes().empty()); // a copied position is not checked
  m_editor->close();
  m_motion.setTarget(5, 140);
  m_motion.tick(40);
  QCOMPARE(pos(5)->text(), QString("130")); // nothing is copied while closed
}

void NodeEditorTest::theBoxTheUserIsTypingIntoKeepsItsText_data() {
  QTest::addColumn<QString>("typed"); // before the move
  QTest::addColumn<bool>("left");
  QTest::addColumn<bool>("copied");
  QTest::newRow("focused and selected") << "" << false << false;
  QTest::newRow("typed into, focus kept") << "18" << false << false;
  QTest::newRow("typed into and left") << "18" << true << true;
}

void NodeEditorTest::theBoxTheUserIsTypingIntoKeepsItsText() {
  QFETCH(QString, typed);
  QFETCH(bool, left);
  QFETCH(bool, copied);
  m_motion.setSpeed(255);
  pos(5)->setFocus();
  pos(5)->selectAll(); // as a double click or Ctrl+A leaves it
  QTest::keyClicks(pos(5), typed);
  if (left) QTest::keyClick(pos(5), Qt::Key_Tab);
  const QString before = pos(5)->text();
  m_motion.tick(20); // servo 5 moves five steps from 127, toward 105 or the 18 accepted
  QVERIFY(m_motion.displayed(5) != 127);
  QCOMPARE(pos(5)->text(), copied ? QString::number(m_motion.displayed(5)) : before);
  if (left) return;
  // What the user types next goes where the user left off, whatever the servo did meanwhile.
  QTest::keyClicks(pos(5), "0");
  QTest::keyClick(pos(5), Qt::Key_Return);
  QVERIFY(m_ui.boxes().empty());
  QCOMPARE(int(m_motion.target(5)), typed.isEmpty() ? 0 : 180);
}

void NodeEditorTest::tabFollowsTheLayoutThroughEveryControl() {
  // Row by row through the positions and speeds, then the name and the buttons beside them.
  QStringList expected;
  for (int i = 0; i < servoChannels; ++i) expected << QString("txtPos(%1)").arg(i) << QString("txtSpeed(%1)").arg(i);
  expected << "txtNodeName" << "cmbSave" << "cmbClose";
  QCOMPARE(tabRound(pos(0)), expected);
  QVERIFY(m_ui.boxes().empty());
}

void NodeEditorTest::controlsHaveNamesThatSayWhatTheyAre_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("name");
  QTest::newRow("position") << "txtPos(4)" << "Servo 4 position";
  QTest::newRow("speed") << "txtSpeed(11)" << "Servo 11 speed";
  QTest::newRow("position of a named servo") << "txtPos(3)" << "Elbow position";
  QTest::newRow("speed of a named servo") << "txtSpeed(3)" << "Elbow speed";
  QTest::newRow("name") << "txtNodeName" << "Node name";
  QTest::newRow("cancel") << "cmbClose" << "Cancel";
}

void NodeEditorTest::controlsHaveNamesThatSayWhatTheyAre() {
  QFETCH(QString, control);
  QFETCH(QString, name);
  QCOMPARE(accessibleName(m_editor->findChild<QWidget *>(control)), name);
}

QTEST_MAIN(NodeEditorTest)
#include "node_editor_test.moc"
