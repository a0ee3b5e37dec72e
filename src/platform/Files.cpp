#include "platform/Files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <map>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "base/Text.h"
#include "platform/Host.h"

namespace fs = std::filesystem;

namespace orv {

fs::path ResolveInFolder(const fs::path& folder, std::string_view name) {
  fs::path current = folder;
  size_t pos = 0;
  while (pos <= name.size()) {
    size_t cut = name.find_first_of("\\/", pos);
    if (cut == std::string_view::npos) cut = name.size();
    const std::string_view part = name.substr(pos, cut - pos);
    pos = cut + 1;
    if (part.empty() || part == ".") continue;
    const fs::path exact = current / std::string(part);
    std::error_code ec;
    if (part == ".." || fs::exists(exact, ec)) {
      current = exact;
      continue;
    }
    fs::path found = exact;
    for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
      if (EqualsIgnoreCase(it->path().filename().string(), part)) {
        found = it->path();
        break;
      }
    }
    current = found;
  }
  return current;
}

namespace {

// Temporary files of the atomic saves begin so, which tells them apart from
// any file of the user's.
constexpr std::string_view kTempPrefix = ".~orv-";

bool IsTempName(const fs::path& path) {
  return path.filename().string().starts_with(kTempPrefix);
}

// FileLock's file for a file NAME is ".NAME.lock"; the running-instance lock
// shares the pattern and is no save's.
constexpr std::string_view kLockSuffix = ".lock";
constexpr std::string_view kInstanceLockName = ".running.lock";

bool IsSaveLockName(const fs::path& path) {
  const std::string name = path.filename().string();
  return name.size() > 1 + kLockSuffix.size() && name.front() == '.' &&
         name.ends_with(kLockSuffix) && name != kInstanceLockName;
}

// Removes the lock file `path` unless someone holds it. It is removed while
// locked, as FileLock lets go of it, so an instance that opened it a moment
// before sees it gone and makes a new one.
bool RemoveUnheldLock(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return false;
  struct stat held {};
  struct stat named {};
  // A lock file is always empty: anything else is not one of ours. Only the
  // file still under its name once locked is the one removed.
  const bool removed = ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && held.st_size == 0 &&
                       ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0 &&
                       held.st_dev == named.st_dev && held.st_ino == named.st_ino &&
                       ::unlink(path.c_str()) == 0;
  ::close(fd);
  return removed;
}

// The shipped contents of a file whose place in the user's folder is a link
// to nothing, read in its stead (ReadFileBytes) while the link leads nowhere.
// The temporary-file prefix lets the next start clear it; that start writes
// it again if the link still leads nowhere.
fs::path StandInPath(const fs::path& link) {
  return link.parent_path() / (std::string(kTempPrefix) + "shipped-" + link.filename().string());
}

// Whether `path` is a symbolic link whose target cannot be had.
bool IsLinkToNothing(const fs::path& path) {
  struct stat link {};
  struct stat target {};
  return ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) &&
         ::stat(path.c_str(), &target) != 0;
}

bool IsLink(const fs::path& path) {
  struct stat link {};
  return ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
}

// What each file copied into the user's folder held when it was shipped.
constexpr std::string_view kShippedListName = ".shipped";

// FNV-1a of the bytes: the same on every machine and every run.
std::string ContentTag(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return std::to_string(hash);
}

// A shipped file's entry: its tag when copied, and the sizes and change
// times of the shipped file and the user's copy when last compared. While
// both still show that stamp, the comparison would come out as it did, so
// neither file is read again.
struct ShippedEntry {
  std::string tag;
  std::string stamp;
  bool operator==(const ShippedEntry&) const = default;
};
using ShippedList = std::map<std::string, ShippedEntry>;

// "tag TAB name [TAB stamp]" lines into name -> entry.
ShippedList ReadShippedList(const fs::path& path) {
  ShippedList list;
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return list;
  for (const std::string& line : SplitLines(*bytes)) {
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    const size_t second = line.find('\t', tab + 1);
    ShippedEntry& entry = list[line.substr(tab + 1, second - tab - 1)];
    entry.tag = line.substr(0, tab);
    if (second != std::string::npos) entry.stamp = line.substr(second + 1);
  }
  return list;
}

