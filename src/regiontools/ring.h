// The shaded tubes of the 3D category, drawn in the ten shades of the current colour's row:
// 3D RING, an ellipse pulled out of the press point that becomes a ring of twenty outlines, and
// LASER LINE, a straight line that becomes a beam of parallel lines, dark outside and light at
// the core. And INSTANT HAIR, random strands sprouting from the clicked point.
#pragma once

namespace pd {

// 3D RING: a white XOR ellipse from the anchor to (x, y) follows the mouse; the finished phase
// erases it and draws twenty 2-pixel ellipse outlines 1 pixel apart around the box, from 19 to 0
// pixels outside it: the outer ten go from the darkest shade to the lightest, the inner ten back.
void RingShape(int x, int y, int phase);

// The shade of each pair of the laser's beam, outermost first, for a pen size: PenSize + 2
// pairs, the outermost PenSize + 1 pixels from the centre line and the last one on it, starting
// at shade 9 and lighter by 3 (pen size 1), 2 (pen sizes 2 and 3) or 1 per pair, down to 0.
// Writes PenSize + 2 shades (at most 12) and returns how many.
int LaserShades(int pen_size, int* shades);

// LASER LINE: a white XOR line from the anchor follows the mouse; the finished phase erases it
// and draws the beam: pairs of 2-pixel lines on both sides of the line, offset across it (up and
// down for a horizontal line, left and right for a vertical one, diagonally otherwise).
void LaserLine(int x, int y, int phase);

// INSTANT HAIR: Random(PenSize x 10) + PenSize x 5 + 1 strands from (x, y), each with a random
// number of segments, side, rise and step drawn in that order, climbing steeply and bending over
// as its rise falls. A strand is one line from (x, y) through its successive points, with a pen
// of a third of PenSize (at least 1) in CurrentColour.
void InstantHair(int x, int y);

}  // namespace pd
