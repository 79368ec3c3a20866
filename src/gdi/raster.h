// Inner loops shared by the primitives of the raster layer: clipping, binary raster
// operations, brush realisation and span painting. Entry points clip and dispatch; everything
// that touches pixels goes through the few functions here.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

#include "gdi/gdi.h"

namespace gdi::raster {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// A binary raster operation as one and/xor pair for a given pen pixel P: D' = (D & and) ^ xor.
struct Rop2Masks {
  std::uint32_t and_mask;
  std::uint32_t xor_mask;
  std::uint32_t Apply(std::uint32_t d) const { return ((d & and_mask) ^ xor_mask) & kRgbMask; }
  bool IsNop() const { return and_mask == kRgbMask && xor_mask == 0; }
};
Rop2Masks MakeRop2(int rop2, std::uint32_t pen_pixel);

// The general ternary operation: code is the middle byte of a ROP3 (bit i of it is the result
// for P = i>>2 & 1, S = i>>1 & 1, D = i & 1).
std::uint32_t Rop3(std::uint8_t code, std::uint32_t p, std::uint32_t s, std::uint32_t d);
// Whether a ROP3 code reads the source, the pattern, the destination.
bool Rop3UsesSource(std::uint8_t code);
bool Rop3UsesPattern(std::uint8_t code);

// Reduces a pixel word to what a surface can hold: black or white on a monochrome surface
// (nearest by brightness), unchanged otherwise.
std::uint32_t SurfacePixel(const Bitmap& surface, std::uint32_t pixel);

// A brush made ready for one drawing call on one DC: colours resolved, pattern aligned.
struct BrushPaint {
  enum Kind { kNone, kSolid, kPattern } kind = kNone;
  std::uint32_t solid = 0;
  // For kPattern: 8x8 (or w x h) pixel words, with a per-pixel "paint" flag so that hatch gaps
  // are skipped when the DC is TRANSPARENT.
  int w = 8, h = 8;
  std::vector<std::uint32_t> pixels;
  std::vector<std::uint8_t> paint;
  POINT org{0, 0};
  bool IsNull() const { return kind == kNone; }
};
BrushPaint RealizeBrush(const DC& dc, const Brush* brush);

// Where coordinate v falls in a pattern of period n (> 0) laid from origin: v - origin reduced
// into [0, n), for coordinates before the origin too.
inline int PatternPhase(int v, int origin, int n) {
  return static_cast<int>(((static_cast<long long>(v) - origin) % n + n) % n);
}

namespace detail {

// Limits [x0, x1) on row y to the surface; false when nothing is left.
inline bool OnSurface(const Bitmap& s, int y, int& x0, int& x1) {
  if (y < 0 || y >= s.Height()) return false;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, s.Width());
  return x0 < x1;
}

// Calls f for each part of [x0, x1) on row y (already on the surface) inside the clip region.
template <class F>
void ClipParts(const DC& dc, int y, int x0, int x1, F& f) {
  if (!dc.clip) {
    f(x0, x1);
    return;
  }
  const auto& bands = dc.clip->bands;
  auto it = std::upper_bound(bands.begin(), bands.end(), y,
                             [](int yy, const Region::Band& b) { return yy < b.bottom; });
  if (it == bands.end() || y < it->top) return;
  for (const auto& [a, b] : it->spans) {
    if (b <= x0) continue;
    if (a >= x1) break;
    f(std::max(a, x0), std::min(b, x1));
  }
}

}  // namespace detail

// The clip of a DC in device coordinates: the surface rectangle intersected with the clip
// region. Calls f(x0, x1) for each visible part [x0, x1) of the span [x0, x1) on row y.
// ForEachVisible is for drawing and marks the span as touched; ForEachClipped only looks.
template <class F>
void ForEachVisible(const DC& dc, int y, int x0, int x1, F&& f) {
  if (!detail::OnSurface(*dc.surface, y, x0, x1)) return;
  dc.surface->Touch(x0, x1, y);
  detail::ClipParts(dc, y, x0, x1, f);
}
template <class F>
void ForEachClipped(const DC& dc, int y, int x0, int x1, F&& f) {
  if (detail::OnSurface(*dc.surface, y, x0, x1)) detail::ClipParts(dc, y, x0, x1, f);
}

// Whether (x, y) is on the surface and inside the clip. Reading does not touch the surface.
bool Visible(const DC& dc, int x, int y);

// Paints [x0, x1) of row y with one pixel word through a binary raster operation, clipped.
void SolidSpan(DC& dc, int y, int x0, int x1, std::uint32_t pixel, int rop2);
// Paints [x0, x1) of row y with a realised brush through a binary raster operation, clipped.
void BrushSpan(DC& dc, int y, int x0, int x1, const BrushPaint& brush, int rop2);

// A set of pixels as y-sorted bands of x-sorted spans: a region's form, and what the shape
// rasterisers produce.
using Bands = std::vector<Region::Band>;

// Paints every span of bands (device coordinates) with a realised brush, or with one pixel
// word, through a binary raster operation, clipped. Each pixel once, as the bands are disjoint.
void FillBands(DC& dc, const Bands& bands, const BrushPaint& brush, int rop2);
void SolidBands(DC& dc, const Bands& bands, std::uint32_t pixel, int rop2);

// The index of the palette entry nearest to the colour (r, g, b) by squared RGB distance; the
// first of equally near entries wins. entries must not be empty.
std::size_t NearestEntry(const std::vector<PALETTEENTRY>& entries, int r, int g, int b);

// The pen's colour as a pixel word for this DC.
std::uint32_t PenPixel(const DC& dc);

// Saturating conversions for coordinates that may be far outside the surface.
inline int ClampCoord(long long v) {
  return static_cast<int>(std::clamp<long long>(v, INT_MIN / 4, INT_MAX / 4));
}

// Set algebra on banded regions (used by CombineRgn and by shape rasterisers).
Bands CombineBands(const Bands& a, const Bands& b, int mode);
void NormaliseBands(Bands& bands);  // drops empty bands, merges adjacent bands with equal spans
// Builds normalised bands from one list of spans per row, rows starting at y0. A row's spans may
// be in any order, empty, overlapping or touching.
Bands BandsFromRows(int y0, std::vector<std::vector<std::pair<int, int>>> rows);

}  // namespace gdi::raster
