// Why a link could not be opened, found from the real device, and how the link's state reads.
#include "link/link_status.h"
#include "link/link_watch.h"
#include "pseudo_terminal.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>
#include <pty.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quarnel {
namespace {

namespace fs = std::filesystem;

// What a row has made: the folder it may fill, and a pty it may hold or lock.
class Situation {
public:
  Situation() {
    char name[128];
    int slave = -1;
    if (openpty(&m_master, &slave, name, nullptr, nullptr) != 0) throw std::runtime_error("no pty");
    ::close(slave);
    m_ptySlave = name;
  }
  ~Situation() {
    for (int fd : m_held) ::close(fd);
    ::close(m_master);
    chmod(m_ptySlave.c_str(), 0620);
  }
  fs::path folder() const { return m_folder.path(); }
  const std::string &ptySlave() const { return m_ptySlave; }
  void hold(int fd) { m_held.push_back(fd); }

private:
  tavik::testing::TemporaryFolder m_folder;
  int m_master = -1;
  std::string m_ptySlave;
  std::vector<int> m_held;
};

struct Row {
  const char *what;
  std::function<std::string(Situation &)> device; // makes the situation, gives the path
  LinkFault expected;
  bool asAnotherUser = false; // root may open anything: looked at by an ordinary user
};

std::ostream &operator<<(std::ostream &out, const Row &row) { return out << row.what; }

class DiagnoseDevice : public ::testing::TestWithParam<Row> {};

// The diagnosis in a child that has given up root, as the user nobody.
std::optional<LinkFault> diagnoseAsNobody(const std::string &path) {
  const pid_t child = fork();
  if (child == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(100);
    _exit(static_cast<int>(diagnoseDevice(path)));
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) == 100) return std::nullopt;
  return static_cast<LinkFault>(WEXITSTATUS(status));
}

