#include "base/Progress.h"

#include <algorithm>

namespace orv {

float ProgressPercent(int done, int total) {
  if (total <= 0) return 100.0f;
  const float percent = float(done) / float(total) * 100.0f;
  return std::clamp(percent, 0.0f, 100.0f);
}

int ProgressBarFill(int done, int total, int barWidth) {
  return int(float(barWidth) * ProgressPercent(done, total) / 100.0f);
}

}  // namespace orv
