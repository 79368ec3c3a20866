// The nib brushes: CRAZY PEN, CALLIGRAPHY BRUSH, MAGIC BRUSH and the three shadings of 3D RIBBON.
// A nib is 3 x `PenSize` parallel two-pixel lines, one pixel apart, each in its own colour of
// NibColours and slanted by `NibDirection`; the tools differ in how they fill the colours.
#pragma once

#include <array>

#include "core/state.h"

namespace pd {

constexpr int kNibLines = 30;
// The colour of each line of the nib, line 0 first, and how many of them the last fill wrote.
inline std::array<COLORREF, kNibLines> NibColours{};
inline int NibColoursWritten = 0;

// Fills NibColours for the nib tool `tool`: 5 two red, two green and two blue lines; 14 the
// current colour; 15 random shades of ShadeTriple, each drawn on its own; 20 the current row
// dark to light over ten lines and back over twenty; 29 dark to light and 30 light to dark in
// threes. Tools 14 and 15 write entries 0 .. 3 x `PenSize` (never past the last entry); any
// other tool writes nothing.
void FillNibColours(int tool);

// The first (dx, dy) offset of the nib's lines and the step from one line to the next for a
// nib direction (1 rising to the right, 2 falling to the right, 3 upright, 4 lying; others are
// taken as 1), for a nib of n lines.
struct NibGeometry {
  int dx, dy, step_x, step_y;
};
NibGeometry NibShape(int direction, int lines);

// One segment of the nib from (x1, y1) to (x2, y2): 3 x `PenSize` lines, each 2 pixels wide in
// its colour, the later ones over the earlier. Lines whose colour no fill has written yet are
// left out.
void NibStroke(int x1, int y1, int x2, int y2);

}  // namespace pd
