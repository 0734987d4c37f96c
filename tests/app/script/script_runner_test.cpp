// The runner on a fake clock together with the motion model: update ticks every 10 ms, the
// runner's tick every 100 ms while its timer is on.
#include "script_test_support.h"

#include "manual_clock.h"
#include "motion/motion_model.h"
#include "script/script_runner.h"
#include "sound/silent_player.h"

#include "script/script_check.h"
#include "sound_samples.h"
#include "temporary_folder.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <utility>

namespace quarnel {
namespace {

class ScriptRunnerTest : public ScriptFixture {
protected:
  static constexpr int updateMs = 10;

  ScriptRunnerTest() {
    motion.load({}); // every servo at 127, home 127
    script.lines().addListener([this](const ScriptLinesChange &change) {
      if (m_inRunnerTick && !m_firstMark && change.kind == ScriptLinesChange::Marked &&
          change.row == script.lines().markedRow())
        m_firstMark = change.row;
    });
  }

  // Moves the fake clock on by `ms`. A runner tick that starts a line records its row: the first
  // row the tick marks, unless the tick found the end of the script.
  void advance(int ms) {
    for (int end = now + ms; now < end;) {
      now += updateMs;
      clock.advanceMs(updateMs);
      motion.tick(updateMs);
      if (now % runnerTickMs != 0 || runner.idle()) continue;
      // A WAIT message runs the clock from inside a tick.
      const auto outerMark = std::exchange(m_firstMark, std::nullopt);
      const bool outerIn = std::exchange(m_inRunnerTick, true);
      const bool atEnd = script.lines().currentLine() + 1 >= script.lines().rowCount();
      runner.tick();
      if (m_firstMark && !atEnd) rowsRun.push_back(*m_firstMark);
      m_firstMark = outerMark;
      m_inRunnerTick = outerIn;
    }
  }
  // Runs the clock until the runner is idle, for at most `ms`.
  void runUntilIdle(int ms) {
    for (int end = now + ms; now < end && !runner.idle();) advance(updateMs);
  }
  void addNode(const char *name, int servo0, int speed) {
    std::string data = pose(127, speed);
    data.replace(0, 3, std::to_string(servo0));
    ASSERT_EQ(script.createNode(name, data), NodeAdded::Added);
  }

