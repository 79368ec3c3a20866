// The colour palette: the 225 colours, the colour-row buttons and shade swatches on the left
// edge of the main window, and the right-click colour pick.
#pragma once

#include "core/palette_colours.h"
#include "core/state.h"

namespace pd {

// The colour row a press at (x, y) on the row buttons selects (53 <= y < 180, x < 80), and the
// shade its horizontal position selects.
int RowAt(int x, int y);
int ShadeAtRowButton(int x);
// The marker colour on the swatches: light yellow on dark rows, red on light ones.
COLORREF MarkerColour(int row);

// Handles a press on the left edge: UNDO, a row button or a swatch. Returns whether the press
// was one of them.
bool PalettePress(int x, int y);
void DrawPalette();
void PickColourAt(int x, int y);

}  // namespace pd
