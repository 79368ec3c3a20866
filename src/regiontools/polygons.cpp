#include "regiontools/polygons.h"

#include <algorithm>
#include <cstdlib>

#include "core/canvas.h"
#include "core/state.h"
#include "tools/fills.h"
#include "tools/helpers.h"
#include "tools/rounding.h"
#include "tools/shapes.h"

namespace pd {

using namespace gdi;

namespace {

// The region kinds the figures fill over: the tools' numbers. IRREGULAR SHAPE fills over kind
// 37, a polygon kind like its own.
constexpr int kStarRegion = 36, kOctagonRegion = 37, kHexagonRegion = 40, kDiamondRegion = 41;
constexpr int kIrregularRegion = 37;

// `from` moved toward `to` by `offset`: added when `to` lies beyond it, taken off otherwise.
int Toward(int from, int to, int offset) {
  return to > from ? from + offset : from - offset;
}

}  // namespace

int DiamondCorners(int ax, int ay, int px, int py, int, POINT* out) {
  const int mx = Toward(ax, px, std::abs(ax - px) / 2), my = Toward(ay, py, std::abs(ay - py) / 2);
  out[0] = {ax, my}, out[1] = {mx, py}, out[2] = {px, my}, out[3] = {mx, ay};
  return 4;
}

int HexagonCorners(int ax, int ay, int px, int py, int, POINT* out) {
  const float fifth = static_cast<float>(std::abs(ax - px) * 0.2L);
  const int h1 = Toward(ax, px, ClampToInt(RoundHalfEven(fifth)));
  const int h4 = Toward(ax, px, ClampToInt(RoundHalfEven(4.0f * fifth)));
  const int my = Toward(ay, py, ClampToInt(RoundHalfEven(std::abs(ay - py) * 0.5L)));
  out[0] = {ax, my}, out[1] = {h1, py}, out[2] = {h4, py};
  out[3] = {px, my}, out[4] = {h4, ay}, out[5] = {h1, ay};
  return 6;
}

int OctagonCorners(int ax, int ay, int px, int py, int, POINT* out) {
  const int t = std::abs(ax - px) / 3, u = std::abs(ay - py) / 3;
  const int x1 = Toward(ax, px, t), x2 = Toward(ax, px, 2 * t);
  const int y1 = Toward(ay, py, u), y2 = Toward(ay, py, 2 * u);
  out[0] = {ax, y1}, out[1] = {ax, y2}, out[2] = {x1, py}, out[3] = {x2, py};
  out[4] = {px, y2}, out[5] = {px, y1}, out[6] = {x2, ay}, out[7] = {x1, ay};
  return 8;
}

int StarCorners(int ax, int ay, int px, int py, int form, POINT* out) {
  const int dx = std::abs(ax - px), dy = std::abs(ay - py);
  const int cx = Toward(ax, px, dx / 2), cy = Toward(ay, py, dy / 2);
  const int ex = dx / 10, ey = dy / 10;
  // The inner corners: toward the anchor (near) or toward the point (far) from the centre. The
  // centre never lies beyond the point, so "toward the anchor" is the opposite direction.
  const int nx = Toward(cx, ax, ex), fx = Toward(cx, px, ex);
  const int ny = Toward(cy, ay, ey), fy = Toward(cy, py, ey);
  if (form == 2) {
    out[0] = {ax, ay}, out[1] = {nx, cy}, out[2] = {ax, py}, out[3] = {cx, fy};
    out[4] = {px, py}, out[5] = {fx, cy}, out[6] = {px, ay}, out[7] = {cx, ny};
  } else {
    out[0] = {ax, cy}, out[1] = {nx, fy}, out[2] = {cx, py}, out[3] = {fx, fy};
    out[4] = {px, cy}, out[5] = {fx, ny}, out[6] = {cx, ay}, out[7] = {nx, ny};
  }
  return 8;
}

void DiamondShape(int x, int y, int phase) {
  PolygonShape(kDiamondRegion, DiamondCorners, x, y, 0, phase);
}
void HexagonShape(int x, int y, int phase) {
  PolygonShape(kHexagonRegion, HexagonCorners, x, y, 0, phase);
}
void OctagonShape(int x, int y, int phase) {
  PolygonShape(kOctagonRegion, OctagonCorners, x, y, 0, phase);
}
void StarShape(int x, int y, int form, int phase) {
  PolygonShape(kStarRegion, StarCorners, x, y, form, phase);
}

void StraightLine(int x, int y, int phase) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectRubberBandTools(dc);
  LineSegment(dc, AnchorX, AnchorY, LastX, LastY);
  if (phase != kShapeFinished) {
    LineSegment(dc, AnchorX, AnchorY, x, y);
  } else {
    SetROP2(dc, R2_COPYPEN);
    SelectObject(dc, CreatePen(PS_SOLID, PenSize, CurrentColour | kPaletteRelative));
    LineSegment(dc, AnchorX, AnchorY, x, y);
  }
  SetROP2(dc, R2_COPYPEN);
}

