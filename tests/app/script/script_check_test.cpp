// Checking a whole script before it runs: the first line that cannot, named with its reason.
#include "script_test_support.h"

#include "script/script_check.h"

namespace quarnel {
namespace {

class ScriptCheckTest : public ScriptFixture {};

TEST_F(ScriptCheckTest, FindsTheFirstLineThatCannotRun) {
  struct Case {
    std::vector<const char *> lines;
    int row; // 0: every line can run
    std::string reason;
  };
  const std::string slowSlot3 = "servo 3 of node \"Slow\" has speed 0, which gives no step interval.";
  const Case cases[] = {
      {{"Wave", "Wav", "PAUSE 100", "WAIT", "LOOPSTART", "LOOPEND", "", "Quick", "EASE INOUT"}, 0, ""},
      {{"Wave", "EASE IN", "EASE", "Nowhere"}, 3, easeCurveUnknown()},
      {{"Wave", "Nowhere", "PAUSE x"}, 2, noSuchNode()},
      {{"Wave", "PAUSE x", "Nowhere"}, 2, pauseIsNoNumber()},
      {{"PAUSE 1e39"}, 1, pauseIsNoNumber()},
      {{"Wave", "Slow"}, 2, slowSlot3},
      {{"TooFast"}, 1, "servo 0 of node \"TooFast\" has speed 2040, which gives no step interval."},
      {{"Backwards"}, 1, "servo 0 of node \"Backwards\" has speed -5, which gives no step interval."},
  };
  ASSERT_EQ(script.createNode("Wave", pose(127, 32)), NodeAdded::Added);
  ASSERT_EQ(script.createNode("Quick", pose(127, 2039)), NodeAdded::Added);
  ASSERT_EQ(script.createNode("TooFast", pose(127, 2040)), NodeAdded::Added);
  ASSERT_EQ(script.createNode("Backwards", pose(127, -5)), NodeAdded::Added);
  std::string slow = pose(127, 32);
  slow.replace(3 * 7 + 4, 2, "0"); // slot 3's speed, after three "127,32," pairs and "127,"
  ASSERT_EQ(script.createNode("Slow", slow), NodeAdded::Added);
  ASSERT_EQ(script.nodes().node(5).speed[3], 0);

  for (const Case &c : cases) {
    script.lines().clear();
    for (const char *line : c.lines) script.lines().placeCommand(line);
    const auto found = firstUnrunnableLine(script);
    SCOPED_TRACE(c.lines.front());
    if (c.row == 0) {
      EXPECT_FALSE(found) << found->text;
      continue;
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(found->row, c.row);
    EXPECT_EQ(found->text, c.lines[c.row - 1]);
    EXPECT_EQ(found->reason, c.reason);
  }
}

} // namespace
} // namespace quarnel
