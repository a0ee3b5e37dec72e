#include "core/ephemeris/PlanetPositions.h"

#include <array>
#include <cmath>

#include "core/Angles.h"
#include "core/ephemeris/MoonTheory.h"
#include "core/ephemeris/OrbitalElements.h"
#include "core/ephemeris/OuterPlanetPerturbations.h"
#include "core/ephemeris/PlutoTheory.h"
#include "core/SinCosMultiples.h"
#include "core/ephemeris/SunTheory.h"

namespace orv {

namespace {

constexpr double kOneDay = 1 / kDaysPerJulianCentury;  // in Julian centuries

// The Pluto series refers to the equinox of 1950.0; its longitudes are moved
// to the date from this day number at the general precession in longitude,
// 5027.99" per Julian century at 1950 (IAU 1976); a rougher 1.33 degrees
// would leave Pluto 0.07 degrees behind by 2060.
constexpr double kPlutoEquinoxDegPerCentury = 1.3967;
constexpr double kPlutoEquinoxDay = 2433283;

// One memo per theory and body: the second pass a day later takes its sines
// and cosines from the first.
struct PassMemos {
  SinCosMemo sun;
  SinCosMemo moon;
  SinCosMemo perturbations;
  SinCosMemo outerEarth;              // the Earth of the cubic theory
  std::array<SinCosMemo, 10> bodies;  // by `HelioBody` 1..9

