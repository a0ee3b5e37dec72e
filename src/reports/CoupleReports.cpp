#include "reports/CoupleReports.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "base/LetterCase.h"
#include "base/Text.h"
#include "core/Angles.h"
#include "core/FixedTables.h"
#include "core/HousePlacement.h"
#include "core/OptionNumbers.h"
#include "listings/CompositeListings.h"
#include "platform/Files.h"
#include "reports/ReportText.h"
#include "reports/ScrambledText.h"

namespace orv {

namespace {

constexpr int kSun = 1, kMoon = 10, kNorthNode = 11, kSouthNode = 12, kAscendant = 14;
constexpr std::string_view kIndent = "     ";

// The text file extension by `FoundAspect` code.
std::string_view Extension(int code) {
  static constexpr std::array<std::string_view, 7> kExtensions = {"",     "",     ".CNJ", ".SXT",
                                                                  ".SQR", ".TRI", ".OPP"};
  return code >= kFoundConjunction && code <= kFoundOpposition ? kExtensions[std::size_t(code)]
                                                               : "";
}

// The separation of two longitudes folded to 0..180 degrees.
double Separation(double a, double b) {
  const double s = std::fabs(a - b);
  return s > 180 ? 360 - s : s;
}

// SUN, MER, ..., MOO, ASC: the first three characters of the point's field.
std::string Abbreviation(int point) {
  return std::string(Trim(PackedField(PointNames10, point, PointNameWidth).substr(0, 3)));
}

// The point's name in headings: SUN, MERCURY, ..., MOON, ASC.
std::string_view HeadingName(int point) {
  return Trim(PackedField(PointNames10, point, PointNameWidth));
}

bool IsLight(int point) { return point == kSun || point == kMoon; }
bool IsNode(int point) { return point == kNorthNode || point == kSouthNode; }

// The bands about the sextile, square and trine and the opposition, each hit
// overwriting the one before; `open` makes every limit exclusive.
int BandAspect(double separation, double orb, bool open) {
  const auto within = [&](double low, double high) {
    return open ? low < separation && separation < high : low <= separation && separation <= high;
  };
  int found = kNoAspectFound;
  for (int code = 3; code <= 5; ++code) {
    const double angle = AspectAngles[std::size_t(code)];
    if (within(angle - orb, angle + orb)) found = code;
  }
  if (within(180 - orb, 360)) found = kFoundOpposition;
  if (within(-1, orb)) found = kFoundConjunction;
  return found;
}

}  // namespace

int FindCompositeAspect(int a, int b, double separation, const OptionValues& options) {
  if (IsNode(a) || IsNode(b))
    return separation <= double(options[OptionNumber::CompositeOrbNodes]) ? kFoundConjunction
                                                                          : kNoAspectFound;
  const float orb = IsLight(a) || IsLight(b) ? options[OptionNumber::CompositeOrbLights]
                                             : options[OptionNumber::CompositeOrb];
  return BandAspect(separation, double(orb), false);
}

std::vector<ReportStep> CompositeReportSteps(const PointArray<double>& longitudes,
                                             std::string_view flags,
                                             std::string_view housePositions,
                                             const OptionValues& options) {
  using K = ReportStep::Kind;
  std::vector<ReportStep> steps;
  const auto blank = [&] { steps.push_back({K::Blank, "", ""}); };
  const auto file = [&](std::string name) { steps.push_back({K::File, std::move(name), ""}); };
  const auto turned = [&](int point) {
    return std::size_t(point) <= flags.size() && flags[std::size_t(point - 1)] == 'A';
  };
  blank();
  file("COMPOSIT/COMPOPEN");
  blank();
  file("COMPOSIT/PLHOUSE");
  blank();
  for (int body : {kSun, kMoon, 2, 3, 4, 5, 6, 7, 8, 9}) {
    const std::size_t at = std::size_t(body - 1) * HousePositionWidth;
    const int house =
        at < housePositions.size() ? HouseNumberOfRecord(housePositions.substr(at)) : 0;
    if (house < 1 || house > 12) continue;  // a point no house holds has no text
    const std::string stem = "COMPOSIT/HOUSE/" + std::string(HeadingName(body)) + ".";
    file(stem + std::to_string(house));
    if (turned(body)) file(stem + std::to_string(house > 6 ? house - 6 : house + 6));
  }
  blank();
  file("COMPOSIT/PLASPECT");
  blank();
  // Each pair as (first, second) of its file name.
  const auto aspect = [&](int p, int q, std::string first, std::string second) {
    const int code = FindCompositeAspect(
        p, q, Separation(longitudes[std::size_t(p)], longitudes[std::size_t(q)]), options);
    if (code == kNoAspectFound) return;
    // A turned midpoint makes an opposition read as a conjunction.
    const bool asConjunction = code == kFoundOpposition && (turned(p) || turned(q));
    file("COMPOSIT/ASPECT/" + first + second +
         std::string(Extension(asConjunction ? kFoundConjunction : code)));
  };
  for (int i = 1; i <= 10; ++i) aspect(kAscendant, i, Abbreviation(i), "ASC");
  for (int i = 2; i <= 10; ++i) aspect(kSun, i, "SUN", Abbreviation(i));
  for (int i = 2; i <= 9; ++i) aspect(kMoon, i, "MOO", Abbreviation(i));
  // Uranus, Neptune and Pluto are never paired with each other.
  for (int k = 2; k <= 6; ++k)
    for (int m = k + 1; m <= 9; ++m) aspect(k, m, Abbreviation(k), Abbreviation(m));
  for (int node : {kNorthNode, kSouthNode})
    for (int i = 1; i <= 10; ++i) aspect(node, i, Abbreviation(i), node == kNorthNode ? "NN" : "SN");
  blank();
  file("COMPOSIT/CLOSING");
  return steps;
}

int FindSynastryAspect(int a, int b, double separation) {
  return BandAspect(separation, IsLight(a) || IsLight(b) ? 8.25 : 6.25, true);
}

std::string SynastryFirstName(std::string_view name) {
  const std::string_view trimmed = Trim(WithoutSexMark(Trim(name)));
  const std::string_view first = trimmed.substr(0, trimmed.find(' '));
  if (first.empty()) return {};
  return CapitalisedText(first);
}

namespace {

// Sun, Moon, Mercury to Pluto, Ascendant: the order of file names.
int FileNameRank(int point) {
  return point == kSun ? 0 : point == kMoon ? 1 : point == kAscendant ? 10 : point;
}

// The names the synastry texts call each person by until replaced.
std::string_view BodyName(int point) {
  static constexpr std::array<std::string_view, 15> kNames = {
      "",        "Sun",   "Mercury", "Venus", "Mars", "Jupiter", "Saturn",   "Uranus",
      "Neptune", "Pluto", "Moon",    "",      "",     "",        "Ascendant"};
  return kNames.at(std::size_t(point));
}

bool IsWordByte(char c) {
  const auto u = static_cast<unsigned char>(c);
  return std::isalnum(u) != 0 || u >= 0x80 || c == '_';
}

bool IsBreakCharacter(std::string_view ch) {
  return ch == "-" || ch == " " || ch == "." || ch == "," || ch == ";" || ch == ":";
}

}  // namespace

std::string SynastryAspectFile(int a, int b, int code) {
  if (FileNameRank(b) < FileNameRank(a)) std::swap(a, b);
  return "SYNASTRY/" + Abbreviation(a) + Abbreviation(b) + std::string(Extension(code));
}

std::string ReplaceBodyNames(std::string line, std::size_t start, std::string_view nameA,
                             std::string_view firstA, std::string_view nameB,
                             std::string_view firstB) {
  const auto wordAt = [&line](std::size_t k, std::string_view name) {
    return !name.empty() && line.compare(k, name.size(), name) == 0 &&
           (k == 0 || !IsWordByte(line[k - 1])) &&
           (k + name.size() == line.size() || !IsWordByte(line[k + name.size()]));
  };
  for (std::size_t k = start; k < line.size();) {
    std::string_view name, first;
    if (wordAt(k, nameA)) {
      name = nameA;
      first = firstA;
    } else if (wordAt(k, nameB)) {
      name = nameB;
      first = firstB;
    }
    // Without a first name the body's name stays, so the text still reads.
    if (name.empty() || first.empty()) {
      k += name.empty() ? 1 : name.size();
      continue;
    }
    line.replace(k, name.size(), first);
    k += first.size();
  }
  return line;
}

std::vector<std::string> WrapSynastryText(std::string_view buffer) {
  constexpr std::size_t kWidth = 71;
  constexpr std::size_t kParagraphReach = 73;
  const std::vector<std::string_view> chars = Utf8Characters(buffer);
  const std::size_t n = chars.size();
  const auto skipBlanks = [&](std::size_t p, std::size_t end) {
    while (p < end && chars[p] == " ") ++p;
    return p;
  };
  const auto text = [&](std::size_t from, std::size_t to) {
    std::string s(kIndent);
    for (std::size_t i = skipBlanks(from, to); i < to; ++i) s += chars[i];
    return s;
  };
  std::vector<std::string> lines;
  for (std::size_t p = 0;;) {
    std::size_t lf = p;
    while (lf < n && lf - p < kParagraphReach && chars[lf] != "\n") ++lf;
    if (lf < n && chars[lf] == "\n") {
      const std::size_t end = lf > p && chars[lf - 1] == "\r" ? lf - 1 : lf;
      lines.push_back(text(p, end));
      lines.emplace_back();
      p = skipBlanks(lf + 1, n);
      continue;
    }
    if (p == n) {
      lines.emplace_back();
      break;
    }
    if (n - p <= kWidth) {
      lines.push_back(text(p, n));
      break;
    }
    std::size_t k = kWidth;
    while (k > 0 && !IsBreakCharacter(chars[p + k - 1])) --k;
    if (k == 0) k = kWidth;  // one long word breaks where the line is full
    std::string line = text(p, p + k);
    // A sentence ending at the very edge keeps its two blanks when joined.
    if (CharacterCount(line) == kIndent.size() + kWidth && line.back() == '.' &&
        chars[p + kWidth] == " " && p + kWidth + 1 < n &&
        static_cast<unsigned char>(chars[p + kWidth + 1][0]) >= 14)
      line += ' ';
    lines.push_back(std::move(line));
    p = skipBlanks(p + k, n);
  }
  return lines;
}

std::string SignCompatibilityLine(int a, int b, double longitudeA, double longitudeB,
                                  std::string_view firstName1, std::string_view firstName2) {
  static constexpr std::array<std::pair<int, int>, 10> kCompared = {
      {{1, 1}, {1, 10}, {2, 2}, {3, 3}, {3, 4}, {4, 3}, {4, 4}, {10, 1}, {10, 10}, {14, 14}}};
  if (std::find(kCompared.begin(), kCompared.end(), std::pair{a, b}) == kCompared.end())
    return {};
  const auto sign = [](double lon) { return int(std::floor(Norm360(lon) / 30)); };
  const int d = std::abs(sign(longitudeA) - sign(longitudeB));
  const std::string_view sentence = d % 4 == 0   ? " are in very compatible signs."
                                    : d % 2 == 0 ? " are in compatible signs."
                                                 : " are in incompatible signs.";
  const auto part = [](std::string_view first, int point) {
    return ToUpperText(first) + "'s " +
           std::string(point == kAscendant ? "ASCENDANT" : HeadingName(point));
  };
  return std::string(kIndent) + part(firstName1, a) + " and " + part(firstName2, b) +
         std::string(sentence);
}

namespace {

std::string SynastryHeading(int a, int b, const SynastryPersons& persons) {
  const auto name = [](int point) {
    return std::string(point == kAscendant ? "ASCENDANT" : HeadingName(point));
  };
  // The names file's "m " or "w " mark is no part of a name to be read;
  // the em dash closes the heading.
  return std::string(kIndent) + ToUpperText(WithoutSexMark(persons.name1)) + " is " + name(a) +
         " and " + ToUpperText(WithoutSexMark(persons.name2)) + " is " + name(b) + " \u2014";
}

void AddSynastryAspectText(ReportState& report, const std::filesystem::path& appPath, int a,
                           int b, int code, const SynastryPersons& persons) {
  const auto bytes = ReadFileBytes(ResolveInFolder(appPath, SynastryAspectFile(a, b, code)));
  if (!bytes) {
    ++report.MissedSections;
    return;
  }
  const std::string first1 = SynastryFirstName(persons.name1);
  const std::string first2 = SynastryFirstName(persons.name2);
  std::string buffer;
  bool dashFound = false;
  for (const std::string& line : DecodeScrambledLines(*bytes)) {
    if (line.empty()) {
      buffer += "\r\n";
      continue;
    }
    // Names are told from the first dash of the text on.
    std::size_t start = 0;
    if (!dashFound && line.find('-') != std::string::npos) {
      start = line.find('-');
      dashFound = true;
    }
    buffer += ReplaceBodyNames(line, start, BodyName(a), first1, BodyName(b), first2);
    buffer += ' ';
  }
  for (const std::string& l : WrapSynastryText(buffer)) AddReportLine(report, l);
}

}  // namespace

void BuildSynastryReport(ReportState& report, const std::filesystem::path& appPath,
                         const PointArray<double>& natal, const PointArray<double>& second,
                         const SynastryPersons& persons) {
  const auto file = [&](std::string_view name) {
    AddFileToReport(report, ResolveInFolder(appPath, name));
  };
  const std::string first1 = SynastryFirstName(persons.name1);
  const std::string first2 = SynastryFirstName(persons.name2);
  // `interplanetary`: the pairs after the aspect introduction.
  const auto pair = [&](int a, int b, bool interplanetary) {
    const double lonA = natal[std::size_t(a)], lonB = second[std::size_t(b)];
    const int code = FindSynastryAspect(a, b, Separation(lonA, lonB));
    if (code == kNoAspectFound) {
      const std::string line = SignCompatibilityLine(a, b, lonA, lonB, first1, first2);
      if (line.empty()) return;
      AddReportLine(report, line);
      AddBlankReportLine(report);
      AddBlankReportLine(report);
      return;
    }
    const auto outer = [](int p) { return p >= 7 && p <= 9; };
    if (interplanetary && outer(a) && outer(b)) return;  // generational, not personal
    if (a != b) AddReportLine(report, SynastryHeading(a, b, persons));
    AddSynastryAspectText(report, appPath, a, b, code, persons);
  };
  AddBlankReportLine(report);
  file("SYNASTRY/DOCS/INTRO");
  AddBlankReportLine(report);
  file("SYNASTRY/DOCS/RISING");
  AddBlankReportLine(report);
  for (int b = 1; b <= 10; ++b) pair(kAscendant, b, false);
  for (int a = 1; a <= 10; ++a) pair(a, kAscendant, false);
  pair(kAscendant, kAscendant, false);
  file("SYNASTRY/DOCS/ASPECT");
  AddBlankReportLine(report);
  for (int a : {kSun, kMoon, 2, 3, 4, 5, 6, 7, 8, 9})
    for (int b = 1; b <= 10; ++b) pair(a, b, true);
  file("SYNASTRY/DOCS/CLOSING");
}

std::string CompositeReportTitle() { return CentreReportLine("COMPOSITE RELATIONSHIP REPORT FOR"); }
std::string SynastryReportTitle() { return CentreReportLine("SYNASTRY RELATIONSHIP REPORT FOR"); }

}  // namespace orv
