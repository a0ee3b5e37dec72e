// The RTF copy of a saved report: any report text, of each report kind,
// written as RTF (one document, its groups closed) and read back.
#include "FuzzSupport.h"
#include "reports/RtfReport.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const auto kind = static_cast<ReportKind>(data[0] % 3);
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  IsTransitReportText(text);
  const std::string rtf = RtfReportText(text, kind);
  fuzz::Require(rtf.starts_with("{\\rtf1"), "an RTF document");
  // Outside any group the writer closes what it opens.
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
      continue;
    }
    if (rtf[i] == '{') ++depth;
    if (rtf[i] == '}') --depth;
    fuzz::Require(depth >= 0, "braces balanced");
  }
  fuzz::Require(depth == 0, "braces balanced");
  ReadRtfParagraphs(rtf);
  ReadRtfParagraphs(text);  // the reader on what is no RTF
  return 0;
}
