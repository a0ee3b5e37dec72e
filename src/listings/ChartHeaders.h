#pragma once
// The chart headers every listing starts with, and the fixed-width position
// formats every listing writes.

#include <string>
#include <string_view>

#include "core/ChartInput.h"
#include "core/ChartModel.h"
#include "listings/ListingPage.h"

namespace orv {

// The second-chart window's "2nd Person" box as the listings read it.
struct SecondPersonBox {
  bool checked = false;  // chart 2 is a second person, not a transit moment
  // The box's caption: the second person's name once a names-file record was
  // loaded as chart 2, "2nd Person" while the box is clear.
  std::string caption = "2nd Person";
};

// A whole number as the pattern "00" writes it, at least two digits: 7
// gives 07, 118 gives 118.
std::string TwoDigits(long n);

// `FormatCoord`: |valueDegMin| (degrees + minutes/100) as "##0.00" with the
// decimal point replaced by the lower-case first letter of `sideWord`
// ("West" gives 73w59 for 73.59).
std::string FormatCoord(double valueDegMin, std::string_view sideWord);

// `AppendSignPosition`: appends the 9 characters "DD SGN MM" of
// `longitudeDeg` (minutes rounded, never 60) to `line`. A longitude outside
// [0, 360) is folded into it first.
void AppendSignPosition(std::string& line, double longitudeDeg);

// `AppendSignPositionDMS`: appends the 14 characters "DD SGN MMm SSs"
// (minutes and seconds truncated), folding as above.
void AppendSignPositionDMS(std::string& line, double longitudeDeg);

// The 7-character "DD N MM" of a declination or latitude in degrees: the
// whole degrees and rounded minutes (at most 59) of the absolute value, "S"
// when `valueDeg` is negative.
std::string DeclinationText(double valueDeg);

// The date of a chart input, "dd mmm yyyy", from its day, month and year.
std::string HeaderDate(const ChartInputValues& input);

// The place and time line of a chart header: date, zone, clock time and
// coordinates, with its two-blank margin.
std::string PlaceAndTimeLine(const ChartInputValues& input);

// The line saying the chart has no Chiron (`ChironLeftOutNote` after two
// blanks), when it has none.
void AppendChironNote(ListingPage& page, const ChartArrays& chart);

// `AppendNatalHeader`: a blank line, the person's name and chart 1's place
// and time line. Each header adds the Chiron note of the chart it names.
void AppendNatalHeader(ListingPage& page, const ChartModel& model);
// `AppendNatalAndDiurnalHeader`: the natal header and chart 2's date alone.
void AppendNatalAndDiurnalHeader(ListingPage& page, const ChartModel& model);
// `AppendDiurnalHeader`: chart 2's place and time line.
void AppendDiurnalHeader(ListingPage& page, const ChartModel& model);

// The header starters: each begins a new page and writes its header.
void BeginNatalListing(ListingPage& page, const ChartModel& model);
void BeginTransitListing(ListingPage& page, const ChartModel& model);
// The natal header, a blank line, the box's caption and chart 2's line.
void BeginTwoChartListing(ListingPage& page, const ChartModel& model, const SecondPersonBox& box);

}  // namespace orv
