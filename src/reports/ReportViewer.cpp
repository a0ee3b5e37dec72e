#include "reports/ReportViewer.h"

#include <algorithm>
#include <cmath>
#include <system_error>
#include <vector>

#include "base/Text.h"
#include "core/OptionNumbers.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "reports/ReportText.h"
#include "reports/RtfReport.h"
#include "shell/OutputBuffer.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

constexpr std::string_view kNoDataToWrite = "No data to write to file.";
constexpr std::size_t kNatalNameChars = 8;
constexpr std::size_t kCompositeNameChars = 3;

std::string PageNumberLine(int page) {
  return std::string(37, ' ') + "Page " + std::to_string(page);
}

// The name without a leading "m " or "w " (the names file's man and woman
// marks), its unsafe characters replaced.
std::string FileNamePart(std::string_view name) {
  std::string out;
  for (std::string_view ch : Utf8Characters(WithoutSexMark(name)))
    out += IsUnsafeInFileName(ch) ? "_" : ch;
  return out;
}

// Up to `count` characters of `name`, stopping before a blank.
std::string LeadingCharactersBeforeBlank(std::string_view name, std::size_t count) {
  std::string out;
  const auto chars = Utf8Characters(name);
  for (std::size_t i = 0; i < chars.size() && i < count && chars[i] != " "; ++i) out += chars[i];
  return out;
}

// What a save of `report` to `text` writes.
SavedReportFiles ReportFiles(const fs::path& text, const ReportState& report,
                             const OptionValues& options) {
  SavedReportFiles saved{text, std::nullopt, SavedReportText(report, options)};
  // A transit report has no copy: an .rtf file of its name may be another
  // report's or the user's own, and is left as it is.
  if (!IsTransitReportText(saved.savedText)) saved.rtf = RtfFileName(text);
  return saved;
}

std::optional<SavedReportFiles> WriteReport(SavedReportFiles saved, const ReportState& report,
                                            const OptionValues& options, Host& host) {
  // Both written whole before either takes its name, the copy first, so
  // the new text never stands beside an older copy.
  std::vector<FileToSave> files;
  std::string copy;
  if (saved.rtf) {
    copy = RtfReportText(saved.savedText, report.CurrentReportKind, PageTopLines(options));
    files.push_back({*saved.rtf, copy});
  }
  files.push_back({saved.text, saved.savedText});
  if (!SaveFilesAtomically(host, files)) return std::nullopt;
  return saved;
}

// Asks whether the existing `names` (one or two) may be replaced.
std::string ReplaceQuestion(const std::vector<std::string>& names) {
  if (names.size() == 1) return names[0] + " already exists.\nDo you want to replace it?";
  return names[0] + " and " + names[1] + " already exist.\nDo you want to replace them?";
}

}  // namespace

bool ReportPager::CanMoveOn() const {
  return top_ + ReportPageLines - 1 <= report_.ReportLineCount();
}

void ReportPager::NextPage() {
  if (CanMoveOn()) top_ += ReportPageLines;
}

void ReportPager::PreviousPage() { top_ = top_ > ReportPageLines ? top_ - ReportPageLines : 0; }

void ReportPager::ScrollLineDown() {
  if (CanMoveOn()) ++top_;
}

void ReportPager::ScrollLineUp() {
  if (top_ > 0) --top_;
}

std::string ReportPager::PageText() const {
  std::string text;
  if (report_.ReportLineCount() == 0) return text;
  const std::size_t last = std::min(top_ + ReportPageLines - 1, report_.ReportLineCount());
  for (std::size_t i = top_; i <= last; ++i) AppendCrLfLine(text, report_.ReportLine(i));
  return text;
}

std::string SavedReportText(const ReportState& report, const OptionValues& options) {
  const long body = PageBodyLines(options);
  const long topLines = std::lround(double(options[OptionNumber::PageTopLines]));
  std::string text;
  int page = 1;
  long counter = 1;
  auto closePage = [&](std::string_view numberLine) {
    for (int i = 0; i < 4; ++i) AppendCrLfLine(text, "");
    AppendCrLfLine(text, numberLine);
    AppendCrLfLine(text, "\f");
  };
  std::size_t pageStart = 0;  // where the last page's text begins
  for (std::size_t i = 0; i <= report.ReportLineCount(); ++i) {
    AppendCrLfLine(text, report.ReportLine(i));
    if (counter == body) {
      closePage(page == 1 ? "" : PageNumberLine(page));
      pageStart = text.size();
      counter = 0;
      ++page;
      for (long k = 0; k < topLines; ++k, ++counter) AppendCrLfLine(text, "");
    }
    ++counter;
  }
  if (counter > topLines + 1) {
    for (long k = counter - 1; k < body; ++k) AppendCrLfLine(text, "");
    closePage(PageNumberLine(page));
  } else if (page == 1) {
    AppendCrLfLine(text, "\f");  // a first page no longer than the top lines keeps its lines
  } else {
    text.resize(pageStart);  // only the head of a page no line reached
  }
  return text;
}

