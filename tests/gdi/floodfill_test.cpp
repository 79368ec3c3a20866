// ExtFloodFill: connectivity, both fill types, seeds that must fail, clipping, brushes whose
// paint must not change the area, and an area far too large for a recursive fill.
#include <gtest/gtest.h>

#include <string>

#include "gdi/gdi.h"

namespace {

using namespace gdi;

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0);

// A surface drawn from a picture: '#' black, 'r' red, anything else white.
struct Surface {
  HBITMAP bmp;
  HDC dc;
  explicit Surface(const std::vector<std::string>& rows) {
    bmp = CreateDIBSection32(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < bmp->Height(); ++y)
      for (int x = 0; x < bmp->Width(); ++x) {
        const char c = rows[y][x];
        bmp->At(x, y) = PixelFromColorref(c == '#' ? kBlack : c == 'r' ? kRed : kWhite);
      }
    dc = CreateSurfaceDC(bmp);
    SelectObject(dc, CreateSolidBrush(kRed));
  }
  std::string Picture() const {
    std::string s;
    for (int y = 0; y < bmp->Height(); ++y) {
      for (int x = 0; x < bmp->Width(); ++x) {
        const COLORREF c = ColorrefFromPixel(bmp->At(x, y));
        s += c == kBlack ? '#' : c == kRed ? 'r' : c == kWhite ? '.' : '?';
      }
      s += '\n';
    }
    return s;
  }
};

TEST(FloodFill, AreasAreFourConnected) {
  // A one-pixel diagonal line holds the fill.
  Surface s({"..#...",
             ".#....",
             "#.....",
             "......"});
  EXPECT_TRUE(ExtFloodFill(s.dc, 0, 0, kWhite, FLOODFILLSURFACE));
  EXPECT_EQ(s.Picture(), "rr#...\nr#....\n#.....\n......\n");
  // A one-pixel gap in a straight wall lets it through.
  Surface t({"...#..",
             "...#..",
             "......",
             "...#.."});
  EXPECT_TRUE(ExtFloodFill(t.dc, 5, 0, kWhite, FLOODFILLSURFACE));
  EXPECT_EQ(t.Picture(), "rrr#rr\nrrr#rr\nrrrrrr\nrrr#rr\n");
}

TEST(FloodFill, BorderModeFillsEverythingUpToTheBorderColour) {
  Surface s({"......",
             ".####.",
             ".#r..#",
             ".####."});
  EXPECT_TRUE(FloodFill(s.dc, 3, 2, kBlack));
  EXPECT_EQ(s.Picture(), "......\n.####.\n.#rrr#\n.####.\n");
}

TEST(FloodFill, SeedsThatCannotFillChangeNothing) {
  Surface s({"#...", "...."});
  const std::string before = s.Picture();
  EXPECT_FALSE(ExtFloodFill(s.dc, -1, 0, kWhite, FLOODFILLSURFACE));
  EXPECT_FALSE(ExtFloodFill(s.dc, 4, 1, kWhite, FLOODFILLSURFACE));
  EXPECT_FALSE(ExtFloodFill(s.dc, 0, 0, kWhite, FLOODFILLSURFACE));  // seed is not the colour
  EXPECT_FALSE(ExtFloodFill(s.dc, 0, 0, kBlack, FLOODFILLBORDER));   // seed is the border
  EXPECT_FALSE(ExtFloodFill(s.dc, 1, 1, kWhite, 7));
  SelectClipRgn(s.dc, CreateRectRgn(2, 0, 4, 2));
  EXPECT_FALSE(ExtFloodFill(s.dc, 1, 1, kWhite, FLOODFILLSURFACE));  // seed outside the clip
  EXPECT_EQ(s.Picture(), before);
}

TEST(FloodFill, NeverSpreadsThroughClippedOutPixels) {
  // The left and right halves only connect through row 0, which the clip hides.
  Surface s({"......",
             "..##..",
             "..##..",
             "..##.."});
  const HRGN clip = CreateRectRgn(0, 1, 6, 4);
  SelectClipRgn(s.dc, clip);
  EXPECT_TRUE(ExtFloodFill(s.dc, 0, 3, kWhite, FLOODFILLSURFACE));
  EXPECT_EQ(s.Picture(), "......\nrr##..\nrr##..\nrr##..\n");
}

TEST(FloodFill, TheAreaIsDecidedBeforeTheBrushPaints) {
  // The hatch paints its gaps in white, the very colour being filled: a fill that looked at the
  // surface to see what it had done would find those pixels again and again.
  Surface s({"##########",
             "#........#",
             "#........#",
             "#........#",
             "#........#",
             "##########"});
  SelectObject(s.dc, CreateHatchBrush(HS_FDIAGONAL, kBlack));
  SetBkColor(s.dc, kWhite);
  EXPECT_TRUE(ExtFloodFill(s.dc, 8, 4, kWhite, FLOODFILLSURFACE));
  // Forward diagonal hatch: lines where x == y (mod 8).
  EXPECT_EQ(s.Picture(), "##########\n##.......#\n#.#......#\n#..#.....#\n#...#....#\n##########\n");
}

TEST(FloodFill, LongWindingAreaNeedsNoRecursion) {
  // A 1001x1000 serpentine corridor: about half a million pixels in one path that doubles back
  // on itself 500 times, which would overflow any call stack a recursive fill used.
  const int w = 1001, h = 1000;
  std::vector<std::string> rows(h, std::string(w, '.'));
  for (int y = 1; y < h; y += 2) {
    rows[y].assign(w, '#');
    rows[y][(y / 2) % 2 ? 0 : w - 1] = '.';
  }
  Surface s(rows);
  EXPECT_TRUE(ExtFloodFill(s.dc, 0, 0, kWhite, FLOODFILLSURFACE));
  EXPECT_EQ(ColorrefFromPixel(s.bmp->At(0, h - 2)), kRed);
  EXPECT_EQ(ColorrefFromPixel(s.bmp->At(w / 2, h - 2)), kRed);
  EXPECT_EQ(ColorrefFromPixel(s.bmp->At(w / 2, h - 1)), kBlack);
}

}  // namespace
