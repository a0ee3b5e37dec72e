#include "core/Aspects.h"

#include <algorithm>
#include <array>

#include "base/Format.h"
#include "core/FixedTables.h"
#include "platform/Files.h"
#include "platform/Host.h"

namespace orv {

namespace {

struct FinderBand {
  double exactDeg;
  int kind;  // `AspectKind`: the orb's element of the table; the code is kind + 1
  BandShape shape;
  bool majorOrSemi;      // tested by FindAspectOfSeparation too
  bool doublePrecision;  // the septile's limits are not integers
};

// The testing order. Every band is tested against the same separation and the
// last match wins, so this order decides overlaps.
constexpr std::array<FinderBand, 16> kBands = {{
    {60, 2, BandShape::Around, true, false},
    {90, 3, BandShape::Around, true, false},
    {120, 4, BandShape::Around, true, false},
    {180, 5, BandShape::AtLeast, true, false},
    {30, 7, BandShape::Around, true, false},
    {45, 8, BandShape::Around, true, false},
    {135, 9, BandShape::Around, true, false},
    {150, 10, BandShape::Around, true, false},
    {0, 1, BandShape::UpToOrb, true, false},
    {36, 11, BandShape::Around, false, false},
    {40, 12, BandShape::Around, false, false},
    {72, 13, BandShape::Around, false, false},
    {108, 14, BandShape::Around, false, false},
    {144, 15, BandShape::Around, false, false},
    {51.42857143, 16, BandShape::Around, false, true},
    {165, 17, BandShape::Around, false, false},
}};

bool InBand(const FinderBand& band, double w, float orb) {
  return InOrbBand(band.exactDeg, band.shape, band.doublePrecision, w, orb);
}

AspectMatch FindAspect(double separationDeg, const OrbTable& orbs, bool allBands) {
  AspectMatch match;
  match.foldedSeparation = separationDeg > 180 ? 360 - separationDeg : separationDeg;
  match.deviation = match.foldedSeparation;
  for (const FinderBand& band : kBands) {
    if (!allBands && !band.majorOrSemi) continue;
    if (InBand(band, match.foldedSeparation, orbs[size_t(band.kind)])) {
      match.code = band.kind + 1;
      match.deviation = match.foldedSeparation - band.exactDeg;
    }
  }
  return match;
}

bool ReadOrbFile(const std::filesystem::path& appPath, std::string_view name, OrbTable& orbs,
                 Host& host) {
  const auto path = ResolveInFolder(appPath, name);
  OrbTable read{};  // the reset: orbs past a short file's end, or refused, are 0
  if (!ReadOrbNumbers(host, path, read)) {
    ReportMissingFile(host, path.string());
    return false;
  }
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
