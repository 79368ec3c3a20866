#include "effects/erasers.h"

#include <string>

#include "core/assets.h"
#include "core/canvas.h"
#include "effects/pacing.h"
#include "media/sound.h"

namespace pd {

using namespace gdi;

namespace {

constexpr int kDarkGreenIndex = 117;
constexpr int kTile = 54;

COLORREF PaletteEntry(int index) {
  return PaletteColours[index] | kPaletteRelative;
}

// The lines of variants 1 to 4: step i draws the line(s) of loop value i.
void WipeLines(const HDC& dc, int variant, int i) {
  const int w = CanvasWidth, h = CanvasHeight;
  auto vertical = [&](int x) {
    MoveToEx(dc, x, 0, nullptr);
    LineTo(dc, x, h);
  };
  auto horizontal = [&](int y) {
    MoveToEx(dc, 0, y, nullptr);
    LineTo(dc, w, y);
  };
  switch (variant) {
    case 1:
      vertical(i);
      vertical(w - i);
      break;
    case 2:
      vertical(w / 2 + i);
      vertical(w / 2 - i);
      break;
    case 3:
      horizontal(i);
      horizontal(h - i);
      break;
    default:
      horizontal(h / 2 + i);
      horizontal(h / 2 - i);
      break;
  }
}

// The number of loop values of each variant.
int WipeSteps(int variant) {
  const int w = CanvasWidth, h = CanvasHeight;
  const int wq = w / 4 + 1, hq = h / 4 + 1;
  switch (variant) {
    case 1:
      return w / 2 + 2;
    case 2:
      return w - w / 2 + 1;
    case 3:
      return h / 2 + 2;
    case 4:
      return h - h / 2 + 1;
    default:
      return wq * hq;
  }
}

// Variants 5 to 8: square number i in the variant's order.
void WipeSquare(const HDC& dc, int variant, int i) {
  const int wq = CanvasWidth / 4, hq = CanvasHeight / 4;
  int a = 0, b = 0;
  switch (variant) {
    case 5:
      b = i / (wq + 1), a = i % (wq + 1);
      break;
    case 6:
      b = hq - i / (wq + 1), a = i % (wq + 1);
      break;
    case 7:
      a = i / (hq + 1), b = i % (hq + 1);
      break;
    default:
      a = wq - i / (hq + 1), b = i % (hq + 1);
      break;
  }
  Rectangle(dc, a * 4, b * 4, a * 4 + 4, b * 4 + 4);
}

}  // namespace

void WipeScreenWhite(int variant) {
  if (variant < 1 || variant > 8) return;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectObject(dc, CreatePen(PS_SOLID, 1, PaletteEntry(kWhiteIndex)));
  if (variant >= 5) SelectObject(dc, CreateSolidBrush(PaletteEntry(kWhiteIndex)));
  SweepCanvas(WipeSteps(variant), kWipeMs, [&](int from, int to) {
    for (int i = from; i < to; ++i) {
      if (variant <= 4)
        WipeLines(dc, variant, i);
      else
        WipeSquare(dc, variant, i);
    }
  });
}

void ChalkboardScreen() {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectObject(dc, CreatePen(PS_SOLID, 1, PaletteEntry(kDarkGreenIndex)));
  SelectObject(dc, CreateSolidBrush(PaletteEntry(kDarkGreenIndex)));
  Rectangle(dc, 0, 0, CanvasWidth, CanvasHeight);
}

void BrickScreen(int variant) {
  if (variant < 1 || variant > 8) return;
  // The tile is read before anything is drawn: a missing one leaves the canvas as it was.
  const HBITMAP tile = LoadAssetBitmap("pb" + std::to_string(variant) + ".kvr");
  if (!tile) return;
  WindowCanvas canvas(CanvasWindow);
  BitmapCanvas source(tile);
  const int cols = CanvasWidth / kTile + 1, rows = CanvasHeight / kTile + 1;
  SweepCanvas((rows + 1) * (cols + 1), kBrickMs, [&](int from, int to) {
    for (int i = from; i < to; ++i) {
      const int row = i / (cols + 1), col = i % (cols + 1);
      BitBlt(canvas.dc(), col * kTile, row * kTile, kTile, kTile, source.dc(), 0, 0, SRCCOPY);
    }
  });
}

void StarScreen() {
  PlaySoundEffect(16);
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  const int w = CanvasWidth, h = CanvasHeight;
  PatBlt(dc, 0, 0, w, h, BLACKNESS);
  const COLORREF white = PaletteEntry(kWhiteIndex);
  SweepCanvas(5 * w + 1, kStarMs, [&](int from, int to) {
    for (int i = from; i < to; ++i) {
      const int y = Random(h);
      const int x = Random(w);
      SetPixel(dc, x, y, white);
    }
  });
}

void TunnelScreen() {
  if (!CanvasSnapshot) return;
  WindowCanvas canvas(CanvasWindow);
  BitmapCanvas snapshot(CanvasSnapshot);
  const int w = CanvasWidth, h = CanvasHeight;
  const int dx = w / 25, dy = h / 25;
  for (int i = 1; i <= 12; ++i) {
    const int l = dx * i, t = dy * i, cw = w - 2 * dx * i, ch = h - 2 * dy * i;
    if (i == 12) {
      StretchBlt(canvas.dc(), l, t, cw, ch, snapshot.dc(), 0, 0, w - 2, h - 2, SRCCOPY);
      break;
    }
    // Every copy but the last is covered by the next one except for its outer band, so only the
    // band's four sides are stretched: each onto a bitmap of its own size, with the copy placed
    // where it lies on the canvas, so that the stretch reads and writes just the side's pixels,
    // and then copied onto the canvas. The pixels are those of the whole copy.
    const int l2 = l + dx, t2 = t + dy, r2 = w - l2, b2 = h - t2, r = w - l, b = h - t;
    const RECT sides[4] = {{l, t, r, t2}, {l, b2, r, b}, {l, t2, l2, b2}, {r2, t2, r, b2}};
    for (const RECT& side : sides) {
      const int sw = side.right - side.left, sh = side.bottom - side.top;
      if (sw <= 0 || sh <= 0) continue;
      BitmapCanvas piece(CreateDIBSection32(sw, sh));
      StretchBlt(piece.dc(), l - side.left, t - side.top, cw, ch, snapshot.dc(), 0, 0, w - 2, h - 2, SRCCOPY);
      BitBlt(canvas.dc(), side.left, side.top, sw, sh, piece.dc(), 0, 0, SRCCOPY);
    }
  }
}

}  // namespace pd
