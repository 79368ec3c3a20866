// Drawing surfaces for the artwork generator.
//
// A `Canvas` is a true-colour bitmap with a device context of our raster layer. A `Painter`
// draws on it through that layer in "design units": every picture is drawn in a small fixed
// coordinate frame (a 40 x 40 icon, a 32 x 32 cursor) that the painter moves and scales onto
// the canvas, so one drawing routine can serve a frame of an icon strip, a cursor and a large
// program icon alike.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <numbers>
#include <string>
#include <vector>

#include "gdi/gdi.h"

namespace art {

using gdi::COLORREF;

inline constexpr double kPi = std::numbers::pi;

struct Pt {
  double x = 0;
  double y = 0;
};

class Canvas {
 public:
  Canvas(int width, int height, COLORREF background);
  int Width() const { return width_; }
  int Height() const { return height_; }
  const gdi::HDC& Dc() const { return dc_; }
  const gdi::HBITMAP& Bitmap() const { return bitmap_; }
  COLORREF Pixel(int x, int y) const;
  void SetPixel(int x, int y, COLORREF colour);
  // Writes the canvas as a Windows bitmap file; throws std::runtime_error when it cannot.
  void Save(const std::filesystem::path& file) const;

 private:
  int width_, height_;
  gdi::HBITMAP bitmap_;
  gdi::HDC dc_;
};

class Painter {
 public:
  // Design point (x, y) lands on canvas pixel (ox + x * scale, oy + y * scale).
  explicit Painter(Canvas& canvas, double ox = 0, double oy = 0, double scale = 1);
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;
  ~Painter();

  // Outline pen; width is in design units, at least one pixel. Wide pens have round ends.
  Painter& Pen(COLORREF colour, double width = 2);
  Painter& NoPen();
  Painter& Brush(COLORREF colour);
  Painter& NoBrush();
  // Pen and brush in one go: the usual "filled shape with a bold outline".
  Painter& Style(COLORREF outline, COLORREF fill, double width = 2) {
    return Pen(outline, width).Brush(fill);
  }

  void Rect(double l, double t, double r, double b);
  void Round(double l, double t, double r, double b, double corner);
  void Ellipse(double l, double t, double r, double b);
  void Circle(double cx, double cy, double radius) {
    Ellipse(cx - radius, cy - radius, cx + radius, cy + radius);
  }
  void Poly(const std::vector<Pt>& pts);
  void Poly(std::initializer_list<Pt> pts) { Poly(std::vector<Pt>(pts)); }
  void Line(double x1, double y1, double x2, double y2);
  void Lines(const std::vector<Pt>& pts);
  void Lines(std::initializer_list<Pt> pts) { Lines(std::vector<Pt>(pts)); }
  // Arc of the ellipse in the box, counter-clockwise from angle a0 to a1 (degrees, 0 = east,
  // 90 = north, as on a maths page).
  void Arc(double l, double t, double r, double b, double a0, double a1);
  void Pie(double l, double t, double r, double b, double a0, double a1);
  // One pixel (not scaled: a dot is always one pixel).
  void Dot(double x, double y, COLORREF colour);
  // A square of side `size` design units centred on (x, y), in the brush colour, no outline.
  void Blob(double x, double y, double size, COLORREF colour);

  // Lettering in a bold sans-serif face; `height` is the character height in design units.
  // align is a TA_* combination; the reference point is (x, y).
  void Text(double x, double y, const std::string& text, double height, COLORREF colour,
            unsigned align = gdi::TA_CENTER | gdi::TA_TOP);
  // The same with an outline `outline` design units thick all round.
  void OutlinedText(double x, double y, const std::string& text, double height, COLORREF colour,
                    COLORREF outline_colour, double outline, unsigned align = gdi::TA_CENTER | gdi::TA_TOP);
  // Width of the lettering in design units.
  double TextWidth(const std::string& text, double height);
  // Lettering drawn after this turns counter-clockwise by `degrees` about its reference point.
  Painter& TextAngle(double degrees) {
    text_angle_ = degrees;
    return *this;
  }

  int X(double x) const;
  int Y(double y) const;
  int Len(double d) const;  // a design length in pixels, at least 1
  double Scale() const { return scale_; }
  const gdi::HDC& Dc() const { return canvas_.Dc(); }

 private:
  gdi::HFONT MakeFont(double height) const;
  std::vector<gdi::POINT> Map(const std::vector<Pt>& pts) const;
  void ArcPoints(double l, double t, double r, double b, double a0, double a1, gdi::POINT& s,
                 gdi::POINT& e) const;

  Canvas& canvas_;
  double ox_, oy_, scale_;
  double text_angle_ = 0;
  gdi::HGDIOBJ old_pen_, old_brush_;
};

// Splits a figure drawn on a canvas of colour `clear` into the two planes of a cursor or an icon
// and writes them one above the other: rows 0..h-1 the AND mask (white where the screen shows
// through, black where the figure covers it), rows h..2h-1 the image (black where transparent).
// With `rim`, every clear pixel touching the figure becomes an opaque white rim, so the figure
// stays visible on a background as dark as its outline.
void SaveMasked(const Canvas& art, COLORREF clear, bool rim, const std::filesystem::path& file);

// Points along a straight line from a to b at fraction t.
Pt Lerp(Pt a, Pt b, double t);

}  // namespace art
