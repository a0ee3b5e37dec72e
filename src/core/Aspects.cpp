#include "core/Aspects.h"

#include <algorithm>
#include <array>

#include "base/Format.h"
#include "core/FixedTables.h"
#include "platform/Files.h"
#include "platform/Host.h"

namespace orv {

namespace {

AspectMatch FindAspect(double separationDeg, const OrbTable& orbs, bool allBands) {
  AspectMatch match;
  match.foldedSeparation = separationDeg > 180 ? 360 - separationDeg : separationDeg;
  match.deviation = match.foldedSeparation;
  for (const AspectBand& band : kMajorAndSemiBands) MatchBand(band, orbs, match);
  MatchBand(kConjunctionBand, orbs, match);
  if (allBands)
    for (const AspectBand& band : kMinorBands) MatchBand(band, orbs, match);
  return match;
}

bool ReadOrbFile(const std::filesystem::path& appPath, std::string_view name, OrbTable& orbs,
                 Host& host) {
  const auto path = ResolveInFolder(appPath, name);
  OrbTable read{};  // the reset: orbs past a short file's end, or refused, are 0
  if (!ReadOrbNumbers(host, path, read)) return false;
  std::copy(read.begin() + 1, read.end(), orbs.begin() + 1);
  return true;
}

}  // namespace

// The separation is rounded to single precision to meet the limits, which
// widens every band by up to half a float step.
AspectMatch FindAspectOfSeparation(double separationDeg, const OrbTable& orbs) {
  return FindAspect(separationDeg, orbs, false);
}

AspectMatch ListAspects(const AspectPair& pair, const OrbTable& orbs,
                        std::vector<std::string>& lines) {
  AspectMatch match = FindAspect(pair.separationDeg, orbs, true);
  if (match.code == NoAspectCode) return match;

  match.deviation = ListedDeviation(match.deviation, pair.signedDifference);
  lines.push_back(AspectListLine(pair.pointA, match.code, pair.pointB, match.deviation, "0.00"));
  return match;
}

double ListedDeviation(double deviationDeg, double signedDifferenceDeg) {
  const double d = signedDifferenceDeg;
  return d <= -180 || (d >= 0 && d < 180) ? -deviationDeg : deviationDeg;
}

std::string AspectListLine(int pointA, int code, int pointB, double deviationDeg,
                           std::string_view pattern) {
  // Decided on the printed text: a deviation that rounds to zero prints
  // without its sign.
  const std::string number = FormatNumber(deviationDeg, pattern);
  const bool minus = !number.empty() && number.front() == '-';
  std::string line = "  ";
  line += PackedField(PointNames10, pointA, PointNameWidth).substr(0, 8);
  line += "    ";
  line += PackedField(AspectNames, code, AspectNameWidth).substr(0, 10);
  line += "    ";
  line += PackedField(PointNames10, pointB, PointNameWidth).substr(0, 8);
  line += minus ? "    " : "     ";
  line += number;
  line += " degrees";
  return line;
}

bool ReadNatalOrbs(const std::filesystem::path& appPath, OrbTable& natalOrbs, Host& host) {
  return ReadOrbFile(appPath, kNatalOrbFile, natalOrbs, host);
}

bool ReadNat2TranOrbs(const std::filesystem::path& appPath, OrbTable& twoChartOrbs, Host& host) {
  return ReadOrbFile(appPath, kNat2TranOrbFile, twoChartOrbs, host);
}

bool ReadSynastryOrbs(const std::filesystem::path& appPath, OrbTable& twoChartOrbs, Host& host) {
  return ReadOrbFile(appPath, kSynastryOrbFile, twoChartOrbs, host);
}

}  // namespace orv
