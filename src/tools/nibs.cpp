#include "tools/nibs.h"

#include <algorithm>

#include "core/canvas.h"
#include "tools/helpers.h"

namespace pd {

using namespace gdi;

namespace {

// The palette entries of CRAZY PEN's three colours: pure red, a green and pure blue.
constexpr int kCrazyRed = 95, kCrazyGreen = 115, kCrazyBlue = 30;

COLORREF RowShade(int shade) {
  return PaletteColours[std::clamp(ColourRow, 0, kPaletteRows - 1) * 10 + shade];
}

}  // namespace

void FillNibColours(int tool) {
  // CALLIGRAPHY and MAGIC BRUSH write one entry more than the nib has lines.
  const int through = std::min(3 * PenSize, kNibLines - 1);
  switch (tool) {
    case 5: {
      constexpr int kCrazy[6] = {kCrazyRed, kCrazyRed, kCrazyGreen, kCrazyGreen, kCrazyBlue, kCrazyBlue};
      for (int i = 0; i < 6; ++i) NibColours[i] = PaletteColours[kCrazy[i]];
      NibColoursWritten = std::max(NibColoursWritten, 6);
      return;
    }
    case 14:
      for (int i = 0; i <= through; ++i) NibColours[i] = CurrentColour;
      break;
    case 15:
      for (int i = 0; i <= through; ++i) NibColours[i] = PaletteColours[ShadeTriple[Random(3)]];
      break;
    case 20:
      for (int i = 0; i < 10; ++i) NibColours[i] = RowShade(9 - i);
      for (int i = 10; i < 30; ++i) NibColours[i] = RowShade((i - 10) / 2);
      NibColoursWritten = kNibLines;
      return;
    case 29:
      for (int i = 0; i < 30; ++i) NibColours[i] = RowShade(9 - i / 3);
      NibColoursWritten = kNibLines;
      return;
    case 30:
      for (int i = 0; i < 30; ++i) NibColours[i] = RowShade(i / 3);
      NibColoursWritten = kNibLines;
      return;
    default:
      return;
  }
  NibColoursWritten = std::max(NibColoursWritten, through + 1);
}

NibGeometry NibShape(int direction, int lines) {
  const int h = (lines - 1) / 2;
  switch (direction) {
    case 2:
      return {-h, -h, 1, 1};
    case 3:
      return {0, -h, 0, 1};
    case 4:
      return {-h, 0, 1, 0};
    default:
      return {h, -h, -1, 1};
  }
}

void NibStroke(int x1, int y1, int x2, int y2) {
  const int lines = std::clamp(3 * PenSize, 0, kNibLines);
  NibGeometry g = NibShape(NibDirection, lines);
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  const int drawn = std::min(lines, NibColoursWritten);
  for (int k = 0; k < drawn; ++k) {
    HPEN pen = CreatePen(PS_SOLID, 2, NibColours[k] | kPaletteRelative);
    HGDIOBJ old = SelectObject(dc, pen);
    LineSegment(dc, x1 + g.dx, y1 + g.dy, x2 + g.dx, y2 + g.dy);
    SelectObject(dc, old);
    g.dx += g.step_x;
    g.dy += g.step_y;
  }
}

}  // namespace pd