std::int64_t ChangeTimeNs(const struct stat& st) {
  return std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

// The stamp of a shipped file and the user's copy; empty while a change
// could still go unseen: a file written again within the file system's
// timestamp step keeps its time, so only a copy older than that step is
// known by its time and size. Without nanoseconds the step may be seconds.
std::string StampOf(const struct stat& shipped, const struct stat& mine) {
  const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                               std::chrono::system_clock::now().time_since_epoch())
                               .count();
  const std::int64_t step = mine.st_mtim.tv_nsec == 0 ? 3'000'000'000 : 50'000'000;
  if (now - ChangeTimeNs(mine) < step || now - ChangeTimeNs(shipped) < step) return {};
  return std::to_string(shipped.st_size) + ":" + std::to_string(ChangeTimeNs(shipped)) + ":" +
         std::to_string(mine.st_size) + ":" + std::to_string(ChangeTimeNs(mine)) + ":" +
         std::to_string(mine.st_ino);
}

// A copy written whole under a temporary name beside its place, not yet
// moved there.
struct StagedCopy {
  std::string temp;
  fs::path to;
  std::string name;
};

// Writes `bytes` to a new temporary file beside `to`, with permissions
// `mode`, and waits for the disk when `sync` (staged copies are synced
// together instead). On failure nothing is left behind.
std::string WriteTemporary(const fs::path& to, std::string_view bytes, mode_t mode, bool sync,
                           std::string& temp) {
  temp = (to.parent_path() / (std::string(kTempPrefix) + to.filename().string() + ".XXXXXX"))
             .string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return std::strerror(errno);
  int err = ::fchmod(fd, mode) == 0 ? 0 : errno;
  for (size_t done = 0; err == 0 && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno != EINTR) err = errno;
    if (n > 0) done += size_t(n);
  }
  if (err == 0 && sync && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0) return {};
  ::unlink(temp.c_str());
  return std::strerror(err);
}

// Syncs the staged copies to disk at once (one sync of the file system
// instead of one per file), then moves each into its place, so a crash
// leaves either a copy's temporary file or the whole copy.
std::string PlaceStagedCopies(const fs::path& folder, const std::vector<StagedCopy>& staged,
                              ShippedList& shipped,
                              const std::map<std::string, struct stat>& from) {
  if (staged.empty()) return {};
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::syncfs(dir);
    ::close(dir);
  }
  std::string failure;
  for (const StagedCopy& copy : staged) {
    if (!failure.empty() || ::rename(copy.temp.c_str(), copy.to.c_str()) != 0) {
      if (failure.empty()) failure = std::strerror(errno);
      ::unlink(copy.temp.c_str());
      shipped.erase(copy.name);
      continue;
    }
    struct stat mine {};
    if (::stat(copy.to.c_str(), &mine) == 0)
      shipped[copy.name].stamp = StampOf(from.at(copy.name), mine);
  }
  return failure;
}

}  // namespace

int RemoveStaleTempFiles(const fs::path& folder, std::chrono::seconds minimumAge) {
  int removed = 0;
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  fs::recursive_directory_iterator it(folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    if (IsSaveLockName(it->path())) {
      if (RemoveUnheldLock(it->path())) ++removed;
      continue;
    }
    if (!IsTempName(it->path()) || !it->is_regular_file(ec)) continue;
    const auto written = fs::last_write_time(it->path(), ec);
    if (ec || now - written < minimumAge) continue;
    if (fs::remove(it->path(), ec)) ++removed;
  }
  return removed;
}

