// The icon strip of the fourth category, the 3D tools: "a903.kvr".
//
// The solid figures are drawn the way the tools draw them, as nested rings in the ten shades of
// one colour row, so the icon shows the very look the child will get.
#include <algorithm>
#include <cmath>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"
#include "strip.h"

namespace art {

namespace {

// 3D BALL: a shaded ball bouncing on its shadow.
void Ball(Painter& p, double t) {
  Tile(p, Shade(kYellow, 0));
  const double y = 4 + 9 * t * t, squash = t > 0.9 ? 2 : 0;
  const double w = 7 + 5 * t;
  p.NoPen().Brush(Shade(kGrey, 3)).Ellipse(20 - w, 32, 20 + w, 37);
  DrawShaded(p, 8 - squash, y + squash, 32 + squash, y + 24, kRed, 1, 2);
  p.Pen(kBlack, 1).NoBrush().Ellipse(8 - squash, y + squash, 32 + squash, y + 24);
}

// 3D RECTANGLE: a bevelled frame growing out from its corner.
void Rect3d(Painter& p, double t) {
  Tile(p, Shade(kSky, 0));
  const double r = 16 + 18 * t, b = 14 + 20 * t;
  DrawShaded(p, 5, 5, r, b, kSky, 2, 2);
  p.Pen(kBlack, 1).NoBrush().Rect(5, 5, r, b);
}

// 3D ROUNDED RECTANGLE: a gemstone with a twinkle.
void RoundRect3d(Painter& p, double t) {
  Tile(p, Shade(kViolet, 9));
  DrawShaded(p, 6, 9, 34, 31, kGreen, 3, 2);
  p.Pen(kBlack, 1).NoBrush().Round(6, 9, 34, 31, 14);
  DrawSparkle(p, {12 + 4 * t, 14}, 2 + 3 * t, kWhite);
  DrawSparkle(p, {30, 28}, 4 - 3 * t, Shade(kYellow, 1));
}

// A ring seen at a slant: a wide dark band with a light stripe along its top.
void Ring(Painter& p, Pt c, double rx, double ry, int row) {
  p.Pen(kBlack, 6).NoBrush().Ellipse(c.x - rx, c.y - ry, c.x + rx, c.y + ry);
  p.Pen(Shade(row, 7), 4).Ellipse(c.x - rx, c.y - ry, c.x + rx, c.y + ry);
  p.Pen(Shade(row, 2), 1.5).Arc(c.x - rx, c.y - ry, c.x + rx, c.y + ry, 30, 170);
}

// 3D RING: a chain of rings, one more link on each frame.
void Ring3d(Painter& p, double t) {
  Tile(p, Shade(kPeach, 0));
  const int links = 2 + static_cast<int>(std::lround(t * 2));
  const int rows[] = {kOrange, kYellow, kOrange, kYellow};
  for (int i = 0; i < links; ++i) Ring(p, {9 + 7.5 * i, 28 - 6.5 * i}, 6, 6, rows[i]);
}

// 3D RIBBON: a shaded band curling across, drawn further on each frame.
void Ribbon(Painter& p, double t) {
  Tile(p, Shade(kGreen, 0));
  const double len = 0.25 + 0.75 * t;
  const auto outer = WavePoints(4, 34, 21, 8, 1, len);
  p.Pen(kBlack, 10).Lines(outer);
  for (int k = 0; k < 4; ++k) {
    const auto band = WavePoints(4, 34, 21 + 3 - 2 * k, 8, 1, len);
    p.Pen(Shade(kMagenta, 8 - 2 * k), 3 - 0.5 * k).Lines(band);
  }
}

// LASER LINE: a glowing beam shooting from a ray gun.
void Laser(Painter& p, double t) {
  Tile(p, Shade(kBlue, 9));
  const Pt s{12, 28};
  const double len = 6 + 22 * t;
  const Pt e{s.x + len * 0.87, s.y - len * 0.5};
  p.Pen(Shade(kRed, 8), 7).Line(s.x, s.y, e.x, e.y);
  p.Pen(Shade(kRed, 4), 4).Line(s.x, s.y, e.x, e.y);
  p.Pen(Shade(kRed, 0), 2).Line(s.x, s.y, e.x, e.y);
  p.Pen(kWhite, 1).Line(s.x, s.y, e.x, e.y);
  DrawSparkle(p, e, 3, Shade(kYellow, 3));
  // The ray gun: barrel, dish and handle.
  const Axis gun{{12, 28}, 210};
  p.Style(kBlack, Shade(kGreen, 4), 1).Poly({gun(0, -2), gun(9, -3), gun(9, 3), gun(0, 2)});
  const Pt g = gun(9, 0);
  p.Style(kBlack, Shade(kLime, 4), 1).Circle(g.x, g.y, 3.5);
  const Pt h0 = gun(7, 2), h1 = gun(11, 8);
  p.Pen(kBlack, 4).Line(h0.x, h0.y, h1.x, h1.y);
  p.Pen(Shade(kGrey, 6), 2).Line(h0.x, h0.y, h1.x, h1.y);
}

// CUBE: a shaded box turning a little.
void Cube(Painter& p, double t) {
  Tile(p, Shade(kSky, 0));
  const double s = 16, dx = 3 + 6 * t, dy = 8 - 3 * t;
  const double x0 = 8, y0 = 13 + (8 - dy) / 2;
  p.Style(kBlack, Shade(kOrange, 2), 1)
      .Poly({{x0, y0}, {x0 + dx, y0 - dy}, {x0 + s + dx, y0 - dy}, {x0 + s, y0}});
  p.Style(kBlack, Shade(kOrange, 7), 1)
      .Poly({{x0 + s, y0}, {x0 + s + dx, y0 - dy}, {x0 + s + dx, y0 + s - dy}, {x0 + s, y0 + s}});
  p.Style(kBlack, Shade(kOrange, 4), 1).Rect(x0, y0, x0 + s + 1, y0 + s + 1);
}

// SPREADER: a spreading knife blending two colours where they meet.
void Spreader(Painter& p, double t) {
  Tile(p, Shade(kRed, 5));
  p.NoPen().Brush(Shade(kYellow, 6)).Round(20, 2, 39, 39, 10);
  p.Rect(20, 2, 30, 39);
  // The blended dots: each takes the colour of the other side, across the seam.
  const double reach = 8 * t + 2;
  for (int i = 0; i < 60; ++i) {
    const double y = 4 + 32 * Jitter(i, 21), d = reach * Jitter(i, 22);
    const bool left = i % 2;
    p.Blob(left ? 20 - d : 20 + d, y, 2, left ? Shade(kYellow, 6) : Shade(kRed, 5));
  }
  TileOutline(p);
  const double y = 8 + 20 * t;
  p.Style(kBlack, Shade(kGrey, 2), 1).Poly({{14, y + 4}, {26, y + 4}, {24, y - 4}, {16, y - 4}});
  p.Style(kBlack, Shade(kBrown, 3), 1).Round(17, y - 12, 23, y - 3, 3);
}

// SPLITTER: a sunset mirrored in rippling water.
void Splitter(Painter& p, double t) {
  Tile(p, Shade(kOrange, 0));
  p.Style(kBlack, Shade(kYellow, 6), 1).Pie(11, 9, 29, 27, 0, 180);
  p.Style(kBlack, Shade(kGreen, 7), 1).Poly({{2, 19}, {9, 12}, {15, 19}});
  TileBand(p, 18, 40, Shade(kBlue, 0));
  p.Pen(kBlack, 1).Line(2, 18, 38, 18);
  // The reflection is cut into strips, each shifted by its own ripple.
  for (int k = 0; k < 6; ++k) {
    const double y = 19 + 3 * k, shift = 2.5 * std::sin(2 * kPi * (0.6 * t + k * 0.3));
    const double half = 8.5 - 1.4 * k;
    if (half > 0) p.NoPen().Brush(Shade(kYellow, 6)).Rect(20 - half + shift, y, 20 + half + shift, y + 3);
    const double tri = 5.5 - 1.2 * k;
    if (tri > 0) p.NoPen().Brush(Shade(kGreen, 8)).Rect(8.5 - tri + shift, y, 8.5 + tri + shift, y + 3);
  }
}

// IRREGULAR SHAPE: a freehand outline drawn round and then filled.
void Irregular(Painter& p, double t) {
  Tile(p, Shade(kCyan, 0));
  std::vector<Pt> blob;
  const int n = 36;
  for (int i = 0; i <= n; ++i) {
    const double a = 2 * kPi * i / n;
    const double r = 12 + 3 * std::sin(3 * a) + 2 * std::cos(5 * a + 1);
    blob.push_back({19 + r * std::cos(a), 21 - r * std::sin(a)});
  }
  if (t > 0.9) {
    p.Style(kBlack, Shade(kMagenta, 4), 2).Poly(std::vector<Pt>(blob.begin(), blob.end() - 1));
    return;
  }
  const int shown = 6 + static_cast<int>((n - 6) * t / 0.9);
  std::vector<Pt> part(blob.begin(), blob.begin() + std::min(shown, n) + 1);
  p.Pen(kBlack, 2).NoBrush().Lines(part);
  DrawPencil(p, {part.back(), 60}, 20, 7, Shade(kYellow, 7), kThin);
}

}  // namespace

void Draw3dStrip(const fs::path& dir) {
  DrawStrip(dir / "a903.kvr",
            {Ball, Rect3d, RoundRect3d, Ring3d, Ribbon, Laser, Cube, Spreader, Splitter, Irregular});
}

}  // namespace art
