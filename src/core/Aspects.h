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

// The file names of the two orb tables read here.
inline constexpr std::string_view kNatalOrbFile = "NATAL.ORB";
inline constexpr std::string_view kNat2TranOrbFile = "NAT2TRAN.ORB";

// Reads NATAL.ORB of the program folder into `natalOrbs` (`NatalOrbs`), or
// NAT2TRAN.ORB into `twoChartOrbs` (`TwoChartOrbs`). Orbs 1..17 are reset to 0
// first, so a short file leaves no orb of an earlier file behind; lines past
// the 17th are ignored. A missing or unreadable file is reported ("Cannot
// find the file called ...") and leaves the table as it was; false then, and
// the command stops.
bool ReadNatalOrbs(const std::filesystem::path& appPath, OrbTable& natalOrbs, Host& host);
bool ReadNat2TranOrbs(const std::filesystem::path& appPath, OrbTable& twoChartOrbs, Host& host);

}  // namespace orv
