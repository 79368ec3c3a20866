// Closed shapes: rectangles, rounded rectangles, ellipses, arcs, pies and chords, and the
// rectangle fills FillRect, FrameRect and InvertRect.
//
// Pixel rules (device coordinates, MM_TEXT):
//  * The box (l, t, r, b) is normalised first (reversed corners swapped). The shape's outline
//    runs through the pixels l..r-1 and t..b-1: the right and bottom edges are left out.
//  * A pen strokes the outline as one closed path (pen.h): a one-pixel pen lights the path's
//    pixels, a wide pen is centred on it. PS_INSIDEFRAME pens wider than one pixel first shrink
//    the box by the pen's width, so the whole stroke stays inside the box.
//  * The brush fills the pixels strictly inside the outline, less any pixel the pen covers, so
//    interior and outline are disjoint and every pixel is painted at most once per call (an
//    R2_XORPEN shape drawn twice restores the surface).
//  * Without a pen, Rectangle fills l..r-2 x t..b-2 (one pixel less on the right and at the
//    bottom), while Ellipse, RoundRect, Pie and Chord fill their outline's pixels as well as the
//    inside; an Ellipse or RoundRect whose corners are under three pixels is a rectangle and
//    fills like one.
//  * Ellipses are traced quadrant by quadrant (see Quadrant below); a rounded rectangle's
//    corners are the quadrants of its corner ellipse joined by straight edges; arcs, pies and
//    chords take a stretch of their ellipse's outline between two radials.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "gdi/pen.h"
#include "gdi/polyfill.h"
#include "gdi/raster.h"

namespace gdi {

namespace {

using i64 = long long;
__extension__ typedef __int128 i128;
using raster::Bands;
using Spans = std::vector<std::pair<int, int>>;

// Coordinates are clamped to this range before any arithmetic: far beyond any surface, yet small
// enough that squared and multiplied half-axes stay inside 128-bit integers.
constexpr i64 kCoordLimit = i64{1} << 28;
i64 ClampCoord(i64 v) {
  return std::clamp(v, -kCoordLimit, kCoordLimit);
}

// A normalised box: columns l..r-1 and rows t..b-1.
struct Box {
  i64 l, t, r, b;
  i64 W() const { return r - l; }
  i64 H() const { return b - t; }
};

Box Normalise(int l, int t, int r, int b) {
  Box box{ClampCoord(l), ClampCoord(t), ClampCoord(r), ClampCoord(b)};
  if (box.l > box.r) std::swap(box.l, box.r);
  if (box.t > box.b) std::swap(box.t, box.b);
  return box;
}

int ToInt(i64 v) {
  return static_cast<int>(std::clamp<i64>(v, INT_MIN / 2, INT_MAX / 2));
}

// ---- span sets -------------------------------------------------------------------------------

// A rectangle [l, r) x [t, b) as bands, limited to the rows of clip.
Bands RectBands(i64 l, i64 t, i64 r, i64 b, const RECT& clip) {
  t = std::max<i64>(t, clip.top);
  b = std::min<i64>(b, clip.bottom);
  l = std::max<i64>(l, clip.left - 1);
  r = std::min<i64>(r, clip.right + 1);
  if (l >= r || t >= b) return {};
  return {{static_cast<int>(t), static_cast<int>(b), {{static_cast<int>(l), static_cast<int>(r)}}}};
}

// ---- the elliptic quadrant -------------------------------------------------------------------

// One quadrant of the outline of a w x h ellipse, in doubled coordinates relative to the centre
// of the box's pixels: X = 2x - (2l + w - 1), Y measured away from the centre row, so the pixel
// centres sit on X of the parity of w - 1 and Y of the parity of h - 1, the outermost column at
// X = w - 1 and the outermost row at Y = h - 1.
//
// The outline is traced from the side (X = w - 1, the row nearest the centre) towards the top,
// one pixel step at a time: left, up or diagonally, to whichever of the three neighbours sits
// closest to the ellipse by the implicit function
//   F(X, Y) = (h-1)^2 X^2 + (w-1)^2 Y^2 - (w-1)^2 (h-1)^2.
// Two candidates are compared by the sign of the sum of their F values, which is the same as
// comparing |F| when they lie on either side of the curve; when a diagonal and a straight step tie
// exactly, the diagonal wins outside the curve and the straight step inside. The trace stops as
// soon as it would cross the centre column. On ellipses only a few pixels wide this can happen
// before the top row is reached, and the topmost rows then have no outline: narrow ellipses lose
// their tips, exactly as the reference images show.
class Quadrant {
 public:
  // The largest quadrant traced step by step; beyond it rows are evaluated one at a time.
  static constexpr i64 kTraceLimit = i64{1} << 16;

