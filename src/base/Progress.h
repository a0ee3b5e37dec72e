#pragma once
// Arithmetic of the progress bar shown by long reports and batch runs.

#include <cstdint>

namespace orv {

// Percent done, 0 to 100, in single precision as the bar draws it. A total of
// 0 or less counts as finished, so a run over nothing shows a full bar.
float ProgressPercent(std::int64_t done, std::int64_t total);

// Filled width in pixels of a bar `barWidth` wide.
int ProgressBarFill(std::int64_t done, std::int64_t total, int barWidth);

}  // namespace orv
