// Scan conversion of polygons and of the rounded shapes regions are made from. Polygon,
// PolyPolygon and CreatePolygonRgn share the polygon rules; CreateEllipticRgn and
// CreateRoundRectRgn share the rounded-corner rules. Other shapes (pies, chords) may use them too.
#pragma once

#include "gdi/raster.h"

namespace gdi::poly {

// Regions made from shapes keep only their rows and columns within [-kRegionLimit,
// kRegionLimit): far wider than any surface the layer allocates, and it bounds the memory and
// time a shape with coordinates a million or a billion pixels out can take.
constexpr int kRegionLimit = 1 << 17;

// The pixels inside polys polygons (counts[i] points each, taken one after the other from pts),
// filled together with mode ALTERNATE or WINDING, limited to rows [y0, y1).
//
// Pixel rule: a pixel (x, y) is sampled at its integer coordinates. On row y each edge that
// spans the row (its upper end at or above y, its lower end below y; horizontal edges never
// count) crosses at an exact rational x; a pixel is inside when the crossings at or left of it
// make it inside under the fill mode. So a pixel on a left edge is in, a pixel on a right edge
// is out, a top edge's row is in and a bottom edge's row is out, and two polygons that share an
// edge never share a pixel. Coordinates may be anywhere in int without overflow.
raster::Bands PolygonBands(const POINT* pts, const int* counts, int polys, int mode, int y0, int y1);

// The half-widths of the ellipse a rounded region corner is cut from, for an ellipse of
// 2a+1 x 2b+1 pixels centred on a pixel: ext[d] is how far the row d rows from the centre
// reaches left and right of the centre column (d = 0..b). The curve is traced with the
// midpoint rule: while the curve is flatter than 45 degrees a column's pixel is the row whose
// midpoint line the curve crosses, after that a row's pixel is the column whose midpoint the
// curve crosses. The centre row always spans the full width. Returns the entries for d in
// [d0, d1) only (entry i is d0 + i), so a huge ellipse costs only the rows asked for.
std::vector<int> CornerExtents(int a, int b, int d0, int d1);

// The pixels of CreateRoundRectRgn(l, t, r, b, w, h) within rows [y0, y1) and columns
// [x0, x1); see CreateRoundRectRgn for the shape.
raster::Bands RoundRectBands(int l, int t, int r, int b, long long w, long long h, int y0, int y1, int x0,
                             int x1);

}  // namespace gdi::poly
