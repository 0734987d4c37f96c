// The position and name checks of a servo row.
#include "servos/servo_rules.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(PositionChecks, NameTheServoAndTheNumbersThatPass) {
  const std::string minimum = "Servo 3 (Elbow) minimum must be a whole number from 0 to ";
  const std::string home = "Servo 3 (Elbow) home must be a whole number from ";
  const std::string maximum = "Servo 3 (Elbow) maximum must be a whole number from ";
  struct Case {
    std::string min, home, max;
    PositionField field;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"0", "127", "254", PositionField::Home, std::nullopt},
      {"90", "90", "90", PositionField::Minimum, std::nullopt},
      {"90", "90", "90", PositionField::Home, std::nullopt},
      {"90", "90", "90", PositionField::Maximum, std::nullopt},
      {"0127", " 127.4 ", "254", PositionField::Minimum, std::nullopt},
      {"-1", "127", "254", PositionField::Minimum, minimum + "127, its home"},
      {"130", "127", "254", PositionField::Minimum, minimum + "127, its home"},
      {"abc", "127", "254", PositionField::Minimum, minimum + "127, its home"},
      {"0", "130", "120", PositionField::Home, home + "0, its minimum, to 120, its maximum"},
      {"0", "", "254", PositionField::Home, home + "0, its minimum, to 254, its maximum"},
      {"0", "127", "255", PositionField::Maximum, maximum + "127, its home, to 254"},
      {"0", "127", "100", PositionField::Maximum, maximum + "127, its home, to 254"},
      {"0", "127", "40000", PositionField::Maximum, maximum + "127, its home, to 254"},
      // A neighbour that is no position, or two that contradict each other, cannot hold the
      // user in this field; the board's own range still does.
      {"0", "junk", "254", PositionField::Minimum, std::nullopt},
      {"300", "junk", "254", PositionField::Minimum, minimum + "254"},
      {"-5", "-10", "254", PositionField::Minimum, minimum + "254"},
      {"0", "300", "260", PositionField::Maximum, maximum + "0 to 254"},
      {"140", "130", "120", PositionField::Home, std::nullopt},
      {"140", "255", "120", PositionField::Home, home + "0 to 254"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.min + " / " + c.home + " / " + c.max + " leaving field " + std::to_string(static_cast<int>(c.field)));
    EXPECT_EQ(positionCheckMessage({"Elbow", c.min, c.home, c.max}, 3, c.field), c.expected);
  }
  // A servo under its default name is called by its number alone.
  EXPECT_EQ(positionCheckMessage({"Servo0", "x", "127", "254"}, 0, PositionField::Minimum),
            "Servo 0 minimum must be a whole number from 0 to 127, its home");
}

TEST(NameCheck, RefusesBlanksSpacesTheEndMarkAndWhatTheFileCannotHold) {
  const std::string blank = "The Servo's Name cannot be blank or contain a space";
  EXPECT_EQ(nameCheckMessage("Servo 1"), blank);
  EXPECT_EQ(nameCheckMessage(""), blank);
  EXPECT_EQ(nameCheckMessage("Servo_1"), std::nullopt);
  EXPECT_EQ(nameCheckMessage("***"),
            "The Servo's Name cannot be ***: it marks the end of a servo settings file");
  EXPECT_EQ(nameCheckMessage("***1"), std::nullopt);
  EXPECT_EQ(nameCheckMessage("Kiefer\u20AC\u00E4"), std::nullopt);
  EXPECT_EQ(nameCheckMessage("Ser\"vo"),
            "The Servo's Name cannot contain a double quote (\"): a servo settings file cannot "
            "store it");
  EXPECT_EQ(nameCheckMessage("Servo\u2713"),
            "The Servo's Name cannot contain the character \u2713: a servo settings file cannot "
            "store it");
}

} // namespace
} // namespace quarnel
