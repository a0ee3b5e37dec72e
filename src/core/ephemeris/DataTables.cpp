#include "core/ephemeris/DataTables.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>

#include "platform/Files.h"
#include "platform/Host.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

bool IsSeparator(char c) { return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Plain decimals ("-103.8817") of at most this many digits convert exactly
// by one division: the digits as an integer and the power of ten are exact
// in T, and IEEE division rounds correctly (Clinger's fast path).
template <class T>
constexpr int kExactDigits = std::numeric_limits<T>::digits10 + 1;  // float 7, double 16
template <class T>
constexpr std::array<T, 11> kPowersOfTen{1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10};

// The number at the start of [first, last) by the program's number rule (an
// optional sign, digits with a period, an optional exponent); no number gives 0.
template <class T>
T ParseNumber(const char* first, const char* last) {
  if (*first == '+') ++first;
  const char* digits = first < last && *first == '-' ? first + 1 : first;
  if (digits == last || !(IsDigit(*digits) || *digits == '.')) return 0;
  T value = 0;
  if (std::from_chars(first, last, value).ec != std::errc{}) return 0;
  return value;
}

// The number whose text starts at `p` (not a separator); leaves `p` past
// that text. Plain decimals, all the tables' numbers, take one pass.
template <class T>
T ReadToken(const char*& p, const char* end) {
  const char* const start = p;
  const bool negative = *p == '-';
  if (negative) ++p;
  std::uint64_t digits = 0;
  int count = 0;
  int decimals = -1;
  for (; p < end; ++p) {
    if (IsDigit(*p)) {
      digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
      ++count;
      if (decimals >= 0) ++decimals;
    } else if (*p == '.' && decimals < 0) {
      decimals = 0;
    } else {
      break;
    }
  }
  // Below 2^24 (float) or 2^53 (double) every such integer is exact.
  constexpr std::uint64_t kExactLimit = std::uint64_t{1} << std::numeric_limits<T>::digits;
  if ((p == end || IsSeparator(*p)) && count > 0 && count <= kExactDigits<T> &&
      digits < kExactLimit && decimals < int(kPowersOfTen<T>.size())) {
    T value = static_cast<T>(digits);
    if (decimals > 0) value /= kPowersOfTen<T>[size_t(decimals)];
    return negative ? -value : value;
  }
  while (p < end && !IsSeparator(*p)) ++p;
  return ParseNumber<T>(start, p);
}

// Calls store(n, value) for every number of `text`, n counted from 0, and
// returns how many there were. Commas, blanks and line ends all separate; a
// run of them counts as one separator.
template <class T, class Store>
size_t ForEachNumber(std::string_view text, Store&& store) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  const char* p = text.data();
  const char* const end = p + text.size();
  size_t n = 0;
  for (;;) {
    while (p < end && IsSeparator(*p)) ++p;
    if (p == end) return n;
    store(n++, ReadToken<T>(p, end));
  }
}

// A 16-bit table value: rounded half to even, held to the type's range.
std::int16_t ToInt16(double v) {
  constexpr double kLow = std::numeric_limits<std::int16_t>::min();
  constexpr double kHigh = std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(std::nearbyint(std::fmin(std::fmax(v, kLow), kHigh)));
}

// Reads one data file of `appPath` through `store`; notes in `issues` a file
// that is missing, unreadable or holds fewer than `expected` numbers.
template <class T, class Store>
void ReadDataFile(const fs::path& appPath, std::string_view name, size_t expected, Store&& store,
                  std::vector<DataFileIssue>& issues) {
  const fs::path path = ResolveInFolder(appPath, name);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) {
    issues.push_back({path.string(), DataFileProblem::Missing});
    return;
  }
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) {
    issues.push_back({path.string(), DataFileProblem::Unreadable});
    return;
  }
  if (ForEachNumber<T>(*bytes, store) < expected)
    issues.push_back({path.string(), DataFileProblem::Short});
}

