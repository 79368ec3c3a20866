// The pictures of the print placement dialog, on its black background:
//   "prtport.kvr"  46 x 43  a sheet standing upright, with a little picture on it
//   "prtland.kvr"  44 x 37  the same sheet lying on its side
//   "prtgo.kvr"    42 x 39  a printer with a page coming out of it: print
//   "prtstop.kvr"  41 x 37  a red round sign with a white cross: do not print
#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"

namespace art {

namespace {

// A sheet of paper with a folded corner and a small landscape on it, in the box (l, t)-(r, b).
void Sheet(Painter& p, double l, double t, double r, double b) {
  const double fold = (r - l) * 0.28;
  p.Style(kInk, kWhite, 1.5).Poly({{l, t}, {r - fold, t}, {r, t + fold}, {r, b}, {l, b}});
  p.Style(kInk, Shade(kGrey, 2), 1).Poly({{r - fold, t}, {r - fold, t + fold}, {r, t + fold}});
  const double m = (r - l) * 0.16;
  DrawLandscape(p, l + m, t + fold + 1, r - m, b - m);
}

void Portrait(const fs::path& dir) {
  Canvas c(46, 43, kBlack);
  Painter p(c);
  Sheet(p, 10, 2, 36, 40);
  c.Save(dir / "prtport.kvr");
}

void Landscape(const fs::path& dir) {
  Canvas c(44, 37, kBlack);
  Painter p(c);
  Sheet(p, 2, 7, 42, 32);
  c.Save(dir / "prtland.kvr");
}

void Go(const fs::path& dir) {
  Canvas c(42, 39, kBlack);
  Painter p(c);
  // The page coming out at the top, the printer's body, its tray and a green light.
  p.Style(kInk, kWhite, 1).Rect(11, 3, 31, 17);
  p.Pen(Shade(kBlue, 5), 1).Line(14, 7, 28, 7);
  p.Pen(Shade(kRed, 5), 1).Line(14, 10, 25, 10);
  p.Style(kInk, Shade(kSky, 3), 1.5).Round(4, 14, 38, 31, 5);
  p.Style(kInk, Shade(kGrey, 3), 1).Rect(9, 27, 33, 36);
  p.Style(kInk, Shade(kGreen, 4), 1).Circle(32, 20, 2.5);
  c.Save(dir / "prtgo.kvr");
}

void Stop(const fs::path& dir) {
  Canvas c(41, 37, kBlack);
  Painter p(c);
  p.Style(kWhite, Shade(kRed, 5), 2).Circle(20.5, 18.5, 15);
  p.Pen(kWhite, 5).Line(13.5, 11.5, 27.5, 25.5);
  p.Pen(kWhite, 5).Line(27.5, 11.5, 13.5, 25.5);
  c.Save(dir / "prtstop.kvr");
}

}  // namespace

void DrawPrintPictures(const fs::path& dir) {
  Portrait(dir);
  Landscape(dir);
  Go(dir);
  Stop(dir);
}

}  // namespace art
