// Lines and pens: cosmetic, styled and wide lines, polylines, and the stroking that shapes use
// for their outlines (see pen.h for the pixel rules in brief).
//
// One-pixel lines follow the grid-intersection rule: a line lights one pixel per column when it
// is more horizontal than vertical (one per row otherwise), the pixel whose centre is nearest to
// the ideal line. When the ideal line passes exactly half-way between two pixels, the upper one
// (for mostly horizontal lines) or the left one (for mostly vertical lines) is lit, whichever way
// the line is drawn; so A->B and B->A light the same pixels apart from the left-out end point.
//
// A wide pen of width w strokes each segment as a quadrilateral: the segment moved sideways by
// half the width each way, each corner rounded to the nearest pixel corner (halves rounded up),
// filled like a polygon (a pixel is in when its centre is inside; centres on a left or top edge
// are in, on a right or bottom edge out). Round ends and joins are filled circles of diameter w
// covering the box [c - w/2, c - w/2 + w) around the point c in both directions, the same pixels
// a filled Ellipse over that box covers. All pieces of one call are united before painting.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "gdi/pen.h"
#include "gdi/raster.h"

namespace gdi {
namespace pen {

namespace {

using i64 = long long;
__extension__ typedef __int128 i128;

i64 FloorDiv(i128 a, i64 b) {  // b > 0
  // Most dividends fit 64 bits, whose division is many times cheaper than the 128-bit one.
  if (a >= INT64_MIN && a <= INT64_MAX) {
    const i64 a64 = static_cast<i64>(a);
    i64 q = a64 / b;
    if (a64 % b != 0 && a64 < 0) --q;
    return q;
  }
  i128 q = a / b;
  if (a % b != 0 && a < 0) --q;
  return static_cast<i64>(q);
}
i64 CeilDiv(i128 a, i64 b) {
  return -FloorDiv(-a, b);
}

// ---- span sets -------------------------------------------------------------------------------

struct RowSpan {
  int y, x0, x1;
};

// Collects the row spans of a stroke inside a box and unites them, so a stroke built from
// several pieces (bodies, caps, joins) paints each pixel once.
class SpanCollector {
 public:
  explicit SpanCollector(const RECT& box) : box_(box) {}
  const RECT& Box() const { return box_; }
  void Reserve(std::size_t n) { spans_.reserve(n); }
  void Add(i64 y, i64 x0, i64 x1) {
    if (y < box_.top || y >= box_.bottom) return;
    x0 = std::max<i64>(x0, box_.left);
    x1 = std::min<i64>(x1, box_.right);
    if (x0 < x1) spans_.push_back({static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1)});
  }
  // The spans sorted by row and x, overlapping or touching spans merged. (Spans starting at the
  // same x merge to the same span in any order, so only the order by row and x matters.)
  std::vector<RowSpan> Merged() {
    const auto by_x = [](const RowSpan& a, const RowSpan& b) { return a.x0 < b.x0; };
    const i64 rows = static_cast<i64>(box_.bottom) - box_.top;
    // A short stroke's few spans are sorted in place; sorting into rows pays only for many.
    constexpr std::size_t kManySpans = 256;
    if (spans_.size() < kManySpans || rows <= 0 || static_cast<std::size_t>(rows) > 4 * spans_.size()) {
      std::sort(spans_.begin(), spans_.end(),
                [](const RowSpan& a, const RowSpan& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
    } else {
      // A long stroke (an ellipse's outline) has many spans on few rows each: put them into
      // their rows first and sort each row's handful by x.
      std::vector<int> first(static_cast<std::size_t>(rows) + 1, 0);
      for (const RowSpan& s : spans_) ++first[static_cast<std::size_t>(s.y - box_.top) + 1];
      for (std::size_t r = 1; r < first.size(); ++r) first[r] += first[r - 1];
      std::vector<int> next(first.begin(), first.end() - 1);
      std::vector<RowSpan> sorted(spans_.size());
      for (const RowSpan& s : spans_)
        sorted[static_cast<std::size_t>(next[static_cast<std::size_t>(s.y - box_.top)]++)] = s;
      for (std::size_t r = 0; r + 1 < first.size(); ++r) {
        RowSpan* const row = sorted.data() + first[r];
        const int count = first[r + 1] - first[r];
        if (count > 16) {
          std::sort(row, row + count, by_x);
          continue;
        }
        for (int i = 1; i < count; ++i)  // a handful: insertion sort
          for (int j = i; j > 0 && row[j].x0 < row[j - 1].x0; --j) std::swap(row[j], row[j - 1]);
      }
      spans_.swap(sorted);
    }
    // Merged in place: the kept spans never overtake the ones still to be read.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < spans_.size(); ++i) {
      const RowSpan s = spans_[i];
      if (kept > 0 && spans_[kept - 1].y == s.y && s.x0 <= spans_[kept - 1].x1) {
        spans_[kept - 1].x1 = std::max(spans_[kept - 1].x1, s.x1);
      } else {
        spans_[kept++] = s;
      }
    }
    spans_.resize(kept);
    return std::move(spans_);
  }

 private:
  RECT box_;
  std::vector<RowSpan> spans_;
};

raster::Bands BandsFromSpans(const std::vector<RowSpan>& spans) {
  raster::Bands bands;
  for (const RowSpan& s : spans) {
    if (bands.empty() || bands.back().top != s.y) bands.push_back({s.y, s.y + 1, {}});
    bands.back().spans.emplace_back(s.x0, s.x1);
  }
  raster::NormaliseBands(bands);
  return bands;
}

RECT Intersect(const RECT& a, const RECT& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}
bool IsEmpty(const RECT& r) {
  return r.left >= r.right || r.top >= r.bottom;
}

// ---- one-pixel lines -------------------------------------------------------------------------

// Walks the one-pixel line a->b (b left out), calling f(x, y, k) for the pixels inside box, where
// k is the pixel's step number from a (so styles stay in phase however the line is clipped).
// Mostly horizontal lines take one step per column: the pixel of step k is
// (a.x + sx*k, a.y + ceil((2*k*dy - n) / 2n)) with n = |dx|, which rounds exact halves up the
// surface; mostly vertical lines are the same with x and y exchanged.
template <class F>
void WalkLine(POINT a, POINT b, const RECT& box, F&& f) {
  if (IsEmpty(box)) return;
  const i64 dx = static_cast<i64>(b.x) - a.x, dy = static_cast<i64>(b.y) - a.y;
  const bool xmajor = std::llabs(dx) >= std::llabs(dy);
  // Major axis u, minor axis v.
  const i64 du = xmajor ? dx : dy, dv = xmajor ? dy : dx;
  const i64 u0 = xmajor ? a.x : a.y, v0 = xmajor ? a.y : a.x;
  const i64 n = std::llabs(du);
  if (n == 0) return;
  const i64 su = du > 0 ? 1 : -1;
  const i64 den = 2 * n;
  auto minor_at = [&](i64 k) { return v0 + CeilDiv(static_cast<i128>(2) * k * dv - n, den); };
  const i64 ulo = xmajor ? box.left : box.top, uhi = xmajor ? box.right : box.bottom;
  const i64 vlo = xmajor ? box.top : box.left, vhi = xmajor ? box.bottom : box.right;
  // Steps whose major coordinate is inside the box.
  i64 k0 = 0, k1 = n;  // [k0, k1)
  if (su > 0) {
    k0 = std::max(k0, ulo - u0);
    k1 = std::min(k1, uhi - u0);
  } else {
    k0 = std::max(k0, u0 - (uhi - 1));
    k1 = std::min(k1, u0 - ulo + 1);
  }
  if (k0 >= k1) return;
  // The minor coordinate is monotonic in k: narrow [k0, k1) to the steps inside [vlo, vhi).
  auto first_step = [&](i64 lo, i64 hi, auto pred) {  // first k in [lo, hi) with pred, else hi
    while (lo < hi) {
      const i64 mid = lo + (hi - lo) / 2;
      if (pred(mid))
        hi = mid;
      else
        lo = mid + 1;
    }
    return lo;
  };
  if (dv >= 0) {
    k0 = first_step(k0, k1, [&](i64 k) { return minor_at(k) >= vlo; });
    k1 = first_step(k0, k1, [&](i64 k) { return minor_at(k) >= vhi; });
  } else {
    k0 = first_step(k0, k1, [&](i64 k) { return minor_at(k) < vhi; });
    k1 = first_step(k0, k1, [&](i64 k) { return minor_at(k) < vlo; });
  }
  if (k0 >= k1) return;
  // Incremental form: q = ceil(num / den) with remainder r = q*den - num in [0, den).
  const i128 num0 = static_cast<i128>(2) * k0 * dv - n;
  i64 q = CeilDiv(num0, den);
  i64 r = static_cast<i64>(static_cast<i128>(q) * den - num0);
  const i64 step = 2 * dv;
  i64 u = u0 + su * k0;
  for (i64 k = k0; k < k1; ++k) {
    const i64 v = v0 + q;
    if (xmajor)
      f(static_cast<int>(u), static_cast<int>(v), k);
    else
      f(static_cast<int>(v), static_cast<int>(u), k);
    u += su;
    r -= step;
    while (r < 0) {
      ++q;
      r += den;
    }
    while (r >= den) {
      --q;
      r -= den;
    }
  }
}

// The on/off runs of the styled one-pixel pens, starting with a dash.
struct StylePattern {
  const int* runs;
  int count;
  int period;
};
constexpr int kDash[] = {18, 6};
constexpr int kDot[] = {3, 3};
constexpr int kDashDot[] = {9, 6, 3, 6};
constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};

bool StyleOf(int kind, StylePattern* out) {
  switch (kind) {
    case PS_DASH:
      *out = {kDash, 2, 24};
      return true;
    case PS_DOT:
      *out = {kDot, 2, 6};
      return true;
    case PS_DASHDOT:
      *out = {kDashDot, 4, 24};
      return true;
    case PS_DASHDOTDOT:
      *out = {kDashDotDot, 6, 24};
      return true;
    default:
      return false;
  }
}

// Whether step i of a styled pen is a dash (true) or a gap.
bool StyleOn(const StylePattern& s, i64 i) {
  int pos = static_cast<int>(i % s.period);
  for (int r = 0; r < s.count; ++r) {
    if (pos < s.runs[r]) return (r % 2) == 0;
    pos -= s.runs[r];
  }
  return true;
}

// Paints a single one-pixel segment in pen colour: consecutive pixels of one row go as one span.
void PaintCosmeticSegment(DC& dc, POINT a, POINT b, const RECT& box, std::uint32_t pixel) {
  int run_y = 0, run_x0 = 0, run_x1 = 0;
  bool have = false;
  WalkLine(a, b, box, [&](int x, int y, i64) {
    if (have && y == run_y && (x == run_x1 || x == run_x0 - 1)) {
      run_x0 = std::min(run_x0, x);
      run_x1 = std::max(run_x1, x + 1);
      return;
    }
    if (have) raster::SolidSpan(dc, run_y, run_x0, run_x1, pixel, dc.rop2);
    run_y = y;
    run_x0 = x;
    run_x1 = x + 1;
    have = true;
  });
  if (have) raster::SolidSpan(dc, run_y, run_x0, run_x1, pixel, dc.rop2);
}

// A pixel a one-pixel path paints, in the pen colour (gap = false) or the background colour.
struct PathPixel {
  int y, x;
  int order;
  bool gap;
};

// Strokes a one-pixel path, solid or styled. Segments may cross or run back over each other;
// every pixel is painted once, with what the last segment over it asked for.
void StrokeCosmetic(DC& dc, const POINT* pts, int n, bool closed) {
  const RECT box = ClipBox(dc);
  if (IsEmpty(box)) return;
  const std::uint32_t pen_px = raster::PenPixel(dc);
  StylePattern style{};
  const bool styled = StyleOf(dc.pen->Kind(), &style);
  const int segments = closed ? n : n - 1;
  if (segments == 1 && !styled) {
    PaintCosmeticSegment(dc, pts[0], pts[1], box, pen_px);
    return;
  }
  const bool opaque_gaps = dc.bk_mode == OPAQUE;
  std::vector<PathPixel> pixels;
  int order = 0;
  i64 phase = 0;
  for (int i = 0; i < segments; ++i) {
    const POINT a = pts[i], b = pts[(i + 1) % n];
    WalkLine(a, b, box, [&](int x, int y, i64 k) {
      const bool on = !styled || StyleOn(style, phase + k);
      if (on || opaque_gaps) pixels.push_back({y, x, order++, !on});
    });
    phase += std::max(std::llabs(static_cast<i64>(b.x) - a.x), std::llabs(static_cast<i64>(b.y) - a.y));
    if (styled) phase %= style.period;
  }
  std::sort(pixels.begin(), pixels.end(), [](const PathPixel& p, const PathPixel& q) {
    if (p.y != q.y) return p.y < q.y;
    if (p.x != q.x) return p.x < q.x;
    return p.order < q.order;
  });
  const std::uint32_t bk_px = ColourToPixel(dc, dc.bk_colour);
  std::size_t i = 0;
  while (i < pixels.size()) {
    // The last entry of each pixel wins; then runs of equal colour along a row go as one span.
    std::size_t j = i;
    while (j + 1 < pixels.size() && pixels[j + 1].y == pixels[i].y && pixels[j + 1].x == pixels[i].x) ++j;
    const PathPixel& p = pixels[j];
    int x1 = p.x + 1;
    std::size_t next = j + 1;
    while (next < pixels.size()) {
      std::size_t m = next;
      while (m + 1 < pixels.size() && pixels[m + 1].y == pixels[next].y && pixels[m + 1].x == pixels[next].x)
        ++m;
      const PathPixel& q = pixels[m];
      if (q.y != p.y || q.x != x1 || q.gap != p.gap) break;
      ++x1;
      next = m + 1;
    }
    raster::SolidSpan(dc, p.y, p.x, x1, p.gap ? bk_px : pen_px, dc.rop2);
    i = next;
  }
}

// ---- wide strokes ----------------------------------------------------------------------------

struct LPoint {
  i64 x, y;
};

i64 IntSqrt(i64 v) {
  if (v <= 0) return 0;
  i64 r = static_cast<i64>(std::sqrt(static_cast<double>(v)));
  while (r * r > v) --r;
  while ((r + 1) * (r + 1) <= v) ++r;
  return r;
}

// The round dot of a pen of width w at c: pixel (x, y) of the box [c - w/2, c - w/2 + w) is in
// when (2x' - (w-1))^2 + (2y' - (w-1))^2 <= (w - 0.2)^2 in box-relative coordinates x', y'.
// Row j of the box holds the pixels [x0, x1) relative to its left; a row with none has x0 = x1.
struct DotRow {
  i64 x0, x1;
};
DotRow DotRowAt(i64 j, i64 w) {
  const i64 limit = (5 * w - 1) * (5 * w - 1);
  const i64 yy = 2 * j - (w - 1);
  const i64 rem = limit - 25 * yy * yy;
  if (rem < 0) return {0, 0};
  i64 xx = IntSqrt(rem / 25);
  if ((xx - (w - 1)) % 2 != 0) --xx;
  if (xx < 0) return {0, 0};
  return {(w - 1 - xx) / 2, (w - 1 + xx) / 2 + 1};
}

// The rows of the dot of one width, worked out once for a stroke that places it at every
// vertex (pens up to this wide; wider dots are worked out row by row as they are placed).
class DotShape {
 public:
  static constexpr i64 kTableWidth = 64;
  explicit DotShape(i64 w) : w_(w), table_(w <= kTableWidth) {
    if (table_)
      for (i64 j = 0; j < w; ++j) rows_[static_cast<std::size_t>(j)] = DotRowAt(j, w);
  }
  void Add(SpanCollector& out, LPoint c) const {
    const i64 org_x = c.x - w_ / 2, org_y = c.y - w_ / 2;
    const RECT& box = out.Box();
    const i64 j0 = std::max<i64>(0, box.top - org_y), j1 = std::min<i64>(w_, box.bottom - org_y);
    for (i64 j = j0; j < j1; ++j) {
      const DotRow row = table_ ? rows_[static_cast<std::size_t>(j)] : DotRowAt(j, w_);
      if (row.x0 < row.x1) out.Add(org_y + j, org_x + row.x0, org_x + row.x1);
    }
  }

