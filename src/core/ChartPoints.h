#pragma once
// The chart points and the arrays indexed by them.

#include <array>

namespace orv {

// `ChartPoint`: the index of every per-point array (element 0 unused).
namespace ChartPoint {
inline constexpr int Sun = 1;
inline constexpr int Mercury = 2;
inline constexpr int Venus = 3;
inline constexpr int Mars = 4;
inline constexpr int Jupiter = 5;
inline constexpr int Saturn = 6;
inline constexpr int Uranus = 7;
inline constexpr int Neptune = 8;
inline constexpr int Pluto = 9;
inline constexpr int Moon = 10;
inline constexpr int NorthNode = 11;
inline constexpr int SouthNode = 12;
inline constexpr int PartOfFortune = 13;
inline constexpr int Ascendant = 14;
inline constexpr int MC = 15;
inline constexpr int Chiron = 16;
}  // namespace ChartPoint

// `NumPoints`: the number of chart points.
inline constexpr int NumPoints = 16;

// A value per chart point, indexed 1..NumPoints.
template <class T>
using PointArray = std::array<T, NumPoints + 1>;

}  // namespace orv
