// The program's 225 colours and the logical palette made from them.
#pragma once

#include "core/state.h"

namespace pd {

void InitPaletteColours();
gdi::HPALETTE BuildAppPalette();
// The entry of the 225 program colours nearest to a colour (first of equals).
int NearestPaletteEntry(COLORREF colour);

}  // namespace pd
