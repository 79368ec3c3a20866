// The drawing helpers the tools share, on the headless program's canvas: shade triple, distance
// rounding, line primitives, fill brushes and their patterns, gradient bands, texture tiles
// through the shape's region, shaded-solid rings, and that every helper gives back what it made.
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "app/palette.h"
#include "app_fixture.h"
#include "gdi/bmp.h"
#include "tools/fills.h"
#include "tools/helpers.h"
#include "tools/rounding.h"

namespace pd::testing {
namespace {

namespace hl = platform::headless;
using gdi::COLORREF;
using gdi::RGB;

// A texture pixel that tells where in the tile it came from.
constexpr COLORREF TexturePixel(int x, int y) {
  return RGB(4 * x, 4 * y, 200);
}

class HelpersTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    UseScratchAssetDir();
    FillCanvas(kWhite);
    // Messages of the start-up (a build without its artwork) are not this test's.
    hl::Dialogs().asked.clear();
    baseline_ = gdi::GdiLiveObjects();
  }

  void WritePicture(const std::string& name, int w, int h, COLORREF (*pixel)(int, int)) {
    gdi::HBITMAP bmp = gdi::CreateDIBSection32(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) bmp->At(x, y) = gdi::PixelFromColorref(pixel(x, y));
    std::string error;
    ASSERT_TRUE(gdi::SaveBmp24(scratch_dir_ + "/" + name, *bmp, &error)) << error;
  }
  COLORREF Shade(int shade) const { return PaletteColours[ColourRow * 10 + shade]; }
  // Counts canvas pixels outside the box [l, r) x [t, b) that are no longer white.
  int ChangedOutside(int l, int t, int r, int b) {
    int n = 0;
    const gdi::Bitmap& surface = *Canvas().Surface();
    for (int y = 0; y < surface.Height(); ++y)
      for (int x = 0; x < surface.Width(); ++x)
        if (!PointInBox(x, y, l, t, r, b) && CanvasPixel(x, y) != kWhite) ++n;
    return n;
  }

  int baseline_ = 0;
};

// ---- shade triple and rounding -------------------------------------------------------------------

TEST_F(HelpersTest, ShadeTripleIsTheShadeAndTwoLighterOnesAndNeverLeavesTheRow) {
  for (int row : {0, 7, 15}) {
    for (int shade = 0; shade < 10; ++shade) {
      ColourRow = row;
      ColourShade = shade;
      UpdateShadeTriple();
      const int s = shade < 2 ? 2 : shade;
      EXPECT_EQ(ShadeTriple, (std::array<int, 3>{row * 10 + s, row * 10 + s - 1, row * 10 + s - 2}))
          << row << "/" << shade;
    }
  }
  // Picking a swatch recomputes it: the second swatch of the lower row is shade 6.
  hl::Click(Form(), 20, 197);
  EXPECT_EQ(ShadeTriple, (std::array<int, 3>{ColourRow * 10 + 6, ColourRow * 10 + 5, ColourRow * 10 + 4}));
}

TEST(RoundingTest, HalfwayGoesToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5L), 0);
  EXPECT_EQ(RoundHalfEven(1.5L), 2);
  EXPECT_EQ(RoundHalfEven(2.5L), 2);
  EXPECT_EQ(RoundHalfEven(-2.5L), -2);
  EXPECT_EQ(RoundHalfEven(-3.5L), -4);
  EXPECT_EQ(RoundHalfEven(2.4999L), 2);
  EXPECT_EQ(RoundHalfEven(-2.5001L), -3);
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN()), 0);
}

