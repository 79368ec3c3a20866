#include "tools/helpers.h"

#include "app/canvas.h"

namespace pd {

void PenStroke(int x1, int y1, int x2, int y2, int width, COLORREF colour) {
  using namespace gdi;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  HPEN pen = CreatePen(PS_SOLID, width, colour | kPaletteRelative);
  HPEN old = SelectObject(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
}

void UpdateShadeTriple() {}

}  // namespace pd
