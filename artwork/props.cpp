#include "props.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "palette.h"

namespace art {

Pt Axis::operator()(double u, double v) const {
  const double a = degrees * kPi / 180, c = std::cos(a), s = std::sin(a);
  return {tip.x + u * c + v * s, tip.y - u * s + v * c};
}

void DrawPencil(Painter& p, Axis a, double length, double width, COLORREF body, Look look) {
  const double L = length, h = width / 2;
  p.Style(look.ink, body, look.outline)
      .Poly({a(0.22 * L, -h), a(0.80 * L, -h), a(0.80 * L, h), a(0.22 * L, h)});
  // A lighter stripe along the body gives the pencil its roundness.
  p.Pen(Shade(kYellow, 1), std::max(1.0, width / 6))
      .Line(a(0.30 * L, -h / 3).x, a(0.30 * L, -h / 3).y, a(0.74 * L, -h / 3).x, a(0.74 * L, -h / 3).y);
  p.Style(look.ink, Shade(kPeach, 3), look.outline).Poly({a(0, 0), a(0.22 * L, -h), a(0.22 * L, h)});
  p.Style(look.ink, Shade(kGrey, 3), look.outline)
      .Poly({a(0.80 * L, -h), a(0.88 * L, -h), a(0.88 * L, h), a(0.80 * L, h)});
  p.Style(look.ink, Shade(kRed, 1), look.outline)
      .Poly({a(0.88 * L, -h), a(0.97 * L, -h), a(L, -h / 2), a(L, h / 2), a(0.97 * L, h), a(0.88 * L, h)});
  p.Style(look.ink, Shade(kGrey, 7), 1).Poly({a(0, 0), a(0.09 * L, -h * 0.42), a(0.09 * L, h * 0.42)});
}

void DrawChalk(Painter& p, Axis a, double length, double width, COLORREF colour, Look look) {
  const double L = length, h = width / 2;
  // A short cylinder: the body, then the far end as an ellipse so it reads as round.
  p.Style(look.ink, colour, look.outline)
      .Poly({a(0.06 * L, -h), a(L, -h), a(L, h), a(0.06 * L, h), a(0, h * 0.4), a(0, -h * 0.4)});
  std::vector<Pt> end;
  for (int i = 0; i < 16; ++i) {
    const double t = 2 * kPi * i / 16;
    end.push_back(a(L + h * 0.45 * std::cos(t), h * std::sin(t)));
  }
  p.Style(look.ink, Shade(kGrey, 1), look.outline).Poly(end);
}

void DrawQuill(Painter& p, Axis a, double length, double width, COLORREF vane, Look look) {
  const double L = length, h = width / 2;
  // The vane: a long leaf, fuller on one side of the shaft, pointed at the top.
  std::vector<Pt> leaf;
  const int n = 16;
  for (int i = 0; i <= n; ++i) {
    const double f = static_cast<double>(i) / n, u = 0.2 * L + 0.8 * L * f;
    leaf.push_back(a(u, -h * std::pow(std::sin(kPi * (0.12 + 0.88 * f)), 0.7)));
  }
  for (int i = n; i >= 0; --i) {
    const double f = static_cast<double>(i) / n, u = 0.2 * L + 0.8 * L * f;
    leaf.push_back(a(u, h * 0.7 * std::pow(std::sin(kPi * (0.1 + 0.9 * f)), 0.8)));
  }
  p.Style(look.ink, vane, look.outline).Poly(leaf);
  // Notches in the vane, then the shaft.
  p.Pen(look.ink, std::max(1.0, look.outline / 2));
  for (double f : {0.45, 0.7}) {
    const Pt s = a(f * L, 0), e = a(f * L + 0.12 * L, -h * 0.9);
    p.Line(s.x, s.y, e.x, e.y);
  }
  const Pt s0 = a(0.1 * L, 0), s1 = a(0.98 * L, 0);
  p.Pen(look.ink, std::max(1.0, look.outline / 2)).Line(s0.x, s0.y, s1.x, s1.y);
  p.Style(look.ink, Shade(kGrey, 7), 1).Poly({a(0, 0), a(0.2 * L, -h * 0.3), a(0.2 * L, h * 0.3)});
}

void DrawEraser(Painter& p, Axis a, double length, double width, Look look) {
  const double L = length, h = width / 2;
  p.Style(look.ink, Shade(kPink, 1), look.outline).Poly({a(0, -h), a(0.5 * L, -h), a(0.5 * L, h), a(0, h)});
  p.Style(look.ink, Shade(kSky, 5), look.outline).Poly({a(0.5 * L, -h), a(L, -h), a(L, h), a(0.5 * L, h)});
  p.Pen(kWhite, 1);
  const Pt s = a(0.6 * L, -h / 3), e = a(0.9 * L, -h / 3);
  p.Line(s.x, s.y, e.x, e.y);
}

void DrawMarker(Painter& p, Axis a, double length, double width, COLORREF body, Look look) {
  const double L = length, h = width / 2;
  p.Style(look.ink, body, look.outline).Poly({a(0.25 * L, -h), a(L, -h), a(L, h), a(0.25 * L, h)});
  p.Style(look.ink, kWhite, look.outline)
      .Poly({a(0.25 * L, -h), a(0.38 * L, -h), a(0.38 * L, h), a(0.25 * L, h)});
  p.Style(look.ink, Shade(kGrey, 6), look.outline)
      .Poly({a(0, -h * 0.3), a(0.25 * L, -h * 0.8), a(0.25 * L, h * 0.8), a(0, h * 0.3)});
}

void DrawBrush(Painter& p, Axis a, double length, double width, COLORREF paint, bool flat, Look look) {
  const double L = length, h = width / 2;
  // The handle narrows toward its rounded end.
  std::vector<Pt> handle = {a(0.5 * L, -h * 0.5), a(0.92 * L, -h * 0.38)};
  for (int i = 1; i < 8; ++i) {
    const double ang = -kPi / 2 + kPi * i / 8;
    handle.push_back(a(0.92 * L + h * 0.38 * std::cos(ang), h * 0.38 * std::sin(ang)));
  }
  handle.push_back(a(0.92 * L, h * 0.38));
  handle.push_back(a(0.5 * L, h * 0.5));
  p.Style(look.ink, Shade(kBrown, 1), look.outline).Poly(handle);
  // The whole head is the colour of the paint, so the brush shows what it paints with.
  if (flat)
    p.Style(look.ink, paint, look.outline)
        .Poly({a(0, -h), a(0.38 * L, -h * 0.7), a(0.38 * L, h * 0.7), a(0, h)});
  else
    p.Style(look.ink, paint, look.outline)
        .Poly({a(0, 0), a(0.1 * L, -h * 0.75), a(0.38 * L, -h * 0.7), a(0.38 * L, h * 0.7),
               a(0.1 * L, h * 0.75)});
  p.Style(look.ink, Shade(kGrey, 3), look.outline)
      .Poly({a(0.36 * L, -h * 0.75), a(0.52 * L, -h * 0.6), a(0.52 * L, h * 0.6), a(0.36 * L, h * 0.75)});
}

void DrawWand(Painter& p, Axis a, double length, double width, COLORREF star, Look look) {
  const double L = length, h = width / 2;
  p.Style(look.ink, Shade(kGrey, 9), look.outline).Poly({a(0.2 * L, -h), a(L, -h), a(L, h), a(0.2 * L, h)});
  p.Style(look.ink, kWhite, look.outline).Poly({a(0.8 * L, -h), a(L, -h), a(L, h), a(0.8 * L, h)});
  DrawStar(p, a(0.1 * L, 0), 0.24 * L, 0.1 * L, star, look);
}

void DrawShaded(Painter& p, double l, double t, double r, double b, int row, int kind, int light) {
  // Per-edge step factors: the ring on the side of the light is wider, so the lightest figure
  // ends up toward it.
  constexpr double A = 1.0 / 11, N = 1.0 / 14, W = 1.0 / 8;
  constexpr double k[10][4] = {{A, A, A, A}, {A, A, A, A}, {N, W, N, W}, {A, A, N, W}, {W, N, N, W},
                               {N, W, W, N}, {A, A, W, N}, {W, N, W, N}, {W, N, A, A}, {N, W, A, A}};
  const double rx = (r - l) / 2, ry = (b - t) / 2;
  const auto& f = k[std::clamp(light, 1, 9)];
  p.NoPen();
  for (int i = 0; i < 10; ++i) {
    const double L = l + i * rx * f[0], R = r - i * rx * f[1], T = t + i * ry * f[2], B = b - i * ry * f[3];
    p.Brush(Shade(row, 9 - i));
    if (kind == 1)
      p.Ellipse(L, T, R, B);
    else if (kind == 2)
      p.Rect(L, T, R, B);
    else
      p.Round(L, T, R, B, std::min(R - L, B - T) / 2);
  }
}

void DrawLandscape(Painter& p, double l, double t, double r, double b) {
  const double w = r - l, h = b - t;
  // The hills are parts of big ellipses; their outlines are kept inside the box by pressing the
  // points that fall outside onto its edge, which for a convex outline leaves the cut-off shape.
  auto hill = [&](double hl, double ht, double hr, double hb) {
    std::vector<Pt> pts;
    for (int i = 0; i < 48; ++i) {
      const double a = 2 * kPi * i / 48;
      pts.push_back({std::clamp((hl + hr) / 2 + (hr - hl) / 2 * std::cos(a), l, r),
                     std::clamp((ht + hb) / 2 + (hb - ht) / 2 * std::sin(a), t, b)});
    }
    p.Poly(pts);
  };
  p.NoPen().Brush(Shade(kSky, 1)).Rect(l, t, r, b);
  p.Brush(Shade(kYellow, 6)).Circle(l + 0.75 * w, t + 0.28 * h, 0.14 * std::min(w, h) + 0.5);
  p.Brush(Shade(kGreen, 4));
  hill(l - 0.3 * w, t + 0.6 * h, l + 0.8 * w, b + 0.5 * h);
  p.Brush(Shade(kLime, 5));
  hill(l + 0.4 * w, t + 0.68 * h, r + 0.4 * w, b + 0.6 * h);
  const double hx = l + 0.22 * w, hy = t + 0.45 * h, s = 0.2 * w;
  p.Brush(Shade(kRed, 5))
      .Poly({{hx - 0.1 * s, hy + 0.02 * h}, {hx + 0.5 * s, hy - 0.4 * s}, {hx + 1.1 * s, hy + 0.02 * h}});
  p.Brush(kWhite).Rect(hx, hy, hx + s, hy + 0.8 * s);
  p.Brush(Shade(kBrown, 5)).Rect(hx + 0.35 * s, hy + 0.35 * s, hx + 0.65 * s, hy + 0.8 * s);
}

void DrawHeart(Painter& p, Pt c, double size, COLORREF fill, Look look) {
  std::vector<Pt> pts;
  for (int i = 0; i < 32; ++i) {
    const double t = 2 * kPi * i / 32;
    const double x = 16 * std::pow(std::sin(t), 3);
    const double y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
    pts.push_back({c.x + x * size / 34, c.y - (y + 2) * size / 34});
  }
  p.Style(look.ink, fill, look.outline).Poly(pts);
}

std::vector<Pt> StarPoints(Pt c, double outer, double inner, int points, double turn_degrees) {
  std::vector<Pt> pts;
  for (int i = 0; i < 2 * points; ++i) {
    const double ang = (-90 + turn_degrees + 180.0 * i / points) * kPi / 180;
    const double r = i % 2 == 0 ? outer : inner;
    pts.push_back({c.x + r * std::cos(ang), c.y + r * std::sin(ang)});
  }
  return pts;
}

void DrawStar(Painter& p, Pt c, double outer, double inner, COLORREF fill, Look look, int points,
              double turn_degrees) {
  p.Style(look.ink, fill, look.outline).Poly(StarPoints(c, outer, inner, points, turn_degrees));
}

void DrawSparkle(Painter& p, Pt c, double size, COLORREF colour) {
  p.Pen(colour, 1);
  p.Line(c.x - size, c.y, c.x + size, c.y);
  p.Line(c.x, c.y - size, c.x, c.y + size);
  const double d = size * 0.45;
  p.Line(c.x - d, c.y - d, c.x + d, c.y + d);
  p.Line(c.x - d, c.y + d, c.x + d, c.y - d);
}

void DrawSmiley(Painter& p, Pt c, double radius, COLORREF fill, Look look) {
  const double r = radius;
  p.Style(look.ink, fill, look.outline).Circle(c.x, c.y, r);
  p.NoPen().Brush(look.ink);
  p.Ellipse(c.x - r * 0.45, c.y - r * 0.45, c.x - r * 0.15, c.y - r * 0.0);
  p.Ellipse(c.x + r * 0.15, c.y - r * 0.45, c.x + r * 0.45, c.y - r * 0.0);
  p.Pen(look.ink, look.outline)
      .NoBrush()
      .Arc(c.x - r * 0.6, c.y - r * 0.6, c.x + r * 0.6, c.y + r * 0.6, 200, 340);
}

double Jitter(int i, int salt) {
  // An integer hash (the finaliser of a well-known 32-bit mixer) spreads neighbouring indices.
  std::uint32_t h =
      static_cast<std::uint32_t>(i) * 0x9E3779B9u ^ static_cast<std::uint32_t>(salt) * 0x85EBCA6Bu;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return (h >> 8) / 16777216.0;
}

std::vector<Pt> WavePoints(double x0, double x1, double y, double amplitude, double waves, double t,
                           double phase) {
  std::vector<Pt> pts;
  const int n = 40;
  for (int i = 0; i <= n; ++i) {
    const double f = t * i / n;
    pts.push_back({x0 + (x1 - x0) * f, y + amplitude * std::sin(2 * kPi * waves * f + phase)});
  }
  return pts;
}

}  // namespace art
