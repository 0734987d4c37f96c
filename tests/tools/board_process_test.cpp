// The tavik-board program, run for real: its link, its log, the pace of the line, a clean end.
#include "board_process.h"
#include "spawn_program.h"
#include "tavik_library.h"
#include "temporary_folder.h"
#include "wait_until.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using tavik::testing::BoardProcess;

// The line as a raw 8N1 device would be set, for writing test bytes into the board.
int openRaw(const std::string &path) {
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY);
  termios tio{};
  tcgetattr(fd, &tio);
  cfmakeraw(&tio);
  tcsetattr(fd, TCSANOW, &tio);
  return fd;
}

// The program's wait status once it has ended; one that has not within three seconds hangs, and
// is killed.
int statusOnEnd(pid_t pid) {
  int status = -1;
  if (tavik::testing::waitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, 3s)) return status;
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  return status;
}

TEST(BoardProcess, LogsEveryFrameAndEveryDamagedByteThenEndsCleanly) {
  BoardProcess board(true);
  ASSERT_TRUE(fs::is_symlink(board.link()));
  const int fd = openRaw(board.link());
  ASSERT_GE(fd, 0);
  const uint8_t bytes[] = {255, 2, 100, 9, 255, 40, 1, 255, 31, 254};
  ASSERT_EQ(write(fd, bytes, sizeof bytes), static_cast<ssize_t>(sizeof bytes));
  close(fd);
  const auto lines = board.waitForLines(4);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].rest, "2 100");
  EXPECT_EQ(lines[1].rest, "error stray byte 9");
  EXPECT_EQ(lines[2].rest, "error servo 40 out of range, position 1");
  EXPECT_EQ(lines[3].rest, "31 254");
  for (size_t i = 1; i < lines.size(); ++i) EXPECT_LE(lines[i - 1].us, lines[i].us);

  const int status = board.stop();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_FALSE(fs::exists(fs::symlink_status(board.link()))) << "the link was left behind";
}

