// The extension a saved name gets, and the folder each kind of document's dialogs start in.
#include "scripted_ui_services.h"
#include "ui/file_choice.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

const FileFilter scripts{"Kelpin files(*.tvk)", "*.tvk"};

TEST(FileChoice, ANameWithoutADotGetsTheFiltersExtension) {
  const std::pair<const char *, const char *> cases[] = {
      {"/home/user/wave", "/home/user/wave.tvk"},
      {"/home/user/wave.tvk", "/home/user/wave.tvk"},
      {"/home/user/wave.bak", "/home/user/wave.bak"}, // the user's own extension
      {"/home/user/wave.", "/home/user/wave."},
      {"/home/my.rigs/wave", "/home/my.rigs/wave.tvk"}, // a dot in the folder is not the name's
      {"/home/user/", "/home/user/"},
  };
  for (const auto &[typed, saved] : cases) EXPECT_EQ(withFilterExtension(typed, scripts), saved) << typed;
  EXPECT_EQ(withFilterExtension("/r/rig", {"Servo Settings files(*.sst)", "*.sst"}), "/r/rig.sst");
}

TEST(FileChoice, EachKindStartsWhereItWasLastUsed) {
  ScriptedUiServices ui;
  DocumentFolders folders("/home/user");
  ui.answerFile("/rigs/arm/wave");
  EXPECT_EQ(chooseFileToSave(ui, scripts, folders, DocumentKind::Script), "/rigs/arm/wave.tvk");
  EXPECT_EQ(chooseFileToOpen(ui, scripts, folders, DocumentKind::Script), std::nullopt); // cancelled
  ui.answerFile("/top.sst");
  EXPECT_EQ(chooseFileToOpen(ui, scripts, folders, DocumentKind::ServoSettings), "/top.sst");
  chooseFileToOpen(ui, scripts, folders, DocumentKind::ServoSettings);

  std::vector<std::string> started;
  for (const auto &box : ui.boxes()) started.push_back(box.folder);
  EXPECT_EQ(started, (std::vector<std::string>{"/home/user", "/rigs/arm", "/home/user", "/"}));
  EXPECT_EQ(folders.folder(DocumentKind::Script), "/rigs/arm");
}

} // namespace
} // namespace quarnel
