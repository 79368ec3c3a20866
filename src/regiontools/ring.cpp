#include "regiontools/ring.h"

#include <algorithm>
#include <array>

#include "core/canvas.h"
#include "core/state.h"
#include "gdi/gdi.h"
#include "tools/helpers.h"
#include "tools/shapes.h"

namespace pd {

using namespace gdi;

namespace {

// The ten 2-pixel pens of the row, pen 0 the lightest shade and pen 9 the darkest.
std::array<HPEN, 10> ShadePens() {
  std::array<HPEN, 10> pens;
  for (int i = 0; i < 10; ++i)
    pens[i] = CreatePen(PS_SOLID, 2, PaletteColours[ColourRow * 10 + i] | kPaletteRelative);
  return pens;
}

constexpr int kMaxLaserPairs = 12;

}  // namespace

void RingShape(int x, int y, int phase) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectRubberBandTools(dc);
  Ellipse(dc, AnchorX, AnchorY, LastX, LastY);
  if (phase != kShapeFinished) {
    Ellipse(dc, AnchorX, AnchorY, x, y);
    SetROP2(dc, R2_COPYPEN);
    return;
  }
  SetROP2(dc, R2_COPYPEN);
  const std::array<HPEN, 10> pens = ShadePens();
  const int left = std::min(AnchorX, x), right = std::max(AnchorX, x);
  const int top = std::min(AnchorY, y), bottom = std::max(AnchorY, y);
  for (int k = 19; k >= 0; --k) {
    SelectObject(dc, pens[k >= 10 ? k - 10 : 9 - k]);
    Ellipse(dc, left - k, top - k, right + k, bottom + k);
  }
}

int LaserShades(int pen_size, int* shades) {
  const int step = pen_size == 1 ? 3 : pen_size <= 3 ? 2 : 1;
  const int pairs = std::clamp(pen_size + 2, 0, kMaxLaserPairs);
  int p = 9;
  for (int i = 0; i < pairs; ++i) {
    shades[i] = p;
    if (p > 0) p = std::max(p - step, 0);
  }
  return pairs;
}

void LaserLine(int x, int y, int phase) {
  const int ax = AnchorX, ay = AnchorY;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectRubberBandTools(dc);
  LineSegment(dc, ax, ay, LastX, LastY);
  if (phase != kShapeFinished) {
    LineSegment(dc, ax, ay, x, y);
    SetROP2(dc, R2_COPYPEN);
    return;
  }
  SetROP2(dc, R2_COPYPEN);
  const std::array<HPEN, 10> pens = ShadePens();
  // The offset of the first line of a pair across the beam, per pixel of distance; the second
  // line lies the same distance the other side.
  int across_x, across_y;
  if (x == ax)
    across_x = 1, across_y = 0;
  else if (y == ay)
    across_x = 0, across_y = 1;
  else if ((x > ax) == (y > ay))
    across_x = 1, across_y = -1;
  else
    across_x = 1, across_y = 1;
  std::array<int, kMaxLaserPairs> shades;
  const int pairs = LaserShades(PenSize, shades.data());
  for (int i = 0, f = PenSize + 1; i < pairs; ++i, --f) {
    SelectObject(dc, pens[shades[i]]);
    const int ox = across_x * f, oy = across_y * f;
    LineSegment(dc, ax + ox, ay + oy, x + ox, y + oy);
    LineSegment(dc, ax - ox, ay - oy, x - ox, y - oy);
  }
}

void InstantHair(int x, int y) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectObject(dc, CreatePen(PS_SOLID, std::max(PenSize / 3, 1), CurrentColour | kPaletteRelative));
  const int strands = Random(PenSize * 10) + PenSize * 5 + 1;
  for (int s = 0; s < strands; ++s) {
    const int segments = Random(PenSize * 6);
    const int side = Random(2) == 0 ? 1 : -1;
    int rise = Random(PenSize * 2);
    const int step = Random(PenSize * 2) + 1;
    int height = 0;
    MoveToEx(dc, x, y, nullptr);
    for (int j = 0; j <= segments; ++j) {
      height += rise;
      --rise;
      LineTo(dc, x + side * j * step, y - height);
    }
  }
}

}  // namespace pd
