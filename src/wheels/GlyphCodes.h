#pragma once
// The character codes of the glyph font "Orvanta8" and the text that draws them.
//
// The wheels keep the font's codes as program codes (planet 223 + point, sign 191 + sign, ...).
// The font holds those symbols at the private-use characters U+E000 + code instead, so that text
// with Latin-1 letters (a person's name) never turns into glyphs; GlyphText is the one place
// where a program code becomes the character that is drawn.

#include <array>
#include <string>
#include <string_view>

#include "core/ChartPoints.h"
#include "shell/Startup.h"

namespace orv {

// Face name of the glyph font; its file in the program folder is
// `kGlyphFontFileName`, which start-up installs.
inline constexpr std::string_view GlyphFontFace = "Orvanta8";

namespace GlyphCode {
inline constexpr int RetrogradeMark = 156;
inline constexpr int AspectBase = 159;      // + `AspectCode`: 161 conjunction .. 177 quindecile
inline constexpr int Parallel = 166;        // `AspectCode` 7
inline constexpr int Contraparallel = 178;  // the parallel + 12
inline constexpr int SignBase = 191;        // + sign 1 (Aries) .. 12 (Pisces)
inline constexpr int ScaleEnd = 204;        // Aries again, closing a 360-degree sign scale
inline constexpr int PointBase = 223;       // + `ChartPoint`: 224 Sun .. 239 Chiron
inline constexpr int Earth = 236;           // shares the Part of Fortune's code
}  // namespace GlyphCode

// An inclusive range of program codes.
struct GlyphCodeRange {
  int first;
  int last;
};

// Every program code the font draws as a symbol.
inline constexpr std::array<GlyphCodeRange, 4> SymbolCodeRanges{{
    {GlyphCode::RetrogradeMark, GlyphCode::RetrogradeMark},
    {GlyphCode::AspectBase + 2, GlyphCode::Contraparallel},
    {GlyphCode::SignBase + 1, GlyphCode::ScaleEnd},
    {GlyphCode::PointBase + 1, GlyphCode::PointBase + NumPoints},
}};

// The character of symbol code c is U+E000 + c.
inline constexpr char32_t SymbolCharacterBase = 0xE000;

// Whether the font draws program code `code` as a symbol.
bool IsSymbolCode(int code);

// The UTF-8 text that draws program code `code` in the glyph font: a symbol code gives its
// private-use character, a printable ASCII code (the blank, the digits, 32..126) gives itself,
// and any other code gives "" (the font has nothing to draw for it).
std::string GlyphText(int code);

// GlyphText of each byte of `codes` (program codes 0..255), joined.
std::string GlyphString(std::string_view codes);

}  // namespace orv
