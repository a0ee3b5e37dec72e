#pragma once
// The option values file and the orb files: one number per line, read by a
// common rule, into single-precision tables.

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace orv {

// `OptionValues`: element k holds line k of Options.opt (k = 1..244).
inline constexpr int MaxOptions = 244;
using OptionValues = std::array<float, MaxOptions + 1>;

// `OrbTable`: orbs in degrees indexed by `AspectKind` 1..17.
inline constexpr int MaxOrbs = 17;
using OrbTable = std::array<float, MaxOrbs + 1>;

class Host;

// The value of one line: the number at the start of its first 7 characters
// (so "51.42857" reads as 51.4285); anything after is a comment; no number
// gives 0. Nothing when the number is beyond single precision ("1e39").
std::optional<float> SevenCharNumber(std::string_view line);

// Reads a number file into `values[1..]`: line k into element k, until the
// first empty line or the end of the file; lines beyond the table are
// ignored. Elements not reached keep their values, and so does the element
// of a line whose number is too large (its 1-based line number is added to
// `refusedLines` when given). Returns how many lines were read, or nothing
// when the file cannot be read.
std::optional<int> ReadNumberFile(const std::filesystem::path& path, std::span<float> values,
                                  std::vector<int>* refusedLines = nullptr);

// The same, telling the user which lines of `path` were refused.
std::optional<int> ReadNumberFileReporting(Host& host, const std::filesystem::path& path,
                                           std::span<float> values);

}  // namespace orv
