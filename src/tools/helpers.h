// Drawing helpers shared by the tools: the two line primitives, the pen stroke of the freehand
// tools, the shade triple, the distance of two points and the shaded solids of the 3D tools.
// The fills (brushes for the fill styles, gradients and textures) are in tools/fills.h.
//
// Every routine here that draws on the canvas follows the canvas bracket of app/canvas.h: it
// takes the canvas window's DC with AppPalette selected, makes its own pens and brushes, and
// gives everything back before it returns.
#pragma once

#include <cstdint>

#include "core/state.h"
#include "gdi/gdi.h"

namespace pd {

// MoveToEx to (x1, y1), then LineTo (x2, y2) with whatever pen is selected. The end pixel is
// left out, as every GDI line leaves it out.
void LineSegment(const gdi::HDC& dc, int x1, int y1, int x2, int y2);

// The four sides of a box as four LineSegment calls, in this order: the top (left to right),
// the left side (top to bottom), the bottom (left to right), the right side (top to bottom).
// The corner (right, bottom) is the end of two segments and stays unpainted.
void FrameBox(const gdi::HDC& dc, int left, int top, int right, int bottom);

// One line on the canvas from (x1, y1) to (x2, y2), the end point left out, with a solid pen of
// the given width in a palette colour, inside its own canvas bracket. The freehand tools call it
// once per mouse movement, so a stroke is a chain of independent segments.
void PenStroke(int x1, int y1, int x2, int y2, int width, COLORREF colour);

// Recomputes ShadeTriple from ColourRow and ColourShade: the current shade (raised to 2 when it
// is lighter) and the two lighter shades beside it, so the triple never leaves the row.
void UpdateShadeTriple();

// The distance of two points rounded to the nearest integer, ties to even. Each coordinate
// difference is first held as a single-precision float (so differences beyond 2^24 lose their
// low bits), then the sum of squares and the root are taken in extended precision. The result is
// 64-bit because two far-apart points on the full 32-bit plane are more than 2^31 apart.
std::int64_t PointDistance(int x1, int y1, int x2, int y2);

// The kinds of figure ShadedSolid draws.
enum : int { kSolidEllipse = 1, kSolidBox = 2, kSolidRoundBox = 3 };

// Ten nested filled figures around (cx, cy) with half sizes rx and ry, in the ten shades of the
// palette row `row`: the outermost in shade 9 (darkest), the innermost in shade 0 (lightest),
// each one drawn over the previous and pulled toward the light point of `light` (1 centre,
// 2 upper left, 3 top, 4 upper right, 5 lower left, 6 bottom, 7 lower right, 8 right, 9 left).
// Kind is kSolidEllipse, kSolidBox or kSolidRoundBox (whose corners are half the figure's size).
// A light outside 1..9 is taken as the centre; a kind outside 1..3 or a row without ten shades
// draws nothing.
void ShadedSolid(int cx, int cy, int rx, int ry, int kind, int light, int row);

}  // namespace pd
