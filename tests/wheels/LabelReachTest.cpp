// A label's reach and angular span, measured at the corners that can decide
// them, against measuring every corner: the same to the last bit, on boxes
// set as labels are and on boxes whose corners tie or nearly tie.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "wheels/LabelReach.h"

namespace orv {
namespace {

double EveryCornerFarthest(const std::vector<LabelBox>& boxes, double squash) {
  double far = 0;
  for (const LabelBox& b : boxes)
    for (double x : {b[0].x, b[1].x})
      for (double y : {b[0].y, b[1].y}) far = std::max(far, std::hypot(x, squash * y));
  return far;
}

double EveryBoxNearest(const std::vector<LabelBox>& boxes, double squash) {
  double near = 1e300;
  for (const LabelBox& b : boxes)
    near = std::min(near, std::hypot(std::clamp(0.0, b[0].x, b[1].x),
                                     squash * std::clamp(0.0, b[1].y, b[0].y)));
  return near;
}

LabelSpan EveryCornerSpan(const std::vector<LabelBox>& boxes, double squash, double anchor,
                          double gapShare) {
  LabelSpan span;
  for (const LabelBox& b : boxes) {
    const double dy = gapShare * (b[0].y - b[1].y), dx = dy * squash;
    for (double x : {b[0].x - dx, b[1].x + dx})
      for (double y : {b[0].y + dy, b[1].y - dy}) {
        const double d =
            std::remainder(std::atan2(squash * y, x) * 180 / std::numbers::pi - anchor, 360.0);
        span.below = std::max(span.below, -d);
        span.above = std::max(span.above, d);
      }
  }
  return span;
}

// A label's column of boxes stepping in from `radius` along the ray at
// `angle` degrees, each `w` by `h` user units.
std::vector<LabelBox> Column(double angle, double radius, int count, double w, double h) {
  std::vector<LabelBox> boxes;
  const double c = std::cos(angle * std::numbers::pi / 180);
  const double s = std::sin(angle * std::numbers::pi / 180);
  for (int k = 0; k < count; ++k) {
    const double r = radius - k * h;
    const UserPoint at{r * c, r * s};
    boxes.push_back({at, {at.x + w, at.y - h}});
  }
  return boxes;
}

void ExpectSameAsEveryCorner(const std::vector<LabelBox>& boxes, double squash, double anchor) {
  EXPECT_EQ(FarthestCorner(boxes, squash), EveryCornerFarthest(boxes, squash));
  EXPECT_EQ(NearestPoint(boxes, squash), EveryBoxNearest(boxes, squash));
  for (const double gap : {0.0, 0.125, 0.25}) {
    const double rad = anchor * std::numbers::pi / 180;
    const LabelSpan fast =
        AngularReach(boxes, squash, anchor, {std::cos(rad), std::sin(rad)}, gap);
    const LabelSpan every = EveryCornerSpan(boxes, squash, anchor, gap);
    EXPECT_EQ(fast.below, every.below) << anchor << " " << gap;
    EXPECT_EQ(fast.above, every.above) << anchor << " " << gap;
  }
}

TEST(LabelReach, TheSameAsMeasuringEveryCorner) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> angle(0, 360), radius(60, 240), side(1, 14),
      squash(0.8, 1.3), off(-3, 3);
  for (int k = 0; k < 3000; ++k) {
    const double a = angle(random), s = k % 3 == 0 ? 1 : squash(random);
    const auto boxes = Column(a, radius(random), 1 + k % 7, side(random), side(random));
    // The boxes round each two successive characters, overlapping, which
    // the labels at a combined band's row ends keep inside their house.
    std::vector<LabelBox> strokes;
    for (std::size_t c = 0; c + 1 < boxes.size(); ++c)
      strokes.push_back({UserPoint{std::min(boxes[c][0].x, boxes[c + 1][0].x),
                                   std::max(boxes[c][0].y, boxes[c + 1][0].y)},
                         UserPoint{std::max(boxes[c][1].x, boxes[c + 1][1].x),
                                   std::min(boxes[c][1].y, boxes[c + 1][1].y)}});
    // Anchored on the label's own ray, a little off it, far round, and
    // outside the circle.
    for (const double anchor : {a, std::fmod(a + off(random) + 360, 360.0),
                                std::fmod(a + 150, 360.0), a + 400, a - 560}) {
      ExpectSameAsEveryCorner(boxes, s, anchor);
      ExpectSameAsEveryCorner(strokes, s, anchor);
    }
  }
}

TEST(LabelReach, CornersThatTieOrNearlyTie) {
  // Mirror images about the x axis and about the diagonal: corners at the
  // same distance and at angles the same either side of the anchor, the
  // second of each pair a few ulps off.
  const double nudge[] = {0, 1e-15, -1e-15, 3e-14, 1e-12, 1e-10};
  for (const double n : nudge) {
    const double y = 7 * (1 + n);
    ExpectSameAsEveryCorner({{{{100, 7}, {110, -y}}}}, 1, 0);
    ExpectSameAsEveryCorner({{{{100, 7}, {104, 3}}}, {{{100, -3 * (1 + n)}, {104, -y}}}}, 1, 0);
    ExpectSameAsEveryCorner({{{{70, 80}, {80, 70 * (1 - n)}}}}, 1, 45);
    ExpectSameAsEveryCorner({{{{-5, 120}, {5, 110}}}, {{{-5 * (1 + n), 130}, {5, 120}}}}, 1, 90);
  }
  // A box about the centre, and one at it: every corner measured.
  ExpectSameAsEveryCorner({{{{-10, 10}, {10, -10}}}}, 1, 30);
  ExpectSameAsEveryCorner({{{{0, 0}, {0, 0}}}}, 1, 0);
  ExpectSameAsEveryCorner({}, 1, 0);
}

}  // namespace
}  // namespace orv
