#include "core/ephemeris/PlutoTheory.h"

#include "core/Angles.h"
#include "core/SinCosMultiples.h"

namespace orv {

namespace {

// Millionths of a degree (longitude, latitude) or of an AU (radius).
constexpr double kPerUnit = 1000000;

// The coefficients of the sine and the cosine of one argument.
struct SinCosCoefficients {
  double sin;
  double cos;
};

// One row: the argument j J + s S + p P and its sine and cosine coefficients
// in each coordinate. A blank cell of the published table is 0 here, which
// adds exactly nothing to its sum.
struct PlutoTerm {
  int row;  // the published row number
  int j;
  int s;
  int p;
  SinCosCoefficients longitude;
  SinCosCoefficients latitude;
  SinCosCoefficients radius;
};

// Rows 30 and 31 are swapped: the radius sum takes its last rows in the
// published order 28, 31, 30, 32, and neither of them has a longitude or a
// latitude term that the swap could reorder.
// clang-format off
constexpr PlutoTerm kPlutoTerms[] = {
    {1, 0, 0, 1, {-19977972, 19667536}, {-5323113, -15024245}, {6623876, 6955990}},
    {2, 0, 0, 2, {987114, -4939350}, {3497557, 1735457}, {-1181808, -54836}},
    {3, 0, 0, 3, {577978, 1226898}, {-1059559, 299464}, {163227, -139603}},
    {4, 0, 0, 4, {-334695, -201966}, {189102, -285383}, {-3644, 48144}},
    {5, 0, 0, 5, {130519, -29025}, {14231, 101218}, {-6268, -8851}},
    {6, 0, 0, 6, {-39851, 28968}, {-29164, -27461}, {3111, -408}},
    {7, 0, 1, -1, {20387, -9832}, {4935, 11282}, {-621, 2223}},
    {8, 0, 1, 0, {-3986, -4954}, {312, -128}, {438, 450}},
    {9, 0, 1, 1, {-5817, -3365}, {2057, -904}, {-153, 61}},
    {10, 0, 1, 2, {-3903, 2895}, {19, -674}, {-3, 79}},
    {11, 0, 1, 3, {-738, 3443}, {-307, -576}, {50, 54}},
    {12, 0, 2, -2, {1234, 472}, {-65, 39}, {-1, -22}},
    {13, 0, 2, -1, {1101, -894}, {-97, 208}, {84, -48}},
    {14, 0, 2, 0, {625, -1214}, {0, -160}, {-30, 61}},
    {15, 1, -1, 0, {2485, -486}, {-177, 259}, {26, -39}},
    {16, 1, -1, 1, {852, -1407}, {15, 235}, {-19, -40}},
    {17, 1, 0, -3, {-948, 1073}, {578, -293}, {-321, 42}},
    {18, 1, 0, -2, {-2309, -1024}, {-294, 694}, {797, -792}},
    {19, 1, 0, -1, {7047, 770}, {156, 201}, {-4, 4564}},
    {20, 1, 0, 0, {1184, -344}, {294, 829}, {852, 855}},
    {21, 1, 0, 1, {394, -55}, {-123, -31}, {-88, -82}},
    {22, 1, 0, 2, {119, -264}, {0, 0}, {21, -12}},
    {23, 1, 0, 3, {-46, -156}, {0, 0}, {-14, 6}},
    {24, 1, 0, 4, {-77, -33}, {0, 0}, {0, 0}},
    {25, 1, 1, -3, {-34, -26}, {0, 0}, {0, 0}},
    {26, 1, 1, -2, {-43, 0}, {0, 0}, {0, 0}},
    {27, 1, 1, -1, {-15, 21}, {0, 0}, {0, 0}},
    {28, 2, 0, -3, {10, 22}, {0, 0}, {-6, 1}},
    {29, 2, 0, -2, {-57, -32}, {0, 0}, {0, 0}},
    {31, 2, 1, -2, {0, 0}, {0, 0}, {13, -23}},
    {30, 2, 0, -1, {158, -43}, {0, 0}, {25, 107}},
    {32, 2, 0, 0, {0, 0}, {0, 0}, {25, 16}},
};
// clang-format on

// The multiples the rows reach, for the recurrences below.
constexpr int kMaxJupiter = 2;
constexpr int kMaxSaturn = 2;
constexpr int kMaxPluto = 6;
static_assert(MaxMultipleIn(kPlutoTerms, &PlutoTerm::j) <= kMaxJupiter);
static_assert(MaxMultipleIn(kPlutoTerms, &PlutoTerm::s) <= kMaxSaturn);
static_assert(MaxMultipleIn(kPlutoTerms, &PlutoTerm::p) <= kMaxPluto);

}  // namespace

PlutoPosition CalcPluto(double t, SinCosMemo* memo) {
  const SinCosMultiples<kMaxJupiter> jupiter(SinCosDeg(Norm360(238.74 + 3034.9057 * t), memo));
  const SinCosMultiples<kMaxSaturn> saturn(SinCosDeg(Norm360(267.26 + 1222.1138 * t), memo));
  const SinCosMultiples<kMaxPluto> pluto(SinCosDeg(Norm360(93.48 + 144.96 * t), memo));
  double sumLongitude = 0;
  double sumLatitude = 0;
  double sumRadius = 0;
  for (const PlutoTerm& term : kPlutoTerms) {
    const SinCos alpha = AngleSum(jupiter[term.j], saturn[term.s], pluto[term.p]);
    sumLongitude += term.longitude.sin * alpha.sin;
    sumLongitude += term.longitude.cos * alpha.cos;
    sumLatitude += term.latitude.sin * alpha.sin;
    sumLatitude += term.latitude.cos * alpha.cos;
    sumRadius += term.radius.sin * alpha.sin;
    sumRadius += term.radius.cos * alpha.cos;
  }
  PlutoPosition p;
  p.longitudeDeg = 144.96 * t + 93.297471 + sumLongitude / kPerUnit;
  p.latitudeDeg = sumLatitude / kPerUnit - 3.909434;
  p.radiusAU = sumRadius / kPerUnit + 40.724725;
  return p;
}

}  // namespace orv