std::optional<fs::path> ChooseAppPath(const fs::path& programDir, const fs::path& userDir,
                                      std::string_view marker, std::string_view executableName,
                                      std::string& error, std::vector<std::string>& notices) {
  std::error_code ec;
  if (!fs::exists(ResolveInFolder(programDir, marker), ec)) {
    error = "The program's data files are missing from " + programDir.string() + ".";
    return std::nullopt;
  }
  fs::create_directories(userDir, ec);
  if (ec) {
    error = "Cannot create the folder " + userDir.string() + ": " + ec.message() + ".";
    return std::nullopt;
  }
  // Every start adds what is missing, so a first start that was cut short
  // is completed by the next. A file is copied whole under a temporary name
  // and then renamed: a kill leaves no file or the whole one, never a part.
  // A file the user changed is never replaced; one still as it was shipped
  // follows a newer shipped version (the list of what was shipped tells).
  const fs::path listPath = userDir / kShippedListName;
  ShippedList shipped = ReadShippedList(listPath);
  const ShippedList before = shipped;
  std::vector<StagedCopy> staged;
  std::map<std::string, struct stat> stagedFrom;
  const fs::path skip = programDir / std::string(executableName);
  fs::recursive_directory_iterator it(programDir, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const fs::path& from = it->path();
    if (from == skip || IsTempName(from)) continue;
    const fs::path relative = from.lexically_relative(programDir);
    const fs::path to = userDir / relative;
    std::string failure;
    // A link the user put in a shipped file's place (to a file on another
    // disk, say) stays a link. While it leads nowhere, this run reads the
    // shipped contents and every save to it is refused.
    if (IsLinkToNothing(to)) {
      const bool folder = it->is_directory(ec);
      if (folder) {
        it.disable_recursion_pending();
      } else if (const auto bytes = ReadFileBytes(from)) {
        WriteFileAtomically(StandInPath(to), *bytes);
      }
      notices.push_back(LinkToNothingNotice(to, folder));
      continue;
    }
    if (it->is_directory(ec)) {
      fs::create_directories(to, ec);
    } else {
      const std::string name = relative.generic_string();
      struct stat fromStat {}, toStat {};
      const bool statted = ::stat(from.c_str(), &fromStat) == 0;
      const bool present = ::stat(to.c_str(), &toStat) == 0;
      const auto listed = shipped.find(name);
      if (statted && present && listed != shipped.end() && !listed->second.stamp.empty() &&
          listed->second.stamp == StampOf(fromStat, toStat)) {
        continue;  // neither changed since they were last compared
      }
      const auto bytes = ReadFileBytes(from);
      if (!bytes) {
        failure = "cannot read it";
      } else {
        const std::string tag = ContentTag(*bytes);
        const auto mine = ReadFileBytes(to);
        bool copy = false;
        if (!mine && !present) {
          copy = true;
        } else if (mine && listed != shipped.end() && listed->second.tag != tag &&
                   ContentTag(*mine) == listed->second.tag) {
          copy = true;  // unchanged by the user: updated
        } else if (!mine || (listed == shipped.end() && *mine != *bytes)) {
          continue;  // the user's own file
        }
        // Otherwise the copy is as shipped, or changed by the user and
        // theirs from now on: either way it stays.
        if (copy && IsLink(to)) {
          // Updated where the link leads, as a save would be; a target
          // that takes no update keeps the older version.
          if (WriteFileAtomically(to, *bytes).empty()) shipped[name] = {tag, {}};
        } else if (copy) {
          std::string temp;
          failure = WriteTemporary(to, *bytes, 0644, false, temp);
          if (failure.empty()) {
            staged.push_back({temp, to, name});
            stagedFrom[name] = fromStat;
            shipped[name] = {tag, {}};
          }
        } else {
          const std::string keptTag = listed != shipped.end() ? listed->second.tag : tag;
          shipped[name] = {keptTag, statted && present ? StampOf(fromStat, toStat) : ""};
        }
      }
    }
    if (ec) failure = ec.message();
    if (!failure.empty()) {
      for (const StagedCopy& copy : staged) ::unlink(copy.temp.c_str());
      error = "Cannot copy " + from.string() + " to " + userDir.string() + ": " + failure + ".";
      return std::nullopt;
    }
  }
  if (ec) {
    for (const StagedCopy& copy : staged) ::unlink(copy.temp.c_str());
    error = "Cannot read the folder " + programDir.string() + ": " + ec.message() + ".";
    return std::nullopt;
  }
  if (const std::string failure = PlaceStagedCopies(userDir, staged, shipped, stagedFrom);
      !failure.empty()) {
    error = "Cannot copy the program's files to " + userDir.string() + ": " + failure + ".";
    return std::nullopt;
  }
  if (shipped != before) {
    std::string text;
    for (const auto& [name, entry] : shipped) {
      text += entry.tag + "\t" + name;
      if (!entry.stamp.empty()) text += "\t" + entry.stamp;
      text += "\n";
    }
    WriteFileAtomically(listPath, text);  // without it, updates wait for the next start
  }
  return userDir;
}