 private:
  i64 w_;
  bool table_;
  std::array<DotRow, kTableWidth> rows_;
};

void AddDot(SpanCollector& out, LPoint c, i64 w) {
  DotShape(w).Add(out, c);
}

// Fills a polygon (even-odd) by the polygon rule: pixel centres inside, left and top edges in.
void AddPolygon(SpanCollector& out, const LPoint* p, int n) {
  if (n < 3) return;
  // An upright rectangle (the body of a level or upright segment) covers its box less the right
  // column and bottom row, which is what the rule below gives it.
  if (n == 4 && ((p[0].y == p[1].y && p[1].x == p[2].x && p[2].y == p[3].y && p[3].x == p[0].x) ||
                 (p[0].x == p[1].x && p[1].y == p[2].y && p[2].x == p[3].x && p[3].y == p[0].y))) {
    const RECT& box = out.Box();
    const i64 x0 = std::min(p[0].x, p[2].x), x1 = std::max(p[0].x, p[2].x);
    const i64 y0 = std::max<i64>(std::min(p[0].y, p[2].y), box.top);
    const i64 y1 = std::min<i64>(std::max(p[0].y, p[2].y), box.bottom);
    for (i64 y = y0; y < y1; ++y) out.Add(y, x0, x1);
    return;
  }
  i64 ymin = p[0].y, ymax = p[0].y;
  for (int i = 1; i < n; ++i) {
    ymin = std::min(ymin, p[i].y);
    ymax = std::max(ymax, p[i].y);
  }
  const RECT& box = out.Box();
  ymin = std::max<i64>(ymin, box.top);
  ymax = std::min<i64>(ymax, box.bottom);
  // With coordinates under 2^30 every product below fits 64 bits.
  constexpr i64 kSmall = i64{1} << 30;
  bool small = true;
  for (int i = 0; i < n; ++i) small = small && std::llabs(p[i].x) < kSmall && std::llabs(p[i].y) < kSmall;
  i64 xs[16];
  for (i64 y = ymin; y < ymax; ++y) {
    int count = 0;
    for (int i = 0; i < n && count < 16; ++i) {
      LPoint a = p[i], b = p[(i + 1) % n];
      if (a.y == b.y) continue;
      if (a.y > b.y) std::swap(a, b);
      if (y < a.y || y >= b.y) continue;
      const i64 h = b.y - a.y;
      xs[count++] = small ? CeilDiv(a.x * h + (y - a.y) * (b.x - a.x), h)
                          : CeilDiv(static_cast<i128>(a.x) * h + static_cast<i128>(y - a.y) * (b.x - a.x), h);
    }
    for (int i = 1; i < count; ++i)  // at most a few crossings: insertion sort
      for (int j = i; j > 0 && xs[j] < xs[j - 1]; --j) std::swap(xs[j], xs[j - 1]);
    for (int i = 0; i + 1 < count; i += 2) out.Add(y, xs[i], xs[i + 1]);
  }
}

i64 RoundHalfUp(double v) {
  return static_cast<i64>(std::floor(v + 0.5));
}

// Caps, joins and width of a wide stroke.
struct WideStyle {
  i64 width;
  int cap;               // PS_ENDCAP_*
  int join;              // PS_JOIN_*
  bool zero_length_dot;  // whether a zero-length path leaves a dot
};

// Pens wider than this stroke as if this wide: it is far beyond any surface, and it keeps the
// squared distances of the round dots inside 64 bits.
constexpr i64 kMaxPenWidth = i64{1} << 24;

WideStyle WideStyleOf(const Pen& p) {
  // A zero-length line of an ordinary wide pen leaves no mark, as on the platform (a press
  // without movement must not mark the picture); only a geometric pen's round cap leaves its dot.
  WideStyle s{std::clamp<i64>(p.width, 1, kMaxPenWidth), PS_ENDCAP_ROUND, PS_JOIN_ROUND, false};
  if (p.IsGeometric()) {
    s.cap = p.style & PS_ENDCAP_MASK;
    s.join = p.style & PS_JOIN_MASK;
    s.zero_length_dot = s.cap == PS_ENDCAP_ROUND;
  }
  return s;
}

i64 RoundAway(double v) {
  return v >= 0 ? static_cast<i64>(std::ceil(v)) : -static_cast<i64>(std::ceil(-v));
}
i64 WideHalf(double v) {
  return v >= 0 ? static_cast<i64>(std::floor(v + 1.0)) : -static_cast<i64>(std::floor(-v + 1.0));
}

// The sideways offsets of a segment's two edges: half the width along the unit normal, each
// corner moved to a whole pixel. The edge on the right-hand side of the surface (or, for a
// horizontal segment, the lower one) rounds away from the path, the other to the nearest pixel
// (halves up), so odd widths sit on the pixel grid the way the round dots do. On a slanted
// segment the right-hand edge takes one pixel more when the offset is whole: a width-10 pen
// along (6, -8) reaches 4 pixels to the left and 5 to the right.
void SideOffsets(LPoint a, LPoint b, double half, LPoint* left, LPoint* right) {
  const double dx = static_cast<double>(b.x - a.x), dy = static_cast<double>(b.y - a.y);
  const double len = std::hypot(dx, dy);
  double nx = -dy / len * half, ny = dx / len * half;
  const bool flip = nx < 0 || (nx == 0 && ny < 0);
  if (flip) {
    nx = -nx;
    ny = -ny;
  }
  const bool diagonal = dx != 0 && dy != 0;
  const LPoint outer{diagonal ? WideHalf(nx) : RoundAway(nx), diagonal ? WideHalf(ny) : RoundAway(ny)};
  const LPoint inner{RoundHalfUp(-nx), RoundHalfUp(-ny)};
  *left = flip ? inner : outer;
  *right = flip ? outer : inner;
}

void AddWideStroke(SpanCollector& out, const WideStyle& st, const POINT* in, int n, bool closed) {
  // Repeated points add nothing to the path's shape.
  std::vector<LPoint> pts;
  pts.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const LPoint p{in[i].x, in[i].y};
    if (pts.empty() || pts.back().x != p.x || pts.back().y != p.y) pts.push_back(p);
  }
  if (closed && pts.size() > 1 && pts.front().x == pts.back().x && pts.front().y == pts.back().y)
    pts.pop_back();
  const double half = static_cast<double>(st.width) / 2.0;
  if (pts.size() == 1) {
    if (st.zero_length_dot) AddDot(out, pts[0], st.width);
    return;
  }
  const int m = static_cast<int>(pts.size());
  const int segments = closed && m > 2 ? m : m - 1;
  const DotShape dot(st.width);
  // The offsets depend only on the segment's direction: a traced outline steps to one of its
  // eight neighbours each time, whose offsets are worked out once.
  struct Offsets {
    bool known = false;
    LPoint l, r;
  };
  Offsets unit_steps[9];
  for (int i = 0; i < segments; ++i) {
    LPoint a = pts[i], b = pts[(i + 1) % m];
    LPoint l, r;
    const i64 step_x = b.x - a.x, step_y = b.y - a.y;
    if (step_x >= -1 && step_x <= 1 && step_y >= -1 && step_y <= 1) {
      Offsets& o = unit_steps[(step_x + 1) * 3 + (step_y + 1)];
      if (!o.known) {
        SideOffsets(a, b, half, &o.l, &o.r);
        o.known = true;
      }
      l = o.l, r = o.r;
    } else {
      SideOffsets(a, b, half, &l, &r);
    }
    if (!closed && st.cap == PS_ENDCAP_SQUARE) {
      // A square end reaches half the width beyond the end point.
      const double dx = static_cast<double>(b.x - a.x), dy = static_cast<double>(b.y - a.y);
      const double len = std::hypot(dx, dy);
      const LPoint ext{RoundHalfUp(dx / len * half), RoundHalfUp(dy / len * half)};
      if (i == 0) a = {a.x - ext.x, a.y - ext.y};
      if (i == segments - 1) b = {b.x + ext.x, b.y + ext.y};
    }
    const LPoint quad[4] = {
        {a.x + l.x, a.y + l.y}, {b.x + l.x, b.y + l.y}, {b.x + r.x, b.y + r.y}, {a.x + r.x, a.y + r.y}};
    AddPolygon(out, quad, 4);
  }
  // Joins at the inner vertices (every vertex of a closed path).
  const int first_join = closed && m > 2 ? 0 : 1;
  const int last_join = closed && m > 2 ? m - 1 : m - 2;
  for (int i = first_join; i <= last_join; ++i) {
    const LPoint v = pts[i];
    const LPoint prev = pts[(i + m - 1) % m], next = pts[(i + 1) % m];
    if (st.join == PS_JOIN_ROUND) {
      dot.Add(out, v);
      continue;
    }
    LPoint l0, r0, l1, r1;
    SideOffsets(prev, v, half, &l0, &r0);
    SideOffsets(v, next, half, &l1, &r1);
    // The outer side is where the path turns away from: fill the wedge between the two edges
    // there (bevel), or up to where the edges meet (miter, within the miter limit).
    const double cross = static_cast<double>(v.x - prev.x) * static_cast<double>(next.y - v.y) -
                         static_cast<double>(v.y - prev.y) * static_cast<double>(next.x - v.x);
    const LPoint o0 = cross > 0 ? r0 : l0, o1 = cross > 0 ? r1 : l1;
    const LPoint e0{v.x + o0.x, v.y + o0.y}, e1{v.x + o1.x, v.y + o1.y};
    bool mitred = false;
    if (st.join == PS_JOIN_MITER) {
      const double d0x = static_cast<double>(v.x - prev.x), d0y = static_cast<double>(v.y - prev.y);
      const double d1x = static_cast<double>(next.x - v.x), d1y = static_cast<double>(next.y - v.y);
      const double l0n = std::hypot(d0x, d0y), l1n = std::hypot(d1x, d1y);
      const double cos_turn = (d0x * d1x + d0y * d1y) / (l0n * l1n);
      // Miter length over width is 1 / sin(half the inner angle); the default limit is 10.
      const double sin_half_inner = std::sqrt(std::max(0.0, (1.0 - cos_turn) / 2.0));
      const double cos_half_inner = std::sqrt(std::max(0.0, (1.0 + cos_turn) / 2.0));
      if (cos_half_inner > 1e-9 && 1.0 / cos_half_inner <= 10.0 && sin_half_inner > 1e-9) {
        // Intersection of the two outer edge lines.
        const double px = static_cast<double>(e0.x), py = static_cast<double>(e0.y);
        const double qx = static_cast<double>(e1.x), qy = static_cast<double>(e1.y);
        const double den = d0x * d1y - d0y * d1x;
        if (std::fabs(den) > 1e-12) {
          const double t = ((qx - px) * d1y - (qy - py) * d1x) / den;
          const LPoint mp{RoundHalfUp(px + t * d0x), RoundHalfUp(py + t * d0y)};
          const LPoint poly[4] = {v, e0, mp, e1};
          AddPolygon(out, poly, 4);
          mitred = true;
        }
      }
    }
    if (!mitred) {
      const LPoint tri[3] = {v, e0, e1};
      AddPolygon(out, tri, 3);
    }
  }
  if (!closed && st.cap == PS_ENDCAP_ROUND) {
    AddDot(out, pts.front(), st.width);
    AddDot(out, pts.back(), st.width);
  }
}

// The box a wide stroke can reach: the path's bounds grown by the width, within limit.
RECT StrokeReach(const POINT* pts, int n, i64 width, const RECT& limit) {
  i64 l = pts[0].x, t = pts[0].y, r = pts[0].x, b = pts[0].y;
  for (int i = 1; i < n; ++i) {
    l = std::min<i64>(l, pts[i].x);
    t = std::min<i64>(t, pts[i].y);
    r = std::max<i64>(r, pts[i].x);
    b = std::max<i64>(b, pts[i].y);
  }
  const i64 grow = width + 2;
  return {static_cast<int>(std::max<i64>(l - grow, limit.left)),
          static_cast<int>(std::max<i64>(t - grow, limit.top)),
          static_cast<int>(std::min<i64>(r + grow + 1, limit.right)),
          static_cast<int>(std::min<i64>(b + grow + 1, limit.bottom))};
}

std::vector<RowSpan> WideSpans(const Pen& pen, const POINT* pts, int n, bool closed, const RECT& bounds) {
  const WideStyle st = WideStyleOf(pen);
  SpanCollector out(StrokeReach(pts, n, st.width, bounds));
  if (IsEmpty(out.Box())) return {};
  // A body and a join per vertex, each a few rows deep.
  if (st.width <= DotShape::kTableWidth)
    out.Reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(2 * st.width + 4));
  AddWideStroke(out, st, pts, n, closed);
  return out.Merged();
}

}  // namespace

