#include "core/ephemeris/PlanetPositions.h"

#include <cmath>

#include "core/Angles.h"
#include "core/ephemeris/MoonTheory.h"
#include "core/ephemeris/OrbitalElements.h"
#include "core/ephemeris/PlutoTheory.h"
#include "core/ephemeris/SunTheory.h"

namespace orv {

namespace {

constexpr double kDaysPerCentury = 36525;
constexpr double kOneDay = 1 / kDaysPerCentury;  // in Julian centuries

// The Pluto series refers to the equinox of 1950.0; its longitudes are moved
// to the date at this rate from this day number.
constexpr double kPlutoEquinoxDegPerCentury = 1.3967;
constexpr double kPlutoEquinoxDay = 2433283;

// A heliocentric position of the outer theory and the correction its
// longitudes take (heliocentric and geocentric alike).
struct OuterHelio {
  HelioPosition helio;
  double longitudeCorrectionDeg = 0;
};

OuterHelio OuterHelioOf(int body, double t1900, double julianDayNumber) {
  if (body == HelioBody::Pluto) {
    const PlutoPosition pluto = CalcPluto(t1900);
    // The day number alone, without the time of day.
    const double equinox =
        kPlutoEquinoxDegPerCentury * (julianDayNumber - kPlutoEquinoxDay) / kDaysPerCentury;
    return {{pluto.longitudeDeg + equinox, pluto.latitudeDeg, pluto.radiusAU * KmPerAU}, 0};
  }
  const OuterPlanetElements outer = CalcOuterPlanetElements(body, t1900);
  return {HelioFromElements(outer.elements), outer.longitudePerturbationDeg};
}

HelioPosition InnerHelioOf(int body, double t2000) {
  return HelioFromElements(CalcInnerPlanetElements(body, t2000));
}

HelioPosition OuterEarthOf(double t1900) {
  return HelioFromElements(CalcOuterPlanetElements(HelioBody::Earth, t1900).elements);
}

}  // namespace

double DeclinationOf(double longitudeDeg, double latitudeDeg, double obliquityRad) {
  const double cosLat = CosDeg(latitudeDeg);
  const double sinLat = SinDeg(latitudeDeg);
  const double x = cosLat * CosDeg(longitudeDeg);
  const double y =
      cosLat * SinDeg(longitudeDeg) * std::cos(obliquityRad) - sinLat * std::sin(obliquityRad);
  const double z =
      cosLat * SinDeg(longitudeDeg) * std::sin(obliquityRad) + sinLat * std::cos(obliquityRad);
  return RectToSpherical(x, y, z).latitude;
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
  const double eps = in.obliquityRad;
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
  dec[P::Moon] = DeclinationOf(lon[P::Moon], lat[P::Moon], eps);
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

  // Mercury to Mars, with the Earth of the same (linear) theory. The Earth's
  // row also gives the Sun's declination.
  const HelioPosition earth = InnerHelioOf(HelioBody::Earth, t2000);
  out.helioLongitudes[HelioBody::Earth] = Norm360(earth.longitudeDeg);
  out.helioLatitudes[HelioBody::Earth] = earth.latitudeDeg;
  dec[P::Sun] = DeclinationOf(lon[P::Sun], lat[P::Sun], eps);
  for (int i = HelioBody::Mercury; i <= HelioBody::Mars; ++i) {
    const HelioPosition helio = InnerHelioOf(i, t2000);
    out.helioLongitudes[i] = Norm360(helio.longitudeDeg);
    out.helioLatitudes[i] = helio.latitudeDeg;
    const EclipticPosition geo = HelioToGeo(helio, earth);
    lon[i] = Norm360(geo.longitudeDeg);
    lat[i] = geo.latitudeDeg;
    dec[i] = DeclinationOf(lon[i], lat[i], eps);
  }

  next[P::Sun] = Norm360(CalcSun(t1900 + kOneDay).longitudeDeg);
  next[P::Moon] = Norm360(CalcMoon(t1900 + kOneDay).longitudeDeg);
  const HelioPosition earthNext = InnerHelioOf(HelioBody::Earth, t2000 + kOneDay);
  for (int i = HelioBody::Mercury; i <= HelioBody::Mars; ++i) {
    next[i] = Norm360(HelioToGeo(InnerHelioOf(i, t2000 + kOneDay), earthNext).longitudeDeg);
  }

  // Jupiter to Pluto, with the Earth of the cubic theory.
  const HelioPosition outerEarth = OuterEarthOf(t1900);
  for (int i = HelioBody::Jupiter; i <= HelioBody::Pluto; ++i) {
    const OuterHelio o = OuterHelioOf(i, t1900, jdn);
    const EclipticPosition geo = HelioToGeo(o.helio, outerEarth);
    lon[i] = Norm360(geo.longitudeDeg + o.longitudeCorrectionDeg);
    lat[i] = geo.latitudeDeg;
    out.helioLongitudes[i] = Norm360(o.helio.longitudeDeg + o.longitudeCorrectionDeg);
    out.helioLatitudes[i] = o.helio.latitudeDeg;
    dec[i] = DeclinationOf(lon[i], lat[i], eps);
  }
  const HelioPosition outerEarthNext = OuterEarthOf(t1900 + kOneDay);
  for (int i = HelioBody::Jupiter; i <= HelioBody::Pluto; ++i) {
    const OuterHelio o = OuterHelioOf(i, t1900 + kOneDay, jdn);
    next[i] = Norm360(HelioToGeo(o.helio, outerEarthNext).longitudeDeg + o.longitudeCorrectionDeg);
  }

  for (int i = P::Mercury; i <= P::Pluto; ++i) {
    if (IsRetrograde(lon[i], next[i])) out.retroFlags[i - 1] = 'R';
  }
  return out;
}

}  // namespace orv
