// The wheel's header lines and what the paint draws, recorded on the
// recording surface.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "RecordingCanvas.h"
#include "RecordingHost.h"
#include "WheelDump.h"
#include "WheelTestCharts.h"
#include "commands/WheelCommands.h"
#include "core/OptionNumbers.h"
#include "shell/OptionFiles.h"
#include "wheels/GlyphCodes.h"
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
  EXPECT_EQ(inner, (WheelHeaderLines{"", "Renée Doe - natal", "07 Mar 1962", "9.05 P.M. (5)",
                                     "73w59", "40n43", "07H  34M  24S ", "Equal - Ascendant"}));
  EXPECT_EQ(outer, WheelHeaderLines{});
  const std::tuple<float, float, const char*> times[] = {{10.3f, 5, "10.30 P.M. (5)"},
                                                         {12.0f, 0, "12.00 P.M. (0)"},
                                                         {9.05f, -3.5f, "9.05 P.M. (-3.5)"}};
  for (const auto& [time, zone, line] : times) {
    m.NatalInput.time = time;
    m.NatalInput.timeZone = zone;
    EXPECT_EQ(WheelTimeLine(m.NatalInput), line);
  }
  WheelHeaderLines lines;
  SetHouseSystemName("ea", lines);  // codes compare exactly
  EXPECT_EQ(lines[7], "");
  EXPECT_EQ(CompositeLatitudeLine("-33.5"), "Latitude = 33.5 South");
  EXPECT_EQ(CompositeLatitudeLine("99"), "Midpoint composite houses");
  EXPECT_EQ(CompositeLatitudeLine("0"), "Latitude = 0 North");
}

struct Painted {
  Workbench wb;
  WheelPaintInputs in;
  Painted() {
    test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
    test::RecordingHost host;
    PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
    in = test::PaintInputsOf(wb);
  }
};

std::vector<double> Radii(const RecordingCanvas& canvas) {
  std::vector<double> radii;
  for (const CanvasRecord& r : canvas.Records())
    if (r.kind == CanvasRecord::Kind::Circle && !r.startRad) radii.push_back(r.radius);
  return radii;
}

TEST(WheelPaint, WindowFrameLabelsAndTitle) {
  Painted p;
  RecordingCanvas canvas(800, 600, 96);
  PaintWheelWindow(canvas, p.in, 300);
  EXPECT_EQ(canvas.Records().front().color, QBColor(p.wb.Options[100]));  // cleared first
  EXPECT_DOUBLE_EQ(canvas.ScaleTop(), 225);                               // 800 by 600 at scale 300
  const auto lines = canvas.Lines();
  ASSERT_EQ(lines.size(), 12u);  // twelve spokes from 120 to 217, 0 to 330
  EXPECT_NEAR(lines[0].a.x, 120, 1e-9);
  EXPECT_NEAR(lines[11].b.x, 217 * std::cos(330 * 3.1415926535 / 180), 1e-6);
  EXPECT_EQ(Radii(canvas), (std::vector<double>{217, 120}));
  // Last come the 7 + 7 header lines at the left edge + 10, the outer block
  // eight lines above the bottom.
  const auto texts = canvas.Texts();
  ASSERT_GT(texts.size(), 60u + 14u);
  for (std::size_t k = 0; k < 14; ++k) {
    const CanvasRecord& line = texts[texts.size() - 14 + k];
    EXPECT_DOUBLE_EQ(line.a.x, -290) << k;
    EXPECT_EQ(line.text, k < 7 ? p.wb.Wheel->InnerWheelHeader[k + 1] : "") << k;
  }
  EXPECT_DOUBLE_EQ(texts[texts.size() - 14].a.y, 225);
  EXPECT_DOUBLE_EQ(texts[texts.size() - 7].a.y, -225 + 8 * canvas.TextHeight(""));
  // A retrograde mark for each retrograde point drawn.
  const auto& flags = p.wb.Wheel->RetroFlags;
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](const CanvasRecord& t) {
                            return t.text == GlyphText(GlyphCode::RetrogradeMark);
                          }),
            std::count(flags.begin(), flags.end(), 'R'));
}

// A name too long for its row wraps at a word onto a second row, clear of
// the wheel's labels, and the lines below it move down a row; only a word
// wider than its row is cut with "...", a multi-byte letter never split.
TEST(WheelPaint, LongHeaderLinesWrapAndOnlyALongWordIsCut) {
  Painted p;
  const std::string name =
      "Renée Doe-Maximiliane Theresia von Habsburg-Lothringen und Toskana-Este - natal";
  p.wb.Wheel->InnerWheelHeader[1] = name;
  RecordingCanvas canvas(800, 600, 96);
  PaintWheelWindow(canvas, p.in, 320);
  auto texts = canvas.Texts();
  const CanvasRecord head = texts[texts.size() - 15], rest = texts[texts.size() - 14];
  EXPECT_EQ(head.text + " " + rest.text, name);
  // Each ends left of the MC's label, the only one at their heights.
  canvas.SetFontSize(head.font.points);
  for (const CanvasRecord& row : {head, rest}) {
    EXPECT_LE(row.a.x + canvas.TextWidth(row.text), -21) << row.text;
  }
  EXPECT_DOUBLE_EQ(rest.a.y, head.a.y - canvas.TextHeight(""));
  EXPECT_EQ(texts[texts.size() - 13].text, p.wb.Wheel->InnerWheelHeader[2]);

  p.wb.Wheel->InnerWheelHeader[1] =
      "Renée-Maximiliane-Theresia-von-Habsburg-Lothringen-und-Toskana";
  RecordingCanvas again(800, 600, 96);
  PaintWheelWindow(again, p.in, 320);
  texts = again.Texts();
  const CanvasRecord& cut = texts[texts.size() - 14];
  EXPECT_EQ(cut.text.substr(0, 6), "Renée");
  EXPECT_EQ(cut.text.substr(cut.text.size() - 3), "...");
  EXPECT_EQ(texts[texts.size() - 13].text, p.wb.Wheel->InnerWheelHeader[2]);
}

