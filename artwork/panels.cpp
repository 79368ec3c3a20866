// The option panels: "a2.kvr" .. "a24.kvr", "a28.kvr", "a43.kvr" .. "a50.kvr", "a70.kvr" ..
// "a79.kvr" and "a84.kvr" (the fill-style panel "a3.kvr" is in panels_fill.cpp).
//
// Each panel is a row of buttons on black, placed exactly where the program takes their presses;
// a strip of 50 rows shows the whole panel once per option value, with that value's button lit.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "canvas.h"
#include "palette.h"
#include "panels.h"
#include "panels_common.h"
#include "props.h"

namespace art {

namespace {

// ---- shapes -------------------------------------------------------------------------------------

void TriangleIcon(Painter& p, Box c, int form) {
  const double l = c.l + 6, t = c.t + 11, r = c.r - 6, b = c.b - 11;
  const Look look{1, kBlack};
  p.Style(look.ink, Shade(kGreen, 4), 1);
  if (form == 1) p.Poly({{l, b}, {r, b}, {(l + r) / 2, t}});
  if (form == 2) p.Poly({{l, t}, {r, b}, {l, b}});
  if (form == 3) p.Poly({{l, t}, {l, b}, {r, (t + b) / 2}});
}

void TrapezoidIcon(Painter& p, Box c, int form) {
  const double l = c.l + 6, t = c.t + 11, r = c.r - 6, b = c.b - 11;
  p.Style(kBlack, Shade(kCyan, 5), 1);
  if (form == 1) {
    const double f = (r - l) / 5;
    p.Poly({{l, b}, {r, b}, {l + 4 * f, t}, {l + f, t}});
  } else {
    const double f = (b - t) / 5;
    p.Poly({{l, t}, {l, b}, {r, t + 4 * f}, {r, t + f}});
  }
}

void ParallelogramIcon(Painter& p, Box c, int form) {
  const double l = c.l + 6, t = c.t + 11, r = c.r - 6, b = c.b - 11, d = 8;
  p.Style(kBlack, Shade(kPink, 4), 1);
  if (form == 3)
    p.Poly({{l, t + d}, {r, t}, {r, b - d}, {l, b}});  // upright sides, the top and bottom slant
  else
    p.Poly({{l + d, t}, {r, t}, {r - d, b}, {l, b}});  // flat top and bottom, the sides slant
}

void StarIcon(Painter& p, Box c, int kind) {
  const double s = 13, cx = Mid(c).x, cy = Mid(c).y;
  const double ax = cx - s, px = cx + s, ay = cy - s, py = cy + s;
  const double nx = cx - s * 0.3, fx = cx + s * 0.3, ny = cy - s * 0.3, fy = cy + s * 0.3;
  p.Style(kBlack, Shade(kYellow, 6), 1);
  // The corners in the order the STAR tool lists them.
  if (kind == 1)
    p.Poly({{ax, cy}, {nx, fy}, {cx, py}, {fx, fy}, {px, cy}, {fx, ny}, {cx, ay}, {nx, ny}});
  else
    p.Poly({{ax, ay}, {nx, cy}, {ax, py}, {cx, fy}, {px, py}, {fx, cy}, {px, ay}, {cx, ny}});
}

void ObjectIcon(Painter& p, Box c, int kind) {
  const Pt m = Mid(c);
  const Pt at[3] = {{m.x - 5, m.y - 9}, {m.x + 5, m.y - 1}, {m.x - 4, m.y + 9}};
  const COLORREF fill[3] = {Shade(kRed, 5), Shade(kYellow, 6), Shade(kSky, 4)};
  const double r[3] = {5, 6, 5};
  for (int i = 0; i < 3; ++i) {
    p.Style(kBlack, fill[i], 1);
    const Pt q = at[i];
    if (kind == 3)
      p.Poly({{q.x, q.y - r[i]}, {q.x + r[i], q.y + r[i] * 0.8}, {q.x - r[i], q.y + r[i] * 0.8}});
    if (kind == 1) p.Rect(q.x - r[i], q.y - r[i], q.x + r[i], q.y + r[i]);
    if (kind == 2) p.Circle(q.x, q.y, r[i]);
  }
}

// ---- strokes ------------------------------------------------------------------------------------

// A stroke along a gentle wave across the box whose width runs from w0 to w1.
void TaperedStroke(Painter& p, Box c, double w0, double w1, COLORREF colour) {
  std::vector<Pt> top, bottom;
  const int n = 24;
  for (int i = 0; i <= n; ++i) {
    const double f = static_cast<double>(i) / n;
    const double x = c.l + 5 + (c.r - c.l - 10) * f;
    const double y = Mid(c).y + 7 * std::sin(2 * kPi * f);
    const double w = (w0 + (w1 - w0) * f) / 2;
    top.push_back({x, y - w});
    bottom.push_back({x, y + w});
  }
  top.insert(top.end(), bottom.rbegin(), bottom.rend());
  p.NoPen().Brush(colour).Poly(top);
}

// Lettering done with a slanted nib: the nib, from -n to +n about each point of the path, is put
// down along it, so the stroke is thick where it runs across the nib and thin where it runs along
// it, and its ends show the nib's slant.
void NibStroke(Painter& p, const std::vector<Pt>& path, Pt n) {
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    // One nib print per pixel of the path, so that no gaps open between the prints.
    const int steps = std::max(
        1, static_cast<int>(std::ceil(std::hypot(path[i + 1].x - path[i].x, path[i + 1].y - path[i].y))));
    for (int k = 0; k <= steps; ++k) {
      const Pt q = Lerp(path[i], path[i + 1], static_cast<double>(k) / steps);
      p.Pen(Shade(kMagenta, 5), 1).Line(q.x - n.x, q.y - n.y, q.x + n.x, q.y + n.y);
    }
  }
}

// A ring written with the nib, for the square boxes of the two slanted nibs.
std::vector<Pt> RingPath(Pt m, double r) {
  std::vector<Pt> pts;
  for (int i = 0; i <= 32; ++i) {
    const double a = 2 * kPi * i / 32;
    pts.push_back({m.x + r * std::cos(a), m.y + r * std::sin(a)});
  }
  return pts;
}

// Ten wavy lines one below the other in the given shades of the sky row.
void RibbonIcon(Painter& p, Box c, const int (&shades)[10]) {
  for (int k = 0; k < 10; ++k)
    p.Pen(Shade(kSky, shades[k]), 2).Lines(WavePoints(c.l + 4, c.r - 4, c.t + 13 + 2.2 * k, 3.5, 1, 1));
}

void GrassIcon(Painter& p, Box c, int size) {
  const double base = c.b - 9, h = 6 + 6 * size;
  const Pt m = Mid(c);
  for (int i = 0; i < 9; ++i) {
    const double a = (-55 + 110.0 * i / 8) * kPi / 180, len = h * (0.75 + 0.25 * Jitter(i, size));
    p.Pen(i % 2 ? Shade(kGreen, 7) : Shade(kGreen, 4), 1)
        .Line(m.x + (i - 4) * 0.6, base, m.x + len * std::sin(a), base - len * std::cos(a));
  }
}

// A little can with its nozzle at the top right.
void SprayCan(Painter& p, double x, double y) {
  p.Style(kBlack, Shade(kGrey, 3), 1).Rect(x, y, x + 8, y + 14);
  p.Style(kBlack, Shade(kRed, 5), 1).Rect(x + 2, y - 3, x + 6, y);
  p.Style(kBlack, Shade(kRed, 5), 1).Rect(x + 2, y + 4, x + 6, y + 10);
}

void SprayIcon(Painter& p, Box c, bool mist) {
  SprayCan(p, c.l + 5, c.b - 19);
  const Pt m{c.l + 24.0, c.t + 17.0};
  const COLORREF ink = Shade(kRed, 5);
  if (mist) {
    for (int i = 0; i < 150; ++i) {
      const double a = 2 * kPi * Jitter(i, 7), r = 11 * std::sqrt(Jitter(i, 8));
      p.Dot(m.x + r * std::cos(a), m.y + r * std::sin(a), ink);
    }
  } else {
    for (int i = 0; i < 11; ++i) {
      const double a = 2 * kPi * Jitter(i, 9), r = 10 * std::sqrt(Jitter(i, 10));
      p.NoPen().Brush(ink).Circle(m.x + r * std::cos(a), m.y + r * std::sin(a), 1.6);
    }
  }
}

void RainbowIcon(Painter& p, Box c, bool on) {
  const COLORREF bands[6] = {Shade(kRed, 5),   Shade(kOrange, 4), Shade(kYellow, 7),
                             Shade(kGreen, 5), Shade(kBlue, 0),   Shade(kViolet, 5)};
  const Pt m{Mid(c).x, c.b - 14.0};
  if (!on) {
    // One colour only: a single band where the rainbow's middle would be.
    p.Pen(Shade(kRed, 5), 4).NoBrush().Arc(m.x - 10, m.y - 10, m.x + 10, m.y + 10, 0, 180);
    return;
  }
  for (int k = 0; k < 6; ++k) {
    const double r = 15 - 2 * k;
    p.Pen(bands[k], 2).NoBrush().Arc(m.x - r, m.y - r, m.x + r, m.y + r, 0, 180);
  }
}

void QuillIcon(Painter& p, Box c, bool thicker_when_fast) {
  // The arrow below gives the way the stroke was drawn, getting faster.
  if (thicker_when_fast)
    TaperedStroke(p, c, 1, 9, Shade(kViolet, 6));
  else
    TaperedStroke(p, c, 9, 1, Shade(kViolet, 6));
  p.Pen(Shade(kGrey, 3), 1).Line(c.l + 6, c.b - 8, c.r - 6, c.b - 8);
  p.Line(c.r - 10, c.b - 11, c.r - 6, c.b - 8);
  p.Line(c.r - 10, c.b - 5, c.r - 6, c.b - 8);
}

// ---- effects ------------------------------------------------------------------------------------

// An arrow from a to b, with a head at b (and at a when both).
void Arrow(Painter& p, Pt a, Pt b, COLORREF colour, bool both = false) {
  p.Pen(colour, 2).Line(a.x, a.y, b.x, b.y);
  auto head = [&](Pt from, Pt to) {
    const double d = std::hypot(to.x - from.x, to.y - from.y), ux = (to.x - from.x) / d,
                 uy = (to.y - from.y) / d;
    p.NoPen().Brush(colour).Poly({{to.x + ux, to.y + uy},
                                  {to.x - 4 * ux + 3 * uy, to.y - 4 * uy - 3 * ux},
                                  {to.x - 4 * ux - 3 * uy, to.y - 4 * uy + 3 * ux}});
  };
  head(a, b);
  if (both) head(b, a);
}

void FlipIcon(Painter& p, Box c, bool side_to_side) {
  const Pt m = Mid(c);
  const COLORREF a = Shade(kOrange, 4), b = Shade(kOrange, 1), axis = Shade(kGrey, 2);
  if (side_to_side) {
    for (double y = c.t + 6; y < c.b - 12; y += 4) p.Pen(axis, 1).Line(m.x, y, m.x, y + 2);
    p.Style(kBlack, a, 1).Poly({{m.x - 3, c.t + 10.0}, {m.x - 3, c.t + 30.0}, {m.x - 15, c.t + 30.0}});
    p.Style(kBlack, b, 1).Poly({{m.x + 3, c.t + 10.0}, {m.x + 3, c.t + 30.0}, {m.x + 15, c.t + 30.0}});
    Arrow(p, {m.x - 12, c.b - 7.0}, {m.x + 12, c.b - 7.0}, kBlack, true);
  } else {
    for (double x = c.l + 5; x < c.r - 12; x += 4) p.Pen(axis, 1).Line(x, m.y, x + 2, m.y);
    p.Style(kBlack, a, 1).Poly({{c.l + 6.0, m.y - 3}, {c.l + 24.0, m.y - 3}, {c.l + 6.0, m.y - 17}});
    p.Style(kBlack, b, 1).Poly({{c.l + 6.0, m.y + 3}, {c.l + 24.0, m.y + 3}, {c.l + 6.0, m.y + 17}});
    Arrow(p, {c.r - 8.0, m.y - 14}, {c.r - 8.0, m.y + 14}, kBlack, true);
  }
}

void PixellateIcon(Painter& p, Box c, bool round) {
  static const char* const kHeart[5] = {".#.#.", "#####", "#####", ".###.", "..#.."};
  const double s = 6, x0 = Mid(c).x - 2.5 * s, y0 = Mid(c).y - 2.5 * s;
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) {
      if (kHeart[y][x] != '#') continue;
      p.Style(kBlack, Shade(kRed, 3 + static_cast<int>(Jitter(x + 5 * y, 3) * 4)), 1);
      if (round)
        p.Ellipse(x0 + x * s, y0 + y * s, x0 + x * s + s, y0 + y * s + s);
      else
        p.Rect(x0 + x * s, y0 + y * s, x0 + x * s + s + 1, y0 + y * s + s + 1);
    }
}

