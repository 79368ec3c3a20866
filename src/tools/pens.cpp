#include "tools/pens.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "core/canvas.h"
#include "tools/helpers.h"

namespace pd {

using namespace gdi;

void StringArtStroke(int x, int y, COLORREF colour) {
  PenStroke(x, y, 0, 0, PenSize, colour);
  PenStroke(x, y, CanvasWidth, 0, PenSize, colour);
  PenStroke(x, y, CanvasWidth, CanvasHeight, PenSize, colour);
  PenStroke(x, y, 0, CanvasHeight, PenSize, colour);
}

void ChalkDust(int x, int y) {
  // The radius is rounded from a single-precision product, ties to even, as every computed size
  // of the program is.
  const int r = static_cast<int>(std::nearbyint(static_cast<float>(PenSize) * 2.05f));
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  const COLORREF colour = CurrentColour | kPaletteRelative;
  for (int i = 0; i < 12 * PenSize + 1; ++i) {
    const int dx = Random(2 * r) - r;
    const int dy = Random(2 * r) - r;
    if (PointDistance(x, y, x + dx, y + dy) < r) SetPixel(dc, x + dx, y + dy, colour);
  }
}

void MirrorStroke(int x1, int y1, int x2, int y2, int kind, COLORREF colour) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  HPEN pen = CreatePen(PS_SOLID, PenSize, colour | kPaletteRelative);
  HPEN old = SelectObject(dc, pen);
  LineSegment(dc, x1, y1, x2, y2);
  // The centre lines are found by truncating division, so on an odd width the reflection is
  // about the column left of the true middle, and a stroke along that column is its own mirror.
  const int cx = CanvasWidth / 2, cy = CanvasHeight / 2;
  const int mx1 = 2 * cx - x1, mx2 = 2 * cx - x2;
  const int my1 = 2 * cy - y1, my2 = 2 * cy - y2;
  switch (kind) {
    case 1:
      LineSegment(dc, x1, my1, x2, my2);
      break;
    case 2:
      LineSegment(dc, mx1, y1, mx2, y2);
      break;
    case 3:
      LineSegment(dc, mx1, y1, mx2, y2);
      LineSegment(dc, x1, my1, x2, my2);
      LineSegment(dc, mx1, my1, mx2, my2);
      break;
    default:
      break;
  }
  SelectObject(dc, old);
}

int QuillWidth(int tool, int movement) {
  // Rows by the upper end of their movement; the last row also takes every faster movement.
  struct Row {
    int up_to, thin_when_fast, thick_when_fast;
  };
  static constexpr std::array<Row, 4> kRows{{{3, 8, 2}, {8, 6, 4}, {15, 4, 6}, {100, 2, 8}}};
  const Row* row = &kRows.back();
  for (const Row& r : kRows) {
    if (movement <= r.up_to) {
      row = &r;
      break;
    }
  }
  return tool == 13 ? row->thick_when_fast : row->thin_when_fast;
}

void QuillSegment(int tool, int x1, int y1, int x2, int y2) {
  const int movement = (std::abs(x2 - x1) + std::abs(y2 - y1)) / 2;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  HPEN pen = CreatePen(PS_SOLID, QuillWidth(tool, movement), CurrentColour | kPaletteRelative);
  HPEN old = SelectObject(dc, pen);
  LineSegment(dc, x1, y1, x2, y2);
  SelectObject(dc, old);
}

void PropellerBlade(int x, int y, COLORREF colour) {
  PenStroke(AnchorX, AnchorY, 2 * AnchorX - x, 2 * AnchorY - y, PenSize, colour);
}

void ArcBurst(int x, int y, COLORREF colour) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  HPEN pen = CreatePen(PS_SOLID, PenSize, colour | kPaletteRelative);
  HPEN old = SelectObject(dc, pen);
  const int r = Random(5 * PenSize) + 2;
  // Even offsets go back from the centre and odd ones forward, so the arc's ends fall anywhere
  // within r of it.
  const auto near = [r](int centre) {
    const int v = Random(r);
    return v % 2 == 0 ? centre - v : centre + v;
  };
  const int xs = near(x);
  const int ys = near(y);
  const int xe = near(x);
  const int ye = near(y);
  Arc(dc, x - r, y - r, x + r, y + r, xs, ys, xe, ye);
  SelectObject(dc, old);
}

COLORREF InchwormColour() {
  return RainbowColours ? PaletteColours[ColourRow * 10 + Random(10)] : CurrentColour;
}

int EraserHalfSize(int pen_size) {
  static constexpr std::array<int, 10> kHalf{2, 3, 4, 5, 6, 8, 10, 12, 14, 16};
  return kHalf[std::clamp(pen_size, 1, 10) - 1];
}

void EraserSquare(int x, int y) {
  const int h = EraserHalfSize(PenSize);
  const COLORREF white = PaletteColours[kWhiteIndex] | kPaletteRelative;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  HPEN pen = CreatePen(PS_SOLID, 1, white);
  HBRUSH brush = CreateSolidBrush(white);
  HPEN old_pen = SelectObject(dc, pen);
  HBRUSH old_brush = SelectObject(dc, brush);
  Rectangle(dc, x - h, y - h, x + h, y + h);
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
}

}  // namespace pd