TEST(PointDistanceTest, RoundsTheEuclideanDistance) {
  EXPECT_EQ(PointDistance(0, 0, 3, 4), 5);
  EXPECT_EQ(PointDistance(3, 4, 0, 0), 5);
  EXPECT_EQ(PointDistance(0, 0, 1, 1), 1);    // 1.414
  EXPECT_EQ(PointDistance(-1, -1, 1, 2), 4);  // 3.606
  EXPECT_EQ(PointDistance(10, 10, 10, 10), 0);
  // The differences are single-precision floats: 2^24 + 1 is held as 2^24.
  EXPECT_EQ(PointDistance(0, 0, 16777217, 0), 16777216);
  // The ends of the int range do not overflow.
  constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  EXPECT_EQ(PointDistance(kMin, 0, kMax, 0), 4294967296LL);
}

TEST(PointDistanceTest, ExactHalvesInExtendedPrecisionGoToEven) {
  if (std::numeric_limits<long double>::digits != 64) GTEST_SKIP() << "needs the x87 extended format";
  // sqrt(dx^2 + dy^2) comes out as exactly k + 0.5 for these (the true roots lie within half a
  // unit of the last place of it).
  EXPECT_EQ(PointDistance(0, 0, 1831960576, 1875064832), 2621440000LL);  // 2621440000.5
  EXPECT_EQ(PointDistance(std::numeric_limits<int>::min(), 0, 1083427840, 389683),
            3230911512LL);  // 3230911511.5
}

// ---- lines ---------------------------------------------------------------------------------------

TEST_F(HelpersTest, FrameBoxLeavesTheBottomRightCornerAndPenStrokeItsEndPoint) {
  gdi::HDC dc = gdi::CreateCompatibleDC(nullptr);
  gdi::HBITMAP surface = gdi::CreateDIBSection32(10, 10);
  surface->Fill(0xFFFFFF);
  gdi::SelectObject(dc, surface);
  FrameBox(dc, 1, 1, 8, 6);
  auto black = [&](int x, int y) { return surface->At(x, y) == 0; };
  EXPECT_TRUE(black(1, 1) && black(7, 1) && black(8, 1) && black(1, 6) && black(7, 6) && black(8, 5));
  EXPECT_FALSE(black(8, 6));
  EXPECT_FALSE(black(4, 3));

  const COLORREF blue = PaletteColours[25];
  PenStroke(10, 10, 30, 10, 1, blue);
  EXPECT_EQ(CanvasPixel(10, 10), blue);
  EXPECT_EQ(CanvasPixel(29, 10), blue);
  EXPECT_EQ(CanvasPixel(30, 10), kWhite);
  EXPECT_EQ(ChangedOutside(10, 10, 30, 11), 0);
  dc.reset();
  surface.reset();
  EXPECT_EQ(gdi::GdiLiveObjects(), baseline_);
}

// ---- brushes -------------------------------------------------------------------------------------

TEST_F(HelpersTest, BrushStylesAndTheSolidFallbackForStylesThatAreNoBrush) {
  const COLORREF c = CurrentColour | kPaletteRelative;
  EXPECT_EQ(MakeFillBrush(0, c)->style, gdi::BS_NULL);
  EXPECT_EQ(MakeFillBrush(1, c)->style, gdi::BS_SOLID);
  const int hatches[] = {gdi::HS_HORIZONTAL, gdi::HS_VERTICAL,  gdi::HS_CROSS,
                         gdi::HS_BDIAGONAL,  gdi::HS_FDIAGONAL, gdi::HS_DIAGCROSS};
  for (int style = 2; style < 8; ++style) {
    gdi::HBRUSH brush = MakeFillBrush(style, c);
    EXPECT_EQ(brush->style, gdi::BS_HATCHED);
    EXPECT_EQ(brush->hatch, hatches[style - 2]) << style;
    EXPECT_EQ(brush->colour, c);
  }
  for (int style : {-1, 16, 31, 1000}) {
    gdi::HBRUSH brush = MakeFillBrush(style, c);
    ASSERT_TRUE(brush) << style;
    EXPECT_EQ(brush->style, gdi::BS_SOLID) << style;
    EXPECT_EQ(brush->colour, c);
  }
  EXPECT_EQ(gdi::GdiLiveObjects(), baseline_);
}

