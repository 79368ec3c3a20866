#include "tools/fills.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/assets.h"
#include "core/canvas.h"
#include "tools/helpers.h"
#include "tools/rounding.h"

namespace pd {

using namespace gdi;

bool IsPolygonRegionKind(int kind) {
  constexpr int kPolygonKinds[] = {34, 35, 36, 37, 39, 40, 41, 54};
  return std::find(std::begin(kPolygonKinds), std::end(kPolygonKinds), kind) != std::end(kPolygonKinds);
}

HRGN MakeShapeRegion(int kind, int x1, int y1, int x2, int y2, int cw, int ch) {
  switch (kind) {
    case kRegionRectangle:
      return CreateRectRgn(x1, y1, x2, y2);
    case kRegionRoundRect:
      return CreateRoundRectRgn(x1, y1, x2, y2, cw, ch);
    case kRegionEllipse:
      return CreateEllipticRgn(x1, y1, x2, y2);
    default:
      break;
  }
  if (!IsPolygonRegionKind(kind)) return nullptr;
  const int count = std::clamp(ShapePointCount, 0, kShapePointCapacity);
  return CreatePolygonRgn(ShapePoints.data(), count, ALTERNATE);
}

// ---- brushes -----------------------------------------------------------------------------------

namespace {

constexpr std::array<int, 6> kHatchOfStyle = {HS_HORIZONTAL, HS_VERTICAL,  HS_CROSS,
                                              HS_BDIAGONAL,  HS_FDIAGONAL, HS_DIAGCROSS};

HBRUSH MakePatternBrush(int style) {
  const std::string name = "pa0" + std::to_string(style - kFirstPatternStyle) + ".kvr";
  HBITMAP pattern = LoadAssetBitmap(name);
  if (!pattern) return CreateBrushIndirect(LOGBRUSH{BS_HOLLOW, 0, 0});
  {
    // The pattern's black pixels are the ones that take the child's colour; everything else
    // keeps the colour the artist gave it.
    BitmapCanvas canvas(pattern);
    const HDC& dc = canvas.dc();
    for (int x = 0; x < 8; ++x)
      for (int y = 0; y < 8; ++y)
        if (GetPixel(dc, x, y) == RGB(0, 0, 0)) SetPixel(dc, x, y, CurrentColour | kPaletteRelative);
  }
  return CreatePatternBrush(pattern);
}

}  // namespace

HBRUSH MakeFillBrush(int style, COLORREF colour) {
  if (style == 0) return CreateBrushIndirect(LOGBRUSH{BS_HOLLOW, colour, 0});
  if (style >= 2 && style < kFirstPatternStyle) return CreateHatchBrush(kHatchOfStyle[style - 2], colour);
  if (style >= kFirstPatternStyle && style < kFirstGradientStyle) return MakePatternBrush(style);
  // Style 1, and any number that is not a brush style: a solid brush is what every caller can
  // draw with.
  return CreateBrushIndirect(LOGBRUSH{BS_SOLID, colour, 0});
}

// ---- gradients -----------------------------------------------------------------------------------

namespace {

// How the bands of a gradient run: across the width, down the height, or along one of the two
// diagonals (lines sloping down to the left, or up to the left).
enum class BandRun { Across, Down, DiagonalDown, DiagonalUp };

struct GradientStyle {
  bool dark_first;  // the shades go 9 down to 0 when set, 0 up to 9 otherwise
  BandRun run;
};

constexpr std::array<GradientStyle, 8> kGradients = {{
    {true, BandRun::Across},         // 16
    {false, BandRun::Across},        // 17
    {true, BandRun::Down},           // 18
    {false, BandRun::Down},          // 19
    {true, BandRun::DiagonalDown},   // 20
    {false, BandRun::DiagonalUp},    // 21
    {true, BandRun::DiagonalUp},     // 22
    {false, BandRun::DiagonalDown},  // 23
}};

// The start of band k: the band's lines run from here to the start of band k + 1, both
// included, so neighbouring bands share a line and the later band paints it. The step is a
// float; its multiple is taken exactly (5 x 0.7f lies below 3.5 and rounds to 3).
std::int64_t BandStart(int origin, float step, int k) {
  return origin + RoundHalfEven(static_cast<long double>(k) * step);
}

// The part of the region that can show on the DC's surface, as a box; false when none can.
bool VisibleBounds(const HDC& dc, const HRGN& region, RECT* out) {
  BITMAP surface;
  if (GetRgnBox(region, out) == NULLREGION ||
      !GetObject(std::static_pointer_cast<Bitmap>(GetCurrentObject(dc, ObjType::Bitmap)), &surface))
    return false;
  out->left = std::max(out->left, 0);
  out->top = std::max(out->top, 0);
  out->right = std::min(out->right, surface.bmWidth);
  out->bottom = std::min(out->bottom, surface.bmHeight);
  return out->left < out->right && out->top < out->bottom;
}

// The pixels one 2-pixel band line covers, row by row: rows y (from the box's top) with the
// columns from..to relative to the line's start column. The lines of a band are the same line
// moved along the row, so a band paints, on each row, from the first line's span to the last's.
struct LineRowSpan {
  std::int64_t y, from, to;
};

// Draws one line of the run on a scratch surface, as the band would with its 2-pixel pen, and
// reads its rows back. False when the line is too long to be worth a scratch surface.
bool LineFootprint(BandRun run, std::int64_t h, std::vector<LineRowSpan>* rows) {
  constexpr std::int64_t kMaxLength = 4096;
  constexpr int kPad = 4;
  if (h < 0 || h > kMaxLength) return false;
  const int length = static_cast<int>(h);
  const bool slanted = run != BandRun::Across;
  const int width = slanted ? length + 2 * kPad + 1 : 2 * kPad + 1, height = length + 2 * kPad + 1;
  HBITMAP scratch = CreateDIBSection32(width, height);
  if (!scratch) return false;
  scratch->Fill(0);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, scratch);
  SelectObject(dc, CreatePen(PS_SOLID, 2, RGB(255, 255, 255)));
  // The start column of the line in the scratch surface, and where its other end lies.
  const int start = slanted ? length + kPad : kPad;
  switch (run) {
    case BandRun::Across:
      LineSegment(dc, start, kPad, start, kPad + length);
      break;
    case BandRun::DiagonalDown:
      LineSegment(dc, start, kPad, start - length, kPad + length);
      break;
    default:
      LineSegment(dc, start, kPad + length, start - length, kPad);
      break;
  }
  rows->clear();
  for (int y = 0; y < height; ++y) {
    // A slanted line lies near the column that falls one a row; only that stretch is read.
    const int centre = run == BandRun::Across ? start
                       : run == BandRun::DiagonalDown ? start - (y - kPad)
                                                      : start - (kPad + length - y);
    int lo = -1, hi = -1;
    for (int x = std::max(centre - kPad, 0); x <= std::min(centre + kPad, width - 1); ++x)
      if (scratch->At(x, y) != 0) {
        if (lo < 0) lo = x;
        hi = x;
      }
    if (lo >= 0) rows->push_back({y - kPad, lo - start, hi - start});
  }
  return true;
}

}  // namespace

