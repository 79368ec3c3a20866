// The spray, dot and fill brushes: SPRAY PAINT, CHARCOAL and PASTEL scatter dots in a disc,
// TOUCH UP recolours only the colour it first touched, SPREADER swaps random pairs of pixels,
// SPLITTER shifts short strips of rows for rippled reflections and BUCKET flood-fills an area.
// Each acts at the press and at every drag event at the mouse point; each draws its random
// numbers in the order given here.
#pragma once

#include "core/state.h"
#include "gdi/gdi.h"

namespace pd {

// A radius computed as a single-precision product or quotient, rounded to the nearest integer
// with ties to even (so 4.5 gives 4 and 7.5 gives 8).
int RoundedRadius(float value);

// SPRAY PAINT: n + 1 tries (n = 20 below pen size 2, else 10 x pen) at offsets in a square of
// side 2R (R = 8 x pen), each try that lands within R of (x, y) a dot. Mode 1 sets single
// pixels of CurrentColour; any other mode sprays, for each of the three shades of ShadeTriple
// in turn, (n div 3) + 1 tries of pen-sized round dots (a one-pixel diagonal pair at pen 1).
void SprayPaint(int x, int y, int pen, int mode);

// A pen that leaves a round dot `width` pixels across in `colour` for a line whose two ends
// coincide (a plain wide pen leaves nothing there).
gdi::HPEN MakeDotPen(int width, COLORREF colour);

// CHARCOAL: 10 x PenSize + 1 tries of single pixels in `colour` within round(1.5 x PenSize).
void Charcoal(int x, int y, COLORREF colour);

// PASTEL: three passes, lightest shade first, each a disc of radius round(3 x PenSize / d) for
// d = 2.0, 3.2, 4.4 and PenSize x (5 - pass) + 1 tries strictly inside it.
void Pastel(int x, int y);

// TOUCH UP: the first call of a stroke remembers the colour under (x, y); every call recolours,
// with 5 x PenSize + 1 tries inside a disc of radius 4 x PenSize, only pixels that still have
// that colour. A stroke started on black does nothing.
inline COLORREF TouchColour = 0;
void TouchUp(int x, int y, bool first);

// SPREADER: 10 x PenSize + 1 swaps of two random pixels of the square of side 2h around (x, y),
// h the eraser's half size. A pair with a pixel off the canvas is left alone.
void Spread(int x, int y);

// SPLITTER: each row of the square of side 2h + 1 around (x, y) gets the 2h-pixel strip that
// starts 2h left of the pointer copied to a random place 3h left .. h right of it. Within 2h of
// the left edge nothing is drawn (the random numbers are still drawn).
void Split(int x, int y);

// BUCKET: fills the connected area of the clicked pixel's colour with the brush of fill style
// 0..15 in CurrentColour (hatches transparent). On a colouring-book page it never fills the
// black outlines; otherwise it leaves an area that has the current colour already alone.
void BucketFill(int x, int y, int style);

}  // namespace pd
