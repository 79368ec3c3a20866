#include "core/canvas.h"

#include "platform/platform.h"

namespace pd {

WindowCanvas::WindowCanvas(platform::Window* window) : window_(window) {
  if (window_) dc_ = platform::GetDC(window_);
  if (!dc_) {
    // Windows without pixels of their own (or none at all) get a DC over a scrap pixel.
    dc_ = gdi::CreateCompatibleDC(nullptr);
    gdi::SelectObject(dc_, gdi::CreateDIBSection32(1, 1));
    window_ = nullptr;
  }
  if (AppPalette) {
    old_palette_ = gdi::SelectPalette(dc_, AppPalette, false);
    gdi::RealizePalette(dc_);
  }
  old_pen_ = gdi::GetCurrentObject(dc_, gdi::ObjType::Pen);
  old_brush_ = gdi::GetCurrentObject(dc_, gdi::ObjType::Brush);
}

WindowCanvas::~WindowCanvas() {
  if (old_palette_) gdi::SelectPalette(dc_, old_palette_, true);
  if (old_pen_) gdi::SelectObject(dc_, old_pen_);
  if (old_brush_) gdi::SelectObject(dc_, old_brush_);
  if (window_) platform::ReleaseDC(window_, dc_);
}

void FillBlack(const gdi::HDC& dc, int left, int top, int right, int bottom) {
  gdi::SelectObject(dc, gdi::GetStockObject(gdi::BLACK_PEN));
  gdi::SelectObject(dc, gdi::GetStockObject(gdi::BLACK_BRUSH));
  gdi::Rectangle(dc, left, top, right, bottom);
}

BitmapCanvas::BitmapCanvas(const gdi::HBITMAP& bitmap) : dc_(gdi::CreateCompatibleDC(nullptr)) {
  if (bitmap) gdi::SelectObject(dc_, bitmap);
  if (AppPalette) gdi::SelectPalette(dc_, AppPalette, false);
}

}  // namespace pd
