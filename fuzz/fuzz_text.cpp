// Text files of any encoding: decoding, line splitting, the editors' save
// form, Windows-1252 encoding, field splitting and the tips file.
#include "FuzzSupport.h"
#include "base/Text.h"
#include "platform/Files.h"
#include "shell/OptionFiles.h"
#include "shell/Tips.h"
#include "shell/input/FieldReader.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = DecodeText(bytes);
  fuzz::Require(IsUtf8(text));
  const std::vector<std::string> lines = SplitLines(text);
  fuzz::Require(SplitLines(JoinLinesCrLf(lines)) == lines);
  const std::string saved = EditorTextToFile(text);
  fuzz::Require(EditorTextToFile(saved) == saved);
  // What Windows-1252 can hold comes back whole.
  const std::string encoded = EncodeWindows1252(text);
  if (DecodeWindows1252(encoded) == text) fuzz::Require(encoded.size() <= text.size());
  fuzz::Require(IsUtf8(StripControlCharacters(text)));
  for (const std::string& line : lines) {
    SplitFields(line);
    LeadingNumber(line);
    WholeNumber(line);
  }
  FieldStream stream(lines);
  while (stream.Next()) stream.Line();

  const auto file = fuzz::ScratchFolder() / "TIPOFDAY.TXT";
  fuzz::Require(WriteFileAtomically(file, bytes).empty());
  if (const auto tips = LoadTips(file)) {
    const int count = int(tips->size());
    NextTipIndex(0, count);
    PreviousTipIndex(0, count);
    NextTipCaption(count);
  }
  return 0;
}
