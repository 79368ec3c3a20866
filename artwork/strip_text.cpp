// The icon strip of the sixth category, the lettering tools: "a905.kvr". Slots 7 to 10 have no
// tool and stay black.
#include <cmath>
#include <string>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"
#include "strip.h"

namespace art {

namespace {

// TYPING: letters appearing one after another, with a blinking text cursor after them.
void Typing(Painter& p, double t) {
  Tile(p, kWhite);
  const std::string letters = "ABC";
  const COLORREF colours[] = {Shade(kRed, 5), Shade(kGreen, 6), Shade(kBlue, 0)};
  const int shown = 1 + static_cast<int>(std::lround(t * 2));
  double x = 4;
  for (int i = 0; i < shown; ++i) {
    // Stamped twice a pixel apart, so the thin strokes of the small lettering read as bold.
    for (double dx : {0, 1})
      p.Text(x + dx, 11, letters.substr(i, 1), 13, colours[i], gdi::TA_LEFT | gdi::TA_TOP);
    x += p.TextWidth(letters.substr(i, 1), 13) + 1;
  }
  p.Pen(kBlack, 2).Line(x + 1, 9, x + 1, 29);
  // The keyboard keys the letters come from.
  for (int i = 0; i < 4; ++i) p.Style(kBlack, Shade(kGrey, 2), 1).Round(4 + 8 * i, 31, 11 + 8 * i, 37, 2);
}

// SHADOW TEXT: a letter lifting off its shadow.
void ShadowText(Painter& p, double t) {
  Tile(p, Shade(kYellow, 1));
  const double d = 1 + 4 * t;
  p.Text(18 + d, 4 + d, "A", 28, Shade(kGrey, 5));
  p.OutlinedText(18, 4, "A", 28, Shade(kOrange, 5), kBlack, 1);
}

// EXPLODING TEXT: copies of a letter bursting outward in rainbow layers.
void ExplodingText(Painter& p, double t) {
  Tile(p, Shade(kBlue, 9));
  const COLORREF layers[] = {Shade(kViolet, 5), Shade(kBlue, 0),   Shade(kGreen, 4),
                             Shade(kYellow, 6), Shade(kOrange, 5), Shade(kRed, 5)};
  const int n = 2 + static_cast<int>(std::lround(t * 4));
  for (int i = n - 1; i >= 0; --i) {
    const double h = 11 + 5 * i;
    p.Text(20, 21 - h * 0.62, "A", h, layers[i]);
  }
  p.Text(20, 21 - 11 * 0.62, "A", 11, kWhite);
}

// ROTATED TEXT: a word turning about its middle.
void RotatedText(Painter& p, double t) {
  Tile(p, Shade(kGreen, 0));
  const double deg = 10 + 60 * t, a = deg * kPi / 180;
  // The reference point is the top of the word's centre line, so that it turns about its middle.
  const double h = 12, up = h * 0.6;
  p.TextAngle(deg);
  p.OutlinedText(20 - up * std::sin(a), 20 - up * std::cos(a), "ABC", h, Shade(kMagenta, 5), kBlack, 1);
  p.TextAngle(0);
  p.Pen(Shade(kGreen, 6), 2).NoBrush().Arc(5, 5, 35, 35, 280, 350);
  p.Style(Shade(kGreen, 6), Shade(kGreen, 6), 1).Poly({{34, 17}, {38, 22}, {31, 22}});
}

// EXTRUDED TEXT: a letter pulled out into a solid block.
void ExtrudedText(Painter& p, double t) {
  Tile(p, Shade(kSky, 0));
  const int depth = 1 + static_cast<int>(std::lround(t * 5));
  for (int i = depth; i >= 1; --i) p.Text(17 + i, 5 + i, "A", 27, Shade(kBlue, 5 + (i * 4) / depth));
  p.OutlinedText(17, 5, "A", 27, Shade(kSky, 3), kBlack, 1);
}

// SIGNATURE: a pen writing a loopy name on a line.
void Signature(Painter& p, double t) {
  Tile(p, Shade(kPeach, 0));
  p.Pen(Shade(kGrey, 5), 1).Line(4, 30, 36, 30);
  std::vector<Pt> name;
  const double end = (0.25 + 0.75 * t) * 6 * kPi;
  for (double s = 0; s <= end + 1e-9; s += 0.25)
    name.push_back({5 + 1.1 * s - 2.5 * std::sin(s), 24 - 5 * std::abs(std::cos(s / 2)) - 2 * std::sin(s)});
  p.Pen(Shade(kBlue, 6), 2).Lines(name);
  DrawMarker(p, {name.back(), 55}, 20, 6, Shade(kBlue, 3), kThin);
}

}  // namespace

void DrawTextStrip(const fs::path& dir) {
  DrawStrip(dir / "a905.kvr", {Typing, ShadowText, ExplodingText, RotatedText, ExtrudedText, Signature});
}

}  // namespace art
