// Raster operations, brush realisation and span painting.
#include "gdi/raster.h"

namespace gdi::raster {

namespace {

// The binary raster operation as a function of pen and destination words.
std::uint32_t Rop2Eval(int rop2, std::uint32_t p, std::uint32_t d) {
  switch (rop2) {
    case R2_BLACK: return 0;
    case R2_NOTMERGEPEN: return ~(p | d);
    case R2_MASKNOTPEN: return ~p & d;
    case R2_NOTCOPYPEN: return ~p;
    case R2_MASKPENNOT: return p & ~d;
    case R2_NOT: return ~d;
    case R2_XORPEN: return p ^ d;
    case R2_NOTMASKPEN: return ~(p & d);
    case R2_MASKPEN: return p & d;
    case R2_NOTXORPEN: return ~(p ^ d);
    case R2_NOP: return d;
    case R2_MERGENOTPEN: return ~p | d;
    case R2_COPYPEN: return p;
    case R2_MERGEPENNOT: return p | ~d;
    case R2_MERGEPEN: return p | d;
    case R2_WHITE: return ~0u;
    default: return p;
  }
}

}  // namespace

Rop2Masks MakeRop2(int rop2, std::uint32_t pen_pixel) {
  // Every binary operation is, bit by bit, D' = (D & A) ^ X with X = f(P, 0) and
  // A = f(P, 1) ^ f(P, 0); evaluating f on all-zero and all-one destinations gives both masks.
  const std::uint32_t x = Rop2Eval(rop2, pen_pixel, 0) & kRgbMask;
  const std::uint32_t a = (Rop2Eval(rop2, pen_pixel, kRgbMask) & kRgbMask) ^ x;
  return {a, x};
}

std::uint32_t Rop3(std::uint8_t code, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
  switch (code) {
    case 0xCC: return s;
    case 0x88: return s & d;
    case 0xEE: return s | d;
    case 0x66: return s ^ d;
    case 0x55: return ~d & kRgbMask;
    case 0xF0: return p;
    case 0x5A: return p ^ d;
    case 0x00: return 0;
    case 0xFF: return kRgbMask;
    default: break;
  }
  std::uint32_t out = 0;
  for (int i = 0; i < 8; ++i) {
    if (!(code & (1 << i))) continue;
    out |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return out & kRgbMask;
}

bool Rop3UsesSource(std::uint8_t code) { return ((code >> 2) & 0x33) != (code & 0x33); }
bool Rop3UsesPattern(std::uint8_t code) { return ((code >> 4) & 0x0F) != (code & 0x0F); }

std::uint32_t SurfacePixel(const Bitmap& surface, std::uint32_t pixel) {
  pixel &= kRgbMask;
  if (!surface.IsMono()) return pixel;
  // Nearest of black and white: the sum of the channels against half of white.
  const int sum = static_cast<int>((pixel >> 16) & 0xFF) + static_cast<int>((pixel >> 8) & 0xFF) +
                  static_cast<int>(pixel & 0xFF);
  return sum >= 383 ? kRgbMask : 0;
}

namespace {

// The six hatch patterns, top row first, bit 7 = leftmost pixel; a set bit is a line pixel.
// Relative to the brush origin, horizontal lines run along row 3 and vertical lines down
// column 4; the forward diagonal passes through (0,0) and the backward one through (7,0).
constexpr std::uint8_t kHatch[6][8] = {
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},  // HS_HORIZONTAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // HS_VERTICAL
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // HS_FDIAGONAL
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // HS_BDIAGONAL
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},  // HS_CROSS
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // HS_DIAGCROSS
};

}  // namespace

BrushPaint RealizeBrush(const DC& dc, const Brush* brush) {
  BrushPaint bp;
  bp.org = dc.brush_org;
  if (!brush || brush->style == BS_NULL) return bp;
  if (brush->style == BS_SOLID) {
    bp.kind = BrushPaint::kSolid;
    bp.solid = ColourToPixel(dc, brush->colour);
    return bp;
  }
  bp.kind = BrushPaint::kPattern;
  if (brush->style == BS_HATCHED) {
    bp.w = bp.h = 8;
    bp.pixels.resize(64);
    bp.paint.resize(64);
    const std::uint32_t fg = ColourToPixel(dc, brush->colour);
    const std::uint32_t bg = ColourToPixel(dc, dc.bk_colour);
    const bool opaque = dc.bk_mode == OPAQUE;
    const int h = std::clamp(brush->hatch, 0, 5);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) {
        const bool line = kHatch[h][y] & (0x80 >> x);
        bp.pixels[y * 8 + x] = line ? fg : bg;
        bp.paint[y * 8 + x] = line || opaque;
      }
    return bp;
  }
  // BS_PATTERN: a colour pattern keeps its colours; a monochrome one paints 0 bits in the text
  // colour and 1 bits in the background colour, whatever the background mode.
  bp.w = std::max(brush->pattern_w, 1);
  bp.h = std::max(brush->pattern_h, 1);
  bp.pixels.resize(static_cast<std::size_t>(bp.w) * bp.h);
  bp.paint.assign(bp.pixels.size(), 1);
  const std::uint32_t fg = ColourToPixel(dc, dc.text_colour);
  const std::uint32_t bg = ColourToPixel(dc, dc.bk_colour);
  for (std::size_t i = 0; i < bp.pixels.size(); ++i) {
    const std::uint32_t src = i < brush->pattern.size() ? brush->pattern[i] : 0;
    bp.pixels[i] = brush->pattern_mono ? (src ? bg : fg) : SurfacePixel(*dc.surface, src);
  }
  return bp;
}

