#include "listings/CosmicState.h"

#include <array>
#include <cmath>

#include "base/Format.h"
#include "base/Text.h"
#include "core/FixedTables.h"
#include "core/OptionNumbers.h"
#include "listings/ChartHeaders.h"
#include "platform/Host.h"

namespace orv {

namespace {

namespace P = ChartPoint;
using O = std::optional<int>;

// By `ZodiacSign`, element 0 unused.
constexpr std::array<int, 13> kSignRulers = {
    0,        P::Mars, P::Venus,   P::Mercury, P::Moon,   P::Sun,    P::Mercury,
    P::Venus, P::Mars, P::Jupiter, P::Saturn,  P::Saturn, P::Jupiter};
constexpr std::array<O, 13> kExaltations = {
    O{},          O{P::Sun}, O{P::Moon}, O{},        O{P::Jupiter}, O{},        O{P::Mercury},
    O{P::Saturn}, O{},       O{},        O{P::Mars}, O{},           O{P::Venus}};
// Scorpio, Aquarius and Pisces; the other signs have no modern ruler.
constexpr std::array<O, 13> kModernRulers = {
    O{}, O{}, O{}, O{}, O{}, O{}, O{}, O{}, O{P::Pluto}, O{}, O{}, O{P::Uranus}, O{P::Neptune}};

// Fire, earth, air, water.
constexpr std::array<int, 4> kDayTriplicity = {P::Sun, P::Venus, P::Saturn, P::Mars};
constexpr std::array<int, 4> kNightTriplicity = {P::Jupiter, P::Moon, P::Mercury, P::Mars};

struct Term {
  int ruler;
  int endDeg;  // within the sign, exclusive
};
constexpr std::array<std::array<Term, 5>, 12> kTerms = {{
    {{{P::Jupiter, 6}, {P::Venus, 14}, {P::Mercury, 21}, {P::Mars, 26}, {P::Saturn, 30}}},
    {{{P::Venus, 8}, {P::Mercury, 15}, {P::Jupiter, 22}, {P::Saturn, 26}, {P::Mars, 30}}},
    {{{P::Mercury, 7}, {P::Jupiter, 14}, {P::Venus, 21}, {P::Saturn, 25}, {P::Mars, 30}}},
    {{{P::Mars, 6}, {P::Jupiter, 13}, {P::Mercury, 20}, {P::Venus, 27}, {P::Saturn, 30}}},
    {{{P::Saturn, 6}, {P::Mercury, 13}, {P::Venus, 19}, {P::Jupiter, 25}, {P::Mars, 30}}},
    {{{P::Mercury, 7}, {P::Venus, 13}, {P::Jupiter, 18}, {P::Saturn, 24}, {P::Mars, 30}}},
    {{{P::Saturn, 6}, {P::Venus, 11}, {P::Jupiter, 19}, {P::Mercury, 24}, {P::Mars, 30}}},
    {{{P::Mars, 6}, {P::Jupiter, 14}, {P::Venus, 21}, {P::Mercury, 27}, {P::Saturn, 30}}},
    {{{P::Jupiter, 8}, {P::Venus, 14}, {P::Mercury, 19}, {P::Saturn, 25}, {P::Mars, 30}}},
    {{{P::Venus, 6}, {P::Mercury, 12}, {P::Jupiter, 19}, {P::Mars, 25}, {P::Saturn, 30}}},
    {{{P::Saturn, 6}, {P::Mercury, 12}, {P::Venus, 20}, {P::Jupiter, 25}, {P::Mars, 30}}},
    {{{P::Venus, 8}, {P::Jupiter, 14}, {P::Mercury, 20}, {P::Mars, 26}, {P::Saturn, 30}}},
}};

// The Chaldean order of the faces from 0 Aries; seven faces span 70 degrees.
constexpr std::array<int, 7> kFaceRulers = {P::Mars, P::Sun,    P::Venus,  P::Mercury,
                                            P::Moon, P::Saturn, P::Jupiter};

struct Range {
  double fromDeg, toDeg;  // from inclusive, to exclusive
};
struct Debilities {
  int planet;
  std::array<Range, 2> detriment;  // an empty second range where there is one sign
  Range fall;
};
constexpr std::array<Debilities, 7> kDebilities = {{
    {P::Sun, {{{300, 330}, {0, 0}}}, {180, 210}},
    {P::Moon, {{{270, 300}, {0, 0}}}, {210, 240}},
    {P::Mercury, {{{240, 270}, {330, 360}}}, {330, 360}},
    {P::Venus, {{{0, 30}, {210, 240}}}, {150, 180}},
    {P::Mars, {{{30, 60}, {180, 210}}}, {90, 120}},
    {P::Jupiter, {{{60, 90}, {150, 180}}}, {270, 300}},
    {P::Saturn, {{{90, 150}, {0, 0}}}, {0, 30}},
}};

// Mean daily motions in degrees per day.
struct MeanMotion {
  int planet;
  double degPerDay;
};
constexpr std::array<MeanMotion, 7> kMeanMotions = {{{P::Sun, 0.9856103},
                                                     {P::Mercury, 0.9856103},
                                                     {P::Venus, 0.9856103},
                                                     {P::Mars, 0.524344},
                                                     {P::Jupiter, 0.083251},
                                                     {P::Saturn, 0.033697},
                                                     {P::Moon, 13.176541}}};
constexpr double kStationaryDegPerDay = 0.00833333;

// The rows, and the peregrine list's order.
constexpr std::array<int, 7> kRowOrder = {P::Sun,  P::Moon,    P::Mercury, P::Venus,
                                          P::Mars, P::Jupiter, P::Saturn};
constexpr std::array<int, 7> kPeregrineOrder = {P::Sun,     P::Mercury, P::Venus, P::Mars,
                                                P::Jupiter, P::Saturn,  P::Moon};

int SignOf(double lonDeg) {
  const int sign = int(std::floor(lonDeg / 30)) + 1;
  return sign < 1 ? 1 : sign > 12 ? 12 : sign;
}

bool InRange(double lonDeg, const Range& r) { return lonDeg >= r.fromDeg && lonDeg < r.toDeg; }

const Debilities* DebilitiesOf(int planet) {
  for (const Debilities& d : kDebilities) {
    if (d.planet == planet) return &d;
  }
  return nullptr;
}

bool Rules(int planet, int sign) { return SignRulerOf(sign) == planet; }
bool RulesModern(int planet, int sign) {
  return Rules(planet, sign) || kModernRulers[size_t(sign)] == planet;
}

std::string_view Name(int planet) { return PointNames[size_t(planet)]; }

// One reception scan: the partner of each planet j and when the pair holds.
struct ReceptionScan {
  std::string_view heading;
  bool outerPlanetsToo;  // j also runs over Uranus, Neptune and Pluto
  O (*partner)(int sign);
  bool (*holds)(int j, int i, int signOfI);
  int weight;  // added to both planets of a pair
};
constexpr std::array<ReceptionScan, 4> kReceptionScans = {{
    {"Mutual Reception (by sign) - ", false, [](int sign) { return O{SignRulerOf(sign)}; },
     [](int j, int i, int signOfI) { return i > j && Rules(j, signOfI); }, 5},
    {"Mutual Reception (by sign) - ", true, [](int sign) { return kModernRulers[size_t(sign)]; },
     [](int j, int i, int signOfI) { return i > j && RulesModern(j, signOfI); }, 0},
    {"Mutual Reception (by exaltation) - ", false, ExaltedIn,
     [](int j, int i, int signOfI) { return i > j && ExaltedIn(signOfI) == j; }, 4},
    {"Mixed Reception (sign/exaltation) - ", false, ExaltedIn,
     [](int j, int i, int signOfI) { return i != j && Rules(j, signOfI); }, 0},
}};

// Builds the staged lines and the strengths.
class CosmicStateRater {
 public:
  CosmicStateRater(const ChartModel& charts, const OptionValues& options)
      : lon_(charts.Natal.Longitudes),
        motion_(charts.DailyMotion),
        retroFlags_(charts.Natal.RetroFlags),
        options_(options),
        dayChart_(LeadingNumber(std::string_view(charts.Natal.HousePositions).substr(0, 2)) > 6) {}

