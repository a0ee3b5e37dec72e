#pragma once
// The two reports of a couple: the composite report (the relationship's own
// chart read house by house and aspect by aspect from whole text files) and
// the synastry report (each person's points against the other's, the aspect
// texts scrambled and told with the two first names in place of the bodies).

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/ChartPoints.h"
#include "core/NumberFile.h"
#include "reports/InterpretationReports.h"
#include "reports/ReportState.h"

namespace orv {

// `FoundAspect` codes of both reports.
inline constexpr int kNoAspectFound = 1;
inline constexpr int kFoundConjunction = 2;
inline constexpr int kFoundOpposition = 6;

// `FindCompositeAspect`: the aspect of the composite points `a` and `b`
// (`ChartPoint`s) `separation` (0..180) degrees apart. A node only ever
// makes a conjunction, within option 52; the lights use option 53, other
// pairs option 51; bands are closed and a conjunction wins.
int FindCompositeAspect(int a, int b, double separation, const OptionValues& options);

// The composite report body after the title page: texts of the program
// folder (COMPOSIT/...) in order, blank lines between them. `flags` holds
// one character per point ("A" for a midpoint turned by 180 degrees);
// `housePositions` the composite house records.
std::vector<ReportStep> CompositeReportSteps(const PointArray<double>& longitudes,
                                             std::string_view flags,
                                             std::string_view housePositions,
                                             const OptionValues& options);

// `FindSynastryAspect`: the aspect of person 1's point `a` and person 2's
// point `b`; orb 6.25 degrees, 8.25 with a light, open bands.
int FindSynastryAspect(int a, int b, double separation);

// A person's first name as the synastry texts use it: "Mary" for
// "MARY ANN SMITH" and for "w Mary Smith" (the names file's mark of a woman
// dropped); empty for an empty name.
std::string SynastryFirstName(std::string_view name);

// The scrambled aspect text of the pair: "SYNASTRY/SUNMOO.CNJ" for
// (10, 1) conjunct, the two abbreviations in the order Sun, Moon, Mercury to
// Pluto, Ascendant.
std::string SynastryAspectFile(int a, int b, int code);

// `line` with each whole word `nameA` replaced by `firstA`, or else each
// whole word `nameB` by `firstB`, from byte `start` to the end; case exact.
std::string ReplaceBodyNames(std::string line, std::size_t start, std::string_view nameA,
                             std::string_view firstA, std::string_view nameB,
                             std::string_view firstB);

// The joined aspect text wrapped into report lines, each after five blanks:
// a CR LF in it ends a paragraph (and adds an empty line); other breaks
// fall after the last "-", blank, ".", ",", ";" or ":" within 71
// characters, or hard at 71 when there is none.
std::vector<std::string> WrapSynastryText(std::string_view buffer);

// The sign-compatibility line of the pair, or nothing for a pair the report
// does not compare (only the lights with each other, Mercury with Mercury,
// Venus and Mars with each other and the two Ascendants).
std::string SignCompatibilityLine(int a, int b, double longitudeA, double longitudeB,
                                  std::string_view firstName1, std::string_view firstName2);

// The persons of a synastry report.
struct SynastryPersons {
  std::string name1;  // `PersonName`
  std::string name2;  // the second person's name
};

// `BuildSynastryReport`: the synastry report body into `report`.
void BuildSynastryReport(ReportState& report, const std::filesystem::path& appPath,
                         const PointArray<double>& natal, const PointArray<double>& second,
                         const SynastryPersons& persons);

std::string CompositeReportTitle();
std::string SynastryReportTitle();

}  // namespace orv
