// Checks data/CHIRON.DAT and data/CHIRON_HELIO.DAT through a second route
// and prints the largest and RMS differences (arcseconds) over all records.
//
// The route shares no Chiron data with tools/ChironTables.cpp beyond a few
// starting states: Chiron's barycentric position and velocity on the middle
// day of each 6000-day stretch are taken from the Swiss Ephemeris asteroid
// file, and its orbit is then integrated here (Runge-Kutta, one-day steps)
// as a test particle in the field of the Sun and the eight planets, whose
// positions come from the Swiss Ephemeris planetary file. The reduction to
// the tables' coordinates is done here too: light time, annual aberration
// (first order), precession (IAU 1976: Lieske et al. 1977), nutation (the
// four largest IAU 1980 terms, good to 0.5"), true obliquity. A wrong frame,
// equinox, time scale or flag in the generator, or a corrupt stretch of the
// asteroid file, shows as a difference far above the expected arcsecond.
//
// Run (needs libswe-dev and swe-basic-data):
//   g++ -std=c++20 -O2 -Wall -Wextra -o /tmp/chiron_check tools/ChironCheck.cpp -lswe
//   /tmp/chiron_check data
// Exits 1 when any difference exceeds 3.6" (0.001 degree).

#include <swephexp.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Vec = std::array<double, 3>;

constexpr double kFirstDay = 2415000.0;
constexpr int kDays = 60000;
constexpr double kJ2000 = 2451545.0;
constexpr double kDegPerRad = 180.0 / M_PI;
constexpr double kArcsecPerDeg = 3600.0;
constexpr double kLightAuPerDay = 173.1446326846693;
constexpr double kGaussK = 0.01720209895;
constexpr double kLimitArcsec = 3.6;
// Each stretch of the tables is checked against an orbit started from its
// middle day: over a century the integration drifts from the asteroid file
// by up to 35" (the two differ in their dynamical models), over the +-8
// years of a stretch by far less than the limit.
constexpr int kSegmentDays = 6000;
// First and last integration days (TT), a margin around the tables.
constexpr int kStartDay = 2414990;
constexpr int kEndDay = 2475010;

// The Sun and the planets with their mass ratios Sun / body (IAU 1976 and
// DE405 values; the Earth carries the Moon).
struct Body {
  int swissNumber;
  double sunPerBody;
};
constexpr std::array<Body, 9> kBodies{{{SE_SUN, 1.0},
                                       {SE_MERCURY, 6023600.0},
                                       {SE_VENUS, 408523.71},
                                       {SE_EARTH, 328900.56},
                                       {SE_MARS, 3098708.0},
                                       {SE_JUPITER, 1047.3486},
                                       {SE_SATURN, 3497.898},
                                       {SE_URANUS, 22902.98},
                                       {SE_NEPTUNE, 19412.24}}};

constexpr int kCartesianJ2000 =
    SEFLG_SWIEPH | SEFLG_J2000 | SEFLG_EQUATORIAL | SEFLG_XYZ | SEFLG_TRUEPOS | SEFLG_BARYCTR;

Vec Add(const Vec& a, const Vec& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
Vec Sub(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec Scale(const Vec& a, double s) { return {a[0] * s, a[1] * s, a[2] * s}; }
double Norm(const Vec& a) { return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]); }

// Barycentric J2000 equatorial position (AU) and velocity (AU/day).
void Swiss(double jdTT, int body, Vec& position, Vec* velocity) {
  double out[6];
  char error[AS_MAXCH] = "";
  const int flags = kCartesianJ2000 | (velocity ? SEFLG_SPEED : 0);
  if (swe_calc(jdTT, body, flags, out, error) < 0 || error[0] != '\0') {
    std::fprintf(stderr, "body %d at JD %.2f: %s\n", body, jdTT, error);
    std::exit(1);
  }
  position = {out[0], out[1], out[2]};
  if (velocity) *velocity = {out[3], out[4], out[5]};
}

Vec Acceleration(double jdTT, const Vec& r) {
  Vec a{0, 0, 0};
  for (const Body& body : kBodies) {
    Vec p;
    Swiss(jdTT, body.swissNumber, p, nullptr);
    const Vec d = Sub(p, r);
    const double dist = Norm(d);
    a = Add(a, Scale(d, kGaussK * kGaussK / body.sunPerBody / (dist * dist * dist)));
  }
  return a;
}