  CosmicStateTable Run() {
    table_.lines.push_back(
        "  Planet    Sign      Exlt.     Trip.     Term      Face      Speed      Rate   "
        "Strength");
    table_.lines.push_back(
        "  ------    ----      -----     -----     ----      ----      -----      ----   "
        "--------");
    for (int p : kRowOrder) AddRow(p);
    table_.lines.emplace_back();
    AddDignityLists();
    for (const ReceptionScan& scan : kReceptionScans) AddReceptions(scan);
    return std::move(table_);
  }

 private:
  double Option(int k) const { return double(options_[size_t(k)]); }
  int SignAt(int p) const { return SignOf(lon_[size_t(p)]); }
  char RetroFlag(int p) const {
    const size_t at = size_t(p - 1);
    return at < retroFlags_.size() ? retroFlags_[at] : ' ';
  }

  // `AddRuler...`: the ruler's name in the row; a dignity of the row's own
  // planet counts to its strength.
  void AddRuler(std::string& row, int rowPlanet, int ruler, int dignityPoints) {
    row += PointNames9[size_t(ruler)];
    row += ' ';
    if (ruler == rowPlanet) {
      dignityFound_[size_t(rowPlanet)] = true;
      table_.scores[size_t(rowPlanet)] += dignityPoints;
    }
  }

