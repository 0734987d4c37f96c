// Where the application finds its driver, in the build tree and installed, and what --check
// reports of it, against real copies of the library in real folders.
#include "link/driver_check.h"
#include "link/driver_location.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace quarnel {
namespace {

namespace fs = std::filesystem;

enum class Put { Nothing, Driver, NotADriver, Folder };

void put(Put what, const fs::path &path) {
  fs::create_directories(path.parent_path());
  if (what == Put::Driver) fs::copy_file(TAVIK_LIBRARY_PATH, path);
  if (what == Put::NotADriver) fs::copy_file(OTHER_LIBRARY_PATH, path);
  if (what == Put::Folder) fs::create_directories(path);
}

TEST(DriverLocation, BesideTheProgramElseTheInstalledLibraryFolderAndNothingElse) {
  struct Case {
    const char *name;
    Put beside;    // bin/libTavik.so.1
    Put installed; // lib/quarnel/libTavik.so.1
    bool viaSymlink;
    const char *expected; // the driver's folder, below the root
    int status;
    const char *why; // in the error, when it does not load
  };
  const Case cases[] = {
      {"build tree", Put::Driver, Put::Nothing, false, "bin", 0, ""},
      {"installed", Put::Nothing, Put::Driver, false, "lib/quarnel", 0, ""},
      {"both: the program's own folder wins", Put::Driver, Put::Driver, false, "bin", 0, ""},
      {"a folder of that name is no library", Put::Folder, Put::Driver, false, "lib/quarnel", 0, ""},
      {"reached through a symlink", Put::Nothing, Put::Driver, true, "lib/quarnel", 0, ""},
      {"missing", Put::Nothing, Put::Nothing, false, "lib/quarnel", 1, "could not be loaded"},
      {"a library without the calls", Put::Nothing, Put::NotADriver, false, "lib/quarnel", 1, "lacks TVK_OPEN"},
  };
  const tavik::testing::TemporaryFolder temporary;
  // A library in the working directory must never be taken.
  const fs::path decoyFolder = temporary.path() / "decoy";
  put(Put::Driver, decoyFolder / tavikLibraryFile);
  const fs::path workingDirectory = fs::current_path();
  fs::current_path(decoyFolder);
  int row = 0;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    // Each row in a folder of its own: the loader reuses a library already loaded from a path.
    const fs::path root = fs::canonical(temporary.path()) / ("row-" + std::to_string(++row));
    put(c.beside, root / "bin" / tavikLibraryFile);
    put(c.installed, root / "lib/quarnel" / tavikLibraryFile);
    fs::create_directories(root / "bin");
    fs::path programFolder = root / "bin";
    if (c.viaSymlink) {
      fs::create_directory_symlink(root, root.string() + "-link");
      programFolder = root.string() + "-link/bin";
    }
    const std::string expected = (root / c.expected / tavikLibraryFile).string();
    EXPECT_EQ(tavikLibraryPath(programFolder.string()), expected);

    std::ostringstream out, err;
    EXPECT_EQ(checkDriver(programFolder.string(), out, err), c.status);
    EXPECT_EQ(out.str().rfind("driver library: " + expected + "\n", 0), 0u) << out.str();
    EXPECT_NE(err.str().find(c.why), std::string::npos) << err.str();
    if (c.status != 0) {
      EXPECT_NE(err.str().find(expected), std::string::npos) << err.str();
    }
  }
  fs::current_path(workingDirectory);
}

} // namespace
} // namespace quarnel