void Sun(Painter& p, Pt m, double r, COLORREF colour) {
  p.Pen(colour, 1);
  for (int i = 0; i < 8; ++i) {
    const double a = kPi * i / 4;
    p.Line(m.x + (r + 2) * std::cos(a), m.y + (r + 2) * std::sin(a), m.x + (r + 4) * std::cos(a),
           m.y + (r + 4) * std::sin(a));
  }
  p.Style(kBlack, colour, 1).Circle(m.x, m.y, r);
}

void LightenIcon(Painter& p, Box c, bool lighten, bool lit) {
  const Pt m{c.l + 13.0, Mid(c).y};
  if (lighten) {
    Sun(p, m, 4, Shade(kYellow, 7));
  } else {
    p.Style(kBlack, Shade(kYellow, 2), 1).Circle(m.x, m.y, 6);
    p.NoPen().Brush(lit ? kLitFill : kDimFill).Circle(m.x + 3, m.y - 2, 5);
  }
  for (int k = 0; k < 6; ++k) {
    const int shade = lighten ? 6 - k : 3 + k;
    const double x = c.l + 26 + 8 * k;
    p.Style(kBlack, Shade(kRed, shade), 1).Rect(x, m.y - 6, x + 8, m.y + 7);
  }
}

void SizeIcon(Painter& p, Box c, bool magnify) {
  const Pt m{Mid(c).x - 3, Mid(c).y - 4};
  p.Pen(Shade(kBrown, 6), 4).Line(m.x + 8, m.y + 8, m.x + 15, m.y + 15);
  p.Style(kBlack, kWhite, 2).Circle(m.x, m.y, 11);
  p.Pen(Shade(kRed, 6), 3).Line(m.x - 5, m.y, m.x + 5, m.y);
  if (magnify) p.Line(m.x, m.y - 5, m.x, m.y + 5);
}

