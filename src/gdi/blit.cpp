// Pixels and blits: SetPixel, GetPixel, PatBlt, BitBlt, StretchBlt and DrawIcon.
//
// Every blit is one walk over the visible part of its destination rectangle. For each
// destination row the source pixels that row needs are gathered first, already converted to
// the destination's format, and then pattern, source and destination are combined through the
// ternary raster operation: a fast loop for the common codes, the general table for the rest.
//
// Pixel rules, as the platform draws them:
//  * A negative width or height spans the pixels (x + w, x], i.e. x + w + 1 .. x; zero draws
//    nothing. PatBlt and BitBlt just normalise; StretchBlt mirrors when the destination and
//    source extents differ in sign.
//  * Source pixels outside the source surface are not read: the destination pixels that would
//    take them are left as they are (when the operation reads the source at all).
//  * Colour to monochrome: a source pixel equal to the source DC's background colour becomes 1
//    (white), any other 0. Monochrome to colour: 0 bits take the destination DC's text colour,
//    1 bits its background colour.
//  * Source and destination may be the same surface and overlap: the result is as if the whole
//    source rectangle had been read before anything was written.
//  * Stretching, per axis: both extents are walked from their origins, and the longer walk
//    picks the pixel on the shorter one that holds its centre (see Axis for the rule). Shrinking,
//    COLORONCOLOR keeps one source pixel, BLACKONWHITE ANDs all of them together (so black line
//    art survives a thumbnail) and WHITEONBLACK ORs them. HALFTONE is drawn as COLORONCOLOR.
#include <cstring>

#include "gdi/raster.h"

