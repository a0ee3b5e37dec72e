#pragma once
// The aspect finders of the two-chart listings and the transit
// interpretations, and the readers of their orb tables.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/NumberFile.h"

namespace orv {

class Host;

// `AspectCode` 1: no aspect; otherwise `AspectKind` + 1.
inline constexpr int NoAspectCode = 1;

// How a band's limits lie around its exact angle.
enum class BandShape {
  Around,   // exact - orb <= W <= exact + orb
  AtLeast,  // exact - orb <= W: the opposition, W never exceeds 180
  UpToOrb,  // W <= orb: the conjunction, W is never below 0
};

// One row of an aspect finder's band table: the exact angle, the
// `AspectKind` whose orb applies (the code found is kind + 1) and how the
// separation is compared. Finders test every row; the last match wins.
struct AspectBand {
  double exactDeg;
  int kind;
  BandShape shape;
};

// Whether the folded separation `w` (0..180 degrees) lies in the band of
// `exactDeg` with `orb`, limits inclusive. The limits are single precision, as
// the orbs are, and `w` is rounded to single precision to meet them; with
// `doublePrecision` (the septile, whose angle is no integer) both stay double.
// Inline: the cosmodynes test it for every pair of points, and a names-file
// batch for every pair of charts.
inline bool InOrbBand(double exactDeg, BandShape shape, bool doublePrecision, double w, float orb) {
  if (doublePrecision) return exactDeg - orb <= w && w <= exactDeg + orb;
  const float wf = static_cast<float>(w);
  const float exact = static_cast<float>(exactDeg);
  switch (shape) {
    case BandShape::Around:
      return exact - orb <= wf && wf <= exact + orb;
    case BandShape::AtLeast:
      return exact - orb <= wf;
    case BandShape::UpToOrb:
      return wf <= orb;
  }
  return false;
}

// What a finder found for one pair of points.
struct AspectMatch {
  int code = NoAspectCode;      // `FoundAspect`
  double foldedSeparation = 0;  // `WorkSeparation`: the separation folded into 0..180, degrees
  double deviation = 0;         // `AspectDeviation`, degrees: see each finder
};

// Tests the nine major and semi aspects against `orbs` (an `OrbTable`
// indexed by `AspectKind`). `separationDeg` is the unsigned distance of the
// pair, 0..360. Where bands overlap, the last one in the testing order wins.
// The deviation is the folded separation less the exact angle found (positive
// when wider than exact), or the folded separation itself when none was found.
AspectMatch FindAspectOfSeparation(double separationDeg, const OrbTable& orbs);

// One pair of a two-chart listing: point A is printed first, point B last.
struct AspectPair {
  int pointA = 0;               // `LoopJ`, a `ChartPoint`
  int pointB = 0;               // `LoopI`, a `ChartPoint`
  double separationDeg = 0;     // `Separation`: |longitude A - longitude B|, 0..360
  double signedDifference = 0;  // `SignedDifference`: longitude A - longitude B
};

// Tests all sixteen aspects of the two-chart table (every kind but the
// parallel) and, when one is found, appends its listing line to `lines`.
// The deviation returned is the one printed: signed so that it is positive
// while point A, ahead of B by less than half a circle, is still short of
// exact. With no aspect, nothing is appended and the deviation is the folded
// separation.
AspectMatch ListAspects(const AspectPair& pair, const OrbTable& orbs,
                        std::vector<std::string>& lines);

// The deviation as the aspect lists print it: `deviationDeg` negated when
// point A lies ahead of point B in zodiac order by up to half a circle
// (`signedDifferenceDeg` = longitude A - longitude B, -360..360), so it is
// positive while A is still short of exact.
double ListedDeviation(double deviationDeg, double signedDifferenceDeg);

// One line of an aspect list: two blanks, point A's name (8 characters of
// `PointNames10`), four blanks, the name of `AspectCode` `code` (10), four
// blanks, point B's name (8), then the deviation formatted by `pattern`
// ("0.00", "0.0") and " degrees". Five blanks stand before the number, four
// when it prints a minus sign, so the digits stay in one column.
std::string AspectListLine(int pointA, int code, int pointB, double deviationDeg,
                           std::string_view pattern);

// The file names of the two orb tables read here.
inline constexpr std::string_view kNatalOrbFile = "NATAL.ORB";
inline constexpr std::string_view kNat2TranOrbFile = "NAT2TRAN.ORB";
inline constexpr std::string_view kSynastryOrbFile = "SYNASTRY.ORB";

// Reads NATAL.ORB of the program folder into `natalOrbs` (`NatalOrbs`), or
// NAT2TRAN.ORB into `twoChartOrbs` (`TwoChartOrbs`). Orbs 1..17 are reset to 0
// first, so a short file leaves no orb of an earlier file behind; lines past
// the 17th are ignored. A missing or unreadable file is reported ("Cannot
// find the file called ...") and leaves the table as it was; false then, and
// the command stops.
bool ReadNatalOrbs(const std::filesystem::path& appPath, OrbTable& natalOrbs, Host& host);
bool ReadNat2TranOrbs(const std::filesystem::path& appPath, OrbTable& twoChartOrbs, Host& host);
// The same for SYNASTRY.ORB, the orbs of the synastry aspect list, into
// `twoChartOrbs`.
bool ReadSynastryOrbs(const std::filesystem::path& appPath, OrbTable& twoChartOrbs, Host& host);

}  // namespace orv
