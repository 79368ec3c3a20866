// The scatter and ornament brushes: small random figures stamped at the mouse point while the
// child drags (sparkles, grass tufts, bug splats, geometric objects, firework bursts, bubbles,
// the roller's speckled block) and the lines that things hang from (paint drips, Christmas
// ornaments). Each call is one event of a stroke and draws its random numbers in the order its
// comment gives.
#pragma once

#include "core/state.h"

namespace pd {

// WAND SPARKLES: a plus sign of arm random(3p) + 3 (p = PenSize, pen width p) centred
// random(6p) - 3p from (x, y) each way; arm, then x, then y.
void Sparkle(int x, int y, COLORREF colour);

// GRASS: random(6) + 4 one-pixel blades growing upward from (x, y), each with its sideways
// spread, its height and a random shade of ShadeTriple, in that order. Kind 1 small, 2 medium,
// 3 tall (others are taken as medium).
void GrassTuft(int x, int y, int kind);

// BUG SPLAT: eight legs of pen width from (x, y) to random points within 10p each way.
void BugSplat(int x, int y, COLORREF colour);

// OBJECTS: a filled square (kind 1), circle (2) or triangle (3) of half size random(20) + 5;
// the triangle's form 1..3 is drawn next, for every kind.
void ObjectShape(int x, int y, int kind, COLORREF colour);

// XMAS TREE: the line in CurrentColour, and an ornament hanging from (x2, y2) once it is more
// than 40 pixels from the anchor, which then moves to (x2, y2). The ball is in the current row,
// or a random one of the first sixteen when the event colour is not the current colour.
void Garland(int x1, int y1, int x2, int y2, COLORREF colour);

// FIREWORKS: three bursts of random(50) + 21 tries each, in the current shade and the two
// lighter shades, rays ending within 6p of (x, y).
void FireworkBurst(int x, int y);

// DRIP PAINT: the line in CurrentColour and, on two events in ten, three shaded streaks and a
// drop hanging below (x2, y2). The drip's length is drawn before anything else.
void Drip(int x1, int y1, int x2, int y2);

// ROLLER: a block of CurrentColour, upright (kind 3) or lying (any other), speckled with
// 30p + 1 pairs of pixels in the two lighter shades of ShadeTriple.
void Roll(int x, int y, int kind);

// FRED FISH 26: an open bubble of radius random(2p) + 3 near (x, y).
void OpenBubble(int x, int y, COLORREF colour);
// FRED FISH 27: a shaded ball lit from the lower left near (x, y), in the current row or, when
// the event colour is not the current colour, a random one of the first fifteen.
void ShadedBubble(int x, int y, COLORREF colour);

}  // namespace pd
