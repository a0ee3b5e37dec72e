// Names upper- and lower-cased by character in every script a names file
// can hold; the expected texts are written by hand.

#include <gtest/gtest.h>

#include <cstdint>

#include "base/LetterCase.h"
#include "base/Text.h"

namespace orv {
namespace {

TEST(LetterCase, NamesInEveryScript) {
  const struct {
    std::string_view text, upper, lower;
  } cases[] = {
      {"Zoë Müller-Lüdenscheid", "ZOË MÜLLER-LÜDENSCHEID", "zoë müller-lüdenscheid"},
      {"Łukasz Wróbel", "ŁUKASZ WRÓBEL", "łukasz wróbel"},
      {"Émile Zola", "ÉMILE ZOLA", "émile zola"},
      {"Ægir Þórsson", "ÆGIR ÞÓRSSON", "ægir þórsson"},
      {"Straße", "STRASSE", "straße"},       // capitals write the sharp s as SS
      {"ẞ", "ẞ", "ß"},                       // the capital sharp s has a one-to-one lower case
      {"Σωκράτης", "ΣΩΚΡΆΤΗΣ", "σωκράτης"},  // no final sigma from a capital: one-to-one only
      {"Пётр Чайковский", "ПЁТР ЧАЙКОВСКИЙ", "пётр чайковский"},
      {"Արամ", "ԱՐԱՄ", "արամ"},
      {"ıİ", "Iİ", "ıİ"},  // dotted capital I lower-cases to two characters: kept
      {"王小明", "王小明", "王小明"},
      {"\U00010437\U0001040F", "\U0001040F\U0001040F", "\U00010437\U00010437"},  // Deseret
      {"a\xFF"
       "b\xC3",
       "A\xFF"
       "B\xC3",
       "a\xFF"
       "b\xC3"},  // bytes that are not UTF-8 stay
      {"\xC3\x28", "\xC3(", "\xC3("},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToUpperText(c.text), c.upper) << c.text;
    EXPECT_EQ(ToLowerText(c.text), c.lower) << c.text;
  }
  EXPECT_EQ(CapitalisedText("éMILE"), "Émile");
  EXPECT_EQ(CapitalisedText("ZOË"), "Zoë");
  EXPECT_EQ(CapitalisedText("łukasz"), "Łukasz");
  EXPECT_EQ(CapitalisedText("ßa"), "SSa");
  EXPECT_EQ(CapitalisedText("\xFF"
                            "AB"),
            "\xFF"
            "ab");
  EXPECT_EQ(CapitalisedText(""), "");
}

// Every code point comes back as exactly one well-formed character (the
// sharp s as two), and ASCII as the ASCII mapping gives it.
TEST(LetterCase, EveryCodePointMapsToOneCharacter) {
  for (std::uint32_t c = 1; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;
    std::string in;
    if (c < 0x80) {
      in = char(c);
    } else if (c < 0x800) {
      in = {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
    } else if (c < 0x10000) {
      in = {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
    } else {
      in = {char(0xF0 | (c >> 18)), char(0x80 | ((c >> 12) & 0x3F)), char(0x80 | ((c >> 6) & 0x3F)),
            char(0x80 | (c & 0x3F))};
    }
    for (const std::string& out : {ToUpperText(in), ToLowerText(in)}) {
      ASSERT_EQ(CharacterCount(out), c == 0xDF && out == "SS" ? 2u : 1u) << std::hex << c;
    }
    if (c < 0x80) {
      ASSERT_EQ(ToUpperText(in), ToUpperAscii(in));
      ASSERT_EQ(ToLowerText(in), ToLowerAscii(in));
    }
  }
}

}  // namespace
}  // namespace orv
