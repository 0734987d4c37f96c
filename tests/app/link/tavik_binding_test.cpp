// The driver binding against the real library, a missing one, one without the calls and files
// that are no whole library.
#include "link/tavik_binding.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarnel {
namespace {

namespace fs = std::filesystem;

std::string realLibraryBytes() {
  std::ifstream in(TAVIK_LIBRARY_PATH, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Where the last of the library's segments ends; the debug information after it is not loaded.
size_t segmentsEnd(const std::string &library) {
  Elf64_Ehdr header;
  std::memcpy(&header, library.data(), sizeof header);
  size_t end = 0;
  for (int i = 0; i < header.e_phnum; ++i) {
    Elf64_Phdr segment;
    std::memcpy(&segment, library.data() + header.e_phoff + i * sizeof segment, sizeof segment);
    end = std::max<size_t>(end, segment.p_offset + segment.p_filesz);
  }
  return end;
}

void writeFile(const fs::path &path, const std::string &bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(TavikBinding, AFileThatIsNoWholeLibraryIsReportedBeforeItIsLoaded) {
  struct Case {
    const char *what;
    std::function<void(const fs::path &)> make;
    const char *reason;
  };
  const std::string library = realLibraryBytes();
  const size_t loaded = segmentsEnd(library);
  ASSERT_GT(loaded, 4096u);
  const Case cases[] = {
      {"empty", [](const fs::path &p) { writeFile(p, ""); }, "the file is empty."},
      {"cut in half", [&](const fs::path &p) { writeFile(p, library.substr(0, loaded / 2)); }, "the file is incomplete."},
      {"short of its last byte", [&](const fs::path &p) { writeFile(p, library.substr(0, loaded - 1)); }, "the file is incomplete."},
      {"cut inside its program headers", [&](const fs::path &p) { writeFile(p, library.substr(0, 100)); }, "the file is incomplete."},
      {"cut inside its header", [&](const fs::path &p) { writeFile(p, library.substr(0, 20)); }, "the file is incomplete."},
      {"text", [](const fs::path &p) { writeFile(p, "not a library at all\n"); }, "the file is no shared library."},
      {"for another processor", [&](const fs::path &p) {
         std::string other = library;
         other[offsetof(Elf64_Ehdr, e_machine)] ^= 0x40;
         writeFile(p, other);
       }, "the library is built for another kind of machine."},
      {"a pipe", [](const fs::path &p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }, "it is not a regular file."},
  };
  const tavik::testing::TemporaryFolder folder;
  for (const Case &c : cases) {
    const fs::path path = folder.path() / "libTavik.so";
    fs::remove(path);
    c.make(path);
    TavikBinding tavik(path.string());
    const auto why = tavik.bind();
    ASSERT_TRUE(why) << c.what;
    EXPECT_EQ(*why, "The servo driver " + path.string() + " could not be loaded:\n" + c.reason) << c.what;
    EXPECT_FALSE(tavik.open(1, 9600, ServoPositions{})) << c.what;
  }
}

TEST(TavikBinding, ReportsAMissingLibraryOrMissingCallsInsteadOfCrashing) {
  TavikBinding missing("/nonexistent/libTavik.so");
  const auto why = missing.bind();
  ASSERT_TRUE(why);
  EXPECT_NE(why->find("/nonexistent/libTavik.so"), std::string::npos) << *why;
  EXPECT_FALSE(missing.open(1, 9600, ServoPositions{})); // nothing to call: must not crash
  missing.move(0, 10);
  EXPECT_EQ(missing.sent(0), -1);
  missing.close();

  TavikBinding wrong(OTHER_LIBRARY_PATH);
  const auto lacks = wrong.bind();
  ASSERT_TRUE(lacks);
  EXPECT_NE(lacks->find("TVK_OPEN"), std::string::npos) << *lacks;
}

TEST(TavikBinding, DrivesTheRealLibrary) {
  int master = -1, slave = -1;
  char name[128];
  ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
  close(slave);
  setenv("TAVIK_COM3", name, 1);

  TavikBinding tavik(TAVIK_LIBRARY_PATH);
  EXPECT_FALSE(tavik.bind());
  EXPECT_FALSE(tavik.bind()) << "binding twice";
  std::string wire;
  const auto readUpTo = [&](size_t size) {
    while (wire.size() < size) {
      char buf[128];
      const ssize_t n = read(master, buf, size - wire.size());
      if (n <= 0) break;
      wire.append(buf, static_cast<size_t>(n));
    }
  };
  ServoPositions startAt;
  startAt.fill(127);
  startAt[0] = 200;
  startAt[11] = 3;
  setenv("TAVIK_COM4", "/nonexistent/tty", 1);
  EXPECT_FALSE(tavik.open(4, 9600, startAt));
  EXPECT_TRUE(tavik.open(3, 9600, startAt));
  readUpTo(96); // the burst of 32 frames, the twelve servos where they start
  tavik.move(4, 99);
  readUpTo(99);
  tavik.close();
  close(master);
  ASSERT_EQ(wire.size(), 99u);
  std::string burst;
  for (int slot = 0; slot < 32; ++slot) burst += {'\xff', char(slot), char(slot < servoChannels ? startAt[slot] : 127)};
  EXPECT_EQ(wire.substr(0, 96), burst);
  EXPECT_EQ(wire.substr(96), std::string("\xff\x04\x63", 3));
  EXPECT_EQ(tavik.sent(4), 99) << "what the line carried, asked after the close";
}

} // namespace
} // namespace quarnel
