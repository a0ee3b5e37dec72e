#include "core/ephemeris/OrbitalElements.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "core/Angles.h"
#include "core/ephemeris/OuterPlanetPerturbations.h"
#include "core/SinCosMultiples.h"

namespace orv {

namespace {

constexpr double kKeplerStepDeg = 0.0000001;
// Newton's method converges in a handful of steps for every planet; the cap
// only guards against a runaway loop on nonsense input.
constexpr int kMaxKeplerSteps = 100;

// The element rows by `HelioBody`; bodies outside a theory fall back to its
// Earth row.
constexpr const LinearElementTable* kLinearTables[] = {nullptr, &EarthElements, &MercuryElements,
                                                       &VenusElements, &MarsElements};

const LinearElementTable& LinearTableOf(int body) {
  if (body < HelioBody::Mercury || body > HelioBody::Mars) return EarthElements;
  return *kLinearTables[body];
}

// The cubic element starting at `slot`, in the order of operations the
// theory's check values were computed with.
double Cubic(const CubicElementTable& table, int slot, double t) {
  return ((table[slot + 2] * t * t) + (table[slot + 1] * t + table[slot])) +
         table[slot + 3] * t * t * t;
}

struct OuterBody {
  const CubicElementTable* table;
  PerturbationSums (*perturbations)(double t1900);
};

constexpr OuterBody kOuterBodies[] = {
    {},
    {&SunElements, nullptr},
    {},
    {},
    {},
    {&JupiterElements, CalcJupiterPerturbations},
    {&SaturnElements, CalcSaturnPerturbations},
    {&UranusElements, CalcUranusPerturbations},
    {&NeptuneElements, CalcNeptunePerturbations},
};

const OuterBody& OuterBodyOf(int body) {
  if (body < HelioBody::Jupiter || body > HelioBody::Neptune) return kOuterBodies[HelioBody::Earth];
  return kOuterBodies[body];
}

}  // namespace

OrbitalElements CalcInnerPlanetElements(int body, double t2000) {
  const LinearElementTable& c = LinearTableOf(body);
  OrbitalElements el;
  el.semiMajorAxisKm = KmPerAU * c[1];
  el.eccentricity = c[2] + c[3] * t2000;
  el.inclinationDeg = c[4] + c[5] * t2000;
  el.nodeDeg = c[6] + c[7] * t2000;
  el.longitudeOfPerihelionDeg = c[8] + c[9] * t2000;
  el.meanAnomalyDeg = c[10] + c[11] * t2000;
  el.argumentOfPerihelionDeg = el.longitudeOfPerihelionDeg - el.nodeDeg;
  el.meanLongitudeDeg = el.longitudeOfPerihelionDeg + el.meanAnomalyDeg;
  return el;
}

OrbitalElements CalcMeanOuterElements(int body, double t1900) {
  const CubicElementTable& c = *OuterBodyOf(body).table;
  OrbitalElements el;
  el.meanLongitudeDeg = Cubic(c, 1, t1900);
  el.semiMajorAxisKm = KmPerAU * c[5];
  el.eccentricity = Cubic(c, 6, t1900);
  el.inclinationDeg = Cubic(c, 10, t1900);
  el.argumentOfPerihelionDeg = Cubic(c, 14, t1900);
  el.nodeDeg = Cubic(c, 18, t1900);
  el.longitudeOfPerihelionDeg = Norm360(el.argumentOfPerihelionDeg + el.nodeDeg);
  el.meanAnomalyDeg = Norm360(el.meanLongitudeDeg - el.longitudeOfPerihelionDeg);
  // The row's mean longitude is the Sun's, half a turn from the Earth's.
  if (body == HelioBody::Earth) el.meanAnomalyDeg = el.meanAnomalyDeg + 180;
  return el;
}

namespace {
OuterPlanetElements Perturbed(int body, double t1900, const PerturbationSums* sums) {
  OuterPlanetElements result{CalcMeanOuterElements(body, t1900)};
  if (sums) {
    ApplyPerturbations(*sums, result.elements);
    result.longitudePerturbationDeg = sums->longitudeDeg;
  }
  return result;
}
}  // namespace

OuterPlanetElements CalcOuterPlanetElements(int body, double t1900) {
  const auto perturbations = OuterBodyOf(body).perturbations;
  if (!perturbations) return Perturbed(body, t1900, nullptr);
  const PerturbationSums sums = perturbations(t1900);
  return Perturbed(body, t1900, &sums);
}

OuterPlanetElements CalcOuterPlanetElements(int body, double t1900,
                                            const OuterPerturbations& perturbations) {
  const bool perturbed = OuterBodyOf(body).perturbations != nullptr;
  return Perturbed(body, t1900, perturbed ? &perturbations.Of(body) : nullptr);
}

void SolveKeplerEach(std::span<const OrbitalElements> elements, std::span<SinCosMemo* const> memos,
                     std::span<KeplerSolution> solutions) {
  // The state of one orbit's iteration. Each step turns the sine and cosine
  // of E by the step itself, at most e / (1 - e) radians (15 degrees for
  // Mercury) and soon tiny.
  struct Iteration {
    double m;
    double e;
    double eDeg;
    double ea;
    SinCos sc;
    bool converged;
  };
  if (elements.size() > kMaxOrbitsSideBySide) {
    SolveKeplerEach(elements.first(kMaxOrbitsSideBySide), memos.first(kMaxOrbitsSideBySide),
                    solutions.first(kMaxOrbitsSideBySide));
    SolveKeplerEach(elements.subspan(kMaxOrbitsSideBySide), memos.subspan(kMaxOrbitsSideBySide),
                    solutions.subspan(kMaxOrbitsSideBySide));
    return;
  }
  std::array<Iteration, kMaxOrbitsSideBySide> its;
  const std::size_t n = elements.size();
  for (std::size_t i = 0; i < n; ++i) {
    const OrbitalElements& el = elements[i];
    its[i] = {el.meanAnomalyDeg,
              el.eccentricity,
              el.eccentricity * 180 / Pi,
              el.meanAnomalyDeg,
              SinCosDeg(el.meanAnomalyDeg, memos[i]),
              false};
  }
  for (int step = 0; step < kMaxKeplerSteps; ++step) {
    bool allConverged = true;
    for (std::size_t i = 0; i < n; ++i) {
      Iteration& it = its[i];
      if (it.converged) continue;
      const double next = it.ea + (it.m + it.eDeg * it.sc.sin - it.ea) / (1 - it.e * it.sc.cos);
      it.converged = std::fabs(next - it.ea) < kKeplerStepDeg;
      it.sc = AngleSum(it.sc, SinCosDegNear0(next - it.ea));
      it.ea = next;
      allConverged = allConverged && it.converged;
    }
    if (allConverged) break;
  }
  for (std::size_t i = 0; i < n; ++i) {
    const Iteration& it = its[i];
    const double e = it.e;
    KeplerSolution& k = solutions[i];
    k.eccentricAnomalyDeg = it.ea;
    k.radiusKm = elements[i].semiMajorAxisKm * (1 - e * it.sc.cos);
    // tan(E / 2) from the sine and cosine of E, in whichever form keeps its
    // precision: the first near E = 0, the second near E = 180 degrees.
    const double tanHalf =
        it.sc.cos >= 0 ? it.sc.sin / (1 + it.sc.cos) : (1 - it.sc.cos) / it.sc.sin;
    k.trueAnomalyDeg = Norm360(2 * RadToDeg(std::atan(std::sqrt((1 + e) / (1 - e)) * tanHalf)));
    k.argumentOfLatitudeDeg = elements[i].argumentOfPerihelionDeg + k.trueAnomalyDeg;
  }
}

KeplerSolution SolveKepler(const OrbitalElements& el, SinCosMemo* memo) {
  KeplerSolution k;
  SolveKeplerEach({&el, 1}, {&memo, 1}, {&k, 1});
  return k;
}

HelioPosition OrbitToEcliptic(double argumentOfLatitudeDeg, double inclinationDeg, double nodeDeg,
                              SinCosMemo* memo) {
  const SinCos u = SinCosDeg(argumentOfLatitudeDeg, memo);
  const SinCos i = SinCosDegNear0(inclinationDeg);
  const Spherical s = RectToSpherical(u.cos, u.sin * i.cos, u.sin * i.sin);
  HelioPosition p;
  p.longitudeDeg = nodeDeg + s.longitude;
  p.latitudeDeg = s.latitude;
  return p;
}

void HelioFromElementsEach(std::span<const OrbitalElements> elements,
                           std::span<SinCosMemo* const> memos, std::span<HelioPosition> positions) {
  if (elements.size() > kMaxOrbitsSideBySide) {
    HelioFromElementsEach(elements.first(kMaxOrbitsSideBySide), memos.first(kMaxOrbitsSideBySide),
                          positions.first(kMaxOrbitsSideBySide));
    HelioFromElementsEach(elements.subspan(kMaxOrbitsSideBySide),
                          memos.subspan(kMaxOrbitsSideBySide),
                          positions.subspan(kMaxOrbitsSideBySide));
    return;
  }
  std::array<KeplerSolution, kMaxOrbitsSideBySide> k;
  SolveKeplerEach(elements, memos, {k.data(), elements.size()});
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const OrbitalElements& el = elements[i];
    positions[i] =
        OrbitToEcliptic(k[i].argumentOfLatitudeDeg, el.inclinationDeg, el.nodeDeg, memos[i]);
    positions[i].radiusKm = k[i].radiusKm;
  }
}

