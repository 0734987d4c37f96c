// quarnel.conf on a real disk: two copies of the program keep each other's changes, and a file
// that cannot be written is reported without nagging.
#include "ui/remembered_settings.h"
#include "ui/scripted_ui_services.h"

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
  first.rememberServoSettingsFile("/home/u/arm.sst");
  second.rememberPortDevices({"/dev/ttyUSB0", "", "", ""});
  first.rememberScriptFile("/home/u/wave.tvk");

  const Remembered expected{"/home/u/arm.sst", "/home/u/wave.tvk", {"/dev/ttyUSB0", "", "", ""}};
  EXPECT_EQ(RememberedSettings(path, ui, "Quarnel").values(), expected);
  EXPECT_TRUE(ui.boxes().empty());
}

TEST(RememberedSettings, AFileThatCannotBeWrittenIsReportedOnceForFilesAndEachTimeForPorts) {
  QTemporaryDir dir;
  QFile blocker(dir.filePath("not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  const std::string path = dir.filePath("not-a-folder/quarnel.conf").toStdString();
  ScriptedUiServices ui;
  RememberedSettings remembered(path, ui, "Quarnel");
  remembered.rememberServoSettingsFile("/home/u/arm.sst");
  remembered.rememberScriptFile("/home/u/wave.tvk");
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

} // namespace
} // namespace quarnel
