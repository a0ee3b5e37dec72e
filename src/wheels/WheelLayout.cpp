#include "wheels/WheelLayout.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"
#include "wheels/DerivedWheelTables.h"
#include "wheels/GlyphCodes.h"

namespace orv {

namespace {

constexpr double kPi = 3.1415926535;
constexpr double kDegPerRad = 180 / kPi;

// The farthest any label reaches from the centre across and up or down.
constexpr double kLabelReachX = 276;
constexpr double kLabelReachY = 240;
// The surface at which the option font sizes are drawn as they are: 800
// dots across 640 wheel units, at 96 dpi, in points per wheel unit.
constexpr double kReferencePointsPerUnit = 800.0 / 640 * 72 / 96;

double CosD(double deg) { return std::cos(deg / kDegPerRad); }
double SinD(double deg) { return std::sin(deg / kDegPerRad); }

// House h's cusp in house order (1 the Ascendant).
double HouseCusp(const HouseCusps& cusps, int house) {
  return cusps[static_cast<std::size_t>(CuspIndexOfHouse(house))];
}

CuspLabel LabelCharacters(double cuspDeg, const std::array<UserPoint, 5>& at) {
  const LongitudeParts parts = SplitLongitudeDM(Mod360(cuspDeg));
  const std::array<int, 5> codes = {'0' + parts.degrees / 10, '0' + parts.degrees % 10,
                                    GlyphCode::SignBase + parts.sign, '0' + parts.minutes / 10,
                                    '0' + parts.minutes % 10};
  CuspLabel label;
  for (std::size_t c = 0; c < 5; ++c) label[c] = {codes[c], at[c]};
  return label;
}

}  // namespace

int ToInteger(double value) { return static_cast<int>(std::nearbyint(value)); }

std::optional<int> StartScaleFor(double width, double height) {
  if (!(width > 0) || !(height > 0)) return std::nullopt;
  // Wide enough for the cusp labels beside the wheel and tall enough for
  // those above and below it, whatever the window's shape.
  return ToInteger(std::max(kLabelReachX, kLabelReachY * width / height));
}

double WindowFontScale(double deviceUnitsPerUser, double dotsPerInch) {
  if (!(dotsPerInch > 0) || !(deviceUnitsPerUser > 0)) return 1;
  const double pointsPerUnit = deviceUnitsPerUser * 72 / dotsPerInch;
  return std::max(SmallestFontScale, pointsPerUnit / kReferencePointsPerUnit);
}

DeviceSize LegibleWheelArea(double dotsPerInch) {
  const double unit = SmallestFontScale * kReferencePointsPerUnit * dotsPerInch / 72;
  return {static_cast<int>(std::ceil(2 * kLabelReachX * unit)),
          static_cast<int>(std::ceil(2 * kLabelReachY * unit))};
}

DeviceSize WheelOpeningArea(double dotsPerInch) {
  const double dpi = dotsPerInch > 0 ? dotsPerInch : 96;
  return {ToInteger(800 * dpi / 96), ToInteger(600 * dpi / 96)};
}

ScaleEdges WindowScaleEdges(int startScale, double heightOverWidth) {
  const double s = startScale;
  return {-s, s * heightOverWidth, s, -s * heightOverWidth};
}

double HalfPageWheelHeight(double pageWidth, double pageHeight) {
  return std::min(pageWidth * 0.75, pageHeight / 2);
}

int PrinterStartScale(int typeChart, int wheelKind) {
  return typeChart != 0 && wheelKind == 1 ? 272 : 265;
}

ScaleEdges PrinterScaleEdges(int startScale) {
  const double s = startScale;
  const double f = PrinterVerticalFactor;
  return {-f * s, f * (1.25 * s - 56), f * s, f * (-1.25 * s - 56)};
}

std::array<double, 12> EqualSpokeAngles() {
  // Twelve steps of pi/6, counted rather than compared with 2 pi, so the
  // accumulated rounding never loses the last spoke.
  std::array<double, 12> angles{};
  double a = 0;
  for (std::size_t k = 0; k < 12; ++k, a += kPi / 6) angles[k] = a * kDegPerRad;
  return angles;
}

std::array<double, 12> SingleFrameSpokeAngles(int typeChart, const HouseCusps& cusps) {
  if (typeChart == 0) return EqualSpokeAngles();
  std::array<double, 12> angles{};
  angles[0] = 180;
  for (int k = 2; k <= 12; ++k) {
    double d = HouseCusp(cusps, k) - HouseCusp(cusps, 1);
    if (d < 0) d += 360;
    d += 180;
    if (d >= 360) d -= 360;
    angles[static_cast<std::size_t>(k - 1)] = d;
  }
  return angles;
}

double SurfaceVerticalFactor(const Canvas& surface) {
  return std::fabs(surface.DeviceUnitsPerUserX() / surface.DeviceUnitsPerUserY());
}

std::array<UserPoint, 2> SpokeEnds(double angleDeg, double r1, double r2, double f) {
  const double c = CosD(angleDeg), s = SinD(angleDeg);
  return {UserPoint{r1 * c, r1 * f * s}, UserPoint{r2 * c, r2 * f * s}};
}

HouseCusps HouseSectorWidths(const HouseCusps& cusps) {
  HouseCusps widths{};
  for (std::size_t i = 1; i <= 11; ++i) {
    widths[i] = Norm360(cusps[i + 1] - cusps[i]);
    if (widths[i] == 277.5) widths[i] = 7.5;
  }
  widths[12] = Norm360(cusps[1] - cusps[12]);
  return widths;
}

std::array<PlacedCharacter, 15> HouseNumberCharacters() {
  return {{{'1', {-52, -6}},
           {'2', {-40, -30}},
           {'3', {-16, -44}},
           {'4', {10, -44}},
           {'5', {32, -30}},
           {'6', {46, -6}},
           {'7', {46, 18}},
           {'8', {32, 40}},
           {'9', {10, 52}},
           {'1', {-20, 52}},
           {'0', {-12, 52}},
           {'1', {-44, 40}},
           {'1', {-36, 40}},
           {'1', {-56, 18}},
           {'2', {-48, 18}}}};
}

bool CuspLabelFromTable(int i, int typeChart, int wheelKind) {
  return wheelKind != 1 || typeChart == 0 || i == 4 || i == 10;
}

CuspLabel TableCuspLabel(int i, double cuspDeg, const std::array<std::int16_t, 121>& hcData,
                         bool printing) {
  std::array<int, 10> record{};
  if (printing) record = derived::CuspLabelRecord(i, true);
  bool any = printing;
  for (std::size_t e = 0; e < 10 && !printing; ++e) {
    record[e] = hcData[static_cast<std::size_t>(10 * (i - 1)) + e];
    any = any || record[e] != 0;
  }
  if (!any) record = derived::CuspLabelRecord(i, false);
  std::array<UserPoint, 5> at{};
  for (std::size_t c = 0; c < 5; ++c) at[c] = {double(record[2 * c]), double(record[2 * c + 1])};
  return LabelCharacters(cuspDeg, at);
}

CuspLabel PolarCuspLabel(double cuspDeg, double descendantDeg, bool printing) {
  double a = cuspDeg - descendantDeg;
  if (a < 0) a += 360;
  if (a >= 360) a -= 360;
  using namespace derived;
  const double x0 = kCuspLabelOrigin + OutsideRimRadius * CosD(a) +
                    (printing ? CuspLabelShift(a, kPrinterShiftNearVertical, kPrinterShiftLeft)
                              : CuspLabelShift(a, kWindowShiftNearVertical, kWindowShiftLeft));
  const std::array<double, 5>& offsets = printing ? kPrinterCharOffsets : kWindowCharOffsets;
  const auto [left, y] = ClearOfRim(x0 + offsets[0], kCuspLabelOrigin + OutsideRimRadius * SinD(a),
                                    a, printing ? kPrinterCuspLabelWidth : kWindowCuspLabelWidth);
  std::array<UserPoint, 5> at{};
  for (std::size_t c = 0; c < 5; ++c) at[c] = {left + offsets[c] - offsets[0], y};
  return LabelCharacters(cuspDeg, at);
}

std::vector<int> InterceptedSigns(const HouseCusps& cusps, int house) {
  const int next = house == 12 ? 1 : house + 1;
  const int s1 = static_cast<int>(Int(HouseCusp(cusps, house) / 30)) + 1;
  int s2 = static_cast<int>(Int(HouseCusp(cusps, next) / 30)) + 1;
  if (s2 - s1 < 0) s2 += 12;
  std::vector<int> signs;
  for (int s = s1 + 1; s < s2; ++s) signs.push_back(s > 12 ? s - 12 : s);
  return signs;
}

double InterceptionAngle(const HouseCusps& cusps, int house, int typeChart, int wheelKind) {
  double a = 0;
  if (typeChart != 0 && wheelKind == 1) {
    const int next = house == 12 ? 1 : house + 1;
    double w = HouseCusp(cusps, next) - HouseCusp(cusps, house);
    if (w < -180) w += 360;
    a = HouseCusp(cusps, house) - HouseCusp(cusps, 7) + w / 2;
  } else {
    a = house >= 7 ? 30.0 * (house - 7) + 15 : 30.0 * (house + 5) + 15;
  }
  if (a < 0) a += 360;
  if (a >= 360) a -= 360;
  return a;
}

UserPoint InterceptionPosition(double angleDeg) {
  double x = derived::kCuspLabelOrigin + OutsideRimRadius * CosD(angleDeg);
  if (angleDeg > 90 && angleDeg < 270) x -= 20;
  return {x, derived::kCuspLabelOrigin + OutsideRimRadius * SinD(angleDeg)};
}

UserPoint StepTowardCentre(UserPoint at, double angleDeg, double sx, double sy, bool printing) {
  return CentreSteps(angleDeg, printing).From(at, sx, sy);
}

CentreSteps::CentreSteps(double angleDeg, bool printing)
    : c_(CosD(angleDeg)), s_(SinD(angleDeg)), ratio_(printing ? 600.0 / 480.0 : 640.0 / 480.0) {}

double CentreSteps::Length(double sx, double sy) const {
  // Along the ray itself, by the least distance that moves the cell clear
  // of where it was: stepping x and y by the cell's own sides would drift a
  // diagonal label off its ray into its neighbour's.
  constexpr double kNone = 1e300;
  const double across = std::fabs(c_) > 1e-9 ? sx / std::fabs(c_) : kNone;
  const double up = std::fabs(s_) > 1e-9 ? (sy / ratio_) / std::fabs(s_) : kNone;
  return std::min(across, up);
}

int ShrunkDigitStep(int stepY, double minuteFontSize, double threshold, double amount,
                    double angleDeg, bool printing) {
  if (DigitStepKept(angleDeg, printing)) return stepY;
  if (minuteFontSize >= threshold) return ToInteger(stepY - amount);
  return stepY;
}

bool DigitStepKept(double angleDeg, bool printing) {
  return printing && angleDeg > 75 && angleDeg < 310;
}

double DeclinationDisplayAngle(double valueDeg) {
  if (valueDeg < 0) return std::fabs(valueDeg) * 6;
  return Norm360(valueDeg * 6 + 180);
}

PointArray<double> DeclinationDisplayAngles(const PointArray<double>& values) {
  PointArray<double> angles{};
  for (std::size_t i = 1; i <= NumPoints; ++i) angles[i] = DeclinationDisplayAngle(values[i]);
  return angles;
}

HouseCusps EqualFrameCusps() { return {0, 270, 300, 330, 0, 30, 60, 90, 120, 150, 180, 210, 240}; }

}  // namespace orv