  Quadrant(i64 w, i64 h) : a_(w - 1), b_(h - 1), px_((w - 1) & 1), py_((h - 1) & 1) {
    a2_ = static_cast<i128>(a_) * a_;
    b2_ = static_cast<i128>(b_) * b_;
    traced_ = (a_ + b_) / 2 <= kTraceLimit;
    if (traced_) {
      Trace();
      top_ = pts_.back().second;
    } else {
      // The rows that have outline pixels run from the side up to some top row.
      i64 lo = 0, hi = (b_ - py_) / 2;
      i64 x0, x1;
      while (lo < hi) {
        const i64 mid = lo + (hi - lo + 1) / 2;
        if (Run(py_ + 2 * mid, &x0, &x1))
          lo = mid;
        else
          hi = mid - 1;
      }
      top_ = py_ + 2 * lo;
    }
  }

  // The topmost row with outline pixels: the top of the ellipse, or lower where a narrow
  // ellipse's trace stopped early. The straight edge of a rounded rectangle runs along it.
  i64 Top() const { return top_; }

  i64 Px() const { return px_; }
  bool Traced() const { return traced_; }
  // The traced points from the side to the top (only when Traced()).
  const std::vector<std::pair<i64, i64>>& Points() const { return pts_; }

  // For quadrants too large to trace: points from the side to the top, the two ends of the
  // outline's run on every row whose Y lies in one of the dense ranges [lo, hi] and on every
  // stride-th row elsewhere, so that a path through them is exact on the dense rows and a few
  // thousand points long whatever the ellipse's size.
  std::vector<std::pair<i64, i64>> Sampled(const std::pair<i64, i64>* dense, int ranges) const {
    std::vector<i64> ys;
    const i64 rows = (b_ - py_) / 2 + 1;
    const i64 stride = std::max<i64>(1, rows / 2048);
    for (i64 k = 0; k < rows; k += stride) ys.push_back(py_ + 2 * k);
    ys.push_back(b_);
    for (int i = 0; i < ranges; ++i) {
      const i64 lo = std::max(dense[i].first, py_), hi = std::min(dense[i].second, b_);
      for (i64 y = lo + ((lo - py_) & 1); y <= hi; y += 2) ys.push_back(y);
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    std::vector<std::pair<i64, i64>> out;
    out.reserve(ys.size() * 2);
    for (const i64 y : ys) {
      i64 lo, hi;
      if (!Run(y, &lo, &hi)) continue;
      out.emplace_back(hi, y);
      if (lo != hi) out.emplace_back(lo, y);
    }
    return out;
  }

  // The outline's pixels on row Y (|Y| for rows below the centre): X in [*lo, *hi] in steps of
  // two. False when the outline has no pixel on that row.
  bool Run(i64 y, i64* lo, i64* hi) const {
    y = y < 0 ? -y : y;
    if (y > b_ || ((y - py_) & 1)) return false;
    if (traced_) {
      const std::size_t i = static_cast<std::size_t>((y - py_) / 2);
      if (i >= run_lo_.size() || run_lo_[i] < 0) return false;
      *lo = run_lo_[i];
      *hi = run_hi_[i];
      return true;
    }
    const i64 h = RowOuter(y);
    if (h < px_) return false;
    const i64 above = y + 2 <= b_ ? RowOuter(y + 2) : px_ - 2;
    *hi = h;
    *lo = std::max(px_, std::min(h, above + 2));
    return true;
  }

 private:
  i128 F(i64 x, i64 y) const {
    return b2_ * static_cast<i128>(x) * x + a2_ * static_cast<i128>(y) * y - a2_ * b2_;
  }

  void Trace() {
    i64 x = a_, y = py_;
    const std::size_t rows = static_cast<std::size_t>((b_ - py_) / 2 + 1);
    run_lo_.assign(rows, -1);
    run_hi_.assign(rows, -1);
    while (x >= px_ && y <= b_) {
      pts_.emplace_back(x, y);
      const std::size_t i = static_cast<std::size_t>((y - py_) / 2);
      if (i < rows) {
        if (run_hi_[i] < 0) run_hi_[i] = x;
        run_lo_[i] = x;
      }
      const i128 fx = F(x - 2, y), fy = F(x, y + 2), fd = F(x - 2, y + 2);
      const bool diag_beats_up = fd + fy > 0;
      const bool diag_beats_left = fd + fx < 0;
      if (diag_beats_up && diag_beats_left) {
        x -= 2;
        y += 2;
      } else if (diag_beats_up) {
        x -= 2;
      } else if (diag_beats_left) {
        y += 2;
      } else if ((fy < 0 ? -fy : fy) <= (fx < 0 ? -fx : fx)) {
        y += 2;
      } else {
        x -= 2;
      }
    }
  }

  // The outermost outline pixel of row y for quadrants too large to trace: the furthest column
  // that is still the best pixel of its row (the steep part) or whose best row is y or higher
  // (the flat part). This is the trace's geometry evaluated directly; it can differ from the
  // step-by-step trace by a pixel on a few rows, which on shapes this size is invisible.
  i64 RowOuter(i64 y) const {
    if (y == py_) return a_;
    // Steep part: the largest X with F(X-2, y) + F(X, y) <= 0.
    const i128 c = a2_ * (static_cast<i128>(b_) * b_ - static_cast<i128>(y) * y);  // b2 * X^2 at the curve
    auto steep_ok = [&](i64 x) {
      return b2_ * (static_cast<i128>(x - 2) * (x - 2) + static_cast<i128>(x) * x) <= 2 * c;
    };
    // Flat part: the largest X with F(X, y - 2) + F(X, y) < 0.
    auto flat_ok = [&](i64 x) {
      return 2 * b2_ * static_cast<i128>(x) * x +
                 a2_ * (static_cast<i128>(y - 2) * (y - 2) + static_cast<i128>(y) * y) <
             2 * a2_ * b2_;
    };
    const i64 s = LargestWith(steep_ok), f = LargestWith(flat_ok);
    return std::max(s, f);
  }

  // The largest X in [px, a] of the right parity with ok(X) (ok is monotone: true then false),
  // or px - 2 when there is none.
  template <class Ok>
  i64 LargestWith(Ok ok) const {
    if (!ok(px_)) return px_ - 2;
    i64 lo = 0, hi = (a_ - px_) / 2;  // indices: X = px + 2k
    while (lo < hi) {
      const i64 mid = lo + (hi - lo + 1) / 2;
      if (ok(px_ + 2 * mid))
        lo = mid;
      else
        hi = mid - 1;
    }
    return px_ + 2 * lo;
  }

  i64 a_, b_, px_, py_;
  i128 a2_, b2_;
  bool traced_ = false;
  i64 top_ = 0;
  std::vector<std::pair<i64, i64>> pts_;
  std::vector<i64> run_lo_, run_hi_;
};

// ---- painting --------------------------------------------------------------------------------

// A piece of outline for the pen to stroke.
struct PenPath {
  std::vector<POINT> pts;
  bool closed = true;
};

// What one shape call paints: the outline for the pen and the brush's areas.
struct ShapePaint {
  PenPath path;    // the outline, for the pen
  Bands inside;    // the brush's area when there is a pen (before removing the pen's pixels)
  Bands pen_less;  // the brush's area when there is no pen
  // When set, the pixels a solid one-pixel pen paints along path, already disjoint from inside:
  // shapes that know their outline row by row skip stroking the path.
  bool have_outline = false;
  Bands outline;
};

// Whether the DC's pen is a plain one-pixel pen (no dash pattern).
bool SolidCosmetic(const DC& dc) {
  return dc.pen && pen::StrokeOf(*dc.pen) == pen::Stroke::kCosmetic &&
         (dc.pen->Kind() == PS_SOLID || dc.pen->Kind() == PS_INSIDEFRAME);
}

// Whether a closed outline has shrunk to a single point (a shape one pixel in size).
bool Collapsed(const PenPath& p) {
  return p.closed && std::all_of(p.pts.begin(), p.pts.end(), [&](const POINT& q) { return q == p.pts[0]; });
}

Bands DotBands(POINT c, i64 w, const RECT& clip);

// Paints a shape: the brush's area less the pen's pixels, then the pen. Each pixel once.
void PaintShape(DC& dc, const ShapePaint& s) {
  const raster::BrushPaint brush = raster::RealizeBrush(dc, dc.brush.get());
  const pen::Stroke kind = dc.pen ? pen::StrokeOf(*dc.pen) : pen::Stroke::kNull;
  if (kind == pen::Stroke::kNull) {
    if (!brush.IsNull()) raster::FillBands(dc, s.pen_less, brush, dc.rop2);
    return;
  }
  if (s.have_outline && SolidCosmetic(dc)) {
    if (!brush.IsNull()) raster::FillBands(dc, s.inside, brush, dc.rop2);
    pen::PaintPenBands(dc, s.outline);
    return;
  }
  const RECT clip = pen::ClipBox(dc);
  const PenPath& p = s.path;
  const int n = static_cast<int>(p.pts.size());
  Bands stroke;
  if (n >= 2) {
    stroke = kind == pen::Stroke::kWide && Collapsed(p)
                 ? DotBands(p.pts[0], pen::StrokeWidth(*dc.pen), clip)
                 : pen::StrokeBands(*dc.pen, p.pts.data(), n, p.closed, clip);
  }
  if (!brush.IsNull() && !s.inside.empty()) {
    const Bands fill = stroke.empty() ? s.inside : raster::CombineBands(s.inside, stroke, RGN_DIFF);
    raster::FillBands(dc, fill, brush, dc.rop2);
  }
  if (kind == pen::Stroke::kCosmetic) {
    // Stroking the path itself keeps a styled pen's dash pattern.
    if (n >= 2) pen::StrokePath(dc, p.pts.data(), n, p.closed);
  } else {
    pen::PaintPenBands(dc, stroke);
  }
}

// PS_INSIDEFRAME pens wider than a pixel keep the whole stroke inside the box: the outline is
// drawn on a box shrunk by half the width on each side (the odd pixel of an odd width on the
// right and bottom, where the pen already reaches one pixel less).
Box InsideFrame(const DC& dc, Box box) {
  if (!dc.pen || dc.pen->Kind() != PS_INSIDEFRAME || pen::StrokeOf(*dc.pen) != pen::Stroke::kWide) return box;
  const i64 w = pen::StrokeWidth(*dc.pen);
  Box in{box.l + w / 2, box.t + w / 2, box.r - (w - 1) / 2, box.b - (w - 1) / 2};
  // A box narrower than the pen collapses onto its middle.
  if (in.l > in.r) in.l = in.r = box.l + box.W() / 2;
  if (in.t > in.b) in.t = in.b = box.t + box.H() / 2;
  return in;
}

POINT Pt(i64 x, i64 y) {
  return {ToInt(x), ToInt(y)};
}

// How many pixels beyond the visible rows an outline can still paint into them.
i64 PenReach(const DC& dc) {
  return (dc.pen ? pen::StrokeWidth(*dc.pen) : 1) + 2;
}

// The closed rectangle path through the corner pixels of a box: counter-clockwise on the
// surface from the top-right corner, which is where a dashed outline's pattern starts.
PenPath RectPath(const Box& box) {
  return {{Pt(box.r - 1, box.t), Pt(box.l, box.t), Pt(box.l, box.b - 1), Pt(box.r - 1, box.b - 1)}, true};
}

// ---- rounded shapes --------------------------------------------------------------------------

// A box with elliptic corners cw x ch (2 <= cw <= W, 2 <= ch <= H): an Ellipse when the corners
// are the whole box, a RoundRect otherwise. Each corner is a quadrant of the corner ellipse placed
// in that corner of the box; straight edges join the corners.
class RoundShape {
 public:
  RoundShape(const Box& box, i64 cw, i64 ch) : box_(box), q_(cw, ch) {
    cx_left_ = 2 * box.l + cw - 1;
    cx_right_ = 2 * (box.r - cw) + cw - 1;
    cy_top_ = 2 * box.t + ch - 1;
    cy_bottom_ = 2 * (box.b - ch) + ch - 1;
  }