TEST_F(HelpersTest, PatternBlackTakesTheCurrentColourAndOtherPixelsKeepTheirs) {
  // pa03: a black diagonal on yellow, with a near-black pixel that must not count as black.
  WritePicture("pa03.kvr", 12, 12, [](int x, int y) {
    if (x == 5 && y == 2) return RGB(0, 0, 1);
    return x == y ? RGB(0, 0, 0) : RGB(255, 255, 0);
  });
  // pa04: no black at all.
  WritePicture("pa04.kvr", 8, 8, [](int x, int y) { return (x + y) % 2 ? RGB(0, 128, 0) : RGB(9, 9, 9); });
  CurrentColour = PaletteColours[42];
  {
    // The colour argument does not recolour the pattern; CurrentColour does.
    gdi::HBRUSH brush = MakeFillBrush(11, PaletteColours[25] | kPaletteRelative);
    ASSERT_EQ(brush->style, gdi::BS_PATTERN);
    ASSERT_EQ(brush->pattern_w, 8);
    ASSERT_EQ(brush->pattern_h, 8);
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        COLORREF want = x == y ? CurrentColour : RGB(255, 255, 0);
        if (x == 5 && y == 2) want = RGB(0, 0, 1);
        EXPECT_EQ(gdi::ColorrefFromPixel(brush->pattern[y * 8 + x]), want) << x << "," << y;
      }
    }
    gdi::HBRUSH plain = MakeFillBrush(12, PaletteColours[25] | kPaletteRelative);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        EXPECT_EQ(gdi::ColorrefFromPixel(plain->pattern[y * 8 + x]),
                  (x + y) % 2 ? RGB(0, 128, 0) : RGB(9, 9, 9));
  }
  EXPECT_TRUE(hl::Dialogs().asked.empty());
  EXPECT_EQ(gdi::GdiLiveObjects(), baseline_);
}

TEST_F(HelpersTest, MissingPatternShowsTheReadersMessageAndGivesAHollowBrush) {
  const auto& asked = hl::Dialogs().asked;
  {
    gdi::HBRUSH brush = MakeFillBrush(15, CurrentColour | kPaletteRelative);
    ASSERT_TRUE(brush);
    EXPECT_EQ(brush->style, gdi::BS_NULL);
  }
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].text.find("pa07.kvr"), std::string::npos) << asked[0].text;
  EXPECT_EQ(asked[0].caption, "Pindoodle");
  EXPECT_EQ(asked[0].owner, CanvasWindow);
  EXPECT_EQ(gdi::GdiLiveObjects(), baseline_);
}

// ---- gradients -----------------------------------------------------------------------------------

// Where to look for band k of a gradient over the box (10, 10)-(110, 60): the middle of the band,
// well away from the 2-pixel lines of its neighbours.
struct BandProbe {
  int x, y;
};
BandProbe ProbeBand(int style, int k) {
  switch (style) {
    case 16:
    case 17:
      return {15 + 10 * k, 35};  // step 10 across the width
    case 18:
    case 19:
      return {60, 12 + 5 * k};  // step 5 down the height
    default: {
      // Step 15 along x + y: a line of band k starts at (x, 10) and runs down-left at 45 degrees
      // (20, 23) or starts at (x, 60) and runs up-left (21, 22).
      const int line = 17 + 15 * k, d = std::clamp(line - 60, 2, 47);
      const bool down = style == 20 || style == 23;
      return {line - d, down ? 10 + d : 60 - d};
    }
  }
}

