// Writing and reading .tvk files, and opening and saving them on disk.
#include "crlf_text.h"
#include "script_test_support.h"

#include "script/script_file.h"
#include "script/script_file_access.h"
#include "temporary_folder.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quarnel {
namespace {

class ScriptFileTest : public ScriptFixture {
protected:
  ScriptRead read(std::string_view bytes) {
    script.removeCreatedNodes();
    return readScript(bytes, script);
  }
  std::string written() const {
    ScriptFileBytes file = writeScript(script);
    EXPECT_EQ(file.refusal, std::nullopt);
    return file.bytes;
  }
};

TEST_F(ScriptFileTest, TheWaveExampleIsWrittenByteForByte) {
  script.createNode("Wave", pose(127, 32));
  place({"Wave", "WAIT", "PAUSE 1000"});
  EXPECT_EQ(written(), crlf(R"("TVKFILE"
"Wave"
"127,32,127,32,127,32,127,32,127,32,127,32,127,32,127,32,127,32,127,32,127,32,127,32,"
"***"
"Wave"
"WAIT"
"PAUSE 1000"
""
"***"
)"));
}

TEST_F(ScriptFileTest, SaveOpenSaveGivesTheSameBytesAndTheSameScript) {
  script.createNode("Pan,Tilt", pose(10, 255));
  script.createNode("Dreh\u20AC", pose(-3, 0));
  place({"Pan,Tilt", "", "EASE INOUT", "LOOPSTART", "Dreh\u20AC", "EASE out", "LOOPEND"});
  const std::string first = written();
  EXPECT_NE(first.find("\"Dreh\x80\"\r\n"), std::string::npos); // the 8-bit set
  EXPECT_NE(first.find("\"\"\r\n\"EASE INOUT\"\r\n\"LOOPSTART\"\r\n"), std::string::npos); // a line as any other
  const auto lines = lineTexts();
  const auto nodes = nodeNames();

  ASSERT_EQ(read(first), ScriptRead::Complete);
  EXPECT_EQ(lineTexts(), lines);
  EXPECT_EQ(nodeNames(), nodes);
  EXPECT_EQ(script.nodes().node(2).pos[0], -3);
  EXPECT_EQ(script.lines().currentLine(), script.lines().lastRow());
  EXPECT_EQ(written(), first);

  // Only Home and the insertion row: no node records, one empty line record.
  script.removeCreatedNodes();
  EXPECT_EQ(written(), crlf("\"TVKFILE\"\n\"***\"\n\"\"\n\"***\"\n"));
  ASSERT_EQ(read(written()), ScriptRead::Complete);
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{""}));
}

TEST_F(ScriptFileTest, ReadingRules) {
  struct Case {
    const char *name;
    const char *file;
    ScriptRead result;
    std::vector<std::string> nodes; // after Home
    std::vector<std::string> lines; // the insertion row included
  };
  const Case cases[] = {
      {"magic without quotes", "TVKFILE\n\"A\"\n\"1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,\"\n\"***\"\n\"A\"\n\"\"\n\"***\"\n",
       ScriptRead::Complete, {"A"}, {"A", ""}},
      {"lone LF line ends and no insertion row", "\"TVKFILE\"\n\"***\"\n\"WAIT\"\n\"***\"", ScriptRead::Complete, {}, {"WAIT", ""}},
      {"two empty records at the end keep one line", "\"TVKFILE\"\n\"***\"\n\"\"\n\"\"\n\"***\"\n", ScriptRead::Complete, {}, {"", ""}},
      {"lower-case magic", "\"tvkfile\"\n\"***\"\n\"WAIT\"\n\"***\"\n", ScriptRead::NotValid, {}, {""}},
      {"empty file", "", ScriptRead::NotValid, {}, {""}},
      {"ends in the nodes", "\"TVKFILE\"\n\"A\"\n", ScriptRead::Damaged, {}, {""}},
      {"ends in the lines", "\"TVKFILE\"\n\"***\"\n\"WAIT\"\n\"\"\n", ScriptRead::Damaged, {}, {"WAIT", "", ""}},
      {"node data not a number",
       "\"TVKFILE\"\n\"A\"\n\"1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,\"\n\"B\"\n\"1,x,\"\n\"***\"\n\"A\"\n\"***\"\n",
       ScriptRead::Damaged, {"A"}, {""}},
      {"node data without quotes is read as items", "\"TVKFILE\"\n\"A\"\n1,1,1\n\"***\"\n\"***\"\n", ScriptRead::Damaged, {}, {""}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    ui.clear();
    EXPECT_EQ(read(crlf(c.file)), c.result);
    std::vector<std::string> nodes = nodeNames();
    nodes.erase(nodes.begin());
    EXPECT_EQ(nodes, c.nodes);
    EXPECT_EQ(lineTexts(), c.lines);
    const std::vector<std::string> messages = ui.messageTexts();
    if (c.result == ScriptRead::Complete) {
      EXPECT_TRUE(messages.empty());
    } else {
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_EQ(messages[0], c.result == ScriptRead::NotValid
                                 ? "This is not a valid Kelpin file"
                                 : "This Kelpin file is damaged: only what comes before the damage was opened.");
      EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::Critical);
    }
  }
}