namespace {

// Length of the UTF-8 sequence starting at `s[i]`, or 0 when it is not valid.
size_t Utf8SequenceLength(std::string_view s, size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  size_t n;
  unsigned minimum;
  if (c < 0x80) return 1;
  if ((c & 0xE0) == 0xC0) { n = 2; minimum = 0x80; }
  else if ((c & 0xF0) == 0xE0) { n = 3; minimum = 0x800; }
  else if ((c & 0xF8) == 0xF0) { n = 4; minimum = 0x10000; }
  else return 0;
  if (i + n > s.size()) return 0;
  unsigned code = c & (0x7F >> n);
  for (size_t k = 1; k < n; ++k) {
    const auto d = static_cast<unsigned char>(s[i + k]);
    if ((d & 0xC0) != 0x80) return 0;
    code = (code << 6) | (d & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return n;
}

bool IsValidUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    // Plain ASCII eight bytes at a time: names files run to millions of lines.
    std::uint64_t word = 0;
    while (i + sizeof word <= s.size() &&
           (std::memcpy(&word, s.data() + i, sizeof word), (word & 0x8080808080808080ull) == 0))
      i += sizeof word;
    if (i == s.size()) break;
    const size_t n = Utf8SequenceLength(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += char(code);
  } else if (code < 0x800) {
    out += char(0xC0 | (code >> 6));
    out += char(0x80 | (code & 0x3F));
  } else {
    out += char(0xE0 | (code >> 12));
    out += char(0x80 | ((code >> 6) & 0x3F));
    out += char(0x80 | (code & 0x3F));
  }
}

// Windows-1252 bytes 0x80..0x9F; the five undefined ones map to themselves.
constexpr std::array<unsigned, 32> kCp1252High = {
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

}  // namespace

bool IsUtf8(std::string_view bytes) { return IsValidUtf8(bytes); }

std::string EncodeWindows1252(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    size_t n = Utf8SequenceLength(text, i);
    if (n == 0) n = 1;  // not UTF-8: a stray byte, no character to keep
    unsigned code = static_cast<unsigned char>(text[i]);
    if (n > 1) {
      code &= 0x7Fu >> n;
      for (size_t k = 1; k < n; ++k)
        code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    }
    i += n;
    if (n == 1 && code >= 0x80) {
      out += '?';
    } else if (code < 0x80 || (code >= 0xA0 && code < 0x100)) {
      out += char(code);
    } else {
      char byte = '?';
      for (size_t b = 0; b < kCp1252High.size(); ++b)
        if (kCp1252High[b] == code) byte = char(0x80 + b);
      out += byte;
    }
  }
  return out;
}

std::string DecodeText(std::string_view bytes) {
  if (IsValidUtf8(bytes)) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return std::string(bytes);
  }
  return DecodeWindows1252(bytes);
}

