#include "app/toolpalette.h"

#include "app/canvas.h"

namespace pd {

void DrawSlotMarker(int index) {
  using namespace gdi;
  WindowCanvas canvas(MainWindow);
  const HDC& dc = canvas.dc();
  SelectObject(dc, GetStockObject(BLACK_PEN));
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  Rectangle(dc, 100, 50, 500, 62);
  if (index >= 11) return;
  HPEN pen = CreatePen(PS_SOLID, 1, PaletteColours[kRedIndex] | kPaletteRelative);
  HBRUSH brush = CreateSolidBrush(PaletteColours[kRedIndex] | kPaletteRelative);
  SelectObject(dc, pen);
  SelectObject(dc, brush);
  // A small triangle pointing up under the button.
  const POINT tri[4] = {{40 * index + 120, 51}, {40 * index + 100, 59}, {40 * index + 140, 59}, {40 * index + 120, 51}};
  Polygon(dc, tri, 4);
  SelectObject(dc, GetStockObject(BLACK_PEN));
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
}

// The descriptions arrive with the tool table; until then the buttons show no hints.
void SetButtonDescriptions() {}

}  // namespace pd