long PageBodyLines(const OptionValues& options) {
  return std::lround(double(options[OptionNumber::PageLength]) -
                     double(options[OptionNumber::PageFootLines]));
}

long PageTopLines(const OptionValues& options) {
  return std::max(0L, std::lround(double(options[OptionNumber::PageTopLines])));
}

fs::path ReportFolder(const ReportState& report, const fs::path& appPath) {
  const bool couple = !report.TransitReport && report.CurrentReportKind != ReportKind::Natal;
  return ResolveInFolder(appPath, couple ? "R_REPORT" : "N_REPORT");
}

std::string ProposedReportFileName(const ReportState& report, const ReportPersons& persons) {
  const std::string first = FileNamePart(persons.first);
  const std::string second = FileNamePart(persons.second);
  if (report.TransitReport) return "Transit report for " + first + ".txt";
  switch (report.CurrentReportKind) {
    case ReportKind::Natal: {
      const std::string stem = LeadingCharactersBeforeBlank(first, kNatalNameChars);
      if (first.find(' ') == std::string::npos || stem.empty())
        return "Natal report for " + first + ".txt";
      return stem + ".txt";
    }
    case ReportKind::Composite:
      return LeadingCharactersBeforeBlank(first, kCompositeNameChars) +
             LeadingCharactersBeforeBlank(second, kCompositeNameChars) + "_C.txt";
    case ReportKind::Synastry:
      return "Synastry report for " + first + " and " + second + ".txt";
  }
  return {};
}

std::optional<SavedReportFiles> SaveReport(ReportState& report, const OptionValues& options,
                                           const fs::path& appPath, const ReportPersons& persons,
                                           Host& host) {
  if (report.ReportFileName.empty() || report.ReportLineCount() == 0)
    return SaveReportAs(report, options, appPath, persons, host);  // which says an empty one
  return WriteReport(ReportFiles(report.ReportFileName, report, options), report, options, host);
}

std::optional<SavedReportFiles> SaveReportAs(ReportState& report, const OptionValues& options,
                                             const fs::path& appPath, const ReportPersons& persons,
                                             Host& host) {
  if (report.ReportLineCount() == 0) {
    host.ShowMessage(kNoDataToWrite, kTitleInformation, MessageIcon::Exclamation);
    return std::nullopt;
  }
  FileChoice choice;
  choice.mode = FileChoice::Mode::Save;
  choice.title = "Save As";
  choice.folder = ReportFolder(report, appPath).string();
  choice.proposedName = ProposedReportFileName(report, persons);
  choice.filter = "Data Files (*.txt)";
  choice.defaultSuffix = "txt";
  choice.confirmOverwrite = true;
  const std::optional<std::string> chosen = host.ChooseFile(choice);
  if (!chosen) return std::nullopt;
  const fs::path chosenPath(*chosen);
  SavedReportFiles files = ReportFiles(ReportTextFileName(chosenPath), report, options);
  std::vector<fs::path> pair{files.text};
  if (files.rtf) pair.push_back(*files.rtf);
  std::error_code ec;
  // A folder is never offered for replacing: it is named before any question.
  for (const fs::path& file : pair) {
    if (fs::is_directory(file, ec)) {
      CanSave(host, file);  // which says it is a folder
      return std::nullopt;
    }
  }
  // The chooser asked only about the name it was given, and lists only text
  // files: the text file of a ".rtf" name, or the user's own .rtf file beside
  // a text file, is the user's to keep unless they say so.
  std::vector<std::string> unasked;
  for (const fs::path& file : pair) {
    if (file != chosenPath && !fs::equivalent(file, chosenPath, ec) &&
        fs::exists(fs::symlink_status(file, ec)))
      unasked.push_back(file.filename().string());
  }
  if (!unasked.empty() &&
      host.ShowMessage(ReplaceQuestion(unasked), choice.title, MessageIcon::Exclamation,
                       MessageButtons::YesNo, Answer::No) != Answer::Yes)
    return std::nullopt;
  auto saved = WriteReport(std::move(files), report, options, host);
  if (saved) report.ReportFileName = saved->text.string();
  return saved;
}

}  // namespace orv
