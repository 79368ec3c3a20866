// The icon strip of the first category, "a900.kvr": ten 40 x 40 icons, six frames.
//
// The program shows the frames 0,1,2,3,4,5,4,3,... so every animation here runs forward over the
// six frames and is played back again: a stroke being drawn and undrawn, a wing beating, a worm
// bunching up and stretching out.
#include <algorithm>
#include <cmath>
#include <functional>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"
#include "strip.h"

namespace art {

namespace {

// PENCIL: a red squiggle with the pencil at its end.
void Pencil(Painter& p, double t) {
  Tile(p, Shade(kSky, 0));
  const auto wave = WavePoints(4, 18, 29, 4, 1.25, 0.12 + 0.88 * t);
  p.Pen(Shade(kRed, 5), 3).Lines(wave);
  DrawPencil(p, {wave.back(), 55}, 25, 10, Shade(kYellow, 7), kThin);
}

// ERASER: the eraser rubs a scribble away as it goes.
void Eraser(Painter& p, double t) {
  Tile(p, Shade(kYellow, 1));
  const double xe = 8 + 16 * t;
  std::vector<Pt> rest;
  for (const Pt& q : WavePoints(5, 35, 28, 3.5, 1.6, 1)) {
    if (q.x >= xe) rest.push_back(q);
  }
  if (rest.size() > 1) p.Pen(Shade(kBlue, 5), 3).Lines(rest);
  // Crumbs of rubber are left behind where the eraser has been.
  for (int i = 0; i < 3; ++i) {
    const double x = xe - 4 - 3.5 * i;
    if (x > 5) p.Blob(x, 33 - (i % 2) * 2, 2, Shade(kPink, 3));
  }
  DrawEraser(p, {{xe, 30}, 62}, 18, 10, kThin);
}

// RADIAL LINE: the rays of a setting sun, drawn one after another from the same point.
void RadialLine(Painter& p, double t) {
  Tile(p, Shade(kViolet, 0));
  p.NoPen().Brush(Shade(kSky, 3)).Rect(2, 29, 39, 38);
  const COLORREF rays[] = {Shade(kRed, 5),    Shade(kOrange, 5),  Shade(kYellow, 7),
                           Shade(kGreen, 5),  Shade(kCyan, 6),    Shade(kBlue, 1),
                           Shade(kViolet, 5), Shade(kMagenta, 5), Shade(kPink, 5)};
  const int shown = 4 + static_cast<int>(std::lround(t * 5));
  for (int i = 0; i < shown; ++i) {
    const double a = (168 - 19.5 * i) * kPi / 180;
    p.Pen(rays[i], 2).Line(20, 29, 20 + 17 * std::cos(a), 29 - 17 * std::sin(a));
  }
  p.Style(kBlack, Shade(kOrange, 4), 1).Pie(12, 21, 29, 38, 0, 180);
  p.Pen(kWhite, 1).Line(8, 33, 16, 33);
  p.Line(24, 35, 33, 35);
}

// CHALK: loops of chalk on a little blackboard.
void Chalk(Painter& p, double t) {
  p.Style(kBlack, Shade(kBrown, 2), 2).Round(1, 1, 39, 39, 8);
  p.Style(Shade(kBrown, 7), Shade(kGreen, 9), 1).Rect(5, 5, 35, 35);
  std::vector<Pt> loops;
  const double end = (0.15 + 0.85 * t) * 4 * kPi;
  for (double s = 0; s <= end + 1e-9; s += 0.2)
    loops.push_back({9 + 1.7 * s - 3 * std::sin(s), 22 - 4 * std::cos(s)});
  p.Pen(kWhite, 2).Lines(loops);
  const Pt tip = loops.back();
  for (int i = 0; i < 4; ++i)
    p.Dot(tip.x - 2 - 2 * i + (i * 7) % 3, tip.y + 3 + (i * 5) % 4, Shade(kGrey, 2));
  DrawChalk(p, {tip, 58}, 14, 5, kWhite, kThin);
}

// CRAZY PEN: three coloured lines drawn side by side.
void CrazyPen(Painter& p, double t) {
  Tile(p, Shade(kYellow, 0));
  const COLORREF nib[] = {Shade(kRed, 5), Shade(kGreen, 4), Shade(kBlue, 0)};
  const auto wave = WavePoints(5, 25, 24, 5, 1.2, 0.15 + 0.85 * t);
  for (int k = 0; k < 3; ++k) {
    std::vector<Pt> line;
    for (const Pt& q : wave) line.push_back({q.x + 1 - k, q.y - 2 + 2 * k});
    p.Pen(nib[k], 2).Lines(line);
  }
  DrawMarker(p, {wave.back(), 50}, 20, 8, Shade(kMagenta, 4), kThin);
}

// STRING ART: strings from pin to pin bending into a curve, one more on each frame.
void StringArt(Painter& p, double t) {
  Tile(p, Shade(kPink, 0));
  const int n = 7;
  const double lo = 7, hi = 33, step = (hi - lo) / (n - 1);
  const COLORREF colours[] = {Shade(kRed, 5),    Shade(kOrange, 5),  Shade(kGreen, 6), Shade(kBlue, 1),
                              Shade(kViolet, 5), Shade(kMagenta, 6), Shade(kCyan, 7)};
  const int shown = 4 + static_cast<int>(std::lround(t * 10));  // of 2n strings
  for (int i = 0; i < shown && i < 2 * n; ++i) {
    const int j = i % n;
    p.Pen(colours[j], 1);
    if (i < n)
      p.Line(lo, lo + j * step, lo + (j + 1) * step, hi);  // the bottom-left corner
    else
      p.Line(lo + j * step, lo, hi, lo + (j + 1) * step);  // the top-right corner
  }
  for (int i = 0; i < n; ++i) {
    p.Blob(lo, lo + i * step, 2, kBlack);
    p.Blob(lo + i * step, hi, 2, kBlack);
    p.Blob(lo + i * step, lo, 2, kBlack);
    p.Blob(hi, lo + i * step, 2, kBlack);
  }
}

// MIRROR IMAGE: a butterfly, the same on both sides of the mirror line, beating its wings.
void MirrorImage(Painter& p, double t) {
  Tile(p, Shade(kGreen, 0));
  for (double y = 3; y < 37; y += 5) p.Pen(Shade(kGrey, 4), 1).Line(20, y, 20, y + 2);
  const double w = 16 - 8 * t;
  for (int side : {-1, 1}) {
    auto X = [&](double dx) { return 20 + side * dx; };
    p.Style(kBlack, Shade(kOrange, 4), 1).Ellipse(std::min(X(1), X(w)), 6, std::max(X(1), X(w)), 21);
    p.Style(kBlack, Shade(kMagenta, 4), 1)
        .Ellipse(std::min(X(1), X(w * 0.8)), 19, std::max(X(1), X(w * 0.8)), 32);
    p.Style(kBlack, Shade(kYellow, 5), 1).Circle(X(w * 0.55), 13, std::max(1.5, w * 0.14));
    p.Style(kBlack, kWhite, 1).Circle(X(w * 0.45), 26, std::max(1.0, w * 0.1));
    p.Pen(kBlack, 1).Line(20, 9, X(5), 3);
  }
  p.Style(kBlack, Shade(kBrown, 8), 1).Ellipse(18, 8, 23, 32);
}

// INCHWORM: a caterpillar bunching up its body and stretching out again.
void Inchworm(Painter& p, double t) {
  Tile(p, Shade(kSky, 0));
  p.Style(kBlack, Shade(kGreen, 5), 1).Rect(2, 33, 39, 38);
  const double tail = 6 + 11 * t, head = 31, hump = 2 + 13 * t;
  const int n = 7;
  for (int i = 0; i < n; ++i) {
    const double u = static_cast<double>(i) / (n - 1);
    const double x = tail + (head - tail) * u, y = 29 - hump * std::sin(kPi * u);
    p.Style(kBlack, i % 2 ? Shade(kLime, 4) : Shade(kGreen, 4), 1).Circle(x, y, 3.6);
  }
  p.Style(kBlack, Shade(kLime, 2), 1).Circle(head + 2, 25, 5);
  p.Blob(head + 4, 24, 2, kBlack);
  p.Pen(kBlack, 1).Line(head + 1, 21, head - 1, 16);
  p.Line(head + 4, 21, head + 6, 16);
}

// QUILL PEN: a feather writing a swash that is thick where it runs along and thin where it climbs.
void QuillPen(Painter& p, double t) {
  Tile(p, Shade(kPeach, 0));
  const auto wave = WavePoints(5, 22, 29, 4, 1.1, 0.15 + 0.85 * t, 0.5);
  for (std::size_t i = 1; i < wave.size(); ++i) {
    const double dx = wave[i].x - wave[i - 1].x, dy = wave[i].y - wave[i - 1].y;
    const double width = 1 + 2.5 * std::abs(dx) / std::hypot(dx, dy);
    p.Pen(Shade(kBlue, 8), width).Line(wave[i - 1].x, wave[i - 1].y, wave[i].x, wave[i].y);
  }
  DrawQuill(p, {wave.back(), 58 + 8 * std::sin(t * kPi)}, 28, 11, kWhite, kThin);
}

// LINE: a straight line stretched between two handles, its end swinging up.
void StraightLine(Painter& p, double t) {
  Tile(p, Shade(kCyan, 0));
  const double a = (12 + 60 * t) * kPi / 180;
  const Pt s{8, 31}, e{8 + 25 * std::cos(a), 31 - 25 * std::sin(a)};
  p.Pen(Shade(kBlue, 0), 3).Line(s.x, s.y, e.x, e.y);
  p.Style(kBlack, kWhite, 1).Circle(s.x, s.y, 3.5);
  p.Style(kBlack, Shade(kRed, 5), 1).Circle(e.x, e.y, 3.5);
}

}  // namespace

void Tile(Painter& p, COLORREF fill) {
  p.Style(kBlack, fill, 2).Round(1, 1, 39, 39, 10);
}

void ClipToTile(Painter& p) {
  gdi::SelectClipRgn(p.Dc(), gdi::CreateRoundRectRgn(p.X(1), p.Y(1), p.X(40), p.Y(40), p.Len(10), p.Len(10)));
}

void TileOutline(Painter& p) {
  p.Pen(kBlack, 2).NoBrush().Round(1, 1, 39, 39, 10);
}

void TileBand(Painter& p, double y0, double y1, COLORREF fill) {
  // The inside of the outline: from 2 to 38, with corners of radius 4.
  constexpr double lo = 2, hi = 38, r = 4;
  auto inset = [&](double y) {
    const double d = y < lo + r ? lo + r - y : y > hi - r ? y - (hi - r) : 0;
    return r - std::sqrt(std::max(0.0, r * r - d * d));
  };
  y0 = std::max(y0, lo);
  y1 = std::min(y1, hi);
  if (y1 <= y0) return;
  std::vector<Pt> pts;
  const int n = 16;
  for (int i = 0; i <= n; ++i) {
    const double y = y0 + (y1 - y0) * i / n;
    pts.push_back({lo + inset(y), y});
  }
  for (int i = n; i >= 0; --i) {
    const double y = y0 + (y1 - y0) * i / n;
    pts.push_back({hi - inset(y), y});
  }
  p.NoPen().Brush(fill).Poly(pts);
}

void DrawStrip(const fs::path& file, const std::vector<IconRoutine>& icons) {
  Canvas c(kStripWidth, kStripHeight, kBlack);
  for (int f = 0; f < kStripFrames; ++f)
    for (std::size_t k = 0; k < icons.size() && k < 10; ++k) {
      Painter p(c, kIconSize * static_cast<double>(k), kFramePitch * f);
      // Everything an icon draws stays inside its own square, whatever its shapes do.
      gdi::IntersectClipRect(c.Dc(), p.X(0), p.Y(0), p.X(kIconSize), p.Y(kIconSize));
      icons[k](p, f / (kStripFrames - 1.0));
      gdi::SelectClipRgn(c.Dc(), nullptr);
    }
  c.Save(file);
}

void DrawPencilStrip(const fs::path& dir) {
  DrawStrip(dir / "a900.kvr", {Pencil, Eraser, RadialLine, Chalk, CrazyPen, StringArt, MirrorImage, Inchworm,
                               QuillPen, StraightLine});
}

}  // namespace art
