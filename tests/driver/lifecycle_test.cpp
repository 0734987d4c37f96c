// Opening, closing and reopening the link, exclusive use of the port, and devices that fail.
#include "driver_fixture.h"

#include "line_speed.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace tavik::testing {
namespace {

// True when someone else holds the device: an exclusive lock of our own is refused.
bool deviceIsLocked(const std::string &path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return true; // TIOCEXCL refused the open itself
  const bool locked = flock(fd, LOCK_EX | LOCK_NB) != 0;
  ::close(fd);
  return locked;
}

// Runs TVK_CLOSE on its own thread; the time it took, or nothing when it hangs.
std::optional<std::chrono::milliseconds> timedClose(const TavikLibrary &tavik) {
  const auto started = std::chrono::steady_clock::now();
  std::packaged_task<int32_t()> task([&tavik] { return tavik.close(); });
  auto result = task.get_future();
  std::thread(std::move(task)).detach(); // a hung close must not hang the test as well
  if (result.wait_for(5s) != std::future_status::ready) return std::nullopt;
  EXPECT_EQ(result.get(), -1);
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
}

TEST_F(DriverTest, PortNumbersOutsideOneToEightOpenNothing) {
  for (int port : {0, 9, -1, 100}) {
    setenv(("TAVIK_COM" + std::to_string(port)).c_str(), pty.slavePath().c_str(), 1);
    EXPECT_EQ(tavik.open(port, 9600), 0) << port;
  }
  EXPECT_FALSE(deviceIsLocked(pty.slavePath()));
  EXPECT_EQ(transmitThreadCount(), 0);
}

TEST_F(DriverTest, LineIsRaw8N1AtTheClampedSpeed) {
  const std::pair<int, int> speeds[] = {{1200, 2400}, {0, 2400},   {-5, 2400},   {2400, 2400}, {2401, 2401},
                                        {4800, 4800}, {9599, 9599}, {9600, 9600}, {19200, 9600}};
  for (const auto &[asked, expected] : speeds) {
    ASSERT_EQ(tavik.open(1, asked), -1) << asked;
    EXPECT_EQ(readLineSpeed(pty.masterFd()), expected) << "asked for " << asked;
    termios tio{};
    ASSERT_EQ(tcgetattr(pty.masterFd(), &tio), 0);
    if (expected == 2400 || expected == 4800 || expected == 9600) {
      const speed_t code = expected == 2400 ? B2400 : expected == 4800 ? B4800 : B9600;
      EXPECT_EQ(cfgetospeed(&tio), code) << "standard speeds go through the standard codes";
    }
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS));
    EXPECT_TRUE(tio.c_cflag & CREAD);
    EXPECT_TRUE(tio.c_cflag & CLOCAL);
    EXPECT_FALSE(tio.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP));
    EXPECT_FALSE(tio.c_oflag & OPOST);
    EXPECT_FALSE(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN));
    tavik.close();
  }
}

TEST_F(DriverTest, PortIsOpenedForThisLinkAlone) {
  ASSERT_EQ(tavik.open(1, 9600), -1);
  ASSERT_EQ(nextFrames(32).size(), 32u);
  EXPECT_TRUE(deviceIsLocked(pty.slavePath())) << "a second opener in this process got in";
  const pid_t child = fork();
  if (child == 0) _exit(deviceIsLocked(pty.slavePath()) ? 0 : 1);
  int status = -1;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a second process got in: " << status;
  tavik.close();
  EXPECT_FALSE(deviceIsLocked(pty.slavePath())) << "close left the port locked";

  // Held by someone else, named by an empty variable, or not there at all: TVK_OPEN fails and
  // starts nothing.
  const int holder = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
  EXPECT_EQ(tavik.open(1, 9600), 0);
  ::close(holder);
  setenv("TAVIK_COM1", "", 1);
  EXPECT_EQ(tavik.open(1, 9600), 0) << "an empty TAVIK_COM1 opened /dev/ttyS0";
  setenv("TAVIK_COM2", "/nonexistent/tty", 1);
  EXPECT_EQ(tavik.open(2, 9600), 0);
  EXPECT_EQ(transmitThreadCount(), 0);
  EXPECT_EQ(tavik.move(2, 50), -1);
  EXPECT_TRUE(remainingFrames().empty());
}

