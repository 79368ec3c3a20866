// The buttons round the edges of the main window: UNDO and the colour rows ("a1.kvr"), ABOUT
// and QUIT ("a911.kvr").
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"

namespace art {

namespace {

// Which colour row each button shows, top to bottom, left column then right column. The
// program's hit test maps presses to rows by this same table, so the two must agree.
constexpr int kRowButtons[8][2] = {{4, 3}, {6, 15}, {11, 9}, {13, 14}, {1, 2}, {8, 5}, {12, 0}, {7, 10}};
constexpr int kFirstButtonY = 53;
constexpr int kButtonPitch = 16;

// The shade a press at picture column x chooses: the left edge of a button is the darkest
// shade, its right edge the lightest; column 40 still belongs to the left button.
int ShadeAt(int x) {
  if (x == 40) return 0;
  return x < 40 ? 9 - x / 4 : 9 - (x - 40) / 4;
}

// A bold curved arrow turning back to the left: the picture of "undo".
void DrawUndoArrow(Painter& p, Pt c, double r) {
  const COLORREF fill = kWhite;
  for (const auto& [colour, width] : {std::pair{kBlack, r * 0.62}, std::pair{fill, r * 0.34}}) {
    p.Pen(colour, width).NoBrush().Arc(c.x - r, c.y - r, c.x + r, c.y + r, -60, 175);
  }
  // The head sits on the left end of the arc and points down.
  const double hx = c.x - r, hy = c.y + r * 0.1, s = r * 0.62;
  p.Style(kBlack, fill, 2).Poly({{hx - s, hy - s * 0.2}, {hx + s, hy - s * 0.2}, {hx, hy + s * 1.1}});
}

}  // namespace

void DrawPaletteButtons(const fs::path& dir) {
  Canvas c(79, 179, kBlack);
  {
    Painter p(c);
    p.Style(kBlack, Shade(kOrange, 3), 2).Round(1, 1, 79, 51, 16);
    p.Pen(Shade(kOrange, 0), 2).Arc(4, 4, 76, 60, 100, 165);
    DrawUndoArrow(p, {41, 18}, 9);
    p.OutlinedText(40, 32, "UNDO", 12, kWhite, kBlack, 2);
  }
  for (int b = 0; b < 8; ++b) {
    const int top = kFirstButtonY + kButtonPitch * b;
    // The last button is cut short by the bottom of the picture.
    const int bottom = std::min(top + kButtonPitch - 1, c.Height());
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < c.Width(); ++x)
        c.SetPixel(x, y, Shade(kRowButtons[b][x <= 40 ? 0 : 1], ShadeAt(x)));
  }
  c.Save(dir / "a1.kvr");
}

void DrawCornerButtons(const fs::path& dir) {
  Canvas c(140, 60, kBlack);
  Painter p(c);
  // ABOUT: a friendly face and the word.
  p.Style(kBlack, Shade(kViolet, 4), 2).Round(1, 1, 99, 39, 14);
  p.Pen(Shade(kViolet, 1), 2).NoBrush().Arc(4, 4, 96, 46, 100, 170);
  DrawSmiley(p, {18, 20}, 12, Shade(kYellow, 5));
  p.OutlinedText(62, 12, "ABOUT", 13, kWhite, kBlack, 2);
  // QUIT: a stop sign, which every child knows.
  std::vector<Pt> octagon;
  for (int i = 0; i < 8; ++i) {
    const double a = (22.5 + 45 * i) * std::numbers::pi / 180;
    octagon.push_back({120 + 19 * std::cos(a), 20 + 19 * std::sin(a)});
  }
  p.Style(kBlack, Shade(kRed, 5), 2).Poly(octagon);
  std::vector<Pt> inner;
  for (const Pt& q : octagon) inner.push_back({120 + (q.x - 120) * 0.8, 20 + (q.y - 20) * 0.8});
  p.Pen(kWhite, 1).NoBrush().Poly(inner);
  p.Text(120, 14, "QUIT", 10, kWhite);
  c.Save(dir / "a911.kvr");
}

}  // namespace art