namespace gdi {

namespace {

using raster::BrushPaint;
using raster::kRgbMask;

constexpr std::uint8_t RopCode(DWORD rop) {
  return static_cast<std::uint8_t>((rop >> 16) & 0xFF);
}

// ---- the ternary raster operation over one span -------------------------------------------------

// The pattern for one destination row: a solid pixel, or a row of a realised brush with its
// "paint" flags (a transparent hatch leaves its gaps alone).
struct PatternRow {
  bool solid = true;
  std::uint32_t pixel = 0;
  const std::uint32_t* pixels = nullptr;
  const std::uint8_t* paint = nullptr;
  int w = 1, org_x = 0;
  int Phase(int x) const { return raster::PatternPhase(x, org_x, w); }
};

PatternRow PatternFor(const BrushPaint& bp, int y) {
  PatternRow pr;
  if (bp.kind == BrushPaint::kSolid) {
    pr.pixel = bp.solid;
    return pr;
  }
  if (bp.kind != BrushPaint::kPattern) return pr;
  pr.solid = false;
  const int py = raster::PatternPhase(y, bp.org.y, bp.h);
  pr.pixels = bp.pixels.data() + static_cast<std::size_t>(py) * bp.w;
  pr.paint = bp.paint.data() + static_cast<std::size_t>(py) * bp.w;
  pr.w = bp.w;
  pr.org_x = bp.org.x;
  return pr;
}

// A ternary code widened for bit-parallel evaluation: mask i is all ones where bit i of the
// code is set (i = P * 4 + S * 2 + D).
struct Rop3Masks {
  std::uint32_t m[8];
  explicit Rop3Masks(std::uint8_t code) {
    for (int i = 0; i < 8; ++i) m[i] = (code >> i & 1) ? kRgbMask : 0;
  }
  // Shannon expansion on D, then S, then P: a fixed sequence of and/or/not with no branches,
  // which the compiler can run over whole spans at once.
  std::uint32_t operator()(std::uint32_t p, std::uint32_t s, std::uint32_t d) const {
    const std::uint32_t nd = ~d, ns = ~s;
    const std::uint32_t f0 = (s & ((d & m[3]) | (nd & m[2]))) | (ns & ((d & m[1]) | (nd & m[0])));
    const std::uint32_t f1 = (s & ((d & m[7]) | (nd & m[6]))) | (ns & ((d & m[5]) | (nd & m[4])));
    return (p & f1) | (~p & f0);
  }
};

// Combines the n destination pixels d[0..n) at surface column x0 with the source pixels s[0..n)
// (null when the operation does not read the source) and the pattern. present, when given,
// marks which source pixels exist; the others leave their destination pixel alone.
void RopSpan(std::uint8_t code, std::uint32_t* d, const std::uint32_t* s, const std::uint8_t* present,
             const PatternRow& pat, int x0, int n) {
  if (present && code == 0xCC) {
    // A copy with holes: the pixels without a source keep theirs.
    for (int x = 0; x < n; ++x)
      if (present[x]) d[x] = s[x];
    return;
  }
  if (!present && pat.solid) {
    const std::uint32_t p = pat.pixel;
    switch (code) {
      case 0xCC:
        std::memmove(d, s, sizeof(std::uint32_t) * static_cast<std::size_t>(n));
        return;
      case 0x88:
        for (int x = 0; x < n; ++x) d[x] &= s[x];
        return;
      case 0xEE:
        for (int x = 0; x < n; ++x) d[x] |= s[x];
        return;
      case 0x66:
        for (int x = 0; x < n; ++x) d[x] ^= s[x];
        return;
      case 0x33:
        for (int x = 0; x < n; ++x) d[x] = ~s[x] & kRgbMask;
        return;
      case 0x55:
        for (int x = 0; x < n; ++x) d[x] = ~d[x] & kRgbMask;
        return;
      case 0xF0:
        std::fill(d, d + n, p);
        return;
      case 0x5A:
        for (int x = 0; x < n; ++x) d[x] ^= p;
        return;
      case 0x00:
        std::fill(d, d + n, 0u);
        return;
      case 0xFF:
        std::fill(d, d + n, kRgbMask);
        return;
      default:
        break;
    }
    const Rop3Masks rop(code);
    if (!s) {
      for (int x = 0; x < n; ++x) d[x] = rop(p, 0, d[x]);
    } else {
      for (int x = 0; x < n; ++x) d[x] = rop(p, s[x], d[x]);
    }
    return;
  }
  const Rop3Masks rop(code);
  int phase = pat.solid ? 0 : pat.Phase(x0);
  for (int x = 0; x < n; ++x) {
    std::uint32_t p = pat.pixel;
    bool paint = true;
    if (!pat.solid) {
      p = pat.pixels[phase];
      paint = pat.paint[phase] != 0;
      if (++phase == pat.w) phase = 0;
    }
    if (!paint || (present && !present[x])) continue;
    d[x] = rop(p, s ? s[x] : 0, d[x]);
  }
}

// ---- blit geometry ------------------------------------------------------------------------------

// One axis of a blit. Destination pixels [dst_lo, dst_lo + nd) take source pixels
// [src_lo, src_lo + ns). Each extent is walked from the pixel its origin names, towards its
// sign: dst_rev / src_rev say that the walk runs from the high end down.
//
// Which source pixels a destination pixel takes (the one rule for every ratio, either stretch
// mode, mirrored or not): walk the longer of the two extents one pixel at a time, counting
// from the origins; the position on the shorter extent is the pixel that holds the centre of
// the current pixel, and a centre exactly on a pixel edge belongs to the pixel before it.
//  * Enlarging (nd >= ns): destination pixel i takes source pixel ceil((2i + 1) ns / 2nd) - 1.
//  * Shrinking (nd < ns): source pixel k goes to destination pixel ceil((2k + 1) nd / 2ns) - 1,
//    so destination pixel i gathers the source pixels from round(i ns / nd) (halves up) to
//    just before round((i + 1) ns / nd). COLORONCOLOR keeps the last of them across a row (each
//    overwrites the one before) and the first down a column (the other rows are dropped);
//    BLACKONWHITE ANDs them all, WHITEONBLACK ORs them.
//  * A destination extent of 1 takes a source extent one pixel shorter (at its far end).
// So 24 -> 7 groups the source as 3,4,3,4,3,4,3; 24 -> 23 pairs pixels 11 and 12; 24 -> 1
// keeps column 22; 8 -> 12 repeats source pixels 0, 2, 4 and 6.
struct Axis {
  long long dst_lo = 0, nd = 0, src_lo = 0, ns = 0;
  bool dst_rev = false, src_rev = false;

