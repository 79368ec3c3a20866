// The pictures of the text and signature dialogs: the accept tick "dlgok.kvr" (40 x 40), the
// cancel cross "dlgno.kvr" (40 x 35) and the eraser "dlgerase.kvr" (42 x 41), on the dialogs'
// black; and the blank signature "name.sig" the program starts with.
#include <vector>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"

namespace art {

namespace {

// A red rounded button with a white cross.
void Cross(const fs::path& file) {
  Canvas c(40, 35, kBlack);
  Painter p(c);
  p.Style(kInk, Shade(kRed, 5), 2).Round(2, 2, 38, 33, 14);
  p.Pen(Shade(kRed, 2), 2).NoBrush().Arc(6, 5, 34, 30, 110, 160);
  for (const auto& [colour, width] : {std::pair{kInk, 7.0}, std::pair{kWhite, 4.0}}) {
    p.Pen(colour, width).Line(12, 9, 28, 26);
    p.Line(12, 26, 28, 9);
  }
  c.Save(file);
}

// A pink rubber eraser lying aslant, with a blue sleeve and a few crumbs.
void Eraser(const fs::path& file) {
  Canvas c(42, 41, kBlack);
  Painter p(c);
  p.Style(kInk, Shade(kPink, 3), 2).Poly({{4, 27}, {20, 9}, {38, 21}, {22, 38}});
  p.Style(kInk, Shade(kBlue, 4), 2).Poly({{12, 18}, {20, 9}, {38, 21}, {30, 30}});
  p.Pen(Shade(kPink, 1), 2).Line(8, 27, 18, 16);
  for (const Pt& crumb : {Pt{6, 35}, Pt{11, 38}, Pt{3, 32}}) p.Blob(crumb.x, crumb.y, 2, Shade(kPink, 4));
  c.Save(file);
}

}  // namespace

void TickButton(const fs::path& file, gdi::COLORREF background, gdi::COLORREF outline,
                gdi::COLORREF highlight) {
  Canvas c(40, 40, background);
  Painter p(c);
  p.Style(outline, Shade(kGreen, 5), 2).Circle(20, 20, 18);
  p.Pen(highlight, 2).NoBrush().Arc(5, 5, 35, 35, 100, 170);
  const std::vector<Pt> tick = {{10, 20}, {17, 28}, {30, 11}};
  p.Pen(outline, 7).Lines(tick);
  p.Pen(kWhite, 4).Lines(tick);
  c.Save(file);
}

void DrawDialogPictures(const fs::path& dir) {
  TickButton(dir / "dlgok.kvr", kBlack, kInk, Shade(kGreen, 2));
  Cross(dir / "dlgno.kvr");
  Eraser(dir / "dlgerase.kvr");
  // The signature area (0, 0)-(150, 80) blank, the working rows below it too.
  Canvas(150, 160, kWhite).Save(dir / "name.sig");
}

}  // namespace art
