// Polygons: Polygon, PolyPolygon and CreatePolygonRgn, filled by GDI's pixel rules (see
// PolygonBands in polyfill.h) and outlined with the DC's pen.
#include <algorithm>

#include "gdi/pen.h"
#include "gdi/polyfill.h"

namespace gdi {

namespace poly {

namespace {

__extension__ typedef __int128 Int128;

// One non-horizontal edge, stored top end first. dir is +1 for an edge drawn downwards and -1
// for one drawn upwards, which is what the winding number counts.
//
// While active, the edge walks down the rows keeping its exact crossing x_top + (y - y_top) *
// dx / dy as a whole part q and a remainder r in [0, dy), so each row costs two additions and
// the crossing is exact for any int coordinates.
struct Edge {
  long long x_top, y_top, x_bottom, y_bottom;
  int dir;
  long long q = 0, r = 0, step_q = 0, step_r = 0;

  // Places the walk on row y (y_top <= y < y_bottom).
  void Start(long long y) {
    const long long dy = y_bottom - y_top, dx = x_bottom - x_top;
    const Int128 n = static_cast<Int128>(x_top) * dy + static_cast<Int128>(y - y_top) * dx;
    q = static_cast<long long>(FloorDiv(n, dy));
    r = static_cast<long long>(n - static_cast<Int128>(q) * dy);
    step_q = static_cast<long long>(FloorDiv(dx, dy));
    step_r = dx - step_q * dy;
  }
  void NextRow() {
    q += step_q;
    r += step_r;
    if (r >= y_bottom - y_top) {
      r -= y_bottom - y_top;
      ++q;
    }
  }
  // The first pixel column at or right of the crossing: its ceiling. It lies between x_top and
  // x_bottom, so it fits an int.
  int Column() const { return static_cast<int>(q + (r != 0)); }

  static Int128 FloorDiv(Int128 n, Int128 d) {
    Int128 quot = n / d;
    if (n % d != 0 && n < 0) --quot;
    return quot;
  }
};

}  // namespace

raster::Bands PolygonBands(const POINT* pts, const int* counts, int polys, int mode, int y0, int y1) {
  raster::Bands out;
  if (!pts || !counts || polys <= 0 || y0 >= y1) return out;
  std::vector<Edge> edges;
  int first = 0;
  for (int i = 0; i < polys; ++i) {
    const int n = std::max(counts[i], 0);
    for (int j = 0; n >= 2 && j < n; ++j) {
      const POINT a = pts[first + j];
      const POINT b = pts[first + (j + 1) % n];
      if (a.y == b.y) continue;  // horizontal edges cross no row
      if (a.y < b.y) {
        edges.push_back({a.x, a.y, b.x, b.y, 1});
      } else {
        edges.push_back({b.x, b.y, a.x, a.y, -1});
      }
    }
    first += n;
  }
  if (edges.empty()) return out;
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.y_top < b.y_top; });
  long long top = edges.front().y_top, bottom = top;
  for (const Edge& e : edges) bottom = std::max(bottom, e.y_bottom);
  const int row0 = static_cast<int>(std::max<long long>(y0, top));
  const int row1 = static_cast<int>(std::min<long long>(y1, bottom));

  std::vector<Edge*> active;
  std::vector<std::pair<int, int>> crossings;  // column, dir
  std::vector<std::pair<int, int>> spans;
  std::size_t next = 0;
  for (int y = row0; y < row1; ++y) {
    while (next < edges.size() && edges[next].y_top <= y) {
      if (edges[next].y_bottom > y) {
        edges[next].Start(y);
        active.push_back(&edges[next]);
      }
      ++next;
    }
    std::erase_if(active, [y](const Edge* e) { return e->y_bottom <= y; });
    if (active.empty()) continue;
    crossings.clear();
    for (Edge* e : active) {
      crossings.emplace_back(e->Column(), e->dir);
      e->NextRow();
    }
    std::sort(crossings.begin(), crossings.end());
    // Sweep left to right; crossings at the same column take effect together, so the spans
    // come out sorted, disjoint and not touching.
    spans.clear();
    int winding = 0, start = 0;
    for (std::size_t k = 0; k < crossings.size();) {
      const int x = crossings[k].first;
      const bool was_in = mode == WINDING ? winding != 0 : (winding & 1) != 0;
      for (; k < crossings.size() && crossings[k].first == x; ++k)
        winding += mode == WINDING ? crossings[k].second : 1;
      const bool now_in = mode == WINDING ? winding != 0 : (winding & 1) != 0;
      if (!was_in && now_in) start = x;
      if (was_in && !now_in) spans.emplace_back(start, x);
    }
    if (spans.empty()) continue;
    if (!out.empty() && out.back().bottom == y && out.back().spans == spans) {
      ++out.back().bottom;  // rows of a tall shape often repeat
    } else {
      out.push_back({y, y + 1, spans});
    }
  }
  raster::NormaliseBands(out);
  return out;
}

}  // namespace poly

