// Saves one kind of file over and over, as the program saves it, so that
// scripts/save-kills can kill it at random moments and check what is left.
//
//   save_kills save KIND FOLDER    saves version 0, 1, 2 ... until killed
//   save_kills check KIND FOLDER   "whole" or "damaged: ..." for what is left
//
// KIND: names (a person added to a large names file, its backup kept),
// transit (a 366-day transit report), natal (a natal report and its RTF
// copy), options (the Options editor's Save), orbs (the orb editor's Save).
// FOLDER holds the shipped files. Every version of a file is known from its
// first line, so the check regenerates it and compares byte for byte: a
// file that is neither an old version nor a new one whole is damaged.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Host.h"
#include "reports/ReportViewer.h"
#include "reports/RtfReport.h"
#include "shell/EditorFiles.h"
#include "shell/OptionFiles.h"
#include "shell/input/NamesFile.h"
#include "shell/input/NamesFileWriter.h"

namespace fs = std::filesystem;
using namespace orv;

namespace {

// Saves into the one file it is given; answers every question Yes.
class FileHost : public MutedHost {
 public:
  explicit FileHost(fs::path file) : file_(std::move(file)) {}
  Answer ShowMessage(std::string_view text, std::string_view, MessageIcon, MessageButtons buttons,
                     std::optional<Answer>) override {
    std::cerr << text << "\n";
    return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel ? Answer::Ok
                                                                                : Answer::Yes;
  }
  std::optional<std::string> ChooseFile(const FileChoice&) override { return file_.string(); }

