// The pencils and line pens: strokes repeated by symmetry, a quill whose width follows the mouse,
// chalk with its dust, the inchworm's random arcs and the square eraser. Each routine draws one
// event's worth of a stroke on the canvas; the canvas dispatch decides which one runs when.
#pragma once

#include "core/state.h"

namespace pd {

// STRING ART: four lines of width `PenSize` from (x, y) to the canvas corners, in the order
// top-left, top-right, bottom-right, bottom-left.
void StringArtStroke(int x, int y, COLORREF colour);

// CHALK: the dust that follows the chalk's line, 12 x `PenSize` + 1 tries at single pixels in a
// disc of radius round(2.05 x `PenSize`) around (x, y), always in `CurrentColour`. Each try draws
// its x offset, then its y offset.
void ChalkDust(int x, int y);

// MIRROR IMAGE: the line (x1, y1)-(x2, y2) of width `PenSize`, then its reflections about the
// canvas centre lines x = `CanvasWidth` div 2 and y = `CanvasHeight` div 2. Kind 1 reflects across
// the horizontal centre line, 2 across the vertical one, 3 both ways (four-fold); any other kind
// draws the line alone.
void MirrorStroke(int x1, int y1, int x2, int y2, int kind, COLORREF colour);

// QUILL PEN: the pen width for a movement of s = (|dx| + |dy|) div 2 pixels in one event.
// Tool 12 gets thinner the faster the mouse moves, tool 13 thicker. A movement beyond the table
// (s above 100) keeps the width of its last row.
int QuillWidth(int tool, int movement);
// One quill line from (x1, y1) to (x2, y2) in `CurrentColour`, its width from QuillWidth.
void QuillSegment(int tool, int x1, int y1, int x2, int y2);

// PROPELLER's second blade: the line from the anchor to the reflection of (x, y) through it.
void PropellerBlade(int x, int y, COLORREF colour);

// INCHWORM: one arc of the circle of random radius 2 .. 5 x `PenSize` + 1 around (x, y), pen
// width `PenSize`, between random start and end points near the centre. The radius is drawn
// first, then the start's x and y and the end's x and y.
void ArcBurst(int x, int y, COLORREF colour);
// The inchworm's colour for one drag event: a random shade of the current row with the rainbow
// option on, `CurrentColour` otherwise.
COLORREF InchwormColour();

// ERASER: the half-size of the eraser square for a pen size (sizes outside 1..10 are taken as the
// nearest of them).
int EraserHalfSize(int pen_size);
// A white square centred on (x, y): it covers x - h .. x + h - 1 and y - h .. y + h - 1.
void EraserSquare(int x, int y);

}  // namespace pd
