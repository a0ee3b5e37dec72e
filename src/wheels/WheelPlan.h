#pragma once
// What a wheel's fit decided, which its paint draws: every text the fit
// placed (the cusp labels, the intercepted signs, the ring's sign glyphs
// and the point labels), each with its place, font and colour, and the
// leader lines among them, in the order they are drawn; where the aspect
// lines end; and the boxes the rest of the paint keeps clear of.

#include <array>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "wheels/DualPlacement.h"
#include "wheels/WheelPlacement.h"

namespace orv {

// A text put with its top-left corner at `a`, or a line from `a` to `b`.
struct PlanMark {
  enum class Kind : char { Text, Line } kind = Kind::Text;
  UserPoint a, b;
  std::string text;
  CanvasFont font;  // before the surface's font scale
  Rgb color;
};

struct WheelPlan {
  std::vector<PlanMark> marks;
  // The single wheel's placed labels, or each band's of the combined
  // arrangement (the first chart's first), with the inputs each band was
  // placed by: the aspect lines end beside their glyphs.
  std::array<SingleWheelInputs, 2> passInputs;
  std::array<std::vector<PlacedLabel>, 2> placed;
  // The two-ring wheel's labels, a lent one at its point's own place,
  // where its aspect lines end.
  DualPlacement ring;
  // The strokes of the combined arrangement's labels, which its aspect
  // lines pass behind.
  std::vector<std::array<UserPoint, 2>> keepClear;
  // The boxes (top-left, bottom-right) of the two-ring wheel's labels, and
  // on paper of every text put.
  std::vector<std::array<UserPoint, 2>> ringLabels, printed;
  // The font and colour the texts leave, in which the paint goes on.
  CanvasFont font;
  Rgb color;
};

}  // namespace orv