void ShadowIcon(Painter& p, Box c, int d) {
  const int o = 4;
  const int dx[8] = {0, 0, -o, 0, o, -o, 0, o}, dy[8] = {0, 0, -o, -o, -o, o, o, o};
  const Pt m = Mid(c);
  p.Text(m.x + dx[d], m.y - 8 + dy[d], "A", 16, kBlack);
  p.Text(m.x, m.y - 8, "A", 16, Shade(kRed, 5));
}

void ExplodeIcon(Painter& p, Box c, bool rise) {
  const Pt m = Mid(c);
  const COLORREF layers[3] = {Shade(kRed, 5), Shade(kOrange, 3), Shade(kYellow, 4)};
  for (int k = 2; k >= 0; --k) {
    const double y = rise ? c.t + 22 - 8 * k : c.t + 4 + 8 * k;
    p.OutlinedText(m.x - 3, y, "A", 16, layers[k], kBlack, 1);
  }
  if (rise)
    Arrow(p, {c.r - 7.0, c.b - 8.0}, {c.r - 7.0, c.t + 8.0}, kBlack);
  else
    Arrow(p, {c.r - 7.0, c.t + 8.0}, {c.r - 7.0, c.b - 8.0}, kBlack);
}

void Fish(Painter& p, Pt m) {
  p.Style(kBlack, Shade(kOrange, 4), 1).Poly({{m.x + 6, m.y}, {m.x + 13, m.y - 5}, {m.x + 13, m.y + 5}});
  p.Style(kBlack, Shade(kOrange, 4), 1).Ellipse(m.x - 9, m.y - 6, m.x + 8, m.y + 6);
  p.NoPen().Brush(kBlack).Circle(m.x - 4, m.y - 1, 1.5);
}

