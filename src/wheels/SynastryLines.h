#pragma once
// The synastry aspect-line diagram: two persons' charts on two horizontal
// zodiac scales, one above the other, with straight lines between the
// planets that form an aspect of the family on view. The placement and the
// aspect test are pure; the paint draws them on a drawing surface in twips.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ChartPoints.h"
#include "core/NumberFile.h"
#include "platform/Canvas.h"

namespace orv {

// `AspectView`: which family the lines show; a click steps to the next.
enum class SynastryView { HardAspects = 0, SoftAspects = 1, Conjunctions = 2 };

// The view after a click: squares and oppositions, then sextiles and
// trines, then conjunctions, then round again.
SynastryView NextSynastryView(SynastryView view);

// The window caption of `view`, e.g. "Synastry - squares (red) and
// oppositions (blue)".
std::string_view SynastryViewCaption(SynastryView view);

// The caption the window has before its first paint.
inline constexpr std::string_view kSynastryCaption = "Synastry Aspects";

// Whether the diagram draws and tests `point` (a `ChartPoint`): the Sun to
// the Moon, the Ascendant and Chiron; not the nodes, the Part of Fortune or
// the MC.
bool IsSynastryPoint(int point);

// Whether the pair (chart 1 `i`, chart 2 `j`) is left out: both are among
// Uranus, Neptune and Pluto, whose mutual aspects say more about a
// generation than a couple.
bool IsGenerationPair(int i, int j);

// The `AspectCode` of a separation `s` (0..180 degrees) with `orbs` by
// `AspectKind`: sextile 3, square 4, trine 5, opposition 6, conjunction 2, in
// that order, the last match winning (limits inclusive, compared in single
// precision); 1 for none.
int SynastryAspectCode(double s, const OrbTable& orbs);

// One entry of a chart's sorted list, in ascending longitude.
struct SynastrySlot {
  int point = 0;           // `ChartPoint`
  double longitude = 0;    // degrees 0..360
  double glyphWidth = 0;   // g: the width of the point's glyph, user units
};

// The left edges of the drawn glyphs of one scale. `sorted` holds all
// `NumPoints` entries in ascending order (sorted position k = index + 1);
// entries whose point is not drawn get no place (nothing). `axisLeft` L and
// `axisRight` R are the ends of the axis; `standardWidth` w is the width of
// the standard glyph. A glyph's edge is (R - L) x longitude / 360 (measured
// from 0, not from L), pulled in near the right end so that the glyphs still
// to come fit before R, and pushed right so that it never overlaps the glyph
// before it. Without `hasChiron` (a chart outside Chiron's table) Chiron gets
// no place either.
std::vector<std::optional<double>> PlaceSynastryGlyphs(const std::vector<SynastrySlot>& sorted,
                                                       double axisLeft, double axisRight,
                                                       double standardWidth,
                                                       bool hasChiron = true);

// `SortedValues`, `SortedPointNumbers`: points 1..NumPoints by ascending
// longitude (an exchange sort, so equal longitudes keep the order it leaves).
std::vector<SynastrySlot> SortSynastryPoints(const PointArray<double>& longitudes);

// One aspect line between the charts, in drawing order.
struct SynastryLine {
  int natalPoint = 0;
  int secondPoint = 0;
  int aspectCode = 1;
};

// Every aspect line of `view` between chart 1 and chart 2, chart 1's point
// outer, both in increasing point order; Chiron only in a chart that has it.
std::vector<SynastryLine> SynastryLinesOf(const PointArray<double>& natalLongitudes,
                                          const PointArray<double>& secondLongitudes,
                                          const OrbTable& orbs, SynastryView view,
                                          bool natalHasChiron = true, bool secondHasChiron = true);

// Everything the paint reads.
struct SynastryPaintInputs {
  const OptionValues* options = nullptr;
  PointArray<double> natalLongitudes{};   // `NatalLongitudes`
  PointArray<double> secondLongitudes{};  // `DiurnalLongitudes`
  std::string natalRetroFlags;            // "R" at index p - 1: point p retrograde
  std::string secondRetroFlags;
  bool natalHasChiron = true;  // false outside Chiron's table
  bool secondHasChiron = true;
  std::string natalName;   // `PersonName`
  std::string secondName;  // the second person's name ("2nd Person" while none)
  // SYNASTRY.ORB as read for this paint; nothing draws no aspect lines.
  std::optional<OrbTable> orbs;
  SynastryView view = SynastryView::HardAspects;
  double dotsPerInch = 96;  // of the surface, to work in twips
};

// The heights of the two scales' axes and of the lines' ends, in twips from
// the top.
inline constexpr double kSynastryUpperAxis = 600;
inline constexpr double kSynastryLowerAxis = 3000;
inline constexpr double kSynastryLineTop = 900;
inline constexpr double kSynastryLineBottom = 2600;

// The diagram's paint on the whole surface, in twips: clears it, draws both
// scales with their signs, planets and names, then the lines of the view.
void PaintSynastryLines(Canvas& canvas, const SynastryPaintInputs& in);

}  // namespace orv
