#pragma once
// The option values file and the orb files: one number per line, read by a
// common rule, into single-precision tables.

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
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

// The values one line of a number file may hold, both ends included.
struct ValueRange {
  float lowest = 0;
  float highest = 0;
};

// What an orb file's line may hold: the options register's `orb` kind.
inline constexpr ValueRange kOrbRange{0, 30};

// A line of a number file that was not used: it starts with no number, or
// its number lies outside the line's range.
struct RefusedLine {
  int line = 0;        // 1-based
  std::string text;    // its first 7 characters, trimmed
  bool number = false; // whether they start with a number
};

// The value of one line: the number at the start of its first 7 characters
// (so "51.42857" reads as 51.4285); anything after is a comment. Nothing
// when they start with no number, or the number is beyond single precision
// ("1e39").
std::optional<float> SevenCharNumber(std::string_view line);

// Reads the lines of a number file into `values[1..]`: line k into element
// k, until the first empty line or the end of the lines; lines beyond the
// table are ignored. A line whose value is outside `ranges[k]` (or that
// holds no number) is refused: its element keeps its value and the line is
// added to `refused` when given. Returns how many lines were read.
int ReadNumberLines(const std::vector<std::string>& lines, std::span<float> values,
                    std::span<const ValueRange> ranges, std::vector<RefusedLine>* refused);

// The same from a file; nothing when it cannot be read.
std::optional<int> ReadNumberFile(const std::filesystem::path& path, std::span<float> values,
                                  std::span<const ValueRange> ranges,
                                  std::vector<RefusedLine>* refused = nullptr);

// Every element of an orb table: `kOrbRange`.
const std::array<ValueRange, MaxOrbs + 1>& OrbRanges();

// What is wrong with the lines of an orb file, which should hold its 17 orbs,
// each a number alone or followed by a blank and a label.
struct OrbFileFaults {
  int read = 0;                        // lines read as orbs, at most MaxOrbs
  bool endsAtEmptyLine = false;        // reading stopped at an empty line, not the end
  std::vector<RefusedLine> refused;    // no number, or outside kOrbRange: not used
  std::vector<RefusedLine> strayText;  // a number that runs into other text in the first
                                       // 7 characters ("10abc"): read as the number
  bool Any() const { return read < MaxOrbs || !refused.empty() || !strayText.empty(); }
};

// Reads the lines of an orb file into `orbs` as ReadNumberLines does and
// says what is wrong with them.
OrbFileFaults ReadOrbLines(const std::vector<std::string>& lines, OrbTable& orbs);

// Whether a message on orb file faults is told on reading the file (refused
// orbs were not changed) or on refusing an editor's save (nothing saved).
enum class OrbFaultsFound { Reading, Saving };

// The message naming `file` and each kind of fault in `faults` by its first
// line (`faults.Any()` must hold), ending with what was done and "Please
// correct the file."
std::string OrbFileFaultMessage(const std::filesystem::path& file, const OrbFileFaults& faults,
                                OrbFaultsFound when);

// An orb file read by ReadNumberFile. A missing file is told as
// ReportMissingFile does, one that cannot be read (a folder of that name)
// and a damaged one the first time that file is found so (a file read again
// at every command is not reported at every command). Nothing when it
// cannot be read; otherwise how many lines were read.
std::optional<int> ReadOrbNumbers(Host& host, const std::filesystem::path& path, OrbTable& orbs);

}  // namespace orv
