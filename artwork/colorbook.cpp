// The colouring-book pages "art/cb1.bmp" .. "art/cb8.bmp": bold outlines in pure black on white,
// every area closed, so that the BUCKET fills each part on its own and never leaks. Every figure
// is drawn with a white fill, so a later part covers what lies behind it instead of crossing it.
#include <cmath>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"

namespace art {

namespace {

constexpr int kW = 1024, kH = 676;
constexpr COLORREF kInkBlack = gdi::RGB(0, 0, 0);
constexpr COLORREF kPaper = gdi::RGB(255, 255, 255);
constexpr double kLine = 7;

void Outline(Painter& p, double width = kLine) {
  p.Style(kInkBlack, kPaper, width);
}

// The page's frame: a rounded border that closes every area touching the edge of the picture.
void Frame(Painter& p) {
  p.NoBrush().Pen(kInkBlack, 8).Round(12, 12, kW - 12, kH - 12, 40);
}

void Ground(Painter& p, double y) {
  p.Pen(kInkBlack, kLine).Line(16, y, kW - 16, y);
}

void Cat(const fs::path& dir) {
  Canvas c(kW, kH, kPaper);
  Painter p(c);
  Ground(p, 600);
  Outline(p);
  // The tail curls up behind the body.
  p.Pen(kInkBlack, 28).NoBrush().Arc(500, 250, 740, 520, -80, 80);
  p.Pen(kPaper, 14).Arc(500, 250, 740, 520, -78, 78);
  Outline(p);
  p.Ellipse(330, 330, 650, 600);
  p.Poly({{330, 150}, {360, 40}, {430, 120}});
  p.Poly({{600, 150}, {570, 40}, {500, 120}});
  p.Circle(465, 210, 140);
  p.Ellipse(395, 160, 445, 220);
  p.Ellipse(485, 160, 535, 220);
  p.Poly({{448, 250}, {482, 250}, {465, 272}});
  p.NoBrush().Arc(420, 240, 470, 300, 200, 340);
  p.Arc(460, 240, 510, 300, 200, 340);
  p.Pen(kInkBlack, 5);
  p.Line(380, 260, 290, 240);
  p.Line(380, 275, 290, 290);
  p.Line(550, 260, 640, 240);
  p.Line(550, 275, 640, 290);
  Outline(p);
  p.Ellipse(360, 540, 460, 610);
  p.Ellipse(520, 540, 620, 610);
  Frame(p);
  c.Save(dir / "cb1.bmp");
}

void Fish(const fs::path& dir) {
  Canvas c(kW, kH, kPaper);
  Painter p(c);
  Outline(p);
  p.Poly({{700, 340}, {880, 200}, {850, 340}, {880, 480}});
  p.Poly({{420, 230}, {520, 120}, {600, 250}});
  p.Ellipse(200, 200, 760, 480);
  p.Ellipse(260, 280, 330, 350);
  p.Ellipse(282, 302, 308, 328);
  p.NoBrush().Arc(240, 300, 340, 420, 220, 320);
  // Stripes across the body.
  for (int i = 0; i < 3; ++i) p.Arc(380 + 90 * i, 210, 520 + 90 * i, 470, -70, 70);
  Outline(p);
  p.Poly({{450, 440}, {520, 540}, {560, 430}});
  for (int i = 0; i < 4; ++i) p.Circle(150 - 15 * (i % 2), 300 - 55 * i, 14 + 5 * i);
  // Seaweed on the sea floor.
  Ground(p, 610);
  for (int i = 0; i < 4; ++i) {
    const double x = 120 + 250 * i;
    p.Poly({{x - 25, 608}, {x - 10, 520}, {x - 35, 450}, {x, 500}, {x + 20, 608}});
  }
  Frame(p);
  c.Save(dir / "cb2.bmp");
}

void House(const fs::path& dir) {
  Canvas c(kW, kH, kPaper);
  Painter p(c);
  Ground(p, 590);
  Outline(p);
  p.Rect(600, 110, 660, 230);
  p.Rect(260, 280, 700, 590);
  p.Poly({{220, 290}, {480, 100}, {740, 290}});
  p.Rect(430, 430, 530, 590);
  p.Circle(510, 515, 8);
  for (int i = 0; i < 2; ++i) {
    const double x = i ? 580 : 300;
    p.Rect(x, 340, x + 90, 420);
    p.Line(x + 45, 340, x + 45, 420);
    p.Line(x, 380, x + 90, 380);
  }
  p.Circle(480, 215, 40);
  // The path to the door widens towards the front.
  p.NoBrush();
  p.Line(430, 590, 330, 650);
  p.Line(530, 590, 630, 650);
  Outline(p);
  p.Circle(870, 120, 60);
  for (int i = 0; i < 8; ++i) {
    const double a = 2 * kPi * i / 8;
    p.Pen(kInkBlack, 6)
        .Line(870 + 75 * std::cos(a), 120 + 75 * std::sin(a), 870 + 105 * std::cos(a),
              120 + 105 * std::sin(a));
  }
  Outline(p);
  p.Ellipse(60, 80, 200, 140);
  p.Ellipse(120, 60, 260, 130);
  Frame(p);
  c.Save(dir / "cb3.bmp");
}

void FlowerPot(const fs::path& dir) {
  Canvas c(kW, kH, kPaper);
  Painter p(c);
  p.Pen(kInkBlack, 22).Line(512, 260, 512, 500);
  p.Pen(kPaper, 8).Line(512, 262, 512, 498);
  Outline(p);
  p.Poly({{516, 420}, {640, 340}, {700, 380}, {600, 440}});
  p.Poly({{508, 450}, {380, 370}, {320, 410}, {420, 470}});
  p.Poly({{400, 500}, {624, 500}, {590, 640}, {434, 640}});
  p.Rect(385, 490, 639, 530);
  for (int i = 0; i < 8; ++i) {
    const double a = 2 * kPi * i / 8;
    p.Circle(512 + 105 * std::cos(a), 190 + 105 * std::sin(a), 58);
  }
  p.Circle(512, 190, 70);
  DrawStar(p, {160, 140}, 60, 26, kPaper, {kLine, kInkBlack});
  DrawHeart(p, {850, 520}, 150, kPaper, {kLine, kInkBlack});
  Frame(p);
  c.Save(dir / "cb4.bmp");
}

void Car(const fs::path& dir) {
  Canvas c(kW, kH, kPaper);
  Painter p(c);
  Ground(p, 560);
  Outline(p);
  p.Poly({{330, 300}, {400, 190}, {640, 190}, {720, 300}});
  p.Round(150, 290, 880, 470, 60);
  p.Poly({{360, 295}, {415, 210}, {505, 210}, {505, 295}});
  p.Poly({{535, 295}, {535, 210}, {625, 210}, {690, 295}});
  p.Rect(470, 330, 540, 345);
  p.Ellipse(830, 330, 870, 380);
  p.Ellipse(160, 330, 200, 380);
  for (double x : {300.0, 730.0}) {
    p.Circle(x, 470, 85);
    p.Circle(x, 470, 40);
  }
  DrawSmiley(p, {880, 130}, 70, kPaper, {kLine, kInkBlack});
  Frame(p);
  c.Save(dir / "cb5.bmp");
}

void Butterfly(const fs::path& dir) {
  Canvas c(kW, kH, kPaper);
  Painter p(c);
  Outline(p);
  for (int side = -1; side <= 1; side += 2) {
    const double cx = 512 + side * 185;
    p.Ellipse(cx - 160, 90, cx + 160, 360);
    p.Ellipse(cx - 120, 330, cx + 120, 560);
    p.Circle(cx + side * 10, 220, 60);
    p.Circle(cx, 445, 42);
    p.Circle(cx + side * 95, 160, 24);
  }
  p.Ellipse(475, 150, 549, 600);
  p.Circle(512, 125, 50);
  p.NoBrush().Pen(kInkBlack, 6);
  p.Arc(420, 30, 510, 150, 0, 100);
  p.Arc(514, 30, 604, 150, 80, 180);
  Outline(p);
  p.Circle(465, 58, 14);
  p.Circle(559, 58, 14);
  Frame(p);
  c.Save(dir / "cb6.bmp");
}

void Rocket(const fs::path& dir) {
  Canvas c(kW, kH, kPaper);
  Painter p(c);
  Outline(p);
  p.Poly({{440, 520}, {470, 640}, {512, 580}, {554, 640}, {584, 520}});
  p.Poly({{420, 380}, {330, 540}, {430, 510}});
  p.Poly({{604, 380}, {694, 540}, {594, 510}});
  p.Round(420, 200, 604, 540, 30);
  p.Poly({{420, 215}, {512, 40}, {604, 215}});
  p.Circle(512, 300, 55);
  p.Circle(512, 300, 34);
  p.Rect(420, 440, 604, 470);
  p.Circle(180, 480, 110);
  p.Ellipse(60, 460, 300, 500);
  p.Circle(150, 450, 20);
  p.Circle(850, 150, 80);
  for (const Pt& star : {Pt{150, 120}, Pt{320, 200}, Pt{700, 90}, Pt{820, 420}, Pt{700, 580}})
    DrawStar(p, star, 32, 14, kPaper, {6, kInkBlack});
  Frame(p);
  c.Save(dir / "cb7.bmp");
}

void Teddy(const fs::path& dir) {
  Canvas c(kW, kH, kPaper);
  Painter p(c);
  Outline(p);
  p.Circle(400, 110, 50);
  p.Circle(624, 110, 50);
  p.Circle(400, 110, 24);
  p.Circle(624, 110, 24);
  p.Ellipse(300, 300, 380, 480);
  p.Ellipse(644, 300, 724, 480);
  p.Ellipse(370, 270, 654, 600);
  p.Ellipse(430, 340, 594, 540);
  p.Ellipse(340, 520, 470, 640);
  p.Ellipse(554, 520, 684, 640);
  p.Circle(405, 590, 30);
  p.Circle(619, 590, 30);
  p.Circle(512, 180, 130);
  p.Ellipse(450, 200, 574, 290);
  p.Ellipse(490, 200, 534, 232);
  p.Circle(462, 150, 16);
  p.Circle(562, 150, 16);
  p.NoBrush().Arc(480, 220, 544, 275, 210, 330);
  Outline(p);
  p.Poly({{512, 300}, {440, 270}, {440, 330}});
  p.Poly({{512, 300}, {584, 270}, {584, 330}});
  p.Circle(512, 300, 18);
  DrawHeart(p, {850, 200}, 120, kPaper, {kLine, kInkBlack});
  DrawHeart(p, {170, 480}, 100, kPaper, {kLine, kInkBlack});
  Frame(p);
  c.Save(dir / "cb8.bmp");
}

}  // namespace

void DrawColouringPages(const fs::path& dir) {
  fs::create_directories(dir / "art");
  Cat(dir / "art");
  Fish(dir / "art");
  House(dir / "art");
  FlowerPot(dir / "art");
  Car(dir / "art");
  Butterfly(dir / "art");
  Rocket(dir / "art");
  Teddy(dir / "art");
}

}  // namespace art
