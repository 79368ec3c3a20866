// The 3D solids and the cube: a box pulled out of the press point like the rubber-band shapes
// (a white XOR outline follows the mouse), turned on release into ten nested figures in the
// shades of the current colour's row lit from LightDirection, or into a box with two receding
// faces, each face a ten-band gradient of the row.
#pragma once

#include "gdi/gdi.h"

namespace pd {

// 3D BALL, 3D RECTANGLE and 3D ROUNDED RECTANGLE (kind kSolidEllipse, kSolidBox or
// kSolidRoundBox of ShadedSolid). The outline is the ellipse, rectangle or rounded rectangle
// with corners of half the box's extents; the finished phase erases it and draws ShadedSolid
// centred in the box, with half its width and height, whichever way the box was pulled.
void SolidShape(int x, int y, int kind, int phase);

// How far the cube's side faces recede for a box extent and a depth of 1..10: depth tenths of
// the extent, the product held in single precision and rounded to nearest, ties to even.
int CubeRecess(int extent, int depth);

// The corners of the cube's faces for the box (left, top)-(right, bottom), its direction
// (2 upper left, 4 upper right, 5 lower left, 7 lower right; any other is taken as 2) and the
// recesses dx, dy: the front face, the horizontal face and the vertical face, four corners
// each, with the gradient style each is filled in and the box that gradient spans.
struct CubeFace {
  gdi::POINT corners[4];
  gdi::RECT box;
  int fill_style;
};
void CubeFaces(int left, int top, int right, int bottom, int direction, int dx, int dy, CubeFace faces[3]);

// CUBE: the outline is FrameBox from the anchor to (x, y); the finished phase erases it and
// fills the front face and two side faces receding toward `direction` by `depth` tenths of the
// box. FillStyle is the child's again afterwards.
void CubeShape(int x, int y, int phase, int direction, int depth);

}  // namespace pd