TEST_F(ScriptFileTest, NodesPastTheLimitAreReportedOnceAndPassedOver) {
  std::string file = "\"TVKFILE\"\n";
  for (int i = 1; i <= 115; ++i) file += "\"N" + std::to_string(i) + "\"\n\"" + pose(127, 32) + "\"\n";
  file += "\"***\"\n\"N1\"\n\"\"\n\"***\"\n";
  ASSERT_EQ(read(file), ScriptRead::Complete);
  EXPECT_EQ(script.nodes().count(), 113);
  EXPECT_EQ(script.nodes().node(112).name, "N112");
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{"N1", ""}));
  ASSERT_EQ(ui.messageTexts().size(), 1u);
  EXPECT_NE(ui.messageTexts()[0].find("N113"), std::string::npos);
}

TEST_F(ScriptFileTest, ATextTheFileCannotHoldIsRefusedNotWritten) {
  script.createNode("Say \"hi\"", pose(127, 32)); // only a node editor slip could name it so
  ScriptFileBytes file = writeScript(script);
  EXPECT_TRUE(file.bytes.empty());
  ASSERT_TRUE(file.refusal.has_value());
  EXPECT_NE(file.refusal->find("Say \"hi\""), std::string::npos);
}

class ScriptFileAccessTest : public ScriptFileTest {
protected:
  static std::string contents(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  tavik::testing::TemporaryFolder temporary;
  const std::filesystem::path &dir = temporary.path();
  DocumentFolders folders{"/home/user"};
};

TEST_F(ScriptFileAccessTest, SaveAndOpenThroughTheDialogs) {
  script.createNode("Wave", pose(127, 32));
  place({"Wave"});
  const std::string path = (dir / "wave.tvk").string();
  ui.answerFile((dir / "wave").string()); // typed without its extension
  EXPECT_EQ(saveScriptFileAs(script, folders), path);
  EXPECT_EQ(ui.boxes()[0].filter.description, "Quarnel scripts (*.tvk)");
  EXPECT_EQ(ui.boxes()[0].filter.pattern, "*.tvk");
  EXPECT_EQ(ui.boxes()[0].folder, "/home/user");
  EXPECT_EQ(contents(path), written());
  EXPECT_FALSE(ui.busy());

  script.load();
  place({"WAIT"});
  ui.answerFile(path);
  const ScriptOpened opened = openScriptFile(script, folders);
  EXPECT_TRUE(opened.replaced);
  EXPECT_EQ(opened.path, path);
  EXPECT_EQ(ui.boxes()[1].folder, dir.string()); // where the last one was saved
  EXPECT_EQ(nodeNames(), (std::vector<std::string>{"Home", "Wave"}));
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{"Wave", ""}));
  EXPECT_EQ(ui.busyCount(), 2);

  // Cancelled dialogs change nothing.
  place({"WAIT"});
  EXPECT_FALSE(openScriptFile(script, folders).replaced);
  EXPECT_EQ(saveScriptFileAs(script, folders), std::nullopt);
  EXPECT_EQ(nodeNames().size(), 2u);
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{"Wave", "WAIT", ""}));
}

TEST_F(ScriptFileAccessTest, AMissingFileClearsTheScriptAndSaysSo) {
  script.createNode("Wave", pose(127, 32));
  place({"Wave"});
  ui.answerFile((dir / "gone.tvk").string());
  EXPECT_EQ(openScriptFile(script, folders).path, std::nullopt);
  EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"File not found"}));
  EXPECT_EQ(nodeNames(), (std::vector<std::string>{"Home"}));
  EXPECT_EQ(lineTexts(), (std::vector<std::string>{""}));
  EXPECT_FALSE(ui.busy());

  ui.clear();
  ui.answerFile(dir.string()); // a folder exists but reads as no script
  const ScriptOpened refused = openScriptFile(script, folders);
  EXPECT_TRUE(refused.replaced); // by Home and an empty script
  EXPECT_EQ(refused.path, std::nullopt);
  EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"This is not a valid Kelpin file"}));
}

TEST_F(ScriptFileAccessTest, AFailedSaveNamesTheFileAndLeavesTheOldOneWhole) {
  place({"WAIT"});
  const std::filesystem::path blocker = dir / "not-a-folder";
  std::ofstream(blocker) << "old";
  const std::string path = (blocker / "script.tvk").string();
  ui.answerFile(path);
  EXPECT_EQ(saveScriptFileAs(script, folders), std::nullopt);
  ASSERT_EQ(ui.messageTexts().size(), 1u);
  EXPECT_NE(ui.messageTexts()[0].find("\"" + path + "\""), std::string::npos) << ui.messageTexts()[0];
  EXPECT_EQ(ui.boxes()[1].icon, MessageIcon::Critical);
  EXPECT_EQ(contents(blocker), "old");

  // Writing over a file that is a folder fails too, and the folder keeps what it holds.
  const std::filesystem::path folder = dir / "taken.tvk";
  std::filesystem::create_directory(folder);
  std::ofstream(folder / "inside") << "kept";
  ui.clear();
  EXPECT_FALSE(saveScriptFile(script, folder.string()));
  EXPECT_EQ(ui.messageTexts().size(), 1u);
  EXPECT_EQ(contents(folder / "inside"), "kept");
}

} // namespace
} // namespace quarnel