  MotionModel motion;
  ManualClock clock;
  SilentPlayer silence{clock};
  ScriptRunner runner{script, motion, silence};
  int now = 0;
  std::vector<int> rowsRun;

private:
  bool m_inRunnerTick = false;
  std::optional<int> m_firstMark;
};

TEST_F(ScriptRunnerTest, AnEmptyScriptRunsItsEmptyLineThenStopsOnRowOne) {
  runner.run();
  EXPECT_FALSE(runner.idle());
  runUntilIdle(1000);
  EXPECT_EQ(rowsRun, (std::vector<int>{1}));
  EXPECT_EQ(now, 200); // one tick for the line, one to find the end
  EXPECT_EQ(script.lines().currentLine(), 1);
  EXPECT_EQ(script.lines().markedRow(), 1);
}

TEST_F(ScriptRunnerTest, ALoopRepeatsItsBodyUntilStopped) {
  addNode("A", 120, 255);
  addNode("B", 130, 255);
  place({"A", "LOOPSTART", "B", "LOOPEND"});
  runner.run();
  advance(3000);
  ASSERT_GE(rowsRun.size(), 8u);
  EXPECT_EQ(std::vector<int>(rowsRun.begin(), rowsRun.begin() + 8), (std::vector<int>{1, 2, 3, 4, 3, 4, 3, 4}));
  EXPECT_FALSE(runner.idle());
  EXPECT_EQ(motion.target(0), 130);
  runner.stop();
  advance(runnerTickMs);
  EXPECT_TRUE(runner.idle());
}

TEST_F(ScriptRunnerTest, LoopEndWithoutLoopStartGoesBackToRowOneWithoutRepeatingIt) {
  place({"WAIT", "LOOPEND"});
  ui.setWhileShown([&] { ui.answerPrompt(); });
  runner.run();
  advance(700);
  EXPECT_EQ(rowsRun, (std::vector<int>{1, 2, 2, 2, 2, 2, 2}));
  EXPECT_EQ(ui.boxes().size(), 1u);
}

TEST_F(ScriptRunnerTest, APauseEndsOnTheFirstRunnerTickAfterItRunsOut) {
  place({"PAUSE 1000", "WAIT"});
  int waitShownAt = -1;
  ui.setWhileShown([&] {
    waitShownAt = now;
    ui.answerPrompt();
  });
  runner.run();
  advance(100); // the pause starts at 100 ms
  EXPECT_TRUE(motion.pauseActive());
  EXPECT_EQ(motion.pauseRemaining(), 1000);
  runUntilIdle(3000);
  // The update tick at 1100 ms brings it to 0; the runner tick of the same instant goes on.
  EXPECT_EQ(waitShownAt, 1100);
  EXPECT_EQ(rowsRun, (std::vector<int>{1, 2, 3}));
}

TEST_F(ScriptRunnerTest, StopDuringAMoveStopsWithoutAnotherLineAndResumeRunsTheMarkedLineAgain) {
  addNode("A", 20, 32); // 107 units at 32 ms each
  addNode("B", 200, 32);
  place({"A", "B"});
  runner.run();
  advance(300);
  runner.stop();
  advance(runnerTickMs);
  EXPECT_TRUE(runner.idle());
  EXPECT_EQ(rowsRun, (std::vector<int>{1}));
  EXPECT_EQ(script.lines().markedRow(), 1);
  EXPECT_EQ(motion.target(0), 20);
  EXPECT_NE(motion.displayed(0), 20);

  // The servo ramps on after the stop; Resume runs A again once it has arrived, then B.
  runner.resume();
  runUntilIdle(20000);
  EXPECT_EQ(rowsRun, (std::vector<int>{1, 1, 2, 3}));
  EXPECT_EQ(motion.target(0), 200);
  EXPECT_EQ(motion.stepInterval(0), 32);
}

TEST_F(ScriptRunnerTest, StoppedBeforeItsFirstLineTheRunLeavesThatLineCurrentAndMarked) {
  const struct {
    int from; // 0: Run, else Resume from that line
    bool halt; // STOP rather than Stop
  } cases[] = {{0, false}, {0, true}, {2, false}, {2, true}};
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << c.halt);
    script.lines().load({"WAIT", "WAIT"});
    motion.setServoSpeed(0, 1); // still moving from before when the run starts
    motion.setTarget(0, motion.displayed(0) == 0 ? 255 : 0);
    if (c.from) {
      script.lines().select(c.from);
      runner.resume();
    } else {
      runner.run();
    }
    advance(runnerTickMs);
    if (c.halt) runner.halt();
    else runner.stop();
    advance(runnerTickMs);
    ASSERT_TRUE(runner.idle());
    EXPECT_TRUE(rowsRun.empty());
    const int line = c.from ? c.from : 1;
    EXPECT_EQ(script.lines().currentLine(), line);
    EXPECT_EQ(script.lines().markedRow(), line);
  }
}

