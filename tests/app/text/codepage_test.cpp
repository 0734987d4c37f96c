// The files' 8-bit character set against the application's UTF-8.
#include "text/codepage.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

TEST(Codepage, EveryByteSurvivesDecodingAndEncoding) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(encodeCodepage(decodeCodepage(all)), all);
}

TEST(Codepage, MapsTheWindowsCharactersAndRefusesOthers) {
  EXPECT_EQ(decodeCodepage("\x80\xE9\x9F"), "\u20AC\u00E9\u0178");
  EXPECT_EQ(encodeCodepage("Dreh\u20AC \u00FC"), "Dreh\x80 \xFC");
  EXPECT_EQ(encodeCodepage("\u2713"), std::nullopt);
  EXPECT_EQ(encodeCodepage("\xFF"), std::nullopt); // not UTF-8
  EXPECT_EQ(firstUnencodable("ab\u00E9\u2713c\u4E2D"), "\u2713");
  EXPECT_EQ(firstUnencodable("Servo\u20AC"), std::nullopt);
}

} // namespace
} // namespace quarnel
