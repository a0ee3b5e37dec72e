#include "core/Aspects.h"

#include <algorithm>
#include <array>

#include "base/Format.h"
#include "core/FixedTables.h"
#include "platform/Files.h"
#include "platform/Host.h"

namespace orv {

namespace {

enum class BandShape {
  Around,   // exact - orb <= W <= exact + orb
  AtLeast,  // exact - orb <= W: the opposition, W never exceeds 180
  UpToOrb,  // W <= orb: the conjunction, W is never below 0
};

struct AspectBand {
  double exactDeg;
  int kind;  // `AspectKind`: the orb's element of the table; the code is kind + 1
  BandShape shape;
  bool majorOrSemi;      // tested by FindAspectOfSeparation too
  bool doublePrecision;  // the septile's limits are not integers
};

// The testing order. Every band is tested against the same separation and the
// last match wins, so this order decides overlaps.
constexpr std::array<AspectBand, 16> kBands = {{
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

// The orbs are single precision and so are the band limits; the separation
// is rounded to single precision to meet them, which widens every band by up
// to half a float step. The septile alone is compared in double.
bool InBand(const AspectBand& band, double w, float orb) {
  if (band.doublePrecision) {
    return band.exactDeg - orb <= w && w <= band.exactDeg + orb;
  }
  const float wf = static_cast<float>(w);
  const float exact = static_cast<float>(band.exactDeg);
  switch (band.shape) {
    case BandShape::Around:
      return exact - orb <= wf && wf <= exact + orb;
    case BandShape::AtLeast:
      return exact - orb <= wf;
    case BandShape::UpToOrb:
      return wf <= orb;
  }
  return false;
}

AspectMatch FindAspect(double separationDeg, const OrbTable& orbs, bool allBands) {
  AspectMatch match;
  match.foldedSeparation = separationDeg > 180 ? 360 - separationDeg : separationDeg;
  match.deviation = match.foldedSeparation;
  for (const AspectBand& band : kBands) {
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
  OrbTable read{};  // the reset: orbs past a short file's end are 0
  if (!ReadNumberFile(path, read)) {
    ReportMissingFile(host, path.string());
    return false;
  }
  std::copy(read.begin() + 1, read.end(), orbs.begin() + 1);
  return true;
}

}  // namespace

AspectMatch FindAspectOfSeparation(double separationDeg, const OrbTable& orbs) {
  return FindAspect(separationDeg, orbs, false);
}

AspectMatch ListAspects(const AspectPair& pair, const OrbTable& orbs,
                        std::vector<std::string>& lines) {
  AspectMatch match = FindAspect(pair.separationDeg, orbs, true);
  if (match.code == NoAspectCode) return match;

  const double d = pair.signedDifference;
  if (d <= -180 || (d >= 0 && d < 180)) match.deviation = -match.deviation;

  // A minus sign takes the fifth blank, so the numbers' digits stay in one
  // column. Decided on the printed text: a deviation that rounds to zero
  // prints without its sign.
  const std::string number = FormatNumber(match.deviation, "0.00");
  const bool minus = !number.empty() && number.front() == '-';
  std::string line = "  ";
  line += PackedField(PointNames10, pair.pointA, PointNameWidth).substr(0, 8);
  line += "    ";
  line += PackedField(AspectNames, match.code, AspectNameWidth).substr(0, 10);
  line += "    ";
  line += PackedField(PointNames10, pair.pointB, PointNameWidth).substr(0, 8);
  line += minus ? "    " : "     ";
  line += number;
  line += " degrees";
  lines.push_back(std::move(line));
  return match;
}

bool ReadNatalOrbs(const std::filesystem::path& appPath, OrbTable& natalOrbs, Host& host) {
  return ReadOrbFile(appPath, kNatalOrbFile, natalOrbs, host);
}

bool ReadNat2TranOrbs(const std::filesystem::path& appPath, OrbTable& twoChartOrbs, Host& host) {
  return ReadOrbFile(appPath, kNat2TranOrbFile, twoChartOrbs, host);
}

}  // namespace orv