Stroke StrokeOf(const Pen& p) {
  if (p.Kind() == PS_NULL) return Stroke::kNull;
  if (p.IsGeometric()) return Stroke::kWide;
  return p.width <= 1 ? Stroke::kCosmetic : Stroke::kWide;
}

int StrokeWidth(const Pen& p) {
  return StrokeOf(p) == Stroke::kWide ? std::max(p.width, 1) : 1;
}

RECT ClipBox(const DC& dc) {
  RECT r{0, 0, dc.surface->Width(), dc.surface->Height()};
  if (dc.clip) r = Intersect(r, dc.clip->Bounds());
  return r;
}

void LinePixels(POINT a, POINT b, const RECT& bounds, const std::function<void(int x, int y)>& visit) {
  WalkLine(a, b, bounds, [&](int x, int y, i64) { visit(x, y); });
}

void StrokePath(DC& dc, const POINT* pts, int n, bool closed) {
  if (!pts || n < 2 || !dc.pen) return;
  switch (StrokeOf(*dc.pen)) {
    case Stroke::kNull:
      return;
    case Stroke::kCosmetic:
      StrokeCosmetic(dc, pts, n, closed);
      return;
    case Stroke::kWide: {
      const std::uint32_t px = raster::PenPixel(dc);
      for (const RowSpan& s : WideSpans(*dc.pen, pts, n, closed, ClipBox(dc)))
        raster::SolidSpan(dc, s.y, s.x0, s.x1, px, dc.rop2);
      return;
    }
  }
}

