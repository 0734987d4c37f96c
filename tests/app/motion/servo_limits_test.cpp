// Servo rows from unchecked files still give a travel the motion can use.
#include "motion/servo_limits.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(ServoLimits, EveryRowGivesAnOrderedTravelWithTheHomeInside) {
  struct Case {
    const char *minimum, *home, *maximum;
    int lowest, homeAt, highest;
  };
  const Case cases[] = {
      {"0", "127", "254", 0, 127, 254},      {"20", "0127", "200", 20, 127, 200}, // texts as typed
      {"20", "10", "200", 20, 20, 200},      {"20", "250", "200", 20, 200, 200}, // home brought inside
      {"200", "100", "20", 20, 100, 200},    // reversed range put in order
      {"abc", "", "x", 0, 127, 254},         // no numbers at all
      {"-40", "127", "300", 0, 127, 254},    // beyond what a servo can take
      {"10.5", "99.5", "100.5", 10, 100, 100}, // halves to even
  };
  for (const Case &c : cases) {
    const ServoLimits limits = servoLimits({"S", c.minimum, c.home, c.maximum});
    EXPECT_EQ(limits.lowest, c.lowest) << c.minimum << " " << c.home << " " << c.maximum;
    EXPECT_EQ(limits.home, c.homeAt) << c.minimum << " " << c.home << " " << c.maximum;
    EXPECT_EQ(limits.highest, c.highest) << c.minimum << " " << c.home << " " << c.maximum;
  }
}

} // namespace
} // namespace quarnel