bool Visible(const DC& dc, int x, int y) {
  const Bitmap& s = *dc.surface;
  return x >= 0 && y >= 0 && x < s.Width() && y < s.Height() && (!dc.clip || dc.clip->Contains(x, y));
}

std::size_t NearestEntry(const std::vector<PALETTEENTRY>& entries, int r, int g, int b) {
  std::size_t best = 0;
  int best_d = INT_MAX;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const PALETTEENTRY& e = entries[i];
    const int dr = e.peRed - r, dg = e.peGreen - g, db = e.peBlue - b;
    const int d = dr * dr + dg * dg + db * db;
    if (d < best_d) {  // the first of equally near entries wins
      best_d = d;
      best = i;
    }
  }
  return best;
}

std::uint32_t PenPixel(const DC& dc) { return ColourToPixel(dc, dc.pen->colour); }

void SolidSpan(DC& dc, int y, int x0, int x1, std::uint32_t pixel, int rop2) {
  const Rop2Masks m = MakeRop2(rop2, pixel);
  if (m.IsNop()) return;
  const bool mono = dc.surface->IsMono();
  std::uint32_t* row = nullptr;
  ForEachVisible(dc, y, x0, x1, [&](int a, int b) {
    if (!row) row = dc.surface->Row(y);
    if (m.and_mask == 0) {
      std::fill(row + a, row + b, m.xor_mask);
    } else {
      for (int x = a; x < b; ++x) row[x] = m.Apply(row[x]);
    }
    if (mono)
      for (int x = a; x < b; ++x) row[x] = SurfacePixel(*dc.surface, row[x]);
  });
}

void BrushSpan(DC& dc, int y, int x0, int x1, const BrushPaint& brush, int rop2) {
  if (brush.kind == BrushPaint::kNone) return;
  if (brush.kind == BrushPaint::kSolid) {
    SolidSpan(dc, y, x0, x1, brush.solid, rop2);
    return;
  }
  const int py = PatternPhase(y, brush.org.y, brush.h);
  const std::uint32_t* prow = brush.pixels.data() + static_cast<std::size_t>(py) * brush.w;
  const std::uint8_t* paint = brush.paint.data() + static_cast<std::size_t>(py) * brush.w;
  const bool mono = dc.surface->IsMono();
  if (rop2 == R2_COPYPEN) {
    // A transparent hatch paints few pixels of a row, often none: those rows are left alone and
    // the others visit only the columns of their painted phases.
    int painted = 0;
    for (int i = 0; i < brush.w; ++i) painted += paint[i] != 0;
    if (painted == 0) return;
    ForEachVisible(dc, y, x0, x1, [&](int a, int b) {
      std::uint32_t* row = dc.surface->Row(y);
      const int first = PatternPhase(a, brush.org.x, brush.w);
      if (painted < brush.w) {
        for (int i = 0; i < brush.w; ++i) {
          if (!paint[i]) continue;
          for (int x = a + (i - first + brush.w) % brush.w; x < b; x += brush.w) row[x] = prow[i];
        }
        return;
      }
      int px = first;
      for (int x = a; x < b; ++x) {
        row[x] = prow[px];
        if (++px == brush.w) px = 0;
      }
    });
    return;  // the pattern's pixels are already reduced to what the surface holds
  }
  // The raster operation for each pixel of this pattern row, worked out once per span; a
  // skipped pixel (a transparent hatch gap) becomes the operation that keeps the destination.
  constexpr int kSmall = 16;
  Rop2Masks small[kSmall];
  std::vector<Rop2Masks> large;
  Rop2Masks* ops = small;
  if (brush.w > kSmall) {
    large.resize(static_cast<std::size_t>(brush.w));
    ops = large.data();
  }
  for (int i = 0; i < brush.w; ++i) ops[i] = paint[i] ? MakeRop2(rop2, prow[i]) : Rop2Masks{kRgbMask, 0};
  ForEachVisible(dc, y, x0, x1, [&](int a, int b) {
    std::uint32_t* row = dc.surface->Row(y);
    int px = PatternPhase(a, brush.org.x, brush.w);
    for (int x = a; x < b; ++x) {
      row[x] = ops[px].Apply(row[x]);
      if (++px == brush.w) px = 0;
    }
    if (mono)
      for (int x = a; x < b; ++x) row[x] = SurfacePixel(*dc.surface, row[x]);
  });
}

void FillBands(DC& dc, const Bands& bands, const BrushPaint& brush, int rop2) {
  for (const auto& band : bands)
    for (int y = std::max(band.top, 0); y < std::min(band.bottom, dc.surface->Height()); ++y)
      for (const auto& [a, b] : band.spans) BrushSpan(dc, y, a, b, brush, rop2);
}

void SolidBands(DC& dc, const Bands& bands, std::uint32_t pixel, int rop2) {
  for (const auto& band : bands)
    for (int y = std::max(band.top, 0); y < std::min(band.bottom, dc.surface->Height()); ++y)
      for (const auto& [a, b] : band.spans) SolidSpan(dc, y, a, b, pixel, rop2);
}

}  // namespace gdi::raster
