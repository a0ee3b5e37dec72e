#include "core/AtlasProgram.h"

#include <cmath>

#include <filesystem>

#include "base/Text.h"
#include "core/ChartInput.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "platform/Launcher.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

constexpr std::string_view kProgramName = "ATLAS.EXE";

bool EndsWithSeparator(std::string_view dir) {
  return !dir.empty() && (dir.back() == '/' || dir.back() == '\\');
}

std::string WithSeparator(std::string dir) {
  if (!EndsWithSeparator(dir)) dir += '/';
  return dir;
}

// The result folder named by PCATPATH.TXT's first line, if the file is there.
std::optional<std::string> ResultFolder(const std::string& atlasDir) {
  const auto lines = ReadTextLines(ResolveInFolder(atlasDir, "PCATPATH.TXT"));
  if (!lines || lines->empty()) return std::nullopt;
  return WithSeparator(std::string(Trim(lines->front())));
}

}  // namespace

AtlasProgramResult RunAtlasProgram(Host& host, Launcher& launcher, std::string& atlasDir) {
  AtlasProgramResult result;
  for (;;) {
    const fs::path program = ResolveInFolder(atlasDir.empty() ? "." : atlasDir, kProgramName);
    if (!atlasDir.empty()) {
      // A result left by an earlier run must never be read as this run's,
      // whether the folder was known before or has just been typed.
      if (const auto before = ResultFolder(atlasDir)) {
        std::error_code ec;
        fs::remove(ResolveInFolder(*before, "TSRTEMP.TXT"), ec);
      }
      if (launcher.RunAndWait(program.string(), {}) != 0) break;
    }
    atlasDir.clear();
    const std::string answer = host.PromptText(
        "Enter the complete path for where ATLAS.EXE resides: \n\n(Example: c:\\atlas OR "
        "c:\\charts\\atlas OR d:\\windows\\atlas\\)",
        "Where do I find ATLAS.EXE?", "");
    if (answer.empty()) return result;
    atlasDir = WithSeparator(answer);
  }

  const auto resultDir = ResultFolder(atlasDir);
  if (!resultDir) {
    host.ShowMessage("Cannot find the file called PCATPATH in the " + atlasDir + " directory.",
                     kTitleWarning, MessageIcon::Critical);
    return result;
  }
  const auto lines = ReadTextLines(ResolveInFolder(*resultDir, "TSRTEMP.TXT"));
  if (!lines || lines->size() < 5) {
    host.ShowMessage("Cannot find the file called TSRTEMP.TXT in the " + *resultDir + " directory.",
                     kTitleWarning, MessageIcon::Critical);
    return result;
  }
  // A zone is hours from Greenwich; anything else (a huge number, one
  // beyond single precision) is refused before it reaches a chart.
  const double zone = LeadingNumber((*lines)[4]);
  if (!(std::abs(zone) <= kMaxAtlasZoneHours)) {
    host.ShowMessage("The time zone on line 5 of the file called " +
                         ResolveInFolder(*resultDir, "TSRTEMP.TXT").string() +
                         " is no number of hours: " + (*lines)[4] + ".",
                     kTitleWarning, MessageIcon::Critical);
    return result;
  }
  result.latitudeText = (*lines)[1];
  result.longitudeText = (*lines)[2];
  result.timeZone = float(zone);
  result.lookupOk = true;

  const std::string zoneText =
      (result.timeZone >= 0 ? " " : "") + ShortestNumberText(result.timeZone);
  const Answer answer =
      host.ShowMessage("Accept following data? \n\nLongitude = " + result.longitudeText +
                           "\nLatitude  = " + result.latitudeText + "\nTime zone = " + zoneText,
                       "Accept or Reject data", MessageIcon::Question, MessageButtons::YesNo);
  result.accepted = answer == Answer::Yes;
  return result;
}

}  // namespace orv
