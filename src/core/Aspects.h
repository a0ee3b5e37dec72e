#pragma once
// The aspect finders of the two-chart listings and the transit
// interpretations, and the readers of their orb tables.

#include <array>
#include <filesystem>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/NumberFile.h"

namespace orv {

class Host;

// The aspect a finder reports: `AspectKind` + 1, and 1 for none. Lists and
// tables store it as an int (it indexes `AspectNames` and `AspectAngles`);
// name it through this enum rather than by its number.
enum class AspectCode : int {
  None = 1,
  Conjunction,
  Sextile,
  Square,
  Trine,
  Opposition,
  Parallel,
  SemiSextile,
  SemiSquare,
  Sesquisquare,
  Quincunx,
  SemiQuintile,
  Nonagen,
  Quintile,
  Trecile,
  BiQuintile,
  Septile,
  Quindecile,
};

// The stored number of `c`, and the `AspectKind` (orb table element) it uses.
constexpr int Code(AspectCode c) { return static_cast<int>(c); }
constexpr int KindOf(AspectCode c) { return Code(c) - 1; }

inline constexpr int NoAspectCode = Code(AspectCode::None);

// Whether the stored `code` is one of `codes`.
constexpr bool CodeIsOneOf(int code, std::initializer_list<AspectCode> codes) {
  for (AspectCode c : codes)
    if (code == Code(c)) return true;
  return false;
}

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

// The band tables the finders share. Each finder tests the major and semi
// bands first, then its own further bands in its own order; as the last
// match wins, that order decides where bands overlap.
inline constexpr std::array<AspectBand, 8> kMajorAndSemiBands = {{
    {60, KindOf(AspectCode::Sextile), BandShape::Around},
    {90, KindOf(AspectCode::Square), BandShape::Around},
    {120, KindOf(AspectCode::Trine), BandShape::Around},
    {180, KindOf(AspectCode::Opposition), BandShape::AtLeast},
    {30, KindOf(AspectCode::SemiSextile), BandShape::Around},
    {45, KindOf(AspectCode::SemiSquare), BandShape::Around},
    {135, KindOf(AspectCode::Sesquisquare), BandShape::Around},
    {150, KindOf(AspectCode::Quincunx), BandShape::Around},
}};
inline constexpr AspectBand kConjunctionBand = {0, KindOf(AspectCode::Conjunction),
                                                BandShape::UpToOrb};
// The four major bands alone, for the drawings and tables that show no other
// aspect (each adds the conjunction in its own place).
inline constexpr std::span<const AspectBand, 4> kMajorBands{kMajorAndSemiBands.data(), 4};
static_assert(kMajorBands[0].kind == KindOf(AspectCode::Sextile) &&
              kMajorBands[1].kind == KindOf(AspectCode::Square) &&
              kMajorBands[2].kind == KindOf(AspectCode::Trine) &&
              kMajorBands[3].kind == KindOf(AspectCode::Opposition));
inline constexpr AspectBand kQuindecileBand = {165, KindOf(AspectCode::Quindecile),
                                               BandShape::Around};
// The quintile family and the septile, then the quindecile. Only the septile's
// angle is no integer: test it in double precision (`InOrbBand`).
inline constexpr std::array<AspectBand, 7> kMinorBands = {{
    {36, KindOf(AspectCode::SemiQuintile), BandShape::Around},
    {40, KindOf(AspectCode::Nonagen), BandShape::Around},
    {72, KindOf(AspectCode::Quintile), BandShape::Around},
    {108, KindOf(AspectCode::Trecile), BandShape::Around},
    {144, KindOf(AspectCode::BiQuintile), BandShape::Around},
    {51.42857143, KindOf(AspectCode::Septile), BandShape::Around},
    kQuindecileBand,
}};
inline constexpr bool InDoublePrecision(const AspectBand& band) {
  return band.kind == KindOf(AspectCode::Septile);
}

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

// Tests `band` against `match.foldedSeparation` with the orbs of `orbs` (by
// `AspectKind`); when it holds, sets the code and the deviation from exact, so
// that of a run of calls the last match wins.
inline void MatchBand(const AspectBand& band, const OrbTable& orbs, AspectMatch& match) {
  if (InOrbBand(band.exactDeg, band.shape, InDoublePrecision(band), match.foldedSeparation,
                orbs[size_t(band.kind)])) {
    match.code = band.kind + 1;
    match.deviation = match.foldedSeparation - band.exactDeg;
  }
}

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
// the 17th are ignored. A missing or unreadable file is reported as
// ReadOrbNumbers does and leaves the table as it was; false then, and the
// command stops. A damaged file is read and reported once.
bool ReadNatalOrbs(const std::filesystem::path& appPath, OrbTable& natalOrbs, Host& host);
bool ReadNat2TranOrbs(const std::filesystem::path& appPath, OrbTable& twoChartOrbs, Host& host);
// The same for SYNASTRY.ORB, the orbs of the synastry aspect list, into
// `twoChartOrbs`.
bool ReadSynastryOrbs(const std::filesystem::path& appPath, OrbTable& twoChartOrbs, Host& host);

}  // namespace orv
