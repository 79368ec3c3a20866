#include "tools/helpers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "core/canvas.h"
#include "tools/rounding.h"

namespace pd {

using namespace gdi;

void LineSegment(const HDC& dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void FrameBox(const HDC& dc, int left, int top, int right, int bottom) {
  LineSegment(dc, left, top, right, top);
  LineSegment(dc, left, top, left, bottom);
  LineSegment(dc, left, bottom, right, bottom);
  LineSegment(dc, right, top, right, bottom);
}

void PenStroke(int x1, int y1, int x2, int y2, int width, COLORREF colour) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  HPEN pen = CreatePen(PS_SOLID, width, colour | kPaletteRelative);
  SelectObject(dc, pen);
  LineSegment(dc, x1, y1, x2, y2);
}

void UpdateShadeTriple() {
  const int shade = std::max(ColourShade, 2);
  ShadeTriple[0] = ColourRow * 10 + shade;
  ShadeTriple[1] = ShadeTriple[0] - 1;
  ShadeTriple[2] = ShadeTriple[0] - 2;
}

std::int64_t PointDistance(int x1, int y1, int x2, int y2) {
  // The differences are taken in 64 bits so that points at the ends of the int range do not
  // overflow; only then are they cut to single precision.
  const float dx = static_cast<float>(std::llabs(static_cast<long long>(x2) - x1));
  const float dy = static_cast<float>(std::llabs(static_cast<long long>(y2) - y1));
  const long double sum = static_cast<long double>(dx) * dx + static_cast<long double>(dy) * dy;
  return static_cast<std::int64_t>(RoundHalfEven(std::sqrt(sum)));
}

namespace {

// How far each edge of the figures moves inward per ring, as a fraction of the half size, for
// the nine light directions. The edge toward the light moves least (1/14), the one away from it
// most (1/8), and an axis that the light does not favour moves evenly (1/11) at both ends.
struct EdgeSteps {
  long double left, right, top, bottom;
};
constexpr long double kEven = 1.0L / 11, kNear = 1.0L / 14, kFar = 1.0L / 8;
constexpr std::array<EdgeSteps, 9> kLightSteps = {{
    {kEven, kEven, kEven, kEven},  // 1 centre
    {kNear, kFar, kNear, kFar},    // 2 upper left
    {kEven, kEven, kNear, kFar},   // 3 top
    {kFar, kNear, kNear, kFar},    // 4 upper right
    {kNear, kFar, kFar, kNear},    // 5 lower left
    {kEven, kEven, kFar, kNear},   // 6 bottom
    {kFar, kNear, kFar, kNear},    // 7 lower right
    {kFar, kNear, kEven, kEven},   // 8 right
    {kNear, kFar, kEven, kEven},   // 9 left
}};

}  // namespace

void ShadedSolid(int cx, int cy, int rx, int ry, int kind, int light, int row) {
  if (kind < kSolidEllipse || kind > kSolidRoundBox) return;
  if (row < 0 || row * 10 + 9 >= kPaletteSize) return;
  if (light < 1 || light > 9) light = 1;
  const EdgeSteps& k = kLightSteps[light - 1];

  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  std::array<HPEN, 10> pens;
  std::array<HBRUSH, 10> brushes;
  for (int i = 0; i < 10; ++i) {
    const COLORREF c = PaletteColours[row * 10 + (9 - i)] | kPaletteRelative;
    pens[i] = CreatePen(PS_SOLID, 1, c);
    brushes[i] = CreateSolidBrush(c);
  }

  const std::int64_t l = std::int64_t{cx} - rx, t = std::int64_t{cy} - ry;
  const std::int64_t r = std::int64_t{cx} + rx, b = std::int64_t{cy} + ry;
  const float step_l = static_cast<float>(rx * k.left), step_r = static_cast<float>(rx * k.right);
  const float step_t = static_cast<float>(ry * k.top), step_b = static_cast<float>(ry * k.bottom);
  for (int i = 0; i < 10; ++i) {
    SelectObject(dc, pens[i]);
    SelectObject(dc, brushes[i]);
    // The steps are floats; their multiples are taken exactly before rounding.
    const long double fi = i;
    const int left = ClampToInt(l + RoundHalfEven(fi * step_l));
    const int right = ClampToInt(r - RoundHalfEven(fi * step_r));
    const int top = ClampToInt(t + RoundHalfEven(fi * step_t));
    const int bottom = ClampToInt(b - RoundHalfEven(fi * step_b));
    switch (kind) {
      case kSolidEllipse:
        Ellipse(dc, left, top, right, bottom);
        break;
      case kSolidBox:
        Rectangle(dc, left, top, right, bottom);
        break;
      case kSolidRoundBox: {
        const int w = ClampToInt(std::llabs(std::int64_t{left} - right) / 2);
        const int h = ClampToInt(std::llabs(std::int64_t{top} - bottom) / 2);
        RoundRect(dc, left, top, right, bottom, w, h);
        break;
      }
    }
  }
}

}  // namespace pd
