#pragma once
// The system's tz database through QTimeZone, which reads the tzdata that
// the system keeps current.

#include "platform/ZoneRules.h"

namespace orv {

class QtZoneRules final : public ZoneRules {
 public:
  ZoneAtLocalTime At(std::string_view zoneName, const LocalDateTime& when) const override;
};

}  // namespace orv
