#include "core/HousePlacement.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/Text.h"
#include "core/Angles.h"
#include "core/OptionNumbers.h"

namespace orv {

namespace {

constexpr size_t kRecordWidth = 10;
constexpr size_t kLabelWidth = 4;
constexpr std::string_view kHouseWord = " HOUSE";

// A point this close before a cusp (a tenth of an arc second) already
// counts in the house that begins there.
constexpr double kCuspLeadDeg = 1.0 / 36000;

// The mirrored sign, by sign 1..12 (index 0 unused), per axis.
constexpr int kSolsticeSign[13] = {0, 6, 5, 4, 3, 2, 1, 12, 11, 10, 9, 8, 7};
constexpr int kEquinoxSign[13] = {0, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};

// Written with & and | rather than && and ||: a chart asks this for every
// point and house, and the answers follow no pattern a branch predictor
// could learn.
bool LiesInEntry(double v, double start, double end) {
  if (start <= end) return (start <= v) & (v < end);
  return ((start <= v) & (v < 360)) | ((0 <= v) & (v < end));  // the entry holds 0 Aries
}

}  // namespace

namespace {

// The label of each house 1..12 (index 0 unused); "" where the table
// lacks one.
using HouseLabelViews = std::array<std::string_view, 13>;
HouseLabelViews LabelsOf(std::string_view houseLabels) {
  HouseLabelViews labels;
  for (size_t h = 1; h <= 12; ++h) {
    labels[h] = houseLabels.substr(std::min(houseLabels.size(), (h - 1) * kLabelWidth),
                                   kLabelWidth);
  }
  return labels;
}

// The label of the house a point at `longitudeDeg` lies in, "" for none.
// Should the cusps overlap, the last house that holds the point wins, so
// the scan runs from house 12 down and stops at the first. A house whose
// label the table lacks writes nothing, so it leaves the point to an
// earlier house.
std::string_view HouseLabel(double longitudeDeg, const HouseCusps& cusps,
                            const HouseLabelViews& labels) {
  // A tenth of an arc second on.
  double v = longitudeDeg + kCuspLeadDeg;
  if (v >= 360) v -= 360;
  for (int h = 12; h >= 1; --h) {
    const std::string_view label = labels[size_t(h)];
    if (!label.empty() && LiesInEntry(v, cusps[h], cusps[h == 12 ? 1 : h + 1])) return label;
  }
  return {};
}

}  // namespace

std::string PlacePlanetsInHouses(std::string housePositions, const PointArray<double>& longitudes,
                                 const HouseCusps& cusps, std::string_view houseLabels) {
  if (housePositions.size() < kRecordWidth * NumPoints) {
    housePositions.resize(kRecordWidth * NumPoints, ' ');
  }
  const HouseLabelViews labels = LabelsOf(houseLabels);
  for (int j = 1; j <= NumPoints; ++j) {
    char* record = housePositions.data() + size_t(j - 1) * kRecordWidth;
    std::copy(kHouseWord.begin(), kHouseWord.end(), record + kLabelWidth);
    const std::string_view label = HouseLabel(longitudes[j], cusps, labels);
    std::copy(label.begin(), label.end(), record);
  }
  return housePositions;
}

bool LiesInAHouse(double longitudeDeg, const HouseCusps& cusps, std::string_view houseLabels,
                  int* houseNumber) {
  const std::string_view label = HouseLabel(longitudeDeg, cusps, LabelsOf(houseLabels));
  if (houseNumber) *houseNumber = HouseNumberOfRecord(label);
  return !label.empty();
}

int HouseNumberOfRecord(std::string_view record) {
  return static_cast<int>(LeadingNumber(record.substr(0, 2)));
}

namespace {
double EclipticDeclination(double longitudeDeg, SinCos obliquity) {
  const SinCos lon = SinCosDeg(longitudeDeg);
  return SphericalLatitude(lon.cos, lon.sin * obliquity.cos, lon.sin * obliquity.sin);
}
}  // namespace

double EclipticDeclination(double longitudeDeg, double obliquityRadians) {
  return EclipticDeclination(longitudeDeg, SinCos{std::sin(obliquityRadians), std::cos(obliquityRadians)});
}

PointArray<double> CalcPointDeclinations(PointArray<double> declinations,
                                         const PointArray<double>& longitudes,
                                         double obliquityRadians) {
  const SinCos obliquity{std::sin(obliquityRadians), std::cos(obliquityRadians)};
  for (int k = ChartPoint::NorthNode; k <= ChartPoint::MC; ++k) {
    declinations[k] = EclipticDeclination(longitudes[k], obliquity);
  }
  return declinations;
}

AntiscionAxis AntiscionAxisOf(const OptionValues& options) {
  return options[OptionNumber::AntiscionVariant] == 0 ? AntiscionAxis::Solstice
                                                      : AntiscionAxis::Equinox;
}

double CalcAntiscion(double longitudeDeg, AntiscionAxis axis) {
  longitudeDeg = Mod360(longitudeDeg);  // keeps the sign inside the tables
  // NaN, or a value so large that the reduction loses it: no angle at all.
  if (!(longitudeDeg >= 0 && longitudeDeg < 360)) longitudeDeg = 0;
  const int sign = SplitLongitudeDM(longitudeDeg).sign;
  double withinSign = longitudeDeg;
  while (withinSign >= 30) withinSign -= 30;
  const int mirrored = axis == AntiscionAxis::Solstice ? kSolsticeSign[sign] : kEquinoxSign[sign];
  // The sign-by-sign formula gives 360 for 0 and 180 on the solstice axis.
  return Mod360((mirrored - 1) * 30 + (30 - withinSign));
}

}  // namespace orv
