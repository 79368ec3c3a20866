// Figures that more than one picture needs: the pencil, chalk and quill of the tool icons are
// the same objects as the cursors of those tools and the pencil of the program icon.
//
// Long objects are placed by their working end ("tip") and the direction in which the rest of
// the object lies, in degrees as on a maths page (0 = to the right, 90 = upwards).
#pragma once

#include <vector>

#include "canvas.h"

namespace art {

// A local frame along an object: u runs from the tip along the object, v across it.
struct Axis {
  Pt tip;
  double degrees;
  Pt operator()(double u, double v) const;
};

// Outline width used by all props, in design units.
struct Look {
  double outline = 2;
  COLORREF ink = 0;  // outline colour
};

void DrawPencil(Painter& p, Axis a, double length, double width, COLORREF body, Look look = {});
void DrawChalk(Painter& p, Axis a, double length, double width, COLORREF colour, Look look = {});
void DrawQuill(Painter& p, Axis a, double length, double width, COLORREF vane, Look look = {});
// A block eraser lying flat, its working edge at the tip.
void DrawEraser(Painter& p, Axis a, double length, double width, Look look = {});
// A felt pen with a cap band, for the three-colour pen.
void DrawMarker(Painter& p, Axis a, double length, double width, COLORREF body, Look look = {});

// A paint brush: bristles dipped in `paint` at the tip, a metal band, a wooden handle. A flat
// brush has a broad square-cut head, as for lettering.
void DrawBrush(Painter& p, Axis a, double length, double width, COLORREF paint, bool flat = false,
               Look look = {});
// A magic wand: a black stick with a white end and a star at the tip.
void DrawWand(Painter& p, Axis a, double length, double width, COLORREF star, Look look = {});

// Nested figures in the ten shades of a colour row, dark at the rim and lightest toward the light
// point, as the program's 3D tools draw them. kind: 1 ellipse, 2 rectangle, 3 rounded rectangle;
// light: 1 centre, 2 upper left, 3 top, 4 upper right, 5 lower left, 6 bottom, 7 lower right,
// 8 right, 9 left.
void DrawShaded(Painter& p, double l, double t, double r, double b, int row, int kind = 1, int light = 2);

// A little picture: sky, sun, a hill and a house, filling the box (no outline).
void DrawLandscape(Painter& p, double l, double t, double r, double b);
// A heart centred on c, `size` across.
void DrawHeart(Painter& p, Pt c, double size, COLORREF fill, Look look = {});

// A five-or-more-pointed star centred on c.
std::vector<Pt> StarPoints(Pt c, double outer, double inner, int points, double turn_degrees = 0);
void DrawStar(Painter& p, Pt c, double outer, double inner, COLORREF fill, Look look = {}, int points = 5,
              double turn_degrees = 0);
// A sparkle: four thin rays and a dot, drawn with the current pen colour.
void DrawSparkle(Painter& p, Pt c, double size, COLORREF colour);
// A round smiling face.
void DrawSmiley(Painter& p, Pt c, double radius, COLORREF fill, Look look = {});

// A repeatable number in [0, 1) for index i and a salt: scattered dots and speckles must come out
// the same on every run, so the pictures never use a seeded generator.
double Jitter(int i, int salt = 0);

// A smooth wave through x0..x1 at fraction t of its length (t = 1 is the whole wave).
std::vector<Pt> WavePoints(double x0, double x1, double y, double amplitude, double waves, double t,
                           double phase = 0);

}  // namespace art