  // The outline's pixels on device row y as a span [*x0, *x1) per side, and the inside between
  // them. Returns false when y is outside the box.
  struct RowParts {
    bool outline = false;  // whether the outline has pixels on this row
    i64 out_l0, out_l1;    // left outline pixels [out_l0, out_l1)
    i64 out_r0, out_r1;    // right outline pixels; on the top and bottom rows the outline is
                           // the whole of [out_l0, out_r1) and there is no inside
    i64 in0, in1;          // the inside [in0, in1)
  };
  bool Row(i64 y, RowParts* p) const {
    if (y < box_.t || y >= box_.b) return false;
    i64 cy2;
    if (2 * y <= cy_top_)
      cy2 = cy_top_;
    else if (2 * y >= cy_bottom_)
      cy2 = cy_bottom_;
    else {
      // Between the corners the sides are straight.
      *p = {true, box_.l, box_.l + 1, box_.r - 1, box_.r, box_.l + 1, box_.r - 1};
      return true;
    }
    i64 lo, hi;
    if (!q_.Run(2 * y - cy2, &lo, &hi)) {
      // A row the corner's trace never reached (the tip of a narrow corner): no outline, and
      // the inside runs between the corner ellipses' centres, as the reference images show
      // for narrow rounded corners.
      const i64 px = q_.Px();
      *p = {false, 0, 0, 0, 0, (cx_left_ - px) / 2 + 1, (cx_right_ + px) / 2};
      return true;
    }
    *p = {true,
          (cx_left_ - hi) / 2,
          (cx_left_ - lo) / 2 + 1,
          (cx_right_ + lo) / 2,
          (cx_right_ + hi) / 2 + 1,
          (cx_left_ - lo) / 2 + 1,
          (cx_right_ + lo) / 2};
    if ((2 * y - cy2 < 0 ? cy2 - 2 * y : 2 * y - cy2) == q_.Top()) {
      // The top or bottom edge joins the two corners.
      p->out_l1 = p->out_r0 = p->out_r1;
      p->in0 = p->in1;
    }
    return true;
  }