HelioPosition HelioFromElements(const OrbitalElements& elements, SinCosMemo* memo) {
  HelioPosition p;
  HelioFromElementsEach({&elements, 1}, {&memo, 1}, {&p, 1});
  return p;
}

EclipticVector HelioToVector(const HelioPosition& p, SinCosMemo* memo) {
  const SinCos lat = SinCosDegNear0(p.latitudeDeg);
  const SinCos lon = SinCosDeg(p.longitudeDeg, memo);
  return {p.radiusKm * lat.cos * lon.cos, p.radiusKm * lat.cos * lon.sin, p.radiusKm * lat.sin};
}

EclipticPosition HelioToGeo(const HelioPosition& body, const EclipticVector& earth,
                            SinCosMemo* memo) {
  const EclipticVector b = HelioToVector(body, memo);
  const Spherical s = RectToSpherical(b.x - earth.x, b.y - earth.y, b.z - earth.z);
  return {s.longitude, s.latitude};
}

EclipticPosition HelioToGeo(const HelioPosition& body, const HelioPosition& earth) {
  return HelioToGeo(body, HelioToVector(earth));
}

double GeocentricLongitude(const HelioPosition& body, const EclipticVector& earth,
                           SinCosMemo* memo) {
  const EclipticVector b = HelioToVector(body, memo);
  return SphericalLongitude(b.x - earth.x, b.y - earth.y);
}

}  // namespace orv
