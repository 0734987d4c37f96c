// quarnel-play run for real against tavik-board --log, with the real libTavik.so beside it:
// what reaches the wire, the loop count, a stop by signal, a board or output lost mid-run, the
// exit codes and messages, and what a dry run prints.
#include "application_parts.h"
#include "board_process.h"
#include "script_text.h"
#include "sound_samples.h"
#include "spawn_program.h"
#include "temporary_folder.h"
#include "wait_until.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace quarnel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using tavik::testing::BoardProcess;

std::string swing() { return tvk({{"Up", pose(140, 255)}, {"Down", pose(114, 255)}}, {"LOOPSTART", "Up", "Down", "LOOPEND"}); }

// quarnel-play in a folder of its own, its settings in $XDG_CONFIG_HOME as a user's are.
const std::string &playerProgram() {
  static const tavik::testing::TemporaryFolder folder;
  static const std::string program = placePlayerIn(folder.path().string());
  return program;
}

class Player {
public:
  // Standard output goes to `out` when given, else to a file out() reads; `closedStreams` starts
  // it with all three standard streams closed instead.
  explicit Player(std::vector<std::string> args, std::string out = {}, bool closedStreams = false) {
    args.insert(args.begin(), playerProgram());
    if (closedStreams) args.insert(args.begin(), {"/bin/sh", "-c", "exec \"$0\" \"$@\" <&- >&- 2>&-"});
    m_pid = tavik::testing::spawnProgram(args, out.empty() ? m_out.string() : out, m_err);
  }
  // Started with `signal` already pending, as one that came while it loaded: a signal blocked
  // and raised before the exec stays pending through it.
  Player(std::vector<std::string> args, int signal) {
    args.insert(args.begin(), playerProgram());
    std::vector<char *> argv;
    for (auto &a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string out = m_out.string(), err = m_err.string();
    m_pid = fork();
    if (m_pid != 0) return;
    sigset_t pending;
    sigemptyset(&pending);
    sigaddset(&pending, signal);
    sigprocmask(SIG_BLOCK, &pending, nullptr);
    raise(signal);
    dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
    dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  ~Player() {
    if (m_pid > 0) {
      kill(m_pid, SIGKILL);
      waitpid(m_pid, nullptr, 0);
    }
  }
  void signal(int number) const { kill(m_pid, number); }
  // The exit code, or -1 when it did not end within `timeout` (it is then killed).
  int wait(std::chrono::milliseconds timeout = 10s) {
    int status = 0;
    if (!tavik::testing::waitUntil([&] { return waitpid(m_pid, &status, WNOHANG) != 0; }, timeout)) return -1;
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string out() const { return read(m_out); }
  std::string err() const { return read(m_err); }

private:
  static std::string read(const fs::path &path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  tavik::testing::TemporaryFolder m_files;
  fs::path m_out = m_files.path() / "out";
  fs::path m_err = m_files.path() / "err";
  pid_t m_pid = -1;
};

class PlayerTest : public ::testing::Test {
protected:
  // Each test starts with nothing remembered of where the servos were left.
  void SetUp() override { setenv("XDG_CONFIG_HOME", m_settings.path().c_str(), 1); }

  std::string file(const std::string &name, const std::string &bytes) {
    const fs::path path = m_dir / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }
  // A servo's positions on the wire, from the board's log.
  static std::vector<int> onTheWire(const BoardProcess &board, int servo = 0) {
    std::vector<int> positions;
    for (const auto &line : board.lines()) {
      int heard = -1, position = -1;
      if (std::istringstream(line.rest) >> heard >> position && heard == servo) positions.push_back(position);
    }
    return positions;
  }
  // Where the positions turn back, and the last one.
  static std::vector<int> turns(const std::vector<int> &wire) {
    std::vector<int> found;
    for (size_t i = 1; i + 1 < wire.size(); ++i)
      if ((wire[i] - wire[i - 1]) * (wire[i + 1] - wire[i]) < 0) found.push_back(wire[i]);
    if (!wire.empty()) found.push_back(wire.back());
    return found;
  }

  tavik::testing::TemporaryFolder m_files, m_settings;
  const fs::path &m_dir = m_files.path();
};

TEST_F(PlayerTest, ATwoNodeLoopSwingsOnTheWireAndEndsAfterItsPasses) {
  BoardProcess board(true);
  Player player({file("swing.tvk", swing()), "--device", board.link(), "--loops", "2"});
  ASSERT_EQ(player.wait(), 0) << player.err();
  EXPECT_EQ(player.err(), "");

  // The burst of 127 at open, then up to 140, down to 114, twice, one unit at a time.
  const std::vector<int> wire = onTheWire(board);
  ASSERT_FALSE(wire.empty());
  EXPECT_EQ(wire.front(), 127);
  EXPECT_EQ(turns(wire), (std::vector<int>{140, 114, 140, 114}));

  std::vector<std::string> progress;
  std::istringstream lines(player.out());
  for (std::string line; std::getline(lines, line);) progress.push_back(line.substr(line.find(' ') + 1));
  EXPECT_EQ(progress, (std::vector<std::string>{"line 1 pass 1/2: \"LOOPSTART\"", "line 2 pass 1/2: \"Up\"",
                                                "line 3 pass 1/2: \"Down\"", "line 4 pass 1/2: \"LOOPEND\"",
                                                "line 2 pass 2/2: \"Up\"", "line 3 pass 2/2: \"Down\"",
                                                "line 4 pass 2/2: \"LOOPEND\"", "line 5: \"\""}));
}

TEST_F(PlayerTest, AnOverloadedLineStillCarriesTheEndOfEveryMove) {
  // Twelve servos at full speed ask ten times what 9600 bit/s carries, so the driver sends each
  // servo's newest position: the next line may not start before the last one's ends went out.
  std::string low, high;
  for (int slot = 0; slot < 12; ++slot) low += "60,255,", high += "200,255,";
  const std::string script = file("swing.tvk", tvk({{"Low", low}, {"High", high}}, {"LOOPSTART", "Low", "High", "LOOPEND"}));
  const auto giveUp = std::chrono::steady_clock::now() + 20s;
  int runs = 0;
  for (; runs < 4 && std::chrono::steady_clock::now() < giveUp; ++runs) {
    SCOPED_TRACE(runs);
    fs::remove_all(m_settings.path() / "quarnel"); // every run from 127
    BoardProcess board(false); // taking the bytes at the line's speed
    Player player({script, "--device", board.link(), "--loops", "2"});
    ASSERT_EQ(player.wait(20s), 0) << player.err();
    const auto allHome = [&] {
      for (int servo = 0; servo < 12; ++servo)
        if (onTheWire(board, servo).empty() || onTheWire(board, servo).back() != 200) return false;
      return true;
    };
    EXPECT_TRUE(tavik::testing::waitUntil(allHome)) << "the last frames never came";
    for (int servo = 0; servo < 12; ++servo)
      EXPECT_EQ(turns(onTheWire(board, servo)), (std::vector<int>{60, 200, 60, 200})) << "servo " << servo;
    if (HasFailure()) return;
  }
  EXPECT_GE(runs, 2) << "too few runs in the time to tell";
}

TEST_F(PlayerTest, ASignalMidMoveHoldsEveryServoAndClosesTheLink) {
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    fs::remove_all(m_settings.path() / "quarnel"); // each run from 127, not where the last one held
    BoardProcess board(true);
    // 127 units at speed 32: four seconds of travel.
    Player player({file("far.tvk", tvk({{"Far", pose(254, 32)}}, {"Far"})), "--device", board.link()});
    board.waitForLines(40, 5s); // the open's burst and the first steps
    player.signal(signal);
    ASSERT_EQ(player.wait(), 0) << player.err();
    const std::vector<int> held = onTheWire(board);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(onTheWire(board), held) << "a frame after the hold";
    ASSERT_FALSE(held.empty());
    EXPECT_GT(held.back(), 128);
    EXPECT_LT(held.back(), 254);
  }
}

TEST_F(PlayerTest, AStopAskedBeforeThePortOpensEndsWithoutOpeningIt) {
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    BoardProcess board(true);
    Player player({file("swing.tvk", swing()), "--device", board.link()}, signal);
    EXPECT_EQ(player.wait(), 0) << player.err();
    EXPECT_EQ(player.out(), "");
    EXPECT_TRUE(board.waitForLines(1, 300ms).empty()) << "the open's burst reached the board";
  }
}

TEST_F(PlayerTest, AProgressReaderThatTakesNothingHoldsUpNeitherTheShowNorItsSignals) {
  BoardProcess board(true);
  const std::string pipe = (m_dir / "progress").string();
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_EQ(fcntl(reader, F_SETPIPE_SZ, 4096), 4096);
  // A line longer than the whole pipe could never be taken whole.
  const std::string up(5000, 'U');
  const std::string script = tvk({{up, pose(140, 255)}, {"Down", pose(114, 255)}}, {"LOOPSTART", up, "Down", "LOOPEND"});
  Player player({file("long.tvk", script), "--device", board.link()}, pipe);
  // The open's burst, the way to 140 and a dozen swings: long after the pipe was full.
  EXPECT_GE(board.waitForLines(400, 20s).size(), 400u);
  player.signal(SIGTERM);
  EXPECT_EQ(player.wait(), 0) << player.err();
  ::close(reader);
}

TEST_F(PlayerTest, ARunThatLosesItsBoardOrItsOutputEndsSayingWhyWithExit1) {
  enum class Loss { BoardGone, OutputClosed };
  const struct {
    Loss loss;
    std::string message; // after "quarnel-play: "
  } cases[] = {
      {Loss::BoardGone, "the board's device LINK has gone (cable pulled or adapter unplugged): the run stopped.\n"},
      {Loss::OutputClosed, "cannot write to standard output: Broken pipe. The run stopped.\n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.message);
    BoardProcess board(true);
    // The progress goes into a pipe, whose reader may leave mid-run.
    const std::string pipe = (m_dir / "progress").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    Player player({file("swing.tvk", swing()), "--device", board.link()}, pipe); // for ever
    board.waitForLines(40, 5s);
    if (c.loss == Loss::BoardGone) board.stop();
    else ::close(reader);
    ASSERT_EQ(player.wait(), 1) << player.err();
    std::string message = c.message;
    if (const size_t at = message.find("LINK"); at != std::string::npos) message.replace(at, 4, board.link());
    EXPECT_EQ(player.err(), "quarnel-play: " + message);
    if (c.loss == Loss::BoardGone) ::close(reader);
    fs::remove(pipe);
  }
}

TEST_F(PlayerTest, ClosedStandardStreamsSendNoTextDownTheLine) {
  BoardProcess board(true);
  // A WAIT's note is said in the middle of the run, after the port has been opened.
  Player player({file("wait.tvk", tvk({{"Up", pose(128, 255)}}, {"WAIT", "Up"})), "--device", board.link()}, {}, true);
  ASSERT_EQ(player.wait(), 0);
  // The open's burst, then servo 0 to 128; a text would show as errors.
  for (const auto &line : board.waitForLines(33, 2s)) EXPECT_EQ(line.rest.find("error"), std::string::npos) << line.rest;
  const std::vector<int> wire = onTheWire(board);
  ASSERT_FALSE(wire.empty());
  EXPECT_EQ(wire.back(), 128);
}

TEST_F(PlayerTest, ControlCharactersFromTheScriptNeverReachTheTerminal) {
  // An escape sequence that would clear the screen and retitle the window, and the file byte
  // that decodes to a C1 control.
  const std::string name = "Up\x1b[2J\x1b]0;owned\x07\x9d";
  const std::string shown = "Up?[2J?]0;owned??";
  const struct {
    std::vector<std::string> lines;
    bool runs;
    std::string expected; // on standard output when it runs, else on standard error
  } cases[] = {
      {{name}, true, "line 1: \"" + shown + "\""},
      {{name + "x"}, false, "line 1 \"" + shown + "x\" cannot run"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.expected);
    Player player({file("escape.tvk", tvk({{name, pose(128, 255)}}, c.lines)), "--dry-run"});
    EXPECT_EQ(player.wait(), c.runs ? 0 : 2);
    const std::string printed = player.out() + player.err();
    EXPECT_NE((c.runs ? player.out() : player.err()).find(c.expected), std::string::npos) << printed;
    EXPECT_EQ(printed.find_first_of("\x1b\x07"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("\xc2\x9d"), std::string::npos) << printed;
  }
}

TEST_F(PlayerTest, WhatCannotBePlayedIsSaidOnceWithExitCode2AndNothingSent) {
  const std::string script = file("swing.tvk", swing());
  const std::string missing = (m_dir / "missing.tvk").string();
  const std::string notScript = file("notes.tvk", "shopping list\r\n");
  const std::string damaged = file("damaged.tvk", crlf("\"TVKFILE\"\n\"Up\"\n\"1,2,3\"\n\"***\"\n"));
  const std::string unknown = file("unknown.tvk", tvk({{"Up", pose(140, 32)}}, {"Up", "PAUSE 10", "Upp"}));
  const std::string stopped = file("stopped.tvk", tvk({{"Up", pose(140, 0)}}, {"Up"}));
  const std::string silent = file("silent.tvk", tvk({}, {"SOUND silence.wav", "SOUND gone.wav"}));
  ASSERT_TRUE(tavik::testing::writeWaveFile((m_dir / "silence.wav").string(), *tavik::testing::clickTrack({}, 100)));
  const std::string sounding = file("sounding.tvk", tvk({}, {"SOUND silence.wav"}));
  setenv("PULSE_SERVER", ("unix:" + (m_dir / "no-server").string()).c_str(), 1);
  // Servo settings rows named in order, each with its row number, then the end line.
  const auto sst = [](const std::vector<std::string> &names) {
    std::string text;
    for (size_t row = 0; row < names.size(); ++row)
      text += "\"" + names[row] + "\",\"10\",\"100\",\"200\"," + std::to_string(row) + "\n";
    return crlf(text + "\"***\",123\n");
  };
  const std::string twelve = sst({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"});
  const std::string cutShort = file("cut.sst", twelve.substr(0, twelve.size() / 2));
  const std::string endedEarly = file("ended.sst", sst({"a", "b", "***", "d", "e", "f", "g", "h", "i", "j", "k", "l"}));
  const std::string oneRow = file("one.sst", sst({"Shoulder"}));
  const auto lacks = [](const std::string &path, int servo) {
    return "quarnel-play: " + path + " is damaged: it ends early or lacks the row of servo " + std::to_string(servo) + ".";
  };
  const std::string board = "BOARD"; // the board's link, once it runs
  const struct {
    std::vector<std::string> args;
    std::string message; // the start of stderr's first line
    int lines;           // a mistake in the options adds the usage
  } cases[] = {
      {{missing, "--device", board}, "quarnel-play: cannot read the script " + missing + ": ", 1},
      {{notScript, "--device", board}, "quarnel-play: " + notScript + " is not a valid Kelpin file.", 1},
      {{damaged, "--device", board}, "quarnel-play: " + damaged + " is damaged", 1},
      {{unknown, "--device", board}, "quarnel-play: " + unknown + " line 3 \"Upp\" cannot run: no node has this name.", 1},
      {{stopped, "--device", board},
       "quarnel-play: " + stopped + " line 1 \"Up\" cannot run: servo 0 of node \"Up\" has speed 0", 1},
      {{script, "--servos", script, "--device", board}, "quarnel-play: " + script + " holds no servo rows.", 1},
      {{script, "--servos", cutShort, "--device", board}, lacks(cutShort, 6), 1},
      {{script, "--servos", endedEarly, "--device", board}, lacks(endedEarly, 2), 1},
      {{script, "--servos", oneRow, "--device", board}, lacks(oneRow, 1), 1},
      {{script, "--servos", "", "--device", board}, "quarnel-play: --servos needs a file.", 3},
      {{script, "--help-all", "--device", board}, "quarnel-play: Unknown option 'help-all'.", 3},
      {{script, "--device", "/nonexistent/tty"}, "quarnel-play: cannot open serial port 1 (/nonexistent/tty): the device does not exist.", 1},
      {{script, "--loops", "0", "--device", board}, "quarnel-play: --loops takes a whole number of passes from 1 to 1000000000.", 3},
      {{script, "--port", "2", "--device", board}, "quarnel-play: --port and --device name the board twice.", 3},
      {{script, "--baud", "1200", "--device", board}, "quarnel-play: --baud takes 2400, 4800 or 9600.", 3},
      {{"--device", board}, "quarnel-play: Name one script to play.", 3},
      {{silent, "--device", board},
       "quarnel-play: " + silent + " line 2 \"SOUND gone.wav\" cannot run: its sound file " + (m_dir / "gone.wav").string() +
           " cannot be played. No such file or directory.",
       1},
      {{sounding, "--device", board},
       "quarnel-play: " + sounding + " plays sounds, and no sound server plays them: No sound server: Connection refused. "
                                     "--no-sound plays it without them.",
       1},
      {{script, "--sound-offset", "5001", "--device", board},
       "quarnel-play: --sound-offset takes a number of milliseconds from -5000 to 5000.", 3},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.message);
    BoardProcess process(true);
    std::vector<std::string> args = c.args;
    std::replace(args.begin(), args.end(), board, process.link());
    Player player(args);
    EXPECT_EQ(player.wait(), 2);
    const std::string err = player.err();
    EXPECT_EQ(err.rfind(c.message, 0), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), c.lines) << err;
    EXPECT_EQ(player.out(), "");
    std::this_thread::sleep_for(50ms);
    EXPECT_TRUE(process.lines().empty()) << "sent before refusing";
  }
}

// No sound server to be had: with --no-sound, and in a dry run, the sound goes by in silence on
// the clock and a JAW servo opens on its voice and closes again, on the wire as in the printout.
TEST_F(PlayerTest, WithoutTheSoundTheJawStillFollowsIt) {
  setenv("PULSE_SERVER", ("unix:" + (m_dir / "no-server").string()).c_str(), 1);
  ASSERT_TRUE(tavik::testing::writeWaveFile((m_dir / "voice.wav").string(), *tavik::testing::toneBurst(200, 800, 1000)));
  const std::string script = file("jaw.tvk", tvk({}, {"SOUND voice.wav", "JAW 3 40 120", "PAUSE 1200"}));
  for (const bool dryRun : {false, true}) {
    SCOPED_TRACE(dryRun);
    BoardProcess board(true);
    Player player(dryRun ? std::vector<std::string>{script, "--dry-run"}
                         : std::vector<std::string>{script, "--no-sound", "--device", board.link()});
    ASSERT_EQ(player.wait(), 0) << player.err();
    std::vector<int> jaw = onTheWire(board, 3);
    if (dryRun) {
      std::istringstream printed(player.out());
      for (std::string line; std::getline(printed, line);) {
        int ms = 0, servo = -1, position = -1;
        if (std::istringstream(line) >> ms >> servo >> position && servo == 3) jaw.push_back(position);
      }
    }
    ASSERT_GE(jaw.size(), 3u);
    EXPECT_GE(*std::max_element(jaw.begin(), jaw.end()), 100);
    EXPECT_EQ(jaw.back(), 40);
  }
}

TEST_F(PlayerTest, AWholeServoSettingsFileGivesEachServoItsHomeAndRange) {
  std::string rows;
  for (int row = 0; row < 12; ++row) rows += "\"S\",\"10\",\"125\",\"130\"," + std::to_string(row) + "\n";
  const std::string arm = file("arm.sst", crlf(rows + "\"***\",123\n"));
  Player player({file("far.tvk", tvk({{"Far", pose(254, 255)}}, {"Far"})), "--servos", arm, "--dry-run"});
  ASSERT_EQ(player.wait(), 0) << player.err();
  std::vector<int> servo0;
  std::istringstream lines(player.out());
  for (std::string line; std::getline(lines, line);) {
    long long ms = 0;
    int servo = -1, position = -1;
    if (std::istringstream(line) >> ms >> servo >> position && servo == 0) servo0.push_back(position);
  }
  // At home at 125, where nothing is known of it, then only toward the maximum of 130; a late
  // tick may take two steps at once, so the way there is checked, not each unit.
  ASSERT_FALSE(servo0.empty());
  EXPECT_TRUE(std::is_sorted(servo0.begin(), servo0.end())) << "not from home, or not only toward the maximum";
  EXPECT_GT(servo0.front(), 125);
  EXPECT_EQ(servo0.back(), 130);
  EXPECT_EQ(*std::max_element(servo0.begin(), servo0.end()), 130);
}

TEST_F(PlayerTest, ADryRunPrintsEachPositionWithItsTimeAndEndsAfterOnePassOrSaysWhyNot) {
  // Slow enough that no tick, however late on a busy machine, takes two steps at once.
  Player player({file("swing.tvk", tvk({{"Up", pose(131, 32)}, {"Down", pose(129, 32)}}, {"LOOPSTART", "Up", "Down", "LOOPEND"})), "--dry-run"});
  ASSERT_EQ(player.wait(), 0) << player.err();
  std::vector<std::string> moves;
  long long lastMs = -1;
  std::istringstream lines(player.out());
  for (std::string line; std::getline(lines, line);) {
    long long ms = -1;
    std::istringstream fields(line);
    ASSERT_TRUE(fields >> ms) << line;
    EXPECT_GE(ms, lastMs) << line;
    lastMs = ms;
    std::string rest;
    std::getline(fields >> std::ws, rest);
    if (rest.rfind("line", 0) != 0) moves.push_back(rest);
  }
  EXPECT_EQ(moves, (std::vector<std::string>{"0 128", "0 129", "0 130", "0 131", "0 130", "0 129"}));
  EXPECT_GT(lastMs, 400); // four lines, a runner tick each at least

  for (const std::vector<std::string> &args : {std::vector<std::string>{file("swing.tvk", swing()), "--dry-run"},
                                               std::vector<std::string>{"--help"}}) {
    Player full(args, "/dev/full");
    EXPECT_EQ(full.wait(), 1) << args.front() << ": lost output reported as success";
    EXPECT_EQ(full.err().rfind("quarnel-play: cannot write to standard output: No space left on device", 0), 0u) << full.err();
  }

  // With nobody at a terminal, a WAIT is passed over and said so.
  Player unattended({file("wait.tvk", tvk({{"Up", pose(128, 255)}}, {"WAIT", "Up"})), "--dry-run"});
  ASSERT_EQ(unattended.wait(), 0) << unattended.err();
  EXPECT_EQ(unattended.err(), "quarnel-play: WAIT passed over: standard input is not a terminal.\n");
  EXPECT_NE(unattended.out().find(" 0 128\n"), std::string::npos) << unattended.out();
}

} // namespace
} // namespace quarnel
