// The icon strip of the third category, the drawing tools: "a902.kvr".
#include <algorithm>
#include <cmath>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"
#include "strip.h"

namespace art {

namespace {

// OBJECTS: triangles, squares and circles popping up along a line, one more on each frame.
void Objects(Painter& p, double t) {
  Tile(p, Shade(kSky, 0));
  const COLORREF fills[] = {Shade(kRed, 5), Shade(kYellow, 6), Shade(kGreen, 4), Shade(kBlue, 0),
                            Shade(kMagenta, 4)};
  const int shown = 2 + static_cast<int>(std::lround(t * 3));
  for (int i = 0; i < shown; ++i) {
    const double x = 8.5 + 6 * i, y = 31 - 5.5 * i, r = 5;
    p.Style(kBlack, fills[i], 1);
    if (i % 3 == 0)
      p.Poly({{x, y - r}, {x + r, y + r * 0.8}, {x - r, y + r * 0.8}});
    else if (i % 3 == 1)
      p.Rect(x - r * 0.85, y - r * 0.85, x + r * 0.85, y + r * 0.85);
    else
      p.Circle(x, y, r);
  }
}

// A ladybird seen from above, its head at the top.
void Ladybird(Painter& p, Pt c, double s) {
  p.Pen(kBlack, 1);
  for (int side : {-1, 1}) {
    p.Line(c.x + side * 3 * s, c.y - 3 * s, c.x + side * 7 * s, c.y - 5 * s);
    p.Line(c.x + side * 4 * s, c.y, c.x + side * 8 * s, c.y);
    p.Line(c.x + side * 3 * s, c.y + 3 * s, c.x + side * 7 * s, c.y + 6 * s);
  }
  p.Style(kBlack, kBlack, 1).Circle(c.x, c.y - 4.5 * s, 2.5 * s);
  p.Style(kBlack, Shade(kRed, 5), 1).Ellipse(c.x - 5 * s, c.y - 5 * s, c.x + 5 * s, c.y + 6 * s);
  p.Pen(kBlack, 1).Line(c.x, c.y - 4 * s, c.x, c.y + 6 * s);
  p.NoPen().Brush(kBlack);
  p.Circle(c.x - 2.5 * s, c.y - 1 * s, 1.2 * s);
  p.Circle(c.x + 2.5 * s, c.y - 1 * s, 1.2 * s);
  p.Circle(c.x - 2.5 * s, c.y + 3 * s, 1 * s);
  p.Circle(c.x + 2.5 * s, c.y + 3 * s, 1 * s);
}

// BUG SPLAT: a splash of colour spreading round a ladybird.
void BugSplat(Painter& p, double t) {
  Tile(p, Shade(kYellow, 0));
  const double grow = 0.3 + 0.7 * t;
  std::vector<Pt> splat;
  for (int i = 0; i < 24; ++i) {
    const double a = 2 * kPi * i / 24, r = (i % 2 ? 9 : 14 + 3 * Jitter(i, 11)) * grow;
    splat.push_back({20 + r * std::cos(a), 21 + r * std::sin(a)});
  }
  p.Style(kBlack, Shade(kGreen, 3), 1).Poly(splat);
  for (int i = 0; i < 5; ++i) {
    const double a = 2 * kPi * (i + 0.3) / 5, r = 17 * grow;
    p.Style(kBlack, Shade(kGreen, 3), 1).Circle(20 + r * std::cos(a), 21 + r * std::sin(a), 1.8);
  }
  Ladybird(p, {20, 21}, 1.3);
}

// WAND SPARKLES: the wand sweeps and leaves a trail of sparkling stars.
void WandSparkles(Painter& p, double t) {
  Tile(p, Shade(kViolet, 8));
  const double ang = (150 - 60 * t) * kPi / 180;
  const Pt pivot{31, 34};
  const Pt tip{pivot.x + 26 * std::cos(ang), pivot.y - 26 * std::sin(ang)};
  const COLORREF colours[] = {Shade(kYellow, 5), Shade(kCyan, 2), Shade(kPink, 2), kWhite, Shade(kLime, 2)};
  for (int i = 0; i < 5; ++i) {
    const double a = (150 - 60 * t * (i + 1) / 6) * kPi / 180, r = 20 + 5 * Jitter(i, 5);
    const Pt s{pivot.x + r * std::cos(a) + 3, pivot.y - r * std::sin(a) + 4};
    if (i % 2)
      DrawSparkle(p, s, 2.5, colours[i]);
    else
      DrawStar(p, s, 3, 1.3, colours[i], {1, colours[i]});
  }
  const double deg = (150 - 60 * t) + 180;
  DrawWand(p, {tip, deg}, 26, 3, Shade(kYellow, 5), kThin);
}

// FRED FISH: a fish blowing bubbles that rise.
void FredFish(Painter& p, double t) {
  Tile(p, Shade(kSky, 2));
  for (int i = 0; i < 3; ++i) {
    const double phase = std::fmod(0.6 * t + i / 3.0, 1.0);
    const double y = 24 - 20 * phase, r = 1.5 + 2.5 * phase;
    p.Style(Shade(kBlue, 0), Shade(kSky, 0), 1).Circle(11 - 3 * std::sin(phase * 5), y, r);
    p.Dot(10 - 3 * std::sin(phase * 5), y - r / 2, kWhite);
  }
  p.Style(kBlack, Shade(kOrange, 4), 1).Poly({{28, 28}, {37, 21}, {37, 35}});
  p.Style(kBlack, Shade(kOrange, 5), 1).Poly({{19, 20}, {24, 14}, {27, 21}});
  p.Style(kBlack, Shade(kOrange, 3), 1).Ellipse(12, 19, 32, 36);
  p.Style(kBlack, kWhite, 1).Circle(18, 25, 3);
  p.Blob(18, 25, 2, kBlack);
  p.Pen(kBlack, 1).NoBrush().Circle(13, 29, 1.5);
}

// XMAS TREE: ornaments on a fir tree, their lights changing colour.
void XmasTree(Painter& p, double t) {
  Tile(p, Shade(kBlue, 8));
  p.Style(kBlack, Shade(kBrown, 5), 1).Rect(17, 31, 23, 37);
  p.Style(kBlack, Shade(kGreen, 6), 1).Poly({{20, 6}, {33, 33}, {7, 33}});
  p.Style(kBlack, Shade(kGreen, 5), 1).Poly({{20, 5}, {29, 22}, {11, 22}});
  const COLORREF lights[] = {Shade(kRed, 5), Shade(kYellow, 6), Shade(kCyan, 2), Shade(kMagenta, 4),
                             Shade(kOrange, 4)};
  const Pt balls[] = {{16, 17}, {23, 15}, {13, 28}, {20, 26}, {27, 29}, {20, 12}};
  const int shift = static_cast<int>(std::lround(t * 5));
  for (int i = 0; i < 6; ++i) p.Style(kBlack, lights[(i + shift) % 5], 1).Circle(balls[i].x, balls[i].y, 2);
  DrawStar(p, {20, 6}, 5 + (shift % 2), 2.2, Shade(kYellow, 5), kThin);
}

// BILLY BRUSH: a skier runs down a snowy slope, leaving a track.
void BillyBrush(Painter& p, double t) {
  Tile(p, Shade(kSky, 1));
  ClipToTile(p);
  p.Style(kBlack, kWhite, 1).Poly({{0, 18}, {40, 38}, {40, 40}, {0, 40}});
  const double x = 10 + 20 * t, y = 18 + x * 20 / 40;
  p.Pen(Shade(kGrey, 4), 1).Line(2, 20, x - 3, y + 1);
  // The skier leans into the slope: skis, legs, a red coat, a bobble hat.
  const Axis slope{{x, y}, -26.6};
  const Pt s0 = slope(-6, 0), s1 = slope(7, 0);
  p.Pen(Shade(kBlue, 0), 2).Line(s0.x, s0.y, s1.x, s1.y);
  p.Pen(kBlack, 2).Line(x, y - 1, x + 1, y - 6);
  p.Style(kBlack, Shade(kRed, 5), 1).Poly({{x - 2, y - 6}, {x + 3, y - 7}, {x + 4, y - 13}, {x - 1, y - 13}});
  p.Style(kBlack, Shade(kPeach, 3), 1).Circle(x + 2, y - 16, 3);
  p.Style(kBlack, Shade(kBlue, 0), 1).Pie(x - 1.5, y - 20, x + 5.5, y - 13, 0, 180);
  p.Pen(kBlack, 1).Line(x - 2, y - 10, x - 5, y + 1);
  TileOutline(p);
}

// TRAIN: a little engine puffing along its rails.
void Train(Painter& p, double t) {
  Tile(p, Shade(kGreen, 0));
  p.Pen(Shade(kBrown, 6), 2);
  for (double x = 3; x < 39; x += 5) p.Line(x, 31, x + 2, 35);
  p.Pen(Shade(kGrey, 6), 1).Line(2, 31, 38, 31);
  p.Line(2, 34, 38, 34);
  const double x = 3 + 8 * t;
  p.Style(kBlack, Shade(kBlue, 0), 1).Rect(x + 2, 13, x + 11, 27);
  p.Style(kBlack, Shade(kSky, 0), 1).Rect(x + 4, 15, x + 9, 20);
  p.Style(kBlack, Shade(kRed, 5), 1).Rect(x + 10, 18, x + 25, 27);
  p.Style(kBlack, Shade(kGrey, 8), 1).Rect(x + 19, 12, x + 23, 18);
  p.Style(kBlack, Shade(kYellow, 6), 1).Rect(x + 1, 11, x + 12, 14);
  for (double wx : {x + 6.0, x + 14.0, x + 21.0}) p.Style(kBlack, Shade(kGrey, 6), 1).Circle(wx, 28, 3);
  for (int i = 0; i < 3; ++i) {
    const double r = 2 + i + t, px = x + 23 + 4 * i, py = 9 - 3 * i;
    p.Style(Shade(kGrey, 4), kWhite, 1).Circle(px, py, r);
  }
}

// PROPELLER: a spinning propeller in front of a sunburst.
void Propeller(Painter& p, double t) {
  Tile(p, Shade(kYellow, 1));
  const COLORREF rays[] = {Shade(kOrange, 3), Shade(kYellow, 6)};
  for (int i = 0; i < 16; ++i) {
    const double a0 = 2 * kPi * i / 16, a1 = 2 * kPi * (i + 1) / 16;
    p.NoPen()
        .Brush(rays[i % 2])
        .Poly({{20, 20},
               {20 + 17 * std::cos(a0), 20 + 17 * std::sin(a0)},
               {20 + 17 * std::cos(a1), 20 + 17 * std::sin(a1)}});
  }
  for (int i = 0; i < 3; ++i) {
    const Axis blade{{20, 20}, 90 + 120 * i - 72 * t};
    std::vector<Pt> pts;
    for (int k = 0; k <= 12; ++k) {
      const double u = 15 * k / 12.0, v = 4 * std::sin(kPi * k / 12.0) + 1;
      pts.push_back(blade(u, -v));
    }
    for (int k = 12; k >= 0; --k) pts.push_back(blade(15 * k / 12.0, 1.5 * std::sin(kPi * k / 12.0)));
    p.Style(kBlack, i == 0 ? Shade(kRed, 5) : i == 1 ? Shade(kBlue, 0) : Shade(kGreen, 4), 1).Poly(pts);
  }
  p.Style(kBlack, Shade(kGrey, 3), 1).Circle(20, 20, 3);
}

// INSTANT HAIR: curls growing on a smiling head.
void InstantHair(Painter& p, double t) {
  Tile(p, Shade(kGreen, 0));
  const double len = 3 + 8 * t;
  const COLORREF hair = Shade(kBrown, 5);
  for (int i = 0; i < 7; ++i) {
    const double a = (160 - 140.0 * i / 6) * kPi / 180;
    const Pt root{20 + 11 * std::cos(a), 24 - 11 * std::sin(a)};
    std::vector<Pt> curl;
    for (int k = 0; k <= 12; ++k) {
      const double f = k / 12.0, r = len * f;
      curl.push_back({root.x + r * std::cos(a) + 1.6 * std::sin(f * 9 + i),
                      root.y - r * std::sin(a) + 1.6 * std::cos(f * 9 + i)});
    }
    p.Pen(hair, 2).Lines(curl);
  }
  DrawSmiley(p, {20, 25}, 11, Shade(kPeach, 3), kThin);
}

// GRASS: tufts of grass growing up.
void Grass(Painter& p, double t) {
  Tile(p, Shade(kSky, 0));
  p.Style(kBlack, Shade(kBrown, 3), 1).Rect(2, 33, 39, 39);
  const double h = 8 + 16 * t;
  const double tufts[] = {9, 20, 31};
  int n = 0;
  for (double x : tufts) {
    for (int k = -2; k <= 2; ++k) {
      const double lean = k * (2.5 + 1.5 * t),
                   hh = h * (1 - 0.15 * std::abs(k)) * (0.85 + 0.3 * Jitter(n, 2));
      p.Pen(++n % 2 ? Shade(kGreen, 5) : Shade(kLime, 7), 2).Line(x + k * 0.8, 34, x + lean, 34 - hh);
    }
  }
}

}  // namespace

void DrawDrawingStrip(const fs::path& dir) {
  DrawStrip(dir / "a902.kvr", {Objects, BugSplat, WandSparkles, FredFish, XmasTree, BillyBrush, Train,
                               Propeller, InstantHair, Grass});
}

}  // namespace art
