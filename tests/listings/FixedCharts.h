#pragma once
// A fixed pair of charts for the listing tests: the positions a calculation
// gave for a natal chart (12 May 1959, 10:43 A.M., zone 6, 75w23 39n45,
// Placidus) and a transit moment (12 Jun 2026, 9:00 A.M., zone 5, 71w04
// 42n21), frozen here so the listings are tested apart from the ephemeris.

#include "core/ChartModel.h"

namespace orv::test {

inline ChartModel FixedCharts() {
  ChartModel m;
  m.PersonName = "Jane Doe";
  m.HouseSystem = HouseSystemCode::Placidus;
  m.NatalInput = {12, 5, 1959, "5/12/1959", 10.43f, 6, "A.M.", 75.23f, 39.45f, "West", "North"};
  m.DiurnalInput = {12, 6, 2026, "6/12/2026", 9.0f, 5, "A.M.", 71.04f, 42.21f, "West", "North"};

  ChartArrays& n = m.Natal;
  n.Longitudes = {0,          51.208871,  29.799569,  92.322379,  108.535433, 237.903904,
                  276.518339, 132.443407, 215.162353, 151.669178, 104.547876, 191.079614,
                  11.079614,  197.573173, 144.234167, 47.536414,  327.452744};
  n.Declinations = {0,          18.065697, 9.007580,   25.769487, 23.705091, -18.622600,
                    -22.327021, 17.722761, -11.526424, 22.125421, 17.514802, -4.385011,
                    4.385011,   -6.899248, 13.446645,  17.067922, -6.475502};
  n.Latitudes = {0,        0,        -2.558986, 2.345693,  1.558049,  1.102724,
                 0.958175, 0.676502, 1.823316,  12.080391, -5.164837, 0,
                 0,        0,        0,         0,         0};
  n.HelioLongitudes = {0,          231.212171, 323.013754, 160.067276, 139.383791, 236.650258,
                       272.426659, 135.545420, 215.689950, 153.381889, 0,          0,
                       0,          0,          0,          0,          323.837912};
  n.HelioLatitudes = {0,        0,        -6.975876, 3.374086,  1.849879, 0.896862,
                      0.888103, 0.681138, 1.764953,  12.010455, 0,        0,
                      0,        0,        0,         0,         6.286682};
  n.Cusps = {0,          47.536414,  82.696688,  115.537378, 144.234167, 166.901789, 194.627172,
             227.536414, 262.696688, 295.537378, 324.234167, 346.901789, 14.627172};
  n.RetroFlags = "    RR RR       ";
  n.HousePositions =
      "10TH HOUSE 9TH HOUSE11TH HOUSE11TH HOUSE 4TH HOUSE 5TH HOUSE12TH HOUSE 3RD HOUSE"
      " 1ST HOUSE11TH HOUSE 2ND HOUSE 8TH HOUSE 3RD HOUSE 1ST HOUSE10TH HOUSE 7TH HOUSE";
  m.DailyMotion = {0,         0.965414, 1.631315,  1.132410,  0.585826,  -0.125834,
                   -0.040843, 0.020329, -0.025809, -0.000313, 12.344459, 0,
                   0,         0,        0,         0,         0.019895};
  m.TrueNodeLongitude = 192.357587;
  m.TrueNodeDeclination = -4.884495;

  ChartArrays& d = m.Diurnal;
  d.Longitudes = {0,          81.623570,  105.812577, 118.998612, 48.283076, 116.335017,
                  13.130386,  62.726290,  4.254830,   305.202540, 45.542971, 333.558247,
                  153.558247, 104.985077, 141.065675, 42.286069,  29.712057};
  d.Declinations = {0,         23.171154, 23.978296, 22.348258,  16.782217, 21.295930,
                    3.058564,  20.547530, 0.451632,  -23.006055, 21.091511, -10.200929,
                    10.200929, 22.593875, 14.473964, 15.521519,  11.641642};
  d.HelioLongitudes = {0,        261.633099, 202.245741, 178.034915, 25.174508, 122.632896,
                       7.397657, 61.759401,  2.356312,   304.071086, 0,         0,
                       0,        0,          0,          0,          27.215834};
  d.HelioLatitudes = {0,         0,         3.127159,  3.331307,  -0.769697, 0.485766,
                      -2.385264, -0.165143, -1.359338, -4.081989, 0,         0,
                      0,         0,         0,         0,         0.299800};
  d.Cusps = {0,          42.286069,  78.414118,  112.177826, 141.065675, 162.654856, 189.470013,
             222.286069, 258.414118, 292.177826, 321.065675, 342.654856, 9.470013};
  d.RetroFlags = "        R       ";
  d.HousePositions =
      "11TH HOUSE11TH HOUSE12TH HOUSE10TH HOUSE12TH HOUSE 9TH HOUSE10TH HOUSE 8TH HOUSE"
      " 6TH HOUSE10TH HOUSE 7TH HOUSE 1ST HOUSE11TH HOUSE 1ST HOUSE10TH HOUSE 9TH HOUSE";

  // As a calculation leaves it: chart 2's house records seed the next one.
  m.WorkingHousePositions = d.HousePositions;
  m.Kind = ChartKind::Second;
  m.Computed = true;
  return m;
}

}  // namespace orv::test