std::string DecodeWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    AppendUtf8(out, (c >= 0x80 && c < 0xA0) ? kCp1252High[c - 0x80] : c);
  }
  return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::optional<std::string> ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (IsLinkToNothing(path)) return ReadFileBytes(StandInPath(path));
    return std::nullopt;
  }
  // One read into a buffer of the file's size: start-up reads megabytes of
  // tables through here. Whatever follows (a file that grew, or one with no
  // size, as some special files) is appended in buffer-sized pieces.
  std::string bytes;
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  if (!ec && size > 0) {
    bytes.resize(size);
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<size_t>(in.gcount()));
  }
  if (!in.eof()) {
    std::ostringstream rest;
    rest << in.rdbuf();
    bytes += std::move(rest).str();
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::vector<std::string>> ReadTextLines(const fs::path& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return SplitLines(DecodeText(*bytes));
}

namespace {

// Where the link `path` leads in the end (itself when it is no link), one
// step at a time, so a missing target can be named.
fs::path FinalLinkTarget(const fs::path& path) {
  fs::path at = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat link {};
    if (::lstat(at.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) break;
    std::error_code ec;
    const fs::path next = fs::read_symlink(at, ec);
    if (ec) break;
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  return at.lexically_normal();
}

// The file a save to `requested` replaces: a symbolic link's target, so the
// link stays a link. Empty, with `refusal` set, when there is none to save
// to: a link whose target is missing (an unmounted share, say) is never
// replaced by a plain file, which would split the user's data in two.
fs::path SaveTarget(const fs::path& requested, std::string& refusal) {
  struct stat link {};
  if (::lstat(requested.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return requested;
  std::error_code ec;
  fs::path target = fs::canonical(requested, ec);
  if (!ec) return target;
  const fs::path missing = FinalLinkTarget(requested);
  struct stat end {};
  refusal = ::lstat(missing.c_str(), &end) == 0 && S_ISLNK(end.st_mode)
                ? "it is a symbolic link that leads round in a circle"
                : "it is a symbolic link to " + missing.string() + ", which does not exist";
  return {};
}

}  // namespace

std::string SaveRefusal(const fs::path& requested) {
  std::string refusal;
  const fs::path target = SaveTarget(requested, refusal);
  if (!refusal.empty()) return refusal;
  // A rename onto a folder would fail only once the new file is written,
  // perhaps after others of the same save took their names.
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) return "it is a folder";
  // A file its owner made read-only is not replaced behind their back (the
  // rename would succeed, as the folder is writable). The owner's write bit
  // decides even for a user whom access() lets write.
  if (exists && ((old.st_mode & S_IWUSR) == 0 || ::access(target.c_str(), W_OK) != 0))
    return "the file is read-only";
  return {};
}

std::string LinkToNothingNotice(const fs::path& link, bool folder) {
  return "Cannot read the " + std::string(folder ? "folder" : "file") + " called " + link.string() +
         ": " + SaveRefusal(link) + "." +
         (folder ? ""
                 : " The program runs with the file as shipped, and saves nothing to it until "
                   "the link leads to a file again.");
}

std::string WriteFileAtomically(const fs::path& requested, std::string_view bytes) {
  fs::path unused;
  return WriteFilesAtomically({{requested, bytes}}, unused);
}

std::string WriteFilesAtomically(const std::vector<FileToSave>& files, fs::path& failed) {
  for (const FileToSave& file : files) {
    if (std::string refusal = SaveRefusal(file.target); !refusal.empty()) {
      failed = file.target;
      return refusal;
    }
  }
  std::vector<std::string> temps;
  std::vector<fs::path> targets;
  // The temporary files from the `from`th on go: none has taken its name.
  auto fail = [&](size_t from, const fs::path& file, std::string error) {
    for (size_t k = from; k < temps.size(); ++k) ::unlink(temps[k].c_str());
    failed = file;
    return error;
  };
  for (const FileToSave& file : files) {
    std::string unused;
    targets.push_back(SaveTarget(file.target, unused));
    // Keep the old file's permissions; a new file gets the usual ones.
    struct stat old {};
    const mode_t mode = ::stat(targets.back().c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    std::string temp;
    if (std::string error = WriteTemporary(targets.back(), file.bytes, mode, true, temp);
        !error.empty())
      return fail(0, file.target, std::move(error));
    temps.push_back(std::move(temp));
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (::rename(temps[i].c_str(), targets[i].c_str()) != 0)
      return fail(i, files[i].target, std::strerror(errno));
  }
  return {};
}

FileLock::FileLock(const fs::path& file) {
  std::error_code ec;
  const fs::path real = fs::weakly_canonical(file, ec);
  const fs::path& path = ec ? file : real;
  path_ = (path.parent_path() / ("." + path.filename().string() + ".lock")).string();
  // Another instance holds it only while it reads and replaces the file;
  // a lock still held after seconds belongs to a program that hangs.
  for (int attempt = 0; attempt < 500; ++attempt) {
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) {
      // A folder that takes no lock file takes no save either.
      if (errno != EACCES && errno != EROFS && errno != ENOENT) error_ = std::strerror(errno);
      return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
      // The holder before us removes the file as it lets go; a lock on a
      // removed file guards nothing, so only the file still there counts.
      struct stat held {}, named {};
      if (::fstat(fd_, &held) == 0 && ::stat(path_.c_str(), &named) == 0 &&
          held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
        return;
      }
    } else if (errno != EWOULDBLOCK && errno != EINTR) {
      error_ = std::strerror(errno);
      break;
    } else {
      ::usleep(10000);
    }
    ::close(fd_);
    fd_ = -1;
  }
  if (error_.empty()) error_ = "another program keeps it locked";
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

FileLock::~FileLock() {
  if (fd_ < 0) return;
  // Removed while still held, so no stray file stays beside the user's.
  ::unlink(path_.c_str());
  ::close(fd_);
}

namespace {

void SayNotSaved(Host& host, const fs::path& target, const std::string& why) {
  host.ShowMessage("Cannot save the file called " + target.string() + ": " + why + ".",
                   kTitleWarning, MessageIcon::Critical);
}

}  // namespace

bool SaveFileAtomically(Host& host, const fs::path& target, std::string_view bytes) {
  return SaveFilesAtomically(host, {{target, bytes}});
}

bool SaveFilesAtomically(Host& host, const std::vector<FileToSave>& files) {
  fs::path failed;
  const std::string error = WriteFilesAtomically(files, failed);
  if (error.empty()) return true;
  SayNotSaved(host, failed, error);
  return false;
}

bool CanSave(Host& host, const fs::path& target) {
  const std::string refusal = SaveRefusal(target);
  if (refusal.empty()) return true;
  SayNotSaved(host, target, refusal);
  return false;
}

}  // namespace orv
