// Writing and reading the start-up settings file setup.res.
#include "config/setup_file.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

constexpr Board eight = Board::EightServos, twelve = Board::TwelveServos;
const SetupRecord fallback{111, 222, 0, 0, twelve, 333, 444};

TEST(SetupFile, IsOneLineOfPlainDecimals) {
  EXPECT_EQ(writeSetupFile({1200, 900, 2, 1, eight, 3000, 450.5}), "1200,900,2,1,0,3000,450.5\r\n");
  EXPECT_EQ(writeSetupFile({-300, -0.0, 0, 0, twelve, -32768, 1e7}),
            "-300,0,0,0,1,-32768,10000000\r\n");
}

TEST(SetupFile, RecordComesBackAsItWasWritten) {
  const SetupRecord records[] = {{1200, 900, 3, 1, eight, 32767, 0.25}, {-15.5, 7, 0, 0, twelve, -5, -9}};
  for (const SetupRecord &r : records) EXPECT_EQ(readSetupFile(writeSetupFile(r), fallback), r);
}

TEST(SetupFile, EachUnusableFieldTakesItsDefaultOnItsOwn) {
  struct Case {
    const char *file;
    SetupRecord expected;
  };
  const Case cases[] = {
      {"", fallback},
      {"garbage", fallback},
      {"1200,900,2,1,0,3000,450\r\n", {1200, 900, 2, 1, eight, 3000, 450}},
      {" 1200 , 900 ,\"2\",1,0,3000,450", {1200, 900, 2, 1, eight, 3000, 450}},
      {"1200,900,4,0,0,3000,450", {1200, 900, 0, 0, eight, 3000, 450}},     // COM port 5
      {"1200,900,-1,0,0,3000,450", {1200, 900, 0, 0, eight, 3000, 450}},
      {"1200,900,1,1,1,3000,450", {1200, 900, 1, 0, twelve, 3000, 450}},     // 2400 with 12 servos
      {"1200,900,1,2,0,3000,450", {1200, 900, 1, 0, eight, 3000, 450}},
      {"1200,900,1,1,2,3000,450", {1200, 900, 1, 0, twelve, 3000, 450}},     // board 2: 12 servos
      {"1200,900,1,0,0,40000,450", {1200, 900, 1, 0, eight, 333, 450}},     // beyond 16 bits
      {"x,900,1,0,0,3000,y", {111, 900, 1, 0, eight, 3000, 444}},
      {"1200,900", {1200, 900, 0, 0, twelve, 333, 444}},
      {"1e9,900,1,0,0,3000,450", {111, 900, 1, 0, eight, 3000, 450}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(readSetupFile(c.file, fallback), c.expected);
  }
}

} // namespace
} // namespace quarnel