  void AddRow(int p) {
    namespace C = OptionNumber;
    const double lon = lon_[size_t(p)];
    const int sign = SignAt(p);
    std::string row = "  " + std::string(PointNames9[size_t(p)]) + " ";
    AddRuler(row, p, SignRulerOf(sign), 5);
    if (const O exalted = ExaltedIn(sign)) {
      AddRuler(row, p, *exalted, 4);
    } else {
      row += " ---      ";
    }
    AddRuler(row, p, TriplicityRulerOf(sign, dayChart_), 3);
    AddRuler(row, p, TermRulerAt(lon), 2);
    AddRuler(row, p, FaceRulerAt(lon), 1);
    const std::string_view speed = CosmicSpeedClass(p, motion_[size_t(p)]);
    row += speed;
    row += ' ';
    row += RetroFlag(p);
    row += CosmicRate(p, motion_[size_t(p)]);
    table_.lines.push_back(std::move(row));

    double& score = table_.scores[size_t(p)];
    if (RetroFlag(p) == 'R') {
      score += Option(C::CosmicStateRetrograde);
    } else {
      if (p >= P::Mercury && p <= P::Pluto) score += Option(C::CosmicStateDirect);
      if (speed == "FAST") score += Option(C::CosmicStateFast);
      if (speed == "SLOW" || speed == "stat") score += Option(C::CosmicStateSlow);
    }
    if (p == P::Sun) return;
    double d = lon_[P::Sun] - lon;
    if (d < 0) d += 360;
    const bool occidental = d > 180;  // exactly opposite the Sun is oriental
    const bool inner = p == P::Mercury || p == P::Venus;
    if (p == P::Moon) {
      score += Option(occidental ? C::CosmicStateMoonOccidental : C::CosmicStateMoonOriental);
    } else if (inner) {
      score += Option(occidental ? C::CosmicStateMercVenOccidental : C::CosmicStateMercVenOriental);
    } else {
      score += Option(occidental ? C::CosmicStateOuterOccidental : C::CosmicStateOuterOriental);
    }
  }

  void AddDignityLists() {
    std::string line = "  Peregrine - ";
    for (int p : kPeregrineOrder) {
      if (dignityFound_[size_t(p)]) continue;
      line += std::string(Name(p)) + " ";
      table_.scores[size_t(p)] += Option(OptionNumber::CosmicStateNoDignity);
    }
    table_.lines.push_back(std::move(line));
    AddDebilityList("  Detriment - ", InDetriment, -5);
    AddDebilityList("  Fall - ", InFall, -4);
  }

  void AddDebilityList(std::string line, bool (*holds)(int, double), int weight) {
    for (int p : kRowOrder) {
      if (!holds(p, lon_[size_t(p)])) continue;
      line += std::string(Name(p)) + " ";
      table_.scores[size_t(p)] += weight;
    }
    table_.lines.push_back(std::move(line));
  }