  // The source pixels [*lo, *hi) that destination pixel d combines. With combine false a
  // shrinking axis keeps one of them: the first of the walk (first_wins) or the last.
  void Range(long long d, bool combine, bool first_wins, long long* lo, long long* hi) const {
    long long i = d - dst_lo;
    if (dst_rev) i = nd - 1 - i;
    long long first, end;  // in steps of the source walk
    if (nd >= ns) {
      // (2i + 1) < 2^32 and ns <= 2^31, so the product stays inside 64 bits.
      first = ((2 * i + 1) * ns - 1) / (2 * nd);
      end = first + 1;
    } else {
      first = (2 * i * ns + nd) / (2 * nd);
      end = (2 * (i + 1) * ns + nd) / (2 * nd);
      if (!combine) {
        if (first_wins)
          end = first + 1;
        else
          first = end - 1;
      }
    }
    if (src_rev) {
      *lo = src_lo + ns - end;
      *hi = src_lo + ns - first;
    } else {
      *lo = src_lo + first;
      *hi = src_lo + end;
    }
  }
  bool Identity() const { return nd == ns && dst_rev == src_rev; }
};

// Normalises one axis of a destination and source extent into an Axis; false when empty.
bool MakeAxis(long long d, long long nd, long long s, long long ns, Axis* out) {
  if (nd == 0 || ns == 0) return false;
  const bool dst_rev = nd < 0, src_rev = ns < 0;
  if (nd < 0) {
    d += nd + 1;
    nd = -nd;
  }
  if (ns < 0) {
    s += ns + 1;
    ns = -ns;
  }
  if (nd == 1 && ns > 1) {
    --ns;
    if (src_rev) ++s;
  }
  *out = {d, nd, s, ns, dst_rev, src_rev};
  return true;
}

// How source pixels become destination pixels.
struct Convert {
  enum Kind { kNone, kMonoToColour, kColourToMono } kind = kNone;
  std::uint32_t zero = 0, one = kRgbMask;  // kMonoToColour: what 0 and 1 bits become
  std::uint32_t bk = 0;                    // kColourToMono: the source pixel that becomes 1
  std::uint32_t operator()(std::uint32_t s) const {
    switch (kind) {
      case kMonoToColour:
        return (s & kRgbMask) ? one : zero;
      case kColourToMono:
        return (s & kRgbMask) == bk ? kRgbMask : 0;
      default:
        return s & kRgbMask;
    }
  }
};

Convert ConversionFor(const DC& dst, const DC& src) {
  Convert c;
  const bool dmono = dst.surface->IsMono(), smono = src.surface->IsMono();
  if (smono && !dmono) {
    c.kind = Convert::kMonoToColour;
    c.zero = ColourToPixel(dst, dst.text_colour);
    c.one = ColourToPixel(dst, dst.bk_colour);
  } else if (!smono && dmono) {
    c.kind = Convert::kColourToMono;
    c.bk = ColourToPixel(src, src.bk_colour);
  }
  return c;
}

// The pixels a blit reads: the source surface itself, or a copy of the part of it that is read
// when it is also the destination.
struct SourcePixels {
  const Bitmap* surface = nullptr;
  std::vector<std::uint32_t> copy;
  long long x0 = 0, y0 = 0, w = 0, h = 0;  // the readable rectangle, in source coordinates
  // The pixel at (x, y), which must be inside the readable rectangle.
  const std::uint32_t* At(long long x, long long y) const {
    if (copy.empty()) return surface->Row(static_cast<int>(y)) + x;
    return copy.data() + static_cast<std::size_t>((y - y0) * w + (x - x0));
  }
};

// The core of BitBlt, StretchBlt and PatBlt. src is null for operations without a source.
// mono_override, when given, replaces the monochrome-to-colour conversion (icons draw their
// masks in black and white whatever the DC's colours).
bool Blit(DC& dst, long long x, long long y, long long w, long long h, const DC* src, long long sx,
          long long sy, long long sw, long long sh, DWORD rop, const Convert* mono_override = nullptr) {
  const std::uint8_t code = RopCode(rop);
  const bool uses_src = raster::Rop3UsesSource(code);
  const bool uses_pat = raster::Rop3UsesPattern(code);
  if (uses_src && !src) return false;
  if (!uses_src) {
    sw = w;
    sh = h;
    sx = x;
    sy = y;
  }
  Axis ax, ay;
  if (!MakeAxis(x, w, sx, sw, &ax) || !MakeAxis(y, h, sy, sh, &ay)) return true;

  BrushPaint brush;
  if (uses_pat) {
    brush = raster::RealizeBrush(dst, dst.brush.get());
    // A pattern operation with the null brush has nothing to paint with.
    if (brush.IsNull()) return true;
  }

  Bitmap& out = *dst.surface;
  // The destination rectangle clipped to the surface; the clip region is applied per row.
  const long long vx0 = std::max<long long>(ax.dst_lo, 0),
                  vx1 = std::min<long long>(ax.dst_lo + ax.nd, out.Width());
  const long long vy0 = std::max<long long>(ay.dst_lo, 0),
                  vy1 = std::min<long long>(ay.dst_lo + ay.nd, out.Height());
  if (vx0 >= vx1 || vy0 >= vy1) return true;
  const int cx0 = static_cast<int>(vx0), cx1 = static_cast<int>(vx1);

  if (!uses_src) {
    for (int yy = static_cast<int>(vy0); yy < vy1; ++yy) {
      const PatternRow pat = PatternFor(brush, yy);
      std::uint32_t* row = out.Row(yy);
      raster::ForEachVisible(dst, yy, cx0, cx1,
                             [&](int a, int b) { RopSpan(code, row + a, nullptr, nullptr, pat, a, b - a); });
    }
    return true;
  }

  const Bitmap& in = *src->surface;
  Convert conv = ConversionFor(dst, *src);
  if (mono_override && in.IsMono() && !out.IsMono()) conv = *mono_override;
  const int mode = dst.stretch_mode;
  const bool combine = mode == BLACKONWHITE || mode == WHITEONBLACK;
  const bool and_combine = mode == BLACKONWHITE;

  // Which source columns each visible destination column reads, clamped to the source surface.
  const std::size_t vw = static_cast<std::size_t>(cx1 - cx0);
  std::vector<int> col_lo(vw), col_hi(vw);
  long long need_x0 = LLONG_MAX, need_x1 = LLONG_MIN;
  for (std::size_t i = 0; i < vw; ++i) {
    long long lo, hi;
    ax.Range(cx0 + static_cast<long long>(i), combine, false, &lo, &hi);
    lo = std::max<long long>(lo, 0);
    hi = std::min<long long>(hi, in.Width());
    if (lo >= hi) lo = hi = 0;
    col_lo[i] = static_cast<int>(lo);
    col_hi[i] = static_cast<int>(hi);
    if (lo < hi) {
      need_x0 = std::min(need_x0, lo);
      need_x1 = std::max(need_x1, hi);
    }
  }
  if (need_x0 >= need_x1) return true;
  long long need_y0, need_y1;
  long long lo1, hi1;
  ay.Range(vy0, combine, true, &need_y0, &need_y1);
  ay.Range(vy1 - 1, combine, true, &lo1, &hi1);
  need_y0 = std::min(need_y0, lo1);
  need_y1 = std::max(need_y1, hi1);
  need_y0 = std::max<long long>(need_y0, 0);
  need_y1 = std::min<long long>(need_y1, in.Height());
  if (need_y0 >= need_y1) return true;

  SourcePixels sp;
  sp.surface = &in;
  if (&in == &out) {
    // Reading and writing the same pixels: take a copy of what will be read first.
    sp.x0 = need_x0;
    sp.y0 = need_y0;
    sp.w = need_x1 - need_x0;
    sp.h = need_y1 - need_y0;
    sp.copy.resize(static_cast<std::size_t>(sp.w * sp.h));
    for (long long r = 0; r < sp.h; ++r)
      std::memcpy(sp.copy.data() + r * sp.w, in.Row(static_cast<int>(need_y0 + r)) + need_x0,
                  sizeof(std::uint32_t) * static_cast<std::size_t>(sp.w));
  }

  const bool straight_x = ax.Identity();
  // Whether every visible column reads at most one source pixel (a copy, a mirror or an
  // enlargement across, or any stretch without combining), and which columns have theirs.
  bool single_cols = true, all_cols = true;
  std::vector<std::uint8_t> col_present(vw);
  for (std::size_t i = 0; i < vw; ++i) {
    single_cols = single_cols && col_hi[i] - col_lo[i] <= 1;
    col_present[i] = col_lo[i] < col_hi[i];
    all_cols = all_cols && col_present[i];
  }
  std::vector<std::uint32_t> sbuf(vw);
  std::vector<std::uint8_t> pbuf(vw);
  for (int yy = static_cast<int>(vy0); yy < vy1; ++yy) {
    long long rlo, rhi;
    ay.Range(yy, combine, true, &rlo, &rhi);
    rlo = std::max<long long>(rlo, 0);
    rhi = std::min<long long>(rhi, in.Height());
    if (rlo >= rhi) continue;
    // Gather the source row: straight rows of a plain copy are read in place.
    const std::uint32_t* s = nullptr;
    const std::uint8_t* present = nullptr;
    bool any = false;
    if (straight_x && rhi - rlo == 1 && conv.kind == Convert::kNone && col_hi.front() - col_lo.front() == 1 &&
        col_hi.back() - col_lo.back() == 1) {
      // Every visible column has its source pixel, in order: read the source row in place.
      s = sp.At(col_lo.front(), rlo);
      any = true;
    } else if (single_cols && rhi - rlo == 1) {
      // One source pixel for each column from one source row: picked without the combining loop.
      const std::uint32_t* srow = sp.At(need_x0, rlo);
      for (std::size_t i = 0; i < vw; ++i)
        if (col_present[i]) sbuf[i] = conv(srow[col_lo[i] - need_x0]);
      s = sbuf.data();
      present = all_cols ? nullptr : col_present.data();
      any = true;
    } else {
      for (std::size_t i = 0; i < vw; ++i) {
        if (col_lo[i] >= col_hi[i]) {
          pbuf[i] = 0;
          continue;
        }
        std::uint32_t acc = and_combine ? kRgbMask : 0;
        bool first = true;
        for (long long r = rlo; r < rhi; ++r) {
          const std::uint32_t* srow = sp.At(col_lo[i], r);
          for (int c = 0; c < col_hi[i] - col_lo[i]; ++c) {
            const std::uint32_t v = srow[c] & kRgbMask;
            if (first) {
              acc = v;
              first = false;
            } else {
              acc = and_combine ? (acc & v) : (acc | v);
            }
          }
        }
        sbuf[i] = conv(acc);
        pbuf[i] = 1;
        any = true;
      }
      s = sbuf.data();
      present = pbuf.data();
      if (std::find(pbuf.begin(), pbuf.end(), 0) == pbuf.end()) present = nullptr;
    }
    if (!any) continue;
    const PatternRow pat = PatternFor(brush, yy);
    std::uint32_t* row = out.Row(yy);
    raster::ForEachVisible(dst, yy, cx0, cx1, [&](int a, int b) {
      RopSpan(code, row + a, s + (a - cx0), present ? present + (a - cx0) : nullptr, pat, a, b - a);
    });
  }
  return true;
}

}  // namespace

COLORREF SetPixel(const HDC& hdc, int x, int y, COLORREF colour) {
  if (!hdc || !raster::Visible(*hdc, x, y)) return CLR_INVALID;
  const std::uint32_t px = ColourToPixel(*hdc, colour);
  hdc->surface->Touch(x, x + 1, y);
  hdc->surface->At(x, y) = px;
  return ColorrefFromPixel(px);
}

bool SetPixelV(const HDC& hdc, int x, int y, COLORREF colour) {
  return SetPixel(hdc, x, y, colour) != CLR_INVALID;
}

COLORREF GetPixel(const HDC& hdc, int x, int y) {
  if (!hdc || !raster::Visible(*hdc, x, y)) return CLR_INVALID;
  return ColorrefFromPixel(hdc->surface->At(x, y));
}

bool PatBlt(const HDC& hdc, int x, int y, int w, int h, DWORD rop) {
  if (!hdc) return false;
  // PatBlt has no source: operations that read one are refused.
  if (raster::Rop3UsesSource(RopCode(rop))) return false;
  return Blit(*hdc, x, y, w, h, nullptr, 0, 0, 0, 0, rop);
}

bool BitBlt(const HDC& dst, int x, int y, int w, int h, const HDC& src, int sx, int sy, DWORD rop) {
  if (!dst) return false;
  // A negative extent flips the destination and the source alike, so nothing is mirrored.
  return Blit(*dst, x, y, w, h, src.get(), sx, sy, w, h, rop);
}

bool StretchBlt(const HDC& dst, int x, int y, int w, int h, const HDC& src, int sx, int sy, int sw, int sh,
                DWORD rop) {
  if (!dst) return false;
  return Blit(*dst, x, y, w, h, src.get(), sx, sy, sw, sh, rop);
}

bool DrawIcon(const HDC& hdc, int x, int y, const HICON& icon) {
  if (!hdc || !icon || !icon->mask || !icon->image) return false;
  // The mask clears the pixels the icon covers (AND), the image then paints them (XOR); where
  // the mask is 1 the image inverts the screen. Masks are black and white by definition, so
  // their bits are not recoloured by the DC's text and background colours.
  Convert bw;
  bw.kind = Convert::kMonoToColour;
  bw.zero = 0;
  bw.one = kRgbMask;
  DC mask_dc(icon->mask, true);
  DC image_dc(icon->image, true);
  const int w = icon->mask->Width(), h = std::min(icon->mask->Height(), icon->image->Height());
  Blit(*hdc, x, y, w, h, &mask_dc, 0, 0, w, h, SRCAND, &bw);
  Blit(*hdc, x, y, std::min(w, icon->image->Width()), h, &image_dc, 0, 0, std::min(w, icon->image->Width()),
       h, SRCINVERT, &bw);
  return true;
}

}  // namespace gdi
