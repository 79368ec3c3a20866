// A small true-colour surface with a DC over it, on which the raster tests draw and then compare
// pixels, usually as a picture of one character per pixel.
#pragma once

#include <cstdint>
#include <string>

#include "gdi/gdi.h"

namespace gdi::test {

struct Canvas {
  HBITMAP bmp;
  HDC dc;
  // fill is a pixel word (0x00RRGGBB).
  explicit Canvas(int w, int h, std::uint32_t fill = 0xFFFFFF) {
    bmp = CreateDIBSection32(w, h);
    bmp->Fill(fill);
    dc = CreateSurfaceDC(bmp);
  }
  void Pen(int style, int width, COLORREF colour) { SelectObject(dc, CreatePen(style, width, colour)); }
  void NullPen() { SelectObject(dc, GetStockObject(NULL_PEN)); }
  void Brush(COLORREF colour) { SelectObject(dc, CreateSolidBrush(colour)); }
  void NullBrush() { SelectObject(dc, GetStockObject(NULL_BRUSH)); }
  void Line(int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
  }
  // One character per pixel, legend(pixel word) for each, every row ending in '\n'.
  template <class Legend>
  std::string Map(Legend&& legend) const {
    std::string s;
    for (int y = 0; y < bmp->Height(); ++y) {
      for (int x = 0; x < bmp->Width(); ++x) s += legend(bmp->At(x, y));
      s += '\n';
    }
    return s;
  }
  // '#' where the pixel differs from the background, '.' elsewhere.
  std::string Picture(std::uint32_t background = 0xFFFFFF) const {
    return Map([&](std::uint32_t p) { return p != background ? '#' : '.'; });
  }
};

}  // namespace gdi::test
