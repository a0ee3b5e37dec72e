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
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include "PaintedWheels.h"
#include "wheels/ui/WheelPrinting.h"

namespace {

using namespace orv::bench;

enum Surface { Small, Default, A4, Large, Wide };

void BM_WheelPaint(benchmark::State& state) {
  AddGlyphFont();
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
