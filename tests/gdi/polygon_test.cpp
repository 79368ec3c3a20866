// Polygon and PolyPolygon: which pixels the fill takes in both fill modes, how the outline and
// the fill share the edge, clipping and far-away coordinates.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "gdi/gdi.h"
#include "canvas.h"

namespace {

using namespace gdi;

struct Canvas : test::Canvas {
  using test::Canvas::Canvas;
  // A black fill without outline, so the picture shows the fill rule alone.
  void FillOnly() {
    NullPen();
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
  }
};

std::string Fill(const std::vector<POINT>& pts, int mode, int w = 8, int h = 6) {
  Canvas c(w, h);
  c.FillOnly();
  SetPolyFillMode(c.dc, mode);
  EXPECT_TRUE(Polygon(c.dc, pts.data(), static_cast<int>(pts.size())));
  return c.Picture();
}

TEST(PolygonFill, RightAndBottomEdgesAreLeftOut) {
  const std::string square =
      "........\n"
      ".####...\n"
      ".####...\n"
      ".####...\n"
      "........\n"
      "........\n";
  EXPECT_EQ(Fill({{1, 1}, {5, 1}, {5, 4}, {1, 4}}, ALTERNATE), square);
  EXPECT_EQ(Fill({{1, 4}, {5, 4}, {5, 1}, {1, 1}}, WINDING), square);  // either direction
  // A pixel is in when its own coordinates are inside: a left edge at x = 1 + y/2 takes the
  // pixel it passes through exactly and the next whole column otherwise.
  EXPECT_EQ(Fill({{1, 0}, {7, 0}, {7, 6}, {4, 6}}, ALTERNATE),
            ".######.\n"
            "..#####.\n"
            "..#####.\n"
            "...####.\n"
            "...####.\n"
            "....###.\n");
}

TEST(PolygonFill, NeighboursShareNoPixelAndLeaveNoGap) {
  // Two triangles splitting a square along its diagonal, each inverted with an XOR brush: every
  // pixel of the square is inverted exactly once.
  Canvas c(8, 8, 0);
  SelectObject(c.dc, GetStockObject(NULL_PEN));
  SelectObject(c.dc, GetStockObject(WHITE_BRUSH));
  SetROP2(c.dc, R2_XORPEN);
  const POINT lower[] = {{1, 1}, {7, 7}, {1, 7}};
  const POINT upper[] = {{1, 1}, {7, 1}, {7, 7}};
  Polygon(c.dc, lower, 3);
  Polygon(c.dc, upper, 3);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(c.bmp->At(x, y), (x >= 1 && x < 7 && y >= 1 && y < 7) ? 0xFFFFFFu : 0u) << x << "," << y;
}

TEST(PolygonFill, FillModesOnSelfOverlappingShapes) {
  // A square traced twice is covered twice: empty in ALTERNATE, full in WINDING.
  const std::vector<POINT> twice = {{1, 1}, {5, 1}, {5, 4}, {1, 4}, {1, 1}, {5, 1}, {5, 4}, {1, 4}};
  EXPECT_EQ(Fill(twice, ALTERNATE).find('#'), std::string::npos);
  EXPECT_EQ(Fill(twice, WINDING), Fill({{1, 1}, {5, 1}, {5, 4}, {1, 4}}, ALTERNATE));
  // A bow-tie: the crossing row is empty, as both edges meet there.
  EXPECT_EQ(Fill({{0, 0}, {6, 6}, {0, 6}, {6, 0}}, ALTERNATE, 7, 7),
            "######.\n"
            ".####..\n"
            "..##...\n"
            ".......\n"
            "..##...\n"
            ".####..\n"
            ".......\n");
}

TEST(PolygonFill, RepeatedAndCollinearPointsChangeNothing) {
  const std::string plain = Fill({{1, 1}, {7, 1}, {7, 5}, {1, 5}}, ALTERNATE);
  EXPECT_EQ(Fill({{1, 1}, {1, 1}, {4, 1}, {7, 1}, {7, 3}, {7, 5}, {7, 5}, {1, 5}}, ALTERNATE), plain);
  EXPECT_EQ(Fill({{1, 1}, {4, 1}, {7, 1}, {7, 5}, {1, 5}, {1, 3}}, WINDING), plain);
  // Degenerate polygons fill nothing; too few points are refused.
  EXPECT_EQ(Fill({{1, 1}, {6, 4}}, ALTERNATE).find('#'), std::string::npos);
  EXPECT_EQ(Fill({{3, 3}, {3, 3}, {3, 3}}, WINDING).find('#'), std::string::npos);
  Canvas c(4, 4);
  const POINT one[] = {{1, 1}};
  EXPECT_FALSE(Polygon(c.dc, one, 1));
  EXPECT_FALSE(Polygon(c.dc, nullptr, 3));
}

TEST(PolygonFill, PolyPolygonFillsAllPolygonsTogether) {
  // Two overlapping squares: ALTERNATE leaves the overlap out; WINDING keeps it when both run
  // the same way and leaves it out when they run opposite ways.
  const POINT same[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {2, 2}, {6, 2}, {6, 6}, {2, 6}};
  const POINT opposite[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {2, 2}, {2, 6}, {6, 6}, {6, 2}};
  const int counts[] = {4, 4};
  auto draw = [&](const POINT* pts, int mode) {
    Canvas c(6, 6);
    c.FillOnly();
    SetPolyFillMode(c.dc, mode);
    EXPECT_TRUE(PolyPolygon(c.dc, pts, counts, 2));
    return c.Picture();
  };
  const std::string with_hole =
      "####..\n"
      "####..\n"
      "##..##\n"
      "##..##\n"
      "..####\n"
      "..####\n";
  EXPECT_EQ(draw(same, ALTERNATE), with_hole);
  EXPECT_EQ(draw(opposite, WINDING), with_hole);
  EXPECT_EQ(draw(same, WINDING),
            "####..\n"
            "####..\n"
            "######\n"
            "######\n"
            "..####\n"
            "..####\n");
  Canvas c(4, 4);
  const int bad[] = {4, 1};
  EXPECT_FALSE(PolyPolygon(c.dc, same, bad, 2));
}

TEST(PolygonOutline, OutlineAndFillAreDisjoint) {
  // With XOR, a pixel painted by both fill and pen would show neither colour. Drawing twice
  // restores the surface.
  const POINT star[] = {{12, 1}, {19, 22}, {1, 9}, {23, 9}, {5, 22}};
  for (int width : {1, 3}) {
    Canvas c(24, 24);
    SelectObject(c.dc, CreatePen(PS_SOLID, width, RGB(255, 0, 0)));
    SelectObject(c.dc, CreateSolidBrush(RGB(0, 0, 255)));
    SetROP2(c.dc, R2_XORPEN);
    SetPolyFillMode(c.dc, WINDING);
    Polygon(c.dc, star, 5);
    int pen = 0, fill = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 24; ++x) {
        const COLORREF p = GetPixel(c.dc, x, y);
        EXPECT_TRUE(p == RGB(255, 255, 255) || p == RGB(0, 255, 255) || p == RGB(255, 255, 0))
            << x << "," << y;
        pen += p == RGB(0, 255, 255);
        fill += p == RGB(255, 255, 0);
      }
    EXPECT_GT(pen, 40);
    EXPECT_GT(fill, 10);
    Polygon(c.dc, star, 5);
    EXPECT_EQ(c.Picture().find('#'), std::string::npos) << "width " << width;
  }
}

