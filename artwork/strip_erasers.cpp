// The icon strip of the seventh category, the screen erasers: "a906.kvr".
//
// Each icon shows the whole screen changing the way its button changes the picture.
#include <algorithm>
#include <cmath>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"
#include "strip.h"

namespace art {

namespace {

// WIPE THE SCREEN WHITE: a picture being wiped clean by a sweeping white band.
void Wipe(Painter& p, double t) {
  ClipToTile(p);
  DrawLandscape(p, 1, 1, 39, 39);
  const double x = 4 + 28 * t;
  p.NoPen().Brush(kWhite).Rect(1, 1, x, 39);
  TileOutline(p);
  // The sponge doing the wiping.
  p.Style(kBlack, Shade(kYellow, 5), 1).Round(x - 3, 12, x + 4, 28, 3);
  for (int i = 0; i < 3; ++i) p.Blob(x + (i % 2 ? 1.5 : -1), 15 + 5 * i, 1.5, Shade(kOlive, 3));
}

// BOMB: a round bomb with its fuse burning down.
void Bomb(Painter& p, double t) {
  Tile(p, Shade(kOrange, 0));
  const double burn = t * 0.75;
  std::vector<Pt> fuse;
  for (int i = 0; i <= 12; ++i) {
    const double f = burn + (1 - burn) * i / 12.0;
    fuse.push_back({24 + 10 * f, 12 - 8 * std::sin(f * kPi * 0.9)});
  }
  std::reverse(fuse.begin(), fuse.end());
  p.Pen(Shade(kBrown, 3), 2).Lines(fuse);
  const Pt spark = fuse.back();
  DrawStar(p, spark, 5 + 1.5 * std::sin(t * 9), 2.2, Shade(kYellow, 5), {1, Shade(kRed, 5)}, 6, t * 40);
  p.Style(kBlack, Shade(kGrey, 6), 1).Rect(19, 11, 26, 16);
  p.Style(kBlack, Shade(kGrey, 8), 2).Circle(18, 25, 11);
  p.Pen(kWhite, 2).NoBrush().Arc(11, 18, 21, 28, 100, 170);
}

// CHALKBOARD: a green board on an easel, chalk letters appearing on it.
void Chalkboard(Painter& p, double t) {
  Tile(p, Shade(kSky, 0));
  p.Pen(Shade(kBrown, 6), 2).Line(9, 30, 6, 38);
  p.Line(31, 30, 34, 38);
  p.Style(Shade(kBrown, 6), Shade(kBrown, 2), 2).Rect(4, 5, 36, 31);
  p.NoPen().Brush(Shade(kGreen, 9)).Rect(7, 8, 34, 29);
  const std::string letters = "123";
  const int shown = 1 + static_cast<int>(std::lround(t * 2));
  for (int i = 0; i < shown; ++i) p.Text(12 + 8 * i, 10, letters.substr(i, 1), 13, kWhite);
  p.Style(kBlack, kWhite, 1).Rect(25, 27, 31, 29);
}

// BRICKS: a brick wall going up course by course.
void Bricks(Painter& p, double t) {
  Tile(p, Shade(kSky, 0));
  ClipToTile(p);
  const int courses = 2 + static_cast<int>(std::lround(t * 4));
  for (int c = 0; c < courses; ++c) {
    const double y = 32 - 5.5 * c;
    for (int i = -1; i < 4; ++i) {
      const double x = 2 + 11 * i + (c % 2 ? 5.5 : 0);
      p.Style(Shade(kGrey, 3), i % 2 ? Shade(kRed, 7) : Shade(kOrange, 6), 1).Rect(x, y, x + 11, y + 5.5);
    }
  }
  TileOutline(p);
}

// STARS: a night sky with twinkling stars and a moon.
void Stars(Painter& p, double t) {
  Tile(p, Shade(kBlue, 9));
  p.Style(kBlack, Shade(kYellow, 3), 1).Circle(28, 12, 6);
  p.NoPen().Brush(Shade(kBlue, 9)).Circle(31, 10, 5);
  const Pt stars[] = {{9, 9}, {18, 16}, {8, 27}, {24, 30}, {32, 23}, {15, 34}, {20, 6}};
  for (int i = 0; i < 7; ++i) {
    const double twinkle = 0.5 + 0.5 * std::sin(1.2 * kPi * t + i * 1.7);
    if (i % 2)
      DrawStar(p, stars[i], 2 + 2 * twinkle, 1, Shade(kYellow, 5), {1, Shade(kYellow, 5)});
    else
      DrawSparkle(p, stars[i], 1 + 2.5 * twinkle, kWhite);
  }
}

// BLACK HOLE: coloured arms spiralling into a black disc in the middle.
void BlackHole(Painter& p, double t) {
  Tile(p, Shade(kViolet, 1));
  const COLORREF arms[] = {Shade(kRed, 5), Shade(kYellow, 6), Shade(kGreen, 4), Shade(kBlue, 0)};
  for (int k = 0; k < 4; ++k) {
    std::vector<Pt> arm;
    for (int i = 0; i <= 30; ++i) {
      const double f = i / 30.0, r = 3 + 15 * f;
      const double a = k * kPi / 2 + 4 * (1 - f) + t * kPi;
      arm.push_back({20 + r * std::cos(a), 20 + r * std::sin(a)});
    }
    p.Pen(arms[k], 3).Lines(arm);
  }
  p.Style(kBlack, kBlack, 1).Circle(20, 20, 4 + 2 * t);
}

// PAPER: a drawing scrunched up into a ball.
void Paper(Painter& p, double t) {
  Tile(p, Shade(kGreen, 0));
  // The sheet's outline shrinks and grows dents as it is crumpled.
  std::vector<Pt> sheet;
  const int n = 24;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * kPi * i / n + kPi / 4;
    // A square's radius at this angle, blended toward a lumpy ball.
    const double square = 15 / std::max(std::abs(std::cos(a)), std::abs(std::sin(a)));
    const double ball = 10 + 2.5 * (Jitter(i, 31) - 0.5) * 2;
    const double r = square * (1 - t) + ball * t;
    sheet.push_back({20 + r * std::cos(a) * (1 - 0.1 * t), 20 + r * std::sin(a)});
  }
  p.Style(kBlack, kWhite, 1).Poly(sheet);
  // A doodle on the sheet, folded away into creases as it crumples.
  const double s = 1 - 0.6 * t;
  p.Pen(Shade(kRed, 5), 2).NoBrush().Circle(20 - 5 * s, 20 - 4 * s, 4 * s + 0.5);
  p.Pen(Shade(kBlue, 0), 2).Lines(WavePoints(20 - 9 * s, 20 + 9 * s, 20 + 6 * s, 2 * s, 1.5, 1));
  p.Pen(Shade(kGrey, 4), 1);
  for (int i = 0; i < 4; ++i) {
    const double a = i * 1.7 + 0.4;
    const double r = 9 * t;
    p.Line(20, 20, 20 + r * std::cos(a), 20 + r * std::sin(a));
  }
}

// SHADE: a window blind rolling up.
void WindowShade(Painter& p, double t) {
  Tile(p, Shade(kPeach, 1));
  p.Style(kBlack, Shade(kSky, 1), 2).Rect(6, 5, 34, 35);
  p.Style(kBlack, Shade(kYellow, 6), 1).Circle(26, 27, 4);
  p.Pen(kWhite, 2).Line(20, 5, 20, 35);
  p.Line(6, 20, 34, 20);
  const double bottom = 32 - 22 * t;
  p.Style(kBlack, Shade(kGreen, 5), 1).Rect(5, 4, 35, bottom);
  p.Pen(Shade(kGreen, 7), 1);
  for (double y = 8; y < bottom - 2; y += 5) p.Line(7, y, 33, y);
  p.Style(kBlack, Shade(kBrown, 4), 1).Rect(4, bottom - 1, 36, bottom + 2);
  p.Pen(kBlack, 1).Line(20, bottom + 2, 20, bottom + 5);
  p.NoBrush().Circle(20, bottom + 6.5, 1.5);
  p.Style(kBlack, Shade(kBrown, 6), 1).Rect(3, 2, 37, 5);
}

// BUG SPLATTED WINDSHIELD: bugs going splat on a windscreen, more on every frame.
void Windshield(Painter& p, double t) {
  Tile(p, Shade(kGrey, 3));
  ClipToTile(p);
  p.Style(kBlack, Shade(kSky, 1), 2).Poly({{7, 6}, {33, 6}, {37, 30}, {3, 30}});
  p.Pen(Shade(kSky, 0), 2).Line(10, 10, 14, 10);
  const int splats = 1 + static_cast<int>(std::lround(t * 4));
  const Pt where[] = {{13, 15}, {26, 12}, {21, 23}, {10, 25}, {30, 22}};
  const COLORREF goo[] = {Shade(kGreen, 4), Shade(kYellow, 6), Shade(kLime, 5), Shade(kOrange, 4),
                          Shade(kGreen, 6)};
  for (int i = 0; i < splats; ++i) {
    std::vector<Pt> blob;
    for (int k = 0; k < 12; ++k) {
      const double a = 2 * kPi * k / 12, r = k % 2 ? 1.6 : 3.3 + Jitter(i * 12 + k, 9);
      blob.push_back({where[i].x + r * std::cos(a), where[i].y + r * std::sin(a)});
    }
    p.Style(kBlack, goo[i], 1).Poly(blob);
    p.Blob(where[i].x, where[i].y, 1.5, kBlack);
  }
  // The car's bonnet and its wipers.
  p.Style(kBlack, Shade(kRed, 5), 2).Poly({{3, 30}, {37, 30}, {38, 38}, {2, 38}});
  p.Pen(kBlack, 2).Line(12, 31, 6, 21);
  p.Line(28, 31, 22, 21);
  TileOutline(p);
}

// MORPH: a shape melting from a circle into a star over a fresh rainbow background.
void Morph(Painter& p, double t) {
  Tile(p, kWhite);
  const COLORREF bands[] = {Shade(kRed, 2),   Shade(kOrange, 1), Shade(kYellow, 2),
                            Shade(kGreen, 1), Shade(kSky, 1),    Shade(kViolet, 1)};
  for (int i = 0; i < 6; ++i) TileBand(p, 2 + 6 * i, 8 + 6 * i, bands[i]);
  TileOutline(p);
  std::vector<Pt> shape;
  for (int i = 0; i < 20; ++i) {
    const double a = 2 * kPi * i / 20 - kPi / 2;
    const double r = i % 2 ? 13 - 7 * t : 13;
    shape.push_back({20 + r * std::cos(a), 21 + r * std::sin(a)});
  }
  p.Style(kBlack, t < 0.5 ? Shade(kMagenta, 4) : Shade(kBlue, 0), 2).Poly(shape);
  DrawSparkle(p, {31, 8}, 3, kWhite);
}

}  // namespace

void DrawEraserStrip(const fs::path& dir) {
  DrawStrip(dir / "a906.kvr",
            {Wipe, Bomb, Chalkboard, Bricks, Stars, BlackHole, Paper, WindowShade, Windshield, Morph});
}

}  // namespace art
