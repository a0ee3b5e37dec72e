#include "commands/DataWindowCommands.h"

#include <algorithm>
#include <optional>

#include "base/Text.h"
#include "core/OptionNumbers.h"
#include "platform/Files.h"
#include "platform/Host.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

constexpr std::string_view kFormFeedLine = "\f";
constexpr std::string_view kNoDataToWrite = "No data to write to file.";
constexpr std::string_view kNoDataToPrint = "No data to print.";
constexpr std::string_view kDataCleared = "All data cleared from buffer.";
constexpr std::size_t kSaveNameChars = 8;

bool WriteSpool(const std::string& text, const fs::path& appPath, Host& host) {
  return SaveFileAtomically(host, PrintSpoolFile(appPath), text);
}

// The whole buffer as the print spool file holds it.
std::string SpoolText(const OutputState& out) {
  std::string text;
  out.ForEachOutputLine([&](const std::string& line) { AppendCrLfLine(text, line); });
  AppendCrLfLine(text, "");  // the spare empty line
  return text;
}

// Writes the saved form of the lines `forEachLine` gives.
template <class ForEachLine>
std::string SavedOutputText(ForEachLine forEachLine, float linesPerSavedPage) {
  std::string text;
  int counter = 1;
  bool formFeedSeen = false;
  auto writeLine = [&](std::string_view line) {
    AppendCrLfLine(text, line);
    if (line == kFormFeedLine) {
      counter = 0;
      formFeedSeen = true;
    }
    // Without a page length (0) no breaks are made, not even right after a
    // form feed of the buffer's own, which would give an empty page.
    if (linesPerSavedPage > 0 && counter == linesPerSavedPage) {
      AppendCrLfLine(text, kFormFeedLine);
      counter = 0;
    }
    ++counter;
  };
  forEachLine(writeLine);
  writeLine("");  // the spare empty line
  if (!formFeedSeen) AppendCrLfLine(text, kFormFeedLine);
  return text;
}

bool WriteOutputFile(const OutputState& out, const fs::path& file, const OptionValues& options,
                     Host& host) {
  const std::string text =
      SavedOutputText([&](const auto& writeLine) { out.ForEachOutputLine(writeLine); },
                      options[OptionNumber::SavedTextPageLines]);
  return SaveFileAtomically(host, file, text);
}

}  // namespace

std::string FormatSavedOutput(const std::vector<std::string>& lines, float linesPerSavedPage) {
  return SavedOutputText(
      [&](const auto& writeLine) {
        for (const auto& line : lines) writeLine(line);
      },
      linesPerSavedPage);
}

std::string ProposedSaveName(std::string_view personName) {
  std::vector<std::string_view> chars;
  for (const auto ch : Utf8Characters(personName)) {
    if (!IsUnsafeInFileName(ch)) chars.push_back(ch);
  }
  std::size_t take = std::min(chars.size(), kSaveNameChars);
  for (std::size_t i = 0; i < take; ++i) {
    if (chars[i] == " ") {
      take = i;
      break;
    }
  }
  if (take == 0) return {};
  std::string name;
  for (std::size_t i = 0; i < take; ++i) name += chars[i];
  return name + ".DOC";
}

bool SaveOutput(OutputState& out, const OptionValues& options, const fs::path& appPath,
                std::string_view personName, Host& host) {
  if (out.OutputCount() == 0) {
    host.ShowMessage(kNoDataToWrite, kTitleInformation, MessageIcon::Exclamation);
    return false;
  }
  if (out.OutputFileName.empty()) return SaveOutputAs(out, options, appPath, personName, host);
  return WriteOutputFile(out, out.OutputFileName, options, host);
}

bool SaveOutputAs(OutputState& out, const OptionValues& options, const fs::path& appPath,
                  std::string_view personName, Host& host) {
  if (out.OutputCount() == 0) {
    host.ShowMessage(kNoDataToWrite, kTitleInformation, MessageIcon::Exclamation);
    return false;
  }
  FileChoice choice;
  choice.mode = FileChoice::Mode::Save;
  choice.title = "Save As";
  choice.folder = appPath.string();
  choice.proposedName = ProposedSaveName(personName);
  choice.filter = "Data Files (*.DOC *.doc)";
  choice.defaultSuffix = "doc";
  choice.confirmOverwrite = true;
  const std::optional<std::string> chosen = host.ChooseFile(choice);
  if (!chosen) return false;
  // A file that could not be written is not the next Save's target.
  if (!WriteOutputFile(out, *chosen, options, host)) return false;
  out.OutputFileName = *chosen;
  return true;
}

void ClearAllData(OutputState& out, Host& host) {
  ClearOutputBuffer(out);
  host.ShowMessage(kDataCleared, kTitleInformationBang, MessageIcon::Exclamation);
}

fs::path PrintSpoolFile(const fs::path& appPath) {
  return ResolveInFolder(appPath, "PRNTFILE.XXX");
}

bool SpoolOutputPage(const OutputState& out, const fs::path& appPath, Host& host) {
  if (out.PageLineCount() == 0) return false;
  BusyCursor busy(host);
  return WriteSpool(PageFileText(out), appPath, host);
}

bool SpoolOutputData(const OutputState& out, const fs::path& appPath, Host& host) {
  if (out.OutputCount() == 0) {
    host.ShowMessage(kNoDataToPrint, kTitleInformation, MessageIcon::Exclamation);
    return false;
  }
  BusyCursor busy(host);
  return WriteSpool(SpoolText(out), appPath, host);
}

namespace {
constexpr double kLargestFontToGrow = 12.0;    // points; Increase only below this
constexpr double kSmallestFontToShrink = 8.0;  // points; Decrease only above this
}  // namespace

bool CanIncreaseFontSize(double fontSize) { return fontSize < kLargestFontToGrow; }
bool CanDecreaseFontSize(double fontSize) { return fontSize > kSmallestFontToShrink; }

double IncreasedFontSize(double fontSize, double fontStep) {
  return CanIncreaseFontSize(fontSize) ? fontSize + fontStep / 2 : fontSize;
}

double DecreasedFontSize(double fontSize, double fontStep) {
  return CanDecreaseFontSize(fontSize) ? fontSize - fontStep / 2 : fontSize;
}

}  // namespace orv