TEST_F(HelpersTest, GradientBandsRunTheWayAndInTheOrderOfEachStyle) {
  ColourRow = 3;
  for (int shade = 0; shade < 10; ++shade) ASSERT_NE(Shade(shade), kWhite);
  for (int style = 16; style < 24; ++style) {
    FillCanvas(kWhite);
    FillStyle = style;
    GradientFillShape(kRegionRectangle, 10, 10, 110, 60, 0, 0);
    const bool dark_first = style == 16 || style == 18 || style == 20 || style == 22;
    for (int k = 0; k < 10; ++k) {
      const BandProbe p = ProbeBand(style, k);
      EXPECT_EQ(CanvasPixel(p.x, p.y), Shade(dark_first ? 9 - k : k)) << "style " << style << " band " << k;
    }
    EXPECT_EQ(ChangedOutside(10, 10, 110, 60), 0) << style;
    int gaps = 0;
    for (int y = 10; y < 60; ++y)
      for (int x = 10; x < 110; ++x) gaps += CanvasPixel(x, y) == kWhite;
    EXPECT_EQ(gaps, 0) << style;
  }
  EXPECT_EQ(gdi::GdiLiveObjects(), baseline_);
}

TEST_F(HelpersTest, GradientBandsStartAtExactMultiplesOfTheSinglePrecisionStep) {
  // Sizes whose tenth is no whole number: band k starts at round(k x step), the step held as a
  // float and its multiple taken exactly; 5 x 0.7f lies just below 3.5 and starts band 5 at 3.
  ColourRow = 3;
  struct {
    int size, starts[11];
  } cases[] = {{7, {0, 1, 1, 2, 3, 3, 4, 5, 6, 6, 7}},
               {19, {0, 2, 4, 6, 8, 9, 11, 13, 15, 17, 19}},
               {23, {0, 2, 5, 7, 9, 11, 14, 16, 18, 21, 23}}};
  for (const auto& c : cases) {
    for (const bool across : {true, false}) {
      FillCanvas(kWhite);
      FillStyle = across ? 17 : 19;
      GradientFillShape(kRegionRectangle, 10, 10, across ? 10 + c.size : 60, across ? 60 : 10 + c.size, 0, 0);
      // A 2-pixel line at v covers v - 1 and v, and a later band paints over an earlier one.
      for (int v = 0; v < c.size; ++v) {
        int band = 0;
        while (band < 9 && c.starts[band + 1] <= v + 1) ++band;
        EXPECT_EQ(across ? CanvasPixel(10 + v, 30) : CanvasPixel(30, 10 + v), Shade(band))
            << c.size << (across ? " across at " : " down at ") << v;
      }
    }
  }
}

TEST_F(HelpersTest, GradientIsClippedToTheShapeAndTakesCornersInAnyOrder) {
  FillStyle = 17;
  GradientFillShape(kRegionRectangle, 110, 60, 10, 10, 0, 0);
  std::vector<COLORREF> swapped;
  for (int x = 0; x < 120; ++x) swapped.push_back(CanvasPixel(x, 30));
  FillCanvas(kWhite);
  GradientFillShape(kRegionRectangle, 10, 10, 110, 60, 0, 0);
  for (int x = 0; x < 120; ++x) EXPECT_EQ(CanvasPixel(x, 30), swapped[x]) << x;

  // An ellipse leaves the corners of its box alone; a polygon fills only its own inside.
  FillCanvas(kWhite);
  GradientFillShape(kRegionEllipse, 200, 100, 300, 160, 0, 0);
  EXPECT_EQ(CanvasPixel(202, 102), kWhite);
  EXPECT_NE(CanvasPixel(250, 130), kWhite);
  EXPECT_EQ(ChangedOutside(200, 100, 300, 160), 0);

  FillCanvas(kWhite);
  ShapePoints[0] = {400, 100};
  ShapePoints[1] = {500, 100};
  ShapePoints[2] = {400, 200};
  ShapePointCount = 3;
  GradientFillShape(39, 400, 100, 500, 200, 0, 0);
  EXPECT_NE(CanvasPixel(410, 110), kWhite);
  EXPECT_EQ(CanvasPixel(490, 190), kWhite);
  EXPECT_EQ(ChangedOutside(400, 100, 500, 200), 0);

  // A kind that names no shape, or a style that is no gradient, draws nothing.
  FillCanvas(kWhite);
  GradientFillShape(38, 10, 10, 110, 60, 0, 0);
  FillStyle = 24;
  GradientFillShape(kRegionRectangle, 10, 10, 110, 60, 0, 0);
  EXPECT_EQ(ChangedOutside(0, 0, 0, 0), 0);
  EXPECT_EQ(gdi::GdiLiveObjects(), baseline_);
}