TEST_F(ScriptRunnerTest, WaitHoldsTheRunnerUntilAnsweredWhileTheServosMoveOn) {
  addNode("A", 140, 32); // 13 units at 32 ms
  place({"A", "WAIT"});
  runner.step();
  runner.step(); // a step does not wait for the move
  ASSERT_TRUE(ui.promptOpen());
  const auto &box = ui.boxes().at(0);
  EXPECT_EQ(box.kind, ScriptedUiServices::Kind::Prompt);
  EXPECT_EQ(box.text, "Line 2: WAIT. Press OK to continue, or Stop to end the run.");
  EXPECT_EQ(box.title, "Quarnel");
  EXPECT_EQ(box.icon, MessageIcon::None);
  advance(1000);
  EXPECT_EQ(motion.displayed(0), 140);

  // Resume takes the step's prompt down and runs the marked WAIT again: a prompt of its own,
  // and no further line, however long, until it is answered.
  runner.resume();
  advance(10 * runnerTickMs);
  EXPECT_EQ(ui.boxes().size(), 2u);
  EXPECT_TRUE(runner.waitingForUser());
  EXPECT_FALSE(runner.idle());
  EXPECT_EQ(rowsRun, (std::vector<int>{2}));
  EXPECT_TRUE(ui.answerPrompt());
  EXPECT_FALSE(runner.waitingForUser());
  runUntilIdle(1000);
  EXPECT_EQ(rowsRun, (std::vector<int>{2, 3}));
  EXPECT_FALSE(ui.promptOpen());
}

TEST_F(ScriptRunnerTest, StopInAWaitOrAPauseEndsItWithTheRunAtTheNextTick) {
  for (const char *first : {"WAIT", "PAUSE 60000"}) {
    SCOPED_TRACE(first);
    script.lines().load({first, "WAIT"});
    rowsRun.clear();
    runner.run();
    advance(runnerTickMs);
    ASSERT_TRUE(ui.promptOpen() || motion.pauseActive());
    runner.stop();
    EXPECT_FALSE(runner.idle());
    advance(runnerTickMs);
    EXPECT_TRUE(runner.idle());
    EXPECT_FALSE(ui.promptOpen());
    EXPECT_FALSE(runner.waitingForUser());
    EXPECT_FALSE(motion.pauseActive());
    EXPECT_EQ(rowsRun, (std::vector<int>{1}));
  }
  // Nothing of it holds up the next run, even of another script.
  script.lines().load({"WAIT"});
  runner.run();
  advance(runnerTickMs);
  EXPECT_EQ(rowsRun, (std::vector<int>{1, 1}));
  EXPECT_TRUE(ui.promptOpen());
}

TEST_F(ScriptRunnerTest, StopOnAWaitsPromptEndsTheRunAndTellsItsOwner) {
  addNode("A", 140, 255);
  place({"WAIT", "A"});
  int stopsTold = 0;
  runner.setStopListener([&] {
    EXPECT_TRUE(runner.idle()); // ended before its owner holds the servos
    ++stopsTold;
  });
  runner.run();
  advance(runnerTickMs);
  ASSERT_TRUE(ui.answerPrompt(PromptAnswer::Stop));
  EXPECT_TRUE(runner.idle());
  EXPECT_FALSE(runner.waitingForUser());
  EXPECT_EQ(stopsTold, 1);
  advance(1000);
  EXPECT_EQ(rowsRun, (std::vector<int>{1}));
  EXPECT_EQ(motion.displayed(0), 127);
}

TEST_F(ScriptRunnerTest, HaltEndsTheRunAtOnceInAMoveAWaitOrAPause) {
  addNode("A", 20, 32); // 107 units at 32 ms each
  place({"A", "WAIT", "PAUSE 5000", "A"});
  runner.run();
  advance(300);
  ASSERT_EQ(rowsRun, (std::vector<int>{1}));
  runner.halt(); // in the move
  EXPECT_TRUE(runner.idle());
  advance(5000);
  EXPECT_EQ(rowsRun, (std::vector<int>{1}));

  runner.resume(); // A again, already there, then the WAIT
  advance(3 * runnerTickMs);
  ASSERT_TRUE(ui.promptOpen());
  runner.halt(); // in the WAIT
  EXPECT_TRUE(runner.idle());
  EXPECT_FALSE(ui.promptOpen());
  EXPECT_FALSE(runner.waitingForUser());

  script.lines().select(3);
  runner.resume();
  advance(2 * runnerTickMs);
  ASSERT_TRUE(motion.pauseActive());
  runner.halt(); // in the PAUSE
  EXPECT_TRUE(runner.idle());
  EXPECT_FALSE(motion.pauseActive());
  advance(6000);
  EXPECT_EQ(rowsRun, (std::vector<int>{1, 1, 2, 3}));
}