  // The quadrant's points from the side to the top (doubled coordinates, as in Quadrant): every
  // traced pixel, or for corners too large to trace the pixels on the rows of window and margin
  // rows beyond (what a wide pen can reach across) and a coarser sample elsewhere.
  std::vector<std::pair<i64, i64>> QuadrantPoints(const RECT& window, i64 margin) const {
    // Pens wider than this are not kept exact on huge shapes (they would need millions of rows).
    constexpr i64 kMaxMargin = 4096;
    if (q_.Traced()) return q_.Points();
    // Device row y is Y = cy_top - 2y in the top corners and Y = 2y - cy_bottom in the bottom ones.
    const i64 m = 2 * std::min<i64>(margin, kMaxMargin);
    const std::pair<i64, i64> dense[2] = {
        {cy_top_ - 2 * static_cast<i64>(window.bottom) - m, cy_top_ - 2 * static_cast<i64>(window.top) + m},
        {2 * static_cast<i64>(window.top) - cy_bottom_ - m,
         2 * static_cast<i64>(window.bottom) - cy_bottom_ + m}};
    return q_.Sampled(dense, 2);
  }

  // The outline as a closed path through the quadrant points of every corner, counter-clockwise
  // on the surface starting at the right end of the centre row.
  std::vector<POINT> Path(const RECT& window, i64 margin) const {
    std::vector<POINT> out;
    const std::vector<std::pair<i64, i64>> q = QuadrantPoints(window, margin);
    out.reserve(q.size() * 4);
    auto add = [&](i64 x2, i64 y2) {
      const POINT p = Pt(x2 / 2, y2 / 2);
      if (out.empty() || !(out.back() == p)) out.push_back(p);
    };
    for (auto it = q.begin(); it != q.end(); ++it) add(cx_right_ + it->first, cy_top_ - it->second);
    for (auto it = q.rbegin(); it != q.rend(); ++it) add(cx_left_ - it->first, cy_top_ - it->second);
    for (auto it = q.begin(); it != q.end(); ++it) add(cx_left_ - it->first, cy_bottom_ + it->second);
    for (auto it = q.rbegin(); it != q.rend(); ++it) add(cx_right_ + it->first, cy_bottom_ + it->second);
    if (out.size() > 1 && out.front() == out.back()) out.pop_back();
    return out;
  }