TEST_F(HelpersTest, FillsOverBoxesReachingFarOffTheCanvasDrawOnlyWhatShows) {
  // Corners two thousand million pixels out: only the lines and tiles that can show are drawn
  // (anything else would take hours), and what shows is exactly what the full fill gives.
  constexpr int kFar = 2000000000;
  ColourRow = 3;
  ShapePoints[0] = {100, 100};
  ShapePoints[1] = {200, 100};
  ShapePoints[2] = {100, 200};
  ShapePointCount = 3;
  FillStyle = 16;  // ten bands of 400 million pixels; x = 0 starts band 5
  GradientFillShape(39, -kFar, -kFar, kFar, kFar, 0, 0);
  EXPECT_EQ(CanvasPixel(110, 110), Shade(4));
  EXPECT_EQ(CanvasPixel(190, 190), kWhite);
  GradientFillShape(kRegionRectangle, -kFar, -kFar, kFar, kFar, 0, 0);
  EXPECT_EQ(CanvasPixel(300, 300), Shade(4));

  // A polygon well inside its box gets the same diagonal bands the whole box would, up to each
  // of its edges.
  ShapePoints[0] = {200, 150};
  ShapePoints[1] = {300, 150};
  ShapePoints[2] = {300, 250};
  ShapePoints[3] = {230, 200};
  ShapePointCount = 4;
  gdi::HRGN dart = gdi::CreatePolygonRgn(ShapePoints.data(), 4, gdi::ALTERNATE);
  for (int style = 20; style < 24; ++style) {
    FillStyle = style;
    FillCanvas(kWhite);
    GradientFillShape(kRegionRectangle, 50, 50, 400, 300, 0, 0);
    std::vector<COLORREF> whole;
    for (int y = 150; y < 250; ++y)
      for (int x = 200; x < 300; ++x) whole.push_back(CanvasPixel(x, y));
    FillCanvas(kWhite);
    GradientFillShape(39, 50, 50, 400, 300, 0, 0);
    for (int y = 150, i = 0; y < 250; ++y)
      for (int x = 200; x < 300; ++x, ++i)
        ASSERT_EQ(CanvasPixel(x, y), gdi::PtInRegion(dart, x, y) ? whole[i] : kWhite)
            << style << ": " << x << "," << y;
  }
  dart.reset();

  FillCanvas(kWhite);
  WritePicture("pb1.kvr", 54, 54, TexturePixel);
  FillStyle = 24;
  TextureFillShape(kRegionRectangle, -kFar, -kFar, 50, 50, 0, 0);
  const int offset = static_cast<int>(std::int64_t{kFar} % 54);
  EXPECT_EQ(CanvasPixel(0, 0), TexturePixel(offset, offset));
  EXPECT_EQ(CanvasPixel(49, 20), TexturePixel((49 + offset) % 54, (20 + offset) % 54));
  EXPECT_EQ(CanvasPixel(50, 20), kWhite);
  EXPECT_EQ(gdi::GdiLiveObjects(), baseline_);
}

// ---- textures ------------------------------------------------------------------------------------

