#pragma once
// Options.opt (with its default copy Options.mst) and the orb files: reading
// them into their tables and the save rule of their plain-text editors.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/HouseSystem.h"
#include "core/NumberFile.h"

namespace orv {

class Host;

inline constexpr std::string_view kOptionsFileName = "Options.opt";
inline constexpr std::string_view kOptionsDefaultFileName = "Options.mst";
inline constexpr std::string_view kNatalOrbFileName = "NATAL.ORB";

// Option numbers read by the shell.
namespace OptionNumber {
inline constexpr int HouseSystemAtStart = 27;
inline constexpr int TipOfTheDayAtStart = 42;
}  // namespace OptionNumber

// `ReadOptionsFile`: `appPath`/Options.opt into `options` (line k into
// element k, up to the first empty line; later elements keep their values).
// A missing Options.opt is made again from Options.mst, with a notice; when
// that copy cannot be written the values come from Options.mst itself.
// Returns whether any file could be read.
bool ReadOptionsFile(Host& host, const std::filesystem::path& appPath, OptionValues& options);

// `ReadOrbFile`: the orb file `orbFile` (a full path, found whatever its
// letter case) into `orbs`. A missing file gives "Cannot find the file called
// <path>." and leaves `orbs` as they were. Returns whether it was read.
bool ReadOrbFile(Host& host, const std::filesystem::path& orbFile, OrbTable& orbs);

// The orbs of `orbFile` (found whatever its letter case) in a table of its
// own: lines beyond the 17th are ignored and orbs the file does not reach
// are 0, so nothing of another file survives. Nothing when the file cannot
// be read; with `host` a missing file is then reported as ReadOrbFile does,
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

// The Options editor's Save: writes `text` to Options.opt atomically, then
// reads it again into `options`. On failure tells the user and leaves both
// the file and `options` unchanged. Returns whether it was saved.
bool SaveOptionsText(Host& host, const std::filesystem::path& appPath, std::string_view text,
                     OptionValues& options);

// The orb editor's Save: writes `text` to `orbFile` atomically; the orbs are
// picked up by the next `ReadOrbFile`. Returns whether it was saved.
bool SaveOrbText(Host& host, const std::filesystem::path& orbFile, std::string_view text);

// Restore Default: copies Options.mst over Options.opt (the file as it is
// found, whatever its letter case). The option values are not re-read. On
// failure shows "Error in operation. Cannot do what is requested." and
// leaves Options.opt as it was. Returns whether it was copied.
bool RestoreDefaultOptions(Host& host, const std::filesystem::path& appPath);

}  // namespace orv
