#include "props.h"

#include <cmath>
#include <numbers>

#include "palette.h"

namespace art {

namespace {
constexpr double kPi = std::numbers::pi;
}

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