TEST_F(ScriptRunnerTest, TheNextLineWaitsUntilTheLineHasCarriedTheLastOnesMoves) {
  bool carried = false;
  runner.setLineCarried([&] { return carried; });
  addNode("A", 130, 255);
  place({"A", "A"});
  runner.run();
  advance(100);
  EXPECT_EQ(rowsRun, (std::vector<int>{})) << "line 1 started before the open's positions went out";
  carried = true;
  advance(100);
  carried = false;
  advance(1000); // A's move is over long since, but its end has not gone out
  EXPECT_EQ(rowsRun, (std::vector<int>{1}));
  carried = true;
  advance(100);
  EXPECT_EQ(rowsRun, (std::vector<int>{1, 2}));
}

TEST_F(ScriptRunnerTest, ANodeLineSetsEverySlotsIntervalAndTarget) {
  Node wave{"Wave", {}, {}};
  for (int slot = 0; slot < servoChannels; ++slot) {
    wave.pos[slot] = static_cast<int16_t>(100 + slot);
    wave.speed[slot] = static_cast<int16_t>(slot == 11 ? 0 : 5 * (slot + 1)); // 0 runs as 1
  }
  script.createNode("Wave", nodeDataText(wave));
  EXPECT_TRUE(runner.processCommand("Wave"));
  for (int slot = 0; slot < servoChannels; ++slot) {
    EXPECT_EQ(motion.target(slot), 100 + slot);
    EXPECT_EQ(motion.stepCountdown(slot), motion.stepInterval(slot));
  }
  EXPECT_EQ(motion.stepInterval(0), 204);
  EXPECT_EQ(motion.stepInterval(4), 41);
  EXPECT_EQ(motion.stepInterval(11), 1020);
  EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(ScriptRunnerTest, StepWrapsAndGotoRunsTheCurrentLineAgain) {
  addNode("A", 50, 255);
  addNode("B", 60, 255);
  place({"A", "B"}); // current on the insertion row, 3
  runner.step();
  EXPECT_EQ(script.lines().currentLine(), 1);
  EXPECT_EQ(motion.target(0), 50);
  runner.step();
  EXPECT_EQ(motion.target(0), 60);
  motion.setTarget(0, 0);
  runner.gotoLine();
  EXPECT_EQ(script.lines().currentLine(), 2);
  EXPECT_EQ(motion.target(0), 60);
}

TEST_F(ScriptRunnerTest, LinesThatCannotRunStopTheRunAndAreNamed) {
  addNode("A", 50, 255);
  place({"A", "Nowhere", "A", "PAUSE abc", "PAUSE 9999999999999999999999999999999999999999"});
  runner.run();
  runUntilIdle(5000);
  EXPECT_EQ(rowsRun, (std::vector<int>{1, 2}));
  EXPECT_EQ(script.lines().currentLine(), 2);
  EXPECT_EQ(script.lines().markedRow(), 2);
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_EQ(ui.boxes()[0].text, "The line \"Nowhere\" cannot be run: no node has this name.");
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::Critical);

  runner.step(); // A
  runner.step();
  runner.gotoLine();
  runner.step();
  const std::string pauseMessage = "The line \"PAUSE abc\" cannot be run: its pause length is not a number of milliseconds.";
  EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{ui.boxes()[0].text, pauseMessage, pauseMessage,
                                                         "The line \"PAUSE 9999999999999999999999999999999999999999\" cannot be run: its pause length is not a number of milliseconds."}));
  EXPECT_FALSE(motion.pauseActive());
}

