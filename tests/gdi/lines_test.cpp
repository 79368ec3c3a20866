// Lines and pens: the end-pixel rule, direction and clipping independence, wide strokes, styled
// pens and the binary raster operations, on small surfaces.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "gdi/gdi.h"
#include "gdi/pen.h"
#include "canvas.h"

namespace {

using namespace gdi;

constexpr std::uint32_t kWhite = 0xFFFFFF;

struct Canvas : test::Canvas {
  using test::Canvas::Canvas;
  std::set<std::pair<int, int>> Marked(std::uint32_t background = kWhite) const {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < bmp->Height(); ++y)
      for (int x = 0; x < bmp->Width(); ++x)
        if (bmp->At(x, y) != background) out.insert({x, y});
    return out;
  }
};

std::set<std::pair<int, int>> LineSet(POINT a, POINT b, const RECT& bounds) {
  std::set<std::pair<int, int>> out;
  pen::LinePixels(a, b, bounds, [&](int x, int y) { out.insert({x, y}); });
  return out;
}

// ---- one-pixel lines ---------------------------------------------------------------------------

TEST(CosmeticLine, EndPixelIsLeftOutAndZeroLengthDrawsNothing) {
  Canvas c(8, 3);
  c.Line(1, 0, 5, 0);  // four pixels: 1..4
  c.Line(6, 1, 6, 1);  // nothing
  c.Line(3, 2, 2, 2);  // one pixel, the start
  EXPECT_EQ(c.Picture(),
            ".####...\n"
            "........\n"
            "...#....\n");
}

