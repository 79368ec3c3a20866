#include "tools/shapes.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/canvas.h"
#include "tools/fills.h"
#include "tools/helpers.h"

namespace pd {

using namespace gdi;

namespace {

// A figure spanned by the anchor (ax, ay) and a point (px, py). `trace` draws it with whatever
// pen and brush are selected: the XOR outline, and for the box figures (rectangle, rounded
// rectangle, ellipse) also the finished figure. The polygon figures are finished as a Polygon
// over the vertices `points` gives, which also feeds the region of a gradient or texture.
struct Figure {
  int region;
  void (*trace)(const HDC& dc, int ax, int ay, int px, int py, int form);
  int (*points)(int ax, int ay, int px, int py, int form, POINT* out);
};

// The rounded rectangle's corner ellipses are a quarter of its width by a quarter of its height.
// The other figures are handed the same sizes and ignore them.
int CornerWidth(int ax, int px) {
  return std::abs(ax - px) / 4;
}

void TraceRectangle(const HDC& dc, int ax, int ay, int px, int py, int) {
  Rectangle(dc, ax, ay, px, py);
}
void TraceRoundRect(const HDC& dc, int ax, int ay, int px, int py, int) {
  RoundRect(dc, ax, ay, px, py, CornerWidth(ax, px), CornerWidth(ay, py));
}
void TraceEllipse(const HDC& dc, int ax, int ay, int px, int py, int) {
  Ellipse(dc, ax, ay, px, py);
}

// The triangle's outline is three separate lines in the order of its form; each line leaves its
// end pixel out, so where two of them meet the XOR of one corner pixel may cancel. That is the
// same on every trace, so erasing still restores every pixel.
void TraceTriangle(const HDC& dc, int ax, int ay, int px, int py, int form) {
  switch (form) {
    case 2:
      LineSegment(dc, ax, ay, ax, py);
      LineSegment(dc, ax, py, px, py);
      LineSegment(dc, px, py, ax, ay);
      break;
    case 3: {
      const int my = Midway(ay, py);
      LineSegment(dc, ax, ay, ax, py);
      LineSegment(dc, ax, ay, px, my);
      LineSegment(dc, px, my, ax, py);
      break;
    }
    default: {
      const int mx = Midway(ax, px);
      LineSegment(dc, ax, py, px, py);
      LineSegment(dc, ax, py, mx, ay);
      LineSegment(dc, mx, ay, px, py);
      break;
    }
  }
}

// Where the trapezoid's short side begins (k = 1) or ends (k = 4): k fifths of the way from a
// toward b, the fifth truncated, so a figure narrower than five pixels has a short side of one
// point at a.
int TrapezoidInset(int a, int b, int k) {
  const int fifth = std::abs(a - b) / 5;
  return b < a ? a - k * fifth : a + k * fifth;
}

void TraceTrapezoid(const HDC& dc, int ax, int ay, int px, int py, int form) {
  if (form == 2) {
    const int y1 = TrapezoidInset(ay, py, 1), y4 = TrapezoidInset(ay, py, 4);
    LineSegment(dc, ax, ay, ax, py);
    LineSegment(dc, ax, py, px, y4);
    LineSegment(dc, px, y4, px, y1);
    LineSegment(dc, px, y1, ax, ay);
    return;
  }
  const int x1 = TrapezoidInset(ax, px, 1), x4 = TrapezoidInset(ax, px, 4);
  LineSegment(dc, ax, py, px, py);
  LineSegment(dc, ax, py, x1, ay);
  LineSegment(dc, x1, ay, x4, ay);
  LineSegment(dc, x4, ay, px, py);
}

constexpr Figure kRectangle{kRegionRectangle, TraceRectangle, nullptr};
constexpr Figure kRoundRect{kRegionRoundRect, TraceRoundRect, nullptr};
constexpr Figure kEllipse{kRegionEllipse, TraceEllipse, nullptr};
constexpr Figure kTriangle{34, TraceTriangle, TrianglePoints};
constexpr Figure kTrapezoid{35, TraceTrapezoid, TrapezoidPoints};

COLORREF OutlineColour() {
  return PaletteColours[kWhiteIndex] | kPaletteRelative;
}

// The rubber band's drawing tools: XOR, a one-pixel white pen and no fill.
void SelectOutlineTools(const HDC& dc) {
  SetROP2(dc, R2_XORPEN);
  SelectObject(dc, CreatePen(PS_SOLID, 1, OutlineColour()));
  SelectObject(dc, CreateBrushIndirect(LOGBRUSH{BS_HOLLOW, 0, 0}));
}

// The brush of a finished figure of fill style 0..15, null for gradients and textures and for
// outlines. It is made before the canvas is taken, so that the message of a missing pattern
// file never shows while the canvas's DC is held.
HBRUSH FinishedFigureBrush(int phase) {
  if (phase != kShapeFinished || FillStyle >= kFirstGradientStyle) return nullptr;
  return MakeFillBrush(FillStyle, CurrentColour | kPaletteRelative);
}

// Draws a finished figure of fill style 0..15: a PenSize outline in the current colour around
// the style's brush. Hatches and the hollow brush draw with a transparent background, so the
// gaps of a hatch show the picture beneath.
template <typename Draw>
void DrawWithFillBrush(const HDC& dc, const HBRUSH& brush, Draw draw) {
  SetROP2(dc, R2_COPYPEN);
  SelectObject(dc, CreatePen(PS_SOLID, PenSize, CurrentColour | kPaletteRelative));
  SelectObject(dc, brush);
  if (FillStyle < kFirstPatternStyle) SetBkMode(dc, TRANSPARENT);
  draw();
  SetBkMode(dc, OPAQUE);
}

// Fills the region of a figure with the gradient or texture of FillStyle 16..31. The helpers
// take their own canvas, so the caller's must already be released.
void FillRegion(int kind, int x1, int y1, int x2, int y2, int cw, int ch) {
  if (FillStyle < kFirstTextureStyle)
    GradientFillShape(kind, x1, y1, x2, y2, cw, ch);
  else
    TextureFillShape(kind, x1, y1, x2, y2, cw, ch);
}

// The protocol every rubber-band figure shares: erase the outline the previous event left, then
// either draw the new outline or the finished figure.
void RubberBand(const Figure& figure, int x, int y, int form, int phase) {
  const int ax = AnchorX, ay = AnchorY;
  const HBRUSH fill = FinishedFigureBrush(phase);
  {
    WindowCanvas canvas(CanvasWindow);
    const HDC& dc = canvas.dc();
    SelectOutlineTools(dc);
    figure.trace(dc, ax, ay, LastX, LastY, form);
    if (phase != kShapeFinished) {
      figure.trace(dc, ax, ay, x, y, form);
      SetROP2(dc, R2_COPYPEN);
      return;
    }
    SetROP2(dc, R2_COPYPEN);
    if (figure.points) ShapePointCount = figure.points(ax, ay, x, y, form, ShapePoints.data());
    if (fill) {
      DrawWithFillBrush(dc, fill, [&] {
        if (figure.points)
          Polygon(dc, ShapePoints.data(), ShapePointCount);
        else
          figure.trace(dc, ax, ay, x, y, form);
      });
      return;
    }
  }
  // Gradients and textures have no outline: only the figure's region is painted.
  FillRegion(figure.region, ax, ay, x, y, CornerWidth(ax, x), CornerWidth(ay, y));
}

// ---- parallelogram ---------------------------------------------------------------------------

// The box of the first step, as ParallelogramBox keeps it in ShapePoints.
struct StoredBox {
  int ax, ay, w, h;
};
StoredBox StoredParallelogramBox() {
  return {ShapePoints[2].x, ShapePoints[2].y, ShapePoints[0].x, ShapePoints[0].y};
}

// The corners of the second step's figure through (px, py), in drawing order: slant 3 has two
// vertical sides of the box's height, any other slant two horizontal sides of its width.
std::array<POINT, 4> SlantCorners(const StoredBox& box, int slant, int px, int py) {
  if (slant == 3) return {{{box.ax, box.ay}, {box.ax, box.ay + box.h}, {px, py}, {px, py - box.h}}};
  return {{{box.ax, box.ay}, {box.ax + box.w, box.ay}, {px, py}, {px - box.w, py}}};
}

void TraceClosed(const HDC& dc, const std::array<POINT, 4>& c) {
  for (std::size_t i = 0; i < c.size(); ++i) {
    const POINT& to = c[(i + 1) % c.size()];
    LineSegment(dc, c[i].x, c[i].y, to.x, to.y);
  }
}

void TraceWedge(const HDC& dc, int ax, int ay, int px, int py) {
  const int mirrored = 2 * ax - px;
  LineSegment(dc, ax, ay, px, py);
  LineSegment(dc, ax, ay, mirrored, py);
  LineSegment(dc, mirrored, py, px, py);
}

}  // namespace

int TrianglePoints(int ax, int ay, int px, int py, int form, POINT* points) {
  switch (form) {
    case 2:
      points[0] = {ax, ay}, points[1] = {px, py}, points[2] = {ax, py};
      break;
    case 3:
      points[0] = {ax, ay}, points[1] = {ax, py}, points[2] = {px, Midway(ay, py)};
      break;
    default:
      points[0] = {ax, py}, points[1] = {px, py}, points[2] = {Midway(ax, px), ay};
      break;
  }
  return 3;
}

int TrapezoidPoints(int ax, int ay, int px, int py, int form, POINT* points) {
  if (form == 2) {
    points[0] = {ax, ay}, points[1] = {ax, py};
    points[2] = {px, TrapezoidInset(ay, py, 4)}, points[3] = {px, TrapezoidInset(ay, py, 1)};
  } else {
    points[0] = {ax, py}, points[1] = {px, py};
    points[2] = {TrapezoidInset(ax, px, 4), ay}, points[3] = {TrapezoidInset(ax, px, 1), ay};
  }
  return 4;
}

void RectangleShape(int x, int y, int phase) {
  RubberBand(kRectangle, x, y, 0, phase);
}
void RoundedRectangleShape(int x, int y, int phase) {
  RubberBand(kRoundRect, x, y, 0, phase);
}
void EllipseShape(int x, int y, int phase) {
  RubberBand(kEllipse, x, y, 0, phase);
}
void TriangleShape(int x, int y, int form, int phase) {
  RubberBand(kTriangle, x, y, form, phase);
}
void TrapezoidShape(int x, int y, int form, int phase) {
  RubberBand(kTrapezoid, x, y, form, phase);
}

void ParallelogramBox(int x, int y) {
  const int ax = AnchorX, ay = AnchorY;
  {
    WindowCanvas canvas(CanvasWindow);
    const HDC& dc = canvas.dc();
    SelectOutlineTools(dc);
    FrameBox(dc, ax, ay, LastX, LastY);
    FrameBox(dc, ax, ay, x, y);
    SetROP2(dc, R2_COPYPEN);
  }
  ShapePoints[0] = {x - ax, y - ay};
  ShapePoints[1] = {x, y};
  ShapePoints[2] = {ax, ay};
}

void ParallelogramTakeOver(int slant) {
  // The box and the parallelogram through its far corner cover the same pixels except at two
  // corners, where the box's lines meet head to head and the parallelogram's meet head to tail.
  // Swapping them here, while they look alike, keeps every later erase exact.
  const StoredBox box = StoredParallelogramBox();
  const POINT corner = ShapePoints[1];
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectOutlineTools(dc);
  FrameBox(dc, box.ax, box.ay, corner.x, corner.y);
  TraceClosed(dc, SlantCorners(box, slant, corner.x, corner.y));
  SetROP2(dc, R2_COPYPEN);
}

void ParallelogramSlant(int x, int y, int slant, int phase) {
  const StoredBox box = StoredParallelogramBox();
  AnchorX = box.ax;
  AnchorY = box.ay;
  const std::array<POINT, 4> corners = SlantCorners(box, slant, x, y);
  const HBRUSH fill = FinishedFigureBrush(phase);
  {
    WindowCanvas canvas(CanvasWindow);
    const HDC& dc = canvas.dc();
    SelectOutlineTools(dc);
    TraceClosed(dc, SlantCorners(box, slant, LastX, LastY));
    if (phase != kShapeFinished) {
      TraceClosed(dc, corners);
      SetROP2(dc, R2_COPYPEN);
      return;
    }
    SetROP2(dc, R2_COPYPEN);
    std::copy(corners.begin(), corners.end(), ShapePoints.begin());
    ShapePointCount = static_cast<int>(corners.size());
    if (fill) {
      DrawWithFillBrush(dc, fill, [&] { Polygon(dc, ShapePoints.data(), ShapePointCount); });
      return;
    }
  }
  const auto [min_x, max_x] = std::minmax({corners[0].x, corners[1].x, corners[2].x, corners[3].x});
  const auto [min_y, max_y] = std::minmax({corners[0].y, corners[1].y, corners[2].y, corners[3].y});
  FillRegion(54, min_x, min_y, max_x, max_y, 0, 0);
}

void AbandonParallelogram(int slant) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectOutlineTools(dc);
  TraceClosed(dc, SlantCorners(StoredParallelogramBox(), slant, LastX, LastY));
  SetROP2(dc, R2_COPYPEN);
}