template <size_t N>
void ReadIntTable(const fs::path& appPath, std::string_view name, size_t expected,
                  std::array<std::int16_t, N>& table, std::vector<DataFileIssue>& issues) {
  ReadDataFile<double>(
      appPath, name, expected,
      [&table](size_t n, double v) {
        if (n < N) table[n] = ToInt16(v);
      },
      issues);
}

// Two numbers per record: record n / 2 of `first` or `second`.
void ReadChironFile(const fs::path& appPath, std::string_view name, std::vector<float>& first,
                    std::vector<float>& second, std::vector<DataFileIssue>& issues) {
  ReadDataFile<float>(
      appPath, name, 2 * size_t{ChironDays},
      [&](size_t n, float v) {
        const size_t record = n / 2;
        if (record < size_t{ChironDays}) (n % 2 == 0 ? first : second)[record] = v;
      },
      issues);
}

// The score files: a 15 by 15 matrix each, the second index running fastest.
constexpr int kScoreSide = 15;

struct ScoreFamily {
  std::string_view prefix;
  ScoreTable DataTables::*table;
};
constexpr std::array<ScoreFamily, 3> kScoreFamilies{{{"ROM_", &DataTables::RomanceScores},
                                                     {"SEX_", &DataTables::SexScores},
                                                     {"CMPT_", &DataTables::CompatibilityScores}}};

// File suffix and the aspect kind index it fills, in reading order.
struct ScoreKind {
  std::string_view suffix;
  int kind;
};
constexpr std::array<ScoreKind, 7> kScoreKinds{
    {{"C", 2}, {"S", 4}, {"T", 5}, {"Q", 11}, {"O", 6}, {"P", 7}, {"CP", 9}}};

std::string DescribeIssue(const DataFileIssue& issue) {
  switch (issue.problem) {
    case DataFileProblem::Missing:
      return "Cannot find the file called " + issue.path + ".";
    case DataFileProblem::Unreadable:
      return "Cannot read the file called " + issue.path + ".";
    case DataFileProblem::Short:
      return "The file called " + issue.path + " holds too few values.";
  }
  return {};
}

}  // namespace

DataTablesRead ReadDataTables(const fs::path& appPath) {
  DataTablesRead read;
  DataTables& t = read.tables;
  auto& issues = read.issues;
  // HCDATA.DAT's 121st entry is never used, so 120 values are a whole file.
  ReadIntTable(appPath, "HCDATA.DAT", t.HcDataTable.size() - 1, t.HcDataTable, issues);
  ReadIntTable(appPath, "RADIUS.DAT", t.RadiusTable.size(), t.RadiusTable, issues);
  ReadChironFile(appPath, "CHIRON.DAT", t.ChironGeoTable1, t.ChironGeoTable2, issues);
  ReadChironFile(appPath, "CHIRON_HELIO.DAT", t.ChironHelioTable1, t.ChironHelioTable2, issues);
  for (const ScoreFamily& family : kScoreFamilies) {
    ScoreTable& table = t.*family.table;
    for (const ScoreKind& kind : kScoreKinds) {
      const std::string name = std::string(family.prefix) + std::string(kind.suffix) + ".DAT";
      ReadDataFile<float>(
          appPath, name, size_t{kScoreSide * kScoreSide},
          [&table, k = kind.kind](size_t n, float v) {
            if (n < size_t{kScoreSide * kScoreSide})
              table(k, 1 + int(n % kScoreSide), 1 + int(n / kScoreSide)) = v;
          },
          issues);
    }
  }
  return read;
}

void ReportDataFileIssues(Host& host, const std::vector<DataFileIssue>& issues) {
  if (issues.empty()) return;
  std::string text = "Some data files are missing or incomplete; their missing values are 0.";
  for (const DataFileIssue& issue : issues) text += "\n" + DescribeIssue(issue);
  host.ShowMessage(text, kTitleWarning, MessageIcon::Critical);
}

}  // namespace orv
