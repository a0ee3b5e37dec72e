#include <gtest/gtest.h>

#include <string>

#include "wheels/GlyphCodes.h"

namespace orv {
namespace {

// Every symbol the wheels print is drawn as the private-use character U+E000
// + its code. The UTF-8 bytes are worked out by hand at both ends of each code
// group of the wheel code table.
TEST(GlyphText, DrawsEveryWheelSymbolAsItsPrivateUseCharacter) {
  const std::pair<int, const char*> ends[] = {
      {156, "\xEE\x82\x9C"},  // U+E09C retrograde mark
      {161, "\xEE\x82\xA1"},  // U+E0A1 conjunction
      {178, "\xEE\x82\xB2"},  // U+E0B2 contraparallel
      {192, "\xEE\x83\x80"},  // U+E0C0 Aries
      {204, "\xEE\x83\x8C"},  // U+E0CC scale end
      {224, "\xEE\x83\xA0"},  // U+E0E0 Sun
      {239, "\xEE\x83\xAF"},  // U+E0EF Chiron
  };
  for (const auto& [code, bytes] : ends) EXPECT_EQ(GlyphText(code), bytes) << code;
  // Inside the groups the characters run on one by one.
  for (const auto& [first, last] : {std::pair{161, 178}, {192, 204}, {224, 239}}) {
    for (int code = first; code <= last; ++code) {
      const std::string text = GlyphText(code);
      EXPECT_TRUE(IsSymbolCode(code)) << code;
      ASSERT_EQ(text.size(), 3u) << code;
      EXPECT_EQ(text.substr(0, 2), GlyphText(first).substr(0, 2)) << code;
      EXPECT_EQ(text[2] - GlyphText(first)[2], code - first) << code;
    }
  }
  EXPECT_EQ(GlyphCode::PointBase + ChartPoint::Moon, 233);
  EXPECT_EQ(GlyphCode::SignBase + 12, 203);
  EXPECT_EQ(GlyphCode::AspectBase + 2, 161);  // conjunction, `AspectCode` 2
}

TEST(GlyphText, KeepsPrintableAsciiAndDrawsNothingForCodesTheFontDoesNotHold) {
  for (int code = 32; code <= 126; ++code) {
    EXPECT_FALSE(IsSymbolCode(code)) << code;
    EXPECT_EQ(GlyphText(code), std::string(1, static_cast<char>(code))) << code;
  }
  // Controls, DEL, and the gaps around the symbol groups.
  for (const int code : {-1, 0, 31, 127, 155, 157, 160, 179, 191, 205, 223, 240, 256, 0xE0E0}) {
    EXPECT_FALSE(IsSymbolCode(code)) << code;
    EXPECT_EQ(GlyphText(code), "") << code;
  }
}

TEST(GlyphString, MapsEachCodeOfALine) {
  // An aspect list line: two blanks, Sun, blank, trine, blank, Moon.
  const std::string codes = {
      ' ', ' ', static_cast<char>(224), ' ', static_cast<char>(164), ' ', static_cast<char>(233)};
  EXPECT_EQ(GlyphString(codes), "  \xEE\x83\xA0 \xEE\x82\xA4 \xEE\x83\xA9");
  // Degrees, a sign and minutes: "15", Leo, "07"; a code the font lacks vanishes.
  EXPECT_EQ(
      GlyphString(std::string("15") + static_cast<char>(196) + "07" + static_cast<char>(160) + "R"),
      "15\xEE\x83\x84"
      "07R");
}

}  // namespace
}  // namespace orv