TEST(PolygonOutline, ClosedOutlineAndClipping) {
  Canvas c(8, 6);
  SelectObject(c.dc, GetStockObject(NULL_BRUSH));
  const POINT box[] = {{1, 1}, {6, 1}, {6, 4}, {1, 4}};
  Polygon(c.dc, box, 4);
  EXPECT_EQ(c.Picture(),
            "........\n"
            ".######.\n"
            ".#....#.\n"
            ".#....#.\n"
            ".######.\n"
            "........\n");
  // Under a clip region the fill and the outline both stay inside it.
  Canvas d(8, 6);
  SelectObject(d.dc, GetStockObject(BLACK_BRUSH));
  SelectClipRgn(d.dc, CreateRectRgn(0, 0, 4, 3));
  Polygon(d.dc, box, 4);
  EXPECT_EQ(d.Picture(),
            "........\n"
            ".###....\n"
            ".###....\n"
            "........\n"
            "........\n"
            "........\n");
}

TEST(PolygonFill, FarCoordinatesAndTheMatchingRegion) {
  // Triangles reaching two billion pixels out still fill exactly the visible part: the
  // diagonal through (-1e9, -1e9) and (1e9, 1e9) is a right edge, so row y keeps x < y.
  Canvas c(8, 6);
  c.FillOnly();
  const POINT huge[] = {{INT_MIN, 3}, {INT_MAX, 3}, {4, -2000000000}};
  EXPECT_TRUE(Polygon(c.dc, huge, 3));
  const POINT diagonal[] = {{-1000000000, -1000000000}, {1000000000, 1000000000}, {-1000000000, 1000000000}};
  EXPECT_TRUE(Polygon(c.dc, diagonal, 3));
  EXPECT_EQ(c.Picture(),
            "########\n"
            "########\n"
            "########\n"
            "###.....\n"
            "####....\n"
            "#####...\n");
  // CreatePolygonRgn takes exactly the pixels a pen-less Polygon fills, in both modes.
  const POINT star[] = {{12, 1}, {19, 22}, {1, 9}, {23, 9}, {5, 22}};
  for (int mode : {ALTERNATE, WINDING}) {
    Canvas drawn(24, 24), painted(24, 24);
    drawn.FillOnly();
    SetPolyFillMode(drawn.dc, mode);
    Polygon(drawn.dc, star, 5);
    FillRgn(painted.dc, CreatePolygonRgn(star, 5, mode), GetStockBrush(BLACK_BRUSH));
    EXPECT_EQ(drawn.Picture(), painted.Picture()) << mode;
  }
}

}  // namespace
