#pragma once
// The regional date order and clock of the system locale.

#include <QLocale>

#include "shell/RegionalOrder.h"

namespace orv {

// `DateOrder` and `TimeFormat` from a locale's short date and time formats.
RegionalOrder RegionalOrderOf(const QLocale& locale);

// The same for the system locale; read once at start-up.
inline RegionalOrder ReadSystemRegionalOrder() { return RegionalOrderOf(QLocale::system()); }

}  // namespace orv
