// The icon strip of the fifth category, the shapes: "a904.kvr".
//
// Every shape is dragged out from its top left corner as the child does it: the figure grows
// with the drag, and a little crosshair marks the corner being pulled.
#include <cmath>
#include <functional>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"
#include "strip.h"

namespace art {

namespace {

// Draws a shape filling the box (l, t) - (r, b) with the current pen and brush.
using ShapeRoutine = std::function<void(Painter&, double l, double t, double r, double b)>;

// Points of a polygon given in fractions of its box.
std::vector<Pt> InBox(double l, double t, double r, double b, std::initializer_list<Pt> fractions) {
  std::vector<Pt> pts;
  for (const Pt& f : fractions) pts.push_back({l + (r - l) * f.x, t + (b - t) * f.y});
  return pts;
}

// A regular polygon of `sides` filling the box.
std::vector<Pt> RegularInBox(double l, double t, double r, double b, int sides, double turn) {
  std::vector<Pt> pts;
  for (int i = 0; i < sides; ++i) {
    const double a = (turn + 360.0 * i / sides) * kPi / 180;
    pts.push_back({(l + r) / 2 + (r - l) / 2 * std::sin(a), (t + b) / 2 - (b - t) / 2 * std::cos(a)});
  }
  return pts;
}

IconRoutine DraggedShape(COLORREF tile, COLORREF fill, ShapeRoutine shape) {
  return [=](Painter& p, double t) {
    Tile(p, tile);
    const double l = 5, top = 5, r = 17 + 16 * t, b = 17 + 16 * t;
    p.Style(kBlack, fill, 2);
    shape(p, l, top, r, b);
    // The crosshair at the corner the mouse pulls.
    p.Pen(kBlack, 1).Line(r - 4, b, r + 5, b);
    p.Line(r, b - 4, r, b + 5);
  };
}

}  // namespace

void DrawShapeStrip(const fs::path& dir) {
  const std::vector<IconRoutine> icons = {
      // ELLIPSE
      DraggedShape(Shade(kYellow, 0), Shade(kRed, 5),
                   [](Painter& p, double l, double t, double r, double b) { p.Ellipse(l, t + 3, r, b - 3); }),
      // RECTANGLE
      DraggedShape(Shade(kSky, 0), Shade(kBlue, 0),
                   [](Painter& p, double l, double t, double r, double b) { p.Rect(l, t + 2, r, b - 2); }),
      // TRIANGLE
      DraggedShape(Shade(kPink, 0), Shade(kGreen, 4),
                   [](Painter& p, double l, double t, double r, double b) {
                     p.Poly(InBox(l, t, r, b, {{0.5, 0}, {1, 1}, {0, 1}}));
                   }),
      // ROUNDED RECTANGLE
      DraggedShape(Shade(kGreen, 0), Shade(kOrange, 4),
                   [](Painter& p, double l, double t, double r, double b) {
                     p.Round(l, t + 2, r, b - 2, (r - l) / 2.5);
                   }),
      // TRAPEZOID
      DraggedShape(Shade(kViolet, 0), Shade(kCyan, 5),
                   [](Painter& p, double l, double t, double r, double b) {
                     p.Poly(InBox(l, t, r, b, {{0.25, 0.15}, {0.75, 0.15}, {1, 0.85}, {0, 0.85}}));
                   }),
      // DIAMOND
      DraggedShape(Shade(kPeach, 0), Shade(kMagenta, 5),
                   [](Painter& p, double l, double t, double r, double b) {
                     p.Poly(InBox(l, t, r, b, {{0.5, 0}, {1, 0.5}, {0.5, 1}, {0, 0.5}}));
                   }),
      // HEXAGON
      DraggedShape(Shade(kCyan, 0), Shade(kYellow, 6),
                   [](Painter& p, double l, double t, double r, double b) {
                     p.Poly(RegularInBox(l, t, r, b, 6, 90));
                   }),
      // OCTAGON
      DraggedShape(Shade(kLime, 0), Shade(kViolet, 5),
                   [](Painter& p, double l, double t, double r, double b) {
                     p.Poly(RegularInBox(l, t, r, b, 8, 22.5));
                   }),
      // STAR
      DraggedShape(Shade(kBlue, 8), Shade(kYellow, 5),
                   [](Painter& p, double l, double t, double r, double b) {
                     const double s = (r - l) / 2;
                     p.Poly(StarPoints({(l + r) / 2, (t + b) / 2 + s * 0.1}, s * 1.05, s * 0.45, 5));
                   }),
      // PARALLELOGRAM
      DraggedShape(Shade(kOrange, 0), Shade(kPink, 4),
                   [](Painter& p, double l, double t, double r, double b) {
                     p.Poly(InBox(l, t, r, b, {{0.3, 0.15}, {1, 0.15}, {0.7, 0.85}, {0, 0.85}}));
                   }),
  };
  DrawStrip(dir / "a904.kvr", icons);
}

}  // namespace art