  void Replay() {
    sun.Replay();
    moon.Replay();
    perturbations.Replay();
    outerEarth.Replay();
    for (SinCosMemo& m : bodies) m.Replay();
  }
};

// The Earth, Mercury, Venus and Mars of the linear theory, element i - 1 for
// `HelioBody` i, solved side by side.
std::array<HelioPosition, 4> InnerHelioAt(double t2000, PassMemos& memos) {
  std::array<OrbitalElements, 4> elements;
  std::array<SinCosMemo*, 4> bodyMemos;
  for (int body = HelioBody::Earth; body <= HelioBody::Mars; ++body) {
    elements[body - 1] = CalcInnerPlanetElements(body, t2000);
    bodyMemos[body - 1] = &memos.bodies[body];
  }
  std::array<HelioPosition, 4> helio;
  HelioFromElementsEach(elements, bodyMemos, helio);
  return helio;
}

// The heliocentric positions of the cubic theory, the Earth's and those of
// Jupiter to Pluto (Pluto's from its series, already on the equinox of
// date); and the corrections that Uranus's and Neptune's longitudes,
// heliocentric and geocentric, take afterwards.
struct OuterHelio {
  HelioPosition earth;
  PointArray<HelioPosition> bodies;  // by `HelioBody` 5..9
  PointArray<double> longitudeCorrectionDeg{};
};

OuterHelio OuterHelioAt(double t1900, double julianDayNumber, PassMemos& memos) {
  const OuterPerturbations perturbations = CalcOuterPerturbations(t1900, &memos.perturbations);
  OuterHelio out;
  // The Earth and Jupiter to Neptune, solved side by side.
  std::array<OrbitalElements, 5> elements;
  std::array<SinCosMemo*, 5> bodyMemos;
  elements[0] = CalcOuterPlanetElements(HelioBody::Earth, t1900).elements;
  bodyMemos[0] = &memos.outerEarth;
  for (int body = HelioBody::Jupiter; body <= HelioBody::Neptune; ++body) {
    const OuterPlanetElements outer = CalcOuterPlanetElements(body, t1900, perturbations);
    elements[body - 4] = outer.elements;
    bodyMemos[body - 4] = &memos.bodies[body];
    out.longitudeCorrectionDeg[body] = outer.longitudePerturbationDeg;
  }
  std::array<HelioPosition, 5> helio;
  HelioFromElementsEach(elements, bodyMemos, helio);
  out.earth = helio[0];
  for (int body = HelioBody::Jupiter; body <= HelioBody::Neptune; ++body) {
    out.bodies[body] = helio[body - 4];
  }

  const PlutoPosition pluto = CalcPluto(t1900, &memos.bodies[HelioBody::Pluto]);
  // The day number alone, without the time of day. The heliocentric
  // position is turned to the equinox of date before it is combined with
  // the Earth's, which is already there; turning the geocentric longitude
  // afterwards would shift Pluto by up to 0.04 degrees over the year.
  const double equinox =
      kPlutoEquinoxDegPerCentury * (julianDayNumber - kPlutoEquinoxDay) / kDaysPerJulianCentury;
  out.bodies[HelioBody::Pluto] = {pluto.longitudeDeg + equinox, pluto.latitudeDeg,
                                  pluto.radiusAU * KmPerAU};
  return out;
}

}  // namespace

namespace {

// The obliquity's sine and cosine, shared by the declinations of a chart.
struct Obliquity {
  explicit Obliquity(double rad) : sin(std::sin(rad)), cos(std::cos(rad)) {}
  double sin;
  double cos;
};

double Declination(double longitudeDeg, double latitudeDeg, const Obliquity& eps) {
  const SinCos lat = SinCosDegNear0(latitudeDeg);
  const SinCos lon = SinCosDeg(longitudeDeg);
  const double x = lat.cos * lon.cos;
  const double y = lat.cos * lon.sin * eps.cos - lat.sin * eps.sin;
  const double z = lat.cos * lon.sin * eps.sin + lat.sin * eps.cos;
  return SphericalLatitude(x, y, z);
}

}  // namespace

double DeclinationOf(double longitudeDeg, double latitudeDeg, double obliquityRad) {
  return Declination(longitudeDeg, latitudeDeg, Obliquity(obliquityRad));
}

bool IsRetrograde(double longitudeDeg, double nextDayLongitudeDeg) {
  double a = longitudeDeg;
  double b = nextDayLongitudeDeg;
  if (std::fabs(a - b) >= 180) {
    if (a < b)
      a += 360;
    else
      b += 360;
  }
  return a > b;
}

PlanetPositions CalcPlanetPositions(const PlanetPositionInput& in) {
  const double jdn = in.julianDayNumber;
  const double t1900 = JulianCenturiesSince1900(jdn, in.dayFraction);
  const double t2000 = (jdn - 2451545 + in.dayFraction - 0.5) / kDaysPerJulianCentury;
  const Obliquity eps(in.obliquityRad);
  namespace P = ChartPoint;

  PassMemos memos;
  PlanetPositions out;
  auto& lon = out.longitudes;
  auto& lat = out.latitudes;
  auto& dec = out.declinations;
  auto& next = out.nextDayLongitudes;

  lon[P::Sun] = Norm360(CalcSun(t1900, &memos.sun).longitudeDeg);
  lat[P::Sun] = 0;

  const MoonPosition moon = CalcMoon(t1900, &memos.moon);
  lon[P::Moon] = Norm360(moon.longitudeDeg);
  lat[P::Moon] = moon.latitudeDeg;
  dec[P::Moon] = Declination(lon[P::Moon], lat[P::Moon], eps);
  out.meanNodeDeg = Norm360(moon.meanNodeDeg);
  out.trueNodeDeg = Norm360(moon.trueNodeDeg);

  lon[P::NorthNode] = in.trueNode ? out.trueNodeDeg : out.meanNodeDeg;
  lon[P::SouthNode] = Norm360(lon[P::NorthNode] + 180);
  lon[P::PartOfFortune] = Norm360(in.ascendantDeg + lon[P::Moon] - lon[P::Sun]);
  lon[P::Ascendant] = in.ascendantDeg;
  lon[P::MC] = in.midheavenDeg;
  // These points get no second pass; their daily motion is 0, which no
  // listing reads.
  for (int i = P::NorthNode; i <= P::MC; ++i) next[i] = lon[i];

  // Mercury to Mars, with the Earth of the same (linear) theory.
  const std::array<HelioPosition, 4> inner = InnerHelioAt(t2000, memos);
  const HelioPosition& earth = inner[HelioBody::Earth - 1];
  const EclipticVector earthVector = HelioToVector(earth, &memos.bodies[HelioBody::Earth]);
  out.helioLongitudes[HelioBody::Earth] = Norm360(earth.longitudeDeg);
  out.helioLatitudes[HelioBody::Earth] = earth.latitudeDeg;
  dec[P::Sun] = Declination(lon[P::Sun], lat[P::Sun], eps);
  for (int i = HelioBody::Mercury; i <= HelioBody::Mars; ++i) {
    const HelioPosition& helio = inner[i - 1];
    out.helioLongitudes[i] = Norm360(helio.longitudeDeg);
    out.helioLatitudes[i] = helio.latitudeDeg;
    const EclipticPosition geo = HelioToGeo(helio, earthVector, &memos.bodies[i]);
    lon[i] = Norm360(geo.longitudeDeg);
    lat[i] = geo.latitudeDeg;
    dec[i] = Declination(lon[i], lat[i], eps);
  }

  // Jupiter to Pluto, with the Earth of the cubic theory.
  const OuterHelio outer = OuterHelioAt(t1900, jdn, memos);
  const EclipticVector outerEarth = HelioToVector(outer.earth, &memos.outerEarth);
  for (int i = HelioBody::Jupiter; i <= HelioBody::Pluto; ++i) {
    const HelioPosition& helio = outer.bodies[i];
    const double correction = outer.longitudeCorrectionDeg[i];
    const EclipticPosition geo = HelioToGeo(helio, outerEarth, &memos.bodies[i]);
    lon[i] = Norm360(geo.longitudeDeg + correction);
    lat[i] = geo.latitudeDeg;
    out.helioLongitudes[i] = Norm360(helio.longitudeDeg + correction);
    out.helioLatitudes[i] = helio.latitudeDeg;
    dec[i] = Declination(lon[i], lat[i], eps);
  }

  // A day later, for the longitudes alone.
  memos.Replay();
  next[P::Sun] = Norm360(CalcSun(t1900 + kOneDay, &memos.sun).longitudeDeg);
  next[P::Moon] = Norm360(CalcMoon(t1900 + kOneDay, &memos.moon).longitudeDeg);
  const std::array<HelioPosition, 4> innerNext = InnerHelioAt(t2000 + kOneDay, memos);
  const EclipticVector earthNext =
      HelioToVector(innerNext[HelioBody::Earth - 1], &memos.bodies[HelioBody::Earth]);
  for (int i = HelioBody::Mercury; i <= HelioBody::Mars; ++i) {
    next[i] = Norm360(GeocentricLongitude(innerNext[i - 1], earthNext, &memos.bodies[i]));
  }
  const OuterHelio outerNext = OuterHelioAt(t1900 + kOneDay, jdn, memos);
  const EclipticVector outerEarthNext = HelioToVector(outerNext.earth, &memos.outerEarth);
  for (int i = HelioBody::Jupiter; i <= HelioBody::Pluto; ++i) {
    next[i] = Norm360(GeocentricLongitude(outerNext.bodies[i], outerEarthNext, &memos.bodies[i]) +
                      outerNext.longitudeCorrectionDeg[i]);
  }

  for (int i = P::Mercury; i <= P::Pluto; ++i) {
    if (IsRetrograde(lon[i], next[i])) out.retroFlags[i - 1] = 'R';
  }
  return out;
}

}  // namespace orv