TEST_F(HelpersTest, TextureTilesStartAtTheBoxCornerAndAreClippedToTheRegion) {
  WritePicture("pb2.kvr", 54, 54, TexturePixel);
  FillStyle = 25;
  TextureFillShape(kRegionRectangle, 150, 120, 20, 30, 0, 0);
  for (int y = 30; y < 120; ++y)
    for (int x = 20; x < 150; ++x)
      ASSERT_EQ(CanvasPixel(x, y), TexturePixel((x - 20) % 54, (y - 30) % 54)) << x << "," << y;
  EXPECT_EQ(ChangedOutside(20, 30, 150, 120), 0);

  // A 10 x 10 box still lays tiles from its corner, and only its own pixels change.
  FillCanvas(kWhite);
  TextureFillShape(kRegionRectangle, 300, 300, 310, 310, 0, 0);
  EXPECT_EQ(CanvasPixel(300, 300), TexturePixel(0, 0));
  EXPECT_EQ(CanvasPixel(309, 309), TexturePixel(9, 9));
  EXPECT_EQ(ChangedOutside(300, 300, 310, 310), 0);

  FillCanvas(kWhite);
  TextureFillShape(kRegionEllipse, 400, 50, 500, 150, 0, 0);
  EXPECT_EQ(CanvasPixel(402, 52), kWhite);
  EXPECT_EQ(CanvasPixel(450, 100), TexturePixel(50, 50));
  EXPECT_EQ(CanvasPixel(470, 100), TexturePixel(70 - 54, 50));
  EXPECT_EQ(ChangedOutside(400, 50, 500, 150), 0);
  EXPECT_TRUE(hl::Dialogs().asked.empty());
  EXPECT_EQ(gdi::GdiLiveObjects(), baseline_);
}

TEST_F(HelpersTest, MissingTextureShowsTheReadersMessageAndDrawsNothing) {
  const auto& asked = hl::Dialogs().asked;
  FillStyle = 31;
  TextureFillShape(kRegionRectangle, 20, 30, 150, 120, 0, 0);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].text.find("pb8.kvr"), std::string::npos) << asked[0].text;
  EXPECT_EQ(ChangedOutside(0, 0, 0, 0), 0);
  EXPECT_EQ(gdi::GdiLiveObjects(), baseline_);
}

// ---- shaded solids -------------------------------------------------------------------------------

TEST_F(HelpersTest, ShadedSolidRingsStepInwardByTheLightsFractions) {
  ColourRow = 3;
  // Light 1 (centre): every edge steps by 50/11 per ring. Ring i's left edge is its own colour.
  ShadedSolid(100, 100, 50, 50, kSolidBox, 1, 3);
  const int even_steps[10] = {0, 5, 9, 14, 18, 23, 27, 32, 36, 41};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(CanvasPixel(50 + even_steps[i], 100), Shade(9 - i)) << i;
    EXPECT_EQ(CanvasPixel(150 - even_steps[i] - 1, 100), Shade(9 - i)) << i;
  }
  EXPECT_EQ(CanvasPixel(100, 100), Shade(0));
  EXPECT_EQ(ChangedOutside(50, 50, 150, 150), 0);

  // Light 2 (upper left): the left and top edges step by 50/14, the right and bottom by 50/8 =
  // 6.25, whose halves 12.5 and 37.5 go to the even neighbours 12 and 38.
  FillCanvas(kWhite);
  ShadedSolid(100, 100, 50, 50, kSolidBox, 2, 3);
  const int near_steps[10] = {0, 4, 7, 11, 14, 18, 21, 25, 29, 32};
  const int far_steps[10] = {0, 6, 12, 19, 25, 31, 38, 44, 50, 56};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(CanvasPixel(50 + near_steps[i], 88), Shade(9 - i)) << i;
    EXPECT_EQ(CanvasPixel(150 - far_steps[i] - 1, 88), Shade(9 - i)) << i;
    EXPECT_EQ(CanvasPixel(88, 50 + near_steps[i]), Shade(9 - i)) << i;
    EXPECT_EQ(CanvasPixel(88, 150 - far_steps[i] - 1), Shade(9 - i)) << i;
  }
  EXPECT_EQ(gdi::GdiLiveObjects(), baseline_);
}

