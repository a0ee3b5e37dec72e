#include "shell/input/NamesFileWriter.h"

#include <set>
#include <system_error>
#include <vector>

#include "base/Format.h"
#include "base/LetterCase.h"
#include "base/Text.h"
#include "platform/Host.h"
#include "shell/input/FieldReader.h"
#include "shell/input/NamesFile.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

constexpr std::string_view kCommaInName =
    "You cannot have a comma in the name. Please remove the comma and try again.";
constexpr std::string_view kQuoteInName =
    "You cannot have a double quote in the name. Please remove the double quote and try again.";
constexpr std::string_view kNoName =
    "You cannot save a person without a name. Please type the name and try again.";
constexpr std::string_view kCommaInEmail =
    "You cannot have a comma in the e-mail address. Please remove the comma and try again.";
constexpr std::string_view kQuoteInEmail =
    "You cannot have a double quote in the e-mail address. Please remove the double quote and "
    "try again.";
constexpr std::string_view kNotADate =
    "The birth date is not a real date. Please correct the date and try again.";

// One line of a file as it stands: its text and the line break after it
// ("" for a last line without one). Lines split as SplitLines splits them.
struct RawLine {
  std::string_view text, end;
};

std::vector<RawLine> SplitRawLines(std::string_view bytes) {
  std::vector<RawLine> lines;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    const size_t breakLength =
        (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    lines.push_back({bytes.substr(start, i - start), bytes.substr(i, breakLength)});
    i += breakLength - 1;
    start = i + 1;
  }
  if (start < bytes.size()) lines.push_back({bytes.substr(start), {}});
  return lines;
}

// The question for a record on file with the new record's name.
Answer AskReplace(Host& host, const std::vector<std::string>& onFile) {
  auto field = [&](size_t i) { return i < onFile.size() ? onFile[i] : std::string(); };
  const std::string text =
      "There is already a name on file matching your current name with the following "
      "associated data: \n\n"
      "Date =  " +
      field(1) + "\n" + "Time =  " + field(2) + " " + field(3) + "\n" + "Time zone =  " + field(4) +
      "\n" + "Longitude =  " + field(5) + "\n" + "Latitude =  " + field(6) + "\n" +
      "E-mail address =  " + field(7) + "\n\n" +
      "Do you want to replace it?\n\n"
      "Answering 'NO' will append the current name and data to file, not replace the existing "
      "entry.";
  // Yes loses the record on file; No only appends.
  return host.ShowMessage(text, field(0) + " already exists", MessageIcon::Question,
                          MessageButtons::YesNo, Answer::No);
}

bool Contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

}  // namespace

std::optional<std::string> NameRecordLine(const NatalInputFields& f) {
  // The fields are numbers as typed; joined year first, the date reader
  // takes them in that order whatever the user's date order.
  const auto date = ParseNamesDate(
      std::string(Trim(f.Year)) + "/" + std::string(Trim(f.Month)) + "/" + std::string(Trim(f.Day)),
      2);
  if (!date) return std::nullopt;
  const double time = LeadingNumber(f.Hour) + LeadingNumber(f.Minute) / 100;
  double longitude = LeadingNumber(f.LongDeg) + LeadingNumber(f.LongMin) / 100;
  if (f.East) longitude = -longitude;
  double latitude = LeadingNumber(f.LatDeg) + LeadingNumber(f.LatMin) / 100;
  if (f.South) latitude = -latitude;
  return StoredFieldText(f.Name) + "," + FormatDate(*date, "dd mmm yyyy") + "," +
         FormatNumber(time, "##.#0") + "," + (f.Pm ? "P" : "A") + "," +
         StoredFieldText(f.TimeZone) + "," + FormatNumber(longitude, "#00#.#0") + "," +
         FormatNumber(latitude, "#0#.#0") + "," + StoredFieldText(f.Email);
}

std::string StoredFieldText(std::string_view text) {
  // A line break in a field would split the record and shift every later
  // one; a stray byte would make the whole file read as another encoding;
  // a byte order mark would vanish from a first line when it is read.
  std::string kept = StripControlCharacters(IsUtf8(text) ? std::string(text)
                                                         : DecodeWindows1252(text));
  for (size_t at; (at = kept.find("\xEF\xBB\xBF")) != std::string::npos;) kept.erase(at, 3);
  return kept;
}

fs::path NamesBackupPath(const fs::path& namesFile) {
  const std::string name = namesFile.filename().string();
  std::string backup = name + ".OLD";
  if (name.size() > 4 && name[name.size() - 4] == '.') {
    backup = name.substr(0, name.size() - 3) + "OLD";
    if (EqualsIgnoreCase(backup, name)) backup = name + ".OLD";
  }
  return namesFile.parent_path() / backup;
}

