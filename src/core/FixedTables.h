#pragma once
// The name and angle tables every listing cuts its fields from. They are
// constant: nothing changes them after start-up. `RetroFlags` and
// `HousePositions` start from the values here and are rewritten per chart.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ChartPoints.h"

namespace orv {

// Line end of every text the program writes.
inline constexpr std::string_view NewLine = "\r\n";

// Field `n` (from 1) of a packed string of `width`-character fields: the
// characters n*width-width+1 to n*width. Empty when the field lies outside.
constexpr std::string_view PackedField(std::string_view packed, int n, int width) {
  if (n < 1 || width < 1) return {};
  const auto start = static_cast<size_t>(n - 1) * static_cast<size_t>(width);
  if (start >= packed.size()) return {};
  return packed.substr(start, static_cast<size_t>(width));
}

// Field widths of the packed name strings.
inline constexpr int PointNameWidth = 10;
inline constexpr int SignAbbreviationWidth = 3;
inline constexpr int HouseLabelWidth = 4;
inline constexpr int AspectNameWidth = 12;

// `PointNames10`: 16 fields of 10, `ChartPoint` order. "Part F." is mixed
// case among upper-case names; listings take the field or its first 3.
inline constexpr std::string_view PointNames10 =
    "SUN       MERCURY   VENUS     MARS      JUPITER   SATURN    URANUS    NEPTUNE   "
    "PLUTO     MOON      N. NODE   S. NODE   Part F.   ASC       MC        CHIRON    ";

// The signs' names, `ZodiacSign` order from 0 (Aries).
inline constexpr std::array<std::string_view, 12> SignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// `SignAbbreviations`: 12 fields of 3, `ZodiacSign` order.
inline constexpr std::string_view SignAbbreviations = "ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS";

// `HouseLabels`: 13 fields of 4 in cusp-array order (field 1 the 10th house,
// field 4 the 1st); one-digit houses carry a leading blank; field 13 blank.
inline constexpr std::string_view HouseLabels =
    "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH    ";

// `AspectNames`: 18 fields of 12 indexed by `AspectCode` (code 1, no aspect,
// is twelve blanks; code k+1 names `AspectKind` k).
inline constexpr std::string_view AspectNames =
    "            conjunct    sextile     square      trine       "
    "opposite    PARALLEL    s.sextile   s.square    ses.square  "
    "quincunx    s.quintile  nonagen     quintile    trecile     "
    "bi-quintile septile     quindecile  ";

// The highest `AspectCode`.
inline constexpr int MaxAspectCode = 18;

// `AspectAngles`: the exact angle in whole degrees per `AspectCode` (0..18).
// The septile is 51, not 51.43: the table is integer, and the parallel is 0.
inline constexpr std::array<std::int16_t, MaxAspectCode + 1> AspectAngles = {
    0, 0, 0, 60, 90, 120, 180, 0, 30, 45, 135, 150, 36, 40, 72, 108, 144, 51, 165};

// `PointNames`: `ChartPoint` order; "MC " and "CHIRON " keep a trailing blank.
inline constexpr PointArray<std::string_view> PointNames = {
    "",      "SUN",  "MERCURY", "VENUS",   "MARS",    "JUPITER", "SATURN", "URANUS", "NEPTUNE",
    "PLUTO", "MOON", "N. NODE", "S. NODE", "Part F.", "ASC",     "MC ",    "CHIRON "};

// `PointNames9`: 9-character names of the cosmic state table; element 12 is
// empty on purpose, so that column prints nothing.
inline constexpr std::array<std::string_view, 15> PointNames9 = {
    "",          "SUN      ", "MERCURY  ", "VENUS    ", "MARS     ",
    "JUPITER  ", "SATURN   ", "URANUS   ", "NEPTUNE  ", "PLUTO    ",
    "MOON     ", "NN       ", "",          "PART F.  ", "ASCENDANT"};

// `ReportPointNames`: keys of the interpretation texts, in `ReportPoint`
// order (the Moon second, unlike `PointNames`).
inline constexpr PointArray<std::string_view> ReportPointNames = {
    "",        "Sun",   "Moon",   "Mercury", "Venus",  "Mars", "Jupiter",  "Saturn", "Uranus",
    "Neptune", "Pluto", "N_Node", "S_Node",  "P_of_F", "Asc",  "M_Heaven", "Chiron"};

// The width of one `HousePositions` record.
inline constexpr int HousePositionWidth = 10;

// The starting `RetroFlags`: one blank per `ChartPoint`.
std::string InitialRetroFlags();

// The starting `HousePositions`: one 10-character record per `ChartPoint`,
// blank except the Ascendant and MC records, which read "---- -----".
std::string InitialHousePositions();

}  // namespace orv
