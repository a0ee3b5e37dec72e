#include "reports/InterpretationReports.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "base/Format.h"
#include "base/Text.h"
#include "core/Angles.h"
#include "core/Aspects.h"
#include "core/ChartDriver.h"
#include "core/ChartTime.h"
#include "core/FixedTables.h"
#include "core/HousePlacement.h"
#include "core/OptionNumbers.h"
#include "core/ephemeris/PlanetPositions.h"
#include "listings/ChartHeaders.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "reports/ReportText.h"

namespace orv {

namespace {

constexpr int kLastTransitPoint = 15;  // Chiron takes no part
constexpr int kAspectFileEmptyLimit = 10;

std::string_view RTrim(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}


std::size_t SignIndex(double longitudeDeg) {
  return std::size_t(std::floor(Norm360(longitudeDeg) / 30)) % 12;
}

}  // namespace

std::string TransitHeadingForm(std::string_view line) {
  while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  return ToUpperAscii(RTrim(line));
}

TransitTextIndex::File& TransitTextIndex::Load(const std::string& file, int emptyLineLimit) {
  auto found = files_.find(file);
  if (found != files_.end()) return found->second;
  File& f = files_[file];
  auto lines = ReadTextLines(appPath_ / file);
  f.lines = lines.value_or(std::vector<std::string>{});
  int empty = 0;
  for (std::size_t n = 0; n < f.lines.size(); ++n) {
    empty = f.lines[n].empty() ? empty + 1 : 0;
    if (emptyLineLimit > 0 && empty >= emptyLineLimit) break;
    f.headings.emplace(TransitHeadingForm(f.lines[n]), n);
  }
  if (host_ && !lines) {
    host_->ShowMessageOnce("Cannot find the file called " + (appPath_ / file).string() + ".",
                           kTitleWarning, MessageIcon::Critical);
  } else if (host_) {
    ReportUnusable(file, f);
  }
  return f;
}

std::vector<std::string> TransitTextKeys(std::string_view file) {
  std::vector<std::string> keys;
  if (file == "RETRO.TXT") {
    // Only the planets are ever flagged retrograde.
    for (int i = ChartPoint::Mercury; i <= ChartPoint::Pluto; ++i)
      keys.push_back(TransitRetroKey(i));
    return keys;
  }
  // The kinds FindAspectOfSeparation finds, in kind order.
  std::vector<int> kinds = {kConjunctionBand.kind};
  for (const AspectBand& band : kMajorAndSemiBands) kinds.push_back(band.kind);
  std::sort(kinds.begin(), kinds.end());
  for (int i = 1; i <= kLastTransitPoint; ++i) {
    if (file != TransitTextFile(i)) continue;
    for (int j = 1; j <= kLastTransitPoint; ++j)
      for (int kind : kinds) keys.push_back(TransitAspectKey(i, kind, j));
  }
  return keys;
}

void TransitTextIndex::ReportUnusable(const std::string& file, const File& f) const {
  const std::vector<std::string> keys = TransitTextKeys(file);
  std::vector<std::string_view> missing;
  for (const std::string& key : keys)
    if (!f.headings.contains(TransitHeadingForm(key))) missing.push_back(RTrim(key));
  if (missing.empty()) return;
  const std::string path = (appPath_ / file).string();
  if (missing.size() == keys.size()) {
    host_->ShowMessageOnce("The transit text file called " + path +
                               " holds none of its interpretations, so the transits it covers "
                               "are left out. Please restore the file.",
                           kTitleWarning, MessageIcon::Exclamation);
    return;
  }
  // A file cut short, or one that lost sections in editing.
  host_->ShowMessageOnce("The transit text file called " + path + " holds only " +
                             std::to_string(keys.size() - missing.size()) + " of its " +
                             std::to_string(keys.size()) +
                             " interpretations, so the transits of the others are left out; "
                             "the first missing is \"" +
                             std::string(missing.front()) + "\". Please restore the file.",
                         kTitleWarning, MessageIcon::Exclamation);
}

std::optional<std::vector<std::string>> TransitTextIndex::Paragraph(const std::string& file,
                                                                    std::string_view key,
                                                                    int emptyLineLimit) {
  const File& f = Load(file, emptyLineLimit);
  const auto hit = f.headings.find(TransitHeadingForm(key));
  if (hit == f.headings.end()) return std::nullopt;
  std::vector<std::string> paragraph;
  for (std::size_t n = hit->second + 1; n < f.lines.size(); ++n) {
    paragraph.push_back(f.lines[n]);
    if (f.lines[n].empty()) break;
  }
  return paragraph;
}

std::string_view TransitTextFile(int point) {
  static constexpr std::array<std::string_view, 16> kFiles = {
      "",           "SUN_TR.TXT", "MER_TR.TXT", "VEN_TR.TXT", "MAR_TR.TXT", "JUP_TR.TXT",
      "SAT_TR.TXT", "URA_TR.TXT", "NEP_TR.TXT", "PLU_TR.TXT", "MOO_TR.TXT", "NN_TR.TXT",
      "SN_TR.TXT",  "PF_TR.TXT",  "ASC_TR.TXT", "MC_TR.TXT"};
  return point >= 1 && point <= kLastTransitPoint ? kFiles[std::size_t(point)] : "";
}

std::string TransitAspectKey(int transiting, int kind, int natal) {
  const std::string_view word =
      AspectNames.substr(std::size_t(kind) * AspectNameWidth, AspectNameWidth);
  return std::string(RTrim(PointNames[std::size_t(transiting)])) + " " +
         std::string(RTrim(word)) + " " + std::string(PointNames[std::size_t(natal)]);
}

std::string TransitRetroKey(int transiting) {
  return std::string(RTrim(PointNames[std::size_t(transiting)])) + " Retrograde";
}

std::string TransitDateText(double julianDayNumber) {
  // "mm/dd/yyyy" of the day's noon.
  const std::string date = JulianDayToDateStr(julianDayNumber, 0);
  CivilDateTime when;
  when.month = std::atoi(date.c_str());
  when.day = std::atoi(date.c_str() + 3);
  when.year = std::atoi(date.c_str() + 6);
  static constexpr std::array<std::string_view, 7> kDays = {
      "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  // The weekday from the day number, right in both calendars.
  const auto weekday = std::size_t(std::fmod(std::floor(julianDayNumber + 0.5) + 1, 7.0));
  return std::string(kDays[weekday]) + ", " + FormatDate(when, "dd mmm yyyy");
}

ChartArrays TransitDayPositions(const ChartModel& charts, const OptionValues& options,
                                double day) {
  const double fraction = charts.DiurnalDayFraction;
  // The angles come from the transit place below, not from the positions.
  PlanetPositions p = CalcPlanetPositions(
      PlanetInputAt(day, fraction, DegToRad(charts.DiurnalObliquityDegrees), options));
  const double t = JulianCenturiesSince1900(day, fraction);
  const TransitAngles angles =
      CalcTransitAngles(t, fraction, charts.DiurnalInput.longitude,
                        charts.DiurnalObliquityDegrees, charts.DiurnalLatitudeRadians);
  ChartArrays a;
  a.Longitudes = p.longitudes;
  a.RetroFlags = std::move(p.retroFlags);
  a.Longitudes[ChartPoint::Ascendant] = angles.AscendantLongitude;
  a.Longitudes[ChartPoint::MC] = angles.MidheavenLongitude;
  a.Longitudes[ChartPoint::PartOfFortune] =
      Norm360(angles.AscendantLongitude + a.Longitudes[ChartPoint::Moon] -
              a.Longitudes[ChartPoint::Sun]);
  return a;
}

std::vector<std::string> TransitDayLines(const ChartArrays& now, const ChartModel& charts,
                                         const OptionValues& options, const OrbTable& twoChartOrbs,
                                         TransitTextIndex& texts, double day) {
  std::vector<std::string> out;
  out.push_back("     " + TransitDateText(day) + " - " + charts.PersonName);
  out.emplace_back();
  auto copy = [&out](const std::vector<std::string>& paragraph) {
    out.insert(out.end(), paragraph.begin(), paragraph.end());
  };
  bool found = false;
  for (int i = 1; i <= kLastTransitPoint; ++i) {
    if (options[OptionNumber::RetrogradeTransitTexts] != 0 &&
        now.RetroFlags[std::size_t(i - 1)] == 'R') {
      const std::string key = TransitRetroKey(i);
      if (auto paragraph = texts.Paragraph("RETRO.TXT", key, 0)) {
        out.push_back("     " + key);
        copy(*paragraph);
      }
    }
    for (int j = 1; j <= kLastTransitPoint; ++j) {
      const double separation =
          std::fabs(now.Longitudes[std::size_t(i)] - charts.Natal.Longitudes[std::size_t(j)]);
      const AspectMatch m = FindAspectOfSeparation(separation, twoChartOrbs);
      if (m.code == NoAspectCode || m.code > Code(AspectCode::Quincunx)) continue;
      const std::string key = TransitAspectKey(i, m.code - 1, j);
      const auto paragraph =
          texts.Paragraph(std::string(TransitTextFile(i)), key, kAspectFileEmptyLimit);
      if (!paragraph) continue;
      std::string heading = "     " + key + " (" + FormatNumber(std::fabs(m.deviation), "0.0") +
                            " degree) - " + std::string(RTrim(PointNames[std::size_t(i)])) +
                            " at ";
      AppendSignPosition(heading, now.Longitudes[std::size_t(i)]);
      out.push_back(std::move(heading));
      found = true;
      copy(*paragraph);
    }
  }
  if (!found) out.emplace_back("     No aspects today.");
  return out;
}

int TransitDayCount(std::string_view answer) {
  const std::string text(answer);
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || !std::isfinite(value)) return 0;
  const double count = std::nearbyint(value);
  if (count < 0) return -1;
  return count > 366 ? 366 : int(count);
}

std::string RisingKey(double ascendantDeg) {
  return ToUpperAscii(SignNames[SignIndex(ascendantDeg)]) + " rising";
}

std::string NatalAspectKey(int first, int code, int second, const OptionValues& options) {
  const bool harmonious =
      CodeIsOneOf(code, {AspectCode::Conjunction, AspectCode::Sextile, AspectCode::Trine});
  const bool exact =
      options[harmonious ? OptionNumber::HarmoniousWording : OptionNumber::DiscordantWording] != 0;
  static constexpr std::array<std::string_view, 7> kWords = {
      "", "", "blending with", "harmonizing with", "discordant to", "harmonizing with",
      "discordant to"};
  static constexpr std::array<std::string_view, 7> kExactWords = {
      "", "", "conjunct", "sextile", "square", "trine", "opposite"};
  return std::string(ReportPointNames[std::size_t(first)]) + " " +
         std::string((exact ? kExactWords : kWords)[std::size_t(code)]) + " " +
         std::string(ReportPointNames[std::size_t(second)]);
}

std::vector<ReportStep> NatalReportSteps(const ChartModel& charts, const NatalAspectTable& aspects,
                                         const OptionValues& options) {
  using K = ReportStep::Kind;
  std::vector<ReportStep> steps;
  const auto blank = [&] { steps.push_back({K::Blank, "", ""}); };
  const auto file = [&](std::string name) {
    steps.push_back({K::File, std::move(name), ""});
    blank();
  };
  const auto section = [&](std::string name, std::string key) {
    steps.push_back({K::Section, std::move(name), std::move(key)});
  };
  const PointArray<double>& lon = charts.Natal.Longitudes;
  blank();
  file("PHILO.HLP");
  file("ASCSIGN.TXT");
  section("RISING.TXT", RisingKey(lon[ChartPoint::Ascendant]));
  blank();
  file("SIGN.TXT");
  static constexpr std::array<int, 10> kBodies = {1, 10, 2, 3, 4, 5, 6, 7, 8, 9};
  for (int body : kBodies) {
    // The sign name's first three letters, so Capricorn reads the SIGN_CAP.TXT
    // the meanings browser reads too (its listing abbreviation is CPR).
    section("SIGN_" + ToUpperAscii(SignNames[SignIndex(lon[std::size_t(body)])].substr(0, 3)) +
                ".TXT",
            std::string(PointNames[std::size_t(body)]) + " in");
  }
  blank();
  file("HOUSE.TXT");
  for (int body : kBodies) {
    const int house = HouseNumberOfRecord(charts.Natal.HousePositions.substr(
        std::size_t(body - 1) * HousePositionWidth, HousePositionWidth));
    section("HOUSE_" + std::to_string(house) + ".TXT",
            std::string(PointNames[std::size_t(body)]) + " in");
  }
  blank();
  file("ASPECT.TXT");
  const bool extra = options[OptionNumber::ReportExtraPoints] != 0;
  const int lastFirst = extra ? 14 : 10, lastSecond = extra ? 15 : 14;
  for (int i = 1; i <= lastFirst; ++i)
    for (int j = i; j <= lastSecond; ++j) {
      if (!extra && j >= 11 && j <= 13) continue;
      for (int code = Code(AspectCode::Conjunction); code <= Code(AspectCode::Opposition); ++code)
        if (aspects.Found(code, j, i))
          section(std::string(ReportPointNames[std::size_t(i)]) + ".TXT",
                  NatalAspectKey(i, code, j, options));
    }
  blank();
  steps.push_back({K::File, "CLOSING.TXT", ""});
  return steps;
}

void AddReportSteps(ReportState& report, const std::filesystem::path& appPath,
                    const std::vector<ReportStep>& steps) {
  for (const ReportStep& step : steps) {
    switch (step.kind) {
      case ReportStep::Kind::Blank:
        AddBlankReportLine(report);
        break;
      case ReportStep::Kind::File:
        AddFileToReport(report, ResolveInFolder(appPath, step.file));
        break;
      case ReportStep::Kind::Section:
        AddSectionToReport(report, step.key, ResolveInFolder(appPath, step.file));
        break;
    }
  }
}

std::string NatalReportTitle() { return CentreReportLine("NATAL REPORT FOR"); }
std::string TransitReportTitle() { return CentreReportLine("TRANSIT REPORT FOR"); }

}  // namespace orv
