// Creating and deleting nodes, and the prompts that lead to them.
#include "script_test_support.h"

#include "motion/motion_model.h"

namespace quarnel {
namespace {

using ScriptModelTest = ScriptFixture;

TEST_F(ScriptModelTest, HomeComesFromTheHomePositionsAtSpeedFive) {
  config.servos[4].home = "90";
  script.load();
  const Node &home = script.nodes().node(0);
  EXPECT_EQ(home.name, "Home");
  EXPECT_EQ(home.pos[4], 90);
  EXPECT_EQ(home.pos[11], 127);
  EXPECT_EQ(home.speed[0], 5);
  EXPECT_EQ(script.nodes().count(), 1);
}

TEST_F(ScriptModelTest, OutOfRangePositionsAreReportedOncePerSlotAndKept) {
  config.servos[3].maximum = "200";
  config.servos[7].minimum = "20";
  Node reach{"Reach", {}, {}};
  reach.pos.fill(100);
  reach.speed.fill(32);
  reach.pos[3] = 250;
  reach.pos[7] = 10;
  const std::string data = nodeDataText(reach);
  ASSERT_EQ(script.createNode("Reach", data), NodeAdded::Added);
  EXPECT_EQ(ui.messageTexts(),
            (std::vector<std::string>{
                "Position of Servo 3 in Reach falls outside Min-Max range in Settings. Please rectify this or unexpected results may ensue",
                "Position of Servo 7 in Reach falls outside Min-Max range in Settings. Please rectify this or unexpected results may ensue"}));
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::Critical);
  EXPECT_EQ(ui.boxes()[0].title, "Quarnel");
  EXPECT_EQ(script.nodes().node(1).pos[3], 250);
  EXPECT_EQ(script.nodes().node(1).pos[7], 10);

  ui.clear();
  ASSERT_EQ(script.createNode("Inside", pose(100, 32)), NodeAdded::Added);
  EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(ScriptModelTest, MalformedNodeDataAddsNothing) {
  std::string first22;
  for (int i = 0; i < 22; ++i) first22 += "1,";
  const std::string cases[] = {"", first22 + "1,", first22 + "1,1", first22 + "1,x,", first22 + "1,70000,",
                               "1,," + pose(1, 2)};
  for (const std::string &data : cases) {
    SCOPED_TRACE(data);
    EXPECT_EQ(script.createNode("Bad", data), NodeAdded::Malformed);
    EXPECT_EQ(script.nodes().count(), 1);
  }
  EXPECT_TRUE(ui.boxes().empty());

  // Past the 24th comma nothing is read; fractions round to even.
  ASSERT_EQ(script.createNode("Fine", pose(8, 9) + "junk"), NodeAdded::Added);
  ASSERT_EQ(script.createNode("Half", first22 + "2.5,-3,"), NodeAdded::Added);
  EXPECT_EQ(script.nodes().node(2).pos[11], 2);
  EXPECT_EQ(script.nodes().node(2).speed[11], -3);
}

TEST_F(ScriptModelTest, TableGrowsInOrderScrollsFromTheSixthNodeAndStopsAt113) {
  for (int i = 1; i <= 4; ++i) script.createNode("N" + std::to_string(i), pose(127, 32));
  EXPECT_FALSE(script.nodes().scroll().enabled);
  script.createNode("N5", pose(127, 32));
  EXPECT_EQ(script.nodes().count(), 6);
  EXPECT_TRUE(script.nodes().scroll().enabled);
  EXPECT_EQ(script.nodes().scroll().maximum, 2);
  EXPECT_EQ(script.nodes().scroll().value, 2);

  for (int i = 6; i <= 112; ++i) ASSERT_EQ(script.createNode("N" + std::to_string(i), pose(127, 32)), NodeAdded::Added);
  EXPECT_EQ(script.nodes().count(), 113);
  EXPECT_EQ(script.nodes().node(112).name, "N112");
  EXPECT_TRUE(ui.boxes().empty());
  EXPECT_EQ(script.createNode("N113", pose(127, 32)), NodeAdded::TableFull);
  EXPECT_EQ(script.nodes().count(), 113);
  ASSERT_EQ(ui.messageTexts().size(), 1u);
  EXPECT_NE(ui.messageTexts()[0].find("N113"), std::string::npos);
}

TEST_F(ScriptModelTest, CreateNodeTakesTheControlWindowsTargetsAndSpeed) {
  MotionModel motion;
  motion.load({});
  motion.setTarget(0, 10);
  motion.setTarget(11, 240);
  motion.setSpeed(64);
  for (const auto &answer : std::initializer_list<std::optional<std::string>>{std::nullopt, "", "wait", "Say \"hi\"", "Arm"})
    ui.answerInput(answer);
  std::vector<Node> made;
  for (int i = 0; i < 5; ++i)
    if (auto node = script.nodeFromControls(motion)) made.push_back(*node);

  ASSERT_EQ(made.size(), 1u);
  const Node &arm = made[0];
  EXPECT_EQ(arm.name, "Arm");
  EXPECT_EQ(arm.pos[0], 10);
  EXPECT_EQ(arm.pos[5], 127);
  EXPECT_EQ(arm.pos[11], 240);
  EXPECT_EQ(arm.speed, (std::array<int16_t, servoChannels>{64, 64, 64, 64, 64, 64, 64, 64, 64, 64, 64, 64}));
  // Cancel says nothing; the empty name and the two refused ones say why.
  std::vector<std::string> messages = ui.messageTexts();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0], "Please enter a name for this node.");
  EXPECT_NE(messages[1].find("\"wait\""), std::string::npos);
  EXPECT_NE(messages[2].find("character \""), std::string::npos);
  EXPECT_EQ(ui.boxes()[0].text, "Please Enter a name for this node");
}