TEST_P(DiagnoseDevice, NamesWhatKeepsTheDeviceFromServing) {
  const Row &row = GetParam();
  Situation situation;
  const std::string path = row.device(situation);
  if (!row.asAnotherUser || geteuid() != 0) {
    EXPECT_EQ(diagnoseDevice(path), row.expected);
    return;
  }
  const auto fault = diagnoseAsNobody(path);
  if (!fault) GTEST_SKIP() << "running as root, and root cannot become an ordinary user here";
  EXPECT_EQ(*fault, row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    RealSituations, DiagnoseDevice,
    ::testing::Values(
        Row{"a path where nothing is", [](Situation &s) { return (s.folder() / "ttyUSB7").string(); }, LinkFault::Missing},
        Row{"a link to a pty that has gone",
            [](Situation &s) {
              fs::create_symlink(s.folder() / "gone", s.folder() / "tavik-com1");
              return (s.folder() / "tavik-com1").string();
            },
            LinkFault::Missing},
        Row{"a regular file",
            [](Situation &s) {
              std::ofstream(s.folder() / "port") << "frames";
              return (s.folder() / "port").string();
            },
            LinkFault::NotSerial},
        Row{"a folder", [](Situation &s) { return s.folder().string(); }, LinkFault::NotSerial},
        Row{"/dev/null", [](Situation &) { return std::string("/dev/null"); }, LinkFault::NotSerial},
        Row{"a pty locked by another opener",
            [](Situation &s) {
              const int fd = ::open(s.ptySlave().c_str(), O_RDWR | O_NOCTTY);
              s.hold(fd);
              EXPECT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
              return s.ptySlave();
            },
            LinkFault::Busy},
        Row{"a pty the user may not open",
            [](Situation &s) {
              chmod(s.ptySlave().c_str(), 0600);
              if (geteuid() != 0) chmod(s.ptySlave().c_str(), 0);
              return s.ptySlave();
            },
            LinkFault::NoPermission, true},
        Row{"a free pty: nothing to be seen", [](Situation &s) { return s.ptySlave(); }, LinkFault::Refused}),
    [](const ::testing::TestParamInfo<Row> &info) { return "row" + std::to_string(info.index); });

TEST(LinkStatus, SaysWhereThePortLeadsAndWhetherItIsOpen) {
  struct Case {
    int32_t port;
    const char *named; // $TAVIK_COM<port>, or nothing when unset
    bool opened;
    std::string summary;
  };
  const Case cases[] = {
      {1, "/dev/ttyUSB0", true, "COM1 → /dev/ttyUSB0, 9600 bit/s: port open"},
      {2, nullptr, true, "COM2 → /dev/ttyS1, 9600 bit/s: port open"},
      {3, "/nonexistent/ttyUSB0", false, "COM3 → /nonexistent/ttyUSB0: not open, no such device"},
      {4, "/dev/null", false, "COM4 → /dev/null: not open, not a serial device"},
      {1, "", false, "COM1: not open, TAVIK_COM1 is empty"}, // never /dev/ttyS0
      {9, nullptr, false, "COM9: not open, no such port"},
  };
  for (const Case &c : cases) {
    const std::string variable = "TAVIK_COM" + std::to_string(c.port);
    if (c.named) setenv(variable.c_str(), c.named, 1);
    else unsetenv(variable.c_str());
    const LinkStatus status = LinkStatus::afterOpen(c.port, 9600, c.opened);
    EXPECT_EQ(status.summary(), c.summary);
    EXPECT_EQ(status.fault.has_value(), !c.opened) << c.summary;
  }

  const LinkStatus denied{1, "/dev/ttyUSB0", 9600, LinkFault::NoPermission};
  EXPECT_EQ(denied.summary(), "COM1 → /dev/ttyUSB0: not open, no permission");
  const LinkStatus lost{1, "/tmp/tavik-com1", 9600, LinkFault::Lost};
  EXPECT_EQ(lost.summary(), "COM1 → /tmp/tavik-com1: not open, the device went away");
  EXPECT_EQ(lost.explanation().rfind("The link to the servo board on COM1 (/tmp/tavik-com1) was lost: ", 0), 0u);
  EXPECT_EQ(denied.explanation(),
            "The link to the servo board on COM1 (/dev/ttyUSB0) could not be opened: you may not use it. Add yourself "
            "to the dialout group (sudo adduser $USER dialout), then log in again.\r\nNothing reaches the board; the "
            "read-outs show where the servos would be.");
}

// A board's line under a link, as tavik-board makes it, and the watch's looks at it. A story's
// steps: S the board starts, E it ends, O the driver opened it, F it could not, L a look.
std::vector<LinkWatch::Change> lookThrough(const std::string &story) {
  Situation situation;
  const fs::path link = situation.folder() / "tavik-com1";
  std::unique_ptr<tavik::testing::PseudoTerminal> board;
  LinkWatch watch;
  std::vector<LinkWatch::Change> looks;
  for (const char step : story) {
    if (step == 'S') {
      // A new node's time is the kernel's coarse clock, a few milliseconds a step; no board
      // starts again faster.
      std::this_thread::sleep_for(std::chrono::milliseconds(30));
      board = std::make_unique<tavik::testing::PseudoTerminal>();
      fs::create_symlink(board->slavePath(), link);
    } else if (step == 'E') {
      board.reset();
      fs::remove(link);
    } else if (step == 'O') {
      watch.opened(link);
    } else if (step == 'F') {
      watch.failed(link);
    } else {
      looks.push_back(watch.check());
    }
  }
  return looks;
}

TEST(LinkWatch, TellsALostLinkAndADeviceBack) {
  using enum LinkWatch::Change;
  const struct {
    const char *what, *story;
    std::vector<LinkWatch::Change> looks;
  } cases[] = {
      {"a board that stays", "SOLL", {None, None}},
      {"a board that ends, then starts again", "SOELLSLOL", {Lost, None, Back, None}},
      // Most often on the same pty number: only the node is new.
      {"a board started again between two looks", "SOESLL", {Lost, Back}},
      {"a board that refused while there is tried again only once it came back", "SFLLELSL", {None, None, None, Back}},
      {"a board not there at the open", "FLSL", {None, Back}},
  };
  for (const auto &c : cases) EXPECT_EQ(lookThrough(c.story), c.looks) << c.what;
}

} // namespace
} // namespace quarnel
