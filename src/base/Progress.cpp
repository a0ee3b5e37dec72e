#include "base/Progress.h"

#include <algorithm>

namespace orv {

float ProgressPercent(std::int64_t done, std::int64_t total) {
  if (total <= 0) return 100.0f;
  const float percent = float(double(done) / double(total)) * 100.0f;
  return std::clamp(percent, 0.0f, 100.0f);
}

int ProgressBarFill(std::int64_t done, std::int64_t total, int barWidth) {
  return int(float(barWidth) * ProgressPercent(done, total) / 100.0f);
}

}  // namespace orv