TEST_F(ScriptModelTest, CreateNodeOffersAFreeNameAndRefusesOneInUse) {
  MotionModel motion;
  motion.load({});
  const struct {
    std::vector<std::string> existing;
    std::string offered;
  } defaults[] = {
      {{}, "Node 1"},
      {{"Node 1"}, "Node 2"},
      {{"Node 2", "Node 3"}, "Node 4"}, // Node 1 was deleted
      {{"Node 3 ", "node 3"}, "Node 3"}, // names match exactly, as lines do
  };
  for (const auto &c : defaults) {
    SCOPED_TRACE(c.offered);
    script.load();
    for (const std::string &name : c.existing) script.createNode(name, pose(127, 32));
    script.nodeFromControls(motion); // cancelled
    EXPECT_EQ(ui.offeredAnswers().back(), c.offered);
  }

  script.load();
  script.createNode("Arm", pose(127, 32));
  ui.clear();
  for (const char *answer : {"Arm", "Home", "arm", "Ar"}) ui.answerInput(answer);
  for (int i = 0; i < 4; ++i)
    if (auto node = script.nodeFromControls(motion)) script.insertNode(script.nodes().count(), *node);
  EXPECT_EQ(nodeNames(), (std::vector<std::string>{"Home", "Arm", "arm", "Ar"}));
  EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{
                                   "There is already a node named \"Arm\". Please choose another name.",
                                   "There is already a node named \"Home\". Please choose another name.",
                               }));
  // A file that holds twins still loads them.
  EXPECT_EQ(script.createNode("Arm", pose(127, 32)), NodeAdded::Added);
}

TEST_F(ScriptModelTest, DeleteNodeRemovesItsLinesByExactNameAndMovesLaterNodesUp) {
  for (const char *name : {"A", "B", "C"}) script.createNode(name, pose(127, 32));
  place({"B", "WAIT", "A", "B", "PAUSE 5", "Bx", "C", "B"});
  script.lines().select(8); // the last B
  script.deleteNode(2);

  EXPECT_EQ(nodeNames(), (std::vector<std::string>{"Home", "A", "C"}));
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{"WAIT", "A", "PAUSE 5", "Bx", "C", ""}));
  EXPECT_EQ(script.lines().currentLine(), 6); // row 8 is gone: onto the last row
  EXPECT_EQ(script.lines().markedRow(), 6);

  // A current line that still exists keeps its row number.
  script.lines().select(2);
  script.deleteNode(1);
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{"WAIT", "PAUSE 5", "Bx", "C", ""}));
  EXPECT_EQ(script.lines().currentLine(), 2);
  EXPECT_EQ(script.lines().markedRow(), 2);

  script.deleteNode(1);
  EXPECT_EQ(nodeNames(), (std::vector<std::string>{"Home"}));
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{"WAIT", "PAUSE 5", "Bx", ""}));
}

TEST_F(ScriptModelTest, DeletingANodeWithAnEmptyNameKeepsTheEmptyLines) {
  script.createNode("", pose(127, 32)); // only a file can hold such a node
  place({"", "WAIT"});
  script.deleteNode(1);
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{"", "WAIT", ""}));
}

TEST_F(ScriptModelTest, PauseAsksForALengthAndPlacesItAsTyped) {
  for (const char *answer : {"1000", "-5", "abc", "", " 2.5"}) ui.answerInput(answer);
  for (int i = 0; i < 5; ++i)
    if (auto pause = script.pauseFromUser()) script.lines().placeCommand(*pause);
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{"PAUSE 1000", "PAUSE 0", "PAUSE  2.5", ""}));
  EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Pause Length must be a number!", "Pause Length must be a number!"}));
  EXPECT_EQ(ui.boxes()[0].text, "How long (in ms) would you like the pause to last for?");
}

} // namespace
} // namespace quarnel
