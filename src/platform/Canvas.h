#pragma once
// The drawing surface of the chart wheels and the printed pages: a user
// coordinate system set from the surface's edges (y may point up), a current
// position, lines, circles and arcs that stay round on the device, text
// printed from its top-left corner in a font kept as state, and the
// 16-colour palette. The Qt layer draws on windows, images and printers;
// the tests' RecordingCanvas records.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orv {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// `QBColor`: colour `number` of the classic 16-colour palette (0 black,
// 1 blue, ... 7 light grey, 8 dark grey, 9 light blue, ... 15 white). The
// number is rounded to the nearest whole number (halves to even), as colour
// options are; outside 0..15 it is held at the nearest end.
Rgb QBColor(double number);

struct UserPoint {
  double x = 0;
  double y = 0;
  bool operator==(const UserPoint&) const = default;
};

struct CanvasFont {
  std::string family = "Times New Roman";
  double points = 10;
  bool bold = false;
  bool operator==(const CanvasFont&) const = default;
};

// How a circle is drawn beyond its centre and radius.
struct CircleStyle {
  std::optional<Rgb> color;  // the outline; the fore colour when not given
  std::optional<Rgb> fill;   // the inside, when given
  // An arc from `startRad` counter-clockwise to `endRad` (radians, 0 at
  // 3 o'clock as seen on the surface), nothing when the two meet; the whole
  // circle when not given.
  std::optional<double> startRad;
  std::optional<double> endRad;
};

