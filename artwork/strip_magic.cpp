// The icon strip of the eighth category, the magic of boxes and colours: "a907.kvr".
//
// The box tools show their dashed box, drawn round the part of the picture they work on.
#include <algorithm>
#include <cmath>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"
#include "strip.h"

namespace art {

namespace {

// A dashed selection box.
void DashedBox(Painter& p, double l, double t, double r, double b, COLORREF colour = kBlack) {
  p.Pen(colour, 1);
  for (double x = l; x < r; x += 4) {
    p.Line(x, t, std::min(x + 2, r), t);
    p.Line(x, b, std::min(x + 2, r), b);
  }
  for (double y = t; y < b; y += 4) {
    p.Line(l, y, l, std::min(y + 2, b));
    p.Line(r, y, r, std::min(y + 2, b));
  }
}

// A little fish facing right (or left when `flip` is -1 .. 1 squeezes it through its middle).
void Fish(Painter& p, Pt c, double size, double flip, COLORREF body) {
  auto X = [&](double dx) { return c.x + dx * size * flip; };
  const double s = size;
  p.Style(kBlack, Shade(kOrange, 5), 1).Poly({{X(-5), c.y}, {X(-9), c.y - 4 * s}, {X(-9), c.y + 4 * s}});
  p.Style(kBlack, body, 1).Ellipse(std::min(X(-6), X(6)), c.y - 4 * s, std::max(X(-6), X(6)), c.y + 4 * s);
  if (std::abs(flip) > 0.3) p.Blob(X(3), c.y - 1 * s, 2, kBlack);
}

// MOVE: a heart in its dashed box sliding to a new place.
void Move(Painter& p, double t) {
  Tile(p, Shade(kSky, 0));
  const double x = 4 + 12 * t, y = 5 + 10 * t;
  DashedBox(p, x, y, x + 19, y + 18);
  DrawHeart(p, {x + 9.5, y + 9}, 15, Shade(kRed, 5), kThin);
  // A four-way arrow: the sign for "move".
  p.Pen(Shade(kBlue, 0), 2).Line(31, 3, 31, 13);
  p.Line(26, 8, 36, 8);
  p.Style(Shade(kBlue, 0), Shade(kBlue, 0), 1).Poly({{31, 2}, {29, 5}, {33, 5}});
  p.Poly({{31, 14}, {29, 11}, {33, 11}});
  p.Poly({{25, 8}, {28, 6}, {28, 10}});
  p.Poly({{37, 8}, {34, 6}, {34, 10}});
}

// COPY: a second heart coming out of the first.
void Copy(Painter& p, double t) {
  Tile(p, Shade(kYellow, 1));
  DashedBox(p, 3, 3, 21, 21);
  const double dx = 3 + 13 * t;
  DrawHeart(p, {12 + dx, 12 + dx}, 14, Shade(kPink, 4), kThin);
  DrawHeart(p, {12, 12}, 14, Shade(kPink, 4), kThin);
  p.Style(kBlack, kWhite, 1).Circle(32, 8, 5);
  p.Pen(Shade(kGreen, 6), 2).Line(32, 5, 32, 11);
  p.Line(29, 8, 35, 8);
}

// PIXELLATE: a smiling face breaking up into blocks.
void Pixellate(Painter& p, double t) {
  Tile(p, Shade(kViolet, 0));
  DrawSmiley(p, {20, 20}, 14, Shade(kYellow, 5), {2, kBlack});
  // Blocks take the colour of their middle pixel, so they stay in the picture's own colours.
  const int block = 1 + static_cast<int>(std::lround(t * 3));
  if (block < 2) return;
  const int x0 = p.X(5), y0 = p.Y(5), x1 = p.X(35), y1 = p.Y(35);
  for (int y = y0; y < y1; y += block)
    for (int x = x0; x < x1; x += block) {
      const COLORREF c =
          gdi::GetPixel(p.Dc(), std::min(x + block / 2, x1 - 1), std::min(y + block / 2, y1 - 1));
      gdi::FillRect(p.Dc(), {x, y, std::min(x + block, x1), std::min(y + block, y1)},
                    gdi::CreateSolidBrush(c));
    }
}

// TUNNEL: the picture shrinking into itself, frame within frame.
void Tunnel(Painter& p, double t) {
  Tile(p, kBlack);
  ClipToTile(p);
  const COLORREF rings[] = {Shade(kRed, 5),   Shade(kOrange, 4), Shade(kYellow, 6),
                            Shade(kGreen, 4), Shade(kSky, 4),    Shade(kViolet, 4)};
  // Nested frames, biggest first; their sizes creep outward with the frame, so the tunnel seems
  // to flow toward the middle as the frames play back and forth.
  for (int i = 7; i >= 0; --i) {
    const double f = (i + t) / 7, h = 1.5 + 21 * f * f;
    p.Style(kBlack, rings[i % 6], 1).Rect(20 - h, 20 - h, 20 + h, 20 + h);
  }
  TileOutline(p);
}

// LIGHTEN/DARKEN: a glowing bulb over a row of squares fading from dark to light.
void LightenDarken(Painter& p, double t) {
  Tile(p, Shade(kGrey, 2));
  for (int i = 0; i < 5; ++i) {
    const int shade = std::clamp(static_cast<int>(std::lround(8 - 2 * i - 2 * t + 1)), 0, 9);
    p.Style(kBlack, Shade(kSky, shade), 1).Rect(3 + 7 * i, 28, 10 + 7 * i, 36);
  }
  const double glow = 5 + 4 * t;
  p.Pen(Shade(kYellow, 6), 2);
  for (int i = 0; i < 8; ++i) {
    const double a = 2 * kPi * i / 8;
    p.Line(20 + 8 * std::cos(a), 13 + 8 * std::sin(a), 20 + (8 + glow * 0.6) * std::cos(a),
           13 + (8 + glow * 0.6) * std::sin(a));
  }
  p.Style(kBlack, t > 0.1 ? Shade(kYellow, 3) : Shade(kYellow, 0), 1).Circle(20, 12, 6.5);
  p.Style(kBlack, Shade(kGrey, 4), 1).Rect(17, 18, 24, 23);
  p.Pen(Shade(kGrey, 6), 1).Line(17, 20, 23, 20);
}

// SIZE CONTROL: a magnifying glass making a star grow.
void SizeControl(Painter& p, double t) {
  Tile(p, Shade(kGreen, 0));
  p.Style(kBlack, kWhite, 2).Circle(17, 17, 13);
  DrawStar(p, {17, 18}, 4 + 7 * t, 1.8 + 3 * t, Shade(kYellow, 5), kThin);
  p.Pen(Shade(kSky, 0), 2).NoBrush().Arc(7, 7, 27, 27, 100, 160);
  p.Pen(kBlack, 6).Line(27, 27, 35, 35);
  p.Pen(Shade(kBrown, 4), 4).Line(27, 27, 35, 35);
  p.Pen(kBlack, 2).NoBrush().Circle(17, 17, 13);
}

// FLIP: a fish turning over from facing right to facing left.
void Flip(Painter& p, double t) {
  Tile(p, Shade(kCyan, 0));
  DashedBox(p, 5, 10, 35, 32);
  Fish(p, {20, 21}, 1.5, std::cos(kPi * t), Shade(kYellow, 5));
  p.Pen(Shade(kBlue, 0), 2).NoBrush().Arc(8, 3, 32, 15, 20, 160);
  p.Style(Shade(kBlue, 0), Shade(kBlue, 0), 1).Poly({{31, 7}, {33, 12}, {28, 11}});
}

// NEGATIVE: a sunny picture turning into its negative, the change sweeping across.
void Negative(Painter& p, double t) {
  ClipToTile(p);
  // The same scene twice: in its own colours, then in the opposite ones to the right of the sweep.
  auto scene = [&](COLORREF sky, COLORREF sun, COLORREF grass, COLORREF house) {
    p.NoPen().Brush(sky).Rect(1, 1, 40, 40);
    p.Brush(sun).Circle(28, 11, 6);
    p.Brush(grass).Ellipse(-10, 25, 50, 60);
    p.Brush(house).Rect(9, 17, 19, 28);
  };
  scene(Shade(kSky, 1), Shade(kYellow, 6), Shade(kGreen, 4), Shade(kRed, 5));
  const double x = 1 + 38 * t;
  gdi::SelectClipRgn(p.Dc(), gdi::CreateRoundRectRgn(p.X(1), p.Y(1), p.X(40), p.Y(40), p.Len(10), p.Len(10)));
  gdi::IntersectClipRect(p.Dc(), p.X(1), p.Y(1), p.X(x), p.Y(40));
  scene(Shade(kBrown, 9), Shade(kBlue, 0), Shade(kMagenta, 6), Shade(kCyan, 2));
  ClipToTile(p);
  p.Pen(kWhite, 1).Line(x, 1, x, 40);
  TileOutline(p);
}

// REPLACE COLOR: a dropper drips and every red ball turns green.
void ReplaceColour(Painter& p, double t) {
  Tile(p, Shade(kYellow, 0));
  const bool changed = t > 0.5;
  const Pt balls[] = {{9, 30}, {19, 26}, {30, 31}, {14, 19}};
  const COLORREF old_colour = Shade(kRed, 5), new_colour = Shade(kGreen, 4);
  for (int i = 0; i < 4; ++i)
    p.Style(kBlack,
            i == 3    ? Shade(kBlue, 0)
            : changed ? new_colour
                      : old_colour,
            1)
        .Circle(balls[i].x, balls[i].y, 4.5);
  // The dropper, held above, with its drop falling.
  const Axis a{{27, 12}, 60};
  p.Style(kBlack, Shade(kSky, 0), 1).Poly({a(0, -1), a(10, -2.5), a(10, 2.5), a(0, 1)});
  const Pt bulb = a(14, 0);
  p.Style(kBlack, Shade(kGreen, 4), 1).Circle(bulb.x, bulb.y, 4);
  if (!changed) {
    const double y = 14 + 14 * t * 2;
    p.Style(kBlack, new_colour, 1).Poly({{27, y - 3}, {29, y + 1}, {27, y + 2.5}, {25, y + 1}});
  }
}

// COPY/FLIP: a fish and its mirror-image copy coming out of it.
void CopyFlip(Painter& p, double t) {
  Tile(p, Shade(kPink, 0));
  DashedBox(p, 3, 6, 21, 20);
  const double dx = 2 + 15 * t;
  Fish(p, {12 + dx, 26}, 1, -1, Shade(kSky, 4));
  Fish(p, {12, 13}, 1, 1, Shade(kSky, 4));
  p.Pen(Shade(kGrey, 5), 1).Line(3, 23, 37, 23);
}

}  // namespace

void DrawMagicStrip(const fs::path& dir) {
  DrawStrip(dir / "a907.kvr", {Move, Copy, Pixellate, Tunnel, LightenDarken, SizeControl, Flip, Negative,
                               ReplaceColour, CopyFlip});
}

}  // namespace art
