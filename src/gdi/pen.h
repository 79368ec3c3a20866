// Pens: how the DC's pen turns a path of points into pixels. LineTo and Polyline use this, and
// so do the outlines of rectangles, ellipses, arcs and polygons, so that every primitive strokes
// with the same pixel rules.
//
// Pixel rules (device coordinates, MM_TEXT):
//  * A one-pixel pen (CreatePen width 0 or 1, or any PS_COSMETIC pen) draws each segment from
//    its first point up to, but not including, its last point. The pixels depend only on the two
//    end points and their order, and are the same wherever the segment is clipped.
//  * Styled one-pixel pens (dash 18 on 6 off, dot 3/3, dash-dot 9/6/3/6, dash-dot-dot
//    9/3/3/3/3/3) step their pattern once per pixel. The pattern starts afresh with each call and
//    runs on along the path, so it continues around a Polyline or a shape's outline but each
//    LineTo starts with a dash. Gaps take the background colour when the DC is OPAQUE and are left
//    alone when it is TRANSPARENT.
//  * A wide pen covers, as one set of pixels, the union of its segments, end caps and joins, and
//    paints that set once, so an XOR stroke drawn twice restores every pixel.
#pragma once

#include <functional>
#include <vector>

#include "gdi/raster.h"

namespace gdi::pen {

// How a pen strokes a path.
enum class Stroke {
  kNull,      // PS_NULL: nothing
  kCosmetic,  // one pixel wide, solid or styled
  kWide,      // wider than one pixel: caps and joins from the pen (CreatePen: round and round)
};
Stroke StrokeOf(const Pen& pen);

// The width in pixels a pen strokes with: 1 for a one-pixel pen, the pen's width otherwise.
int StrokeWidth(const Pen& pen);

// The clip box of a DC in device coordinates: the surface, intersected with the clip region's
// bounding box. Half-open; may be empty.
RECT ClipBox(const DC& dc);

// Visits the pixels of a one-pixel line from a to b in drawing order, leaving out b itself.
// Only pixels inside bounds (half-open) are visited, but they are exactly the pixels the
// unclipped line has there; end points may lie a million pixels outside without overflow or
// long loops. A zero-length line visits nothing.
void LinePixels(POINT a, POINT b, const RECT& bounds, const std::function<void(int x, int y)>& visit);

// Strokes the path pts[0..n) with the DC's pen and ROP2; when closed, the path returns from the
// last point to the first. Each pixel is painted at most once per call. A one-pixel pen paints
// each segment without its last point (so a closed path paints every corner once); where
// segments cross or run back over each other, the last one decides a pixel's colour. A styled
// pattern starts at the first point. A wide pen paints the union of the segments with the pen's
// caps (at the two ends of an open path) and joins; a zero-length path leaves nothing, except
// with a geometric pen's round cap, which leaves its dot. n < 2 draws nothing.
void StrokePath(DC& dc, const POINT* pts, int n, bool closed);

// The pixels a wide pen covers along the path (as StrokePath would paint them), as normalised
// bands in device coordinates, limited to bounds (half-open). Shapes use this to combine an
// outline with a fill or to avoid painting a pixel twice. For a one-pixel pen it returns the
// pixels of the cosmetic stroke instead (ignoring any style).
raster::Bands StrokeBands(const Pen& pen, const POINT* pts, int n, bool closed, const RECT& bounds);

// Paints every pixel of bands with the DC's pen colour through the DC's ROP2, clipped.
void PaintPenBands(DC& dc, const raster::Bands& bands);

}  // namespace gdi::pen