// Chiron's integrated barycentric states at every whole TT day.
struct Orbit {
  std::vector<Vec> position;
  std::vector<Vec> velocity;

  // Cubic Hermite interpolation between the two neighbouring days.
  Vec At(double jdTT) const {
    const double u = jdTT - kStartDay;
    const int i = static_cast<int>(std::floor(u));
    const double s = u - i;
    const double h00 = (1 + 2 * s) * (1 - s) * (1 - s), h10 = s * (1 - s) * (1 - s);
    const double h01 = s * s * (3 - 2 * s), h11 = s * s * (s - 1);
    Vec out;
    for (int k = 0; k < 3; ++k)
      out[k] = h00 * position[i][k] + h10 * velocity[i][k] + h01 * position[i + 1][k] +
               h11 * velocity[i + 1][k];
    return out;
  }
};

void Step(double t, double h, Vec& r, Vec& v) {
  const Vec k1v = Acceleration(t, r), k1r = v;
  const Vec r2 = Add(r, Scale(k1r, h / 2)), v2 = Add(v, Scale(k1v, h / 2));
  const Vec k2v = Acceleration(t + h / 2, r2), k2r = v2;
  const Vec r3 = Add(r, Scale(k2r, h / 2)), v3 = Add(v, Scale(k2v, h / 2));
  const Vec k3v = Acceleration(t + h / 2, r3), k3r = v3;
  const Vec r4 = Add(r, Scale(k3r, h)), v4 = Add(v, Scale(k3v, h));
  const Vec k4v = Acceleration(t + h, r4), k4r = v4;
  for (int k = 0; k < 3; ++k) {
    r[k] += h / 6 * (k1r[k] + 2 * k2r[k] + 2 * k3r[k] + k4r[k]);
    v[k] += h / 6 * (k1v[k] + 2 * k2v[k] + 2 * k3v[k] + k4v[k]);
  }
}

// Integrates from the tables' day `startDay` (TT) outward to both ends of
// the span, starting from the asteroid file's state on that day.
Orbit Integrate(int startDay) {
  const int n = kEndDay - kStartDay + 1;
  Orbit orbit{std::vector<Vec>(n), std::vector<Vec>(n)};
  const int start = startDay - kStartDay;
  Vec r0, v0;
  Swiss(startDay, SE_CHIRON, r0, &v0);
  for (const int h : {1, -1}) {
    Vec r = r0, v = v0;
    orbit.position[start] = r;
    orbit.velocity[start] = v;
    for (int i = start; h > 0 ? i < n - 1 : i > 0; i += h) {
      Step(kStartDay + i, h, r, v);
      orbit.position[i + h] = r;
      orbit.velocity[i + h] = v;
    }
  }
  return orbit;
}

// Rotations of a vector's frame about the x and z axes.
Vec R1(double a, const Vec& v) {
  return {v[0], std::cos(a) * v[1] + std::sin(a) * v[2], -std::sin(a) * v[1] + std::cos(a) * v[2]};
}
Vec R2(double a, const Vec& v) {
  return {std::cos(a) * v[0] - std::sin(a) * v[2], v[1], std::sin(a) * v[0] + std::cos(a) * v[2]};
}
Vec R3(double a, const Vec& v) {
  return {std::cos(a) * v[0] + std::sin(a) * v[1], -std::sin(a) * v[0] + std::cos(a) * v[1], v[2]};
}

struct OfDate {
  Vec trueEquatorial;  // true equator and equinox of date
  Vec trueEcliptic;    // ecliptic and true equinox of date
};

OfDate FromJ2000(double jdTT, const Vec& j2000) {
  const double t = (jdTT - kJ2000) / 36525.0;
  const double arcsec = 1.0 / kArcsecPerDeg / kDegPerRad;
  const double zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t * t * t) * arcsec;
  const double z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t * t * t) * arcsec;
  const double theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t * t * t) * arcsec;
  const Vec meanEquatorial = R3(-z, R2(theta, R3(-zeta, j2000)));
  const double eps0 = (84381.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) * arcsec;
  const double rad = 1.0 / kDegPerRad;
  const double node = (125.04452 - 1934.136261 * t) * rad;
  const double sun = (280.4665 + 36000.7698 * t) * rad;
  const double moon = (218.3165 + 481267.8813 * t) * rad;
  const double dpsi = (-17.20 * std::sin(node) - 1.32 * std::sin(2 * sun) -
                       0.23 * std::sin(2 * moon) + 0.21 * std::sin(2 * node)) *
                      arcsec;
  const double deps = (9.20 * std::cos(node) + 0.57 * std::cos(2 * sun) +
                       0.10 * std::cos(2 * moon) - 0.09 * std::cos(2 * node)) *
                      arcsec;
  const Vec trueEcliptic = R3(-dpsi, R1(eps0, meanEquatorial));
  return {R1(-(eps0 + deps), trueEcliptic), trueEcliptic};
}

