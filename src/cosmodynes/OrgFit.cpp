#include "cosmodynes/OrgFit.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "base/Format.h"
#include "base/Text.h"
#include "core/Aspects.h"
#include "core/FixedTables.h"
#include "listings/ChartHeaders.h"
#include "platform/Canvas.h"

namespace orv {

namespace {

// The five major aspects in the testing order; the last that holds wins.
constexpr AspectBand kOfaBands[] = {kMajorAndSemiBands[0], kMajorAndSemiBands[1],
                                    kMajorAndSemiBands[2], kMajorAndSemiBands[3],
                                    kConjunctionBand};

// The order of a department's aspect list, by `AspectCode`: trine, sextile,
// square, opposition, conjunction.
constexpr int kListOrder[] = {Code(AspectCode::Trine), Code(AspectCode::Sextile),
                              Code(AspectCode::Square), Code(AspectCode::Opposition),
                              Code(AspectCode::Conjunction)};

int RankOf(double value, const std::array<double, OfaDepartmentCount + 1>& all) {
  int rank = 1;
  for (int d = 1; d <= OfaDepartmentCount; ++d) rank += all[size_t(d)] > value;
  return rank;
}

std::string HouseText(std::string_view housePositions, int planet) {
  const std::optional<int> house = CosmoHouseOf(housePositions, planet);
  if (!house) return {};
  const std::string_view label = housePositions.substr(size_t(10 * (planet - 1)), 4);
  return ToLowerAscii(Trim(label)) + " house";
}

long Length(const std::string& s) { return static_cast<long>(CharacterCount(s)); }

// An aspect entry: the aspect's name cut to `nameChars`, a blank and the
// other planet's three letters.
std::string AspectEntry(const OfaAspect& a, size_t nameChars) {
  std::string entry(PackedField(AspectNames, a.code, AspectNameWidth).substr(0, nameChars));
  entry += ' ';
  entry += PackedField(PointNames10, a.other, PointNameWidth).substr(0, 3);
  return entry;
}

std::string OneDecimal(double v) { return FormatNumber(v, "##0.0"); }

// The table's row of department cells: "   | " and each department's cell.
template <class Cell>
std::string TableRow(Cell cell) {
  std::string line = "   | ";
  for (int d = 1; d <= OfaDepartmentCount; ++d) line += cell(d);
  return line;
}

}  // namespace

int OfaAspectCode(const PointArray<double>& longitudes, int p, int q, const OrbTable& orbs) {
  double s = std::abs(longitudes[size_t(p)] - longitudes[size_t(q)]);
  if (s > 180) s = 360 - s;
  int code = 0;
  for (const AspectBand& band : kOfaBands)
    if (InOrbBand(band.exactDeg, band.shape, false, s, orbs[size_t(band.kind)]))
      code = band.kind + 1;
  return code;
}

OrgFitAnalysis CalcOrgFit(const ChartArrays& natal, const CosmoSummaryTable& summary,
                          const OrbTable& orbs) {
  OrgFitAnalysis ofa;
  std::array<double, OfaDepartmentCount + 1> powers{}, harmonies{}, products{};
  for (int d = 1; d <= OfaDepartmentCount; ++d) {
    OfaDepartment& dep = ofa.departments[size_t(d)];
    const int p = OfaDepartments[size_t(d)];
    dep.planet = p;
    dep.power = powers[size_t(d)] = summary[size_t(p)][1];
    dep.harmony = harmonies[size_t(d)] = summary[size_t(p)][2];
    dep.product = products[size_t(d)] = dep.harmony * dep.power;
    dep.sign = PackedField(SignAbbreviations, CosmoSignOf(natal.Longitudes[size_t(p)]),
                           SignAbbreviationWidth);
    dep.house = HouseText(natal.HousePositions, p);
    for (const int code : kListOrder) {
      for (int q = ChartPoint::Sun; q <= ChartPoint::Moon; ++q) {
        if (q != p && OfaAspectCode(natal.Longitudes, p, q, orbs) == code)
          dep.aspects.push_back({code, q});
      }
    }
  }
  for (int d = 1; d <= OfaDepartmentCount; ++d) {
    OfaDepartment& dep = ofa.departments[size_t(d)];
    dep.powerRank = RankOf(dep.power, powers);
    dep.harmonyRank = RankOf(dep.harmony, harmonies);
    dep.productRank = RankOf(dep.product, products);
  }
  ofa.neptunePower = summary[ChartPoint::Neptune][1];
  ofa.neptuneHarmony = summary[ChartPoint::Neptune][2];
  ofa.uranusPower = summary[ChartPoint::Uranus][1];
  ofa.uranusHarmony = summary[ChartPoint::Uranus][2];
  return ofa;
}

void ListNatalOFA(ListingPage& page, const ChartModel& model, const OrgFitAnalysis& ofa) {
  const auto& deps = ofa.departments;
  page.Blank();
  page.Line(Spaces(46) + "Organizational Fit Analysis");
  page.Line(Spaces(47) + "(Based Upon Natal Assets)");
  AppendNatalHeader(page, model);
  page.Blank();
  page.Blank();
  page.Line(Spaces(21) + "Establishment" + Spaces(39) + "Organization");
  page.Line(Spaces(21) + "-------------" + Spaces(39) + "------------");
  page.Line(Spaces(16) + "(Neptune = " + OneDecimal(ofa.neptunePower) + " : " +
            OneDecimal(ofa.neptuneHarmony) + ")" + Spaces(30) + "(Uranus = " +
            OneDecimal(ofa.uranusPower) + " : " + OneDecimal(ofa.uranusHarmony) + ")");
  page.Line(Spaces(25) + FormatNumber(ofa.neptuneHarmony * ofa.neptunePower, "##0.00") +
            Spaces(45) + FormatNumber(ofa.uranusHarmony * ofa.uranusPower, "##0.00"));
  page.Blank();
  page.Line(Spaces(48) + "|" + Spaces(49) + "Public");
  page.Line(Spaces(7) +
            "Executive      Communica-     Expansion  |   Treasury/     Production       "
            "Quality       Contact &");
  page.Line(Spaces(24) + "tions" + Spaces(19) + "|    Energy" + Spaces(24) +
            "Control       Service/");
  page.Line(Spaces(48) + "|" + Spaces(49) + "Sales");
  page.Blank();
  page.Line(Spaces(8) +
            "  Sun          Mercury        Jupiter         Venus          Moon          "
            "Saturn          Mars");

  // Ranks stand over the department's cell: power over its first character,
  // product in the middle, harmony over the last digit of its value.
  std::string ranks = Spaces(109);
  for (int d = 1; d <= OfaDepartmentCount; ++d) {
    const size_t k = size_t(d - 1);
    const auto digit = [](int rank) { return static_cast<char>('0' + std::clamp(rank, 0, 9)); };
    ranks[15 * k + 5] = digit(deps[size_t(d)].powerRank);
    ranks[15 * k + 11] = digit(deps[size_t(d)].productRank);
    ranks[15 * k + 16] = digit(deps[size_t(d)].harmonyRank);
  }
  page.Line(ranks);
  const std::string rule = Spaces(3) + std::string(106, '-');
  page.Line(rule);

  page.Line(TableRow([&](int d) { return deps[size_t(d)].sign + Spaces(10) + "| "; }));
  page.Line(TableRow([&](int d) {
    const std::string& house = deps[size_t(d)].house;
    return house + Spaces(14 - Length(house) - 1) + "| ";
  }));
  std::string bars = Spaces(3) + "|";
  for (int d = 1; d <= OfaDepartmentCount; ++d) bars += Spaces(14) + "|";
  page.Line(bars);
  for (size_t r = 0; r < 10; ++r) {
    page.Line(TableRow([&](int d) {
      const auto& aspects = deps[size_t(d)].aspects;
      return r < aspects.size() ? AspectEntry(aspects[r], 8) + " | " : Spaces(13) + "| ";
    }));
  }
  // P left and H right in the cell's 12 characters, whatever their widths.
  page.Line(TableRow([&](int d) {
    const std::string p = OneDecimal(deps[size_t(d)].power);
    const std::string h = OneDecimal(deps[size_t(d)].harmony);
    return p + Spaces(std::max(1L, 12 - Length(p) - Length(h))) + h + " | ";
  }));
  page.Line(rule);
  std::string products = Spaces(5);
  for (int d = 1; d <= OfaDepartmentCount; ++d) {
    const std::string ph = FormatNumber(deps[size_t(d)].product, "###0.00");
    products += Spaces(3) + ph + Spaces(9 - Length(ph)) + Spaces(3);
  }
  page.Line(products);
  page.Blank();
  page.Blank();
  page.Line("   Notes:");
  page.Blank();
}

namespace {

// The page's units: 8.5 across, 11.5 down, from the top-left corner.
double ColumnX(int d) { return 1 + (d - 1) * 6.5 / 7; }

void PrintAt(Canvas& canvas, double x, double y, std::string_view text) {
  canvas.SetCurrent({x, y});
  canvas.Print(text);
}

// Prints on the line below the last one, at `x`.
void PrintBelow(Canvas& canvas, double x, std::string_view text) {
  canvas.SetCurrent({x, canvas.Current().y});
  canvas.Print(text);
}

void PrintCentred(Canvas& canvas, double y, std::string_view text) {
  PrintAt(canvas, (canvas.ScaleWidth() - canvas.TextWidth(text)) / 2, y, text);
}

std::string PrintedNote(std::string_view lead, double power, double harmony) {
  return std::string(lead) + OneDecimal(power) + "  :  " + OneDecimal(harmony) + Spaces(5) +
         FormatNumber(harmony * power, "##0.00") + ")";
}

std::string PrintedValue(double v) { return PadSignedNum4(FormatNumber(v, "###0.00")); }

std::string NatalDataLine(const ChartInputValues& in) {
  return HeaderDate(in) + Spaces(8) + "TZ = " + FormatNumber(in.timeZone, "##0.0") + Spaces(8) +
         FormatNumber(in.time, "#0.00") + " " + in.amPm + Spaces(8) +
         FormatNumber(std::abs(in.latitude), "##0.00") + " " + in.northSouth + Spaces(6) +
         FormatNumber(std::abs(in.longitude), "##0.00") + " " + in.eastWest;
}

struct Label {
  double x, y;  // y 0: the line below the previous label
  std::string_view text;
};

constexpr Label kLabels[] = {
    {1.1875, 3.875, "Executive"},
    {2.0125, 3.875, "Communica-"},
    {1.4375 + 13.0 / 16, 0, "tions"},
    {3.0375, 3.875, "Expansion"},
    {4, 3.875, "Treasury/"},
    {4.0625, 0, "Energy"},
    {4.875, 3.875, "Production"},
    {5.8875, 3.875, "Quality"},
    {5.8875, 0, "Control"},
    {6.875, 3.625, "Public"},
    {6.75, 0, "Contact &"},
    {6.81, 0, "Service/"},
    {6.9, 0, "Sales"},
};

struct PlanetHeading {
  double x;
  std::string_view text;
};

constexpr PlanetHeading kPlanetHeadings[] = {
    {1.365625, "Sun"}, {2.164, "Mercury"},   {3.153, "Jupiter"}, {4.0725, "Venus"},
    {5.0125, "Moon"},  {5.921875, "Saturn"}, {6.89, "Mars"},
};

}  // namespace

void DrawNatalOFA(Canvas& canvas, const ChartModel& model, const OrgFitAnalysis& ofa) {
  canvas.SetScale(0, 0, 8.5, 11.5);
  canvas.SetFontName("Times New Roman");
  canvas.SetForeColor(QBColor(0));
  canvas.SetDrawWidth(1);

  canvas.SetFontSize(16);
  canvas.SetFontBold(true);
  PrintCentred(canvas, 1, "Organizational Fit Analysis");
  canvas.SetFontSize(14);
  PrintCentred(canvas, 1.35, "(Based Upon Natal Assets)");
  canvas.SetFontSize(12);
  PrintAt(canvas, 1, 2, model.PersonName);
  canvas.SetFontSize(10);
  canvas.SetFontBold(false);
  PrintBelow(canvas, 1, NatalDataLine(model.NatalInput));

  for (const double y : {3.0, 3.5, 4.75, 6.75}) canvas.Line({1, y}, {7.5, y});
  for (const double x : {1.0, 1 + 19.5 / 7, 7.5}) canvas.Line({x, 3}, {x, 6.75});
  for (const int d : {2, 3, 5, 6, 7}) canvas.Line({ColumnX(d), 3.5}, {ColumnX(d), 6.75});

  canvas.SetFontSize(12);
  canvas.SetFontBold(true);
  PrintAt(canvas, 1.8, 3.125, "Establishment");
  PrintAt(canvas, 5.14, 3.125, "Organization");
  canvas.SetFontSize(9);
  for (const Label& l : kLabels) {
    if (l.y > 0)
      PrintAt(canvas, l.x, l.y, l.text);
    else
      PrintBelow(canvas, l.x, l.text);
  }
  for (const PlanetHeading& h : kPlanetHeadings) PrintAt(canvas, h.x, 4.375, h.text);
  canvas.SetFontSize(12);
  PrintAt(canvas, 1, 7.25, "Notes:");

  canvas.SetFontSize(8);
  canvas.SetFontBold(false);
  const auto& deps = ofa.departments;
  for (int d = 1; d <= OfaDepartmentCount; ++d) {
    PrintAt(canvas, ColumnX(d) + 0.0675, 4.8125, deps[size_t(d)].sign);
    PrintBelow(canvas, ColumnX(d) + 0.0675, deps[size_t(d)].house);
  }
  for (int d = 1; d <= OfaDepartmentCount; ++d) {
    canvas.SetCurrent({ColumnX(d) + 0.0675, 5.25});
    for (const OfaAspect& a : deps[size_t(d)].aspects)
      PrintBelow(canvas, ColumnX(d) + 0.0675, AspectEntry(a, 9));
  }
  for (int d = 1; d <= OfaDepartmentCount; ++d) {
    const OfaDepartment& dep = deps[size_t(d)];
    PrintAt(canvas, ColumnX(d), 6.572, PrintedValue(dep.power));
    PrintAt(canvas, ColumnX(d) + 0.55, 6.572, PrintedValue(dep.harmony));
    PrintAt(canvas, ColumnX(d) + 0.3, 6.8, PrintedValue(dep.product));
  }
  for (int d = 1; d <= OfaDepartmentCount; ++d) {
    const OfaDepartment& dep = deps[size_t(d)];
    const auto rank = [](int r) { return " " + std::to_string(r); };
    PrintAt(canvas, ColumnX(d) + 0.03125, 4.6, rank(dep.powerRank));
    PrintAt(canvas, ColumnX(d) + 0.77, 4.6, rank(dep.harmonyRank));
    PrintAt(canvas, ColumnX(d) + 0.415, 4.6, rank(dep.productRank));
  }
  PrintAt(canvas, 1.45, 3.33, PrintedNote("(Neptune =  ", ofa.neptunePower, ofa.neptuneHarmony));
  PrintAt(canvas, 4.775, 3.33, PrintedNote("(Uranus =  ", ofa.uranusPower, ofa.uranusHarmony));
}

}  // namespace orv