TEST(BoardProcess, TakesBytesAtTheSpeedTheDriverSetAndSurvivesItsClose) {
  BoardProcess board(false);
  setenv("TAVIK_COM1", board.link().c_str(), 1);
  const auto &tavik = tavik::testing::TavikLibrary::get();
  ASSERT_EQ(tavik.open(1, 2400), -1);
  auto lines = board.waitForLines(32);
  ASSERT_EQ(lines.size(), 32u);
  // 31 frames of 30 bits at 2400 bit/s lie between the first frame and the last: 387.5 ms.
  // The board may take longer on a busy machine, never less.
  EXPECT_GE(lines[31].us - lines[0].us, 370'000) << "the board read faster than the line carries";
  EXPECT_EQ(tavik.close(), -1);

  // The line stays up across the driver's close, and the next open is not refused.
  ASSERT_EQ(tavik.open(1, 9600), -1);
  lines = board.waitForLines(64);
  EXPECT_EQ(lines.size(), 64u);
  EXPECT_EQ(lines.back().rest, "31 127");
  EXPECT_EQ(tavik.close(), -1);
}

TEST(BoardProcess, RefusesToReplaceAFileThatIsNotALink) {
  const tavik::testing::TemporaryFolder folder;
  const fs::path path = folder.path() / "board";
  std::ofstream(path) << "user data";
  const std::string log = folder.file("board.log");
  const pid_t pid = fork();
  if (pid == 0) {
    const int devnull = open("/dev/null", O_WRONLY);
    dup2(devnull, STDERR_FILENO);
    execl(BoardProcess::program(), BoardProcess::program(), "--link", path.c_str(), "--log", log.c_str(), nullptr);
    _exit(127);
  }
  int status = -1;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  std::ifstream in(path);
  std::string content;
  std::getline(in, content);
  EXPECT_EQ(content, "user data");
}

// A place the board cannot use makes it say so on stderr and end with status 1, soon; the
// board already running beside it keeps its link and hears what is sent there, and a log
// named for a board that is refused keeps what it held. In the arguments, LINK is the running
// board's link and DIR its folder.
TEST(BoardProcess, RefusesAPlaceItCannotUseAndEnds) {
  const struct {
    std::vector<std::string> arguments;
    std::string said;
  } cases[] = {
      {{"--link", "LINK", "--log", "DIR/b.log"}, "already leads to the open line"},
      {{"--link", "DIR/second", "--log", "/dev/full", "--fast"}, "cannot write /dev/full: No space left on device"},
      {{"--link", "DIR/second", "--log", "DIR/pipe"}, "it is a pipe nobody reads"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.said);
    BoardProcess running(true);
    const std::string dir = fs::path(running.log()).parent_path().string();
    mkfifo((dir + "/pipe").c_str(), 0600);
    std::ofstream(dir + "/b.log") << "an earlier run\n";
    std::vector<std::string> args{BoardProcess::program()};
    for (std::string a : c.arguments) {
      if (a == "LINK") a = running.link();
      if (a.starts_with("DIR")) a.replace(0, 3, dir);
      args.push_back(a);
    }
    const pid_t pid = tavik::testing::spawnProgram(args, "/dev/null", dir + "/stderr");
    // A frame for a board that did start, so it meets the log it cannot write.
    tavik::testing::waitUntil([&] { return fs::is_symlink(dir + "/second"); }, 1s);
    for (const std::string &link : {dir + "/second", running.link()}) {
      if (!fs::is_symlink(link)) continue;
      const int fd = openRaw(link);
      const uint8_t frame[] = {255, 5, 50};
      const ssize_t written = write(fd, frame, sizeof frame);
      // The refused board may have closed its line between the look and the write.
      const bool refusedBoardGone = link != running.link() && written == -1 && errno == EIO;
      if (!refusedBoardGone) {
        EXPECT_EQ(written, 3) << strerror(errno);
      }
      close(fd);
    }
    const int status = statusOnEnd(pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    std::ifstream err(dir + "/stderr");
    EXPECT_NE(std::string(std::istreambuf_iterator<char>(err), {}).find(c.said), std::string::npos);
    const auto lines = running.waitForLines(1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rest, "5 50");
    std::ifstream kept(dir + "/b.log");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "an earlier run\n");
  }
}

// A log read through a pipe whose reader leaves: the board says so and ends with status 1,
// its link removed, rather than being killed by SIGPIPE with its link left behind.
TEST(BoardProcess, EndsWithAMessageWhenItsLogsReaderLeaves) {
  BoardProcess running(true); // for its folder
  const std::string dir = fs::path(running.log()).parent_path().string();
  const std::string pipe = dir + "/pipe", link = dir + "/second";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  // Opened before the board, so that it finds a reader; not passed on to it.
  FILE *reader = fopen(pipe.c_str(), "r+e");
  ASSERT_NE(reader, nullptr);
  const pid_t pid = tavik::testing::spawnProgram({BoardProcess::program(), "--link", link, "--log", pipe, "--fast"},
                                                 "/dev/null", dir + "/stderr");
  tavik::testing::waitUntil([&] { return fs::is_symlink(link); }, 2s);
  const int fd = openRaw(link);
  ASSERT_GE(fd, 0);
  const uint8_t frame[] = {255, 5, 50};
  ASSERT_EQ(write(fd, frame, sizeof frame), 3);
  char line[64] = {};
  ASSERT_NE(fgets(line, sizeof line, reader), nullptr);
  EXPECT_NE(std::string(line).find(" 5 50"), std::string::npos) << line;
  fclose(reader);
  ASSERT_EQ(write(fd, frame, sizeof frame), 3);
  close(fd);

  const int status = statusOnEnd(pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  std::ifstream err(dir + "/stderr");
  EXPECT_NE(std::string(std::istreambuf_iterator<char>(err), {}).find("cannot write " + pipe + ": its reader has gone"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(fs::symlink_status(link))) << "the link was left behind";
}

} // namespace
