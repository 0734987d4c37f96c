// What a line asks for, which node it names, and which names a node may take.
#include "script/line_command.h"
#include "script/node_name.h"
#include "script/node_table.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(ClassifyLine, KeywordsInAnyCaseAndPauseAnywhere) {
  struct Case {
    const char *text;
    LineKind kind;
    const char *pauseLength;
    std::optional<Easing> easing = std::nullopt;
    const char *soundPath = "";
    std::optional<JawFollow> jaw = std::nullopt;
    bool jawOff = false;
  };
  const Case cases[] = {
      {"", LineKind::Nothing, ""},
      {"LOOPSTART", LineKind::Nothing, ""},
      {"loopStart", LineKind::Nothing, ""},
      {"WAIT", LineKind::Wait, ""},
      {"Wait", LineKind::Wait, ""},
      {"LOOPEND", LineKind::LoopEnd, ""},
      {"loopend", LineKind::LoopEnd, ""},
      {"PAUSE 1000", LineKind::Pause, " 1000"},
      {"PAUSE", LineKind::Pause, ""},
      {"pause", LineKind::Pause, ""},       // a keyword by case, with no length
      {"ArmPAUSED", LineKind::Pause, "USED"}, // the length starts at the 6th character
      {"Paused", LineKind::Node, ""},
      {"WAIT ", LineKind::Node, ""},
      {"Arm", LineKind::Node, ""},
      {"EASE INOUT", LineKind::Ease, "", Easing::InOut},
      {"EASE linear", LineKind::Ease, "", Easing::Linear}, // the curve in any case
      {"EASE  Out ", LineKind::Ease, "", Easing::Out},
      {"EASE IN", LineKind::Ease, "", Easing::In},
      {"EASE", LineKind::Ease, ""}, // no curve: refused when run
      {"EASE FAST", LineKind::Ease, ""},
      {"EASE PAUSE", LineKind::Pause, "PAUSE"}, // a pause wherever "PAUSE" stands
      {"Ease in", LineKind::Node, ""}, // the keyword in capitals only
      {"EASEL", LineKind::Node, ""},
      {"SOUND voice.wav", LineKind::Sound, "", {}, "voice.wav"},
      {"SOUND  /show/Big PAUSE.flac ", LineKind::Sound, "", {}, "/show/Big PAUSE.flac"},
      {"SOUND", LineKind::Sound, ""}, // stops the sound
      {"Sound off", LineKind::Node, ""},
      {"JAW 3 40 120", LineKind::Jaw, "", {}, "", JawFollow{3, 40, 120}},
      {"JAW 11 254 0", LineKind::Jaw, "", {}, "", JawFollow{11, 254, 0}},
      {"JAW off", LineKind::Jaw, "", {}, "", std::nullopt, true},
      {"JAW 12 40 120", LineKind::Jaw, ""}, // no such servo: refused when run
      {"JAW 3 40 255", LineKind::Jaw, ""},
      {"JAW 3 40.5 120", LineKind::Jaw, ""},
      {"JAW 3 40", LineKind::Jaw, ""},
      {"JAW 3 40 120 7", LineKind::Jaw, ""},
      {"Jaw open", LineKind::Node, ""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    LineCommand command = classifyLine(c.text);
    EXPECT_EQ(command.kind, c.kind);
    EXPECT_EQ(command.pauseLength, c.pauseLength);
    EXPECT_EQ(command.easing, c.easing);
    EXPECT_EQ(command.soundPath, c.soundPath);
    EXPECT_EQ(command.jaw, c.jaw);
    EXPECT_EQ(command.jawOff, c.jawOff);
  }
  EXPECT_EQ(soundLine("voice.wav"), "SOUND voice.wav");
  EXPECT_EQ(soundLine(""), "SOUND");
  EXPECT_EQ(jawLine(JawFollow{3, 40, 120}), "JAW 3 40 120");
  EXPECT_EQ(jawLine(std::nullopt), "JAW OFF");
}

TEST(NodeTable, ExactNameBeforeContainedNameBeforeNothing) {
  NodeTable table;
  table.reset({"Home", {}, {}});
  for (const char *name : {"ArmUp", "Arm", "Leg", "Leg"}) table.add({name, {}, {}});
  struct Case {
    const char *line;
    std::optional<int> node;
  };
  const Case cases[] = {
      {"Arm", 2},   // not ArmUp, though ArmUp comes first
      {"ArmUp", 1},
      {"rmU", 1},   // contained only: the first node holding it
      {"Leg", 3},   // two of that name: the lower index
      {"Home", 0},
      {"arm", std::nullopt}, // case counts
      {"Arms", std::nullopt},
  };
  for (const Case &c : cases) EXPECT_EQ(table.find(c.line), c.node) << c.line;
}

TEST(NodeName, RefusesNamesThatCouldNotBeStoredOrRun) {
  for (const char *fine : {"Arm", "Wave 2", "Pan,Tilt", "Dreh\u20AC", "Paused", "WAITING", "Ease off"})
    EXPECT_EQ(nodeNameRefusal(fine), std::nullopt) << fine;
  struct Case {
    const char *name;
    const char *says;
  };
  const Case refused[] = {
      {"", "enter a name"},
      {"  ", "enter a name"},
      {"Say \"hi\"", "character \""},
      {"Check \u2713", "character \u2713"},
      {"Two\nlines", "character \n"},
      {"***", "end of a section"},
      {"wait", "script command"},
      {"LoopStart", "script command"},
      {"LOOPEND", "script command"},
      {"Pause", "script command"},
      {"ArmPAUSE", "script command"},
      {"EASE OUT", "script command"},
      {"SOUND fx", "script command"},
      {"JAW OFF", "script command"},
  };
  for (const Case &c : refused) {
    SCOPED_TRACE(c.name);
    auto refusal = nodeNameRefusal(c.name);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_NE(refusal->find(c.says), std::string::npos) << *refusal;
  }
}

} // namespace
} // namespace quarnel
