// The timeline window with real widgets: a click on a moment, in the plot or on a sound's
// outline, marks the line running then, an edited script is played again, the legend names the
// servos that move, and the colours read on a light ground and a dark one.
#include "manual_clock.h"
#include "script/script_model.h"
#include "script/script_runner.h"
#include "script_window/script_edits.h"
#include "find_child.h"
#include "scripted_ui_services.h"
#include "sound/silent_player.h"
#include "sound_samples.h"
#include "temporary_folder.h"
#include "timeline/timeline_window.h"
#include "timeline/trace_colours.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>

using namespace quarnel;

namespace {

std::string pose(int servo0, int speed) {
  std::string text;
  for (int slot = 0; slot < servoChannels; ++slot)
    text += std::to_string(slot == 0 ? servo0 : 127) + ',' + std::to_string(speed) + ',';
  return text;
}

} // namespace

class TimelineWindowTest : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup() { m_window.reset(); }
  void clickMarksTheLineRunningThen_data();
  void clickMarksTheLineRunningThen();
  void upAndDownPickLinesAndTheNotesAreReadable();
  void clickOnTheSoundMarksTheLineAndNamesTheSound();
  void everyChangeIsPlayedAgain();
  void aScreenReaderMeetsAWindowWhosePlotHasTheKeyboard();
  void theLegendNamesTheServosThatMove();
  void coloursReadOnLightAndDarkGrounds();

private:
  TimelinePlot *plot() { return child<TimelinePlot>(m_window.get(), "picPlot"); }
  const Simulation &shown() {
    [&] { QTRY_VERIFY(m_window->simulation()); }();
    return *m_window->simulation();
  }

  ServoConfiguration m_config;
  ScriptedUiServices m_ui;
  ScriptModel m_script{m_config, {m_ui, "Quarnel"}};
  ScriptEdits m_edits{m_script};
  MotionModel m_motion;
  ManualClock m_clock;
  SilentPlayer m_silence{m_clock};
  ScriptRunner m_runner{m_script, m_motion, m_silence};
  std::unique_ptr<TimelineWindow> m_window;
};

void TimelineWindowTest::init() {
  m_config = ServoConfiguration();
  m_edits.forget();
  m_script.load();
  m_script.createNode("Up", pose(177, 100));
  m_script.createNode("Down", pose(97, 100));
  for (const char *line : {"Up", "PAUSE 300", "Down", "Home"}) m_script.lines().placeCommand(line);
  m_window = std::make_unique<TimelineWindow>(m_script, m_edits, m_runner, m_motion, m_config);
  m_window->show();
}

void TimelineWindowTest::clickMarksTheLineRunningThen_data() {
  QTest::addColumn<int>("run"); // the click falls midway into the run of this line
  QTest::addColumn<int>("row");
  QTest::addColumn<QString>("says"); // against the pose the run holds then
  QTest::newRow("first node") << 0 << 1 << "Up: Servo0 127 → 177 at speed 100";
  QTest::newRow("the pause") << 1 << 2 << ": PAUSE 300";
  QTest::newRow("second node") << 2 << 3 << "Down: Servo0 177 → 97 at speed 100";
  QTest::newRow("home") << 3 << 4 << "Home: Servo0 97 → 127";
}

void TimelineWindowTest::clickMarksTheLineRunningThen() {
  QFETCH(int, run);
  QFETCH(int, row);
  QFETCH(QString, says);
  const Simulation &sim = shown();
  QCOMPARE(sim.lineRuns.size(), size_t{5});
  const int middle = (sim.lineRuns[run].timeMs + sim.lineRuns[run + 1].timeMs) / 2;
  const QPoint at(plot()->xOf(middle), plot()->height() / 2);
  m_script.lines().select(5);
  QTest::mouseClick(plot(), Qt::LeftButton, {}, at);
  QCOMPARE(m_script.lines().markedRow(), row);
  QCOMPARE(m_script.lines().currentLine(), row);
  QHelpEvent hover(QEvent::ToolTip, at, m_window->mapToGlobal(at));
  QApplication::sendEvent(plot(), &hover);
  QVERIFY2(QToolTip::text().contains(says), qPrintable(QToolTip::text()));
}

void TimelineWindowTest::upAndDownPickLinesAndTheNotesAreReadable() {
  shown();
  QVERIFY(!plot()->accessibleDescription().contains("Line "));
  struct Step {
    Qt::Key key;
    int row;
  };
  for (const Step step : {Step{Qt::Key_Down, 1}, Step{Qt::Key_Down, 2}, Step{Qt::Key_Down, 3}, Step{Qt::Key_Up, 2},
                          Step{Qt::Key_Up, 1}, Step{Qt::Key_Up, 1}}) {
    QTest::keyClick(plot(), step.key);
    QCOMPARE(m_script.lines().markedRow(), step.row);
    QVERIFY2(plot()->accessibleDescription().contains(QString("Line %1 at").arg(step.row)),
             qPrintable(plot()->accessibleDescription()));
  }
}

