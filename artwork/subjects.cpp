#include "subjects.h"

#include <cmath>
#include <stdexcept>

#include "palette.h"

namespace art {

namespace {

constexpr double kLine = 2.5;  // outline width in design units

// The bright families a subject's main colour moves through from one tint to the next.
constexpr Row kCycle[] = {kRed, kOrange, kYellow, kLime, kGreen, kSky, kBlue, kViolet, kMagenta, kPink};

COLORREF T(Row base, int tint, int shade = 5) {
  if (tint == 0) return Shade(base, shade);
  int at = 0;
  while (at < 10 && kCycle[at] != base) ++at;
  return Shade(kCycle[(at + 3 * tint) % 10], shade);
}
COLORREF C(Row row, int shade = 5) {
  return Shade(row, shade);
}

void Ink(Sketch& s, double width = kLine) {
  s.Pen(kInk, width);
}
void Eye(Sketch& s, double x, double y, double r) {
  s.Style(kInk, kWhite, 1.5).Circle(x, y, r);
  s.NoPen();
  s.Brush(kBlack);
  s.Circle(x + r * 0.2, y + r * 0.1, r * 0.5);
}
void Dot(Sketch& s, double x, double y, double r, COLORREF c) {
  s.NoPen();
  s.Brush(c);
  s.Circle(x, y, r);
}
void Smile(Sketch& s, double l, double t, double r, double b) {
  s.Pen(kInk, 2);
  s.Arc(l, t, r, b, 200, 340);
}
std::vector<Pt> Ring(double cx, double cy, double rx, double ry, int n, double turn = 0) {
  std::vector<Pt> pts;
  for (int i = 0; i < n; ++i) {
    const double a = (turn + 360.0 * i / n) * kPi / 180;
    pts.push_back({cx + rx * std::cos(a), cy - ry * std::sin(a)});
  }
  return pts;
}
std::vector<Pt> Star(double cx, double cy, double outer, double inner, int points, double turn = 90) {
  std::vector<Pt> pts;
  for (int i = 0; i < 2 * points; ++i) {
    const double r = i % 2 ? inner : outer, a = (turn + 180.0 * i / points) * kPi / 180;
    pts.push_back({cx + r * std::cos(a), cy - r * std::sin(a)});
  }
  return pts;
}

// ---- animals ---------------------------------------------------------------------------------

void Cat(Sketch& s, int t) {
  const COLORREF fur = T(kOrange, t, 4);
  Ink(s);
  s.Brush(fur);
  s.Poly({{18, 40}, {22, 8}, {42, 28}});
  s.Poly({{82, 40}, {78, 8}, {58, 28}});
  s.Ellipse(12, 20, 88, 88);
  s.Brush(C(kPink, 3));
  s.Poly({{24, 30}, {25, 16}, {35, 27}});
  s.Poly({{76, 30}, {75, 16}, {65, 27}});
  Eye(s, 36, 48, 7);
  Eye(s, 64, 48, 7);
  s.Style(kInk, C(kPink, 5), 1.5).Poly({{45, 60}, {55, 60}, {50, 66}});
  Smile(s, 38, 56, 50, 72);
  Smile(s, 50, 56, 62, 72);
  s.Pen(kInk, 1.5);
  for (int k = -1; k <= 1; ++k) {
    s.Line(30, 64 + 4 * k, 8, 60 + 8 * k);
    s.Line(70, 64 + 4 * k, 92, 60 + 8 * k);
  }
}

void Dog(Sketch& s, int t) {
  const COLORREF fur = T(kBrown, t, 3), ear = T(kBrown, t, 6);
  Ink(s);
  s.Brush(fur);
  s.Ellipse(18, 16, 82, 86);
  s.Brush(ear);
  s.Ellipse(4, 16, 28, 64);
  s.Ellipse(72, 16, 96, 64);
  s.Brush(C(kPeach, 1));
  s.Ellipse(32, 52, 68, 84);
  Eye(s, 38, 42, 7);
  Eye(s, 62, 42, 7);
  s.Style(kInk, kBlack, 1.5).Ellipse(42, 54, 58, 64);
  s.Style(kInk, C(kRed, 4), 1.5).Chord(42, 66, 58, 90, 180, 360);
  Smile(s, 36, 56, 64, 76);
}

void Fish(Sketch& s, int t) {
  const COLORREF body = T(kOrange, t, 5);
  Ink(s);
  s.Brush(body);
  s.Poly({{70, 50}, {96, 28}, {92, 50}, {96, 72}});
  s.Poly({{40, 30}, {50, 14}, {62, 32}});
  s.Ellipse(6, 26, 78, 74);
  s.Hatch(gdi::HS_VERTICAL, T(kOrange, t, 7));
  s.Pen(kInk, 1.5);
  s.Chord(30, 26, 78, 74, 300, 60);
  Eye(s, 24, 44, 6);
  Smile(s, 10, 48, 26, 62);
}

void Bird(Sketch& s, int t) {
  const COLORREF body = T(kSky, t, 4);
  Ink(s);
  s.Brush(C(kYellow, 6));
  s.Poly({{74, 36}, {96, 42}, {74, 48}});
  s.Brush(body);
  s.Poly({{14, 50}, {2, 34}, {4, 62}});
  s.Ellipse(10, 30, 70, 80);
  s.Ellipse(46, 18, 80, 52);
  s.Brush(T(kSky, t, 6));
  s.Pie(18, 40, 58, 76, 120, 240);
  Eye(s, 64, 32, 5);
  s.Pen(C(kOrange, 6), 2.5);
  s.Lines({{34, 80}, {32, 94}, {26, 96}});
  s.Lines({{48, 80}, {48, 94}, {54, 96}});
}

void Butterfly(Sketch& s, int t) {
  Ink(s);
  s.Brush(T(kMagenta, t, 4));
  s.Ellipse(6, 10, 50, 54);
  s.Ellipse(50, 10, 94, 54);
  s.Brush(T(kViolet, t, 3));
  s.Ellipse(12, 48, 50, 88);
  s.Ellipse(50, 48, 88, 88);
  Dot(s, 26, 30, 7, C(kYellow, 4));
  Dot(s, 74, 30, 7, C(kYellow, 4));
  Dot(s, 30, 68, 5, kWhite);
  Dot(s, 70, 68, 5, kWhite);
  s.Style(kInk, C(kGrey, 8), 1.5).Ellipse(45, 20, 55, 88);
  s.Pen(kInk, 2);
  s.Lines({{48, 22}, {40, 6}});
  s.Lines({{52, 22}, {60, 6}});
  Dot(s, 40, 6, 2.5, kInk);
  Dot(s, 60, 6, 2.5, kInk);
}

void Ladybug(Sketch& s, int t) {
  Ink(s);
  s.Brush(kBlack);
  s.Ellipse(34, 8, 66, 36);
  s.Brush(T(kRed, t));
  s.Ellipse(10, 22, 90, 94);
  s.Pen(kInk, 2);
  s.Line(50, 24, 50, 94);
  for (Pt p : {Pt{30, 44}, Pt{70, 44}, Pt{26, 68}, Pt{74, 68}, Pt{40, 82}, Pt{60, 82}})
    Dot(s, p.x, p.y, 6, kBlack);
  Eye(s, 42, 20, 4);
  Eye(s, 58, 20, 4);
}

void Duck(Sketch& s, int t) {
  const COLORREF body = T(kYellow, t, 4);
  Ink(s);
  s.Brush(body);
  s.Ellipse(8, 44, 84, 92);
  s.Poly({{70, 56}, {94, 40}, {84, 64}});
  s.Circle(34, 32, 22);
  s.Brush(C(kOrange, 5));
  s.Poly({{10, 30}, {0, 38}, {14, 42}});
  s.Brush(T(kYellow, t, 6));
  s.Pie(30, 54, 74, 84, 150, 330);
  Eye(s, 30, 26, 5);
}

void Frog(Sketch& s, int t) {
  const COLORREF skin = T(kGreen, t, 4);
  Ink(s);
  s.Brush(skin);
  s.Ellipse(6, 70, 36, 92);
  s.Ellipse(64, 70, 94, 92);
  s.Ellipse(10, 30, 90, 88);
  s.Circle(30, 28, 14);
  s.Circle(70, 28, 14);
  Eye(s, 30, 28, 8);
  Eye(s, 70, 28, 8);
  s.Brush(C(kPink, 4));
  s.Chord(24, 44, 76, 76, 190, 350);
  Dot(s, 42, 48, 2, kInk);
  Dot(s, 58, 48, 2, kInk);
}

void Pig(Sketch& s, int t) {
  const COLORREF skin = T(kPink, t, 3);
  Ink(s);
  s.Brush(skin);
  s.Poly({{16, 34}, {20, 8}, {40, 24}});
  s.Poly({{84, 34}, {80, 8}, {60, 24}});
  s.Ellipse(10, 16, 90, 90);
  s.Brush(T(kPink, t, 5));
  s.Ellipse(34, 52, 66, 76);
  Dot(s, 44, 64, 3.5, kInk);
  Dot(s, 56, 64, 3.5, kInk);
  Eye(s, 34, 42, 6);
  Eye(s, 66, 42, 6);
  Smile(s, 38, 66, 62, 86);
}

void Bunny(Sketch& s, int t) {
  const COLORREF fur = T(kGrey, t, 1);
  Ink(s);
  s.Brush(fur);
  s.Ellipse(26, 2, 46, 50);
  s.Ellipse(54, 2, 74, 50);
  s.Brush(C(kPink, 3));
  s.Ellipse(32, 10, 40, 44);
  s.Ellipse(60, 10, 68, 44);
  s.Style(kInk, fur).Ellipse(18, 36, 82, 96);
  Eye(s, 38, 58, 6);
  Eye(s, 62, 58, 6);
  s.Style(kInk, C(kPink, 5), 1.5).Poly({{45, 70}, {55, 70}, {50, 76}});
  Smile(s, 40, 68, 60, 86);
}

void Owl(Sketch& s, int t) {
  const COLORREF feathers = T(kBrown, t, 5);
  Ink(s);
  s.Brush(feathers);
  s.Poly({{20, 22}, {26, 4}, {40, 18}});
  s.Poly({{80, 22}, {74, 4}, {60, 18}});
  s.Ellipse(14, 10, 86, 96);
  s.Hatch(gdi::HS_DIAGCROSS, T(kBrown, t, 7));
  s.Chord(24, 44, 76, 94, 180, 360);
  s.Brush(C(kYellow, 3));
  s.Circle(36, 38, 14);
  s.Circle(64, 38, 14);
  Dot(s, 36, 38, 7, kBlack);
  Dot(s, 64, 38, 7, kBlack);
  s.Style(kInk, C(kOrange, 5), 1.5).Poly({{45, 50}, {55, 50}, {50, 62}});
}

void Turtle(Sketch& s, int t) {
  const COLORREF skin = C(kLime, 5), shell = T(kGreen, t, 6);
  Ink(s);
  s.Brush(skin);
  s.Circle(84, 54, 12);
  s.Ellipse(16, 64, 32, 84);
  s.Ellipse(58, 64, 74, 84);
  s.Poly({{8, 62}, {2, 70}, {14, 68}});
  s.Brush(shell);
  s.Chord(8, 24, 80, 100, 0, 180);
  s.Hatch(gdi::HS_CROSS, T(kGreen, t, 8));
  s.Chord(16, 32, 72, 92, 0, 180);
  s.Pen(kInk, kLine);
  s.Line(8, 62, 80, 62);
  Eye(s, 86, 50, 4);
}

void Snail(Sketch& s, int t) {
  Ink(s);
  s.Brush(C(kPeach, 3));
  s.Poly({{4, 86}, {90, 86}, {96, 70}, {88, 50}, {80, 70}, {60, 78}});
  s.Brush(T(kOrange, t, 5));
  s.Circle(44, 52, 32);
  s.Pen(T(kOrange, t, 8), 3);
  s.Arc(30, 38, 58, 66, 0, 300);
  s.Arc(38, 46, 50, 58, 90, 360);
  s.Pen(kInk, 2);
  s.Line(86, 52, 82, 34);
  s.Line(92, 52, 96, 36);
  Dot(s, 82, 34, 3, kInk);
  Dot(s, 96, 36, 3, kInk);
}

void Bee(Sketch& s, int t) {
  Ink(s);
  s.Brush(C(kSky, 1));
  s.Ellipse(26, 6, 54, 40);
  s.Ellipse(48, 6, 76, 40);
  s.Brush(T(kYellow, t, 4));
  s.Ellipse(14, 30, 86, 86);
  s.Hatch(gdi::HS_VERTICAL, kBlack);
  s.Pen(kInk, 1);
  s.Rect(36, 32, 46, 84);
  s.Rect(58, 32, 68, 84);
  Ink(s);
  s.Brush(kBlack);
  s.Poly({{86, 54}, {98, 58}, {86, 62}});
  Eye(s, 26, 52, 6);
  Smile(s, 16, 56, 34, 74);
}

// ---- vehicles --------------------------------------------------------------------------------

void Wheel(Sketch& s, double cx, double cy, double r) {
  s.Style(kInk, C(kGrey, 8)).Circle(cx, cy, r);
  s.Style(kInk, C(kGrey, 2), 1.5).Circle(cx, cy, r * 0.45);
}

void Car(Sketch& s, int t) {
  Ink(s);
  s.Brush(T(kRed, t));
  s.Round(4, 44, 96, 78, 14);
  s.Poly({{22, 46}, {34, 22}, {70, 22}, {82, 46}});
  s.Brush(C(kSky, 1));
  s.Poly({{31, 44}, {38, 28}, {50, 28}, {50, 44}});
  s.Poly({{56, 44}, {56, 28}, {67, 28}, {74, 44}});
  s.Brush(C(kYellow, 3));
  s.Ellipse(86, 50, 96, 60);
  Wheel(s, 26, 78, 12);
  Wheel(s, 74, 78, 12);
}

void Bus(Sketch& s, int t) {
  Ink(s);
  s.Brush(T(kYellow, t, 5));
  s.Round(2, 22, 98, 80, 10);
  s.Brush(C(kSky, 1));
  for (int i = 0; i < 4; ++i) s.Rect(8 + 18 * i, 30, 22 + 18 * i, 48);
  s.Rect(80, 30, 94, 66);
  s.Hatch(gdi::HS_HORIZONTAL, T(kYellow, t, 8));
  s.Rect(4, 56, 76, 66);
  Wheel(s, 22, 80, 11);
  Wheel(s, 76, 80, 11);
}

void Sailboat(Sketch& s, int t) {
  Ink(s);
  s.Brush(kWhite);
  s.Poly({{52, 6}, {52, 66}, {90, 66}});
  s.Brush(T(kRed, t, 4));
  s.Poly({{46, 14}, {46, 66}, {14, 66}});
  s.Line(49, 4, 49, 70);
  s.Brush(T(kBrown, t, 5));
  s.Poly({{4, 70}, {96, 70}, {82, 90}, {18, 90}});
  s.Pen(C(kBlue, 5), 3);
  s.Arc(0, 86, 34, 104, 20, 160);
  s.Arc(34, 86, 68, 104, 20, 160);
  s.Arc(68, 86, 102, 104, 20, 160);
}

void Plane(Sketch& s, int t) {
  Ink(s);
  s.Brush(T(kBlue, t, 4));
  s.Poly({{40, 48}, {56, 10}, {66, 10}, {60, 48}});
  s.Poly({{40, 56}, {56, 92}, {66, 92}, {60, 56}});
  s.Poly({{10, 50}, {4, 28}, {14, 28}, {24, 48}});
  s.Brush(kWhite);
  s.Ellipse(4, 40, 96, 62);
  s.Brush(C(kSky, 2));
  for (int i = 0; i < 4; ++i) s.Circle(34 + 12 * i, 50, 3.5);
  s.Brush(T(kBlue, t, 4));
  s.Chord(74, 40, 96, 62, 270, 90);
}

void Rocket(Sketch& s, int t) {
  Ink(s);
  s.Brush(C(kOrange, 4));
  s.Poly({{38, 82}, {50, 100}, {62, 82}});
  s.Brush(T(kRed, t));
  s.Poly({{30, 60}, {14, 86}, {34, 80}});
  s.Poly({{70, 60}, {86, 86}, {66, 80}});
  s.Brush(kWhite);
  s.Poly({{50, 2}, {68, 30}, {68, 82}, {32, 82}, {32, 30}});
  s.Brush(T(kRed, t));
  s.Poly({{50, 2}, {66, 28}, {34, 28}});
  s.Brush(C(kSky, 2));
  s.Circle(50, 48, 10);
}

// ---- food ------------------------------------------------------------------------------------

void Apple(Sketch& s, int t) {
  Ink(s);
  s.Brush(T(kRed, t));
  s.Ellipse(8, 24, 56, 92);
  s.Ellipse(44, 24, 92, 92);
  s.Pen(C(kBrown, 7), 4);
  s.Line(50, 30, 54, 8);
  s.Style(kInk, C(kGreen, 4), 1.5).Ellipse(56, 6, 82, 20);
  Dot(s, 28, 42, 5, C(kGrey, 0));
}

void IceCream(Sketch& s, int t) {
  Ink(s);
  s.Brush(C(kPeach, 4));
  s.Poly({{26, 48}, {74, 48}, {50, 98}});
  s.Hatch(gdi::HS_DIAGCROSS, C(kBrown, 5));
  s.Poly({{26, 48}, {74, 48}, {50, 98}});
  Ink(s);
  s.Brush(T(kPink, t, 3));
  s.Ellipse(20, 24, 80, 60);
  s.Brush(T(kYellow, t, 2));
  s.Ellipse(26, 4, 74, 40);
  Dot(s, 50, 6, 6, C(kRed, 5));
}

void Cake(Sketch& s, int t) {
  Ink(s);
  s.Brush(C(kPeach, 3));
  s.Rect(10, 44, 90, 90);
  s.Brush(T(kPink, t, 3));
  s.Poly({{10, 44},
          {90, 44},
          {90, 60},
          {80, 54},
          {70, 62},
          {60, 54},
          {50, 62},
          {40, 54},
          {30, 62},
          {20, 54},
          {10, 60}});
  s.Brush(T(kSky, t, 4));
  for (int i = 0; i < 3; ++i) s.Rect(24 + 22 * i, 20, 32 + 22 * i, 44);
  s.Brush(C(kYellow, 5));
  for (int i = 0; i < 3; ++i) s.Ellipse(24 + 22 * i, 6, 32 + 22 * i, 18);
}

void Cherries(Sketch& s, int t) {
  s.Pen(C(kGreen, 7), 3);
  s.Lines({{30, 66}, {50, 18}, {70, 70}});
  s.Style(kInk, C(kGreen, 4), 1.5).Ellipse(50, 8, 80, 24);
  Ink(s);
  s.Brush(T(kRed, t, 6));
  s.Circle(28, 74, 20);
  s.Circle(72, 76, 20);
  Dot(s, 20, 66, 4, C(kGrey, 0));
  Dot(s, 64, 68, 4, C(kGrey, 0));
}

void Carrot(Sketch& s, int t) {
  Ink(s);
  s.Brush(C(kGreen, 5));
  s.Poly({{50, 26}, {36, 2}, {46, 4}, {50, 16}, {54, 2}, {64, 4}});
  s.Brush(T(kOrange, t));
  s.Poly({{32, 24}, {68, 24}, {52, 98}, {48, 98}});
  s.Pen(T(kOrange, t, 8), 2);
  s.Line(40, 40, 48, 40);
  s.Line(54, 56, 62, 56);
  s.Line(44, 72, 52, 72);
}

// ---- plants ----------------------------------------------------------------------------------

void Flower(Sketch& s, int t) {
  s.Pen(C(kGreen, 7), 4);
  s.Line(50, 50, 50, 98);
  s.Style(kInk, C(kGreen, 4), 1.5).Ellipse(50, 66, 80, 80);
  Ink(s);
  s.Brush(T(kPink, t, 4));
  for (const Pt& p : Ring(50, 34, 20, 20, 6)) s.Circle(p.x, p.y, 13);
  s.Brush(C(kYellow, 5));
  s.Circle(50, 34, 12);
}

void Tree(Sketch& s, int t) {
  Ink(s);
  s.Brush(C(kBrown, 6));
  s.Rect(40, 58, 60, 98);
  s.Hatch(gdi::HS_VERTICAL, C(kBrown, 8));
  s.Rect(40, 58, 60, 98);
  Ink(s);
  s.Brush(T(kGreen, t, 5));
  s.Circle(30, 46, 22);
  s.Circle(70, 46, 22);
  s.Circle(50, 26, 24);
  for (Pt p : {Pt{30, 40}, Pt{62, 52}, Pt{50, 20}, Pt{74, 34}}) Dot(s, p.x, p.y, 4, C(kRed, 5));
}

void Mushroom(Sketch& s, int t) {
  Ink(s);
  s.Brush(C(kPeach, 1));
  s.Round(36, 46, 64, 96, 14);
  s.Brush(T(kRed, t));
  s.Chord(6, 8, 94, 76, 0, 180);
  for (Pt p : {Pt{30, 28}, Pt{56, 20}, Pt{74, 34}, Pt{46, 36}}) Dot(s, p.x, p.y, 6, kWhite);
}

void Cactus(Sketch& s, int t) {
  const COLORREF green = T(kGreen, t, 5);
  Ink(s);
  s.Brush(green);
  s.Round(12, 30, 28, 64, 14);
  s.Round(72, 20, 88, 58, 14);
  s.Rect(14, 54, 44, 66);
  s.Rect(56, 48, 86, 60);
  s.Round(36, 6, 64, 86, 26);
  s.Brush(C(kOrange, 5));
  s.Poly({{22, 84}, {78, 84}, {72, 98}, {28, 98}});
  s.Pen(C(kGreen, 8), 1.5);
  s.Line(50, 14, 50, 80);
  Dot(s, 50, 6, 5, C(kPink, 5));
}

// ---- people ----------------------------------------------------------------------------------

void Boy(Sketch& s, int t) {
  Ink(s);
  s.Brush(C(kPeach, 2));
  s.Circle(12, 52, 8);
  s.Circle(88, 52, 8);
  s.Circle(50, 52, 38);
  s.Brush(T(kBrown, t, 6));
  s.Chord(12, 12, 88, 72, 10, 170);
  Eye(s, 36, 50, 6);
  Eye(s, 64, 50, 6);
  Dot(s, 26, 66, 5, C(kPink, 3));
  Dot(s, 74, 66, 5, C(kPink, 3));
  s.Style(kInk, C(kRed, 4), 2).Chord(34, 54, 66, 82, 180, 360);
}

void Girl(Sketch& s, int t) {
  const COLORREF hair = T(kYellow, t, 5);
  Ink(s);
  s.Brush(hair);
  s.Ellipse(2, 36, 26, 74);
  s.Ellipse(74, 36, 98, 74);
  s.Brush(C(kPeach, 2));
  s.Circle(50, 54, 36);
  s.Brush(hair);
  s.Chord(14, 16, 86, 76, 0, 180);
  s.Brush(T(kPink, t, 5));
  s.Poly({{72, 22}, {90, 12}, {90, 34}});
  s.Poly({{72, 22}, {56, 10}, {58, 32}});
  Eye(s, 38, 54, 6);
  Eye(s, 62, 54, 6);
  Dot(s, 28, 68, 5, C(kPink, 3));
  Dot(s, 72, 68, 5, C(kPink, 3));
  Smile(s, 36, 58, 64, 80);
}

// ---- the sky ---------------------------------------------------------------------------------

void Sun(Sketch& s, int t) {
  Ink(s);
  s.Brush(T(kOrange, t, 4));
  s.Poly(Star(50, 50, 48, 30, 12));
  s.Brush(T(kYellow, t, 4));
  s.Circle(50, 50, 28);
  Eye(s, 40, 44, 4);
  Eye(s, 60, 44, 4);
  Smile(s, 34, 40, 66, 68);
}

void Rainbow(Sketch& s, int t) {
  const Row bands[] = {kRed, kOrange, kYellow, kGreen, kBlue, kViolet};
  for (int i = 0; i < 6; ++i) {
    const double inset = 3 + 6 * i;
    s.Pen(T(bands[i], t, 5), 6.5);
    s.Arc(2 + inset, 22 + inset, 98 - inset, 118 - inset, 0, 180);
  }
  Ink(s);
  s.Brush(kWhite);
  s.Ellipse(0, 64, 30, 82);
  s.Ellipse(70, 64, 100, 82);
}

void Moon(Sketch& s, int t) {
  Ink(s);
  s.Brush(T(kYellow, t, 3));
  s.Poly({{60, 4},
          {40, 8},
          {22, 22},
          {12, 42},
          {12, 62},
          {22, 80},
          {40, 92},
          {60, 96},
          {78, 90},
          {60, 86},
          {44, 76},
          {36, 62},
          {34, 48},
          {38, 30},
          {48, 16},
          {66, 8}});
  Eye(s, 30, 44, 4);
  Smile(s, 20, 48, 40, 68);
  s.Brush(C(kYellow, 4));
  s.Poly(Star(78, 30, 14, 6, 5));
}

void Balloon(Sketch& s, int t) {
  s.Pen(C(kGrey, 7), 1.5);
  s.Lines({{50, 76}, {44, 86}, {54, 94}, {48, 100}});
  Ink(s);
  s.Brush(T(kRed, t));
  s.Poly({{50, 72}, {44, 80}, {56, 80}});
  s.Ellipse(18, 4, 82, 76);
  s.Pen(kWhite, 4);
  s.Arc(28, 14, 70, 60, 100, 160);
}

// ---- the sea ---------------------------------------------------------------------------------

void Whale(Sketch& s, int t) {
  const COLORREF body = T(kBlue, t, 4);
  Ink(s);
  s.Brush(body);
  s.Poly({{80, 56}, {98, 34}, {100, 48}, {92, 62}});
  s.Ellipse(2, 30, 90, 96);
  s.Brush(T(kBlue, t, 1));
  s.Chord(2, 30, 90, 96, 200, 340);
  Eye(s, 22, 56, 5);
  Smile(s, 6, 54, 30, 74);
  s.Pen(C(kSky, 5), 3);
  s.Lines({{46, 30}, {46, 12}});
  s.Arc(30, 4, 46, 20, 0, 140);
  s.Arc(46, 4, 62, 20, 40, 180);
}

void Octopus(Sketch& s, int t) {
  const COLORREF skin = T(kViolet, t, 4);
  Ink(s);
  s.Brush(skin);
  for (int i = 0; i < 4; ++i) {
    const double x = 18 + 20 * i;
    s.Poly({{x - 6, 50}, {x + 6, 50}, {x + 10, 84}, {x + 2, 98}, {x - 4, 90}, {x + 2, 82}});
  }
  s.Ellipse(14, 4, 86, 72);
  Eye(s, 38, 38, 7);
  Eye(s, 62, 38, 7);
  Smile(s, 36, 40, 64, 64);
}

void Starfish(Sketch& s, int t) {
  Ink(s);
  s.Brush(T(kOrange, t, 4));
  s.Poly(Star(50, 54, 46, 20, 5));
  for (const Pt& p : Ring(50, 54, 28, 28, 5, 90)) Dot(s, p.x, p.y, 3, C(kOrange, 7));
  Eye(s, 42, 50, 4);
  Eye(s, 58, 50, 4);
  Smile(s, 42, 52, 58, 66);
}

void Crab(Sketch& s, int t) {
  const COLORREF shell = T(kRed, t, 5);
  s.Pen(kInk, 3);
  for (double i = 0; i < 3; ++i) {
    s.Lines({{26, 62 + 6 * i}, {8, 70 + 8 * i}});
    s.Lines({{74, 62 + 6 * i}, {92, 70 + 8 * i}});
  }
  Ink(s);
  s.Brush(shell);
  s.Pie(2, 8, 30, 36, 300, 240);
  s.Pie(70, 8, 98, 36, 300, 240);
  s.Ellipse(18, 40, 82, 88);
  s.Line(30, 44, 18, 30);
  s.Line(70, 44, 82, 30);
  Eye(s, 40, 40, 6);
  Eye(s, 60, 40, 6);
  Smile(s, 38, 52, 62, 74);
}

// ---- things ----------------------------------------------------------------------------------

void House(Sketch& s, int t) {
  Ink(s);
  s.Brush(C(kPeach, 2));
  s.Rect(14, 44, 86, 96);
  s.Brush(T(kRed, t, 6));
  s.Poly({{4, 48}, {50, 8}, {96, 48}});
  s.Hatch(gdi::HS_FDIAGONAL, T(kRed, t, 8));
  s.Poly({{4, 48}, {50, 8}, {96, 48}});
  Ink(s);
  s.Brush(T(kBrown, t, 6));
  s.Rect(42, 66, 58, 96);
  s.Brush(C(kSky, 2));
  s.Rect(20, 54, 36, 70);
  s.Rect(64, 54, 80, 70);
  s.Pen(kInk, 1.5);
  s.Line(28, 54, 28, 70);
  s.Line(72, 54, 72, 70);
}

void Heart(Sketch& s, int t) {
  Ink(s);
  s.Brush(T(kRed, t));
  std::vector<Pt> pts;
  for (int i = 0; i <= 40; ++i) {
    const double a = 2 * kPi * i / 40;
    const double x = 16 * std::pow(std::sin(a), 3);
    const double y = 13 * std::cos(a) - 5 * std::cos(2 * a) - 2 * std::cos(3 * a) - std::cos(4 * a);
    pts.push_back({50 + x * 2.8, 48 - y * 2.8});
  }
  s.Poly(pts);
  Dot(s, 32, 32, 6, C(kPink, 2));
}

void Ball(Sketch& s, int t) {
  Ink(s);
  s.Brush(kWhite);
  s.Circle(50, 50, 44);
  s.NoPen();
  s.Brush(T(kRed, t));
  s.Pie(6, 6, 94, 94, 30, 90);
  s.Pie(6, 6, 94, 94, 150, 210);
  s.Pie(6, 6, 94, 94, 270, 330);
  s.Brush(T(kBlue, t));
  s.Pie(6, 6, 94, 94, 90, 150);
  s.Pie(6, 6, 94, 94, 210, 270);
  s.Pie(6, 6, 94, 94, 330, 30);
  Ink(s);
  s.NoBrush();
  s.Circle(50, 50, 44);
  s.Brush(kWhite);
  s.Circle(50, 50, 10);
}

void Gift(Sketch& s, int t) {
  Ink(s);
  s.Brush(T(kGreen, t, 5));
  s.Rect(10, 36, 90, 94);
  s.Brush(C(kYellow, 4));
  s.Rect(42, 36, 58, 94);
  s.Rect(10, 56, 90, 66);
  s.Ellipse(20, 16, 50, 38);
  s.Ellipse(50, 16, 80, 38);
  s.Circle(50, 34, 7);
}

void Kite(Sketch& s, int t) {
  s.Pen(C(kGrey, 7), 1.5);
  s.Lines({{50, 70}, {40, 80}, {56, 88}, {44, 98}});
  Ink(s);
  s.Brush(T(kMagenta, t, 4));
  s.Poly({{50, 2}, {80, 32}, {50, 72}, {20, 32}});
  s.Brush(T(kSky, t, 4));
  s.Poly({{50, 2}, {80, 32}, {50, 32}});
  s.Poly({{50, 32}, {50, 72}, {20, 32}});
  s.Pen(kInk, 1.5);
  s.Line(50, 2, 50, 72);
  s.Line(20, 32, 80, 32);
  s.Style(kInk, C(kYellow, 4), 1.5);
  for (Pt p : {Pt{40, 80}, Pt{56, 88}})
    s.Poly({{p.x - 5, p.y - 4}, {p.x + 5, p.y + 4}, {p.x + 5, p.y - 4}, {p.x - 5, p.y + 4}});
}

}  // namespace

const std::vector<Subject>& Subjects() {
  static const std::vector<Subject> kAll = {
      {"cat", 4, 6, 96, 90, Cat},
      {"dog", 2, 14, 98, 92, Dog},
      {"fish", 4, 12, 98, 76, Fish},
      {"bird", 0, 16, 98, 98, Bird},
      {"butterfly", 4, 2, 96, 90, Butterfly},
      {"ladybug", 8, 6, 92, 96, Ladybug},
      {"duck", 0, 8, 96, 94, Duck},
      {"frog", 4, 12, 96, 94, Frog},
      {"pig", 8, 6, 92, 92, Pig},
      {"bunny", 16, 0, 84, 98, Bunny},
      {"owl", 12, 2, 88, 98, Owl},
      {"turtle", 0, 20, 98, 90, Turtle},
      {"snail", 2, 18, 98, 88, Snail},
      {"bee", 12, 4, 100, 88, Bee},
      {"car", 2, 20, 98, 92, Car},
      {"bus", 0, 20, 100, 92, Bus},
      {"sailboat", 0, 2, 100, 98, Sailboat},
      {"plane", 2, 8, 98, 94, Plane},
      {"rocket", 12, 0, 88, 100, Rocket},
      {"apple", 6, 4, 94, 94, Apple},
      {"icecream", 18, 0, 82, 100, IceCream},
      {"cake", 8, 4, 92, 92, Cake},
      {"cherries", 6, 6, 94, 98, Cherries},
      {"carrot", 28, 0, 72, 100, Carrot},
      {"flower", 16, 0, 84, 100, Flower},
      {"tree", 6, 0, 94, 100, Tree},
      {"mushroom", 4, 6, 96, 98, Mushroom},
      {"cactus", 10, 0, 90, 100, Cactus},
      {"boy", 2, 12, 98, 92, Boy},
      {"girl", 0, 8, 100, 92, Girl},
      {"sun", 0, 0, 100, 100, Sun},
      {"rainbow", 0, 20, 100, 84, Rainbow},
      {"moon", 10, 2, 94, 98, Moon},
      {"balloon", 16, 2, 84, 100, Balloon},
      {"whale", 0, 0, 100, 98, Whale},
      {"octopus", 10, 2, 90, 100, Octopus},
      {"starfish", 2, 6, 98, 96, Starfish},
      {"crab", 0, 6, 100, 94, Crab},
      {"house", 2, 6, 98, 98, House},
      {"heart", 4, 8, 96, 92, Heart},
      {"ball", 4, 4, 96, 96, Ball},
      {"gift", 8, 14, 92, 96, Gift},
      {"kite", 18, 0, 82, 100, Kite},
  };
  return kAll;
}

const Subject& SubjectNamed(const std::string& name) {
  for (const Subject& s : Subjects())
    if (s.name == name) return s;
  throw std::runtime_error("no subject named " + name);
}

}  // namespace art
