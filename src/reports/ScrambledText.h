#pragma once
// The scrambled reference texts: the program's own character codec, and the
// listing of one section of a scrambled file into the data window's page.
//
// Each character (a Windows-1252 byte) is stored as the byte
// ((code + A) xor B); line breaks stay plain, so a scrambled file keeps its
// lines. With the program's key pair no stored byte is NUL, LF, CR or
// Ctrl-Z, so every reader sees the lines the writer meant.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/OutputBuffer.h"

namespace orv {

class Host;

// `ScrambleKeyA` and `ScrambleKeyB`.
struct ScrambleKeys {
  std::int16_t A = 0;
  std::int16_t B = 0;
};

// The one key pair the shipped scrambled files are written with. It encodes
// tab and every byte from 32 to 255; it refuses only the control bytes
// 0, 1, 2, 14, 20, 30 and 31.
inline constexpr ScrambleKeys kScrambleKeys{-3, 17};

// `EncodeScrambledText`: `plain` (Windows-1252 bytes) scrambled byte by byte;
// nothing when a byte would be stored outside 0..255 or as NUL, LF, CR or
// Ctrl-Z.
std::optional<std::string> EncodeScrambledText(std::string_view plain,
                                               ScrambleKeys keys = kScrambleKeys);

// `DecodeScrambledText`: the inverse. A byte that no encoding produces (a
// damaged file) decodes to "?".
std::string DecodeScrambledText(std::string_view scrambled, ScrambleKeys keys = kScrambleKeys);

// `DecodeScrambledTextKeepLines`: the same, with CR and LF kept as they are.
std::string DecodeScrambledTextKeepLines(std::string_view scrambled,
                                         ScrambleKeys keys = kScrambleKeys);

// A whole scrambled file from a plain text (UTF-8 or Windows-1252, any line
// ends): each line scrambled and ended by CR LF. Nothing, with `badLine` set
// to the 1-based line, when a line holds a character that cannot be stored.
std::optional<std::string> EncodeScrambledFile(std::string_view plainText, int& badLine,
                                               ScrambleKeys keys = kScrambleKeys);

// The plain lines (UTF-8) of a scrambled file's bytes.
std::vector<std::string> DecodeScrambledLines(std::string_view fileBytes,
                                              ScrambleKeys keys = kScrambleKeys);

// The keys a scrambled section is found by. Each line that takes part has a
// 5-character prefix; the rest of the line is compared, scrambled, with them.
struct ScrambledSectionKeys {
  std::string start;  // `TextStartKey`, scrambled
  std::string end1;   // `TextEndKey1`, scrambled
  std::string end2;   // `TextEndKey2`, scrambled
};

// `ListTextBetweenMarkers`: lists into the page the first section of the
// scrambled file `file` that starts at a line whose text after its prefix is
// `keys.start`, up to (not including) a line whose text after its prefix is
// either end key, or to the end of the file. Each line, prefix included, is
// decoded and listed after two blanks; a line shorter than the prefix lists
// as an empty line. A missing or unreadable file gives one "Cannot find the
// file called <path>.".
void ListTextBetweenMarkers(const std::filesystem::path& file, const ScrambledSectionKeys& keys,
                            OutputState& out, Host& host, ScrambleKeys codec = kScrambleKeys);

}  // namespace orv
