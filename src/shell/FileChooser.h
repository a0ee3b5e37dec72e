#pragma once
// The file chooser of the names, cities and orb file commands: a file dialog
// that opens beside the current file and only returns the path picked.

#include <filesystem>
#include <string>
#include <string_view>

namespace orv {

class Host;

// The patterns the choosers use.
inline constexpr std::string_view kNamesFilePattern = "*.FIL";
inline constexpr std::string_view kCitiesFilePattern = "*.LL";
inline constexpr std::string_view kOrbFilePattern = "*.ORB";

// `SelectFIle`: lets the user pick a file matching `pattern` (one of the
// three above; any letter case matches). The dialog opens in the folder of
// `chooserStartFile` when that folder exists, with that file preselected
// when it exists, else in `appPath`. Returns the full path picked, or an
// empty text when the user cancels. It changes nothing itself: each caller
// reloads its own list after a real choice.
std::string SelectFile(Host& host, const std::filesystem::path& appPath,
                       const std::filesystem::path& chooserStartFile, std::string_view pattern);

}  // namespace orv
