#include "shell/input/InputRules.h"

#include <cmath>

#include "base/Text.h"

namespace orv {

namespace {

bool Admits(FieldKeys keys, char c) {
  const bool digit = c >= '0' && c <= '9';
  switch (keys) {
    case FieldKeys::Any:
      return true;
    case FieldKeys::Digits:
      return digit;
    case FieldKeys::DigitsPoint:
      return digit || c == '.';
    case FieldKeys::DigitsMinusPoint:
      return digit || c == '.' || c == '-';
  }
  return false;
}

}  // namespace

std::string FilterFieldText(std::string_view text, FieldKeys keys, std::size_t maxLength) {
  std::string kept;
  for (char c : StripControlCharacters(text)) {
    if (maxLength != 0 && kept.size() == maxLength) break;
    if (Admits(keys, c)) kept.push_back(c);
  }
  return kept;
}

HourEdit FinishHourEdit(ChartInputFields& fields) {
  if (Trim(fields.Hour).empty()) return HourEdit::Empty;
  return ApplyHourRule(fields) ? HourEdit::Applied : HourEdit::NotANumber;
}

std::optional<std::string> ZoneTextForSide(std::string_view zoneText, bool east) {
  const std::optional<double> zone = WholeNumber(zoneText);
  if (!zone) return std::nullopt;
  const double hours = std::fabs(*zone);
  return ShortestNumberText(east ? -hours : hours);
}

void SetNatalToNow(NatalInputFields& natal, const LocalClock& now, const OptionValues& options) {
  natal.Name = "Now";
  // The second-chart window's present moment is the same moment and place.
  SetDiurnalToNow(natal, now, options);
}

}  // namespace orv
