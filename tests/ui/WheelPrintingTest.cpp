// The printed wheel pages through Qt's PDF printer: the American and
// European single wheels, the combined two-chart wheel, and both two-chart
// arrangements of a natal chart with a second person, full and half page,
// on Letter and A4. With ORVANTA_SHOT_DIR set, each page is also saved
// there for a person to look at.

#include <gtest/gtest.h>

#include <QPageSize>
#include <filesystem>

#include "TempDir.h"
#include "TestGlyphFont.h"
#include "../wheels/PrintedPair.h"
#include "../wheels/WheelTestCharts.h"
#include "commands/DualWheelCommands.h"
#include "commands/WheelCommands.h"
#include "shell/Startup.h"
#include "WheelPdf.h"

namespace orv {
namespace {

using test::GlyphFont;

TEST(WheelPrinting, EveryWheelOnEveryPageShape) {
  GlyphFont font;
  namespace fs = std::filesystem;
  // A folder of its own: runs of the suite in other checkouts print at once.
  const test::TempDir pages;
  const fs::path& dir = pages.path();
  const struct {
    const char* name;
    int typeChart;
    bool combined;
    test::WheelChart chart;
    std::optional<DualWheelKind> pair;  // the printed pair's wheel instead
  } wheels[] = {{"american", 0, false, test::WheelChart::Ordinary, {}},
                {"european", 1, false, test::WheelChart::Ordinary, {}},
                {"european-crowded", 1, false, test::WheelChart::Crowded, {}},
                {"combined", 0, true, test::WheelChart::Ordinary, {}},
                {"pair-combined", 0, true, {}, DualWheelKind::TransitsVsNatal},
                {"pair-two-ring", 0, true, {}, DualWheelKind::Display}};
  const struct {
    const char* name;
    QPageSize::PageSizeId id;
  } sheets[] = {{"letter", QPageSize::Letter}, {"a4", QPageSize::A4}};
  const struct {
    const char* name;
    WheelPrintKind kind;
  } kinds[] = {{"full", WheelPrintKind::FullPage}, {"half", WheelPrintKind::HalfPage}};
  for (const auto& w : wheels) {
    Workbench wb;
    test::ComputeWheelChart(wb, w.chart);
    wb.Options[47] = 1;  // the aspect lines, which end on a circle too
    test::RecordingHost host;
    if (w.pair)
      test::PreparePrintedPair(wb, *w.pair);
    else if (w.combined)
      PrepareDualWheelCommand(wb, DualWheelKind::TransitsVsNatal, {});
    else
      PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
    const std::optional<OrbTable> orbs = LoadOrbTable(nullptr, wb.Wheel->OrbFile);
    ASSERT_TRUE(orbs) << w.name;
    WheelPaintInputs in = test::PaintInputsOf(wb, w.typeChart);
    in.orbs = &*orbs;
    for (const auto& s : sheets)
      for (const auto& k : kinds) {
        const std::string name = std::string(w.name) + "-" + s.name + "-" + k.name + ".pdf";
        const fs::path pdf = dir / name;
        ASSERT_TRUE(test::PrintWheelPdf(in, k.kind, QPageSize(s.id), pdf)) << name;
        EXPECT_GT(fs::file_size(pdf), 2000u) << name;
      }
  }
}

}  // namespace
}  // namespace orv
