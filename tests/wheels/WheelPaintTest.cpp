// The wheel's header lines and what the paint draws, recorded on the
// recording surface.

#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "WheelTestCharts.h"
#include "platform/RecordingCanvas.h"
#include "wheels/GlyphCodes.h"
#include "wheels/WheelCommands.h"
#include "wheels/WheelHeader.h"
#include "wheels/WheelPaint.h"

namespace orv {
namespace {

TEST(WheelHeader, LinesOfTheNatalWheel) {
  ChartModel m;
  m.PersonName = "Renée Doe";
  m.NatalInput = {7, 3, 1962, "", 9.05f, 5, "P.M.", 73.59f, 40.43f, "West", "North"};
  m.Natal.SiderealText = "07H  34M  24S ";
  m.HouseSystem = HouseSystemCode::EqualAscendant;
  WheelHeaderLines inner, outer;
  outer[3] = "stale";
  SetupNatalWheelHeader(m, inner, outer);
  const WheelHeaderLines expected = {"",      "Renée Doe - natal", "07 Mar 1962",     "9.05 P.M. (5)",
                                     "73w59", "40n43",             "07H  34M  24S ", "Equal - Ascendant"};
  EXPECT_EQ(inner, expected);
  EXPECT_EQ(outer, WheelHeaderLines{});

  const struct {
    float time, zone;
    const char* line;
  } times[] = {{10.3f, 5, "10.30 P.M. (5)"}, {12.0f, 0, "12.00 P.M. (0)"}, {9.05f, -3.5f, "9.05 P.M. (-3.5)"}};
  for (const auto& t : times) {
    m.NatalInput.time = t.time;
    m.NatalInput.timeZone = t.zone;
    EXPECT_EQ(WheelTimeLine(m.NatalInput), t.line);
  }
  m.NatalInput.longitude = -2.20f;  // East is stored negative, printed unsigned
  m.NatalInput.eastWest = "East";
  SetupNatalWheelHeader(m, inner, outer);
  EXPECT_EQ(inner[4], "2e20");
  for (const char* code : {"ea", "E", ""}) {
    WheelHeaderLines lines;
    SetHouseSystemName(code, lines);
    EXPECT_EQ(lines[7], "") << code;
  }
  EXPECT_EQ(CompositeLatitudeLine("-33.5"), "Latitude = 33.5 South");
  EXPECT_EQ(CompositeLatitudeLine("99"), "Midpoint composite houses");
  EXPECT_EQ(CompositeLatitudeLine("0"), "Latitude = 0 North");
}

struct Painted {
  Workbench wb;
  RecordingCanvas canvas{800, 600, 96};
  WheelPaintInputs in;
  explicit Painted(SingleWheelKind kind = SingleWheelKind::Natal) {
    test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
    test::RecordingHost host;
    PrepareSingleWheel(wb, kind, {}, host);
    in = {&*wb.Wheel, &wb.Options, &wb.Tables.RadiusTable, &wb.Tables.HcDataTable, 0};
  }
  std::vector<CanvasRecord> Circles() const {
    std::vector<CanvasRecord> out;
    for (const CanvasRecord& r : canvas.Records())
      if (r.kind == CanvasRecord::Kind::Circle) out.push_back(r);
    return out;
  }
};

TEST(WheelPaint, WindowFrameLabelsAndTitle) {
  Painted p;
  PaintWheelWindow(p.canvas, p.in, 300);
  ASSERT_EQ(p.canvas.Records().front().kind, CanvasRecord::Kind::Clear);
  EXPECT_EQ(p.canvas.Records().front().color, QBColor(p.wb.Options[100]));
  // The 800 by 600 window at scale 300: x from -300, y 225 at the top.
  EXPECT_DOUBLE_EQ(p.canvas.ScaleLeft(), -300);
  EXPECT_DOUBLE_EQ(p.canvas.ScaleTop(), 225);
  const auto lines = p.canvas.Lines();
  ASSERT_EQ(lines.size(), 12u);  // twelve spokes from 120 to 217
  EXPECT_NEAR(lines[0].a.x, 120, 1e-9);
  EXPECT_NEAR(lines[11].b.x, 217 * std::cos(330 * 3.1415926535 / 180), 1e-6);
  const auto circles = p.Circles();
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(circles[0].radius, 217);
  EXPECT_EQ(circles[1].radius, 120);

  // 60 cusp label characters, then the planets, then 7 + 7 header lines at
  // the left edge + 10, the outer block eight lines above the bottom.
  const auto texts = p.canvas.Texts();
  ASSERT_GT(texts.size(), 60u + 14u);
  for (std::size_t k = 0; k < 14; ++k) {
    const CanvasRecord& line = texts[texts.size() - 14 + k];
    EXPECT_DOUBLE_EQ(line.a.x, -290) << k;
    EXPECT_EQ(line.text, k < 7 ? p.wb.Wheel->InnerWheelHeader[k + 1] : "") << k;
  }
  EXPECT_DOUBLE_EQ(texts[texts.size() - 14].a.y, 225);
  EXPECT_DOUBLE_EQ(p.canvas.Font().points, p.wb.Options[68]);
  EXPECT_DOUBLE_EQ(texts[texts.size() - 7].a.y, -225 + 8 * p.canvas.TextHeight(""));
  // Each planet label: its glyph first, and a retrograde mark only where the
  // chart has one.
  int marks = 0;
  for (const CanvasRecord& t : texts) marks += t.text == GlyphText(GlyphCode::RetrogradeMark);
  EXPECT_EQ(marks, int(std::count(p.wb.Wheel->RetroFlags.begin(), p.wb.Wheel->RetroFlags.end(), 'R')));
}

TEST(WheelPaint, PrintedPageAndItsPersonalHeader) {
  Painted p;
  p.wb.Options[174] = 0;
  int reads = 0;
  const auto reader = [&]() -> std::optional<std::vector<std::string>> {
    ++reads;
    return std::vector<std::string>{"Astro Studio", "12 Main St"};
  };
  PaintWheelPrinter(p.canvas, p.in, reader);
  EXPECT_EQ(reads, 0);  // option 174 at 0 does not open the file
  EXPECT_NEAR(p.canvas.ScaleLeft(), -255.0625, 1e-9);
  EXPECT_NEAR(p.Circles()[0].radius, 217, 0);  // circles first on paper
  EXPECT_NEAR(p.canvas.Lines()[0].b.y, 0, 1e-9);

  RecordingCanvas page(850, 1100, 100);
  p.wb.Options[174] = 1;
  PaintWheelPrinter(page, p.in, reader);
  EXPECT_EQ(reads, 1);
  const auto texts = page.Texts();
  ASSERT_GE(texts.size(), 2u);
  const CanvasRecord& last = texts.back();
  EXPECT_EQ(last.text, "12 Main St");
  // Right-aligned: its end option 177 units left of the right edge.
  EXPECT_NEAR(last.a.x + page.TextWidth("12 Main St"), 255.0625 - p.wb.Options[177], 1e-6);
}

TEST(WheelPaint, CombinedFrameAndDeclinationText) {
  RecordingCanvas canvas(800, 600, 96);
  canvas.SetScale(-300, 225, 300, -225);
  OptionValues o{};
  o[100] = 15;
  DrawCombinedFrame(canvas, o, false, false);
  std::vector<double> radii;
  for (const CanvasRecord& r : canvas.Records())
    if (r.kind == CanvasRecord::Kind::Circle && !r.startRad) radii.push_back(r.radius);
  EXPECT_EQ(radii, (std::vector<double>{217, 138, 62, 40, 40, 40}));
  EXPECT_TRUE(canvas.Records()[canvas.Records().size() - 2].fill.has_value());

  RecordingCanvas paper(800, 1000, 96);
  DrawCombinedFrame(paper, o, true, false);
  const auto spokes = paper.Lines();
  ASSERT_EQ(spokes.size(), 12u);
  EXPECT_NEAR(spokes[3].a.y, 38.5, 1e-9);      // 40 x 0.9625 at 90 degrees
  EXPECT_NEAR(spokes[3].b.y, 208.8625, 1e-9);  // 217 x 0.9625

  // Truncated to tenths: 29.96 reads 29.9, never 30.0.
  const struct {
    double display;
    const char* text;
  } texts[] = {{29.96 * 6, "29.9"}, {12.345 * 6, "12.3"}, {180, "0.0"}, {75, "12.5"}, {255, "12.5"}};
  for (const auto& t : texts) EXPECT_EQ(DeclinationLabelText(t.display), t.text) << t.display;
}

}  // namespace
}  // namespace orv
