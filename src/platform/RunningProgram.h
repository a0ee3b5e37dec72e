#pragma once
// Where the running program's executable is, known before any Qt object
// exists, so start-up can look at its folder while Qt starts.

#include <filesystem>

namespace orv {

// The executable's path as the system knows it (links resolved); when the
// system does not say, `argv0` made absolute.
std::filesystem::path RunningProgramFile(const char* argv0);

}  // namespace orv