  void AddReceptions(const ReceptionScan& scan) {
    std::string line;
    for (int j = 1; j <= P::Moon; ++j) {
      if (!scan.outerPlanetsToo && j >= P::Uranus && j <= P::Pluto) continue;
      const O i = scan.partner(SignAt(j));
      if (!i || !scan.holds(j, *i, SignAt(*i))) continue;
      if (line.empty()) line = "  " + std::string(scan.heading);
      line += std::string(Name(j)) + "-" + std::string(Name(*i)) + "   ";
      table_.scores[size_t(j)] += scan.weight;
      table_.scores[size_t(*i)] += scan.weight;
    }
    if (!line.empty()) table_.lines.push_back(std::move(line));
  }

  const PointArray<double>& lon_;
  const PointArray<double>& motion_;
  const std::string& retroFlags_;
  const OptionValues& options_;
  const bool dayChart_;
  PointArray<bool> dignityFound_{};
  CosmicStateTable table_;
};

}  // namespace

int SignRulerOf(int sign) { return kSignRulers[size_t(sign)]; }

std::optional<int> ExaltedIn(int sign) { return kExaltations[size_t(sign)]; }

int TriplicityRulerOf(int sign, bool dayChart) {
  const size_t element = size_t(sign - 1) % 4;
  return dayChart ? kDayTriplicity[element] : kNightTriplicity[element];
}

int TermRulerAt(double lonDeg) {
  const int sign = SignOf(lonDeg);
  const double signStartDeg = (sign - 1) * 30.0;
  for (const Term& t : kTerms[size_t(sign - 1)]) {
    if (lonDeg < signStartDeg + t.endDeg) return t.ruler;
  }
  return kTerms[size_t(sign - 1)].back().ruler;
}

int FaceRulerAt(double lonDeg) {
  double rest = lonDeg;
  while (rest >= 70) rest -= 70;
  const int band = int(std::floor(rest / 10));
  return kFaceRulers[size_t(band < 0 ? 0 : band > 6 ? 6 : band)];
}

bool InDetriment(int planet, double lonDeg) {
  const Debilities* d = DebilitiesOf(planet);
  return d && (InRange(lonDeg, d->detriment[0]) || InRange(lonDeg, d->detriment[1]));
}

bool InFall(int planet, double lonDeg) {
  const Debilities* d = DebilitiesOf(planet);
  return d && InRange(lonDeg, d->fall);
}

std::string_view CosmicSpeedClass(int planet, double dailyMotionDeg) {
  const double m = std::fabs(dailyMotionDeg);
  if (m < kStationaryDegPerDay) return "stat";
  for (const MeanMotion& mean : kMeanMotions) {
    if (mean.planet != planet) continue;
    if (m > mean.degPerDay) return "FAST";
    if (m < mean.degPerDay) return "SLOW";
  }
  return "AVG.";
}

std::string CosmicRate(int planet, double dailyMotionDeg) {
  const double m = std::fabs(dailyMotionDeg);
  long degrees = long(std::floor(m));
  long minutes = long(std::floor((m - double(degrees)) * 60 + 0.5));
  // 59.5 minutes and more are the next whole degree, not "60m".
  if (minutes >= 60) {
    ++degrees;
    minutes -= 60;
  }
  return std::string(planet == P::Moon ? 3 : 4, ' ') + " " + std::to_string(degrees) + "d " +
         TwoDigits(minutes) + "m";
}

CosmicStateTable RateCosmicState(const ChartModel& charts, const OptionValues& options) {
  return CosmicStateRater(charts, options).Run();
}

void ListCosmicState(ListingPage& page, const ChartModel& charts, const OptionValues& options) {
  BusyCursor busy(page.host);
  const CosmicStateTable table = RateCosmicState(charts, options);
  page.Blank();
  for (size_t k = 0; k < table.lines.size(); ++k) {
    std::string line = table.lines[k];
    // Lines 2 to 8 are the planet rows, in row order.
    if (k >= 2 && k < 2 + kRowOrder.size()) {
      const double score = table.scores[size_t(kRowOrder[k - 2])];
      line += "   " + PadSignedNum4(FormatNumber(score, "##0"));
    }
    page.Line(line);
  }
}

}  // namespace orv