 private:
  fs::path file_;
};

// The report of version `v`: 366 days of transits, or a natal report.
ReportState Report(bool transit, long v) {
  ReportState report;
  report.CurrentReportKind = ReportKind::Natal;
  report.ReportTitle = transit ? "TRANSIT REPORT FOR KILL TEST" : "NATAL REPORT FOR KILL TEST";
  report.ReportLines.push_back(std::string(20, ' ') + report.ReportTitle);
  report.ReportLines.push_back("Version " + std::to_string(v));
  const int days = transit ? 366 : 12;
  for (int day = 1; day <= days; ++day) {
    report.ReportLines.push_back("     Day " + std::to_string(day) + " of version " +
                                 std::to_string(v));
    for (int line = 0; line < 12; ++line)
      report.ReportLines.push_back("The transiting planet meets the natal one, line " +
                                   std::to_string(line) + ", and the day goes on as written.");
    report.ReportLines.emplace_back();
  }
  return report;
}

// The options text of version `v`: the shipped lines, option 42 and a
// label carrying the version.
std::string OptionsText(const std::vector<std::string>& shipped, long v) {
  std::vector<std::string> lines = shipped;
  lines.at(41) = std::to_string(v % 2) + "       Tip of the day, version " + std::to_string(v);
  return JoinLinesCrLf(lines);
}

std::string OrbsText(const std::vector<std::string>& shipped, long v) {
  std::vector<std::string> lines = shipped;
  lines.at(0) = std::to_string(8 + v % 3) + "       Conjunction, version " + std::to_string(v);
  return JoinLinesCrLf(lines);
}

// The version a file's text names after `marker`, or -1.
long VersionIn(const std::string& text, const std::string& marker) {
  const auto at = text.find(marker);
  if (at == std::string::npos) return -1;
  return std::atol(text.c_str() + at + marker.size());
}

NatalInputFields Person(long v) {
  NatalInputFields f;
  f.Name = "Kill " + std::to_string(v);
  f.Month = "5", f.Day = "12", f.Year = "1959", f.Hour = "10", f.Minute = "43";
  f.TimeZone = "6", f.LongDeg = "75", f.LongMin = "23", f.LatDeg = "39", f.LatMin = "45";
  return f;
}

int Save(const std::string& kind, const fs::path& folder) {
  OptionValues options{};
  MutedHost quiet;
  ReadOptionsFile(quiet, folder, options);
  if (kind == "names") {
    const fs::path file = folder / "NAMES.FIL";
    FileHost host(file);
    for (long v = 0;; ++v)
      SavePersonToNamesFile(
          host, Person(v), [] { return true; }, [&] { return file.string(); });
  }
  if (kind == "transit" || kind == "natal") {
    const bool transit = kind == "transit";
    const fs::path file = folder / "N_REPORT" / (transit ? "Transit.txt" : "Natal.txt");
    fs::create_directories(file.parent_path());
    FileHost host(file);
    for (long v = 0;; ++v) {
      // Save As writes a natal report's RTF copy beside it, both whole
      // before the copy and then the text take their names; from the second
      // save on, replacing the copy is asked and answered Yes.
      ReportState report = Report(transit, v);
      SaveReportAs(report, options, folder, {"Kill", ""}, host);
    }
  }
  if (kind == "options" || kind == "orbs") {
    const bool orbs = kind == "orbs";
    const fs::path file = folder / (orbs ? "NATAL.ORB" : "Options.opt");
    const auto shipped = ReadTextLines(file).value();
    FileHost host(file);
    auto base = EditorBaseOf(file);
    for (long v = 0;; ++v) {
      if (orbs)
        SaveOrbsEditorText(host, file, OrbsText(shipped, v), base);
      else
        SaveOptionsEditorText(host, folder, OptionsText(shipped, v), base, options);
    }
  }
  std::cerr << "unknown kind " << kind << "\n";
  return 2;
}

// Whether `file` is whole: equal to the version its text names.
std::string CheckVersioned(const fs::path& file, const std::string& marker,
                           const std::function<std::string(long)>& make,
                           const std::optional<std::string>& original) {
  const auto bytes = ReadFileBytes(file);
  if (!bytes) return "damaged: " + file.filename().string() + " cannot be read";
  if (original && *bytes == *original) return {};
  const long v = VersionIn(*bytes, marker);
  if (v < 0 || *bytes != make(v))
    return "damaged: " + file.filename().string() + " is no version whole";
  return {};
}

int Check(const std::string& kind, const fs::path& folder, const fs::path& shippedFolder) {
  OptionValues options{};
  MutedHost quiet;
  ReadOptionsFile(quiet, shippedFolder, options);
  std::string problem;
  if (kind == "names") {
    // Every record whole and listed, in order: the prepared ones, then
    // Kill 0, Kill 1, ... without a gap; the backup the same one short.
    for (const char* name : {"NAMES.FIL", "NAMES.OLD"}) {
      const auto lines = ReadTextLines(folder / name);
      if (!lines) {
        if (std::string(name) == "NAMES.OLD") continue;  // killed before the first save
        problem = std::string("damaged: ") + name + " cannot be read";
        break;
      }
      const NamesFileContent content = ParseNamesFile(*lines);
      if (content.ErrorLine || content.EndLine != 0 || content.Records.size() != lines->size()) {
        problem = std::string("damaged: ") + name + " has a broken record";
        break;
      }
      long next = 0;
      for (const NameRecord& r : content.Records) {
        if (!r.Name.starts_with("Kill ")) continue;
        if (r.Name != "Kill " + std::to_string(next++)) {
          problem = std::string("damaged: ") + name + " lost a person";
          break;
        }
      }
    }
  } else if (kind == "transit" || kind == "natal") {
    const bool transit = kind == "transit";
    const fs::path file = folder / "N_REPORT" / (transit ? "Transit.txt" : "Natal.txt");
    if (!fs::exists(file)) return std::puts("whole"), 0;  // killed before the first save
    const auto text = [&](long v) { return SavedReportText(Report(transit, v), options); };
    problem = CheckVersioned(file, "Version ", text, std::nullopt);
    const fs::path rtf = RtfFileName(file);
    if (problem.empty() && !transit && fs::exists(rtf)) {
      problem = CheckVersioned(
          rtf, "Version ", [&](long v) { return RtfReportText(text(v), ReportKind::Natal); },
          std::nullopt);
      // The pair read as one: an .rtf of another version than its .txt.
      if (problem.empty() &&
          VersionIn(*ReadFileBytes(rtf), "Version ") != VersionIn(*ReadFileBytes(file), "Version "))
        std::puts("pair of two versions");
    }
  } else if (kind == "options" || kind == "orbs") {
    const bool orbs = kind == "orbs";
    const char* name = orbs ? "NATAL.ORB" : "Options.opt";
    const auto shipped = ReadTextLines(shippedFolder / name).value();
    problem = CheckVersioned(
        folder / name, "version ",
        [&](long v) { return orbs ? OrbsText(shipped, v) : OptionsText(shipped, v); },
        ReadFileBytes(shippedFolder / name));
  } else {
    std::cerr << "unknown kind " << kind << "\n";
    return 2;
  }
  std::puts(problem.empty() ? "whole" : problem.c_str());
  return problem.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "save") return Save(argv[2], argv[3]);
  if (argc == 5 && std::string(argv[1]) == "check") return Check(argv[2], argv[3], argv[4]);
  std::cerr << "usage: save_kills save KIND FOLDER | check KIND FOLDER SHIPPED_FOLDER\n";
  return 2;
}
