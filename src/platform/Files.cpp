#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
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

bool IsWritableDir(const fs::path& dir) { return ::access(dir.c_str(), W_OK | X_OK) == 0; }

}  // namespace

std::optional<fs::path> ChooseAppPath(const fs::path& programDir, const fs::path& userDir,
                                      std::string_view marker, std::string_view executableName,
                                      std::string& error) {
  std::error_code ec;
  const bool hasData = fs::exists(ResolveInFolder(programDir, marker), ec);
  if (hasData && IsWritableDir(programDir)) return programDir;
  if (fs::exists(ResolveInFolder(userDir, marker), ec)) return userDir;
  if (!hasData) {
    error = "The program's data files are missing from " + programDir.string() + ".";
    return std::nullopt;
  }
  // First start of an installed program: give the user a folder of their own.
  fs::create_directories(userDir, ec);
  if (ec) {
    error = "Cannot create the folder " + userDir.string() + ": " + ec.message() + ".";
    return std::nullopt;
  }
  // Copied files become the user's own: writable whatever the installed
  // permissions were, so options and names can be saved.
  const fs::path skip = programDir / std::string(executableName);
  fs::recursive_directory_iterator it(programDir, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const fs::path& from = it->path();
    if (from == skip) continue;
    const fs::path to = userDir / fs::relative(from, programDir, ec);
    if (it->is_directory(ec)) {
      fs::create_directories(to, ec);
    } else if (fs::copy_file(from, to, fs::copy_options::skip_existing, ec); !ec) {
      fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    }
    if (ec) {
      error = "Cannot copy " + from.string() + " to " + userDir.string() + ": " + ec.message() + ".";
      return std::nullopt;
    }
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
  if (!in) return std::nullopt;
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

std::string WriteFileAtomically(const fs::path& target, std::string_view bytes) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return std::strerror(errno);
  auto fail = [&](int err) {
    ::close(fd);
    ::unlink(pattern.c_str());
    return std::string(std::strerror(err));
  };
  // Keep the old file's permissions; a new file gets the usual ones.
  struct stat old {};
  const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  if (::fchmod(fd, mode) != 0) return fail(errno);
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    done += size_t(n);
  }
  if (::fsync(fd) != 0) return fail(errno);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(pattern.c_str());
    return std::strerror(err);
  }
  if (::rename(pattern.c_str(), target.c_str()) != 0) {
    const int err = errno;
    ::unlink(pattern.c_str());
    return std::strerror(err);
  }
  return {};
}

bool SaveFileAtomically(Host& host, const fs::path& target, std::string_view bytes) {
  const std::string error = WriteFileAtomically(target, bytes);
  if (error.empty()) return true;
  host.ShowMessage("Cannot save the file called " + target.string() + ": " + error + ".",
                   kTitleWarning, MessageIcon::Critical);
  return false;
}

}  // namespace orv
