// Whole-file reads and saves on the real disk: links, special files in a file's place, and a
// disk that is full.
#include "tiny_disk.h"
#include "config/file_access.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

namespace quarnel {
namespace {

namespace fs = std::filesystem;

class FileAccessTest : public ::testing::Test {
protected:
  ~FileAccessTest() override {
    for (int fd : sockets) ::close(fd);
  }
  static std::string contents(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void write(const fs::path &path, const std::string &bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  // A socket bound to `path`, as a program listening there leaves it.
  bool bindSocket(const fs::path &path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    sockets.push_back(fd);
    return ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
  }

  tavik::testing::TemporaryFolder folder;
  const fs::path &dir = folder.path();
  std::vector<int> sockets;
};

TEST_F(FileAccessTest, SavesReplaceWholeAndALinkKeepsPointingAtItsFile) {
  const fs::path file = dir / "rig.sst";
  EXPECT_EQ(saveWholeFile(file, "first\r\n"), std::nullopt);
  EXPECT_EQ(readWholeFile(file).bytes, "first\r\n");
  EXPECT_EQ(saveWholeFile(file, "second"), std::nullopt);
  FileRead read = readWholeFile(file);
  EXPECT_EQ(read.error, std::nullopt);
  EXPECT_EQ(read.bytes, "second");

  const fs::path link = dir / "current.sst";
  fs::create_symlink(file.filename(), link);
  EXPECT_EQ(saveWholeFile(link, "through the link"), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(contents(file), "through the link");
  EXPECT_EQ(readWholeFile(link).bytes, "through the link");

  EXPECT_NE(readWholeFile(dir / "missing").error, std::nullopt);
  EXPECT_EQ(readWholeFile(file, 5).error, "The file is too large.");
}

// Each special file is met by its own name and through a link, as a setup.res linked to a
// device was. Reading it must not block; saving must leave it what it was.
TEST_F(FileAccessTest, SpecialFilesAreRefusedNeverBlockedOnOrReplaced) {
  struct Case {
    const char *name;
    std::function<bool(const fs::path &)> make;
    fs::file_type type;
  };
  const Case cases[] = {
      {"named pipe", [](const fs::path &p) { return ::mkfifo(p.c_str(), 0644) == 0; }, fs::file_type::fifo},
      {"socket", [this](const fs::path &p) { return bindSocket(p); }, fs::file_type::socket},
      {"folder", [](const fs::path &p) { return fs::create_directory(p); }, fs::file_type::directory},
      // A device of our own, so a fault here cannot replace one the machine uses. Root only.
      {"device", [](const fs::path &p) { return ::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; },
       fs::file_type::character},
  };
  for (const Case &c : cases) {
    const fs::path special = dir / c.name;
    if (!c.make(special)) {
      std::cout << "[ SKIPPED  ] " << c.name << ": cannot be made here: " << std::strerror(errno) << "\n";
      continue;
    }
    const fs::path link = dir / (std::string(c.name) + " link");
    fs::create_symlink(special.filename(), link);
    for (const fs::path &target : {special, link}) {
      SCOPED_TRACE(target.filename().string());
      const FileRead read = readWholeFile(target);
      ASSERT_TRUE(read.error.has_value());
      EXPECT_NE(read.error->find("not a regular file"), std::string::npos) << *read.error;
      const auto saved = saveWholeFile(target, "new");
      ASSERT_TRUE(saved.has_value());
      EXPECT_NE(saved->find("not a regular file"), std::string::npos) << *saved;
      EXPECT_EQ(fs::symlink_status(special).type(), c.type);
      EXPECT_TRUE(fs::is_symlink(link));
    }
  }
}

TEST_F(FileAccessTest, AFullDiskLeavesTheOldFileWholeAndSaysSo) {
  const std::string old = "1200,900,0,0,1,0,0\r\n";
  const struct {
    bool oldFile; // takes the disk's only page
    size_t size;
  } cases[] = {
      // Smaller than Qt's write buffer, then larger than a page, then larger than the buffer.
      {true, 100},
      {true, 6000},
      {true, 20000},
      // A new file whose first page fits and the rest does not.
      {false, 4097},
      {false, 20000},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c.oldFile << " " << c.size);
    TinyDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << disk.whyNot();
    const std::string file = disk.path("setup.res");
    if (c.oldFile) write(file, old);
    const auto problem = saveWholeFile(file, std::string(c.size, 'x'));
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(*problem, std::strerror(ENOSPC));
    EXPECT_EQ(fs::exists(file) ? contents(file) : "none", c.oldFile ? old : "none");
    EXPECT_EQ(std::distance(fs::directory_iterator(disk.folder()), fs::directory_iterator()), c.oldFile ? 1 : 0);
  }
}

} // namespace
} // namespace quarnel
