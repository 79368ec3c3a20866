// Closed shapes: rectangles, rounded rectangles, ellipses, arcs, pies and chords.
#include "gdi/raster.h"

namespace gdi {

bool Rectangle(const HDC& hdc, int l, int t, int r, int b) { return hdc != nullptr; }
bool RoundRect(const HDC& hdc, int l, int t, int r, int b, int w, int h) { return hdc != nullptr; }
bool Ellipse(const HDC& hdc, int l, int t, int r, int b) { return hdc != nullptr; }
bool Arc(const HDC& hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) { return hdc != nullptr; }
bool Pie(const HDC& hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) { return hdc != nullptr; }
bool Chord(const HDC& hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) { return hdc != nullptr; }

int FillRect(const HDC& hdc, const RECT& rc, const HBRUSH& brush) {
  if (!hdc || !brush) return 0;
  const raster::BrushPaint bp = raster::RealizeBrush(*hdc, brush.get());
  const int l = std::min(rc.left, rc.right), r = std::max(rc.left, rc.right);
  for (int y = std::max(rc.top, 0); y < std::min(rc.bottom, hdc->surface->Height()); ++y)
    raster::BrushSpan(*hdc, y, l, r, bp, R2_COPYPEN);
  return 1;
}
int FrameRect(const HDC& hdc, const RECT& rc, const HBRUSH& brush) { return hdc != nullptr; }
bool InvertRect(const HDC& hdc, const RECT& rc) { return hdc != nullptr; }

}  // namespace gdi