raster::Bands StrokeBands(const Pen& pen, const POINT* pts, int n, bool closed, const RECT& bounds) {
  if (!pts || n < 2) return {};
  switch (StrokeOf(pen)) {
    case Stroke::kNull:
      return {};
    case Stroke::kWide:
      return BandsFromSpans(WideSpans(pen, pts, n, closed, bounds));
    case Stroke::kCosmetic: {
      SpanCollector out(bounds);
      const int segments = closed ? n : n - 1;
      for (int i = 0; i < segments; ++i)
        WalkLine(pts[i], pts[(i + 1) % n], bounds, [&](int x, int y, i64) { out.Add(y, x, x + 1); });
      return BandsFromSpans(out.Merged());
    }
  }
  return {};
}

void PaintPenBands(DC& dc, const raster::Bands& bands) {
  raster::SolidBands(dc, bands, raster::PenPixel(dc), dc.rop2);
}

}  // namespace pen

bool MoveToEx(const HDC& hdc, int x, int y, POINT* old) {
  if (!hdc) return false;
  if (old) *old = hdc->pos;
  hdc->pos = {x, y};
  return true;
}

bool LineTo(const HDC& hdc, int x, int y) {
  if (!hdc) return false;
  const POINT pts[2] = {hdc->pos, {x, y}};
  pen::StrokePath(*hdc, pts, 2, false);
  hdc->pos = {x, y};
  return true;
}

bool Polyline(const HDC& hdc, const POINT* pts, int count) {
  if (!hdc || !pts || count < 2) return false;
  pen::StrokePath(*hdc, pts, count, false);
  return true;
}

}  // namespace gdi
