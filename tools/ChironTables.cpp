// Generates data/CHIRON.DAT and data/CHIRON_HELIO.DAT, the day-by-day Chiron
// tables the program interpolates: record i (i = 0 .. 59999) belongs to
// JD 2415000 + i UT, that is 12h UT of each day from 1899-12-11 to 2064-03-19:
//   CHIRON.DAT        geocentric apparent longitude (ecliptic and true equinox
//                     of date) and apparent declination (true equator of date)
//   CHIRON_HELIO.DAT  heliocentric geometric longitude and latitude (ecliptic
//                     and true equinox of date)
// one record a line, "value,value" in degrees with four decimals, CR LF.
//
// Source: Debian's Swiss Ephemeris (libswe-dev) with its asteroid file
// seas_18.se1 from swe-basic-data, which covers Chiron for 1800 .. 2399.
// The library is a dependency of this tool only; the program reads the output.
//
// Run again (as root for the install):
//   apt-get install -y libswe-dev swe-basic-data
//   g++ -std=c++20 -O2 -Wall -Wextra -o /tmp/chiron_tables tools/ChironTables.cpp -lswe
//   /tmp/chiron_tables data
// tools/ChironCheck.cpp checks the result through a second route.

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr double kFirstDay = 2415000.0;
constexpr int kDays = 60000;
constexpr const char* kEphemerisFolder = "/usr/share/libswe/ephe";

// Four decimals, with no "-0.0000" and no "360.0000" for a longitude.
double Rounded(double value, bool isLongitude) {
  double r = std::round(value * 1e4) / 1e4;
  if (isLongitude && r >= 360.0) r -= 360.0;
  return r == 0.0 ? 0.0 : r;
}

// One Swiss Ephemeris call; stops the tool on any error or fallback, so a
// missing asteroid file can never yield a silently different table.
void Calc(double jdUT, int flags, double out[6]) {
  char error[AS_MAXCH] = "";
  const int used = swe_calc_ut(jdUT, SE_CHIRON, flags, out, error);
  if (used < 0 || (used & SEFLG_SWIEPH) == 0 || error[0] != '\0') {
    std::fprintf(stderr, "Chiron at JD %.1f: %s\n", jdUT, error[0] ? error : "no Swiss file");
    std::exit(1);
  }
}

bool WriteTable(const std::string& path, bool helio) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  for (int i = 0; i < kDays; ++i) {
    const double jd = kFirstDay + i;
    double first[6];
    double second[6];
    if (helio) {
      Calc(jd, SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_TRUEPOS, first);
      second[0] = first[1];  // latitude
    } else {
      Calc(jd, SEFLG_SWIEPH, first);
      Calc(jd, SEFLG_SWIEPH | SEFLG_EQUATORIAL, second);
      second[0] = second[1];  // declination
    }
    std::fprintf(file, "%.4f,%.4f\r\n", Rounded(first[0], true), Rounded(second[0], false));
  }
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DATA_FOLDER\n", argv[0]);
    return 2;
  }
  swe_set_ephe_path(kEphemerisFolder);
  const std::string folder = argv[1];
  const bool ok =
      WriteTable(folder + "/CHIRON.DAT", false) && WriteTable(folder + "/CHIRON_HELIO.DAT", true);
  swe_close();
  if (!ok) {
    std::perror("writing the tables");
    return 1;
  }
  return 0;
}
