// The script grid: placing, selecting, inserting, deleting, clearing, and what a view is told.
#include "script_test_support.h"

#include <functional>
#include <map>

namespace quarnel {
namespace {

using ScriptLinesTest = ScriptFixture;

TEST_F(ScriptLinesTest, PlacingAppendsOnTheInsertionRowAndOverwritesElsewhere) {
  ScriptLines &lines = script.lines();
  EXPECT_EQ(lines.rowCount(), 2);
  EXPECT_EQ(lines.text(0), "Command");
  place({"WAIT"});
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{"WAIT", ""}));
  EXPECT_EQ(lines.currentLine(), 2);
  EXPECT_EQ(lines.marker(2), "<");
  EXPECT_EQ(lines.marker(1), "");

  lines.select(1);
  place({"PAUSE 1000"});
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{"PAUSE 1000", ""}));
  EXPECT_EQ(lines.markedRow(), 2);
}

TEST_F(ScriptLinesTest, InsertDeleteAndClear) {
  ScriptLines &lines = script.lines();
  place({"A", "B", "C"});
  lines.select(2);
  lines.insertEmptyLine();
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{"A", "", "B", "C", ""}));
  EXPECT_EQ(lines.currentLine(), 2);
  EXPECT_EQ(lines.markedRow(), 2);

  lines.select(5);
  lines.deleteLine(); // the insertion row stays
  EXPECT_EQ(lines.rowCount(), 6);

  lines.select(1);
  lines.deleteLine();
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{"", "B", "C", ""}));
  EXPECT_EQ(lines.currentLine(), 1);
  EXPECT_EQ(lines.markedRow(), 1);

  lines.clear();
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{""}));
  EXPECT_EQ(lines.currentLine(), 1);
  EXPECT_EQ(lines.markedRow(), 1);
}

TEST_F(ScriptLinesTest, EditsAtACurrentLineThatIsNoLineChangeNothing) {
  ScriptLines &lines = script.lines();
  const std::pair<const char *, std::function<void()>> edits[] = {
      {"place", [&] { lines.placeCommand("WAIT"); }},
      {"insert", [&] { lines.insertEmptyLine(); }},
      {"delete", [&] { lines.deleteLine(); }},
  };
  for (const auto &[what, edit] : edits)
    for (int row : {0, 4}) { // the heading, and past the insertion row
      SCOPED_TRACE(testing::Message() << what << " " << row);
      lines.load({"A", "B"});
      lines.setCurrentLine(row);
      edit();
      EXPECT_EQ(lineTexts(), (std::vector<std::string>{"A", "B", ""}));
    }
}

// A view that only follows the change reports ends up showing what the model holds.
TEST_F(ScriptLinesTest, AViewFollowingTheChangesShowsTheModel) {
  ScriptLines &lines = script.lines();
  std::vector<std::pair<std::string, std::string>> view; // rows 1 and up: text, marker
  auto cell = [&](int row) { return std::pair{std::string(lines.text(row)), std::string(lines.marker(row))}; };
  auto reload = [&] {
    view.clear();
    for (int row = 1; row < lines.rowCount(); ++row) view.push_back(cell(row));
  };
  reload();
  auto shows = [&] {
    std::vector<std::pair<std::string, std::string>> model;
    for (int row = 1; row < lines.rowCount(); ++row) model.push_back(cell(row));
    return view == model;
  };
  lines.addListener([&](const ScriptLinesChange &change) {
    switch (change.kind) {
    // Told while the lines still stand as the view last saw them.
    case ScriptLinesChange::Inserting:
    case ScriptLinesChange::Removing:
    case ScriptLinesChange::Resetting: EXPECT_TRUE(shows()) << "told after the change, kind " << change.kind; break;
    case ScriptLinesChange::Inserted: view.insert(view.begin() + change.row - 1, cell(change.row)); break;
    case ScriptLinesChange::Removed: view.erase(view.begin() + change.row - 1); break;
    case ScriptLinesChange::Changed:
    case ScriptLinesChange::Marked: view[change.row - 1] = cell(change.row); break;
    case ScriptLinesChange::Reset: reload(); break;
    }
  });

  place({"A", "B", "C", "A"});
  EXPECT_TRUE(shows());
  lines.select(2);
  EXPECT_TRUE(shows());
  lines.insertEmptyLine();
  EXPECT_TRUE(shows());
  lines.select(4);
  lines.deleteLine();
  EXPECT_TRUE(shows());
  lines.select(3);
  place({"WAIT"});
  EXPECT_TRUE(shows());
  lines.removeLinesEqualTo("A");
  EXPECT_TRUE(shows());
  lines.load({"X", "", "Y"});
  EXPECT_TRUE(shows());
  lines.clear();
  EXPECT_TRUE(shows());
}

TEST_F(ScriptLinesTest, EveryListenerIsToldUntilRemoved) {
  ScriptLines &lines = script.lines();
  int first = 0, second = 0;
  const ScriptLines::ListenerId firstId = lines.addListener([&](const ScriptLinesChange &) { ++first; });
  lines.addListener([&](const ScriptLinesChange &) { ++second; });
  lines.setLineText(1, "A");
  lines.removeListener(firstId);
  lines.setLineText(1, "B");
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 2);
}

TEST_F(ScriptLinesTest, ReplacingANodeRenamesOnlyItsExactLines) {
  script.createNode("Wave", pose(100, 8));
  place({"Wave", "wave", "Waves", "Wave"});
  script.lines().select(2);
  Node hello = script.nodes().node(1);
  hello.name = "Hello";
  hello.pos[0] = 42;
  script.replaceNode(1, hello);
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{"Hello", "wave", "Waves", "Hello", ""}));
  EXPECT_EQ(script.nodes().node(1), hello);
  EXPECT_EQ(script.lines().markedRow(), 2);

  // A node with no name, only ever from a file, leaves the empty lines alone.
  script.createNode("", pose(100, 8));
  hello.name = "Named";
  script.replaceNode(2, hello);
  EXPECT_EQ(lineTexts().back(), "");
  EXPECT_EQ(script.nodes().node(2).name, "Named");
}

} // namespace
} // namespace quarnel
