// The pencils and line pens driven through the real canvas handlers: scripted strokes compared
// with stored pictures, and the geometry that can really go wrong (the eraser's edges, the mirror
// line on an odd width, the quill's widths, the propeller's reflection).
//
// Reference pictures live in tests/app/reference as 8-bit bitmap files, cropped to the area the
// stroke may touch. Run with PD_UPDATE_REFERENCES=1 to write them afresh, then look at every one
// before committing it.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "reference_image.h"
#include "gdi/bmp.h"
#include "gdi/script.h"

namespace pd::testing {
namespace {

using platform::MouseButton;
namespace hl = platform::headless;

// The program on a small screen, so that whole-canvas strokes make small pictures.
class PensTest : public AppTest {
 protected:
  void SetUp() override { StartOnScreen(240, 210); }

  void StartOnScreen(int width, int height) {
    Start(width, height);
    FillCanvas(kWhite);
  }

  // Rows of constant colour c through column x: how thick a horizontal line is there.
  int ThicknessAt(int x, gdi::COLORREF c) {
    int n = 0;
    for (int y = 0; y < CanvasHeight; ++y) n += CanvasPixel(x, y) == c;
    return n;
  }

  int CountCanvasInBox(gdi::COLORREF c, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += CanvasPixel(x, y) == c;
    return n;
  }

