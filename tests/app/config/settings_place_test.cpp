// Choosing the settings folder: beside the program only where a setup.res stands that the user
// may replace.
#include "config/settings_place.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quarnel {
namespace {

namespace fs = std::filesystem;

enum class Beside { Nothing, WritableFile, ReadOnlyFile, FileInReadOnlyFolder, Folder, Fifo };

// Root may write anything, so the rule is checked as an ordinary user: as "nobody" in a child
// process when the test runs as root.
bool choosesProgramFolder(const std::string &programFolder, const std::string &userFolder) {
  if (geteuid() != 0) return settingsFolderFor(programFolder, userFolder) == programFolder;
  const pid_t child = fork();
  if (child == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
    _exit(settingsFolderFor(programFolder, userFolder) == programFolder ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "could not become nobody";
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(SettingsPlace, BesideTheProgramOnlyWhereAReplaceableSetupFileStands) {
  const struct {
    Beside beside;
    bool portable;
  } cases[] = {{Beside::Nothing, false},      {Beside::WritableFile, true},
               {Beside::ReadOnlyFile, false}, {Beside::FileInReadOnlyFolder, false},
               {Beside::Folder, false},       {Beside::Fifo, false}};
  const tavik::testing::TemporaryFolder folder;
  const fs::path &top = folder.path();
  fs::permissions(top, fs::perms::all);
  int n = 0;
  for (const auto &c : cases) {
    const fs::path program = top / std::to_string(n++);
    fs::create_directory(program);
    const fs::path setup = program / "setup.res";
    if (c.beside == Beside::WritableFile || c.beside == Beside::ReadOnlyFile || c.beside == Beside::FileInReadOnlyFolder)
      std::ofstream(setup) << "1200,900,0,0,1,0,0\r\n";
    if (c.beside == Beside::Folder) fs::create_directory(setup);
    if (c.beside == Beside::Fifo) {
      ASSERT_EQ(mkfifo(setup.c_str(), 0666), 0);
    }
    if (c.beside != Beside::Nothing) fs::permissions(setup, c.beside == Beside::ReadOnlyFile ? fs::perms(0444) : fs::perms(0666));
    fs::permissions(program, c.beside == Beside::FileInReadOnlyFolder ? fs::perms(0555) : fs::perms::all);
    EXPECT_EQ(choosesProgramFolder(program, "/home/someone/.config/quarnel"), c.portable) << "case " << n - 1;
    fs::permissions(program, fs::perms::all);
  }
}

} // namespace
} // namespace quarnel