namespace {

bool DrawPolygons(DC& dc, const POINT* pts, const int* counts, int polys) {
  const RECT box = pen::ClipBox(dc);
  const raster::BrushPaint brush = raster::RealizeBrush(dc, dc.brush.get());
  const pen::Stroke stroke = dc.pen ? pen::StrokeOf(*dc.pen) : pen::Stroke::kNull;
  raster::Bands fill;
  if (!brush.IsNull() && box.top < box.bottom)
    fill = poly::PolygonBands(pts, counts, polys, dc.poly_fill_mode, box.top, box.bottom);
  // The interior and the outline are painted as two disjoint sets, so that under an XOR mode
  // no pixel is inverted twice. The exception is a styled pen over a transparent background:
  // its gaps must show the fill, and leaving the whole outline in the fill keeps them filled.
  const bool styled_gaps = stroke == pen::Stroke::kCosmetic && dc.pen->Kind() != PS_SOLID &&
                           dc.pen->Kind() != PS_INSIDEFRAME && dc.bk_mode == TRANSPARENT;
  if (!fill.empty() && stroke != pen::Stroke::kNull && !styled_gaps) {
    int first = 0;
    for (int i = 0; i < polys; ++i) {
      const raster::Bands outline = pen::StrokeBands(*dc.pen, pts + first, counts[i], true, box);
      if (!outline.empty()) fill = raster::CombineBands(fill, outline, RGN_DIFF);
      first += counts[i];
    }
  }
  raster::FillBands(dc, fill, brush, dc.rop2);
  if (stroke != pen::Stroke::kNull) {
    // Each outline starts its pen style afresh, as every stroke does.
    int first = 0;
    for (int i = 0; i < polys; ++i) {
      pen::StrokePath(dc, pts + first, counts[i], true);
      first += counts[i];
    }
  }
  return true;
}

}  // namespace

bool Polygon(const HDC& hdc, const POINT* pts, int count) {
  if (!hdc || !pts || count < 2) return false;
  return DrawPolygons(*hdc, pts, &count, 1);
}

bool PolyPolygon(const HDC& hdc, const POINT* pts, const int* counts, int polys) {
  if (!hdc || !pts || !counts || polys <= 0) return false;
  for (int i = 0; i < polys; ++i)
    if (counts[i] < 2) return false;
  return DrawPolygons(*hdc, pts, counts, polys);
}

HRGN CreatePolygonRgn(const POINT* pts, int count, int mode) {
  auto rgn = std::make_shared<Region>();
  if (!pts || count < 3) return rgn;  // fewer than three points enclose nothing
  rgn->bands = poly::PolygonBands(pts, &count, 1, mode, -poly::kRegionLimit, poly::kRegionLimit);
  // Keep the columns inside the same limit as the rows.
  for (auto& band : rgn->bands) {
    std::vector<std::pair<int, int>> kept;
    for (auto [a, b] : band.spans) {
      a = std::max(a, -poly::kRegionLimit);
      b = std::min(b, poly::kRegionLimit);
      if (a < b) kept.emplace_back(a, b);
    }
    band.spans = std::move(kept);
  }
  raster::NormaliseBands(rgn->bands);
  return rgn;
}

}  // namespace gdi
