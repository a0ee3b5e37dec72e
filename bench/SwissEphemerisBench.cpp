// The one-chart work of BM_OneChart done by Debian's Swiss Ephemeris
// library, for a side-by-side figure from one run: houses (Placidus), the
// Sun to Pluto, the true node and Chiron with their declinations, the same
// bodies a day later for the retrograde flags, and heliocentric positions.
// Built only when libswe-dev is installed; the program never links it.

#ifdef ORVANTA_HAVE_SWE

#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <vector>

#include "RandomMoments.h"

namespace {

// Degrees + minutes / 100 as decimal degrees.
double FromDegMin(double x) {
  const double whole = std::trunc(x);
  return whole + (x - whole) * 100 / 60;
}

struct SweMoment {
  double jdUt;
  double latitudeDeg;   // North positive
  double longitudeDeg;  // East positive
};

std::vector<SweMoment> SweMoments() {
  std::vector<SweMoment> out;
  for (const orv::ChartInputValues& m : orv::bench::RandomMoments()) {
    const double localHours = FromDegMin(m.time);
    out.push_back({swe_julday(m.year, m.month, m.day, localHours + m.timeZone, SE_GREG_CAL),
                   FromDegMin(m.latitude), -FromDegMin(m.longitude)});
  }
  return out;
}

constexpr std::array<int, 12> kBodies = {SE_SUN,     SE_MOON,   SE_MERCURY, SE_VENUS,
                                         SE_MARS,    SE_JUPITER, SE_SATURN, SE_URANUS,
                                         SE_NEPTUNE, SE_PLUTO,  SE_TRUE_NODE, SE_CHIRON};
constexpr std::array<int, 10> kHelioBodies = {SE_EARTH,  SE_MERCURY, SE_VENUS,  SE_MARS,
                                              SE_JUPITER, SE_SATURN, SE_URANUS, SE_NEPTUNE,
                                              SE_PLUTO,  SE_CHIRON};

void BM_OneChartSwissEphemeris(benchmark::State& state) {
  static const std::vector<SweMoment> moments = SweMoments();
  const char* files = "/usr/share/libswe/ephe";
  const bool haveFiles = std::filesystem::exists(std::filesystem::path(files) / "sepl_18.se1");
  swe_set_ephe_path(haveFiles ? files : nullptr);
  const int ephemeris = haveFiles ? SEFLG_SWIEPH : SEFLG_MOSEPH;
  state.SetLabel(haveFiles ? "with its files" : "Moshier, no files");
  std::array<double, 6> xx{};
  std::array<double, 13> cusps{};
  std::array<double, 10> ascmc{};
  char error[AS_MAXCH];
  size_t i = 0;
  for (auto _ : state) {
    const SweMoment& m = moments[i];
    swe_houses_ex(m.jdUt, 0, m.latitudeDeg, m.longitudeDeg, 'P', cusps.data(), ascmc.data());
    // One moment at a time, so the library's caches serve as well as they
    // can.
    for (int body : kBodies) {
      swe_calc_ut(m.jdUt, body, ephemeris, xx.data(), error);
      swe_calc_ut(m.jdUt, body, ephemeris | SEFLG_EQUATORIAL, xx.data(), error);
    }
    for (int body : kHelioBodies) {
      swe_calc_ut(m.jdUt, body, ephemeris | SEFLG_HELCTR, xx.data(), error);
    }
    for (int body : kBodies) swe_calc_ut(m.jdUt + 1, body, ephemeris, xx.data(), error);
    benchmark::DoNotOptimize(xx);
    benchmark::DoNotOptimize(cusps);
    if (++i == moments.size()) i = 0;
  }
}
BENCHMARK(BM_OneChartSwissEphemeris);

}  // namespace

#endif  // ORVANTA_HAVE_SWE
