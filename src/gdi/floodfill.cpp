// Flood fill.
#include "gdi/raster.h"

namespace gdi {

bool ExtFloodFill(const HDC& hdc, int x, int y, COLORREF colour, UINT type) { return hdc != nullptr; }
bool FloodFill(const HDC& hdc, int x, int y, COLORREF border) { return ExtFloodFill(hdc, x, y, border, FLOODFILLBORDER); }

}  // namespace gdi
