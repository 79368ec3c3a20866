// The colour-row buttons, the shade swatches with their marker, UNDO and the colour pick.
#include "app/palette.h"

#include <algorithm>

#include "app/panels.h"
#include "core/canvas.h"
#include "core/snapshot.h"
#include "media/sound.h"
#include "tools/helpers.h"

namespace pd {

namespace {
// Rows of the two button columns, top to bottom, each 16 pixels high from y = 53.
constexpr int kLeftRows[8] = {4, 6, 11, 13, 1, 8, 12, 7};
constexpr int kRightRows[8] = {3, 15, 9, 14, 2, 5, 0, 10};
}  // namespace

int RowAt(int x, int y) {
  const int band = std::clamp((y - 53) / 16, 0, 7);
  return x <= 40 ? kLeftRows[band] : kRightRows[band];
}

int ShadeAtRowButton(int x) {
  // The left edge of a button is its darkest shade and the right edge its lightest; the
  // boundary column x = 40 belongs to the left button and gives shade 0.
  if (x == 40) return 0;
  if (x < 40) return 9 - x / 4;
  return std::clamp(9 - (x - 40) / 4, 0, 9);
}

COLORREF MarkerColour(int row) {
  switch (row) {
    case 0:
    case 1:
    case 3:
    case 4:
    case 9:
    case 10:
    case 12:
    case 13:
    case 14:
      return PaletteColours[kLightYellowIndex];
    default:
      return PaletteColours[kRedIndex];
  }
}

bool PalettePress(int x, int y) {
  if (x < 80 && y < 52) {
    PlaySoundEffect(39);
    RestoreCanvasSnapshot();
    return true;
  }
  if (y > 52 && y < 180 && x < 80) {
    PlaySoundEffect(21);
    ColourRow = RowAt(x, y);
    ColourShade = ShadeAtRowButton(x);
    DrawPalette();
    SaveCanvasSnapshot();
    return true;
  }
  if (y >= 180 && y < 213 && x < 80) {
    PlaySoundEffect(22);
    ColourShade = y <= 196 ? x / 16 : x / 16 + 5;
    DrawPalette();
    SaveCanvasSnapshot();
    return true;
  }
  return false;
}

void DrawPalette() {
  using namespace gdi;
  {
    WindowCanvas canvas(MainWindow);
    const HDC& dc = canvas.dc();
    FillBlack(dc, 0, 179, 81, 213);
    HPEN frame = CreatePen(PS_SOLID, 1, PaletteColours[kSwatchFrameIndex] | kPaletteRelative);
    SelectObject(dc, frame);
    for (int i = 0; i < 5; ++i) {
      HBRUSH upper = CreateSolidBrush(PaletteColours[ColourRow * 10 + i] | kPaletteRelative);
      HBRUSH old = SelectObject(dc, upper);
      Rectangle(dc, 16 * i, 180, 16 * i + 16, 196);
      HBRUSH lower = CreateSolidBrush(PaletteColours[ColourRow * 10 + i + 5] | kPaletteRelative);
      SelectObject(dc, lower);
      Rectangle(dc, 16 * i, 196, 16 * i + 16, 212);
      SelectObject(dc, old);
    }
    const COLORREF m = MarkerColour(ColourRow) | kPaletteRelative;
    HPEN marker = CreatePen(PS_SOLID, 1, m);
    HBRUSH hollow = CreateBrushIndirect(LOGBRUSH{BS_HOLLOW, m, 0});
    SelectObject(dc, marker);
    SelectObject(dc, hollow);
    const bool upper_row = ColourShade < 5;
    const int x0 = 16 * (upper_row ? ColourShade : ColourShade - 5);
    const int y0 = upper_row ? 180 : 196, y1 = upper_row ? 196 : 212;
    Rectangle(dc, x0, y0, x0 + 16, y1);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x0 + 16, y1);
    MoveToEx(dc, x0 + 16, y0, nullptr);
    LineTo(dc, x0, y1);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
  }
  CurrentColour = PaletteColours[ColourRow * 10 + ColourShade];
  UpdateShadeTriple();
  if (FillStylePanelShown) DrawFillStylePanel();
}

void PickColourAt(int x, int y) {
  COLORREF c;
  {
    WindowCanvas canvas(CanvasWindow);
    c = gdi::GetPixel(canvas.dc(), x, y);
  }
  // Only the colour grid can be picked; the near-whites and the extra colours never match.
  for (int i = 0; i < kPaletteGridSize; ++i) {
    if (PaletteColours[i] == c) {
      ColourRow = i / 10;
      ColourShade = i % 10;
      break;
    }
  }
  DrawPalette();
}

}  // namespace pd