void FishIcon(Painter& p, Box c, bool shaded) {
  Fish(p, {c.l + 14.0, c.b - 11.0});
  const Pt at[3] = {{c.l + 8.0, c.b - 23.0}, {c.l + 15.0, c.t + 10.0}, {c.l + 27.0, c.t + 8.0}};
  const double r[3] = {3, 4, 6};
  for (int i = 0; i < 3; ++i) {
    if (shaded)
      DrawShaded(p, at[i].x - r[i], at[i].y - r[i], at[i].x + r[i], at[i].y + r[i], kSky, 1, 2);
    else
      p.Pen(Shade(kSky, 3), 1).NoBrush().Circle(at[i].x, at[i].y, r[i]);
  }
}

// The halves of a heart of width 2s about its middle line: the right half (x >= 0) or the left.
std::vector<Pt> HalfHeart(double s, bool right) {
  std::vector<Pt> pts;
  for (int i = 0; i <= 16; ++i) {
    const double t = kPi * i / 16 + (right ? 0 : kPi);
    const double x = 16 * std::pow(std::sin(t), 3);
    const double y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
    pts.push_back({x * s / 16, -(y + 2) * s / 16});
  }
  return pts;
}

// What the child draws and its mirrored copy: a half heart beside the line and the other half
// the tool adds, lighter, beyond it; four petals round a middle for the four-fold mirror.
void MirrorIcon(Painter& p, Box c, int kind) {
  const Pt m = Mid(c);
  const COLORREF axis = Shade(kGrey, 2), drawn = Shade(kRed, 5), copy = Shade(kRed, 2);
  auto half = [&](bool right, bool across, COLORREF colour) {
    std::vector<Pt> pts;
    for (const Pt& q : HalfHeart(10, right))
      pts.push_back(across ? Pt{m.x - q.y, m.y - q.x} : Pt{m.x + q.x, m.y + q.y});
    p.Style(kBlack, colour, 1).Poly(pts);
  };
  if (kind == 2) {
    half(false, false, drawn);
    half(true, false, copy);
  } else if (kind == 1) {
    half(false, true, drawn);
    half(true, true, copy);
  } else {
    for (int q = 0; q < 4; ++q) {
      const double sx = q % 2 ? 1 : -1, sy = q / 2 ? 1 : -1;
      p.Style(kBlack, q == 0 ? drawn : copy, 1).Circle(m.x + 5.5 * sx, m.y + 5.5 * sy, 5);
    }
    p.Style(kBlack, Shade(kYellow, 6), 1).Circle(m.x, m.y, 3);
  }
  if (kind != 1)
    for (double y = c.t + 4; y < c.b - 4; y += 4) p.Pen(axis, 1).Line(m.x, y, m.x, y + 2);
  if (kind != 2)
    for (double x = c.l + 3; x < c.r - 3; x += 4) p.Pen(axis, 1).Line(x, m.y, x + 2, m.y);
}

