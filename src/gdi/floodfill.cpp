// Flood fill: ExtFloodFill and FloodFill.
//
// The area is decided completely before a pixel is painted, so a hatched or patterned brush
// leaves its gaps in the colours the area had (and a transparent hatch leaves them untouched).
// The area is 4-connected: a one-pixel diagonal line is a closed wall, a one-pixel gap in a
// straight wall is not. Colours are compared with the surface exactly. Pixels outside the
// surface or the clip region belong to no area, so a fill never spreads through them.
//
// The search is the scanline seed fill: each stack entry is a run of filled pixels whose
// neighbouring row still has to be scanned, so memory grows with the number of runs, never
// with recursion depth.
#include <cstring>

#include "gdi/pen.h"
#include "gdi/raster.h"

namespace gdi {

namespace {

struct Run {
  int y, x0, x1;  // filled pixels x0..x1 inclusive on row y
};

// A pending scan: row y, columns x0..x1, reached from the run on row y - dy.
struct Scan {
  int y, x0, x1, dy;
};

class AreaFinder {
 public:
  AreaFinder(const DC& dc, std::uint32_t colour, bool surface_mode)
      : dc_(dc), colour_(colour), surface_(surface_mode), box_(pen::ClipBox(dc)) {
    const RECT& box = box_;
    if (box.left >= box.right || box.top >= box.bottom) return;
    w_ = box.right - box.left;
    h_ = box.bottom - box.top;
    // One byte per pixel of the visible box: 1 once filled, and 1 from the start for pixels the
    // clip region hides.
    done_.assign(static_cast<std::size_t>(w_) * h_, dc.clip ? 1 : 0);
    if (dc.clip)
      for (int y = box.top; y < box.bottom; ++y)
        raster::ForEachClipped(dc, y, box.left, box.right, [&](int a, int b) {
          std::memset(&done_[Index(a, y)], 0, static_cast<std::size_t>(b - a));
        });
  }

  // Finds the area around (x, y); false when the seed itself is not part of one.
  bool Find(int x, int y) {
    if (!Fillable(x, y)) return false;
    const Run first = Extend(x, y);
    std::vector<Scan> stack;
    stack.push_back({first.y - 1, first.x0, first.x1, -1});
    stack.push_back({first.y + 1, first.x0, first.x1, 1});
    while (!stack.empty()) {
      const Scan sc = stack.back();
      stack.pop_back();
      if (sc.y < box_.top || sc.y >= box_.bottom) continue;
      const std::uint32_t* row = dc_.surface->Row(sc.y);
      const std::uint8_t* done = &done_[Index(box_.left, sc.y)];
      const int base = box_.left;
      int xx = std::max(sc.x0, box_.left);
      const int last = std::min(sc.x1, box_.right - 1);
      while (xx <= last) {
        if (done[xx - base] || !Matches(row[xx])) {
          ++xx;
          continue;
        }
        const Run r = Extend(xx, sc.y);
        // Onward in the same direction over the whole run; back towards the parent row only
        // where the run reaches past the parent, since the rest of that row is filled already.
        stack.push_back({r.y + sc.dy, r.x0, r.x1, sc.dy});
        if (r.x0 < sc.x0) stack.push_back({r.y - sc.dy, r.x0, sc.x0 - 1, -sc.dy});
        if (r.x1 > sc.x1) stack.push_back({r.y - sc.dy, sc.x1 + 1, r.x1, -sc.dy});
        xx = r.x1 + 2;  // r.x1 + 1 is not fillable
      }
    }
    return true;
  }

  const std::vector<Run>& Runs() const { return runs_; }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y - box_.top) * static_cast<std::size_t>(w_) + static_cast<std::size_t>(x - box_.left);
  }
  bool Matches(std::uint32_t px) const { return ((px & raster::kRgbMask) == colour_) == surface_; }
  bool Fillable(int x, int y) const {
    if (x < box_.left || x >= box_.right || y < box_.top || y >= box_.bottom) return false;
    return !done_[Index(x, y)] && Matches(dc_.surface->At(x, y));
  }

  // Marks and records the run through (x, y), which is fillable.
  Run Extend(int x, int y) {
    const std::uint32_t* row = dc_.surface->Row(y);
    std::uint8_t* done = &done_[Index(box_.left, y)];
    const int base = box_.left;
    int x0 = x, x1 = x;
    while (x0 > box_.left && !done[x0 - 1 - base] && Matches(row[x0 - 1])) --x0;
    while (x1 + 1 < box_.right && !done[x1 + 1 - base] && Matches(row[x1 + 1])) ++x1;
    std::memset(done + (x0 - base), 1, static_cast<std::size_t>(x1 - x0 + 1));
    runs_.push_back({y, x0, x1});
    return runs_.back();
  }

  const DC& dc_;
  std::uint32_t colour_;
  bool surface_;
  RECT box_{};
  int w_ = 0, h_ = 0;
  std::vector<std::uint8_t> done_;
  std::vector<Run> runs_;
};

}  // namespace

bool ExtFloodFill(const HDC& hdc, int x, int y, COLORREF colour, UINT type) {
  if (!hdc || (type != FLOODFILLSURFACE && type != FLOODFILLBORDER)) return false;
  if (!raster::Visible(*hdc, x, y)) return false;
  // FLOODFILLSURFACE fills the pixels of the given colour; FLOODFILLBORDER fills everything up
  // to pixels of the given (border) colour.
  AreaFinder finder(*hdc, ColourToPixel(*hdc, colour), type == FLOODFILLSURFACE);
  if (!finder.Find(x, y)) return false;
  const raster::BrushPaint brush = raster::RealizeBrush(*hdc, hdc->brush.get());
  for (const Run& r : finder.Runs()) raster::BrushSpan(*hdc, r.y, r.x0, r.x1 + 1, brush, hdc->rop2);
  return true;
}

bool FloodFill(const HDC& hdc, int x, int y, COLORREF border) {
  return ExtFloodFill(hdc, x, y, border, FLOODFILLBORDER);
}

}  // namespace gdi