 private:
  Box box_;
  Quadrant q_;
  i64 cx_left_, cx_right_, cy_top_, cy_bottom_;
};

// The pixels a filled w x w circle covers around c: the round dot a wide pen leaves where a
// closed outline has shrunk to one point (a one-pixel rectangle or ellipse).
Bands DotBands(POINT c, i64 w, const RECT& clip) {
  const Box box{c.x - w / 2, c.y - w / 2, c.x - w / 2 + w, c.y - w / 2 + w};
  if (w < 3) return RectBands(box.l, box.t, box.r, box.b, clip);
  const RoundShape shape(box, w, w);
  const i64 y0 = std::max<i64>(box.t, clip.top), y1 = std::min<i64>(box.b, clip.bottom);
  if (y0 >= y1) return {};
  std::vector<Spans> rows(static_cast<std::size_t>(y1 - y0));
  for (i64 y = y0; y < y1; ++y) {
    RoundShape::RowParts p;
    if (shape.Row(y, &p) && p.outline)
      rows[static_cast<std::size_t>(y - y0)].emplace_back(ToInt(p.out_l0), ToInt(p.out_r1));
  }
  return raster::BandsFromRows(ToInt(y0), std::move(rows));
}

// Paints a rounded shape (Ellipse, RoundRect) with the DC's pen and brush.
void PaintRound(DC& dc, const Box& box, i64 cw, i64 ch) {
  const RECT clip = pen::ClipBox(dc);
  ShapePaint s;
  if (cw < 3 || ch < 3) {
    // Corners of one or two pixels are square: the outline is the box's rectangle, and without
    // a pen the shape fills like a pen-less Rectangle (so a 1 x 1 ellipse paints nothing).
    s.path = RectPath(box);
    s.inside = RectBands(box.l + 1, box.t + 1, box.r - 1, box.b - 1, clip);
    s.pen_less = RectBands(box.l, box.t, box.r - 1, box.b - 1, clip);
    PaintShape(dc, s);
    return;
  }
  const RoundShape shape(box, cw, ch);
  const i64 y0 = std::max<i64>(box.t, clip.top), y1 = std::min<i64>(box.b, clip.bottom);
  const bool no_pen = !dc.pen || pen::StrokeOf(*dc.pen) == pen::Stroke::kNull;
  if (no_pen || SolidCosmetic(dc)) {
    // The common case paints row by row: the inside with the brush, the outline pixels with the
    // pen (or the brush when there is no pen). Left and right outline runs meet on the top and
    // bottom rows and are painted as one span there.
    const raster::BrushPaint brush = raster::RealizeBrush(dc, dc.brush.get());
    const std::uint32_t pen_px = no_pen ? 0 : raster::PenPixel(dc);
    for (i64 y = y0; y < y1; ++y) {
      RoundShape::RowParts p;
      if (!shape.Row(y, &p)) continue;
      const int row = static_cast<int>(y);
      if (no_pen) {
        if (p.outline) raster::BrushSpan(dc, row, ToInt(p.out_l0), ToInt(p.out_r1), brush, dc.rop2);
        continue;
      }
      raster::BrushSpan(dc, row, ToInt(p.in0), ToInt(p.in1), brush, dc.rop2);
      if (!p.outline) continue;
      if (p.out_l1 >= p.out_r0) {
        raster::SolidSpan(dc, row, ToInt(p.out_l0), ToInt(std::max(p.out_l1, p.out_r1)), pen_px, dc.rop2);
      } else {
        raster::SolidSpan(dc, row, ToInt(p.out_l0), ToInt(p.out_l1), pen_px, dc.rop2);
        raster::SolidSpan(dc, row, ToInt(p.out_r0), ToInt(p.out_r1), pen_px, dc.rop2);
      }
    }
    return;
  }
  if (y0 < y1) {
    // Styled and wide pens stroke the outline's path; the brush fills the inside less the stroke.
    std::vector<Spans> inside(static_cast<std::size_t>(y1 - y0));
    for (i64 y = y0; y < y1; ++y) {
      RoundShape::RowParts p;
      if (shape.Row(y, &p)) inside[static_cast<std::size_t>(y - y0)].emplace_back(ToInt(p.in0), ToInt(p.in1));
    }
    s.inside = raster::BandsFromRows(static_cast<int>(y0), std::move(inside));
  }
  s.path = {shape.Path(clip, PenReach(dc)), true};
  PaintShape(dc, s);
}

// ---- arcs, pies and chords -------------------------------------------------------------------

enum class ArcKind { kArc, kPie, kChord };

// The stretch of an ellipse's outline between the radials through (xs, ys) and (xe, ye), in the
// DC's arc direction; q is the ellipse's quadrant from the side to the top (as in Quadrant).
//
// The outline is that quadrant's n pixels laid into the four quadrants in drawing order, 4n
// positions in all: counter-clockwise the upper right from the side to the top, the upper left
// from the top to the side, the lower left from the side to the bottom, the lower right back to
// the side (clockwise, upper and lower change places). Each pixel has offsets (px, py) >= 0 from
// its quadrant's corner pixel next to the centre; an odd-sized ellipse's middle row and column
// belong to the quadrants on both sides.
//
// A radial is measured from the centre pixel (l + w/2, t + h/2), and an offset of zero counts as
// positive (x to the right, y towards the first quadrant): its signs pick the quadrant. There the
// radial falls just before the first pixel, in drawing order, that lies past it by angle; a pixel
// exactly on the radial counts as past it in the first two quadrants and as before it in the last
// two. The outline runs from the start radial's position up to the end radial's, and is the whole
// ellipse when both fall at the same position.
std::vector<POINT> ArcStretch(const std::vector<std::pair<i64, i64>>& q, const Box& box, i64 xs, i64 ys,
                              i64 xe, i64 ye, bool clockwise) {
  const i64 n = static_cast<i64>(q.size());
  if (n == 0) return {};
  const i64 w = box.W(), h = box.H();
  const i64 parx = (w - 1) & 1, pary = (h - 1) & 1;
  auto off = [&](i64 j) { return std::pair<i64, i64>{(q[j].first - parx) / 2, (q[j].second - pary) / 2}; };
  const i64 ox = box.l + w / 2, oy = box.t + h / 2;
  const int ysign = clockwise ? 1 : -1;
  // The position of a radial in [0, 4n): i counts the quadrant's pixels from the side, whose
  // angle from the side grows with i.
  auto position = [&](i64 x, i64 y) -> i64 {
    x -= ox;
    y = ysign * (y - oy);
    const i64 ax = x < 0 ? -x : x, ay = y < 0 ? -y : y;
    auto first = [&](bool include_on) {
      i64 i = 0;
      for (; i < n; ++i) {
        const auto [px, py] = off(i);
        const i128 a = static_cast<i128>(px) * ay, b = static_cast<i128>(py) * ax;
        if (include_on ? a <= b : a < b) break;
      }
      return i;
    };
    if (y >= 0) return x >= 0 ? first(true) : 2 * n - first(false);
    return x < 0 ? 2 * n + first(false) : 4 * n - first(true);
  };
  const i64 s = position(xs, ys);
  i64 e = position(xe, ye);
  if (e <= s) e += 4 * n;
  // The quadrants' corner pixels next to the centre.
  const i64 right_x = ox, left_x = box.r - 1 - w / 2, lower_y = oy, upper_y = box.b - 1 - h / 2;
  std::vector<POINT> out;
  out.reserve(static_cast<std::size_t>(e - s));
  for (i64 k = s; k < e; ++k) {
    const i64 quadrant = (k / n) % 4, j = k % n;
    const auto [px, py] = off(quadrant % 2 == 0 ? j : n - 1 - j);
    const i64 x = quadrant == 0 || quadrant == 3 ? right_x + px : left_x - px;
    const bool upper = (quadrant < 2) != clockwise;
    const i64 y = upper ? upper_y - py : lower_y + py;
    const POINT p = Pt(x, y);
    if (out.empty() || !(out.back() == p)) out.push_back(p);
  }
  return out;
}

bool PaintArcShape(DC& dc, ArcKind kind, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  const Box box = InsideFrame(dc, Normalise(l, t, r, b));
  if (box.W() == 0 || box.H() == 0) return true;
  const RoundShape shape(box, box.W(), box.H());
  std::vector<POINT> stretch =
      ArcStretch(shape.QuadrantPoints(pen::ClipBox(dc), PenReach(dc)), box, ClampCoord(xs), ClampCoord(ys),
                 ClampCoord(xe), ClampCoord(ye), dc.arc_direction == AD_CLOCKWISE);
  ShapePaint s;
  if (kind == ArcKind::kArc) {
    // An arc is an open line and uses no brush; a one-pixel pen leaves out its last point, as
    // LineTo does. Coinciding radials draw the whole ellipse.
    if (!dc.pen || stretch.size() < 2) return true;
    pen::StrokePath(dc, stretch.data(), static_cast<int>(stretch.size()), false);
    return true;
  }
  if (kind == ArcKind::kPie) stretch.insert(stretch.begin(), Pt((box.l + box.r) >> 1, (box.t + box.b) >> 1));
  s.path = {stretch, true};
  const RECT clip = pen::ClipBox(dc);
  const int count = static_cast<int>(stretch.size());
  // The brush fills the polygon by the polygon rule; without a pen that is all that is painted.
  s.inside = poly::PolygonBands(stretch.data(), &count, 1, ALTERNATE, clip.top, clip.bottom);
  s.pen_less = s.inside;
  PaintShape(dc, s);
  return true;
}

}  // namespace

bool Rectangle(const HDC& hdc, int l, int t, int r, int b) {
  if (!hdc) return false;
  DC& dc = *hdc;
  const Box box = InsideFrame(dc, Normalise(l, t, r, b));
  if (box.W() == 0 || box.H() == 0) return true;
  const RECT clip = pen::ClipBox(dc);
  ShapePaint s;
  s.path = RectPath(box);
  s.inside = RectBands(box.l + 1, box.t + 1, box.r - 1, box.b - 1, clip);
  // Without a pen the rectangle loses its last column and row as well.
  s.pen_less = RectBands(box.l, box.t, box.r - 1, box.b - 1, clip);
  // A one-pixel outline is the box's border, except that a one-pixel box has none (its
  // outline's segments all have zero length).
  s.have_outline = true;
  if (box.W() > 1 || box.H() > 1) {
    s.outline = RectBands(box.l, box.t, box.r, box.b, clip);
    if (!s.inside.empty()) s.outline = raster::CombineBands(s.outline, s.inside, RGN_DIFF);
  }
  PaintShape(dc, s);
  return true;
}

bool RoundRect(const HDC& hdc, int l, int t, int r, int b, int w, int h) {
  if (!hdc) return false;
  DC& dc = *hdc;
  const Box box = InsideFrame(dc, Normalise(l, t, r, b));
  if (box.W() == 0 || box.H() == 0) return true;
  // Corners larger than the box are clipped to it (the shape becomes an ellipse).
  const i64 cw = std::min<i64>(std::llabs(static_cast<i64>(w)), box.W());
  const i64 ch = std::min<i64>(std::llabs(static_cast<i64>(h)), box.H());
  PaintRound(dc, box, cw, ch);
  return true;
}

bool Ellipse(const HDC& hdc, int l, int t, int r, int b) {
  if (!hdc) return false;
  DC& dc = *hdc;
  const Box box = InsideFrame(dc, Normalise(l, t, r, b));
  if (box.W() == 0 || box.H() == 0) return true;
  PaintRound(dc, box, box.W(), box.H());
  return true;
}

bool Arc(const HDC& hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  return hdc && PaintArcShape(*hdc, ArcKind::kArc, l, t, r, b, xs, ys, xe, ye);
}
bool Pie(const HDC& hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  return hdc && PaintArcShape(*hdc, ArcKind::kPie, l, t, r, b, xs, ys, xe, ye);
}
bool Chord(const HDC& hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  return hdc && PaintArcShape(*hdc, ArcKind::kChord, l, t, r, b, xs, ys, xe, ye);
}

// FillRect, FrameRect and InvertRect paint with a brush (or invert) straight onto the surface:
// the DC's pen, brush and binary raster mode play no part. The rectangle's right and bottom
// edges are left out.

int FillRect(const HDC& hdc, const RECT& rc, const HBRUSH& brush) {
  if (!hdc || !brush) return 0;
  DC& dc = *hdc;
  // Reversed corners fill the same pixels, as PatBlt does with negative extents.
  const Box box = Normalise(rc.left, rc.top, rc.right, rc.bottom);
  raster::FillBands(dc, RectBands(box.l, box.t, box.r, box.b, pen::ClipBox(dc)),
                    raster::RealizeBrush(dc, brush.get()), R2_COPYPEN);
  return 1;
}

int FrameRect(const HDC& hdc, const RECT& rc, const HBRUSH& brush) {
  if (!hdc || !brush) return 0;
  // A reversed rectangle is not drawn; an empty one has no border.
  if (rc.right < rc.left || rc.bottom < rc.top) return 0;
  DC& dc = *hdc;
  const Box box = Normalise(rc.left, rc.top, rc.right, rc.bottom);
  if (box.W() == 0 || box.H() == 0) return 1;
  // The one-pixel border: the rectangle less its inside, so each pixel is painted once.
  const RECT clip = pen::ClipBox(dc);
  Bands frame = RectBands(box.l, box.t, box.r, box.b, clip);
  const Bands inner = RectBands(box.l + 1, box.t + 1, box.r - 1, box.b - 1, clip);
  if (!inner.empty()) frame = raster::CombineBands(frame, inner, RGN_DIFF);
  raster::FillBands(dc, frame, raster::RealizeBrush(dc, brush.get()), R2_COPYPEN);
  return 1;
}

bool InvertRect(const HDC& hdc, const RECT& rc) {
  if (!hdc) return false;
  DC& dc = *hdc;
  const Box box = Normalise(rc.left, rc.top, rc.right, rc.bottom);
  raster::SolidBands(dc, RectBands(box.l, box.t, box.r, box.b, pen::ClipBox(dc)), 0, R2_NOT);
  return true;
}

}  // namespace gdi
