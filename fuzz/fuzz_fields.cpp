// Typed input: both windows' fields as a user could type or paste them, the
// field filters and hour rule, the checks, Save to disk's record line and,
// when the checks pass, both charts with every listing.
#include "FuzzSupport.h"
#include "base/Text.h"
#include "shell/NewTransitDate.h"
#include "shell/input/InputRules.h"
#include "shell/input/NamesFile.h"
#include "shell/input/NamesFileWriter.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  NatalInputFields natal;
  static_cast<ChartInputFields&>(natal) = fuzz::ConsumeFields(in);
  natal.Name = in.ConsumeRandomLengthString(30);
  ChartInputFields diurnal = fuzz::ConsumeFields(in);
  const HouseSystemCode system = fuzz::ConsumeHouseSystem(in);
  const int dateOrder = in.ConsumeIntegralInRange(0, 2);
  const bool secondPerson = in.ConsumeBool();
  if (in.ConsumeBool()) {
    // As the windows' filters and the hour rule leave them.
    for (ChartInputFields* f : {static_cast<ChartInputFields*>(&natal), &diurnal}) {
      f->Hour = FilterFieldText(f->Hour, FieldKeys::Digits, kHourFieldLength);
      f->Minute = FilterFieldText(f->Minute, FieldKeys::Digits);
      f->TimeZone = FilterFieldText(f->TimeZone, FieldKeys::DigitsMinusPoint);
      FinishHourEdit(*f);
      ZoneTextForSide(f->TimeZone, f->East);
    }
  }
  CheckNewDate(natal.Month, natal.Day, natal.Year);
  const bool plain = (natal.Name + natal.Email + natal.TimeZone).find_first_of(",\"") ==
                     std::string::npos;
  if (const auto line = NameRecordLine(natal); line && plain) {
    // The record reads back as one record, whatever was pasted into a field.
    const auto records = ParseNamesFile({*line}).Records;
    fuzz::Require(records.size() == 1 || Trim(StoredFieldText(natal.Name)).empty());
  }
  fuzz::RunChart(natal, diurnal, system, dateOrder, secondPerson);
  return 0;
}
