// The conversion of typed and stored texts to numbers.
#include "text/text_number.h"

#include <gtest/gtest.h>

#include <string>

namespace quarnel {
namespace {

TEST(TextToNumber, RoundsHalvesToEvenAndRefusesWhatIsNoSixteenBitNumber) {
  struct Case {
    std::string text;
    std::optional<int16_t> expected;
  };
  const Case cases[] = {
      {"127", 127},        {"0127", 127},        {" 42 ", 42},        {"\t-7\t", -7},
      {"+5", 5},           {"2.5", 2},           {"3.5", 4},          {"-2.5", -2},
      {"-3.5", -4},        {"0.5", 0},           {"1.5", 2},          {"2.51", 3},
      {"2.500000001", 3},  {"2.4999", 2},        {".5", 0},           {"5.", 5},
      {"-0.4", 0},         {"32767", 32767},     {"-32768", -32768},  {"32767.49", 32767},
      {"-32768.5", -32768}, {"32767.5", std::nullopt}, {"32768", std::nullopt},
      {"-32769", std::nullopt}, {"99999999999999999999999", std::nullopt},
      {"", std::nullopt},  {"   ", std::nullopt}, {"abc", std::nullopt}, {"12a", std::nullopt},
      {"1 2", std::nullopt}, {"--1", std::nullopt}, {"- 1", std::nullopt}, {"+", std::nullopt},
      {".", std::nullopt}, {"1e3", std::nullopt}, {"0x10", std::nullopt}, {"1,5", std::nullopt},
      {"1.2.3", std::nullopt}};
  for (const Case &c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    EXPECT_EQ(textToNumber(c.text), c.expected);
  }
}

TEST(TextToReal, KeepsFractionsAndRefusesJunk) {
  EXPECT_EQ(textToReal("1234.5"), 1234.5);
  EXPECT_EQ(textToReal(" -15 "), -15.0);
  EXPECT_EQ(textToReal(".25"), 0.25);
  EXPECT_EQ(textToReal("x"), std::nullopt);
  EXPECT_EQ(textToReal("1e5"), std::nullopt);
  // Too small for a double is 0, not "not a number" (found by the fuzzer).
  const std::string tiny = " 0000." + std::string(400, '0') + "708 ";
  EXPECT_EQ(textToReal(tiny), 0.0);
  EXPECT_EQ(textToNumber(tiny), int16_t{0});
  EXPECT_EQ(textToReal(""), std::nullopt);
  EXPECT_EQ(textToReal(std::string(400, '9')), std::nullopt); // beyond any double
}

} // namespace
} // namespace quarnel