// The sound band shows only with a sound; a click on it picks as a click on the traces does, and
// the notes tell how far into its sound the moment is, to the 0.1 s they show and the few ms of
// a pixel column.
void TimelineWindowTest::clickOnTheSoundMarksTheLineAndNamesTheSound() {
  QVERIFY(shown().sounds.empty());
  QVERIFY(plot()->soundBand().isEmpty());
  tavik::testing::TemporaryFolder folder;
  const std::string file = folder.file("voice.wav");
  const auto sound = tavik::testing::clickTrack({100, 400}, 1500);
  QVERIFY(tavik::testing::writeWaveFile(file, *sound));
  m_script.lines().load({"Up", "SOUND " + file, "PAUSE 300", "Down", "Home"});
  QTRY_COMPARE(shown().sounds.size(), size_t{1});
  const QRect band = plot()->soundBand();
  QVERIFY(!band.isEmpty());

  const std::vector<LineRun> runs = shown().lineRuns;
  const int startMs = shown().sounds[0].startMs;
  QCOMPARE(startMs, runs[1].timeMs);
  const QRegularExpression note("\\nPlaying (.*): ([0-9.]+) s of ([0-9.]+ s)\\.$");
  struct Moment {
    int run; // the click falls midway into the run of this line, Home's after the sound
    int row;
    bool playing;
  };
  for (const Moment moment : {Moment{0, 1, false}, Moment{2, 3, true}, Moment{3, 4, true}, Moment{4, 5, false}}) {
    const int timeMs = (runs[moment.run].timeMs + runs[moment.run + 1].timeMs) / 2;
    QTest::mouseClick(plot(), Qt::LeftButton, {}, QPoint(plot()->xOf(timeMs), band.center().y()));
    QCOMPARE(m_script.lines().markedRow(), moment.row);
    const QString notes = plot()->accessibleDescription();
    const QRegularExpressionMatch said = note.match(notes);
    QVERIFY2(said.hasMatch() == moment.playing, qPrintable(notes));
    if (!moment.playing) continue;
    QCOMPARE(said.captured(1), QString::fromStdString(file));
    QVERIFY2(std::abs(said.captured(2).toDouble() * 1000 - (timeMs - startMs)) <= 60, qPrintable(notes));
    QCOMPARE(said.captured(3), QString("1.5 s"));
  }
}

// The lines, the nodes through their edits, and the rows, which change only while the window is
// hidden.
void TimelineWindowTest::everyChangeIsPlayedAgain() {
  QCOMPARE(shown().lineRuns[0].text, std::string("Up"));
  m_script.lines().select(1);
  m_script.lines().placeCommand("Nowhere");
  QTRY_VERIFY(m_window->simulation()->failure.has_value());
  QCOMPARE(m_window->simulation()->lineRuns.back().text, std::string("Nowhere"));

  m_ui.answerInput("Nowhere"); // a node for the line, the lines untouched
  m_edits.createNodeFromControls(m_motion);
  QTRY_VERIFY(!m_window->simulation()->failure.has_value());
  m_edits.stack().undo();
  QTRY_VERIFY(m_window->simulation()->failure.has_value());

  m_window->hide();
  m_config.baudIndex = 1;
  m_window->show();
  QTRY_VERIFY2(plot()->accessibleDescription().contains("2400 bit/s"), qPrintable(plot()->accessibleDescription()));
}

void TimelineWindowTest::aScreenReaderMeetsAWindowWhosePlotHasTheKeyboard() {
  shown();
  QWidget controls;
  m_window->hide();
  m_window->showBeside(controls, controls);
  QCOMPARE(m_window->focusWidget(), plot()); // what has the keys once the window is active
  const struct {
    QWidget *widget;
    QAccessible::Role role;
  } faces[] = {{m_window.get(), QAccessible::Window}, {plot(), QAccessible::Chart}};
  for (const auto &face : faces) QCOMPARE(QAccessible::queryAccessibleInterface(face.widget)->role(), face.role);
  QCOMPARE(QAccessible::queryAccessibleInterface(plot())->text(QAccessible::Description), plot()->accessibleDescription());
  QVERIFY(!plot()->accessibleDescription().isEmpty());

  QTest::keyClick(plot(), Qt::Key_Escape);
  QVERIFY(!m_window->isVisible());
}

void TimelineWindowTest::theLegendNamesTheServosThatMove() {
  QTRY_COMPARE(plot()->legendNames(), QStringList{"Servo0"});
  std::string pose;
  for (int slot = 0; slot < servoChannels; ++slot) pose += (slot == 5 || slot == 9 ? "40" : "127") + std::string(",100,");
  m_script.createNode("Wave", pose);
  m_script.lines().placeCommand("Wave");
  QTRY_COMPARE(plot()->legendNames(), (QStringList{"Servo0", "Servo5", "Servo9"}));
  // An 8-servo board has no servo 9 to draw.
  m_config.boardChoice = Board::EightServos;
  m_window->inputChanged();
  QTRY_COMPARE(plot()->legendNames(), (QStringList{"Servo0", "Servo5"}));
}

void TimelineWindowTest::coloursReadOnLightAndDarkGrounds() {
  // The plot's ground in the light palette, Fusion's dark one and black.
  for (const QColor ground : {QColor(Qt::white), QColor(42, 42, 42), QColor(Qt::black)})
    for (int servo = 0; servo < servoChannels; ++servo) {
      const QColor colour = servoColour(servo, ground);
      QVERIFY2(contrastRatio(colour, ground) >= lineContrast, qPrintable(QString("servo %1 on %2").arg(servo).arg(ground.name())));
      for (int other = 0; other < servo; ++other)
        QVERIFY2(colour != servoColour(other, ground), qPrintable(QString("servos %1 and %2 alike").arg(other).arg(servo)));
    }
  // A colour that reads already is left as it is.
  QCOMPARE(readableOn(QColor(31, 119, 180), Qt::white, lineContrast), QColor(31, 119, 180));
  QVERIFY(contrastRatio(readableOn(QColor(0, 100, 0), QColor(42, 42, 42), textContrast), QColor(42, 42, 42)) >= textContrast);
}

QTEST_MAIN(TimelineWindowTest)
#include "timeline_window_test.moc"