void RollerIcon(Painter& p, Box c, bool wide) {
  const Pt m = Mid(c);
  const double hx = wide ? 13 : 7, hy = wide ? 7 : 13;
  p.Style(kBlack, Shade(kGreen, 5), 1).Rect(m.x - hx, m.y - hy, m.x + hx, m.y + hy);
  for (int i = 0; i < 40; ++i)
    p.Dot(m.x - hx + 1 + (2 * hx - 2) * Jitter(i, wide ? 20 : 21),
          m.y - hy + 1 + (2 * hy - 2) * Jitter(i, wide ? 22 : 23),
          i % 2 ? Shade(kGreen, 2) : Shade(kGreen, 1));
}

// A small cube of the sky row: the front face in `shade`, the top lighter, the side darker.
void Cube(Painter& p, double x, double y, double size, int shade) {
  const double d = size / 3;
  p.Style(kBlack, Shade(kSky, std::max(0, shade - 2)), 1)
      .Poly({{x, y}, {x + d, y - d}, {x + size + d, y - d}, {x + size, y}});
  p.Style(kBlack, Shade(kSky, std::min(9, shade + 2)), 1)
      .Poly({{x + size, y}, {x + size + d, y - d}, {x + size + d, y + size - d}, {x + size, y + size}});
  p.Style(kBlack, Shade(kSky, shade), 1).Rect(x, y, x + size + 1, y + size + 1);
}

// ---- panels -------------------------------------------------------------------------------------

Choice Make(Box b, std::function<void(Painter&, Box)> icon) {
  return {b, [icon](Painter& p, Box c, bool) { icon(p, c); }};
}

