// The MAGIC tools that change the picture's own pixels: PIXELLATE in square blocks or round
// blobs and LIGHTEN/DARKEN, both on the box pulled out with the rubber band (TrackBox), and
// REPLACE COLOR over the whole canvas at one click. None of them plays a sound.
#pragma once

namespace pd {

enum : int {
  kPixellateSquareTool = 63,
  kPixellateRoundTool = 64,
  kReplaceColourTool = 68,
  kLightenDarkenTool = 86
};
// LightenDarkenMode's values.
enum : int { kLighten = 1, kDarken = 2 };

// The releases of tools 63, 64 and 86: the outline goes and the effect covers SelectionBox,
// normalised. The caller runs them only for a release off the anchor's row and column.
//
// Square blocks: a 5 x 5 block of the colour at each cell centre, centres 5 apart from
// (left + 3, top + 3) while they lie left of the right edge and above the bottom one (the first
// cell is always there), so blocks reach up to 2 pixels past the box.
void PixellateSquares();
// Round blobs: rows 5 apart as above; each row draws one radius 1..6 from the random generator,
// and its discs of that radius lie radius + 1 apart, later ones painting over earlier ones.
void PixellateRound();
// Lines in the stock white (lighten) or black (darken) pen along every second row from top + 1
// and every second column from left + 1, at least one of each, so three pixels in four change.
void LightenDarken(int mode);
// Every pixel of the canvas that has the colour under (x, y) takes the current colour, connected
// to the clicked one or not. A click on the current colour changes nothing.
void ReplaceColour(int x, int y);

}  // namespace pd
