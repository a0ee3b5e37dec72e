#pragma once
// Paints a prepared wheel on a drawing surface, once for the window and once
// for the printed page, each in its own coordinate system: the frame, the
// cusp labels, the intercepted signs, the point labels and the title block.
// Reads the prepared request, the option values and the position tables;
// writes nothing else.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/NumberFile.h"
#include "platform/Canvas.h"
#include "wheels/AspectLines.h"
#include "wheels/WheelPlacement.h"
#include "wheels/WheelRequest.h"

namespace orv {

struct WheelPlan;

struct WheelPaintInputs {
  const WheelRequest* request = nullptr;
  const OptionValues* options = nullptr;
  const std::array<std::int16_t, 361>* radiusTable = nullptr;  // RADIUS.DAT
  const std::array<std::int16_t, 121>* hcDataTable = nullptr;  // HCDATA.DAT
  int typeChart = 0;  // `TypeChart`: 0 American, 1 European
  // The orbs of the request's orb file; none (a file that cannot be read)
  // draws no aspect lines rather than lines by some earlier file's orbs.
  const OrbTable* orbs = nullptr;
  // The wheel window's "3 Degree Orbs" and "Display sextiles" (the paint
  // sets the declination rule from the request).
  AspectLineTests lineTests;
  // `BlackWhitePrint`: the window paint for the half-page print: white
  // background, black spokes, harmonious lines in black.
  bool blackWhite = false;
};

// The placement inputs of the request's (single) wheel.
SingleWheelInputs SingleWheelInputsOf(const WheelPaintInputs& in);

// What the paints of a wheel keep between them: the plan of the last fit,
// with the values of the inputs and the measures of the surface it was
// fitted for. A paint of the same on a surface that measures the same
// draws the kept plan rather than fitting again; any change fits afresh.
// Whoever paints a wheel again and again (the wheel window) keeps one for
// each kind of surface.
class WheelPaint {
 public:
  WheelPaint();
  ~WheelPaint();
  WheelPaint(const WheelPaint&) = delete;
  WheelPaint& operator=(const WheelPaint&) = delete;

  // The plan of `in` on `surface`, whose scale and font scale are set:
  // the kept one, or a fresh fit, then kept. On paper (`printing`) the
  // two-ring wheel's labels keep out of `gridBox`.
  const WheelPlan& Plan(const Canvas& surface, const WheelPaintInputs& in, bool printing,
                        const std::optional<std::array<UserPoint, 2>>& gridBox);
  // The aspect lines' layout kept with the last plan (none until laid out).
  std::optional<std::vector<LaidAspectLine>>& Lines();

 private:
  struct Kept;
  std::unique_ptr<Kept> kept_;
};

// The window paint at `startScale`: clears to option 100's colour (white in
// black and white) and draws the whole wheel, with the aspect lines when
// option 47 is exactly 1; its texts at the surface's `WindowFontScale`,
// which the canvas keeps. With `paint`, from its kept plan where that was
// fitted for the same.
void PaintWheelWindow(Canvas& canvas, const WheelPaintInputs& in, int startScale);
void PaintWheelWindow(Canvas& canvas, const WheelPaintInputs& in, int startScale,
                      WheelPaint& paint);

// The printed page's paint, on a page already begun: its own scale (265, or
// 272 for a European single wheel) and the printer's options, the aspect
// lines as on the window. With option
// 174 not 0 it calls `personalHeader` for PERSONAL.NAM's lines (nothing when
// the file cannot be read) and prints them right-aligned at the top right.
// With option 178 not 0 the aspect grid comes last. With `paint`, as the
// window paint.
void PaintWheelPrinter(
    Canvas& canvas, const WheelPaintInputs& in,
    const std::function<std::optional<std::vector<std::string>>()>& personalHeader);
void PaintWheelPrinter(
    Canvas& canvas, const WheelPaintInputs& in,
    const std::function<std::optional<std::vector<std::string>>()>& personalHeader,
    WheelPaint& paint);

// The header block: the seven inner lines from the top-left corner and the
// seven outer lines eight (on paper: option 191) line heights above the
// bottom; on paper also the personal header. A row ends left of the
// `labels` (boxes: top-left, bottom-right) beside it.
void DrawTitleBlock(Canvas& canvas, const WheelPaintInputs& in, bool printing,
                    const std::function<std::optional<std::vector<std::string>>()>& personalHeader,
                    std::span<const std::array<UserPoint, 2>> labels = {});

// The frame of the combined two-chart arrangement: twelve equal spokes
// (from the centre on the window, from radius 40 on paper), circles of
// radius 217, 138, 62 and 40, and on the window the centre disc in the
// background colour (white for `blackWhite`, which also blackens the spokes).
void DrawCombinedFrame(Canvas& canvas, const OptionValues& options, bool printing, bool blackWhite);

// The degree text of a declination wheel's label: the magnitude the display
// angle `displayDeg` stands for, truncated to tenths ("#0.0"): 29.96 reads
// 29.9.
std::string DeclinationLabelText(double displayDeg);

}  // namespace orv
