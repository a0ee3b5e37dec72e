#pragma once
// The wheels the paint benchmarks paint, prepared as the wheel commands
// prepare them, and their window paint on an image through Qt's own text
// measures with the glyph font.

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <optional>

#include "../../tests/wheels/WheelTestCharts.h"
#include "commands/DualWheelCommands.h"
#include "commands/WheelCommands.h"
#include "platform/qt/QtCanvas.h"
#include "shell/OptionFiles.h"
#include "shell/Startup.h"
#include "wheels/WheelLayout.h"

namespace orv::bench {

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

// Loads the glyph font once a process, as the program does at start-up.
inline void AddGlyphFont() {
  static const int font = QFontDatabase::addApplicationFont(
      QString::fromStdString(orv::GlyphFontPath(ORVANTA_DATA_DIR).string()));
  (void)font;
}

// The window paint of `in` over all of `image`, at the scale a window of its
// size opens with.
inline void PaintWindowOn(QImage& image, const orv::WheelPaintInputs& in) {
  QPainter painter(&image);
  orv::QtCanvas canvas(painter, QRectF(0, 0, image.width(), image.height()));
  orv::PaintWheelWindow(canvas, in,
                        orv::StartScaleFor(image.width(), image.height()).value_or(225));
}

}  // namespace orv::bench
