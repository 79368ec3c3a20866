// The rubber-band shapes: RECTANGLE, ROUNDED RECTANGLE, ELLIPSE, TRIANGLE, TRAPEZOID, the
// two-step PARALLELOGRAM and the outline-only wedge. Each is pulled out of the press point
// (AnchorX, AnchorY): while the button is held an outline follows the mouse, and on release the
// figure is drawn for good with PenSize, CurrentColour and FillStyle.
//
// The outline is drawn with R2_XORPEN, a one-pixel pen in white (PaletteColours[60]) and a hollow
// brush. Every call first draws the outline spanned by the anchor and (LastX, LastY) again, which
// removes the one the previous event left, because drawing the same outline twice restores every
// pixel. At the press LastX and LastY are the anchor, so that first erase draws and at once
// removes a figure of size zero.
#pragma once

#include "core/state.h"
#include "gdi/gdi.h"

namespace pd {

// The phases of a shape routine: the rubber-band outline, or the finished figure.
enum : int { kShapeOutline = 1, kShapeFinished = 2 };

// The halfway point between a and b, rounded toward a.
constexpr int Midway(int a, int b) {
  return b < a ? a - (a - b) / 2 : a + (b - a) / 2;
}

// RECTANGLE, ROUNDED RECTANGLE (corner ellipses a quarter of the width by a quarter of the
// height) and ELLIPSE, spanned by the anchor and (x, y). In the finished phase styles 0..15 fill
// with MakeFillBrush inside a PenSize outline; gradients and textures fill the figure's region
// and draw no outline.
void RectangleShape(int x, int y, int phase);
void RoundedRectangleShape(int x, int y, int phase);
void EllipseShape(int x, int y, int phase);

// TRIANGLE in its three forms: 1 isosceles on a horizontal base along the release row, with its
// apex on the press row; 2 right-angled at (AnchorX, y); 3 isosceles on a vertical base along
// the press column, with its apex on the release column. Any other form is drawn as form 1.
void TriangleShape(int x, int y, int form, int phase);

// TRAPEZOID in its two forms. Form 1 has its long side on the release row and its short side on
// the press row, between one fifth and four fifths of the width (a figure narrower than five
// pixels shrinks the short side to the press point). Form 2 is the same figure on its side: the
// long side on the press column, the short side on the release column. Any other form is form 1.
void TrapezoidShape(int x, int y, int form, int phase);

// The vertices of the finished triangle or trapezoid for the anchor (ax, ay) and the point
// (px, py), in the order the polygon is drawn. Returns how many (3 or 4) were written.
int TrianglePoints(int ax, int ay, int px, int py, int form, gdi::POINT* points);
int TrapezoidPoints(int ax, int ay, int px, int py, int form, gdi::POINT* points);

// PARALLELOGRAM, first step (tool 54): the XOR box from the anchor to (x, y). The box is kept in
// ShapePoints: [0] its width and height, [1] its far corner (x, y), [2] the anchor.
void ParallelogramBox(int x, int y);

// The release of the first step: the box on the canvas becomes the outline of the second step
// (the parallelogram through the box's far corner), which looks the same but is traced the way
// the second step traces it, so that every later erase removes exactly what is there.
void ParallelogramTakeOver(int slant);

// PARALLELOGRAM, second step (tool 55): the parallelogram with one corner at the first step's
// anchor and the opposite one at (x, y). Slant 3 gives two vertical sides of the box's height,
// any other slant two horizontal sides of its width. The finished phase fills it (region kind 54
// over its bounding box for gradients and textures) and leaves ShapePoints holding its corners.
void ParallelogramSlant(int x, int y, int slant, int phase);

// Removes the outline of a second step that the child abandoned by choosing something else, so
// no stray XOR lines stay on the picture.
void AbandonParallelogram(int slant);

// The wedge (tool 52): the XOR outline of the triangle with its apex at the anchor and its base
// on row y, from x to its reflection 2 x AnchorX - x. The release leaves the last outline on the
// picture as inverted pixels.
void WedgeOutline(int x, int y);

// The rubber band's drawing tools, for figures drawn elsewhere: R2_XORPEN, a one-pixel pen in
// white and a hollow brush, selected into dc. The caller sets R2_COPYPEN again when it is done.
void SelectRubberBandTools(const gdi::HDC& dc);

// The corners of a polygon figure spanned by the anchor (ax, ay) and the point (px, py), in the
// order the polygon is drawn; returns how many were written (at most kMaxPolygonCorners).
constexpr int kMaxPolygonCorners = 8;
using PolygonCorners = int (*)(int ax, int ay, int px, int py, int form, gdi::POINT* out);

// A polygon figure pulled out of the anchor like the shapes above: its outline is the closed
// chain of its corners, and the finished figure is a Polygon over them in ShapePoints, filled
// as FillStyle says (gradients and textures over region kind `region`, without an outline).
void PolygonShape(int region, PolygonCorners corners, int x, int y, int form, int phase);

}  // namespace pd
