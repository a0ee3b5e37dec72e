#pragma once
// How far a label's boxes reach from the wheel's centre, and across what
// angle they are seen from it. The fit asks this of every place it tries
// for every label, so only the corners that can decide an answer are
// measured exactly; the answers are those of measuring every corner.

#include <array>
#include <span>

#include "platform/Canvas.h"
#include "wheels/WheelPlacement.h"

namespace orv {

using LabelBox = std::array<UserPoint, 2>;  // top-left and bottom-right

// The greatest hypot(x, squash * y) of the boxes' corners (0 for none).
double FarthestCorner(std::span<const LabelBox> boxes, double squash);

// The least hypot(x, squash * y) of each box's point nearest the centre
// (1e300 for none).
double NearestPoint(std::span<const LabelBox> boxes, double squash);

// The degrees by which the boxes, each grown by `gapShare` of its height all
// round (across by `squash` times as much), reach below and above
// `anchorDeg` as seen from the centre with y taken `squash` times: the most
// of remainder(atan2(squash * y, x) * 180 / pi - anchorDeg, 360) over their
// corners, and of its negative, neither below 0. `toward`: a point in the
// anchor's direction, with y already taken `squash` times.
LabelSpan AngularReach(std::span<const LabelBox> boxes, double squash, double anchorDeg,
                       UserPoint toward, double gapShare);

}  // namespace orv
