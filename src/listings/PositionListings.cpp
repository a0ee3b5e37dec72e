#include "listings/PositionListings.h"

#include <array>
#include <string>

#include "core/FixedTables.h"
#include "core/HouseSystem.h"

namespace orv {

namespace {

// Rows of the planet tables: the Sun, the Moon, then Mercury to Chiron
// without the Moon and the South Node.
constexpr std::array<int, 15> kListedPoints = {
    ChartPoint::Sun,       ChartPoint::Moon,    ChartPoint::Mercury,   ChartPoint::Venus,
    ChartPoint::Mars,      ChartPoint::Jupiter, ChartPoint::Saturn,    ChartPoint::Uranus,
    ChartPoint::Neptune,   ChartPoint::Pluto,   ChartPoint::NorthNode, ChartPoint::PartOfFortune,
    ChartPoint::Ascendant, ChartPoint::MC,      ChartPoint::Chiron};

constexpr std::array<std::string_view, 36> kDecanateKeywords = {
    "Activity",    "Exaltation",      "Propaganda",     "Determination", "Struggle",
    "Mastership",  "Intuition",       "Fidelity",       "Reason",        "Moods",
    "Revelation",  "Research",        "Rulership",      "Reformation",   "Ambition",
    "Achievement", "Experience",      "Renunciation",   "Policy",        "Independence",
    "Expiation",   "Resourcefulness", "Responsibility", "Attainment",    "Devotion",
    "Exploration", "Illumination",    "Organization",   "Martyrdom",     "Idealism",
    "Originality", "Inspiration",     "Repression",     "Verity",        "Self-sacrifice",
    "Vicissitudes"};

constexpr std::string_view kBlankHouseField = "                ";  // 16

// The column captions stand below the table.
std::string Chart2Footer() { return std::string(51, ' ') + "Decl.   Solstice Pt"; }
std::string NatalFooter() { return Chart2Footer() + "    Lat."; }

std::string_view PointName10(int point) { return PackedField(PointNames10, point, PointNameWidth); }

void ListHouseCusps(ListingPage& page, const HouseCusps& cusps, HouseSystemCode system) {
  page.Blank();
  page.Line("  HOUSE CUSPS - " + std::string(HouseSystemInfoOf(system).name));
  std::string line;
  for (int i = 1; i <= 12; ++i) {
    line += line.empty() ? "  " : " ";
    line += PackedField(HouseLabels, i, HouseLabelWidth);
    line += " house = ";
    AppendSignPosition(line, cusps[size_t(i)]);
    if (i % 3 == 0) {
      page.Line(line);
      line.clear();
    }
  }
}

// Columns 1-50 of a point row: position, name, retrograde flag, house.
std::string PlanetNameColumns(const ChartArrays& chart, int point, bool showHouse) {
  std::string line = "  ";
  AppendSignPositionDMS(line, chart.Longitudes[size_t(point)]);
  line += "   ";
  line += PointName10(point);
  const size_t flag = size_t(point - 1);
  line += flag < chart.RetroFlags.size() ? chart.RetroFlags[flag] : ' ';
  line += "    ";
  if (showHouse) {
    std::string record(PackedField(chart.HousePositions, point, HousePositionWidth));
    record.resize(HousePositionWidth, ' ');
    line += "(" + record + ")    ";
  } else {
    line += kBlankHouseField;
  }
  return line;
}

// Columns 51-69: declination, three blanks and the solstice point.
void AppendDeclinationAndSolstice(std::string& line, double declinationDeg, double longitudeDeg,
                                  AntiscionAxis axis) {
  line += DeclinationText(declinationDeg);
  line += "   ";
  AppendSignPosition(line, CalcAntiscion(longitudeDeg, axis));
}

void ListNatalPlanets(ListingPage& page, const ChartArrays& chart, AntiscionAxis axis) {
  page.Blank();
  for (int point : kListedPoints) {
    if (point > LastPointOf(chart)) continue;
    std::string line = PlanetNameColumns(chart, point, true);
    AppendDeclinationAndSolstice(line, chart.Declinations[size_t(point)],
                                 chart.Longitudes[size_t(point)], axis);
    // Only the Sun, the Moon and the planets have an ecliptic latitude.
    if (point < ChartPoint::NorthNode)
      line += "   " + DeclinationText(chart.Latitudes[size_t(point)]);
    page.Line(line);
  }
  page.Line(NatalFooter());
}

void ListChart2Planets(ListingPage& page, const ChartArrays& chart, bool showHouse,
                       AntiscionAxis axis) {
  page.Blank();
  for (int point : kListedPoints) {
    if (point > LastPointOf(chart)) continue;
    std::string line = PlanetNameColumns(chart, point, showHouse);
    AppendDeclinationAndSolstice(line, chart.Declinations[size_t(point)],
                                 chart.Longitudes[size_t(point)], axis);
    page.Line(line);
  }
  page.Line(Chart2Footer());
}

void ListTrueNode(ListingPage& page, const ChartModel& model, AntiscionAxis axis) {
  page.Blank();
  std::string line = "  ";
  AppendSignPositionDMS(line, model.TrueNodeLongitude);
  line += "   TRUE NORTH NODE";
  line += kBlankHouseField;
  AppendDeclinationAndSolstice(line, model.TrueNodeDeclination, model.TrueNodeLongitude, axis);
  page.Line(line);
}

void ListDecanates(ListingPage& page, const ChartArrays& chart) {
  page.Blank();
  page.Line("  PLANET   is in Decanate of");
  page.Line("  ------   " + std::string(17, '-'));
  for (int i = 1; i <= LastPointOf(chart); ++i) {
    std::string name(PointNames[size_t(i)].substr(0, 7));
    name.resize(9, ' ');
    page.Line("  " + name + std::string(DecanateKeyword(chart.Longitudes[size_t(i)])));
  }
}

// Rows by `HelioBody`: the Earth (1), Mercury to Pluto (2-9), Chiron (16).
void ListHelioPositions(ListingPage& page, const ChartArrays& chart) {
  page.Blank();
  page.Line("  HELIO PLANET POSITIONS");
  auto row = [&](int body, std::string_view name, bool withLatitude) {
    std::string line = "  ";
    AppendSignPosition(line, chart.HelioLongitudes[size_t(body)]);
    line += "   ";
    line += name;
    if (withLatitude) line += "     " + DeclinationText(chart.HelioLatitudes[size_t(body)]);
    page.Line(line);
  };
  row(1, "EARTH     ", false);
  for (int body = 2; body <= 9; ++body) row(body, PointName10(body), true);
  if (chart.HasChiron) row(ChartPoint::Chiron, "CHIRON    ", true);
}

}  // namespace

std::string_view DecanateKeyword(double longitudeDeg) {
  if (longitudeDeg >= 0 && longitudeDeg < 350) return kDecanateKeywords[size_t(longitudeDeg / 10)];
  return kDecanateKeywords.back();
}

void ListNatalData(ListingPage& page, ChartModel& model, AntiscionAxis axis) {
  model.Kind = ChartKind::Natal;
  ListHouseCusps(page, model.Natal.Cusps, model.HouseSystem);
  ListNatalPlanets(page, model.Natal, axis);
  ListTrueNode(page, model, axis);
  ListDecanates(page, model.Natal);
  ListHelioPositions(page, model.Natal);
}

void ListTransitPositions(ListingPage& page, ChartModel& model, const SecondPersonBox& box,
                          AntiscionAxis axis) {
  model.Kind = ChartKind::Second;
  page.Blank();
  page.Line(box.checked ? "  " + box.caption + "'s NATAL POSITIONS" : "  TRANSIT POSITIONS");
  AppendDiurnalHeader(page, model);
  ListHouseCusps(page, model.Diurnal.Cusps, model.HouseSystem);
  ListChart2Planets(page, model.Diurnal, box.checked, axis);
  ListHelioPositions(page, model.Diurnal);
}

}  // namespace orv
