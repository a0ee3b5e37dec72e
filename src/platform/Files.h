#pragma once
// The program folder and its files: finding a file whatever its letter case,
// reading text in either of the encodings users' files come in, and saving
// so that a failure never costs the old file.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class Host;

// `name` (with "\" or "/" separators, in any letter case) inside `folder`.
// Each component takes the existing entry whose name equals it case-free, an
// exact match first; components with no such entry are kept as written, so a
// file about to be created lands where it is expected.
std::filesystem::path ResolveInFolder(const std::filesystem::path& folder, std::string_view name);

// The program folder `AppPath`: `programDir` (the executable's folder) when
// it holds the data file `marker` and is writable; otherwise `userDir`,
// filled on first use with a copy of `programDir` (all but `executableName`).
// Returns nothing, with `error` set, when neither can serve.
std::optional<std::filesystem::path> ChooseAppPath(const std::filesystem::path& programDir,
                                                   const std::filesystem::path& userDir,
                                                   std::string_view marker,
                                                   std::string_view executableName,
                                                   std::string& error);

// Text from file bytes, as UTF-8: a valid UTF-8 text stays as it is (a byte
// order mark is dropped), anything else is read as Windows-1252.
std::string DecodeText(std::string_view bytes);

// Windows-1252 `bytes` as UTF-8, every byte one character.
std::string DecodeWindows1252(std::string_view bytes);

// Whether `bytes` is valid UTF-8 (so DecodeText keeps it as it is).
bool IsUtf8(std::string_view bytes);

// UTF-8 `text` as Windows-1252 bytes, for adding to a file in that encoding;
// a character it has no byte for becomes "?".
std::string EncodeWindows1252(std::string_view text);

// Lines of `text`, split at CR LF, LF or a lone CR. A line break at the very
// end does not start another line.
std::vector<std::string> SplitLines(std::string_view text);

// Every line followed by CR LF, as the program's files are written.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);
// The decoded lines of a text file; nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path);

// Writes `bytes` to `target` through a temporary file in the same folder and
// a rename, so `target` is either the old file or the whole new one. Returns
// an empty text on success, otherwise what went wrong.
std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// The same, telling the user on failure ("Cannot save the file called
// <path>: <reason>.", titled "Warning!"). True when saved.
bool SaveFileAtomically(Host& host, const std::filesystem::path& target, std::string_view bytes);

}  // namespace orv