TEST_F(ScriptRunnerTest, EaseLinesPassAtOnceAndCurveTheNodeMovesAfterThem) {
  addNode("Up", 227, 255); // 100 units at 4 ms: 400 ms
  addNode("Down", 127, 255);
  place({"Up", "EASE IN", "Down", "Up", "EASE SIDEWAYS", "Down"});
  std::map<int, int> startMs; // by row
  std::map<int, int> servo0; // by time
  runner.setLineListener([&](int row) { startMs[row] = now; });
  const auto runToIdle = [&] {
    while (!runner.idle() && now < 10000) {
      advance(updateMs);
      servo0[now] = motion.displayed(0);
    }
  };
  const auto halfway = [&](int row) { return servo0.at(startMs.at(row) + 200); };
  runner.run();
  runToIdle();
  EXPECT_EQ(rowsRun, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(halfway(1), 177); // a run starts linear
  EXPECT_EQ(startMs.at(3) - startMs.at(2), runnerTickMs); // nothing to wait for
  EXPECT_EQ(halfway(3), 202); // a quarter of the way at half time, down
  EXPECT_EQ(halfway(4), 152); // and up: the curve holds until the next EASE
  EXPECT_EQ(startMs.at(5) - startMs.at(4), startMs.at(2) - startMs.at(1)) << "the eased move took longer";
  EXPECT_EQ(ui.messageTexts(),
            (std::vector<std::string>{"The line \"EASE SIDEWAYS\" cannot be run: its curve is not LINEAR, IN, OUT or INOUT."}));

  // The node pop-up's Goto moves at one speed, and so does the next run's first line.
  EXPECT_EQ(runner.easing(), Easing::In);
  runner.processCommand("Down");
  advance(200);
  EXPECT_EQ(motion.displayed(0), 177);
  advance(200);
  runner.run();
  runToIdle();
  EXPECT_EQ(halfway(1), 177);
}

TEST_F(ScriptRunnerTest, ARunIsToldAsItStartsAndEndsAndTakesNoStepMeanwhile) {
  int changes = 0;
  runner.setStateListener([&] { ++changes; });
  runner.run();
  EXPECT_EQ(changes, 1);
  runner.step();
  EXPECT_EQ(script.lines().currentLine(), 0);
  runUntilIdle(1000);
  EXPECT_EQ(changes, 2);
}

TEST_F(ScriptRunnerTest, ALoopLimitEndsEachLoopAfterItsPasses) {
  addNode("A", 120, 255);
  addNode("B", 130, 255);
  struct Case {
    std::vector<const char *> lines;
    int passes;
    std::vector<std::pair<int, int>> rowsAndPasses; // each line run, with the pass it is in (0: none)
  };
  const Case cases[] = {
      {{"A", "LOOPSTART", "B", "LOOPEND", "A"}, 2, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {3, 2}, {4, 2}, {5, 0}, {6, 0}}},
      {{"LOOPSTART", "A", "LOOPEND"}, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 0}}},
      // Two loops one after the other, each with its own count.
      {{"LOOPSTART", "A", "LOOPEND", "LOOPSTART", "B", "LOOPEND"},
       3,
       {{1, 1}, {2, 1}, {3, 1}, {2, 2}, {3, 2}, {2, 3}, {3, 3}, {4, 1}, {5, 1}, {6, 1}, {5, 2}, {6, 2}, {5, 3}, {6, 3}, {7, 0}}},
      // No LOOPSTART: back to row 1, so row 2 repeats.
      {{"A", "LOOPEND"}, 3, {{1, 1}, {2, 1}, {2, 2}, {2, 3}, {3, 0}}},
  };
  std::vector<std::pair<int, int>> seen;
  runner.setLineListener([&](int row) { seen.emplace_back(row, runner.loopPass().value_or(0)); });
  for (const Case &c : cases) {
    SCOPED_TRACE(c.lines.size());
    script.lines().clear();
    for (const char *line : c.lines) script.lines().placeCommand(line);
    seen.clear();
    runner.setLoopPasses(c.passes);
    runner.run();
    runUntilIdle(20000);
    EXPECT_TRUE(runner.idle());
    EXPECT_EQ(seen, c.rowsAndPasses);
  }
}

