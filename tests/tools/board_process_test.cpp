// The tavik-board program, run for real: its link, its log, the pace of the line, a clean end.
#include "board_process.h"
#include "spawn_program.h"
#include "tavik_library.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
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
  const fs::path path = fs::temp_directory_path() / ("tavik-board-file-" + std::to_string(getpid()));
  std::ofstream(path) << "user data";
  const std::string log = path.string() + ".log";
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
  fs::remove(path);
  fs::remove(log);
}

// A place the board cannot use makes it say so on stderr and end with status 1, soon, leaving
// what was there as it was.
struct RefusedPlace {
  const char *what;
  std::function<std::vector<std::string>(BoardProcess &running, const fs::path &dir)> arguments;
  std::string said; // part of the one line on stderr
};

std::ostream &operator<<(std::ostream &out, const RefusedPlace &row) { return out << row.what; }

class BoardRefuses : public ::testing::TestWithParam<RefusedPlace> {};

TEST_P(BoardRefuses, SaysWhyAndEnds) {
  BoardProcess running(true);
  const fs::path dir = fs::path(running.log()).parent_path();
  std::vector<std::string> args{BoardProcess::program()};
  for (const std::string &a : GetParam().arguments(running, dir)) args.push_back(a);
  const std::string err = (dir / "stderr").string();
  const pid_t pid = tavik::testing::spawnProgram(args, "/dev/null", err);
  // A frame for a board that did start, so a log it cannot write is met.
  for (int i = 0; i < 100 && !fs::is_symlink(dir / "second"); ++i) std::this_thread::sleep_for(10ms);
  if (fs::is_symlink(dir / "second")) {
    const int fd = openRaw((dir / "second").string());
    const uint8_t frame[] = {255, 1, 16};
    EXPECT_EQ(write(fd, frame, sizeof frame), 3);
    close(fd);
  }
  int status = -1;
  for (int i = 0; i < 300 && waitpid(pid, &status, WNOHANG) == 0; ++i) std::this_thread::sleep_for(10ms);
  if (waitpid(pid, &status, WNOHANG) == 0) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    FAIL() << "the board did not end";
  }
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  std::ifstream in(err);
  const std::string said((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(said.find(GetParam().said), std::string::npos) << said;
  // The running board keeps its link and still hears the driver.
  EXPECT_TRUE(fs::is_symlink(running.link()));
  const int fd = openRaw(running.link());
  const uint8_t frame[] = {255, 5, 50};
  EXPECT_EQ(write(fd, frame, sizeof frame), 3);
  close(fd);
  const auto lines = running.waitForLines(1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rest, "5 50");
}

INSTANTIATE_TEST_SUITE_P(
    Places, BoardRefuses,
    ::testing::Values(
        RefusedPlace{"another board's link",
                     [](BoardProcess &running, const fs::path &dir) {
                       return std::vector<std::string>{"--link", running.link(), "--log", (dir / "b.log").string()};
                     },
                     "already leads to the open line"},
        RefusedPlace{"a log on a full disk",
                     [](BoardProcess &, const fs::path &dir) {
                       return std::vector<std::string>{"--link", (dir / "second").string(), "--log", "/dev/full", "--fast"};
                     },
                     "cannot write /dev/full: No space left on device"},
        RefusedPlace{"a log that is a pipe nobody reads",
                     [](BoardProcess &, const fs::path &dir) {
                       mkfifo((dir / "pipe").c_str(), 0600);
                       return std::vector<std::string>{"--link", (dir / "second").string(), "--log", (dir / "pipe").string()};
                     },
                     "it is a pipe nobody reads"}),
    [](const auto &info) { return "case" + std::to_string(info.index); });

} // namespace
