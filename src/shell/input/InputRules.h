#pragma once
// The rules of the two chart input windows that are not widget handling:
// which keys a field admits, the hour field's rule when editing ends, the
// East/West sign of the zone, NOW, and the main-menu changes that follow the
// second-chart window's "2nd Person" box.

#include <optional>
#include <string>
#include <string_view>

#include "core/ChartInput.h"
#include "core/NumberFile.h"
#include "shell/input/InputFields.h"

namespace orv {

// The characters a field admits, typed or pasted.
enum class FieldKeys {
  Any,               // name, e-mail
  Digits,            // date, hour, degrees and minutes of the place
  DigitsPoint,       // minute of the time
  DigitsMinusPoint,  // time zone
};

// The hour field holds two digits: no hour of the 24-hour clock needs more.
inline constexpr std::size_t kHourFieldLength = 2;

// `text` with every character the field does not admit left out, then cut
// to `maxLength` characters (0: no limit). A pasted "1a5" becomes "15".
// No field admits control characters (a pasted line break).
std::string FilterFieldText(std::string_view text, FieldKeys keys, std::size_t maxLength = 0);

// What ending an edit of the hour field found.
enum class HourEdit {
  Applied,     // the hour rule ran (it may have changed nothing)
  Empty,       // no hour: the user is asked to fill one in
  NotANumber,  // the text is no whole number: the user is asked to slow down
};

// Runs the hour rule on `fields` when editing of the hour field ends (and on
// every write by code): 0 becomes 12, 13 to 23 become the afternoon hour with
// P.M. set, larger hours stay for the checks to refuse. An empty or
// non-numeric hour changes nothing.
HourEdit FinishHourEdit(ChartInputFields& fields);

inline constexpr std::string_view kNatalHourEmptyText = "Please fill in a value for birth hour.";
inline constexpr std::string_view kDiurnalHourEmptyText =
    "Please fill in a value for diurnal hour.";
inline constexpr std::string_view kHourNotANumberText =
    "You are typing too fast. Please slow down.";

// The zone text after East (`east`) or West was clicked: minus its absolute
// value for East, the absolute value for West, as plain text ("5" gives "-5"
// for East, "5" for West). Nothing, so the field keeps its text, when the
// text is not a number.
std::optional<std::string> ZoneTextForSide(std::string_view zoneText, bool east);

// The natal window's NOW (and its opening): the name "Now", the present
// moment `now` on the 12-hour clock with A.M./P.M. by the hour, and the
// default place of options 18 to 24. The e-mail stays.
void SetNatalToNow(NatalInputFields& natal, const LocalClock& now, const OptionValues& options);

// The "2nd Person" box's own caption while it shows no person's name.
inline constexpr std::string_view kSecondPersonCaption = "2nd Person";

}  // namespace orv
