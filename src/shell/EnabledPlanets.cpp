#include "shell/EnabledPlanets.h"

#include "core/ChartPoints.h"

namespace orv {

bool IsPointEnabled(std::string_view flags, int point) {
  return point >= 1 && static_cast<size_t>(point) <= flags.size() && flags[point - 1] == '1';
}

void SetPointEnabled(std::string& flags, int point, bool enabled) {
  if (point < 1 || point > NumPoints) return;
  if (flags.size() < static_cast<size_t>(point)) flags.resize(point, '0');
  flags[point - 1] = enabled ? '1' : '0';
}

}  // namespace orv
