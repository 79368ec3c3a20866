// Regions: set algebra, hit testing, boxes, clipping, painting, window shapes and the shapes of
// elliptic, round-rectangle and polygon regions.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "canvas.h"
#include "gdi/gdi.h"
#include "gdi/polyfill.h"

namespace {

using namespace gdi;

// The region's pixels inside (0, 0)-(w, h) as rows of '#' (in) and '.' (out).
std::string Picture(const HRGN& rgn, int w, int h) {
  std::string s;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) s += PtInRegion(rgn, x, y) ? '#' : '.';
    s += '\n';
  }
  return s;
}

long Area(const HRGN& rgn) {
  long n = 0;
  for (const RECT& r : GetRegionRects(rgn)) n += static_cast<long>(r.right - r.left) * (r.bottom - r.top);
  return n;
}

using test::Canvas;

TEST(RegionAlgebra, EachCombineModeAndItsComplexity) {
  const HRGN a = CreateRectRgn(0, 0, 4, 4), b = CreateRectRgn(2, 2, 6, 6);
  HRGN d = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(d, a, b, RGN_AND), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(d, CreateRectRgn(2, 2, 4, 4)));
  EXPECT_EQ(CombineRgn(d, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_EQ(Area(d), 28);
  EXPECT_EQ(CombineRgn(d, a, b, RGN_XOR), COMPLEXREGION);
  EXPECT_EQ(Picture(d, 6, 6),
            "####..\n"
            "####..\n"
            "##..##\n"
            "##..##\n"
            "..####\n"
            "..####\n");
  EXPECT_EQ(CombineRgn(d, a, b, RGN_DIFF), COMPLEXREGION);
  EXPECT_EQ(Area(d), 12);
  EXPECT_FALSE(PtInRegion(d, 2, 2));
  EXPECT_EQ(CombineRgn(d, a, nullptr, RGN_COPY), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(d, a));
  // Disjoint and touching operands.
  EXPECT_EQ(CombineRgn(d, a, CreateRectRgn(4, 0, 8, 4), RGN_AND), NULLREGION);
  EXPECT_EQ(CombineRgn(d, a, CreateRectRgn(4, 0, 8, 4), RGN_OR), SIMPLEREGION);  // one rectangle again
  EXPECT_TRUE(EqualRgn(d, CreateRectRgn(0, 0, 8, 4)));
  EXPECT_EQ(CombineRgn(d, a, a, RGN_DIFF), NULLREGION);
  EXPECT_EQ(CombineRgn(d, a, b, 99), RGN_ERROR);
  EXPECT_EQ(CombineRgn(d, a, nullptr, RGN_OR), RGN_ERROR);
}

TEST(RegionAlgebra, DestinationMayBeAnOperand) {
  HRGN a = CreateRectRgn(0, 0, 4, 4);
  const HRGN b = CreateRectRgn(2, 2, 6, 6);
  EXPECT_EQ(CombineRgn(a, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_EQ(Area(a), 28);
  EXPECT_EQ(CombineRgn(a, b, a, RGN_DIFF), NULLREGION);
}

TEST(RegionAlgebra, EdgesBoxesAndOffsets) {
  const HRGN r = CreateRectRgn(5, 7, 2, 3);  // reversed corners are normalised
  EXPECT_TRUE(PtInRegion(r, 2, 3));
  EXPECT_TRUE(PtInRegion(r, 4, 6));
  EXPECT_FALSE(PtInRegion(r, 5, 3));  // right edge left out
  EXPECT_FALSE(PtInRegion(r, 2, 7));  // bottom edge left out
  EXPECT_FALSE(PtInRegion(r, 1, 3));
  RECT box;
  EXPECT_EQ(GetRgnBox(r, &box), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{2, 3, 5, 7}));
  EXPECT_EQ(GetRgnBox(CreateRectRgn(3, 3, 3, 9), &box), NULLREGION);
  EXPECT_EQ(box, (RECT{0, 0, 0, 0}));

  HRGN two = CreateRectRgn(0, 0, 2, 2);
  CombineRgn(two, two, CreateRectRgn(5, 4, 6, 9), RGN_OR);
  EXPECT_EQ(GetRgnBox(two, &box), COMPLEXREGION);
  EXPECT_EQ(box, (RECT{0, 0, 6, 9}));
  EXPECT_EQ(OffsetRgn(two, -10, 20), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(two, -10, 20));
  EXPECT_TRUE(PtInRegion(two, -5, 28));
  EXPECT_FALSE(PtInRegion(two, 0, 0));

  // Offsets past the coordinate limit stay well formed instead of wrapping around.
  HRGN far = CreateRectRgn(0, 0, 10, 10);
  OffsetRgn(far, INT_MAX, INT_MAX);
  OffsetRgn(far, INT_MAX, 0);
  EXPECT_FALSE(PtInRegion(far, 5, 5));
  EXPECT_EQ(OffsetRgn(far, 0, 0), NULLREGION);
}

TEST(RegionClip, SelectClipRgnCopiesTheRegion) {
  Canvas c(8, 4);
  HRGN rgn = CreateRectRgn(1, 1, 3, 3);
  EXPECT_EQ(SelectClipRgn(c.dc, rgn), SIMPLEREGION);
  OffsetRgn(rgn, 4, 0);  // changing the caller's region must not move the clip
  CombineRgn(rgn, rgn, CreateRectRgn(0, 0, 8, 4), RGN_OR);
  PatBlt(c.dc, 0, 0, 8, 4, BLACKNESS);
  EXPECT_EQ(c.Picture(),
            "........\n"
            ".##.....\n"
            ".##.....\n"
            "........\n");
  EXPECT_EQ(IntersectClipRect(c.dc, 2, 0, 8, 4), SIMPLEREGION);
  EXPECT_EQ(SetPixel(c.dc, 1, 1, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(c.dc, 2, 2), 0u);
  SelectClipRgn(c.dc, nullptr);
  PatBlt(c.dc, 7, 3, 1, 1, BLACKNESS);
  EXPECT_EQ(c.bmp->At(7, 3), 0u);
}

TEST(RegionPaint, EachPixelPaintedOnce) {
  Canvas c(6, 6);
  HRGN rgn = CreateRectRgn(0, 0, 4, 4);
  CombineRgn(rgn, rgn, CreateRectRgn(2, 2, 6, 6), RGN_OR);
  EXPECT_TRUE(InvertRgn(c.dc, rgn));
  EXPECT_EQ(c.Picture(),
            "####..\n"
            "####..\n"
            "######\n"
            "######\n"
            "..####\n"
            "..####\n");
  EXPECT_TRUE(InvertRgn(c.dc, rgn));  // the overlap was inverted once, so twice restores it
  EXPECT_EQ(c.Picture().find('#'), std::string::npos);
  // PaintRgn uses the DC's brush and ROP2; FillRgn a given brush.
  SelectObject(c.dc, GetStockObject(BLACK_BRUSH));
  SetROP2(c.dc, R2_NOT);
  PaintRgn(c.dc, rgn);
  PaintRgn(c.dc, rgn);
  EXPECT_EQ(c.Picture().find('#'), std::string::npos);
  FillRgn(c.dc, CreateRectRgn(1, 1, 2, 2), CreateSolidBrush(RGB(255, 0, 0)));
  EXPECT_EQ(GetPixel(c.dc, 1, 1), RGB(255, 0, 0));
}

TEST(RegionShape, WindowShapeRectanglesTileTheRegionExactly) {
  const HRGN rgn = CreateEllipticRgn(3, 2, 40, 30);
  const auto rects = GetRegionRects(rgn);
  ASSERT_FALSE(rects.empty());
  HRGN rebuilt = CreateRectRgn(0, 0, 0, 0);
  long area = 0;
  for (const RECT& r : rects) {
    EXPECT_LT(r.left, r.right);
    EXPECT_LT(r.top, r.bottom);
    HRGN piece = CreateRectRgnIndirect(r);
    HRGN overlap = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(overlap, rebuilt, piece, RGN_AND), NULLREGION);  // disjoint
    CombineRgn(rebuilt, rebuilt, piece, RGN_OR);
    area += static_cast<long>(r.right - r.left) * (r.bottom - r.top);
  }
  EXPECT_TRUE(EqualRgn(rebuilt, rgn));
  EXPECT_EQ(area, Area(rgn));
  EXPECT_EQ(GetRegionRects(CreateRectRgn(1, 2, 3, 4)), (std::vector<RECT>{{1, 2, 3, 4}}));
  EXPECT_TRUE(GetRegionRects(CreateRectRgn(1, 2, 1, 4)).empty());
}

TEST(RegionShape, EllipticRegionsAreOnePixelSmallerThanTheirBox) {
  // A 5x5 box makes a 4x4 disc; a 24x30 box the rows measured on the reference images.
  EXPECT_EQ(Picture(CreateEllipticRgn(0, 0, 5, 5), 5, 5),
            ".##..\n"
            "####.\n"
            "####.\n"
            ".##..\n"
            ".....\n");
  const HRGN e = CreateEllipticRgn(124, 60, 100, 30);  // reversed corners
  RECT box;
  EXPECT_EQ(GetRgnBox(e, &box), COMPLEXREGION);
  EXPECT_EQ(box, (RECT{100, 30, 123, 59}));
  const int first[] = {9, 7, 5, 4, 3, 3, 2, 1, 1, 1, 0};  // leftmost column, relative, rows 0..10
  for (int i = 0; i <= 10; ++i) {
    for (int row : {30 + i, 58 - i}) {
      EXPECT_FALSE(PtInRegion(e, 100 + first[i] - 1, row)) << row;
      EXPECT_TRUE(PtInRegion(e, 100 + first[i], row)) << row;
      EXPECT_TRUE(PtInRegion(e, 122 - first[i], row)) << row;
      EXPECT_FALSE(PtInRegion(e, 123 - first[i], row)) << row;
    }
  }
  EXPECT_EQ(CreateEllipticRgn(0, 0, 1, 9)->Complexity(), NULLREGION);
  // A flat ellipse keeps its full width on the middle row.
  EXPECT_TRUE(EqualRgn(CreateEllipticRgn(0, 0, 40, 3), CreateRectRgn(0, 0, 39, 2)));
  EXPECT_EQ(Picture(CreateEllipticRgn(0, 0, 17, 4), 17, 4),
            "...##########....\n"
            "################.\n"
            "...##########....\n"
            ".................\n");
}

TEST(RegionShape, RoundRectCornersAndLimits) {
  EXPECT_EQ(Picture(CreateRoundRectRgn(0, 0, 9, 7, 5, 5), 9, 7),
            ".######..\n"
            "########.\n"
            "########.\n"
            "########.\n"
            "########.\n"
            ".######..\n"
            ".........\n");
  // Corners no larger than a pixel leave a rectangle; oversize corners make the ellipse.
  EXPECT_TRUE(EqualRgn(CreateRoundRectRgn(2, 2, 10, 8, 0, 0), CreateRectRgn(2, 2, 9, 7)));
  EXPECT_TRUE(EqualRgn(CreateRoundRectRgn(2, 2, 30, 18, 100, 90), CreateEllipticRgn(2, 2, 30, 18)));
  EXPECT_TRUE(EqualRgn(CreateRoundRectRgn(2, 2, 30, 18, -6, -6), CreateRoundRectRgn(2, 2, 30, 18, 6, 6)));
}

TEST(RegionShape, HugeShapesAreBoundedAndStayRound) {
  const HRGN e = CreateEllipticRgn(-1000000000, -1000000000, 1000000000, 1000000000);
  const HRGN r = CreateRoundRectRgn(INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
  const POINT tri[] = {{-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
  const HRGN p = CreatePolygonRgn(tri, 3, WINDING);
  for (const HRGN& rgn : {e, r, p}) {
    EXPECT_TRUE(PtInRegion(rgn, 0, 0));
    EXPECT_TRUE(PtInRegion(rgn, -poly::kRegionLimit, 1000));
    EXPECT_FALSE(PtInRegion(rgn, poly::kRegionLimit, 0));  // kept only within the limit
  }
  // Evaluated row by row, a huge ellipse still follows the midpoint rule to within a pixel:
  // near the top a row reaches as far as the curve half a row further in, near the middle
  // row as far as the curve on the row itself, plus half a pixel.
  const int a = 300000000, b = 200000000;
  const std::vector<int> top = poly::CornerExtents(a, b, b - 1000, b + 1);
  const std::vector<int> middle = poly::CornerExtents(a, b, 0, 1001);
  for (int i = 0; i <= 1000; i += 50) {
    const double d = b - 1000 + i - 0.5;
    EXPECT_NEAR(top[i], a * std::sqrt(1 - (d / b) * (d / b)), 1.0) << d;
    EXPECT_NEAR(middle[i], a * std::sqrt(1 - (1.0 * i / b) * (1.0 * i / b)) + 0.5, 1.0) << i;
  }
}

TEST(RegionShape, PolygonRegionFillModes) {
  // A square traced twice: ALTERNATE leaves it empty, WINDING fills it.
  const POINT twice[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}, {1, 1}, {5, 1}, {5, 4}, {1, 4}};
  EXPECT_EQ(CreatePolygonRgn(twice, 8, ALTERNATE)->Complexity(), NULLREGION);
  EXPECT_TRUE(EqualRgn(CreatePolygonRgn(twice, 8, WINDING), CreateRectRgn(1, 1, 5, 4)));
  // Too few points enclose nothing.
  EXPECT_EQ(CreatePolygonRgn(twice, 2, WINDING)->Complexity(), NULLREGION);
  EXPECT_EQ(CreatePolygonRgn(nullptr, 5, WINDING)->Complexity(), NULLREGION);
}

}  // namespace
