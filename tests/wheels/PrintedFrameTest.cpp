// The printed wheel's frame on real sheet shapes: every spoke and aspect
// line ends on its circle, measured in device space, where the circles are
// round and the page's units are not square; the aspect grid below the wheel
// keeps clear of everything else printed; the half page is black and white.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "DualWheelLegibility.h"
#include "PrintedPair.h"
#include "RecordingCanvas.h"
#include "RecordingHost.h"
#include "WheelTestCharts.h"
#include "commands/DualWheelCommands.h"
#include "commands/WheelCommands.h"
#include "core/OptionNumbers.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPaint.h"

namespace orv {
namespace {

// Half a dot at 600 dpi: no printer shows an end that far off its circle,
// while a frame drawn for another sheet misses by tens of dots.
constexpr double kOnCircleDots = 0.5;
constexpr double kDotsPerInch = 600;
constexpr double kMarginInches = 6.35 / 25.4;

struct Style {
  const char* name;
  int typeChart;
  bool combined;
  double lineCircle;  // where the aspect lines end
};

struct Sheet {
  const char* name;
  double widthInches, heightInches;
};

// The distance in device dots of a user point from the wheel's centre.
double DeviceRadius(const Canvas& c, UserPoint p) {
  return std::hypot(p.x * c.DeviceUnitsPerUserX(), p.y * c.DeviceUnitsPerUserY());
}

// The step from user point `from` to `to` in device dots.
UserPoint DotsBetween(const Canvas& c, UserPoint from, UserPoint to) {
  return {(to.x - from.x) * c.DeviceUnitsPerUserX(), (to.y - from.y) * c.DeviceUnitsPerUserY()};
}

TEST(PrintedFrame, EveryLineEndsOnItsCircleOnLetterAndA4FullAndHalfPage) {
  const Sheet sheets[] = {{"Letter", 8.5, 11}, {"A4", 210 / 25.4, 297 / 25.4}};
  const Style styles[] = {
      {"American", 0, false, 120}, {"European", 1, false, 120}, {"combined", 0, true, 62}};
  for (const Style& style : styles) {
    Workbench wb;
    test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
    wb.Options[47] = 1;   // the aspect lines
    wb.Options[178] = 0;  // no aspect grid below the wheel: its rules end on none
    test::RecordingHost host;
    if (style.combined)
      PrepareDualWheelCommand(wb, DualWheelKind::TransitsVsNatal, {});
    else
      PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
    const std::optional<OrbTable> orbs = LoadOrbTable(nullptr, wb.Wheel->OrbFile);
    ASSERT_TRUE(orbs);
    WheelPaintInputs in = test::PaintInputsOf(wb, style.typeChart);
    in.orbs = &*orbs;
    for (const Sheet& sheet : sheets)
      for (const bool half : {false, true}) {
        const double width = (sheet.widthInches - 2 * kMarginInches) * kDotsPerInch;
        const double height = (sheet.heightInches - 2 * kMarginInches) * kDotsPerInch;
        RecordingCanvas page(width, half ? HalfPageWheelHeight(width, height) : height,
                             kDotsPerInch);
        if (half) {
          WheelPaintInputs blackWhite = in;
          blackWhite.blackWhite = true;
          PaintWheelWindow(page, blackWhite,
                           *StartScaleFor(page.DeviceWidth(), page.DeviceHeight()));
        } else {
          PaintWheelPrinter(page, in, {});
        }
        const std::string name =
            std::string(style.name) + (half ? ", half " : ", full ") + sheet.name;
        // The frame's twelve spokes come first: from the inner circle (the
        // combined window frame's from the centre, under its disc) to the rim.
        const double inner = !style.combined ? 120 : half ? 0 : 40;
        std::vector<double> circles;
        for (const CanvasRecord& r : page.Records())
          if (r.kind == CanvasRecord::Kind::Circle && !r.startRad) circles.push_back(r.radius);
        for (const double r : {inner, 217.0, style.lineCircle}) {
          if (r > 0) {
            EXPECT_NE(std::find(circles.begin(), circles.end(), r), circles.end()) << name;
          }
        }
        const auto lines = page.Lines();
        ASSERT_GE(lines.size(), 12u) << name;
        const double dotsPerUnit = std::fabs(page.DeviceUnitsPerUserX());
        const auto onCircle = [&](UserPoint p, double r) {
          return std::fabs(DeviceRadius(page, p) - r * dotsPerUnit) <= kOnCircleDots;
        };
        for (std::size_t k = 0; k < 12; ++k) {
          EXPECT_NEAR(DeviceRadius(page, lines[k].a), inner * dotsPerUnit, kOnCircleDots)
              << name << ", spoke " << k;
          EXPECT_NEAR(DeviceRadius(page, lines[k].b), 217 * dotsPerUnit, kOnCircleDots)
              << name << ", spoke " << k;
        }
        // The rest are aspect chords from circle to circle, each drawn whole
        // or in pieces that pass behind labels: the pieces of one chord run
        // along one straight line, in order, the first from the circle and
        // the last to it.
        const double r = style.lineCircle;
        std::size_t chords = 0;
        for (std::size_t k = 12; k < lines.size(); ++chords) {
          const std::string chord = name + ", chord from line " + std::to_string(k);
          const CanvasRecord& first = lines[k];
          EXPECT_TRUE(onCircle(first.a, r))
              << chord << " starts " << DeviceRadius(page, first.a) / dotsPerUnit;
          const UserPoint dir = DotsBetween(page, first.a, first.b);
          const double length = std::hypot(dir.x, dir.y);
          EXPECT_GT(length, 0) << chord;
          double reached = 0;
          while (true) {
            const CanvasRecord& piece = lines[k++];
            for (const UserPoint p : {piece.a, piece.b}) {
              const UserPoint d = DotsBetween(page, first.a, p);
              EXPECT_LE(std::fabs(d.x * dir.y - d.y * dir.x) / length, kOnCircleDots)
                  << chord << ": a piece off its line";
              const double along = (d.x * dir.x + d.y * dir.y) / length;
              EXPECT_GE(along, reached - kOnCircleDots) << chord << ": pieces out of order";
              reached = along;
            }
            if (onCircle(piece.b, r)) break;
            if (k == lines.size()) {
              ADD_FAILURE() << chord << " never reaches the circle again";
              break;
            }
          }
        }
        EXPECT_GE(chords, 8u) << name;
        EXPECT_GT(lines.size(), 20u) << name;  // the aspect lines too
      }
  }
}

// The printed wheels: single wheels, which print the aspect grid's
// staircase, and two-chart wheels, which print its square.
struct PrintedWheel {
  const char* name;
  int typeChart;
  std::optional<SingleWheelKind> single;  // else the two-chart wheel `dual`
  DualWheelKind dual;
  // The chart (against the transits on a two-chart wheel); none: the
  // printed pair.
  std::optional<test::WheelChart> chart;
};

using enum DualWheelKind;
using test::WheelChart;

const PrintedWheel kPrintedWheels[] = {
    {"American natal", 0, SingleWheelKind::Natal, {}, WheelChart::Ordinary},
    {"European natal", 1, SingleWheelKind::Natal, {}, WheelChart::Ordinary},
    {"European crowded natal", 1, SingleWheelKind::Natal, {}, WheelChart::Crowded},
    {"American stellium", 0, SingleWheelKind::Natal, {}, WheelChart::Stellium},
    {"intercepting natal", 0, SingleWheelKind::Natal, {}, WheelChart::Intercepting},
    {"declinations", 0, SingleWheelKind::Declinations, {}, WheelChart::Ordinary},
    {"combined pair", 0, {}, TransitsVsNatal, {}},
    {"two-ring pair", 0, {}, Display, {}},
    {"helio two-ring pair", 0, {}, DisplayHelio, {}},
    {"declinations two-ring pair", 0, {}, DisplayDeclinations, {}},
    {"combined intercepting", 0, {}, TransitsVsNatal, WheelChart::Intercepting},
    {"combined stellium", 0, {}, TransitsVsNatal, WheelChart::Stellium},
    {"two-ring crowded", 0, {}, Display, WheelChart::Crowded}};

// Prepares `w` into `wb`, its own orbs read into `orbs` for the aspect lines
// and grid cells.
WheelPaintInputs PreparePrintedWheel(Workbench& wb, const PrintedWheel& w,
                                     std::optional<OrbTable>& orbs) {
  test::ComputeWheelChart(wb, w.chart.value_or(test::WheelChart::Ordinary));
  wb.Options[47] = 1;
  test::RecordingHost host;
  if (!w.chart)
    test::PreparePrintedPair(wb, w.dual);
  else if (w.single)
    PrepareSingleWheel(wb, *w.single, {}, host);
  else
    PrepareDualWheelCommand(wb, w.dual, {});
  orbs = LoadOrbTable(nullptr, wb.Wheel->OrbFile);
  WheelPaintInputs in = test::PaintInputsOf(wb, w.typeChart);
  in.orbs = orbs ? &*orbs : nullptr;
  return in;
}

using test::TextBox;

// A line's extent as a box.
TextBox BoxOfLine(const CanvasRecord& line) {
  return {std::min(line.a.x, line.b.x), std::max(line.a.y, line.b.y), std::max(line.a.x, line.b.x),
          std::min(line.a.y, line.b.y)};
}

// The least device distance, in units across, from `centre` to `box`,
// where circles are round.
double NearestRadius(const TextBox& box, UserPoint centre, double squash) {
  return std::hypot(std::clamp(centre.x, box.left, box.right) - centre.x,
                    squash * (std::clamp(centre.y, box.bottom, box.top) - centre.y));
}

// The grid comes last on the page: what a page with it draws beyond the
// same page without it is the grid. Every text and line of the grid stays
// on the page, at least a unit from every text, line and circle of the rest
// of the page, and outside the wheel's outer circle.
TEST(PrintedFrame, TheAspectGridKeepsClearOfTheWheelAndOfEveryTextOnLetterAndA4) {
  constexpr double kGap = 1;
  for (const PrintedWheel& w : kPrintedWheels) {
    Workbench wb;
    std::optional<OrbTable> orbs;
    const WheelPaintInputs in = PreparePrintedWheel(wb, w, orbs);
    ASSERT_TRUE(in.orbs) << w.name;
    for (const Sheet& sheet : {Sheet{"Letter", 8.5, 11}, Sheet{"A4", 210 / 25.4, 297 / 25.4}}) {
      const std::string name = std::string(w.name) + " on " + sheet.name;
      const double width = (sheet.widthInches - 2 * kMarginInches) * kDotsPerInch;
      const double height = (sheet.heightInches - 2 * kMarginInches) * kDotsPerInch;
      RecordingCanvas bare(width, height, kDotsPerInch), page(width, height, kDotsPerInch);
      wb.Options[OptionNumber::AspectGridOnPrint] = 0;
      PaintWheelPrinter(bare, in, {});
      wb.Options[OptionNumber::AspectGridOnPrint] = 1;
      PaintWheelPrinter(page, in, {});
      const std::size_t wheelEnd = bare.Records().size();
      ASSERT_GT(page.Records().size(), wheelEnd + 50) << name;
      const double squash = 1 / SurfaceVerticalFactor(page);
      const TextBox sheetBox{page.ScaleLeft(), page.ScaleTop(),
                             page.ScaleLeft() + page.ScaleWidth(),
                             page.ScaleTop() + page.ScaleHeight()};
      std::vector<TextBox> grid;
      for (std::size_t k = wheelEnd; k < page.Records().size(); ++k) {
        const CanvasRecord& r = page.Records()[k];
        ASSERT_NE(r.kind, CanvasRecord::Kind::Circle) << name;
        grid.push_back(r.kind == CanvasRecord::Kind::Text ? test::BoxOf(page, r) : BoxOfLine(r));
      }
      int overlaps = 0;
      for (const TextBox& g : grid) {
        EXPECT_TRUE(g.left >= sheetBox.left && g.right <= sheetBox.right && g.top <= sheetBox.top &&
                    g.bottom >= sheetBox.bottom)
            << name << ": grid off the page at " << g.left << ", " << g.top;
        EXPECT_GE(NearestRadius(g, {0, 0}, squash), 217 + kGap)
            << name << ": grid inside the wheel at " << g.left << ", " << g.top;
        const TextBox wide{g.left - kGap, g.top + kGap, g.right + kGap, g.bottom - kGap};
        for (std::size_t k = 0; k < wheelEnd; ++k) {
          const CanvasRecord& r = page.Records()[k];
          bool meets = false;
          if (r.kind == CanvasRecord::Kind::Text && !r.text.empty())
            meets = test::BoxOf(page, r).Overlaps(wide);
          else if (r.kind == CanvasRecord::Kind::Line)
            meets = test::dual_detail::SegmentMeetsBox(r.a, r.b, wide);
          else if (r.kind == CanvasRecord::Kind::Circle)
            meets = NearestRadius(wide, r.a, squash) < r.radius;
          if (meets && ++overlaps <= 5)
            ADD_FAILURE() << name << ": the grid at " << g.left << ", " << g.top << " - " << g.right
                          << ", " << g.bottom << " meets "
                          << (r.kind == CanvasRecord::Kind::Text ? "\"" + r.text + "\""
                                                                 : "a line or circle")
                          << " from " << r.a.x << ", " << r.a.y;
        }
      }
      EXPECT_EQ(overlaps, 0) << name;
    }
  }
}

// The half page prints the window's wheel in black and white whatever the
// window's colours: a white page, black spokes (the combined frame's sectors
// too), the circles in their option's colour and the combined frame's centre
// disc white, as on the single wheel's half page.
TEST(PrintedFrame, TheHalfPageIsBlackAndWhiteInEveryArrangement) {
  const Rgb white = QBColor(15), black = QBColor(0), circles = QBColor(9);
  for (const PrintedWheel& w : kPrintedWheels) {
    Workbench wb;
    std::optional<OrbTable> orbs;
    WheelPaintInputs in = PreparePrintedWheel(wb, w, orbs);
    wb.Options[OptionNumber::WheelBackColor] = 3;
    wb.Options[OptionNumber::WheelCircleColor] = 9;
    wb.Options[OptionNumber::WheelSpokeColor] = 12;
    in.blackWhite = true;
    const double width = (8.5 - 2 * kMarginInches) * kDotsPerInch;
    const double height = (11 - 2 * kMarginInches) * kDotsPerInch;
    RecordingCanvas page(width, HalfPageWheelHeight(width, height), kDotsPerInch);
    PaintWheelWindow(page, in, *StartScaleFor(page.DeviceWidth(), page.DeviceHeight()));
    const std::vector<CanvasRecord>& records = page.Records();
    ASSERT_EQ(records.front().kind, CanvasRecord::Kind::Clear) << w.name;
    EXPECT_EQ(records.front().color, white) << w.name;
    // The frame's twelve spokes are its first lines; the combined frame's
    // sectors its first arcs of the rim.
    const auto lines = page.Lines();
    ASSERT_GE(lines.size(), 12u) << w.name;
    for (std::size_t k = 0; k < 12; ++k)
      EXPECT_EQ(lines[k].color, black) << w.name << ", spoke " << k;
    int sectors = 0, rings = 0, discs = 0;
    for (const CanvasRecord& r : records) {
      if (r.kind != CanvasRecord::Kind::Circle) continue;
      if (r.fill) {
        ++discs;
        EXPECT_EQ(*r.fill, white) << w.name << ", the disc of radius " << r.radius;
      } else if (r.startRad && r.endRad &&
                 std::fabs(*r.endRad - *r.startRad - std::numbers::pi / 6) < 1e-9) {
        ++sectors;
        EXPECT_EQ(r.color, black) << w.name << ", a sector";
      } else if (!r.startRad) {
        ++rings;
        EXPECT_EQ(r.color, circles) << w.name << ", the circle of radius " << r.radius;
      }
    }
    const bool combined = !w.single && w.dual == TransitsVsNatal;
    EXPECT_EQ(sectors, combined ? 12 : 0) << w.name;
    EXPECT_EQ(discs, combined ? 1 : 0) << w.name;
    EXPECT_GE(rings, 1) << w.name;
  }
}

}  // namespace
}  // namespace orv
