#include "tools/solids.h"

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

// The region kind of the cube's faces: a polygon over ShapePoints.
constexpr int kFaceRegion = 39;

void TraceSolidOutline(const HDC& dc, int kind, int ax, int ay, int px, int py) {
  switch (kind) {
    case kSolidEllipse:
      Ellipse(dc, ax, ay, px, py);
      break;
    case kSolidBox:
      Rectangle(dc, ax, ay, px, py);
      break;
    case kSolidRoundBox:
      RoundRect(dc, ax, ay, px, py, std::abs(ax - px) / 2, std::abs(ay - py) / 2);
      break;
    default:
      FrameBox(dc, ax, ay, px, py);
      break;
  }
}

// Erases the outline the previous event left and, for the outline phase, draws the new one.
void SolidRubberBand(int kind, int x, int y, int phase) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectRubberBandTools(dc);
  TraceSolidOutline(dc, kind, AnchorX, AnchorY, LastX, LastY);
  if (phase != kShapeFinished) TraceSolidOutline(dc, kind, AnchorX, AnchorY, x, y);
  SetROP2(dc, R2_COPYPEN);
}

}  // namespace

void SolidShape(int x, int y, int kind, int phase) {
  SolidRubberBand(kind, x, y, phase);
  if (phase != kShapeFinished) return;
  const int rx = std::abs(x - AnchorX) / 2, ry = std::abs(y - AnchorY) / 2;
  ShadedSolid(std::min(x, AnchorX) + rx, std::min(y, AnchorY) + ry, rx, ry, kind, LightDirection, ColourRow);
}

int CubeRecess(int extent, int depth) {
  const float recess = static_cast<float>(std::abs(extent) * 0.1L * depth);
  return ClampToInt(RoundHalfEven(recess));
}

void CubeFaces(int l, int t, int r, int b, int direction, int dx, int dy, CubeFace faces[3]) {
  switch (direction) {
    case 4:
      faces[0] = {{{l, t}, {r, t}, {r, b}, {l, b}}, {l, t, r, b}, 22};
      faces[1] = {{{r + dx, t - dy}, {r, t}, {l, t}, {l + dx, t - dy}}, {l, t - dy, r + dx, t}, 18};
      faces[2] = {{{r + dx, t - dy}, {r + dx, b - dy}, {r, b}, {r, t}}, {r, t - dy, r + dx, b}, 17};
      break;
    case 5:
      faces[0] = {{{l, t}, {r, t}, {r, b}, {l, b}}, {l, t, r, b}, 21};
      faces[1] = {{{l - dx, b + dy}, {r - dx, b + dy}, {r, b}, {l, b}}, {l - dx, b, r, b + dy}, 19};
      faces[2] = {{{l - dx, t + dy}, {l - dx, b + dy}, {l, b}, {l, t}}, {l - dx, t, l, b + dy}, 16};
      break;
    case 7:
      faces[0] = {{{l, t}, {r, t}, {r, b}, {l, b}}, {l, t, r, b}, 20};
      faces[1] = {{{l + dx, b + dy}, {r + dx, b + dy}, {r, b}, {l, b}}, {l, b, r + dx, b + dy}, 19};
      faces[2] = {{{r, t}, {r + dx, t + dy}, {r + dx, b + dy}, {r, b}}, {r, t, r + dx, b + dy}, 17};
      break;
    default:
      faces[0] = {{{l, t}, {r, t}, {r, b}, {l, b}}, {l, t, r, b}, 23};
      faces[1] = {{{l - dx, t - dy}, {r - dx, t - dy}, {r, t}, {l, t}}, {l - dx, t - dy, r, t}, 18};
      faces[2] = {{{l - dx, t - dy}, {l - dx, b - dy}, {l, b}, {l, t}}, {l - dx, t - dy, l, b}, 16};
      break;
  }
}

void CubeShape(int x, int y, int phase, int direction, int depth) {
  SolidRubberBand(0, x, y, phase);
  if (phase != kShapeFinished) return;
  const int kept_style = FillStyle;
  const int l = std::min(x, AnchorX), r = std::max(x, AnchorX);
  const int t = std::min(y, AnchorY), b = std::max(y, AnchorY);
  CubeFace faces[3];
  CubeFaces(l, t, r, b, direction, CubeRecess(x - AnchorX, depth), CubeRecess(y - AnchorY, depth), faces);
  ShapePointCount = 4;
  for (const CubeFace& face : faces) {
    std::copy(face.corners, face.corners + 4, ShapePoints.begin());
    FillStyle = face.fill_style;
    GradientFillShape(kFaceRegion, face.box.left, face.box.top, face.box.right, face.box.bottom, 0, 0);
  }
  FillStyle = kept_style;
}

}  // namespace pd
