// quarnel.conf on a real disk: two copies of the program keep each other's changes, the dialogs'
// folders come back, and a file that cannot be written is reported without nagging.
#include "config/remembered_settings.h"
#include "scripted_ui_services.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(RememberedSettings, TwoCopiesOfTheProgramKeepEachOthersChanges) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("new-folder/quarnel.conf").toStdString();
  ScriptedUiServices ui;
  RememberedSettings first(path, ui, "Quarnel");
  RememberedSettings second(path, ui, "Quarnel");
  DocumentFolders folders("/home/u");
  folders.setFolder(DocumentKind::ServoSettings, "/home/u/rigs");
  first.rememberDocument(DocumentKind::ServoSettings, "/home/u/rigs/arm.sst", folders);
  second.rememberPortDevices({"/dev/ttyUSB0", "", "", ""});
  folders.setFolder(DocumentKind::Script, "/home/u/shows");
  for (const char *script : {"/home/u/shows/wave.tvk", "/home/u/shows/nod.tvk", "/home/u/shows/wave.tvk"})
    second.rememberDocument(DocumentKind::Script, script, folders);
  first.forgetRecentDocument(DocumentKind::Script, "/home/u/shows/nod.tvk");

  const Remembered expected{"/home/u/rigs/arm.sst", "/home/u/shows/wave.tvk", "/home/u/rigs", "/home/u/shows",
                            {"/dev/ttyUSB0", "", "", ""}, "", "", {"/home/u/rigs/arm.sst"}, {"/home/u/shows/wave.tvk"}, "", ""};
  const RememberedSettings next(path, ui, "Quarnel");
  EXPECT_EQ(next.values(), expected);
  EXPECT_TRUE(ui.boxes().empty());
  // The dialogs start where they left off; a kind never used starts at home.
  EXPECT_EQ(next.folders("/home/v").folder(DocumentKind::Script), "/home/u/shows");
  EXPECT_EQ(RememberedSettings(path + "-none", ui, "Quarnel").folders("/home/v").folder(DocumentKind::Script),
            "/home/v");
}

TEST(RememberedSettings, AFileThatCannotBeWrittenIsReportedOnceForFilesAndEachTimeForPorts) {
  QTemporaryDir dir;
  QFile blocker(dir.filePath("not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  const std::string path = dir.filePath("not-a-folder/quarnel.conf").toStdString();
  ScriptedUiServices ui;
  RememberedSettings remembered(path, ui, "Quarnel");
  const DocumentFolders folders("/home/u");
  remembered.rememberDocument(DocumentKind::ServoSettings, "/home/u/arm.sst", folders);
  remembered.rememberDocument(DocumentKind::Script, "/home/u/wave.tvk", folders);
  remembered.rememberPositions("/home/u/arm.sst", ServoPositions{});
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_NE(ui.boxes()[0].text.find(path), std::string::npos);
  EXPECT_EQ(ui.boxes()[0].icon, MessageIcon::Critical);

  remembered.rememberPortDevices({"", "/dev/ttyACM0", "", ""});
  remembered.rememberPortDevices({"", "/dev/ttyACM1", "", ""});
  EXPECT_EQ(ui.boxes().size(), 3u);
  // The choice holds for this run all the same.
  EXPECT_EQ(remembered.values().portDevices[1], "/dev/ttyACM1");
  EXPECT_EQ(remembered.values().servoSettingsFile, "/home/u/arm.sst");
}

TEST(RememberedSettings, PositionsBelongToTheServoSettingsTheyWereSentUnder) {
  QTemporaryDir dir;
  const std::string arm = dir.filePath("arm.sst").toStdString(), link = dir.filePath("link.sst").toStdString();
  QFile(QString::fromStdString(arm)).open(QIODevice::WriteOnly);
  ASSERT_TRUE(QFile::link(QString::fromStdString(arm), QString::fromStdString(link)));
  const std::string path = dir.filePath("quarnel.conf").toStdString();
  ScriptedUiServices ui;
  RememberedSettings windows(path, ui, "Quarnel"), player(path, ui, "quarnel-play");
  ServoPositions left;
  left.fill(127);
  left[0] = 150;
  // Told by the other copy after this one read the file, and reached through a link.
  player.rememberPositions(link, left);
  EXPECT_EQ(windows.lastPositions(arm), left);
  EXPECT_EQ(windows.lastPositions(""), std::nullopt) << "the default rows took another rig's positions";
  EXPECT_EQ(windows.lastPositions(dir.filePath("leg.sst").toStdString()), std::nullopt);
  windows.rememberPositions("", ServoPositions{});
  EXPECT_EQ(player.lastPositions(""), ServoPositions{});
  EXPECT_EQ(player.lastPositions(arm), std::nullopt);
  // With no file to keep them in, they hold for the run.
  RememberedSettings unkept("", ui, "Quarnel");
  unkept.rememberPositions(arm, left);
  EXPECT_EQ(unkept.lastPositions(arm), left);
  EXPECT_TRUE(ui.boxes().empty());
}

TEST(RememberedSettings, AFileThereButUnreadableIsLeftWholeAndReported) {
  // Too large to be read, as one the user may not read would be: not replaced by one change.
  QTemporaryDir dir;
  QFile file(dir.filePath("quarnel.conf"));
  const QByteArray contents = "[ports]\nCOM1=/dev/ttyUSB0\n" + QByteArray(2 << 20, '#');
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(contents);
  file.close();
  ScriptedUiServices ui;
  RememberedSettings remembered(file.fileName().toStdString(), ui, "Quarnel");
  remembered.rememberPortDevices({"", "/dev/ttyACM0", "", ""});
  ASSERT_EQ(ui.boxes().size(), 1u);
  EXPECT_NE(ui.boxes()[0].text.find("could not be read (The file is too large.), so it was left as it is"),
            std::string::npos)
      << ui.boxes()[0].text;
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), contents);
  EXPECT_EQ(remembered.values().portDevices[1], "/dev/ttyACM0"); // for this run all the same
}

// What the file holds by hand may be anything: a value that is no number, or out of its range,
// counts as the default.
TEST(RememberedSettings, TheSoundTimingComesBackAndDefaultsWhereTheFileHoldsNoneThatFits) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("quarnel.conf").toStdString();
  ScriptedUiServices ui;
  RememberedSettings(path, ui, "Quarnel").rememberSoundTiming({-120, 80});
  EXPECT_EQ(RememberedSettings(path, ui, "Quarnel").soundTiming(), (SoundTiming{-120, 80}));
  const struct {
    const char *file;
    SoundTiming expected;
  } cases[] = {
      {"[sound]\noffset=5000\njawLookAhead=0\n", {5000, 0}},
      {"[sound]\noffset=5001\njawLookAhead=-1\n", {}},
      {"[sound]\noffset=soon\njawLookAhead=1001\n", {}},
  };
  for (const auto &c : cases) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(c.file);
    file.close();
    EXPECT_EQ(RememberedSettings(path, ui, "Quarnel").soundTiming(), c.expected) << c.file;
  }
  EXPECT_TRUE(ui.boxes().empty());
}

} // namespace
} // namespace quarnel