  // Compares the box of the canvas with the stored picture, and checks that nothing outside the
  // box differs from the background.
  void ExpectReference(const std::string& name, gdi::RECT box, gdi::COLORREF background) {
    ExpectCanvasReference(*Canvas().Surface(), "pens_" + name, box, [&](int, int) { return background; });
  }
};

// A wandering stroke, slow at first and faster later, ending with a long jump.
const std::vector<Point> kWander = {{30, 30},  {32, 31},  {35, 33},  {40, 36},  {48, 40},
                                    {60, 44},  {76, 46},  {96, 50},  {100, 52}, {101, 53},
                                    {104, 60}, {110, 75}, {112, 80}, {60, 95}};
// A stroke that circles the middle of the canvas.
const std::vector<Point> kCircle = {{79, 58}, {95, 58}, {100, 45}, {90, 35},
                                    {79, 30}, {65, 38}, {60, 50},  {70, 70}};

TEST_F(PensTest, EveryPenDrawsItsReferenceStroke) {
  // The areas the strokes may touch: the whole canvas (its client area), the wandering stroke's
  // and the circling one's, with a margin for wide pens and arcs.
  constexpr gdi::RECT kWhole{0, 0, 156, 114}, kWanderBox{16, 16, 136, 108}, kAroundMiddle{48, 20, 110, 96};
  struct Case {
    const char* name;
    int tool, pen_size;
    bool rainbow;
    int mirror_kind;
    const std::vector<Point>* path;
    gdi::RECT box;
  } cases[] = {
      {"string_art", 2, 1, true, 2, &kCircle, kWhole},
      {"chalk", 10, 3, false, 2, &kWander, kWanderBox},
      {"mirror_horizontal", 11, 2, false, 1, &kWander, kWanderBox},
      {"mirror_vertical", 11, 2, true, 2, &kWander, kWanderBox},
      {"mirror_fourfold", 11, 1, false, 3, &kWander, kWanderBox},
      {"quill_thin_when_fast", 12, 2, false, 2, &kWander, kWanderBox},
      {"quill_thick_when_fast", 13, 2, true, 2, &kWander, kWanderBox},
      {"radial_line", 23, 3, false, 2, &kCircle, kAroundMiddle},
      {"propeller", 24, 2, true, 2, &kCircle, kAroundMiddle},
      {"inchworm", 56, 2, false, 2, &kWander, kWanderBox},
      {"inchworm_rainbow", 56, 3, true, 2, &kWander, kWanderBox},
      {"eraser", 57, 4, false, 2, &kWander, kWanderBox},
  };
  ASSERT_EQ(CanvasWidth, 158);
  ASSERT_EQ(CanvasHeight, 116);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The eraser is shown on a coloured canvas, every other pen on white.
    const gdi::COLORREF background = c.tool == 57 ? PaletteColours[25] : kWhite;
    FillCanvas(background);
    CurrentTool = c.tool;
    PenSize = c.pen_size;
    RainbowColours = c.rainbow;
    MirrorKind = c.mirror_kind;
    RandSeed(2024);
    const int live = gdi::GdiLiveObjects();
    Stroke(*c.path);
    EXPECT_EQ(gdi::GdiLiveObjects(), live);
    ExpectReference(c.name, c.box, background);
  }
  // None of these pens makes a sound.
  EXPECT_TRUE(effects_.empty());
}

TEST_F(PensTest, EraserCoversTheSquareLeftOfAndAboveItsFarEdges) {
  const int half[] = {2, 3, 4, 5, 6, 8, 10, 12, 14};
  CurrentTool = 57;
  for (int size = 1; size <= 9; ++size) {
    FillCanvas(kRed);
    PenSize = size;
    hl::Click(Canvas(), 60, 50);
    const int h = half[size - 1];
    EXPECT_EQ(CountCanvas(kWhite), 4 * h * h) << size;
    EXPECT_EQ(CanvasPixel(60 - h, 50 - h), kWhite) << size;
    EXPECT_EQ(CanvasPixel(60 + h - 1, 50 + h - 1), kWhite) << size;
    EXPECT_EQ(CanvasPixel(60 + h, 50), kRed) << size;
    EXPECT_EQ(CanvasPixel(60, 50 + h), kRed) << size;
  }
}

TEST_F(PensTest, QuillWidthFollowsTheMovementAndKeepsItsLastRowBeyondTheTable) {
  // One horizontal move per stroke; the line's thickness is read in the middle of the move.
  struct Case {
    int tool, dx, width;
  } cases[] = {{12, 6, 8},   {12, 8, 6},   {12, 17, 6}, {12, 18, 4}, {12, 32, 2},
               {12, 202, 2}, {12, 203, 2}, {13, 6, 2},  {13, 32, 8}, {13, 300, 8}};
  for (const Case& c : cases) {
    FillCanvas(kWhite);
    CurrentTool = c.tool;
    // The move may reach far outside the canvas, as a fast drag that leaves the panel does.
    Stroke({{20, 50}, {20 + c.dx, 50}});
    EXPECT_EQ(ThicknessAt(20 + std::min(c.dx, 120) / 2, kRed), c.width) << c.tool << " by " << c.dx;
  }
}

TEST_F(PensTest, PropellerBladesMeetAtThePressPointAndRadialLinesNeverJoinTheirEnds) {
  PenSize = 1;
  CurrentTool = 24;
  Stroke({{60, 60}, {90, 40}});
  // The second blade ends at the reflection (30, 80) of the mouse point through the press point.
  EXPECT_EQ(CanvasPixel(75, 50), kRed);
  EXPECT_EQ(CanvasPixel(45, 70), kRed);
  EXPECT_EQ(CanvasPixel(31, 79), kRed);
  EXPECT_EQ(CanvasPixel(29, 81), kWhite);
  FillCanvas(kWhite);
  CurrentTool = 23;
  Stroke({{60, 60}, {100, 60}, {100, 20}});
  EXPECT_EQ(CanvasPixel(80, 60), kRed);
  EXPECT_EQ(CanvasPixel(80, 40), kRed);     // on the line from the press point to (100, 20)
  EXPECT_EQ(CanvasPixel(100, 40), kWhite);  // no line from (100, 60) to (100, 20)
  EXPECT_EQ(CanvasPixel(40, 60), kWhite);   // and no second blade
}

class OddCanvasPensTest : public PensTest {
 protected:
  void SetUp() override { StartOnScreen(241, 211); }
};

TEST_F(OddCanvasPensTest, MirrorReflectsAboutTheColumnAndRowOfTheTruncatedHalf) {
  ASSERT_EQ(CanvasWidth, 159);
  ASSERT_EQ(CanvasHeight, 117);
  CurrentTool = 11;
  PenSize = 1;
  MirrorKind = 3;
  Stroke({{30, 20}, {40, 20}});
  // Reflected about x = 79 and y = 58, not about the true middles 79.5 and 58.5.
  EXPECT_EQ(CanvasPixel(128, 20), kRed);
  EXPECT_EQ(CanvasPixel(129, 20), kWhite);
  EXPECT_EQ(CanvasPixel(35, 96), kRed);
  EXPECT_EQ(CanvasPixel(35, 97), kWhite);
  EXPECT_EQ(CanvasPixel(123, 96), kRed);
  // A stroke down the centre column coincides with its mirror: it leaves as many pixels as the
  // same stroke with no mirror at all, while one beside it leaves twice as many.
  const auto pixels_of = [this](int kind, int x) {
    FillCanvas(kWhite);
    MirrorKind = kind;
    Stroke({{x, 10}, {x, 11}, {x, 40}});
    return CountCanvas(kRed);
  };
  const int alone = pixels_of(0, 79);
  EXPECT_GT(alone, 0);
  EXPECT_EQ(pixels_of(2, 79), alone);
  EXPECT_EQ(pixels_of(2, 78), 2 * alone);
}

TEST_F(PensTest, ChalkDustStaysInsideItsDiscAndInchwormArcsInsideTheirLargestCircle) {
  // Size 1: the chalk's press line is empty, so only dust shows, within distance 1 of the point.
  PenSize = 1;
  CurrentTool = 10;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    FillCanvas(kWhite);
    RandSeed(seed);
    hl::Click(Canvas(), 50, 50);
    const int dust = CountCanvas(kRed);
    EXPECT_LE(dust, 9);
    for (int y = 45; y <= 55; ++y)
      for (int x = 45; x <= 55; ++x)
        if (std::abs(x - 50) > 1 || std::abs(y - 50) > 1) {
          EXPECT_EQ(CanvasPixel(x, y), kWhite) << x << "," << y;
        }
  }
  // Size 1: the inchworm's radius is 2..6.
  CurrentTool = 56;
  FillCanvas(kWhite);
  RandSeed(7);
  for (int i = 0; i < 40; ++i) hl::Click(Canvas(), 50, 50);
  EXPECT_GT(CountCanvas(kRed), 0);
  EXPECT_EQ(CountCanvas(kRed), CountCanvasInBox(kRed, 44, 44, 57, 57));
}

}  // namespace
}  // namespace pd::testing
