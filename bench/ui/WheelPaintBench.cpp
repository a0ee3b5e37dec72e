// The wheel painted through Qt's own text measures with the glyph font, as
// the wheel window paints it on every resize and expose, and as the printer
// prints it: an ordinary natal wheel, houses crowded with 9 and with 11
// points, the two Delhi charts of February 1962, the combined and the
// two-ring wheels of a 1960 New York natal chart with a second person (the
// combined one also after Switch, whose inner band is so crowded that its
// labels are dealt out to houses further away), and the two-ring wheel of
// the 5 February 1962 Delhi chart with him; on surfaces of 604x525,
// 800x600, 1200x1000 and 1600x1000 and on an A4 page printed to PDF; in
// both styles (the two-chart wheels have one). Each first painted, as a
// changed wheel or size is, and repeated (`kept` 1), as an expose of the
// same wheel at the same size is, from the plan its paint kept.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <optional>

#include "../../tests/wheels/WheelTestCharts.h"
#include "commands/DualWheelCommands.h"
#include "commands/WheelCommands.h"
#include "platform/qt/QtCanvas.h"
#include "shell/OptionFiles.h"
#include "shell/Startup.h"
#include "wheels/WheelLayout.h"
#include "wheels/ui/WheelPrinting.h"

namespace {

using orv::test::WheelChart;

enum Chart {
  Ordinary,
  HouseOf9,
  HouseOf11,
  NoonStellium,
  Stellium,
  Combined,
  TwoRing,
  TwoRingStellium,
  CombinedSwitched
};
enum Surface { Small, Default, A4, Large, Wide };

// Natal 10 September 1960, noon, zone 4, 73w59 40n43, with the second person
// born 3 February 1904 in London.
const orv::ChartInputFields kNewYork{"9",  "10", "1960", "12", "0",  "4",   "73",
                                     "59", "40", "43",   "",   true, false, false};
// Natal 5 February 1962, 3.30 P.M., zone -5.5, 77e13 28n37.
const orv::ChartInputFields kDelhi{"2",  "5",  "1962", "3", "30", "-5.5", "77",
                                   "13", "28", "37",   "",  true, true,   false};
const orv::ChartInputFields kPendleton{"2",  "3",  "1904", "6", "15",  "0",   "0",
                                       "07", "51", "30",   "",  false, false, false};

struct PreparedWheel {
  orv::Workbench wb;
  std::optional<orv::OrbTable> orbs;
  orv::WheelPaintInputs in;

  PreparedWheel(Chart chart, int style) {
    orv::test::RecordingHost host;
    const WheelChart fixed = chart == NoonStellium ? WheelChart::NoonStellium
                             : chart == Stellium   ? WheelChart::Stellium
                                                   : WheelChart::Ordinary;
    orv::test::ComputeWheelChart(wb, fixed);
    if (chart == HouseOf9) orv::test::PackHouse(wb, 8, 4, 0.5, 1.9);
    if (chart == HouseOf11) orv::test::PackHouse(wb, 10, 4, 0.5, 1.9);
    if (chart >= Combined) {
      orv::ChartDriverHooks hooks;
      orv::ChartRequest r;
      r.natal = chart == TwoRingStellium ? kDelhi : kNewYork;
      r.diurnal = kPendleton;
      r.secondPerson = true;
      orv::CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true);
      const orv::SecondPersonBox box{true, "Arthur Pendleton"};
      const bool combined = chart == Combined || chart == CombinedSwitched;
      orv::PrepareDualWheelCommand(
          wb, combined ? orv::DualWheelKind::TransitsVsNatal : orv::DualWheelKind::Display, box);
      if (chart == CombinedSwitched) orv::SwitchDualWheel(wb, box);
    } else {
      orv::PrepareSingleWheel(wb, orv::SingleWheelKind::Natal, {}, host);
    }
    // With the aspect lines, as the window draws them.
    in = orv::test::PaintInputsOf(wb, style);
    orbs = orv::LoadOrbTable(nullptr, wb.Wheel->OrbFile);
    in.orbs = orbs ? &*orbs : nullptr;
  }
};

void BM_WheelPaint(benchmark::State& state) {
  static const int font = QFontDatabase::addApplicationFont(
      QString::fromStdString(orv::GlyphFontPath(ORVANTA_DATA_DIR).string()));
  benchmark::DoNotOptimize(font);
  const auto chart = static_cast<Chart>(state.range(0));
  const auto surface = static_cast<Surface>(state.range(1));
  const int style = static_cast<int>(state.range(2));
  const bool kept = state.range(3) != 0;
  const PreparedWheel wheel(chart, style);
  std::optional<orv::WheelPaint> repeated;
  if (kept) repeated.emplace();
  if (!wheel.wb.Wheel) {
    state.SkipWithError("the wheel was not prepared");
    return;
  }
  if (surface == A4) {
    const QTemporaryDir dir;
    const QString pdf = QDir(dir.path()).filePath("wheel.pdf");
    const auto print = [&] {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      printer.setPageSize(QPageSize(QPageSize::A4));
      return orv::PrintWheelPage(printer, wheel.in, orv::WheelPrintKind::FullPage, {},
                                 repeated ? &*repeated : nullptr);
    };
    if (kept) print();
    for (auto _ : state)
      if (!print()) state.SkipWithError("the page was not printed");
    return;
  }
  const int width = surface == Small ? 604 : surface == Large ? 1200 : surface == Wide ? 1600 : 800;
  const int height = surface == Small ? 525 : surface == Large || surface == Wide ? 1000 : 600;
  QImage image(width, height, QImage::Format_RGB32);
  const int startScale = orv::StartScaleFor(width, height).value_or(225);
  const auto paint = [&] {
    QPainter painter(&image);
    orv::QtCanvas canvas(painter, QRectF(0, 0, width, height));
    if (repeated)
      orv::PaintWheelWindow(canvas, wheel.in, startScale, *repeated);
    else
      orv::PaintWheelWindow(canvas, wheel.in, startScale);
  };
  if (kept) paint();
  for (auto _ : state) paint();
}

void WheelCases(benchmark::internal::Benchmark* b) {
  b->ArgNames({"chart", "surface", "style", "kept"});
  for (const int chart : {Ordinary, HouseOf9, HouseOf11, NoonStellium, Stellium, Combined, TwoRing,
                          TwoRingStellium, CombinedSwitched})
    for (const int surface : {Small, Default, A4, Large, Wide})
      for (const int style : {0, 1})
        for (const int kept : {0, 1})
          if (chart < Combined || style == 0) b->Args({chart, surface, style, kept});
}
BENCHMARK(BM_WheelPaint)->Apply(WheelCases)->Unit(benchmark::kMillisecond);

}  // namespace
