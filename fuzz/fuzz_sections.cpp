// The keyed sections of the interpretation and meaning texts, and the
// scrambled .BIN texts: any content searched for keys, decoded, listed
// between markers and round-tripped through the codec.
#include "FuzzSupport.h"
#include "platform/Files.h"
#include "reports/ScrambledText.h"
#include "reports/TextListing.h"
#include "reports/TextSections.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static std::unique_ptr<Workbench> wb = fuzz::MakeWorkbench("sections");
  FuzzedDataProvider in(data, size);
  const std::string key = in.ConsumeRandomLengthString(24);
  const int limit = in.ConsumeIntegralInRange(0, 12);
  const std::string bytes = in.ConsumeRemainingBytesAsString();
  fuzz::AnsweringHost host;

  // Keyed sections of plain text, as the reports and meanings find them.
  const std::vector<std::string> lines = SplitLines(DecodeText(bytes));
  for (const std::string_view k : {std::string_view(key), std::string_view("SUN"), std::string_view("")}) {
    if (const auto section = FindTextSection(lines, k, limit)) {
      fuzz::Require(section->first < section->end && section->end <= lines.size(),
                    "a section inside its text");
      fuzz::Require(IsKeyLine(lines[section->first], k), "a section starts at its key");
    }
  }
  for (const std::string& line : lines) {
    IsSectionTerminator(line);
    TrimLeadingBlanks(line);
  }
  fuzz::Require(WriteFileAtomically(wb->AppPath / "FUZZ.TXT", bytes).empty());
  ListMeaningSection(wb->AppPath, "fuzz.txt", key, wb->Output, host);
  wb->Output = {};

  // The scrambled texts: any bytes decoded, listed between markers, and
  // whatever encodes decodes back to itself.
  DecodeScrambledText(bytes);
  DecodeScrambledTextKeepLines(bytes);
  DecodeScrambledLines(bytes);
  fuzz::Require(WriteFileAtomically(wb->AppPath / "FUZZ.BIN", bytes).empty());
  ScrambledSectionKeys markers;
  markers.start = EncodeScrambledText(key).value_or(key);
  markers.end1 = EncodeScrambledText("*").value_or("*");
  markers.end2 = EncodeScrambledText("[]").value_or("[]");
  ListTextBetweenMarkers(wb->AppPath / "FUZZ.BIN", markers, wb->Output, host);
  wb->Output = {};
  if (const auto encoded = EncodeScrambledText(key))
    fuzz::Require(DecodeScrambledText(*encoded) == key, "the codec round-trips a line");
  int badLine = 0;
  if (const auto file = EncodeScrambledFile(bytes, badLine))
    DecodeScrambledLines(*file);
  return 0;
}
