// The change text of a few poses, and which pose a node line is read against.
#include "script_test_support.h"

#include "script/pose_change.h"

namespace quarnel {
namespace {

TEST(PoseChange, ListsEachMoveTheServosThatStayAndTheSlowestMovesTime) {
  std::vector<std::string> twelve;
  for (int i = 0; i < servoChannels; ++i) twelve.push_back("Servo" + std::to_string(i));
  const std::vector<std::string> two{"Jaw", "Neck"};
  const struct {
    std::vector<std::string> names;
    std::vector<std::array<int, 4>> moves; // servo, from, to, speed
    std::string text;
  } cases[] = {
      {twelve, {{0, 127, 200, 32}, {3, 90, 60, 8}},
       "Servo0 127 → 200 at speed 32, Servo3 90 → 60 at speed 8; 10 servos unchanged — 3.8 s"},
      {two, {{1, 10, 20, 255}}, "Neck 10 → 20 at speed 255; 1 servo unchanged — 40 ms"},
      {two, {{0, 0, 50, 33}, {1, 0, 1, 1}}, "Jaw 0 → 50 at speed 33, Neck 0 → 1 at speed 1 — 1.6 s"}, // 1550 ms
      {two, {{0, 5, 6, 0}}, "Jaw 5 → 6 at speed 0; 1 servo unchanged — 1.0 s"},         // 0 goes as 1
      {two, {{0, 0, 10, 3000}}, "Jaw 0 → 10 at speed 3000; 1 servo unchanged — 10 ms"}, // an interval of 0
      {two, {{5, 0, 99, 32}}, "No servo moves"},                                        // not on this board
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.text);
    Pose before;
    before.fill(127);
    Node node{"N", before, {}};
    node.speed.fill(32);
    for (const auto &[servo, from, to, speed] : c.moves) {
      before[servo] = static_cast<int16_t>(from);
      node.pos[servo] = static_cast<int16_t>(to);
      node.speed[servo] = static_cast<int16_t>(speed);
    }
    EXPECT_EQ(poseChangeText(before, node, c.names), c.text);
  }
}

using LineChange = ScriptFixture;

TEST_F(LineChange, ANodeLineIsReadAgainstTheLastNodeLineAboveItOrHome) {
  config.boardChoice = Board::EightServos;
  config.servos[1].home = "100";
  script.load();
  Node arm{"Arm", {}, {}}, leg{"Leg", {}, {}};
  for (Node *node : {&arm, &leg}) {
    node->pos.fill(127);
    node->speed.fill(32);
  }
  arm.pos[0] = 200;
  leg.pos[0] = 10;
  leg.pos[11] = 5; // a servo the 8-servo board lacks
  script.createNode(arm.name, nodeDataText(arm));
  script.createNode(leg.name, nodeDataText(leg));
  place({"Arm", "WAIT", "Nowhere", "EASE INOUT", "Leg", "Ar", "EASE LINEAR", "Leg"});
  const std::optional<std::string> expected[] = {
      "Servo0 127 → 200 at speed 32, Servo1 100 → 127 at speed 32; 6 servos unchanged — 2.3 s", // from Home
      std::nullopt, std::nullopt, std::nullopt, // WAIT, a line that names no node, EASE
      "Servo0 200 → 10 at speed 32; 7 servos unchanged — 6.1 s, eased in-out", // past both
      "Servo0 10 → 200 at speed 32; 7 servos unchanged — 6.1 s, eased in-out", // Ar runs Arm, as the runner finds it
      std::nullopt,
      "Servo0 200 → 10 at speed 32; 7 servos unchanged — 6.1 s",
      std::nullopt, // the insertion row
  };
  for (int row = 1; row < script.lines().rowCount(); ++row) EXPECT_EQ(lineChangeText(script, row), expected[row - 1]) << row;
}

} // namespace
} // namespace quarnel