TEST(CosmeticLine, HalfwayTiesLightTheUpperOrLeftPixelInEitherDirection) {
  // (0,0)->(4,2) passes exactly between two pixels at x = 1 and x = 3.
  const RECT big{-10, -10, 10, 10};
  const auto forward = LineSet({0, 0}, {4, 2}, big);
  EXPECT_EQ(forward, (std::set<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
  // The same segment drawn backwards lights the same pixels apart from the two end points.
  auto backward = LineSet({4, 2}, {0, 0}, big);
  EXPECT_EQ(backward, (std::set<std::pair<int, int>>{{4, 2}, {3, 1}, {2, 1}, {1, 0}}));
  // Mostly vertical: ties go left.
  EXPECT_EQ(LineSet({0, 0}, {2, 4}, big), (std::set<std::pair<int, int>>{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
  EXPECT_EQ(LineSet({2, 4}, {0, 0}, big), (std::set<std::pair<int, int>>{{2, 4}, {1, 3}, {1, 2}, {0, 1}}));
}

TEST(CosmeticLine, PixelsDependOnlyOnEndPointsAndOrder) {
  // Every direction: reversing a segment swaps which end is painted and nothing else, and
  // drawing it again gives the same pixels.
  const RECT big{-40, -40, 40, 40};
  for (int dx = -9; dx <= 9; ++dx)
    for (int dy = -9; dy <= 9; ++dy) {
      if (dx == 0 && dy == 0) continue;
      const POINT a{3, -2}, b{3 + dx, -2 + dy};
      auto ab = LineSet(a, b, big), ba = LineSet(b, a, big);
      const int steps = std::max(std::abs(dx), std::abs(dy));
      EXPECT_EQ(static_cast<int>(ab.size()), steps) << dx << "," << dy;
      EXPECT_TRUE(ab.count({a.x, a.y}) && !ab.count({b.x, b.y}));
      ab.erase({a.x, a.y});
      ba.erase({b.x, b.y});
      EXPECT_EQ(ab, ba) << dx << "," << dy;
      EXPECT_EQ(LineSet(a, b, big).size(), static_cast<std::size_t>(steps));
    }
}

TEST(CosmeticLine, ClippingKeepsThePixelPathForFarEndPoints) {
  // The part inside the surface is exactly the part of the unclipped line that falls there,
  // however far the ends are, and the walk does not visit a million pixels to find it.
  struct Seg {
    POINT a, b;
  } segs[] = {{{-1000000, -370001}, {1000000, 930007}},
              {{200, 0}, {-50, 59}},
              {{40, -1000000}, {41, 1000000}},
              {{-7, 30}, {87, 31}},
              {{999999, 999999}, {-999999, -999998}}};
  for (const Seg& s : segs) {
    const RECT window{0, 0, 80, 60};
    const auto clipped = LineSet(s.a, s.b, window);
    // Reference: walk the line through a much larger box, then keep what falls in the window.
    std::set<std::pair<int, int>> expected;
    pen::LinePixels(s.a, s.b, {-5000, -5000, 5000, 5000}, [&](int x, int y) {
      if (x >= 0 && x < 80 && y >= 0 && y < 60) expected.insert({x, y});
    });
    EXPECT_EQ(clipped, expected);
  }
}

TEST(CosmeticLine, ClipRegionAndSurfaceEdgesLimitPainting) {
  Canvas c(10, 4);
  SelectClipRgn(c.dc, CreateRectRgn(2, 0, 5, 4));
  c.Line(-100, 1, 100, 1);
  EXPECT_EQ(c.Picture(),
            "..........\n"
            "..###.....\n"
            "..........\n"
            "..........\n");
}

TEST(CosmeticLine, LineToChainsAndPolylinesPaintCornersOnce) {
  // An XOR chain drawn once changes every pixel of its path; corners shared by two segments
  // must not be flipped back.
  for (bool poly : {false, true}) {
    Canvas c(8, 8);
    c.Pen(PS_SOLID, 1, RGB(255, 255, 255));
    SetROP2(c.dc, R2_XORPEN);
    const POINT pts[] = {{1, 1}, {6, 1}, {6, 6}, {1, 6}, {1, 1}};
    if (poly) {
      Polyline(c.dc, pts, 5);
    } else {
      MoveToEx(c.dc, 1, 1, nullptr);
      for (int i = 1; i < 5; ++i) LineTo(c.dc, pts[i].x, pts[i].y);
    }
    EXPECT_EQ(c.Picture(),
              "........\n"
              ".######.\n"
              ".#....#.\n"
              ".#....#.\n"
              ".#....#.\n"
              ".#....#.\n"
              ".######.\n"
              "........\n")
        << (poly ? "Polyline" : "LineTo");
  }
}

TEST(CosmeticLine, BacktrackingPolylinePaintsEachPixelOnce) {
  // Segments running back over each other: with XOR the path still shows as drawn once.
  Canvas c(12, 3);
  c.Pen(PS_SOLID, 1, RGB(255, 255, 255));
  SetROP2(c.dc, R2_XORPEN);
  const POINT pts[] = {{1, 1}, {10, 1}, {4, 1}, {4, 2}};
  Polyline(c.dc, pts, 4);
  EXPECT_EQ(c.Picture(),
            "............\n"
            ".##########.\n"
            "............\n");
}

// ---- wide pens ---------------------------------------------------------------------------------

TEST(WidePen, ZeroLengthLeavesNoMarkAndOnePixelStepLeavesADot) {
  // A press without movement must not mark the picture (the signature pad relies on it), while
  // the pencil's one-pixel step leaves a dot of the pen's width.
  Canvas c(16, 6);
  c.Pen(PS_SOLID, 2, 0);
  c.Line(2, 2, 2, 2);
  c.Pen(PS_SOLID, 3, 0);
  c.Line(6, 2, 6, 2);
  c.Line(11, 2, 12, 2);
  EXPECT_EQ(c.Picture(),
            "................\n"
            "...........##...\n"
            "..........####..\n"
            "...........##...\n"
            "................\n"
            "................\n");
}

TEST(WidePen, DotOfWidthNineIsTheFilledCircleOfThatBox) {
  Canvas c(11, 11);
  LOGBRUSH lb{BS_SOLID, 0, 0};
  SelectObject(c.dc, ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND, 9, lb, 0, nullptr));
  c.Line(5, 5, 5, 5);
  EXPECT_EQ(c.Picture(),
            "...........\n"
            "....###....\n"
            "..#######..\n"
            "..#######..\n"
            ".#########.\n"
            ".#########.\n"
            ".#########.\n"
            "..#######..\n"
            "..#######..\n"
            "....###....\n"
            "...........\n");
}

TEST(WidePen, CentredOnTheLineWithRoundEndsIncludingTheEndPoint) {
  Canvas c(12, 7);
  c.Pen(PS_SOLID, 3, 0);
  c.Line(2, 3, 9, 3);
  EXPECT_EQ(c.Picture(),
            "............\n"
            "............\n"
            "..########..\n"
            ".##########.\n"
            "..########..\n"
            "............\n"
            "............\n");
}

TEST(WidePen, XorPolylinePaintsItsUnionOnceAndTwiceRestores) {
  // Sharp turns overlap bodies and round joins; an XOR stroke must flip exactly the pixels a
  // copy stroke covers, and a second stroke must bring back every pixel.
  const POINT pts[] = {{3, 3}, {30, 12}, {4, 20}, {28, 26}, {28, 4}};
  for (int width : {2, 5, 10}) {
    Canvas copy(34, 32), xr(34, 32, 0x123456);
    copy.Pen(PS_SOLID, width, 0);
    Polyline(copy.dc, pts, 5);
    xr.Pen(PS_SOLID, width, RGB(255, 255, 255));
    SetROP2(xr.dc, R2_XORPEN);
    Polyline(xr.dc, pts, 5);
    EXPECT_EQ(xr.Marked(0x123456), copy.Marked()) << width;
    Polyline(xr.dc, pts, 5);
    EXPECT_TRUE(xr.Marked(0x123456).empty()) << width;
  }
}

TEST(WidePen, FarEndPointsDrawTheSamePixelsAsTheUnclippedStroke) {
  // A wide line through the surface from a million pixels away covers what the same line
  // covers on a surface big enough to hold a closer stretch of it.
  Canvas small(40, 30), big(400, 300);
  small.Pen(PS_SOLID, 8, 0);
  big.Pen(PS_SOLID, 8, 0);
  small.Line(-1000000 + 20, -500000 + 15, 1000000 + 20, 500000 + 15);
  big.Line(-1000000 + 200, -500000 + 150, 1000000 + 200, 500000 + 150);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      ASSERT_EQ(small.bmp->At(x, y), big.bmp->At(x + 180, y + 135)) << x << "," << y;
  EXPECT_FALSE(small.Marked().empty());
}

TEST(WidePen, StrokeBandsAreThePixelsStrokePathPaints) {
  const POINT pts[] = {{2, 2}, {20, 9}, {6, 17}};
  for (int width : {1, 4, 7}) {
    Canvas c(24, 22);
    c.Pen(PS_SOLID, width, 0);
    Polyline(c.dc, pts, 3);
    const raster::Bands bands = pen::StrokeBands(*c.dc->pen, pts, 3, false, {0, 0, 24, 22});
    std::set<std::pair<int, int>> from_bands;
    for (const auto& b : bands)
      for (int y = b.top; y < b.bottom; ++y)
        for (const auto& [x0, x1] : b.spans)
          for (int x = x0; x < x1; ++x) from_bands.insert({x, y});
    EXPECT_EQ(from_bands, c.Marked()) << width;
  }
}

TEST(GeometricPen, CapsDecideTheEnds) {
  LOGBRUSH lb{BS_SOLID, 0, 0};
  auto draw = [&](DWORD cap, int x0, int x1) {
    Canvas c(20, 9);
    SelectObject(c.dc, ExtCreatePen(PS_GEOMETRIC | PS_SOLID | cap, 4, lb, 0, nullptr));
    c.Line(x0, 4, x1, 4);
    return c.Marked();
  };
  // Zero length: only the round cap leaves a mark.
  EXPECT_TRUE(draw(PS_ENDCAP_FLAT, 9, 9).empty());
  EXPECT_TRUE(draw(PS_ENDCAP_SQUARE, 9, 9).empty());
  EXPECT_FALSE(draw(PS_ENDCAP_ROUND, 9, 9).empty());
  // A flat end stops at the end points; a square one reaches half the width past them.
  auto extent = [](const std::set<std::pair<int, int>>& px) {
    int lo = 99, hi = -99;
    for (const auto& p : px) {
      lo = std::min(lo, p.first);
      hi = std::max(hi, p.first);
    }
    return std::make_pair(lo, hi);
  };
  EXPECT_EQ(extent(draw(PS_ENDCAP_FLAT, 5, 14)), std::make_pair(5, 13));
  EXPECT_EQ(extent(draw(PS_ENDCAP_SQUARE, 5, 14)), std::make_pair(3, 15));
}

TEST(Pens, NullPenDrawsNothing) {
  Canvas c(10, 10);
  SelectObject(c.dc, GetStockObject(NULL_PEN));
  c.Line(0, 0, 9, 9);
  const POINT pts[] = {{0, 5}, {9, 5}, {5, 0}};
  Polyline(c.dc, pts, 3);
  EXPECT_TRUE(c.Marked().empty());
}

TEST(Pens, ExtremeWidthsAndCoordinatesStayDefined) {
  // A pen far wider than the surface covers all of it; end points at the ends of the integer
  // range neither overflow nor loop over the range.
  Canvas c(16, 12);
  c.Pen(PS_SOLID, 2000000000, 0);
  c.Line(8, 6, 9, 6);
  EXPECT_EQ(c.Marked().size(), 16u * 12u);
  for (int width : {1, 3}) {
    Canvas d(16, 12);
    d.Pen(PS_SOLID, width, 0);
    d.Line(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    d.Line(INT_MAX, 0, INT_MIN, 11);
    EXPECT_TRUE(d.Marked().count({6, 6}) && d.Marked().count({0, 5})) << width;
  }
}

// ---- styled pens -------------------------------------------------------------------------------

std::string Row(const Canvas& c, int y, std::uint32_t pen_px, std::uint32_t bk_px) {
  std::string s;
  for (int x = 0; x < c.bmp->Width(); ++x) {
    const std::uint32_t p = c.bmp->At(x, y);
    s += p == pen_px ? '#' : p == bk_px ? '-' : '.';
  }
  return s;
}

TEST(StyledPen, PatternsAndOpaqueGaps) {
  Canvas c(32, 4, 0x808080);
  SetBkColor(c.dc, RGB(255, 255, 0));
  const std::uint32_t yellow = 0xFFFF00;
  c.Pen(PS_DASH, 1, 0);
  c.Line(0, 0, 31, 0);
  c.Pen(PS_DOT, 1, 0);
  c.Line(0, 1, 31, 1);
  c.Pen(PS_DASHDOT, 1, 0);
  c.Line(0, 2, 31, 2);
  c.Pen(PS_DASHDOTDOT, 1, 0);
  c.Line(0, 3, 31, 3);
  EXPECT_EQ(Row(c, 0, 0, yellow), "##################------#######.");
  EXPECT_EQ(Row(c, 1, 0, yellow), "###---###---###---###---###---#.");
  EXPECT_EQ(Row(c, 2, 0, yellow), "#########------###------#######.");
  EXPECT_EQ(Row(c, 3, 0, yellow), "#########---###---###---#######.");
}

TEST(StyledPen, TransparentGapsAreUntouched) {
  Canvas c(14, 1, 0x808080);
  SetBkMode(c.dc, TRANSPARENT);
  c.Pen(PS_DOT, 1, 0);
  c.Line(0, 0, 14, 0);
  EXPECT_EQ(Row(c, 0, 0, 0xFFFFFF), "###...###...##");
}

TEST(StyledPen, LineToRestartsThePatternButPolylineRunsOn) {
  Canvas c(10, 6, 0x808080);
  SetBkMode(c.dc, TRANSPARENT);
  c.Pen(PS_DOT, 1, 0);
  MoveToEx(c.dc, 0, 0, nullptr);
  LineTo(c.dc, 4, 0);
  LineTo(c.dc, 9, 0);
  const POINT pts[] = {{0, 3}, {4, 3}, {9, 3}};
  Polyline(c.dc, pts, 3);
  EXPECT_EQ(Row(c, 0, 0, 0xFFFFFF), "###.###...");
  EXPECT_EQ(Row(c, 3, 0, 0xFFFFFF), "###...###.");
}

TEST(StyledPen, ClippedLinesKeepTheirPhase) {
  Canvas whole(30, 1, 0x808080), part(30, 1, 0x808080);
  for (Canvas* c : {&whole, &part}) {
    SetBkMode(c->dc, TRANSPARENT);
    c->Pen(PS_DASHDOT, 1, 0);
  }
  whole.Line(0, 0, 30, 0);
  SelectClipRgn(part.dc, CreateRectRgn(7, 0, 25, 1));
  part.Line(-1000032, 0, 30, 0);  // 41668 whole periods of 24 further left
  for (int x = 7; x < 25; ++x) EXPECT_EQ(part.bmp->At(x, 0), whole.bmp->At(x, 0)) << x;
}

// ---- binary raster operations ------------------------------------------------------------------

TEST(Rop2, EveryCodeOnOnePixelAndWideLines) {
  // D' for pen P over destination D, written out per code from the operation names.
  const std::uint32_t p = 0x3366CC, d = 0xF0A05A, m = 0xFFFFFF;
  const std::uint32_t expected[17] = {0,
                                      0,             // BLACK
                                      ~(p | d) & m,  // NOTMERGEPEN
                                      ~p & d & m,    // MASKNOTPEN
                                      ~p & m,        // NOTCOPYPEN
                                      p & ~d & m,    // MASKPENNOT
                                      ~d & m,        // NOT
                                      p ^ d,         // XORPEN
                                      ~(p & d) & m,  // NOTMASKPEN
                                      p & d,         // MASKPEN
                                      ~(p ^ d) & m,  // NOTXORPEN
                                      d,             // NOP
                                      (~p | d) & m,  // MERGENOTPEN
                                      p,             // COPYPEN
                                      (p | ~d) & m,  // MERGEPENNOT
                                      p | d,         // MERGEPEN
                                      m};            // WHITE
  for (int rop = R2_BLACK; rop <= R2_WHITE; ++rop) {
    for (int width : {1, 4}) {
      Canvas c(12, 8, d);
      c.Pen(PS_SOLID, width, ColorrefFromPixel(p));
      SetROP2(c.dc, rop);
      c.Line(2, 4, 9, 4);
      EXPECT_EQ(c.bmp->At(5, 4), expected[rop]) << "rop " << rop << " width " << width;
      EXPECT_EQ(c.bmp->At(0, 0), d);
    }
  }
}

}  // namespace