void GradientFillShape(int kind, int x1, int y1, int x2, int y2, int cw, int ch) {
  if (FillStyle < kFirstGradientStyle || FillStyle >= kFirstTextureStyle) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  HRGN region = MakeShapeRegion(kind, x1, y1, x2, y2, cw, ch);
  if (!region) return;
  const GradientStyle& style = kGradients[FillStyle - kFirstGradientStyle];

  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  RECT bounds;
  if (!VisibleBounds(dc, region, &bounds)) return;
  std::array<HPEN, 10> pens;
  for (int k = 0; k < 10; ++k) {
    const int shade = style.dark_first ? 9 - k : k;
    pens[k] = CreatePen(PS_SOLID, 2, PaletteColours[ColourRow * 10 + shade] | kPaletteRelative);
  }
  SelectClipRgn(dc, region);

  const std::int64_t w = std::int64_t{x2} - x1, h = std::int64_t{y2} - y1;
  const long double span = style.run == BandRun::Across ? w : style.run == BandRun::Down ? h : w + h;
  const auto step = static_cast<float>(span * 0.1L);
  // Lines that cannot reach the visible part of the region are left out: the clip would remove
  // them anyway, and this keeps a polygon inside a far larger box, or a box with corners far off
  // the canvas, from drawing millions of invisible lines. The margin covers the 2-pixel pen.
  constexpr int kMargin = 2;
  const std::int64_t left = bounds.left, top = bounds.top, right = bounds.right, bottom = bounds.bottom;
  std::int64_t lowest = left, highest = right;
  if (style.run == BandRun::Down) {
    lowest = top, highest = bottom;
  } else if (style.run == BandRun::DiagonalDown) {
    // The line from (x, y1) down-left to (x - h, y2) meets row py at x - (py - y1).
    lowest = left + (top - y1), highest = right + (bottom - y1);
  } else if (style.run == BandRun::DiagonalUp) {
    // The line from (x, y2) up-left to (x - h, y1) meets row py at x - (y2 - py).
    lowest = left + (y2 - bottom), highest = right + (y2 - top);
  }
  lowest -= kMargin;
  highest += kMargin;

  const int origin = style.run == BandRun::Down ? y1 : x1;
  // The bands of parallel slanted or upright lines are painted a row at a time from the shape
  // of one line; the level ones are cheap lines already.
  std::vector<LineRowSpan> line_rows;
  if (style.run != BandRun::Down && LineFootprint(style.run, h, &line_rows)) {
    for (int k = 0; k < 10; ++k) {
      const std::int64_t first = std::max(BandStart(origin, step, k), lowest);
      const std::int64_t last = std::min(BandStart(origin, step, k + 1), highest);
      if (first > last) continue;
      const int shade = style.dark_first ? 9 - k : k;
      SelectObject(dc, CreateSolidBrush(PaletteColours[ColourRow * 10 + shade] | kPaletteRelative));
      for (const LineRowSpan& row : line_rows) {
        const std::int64_t y = y1 + row.y;
        if (y < top - kMargin || y >= bottom + kMargin) continue;
        const std::int64_t from = std::max(first + row.from, left - kMargin);
        const std::int64_t to = std::min(last + row.to, right + kMargin);
        if (from <= to) PatBlt(dc, ClampToInt(from), ClampToInt(y), ClampToInt(to - from + 1), 1, PATCOPY);
      }
    }
    return;
  }
  for (int k = 0; k < 10; ++k) {
    SelectObject(dc, pens[k]);
    const std::int64_t first = std::max(BandStart(origin, step, k), lowest);
    const std::int64_t last = std::min(BandStart(origin, step, k + 1), highest);
    for (std::int64_t v = first; v <= last; ++v) {
      const int at = ClampToInt(v), far_end = ClampToInt(v - h);
      switch (style.run) {
        case BandRun::Across:
          LineSegment(dc, at, y1, at, y2);
          break;
        case BandRun::Down:
          LineSegment(dc, x1, at, x2, at);
          break;
        case BandRun::DiagonalDown:
          LineSegment(dc, at, y1, far_end, y2);
          break;
        case BandRun::DiagonalUp:
          LineSegment(dc, at, y2, far_end, y1);
          break;
      }
    }
  }
}