TEST_F(HelpersTest, ShadedSolidRingEdgesAreExactMultiplesOfTheSinglePrecisionSteps) {
  // Lit from the upper left, ring i's left edge moves in by round(i x r/14) and its right edge by
  // round(i x r/8), each step a float. Ring 7 of radius 5, 11 and 15 sits on a half, 2.5, 5.5 or
  // 7.5 but for the float's error, which decides: 3, 5 and 7.
  ColourRow = 3;
  struct {
    int r, near[10], far[10];
  } cases[] = {{5, {0, 0, 1, 1, 1, 2, 2, 3, 3, 3}, {0, 1, 1, 2, 2, 3, 4, 4, 5, 6}},
               {11, {0, 1, 2, 2, 3, 4, 5, 5, 6, 7}, {0, 1, 3, 4, 6, 7, 8, 10, 11, 12}},
               {15, {0, 1, 2, 3, 4, 5, 6, 7, 9, 10}, {0, 2, 4, 6, 8, 9, 11, 13, 15, 17}}};
  for (const auto& c : cases) {
    FillCanvas(kWhite);
    ShadedSolid(100, 100, c.r, c.r, kSolidBox, 2, 3);
    const auto inside = [&](int i, int v) { return 100 - c.r + c.near[i] <= v && v < 100 + c.r - c.far[i]; };
    for (int y = 100 - c.r; y < 100 + c.r; ++y)
      for (int x = 100 - c.r; x < 100 + c.r; ++x) {
        int ring = 0;  // the innermost ring that covers the pixel; it is drawn last
        // A ring of one pixel is a rectangle with no outline and leaves no mark.
        for (int i = 0; i < 10; ++i)
          if (inside(i, x) && inside(i, y) && 2 * c.r - c.near[i] - c.far[i] > 1) ring = i;
        EXPECT_EQ(CanvasPixel(x, y), Shade(9 - ring)) << "radius " << c.r << " at " << x << "," << y;
      }
  }
}

TEST_F(HelpersTest, ShadedSolidKindsAndDegenerateOrInvalidArguments) {
  ColourRow = 3;
  // The rounded box and the ellipse leave the corner of their outer box alone.
  ShadedSolid(100, 100, 40, 30, kSolidRoundBox, 1, 3);
  EXPECT_EQ(CanvasPixel(60, 70), kWhite);
  EXPECT_EQ(CanvasPixel(100, 70), Shade(9));
  EXPECT_EQ(CanvasPixel(100, 100), Shade(0));
  FillCanvas(kWhite);
  ShadedSolid(300, 100, 40, 30, kSolidEllipse, 9, 5);
  EXPECT_EQ(CanvasPixel(260, 70), kWhite);
  // Lit from the left: the lightest figure spans x 286..294, left of the centre, which lies in
  // the third figure from the middle.
  EXPECT_EQ(CanvasPixel(290, 100), PaletteColours[50]);
  EXPECT_EQ(CanvasPixel(302, 100), PaletteColours[52]);
  EXPECT_EQ(ChangedOutside(260, 70, 340, 130), 0);

  // Zero half sizes: ten figures at the centre point, nothing around it. An unknown kind or a
  // row without ten shades draws nothing; a light outside 1..9 is the centre light.
  FillCanvas(kWhite);
  ShadedSolid(100, 100, 0, 0, kSolidEllipse, 1, 3);
  ShadedSolid(100, 100, 0, 0, kSolidRoundBox, 5, 3);
  EXPECT_EQ(ChangedOutside(99, 99, 102, 102), 0);
  ShadedSolid(300, 300, 20, 20, 4, 1, 3);
  ShadedSolid(300, 300, 20, 20, kSolidBox, 1, 22);
  ShadedSolid(300, 300, 20, 20, kSolidBox, 1, -1);
  EXPECT_EQ(ChangedOutside(99, 99, 102, 102), 0);
  ShadedSolid(500, 300, 50, 50, kSolidBox, 0, 3);
  ShadedSolid(700, 300, 50, 50, kSolidBox, 1, 3);
  for (int y = 250; y < 350; y += 7)
    for (int x = 450; x < 550; ++x) ASSERT_EQ(CanvasPixel(x, y), CanvasPixel(x + 200, y)) << x << "," << y;
  EXPECT_EQ(gdi::GdiLiveObjects(), baseline_);
}

}  // namespace
}  // namespace pd::testing
