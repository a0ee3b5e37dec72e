#pragma once
// Options.opt (with its default copy Options.mst) and the orb files: reading
// them into their tables and the save rule of their plain-text editors.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/HouseSystem.h"
#include "core/NumberFile.h"

namespace orv {

class Host;

inline constexpr std::string_view kOptionsFileName = "Options.opt";
inline constexpr std::string_view kOptionsDefaultFileName = "Options.mst";
inline constexpr std::string_view kNatalOrbFileName = "NATAL.ORB";

// What option k may hold (k = 1..MaxOptions; element 0 is unused): the
// kind the options register gives it, that kind's range and the value the
// program ships with.
struct OptionRange {
  std::string_view kind;
  float lowest = 0;
  float highest = 0;
  float shipped = 0;
};
const std::array<OptionRange, MaxOptions + 1>& OptionRanges();

// The lines of an option values text, as the Options editor would save
// it, that hold no number or a value outside their option's range, in line
// order.
std::vector<RefusedLine> RefusedOptionLines(std::string_view text);

// The message for the first of `refused` lines of `file`, naming the
// option, what it read and its range, then `outcome` ("The shipped value 5
// is used instead.").
std::string RefusedOptionMessage(const std::filesystem::path& file,
                                 const std::vector<RefusedLine>& refused,
                                 std::string_view outcome);

// `ReadOptionsFile`: `appPath`/Options.opt into `options` (line k into
// element k, up to the first empty line; later elements keep their values).
// A line with no number or a value outside the option's range gives the
// option its shipped value; the first such line is reported.
// A missing Options.opt is made again from Options.mst, with a notice; when
// that copy cannot be written the values come from Options.mst itself.
// Returns whether any file could be read.
bool ReadOptionsFile(Host& host, const std::filesystem::path& appPath, OptionValues& options);

// `ReadOrbFile`: the orb file `orbFile` (a full path, found whatever its
// letter case) into `orbs`. A missing file gives "Cannot find the file called
// <path>." and leaves `orbs` as they were; damage is told as ReadOrbNumbers
// tells it. Returns whether it was read.
bool ReadOrbFile(Host& host, const std::filesystem::path& orbFile, OrbTable& orbs);

// The orbs of `orbFile` (found whatever its letter case) in a table of its
// own: lines beyond the 17th are ignored and orbs the file does not reach
// are 0, so nothing of another file survives. Nothing when the file cannot
// be read; with `host` the file is reported as ReadOrbFile reports it,
// without it nobody is told (a paint).
std::optional<OrbTable> LoadOrbTable(Host* host, const std::filesystem::path& orbFile);

// The house system option 27 names: 2 to 9 exactly, anything else Placidus.
HouseSystemCode HouseSystemAtStart(const OptionValues& options);

// An editor's text of a file: every line followed by CR LF. Nothing when the
// file cannot be read.
std::optional<std::string> LoadEditorText(const std::filesystem::path& path);

// The bytes an editor's text is saved as: its lines with CR LF line ends,
// only one trailing line break dropped before the final one is added, so an
// unchanged text saves byte-identically and a last line typed without a
// break keeps all its characters.
std::string EditorTextToFile(std::string_view text);

// A plain-text editor's Save: writes `text` to `file` (found whatever its
// letter case) atomically by the editor save rule. On failure tells the user
// and leaves the file as it was. Returns whether it was saved.
bool SaveEditorText(Host& host, const std::filesystem::path& file, std::string_view text);

// Reads Options.opt at `optionsPath` again into `options` as
// ReadOptionsFile does, after the Options editor saved it. False when it
// cannot be read.
bool RereadOptionsFile(Host& host, const std::filesystem::path& appPath,
                       const std::filesystem::path& optionsPath, OptionValues& options);

// Restore Default: copies Options.mst over Options.opt (the file as it is
// found, whatever its letter case). The option values are not re-read. On
// failure shows "Error in operation. Cannot do what is requested." and
// leaves Options.opt as it was. Returns whether it was copied.
bool RestoreDefaultOptions(Host& host, const std::filesystem::path& appPath);

}  // namespace orv
