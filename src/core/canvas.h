// The canvas bracket: every routine that draws on a window takes its DC, selects and realizes
// AppPalette, draws, and on the way out selects the old palette back (forced into the
// background), puts back the pen and brush the DC started with and releases the DC. One scoped
// object does all of it, so no return path leaks. Pens, brushes and regions a routine makes are
// scoped handles of its own: they live while selected and are gone once the canvas is released.
#pragma once

#include "core/state.h"
#include "gdi/gdi.h"

namespace platform {
class Window;
}

namespace pd {

class WindowCanvas {
 public:
  explicit WindowCanvas(platform::Window* window);
  ~WindowCanvas();
  WindowCanvas(const WindowCanvas&) = delete;
  WindowCanvas& operator=(const WindowCanvas&) = delete;

  // A DC that draws nowhere when the window is missing, so callers need no checks.
  const gdi::HDC& dc() const { return dc_; }

 private:
  platform::Window* window_;
  gdi::HDC dc_;
  gdi::HPALETTE old_palette_;
  gdi::HGDIOBJ old_pen_;
  gdi::HGDIOBJ old_brush_;
};

// Paints the box (left, top)-(right, bottom) black, outline included, with the stock black pen
// and brush, which stay selected for whatever the caller draws next.
void FillBlack(const gdi::HDC& dc, int left, int top, int right, int bottom);

// A memory DC over a bitmap with AppPalette selected, for drawing into off-screen pictures.
class BitmapCanvas {
 public:
  explicit BitmapCanvas(const gdi::HBITMAP& bitmap);
  const gdi::HDC& dc() const { return dc_; }

 private:
  gdi::HDC dc_;
};

}  // namespace pd
