// The polygon shapes of the SHAPES category (DIAMOND, HEXAGON, OCTAGON and the four-pointed STAR
// in its two forms), the straight LINE of the PENCILS and the close of IRREGULAR SHAPE. The
// polygons follow the rubber-band protocol of the other shapes: a white XOR outline of their
// corners follows the mouse, and the release draws the figure filled as FillStyle says.
#pragma once

#include "gdi/gdi.h"

namespace pd {

// The corners of each figure for the anchor (ax, ay) and the point (px, py), in drawing order;
// each returns how many it wrote. A value "moved toward" the point gets its offset added when
// the point lies beyond the anchor on that axis and taken off otherwise, so a figure pulled
// either way has the same corners, listed from the anchor's side.
//
// DIAMOND: the middles of the box's four sides.
int DiamondCorners(int ax, int ay, int px, int py, int form, gdi::POINT* out);
// HEXAGON: points at mid-height on the press and release columns (half the height rounded half
// to even, so 2.5 gives 2), flat sides along both rows from one fifth to four fifths of the
// width (the fifth held in single precision, rounded half to even).
int HexagonCorners(int ax, int ay, int px, int py, int form, gdi::POINT* out);
// OCTAGON: each side of the box cut in thirds (truncated).
int OctagonCorners(int ax, int ay, int px, int py, int form, gdi::POINT* out);
// STAR: form 1 has its four points at the middles of the box's sides, form 2 at its corners;
// the four inner corners lie a tenth of the box from its centre. Any other form is form 1.
int StarCorners(int ax, int ay, int px, int py, int form, gdi::POINT* out);

// The figures themselves, pulled from (AnchorX, AnchorY) to (x, y).
void DiamondShape(int x, int y, int phase);
void HexagonShape(int x, int y, int phase);
void OctagonShape(int x, int y, int phase);
void StarShape(int x, int y, int form, int phase);

// LINE: a white XOR line from the anchor follows the mouse; the finished phase draws the line
// from the anchor to (x, y), end pixel left out, PenSize wide in CurrentColour.
void StraightLine(int x, int y, int phase);

// IRREGULAR SHAPE. The press starts the list of ShapePoints with the press point; each drag
// appends the mouse point (while the list has room) and draws a one-pixel line in CurrentColour
// from the previous mouse point, so the outline follows the mouse even once the list is full.
void IrregularShapeStart(int x, int y);
void IrregularShapeDrag(int x, int y);
// The release: when more than one point was collected, the figure closed over them is drawn with
// a PenSize outline, filled with the brush of FillStyle 0..15, or outlined and then filled over
// its region with the gradient or texture of 16..31. Returns whether a figure was drawn.
bool IrregularShapeFinish();

}  // namespace pd
