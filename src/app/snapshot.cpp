#include "app/snapshot.h"

#include "app/canvas.h"

namespace pd {

namespace {
void CopyCanvas(bool to_snapshot) {
  if (!CanvasSnapshot || !CanvasWindow) return;
  WindowCanvas canvas(CanvasWindow);
  gdi::HDC mem = gdi::CreateCompatibleDC(canvas.dc());
  gdi::SelectObject(mem, CanvasSnapshot);
  gdi::HPALETTE old = gdi::SelectPalette(mem, AppPalette, false);
  if (to_snapshot) {
    gdi::BitBlt(mem, 0, 0, CanvasWidth, CanvasHeight, canvas.dc(), 0, 0, gdi::SRCCOPY);
  } else {
    gdi::BitBlt(canvas.dc(), 0, 0, CanvasWidth, CanvasHeight, mem, 0, 0, gdi::SRCCOPY);
  }
  gdi::SelectPalette(mem, old, true);
}
}  // namespace

void SaveCanvasSnapshot() { CopyCanvas(true); }
void RestoreCanvasSnapshot() { CopyCanvas(false); }

}  // namespace pd
