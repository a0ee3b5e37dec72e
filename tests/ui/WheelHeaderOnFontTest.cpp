// The wheel's header blocks on the glyph font's own measures: every line
// read whole, on the window at the size it opens at and on a small screen,
// and on paper.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "../wheels/WheelTestCharts.h"
#include "FontMeasuredCanvas.h"
#include "TestGlyphFont.h"
#include "commands/DualWheelCommands.h"
#include "commands/WheelCommands.h"
#include "core/OptionNumbers.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPaint.h"

namespace orv {
namespace {

// A second person: 14 Jul 1976, 8:30 at Chicago.
const ChartInputFields kChicago{"7",  "14", "1976", "8", "30", "5", "87",
                                "39", "41", "51",   "",  false, false, false};

std::vector<std::string> Words(const std::vector<std::string>& lines) {
  std::vector<std::string> words;
  for (const std::string& line : lines) {
    std::istringstream in(line);
    for (std::string w; in >> w;) words.push_back(w);
  }
  return words;
}

// A text's box in device units (y down): left, top, right, bottom.
struct Box {
  double left, top, right, bottom;
  // Rows a line apart touch: a hundredth of a pixel is rounding.
  bool Overlaps(const Box& o) const {
    constexpr double kSlack = 0.01;
    return left < o.right - kSlack && o.left < right - kSlack && top < o.bottom - kSlack &&
           o.top < bottom - kSlack;
  }
  bool Inside(double width, double height) const {
    return left >= 0 && top >= 0 && right <= width && bottom <= height;
  }
};

Box BoxOf(const test::FontMeasuredCanvas& canvas, const CanvasRecord& text) {
  const UserPoint at = canvas.ToDevice(text.a);
  const auto size = canvas.Measured(text);
  return {at.x, at.y, at.x + size.width, at.y + size.height};
}

// Whether the segment from `a` to `b` (device units) crosses `box`.
bool Crosses(UserPoint a, UserPoint b, const Box& box) {
  constexpr int kSteps = 200;
  for (int i = 0; i <= kSteps; ++i) {
    const double t = double(i) / kSteps;
    const double x = a.x + t * (b.x - a.x), y = a.y + t * (b.y - a.y);
    if (x > box.left && x < box.right && y > box.top && y < box.bottom) return true;
  }
  return false;
}

// What is amiss with the header rows `rows` (the paint's last texts) of a
// wheel whose other records are `wheel`: a row cut, words lost, a row
// outside the surface or over another row, a label, a line or a circle.
std::vector<std::string> HeaderFaults(const test::FontMeasuredCanvas& canvas,
                                      const std::vector<CanvasRecord>& rows,
                                      const std::vector<CanvasRecord>& wheel,
                                      const WheelRequest& request) {
  std::vector<std::string> faults;
  std::vector<std::string> lines, shown;
  for (const WheelHeaderLines* block : {&request.InnerWheelHeader, &request.OuterWheelHeader})
    lines.insert(lines.end(), block->begin() + 1, block->end());
  for (const CanvasRecord& row : rows) shown.push_back(row.text);
  if (Words(shown) != Words(lines)) faults.push_back("the rows do not hold the lines' words");
  const UserPoint centre = canvas.ToDevice({0, 0});
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (rows[r].text.empty()) continue;
    const std::string row = "\"" + rows[r].text + "\"";
    const Box box = BoxOf(canvas, rows[r]);
    if (rows[r].text.ends_with("...")) faults.push_back(row + " cut");
    if (!box.Inside(canvas.DeviceWidth(), canvas.DeviceHeight()))
      faults.push_back(row + " outside the surface");
    for (std::size_t o = 0; o < r; ++o)
      if (!rows[o].text.empty() && box.Overlaps(BoxOf(canvas, rows[o])))
        faults.push_back(row + " over \"" + rows[o].text + "\"");
    for (const CanvasRecord& w : wheel) {
      if (w.kind == CanvasRecord::Kind::Text && !w.text.empty() &&
          box.Overlaps(BoxOf(canvas, w)))
        faults.push_back(row + " over the label \"" + w.text + "\"");
      if (w.kind == CanvasRecord::Kind::Line &&
          Crosses(canvas.ToDevice(w.a), canvas.ToDevice(w.b), box))
        faults.push_back(row + " across a line");
      if (w.kind == CanvasRecord::Kind::Circle) {
        const double radius = w.radius * canvas.DeviceUnitsPerUserX();
        const double nearX = std::clamp(centre.x, box.left, box.right) - centre.x;
        const double nearY = std::clamp(centre.y, box.top, box.bottom) - centre.y;
        double far = 0;
        for (double x : {box.left, box.right})
          for (double y : {box.top, box.bottom})
            far = std::max(far, std::hypot(x - centre.x, y - centre.y));
        if (std::hypot(nearX, nearY) < radius && far > radius)
          faults.push_back(row + " across a circle");
      }
    }
  }
  return faults;
}

TEST(WheelHeaderOnFont, EveryLineReadsWholeClearOfTheWheelOnEverySurface) {
  test::GlyphFont font;
  using enum DualWheelKind;
  const struct {
    const char* what;
    test::WheelChart chart;
    std::optional<DualWheelKind> dual;  // none: the natal wheel
    bool secondPerson;
  } cases[] = {
      {"Chiron left out", test::WheelChart::BeforeChiron, std::nullopt, false},
      {"helio two-chart", test::WheelChart::Ordinary, DisplayHelio, false},
      {"helio latitudes two-chart", test::WheelChart::Ordinary, DisplayHelioLatitudes, false},
      {"helio two-chart of two persons", test::WheelChart::Ordinary, DisplayHelio, true},
      {"helio latitudes of two persons", test::WheelChart::BeforeChiron, DisplayHelioLatitudes,
       true},
      {"natal", test::WheelChart::Ordinary, std::nullopt, false},
      {"two-ring", test::WheelChart::Crowded, Display, false},
      {"two-ring of two persons", test::WheelChart::Ordinary, Display, true},
      {"combined of two persons", test::WheelChart::Stellium, TransitsVsNatal, true},
  };
  const struct {
    const char* what;
    double width, height, dpi;
    bool printing;
  } surfaces[] = {
      {"opening size", 800, 600, 96, false},      {"800x600 screen", 775, 555, 96, false},
      {"opening size at 120 dpi", 1000, 750, 120, false}, {"Letter", 768, 1008, 96, true},
      {"A4", 746, 1074, 96, true},
  };
  for (const auto& c : cases) {
    Workbench wb;
    test::ComputeWheelChart(wb, c.chart, c.secondPerson ? &kChicago : nullptr);
    wb.Options[OptionNumber::AspectGridOnPrint] = 0;  // the header ends the page
    const SecondPersonBox box{c.secondPerson, c.secondPerson ? "Arthur Pendleton" : "2nd Person"};
    test::RecordingHost host;
    if (c.dual)
      PrepareDualWheelCommand(wb, *c.dual, box);
    else
      PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
    const WheelPaintInputs in = test::PaintInputsOf(wb);
    for (const auto& s : surfaces) {
      test::FontMeasuredCanvas canvas(s.width, s.height, s.dpi), header(s.width, s.height, s.dpi);
      if (s.printing)
        PaintWheelPrinter(canvas, in, {});
      else
        PaintWheelWindow(canvas, in, StartScaleFor(s.width, s.height).value());
      // The same scale and font scale, the header alone: as many texts as
      // the paint ends with.
      header.SetScale(canvas.ScaleLeft(), canvas.ScaleTop(), canvas.ScaleLeft() + canvas.ScaleWidth(),
                      canvas.ScaleTop() + canvas.ScaleHeight());
      header.SetFontScale(canvas.FontScale());
      DrawTitleBlock(header, in, s.printing, {});
      const std::size_t count = header.Texts().size();
      std::vector<CanvasRecord> wheel = canvas.Records();
      std::vector<CanvasRecord> rows;
      while (rows.size() < count && !wheel.empty()) {
        if (wheel.back().kind == CanvasRecord::Kind::Text) rows.insert(rows.begin(), wheel.back());
        wheel.pop_back();
      }
      for (const std::string& fault : HeaderFaults(canvas, rows, wheel, *wb.Wheel))
        ADD_FAILURE() << c.what << " on the " << s.what << ": " << fault;
    }
  }
}

}  // namespace
}  // namespace orv
