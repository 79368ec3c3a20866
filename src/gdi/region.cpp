// Banded regions: construction from rows, set algebra, clipping and region painting.
// A region's pixels are the half-open spans [x0, x1) of each band's rows [top, bottom), so a
// rectangle region (l, t, r, b) holds columns l..r-1 and rows t..b-1: the right and bottom
// edges are left out, as in GDI.
#include <algorithm>

#include "gdi/raster.h"

namespace gdi {

using Spans = std::vector<std::pair<int, int>>;

RECT Region::Bounds() const {
  if (bands.empty()) return {0, 0, 0, 0};
  RECT r{INT_MAX, bands.front().top, INT_MIN, bands.back().bottom};
  for (const auto& b : bands) {
    r.left = std::min(r.left, b.spans.front().first);
    r.right = std::max(r.right, b.spans.back().second);
  }
  return r;
}

bool Region::Contains(int x, int y) const {
  auto it = std::upper_bound(bands.begin(), bands.end(), y, [](int yy, const Band& b) { return yy < b.bottom; });
  if (it == bands.end() || y < it->top) return false;
  for (const auto& [a, b] : it->spans)
    if (x >= a && x < b) return true;
  return false;
}

int Region::Complexity() const {
  if (bands.empty()) return NULLREGION;
  return bands.size() == 1 && bands[0].spans.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

namespace raster {

void NormaliseBands(Bands& bands) {
  Bands out;
  for (auto& b : bands) {
    if (b.spans.empty() || b.top >= b.bottom) continue;
    if (!out.empty() && out.back().bottom == b.top && out.back().spans == b.spans) {
      out.back().bottom = b.bottom;
    } else {
      out.push_back(std::move(b));
    }
  }
  bands = std::move(out);
}

namespace {

// Sorts and merges overlapping or touching spans.
Spans CleanSpans(Spans s) {
  std::sort(s.begin(), s.end());
  Spans out;
  for (const auto& [a, b] : s) {
    if (a >= b) continue;
    if (!out.empty() && a <= out.back().second) {
      out.back().second = std::max(out.back().second, b);
    } else {
      out.emplace_back(a, b);
    }
  }
  return out;
}

Spans CombineSpans(const Spans& a, const Spans& b, int mode) {
  // Sweep over the span edges counting membership in a and b.
  std::vector<int> xs;
  xs.reserve((a.size() + b.size()) * 2);
  for (const auto& [x0, x1] : a) xs.insert(xs.end(), {x0, x1});
  for (const auto& [x0, x1] : b) xs.insert(xs.end(), {x0, x1});
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  Spans out;
  std::size_t ia = 0, ib = 0;
  for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
    const int x = xs[i];
    while (ia < a.size() && a[ia].second <= x) ++ia;
    while (ib < b.size() && b[ib].second <= x) ++ib;
    const bool in_a = ia < a.size() && a[ia].first <= x;
    const bool in_b = ib < b.size() && b[ib].first <= x;
    bool in = false;
    switch (mode) {
      case RGN_AND: in = in_a && in_b; break;
      case RGN_OR: in = in_a || in_b; break;
      case RGN_XOR: in = in_a != in_b; break;
      case RGN_DIFF: in = in_a && !in_b; break;
      default: in = in_a; break;
    }
    if (!in) continue;
    if (!out.empty() && out.back().second == x) {
      out.back().second = xs[i + 1];
    } else {
      out.emplace_back(x, xs[i + 1]);
    }
  }
  return out;
}

const Spans* SpansAt(const Bands& bands, int y) {
  auto it = std::upper_bound(bands.begin(), bands.end(), y,
                             [](int yy, const Region::Band& b) { return yy < b.bottom; });
  if (it == bands.end() || y < it->top) return nullptr;
  return &it->spans;
}

}  // namespace

Bands CombineBands(const Bands& a, const Bands& b, int mode) {
  std::vector<int> ys;
  for (const auto& band : a) ys.insert(ys.end(), {band.top, band.bottom});
  for (const auto& band : b) ys.insert(ys.end(), {band.top, band.bottom});
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  Bands out;
  static const Spans kNone;
  for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
    const Spans* sa = SpansAt(a, ys[i]);
    const Spans* sb = SpansAt(b, ys[i]);
    Spans s = CombineSpans(sa ? *sa : kNone, sb ? *sb : kNone, mode);
    if (!s.empty()) out.push_back({ys[i], ys[i + 1], std::move(s)});
  }
  NormaliseBands(out);
  return out;
}

}  // namespace raster

