// The natal wheel: its label placement alone, and the whole window paint
// (frame, cusp labels, placement and labels, title) into an 800 by 600
// offscreen image, as the wheel window paints on every resize.

#include <benchmark/benchmark.h>

#include <QFontDatabase>
#include <QImage>
#include <QPainter>

#include "FixedCharts.h"
#include "QuietHost.h"
#include "commands/WheelCommands.h"
#include "platform/qt/QtCanvas.h"
#include "shell/OptionFiles.h"
#include "shell/Startup.h"
#include "wheels/WheelPaint.h"

namespace {

struct NatalWheel {
  orv::Workbench wb;
  orv::WheelPaintInputs in;
  NatalWheel() {
    orv::bench::QuietHost host;
    orv::bench::ComputeFixedCharts(wb, host);
    orv::ReadOptionsFile(host, ORVANTA_DATA_DIR, wb.Options);
    orv::PrepareSingleWheel(wb, orv::SingleWheelKind::Natal, {}, host);
    in.request = &*wb.Wheel;
    in.options = &wb.Options;
    in.radiusTable = &wb.Tables.RadiusTable;
    in.hcDataTable = &wb.Tables.HcDataTable;
  }
};

void BM_NatalWheelPlacement(benchmark::State& state) {
  const NatalWheel wheel;
  const orv::SingleWheelInputs inputs = orv::SingleWheelInputsOf(wheel.in);
  for (auto _ : state) benchmark::DoNotOptimize(orv::PlaceSingleWheel(inputs));
}
BENCHMARK(BM_NatalWheelPlacement)->Unit(benchmark::kMicrosecond);

void BM_NatalWheelWindowPaint(benchmark::State& state) {
  static const int font = QFontDatabase::addApplicationFont(
      QString::fromStdString(orv::GlyphFontPath(ORVANTA_DATA_DIR).string()));
  benchmark::DoNotOptimize(font);
  const NatalWheel wheel;
  QImage image(800, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    orv::QtCanvas canvas(painter, QRectF(0, 0, 800, 600));
    orv::PaintWheelWindow(canvas, wheel.in, 300);
  }
}
BENCHMARK(BM_NatalWheelWindowPaint)->Unit(benchmark::kMillisecond);

}  // namespace
