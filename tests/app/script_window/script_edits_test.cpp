// Every kind of edit undone and redone: the bytes a save writes, the current line and the
// marker come back exactly; an edit that changes nothing pushes nothing.
#include "script_test_support.h"

#include "manual_clock.h"
#include "motion/motion_model.h"
#include "script/line_command.h"
#include "script/script_file.h"
#include "script/script_runner.h"
#include "sound/silent_player.h"
#include "script_window/script_edits.h"

#include <functional>

namespace quarnel {
namespace {

class ScriptEditsTest : public ScriptFixture {
protected:
  ScriptEditsTest() { motion.load({}); }
  // Nodes A and B; a line C that no node has yet; line 2 current.
  void start() {
    script.load();
    for (const char *name : {"A", "B"}) script.createNode(name, pose(100, 32));
    place({"A", "PAUSE 10", "C", "A", "B"});
    script.lines().select(2);
    edits.forget();
  }
  // What a save would write, then the current line and the marked row.
  std::string state() const {
    const ScriptLines::Cursor cursor = script.lines().cursor();
    return writeScript(script).bytes + std::to_string(cursor.current) + " " + std::to_string(cursor.marked);
  }

  static std::string bytesOf(const std::string &state) { return state.substr(0, state.rfind('\n') + 1); }

  MotionModel motion;
  ManualClock clock;
  SilentPlayer silence{clock};
  ScriptRunner runner{script, motion, silence};
  ScriptEdits edits{script};
};

TEST_F(ScriptEditsTest, UndoAndRedoRestoreTheExactScript) {
  ScriptLines &lines = script.lines();
  auto nodeOne = [&](auto change) {
    Node node = script.nodes().node(1);
    change(node);
    return node;
  };
  const struct {
    const char *what;
    int row; // clicked first; 0 leaves line 2 current, -1 is the insertion row
    std::function<void()> act;
    bool changes;
  } cases[] = {
      {"place over a line", 0, [&] { edits.place(waitCommand); }, true},
      {"place on the insertion row", -1, [&] { edits.place("B"); }, true},
      {"place a pause", 0, [&] { ui.answerInput("250"); edits.placePause(); }, true},
      {"insert a line", 0, [&] { edits.insertEmptyLine(); }, true},
      {"delete a line", 1, [&] { edits.deleteLine(); }, true},
      {"create a node a line already names", 0, [&] { ui.answerInput("C"); edits.createNodeFromControls(motion); }, true},
      {"delete a node and its lines", 0, [&] { edits.deleteNode(1); }, true},
      // Line C had the new name before: undo gives the old name back to A's lines only.
      {"save a node under a name a line has", 0, [&] { edits.saveNode(1, nodeOne([](Node &n) { n.name = "C"; })); }, true},
      {"save a node's pose", 0, [&] { edits.saveNode(1, nodeOne([](Node &n) { n.pos[4] = 7; })); }, true},
      {"clear", 0, [&] { edits.clear(); }, true},
      {"place the text the line holds", 0, [&] { edits.place("PAUSE 10"); }, false},
      {"delete on the insertion row", -1, [&] { edits.deleteLine(); }, false},
      {"save a node unchanged", 0, [&] { edits.saveNode(1, script.nodes().node(1)); }, false},
      {"delete Home", 0, [&] { edits.deleteNode(0); }, false},
      {"create a node, cancelled", 0, [&] { ui.answerInput(std::nullopt); edits.createNodeFromControls(motion); }, false},
      {"run the script", 0, [&] { runner.run(); for (int i = 0; i < 50; ++i) { motion.tick(100); runner.tick(); } }, false},
      // The heading is no line to edit.
      {"place on the heading", 0, [&] { lines.setCurrentLine(0); edits.place(waitCommand); }, false},
      {"insert at the heading", 0, [&] { lines.setCurrentLine(0); edits.insertEmptyLine(); }, false},
      {"delete the heading", 0, [&] { lines.setCurrentLine(0); edits.deleteLine(); }, false},
  };
  auto perform = [&](const auto &c) {
    if (c.row) lines.select(c.row < 0 ? lines.lastRow() : c.row);
    const std::string before = state();
    c.act();
    return before;
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    start();
    const std::string before = perform(c), after = state();
    EXPECT_EQ(edits.stack().count(), c.changes ? 1 : 0);
    EXPECT_EQ(edits.modified(), c.changes);
    EXPECT_EQ(bytesOf(before) != bytesOf(after), c.changes);
    if (!c.changes) continue;
    edits.stack().undo();
    EXPECT_EQ(state(), before);
    EXPECT_FALSE(edits.modified());
    edits.stack().redo();
    EXPECT_EQ(state(), after);
  }

  // All of them one after another, undone back to the start and redone to the end.
  start();
  std::vector<std::pair<std::string, std::string>> edited; // before and after each edit pushed
  for (const auto &c : cases) {
    const std::string before = perform(c);
    if (edits.stack().count() > static_cast<int>(edited.size())) edited.emplace_back(before, state());
  }
  ASSERT_GE(edited.size(), 10u);
  for (size_t i = edited.size(); i-- > 0;) {
    edits.stack().undo();
    EXPECT_EQ(state(), edited[i].first) << "undoing edit " << i;
  }
  for (const auto &[before, after] : edited) {
    edits.stack().redo();
    EXPECT_EQ(state(), after);
  }
}

} // namespace
} // namespace quarnel