TEST(WheelPaint, PrintedPageAndItsPersonalHeader) {
  Painted p;
  int reads = 0;
  const auto reader = [&]() -> std::optional<std::vector<std::string>> {
    ++reads;
    return std::vector<std::string>{"Astro Studio", "12 Main St"};
  };
  p.wb.Options[178] = 0;  // no aspect grid: the personal header ends the page
  for (int option174 : {0, 1}) {
    p.wb.Options[174] = float(option174);
    RecordingCanvas page(850, 1100, 100);
    PaintWheelPrinter(page, p.in, reader);
    EXPECT_EQ(reads, option174);  // option 174 at 0 does not open the file
    EXPECT_NEAR(page.ScaleLeft(), -255.0625, 1e-9);
    EXPECT_EQ(page.Records().front().radius, 217);  // circles first on paper
    if (option174 == 0) continue;
    // Right-aligned, ending option 177 units left of the right edge.
    const CanvasRecord last = page.Texts().back();
    EXPECT_EQ(last.text, "12 Main St");
    EXPECT_NEAR(last.a.x + page.TextWidth(last.text), 255.0625 - p.wb.Options[177], 1e-6);
  }
}

// A paint that keeps its plan draws from it only what a fresh paint draws:
// the same wheel on the same surface as the first time, any change (the
// chart's values in place, an option, the style, the window's size) fitted
// afresh; on paper as in the window.
TEST(WheelPaint, AKeptPlanIsDrawnOnlyForTheSameWheelOnTheSameSurface) {
  const struct {
    const char* what;
    std::function<void(Painted&)> change;
    double width;
    bool printing, same;
  } cases[] = {
      {"nothing", [](Painted&) {}, 800, false, true},
      {"nothing on paper", [](Painted&) {}, 768, true, true},
      {"the Sun's longitude", [](Painted& p) { p.wb.Wheel->Longitudes[1] += 3; }, 800, false,
       false},
      {"the Sun's longitude on paper", [](Painted& p) { p.wb.Wheel->Longitudes[1] += 3; }, 768,
       true, false},
      {"the glyphs' size", [](Painted& p) { p.wb.Options[OptionNumber::WheelPlanetFontSize] += 4; },
       800, false, false},
      {"the style", [](Painted& p) { p.in.typeChart = 1; }, 800, false, false},
      {"the window's width", [](Painted&) {}, 1000, false, false},
      {"the sextiles hidden", [](Painted& p) { p.in.lineTests.sextiles = false; }, 800, false,
       false},
  };
  for (const auto& c : cases) {
    Painted p;
    // With its aspect lines, which a kept plan keeps laid out too.
    p.wb.Options[OptionNumber::SingleWheelAspectLines] = 1;
    const std::optional<OrbTable> orbs = LoadOrbTable(nullptr, p.wb.Wheel->OrbFile);
    ASSERT_TRUE(orbs);
    p.in.orbs = &*orbs;
    WheelPaint kept;
    const auto dump = [&](double width, WheelPaint* with) {
      RecordingCanvas canvas(width, c.printing ? 1008 : 600, 96);
      if (c.printing && with) PaintWheelPrinter(canvas, p.in, {}, *with);
      if (c.printing && !with) PaintWheelPrinter(canvas, p.in, {});
      if (!c.printing && with) PaintWheelWindow(canvas, p.in, 300, *with);
      if (!c.printing && !with) PaintWheelWindow(canvas, p.in, 300);
      return test::DrawCallDump(canvas);
    };
    const std::string first = dump(c.printing ? 768 : 800, &kept);
    c.change(p);
    const std::string again = dump(c.width, &kept);
    EXPECT_EQ(again, dump(c.width, nullptr)) << c.what;
    EXPECT_EQ(again == first, c.same) << c.what;
  }
}

TEST(WheelPaint, CombinedFrameAndDeclinationText) {
  OptionValues o{};
  RecordingCanvas window(800, 600, 96), paper(800, 1000, 96);
  window.SetScale(-300, 225, 300, -225);
  paper.SetScale(-250, 156.25, 250, -156.25);  // units twice as tall as wide
  DrawCombinedFrame(window, o, false, false);
  EXPECT_EQ(Radii(window), (std::vector<double>{217, 138, 62, 40, 40, 40}));
  EXPECT_TRUE(window.Records()[window.Records().size() - 2].fill.has_value());  // the disc
  DrawCombinedFrame(paper, o, true, false);
  const auto spokes = paper.Lines();
  ASSERT_EQ(spokes.size(), 12u);
  EXPECT_NEAR(spokes[3].a.y, 20, 1e-9);  // on the circles, half as far up in user units
  EXPECT_NEAR(spokes[3].b.y, 108.5, 1e-9);
  // Truncated to tenths: 29.96 reads 29.9, never 30.0.
  const std::pair<double, const char*> texts[] = {
      {29.96 * 6, "29.9"}, {12.345 * 6, "12.3"}, {180, "0.0"}, {75, "12.5"}, {255, "12.5"}};
  for (const auto& [display, text] : texts) EXPECT_EQ(DeclinationLabelText(display), text);
}

}  // namespace
}  // namespace orv