TEST_F(DriverTest, ADeviceThatIsNoTerminalIsRefusedAndNothingIsWrittenToIt) {
  char folderTemplate[] = "/tmp/tavik-not-a-tty-XXXXXX";
  ASSERT_NE(mkdtemp(folderTemplate), nullptr);
  const std::filesystem::path folder = folderTemplate;
  const std::string file = folder / "plain-file", fifo = folder / "fifo";
  std::ofstream(file) << "kept";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // Held open for reading, so anything written into the pipe would show here.
  const int fifoReader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(fifoReader, 0);
  const int descriptorsBefore = openDescriptorCount();

  for (const std::string &device : {file, fifo, std::string("/dev/null")}) {
    setenv("TAVIK_COM2", device.c_str(), 1);
    EXPECT_EQ(tavik.open(2, 9600), 0) << device;
    EXPECT_EQ(transmitThreadCount(), 0) << device;
    EXPECT_EQ(openDescriptorCount(), descriptorsBefore) << device << ": its descriptor was kept";
  }
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(std::filesystem::file_size(file), 4u);
  char byte;
  EXPECT_LE(::read(fifoReader, &byte, 1), 0) << "frames were written into the pipe";
  ::close(fifoReader);
  std::filesystem::remove_all(folder);
}

TEST_F(DriverTest, CloseReturnsAtOnceWhenThereIsNothingToClose) {
  EXPECT_EQ(tavik.close(), -1);
  EXPECT_EQ(tavik.close(), -1);
  ASSERT_EQ(tavik.open(1, 9600), -1);
  ASSERT_EQ(nextFrames(32).size(), 32u);
  EXPECT_EQ(tavik.close(), -1);
  setenv("TAVIK_COM2", "/nonexistent/tty", 1);
  EXPECT_EQ(tavik.open(2, 9600), 0);
  EXPECT_EQ(tavik.close(), -1);
  EXPECT_EQ(tavik.close(), -1);
  EXPECT_EQ(transmitThreadCount(), 0);
}

TEST_F(DriverTest, SecondOpenClosesTheFirstLinkBeforeOpening) {
  const int descriptorsBefore = openDescriptorCount();
  PseudoTerminal other;
  setenv("TAVIK_COM2", other.slavePath().c_str(), 1);
  ASSERT_EQ(tavik.open(1, 9600), -1);
  ASSERT_EQ(tavik.open(2, 9600), -1);
  EXPECT_EQ(transmitThreadCount(), 1);
  EXPECT_FALSE(deviceIsLocked(pty.slavePath())) << "the first port is still open";
  EXPECT_EQ(framesOf(other.read(96, 3s)), burstFrames(127));
  // The same port twice works too: closed, then opened again.
  ASSERT_EQ(tavik.open(2, 9600), -1);
  EXPECT_EQ(transmitThreadCount(), 1);
  tavik.close();
  EXPECT_EQ(transmitThreadCount(), 0);
  other.closeMaster();
  EXPECT_EQ(openDescriptorCount(), descriptorsBefore) << "a descriptor was lost";
}

TEST_F(DriverTest, RemovedDeviceKeepsTheThreadRunningAndCloseStillEnds) {
  ASSERT_EQ(tavik.open(1, 9600), -1);
  ASSERT_EQ(nextFrames(32).size(), 32u);
  pty.closeMaster();
  for (int servo = 0; servo < 12; ++servo) EXPECT_EQ(tavik.move(servo, 30 + servo), -1);
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(transmitThreadCount(), 1);
  const auto took = timedClose(tavik);
  ASSERT_TRUE(took) << "TVK_CLOSE hangs on a removed device";
  EXPECT_EQ(transmitThreadCount(), 0);
}

TEST_F(DriverTest, StalledDeviceCannotHoldUpClose) {
  // Nobody reads the master: fill the line until the device takes no more, as a wedged
  // adapter would. (Filled after the driver's line set-up, which makes room again.)
  const int filler = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(filler, 0);
  ASSERT_EQ(tavik.open(1, 9600), -1);
  const std::vector<uint8_t> block(4096, 0);
  for (int refused = 0; refused < 3;) {
    if (::write(filler, block.data(), block.size()) > 0) continue;
    ++refused;
    std::this_thread::sleep_for(30ms);
  }
  for (int servo = 0; servo < 12; ++servo) tavik.move(servo, 10 + servo);
  std::this_thread::sleep_for(300ms);
  const auto took = timedClose(tavik);
  ::close(filler);
  ASSERT_TRUE(took) << "TVK_CLOSE hangs on a stalled device";
  // Not a speed goal: a close that waits out every frame's time-out would take seconds.
  EXPECT_LT(took->count(), 2000);
  std::printf("TVK_CLOSE on a stalled device took %lld ms\n", static_cast<long long>(took->count()));
}

} // namespace
} // namespace tavik::testing