void PenSizePanel(const fs::path& dir) {
  Canvas c(79, 48, kBlack);
  Painter p(c);
  // A wedge from thin to thick above the dots: "how thick".
  p.NoPen().Brush(Shade(kGrey, 5)).Poly({{4, 8}, {75, 3}, {75, 13}});
  // One dot per size, above the place of the size's marker.
  const int marker_x[9] = {2, 8, 14, 21, 29, 37, 46, 55, 66};
  const double diameter[9] = {2, 3, 4, 5, 6, 7, 8, 9, 11};
  for (int i = 0; i < 9; ++i) {
    const double cx = marker_x[i] + 5.5, r = diameter[i] / 2;
    p.NoPen().Brush(kWhite).Ellipse(cx - r, 27 - r, cx + r, 27 + r);
  }
  // The marker: an arrow pointing up at the chosen dot.
  p.NoPen().Brush(Shade(kYellow, 4)).Poly({{2 + 5.5, 39}, {2 + 11, 47}, {2, 47}});
  c.Save(dir / "a28.kvr");
}

void CubeSizePanels(const fs::path& dir) {
  for (int v = 1; v <= 10; ++v) {
    Canvas c(80, 50, kBlack);
    Painter p(c);
    for (int k = 0; k < 10; ++k)
      p.NoPen().Brush(k < v ? Shade(kSky, 3) : Shade(kGrey, 7)).Rect(5 + 7 * k, 3, 11 + 7 * k, 10);
    // The bigger button is on the left, the smaller on the right, where the presses are taken.
    const Box more{3, 26, 25, 48}, less{55, 26, 77, 48};
    Button(p, more, false);
    Button(p, less, false);
    const COLORREF plus = v < 10 ? Shade(kGreen, 3) : Shade(kGrey, 5);
    const COLORREF minus = v > 1 ? Shade(kRed, 4) : Shade(kGrey, 5);
    p.Pen(plus, 4).Line(8, 37, 20, 37);
    p.Line(14, 31, 14, 43);
    p.Pen(minus, 4).Line(60, 37, 72, 37);
    const double size = 4 + 1.7 * v;
    Cube(p, 40 - (size + size / 3) / 2, 47 - size, size, 4);
    c.Save(dir / ("a" + std::to_string(80 - v) + ".kvr"));
  }
}

void LightPanels(const fs::path& dir) {
  // The file of each direction, and the cell of the grid that chooses it.
  struct Light {
    int value;
    const char* file;
    int col, row;
  };
  const Light lights[8] = {{2, "a43.kvr", 0, 0}, {3, "a44.kvr", 1, 0}, {4, "a45.kvr", 2, 0},
                           {8, "a46.kvr", 2, 1}, {7, "a47.kvr", 2, 2}, {6, "a48.kvr", 1, 2},
                           {5, "a49.kvr", 0, 2}, {9, "a50.kvr", 0, 1}};
  const int lo[3] = {0, 28, 55}, hi[3] = {27, 54, 80};
  for (const Light& chosen : lights) {
    Canvas c(80, 80, kBlack);
    Painter p(c);
    for (const Light& l : lights) {
      const Box b{lo[l.col], lo[l.row], hi[l.col], hi[l.row]};
      const bool lit = l.value == chosen.value;
      Button(p, b, lit);
      Sun(p, Mid(b), lit ? 5 : 3, lit ? Shade(kYellow, 6) : Shade(kGrey, 4));
    }
    // The middle cell takes no press: it shows a ball lit from the chosen side.
    DrawShaded(p, 29, 29, 53, 53, kRed, 1, chosen.value);
    c.Save(dir / chosen.file);
  }
}

void FontPanel(const fs::path& dir) {
  Canvas c(79, 50, kBlack);
  Painter p(c);
  Button(p, {0, 0, 79, 50}, false);
  const char* letters[3] = {"A", "b", "c"};
  const COLORREF colours[3] = {Shade(kYellow, 5), Shade(kSky, 2), Shade(kPink, 3)};
  const double x[3] = {22, 42, 58};
  for (int i = 0; i < 3; ++i) p.OutlinedText(x[i], 9, letters[i], 24, colours[i], kBlack, 1);
  c.Save(dir / "a84.kvr");
}

}  // namespace

