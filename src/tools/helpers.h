// Drawing helpers shared by the tools.
#pragma once

#include "app/state.h"

namespace pd {

// One line on the canvas from (x1, y1) to (x2, y2), the end point left out, with a round pen of
// the given width in a palette colour.
void PenStroke(int x1, int y1, int x2, int y2, int width, COLORREF colour);

// Recomputes the light, middle and dark shades of the current colour row used by the 3D tools.
void UpdateShadeTriple();

}  // namespace pd
