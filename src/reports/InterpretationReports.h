#pragma once
// The transit interpretations of one day (for the data window and for the
// transit report) and the natal interpretation report.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/ChartModel.h"
#include "core/NumberFile.h"
#include "listings/NatalAspectGrid.h"
#include "reports/ReportState.h"

namespace orv {

class Host;

// A heading compared as the transit texts compare it: leading and trailing
// blanks removed, upper case.
std::string TransitHeadingForm(std::string_view line);

// The transit text files of one command, each read once on first use and
// indexed by heading. A file's paragraph is the lines after its heading up
// to the first empty line. When `host` is given, a file that is missing or
// lacks any of its headings (TransitTextKeys) is reported, once in the life
// of the host.
class TransitTextIndex {
 public:
  explicit TransitTextIndex(std::filesystem::path appPath, Host* host = nullptr)
      : appPath_(std::move(appPath)), host_(host) {}
  // The paragraph under the first heading `key` in `file`, or nothing (also
  // for a missing file). With `emptyLineLimit` above 0, that many empty
  // lines in a row before the heading end the search.
  std::optional<std::vector<std::string>> Paragraph(const std::string& file, std::string_view key,
                                                    int emptyLineLimit);

 private:
  struct File {
    std::vector<std::string> lines;
    std::unordered_map<std::string, std::size_t> headings;  // first line of each form
    std::size_t reachable = 0;  // lines before the empty-line limit stops a search
  };
  File& Load(const std::string& file, int emptyLineLimit);
  void ReportUnusable(const std::string& file, const File& f) const;
  std::filesystem::path appPath_;
  Host* host_ = nullptr;
  std::map<std::string, File> files_;
};

// The headings the transit interpretations may ask of the transit text
// `file`: "MERCURY Retrograde" to "PLUTO Retrograde" of RETRO.TXT, or every
// aspect kind the day's aspects find between its point and each natal point
// 1..15; none for a file of neither kind.
std::vector<std::string> TransitTextKeys(std::string_view file);

// The transit text file of a transiting `ChartPoint` 1..15.
std::string_view TransitTextFile(int point);
// The aspect key: "SUN square MOON", "MOON conjunct MC " (the natal name as
// stored). `kind` is the `AspectKind`.
std::string TransitAspectKey(int transiting, int kind, int natal);
// The retrograde key: "MERCURY Retrograde".
std::string TransitRetroKey(int transiting);

// "Friday, 12 Jun 2026" for a day number.
std::string TransitDateText(double julianDayNumber);

// The transit positions of day `day` at chart 2's clock time.
ChartArrays TransitDayPositions(const ChartModel& charts, const OptionValues& options, double day);

// The lines of one day (`transits`: that day's positions) from the date line on: the date line, an empty line,
// retrograde paragraphs (option 35) and one block per aspect with a
// paragraph; "     No aspects today." when no aspect was written.
std::vector<std::string> TransitDayLines(const ChartArrays& transits, const ChartModel& charts,
                                         const OptionValues& options, const OrbTable& twoChartOrbs,
                                         TransitTextIndex& texts, double day);

// The day count typed at the transit report's prompt: nothing ends the
// command (0, no number), a negative count asks again (-1), above 366 is 366.
int TransitDayCount(std::string_view answer);

// The natal report's keys.
std::string RisingKey(double ascendantDeg);
std::string NatalAspectKey(int first, int code, int second, const OptionValues& options);

// One step of a report body: a blank line, a whole text file, or the
// section `key` of a text file (names relative to the program folder).
struct ReportStep {
  enum class Kind { Blank, File, Section } kind = Kind::Blank;
  std::string file;
  std::string key;
  bool operator==(const ReportStep&) const = default;
};

// The natal report body after the title page, in order.
std::vector<ReportStep> NatalReportSteps(const ChartModel& charts, const NatalAspectTable& aspects,
                                         const OptionValues& options);

// Runs the steps into the report buffer (`BuildNatalReport` with the natal
// steps).
void AddReportSteps(ReportState& report, const std::filesystem::path& appPath,
                    const std::vector<ReportStep>& steps);

// The two title lines.
std::string NatalReportTitle();
std::string TransitReportTitle();

}  // namespace orv