void DrawOptionPanels(const fs::path& dir) {
  PenSizePanel(dir);
  CubeSizePanels(dir);
  LightPanels(dir);
  FontPanel(dir);

  const Box left = Halves()[0], right = Halves()[1];
  const Box third[3] = {Thirds()[0], Thirds()[1], Thirds()[2]};

  // Cube colour: the quadrants choose the shades 2, 4, 5 and 7.
  {
    const int shades[4] = {2, 4, 5, 7};
    const Box quads[4] = {{0, 0, 40, 25}, {40, 0, 80, 25}, {0, 25, 40, 50}, {40, 25, 80, 50}};
    std::vector<Choice> cs;
    for (int i = 0; i < 4; ++i)
      cs.push_back(
          Make(quads[i], [s = shades[i]](Painter& p, Box b) { Cube(p, Mid(b).x - 8, Mid(b).y - 4, 12, s); }));
    ChoicePanel(dir / "a20.kvr", 80, cs, {0, 1, 2, 3});
  }
  // Nib: four boxes, each showing the stroke its nib leaves.
  {
    const Box b1{6, 1, 32, 27}, b3{5, 32, 38, 42}, b2{40, 1, 63, 29}, b4{64, 15, 76, 45};
    std::vector<Choice> cs = {
        Make(b1,
             [](Painter& p, Box b) {
               NibStroke(p, RingPath(Mid(b), 7), {2.5, -2.5});
             }),
        Make(b2,
             [](Painter& p, Box b) {
               NibStroke(p, RingPath(Mid(b), 7), {-2.5, -2.5});
             }),
        Make(b4,
             [](Painter& p, Box b) {
               NibStroke(p, {{Mid(b).x, b.t + 6.0}, {Mid(b).x, b.b - 6.0}}, {3, 0});
             }),
        Make(b3,
             [](Painter& p, Box b) {
               NibStroke(p, {{b.l + 7.0, Mid(b).y}, {b.r - 7.0, Mid(b).y}}, {0, 2.5});
             }),
    };
    // Strips in the order of the values 1, 2, 4, 3.
    ChoicePanel(dir / "a4.kvr", 80, cs, {0, 1, 2, 3});
  }
  // Roller: the left half paints wide blocks (4), the right half tall ones (3).
  ChoicePanel(dir / "a6.kvr", 80,
              {Make(left, [](Painter& p, Box b) { RollerIcon(p, b, true); }),
               Make(right, [](Painter& p, Box b) { RollerIcon(p, b, false); })},
              {1, 0});
  ChoicePanel(dir / "a24.kvr", 80,
              {Make({0, 0, 41, 50}, [](Painter& p, Box b) { ExplodeIcon(p, b, true); }),
               Make({41, 0, 80, 50}, [](Painter& p, Box b) { ExplodeIcon(p, b, false); })},
              {0, 1});
  ChoicePanel(dir / "a15.kvr", 80,
              {Make({0, 0, 40, 40}, [](Painter& p, Box b) { FishIcon(p, b, true); }),
               Make({40, 0, 80, 40}, [](Painter& p, Box b) { FishIcon(p, b, false); })},
              {0, 1});
  ChoicePanel(dir / "a13.kvr", 80,
              {Make(left, [](Painter& p, Box b) { FlipIcon(p, b, true); }),
               Make(right, [](Painter& p, Box b) { FlipIcon(p, b, false); })},
              {0, 1});
  ChoicePanel(dir / "a8.kvr", 80,
              {Make(left, [](Painter& p, Box b) { PixellateIcon(p, b, false); }),
               Make(right, [](Painter& p, Box b) { PixellateIcon(p, b, true); })},
              {0, 1});
  ChoicePanel(dir / "a23.kvr", 80,
              {{{0, 0, 80, 26}, [](Painter& p, Box b, bool lit) { LightenIcon(p, b, true, lit); }},
               {{0, 26, 80, 50}, [](Painter& p, Box b, bool lit) { LightenIcon(p, b, false, lit); }}},
              {0, 1});
  ChoicePanel(dir / "a10.kvr", 80,
              {Make(left, [](Painter& p, Box b) { SprayIcon(p, b, true); }),
               Make(right, [](Painter& p, Box b) { SprayIcon(p, b, false); })},
              {0, 1});
  ChoicePanel(dir / "a12.kvr", 80,
              {Make(left, [](Painter& p, Box b) { StarIcon(p, b, 1); }),
               Make(right, [](Painter& p, Box b) { StarIcon(p, b, 2); })},
              {0, 1});
  ChoicePanel(dir / "a11.kvr", 80,
              {Make(left, [](Painter& p, Box b) { ParallelogramIcon(p, b, 3); }),
               Make(right, [](Painter& p, Box b) { ParallelogramIcon(p, b, 4); })},
              {0, 1});
  // Size: the left half magnifies (2), the right half shrinks (1); the first strip is value 1.
  ChoicePanel(dir / "a9.kvr", 80,
              {Make(left, [](Painter& p, Box b) { SizeIcon(p, b, true); }),
               Make(right, [](Painter& p, Box b) { SizeIcon(p, b, false); })},
              {1, 0});
  ChoicePanel(dir / "a2.kvr", 80,
              {Make(left, [](Painter& p, Box b) { TrapezoidIcon(p, b, 1); }),
               Make(right, [](Painter& p, Box b) { TrapezoidIcon(p, b, 2); })},
              {0, 1});
  // Objects: triangles (3), squares (1), circles (2) from left to right; strips 3, 1, 2.
  ChoicePanel(dir / "a19.kvr", 80,
              {Make(third[0], [](Painter& p, Box b) { ObjectIcon(p, b, 3); }),
               Make(third[1], [](Painter& p, Box b) { ObjectIcon(p, b, 1); }),
               Make(third[2], [](Painter& p, Box b) { ObjectIcon(p, b, 2); })},
              {0, 1, 2});
  // Mirror: about the upright centre line (2), the level one (1), both (3); strips 2, 1, 3.
  ChoicePanel(dir / "a7.kvr", 80,
              {Make(third[0], [](Painter& p, Box b) { MirrorIcon(p, b, 2); }),
               Make(third[1], [](Painter& p, Box b) { MirrorIcon(p, b, 1); }),
               Make(third[2], [](Painter& p, Box b) { MirrorIcon(p, b, 3); })},
              {0, 1, 2});
  // Shadow: two rows of three cells, the directions 2, 3, 4 above and 5, 6, 7 below.
  {
    std::vector<Choice> cs;
    const int lo[3] = {0, 28, 55}, hi[3] = {27, 54, 80};
    for (int d = 2; d <= 7; ++d) {
      const int col = (d - 2) % 3, row = (d - 2) / 3;
      cs.push_back(Make({lo[col], row ? 26 : 0, hi[col], row ? 50 : 25},
                        [d](Painter& p, Box b) { ShadowIcon(p, b, d); }));
    }
    ChoicePanel(dir / "a21.kvr", 80, cs, {0, 1, 2, 3, 4, 5});
  }
  ChoicePanel(dir / "a5.kvr", 80,
              {Make(third[0], [](Painter& p, Box b) { TriangleIcon(p, b, 1); }),
               Make(third[1], [](Painter& p, Box b) { TriangleIcon(p, b, 2); }),
               Make(third[2], [](Painter& p, Box b) { TriangleIcon(p, b, 3); })},
              {0, 1, 2});
  // Ribbon: light to dark (tool 30), dark to light (29), dark to light and back (20).
  {
    static const int up[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, down[10] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
                     both[10] = {9, 6, 3, 0, 1, 3, 4, 6, 7, 9};
    ChoicePanel(dir / "a18.kvr", 80,
                {Make(third[0], [](Painter& p, Box b) { RibbonIcon(p, b, up); }),
                 Make(third[1], [](Painter& p, Box b) { RibbonIcon(p, b, down); }),
                 Make(third[2], [](Painter& p, Box b) { RibbonIcon(p, b, both); })},
                {0, 1, 2});
  }
  // Quill: the left half is tool 13 (thicker the faster), the right half tool 12; strips 1, 2.
  ChoicePanel(dir / "a16.kvr", 80,
              {Make(left, [](Painter& p, Box b) { QuillIcon(p, b, true); }),
               Make(right, [](Painter& p, Box b) { QuillIcon(p, b, false); })},
              {1, 0});
  ChoicePanel(dir / "a14.kvr", 80,
              {Make(third[0], [](Painter& p, Box b) { GrassIcon(p, b, 1); }),
               Make(third[1], [](Painter& p, Box b) { GrassIcon(p, b, 2); }),
               Make(third[2], [](Painter& p, Box b) { GrassIcon(p, b, 3); })},
              {0, 1, 2});
  ChoicePanel(dir / "a17.kvr", 80,
              {Make(left, [](Painter& p, Box b) { RainbowIcon(p, b, true); }),
               Make(right, [](Painter& p, Box b) { RainbowIcon(p, b, false); })},
              {0, 1});
}

}  // namespace art
