#include "core/ephemeris/PlanetPositions.h"

#include <cmath>

#include "core/Angles.h"
#include "core/ephemeris/MoonTheory.h"
#include "core/ephemeris/OrbitalElements.h"
#include "core/ephemeris/OuterPlanetPerturbations.h"
#include "core/ephemeris/PlutoTheory.h"
#include "core/ephemeris/SinCosMultiples.h"
#include "core/ephemeris/SunTheory.h"

namespace orv {

namespace {

constexpr double kDaysPerCentury = 36525;
constexpr double kOneDay = 1 / kDaysPerCentury;  // in Julian centuries

// The Pluto series refers to the equinox of 1950.0; its longitudes are moved
// to the date from this day number at the general precession in longitude,
// 5027.99" per Julian century at 1950 (IAU 1976); a rougher 1.33 degrees
// would leave Pluto 0.07 degrees behind by 2060.
constexpr double kPlutoEquinoxDegPerCentury = 1.3967;
constexpr double kPlutoEquinoxDay = 2433283;

// A heliocentric position of the outer theory (Pluto's already on the
// equinox of date) and the correction that Uranus's and Neptune's longitudes,
// heliocentric and geocentric, take afterwards.
struct OuterHelio {
  HelioPosition helio;
  double longitudeCorrectionDeg = 0;
};

OuterHelio OuterHelioOf(int body, double t1900, double julianDayNumber,
                        const OuterPerturbations& perturbations) {
  if (body == HelioBody::Pluto) {
    const PlutoPosition pluto = CalcPluto(t1900);
    // The day number alone, without the time of day. The heliocentric
    // position is turned to the equinox of date before it is combined with
    // the Earth's, which is already there; turning the geocentric longitude
    // afterwards would shift Pluto by up to 0.04 degrees over the year.
    const double equinox =
        kPlutoEquinoxDegPerCentury * (julianDayNumber - kPlutoEquinoxDay) / kDaysPerCentury;
    return {{pluto.longitudeDeg + equinox, pluto.latitudeDeg, pluto.radiusAU * KmPerAU}, 0};
  }
  const OuterPlanetElements outer = CalcOuterPlanetElements(body, t1900, perturbations);
  return {HelioFromElements(outer.elements), outer.longitudePerturbationDeg};
}

HelioPosition InnerHelioOf(int body, double t2000) {
  return HelioFromElements(CalcInnerPlanetElements(body, t2000));
}

HelioPosition OuterEarthOf(double t1900) {
  return HelioFromElements(CalcOuterPlanetElements(HelioBody::Earth, t1900).elements);
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
  const double t1900 = (jdn - 2415020 + in.dayFraction - 0.5) / kDaysPerCentury;
  const double t2000 = (jdn - 2451545 + in.dayFraction - 0.5) / kDaysPerCentury;
  const Obliquity eps(in.obliquityRad);
  namespace P = ChartPoint;

  PlanetPositions out;
  auto& lon = out.longitudes;
  auto& lat = out.latitudes;
  auto& dec = out.declinations;
  auto& next = out.nextDayLongitudes;

  lon[P::Sun] = Norm360(CalcSun(t1900).longitudeDeg);
  lat[P::Sun] = 0;

  const MoonPosition moon = CalcMoon(t1900);
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
  const HelioPosition earth = InnerHelioOf(HelioBody::Earth, t2000);
  const EclipticVector earthVector = HelioToVector(earth);
  out.helioLongitudes[HelioBody::Earth] = Norm360(earth.longitudeDeg);
  out.helioLatitudes[HelioBody::Earth] = earth.latitudeDeg;
  dec[P::Sun] = Declination(lon[P::Sun], lat[P::Sun], eps);
  for (int i = HelioBody::Mercury; i <= HelioBody::Mars; ++i) {
    const HelioPosition helio = InnerHelioOf(i, t2000);
    out.helioLongitudes[i] = Norm360(helio.longitudeDeg);
    out.helioLatitudes[i] = helio.latitudeDeg;
    const EclipticPosition geo = HelioToGeo(helio, earthVector);
    lon[i] = Norm360(geo.longitudeDeg);
    lat[i] = geo.latitudeDeg;
    dec[i] = Declination(lon[i], lat[i], eps);
  }

  next[P::Sun] = Norm360(CalcSun(t1900 + kOneDay).longitudeDeg);
  next[P::Moon] = Norm360(CalcMoon(t1900 + kOneDay).longitudeDeg);
  const EclipticVector earthNext = HelioToVector(InnerHelioOf(HelioBody::Earth, t2000 + kOneDay));
  for (int i = HelioBody::Mercury; i <= HelioBody::Mars; ++i) {
    next[i] = Norm360(GeocentricLongitude(InnerHelioOf(i, t2000 + kOneDay), earthNext));
  }

  // Jupiter to Pluto, with the Earth of the cubic theory.
  const EclipticVector outerEarth = HelioToVector(OuterEarthOf(t1900));
  const OuterPerturbations perturbations = CalcOuterPerturbations(t1900);
  for (int i = HelioBody::Jupiter; i <= HelioBody::Pluto; ++i) {
    const OuterHelio o = OuterHelioOf(i, t1900, jdn, perturbations);
    const EclipticPosition geo = HelioToGeo(o.helio, outerEarth);
    lon[i] = Norm360(geo.longitudeDeg + o.longitudeCorrectionDeg);
    lat[i] = geo.latitudeDeg;
    out.helioLongitudes[i] = Norm360(o.helio.longitudeDeg + o.longitudeCorrectionDeg);
    out.helioLatitudes[i] = o.helio.latitudeDeg;
    dec[i] = Declination(lon[i], lat[i], eps);
  }
  const EclipticVector outerEarthNext = HelioToVector(OuterEarthOf(t1900 + kOneDay));
  const OuterPerturbations perturbationsNext = CalcOuterPerturbations(t1900 + kOneDay);
  for (int i = HelioBody::Jupiter; i <= HelioBody::Pluto; ++i) {
    const OuterHelio o = OuterHelioOf(i, t1900 + kOneDay, jdn, perturbationsNext);
    next[i] = Norm360(GeocentricLongitude(o.helio, outerEarthNext) + o.longitudeCorrectionDeg);
  }

  for (int i = P::Mercury; i <= P::Pluto; ++i) {
    if (IsRetrograde(lon[i], next[i])) out.retroFlags[i - 1] = 'R';
  }
  return out;
}

}  // namespace orv
