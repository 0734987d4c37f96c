// Opening, closing and reopening the link, exclusive use of the port, and devices that fail.
#include "driver_fixture.h"
#include "temporary_folder.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

TEST_F(DriverTest, PortNumbersOutsideOneToEightOpenNothing) {
  for (int port : {0, 9, -1, 100}) {
    setenv(("TAVIK_COM" + std::to_string(port)).c_str(), pty.slavePath().c_str(), 1);
    EXPECT_EQ(tavik.open(port, 9600), 0) << port;
  }
  EXPECT_FALSE(deviceIsLocked(pty.slavePath()));
  EXPECT_EQ(transmitThreadCount(), 0);
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
  const TemporaryFolder folder;
  const std::string file = folder.file("plain-file"), fifo = folder.file("fifo");
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
  // With no thread and no descriptor left, nothing can write later: what is there now is all.
  EXPECT_EQ(std::filesystem::file_size(file), 4u);
  char byte;
  EXPECT_LE(::read(fifoReader, &byte, 1), 0) << "frames were written into the pipe";
  ::close(fifoReader);
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
  // One move at a time, so that each frame is a write of its own.
  for (int servo = 0; servo < 12; ++servo) {
    const long writesBefore = transmitThreadWriteCalls();
    EXPECT_EQ(tavik.move(servo, 30 + servo), -1);
    EXPECT_TRUE(waitUntil([&] { return transmitThreadWriteCalls() > writesBefore; })) << "servo " << servo << " was not tried";
  }
  EXPECT_EQ(transmitThreadCount(), 1);
  ASSERT_TRUE(closesWithoutHanging(tavik)) << "TVK_CLOSE hangs on a removed device";
  EXPECT_EQ(transmitThreadCount(), 0);
}

} // namespace
} // namespace tavik::testing