void IrregularShapeStart(int x, int y) {
  ShapePoints[0] = {x, y};
  ShapePointCount = 1;
}

void IrregularShapeDrag(int x, int y) {
  // Once the list is full the points are no longer kept, but the outline still follows the
  // mouse; the finished figure closes over the points that were kept.
  if (ShapePointCount >= 0 && ShapePointCount < kShapePointCapacity) ShapePoints[ShapePointCount++] = {x, y};
  PenStroke(LastX, LastY, x, y, 1, CurrentColour);
}

bool IrregularShapeFinish() {
  const int count = std::clamp(ShapePointCount, 0, kShapePointCapacity);
  if (count <= 1) return false;
  // The pattern brush is made before the canvas is taken, so that the message of a missing
  // pattern file never shows while the canvas's DC is held.
  const bool brushed = FillStyle < kFirstGradientStyle;
  const HBRUSH brush = brushed ? MakeFillBrush(FillStyle, CurrentColour | kPaletteRelative) : HBRUSH{};
  {
    WindowCanvas canvas(CanvasWindow);
    const HDC& dc = canvas.dc();
    SelectObject(dc, CreatePen(PS_SOLID, PenSize, CurrentColour | kPaletteRelative));
    if (brushed) {
      SelectObject(dc, brush);
      if (FillStyle < kFirstPatternStyle) SetBkMode(dc, TRANSPARENT);
      Polygon(dc, ShapePoints.data(), count);
      SetBkMode(dc, OPAQUE);
    } else {
      SelectObject(dc, CreateBrushIndirect(LOGBRUSH{BS_HOLLOW, 0, 0}));
      for (int k = 0; k + 1 < count; ++k)
        LineSegment(dc, ShapePoints[k].x, ShapePoints[k].y, ShapePoints[k + 1].x, ShapePoints[k + 1].y);
      LineSegment(dc, ShapePoints[count - 1].x, ShapePoints[count - 1].y, ShapePoints[0].x, ShapePoints[0].y);
    }
  }
  if (brushed) return true;
  const auto [min_x, max_x] = std::minmax_element(ShapePoints.begin(), ShapePoints.begin() + count,
                                                  [](const POINT& a, const POINT& b) { return a.x < b.x; });
  const auto [min_y, max_y] = std::minmax_element(ShapePoints.begin(), ShapePoints.begin() + count,
                                                  [](const POINT& a, const POINT& b) { return a.y < b.y; });
  if (FillStyle < kFirstTextureStyle)
    GradientFillShape(kIrregularRegion, min_x->x, min_y->y, max_x->x, max_y->y, 0, 0);
  else
    TextureFillShape(kIrregularRegion, min_x->x, min_y->y, max_x->x, max_y->y, 0, 0);
  return true;
}

}  // namespace pd
