// Lines and pens: cosmetic, styled and wide lines, polylines.
#include <algorithm>

#include "gdi/pen.h"
#include "gdi/raster.h"

namespace gdi {

namespace pen {

Stroke StrokeOf(const Pen& p) {
  if (p.Kind() == PS_NULL) return Stroke::kNull;
  if (!p.IsGeometric() && p.width <= 1) return Stroke::kCosmetic;
  return p.width <= 1 && !p.IsGeometric() ? Stroke::kCosmetic : Stroke::kWide;
}

int StrokeWidth(const Pen& p) { return StrokeOf(p) == Stroke::kWide ? std::max(p.width, 1) : 1; }

RECT ClipBox(const DC& dc) {
  RECT r{0, 0, dc.surface->Width(), dc.surface->Height()};
  if (dc.clip) {
    const RECT c = dc.clip->Bounds();
    r = {std::max(r.left, c.left), std::max(r.top, c.top), std::min(r.right, c.right), std::min(r.bottom, c.bottom)};
  }
  return r;
}

void LinePixels(POINT, POINT, const RECT&, const std::function<void(int, int)>&) {}
void StrokePath(DC&, const POINT*, int, bool) {}
raster::Bands StrokeBands(const Pen&, const POINT*, int, bool, const RECT&) { return {}; }
void PaintPenBands(DC& dc, const raster::Bands& bands) {
  const std::uint32_t px = raster::PenPixel(dc);
  for (const auto& band : bands)
    for (int y = std::max(band.top, 0); y < std::min(band.bottom, dc.surface->Height()); ++y)
      for (const auto& [a, b] : band.spans) raster::SolidSpan(dc, y, a, b, px, dc.rop2);
}

}  // namespace pen

bool MoveToEx(const HDC& hdc, int x, int y, POINT* old) {
  if (!hdc) return false;
  if (old) *old = hdc->pos;
  hdc->pos = {x, y};
  hdc->style_phase = 0;
  return true;
}

bool LineTo(const HDC& hdc, int x, int y) {
  if (!hdc) return false;
  const POINT pts[2] = {hdc->pos, {x, y}};
  pen::StrokePath(*hdc, pts, 2, false);
  hdc->pos = {x, y};
  return true;
}

bool Polyline(const HDC& hdc, const POINT* pts, int count) {
  if (!hdc || !pts || count < 2) return false;
  pen::StrokePath(*hdc, pts, count, false);
  return true;
}

}  // namespace gdi