SaveOutcome SavePersonToNamesFile(Host& host, const NatalInputFields& fields,
                                  const InputCheck& inputIsValid, const NamesFileChooser& choose,
                                  const FilesWriter& write) {
  auto refuse = [&](std::string_view text) {
    host.ShowMessage(text, kTitleWarning, MessageIcon::Critical);
    return SaveOutcome::Refused;
  };
  // A comma or quote would split the record when it is read back, and an
  // empty name would end the file there.
  if (Contains(fields.Name, ',')) return refuse(kCommaInName);
  if (Contains(fields.Name, '"')) return refuse(kQuoteInName);
  if (Trim(StoredFieldText(fields.Name)).empty()) return refuse(kNoName);
  if (Contains(fields.Email, ',')) return refuse(kCommaInEmail);
  if (Contains(fields.Email, '"')) return refuse(kQuoteInEmail);
  if (inputIsValid && !inputIsValid()) return SaveOutcome::Refused;
  const auto record = NameRecordLine(fields);
  if (!record) return refuse(kNotADate);

  const std::string chosen = choose ? choose() : std::string();
  if (chosen.empty()) return SaveOutcome::Cancelled;
  const fs::path target(chosen);
  auto fail = [&](const std::string& text) {
    host.ShowMessage(text + " The names file was left as it was.", kTitleWarning,
                     MessageIcon::Critical);
    return SaveOutcome::Failed;
  };

  auto readFile = [&](std::string& bytes) {
    std::error_code ec;
    if (!fs::exists(target, ec)) return true;
    auto read = ReadFileBytes(target);
    if (read) bytes = std::move(*read);
    return read.has_value();
  };
  std::string original;
  if (!readFile(original)) return fail("Cannot read the file called " + target.string() + ".");

  // The questions come first, with no lock held: the user may take minutes.
  // A "Yes" is remembered by the line's text.
  std::set<std::string> replaced;
  const std::string newName = ToUpperText(Trim(StoredFieldText(fields.Name)));
  {
    const std::vector<RawLine> raw = SplitRawLines(original);
    const std::vector<std::string> decoded = SplitLines(DecodeText(original));
    for (size_t i = 0; i < raw.size(); ++i) {
      const auto onFile = SplitFields(i < decoded.size() ? decoded[i] : std::string());
      if (!onFile[0].empty() && ToUpperText(onFile[0]) == newName &&
          AskReplace(host, onFile) == Answer::Yes) {
        replaced.insert(std::string(raw[i].text));
      }
    }
  }

  // Then, locked against other instances, the file is read again as it is
  // now: a person another instance saved meanwhile stays.
  const FileLock lock(target);
  if (lock.Failed())
    return fail("Cannot lock the names file called " + target.string() + ": " + lock.Error() + ".");
  original.clear();
  if (!readFile(original)) return fail("Cannot read the file called " + target.string() + ".");
  std::error_code ec;
  const bool exists = fs::exists(target, ec);

  // Every other line goes back byte for byte: lines after an empty one,
  // quoted fields and a short last record included.
  const bool utf8 = IsUtf8(original);
  const auto decode = [utf8](std::string_view bytes) {
    return utf8 ? std::string(bytes) : DecodeWindows1252(bytes);
  };
  std::vector<RawLine> kept;
  std::vector<std::string> keptText;
  for (const RawLine& line : SplitRawLines(original)) {
    if (replaced.contains(std::string(line.text))) continue;
    kept.push_back(line);
    keptText.push_back(decode(line.text));
  }
  if (utf8 && !keptText.empty() && keptText[0].starts_with("\xEF\xBB\xBF"))
    keptText[0].erase(0, 3);
  // The new record goes where the list ends (before an empty line or a
  // record cut short), so that it is listed.
  const NamesFileContent listed = ParseNamesFile(keptText);
  const size_t insertAt = listed.EndLine > 0 ? size_t(listed.EndLine - 1) : kept.size();
  // A file kept in Windows-1252 stays so while it can hold the new record;
  // otherwise the whole file becomes UTF-8, every earlier record with it.
  const std::string encoded = utf8 ? *record : EncodeWindows1252(*record);
  const bool toUtf8 = !utf8 && DecodeWindows1252(encoded) != *record;
  std::string out;
  std::vector<std::string> outText;
  for (size_t i = 0; i <= kept.size(); ++i) {
    if (i == insertAt) {
      out += (toUtf8 ? *record : encoded) + "\r\n";
      outText.push_back(*record);
    }
    if (i == kept.size()) break;
    out += toUtf8 ? keptText[i] : std::string(kept[i].text);
    // A last line without a break keeps it so, unless the record follows.
    const bool followed = i + 1 < kept.size() || insertAt == kept.size();
    out += kept[i].end.empty() && followed ? std::string_view("\r\n") : kept[i].end;
    outText.push_back(keptText[i]);
  }
  // Whatever the file looked like, nobody listed before may vanish and the
  // new person must be listed, read as written: after an earlier record
  // out of step with its fields, the count can hold while the new record is
  // read from the wrong fields. A file where that cannot be is left alone.
  const NamesFileContent after = ParseNamesFile(outText);
  const NamesFileContent alone = ParseNamesFile({*record});
  bool intact = after.Records.size() == listed.Records.size() + 1 && !alone.Records.empty() &&
                after.Records.back() == alone.Records.front();
  for (size_t i = 0; intact && i < listed.Records.size(); ++i)
    intact = after.Records[i].Name == listed.Records[i].Name;
  if (!intact) {
    return fail("The names file called " + target.string() +
                " has a broken record near line " + std::to_string(insertAt + 1) +
                ", so the new person could not be added safely. Please correct the file with "
                "the Edit this List button of the Names window, then save again.");
  }

  // A save that cannot finish writes nothing, the backup included; a names
  // file that cannot be replaced is named before its backup.
  if (const std::string refusal = SaveRefusal(target); !refusal.empty())
    return fail("Cannot save the names file called " + target.string() + ": " + refusal + ".");
  // The backup and the file are saved as one: a file that cannot be written
  // (a full disk) leaves the backup of the save before it as it was too.
  const fs::path backup = NamesBackupPath(target);
  std::vector<FileToSave> files;
  if (exists) files.push_back({backup, original});
  files.push_back({target, out});
  fs::path failed;
  if (const std::string error = write(files, failed); !error.empty()) {
    if (failed == backup) {
      return fail("Cannot keep a backup of the names file called " + target.string() + " as " +
                  backup.string() + ": " + error + ".");
    }
    return fail("Cannot save the names file called " + target.string() + ": " + error + ".");
  }
  return SaveOutcome::Saved;
}

}  // namespace orv
