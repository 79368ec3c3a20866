#include "tools/brushes.h"

#include <array>

#include "core/canvas.h"
#include "tools/helpers.h"

namespace pd {

using namespace gdi;

namespace {

COLORREF Shade(int k) {
  return PaletteColours[ShadeTriple[k]] | kPaletteRelative;
}

}  // namespace

void Sparkle(int x, int y, COLORREF colour) {
  const int p = PenSize;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectObject(dc, CreatePen(PS_SOLID, p, colour | kPaletteRelative));
  const int e = Random(3 * p) + 3;
  const int cx = x + Random(6 * p) - 3 * p;
  const int cy = y + Random(6 * p) - 3 * p;
  LineSegment(dc, cx - e, cy, cx + e, cy);
  LineSegment(dc, cx, cy - e, cx, cy + e);
}

void GrassTuft(int x, int y, int kind) {
  struct Size {
    int spread, height;
  };
  static constexpr std::array<Size, 3> kSizes{{{20, 15}, {35, 25}, {55, 45}}};
  const Size size = kSizes[kind >= 1 && kind <= 3 ? kind - 1 : 1];
  const int blades = Random(6) + 4;
  for (int i = 0; i < blades; ++i) {
    const int dx = Random(size.spread) - size.spread / 2;
    const int h = Random(size.height);
    const COLORREF colour = PaletteColours[ShadeTriple[Random(3)]];
    PenStroke(x, y, x + dx, y - h, 1, colour);
  }
}

void BugSplat(int x, int y, COLORREF colour) {
  const int r = 10 * PenSize;
  for (int i = 0; i < 8; ++i) {
    const int dx = Random(2 * r) - r;
    const int dy = Random(2 * r) - r;
    PenStroke(x, y, x + dx, y + dy, PenSize, colour);
  }
}

void ObjectShape(int x, int y, int kind, COLORREF colour) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectObject(dc, CreatePen(PS_SOLID, 1, colour | kPaletteRelative));
  SelectObject(dc, CreateSolidBrush(colour | kPaletteRelative));
  const int b = Random(20) + 5;
  const int t = Random(3) + 1;
  switch (kind) {
    case 1:
      Rectangle(dc, x - b, y - b, x + b, y + b);
      break;
    case 2:
      Ellipse(dc, x - b, y - b, x + b, y + b);
      break;
    case 3: {
      POINT pts[3];
      if (t == 1) {
        pts[0] = {x, y - b}, pts[1] = {x - b, y + b}, pts[2] = {x + b, y + b};
      } else if (t == 2) {
        pts[0] = {x - b, y - b}, pts[1] = {x + b, y + b}, pts[2] = {x - b, y + b};
      } else {
        pts[0] = {x - b, y - b}, pts[1] = {x - b, y + b}, pts[2] = {x + b, y};
      }
      Polygon(dc, pts, 3);
      break;
    }
    default:
      break;
  }
}

void Garland(int x1, int y1, int x2, int y2, COLORREF colour) {
  const int p = PenSize;
  PenStroke(x1, y1, x2, y2, p, CurrentColour);
  if (PointDistance(x2, y2, AnchorX, AnchorY) <= 40) return;
  PenStroke(x2, y2, x2, y2 + 5 * p, p, CurrentColour);
  const int row = colour == CurrentColour ? ColourRow : Random(16);
  ShadedSolid(x2, y2 + 5 * p, 3 * p, 3 * p, kSolidEllipse, 1, row);
  AnchorX = x2;
  AnchorY = y2;
}

void FireworkBurst(int x, int y) {
  const int p = PenSize;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  for (int k : {0, 2, 1}) {
    SelectObject(dc, CreatePen(PS_SOLID, 1, Shade(k)));
    const int rays = Random(50) + 21;
    for (int i = 0; i < rays; ++i) {
      const int dx = Random(14 * p) - 7 * p;
      const int dy = Random(14 * p) - 7 * p;
      if (PointDistance(x, y, x + dx, y + dy) <= 6 * p) LineSegment(dc, x, y, x + dx, y + dy);
    }
  }
}

void Drip(int x1, int y1, int x2, int y2) {
  const int p = PenSize;
  const int end = y2 + 10 + Random(10 * p);
  PenStroke(x1, y1, x2, y2, p, CurrentColour);
  if (Random(10) >= 2) return;
  const int l = p == 1 ? 1 : p / 2;
  PenStroke(x2 - l, y2, x2 - l, end, l, PaletteColours[ShadeTriple[0]]);
  PenStroke(x2, y2, x2, end, l, PaletteColours[ShadeTriple[1]]);
  PenStroke(x2 + l, y2, x2 + l, end, l, PaletteColours[ShadeTriple[2]]);

  // The drop: three nested ellipses, each a quarter smaller, lighter toward the middle.
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  const int cx = x2 + 1;
  const int w = Random(p) + 5;
  const int a = Random(p) + 5;
  const int w2 = w - w / 4, a2 = a - a / 4;
  const int w3 = w2 - w2 / 2, a3 = a2 - a2 / 2;
  const int half_w[3] = {w, w2, w3}, half_a[3] = {a, a2, a3};
  for (int k = 0; k < 3; ++k) {
    SelectObject(dc, CreatePen(PS_SOLID, 1, Shade(k)));
    SelectObject(dc, CreateSolidBrush(Shade(k)));
    Ellipse(dc, cx - half_w[k], end - half_a[k], cx + half_w[k], end + half_a[k]);
  }
}

void Roll(int x, int y, int kind) {
  const int p = PenSize;
  const int hx = kind == 3 ? 3 * p : 6 * p;
  const int hy = kind == 3 ? 6 * p : 3 * p;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  const COLORREF colour = CurrentColour | kPaletteRelative;
  SelectObject(dc, CreatePen(PS_SOLID, 1, colour));
  SelectObject(dc, CreateSolidBrush(colour));
  Rectangle(dc, x - hx, y - hy, x + hx, y + hy);
  const COLORREF middle = Shade(1), light = Shade(2);
  for (int i = 0; i < 30 * p + 1; ++i) {
    const int ax = x + Random(2 * hx) - hx;
    const int ay = y + Random(2 * hy) - hy;
    SetPixel(dc, ax, ay, middle);
    const int bx = x + Random(2 * hx) - hx;
    const int by = y + Random(2 * hy) - hy;
    SetPixel(dc, bx, by, light);
  }
}

void OpenBubble(int x, int y, COLORREF colour) {
  const int p = PenSize;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectObject(dc, CreatePen(PS_SOLID, 1, colour | kPaletteRelative));
  SelectObject(dc, CreateBrushIndirect(LOGBRUSH{BS_HOLLOW, 0, 0}));
  const int r = Random(2 * p) + 3;
  const int ox = Random(4 * p) - 2 * p;
  const int cy = y + Random(4 * p) - 2 * p;
  Ellipse(dc, x + ox - r, cy - r, x + ox + r, cy + r);
}

void ShadedBubble(int x, int y, COLORREF colour) {
  const int p = PenSize;
  const int ox = Random(4 * p) - 2 * p;
  const int oy = Random(4 * p) - 2 * p;
  const int r = Random(2 * p) + 3;
  const int row = colour == CurrentColour ? ColourRow : Random(15);
  ShadedSolid(x + ox, y + oy, r, r, kSolidEllipse, 5, row);
}

}  // namespace pd
