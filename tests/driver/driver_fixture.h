// A test fixture: the driver under test with port 1 pointing at a fresh pty.
#pragma once

#include "open_descriptors.h"
#include "pseudo_terminal.h"
#include "tavik_library.h"
#include "wait_until.h"
#include "wire.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

namespace tavik::testing {

using namespace std::chrono_literals;

// The driver this test program calls: the real loaded libTavik.so, or the driver's objects linked
// in on a time source of the test's own.
const TavikLibrary &driverUnderTest();

class DriverTest : public ::testing::Test {
protected:
  void SetUp() override { setenv("TAVIK_COM1", pty.slavePath().c_str(), 1); }
  void TearDown() override { tavik.close(); }

  // The next `count` frames, waiting up to `timeout` for them.
  std::vector<Frame> nextFrames(size_t count, std::chrono::milliseconds timeout = 3s) {
    return framesOf(pty.read(count * 3, timeout));
  }
  // Every frame until the line has been quiet for a while.
  std::vector<Frame> remainingFrames() { return framesOf(pty.readUntilQuiet(150ms)); }

  const TavikLibrary &tavik = driverUnderTest();
  PseudoTerminal pty;
};

// Transmit threads of this process, found by the name the driver gives its thread.
int transmitThreadCount();
// The write calls the transmit threads of this process have made so far, failed ones included.
long transmitThreadWriteCalls();
// Runs TVK_CLOSE on a thread of its own; false when it has not returned within five seconds.
bool closesWithoutHanging(const TavikLibrary &tavik);

} // namespace tavik::testing