// The surface. State (scale, position, colours, pen, font) lives here; an
// implementation turns the primitives into device drawing and measures text.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // The surface's size in device units (pixels or printer dots), > 0.
  virtual double DeviceWidth() const = 0;
  virtual double DeviceHeight() const = 0;
  // Device units per inch, at which a font's points become device units.
  virtual double DotsPerInch() const = 0;

  // `Scale`: user coordinates (left, top) at the surface's top-left corner and
  // (right, bottom) at its bottom-right; bottom < top makes y point up. The
  // current position moves to (left, top). Equal edges are ignored. Until
  // a scale is set, user units are device units.
  void SetScale(double left, double top, double right, double bottom);
  double ScaleLeft() const { return Edges().left; }
  double ScaleTop() const { return Edges().top; }
  double ScaleWidth() const { return Edges().right - Edges().left; }
  // Negative when y points up.
  double ScaleHeight() const { return Edges().bottom - Edges().top; }

  // `CurrentX`, `CurrentY`: where the next text starts (its top-left corner).
  void SetCurrent(UserPoint p) { current_ = p; }
  UserPoint Current() const { return current_; }

  void SetForeColor(Rgb c) { fore_ = c; }
  Rgb ForeColor() const { return fore_; }
  void SetBackColor(Rgb c) { back_ = c; }
  Rgb BackColor() const { return back_; }
  // `DrawWidth`: the pen width in pixels of 1/96 inch, at least 1.
  void SetDrawWidth(double px) { drawWidth_ = px < 1 ? 1 : px; }
  double DrawWidth() const { return drawWidth_; }

  // Font family, size in points and weight. A family the system lacks is
  // replaced by a face of the same kind (a serif for "Times New Roman").
  void SetFontName(std::string_view family) { font_.family = family; }
  void SetFontSize(double points) { font_.points = points; }
  void SetFontBold(bool bold) { font_.bold = bold; }
  const CanvasFont& Font() const { return font_; }
  // Texts are drawn and measured at this multiple of their font's size (the
  // font keeps its own): a wheel's labels grow with its window. 1 until set;
  // a scale of 0 or less is ignored.
  void SetFontScale(double scale) { fontScale_ = scale > 0 ? scale : fontScale_; }
  double FontScale() const { return fontScale_; }

  // `Cls`: fills the surface with the back colour; the position goes to the
  // top-left corner.
  void Clear();
  // `Line`: from `a` to `b` in `color` (the fore colour when not given), at
  // the pen width; the current position moves to `b`.
  void Line(UserPoint a, UserPoint b, std::optional<Rgb> color = std::nullopt);
  // `Circle`: radius in horizontal user units, kept round on the device.
  void Circle(UserPoint centre, double radius, const CircleStyle& style = {});
  // `Print`: `text` (UTF-8) with its top-left corner at the current position,
  // in the fore colour on a transparent background; then the position moves
  // to the left edge, one text height down the surface.
  void Print(std::string_view text);

  // `TextWidth`, `TextHeight` of `text` in the current font, in user units,
  // always positive (the height is one line of the font).
  double TextWidth(std::string_view text) const;
  double TextHeight(std::string_view text) const;
  // The same in `font` (its size before the font scale), whatever the
  // current font: what a text would take, measured without setting it.
  double TextWidth(std::string_view text, const CanvasFont& font) const;
  double TextHeight(std::string_view text, const CanvasFont& font) const;
  // Where `text`'s ink lies in the current font: the box around it, in user
  // units right and down the surface from the text's top-left corner.
  // Nothing where the surface has no outlines to measure, or the text no ink.
  struct Ink {
    double left = 0, top = 0, right = 0, bottom = 0;
  };
  std::optional<Ink> TextInk(std::string_view text) const;
  std::optional<Ink> TextInk(std::string_view text, const CanvasFont& font) const;

  // User to device coordinates and back (device y grows downward).
  UserPoint ToDevice(UserPoint p) const;
  double DeviceUnitsPerUserX() const;
  double DeviceUnitsPerUserY() const;

 protected:
  struct TextSize {
    double width = 0;   // device units
    double height = 0;  // device units, one line
  };

  // The primitives in user coordinates, with the state that applies.
  virtual void DoClear(Rgb back) = 0;
  virtual void DoLine(UserPoint a, UserPoint b, Rgb color, double widthPx) = 0;
  virtual void DoCircle(UserPoint centre, double radius, Rgb color, std::optional<Rgb> fill,
                        std::optional<double> startRad, std::optional<double> endRad,
                        double widthPx) = 0;
  virtual void DoText(UserPoint topLeft, std::string_view text, const CanvasFont& font,
                      Rgb color) = 0;
  // The same text in the same font measures the same for the canvas's life:
  // the canvas keeps each answer.
  virtual TextSize MeasureText(std::string_view text, const CanvasFont& font) const = 0;
  // `TextInk` in device units in `font` (its size the one drawn), measured
  // once for the canvas's life; a surface that only measures advances and
  // lines has none.
  virtual std::optional<Ink> MeasureInk(std::string_view /*text*/,
                                        const CanvasFont& /*font*/) const {
    return std::nullopt;
  }

 private:
  struct ScaleEdges {
    double left = 0, top = 0, right = 0, bottom = 0;
  };
  ScaleEdges Edges() const;
  CanvasFont ScaledFont() const;
  // A text's size in the current font, measured once: a wheel's fit
  // measures the same few texts at a few sizes many thousand times over,
  // and a device's text shaping is slow.
  TextSize Measured(std::string_view text, const CanvasFont& font) const;

  struct FontHash {
    std::size_t operator()(const CanvasFont& f) const {
      return std::hash<std::string>{}(f.family) ^ (std::hash<double>{}(f.points) * 31) ^
             std::size_t{f.bold};
    }
  };
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  using TextSizes = std::unordered_map<std::string, TextSize, TextHash, std::equal_to<>>;
  // The sizes measured, by font; the last few fonts' found again without a
  // search, since texts come in runs of one font or of a few taking turns
  // (a ring label's glyph, degrees and sign). A copied canvas measures
  // afresh.
  class MeasuredTexts {
   public:
    MeasuredTexts() = default;
    MeasuredTexts(const MeasuredTexts&) {}
    MeasuredTexts& operator=(const MeasuredTexts&) {
      byFont_.clear();
      recent_ = {};
      return *this;
    }
    TextSizes& In(const CanvasFont& font, double scale);

   private:
    std::unordered_map<CanvasFont, TextSizes, FontHash> byFont_;
    struct Recent {
      CanvasFont font;  // scaled
      TextSizes* sizes = nullptr;
    };
    std::array<Recent, 4> recent_;
    std::size_t next_ = 0;  // the one replaced next
  };

  std::optional<ScaleEdges> scale_;
  UserPoint current_;
  Rgb fore_ = QBColor(0);
  Rgb back_ = QBColor(15);
  double drawWidth_ = 1;
  CanvasFont font_;
  double fontScale_ = 1;
  mutable MeasuredTexts measured_;
  mutable std::unordered_map<
      CanvasFont, std::unordered_map<std::string, std::optional<Ink>, TextHash, std::equal_to<>>,
      FontHash>
      inks_;
};

}  // namespace orv
