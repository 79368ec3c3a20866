#include "tools/sprays.h"

#include "core/canvas.h"
#include "tools/fills.h"
#include "tools/helpers.h"
#include "tools/pens.h"
#include "tools/rounding.h"

namespace pd {

using namespace gdi;

namespace {

constexpr COLORREF kBlackPixel = RGB(0, 0, 0);
// The palette's pure black, the colour of a colouring-book page's outlines.
constexpr int kBlackIndex = 69;

// One try of the disc brushes: an offset in -r .. r - 1 each way, x drawn first.
struct Offset {
  int dx, dy;
};
Offset RandomOffset(int r) {
  const int dx = Random(2 * r) - r;
  const int dy = Random(2 * r) - r;
  return {dx, dy};
}

}  // namespace

int RoundedRadius(float value) {
  return ClampToInt(RoundHalfEven(value));
}

HPEN MakeDotPen(int width, COLORREF colour) {
  LOGBRUSH lb{BS_SOLID, colour, 0};
  return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND, static_cast<DWORD>(width), lb, 0, nullptr);
}

void SprayPaint(int x, int y, int pen, int mode) {
  const int n = pen < 2 ? 20 : 10 * pen;
  const int r = 8 * pen;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  if (mode == 1) {
    const COLORREF colour = CurrentColour | kPaletteRelative;
    for (int i = 0; i < n + 1; ++i) {
      const Offset o = RandomOffset(r);
      if (PointDistance(x, y, x + o.dx, y + o.dy) <= r) SetPixel(dc, x + o.dx, y + o.dy, colour);
    }
    return;
  }
  for (int k = 0; k < 3; ++k) {
    const COLORREF colour = PaletteColours[ShadeTriple[k]] | kPaletteRelative;
    // A one-pixel pen marks a short diagonal; a wider one a round dot of its width.
    HPEN p = pen <= 1 ? CreatePen(PS_SOLID, pen, colour) : MakeDotPen(pen, colour);
    HGDIOBJ old = SelectObject(dc, p);
    for (int i = 0; i < n / 3 + 1; ++i) {
      const Offset o = RandomOffset(r);
      if (PointDistance(x, y, x + o.dx, y + o.dy) > r) continue;
      if (pen <= 1)
        LineSegment(dc, x + o.dx, y + o.dy, x + o.dx + 1, y + o.dy + 1);
      else
        LineSegment(dc, x + o.dx, y + o.dy, x + o.dx, y + o.dy);
    }
    SelectObject(dc, old);
  }
}

void Charcoal(int x, int y, COLORREF colour) {
  const int r = RoundedRadius(static_cast<float>(PenSize) * 1.5f);
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  for (int i = 0; i < 10 * PenSize + 1; ++i) {
    const Offset o = RandomOffset(r);
    if (PointDistance(x, y, x + o.dx, y + o.dy) <= r)
      SetPixel(dc, x + o.dx, y + o.dy, colour | kPaletteRelative);
  }
}

void Pastel(int x, int y) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  // The divisor grows by 1.2 after each pass, in single precision.
  float divisor = 2.0f;
  for (int j = 1; j <= 3; ++j, divisor += 1.2f) {
    const int r = RoundedRadius(static_cast<float>(3 * PenSize) / divisor);
    const COLORREF colour = PaletteColours[ShadeTriple[3 - j]] | kPaletteRelative;
    for (int i = 0; i < PenSize * (5 - j) + 1; ++i) {
      const Offset o = RandomOffset(r);
      if (PointDistance(x, y, x + o.dx, y + o.dy) < r) SetPixel(dc, x + o.dx, y + o.dy, colour);
    }
  }
}

void TouchUp(int x, int y, bool first) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  if (first) TouchColour = GetPixel(dc, x, y);
  // Black outlines are never touched up; neither is anything off the canvas.
  if (TouchColour == kBlackPixel || TouchColour == CLR_INVALID) return;
  const int r = 4 * PenSize;
  const COLORREF colour = CurrentColour | kPaletteRelative;
  for (int i = 0; i < 5 * PenSize + 1; ++i) {
    const int dx = Random(8 * PenSize) - r;
    const int dy = Random(8 * PenSize) - r;
    if (PointDistance(x, y, x + dx, y + dy) >= r) continue;
    const COLORREF c = GetPixel(dc, x + dx, y + dy);
    if (c != kBlackPixel && c == TouchColour) SetPixel(dc, x + dx, y + dy, colour);
  }
}

void Spread(int x, int y) {
  const int h = EraserHalfSize(PenSize);
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  for (int i = 0; i < 10 * PenSize + 1; ++i) {
    const int a = Random(2 * h) - h;
    const int b = Random(2 * h) - h;
    const int c = Random(2 * h) - h;
    const int d = Random(2 * h) - h;
    const COLORREF p = GetPixel(dc, x + a, y + b);
    const COLORREF q = GetPixel(dc, x + c, y + d);
    // Off the canvas there is no colour to swap with: the pair keeps its pixels.
    if (p == CLR_INVALID || q == CLR_INVALID) continue;
    SetPixel(dc, x + a, y + b, q | kPaletteRelative);
    SetPixel(dc, x + c, y + d, p | kPaletteRelative);
  }
}

void Split(int x, int y) {
  const int h = EraserHalfSize(PenSize);
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  for (int v = y - h; v <= y + h; ++v) {
    const int e = Random(4 * h);
    if (x - 2 * h > 0) BitBlt(dc, x - 3 * h + e, v, 2 * h, 1, dc, x - 2 * h, v, SRCCOPY);
  }
}

void BucketFill(int x, int y, int style) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  const COLORREF pixel = GetPixel(dc, x, y);
  if (pixel == CLR_INVALID) return;
  const COLORREF target = pixel | kPaletteRelative;
  const COLORREF current = CurrentColour | kPaletteRelative;
  if (ColorbookMode ? target == (PaletteColours[kBlackIndex] | kPaletteRelative) : target == current) return;
  // The hollow brush would leave every pixel as it is.
  if (style == 0) return;
  HBRUSH brush = MakeFillBrush(style, current);
  const int old_mode = style < kFirstPatternStyle ? SetBkMode(dc, TRANSPARENT) : SetBkMode(dc, OPAQUE);
  HGDIOBJ old = SelectObject(dc, brush);
  ExtFloodFill(dc, x, y, target, FLOODFILLSURFACE);
  SelectObject(dc, old);
  SetBkMode(dc, old_mode);
}

}  // namespace pd
