#include "wheels/LabelReach.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace orv {
namespace {

// hypot comes within an ulp of a distance and a sum of two squares within
// three ulps of its square: a point whose square is a billionth short of
// (or past) the best one's cannot be the farthest (or nearest), whatever
// the roundings, so only the others are measured. Tiny squares lose their
// precision: all are measured then.
constexpr double kSquareMargin = 1e-9;
constexpr double kTinySquare = 1e-200;

template <class Corners>
double Farthest(const Corners& corners) {
  double most = 0;
  corners([&](double x, double y) { most = std::max(most, x * x + y * y); });
  const double cut = most > kTinySquare ? most * (1 - kSquareMargin) : 0;
  double far = 0;
  corners([&](double x, double y) {
    if (x * x + y * y >= cut) far = std::max(far, std::hypot(x, y));
  });
  return far;
}

}  // namespace

double FarthestCorner(std::span<const LabelBox> boxes, double squash) {
  return Farthest([&](const auto& visit) {
    for (const LabelBox& box : boxes)
      for (const double x : {box[0].x, box[1].x})
        for (const double y : {box[0].y, box[1].y}) visit(x, squash * y);
  });
}

double NearestPoint(std::span<const LabelBox> boxes, double squash) {
  const auto nearest = [&](const auto& visit) {
    for (const LabelBox& box : boxes)
      visit(std::clamp(0.0, box[0].x, box[1].x), squash * std::clamp(0.0, box[1].y, box[0].y));
  };
  double least = std::numeric_limits<double>::infinity();
  nearest([&](double x, double y) { least = std::min(least, x * x + y * y); });
  const double cut =
      least > kTinySquare ? least * (1 + kSquareMargin) : std::numeric_limits<double>::infinity();
  double near = 1e300;
  nearest([&](double x, double y) {
    if (x * x + y * y <= cut) near = std::min(near, std::hypot(x, y));
  });
  return near;
}

LabelSpan AngularReach(std::span<const LabelBox> boxes, double squash, double anchorDeg,
                       UserPoint toward, double gapShare) {
  const auto corners = [&](const auto& visit) {
    for (const LabelBox& box : boxes) {
      const double dy = gapShare * (box[0].y - box[1].y), dx = dy * squash;
      for (const double x : {box[0].x - dx, box[1].x + dx})
        for (const double y : {box[0].y + dy, box[1].y - dy}) visit(x, y);
    }
  };
  LabelSpan span;
  const auto take = [&](double x, double y) {
    // remainder(d, 360), by one exact step where |d| < 540 (as it is for
    // an anchor within the circle): |d| lies within [180, 720] there.
    double d = std::atan2(squash * y, x) * 180 / std::numbers::pi - anchorDeg;
    if (d > 180 && d < 540)
      d -= 360;
    else if (d < -180 && d > -540)
      d += 360;
    else if (!(std::fabs(d) < 540))
      d = std::remainder(d, 360.0);
    span.below = std::max(span.below, -d);
    span.above = std::max(span.above, d);
  };
  // Within 60 degrees of the anchor a corner's angle from it rises with the
  // tangent, cross / dot with the anchor's direction, which is worked out
  // to within 1e-14 where the angles themselves come within 1e-12 degrees:
  // a tangent a billionth short of the extreme one's is not the extreme
  // angle. Corners further round are all measured.
  constexpr double kTangentMargin = 1e-9, kSteepest = 1.7;
  const double ux = toward.x, uy = toward.y;
  const auto tangent = [&](double x, double y) {
    const double dot = ux * x + uy * squash * y, cross = ux * squash * y - uy * x;
    return dot > 0 && std::fabs(cross) < kSteepest * dot ? cross / dot
                                                         : std::numeric_limits<double>::quiet_NaN();
  };
  struct Corner {
    double x, y, t;
  };
  std::array<Corner, 32> seen;  // a label's
  if (boxes.size() * 4 > seen.size()) {
    corners(take);
    return span;
  }
  std::size_t count = 0;
  double low = std::numeric_limits<double>::infinity(), high = -low;
  corners([&](double x, double y) {
    const double t = tangent(x, y);
    // Fed NaN, min and max keep the first operand.
    low = std::min(low, t);
    high = std::max(high, t);
    seen[count++] = {x, y, t};
  });
  for (std::size_t k = 0; k < count; ++k)
    if (std::isnan(seen[k].t) || seen[k].t <= low + kTangentMargin ||
        seen[k].t >= high - kTangentMargin)
      take(seen[k].x, seen[k].y);
  return span;
}

}  // namespace orv
