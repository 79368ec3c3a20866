// Regions with rounded corners: CreateEllipticRgn and CreateRoundRectRgn.
//
// These shapes are not the ones Ellipse and RoundRect draw for the same box. The region covers
// columns l..r-2 and rows t..b-2: one pixel less on the right and at the bottom than the box, on
// top of the usual half-open edges. Its corners are the quarters of an ellipse as large as the
// corner size (at most the region), traced row by row from the middle with an integer error walk
// (TraceCornerInsets); the ellipse's middle row is stretched over the straight sides. Corners
// under two pixels leave a rectangle.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "gdi/polyfill.h"

namespace gdi {

namespace poly {

namespace {

__extension__ typedef __int128 Int128;

// The largest X >= 0 with A * X^2 < C, or -1 when there is none (A > 0).
long long MaxBelow(Int128 a_coef, Int128 c) {
  if (c <= 0) return -1;
  long long x =
      static_cast<long long>(std::sqrt(static_cast<long double>(c) / static_cast<long double>(a_coef)));
  while (a_coef * (static_cast<Int128>(x) + 1) * (x + 1) < c) ++x;
  while (x >= 0 && a_coef * static_cast<Int128>(x) * x >= c) --x;
  return x;
}

// Ellipses whose half-axes add up to at most this are traced pixel by pixel; larger ones are
// evaluated row by row from the same midpoint conditions, so only the rows asked for cost time.
constexpr long long kTraceLimit = 1 << 20;

// The midpoint trace from the top of the ellipse (0, b) clockwise to the centre row. While the
// curve is flat (b^2 (x + 1) < a^2 (y - 1/2)) each step moves one column right and drops a row
// when the midpoint (x + 1, y - 1/2) is outside; after that each step drops one row and moves
// one column right when the midpoint (x + 1/2, y - 1) is inside. A row's extent is the largest
// column the trace visits on it. Sums are scaled by 4 to stay in integers.
std::vector<int> TraceExtents(long long a, long long b) {
  std::vector<int> ext(static_cast<std::size_t>(b) + 1, 0);
  const Int128 a2 = static_cast<Int128>(a) * a, b2 = static_cast<Int128>(b) * b;
  const Int128 ab4 = 4 * a2 * b2;
  long long x = 0, y = b;
  while (2 * b2 * (x + 1) < a2 * (2 * y - 1)) {
    ext[y] = std::max<int>(ext[y], static_cast<int>(x));
    const Int128 mid = 4 * b2 * (x + 1) * (x + 1) + a2 * (2 * y - 1) * (2 * y - 1) - ab4;
    ++x;
    if (mid >= 0) --y;
  }
  while (y >= 0) {
    ext[y] = std::max<int>(ext[y], static_cast<int>(x));
    const Int128 mid = b2 * (2 * x + 1) * (2 * x + 1) + 4 * a2 * (y - 1) * (y - 1) - ab4;
    if (mid < 0) ++x;
    --y;
  }
  return ext;
}

// The same extents evaluated per row for huge ellipses. The flat part's rows take the largest
// column whose midpoint above the row is inside; the steep part's rows the largest column whose
// left midpoint is inside, never less than where the flat part ended. This is the trace's
// geometry without its step-by-step lag, which only matters to within a pixel on a few rows.
int RowExtent(long long a, long long b, long long d, long long x_switch, long long y_switch) {
  const Int128 a2 = static_cast<Int128>(a) * a, b2 = static_cast<Int128>(b) * b;
  if (d > y_switch) return static_cast<int>(MaxBelow(4 * b2, 4 * a2 * b2 - a2 * (2 * d - 1) * (2 * d - 1)));
  if (d == y_switch) return static_cast<int>(x_switch);
  const long long m = MaxBelow(b2, 4 * a2 * (b2 - static_cast<Int128>(d) * d));
  return static_cast<int>(std::min(a, std::max(x_switch, (m + 1) / 2)));
}

}  // namespace

std::vector<int> CornerExtents(int a_in, int b_in, int d0, int d1) {
  const long long a = std::max(a_in, 0), b = std::max(b_in, 0);
  d0 = std::max(d0, 0);
  d1 = static_cast<int>(std::min<long long>(d1, b + 1));
  std::vector<int> out(static_cast<std::size_t>(std::max(d1 - d0, 0)), 0);
  if (out.empty() || a == 0) return out;  // a one-column ellipse has no width to give
  if (a + b <= kTraceLimit) {
    std::vector<int> ext = TraceExtents(a, b);
    ext[0] = static_cast<int>(a);
    std::copy(ext.begin() + d0, ext.begin() + d1, out.begin());
    return out;
  }
  // Where the trace leaves the flat part: the first column X whose row y_X (the row whose
  // midpoint band holds the curve) fails the flatness test. The test only gets harder to pass
  // going right, so a binary search finds it.
  const Int128 a2 = static_cast<Int128>(a) * a, b2 = static_cast<Int128>(b) * b;
  auto row_of = [&](long long x) {
    const long long k =
        MaxBelow(a2, 4 * b2 * (a2 - static_cast<Int128>(x) * x)) + 1;  // least k, a^2 k^2 >= C
    const long long odd = (k % 2 == 0) ? k + 1 : k;
    return (odd - 1) / 2;
  };
  long long lo = 0, hi = a;
  while (lo < hi) {
    const long long mid = lo + (hi - lo) / 2;
    if (2 * b2 * (mid + 1) >= a2 * (2 * row_of(mid) - 1)) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  const long long x_switch = lo, y_switch = row_of(lo);
  for (int d = d0; d < d1; ++d)
    out[d - d0] = d == 0 ? static_cast<int>(a) : RowExtent(a, b, d, x_switch, y_switch);
  return out;
}

namespace {

// Appends row y's span [left, right) to bands built top-down, growing the last band when the
// row repeats it.
void AppendRow(raster::Bands& out, long long y, long long left, long long right) {
  if (left >= right) return;
  const std::pair<int, int> span{static_cast<int>(left), static_cast<int>(right)};
  if (!out.empty() && out.back().bottom == y && out.back().spans.front() == span) {
    ++out.back().bottom;
  } else {
    out.push_back({static_cast<int>(y), static_cast<int>(y) + 1, {span}});
  }
}

// How far each row of an ew x eh corner ellipse is cut in from the sides, traced with an
// integer error walk from the centre row down to the bottom: inset[k] for the rows k = eh / 2
// .. eh - 1 of the ellipse. Rows the walk leaves before it reaches them (very flat ellipses)
// keep -1: they are empty. The upper half mirrors the lower: row k takes inset[eh - 1 - k].
std::vector<long long> TraceCornerInsets(long long ew, long long eh) {
  std::vector<long long> inset(static_cast<std::size_t>(eh) + 1, -1);
  const Int128 a = ew - 1, b = eh - 1;
  const Int128 asq = 8 * a * a, bsq = 8 * b * b;
  Int128 dx = 4 * b * b * (1 - a), dy = 4 * a * a * (1 + b % 2);
  Int128 err = dx + dy + a * a * (b % 2);
  long long x = 0, y = eh / 2;
  inset[static_cast<std::size_t>(y)] = 0;
  while (x <= ew / 2) {
    const Int128 e2 = 2 * err;
    if (e2 >= dx) {
      ++x;
      dx += bsq;
      err += dx;
    }
    if (e2 <= dy) {
      ++y;
      dy += asq;
      err += dy;
      if (y <= eh) inset[static_cast<std::size_t>(y)] = x;
    }
  }
  return inset;
}

// CreateRoundRectRgn for corners of ordinary size: the region covers l..r-2 x t..b-2 and its
// corners are the quarters of an ew x eh ellipse (the corner size, at most the region's),
// whose middle row is stretched over the straight sides.
raster::Bands TracedRoundRect(long long l, long long t, long long right, long long bottom, long long ew,
                              long long eh, int y0, int y1, int x0, int x1) {
  raster::Bands out;
  const std::vector<long long> inset = TraceCornerInsets(ew, eh);
  const long long half = eh / 2, straight_end = bottom - eh + half + 1;  // rows t + half .. straight_end - 1
  const long long row0 = std::max<long long>(t, y0), row1 = std::min<long long>(bottom, y1);
  for (long long y = row0; y < row1; ++y) {
    long long k;  // the ellipse row this region row takes
    if (y < t + half) {
      k = eh - 1 - (y - t);
    } else if (y < straight_end) {
      k = half;
    } else {
      k = y - (bottom - eh);
    }
    const long long in = inset[static_cast<std::size_t>(k)];
    if (in < 0) continue;
    AppendRow(out, y, std::max<long long>(l + in, x0), std::min<long long>(right - in, x1));
  }
  raster::NormaliseBands(out);
  return out;
}

}  // namespace

raster::Bands RoundRectBands(int l_in, int t_in, int r_in, int b_in, long long w, long long h, int y0, int y1,
                             int x0, int x1) {
  long long l = raster::ClampCoord(l_in), t = raster::ClampCoord(t_in);
  long long r = raster::ClampCoord(r_in), b = raster::ClampCoord(b_in);
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  const long long width = r - l - 1, height = b - t - 1;  // pixels covered
  raster::Bands out;
  if (width <= 0 || height <= 0) return out;
  // The corner ellipse is w x h pixels, no larger than the region.
  const long long corner_w = std::min(std::llabs(w), width), corner_h = std::min(std::llabs(h), height);
  if (corner_w < 2 || corner_h < 2) {
    for (long long y = std::max<long long>(t, y0); y < std::min<long long>(t + height, y1); ++y)
      AppendRow(out, y, std::max<long long>(l, x0), std::min<long long>(l + width, x1));
    raster::NormaliseBands(out);
    return out;
  }
  if (corner_w / 2 + corner_h <= kTraceLimit)
    return TracedRoundRect(l, t, l + width, t + height, corner_w, corner_h, y0, y1, x0, x1);
  // Huge corners are evaluated row by row with the midpoint rule on an odd-sized ellipse whose
  // centre row and column are repeated to fill an even size and stretched over the straight
  // sides: the same curve to within a pixel, at the cost of the rows asked for only.
  const long long a = (corner_w - 1) / 2, bb = (corner_h - 1) / 2;
  const long long row0 = std::max<long long>(t, y0), row1 = std::min<long long>(t + height, y1);
  if (row0 >= row1) return out;
  // The distance from the centre row each visible row's corner uses; 0 on the straight sides.
  auto corner_row = [&](long long y) -> long long {
    const long long i = y - t;
    if (i < bb) return bb - i;
    if (i >= height - bb) return bb - (height - 1 - i);
    return 0;
  };
  long long dmin = bb, dmax = 0;
  for (long long y : {row0, row1 - 1, std::min(row1 - 1, std::max(row0, t + bb)),
                      std::min(row1 - 1, std::max(row0, t + height - bb - 1))}) {
    dmin = std::min(dmin, corner_row(y));
    dmax = std::max(dmax, corner_row(y));
  }
  const std::vector<int> ext = CornerExtents(static_cast<int>(a), static_cast<int>(bb),
                                             static_cast<int>(dmin), static_cast<int>(dmax) + 1);
  for (long long y = row0; y < row1; ++y) {
    const long long inset = a - ext[corner_row(y) - dmin];
    AppendRow(out, y, std::max<long long>(l + inset, x0), std::min<long long>(l + width - inset, x1));
  }
  raster::NormaliseBands(out);
  return out;
}

}  // namespace poly

HRGN CreateRoundRectRgn(int l, int t, int r, int b, int w, int h) {
  auto rgn = std::make_shared<Region>();
  rgn->bands = poly::RoundRectBands(l, t, r, b, w, h, -poly::kRegionLimit, poly::kRegionLimit,
                                    -poly::kRegionLimit, poly::kRegionLimit);
  return rgn;
}

HRGN CreateEllipticRgn(int l, int t, int r, int b) {
  // An elliptic region is the round rectangle whose corner ellipse is the whole box.
  const long long w = static_cast<long long>(r) - l, h = static_cast<long long>(b) - t;
  auto rgn = std::make_shared<Region>();
  rgn->bands = poly::RoundRectBands(l, t, r, b, w, h, -poly::kRegionLimit, poly::kRegionLimit,
                                    -poly::kRegionLimit, poly::kRegionLimit);
  return rgn;
}

}  // namespace gdi
