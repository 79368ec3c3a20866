// The backgrounds "art/level1.bmp" .. "art/level8.bmp": bright scenes with plenty of open space to
// draw on, in the program's own colours so that a picture started on one keeps them exactly.
#include <cmath>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"

namespace art {

namespace {

constexpr int kW = 1024, kH = 676;

void Sun(Painter& p, Pt c, double r) {
  p.Pen(Shade(kOrange, 3), 6);
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * kPi * i / 12;
    p.Line(c.x + (r + 12) * std::cos(a), c.y + (r + 12) * std::sin(a), c.x + (r + 36) * std::cos(a),
           c.y + (r + 36) * std::sin(a));
  }
  p.Style(Shade(kOrange, 4), Shade(kYellow, 5), 4);
  p.Circle(c.x, c.y, r);
}

void Cloud(Painter& p, double x, double y, double s) {
  p.NoPen().Brush(kWhite);
  p.Ellipse(x, y + 20 * s, x + 80 * s, y + 60 * s);
  p.Ellipse(x + 45 * s, y + 15 * s, x + 140 * s, y + 65 * s);
  p.Ellipse(x + 25 * s, y, x + 95 * s, y + 45 * s);
}

void Flower(Painter& p, double x, double y, COLORREF petals) {
  p.Pen(Shade(kGreen, 7), 4);
  p.Line(x, y, x, y + 40);
  p.Style(Shade(kGreen, 8), Shade(kGreen, 4), 2).Ellipse(x, y + 20, x + 18, y + 30);
  p.Style(kBlack, petals, 1);
  for (int i = 0; i < 6; ++i) {
    const double a = 2 * kPi * i / 6;
    p.Circle(x + 9 * std::cos(a), y + 9 * std::sin(a), 7);
  }
  p.Style(kBlack, Shade(kYellow, 6), 1);
  p.Circle(x, y, 6);
}

void PineTree(Painter& p, double x, double base, double h, COLORREF needles, bool snow) {
  p.NoPen().Brush(Shade(kBrown, 7));
  p.Rect(x - h * 0.06, base - h * 0.15, x + h * 0.06, base);
  for (int i = 0; i < 3; ++i) {
    const double top = base - h + i * h * 0.25, bottom = base - h * 0.12 - (2 - i) * h * 0.22;
    const double half = h * (0.2 + 0.1 * i);
    p.Style(Shade(kGreen, 9), needles, 2).Poly({{x, top}, {x + half, bottom}, {x - half, bottom}});
    if (snow)
      p.NoPen().Brush(kWhite).Poly(
          {{x, top}, {x + half * 0.35, top + h * 0.1}, {x - half * 0.35, top + h * 0.1}});
  }
}

void Beach(const fs::path& dir) {
  Canvas c(kW, kH, Shade(kSky, 0));
  Painter p(c);
  Sun(p, {860, 110}, 55);
  Cloud(p, 120, 60, 1.2);
  Cloud(p, 480, 110, 0.8);
  p.NoPen().Brush(Shade(kSky, 4));
  p.Rect(0, 330, kW, 470);
  p.Pen(kWhite, 4).NoBrush();
  for (int row = 0; row < 3; ++row) p.Lines(WavePoints(0, kW, 360 + 40 * row, 6, 9, 1, row));
  p.NoPen().Brush(Shade(kPeach, 2)).Poly({{0, 470}, {kW, 450}, {kW, kH}, {0, kH}});
  // A beach umbrella and a ball on the sand.
  p.Pen(Shade(kBrown, 8), 6);
  p.Line(250, 380, 290, 600);
  p.Style(kBlack, Shade(kRed, 5), 3).Pie(120, 330, 400, 520, 10, 170);
  p.Style(kBlack, kWhite, 3).Pie(200, 330, 320, 520, 10, 170);
  p.Style(kBlack, kWhite, 3);
  p.Circle(720, 580, 40);
  p.Style(kBlack, Shade(kBlue, 0), 3).Pie(680, 540, 760, 620, 90, 150);
  p.Style(kBlack, Shade(kYellow, 5), 3).Pie(680, 540, 760, 620, 210, 270);
  p.Style(kBlack, Shade(kRed, 5), 3).Pie(680, 540, 760, 620, 330, 30);
  // A palm tree leaning over the sea.
  p.Pen(Shade(kBrown, 6), 18).Lines({{930, 640}, {915, 520}, {880, 420}, {850, 350}});
  for (int i = 0; i < 5; ++i) {
    const double a = kPi * (0.9 + 0.3 * i);
    p.Style(Shade(kGreen, 8), Shade(kGreen, 5), 2)
        .Poly({{850, 350},
               {850 + 120 * std::cos(a) - 15, 350 - 70 * std::sin(a)},
               {850 + 110 * std::cos(a) + 15, 350 - 60 * std::sin(a) + 20}});
  }
  for (int i = 0; i < 4; ++i)
    DrawStar(p, {480.0 + 90 * i, 560.0 + 30 * (i % 2)}, 16, 7, Shade(kOrange, 2), {2, Shade(kOrange, 7)});
  c.Save(dir / "level1.bmp");
}

void Meadow(const fs::path& dir) {
  Canvas c(kW, kH, Shade(kSky, 1));
  Painter p(c);
  Sun(p, {130, 110}, 50);
  Cloud(p, 420, 50, 1.0);
  Cloud(p, 720, 100, 1.3);
  p.NoPen().Brush(Shade(kLime, 4)).Ellipse(-300, 330, 700, 1000);
  p.NoPen().Brush(Shade(kGreen, 3)).Ellipse(350, 360, 1400, 1100);
  // A tree with apples.
  p.NoPen().Brush(Shade(kBrown, 6));
  p.Rect(790, 280, 830, 470);
  p.Style(Shade(kGreen, 8), Shade(kGreen, 5), 3);
  p.Circle(810, 240, 110);
  p.Style(kBlack, Shade(kRed, 5), 2);
  for (int i = 0; i < 6; ++i) p.Circle(750 + 25 * i, 200 + 40 * Jitter(i, 3) + (i % 2) * 40, 12);
  // A fence along the hill.
  for (int i = 0; i < 9; ++i)
    p.Style(Shade(kBrown, 8), Shade(kBrown, 1), 2).Rect(40 + 60 * i, 440, 62 + 60 * i, 530);
  p.Style(Shade(kBrown, 8), Shade(kBrown, 1), 2);
  p.Rect(30, 460, 570, 474);
  p.Rect(30, 496, 570, 510);
  const COLORREF petals[] = {Shade(kPink, 4), Shade(kViolet, 3), Shade(kRed, 4), Shade(kOrange, 3), kWhite};
  for (int i = 0; i < 14; ++i) Flower(p, 60 + 70 * i, 560 + 50 * Jitter(i, 7), petals[i % 5]);
  c.Save(dir / "level2.bmp");
}

void Space(const fs::path& dir) {
  Canvas c(kW, kH, Shade(kBlue, 9));
  Painter p(c);
  for (int i = 0; i < 220; ++i) {
    const double x = kW * Jitter(i, 11), y = kH * Jitter(i, 12);
    p.NoPen().Blob(x, y, 2 + 3 * Jitter(i, 13), i % 3 ? kWhite : Shade(kYellow, 2));
  }
  for (int i = 0; i < 10; ++i)
    DrawStar(p, {kW * Jitter(i, 21), kH * Jitter(i, 22)}, 12, 5, Shade(kYellow, 4), {1, Shade(kYellow, 7)});
  // A ringed planet, a small red one and the moon with its craters.
  p.Style(Shade(kOrange, 6), Shade(kOrange, 2), 3);
  p.Circle(760, 200, 110);
  p.Pen(Shade(kYellow, 3), 10).NoBrush().Ellipse(600, 170, 920, 240);
  p.Style(Shade(kRed, 8), Shade(kRed, 4), 3);
  p.Circle(230, 480, 55);
  p.Style(Shade(kGrey, 4), Shade(kGrey, 1), 3);
  p.Circle(180, 150, 80);
  for (int i = 0; i < 4; ++i)
    p.Style(Shade(kGrey, 4), Shade(kGrey, 2), 2).Circle(150 + 25 * i, 125 + 30 * (i % 2), 10 + 3 * i);
  c.Save(dir / "level3.bmp");
}

void UnderSea(const fs::path& dir) {
  Canvas c(kW, kH, Shade(kSky, 2));
  Painter p(c);
  for (int band = 0; band < 5; ++band)
    p.NoPen().Brush(Shade(kSky, 2 + band)).Rect(0, 110 * band, kW, 110 * band + 110);
  p.Pen(Shade(kSky, 0), 4).NoBrush().Lines(WavePoints(0, kW, 14, 8, 7, 1));
  p.NoPen().Brush(Shade(kPeach, 3)).Ellipse(-200, 560, 1250, 900);
  for (int i = 0; i < 7; ++i) {
    std::vector<Pt> weed;
    const double x = 60 + 150 * i;
    for (int k = 0; k <= 12; ++k)
      weed.push_back({x + 14 * std::sin(k * 0.9 + i), 640 - 22.0 * k * (0.6 + 0.4 * Jitter(i, 5))});
    p.Pen(Shade(kGreen, 5), 10).Lines(weed);
  }
  p.Style(Shade(kGrey, 7), Shade(kGrey, 4), 3).Ellipse(700, 560, 880, 650);
  p.Style(Shade(kPink, 7), Shade(kPink, 3), 3)
      .Poly({{300, 640}, {290, 560}, {320, 590}, {340, 530}, {360, 600}, {390, 560}, {380, 640}});
  p.Pen(kWhite, 2).NoBrush();
  for (int i = 0; i < 18; ++i) p.Circle(900 + 40 * Jitter(i, 31), 520 - 28 * i, 5 + 6 * Jitter(i, 32));
  DrawStar(p, {560, 620}, 26, 11, Shade(kOrange, 4), {2, Shade(kOrange, 8)});
  c.Save(dir / "level4.bmp");
}

void Farm(const fs::path& dir) {
  Canvas c(kW, kH, Shade(kSky, 1));
  Painter p(c);
  Sun(p, {900, 100}, 50);
  Cloud(p, 300, 60, 1.1);
  p.NoPen().Brush(Shade(kLime, 3));
  p.Rect(0, 420, kW, kH);
  for (int i = 0; i < 6; ++i) p.Pen(Shade(kLime, 6), 4).Line(0, 470 + 35 * i, kW, 455 + 38 * i);
  // The red barn with its white cross door and a silo.
  p.Style(kBlack, Shade(kRed, 6), 4);
  p.Rect(120, 250, 420, 460);
  p.Style(kBlack, Shade(kRed, 8), 4).Poly({{100, 260}, {270, 140}, {440, 260}});
  p.Style(kBlack, kWhite, 4);
  p.Rect(220, 340, 320, 460);
  p.Pen(kWhite, 6);
  p.Line(224, 344, 316, 456);
  p.Line(316, 344, 224, 456);
  p.Style(kBlack, kWhite, 3);
  p.Rect(245, 200, 295, 240);
  p.Style(kBlack, Shade(kGrey, 2), 4);
  p.Rect(450, 200, 530, 460);
  p.Style(kBlack, Shade(kGrey, 4), 4).Pie(450, 160, 530, 240, 0, 180);
  // The fence in front.
  for (int i = 0; i < 8; ++i) p.Style(Shade(kBrown, 8), kWhite, 2).Rect(600 + 50 * i, 400, 616 + 50 * i, 480);
  p.Style(Shade(kBrown, 8), kWhite, 2);
  p.Rect(590, 420, 1000, 432);
  p.Rect(590, 452, 1000, 464);
  c.Save(dir / "level5.bmp");
}

void Street(const fs::path& dir) {
  Canvas c(kW, kH, Shade(kSky, 0));
  Painter p(c);
  const COLORREF walls[] = {Shade(kOrange, 2), Shade(kSky, 3),   Shade(kPink, 2), Shade(kYellow, 3),
                            Shade(kViolet, 1), Shade(kGreen, 1), Shade(kPeach, 4)};
  double x = 0;
  for (int i = 0; i < 7; ++i) {
    const double w = 130 + 30 * Jitter(i, 41), top = 120 + 150 * Jitter(i, 42);
    p.Style(kBlack, walls[i], 3);
    p.Rect(x, top, x + w, 470);
    for (double wy = top + 20; wy + 40 < 450; wy += 60)
      for (double wx = x + 18; wx + 30 < x + w; wx += 45)
        p.Style(kBlack, Shade(kYellow, 1), 2).Rect(wx, wy, wx + 26, wy + 34);
    x += w;
  }
  p.NoPen().Brush(Shade(kGrey, 2));
  p.Rect(0, 470, kW, 520);
  p.NoPen().Brush(Shade(kGrey, 6));
  p.Rect(0, 520, kW, kH);
  for (int i = 0; i < 9; ++i) p.NoPen().Brush(kWhite).Rect(20 + 120 * i, 592, 90 + 120 * i, 604);
  // A street lamp and traffic lights.
  p.Pen(Shade(kGrey, 8), 8);
  p.Line(880, 500, 880, 300);
  p.Line(880, 300, 930, 300);
  p.Style(kBlack, Shade(kYellow, 2), 2).Ellipse(915, 300, 955, 325);
  p.Pen(Shade(kGrey, 8), 8);
  p.Line(120, 500, 120, 380);
  p.Style(kBlack, Shade(kGrey, 7), 2).Round(98, 280, 142, 390, 10);
  const COLORREF lights[] = {Shade(kRed, 5), Shade(kYellow, 5), Shade(kGreen, 3)};
  for (int i = 0; i < 3; ++i) p.Style(kBlack, lights[i], 2).Circle(120, 300 + 35 * i, 13);
  c.Save(dir / "level6.bmp");
}

void SnowyHill(const fs::path& dir) {
  Canvas c(kW, kH, Shade(kSky, 0));
  Painter p(c);
  p.Style(Shade(kSky, 2), kWhite, 3).Ellipse(-400, 300, 700, 1100);
  p.Style(Shade(kSky, 2), kWhite, 3).Ellipse(300, 380, 1500, 1200);
  PineTree(p, 150, 420, 220, Shade(kGreen, 6), true);
  PineTree(p, 880, 470, 260, Shade(kGreen, 7), true);
  PineTree(p, 980, 500, 160, Shade(kGreen, 5), true);
  // A snowman with a hat and a scarf.
  p.Style(Shade(kSky, 3), kWhite, 3);
  p.Circle(560, 520, 80);
  p.Circle(560, 400, 56);
  p.Circle(560, 315, 40);
  p.NoPen().Brush(kBlack);
  p.Rect(525, 245, 595, 285);
  p.Rect(510, 280, 610, 290);
  p.Style(kBlack, Shade(kRed, 5), 2);
  p.Rect(520, 348, 600, 362);
  p.Rect(580, 360, 596, 400);
  p.NoPen().Blob(545, 305, 8, kBlack);
  p.NoPen().Blob(575, 305, 8, kBlack);
  p.Style(kBlack, Shade(kOrange, 5), 1).Poly({{560, 318}, {600, 326}, {560, 330}});
  for (int i = 0; i < 80; ++i)
    p.Style(Shade(kSky, 2), kWhite, 1).Circle(kW * Jitter(i, 51), 300 * Jitter(i, 52), 4 + 4 * Jitter(i, 53));
  c.Save(dir / "level7.bmp");
}

void Stage(const fs::path& dir) {
  Canvas c(kW, kH, Shade(kViolet, 9));
  Painter p(c);
  p.NoPen().Brush(Shade(kBrown, 2)).Poly({{0, 520}, {kW, 520}, {kW, kH}, {0, kH}});
  for (int i = 0; i < 16; ++i) p.Pen(Shade(kBrown, 5), 3).Line(64 * i, 520, 64 * i - 40, kH);
  // Spotlights on the floor and the back wall.
  p.NoPen().Brush(Shade(kYellow, 1)).Ellipse(300, 500, 720, 600);
  p.NoPen().Brush(Shade(kViolet, 7)).Ellipse(360, 140, 660, 440);
  // Red curtains gathered at each side, with the valance along the top.
  for (int side = 0; side < 2; ++side) {
    const double x0 = side ? kW : 0, dirx = side ? -1 : 1;
    for (int fold = 0; fold < 4; ++fold) {
      const double a = x0 + dirx * 45 * fold, b = x0 + dirx * (45 * fold + 60);
      p.Style(Shade(kRed, 9), Shade(kRed, fold % 2 ? 5 : 7), 2)
          .Poly({{a, 0}, {b, 0}, {b - dirx * 30 * (fold + 1) / 4, 540}, {a, 560}});
    }
    p.Style(kBlack, Shade(kYellow, 6), 2).Round(x0 + dirx * 120 - 15, 330, x0 + dirx * 120 + 15, 350, 8);
  }
  p.Style(Shade(kRed, 9), Shade(kRed, 6), 2);
  p.Rect(0, 0, kW, 70);
  for (int i = 0; i < 12; ++i)
    p.Style(Shade(kRed, 9), Shade(kRed, 6), 2).Pie(i * 86 - 10, 30, i * 86 + 96, 110, 180, 360);
  p.Pen(Shade(kYellow, 6), 5).NoBrush().Lines(WavePoints(0, kW, 72, 8, 12, 1));
  for (int i = 0; i < 5; ++i)
    DrawStar(p, {260.0 + 125 * i, 180.0 + 30 * (i % 2)}, 18, 7, Shade(kYellow, 4), {1.5, Shade(kYellow, 8)});
  c.Save(dir / "level8.bmp");
}

}  // namespace

void DrawBackgrounds(const fs::path& dir) {
  fs::create_directories(dir / "art");
  Beach(dir / "art");
  Meadow(dir / "art");
  Space(dir / "art");
  UnderSea(dir / "art");
  Farm(dir / "art");
  Street(dir / "art");
  SnowyHill(dir / "art");
  Stage(dir / "art");
}

}  // namespace art