// The sounds played through the silent player on the test's clock, their length and played time
// telling which one plays: a one-second voice (a tone from 200 to 800 ms) and three seconds of
// silence. Servo 3 is the jaw, closed at 40 and open up to 120.
class ScriptRunnerSoundTest : public ScriptRunnerTest {
protected:
  ScriptRunnerSoundTest() {
    script.setSoundFolder(folder.path());
    EXPECT_TRUE(tavik::testing::writeWaveFile(folder.file("voice.wav"), *tavik::testing::toneBurst(200, 800, 1000)));
    EXPECT_TRUE(tavik::testing::writeWaveFile(folder.file("long.wav"), *tavik::testing::clickTrack({}, 3000)));
  }

  const tavik::testing::TemporaryFolder folder;
};

TEST_F(ScriptRunnerSoundTest, SoundAndJawLinesKeepTheirRules) {
  enum class Jaw { Untouched, Closed, Open, AtNode };
  enum class Action { None, Stop, Halt };
  struct Check {
    int atMs; // from Run
    double playedMs; // -1: whatever the last run left
    bool ended;
    Jaw jaw;
  };
  struct Case {
    const char *what;
    std::vector<const char *> lines; // a line without a wait runs every 100 ms from 100 on
    Action action;
    int actionAtMs;
    std::vector<Check> checks;
  };
  const Case cases[] = {
      {"a second SOUND replaces the first",
       {"SOUND long.wav", "PAUSE 500", "SOUND voice.wav", "PAUSE 3000"}, Action::None, 0,
       {{600, 500, false, Jaw::Untouched}, {900, 200, false, Jaw::Untouched}, {1800, 1000, true, Jaw::Untouched}}},
      {"SOUND alone stops it", {"SOUND long.wav", "PAUSE 500", "SOUND", "PAUSE 1000"}, Action::None, 0,
       {{900, 600, true, Jaw::Untouched}}},
      // The empty insertion row runs at 700, the end is found at 800.
      {"the end of the script stops it", {"SOUND long.wav", "PAUSE 500"}, Action::None, 0, {{900, 700, true, Jaw::Untouched}}},
      {"Stop stops it at the next tick", {"SOUND long.wav", "PAUSE 2000"}, Action::Stop, 550, {{900, 500, true, Jaw::Untouched}}},
      {"STOP stops it at once", {"SOUND long.wav", "PAUSE 2000"}, Action::Halt, 550, {{900, 450, true, Jaw::Untouched}}},
      {"a loop over a SOUND starts it again", {"LOOPSTART", "SOUND long.wav", "PAUSE 500", "LOOPEND"}, Action::None, 0,
       {{850, 650, false, Jaw::Untouched}, {1000, 100, false, Jaw::Untouched}}},
      {"the jaw follows the voice and closes when the sound ends", {"SOUND voice.wav", "JAW 3 40 120", "PAUSE 2000"},
       Action::None, 0,
       {{200, 100, false, Jaw::Closed}, {600, 500, false, Jaw::Open}, {1300, 1000, true, Jaw::Closed}}},
      {"JAW OFF closes it", {"SOUND voice.wav", "JAW 3 40 120", "PAUSE 300", "JAW OFF", "PAUSE 2000"}, Action::None, 0,
       {{550, 450, false, Jaw::Open}, {650, 550, false, Jaw::Closed}}},
      {"the next SOUND closes it", {"SOUND voice.wav", "JAW 3 40 120", "PAUSE 300", "SOUND long.wav", "PAUSE 2000"},
       Action::None, 0, {{650, 50, false, Jaw::Closed}}},
      {"STOP closes it", {"SOUND voice.wav", "JAW 3 40 120", "PAUSE 2000"}, Action::Halt, 550,
       {{650, 450, true, Jaw::Closed}}},
      {"a JAW with no sound playing closes it", {"JAW 3 40 120", "PAUSE 500"}, Action::None, 0, {{300, -1, true, Jaw::Closed}}},
      {"node lines leave the jaw alone while it follows", {"SOUND voice.wav", "JAW 3 40 120", "Up", "PAUSE 2000"},
       Action::None, 0, {{600, 500, false, Jaw::Open}, {1300, 1000, true, Jaw::Closed}}},
      {"and move it again once the sound is over", {"SOUND voice.wav", "JAW 3 40 120", "PAUSE 1500", "Up", "PAUSE 500"},
       Action::None, 0, {{2700, 1000, true, Jaw::AtNode}}},
  };
  // Every servo to 200, quickly.
  ASSERT_EQ(script.createNode("Up", pose(200, 255)), NodeAdded::Added);
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    runner.halt();
    motion.load({});
    script.lines().clear();
    for (const char *line : c.lines) script.lines().placeCommand(line);
    advance(runnerTickMs - now % runnerTickMs); // Run at a runner tick, as its timer starts
    const int start = now;
    runner.run();
    for (const Check &check : c.checks) {
      if (c.action != Action::None && now - start < c.actionAtMs && check.atMs > c.actionAtMs) {
        advance(c.actionAtMs - (now - start));
        if (c.action == Action::Stop) runner.stop();
        else runner.halt();
      }
      advance(check.atMs - (now - start));
      SCOPED_TRACE(check.atMs);
      if (check.playedMs >= 0) {
        EXPECT_NEAR(silence.playedMs(), check.playedMs, 1e-6);
      }
      EXPECT_EQ(silence.ended(), check.ended);
      const int jaw = motion.displayed(3);
      switch (check.jaw) {
      case Jaw::Untouched: EXPECT_EQ(jaw, startPosition); break;
      case Jaw::Closed: EXPECT_EQ(jaw, 40); break;
      case Jaw::Open: EXPECT_GT(jaw, 60); EXPECT_LE(jaw, 120); break;
      case Jaw::AtNode: EXPECT_EQ(jaw, 200); break;
      }
    }
    const bool up = std::find(c.lines.begin(), c.lines.end(), std::string_view("Up")) != c.lines.end();
    EXPECT_EQ(motion.displayed(0), up ? 200 : startPosition);
  }
  EXPECT_TRUE(ui.boxes().empty()) << ui.boxes().front().text;
}