// ---- textures ------------------------------------------------------------------------------------

void TextureFillShape(int kind, int x1, int y1, int x2, int y2, int cw, int ch) {
  if (FillStyle < kFirstTextureStyle || FillStyle >= kFillStyleCount) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  HRGN region = MakeShapeRegion(kind, x1, y1, x2, y2, cw, ch);
  if (!region) return;
  // The texture is read before the canvas is taken, so that the message box of a missing file
  // never shows while the canvas's DC is held.
  HBITMAP texture = LoadAssetBitmap("pb" + std::to_string(FillStyle - kFirstTextureStyle + 1) + ".kvr");
  if (!texture) return;

  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  RECT bounds;
  if (!VisibleBounds(dc, region, &bounds)) return;
  SelectClipRgn(dc, region);
  BitmapCanvas tile(texture);
  // Tiles i = 0..cols and j = 0..rows from the box's corner; those wholly outside the visible
  // part of the region are left out, as the clip would remove them.
  const std::int64_t cols = (std::int64_t{x2} - x1) / kTextureTile + 1;
  const std::int64_t rows = (std::int64_t{y2} - y1) / kTextureTile + 1;
  const std::int64_t first_i = std::max<std::int64_t>(0, (std::int64_t{bounds.left} - x1) / kTextureTile);
  const std::int64_t last_i = std::min<std::int64_t>(cols, (std::int64_t{bounds.right} - x1) / kTextureTile);
  const std::int64_t first_j = std::max<std::int64_t>(0, (std::int64_t{bounds.top} - y1) / kTextureTile);
  const std::int64_t last_j = std::min<std::int64_t>(rows, (std::int64_t{bounds.bottom} - y1) / kTextureTile);
  for (std::int64_t j = first_j; j <= last_j; ++j)
    for (std::int64_t i = first_i; i <= last_i; ++i)
      BitBlt(dc, ClampToInt(x1 + kTextureTile * i), ClampToInt(y1 + kTextureTile * j), kTextureTile,
             kTextureTile, tile.dc(), 0, 0, SRCCOPY);
}

}  // namespace pd
