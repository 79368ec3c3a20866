#include "core/snapshot.h"

#include "core/canvas.h"

namespace pd {

namespace {
void CopyCanvas(bool to_snapshot) {
  if (!CanvasSnapshot || !CanvasWindow) return;
  WindowCanvas canvas(CanvasWindow);
  BitmapCanvas snapshot(CanvasSnapshot);
  if (to_snapshot) {
    gdi::BitBlt(snapshot.dc(), 0, 0, CanvasWidth, CanvasHeight, canvas.dc(), 0, 0, gdi::SRCCOPY);
  } else {
    gdi::BitBlt(canvas.dc(), 0, 0, CanvasWidth, CanvasHeight, snapshot.dc(), 0, 0, gdi::SRCCOPY);
  }
}
}  // namespace

void SaveCanvasSnapshot() {
  CopyCanvas(true);
}
void RestoreCanvasSnapshot() {
  CopyCanvas(false);
}

}  // namespace pd
