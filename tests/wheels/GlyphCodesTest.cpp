#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "wheels/GlyphCodes.h"

namespace orv {
namespace {

// The code point of `text` when it is exactly one three-byte UTF-8 character.
std::optional<char32_t> SingleThreeByteCharacter(const std::string& text) {
  if (text.size() != 3) return std::nullopt;
  const auto b0 = static_cast<unsigned char>(text[0]);
  const auto b1 = static_cast<unsigned char>(text[1]);
  const auto b2 = static_cast<unsigned char>(text[2]);
  if ((b0 & 0xF0) != 0xE0 || (b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80) return std::nullopt;
  return static_cast<char32_t>(((b0 & 0x0F) << 12) | ((b1 & 0x3F) << 6) | (b2 & 0x3F));
}

// Every symbol the wheels print, with its code as the wheel code table gives it.
struct Symbol {
  const char* name;
  int code;
};
constexpr Symbol kWheelSymbols[] = {
    {"retrograde mark", 156}, {"conjunction", 161},  {"sextile", 162},
    {"square", 163},          {"trine", 164},        {"opposition", 165},
    {"parallel", 166},        {"semi-sextile", 167}, {"semi-square", 168},
    {"sesquisquare", 169},    {"quincunx", 170},     {"semi-quintile", 171},
    {"nonagen", 172},         {"quintile", 173},     {"trecile", 174},
    {"bi-quintile", 175},     {"septile", 176},      {"quindecile", 177},
    {"contraparallel", 178},  {"Aries", 192},        {"Taurus", 193},
    {"Gemini", 194},          {"Cancer", 195},       {"Leo", 196},
    {"Virgo", 197},           {"Libra", 198},        {"Scorpio", 199},
    {"Sagittarius", 200},     {"Capricorn", 201},    {"Aquarius", 202},
    {"Pisces", 203},          {"scale end", 204},    {"Sun", 224},
    {"Mercury", 225},         {"Venus", 226},        {"Mars", 227},
    {"Jupiter", 228},         {"Saturn", 229},       {"Uranus", 230},
    {"Neptune", 231},         {"Pluto", 232},        {"Moon", 233},
    {"North Node", 234},      {"South Node", 235},   {"Part of Fortune", 236},
    {"Ascendant", 237},       {"MC", 238},           {"Chiron", 239},
};

TEST(GlyphText, DrawsEveryWheelSymbolAsItsPrivateUseCharacter) {
  for (const auto& symbol : kWheelSymbols) {
    EXPECT_TRUE(IsSymbolCode(symbol.code)) << symbol.name;
    const auto character = SingleThreeByteCharacter(GlyphText(symbol.code));
    ASSERT_TRUE(character.has_value()) << symbol.name;
    EXPECT_EQ(*character, 0xE000u + static_cast<char32_t>(symbol.code)) << symbol.name;
  }
  // Bytes worked out by hand from the UTF-8 rule, at both ends of each code group.
  EXPECT_EQ(GlyphText(156), "\xEE\x82\x9C");  // U+E09C retrograde mark
  EXPECT_EQ(GlyphText(161), "\xEE\x82\xA1");  // U+E0A1 conjunction
  EXPECT_EQ(GlyphText(178), "\xEE\x82\xB2");  // U+E0B2 contraparallel
  EXPECT_EQ(GlyphText(192), "\xEE\x83\x80");  // U+E0C0 Aries
  EXPECT_EQ(GlyphText(204), "\xEE\x83\x8C");  // U+E0CC scale end
  EXPECT_EQ(GlyphText(224), "\xEE\x83\xA0");  // U+E0E0 Sun
  EXPECT_EQ(GlyphText(239), "\xEE\x83\xAF");  // U+E0EF Chiron
}

TEST(GlyphText, NamedCodesMatchTheWheelTable) {
  EXPECT_EQ(GlyphCode::PointBase + ChartPoint::Sun, 224);
  EXPECT_EQ(GlyphCode::PointBase + ChartPoint::Moon, 233);
  EXPECT_EQ(GlyphCode::PointBase + ChartPoint::PartOfFortune, GlyphCode::Earth);
  EXPECT_EQ(GlyphCode::PointBase + ChartPoint::Chiron, 239);
  EXPECT_EQ(GlyphCode::SignBase + 1, 192);
  EXPECT_EQ(GlyphCode::SignBase + 12, 203);
  EXPECT_EQ(GlyphCode::AspectBase + 2, 161);  // conjunction, `AspectCode` 2
  EXPECT_EQ(GlyphCode::Parallel + 12, GlyphCode::Contraparallel);
  EXPECT_EQ(GlyphFontFace, "Orvanta8");
  EXPECT_EQ(GlyphFontFileName, "orvanta8.ttf");
}

TEST(GlyphText, KeepsTheBlankDigitsAndAsciiAsThemselves) {
  for (int code = 32; code <= 126; ++code) {
    EXPECT_FALSE(IsSymbolCode(code)) << code;
    EXPECT_EQ(GlyphText(code), std::string(1, static_cast<char>(code))) << code;
  }
  EXPECT_EQ(GlyphText('0'), "0");
  EXPECT_EQ(GlyphText('9'), "9");
  EXPECT_EQ(GlyphText(' '), " ");
}

TEST(GlyphText, DrawsNothingForCodesTheFontDoesNotHold) {
  // Controls, DEL, and the gaps around the symbol groups.
  for (const int code :
       {0, 9, 12, 31, 127, 128, 155, 157, 159, 160, 179, 191, 205, 223, 240, 255}) {
    EXPECT_FALSE(IsSymbolCode(code)) << code;
    EXPECT_EQ(GlyphText(code), "") << code;
  }
  EXPECT_EQ(GlyphText(-1), "");
  EXPECT_EQ(GlyphText(256), "");
  EXPECT_EQ(GlyphText(0xE0E0), "");  // a character, not a program code
}

TEST(GlyphString, MapsEachCodeOfALine) {
  // An aspect list line: two blanks, Sun, blank, trine, blank, Moon.
  const std::string codes = {
      ' ', ' ', static_cast<char>(224), ' ', static_cast<char>(164), ' ', static_cast<char>(233)};
  EXPECT_EQ(GlyphString(codes), "  \xEE\x83\xA0 \xEE\x82\xA4 \xEE\x83\xA9");
  // Degrees, a sign and minutes: "15", Leo, "07".
  EXPECT_EQ(GlyphString(std::string("15") + static_cast<char>(196) + "07"),
            "15\xEE\x83\x84"
            "07");
  EXPECT_EQ(GlyphString(std::string(1, static_cast<char>(160)) + "R"), "R");
  EXPECT_EQ(GlyphString(""), "");
}

}  // namespace
}  // namespace orv
