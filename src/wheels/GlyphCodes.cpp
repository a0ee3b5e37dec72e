#include "wheels/GlyphCodes.h"

namespace orv {

bool IsSymbolCode(int code) {
  for (const auto& range : SymbolCodeRanges) {
    if (code >= range.first && code <= range.last) return true;
  }
  return false;
}

std::string GlyphText(int code) {
  if (code >= 32 && code <= 126) return std::string(1, static_cast<char>(code));
  if (!IsSymbolCode(code)) return {};
  // Every symbol character lies in U+0800..U+FFFF: three UTF-8 bytes.
  const char32_t character = SymbolCharacterBase + static_cast<char32_t>(code);
  return {static_cast<char>(0xE0 | (character >> 12)),
          static_cast<char>(0x80 | ((character >> 6) & 0x3F)),
          static_cast<char>(0x80 | (character & 0x3F))};
}

std::string GlyphString(std::string_view codes) {
  std::string text;
  for (const char code : codes) text += GlyphText(static_cast<unsigned char>(code));
  return text;
}

}  // namespace orv