double LongitudeDeg(const Vec& v) {
  const double a = std::atan2(v[1], v[0]) * kDegPerRad;
  return a < 0 ? a + 360.0 : a;
}
double LatitudeDeg(const Vec& v) { return std::asin(v[2] / Norm(v)) * kDegPerRad; }

struct Stats {
  const char* name;
  double maxArcsec = 0;
  double sumSquares = 0;
  double worstJd = 0;
  int count = 0;

  void Add(double jd, double diffDeg, bool angle) {
    if (angle) diffDeg = std::remainder(diffDeg, 360.0);
    const double d = std::fabs(diffDeg) * kArcsecPerDeg;
    if (d > maxArcsec) {
      maxArcsec = d;
      worstJd = jd;
    }
    sumSquares += d * d;
    ++count;
  }
  bool Report() const {
    std::printf("%-24s max %6.2f\" (JD %.1f)  rms %5.2f\"\n", name, maxArcsec, worstJd,
                std::sqrt(sumSquares / count));
    return maxArcsec <= kLimitArcsec;
  }
};

std::vector<std::array<double, 2>> ReadTable(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::array<double, 2>> rows;
  std::string line;
  while (std::getline(in, line)) {
    std::array<double, 2> row{};
    char comma = 0;
    std::istringstream(line) >> row[0] >> comma >> row[1];
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DATA_FOLDER\n", argv[0]);
    return 2;
  }
  swe_set_ephe_path("/usr/share/libswe/ephe");
  const auto geo = ReadTable(std::string(argv[1]) + "/CHIRON.DAT");
  const auto helio = ReadTable(std::string(argv[1]) + "/CHIRON_HELIO.DAT");
  if (geo.size() != kDays || helio.size() != kDays) {
    std::fprintf(stderr, "the tables need %d records each\n", kDays);
    return 1;
  }
  Orbit orbit;
  Stats geoLon{"geocentric longitude"}, geoDec{"declination"};
  Stats helioLon{"heliocentric longitude"}, helioLat{"heliocentric latitude"};
  for (int i = 0; i < kDays; ++i) {
    const double jdUT = kFirstDay + i;
    if (i % kSegmentDays == 0) orbit = Integrate(static_cast<int>(jdUT) + kSegmentDays / 2);
    const double jdTT = jdUT + swe_deltat(jdUT);
    Vec earth, earthVelocity, sun;
    Swiss(jdTT, SE_EARTH, earth, &earthVelocity);
    Swiss(jdTT, SE_SUN, sun, nullptr);

    double lightDays = 0;
    Vec seen{};
    for (int k = 0; k < 3; ++k) {
      seen = Sub(orbit.At(jdTT - lightDays), earth);
      lightDays = Norm(seen) / kLightAuPerDay;
    }
    const Vec apparent =
        Add(Scale(seen, 1.0 / Norm(seen)), Scale(earthVelocity, 1.0 / kLightAuPerDay));
    const OfDate g = FromJ2000(jdTT, apparent);
    const OfDate h = FromJ2000(jdTT, Sub(orbit.At(jdTT), sun));
    geoLon.Add(jdUT, LongitudeDeg(g.trueEcliptic) - geo[i][0], true);
    geoDec.Add(jdUT, LatitudeDeg(g.trueEquatorial) - geo[i][1], false);
    helioLon.Add(jdUT, LongitudeDeg(h.trueEcliptic) - helio[i][0], true);
    helioLat.Add(jdUT, LatitudeDeg(h.trueEcliptic) - helio[i][1], false);
  }
  bool ok = true;
  for (const Stats* s : {&geoLon, &geoDec, &helioLon, &helioLat}) ok = s->Report() && ok;
  swe_close();
  return ok ? 0 : 1;
}
