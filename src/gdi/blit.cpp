// Pixels and blits: SetPixel, GetPixel, PatBlt, BitBlt, StretchBlt, icons.
#include "gdi/raster.h"

namespace gdi {

COLORREF SetPixel(const HDC& hdc, int x, int y, COLORREF colour) {
  if (!hdc || !raster::Visible(*hdc, x, y)) return CLR_INVALID;
  const std::uint32_t px = ColourToPixel(*hdc, colour);
  hdc->surface->At(x, y) = px;
  return ColorrefFromPixel(px);
}
bool SetPixelV(const HDC& hdc, int x, int y, COLORREF colour) { return SetPixel(hdc, x, y, colour) != CLR_INVALID; }
COLORREF GetPixel(const HDC& hdc, int x, int y) {
  if (!hdc || !raster::Visible(*hdc, x, y)) return CLR_INVALID;
  return ColorrefFromPixel(hdc->surface->At(x, y));
}
bool PatBlt(const HDC& hdc, int x, int y, int w, int h, DWORD rop) { return hdc != nullptr; }
bool BitBlt(const HDC& dst, int x, int y, int w, int h, const HDC& src, int sx, int sy, DWORD rop) { return dst != nullptr; }
bool StretchBlt(const HDC& dst, int x, int y, int w, int h, const HDC& src, int sx, int sy, int sw, int sh, DWORD rop) {
  return dst != nullptr;
}
bool DrawIcon(const HDC& hdc, int x, int y, const HICON& icon) { return hdc != nullptr; }

}  // namespace gdi
