#pragma once
// The program folder and its files: finding a file whatever its letter case,
// reading text in either of the encodings users' files come in, and saving
// so that a failure never costs the old file.

#include <chrono>
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

// The program folder `AppPath`: always `userDir`, the user's own folder,
// so a new build or an update of the program (its shipped files in
// `programDir`, the executable's folder) never touches the user's files.
// Every start copies into it each shipped file it lacks (all but
// `executableName`), whole or not at all (a killed copy's temporary file
// goes with `RunningInstance`). A file the user has changed, or made, is never
// replaced; one still as it was shipped is brought up to date with a newer
// shipped version (".shipped" in `userDir` lists what was copied). A
// symbolic link in a shipped file's place is never replaced: a newer version
// is saved through it; while it leads nowhere, ReadFileBytes reads the
// shipped file in its stead, saves to it are refused, and `notices` gets a
// message naming it.
// Returns nothing, with `error` set, when `programDir` lacks the data file
// `marker` or the copy fails.
std::optional<std::filesystem::path> ChooseAppPath(const std::filesystem::path& programDir,
                                                   const std::filesystem::path& userDir,
                                                   std::string_view marker,
                                                   std::string_view executableName,
                                                   std::string& error,
                                                   std::vector<std::string>& notices);

// Removes, from `folder` and the folders in it, the temporary files of
// atomic saves that are at least `minimumAge` old, and the lock files of
// saves (".NAME.lock", see FileLock) that no one holds. Returns how many.
int RemoveStaleTempFiles(const std::filesystem::path& folder, std::chrono::seconds minimumAge);

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

// The bytes of the file at `path`; for a shipped file whose link in the
// user's folder leads nowhere, the shipped bytes (see ChooseAppPath).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);
// The decoded lines of a text file; nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path);

// Writes `bytes` to `target` through a temporary file in the same folder and
// a rename, so `target` is either the old file or the whole new one. A
// symbolic link is saved through to the file it points at; a file its owner
// made read-only is refused, and so is a link whose target is missing (the
// link is never replaced). Returns an empty text on success, otherwise what
// went wrong.
std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// A file to save and the bytes it is to hold.
struct FileToSave {
  std::filesystem::path target;
  std::string_view bytes;
};

// Saves files that belong together as WriteFileAtomically saves one: each
// is written in full and synced under a temporary name beside it before
// any takes its name, then they are renamed in the order given. Nothing is
// written when SaveRefusal refuses any of them, and no file changes when
// any cannot be written (a full disk): every temporary file goes again.
// Only a kill or a failed rename between two renames leaves the earlier
// files new and the later ones old. Returns an empty text on success,
// otherwise what went wrong, with `failed` set to the file it concerns.
std::string WriteFilesAtomically(const std::vector<FileToSave>& files,
                                 std::filesystem::path& failed);

// Why WriteFileAtomically would refuse to replace `target` before writing
// anything (read-only, a link to nothing, a folder), or an empty text: for
// a save that must write nothing at all, a backup included, when it cannot
// finish.
std::string SaveRefusal(const std::filesystem::path& target);

// What the start says of `link`, a symbolic link in a shipped file's or
// folder's place that leads nowhere (to nothing, or round in a circle):
// it names the link and where it leads. Shown once a run, whoever finds the
// link first (see ChooseAppPath).
std::string LinkToNothingNotice(const std::filesystem::path& link, bool folder);

// An advisory lock for reading, changing and replacing `file`: a lock file
// beside it (".NAME.lock", removed again on release), held while this
// object lives. Instances of this program wait a few seconds for each
// other; other programs are not held. In a folder where no lock file can be
// made nothing can be saved either, so no lock is needed there.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& file);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  // Whether the lock could not be had: another instance keeps it, or the
  // lock file could not be used. Error() says which.
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  int fd_ = -1;
  std::string path_;
  std::string error_;
};

// The same, telling the user on failure ("Cannot save the file called
// <path>: <reason>.", titled "Warning!"). True when saved.
bool SaveFileAtomically(Host& host, const std::filesystem::path& target, std::string_view bytes);

// The same for files that belong together (see WriteFilesAtomically), the
// failure told as SaveFileAtomically tells it, naming the file concerned.
bool SaveFilesAtomically(Host& host, const std::vector<FileToSave>& files);

// Whether SaveRefusal finds nothing against saving `target`; otherwise
// the user is told as SaveFileAtomically tells a failure. For a refusal
// said before the user is asked anything about the save.
bool CanSave(Host& host, const std::filesystem::path& target);

}  // namespace orv
