// The icon strip of the ninth category, the pictures and stamps: "a908.kvr". Slots 8 to 10 have
// no tool and stay black.
#include <algorithm>
#include <cmath>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"
#include "strip.h"

namespace art {

namespace {

// A picture frame: a coloured border round its inside.
void Frame(Painter& p, double l, double t, double r, double b, COLORREF border) {
  p.Style(kBlack, border, 1).Rect(l, t, r, b);
  p.Style(kBlack, Shade(kSky, 0), 1).Rect(l + 3, t + 3, r - 3, b - 3);
}

// WIDE: a wide picture with a car driving across it.
void Wide(Painter& p, double t) {
  Tile(p, Shade(kGrey, 1));
  Frame(p, 2, 9, 38, 31, Shade(kOrange, 4));
  gdi::IntersectClipRect(p.Dc(), p.X(6), p.Y(13), p.X(34), p.Y(27));
  p.NoPen().Brush(Shade(kGreen, 3)).Rect(5, 23, 35, 28);
  const double x = 1 + 16 * t;
  p.Style(kBlack, Shade(kRed, 5), 1).Round(x, 17, x + 16, 23, 3);
  p.Style(kBlack, Shade(kRed, 5), 1).Round(x + 3, 14, x + 11, 19, 2);
  p.Style(kBlack, Shade(kSky, 0), 1).Rect(x + 5, 15, x + 9, 18);
  p.Style(kBlack, Shade(kGrey, 7), 1).Circle(x + 4, 23, 2.2);
  p.Circle(x + 12, 23, 2.2);
}

// TALL: a tall picture with a rocket taking off inside it.
void Tall(Painter& p, double t) {
  Tile(p, Shade(kGrey, 1));
  Frame(p, 10, 2, 30, 38, Shade(kBlue, 0));
  gdi::IntersectClipRect(p.Dc(), p.X(14), p.Y(6), p.X(26), p.Y(34));
  p.NoPen().Brush(Shade(kBlue, 8)).Rect(13, 5, 27, 35);
  p.Blob(16, 9, 1, kWhite);
  p.Blob(24, 13, 1, kWhite);
  const double y = 22 - 12 * t;
  p.Style(kBlack, Shade(kOrange, 4), 1).Poly({{18, y + 9}, {20, y + 14 + 2 * std::sin(t * 20)}, {22, y + 9}});
  p.Style(kBlack, Shade(kRed, 5), 1).Poly({{17, y + 5}, {15, y + 10}, {25, y + 10}, {23, y + 5}});
  p.Style(kBlack, kWhite, 1).Poly({{20, y - 4}, {23, y + 1}, {23, y + 9}, {17, y + 9}, {17, y + 1}});
  p.Style(kBlack, Shade(kSky, 3), 1).Circle(20, y + 3, 1.5);
}

// A rubber stamp: red knob, wooden block, inked pad at the bottom, its pad at `bottom`.
void RubberStamp(Painter& p, double cx, double bottom, double w) {
  p.Style(kBlack, Shade(kRed, 5), 1).Circle(cx, bottom - 14, 3.5);
  p.Style(kBlack, Shade(kBrown, 2), 1).Rect(cx - 2, bottom - 11, cx + 2, bottom - 5);
  p.Style(kBlack, Shade(kBrown, 4), 1).Round(cx - w / 2, bottom - 6, cx + w / 2, bottom - 1, 2);
  p.Style(kBlack, Shade(kViolet, 5), 1).Rect(cx - w / 2 + 1, bottom - 2, cx + w / 2 - 1, bottom);
}

// STAMPS (64 x 64): a big stamp coming down on a big star.
void BigStamp(Painter& p, double t) {
  Tile(p, kWhite);
  DrawStar(p, {20, 27}, 10, 4.5, Shade(kViolet, 5), kThin);
  RubberStamp(p, 20, 17 - 3 * std::sin(t * kPi), 20);
}

// STAMPS (32 x 32): small stamps popping up one after another.
void SmallStamps(Painter& p, double t) {
  Tile(p, kWhite);
  const int shown = 1 + static_cast<int>(std::lround(t * 3));
  const Pt where[] = {{11, 12}, {28, 12}, {11, 28}, {28, 28}};
  for (int i = 0; i < shown; ++i) {
    const Pt c = where[i];
    switch (i) {
      case 0:
        DrawStar(p, c, 7, 3, Shade(kYellow, 5), kThin);
        break;
      case 1:
        DrawHeart(p, c, 13, Shade(kRed, 5), kThin);
        break;
      case 2:
        DrawSmiley(p, c, 6, Shade(kOrange, 3), kThin);
        break;
      default:
        for (int k = 0; k < 5; ++k) {
          const double a = 2 * kPi * k / 5;
          p.Style(kBlack, Shade(kMagenta, 3), 1)
              .Circle(c.x + 3.5 * std::cos(a), c.y + 3.5 * std::sin(a), 2.5);
        }
        p.Style(kBlack, Shade(kYellow, 6), 1).Circle(c.x, c.y, 2);
    }
  }
}

// CLIP ART: scissors snipping a picture out along a dotted line.
void ClipArt(Painter& p, double t) {
  Tile(p, Shade(kLime, 0));
  p.Style(kBlack, kWhite, 1).Rect(4, 4, 22, 22);
  DrawLandscape(p, 6, 6, 20, 20);
  p.Pen(kBlack, 1);
  for (double x = 2; x < 25; x += 3) p.Line(x, 25, x + 1.5, 25);
  for (double y = 2; y < 25; y += 3) p.Line(25, y, 25, y + 1.5);
  // The scissors point at the picture's corner, blades opening and shutting; each handle's ring
  // sits to its own side, as on real scissors.
  const double open = 8 + 26 * std::sin(t * 0.5 * kPi);
  const Pt pivot{26, 26};
  for (int side : {-1, 1}) {
    const Axis arm{pivot, -45 + side * open / 2};
    const Pt ring = arm(8, -side * 3);
    p.Pen(kBlack, 3).NoBrush().Circle(ring.x, ring.y, 3.5);
    p.Pen(Shade(kRed, 5), 1.5).Circle(ring.x, ring.y, 3.5);
  }
  for (int side : {-1, 1}) {
    const Axis blade{pivot, 135 - side * open / 2};
    p.Style(kBlack, Shade(kGrey, 2), 1).Poly({blade(-4, side * 3), blade(14, 0), blade(-4, -side * 0.5)});
  }
  p.Blob(pivot.x, pivot.y, 2, kBlack);
}

// BACKGROUNDS: a ready-made scene with the sun rising over it.
void Backgrounds(Painter& p, double t) {
  ClipToTile(p);
  p.NoPen().Brush(Shade(kSky, 1)).Rect(1, 1, 40, 40);
  p.Style(kBlack, Shade(kYellow, 6), 1).Circle(27, 24 - 14 * t, 6);
  for (int i = 0; i < 3; ++i) {
    const double x = 6 + 12 * i;
    p.Style(kBlack, Shade(kGreen, 6 - i), 1).Poly({{x - 9, 30}, {x + 2, 14.0 + 4 * i}, {x + 13, 30}});
  }
  p.Style(kBlack, Shade(kGreen, 3), 1).Rect(0, 28, 41, 41);
  p.Style(kBlack, Shade(kBrown, 3), 1).Rect(8, 31, 11, 37);
  p.Style(kBlack, Shade(kGreen, 5), 1).Circle(9.5, 29, 4);
  TileOutline(p);
}

// COLORBOOK: an outline flower on a colouring page, its parts coloured in one by one.
void Colorbook(Painter& p, double t) {
  Tile(p, Shade(kRed, 3));
  p.Style(kBlack, kWhite, 1).Rect(5, 3, 35, 37);
  const int coloured = static_cast<int>(std::lround(t * 5));
  const COLORREF petals = coloured >= 1 ? Shade(kPink, 3) : kWhite;
  p.Pen(kBlack, 1).Line(20, 22, 20, 34);
  p.Style(kBlack, coloured >= 4 ? Shade(kGreen, 4) : kWhite, 1).Poly({{20, 30}, {27, 25}, {21, 31}});
  for (int i = 0; i < 6; ++i) {
    const double a = 2 * kPi * i / 6;
    p.Style(kBlack, i % 2 == 0 || coloured >= 2 ? petals : kWhite, 1)
        .Circle(20 + 6 * std::cos(a), 15 + 6 * std::sin(a), 4);
  }
  p.Style(kBlack, coloured >= 3 ? Shade(kYellow, 6) : kWhite, 1).Circle(20, 15, 3.5);
  // The crayon colouring it in.
  DrawPencil(p, {{30, 33}, 60}, 14, 5, Shade(kPink, 4), kThin);
}

}  // namespace

void DrawPictureStrip(const fs::path& dir) {
  DrawStrip(dir / "a908.kvr", {Wide, Tall, BigStamp, SmallStamps, ClipArt, Backgrounds, Colorbook});
}

}  // namespace art
