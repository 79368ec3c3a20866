// Lines and pens: cosmetic, styled and wide lines, polylines.
#include "gdi/raster.h"

namespace gdi {

bool MoveToEx(const HDC& hdc, int x, int y, POINT* old) {
  if (!hdc) return false;
  if (old) *old = hdc->pos;
  hdc->pos = {x, y};
  hdc->style_phase = 0;
  return true;
}

bool LineTo(const HDC& hdc, int x, int y) {
  if (!hdc) return false;
  hdc->pos = {x, y};
  return true;
}

bool Polyline(const HDC& hdc, const POINT* pts, int count) { return hdc && pts && count >= 2; }

}  // namespace gdi
