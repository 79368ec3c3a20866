#include "tools/fills.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>

#include "app/assets.h"
#include "app/canvas.h"
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
// included, so neighbouring bands share a line and the later band paints it.
int BandStart(int origin, float step, int k) {
  return static_cast<int>(origin + RoundHalfEven(static_cast<float>(k) * step));
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
  std::array<HPEN, 10> pens;
  for (int k = 0; k < 10; ++k) {
    const int shade = style.dark_first ? 9 - k : k;
    pens[k] = CreatePen(PS_SOLID, 2, PaletteColours[ColourRow * 10 + shade] | kPaletteRelative);
  }
  SelectClipRgn(dc, region);

  const int w = x2 - x1, h = y2 - y1;
  const long double span = style.run == BandRun::Across ? w
                           : style.run == BandRun::Down ? h
                                                        : std::int64_t{w} + h;
  const auto step = static_cast<float>(span * 0.1L);
  for (int k = 0; k < 10; ++k) {
    SelectObject(dc, pens[k]);
    if (style.run == BandRun::Down) {
      for (int y = BandStart(y1, step, k), last = BandStart(y1, step, k + 1); y <= last; ++y)
        LineSegment(dc, x1, y, x2, y);
      continue;
    }
    for (int x = BandStart(x1, step, k), last = BandStart(x1, step, k + 1); x <= last; ++x) {
      switch (style.run) {
        case BandRun::Across:
          LineSegment(dc, x, y1, x, y2);
          break;
        case BandRun::DiagonalDown:
          LineSegment(dc, x, y1, x - h, y2);
          break;
        case BandRun::DiagonalUp:
          LineSegment(dc, x, y2, x - h, y1);
          break;
        case BandRun::Down:
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
  SelectClipRgn(dc, region);
  BitmapCanvas tile(texture);
  const int cols = (x2 - x1) / kTextureTile + 1, rows = (y2 - y1) / kTextureTile + 1;
  for (int j = 0; j <= rows; ++j)
    for (int i = 0; i <= cols; ++i)
      BitBlt(dc, x1 + kTextureTile * i, y1 + kTextureTile * j, kTextureTile, kTextureTile, tile.dc(), 0, 0,
             SRCCOPY);
}

}  // namespace pd
