// The driver binding against the real library, a missing one and one without the calls.
#include "control/tavik_binding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

namespace quarnel {
namespace {

TEST(TavikBinding, ReportsAMissingLibraryOrMissingCallsInsteadOfCrashing) {
  TavikBinding missing("/nonexistent/libTavik.so");
  const auto why = missing.bind();
  ASSERT_TRUE(why);
  EXPECT_NE(why->find("/nonexistent/libTavik.so"), std::string::npos) << *why;
  EXPECT_FALSE(missing.open(1, 9600)); // nothing to call: must not crash
  missing.move(0, 10);
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
  setenv("TAVIK_COM4", "/nonexistent/tty", 1);

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
  EXPECT_FALSE(tavik.open(4, 9600)) << "no device for port 4";
  EXPECT_TRUE(tavik.open(3, 9600));
  readUpTo(96); // the burst of 32 frames
  tavik.move(4, 99);
  readUpTo(99);
  tavik.close();
  close(master);
  ASSERT_EQ(wire.size(), 99u);
  EXPECT_EQ(wire.substr(96), std::string("\xff\x04\x63", 3));
}

} // namespace
} // namespace quarnel
