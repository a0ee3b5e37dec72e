// Names files: the reader, the date reader, a record into the input fields
// and, when the checks let it through, a chart with its listings.
#include "FuzzSupport.h"
#include "platform/Files.h"
#include "shell/input/NamesFile.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const NamesFileContent content = ParseNamesFile(SplitLines(DecodeText(bytes)));
  int charts = 0;
  for (const NameRecord& record : content.Records) {
    for (int order = 0; order <= 2; ++order) {
      ParseNamesDate(record.Date, order);
      NamesDateForOrder(record.Date, order);
    }
    ChartInputFields fields;
    if (!NameRecordToFields(record, 0, fields)) continue;
    // A few charts per input keep the runs fast.
    if (charts++ < 3) fuzz::RunChart(fields, fields, HouseSystemCode::Placidus, 0, false);
  }
  return 0;
}
