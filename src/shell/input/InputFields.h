#pragma once
// The chart input windows as plain values: the texts of their fields and the
// state of their option groups and check boxes. Windows copy their widgets
// into these structs and back; the names, cities, time-zone and atlas logic
// reads and writes only these, never a widget.

#include <optional>
#include <string>
#include <string_view>

#include "core/ChartInput.h"

namespace orv {

// The natal input window.
struct NatalInputFields : ChartInputFields {
  std::string Name;
};

// The second-chart input window. It has no name field: a second person's
// name is shown as the caption of its "2nd Person" check box.
struct SecondChartInputFields : ChartInputFields {
  std::string SecondPersonCaption = "2nd Person";
  bool UseNatalData = true;   // chkNatOrNow
  bool SecondPerson = false;  // chk2ndPerson: the second chart's role
};

// Which input window a names, cities or time-zone pick filled.
enum class InputTarget { Natal, SecondChart };


}  // namespace orv
