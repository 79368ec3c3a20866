// The icon strip of the second category, the paints: "a901.kvr".
//
// Each icon shows the brush or tool at work and the mark it leaves, growing over the six frames
// and shrinking again as the program plays them back.
#include <algorithm>
#include <cmath>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"
#include "strip.h"

namespace art {

namespace {

// DRIP PAINT: a band of paint along the top with drips running down it.
void DripPaint(Painter& p, double t) {
  Tile(p, Shade(kYellow, 0));
  const COLORREF paint = Shade(kRed, 5);
  p.Style(kBlack, paint, 1).Round(3, 11, 29, 20, 6);
  const double starts[] = {7, 13, 19, 25}, speed[] = {0.9, 0.55, 1.0, 0.4};
  for (int i = 0; i < 4; ++i) {
    const double len = 2 + 15 * speed[i] * (0.2 + 0.8 * t);
    p.NoPen().Brush(paint).Rect(starts[i] - 1.5, 17, starts[i] + 1.5, 17 + len);
    p.Style(kBlack, paint, 1).Ellipse(starts[i] - 2.5, 15 + len, starts[i] + 2.5, 21 + len);
    p.NoPen().Brush(paint).Rect(starts[i] - 1, 16, starts[i] + 1.5, 18 + len);
  }
  p.Pen(Shade(kRed, 1), 1).Line(7, 13, 24, 13);
  DrawBrush(p, {{27, 15}, 52}, 20, 7, paint, false, kThin);
}

// TOUCH UP: a small brush laying a lighter shade over a coloured ball.
void TouchUp(Painter& p, double t) {
  Tile(p, Shade(kSky, 0));
  p.Style(kBlack, Shade(kGreen, 6), 2).Circle(18, 22, 13);
  // The shaded strokes follow the ball's upper left, one more on each frame.
  const int strokes = 1 + static_cast<int>(std::lround(t * 4));
  for (int i = 0; i < strokes; ++i) {
    const double r = 10 - 1.8 * i;
    p.Pen(Shade(kGreen, 5 - i), 3).NoBrush().Arc(18 - r, 22 - r, 18 + r, 22 + r, 100, 170);
  }
  const double a = (170 - 70 * t) * kPi / 180;
  const Pt tip{18 + 10 * std::cos(a), 22 - 10 * std::sin(a)};
  DrawBrush(p, {tip, 40}, 24, 6, Shade(kGreen, 2), false, kThin);
}

// BUCKET: a tipped pail pouring paint into a growing puddle.
void Bucket(Painter& p, double t) {
  Tile(p, Shade(kPeach, 0));
  const COLORREF paint = Shade(kBlue, 0);
  p.Style(kBlack, paint, 1).Ellipse(19 - 15 * t - 4, 31, 21 + 15 * t + 4, 37);
  p.NoPen().Brush(paint).Poly({{17, 14}, {21, 14}, {23, 33}, {19, 33}});
  p.Pen(kBlack, 1).Line(17, 14, 19, 33);
  p.Line(21, 14, 23, 33);
  const Axis a{{18, 12}, 20};
  p.Style(kBlack, Shade(kGrey, 2), 2).Poly({a(0, -7), a(16, -5), a(16, 5), a(0, 7)});
  p.Style(kBlack, paint, 1).Poly({a(0, -6), a(2, -6), a(2, 6), a(0, 6)});
  const Pt h0 = a(8, -6), h1 = a(8, 6);
  p.Pen(kBlack, 1).NoBrush().Lines({h0, a(4, -11), a(14, -11), h1});
}

// ROLLER: the roller leaves a wide band of paint with speckles in it.
void Roller(Painter& p, double t) {
  Tile(p, Shade(kGreen, 0));
  const COLORREF paint = Shade(kOrange, 4);
  const double x = 12 + 16 * t;
  p.NoPen().Brush(paint).Rect(4, 9, x, 27);
  for (int i = 0; i < 14; ++i) {
    const double sx = 5 + 24 * Jitter(i, 3), sy = 10 + 16 * Jitter(i, 4);
    if (sx < x - 2) p.Blob(sx, sy, 2, i % 2 ? Shade(kYellow, 6) : Shade(kRed, 6));
  }
  p.Pen(Shade(kGrey, 6), 2).Lines({{x + 3, 8}, {x + 8, 8}, {x + 8, 20}, {x + 4, 28}});
  p.Style(kBlack, Shade(kBrown, 2), 1).Round(x + 1, 27, x + 7, 38, 4);
  p.Style(kBlack, paint, 1).Round(x - 3, 6, x + 5, 30, 5);
  p.Pen(Shade(kOrange, 1), 1).Line(x - 1, 9, x - 1, 26);
}

// PASTEL: a coloured stick laying a soft stroke with light highlights in it.
void Pastel(Painter& p, double t) {
  Tile(p, Shade(kViolet, 0));
  const auto wave = WavePoints(5, 24, 26, 5, 1, 0.15 + 0.85 * t);
  p.Pen(Shade(kPink, 4), 6).Lines(wave);
  for (std::size_t i = 1; i < wave.size(); i += 3) {
    p.Blob(wave[i].x - 1, wave[i].y - 1, 1, Shade(kYellow, 1));
    p.Blob(wave[i].x + 1, wave[i].y + 2, 1, kWhite);
  }
  DrawChalk(p, {wave.back(), 55}, 17, 7, Shade(kPink, 3), kThin);
}

// CHARCOAL: a black stick drawing a fuzzy grey line.
void Charcoal(Painter& p, double t) {
  Tile(p, kWhite);
  const auto wave = WavePoints(5, 24, 25, 6, 0.9, 0.15 + 0.85 * t, 0.8);
  p.Pen(Shade(kGrey, 7), 3).Lines(wave);
  for (std::size_t i = 0; i < wave.size(); ++i) {
    const double dx = 5 * (Jitter(static_cast<int>(i), 7) - 0.5),
                 dy = 5 * (Jitter(static_cast<int>(i), 8) - 0.5);
    p.Dot(wave[i].x + dx, wave[i].y + dy, Shade(kGrey, 5));
    p.Dot(wave[i].x - dy, wave[i].y + dx, Shade(kGrey, 7));
  }
  DrawChalk(p, {wave.back(), 60}, 17, 6, Shade(kGrey, 8), {1, kBlack});
}

// SPRAY PAINT: a can spraying a cloud of dots that grows.
void SprayPaint(Painter& p, double t) {
  Tile(p, Shade(kGrey, 1));
  const int dots = 20 + static_cast<int>(60 * t);
  const double radius = 6 + 5 * t;
  for (int i = 0; i < dots; ++i) {
    const double a = i * 2.39996, r = radius * std::sqrt((i + 0.5) / dots);
    p.Blob(12 + r * std::cos(a), 16 + r * std::sin(a), i % 5 ? 1 : 2,
           i % 3 ? Shade(kMagenta, 5) : Shade(kViolet, 5));
  }
  // The can: a dome with its nozzle, then the body with a shine.
  p.Style(kBlack, Shade(kGrey, 3), 1).Ellipse(25, 8, 37, 18);
  p.Style(kBlack, Shade(kGrey, 7), 1).Rect(24, 9, 29, 13);
  p.Style(kBlack, Shade(kMagenta, 5), 1).Round(24, 13, 38, 38, 4);
  p.Style(kBlack, kWhite, 1).Rect(26, 20, 36, 29);
  p.Style(kBlack, Shade(kViolet, 5), 1).Circle(31, 24.5, 2.5);
  p.Pen(Shade(kMagenta, 1), 1).Line(26, 31, 26, 35);
}

// FIREWORKS: bursts of coloured rays on a night sky, opening up.
void Fireworks(Painter& p, double t) {
  Tile(p, Shade(kBlue, 9));
  struct Burst {
    double x, y, size;
    COLORREF colour, tip;
  };
  const Burst bursts[] = {{14, 15, 11, Shade(kYellow, 6), kWhite},
                          {28, 25, 9, Shade(kMagenta, 4), Shade(kPink, 0)},
                          {12, 31, 5, Shade(kCyan, 2), kWhite}};
  for (const Burst& b : bursts) {
    const double r = b.size * (0.35 + 0.65 * t);
    for (int i = 0; i < 10; ++i) {
      const double a = 2 * kPi * i / 10;
      p.Pen(b.colour, 1)
          .Line(b.x + 0.3 * r * std::cos(a), b.y + 0.3 * r * std::sin(a), b.x + r * std::cos(a),
                b.y + r * std::sin(a));
      p.Blob(b.x + r * std::cos(a), b.y + r * std::sin(a), 2, b.tip);
    }
    p.Blob(b.x, b.y, 2, kWhite);
  }
}

// MAGIC BRUSH: a brush leaving a marbled band of shades that swirl, with a sparkle.
void MagicBrush(Painter& p, double t) {
  Tile(p, Shade(kPink, 0));
  const double len = 0.2 + 0.8 * t;
  for (int k = 0; k < 5; ++k) {
    const auto wave = WavePoints(4, 27, 25 + 2.2 * (k - 2), 4, 1.1, len, 0.3 * k);
    p.Pen(Shade(kViolet, 1 + 2 * k), 2).Lines(wave);
  }
  const auto mid = WavePoints(4, 27, 25, 4, 1.1, len);
  DrawSparkle(p, {10, 10}, 3 + 2 * t, Shade(kYellow, 7));
  DrawSparkle(p, {22, 8}, 4 - 2 * t, Shade(kMagenta, 4));
  DrawBrush(p, {mid.back(), 45}, 20, 7, Shade(kViolet, 4), false, kThin);
}

// CALLIGRAPHY BRUSH: a flat brush drawing a letter S, thick and thin as the nib turns.
void Calligraphy(Painter& p, double t) {
  Tile(p, Shade(kYellow, 1));
  // The path of the S, as a curve through its parts; the nib is a fixed slanted segment.
  std::vector<Pt> path;
  const int n = 40;
  for (int i = 0; i <= n; ++i) {
    const double s = static_cast<double>(i) / n;
    // The top bowl turns counter-clockwise from its upper right to its bottom, the lower bowl
    // clockwise from its top round to its lower left.
    const double deg = s < 0.5 ? 20 + 250 * (s / 0.5) : 90 - 215 * ((s - 0.5) / 0.5);
    const double cy = s < 0.5 ? 12.5 : 25.5, r = 6.5;
    path.push_back({18 + r * std::cos(deg * kPi / 180), cy - r * std::sin(deg * kPi / 180)});
  }
  const int shown = 16 + static_cast<int>((n - 16) * t);
  const Pt nib{2.4, -2.4};
  for (int i = 1; i <= shown && i <= n; ++i) {
    const Pt a = path[i - 1], b = path[i];
    p.NoPen()
        .Brush(Shade(kBlue, 5))
        .Poly({{a.x - nib.x, a.y - nib.y},
               {a.x + nib.x, a.y + nib.y},
               {b.x + nib.x, b.y + nib.y},
               {b.x - nib.x, b.y - nib.y}});
  }
  const Pt end = path[std::min(shown, n)];
  DrawBrush(p, {end, 40}, 20, 6, Shade(kBlue, 5), true, kThin);
}

}  // namespace

void DrawPaintStrip(const fs::path& dir) {
  DrawStrip(dir / "a901.kvr", {DripPaint, TouchUp, Bucket, Roller, Pastel, Charcoal, SprayPaint, Fireworks,
                               MagicBrush, Calligraphy});
}

}  // namespace art