void WedgeOutline(int x, int y) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectOutlineTools(dc);
  TraceWedge(dc, AnchorX, AnchorY, LastX, LastY);
  TraceWedge(dc, AnchorX, AnchorY, x, y);
  SetROP2(dc, R2_COPYPEN);
}

void SelectRubberBandTools(const HDC& dc) {
  SelectOutlineTools(dc);
}

void PolygonShape(int region, PolygonCorners corners, int x, int y, int form, int phase) {
  const int ax = AnchorX, ay = AnchorY;
  const auto trace = [&](const HDC& dc, int px, int py) {
    std::array<POINT, kMaxPolygonCorners> c;
    const int n = std::clamp(corners(ax, ay, px, py, form, c.data()), 0, kMaxPolygonCorners);
    for (int i = 0; i < n; ++i) {
      const POINT& to = c[(i + 1) % n];
      LineSegment(dc, c[i].x, c[i].y, to.x, to.y);
    }
  };
  const HBRUSH fill = FinishedFigureBrush(phase);
  {
    WindowCanvas canvas(CanvasWindow);
    const HDC& dc = canvas.dc();
    SelectOutlineTools(dc);
    trace(dc, LastX, LastY);
    if (phase != kShapeFinished) {
      trace(dc, x, y);
      SetROP2(dc, R2_COPYPEN);
      return;
    }
    SetROP2(dc, R2_COPYPEN);
    ShapePointCount = std::clamp(corners(ax, ay, x, y, form, ShapePoints.data()), 0, kMaxPolygonCorners);
    if (fill) {
      DrawWithFillBrush(dc, fill, [&] { Polygon(dc, ShapePoints.data(), ShapePointCount); });
      return;
    }
  }
  FillRegion(region, ax, ay, x, y, 0, 0);
}

}  // namespace pd
