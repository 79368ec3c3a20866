#include "regiontools/pixeleffects.h"

#include <algorithm>
#include <array>

#include "core/canvas.h"
#include "regiontools/boxtools.h"
#include "regiontools/pixels.h"
#include "tools/helpers.h"

namespace pd {

using namespace gdi;

namespace {

constexpr int kCellPitch = 5;
constexpr int kMaxBlobRadius = 6;

struct Box {
  int left, top, right, bottom;
};
Box SelectionNormalised() {
  const RECT& s = SelectionBox;
  return {std::min(s.left, s.right), std::min(s.top, s.bottom), std::max(s.left, s.right),
          std::max(s.top, s.bottom)};
}

// The cells of one row or column: centres first, first + step, ... while they lie before end,
// the first one always (the loops test at their end).
long long CellCount(long long first, long long end, long long step) {
  return first >= end ? 1 : (end - first + step - 1) / step;
}
// Rounds a / b up, for b > 0.
long long CeilDiv(long long a, long long b) {
  return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}
// Of the count cells from first at step, the ones [*lo, *hi) whose centre lies in [0, size).
void CellsOnCanvas(long long first, long long step, long long count, long long size, long long* lo,
                   long long* hi) {
  *lo = std::max(0LL, CeilDiv(-first, step));
  *hi = std::min(count, CeilDiv(size - first, step));
}

// The rows of a blob of radius r: on row dy of the square round the centre, the points dx with
// PointDistance at most r, which are the span -half[dy] .. half[dy] (none when half is -1), as
// the distance grows with |dx|. Worked out once per radius with the shared distance.
struct BlobRows {
  std::array<int, 2 * kMaxBlobRadius + 1> half{};
};
const BlobRows& RowsFor(int r) {
  static const std::array<BlobRows, kMaxBlobRadius + 1> kBlobs = [] {
    std::array<BlobRows, kMaxBlobRadius + 1> blobs{};
    for (int radius = 1; radius <= kMaxBlobRadius; ++radius)
      for (int dy = -radius; dy <= radius; ++dy) {
        int half = -1;
        while (half < radius && radius >= PointDistance(0, 0, half + 1, dy)) ++half;
        blobs[radius].half[dy + radius] = half;
      }
    return blobs;
  }();
  return kBlobs[r];
}

// The colour at a cell's centre as it is written back, with the palette flag; false where there
// is none to read.
bool CellColour(const DirectPixels& pixels, int x, int y, COLORREF* c) {
  const COLORREF read = pixels.Get(x, y);
  *c = read | kPaletteRelative;
  return read != CLR_INVALID;
}

}  // namespace

void PixellateSquares() {
  EraseTrackedBox();
  const Box b = SelectionNormalised();
  WindowCanvas canvas(CanvasWindow);
  DirectPixels pixels(canvas.dc());
  const long long x0 = b.left + 3LL, y0 = b.top + 3LL;
  const long long columns = CellCount(x0, b.right, kCellPitch), rows = CellCount(y0, b.bottom, kCellPitch);
  // A cell whose centre is off the canvas has no colour to spread and paints nothing.
  long long row_lo, row_hi, col_lo, col_hi;
  CellsOnCanvas(y0, kCellPitch, rows, pixels.Height(), &row_lo, &row_hi);
  CellsOnCanvas(x0, kCellPitch, columns, pixels.Width(), &col_lo, &col_hi);
  for (long long j = row_lo; j < row_hi; ++j) {
    const int y = static_cast<int>(y0 + j * kCellPitch);
    for (long long i = col_lo; i < col_hi; ++i) {
      const int x = static_cast<int>(x0 + i * kCellPitch);
      COLORREF c;
      if (!CellColour(pixels, x, y, &c)) continue;
      const std::uint32_t word = pixels.Word(c);
      for (int dy = -2; dy <= 2; ++dy) pixels.PutSpan(y + dy, x - 2, x + 3, word, c);
    }
  }
}

void PixellateRound() {
  EraseTrackedBox();
  const Box b = SelectionNormalised();
  WindowCanvas canvas(CanvasWindow);
  DirectPixels pixels(canvas.dc());
  const long long x0 = b.left + 3LL, y0 = b.top + 3LL;
  const long long rows = CellCount(y0, b.bottom, kCellPitch);
  for (long long j = 0; j < rows; ++j) {
    // Every row draws its radius, on the canvas or not, so the generator runs as the rows do.
    const int r = Random(kMaxBlobRadius) + 1;
    const long long yy = y0 + j * kCellPitch;
    if (yy < 0 || yy >= pixels.Height()) continue;
    const int y = static_cast<int>(yy);
    const BlobRows& blob = RowsFor(r);
    long long col_lo, col_hi;
    CellsOnCanvas(x0, r + 1, CellCount(x0, b.right, r + 1), pixels.Width(), &col_lo, &col_hi);
    for (long long i = col_lo; i < col_hi; ++i) {
      const int x = static_cast<int>(x0 + i * (r + 1));
      COLORREF c;
      if (!CellColour(pixels, x, y, &c)) continue;
      const std::uint32_t word = pixels.Word(c);
      for (int dy = -r; dy <= r; ++dy) {
        const int half = blob.half[dy + r];
        if (half >= 0) pixels.PutSpan(y + dy, x - half, x + half + 1, word, c);
      }
    }
  }
}

void LightenDarken(int mode) {
  EraseTrackedBox();
  const Box b = SelectionNormalised();
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectObject(dc, GetStockObject(mode == kDarken ? BLACK_PEN : WHITE_PEN));
  long long y = b.top + 1LL;
  do {
    LineSegment(dc, b.left, static_cast<int>(y), b.right, static_cast<int>(y));
    y += 2;
  } while (y < b.bottom);
  long long x = b.left + 1LL;
  do {
    LineSegment(dc, static_cast<int>(x), b.top, static_cast<int>(x), b.bottom);
    x += 2;
  } while (x < b.right);
}

void ReplaceColour(int x, int y) {
  WindowCanvas canvas(CanvasWindow);
  DirectPixels pixels(canvas.dc());
  const COLORREF under = pixels.Get(x, y);
  // A click off the picture has no colour to replace.
  if (under == CLR_INVALID) return;
  const COLORREF old = under | kPaletteRelative, now = CurrentColour | kPaletteRelative;
  if (old == now) return;
  const std::uint32_t old_word = PixelFromColorref(under), new_word = pixels.Word(now);
  const int w = pixels.Width(), h = pixels.Height();
  if (Bitmap* surface = pixels.Direct()) {
    bool changed = false;
    for (int yy = 0; yy < h; ++yy) {
      std::uint32_t* row = surface->Row(yy);
      for (int xx = 0; xx < w; ++xx)
        if ((row[xx] & 0xFFFFFF) == old_word) {
          row[xx] = new_word;
          changed = true;
        }
    }
    if (changed) pixels.TouchAll();
    return;
  }
  for (int yy = 0; yy < h; ++yy)
    for (int xx = 0; xx < w; ++xx)
      if ((pixels.Get(xx, yy) | kPaletteRelative) == old) pixels.Put(xx, yy, new_word, now);
}

}  // namespace pd
