#pragma once
// File > Make new .FIL file: a names file that holds one example record, to
// be edited into the user's own list.

#include <filesystem>
#include <optional>
#include <string_view>

namespace orv {

class Host;

// The example record in names-file order: name, date, time, A/P, zone,
// longitude, latitude, e-mail.
inline constexpr std::string_view kExampleNamesRecord =
    "Example,12 May 1959,10.43,A,6,75.23,39.45,example@example.com";

// Asks where to save (NEW.FIL proposed in `appPath`, overwriting confirmed)
// and writes the example record, ended by CR LF, replacing the file
// atomically. Cancelling writes nothing; a failed write is reported. Returns
// the file written.
std::optional<std::filesystem::path> MakeNewNamesFile(Host& host,
                                                      const std::filesystem::path& appPath);

}  // namespace orv
