// The position and name checks of a servo row.
#include "servos/servo_rules.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

using Messages = std::vector<std::string>;

TEST(PositionChecks, ShowTheirMessagesInOrder) {
  const std::string minAboveHome = "Minimum value must be LESS than or equal to Home value";
  const std::string minBelowZero = "Minimum value must be GREATER than or equal to 0";
  const std::string homeBelowMin = "Home value must be GREATER than or equal to Minimum value";
  const std::string homeAboveMax = "Home value must be LESS than or equal to Maximum value";
  const std::string maxBelowHome = "Maximum value must be GREATER than or equal to Home value";
  const std::string maxAbove254 = "Maximum value must be LESS than or equal to 254";
  struct Case {
    ServoSetting row;
    PositionField field;
    Messages expected;
  };
  const Case cases[] = {
      {{"S", "0", "127", "254"}, PositionField::Home, {}},
      {{"S", "90", "90", "90"}, PositionField::Minimum, {}},
      {{"S", "90", "90", "90"}, PositionField::Home, {}},
      {{"S", "90", "90", "90"}, PositionField::Maximum, {}},
      {{"S", "0", "130", "120"}, PositionField::Home, {homeAboveMax}},
      {{"S", "140", "130", "120"}, PositionField::Home, {homeBelowMin, homeAboveMax}},
      {{"S", "0", "127", "255"}, PositionField::Maximum, {maxAbove254}},
      {{"S", "0", "127", "254"}, PositionField::Maximum, {}},
      {{"S", "0", "127", "100"}, PositionField::Maximum, {maxBelowHome}},
      {{"S", "0", "300", "260"}, PositionField::Maximum, {maxBelowHome}}, // at most one box
      {{"S", "-1", "127", "254"}, PositionField::Minimum, {minBelowZero}},
      {{"S", "130", "127", "254"}, PositionField::Minimum, {minAboveHome}},
      {{"S", "-5", "-10", "254"}, PositionField::Minimum, {minAboveHome}}, // at most one box
      {{"S", "0127", " 127.4 ", "254"}, PositionField::Minimum, {}},
      {{"S", "abc", "127", "254"}, PositionField::Minimum,
       {"Minimum value must be a number from -32768 to 32767"}},
      {{"S", "0", "", "254"}, PositionField::Home,
       {"Home value must be a number from -32768 to 32767"}},
      {{"S", "0", "127", "40000"}, PositionField::Maximum,
       {"Maximum value must be a number from -32768 to 32767"}},
      // A neighbour that is no number cannot hold the user in this field.
      {{"S", "0", "junk", "254"}, PositionField::Minimum, {}},
      {{"S", "0", "junk", "300"}, PositionField::Maximum, {maxAbove254}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.row.minimum + " / " + c.row.home + " / " + c.row.maximum + " leaving field " +
                 std::to_string(static_cast<int>(c.field)));
    EXPECT_EQ(positionCheckMessages(c.row, c.field), c.expected);
  }
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
