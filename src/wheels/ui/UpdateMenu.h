#pragma once
// The wheel window's Update menu: the 24 items that step the natal or the
// second chart's moment, first on the window's menu bar.

#include <functional>

#include "wheels/ChartStepping.h"

namespace orv {

class Wheels;

// Puts "&Update" before "&Aspects" on `window`'s menu bar: the natal items,
// a separator, the items of chart 2, each with its key (working wherever
// the focus is in the window) and running `step` with its step.
void AddUpdateMenu(Wheels& window, const std::function<void(const UpdateStep&)>& step);

}  // namespace orv
