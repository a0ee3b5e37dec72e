#pragma once
// The moments of the one-chart benchmarks: a new moment each call, as
// charts are, so no cache flatters a theory.

#include <random>
#include <vector>

#include "core/ChartInput.h"

namespace orv::bench {

// 10,000 moments from 1900 to 2060 at latitudes within the polar circles.
inline std::vector<ChartInputValues> RandomMoments() {
  std::mt19937 rng(20261207);
  std::uniform_int_distribution<int> year(1900, 2060), month(1, 12), day(1, 28), hour(0, 23),
      minute(0, 59), lonDeg(-179, 179), latDeg(-65, 65);
  std::vector<ChartInputValues> moments(10000);
  for (ChartInputValues& m : moments) {
    m.day = day(rng);
    m.month = month(rng);
    m.year = year(rng);
    m.time = float(hour(rng)) + float(minute(rng)) / 100;
    const int lon = lonDeg(rng);
    const int lat = latDeg(rng);
    m.longitude = float(lon) + float(minute(rng)) / 100;
    m.latitude = float(lat) + float(minute(rng)) / 100;
    m.timeZone = float(lon / 15);
    m.eastWest = lon < 0 ? "East" : "West";
    m.northSouth = lat < 0 ? "South" : "North";
  }
  return moments;
}

}  // namespace orv::bench
