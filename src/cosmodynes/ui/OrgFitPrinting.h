#pragma once
// `PrintNatalOFA`: the organizational fit analysis of chart 1 on one printed
// page.

#include "shell/ui/PrntFile.h"

class QPainter;

namespace orv {

class Host;
struct OrgFitAnalysis;
struct ChartModel;
struct Workbench;

// The PDF proposed when no printer is installed.
inline constexpr std::string_view kOrgFitPdfName = "REPORTS\\OFA.PDF";

// Draws the analysis on the current sheet of `printer`, begun by `painter`.
void DrawOrgFitSheet(QPainter& painter, QPrinter& printer, const ChartModel& model,
                     const OrgFitAnalysis& ofa);

// Draws the analysis on one whole sheet of `printer`, which is not begun
// yet. False when the printer cannot be started.
bool PrintOrgFitPage(QPrinter& printer, const ChartModel& model, const OrgFitAnalysis& ofa);

// Data > Print Org. Fit Analysis: works out the analysis (a missing
// NATAL.ORB is reported and ends it), lets the user pick the printer through
// `choosePrinter` (a PDF file when no printer is installed) and prints the
// page. Returns whether a page was printed.
bool PrintNatalOFA(Workbench& wb, Host& host, const PrinterChooser& choosePrinter);

}  // namespace orv
