// The icon strip of the tenth category, the computer's jobs: "a910.kvr". Slot 10 has no tool
// and stays black.
//
// Opening and saving look alike, a picture and a folder; an arrow that does not move says which
// way the picture goes, since the frames play forward and back.
#include <algorithm>
#include <cmath>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"
#include "strip.h"

namespace art {

namespace {

// A small framed picture with its top left corner at (x, y).
void Picture(Painter& p, double x, double y, double w, double h) {
  p.Style(kBlack, kWhite, 1).Rect(x, y, x + w, y + h);
  DrawLandscape(p, x + 1.5, y + 1.5, x + w - 1, y + h - 1);
}

// A fat arrow pointing up (dir -1) or down (dir 1), its point at (x, y).
void FatArrow(Painter& p, double x, double y, int dir, COLORREF fill) {
  const double d = -dir;
  p.Style(kBlack, fill, 1)
      .Poly({{x, y},
             {x + 5, y + 5 * d},
             {x + 2, y + 5 * d},
             {x + 2, y + 10 * d},
             {x - 2, y + 10 * d},
             {x - 2, y + 5 * d},
             {x - 5, y + 5 * d}});
}

// A yellow folder; `lid` 0 closed .. 1 wide open.
void Folder(Painter& p, double l, double t, double r, double b, double lid) {
  p.Style(kBlack, Shade(kOrange, 2), 1)
      .Poly({{l, t}, {l + 7, t}, {l + 9, t + 3}, {r, t + 3}, {r, b}, {l, b}});
  const double top = t + 5 + 4 * lid;
  p.Style(kBlack, Shade(kYellow, 5), 1).Poly({{l, b}, {l + 3 * lid, top}, {r + 3 * lid, top}, {r, b}});
}

// OPEN: a picture coming up out of an opening folder.
void Open(Painter& p, double t) {
  Tile(p, Shade(kSky, 0));
  Folder(p, 4, 18, 28, 36, 0);
  Picture(p, 8, 20 - 10 * t, 16, 13);
  p.Style(kBlack, Shade(kYellow, 5), 1).Poly({{4, 36}, {7, 27}, {31, 27}, {28, 36}});
  FatArrow(p, 33, 4, -1, Shade(kGreen, 4));
}

// SAVE: a picture going down into a box for keeps.
void Save(Painter& p, double t) {
  Tile(p, Shade(kGreen, 0));
  Folder(p, 4, 18, 28, 36, 0);
  Picture(p, 8, 4 + 16 * t, 16, 13);
  p.Style(kBlack, Shade(kYellow, 5), 1).Poly({{4, 36}, {6, 26}, {30, 26}, {28, 36}});
  FatArrow(p, 33, 16, 1, Shade(kBlue, 0));
}

// DELETE: a picture dropping into a rubbish bin with its lid flipping open.
void Delete(Painter& p, double t) {
  Tile(p, Shade(kPink, 0));
  const double lift = 5 * t;
  Picture(p, 12, 3 + 12 * t, 14, 11);
  p.Style(kBlack, Shade(kGrey, 4), 1).Poly({{8, 20}, {32, 20}, {29, 37}, {11, 37}});
  p.Pen(Shade(kGrey, 6), 1);
  for (double x = 14; x < 28; x += 4.5) p.Line(x, 23, x + 0.5 * (x - 20) / 6, 34);
  const Axis lid{{7, 19}, lift * 8};
  p.Style(kBlack, Shade(kGrey, 3), 1).Poly({lid(0, 0), lid(26, 0), lid(26, -3), lid(0, -3)});
  const Pt k0 = lid(11, -3), k1 = lid(15, -3), k2 = lid(15, -5), k3 = lid(11, -5);
  p.Style(kBlack, Shade(kGrey, 5), 1).Poly({k0, k1, k2, k3});
}

// A printer with a page in it showing `page` rows of picture.
void Printer(Painter& p, double page) {
  p.Style(kBlack, kWhite, 1).Rect(11, 4, 29, 14);
  p.Style(kBlack, Shade(kGrey, 3), 1).Round(4, 12, 36, 28, 4);
  p.Style(kBlack, Shade(kGrey, 6), 1).Rect(9, 25, 31, 28);
  p.Style(kBlack, Shade(kGreen, 4), 1).Circle(31, 17, 1.5);
  if (page > 0) {
    p.Style(kBlack, kWhite, 1).Rect(10, 27, 30, 27 + page);
    DrawLandscape(p, 12, 28, 28, 27 + page - 1);
  }
}

// PRINT: the picture coming out of the printer.
void Print(Painter& p, double t) {
  Tile(p, Shade(kYellow, 1));
  Printer(p, 2 + 9 * t);
}

// PRINT SETUP: the printer with a cog turning beside it.
void PrintSetup(Painter& p, double t) {
  Tile(p, Shade(kViolet, 0));
  Printer(p, 4);
  std::vector<Pt> cog;
  for (int i = 0; i < 32; ++i) {
    const double a = 2 * kPi * i / 32 + t * kPi / 8, r = (i / 2) % 2 ? 5 : 7;
    cog.push_back({29 + r * std::cos(a), 30 + r * std::sin(a)});
  }
  p.Style(kBlack, Shade(kOrange, 4), 1).Poly(cog);
  p.Style(kBlack, Shade(kViolet, 0), 1).Circle(29, 30, 2);
}

// ABOUT: a smiling face saying hello with a question in its speech bubble.
void About(Painter& p, double t) {
  Tile(p, Shade(kSky, 1));
  p.Style(kBlack, kWhite, 1).Round(18, 3, 37, 18, 8);
  p.Style(kBlack, kWhite, 1).Poly({{22, 16}, {19, 23}, {27, 17}});
  p.NoPen().Brush(kWhite).Rect(21, 14, 27, 17);
  p.Text(27.5, 3, "?", 13, Shade(kBlue, 0));
  DrawSmiley(p, {14, 26}, 10 + t, Shade(kYellow, 5), kThin);
}

// SOUND CONTROL: a loudspeaker with sound waves and dancing notes.
void SoundControl(Painter& p, double t) {
  Tile(p, Shade(kCyan, 0));
  p.Style(kBlack, Shade(kGrey, 6), 1).Rect(5, 16, 11, 25);
  p.Style(kBlack, Shade(kGrey, 4), 1).Poly({{11, 16}, {19, 9}, {19, 32}, {11, 25}});
  const int waves = 1 + static_cast<int>(std::lround(t * 2));
  for (int i = 0; i < waves; ++i) {
    const double r = 5 + 4.5 * i;
    p.Pen(Shade(kBlue, 0), 2).NoBrush().Arc(19 - r, 20.5 - r, 19 + r, 20.5 + r, -50, 50);
  }
  const double bob = 2 * std::sin(t * 2 * kPi);
  // Two notes joined by a beam.
  p.Pen(kBlack, 2).Line(29, 10 + bob, 29, 3 + bob);
  p.Line(36, 8 - bob, 36, 1 - bob);
  p.Pen(kBlack, 3).Line(29, 3 + bob, 36, 1 - bob);
  p.Style(kBlack, Shade(kMagenta, 5), 1).Ellipse(24, 8 + bob, 30, 12.5 + bob);
  p.Ellipse(31, 6 - bob, 37, 10.5 - bob);
}

// CLIPBOARD: a picture laid on a clipboard, the clip closing over it.
void Clipboard(Painter& p, double t) {
  Tile(p, Shade(kOrange, 0));
  p.Style(kBlack, Shade(kBrown, 3), 2).Round(7, 5, 33, 38, 4);
  const double y = 4 + 8 * t;
  Picture(p, 10, y + 4, 20, 22);
  p.Style(kBlack, Shade(kGrey, 3), 1).Round(13, 2, 27, 9, 3);
  p.Style(kBlack, Shade(kGrey, 5), 1).Circle(20, 4, 1.5);
}

// WALLPAPER: a picture spreading out to cover the whole computer screen.
void Wallpaper(Painter& p, double t) {
  Tile(p, Shade(kGrey, 1));
  p.Style(kBlack, Shade(kGrey, 6), 1).Round(3, 4, 37, 30, 3);
  p.Style(kBlack, Shade(kBlue, 8), 1).Rect(6, 7, 34, 27);
  const double w = 12 + 16 * t, h = 9 + 11 * t;
  DrawLandscape(p, 20 - w / 2, 17 - h / 2, 20 + w / 2, 17 + h / 2);
  p.Style(kBlack, Shade(kGrey, 5), 1).Rect(17, 30, 23, 34);
  p.Style(kBlack, Shade(kGrey, 5), 1).Round(11, 33, 29, 37, 2);
}

}  // namespace

void DrawPcStrip(const fs::path& dir) {
  DrawStrip(dir / "a910.kvr",
            {Open, Save, Delete, Print, PrintSetup, About, SoundControl, Clipboard, Wallpaper});
}

}  // namespace art
