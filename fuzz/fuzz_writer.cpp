// Save to disk: a typed person saved into a names file of any content. A
// save that succeeds lists the new person, and every person listed before
// is listed after.
#include <algorithm>

#include "FuzzSupport.h"
#include "base/Text.h"
#include "platform/Files.h"
#include "shell/input/NamesFile.h"
#include "shell/input/NamesFileWriter.h"

using namespace orv;

namespace {

std::vector<std::string> ListedNames(const std::filesystem::path& file) {
  std::vector<std::string> names;
  const auto lines = ReadTextLines(file);
  if (!lines) return names;
  for (const NameRecord& r : ParseNamesFile(*lines).Records) names.push_back(r.Name);
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  NatalInputFields fields;
  static_cast<ChartInputFields&>(fields) = fuzz::ConsumeFields(in);
  fields.Name = in.ConsumeRandomLengthString(40);
  fuzz::AnsweringHost host;
  host.answerNo = in.ConsumeBool();
  const std::string original = in.ConsumeRemainingBytesAsString();

  const std::filesystem::path file = fuzz::ScratchFolder() / "W.FIL";
  fuzz::Require(WriteFileAtomically(file, original).empty());
  std::vector<std::string> before = ListedNames(file);
  const SaveOutcome outcome = SavePersonToNamesFile(
      host, fields, [] { return true; }, [&] { return file.string(); });
  if (outcome != SaveOutcome::Saved) {
    fuzz::Require(ReadFileBytes(file) == original, "a refused save left the file as it was");
    return 0;
  }
  const std::vector<std::string> after = ListedNames(file);
  const std::string saved(Trim(StoredFieldText(fields.Name)));
  fuzz::Require(std::find(after.begin(), after.end(), saved) != after.end(),
                "the new person is listed");
  // Earlier people stay, but for those the user agreed to replace.
  if (host.answerNo) {
    for (const std::string& name : before)
      fuzz::Require(std::find(after.begin(), after.end(), name) != after.end(),
                    "every person listed before is listed after");
  }
  return 0;
}