// A SOUND line whose file cannot be played keeps the run from starting, named as the check names
// it before quarnel-play sends anything.
TEST_F(ScriptRunnerSoundTest, ASoundThatCannotBePlayedIsRefusedBeforeTheRunStarts) {
  std::ofstream(folder.file("notes.wav")) << "These are words, not a sound.\n";
  std::ofstream(folder.file("image.xyz"), std::ios::binary) << std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  const std::string notSound = "It is no sound that can be played: not WAV, FLAC, Ogg Vorbis or MP3.";
  const struct {
    const char *file;
    std::string why;
  } cases[] = {{"missing.wav", "No such file or directory."}, {"notes.wav", notSound}, {"image.xyz", notSound}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.file);
    const std::string line = "SOUND " + std::string(c.file);
    script.lines().clear();
    place({"SOUND voice.wav", "PAUSE 100", line.c_str()});
    const std::string reason = "its sound file " + folder.file(c.file) + " cannot be played. " + c.why;
    const auto found = firstUnrunnableLine(script);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->row, 3);
    EXPECT_EQ(found->reason, reason);

    ui.clear();
    runner.run();
    EXPECT_TRUE(runner.idle());
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"The line \"" + line + "\" cannot be run: " + reason}));
    advance(500);
    EXPECT_TRUE(silence.ended()) << "the run started";
  }
}

} // namespace
} // namespace quarnel