raster::Bands raster::BandsFromRows(int y0, std::vector<Spans> rows) {
  Bands bands;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    Spans s = CleanSpans(std::move(rows[i]));
    if (s.empty()) continue;
    const int y = y0 + static_cast<int>(i);
    bands.push_back({y, y + 1, std::move(s)});
  }
  NormaliseBands(bands);
  return bands;
}

HRGN CreateRectRgn(int l, int t, int r, int b) {
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  auto rgn = std::make_shared<Region>();
  if (l < r && t < b) rgn->bands.push_back({t, b, {{l, r}}});
  return rgn;
}

HRGN CreateRectRgnIndirect(const RECT& rc) { return CreateRectRgn(rc.left, rc.top, rc.right, rc.bottom); }

int CombineRgn(const HRGN& dest, const HRGN& a, const HRGN& b, int mode) {
  if (!dest || !a) return RGN_ERROR;
  if (mode == RGN_COPY) {
    if (dest != a) dest->bands = a->bands;
    return dest->Complexity();
  }
  if (!b || mode < RGN_AND || mode > RGN_DIFF) return RGN_ERROR;
  dest->bands = raster::CombineBands(a->bands, b->bands, mode);
  return dest->Complexity();
}

int OffsetRgn(const HRGN& rgn, int dx, int dy) {
  if (!rgn) return RGN_ERROR;
  for (auto& band : rgn->bands) {
    band.top = raster::ClampCoord(static_cast<long long>(band.top) + dy);
    band.bottom = raster::ClampCoord(static_cast<long long>(band.bottom) + dy);
    for (auto& [a, b] : band.spans) {
      a = raster::ClampCoord(static_cast<long long>(a) + dx);
      b = raster::ClampCoord(static_cast<long long>(b) + dx);
    }
    // An offset past the coordinate limit squeezes spans and bands to nothing; drop them so the
    // region stays well formed (and its box and complexity stay true).
    std::erase_if(band.spans, [](const std::pair<int, int>& s) { return s.first >= s.second; });
  }
  raster::NormaliseBands(rgn->bands);
  return rgn->Complexity();
}

bool PtInRegion(const HRGN& rgn, int x, int y) { return rgn && rgn->Contains(x, y); }

int GetRgnBox(const HRGN& rgn, RECT* out) {
  if (!rgn) return RGN_ERROR;
  if (out) *out = rgn->Bounds();
  return rgn->Complexity();
}

bool EqualRgn(const HRGN& a, const HRGN& b) {
  if (!a || !b) return false;
  if (a->bands.size() != b->bands.size()) return false;
  for (std::size_t i = 0; i < a->bands.size(); ++i) {
    const auto& x = a->bands[i];
    const auto& y = b->bands[i];
    if (x.top != y.top || x.bottom != y.bottom || x.spans != y.spans) return false;
  }
  return true;
}

std::vector<RECT> GetRegionRects(const HRGN& rgn) {
  std::vector<RECT> out;
  if (!rgn) return out;
  for (const auto& band : rgn->bands)
    for (const auto& [a, b] : band.spans) out.push_back({a, band.top, b, band.bottom});
  return out;
}

int SelectClipRgn(const HDC& hdc, const HRGN& rgn) {
  if (!hdc) return RGN_ERROR;
  if (!rgn) {
    hdc->clip.reset();
    return SIMPLEREGION;
  }
  auto copy = std::make_shared<Region>();
  copy->bands = rgn->bands;
  hdc->clip = std::move(copy);
  return hdc->clip->Complexity();
}

int IntersectClipRect(const HDC& hdc, int l, int t, int r, int b) {
  if (!hdc) return RGN_ERROR;
  HRGN rect = CreateRectRgn(l, t, r, b);
  if (!hdc->clip) {
    hdc->clip = rect;
  } else {
    auto next = std::make_shared<Region>();
    next->bands = raster::CombineBands(hdc->clip->bands, rect->bands, RGN_AND);
    hdc->clip = std::move(next);
  }
  return hdc->clip->Complexity();
}

bool FillRgn(const HDC& hdc, const HRGN& rgn, const HBRUSH& brush) {
  if (!hdc || !rgn || !brush) return false;
  raster::FillBands(*hdc, rgn->bands, raster::RealizeBrush(*hdc, brush.get()), R2_COPYPEN);
  return true;
}

bool PaintRgn(const HDC& hdc, const HRGN& rgn) {
  if (!hdc || !rgn) return false;
  raster::FillBands(*hdc, rgn->bands, raster::RealizeBrush(*hdc, hdc->brush.get()), hdc->rop2);
  return true;
}

bool InvertRgn(const HDC& hdc, const HRGN& rgn) {
  if (!hdc || !rgn) return false;
  raster::SolidBands(*hdc, rgn->bands, 0, R2_NOT);
  return true;
}

}  // namespace gdi
