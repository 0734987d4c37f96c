// The change text of a few poses, and which pose a node line is read against.
#include "script_test_support.h"

#include "script/pose_change.h"

namespace quarnel {
namespace {

Pose flat(int position) {
  Pose pose;
  pose.fill(static_cast<int16_t>(position));
  return pose;
}

TEST(PoseChange, ListsEachMoveTheServosThatStayAndTheSlowestMovesTime) {
  const std::vector<std::string> twelve = [] {
    std::vector<std::string> names;
    for (int i = 0; i < nodeSlots; ++i) names.push_back("Servo" + std::to_string(i));
    return names;
  }();
  const std::vector<std::string> two{"Jaw", "Neck"};
  struct Case {
    const char *what;
    std::vector<std::string> names;
    std::vector<std::array<int, 4>> moves; // servo, from, to, speed
    std::string text;
  };
  const Case cases[] = {
      {"two of twelve", twelve, {{0, 127, 200, 32}, {3, 90, 60, 8}},
       "Servo0 127 → 200 at speed 32, Servo3 90 → 60 at speed 8; 10 servos unchanged — 3.8 s"},
      {"one stays", two, {{1, 10, 20, 255}}, "Neck 10 → 20 at speed 255; 1 servo unchanged — 40 ms"},
      {"all move, a half-tenth rounded up", two, {{0, 0, 50, 33}, {1, 0, 1, 1}},
       "Jaw 0 → 50 at speed 33, Neck 0 → 1 at speed 1 — 1.6 s"},
      {"speed 0 goes as 1", two, {{0, 5, 6, 0}}, "Jaw 5 → 6 at speed 0; 1 servo unchanged — 1.0 s"},
      {"beyond speed 2039 a step a millisecond", two, {{0, 0, 10, 3000}}, "Jaw 0 → 10 at speed 3000; 1 servo unchanged — 10 ms"},
      {"a servo the board lacks is not told", two, {{5, 0, 99, 32}}, "No servo moves"},
      {"nothing moves", twelve, {}, "No servo moves"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Pose before = flat(127);
    Node node{"N", flat(127), flat(32)};
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
  config.boardChoice = ServoConfiguration::eightServos;
  config.servos[1].home = "100";
  script.load();
  Node arm{"Arm", flat(127), flat(32)}, leg{"Leg", flat(127), flat(32)};
  arm.pos[0] = 200;
  leg.pos[0] = 10;
  leg.pos[10] = 5; // a servo the 8-servo board lacks
  script.createNode(arm.name, nodeDataText(arm));
  script.createNode(leg.name, nodeDataText(leg));
  place({"Arm", "WAIT", "Nowhere", "LOOPSTART", "Leg", "Ar", "Leg"});

  const std::optional<std::string> expected[] = {
      "Servo0 127 → 200 at speed 32, Servo1 100 → 127 at speed 32; 6 servos unchanged — 2.3 s", // from Home
      std::nullopt,
      std::nullopt, // names no node
      std::nullopt,
      "Servo0 200 → 10 at speed 32; 7 servos unchanged — 6.1 s", // past the lines that move nothing
      "Servo0 10 → 200 at speed 32; 7 servos unchanged — 6.1 s", // Ar runs Arm, as the runner finds it
      "Servo0 200 → 10 at speed 32; 7 servos unchanged — 6.1 s",
      std::nullopt, // the insertion row
  };
  for (int row = 1; row < script.lines().rowCount(); ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(lineChangeText(script, row), expected[row - 1]);
  }
}

} // namespace
} // namespace quarnel
