// A true-colour surface with a memory DC over it, for the raster benchmarks to draw on.
#pragma once

#include <cstdint>

#include "gdi/gdi.h"

namespace gdi::bench {

struct Surface {
  HBITMAP bmp;
  HDC dc = CreateCompatibleDC(nullptr);
  // fill is a pixel word (0x00RRGGBB).
  explicit Surface(int w = 640, int h = 480, std::uint32_t fill = 0) : bmp(CreateDIBSection32(w, h)) {
    bmp->Fill(fill);
    SelectObject(dc, bmp);
  }
};

}  // namespace gdi::bench
