// Generates tests/core/ephemeris/reference_positions.txt, the independent
// reference the ephemeris tests compare with: positions of the Sun, the Moon
// and the planets at dates spread over 1900-2060, from the Swiss Ephemeris
// (Debian's libswe-dev with its data files from swe-basic-data). The program
// and its tests never link that library; only this generator does.
//
// Rerun by hand from the repository root:
//   sudo apt-get install -y libswe-dev swe-basic-data
//   g++ -std=c++20 -O2 -o /tmp/make_reference_positions tools/make_reference_positions.cpp -lswe
//   /tmp/make_reference_positions > tests/core/ephemeris/reference_positions.txt
//
// Each date is taken as Terrestrial Time, the time scale of the theories
// under test. The dates are pseudo-random (a fixed linear congruential
// sequence), so a rerun writes the same file.

#include <swephexp.h>

#include <cstdint>
#include <cstdio>
#include <initializer_list>

namespace {

constexpr double kFirstJd = 2415020.5;  // 1900 January 1, 0h
constexpr double kLastJd = 2473459.5;   // 2060 December 31, 0h
constexpr int kDates = 240;

// The geocentric bodies in chart point order: Sun, Mercury .. Pluto, Moon.
constexpr int kGeoBodies[] = {SE_SUN,    SE_MERCURY, SE_VENUS,   SE_MARS,  SE_JUPITER,
                              SE_SATURN, SE_URANUS,  SE_NEPTUNE, SE_PLUTO, SE_MOON};
// The heliocentric bodies in their numbering: the Earth, Mercury .. Pluto.
constexpr int kHelioBodies[] = {SE_EARTH,  SE_MERCURY, SE_VENUS,   SE_MARS, SE_JUPITER,
                                SE_SATURN, SE_URANUS,  SE_NEPTUNE, SE_PLUTO};

std::uint64_t state = 20240601;
double NextUniform() {  // 0 <= value < 1
  state = state * 6364136223846793005ULL + 1442695040888963407ULL;
  return double(state >> 11) / double(1ULL << 53);
}

bool Calc(double jd, int body, int flags, double out[6]) {
  char error[AS_MAXCH];
  const int used = swe_calc(jd, body, flags, out, error);
  // A missing data file makes the library fall back to a less precise
  // theory; that must not pass unnoticed.
  if (used < 0 || ((flags & SEFLG_SWIEPH) && !(used & SEFLG_SWIEPH))) {
    std::fprintf(stderr, "body %d at %.6f: %s\n", body, jd, error);
    return false;
  }
  return true;
}

}  // namespace

int main() {
  swe_set_ephe_path("/usr/share/libswe/ephe");
  char version[AS_MAXCH];
  std::printf(
      "# Reference positions from the Swiss Ephemeris %s; written by "
      "tools/make_reference_positions.cpp.\n"
      "# One line per date: jd (TT), then for the Sun, Mercury .. Pluto, Moon each: apparent\n"
      "# geocentric ecliptic longitude and latitude of date, declination (true equator of date),\n"
      "# longitude speed per day half a day later (the middle of the day over which the\n"
      "# retrograde flags compare longitudes); then for the Earth, Mercury .. Pluto each: "
      "geometric\n"
      "# heliocentric longitude and latitude, mean equinox of date; then the mean and the true\n"
      "# (osculating) lunar node. Degrees throughout.\n",
      swe_version(version));
  const int apparent = SEFLG_SWIEPH | SEFLG_SPEED;
  const int helio = SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_TRUEPOS | SEFLG_NONUT;
  for (int n = 0; n < kDates; ++n) {
    const double jd = kFirstJd + (kLastJd - kFirstJd) * NextUniform();
    std::printf("%.6f", jd);
    double ecl[6], equ[6], midday[6];
    for (int body : kGeoBodies) {
      if (!Calc(jd, body, apparent, ecl) || !Calc(jd, body, apparent | SEFLG_EQUATORIAL, equ) ||
          !Calc(jd + 0.5, body, apparent, midday)) {
        return 1;
      }
      std::printf(" %.7f %.7f %.7f %.6f", ecl[0], ecl[1], equ[1], midday[3]);
    }
    for (int body : kHelioBodies) {
      if (!Calc(jd, body, helio, ecl)) return 1;
      std::printf(" %.7f %.7f", ecl[0], ecl[1]);
    }
    for (int body : {SE_MEAN_NODE, SE_TRUE_NODE}) {
      if (!Calc(jd, body, apparent, ecl)) return 1;
      std::printf(" %.7f", ecl[0]);
    }
    std::printf("\n");
  }
  swe_close();
  return 0;
}
