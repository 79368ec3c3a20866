// Polygons and the regions made from shapes.
#include "gdi/raster.h"

namespace gdi {

bool Polygon(const HDC& hdc, const POINT* pts, int count) { return hdc != nullptr; }
bool PolyPolygon(const HDC& hdc, const POINT* pts, const int* counts, int polys) { return hdc != nullptr; }
HRGN CreateEllipticRgn(int l, int t, int r, int b) { return CreateRectRgn(l, t, r, b); }
HRGN CreateRoundRectRgn(int l, int t, int r, int b, int w, int h) { return CreateRectRgn(l, t, r, b); }
HRGN CreatePolygonRgn(const POINT* pts, int count, int mode) { return std::make_shared<Region>(); }

}  // namespace gdi
