// The nib, spray, fill and scatter brushes driven through the real canvas handlers: a scripted
// stroke of every tool compared with a stored picture, and the rules that could really break
// (the crazy pen's band, the nib shapes and ribbon shadings, the pen size given back, touch-up's
// one colour, the bucket's two rules, the splitter at the left edge, the ornament spacing, the
// drip rate, the bubbles' rows, the disc radii).
#include <cmath>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "core/assets.h"
#include "reference_image.h"
#include "tools/brushes.h"
#include "tools/nibs.h"
#include "tools/sprays.h"

namespace pd::testing {
namespace {

using platform::MouseButton;
namespace hl = platform::headless;

using Background = std::function<gdi::COLORREF(int x, int y)>;

gdi::COLORREF White(int, int) {
  return kWhite;
}
// Vertical bands of three colours with a black line between the second and third, for the tools
// that move or recolour what is already there.
gdi::COLORREF Bands(int x, int y) {
  if (x == 100 || x == 101) return kBlack;
  return PaletteColours[x < 60 ? 25 : x < 100 ? 45 : (y / 8) % 2 ? 133 : 136];
}

class BrushesTest : public AppTest {
 protected:
  void SetUp() override {
    Start(240, 210);
    FillCanvas(kWhite);
  }

  // The canvas's own pixels, inside the panel's border.
  int W() { return Canvas().Surface()->Width(); }
  int H() { return Canvas().Surface()->Height(); }

  void Paint(const Background& bg) {
    gdi::Bitmap& s = *Canvas().Surface();
    for (int y = 0; y < s.Height(); ++y)
      for (int x = 0; x < s.Width(); ++x) s.At(x, y) = gdi::PixelFromColorref(bg(x, y));
  }
  int CountWhere(const std::function<bool(int x, int y, gdi::COLORREF)>& f) {
    int n = 0;
    for (int y = 0; y < H(); ++y)
      for (int x = 0; x < W(); ++x) n += f(x, y, CanvasPixel(x, y));
    return n;
  }
  // The colours down column x from row top to row bottom (exclusive), white left out.
  std::vector<gdi::COLORREF> ColumnColours(int x, int top, int bottom) {
    std::vector<gdi::COLORREF> out;
    for (int y = top; y < bottom; ++y)
      if (CanvasPixel(x, y) != kWhite) out.push_back(CanvasPixel(x, y));
    return out;
  }
};

const std::vector<Point> kWander = {{30, 30}, {32, 31}, {35, 33},  {40, 36},  {48, 40},  {60, 44},
                                    {76, 46}, {96, 50}, {100, 52}, {104, 60}, {110, 75}, {112, 80}};

TEST_F(BrushesTest, EveryBrushDrawsItsReferenceStroke) {
  struct Case {
    const char* name;
    int tool, pen;
    bool rainbow;
    std::function<void()> options;
    Background background;
    std::vector<int> sounds;
  } cases[] = {
      {"crazy_pen", 5, 6, false, [] { NibDirection = 1; }, White, {}},
      {"calligraphy", 14, 3, false, [] { NibDirection = 2; }, White, {}},
      {"magic_brush", 15, 4, false, [] { NibDirection = 1; }, White, {}},
      {"ribbon_20", 20, 2, false, [] { NibDirection = 3; }, White, {}},
      {"ribbon_29", 29, 2, false, [] { NibDirection = 4; }, White, {}},
      {"ribbon_30", 30, 2, false, [] { NibDirection = 1; }, White, {}},
      {"spray_mist", 9, 2, false, [] { SprayMode = 1; }, White, {}},
      {"spray_dots", 9, 3, false, [] { SprayMode = 3; }, White, {}},
      {"spray_dots_thin", 9, 1, false, [] { SprayMode = 3; }, White, {}},
      {"touch_up", 21, 3, false, [] {}, Bands, {}},
      {"spreader", 61, 3, false, [] {}, Bands, {}},
      {"splitter", 62, 2, false, [] {}, Bands, {}},
      {"charcoal", 85, 3, false, [] {}, White, {}},
      {"pastel", 87, 5, false, [] {}, White, {}},
      {"wand_sparkles", 3, 2, true, [] {}, White, {}},
      {"grass", 4, 2, false, [] { GrassKind = 3; }, White, {}},
      {"bug_splat", 6, 1, true, [] {}, White, {33}},
      {"objects_squares", 7, 2, false, [] { ObjectKind = 1; }, White, {}},
      {"objects_circles", 7, 2, true, [] { ObjectKind = 2; }, White, {}},
      {"objects_triangles", 7, 2, false, [] { ObjectKind = 3; }, White, {}},
      {"xmas_tree", 17, 2, true, [] {}, White, {}},
      {"fireworks", 19, 2, true, [] {}, White, {}},
      {"drip_paint", 22, 2, false, [] {}, White, {}},
      {"roller_upright", 25, 2, false, [] { RollerKind = 3; }, White, {}},
      {"roller_lying", 25, 1, false, [] { RollerKind = 4; }, White, {}},
      {"fish_open", 26, 3, true, [] {}, White, {}},
      {"fish_3d", 27, 3, true, [] {}, White, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Paint(c.background);
    effects_.clear();
    CurrentTool = c.tool;
    PenSize = c.pen;
    RainbowColours = c.rainbow;
    c.options();
    RandSeed(2024);
    const int live = gdi::GdiLiveObjects();
    Stroke(kWander);
    EXPECT_EQ(gdi::GdiLiveObjects(), live);
    EXPECT_EQ(effects_, c.sounds);
    // The crazy pen and the ribbon give the child's pen size back.
    EXPECT_EQ(PenSize, c.pen);
    ExpectCanvasReference(*Canvas().Surface(), std::string("brushes_") + c.name, {0, 0, W(), H()},
                          c.background);
  }
}

TEST_F(BrushesTest, CrazyPenBandIsTwoRedTwoGreenTwoBlueRowsDeep) {
  PenSize = 7;
  NibDirection = 3;
  CurrentTool = 5;
  Stroke({{20, 50}, {100, 50}});
  const gdi::COLORREF red = PaletteColours[95], green = PaletteColours[115], blue = PaletteColours[30];
  EXPECT_EQ(ColumnColours(60, 30, 70),
            (std::vector<gdi::COLORREF>{red, red, green, green, blue, blue, blue}));
  EXPECT_EQ(PenSize, 7);
}

TEST_F(BrushesTest, NibDirectionsSlantTheLines) {
  // A calligraphy nib of three lines at pen size 1: lying flat, a horizontal stroke is one line
  // two rows deep and a vertical one a band four columns wide.
  PenSize = 1;
  NibDirection = 4;
  CurrentTool = 14;
  Stroke({{20, 50}, {100, 50}});
  EXPECT_EQ(ColumnColours(60, 30, 70).size(), 2u);
  FillCanvas(kWhite);
  Stroke({{60, 20}, {60, 100}});
  EXPECT_EQ(CountWhere([](int, int y, gdi::COLORREF c) { return y == 60 && c == kRed; }), 4);
  // Rising to the right, the first line is up and right of the point; falling, up and left.
  PenSize = 3;
  for (int direction : {1, 2}) {
    FillCanvas(kWhite);
    NibDirection = direction;
    hl::Click(Canvas(), 60, 60);
    const int sx = direction == 1 ? 1 : -1;
    EXPECT_EQ(CanvasPixel(60 + 4 * sx, 56), kRed) << direction;
    EXPECT_EQ(CanvasPixel(60 - 4 * sx, 56), kWhite) << direction;
  }
}

TEST_F(BrushesTest, RibbonShadesItsThirtyLinesInTheOrderOfItsVariant) {
  ColourRow = 4;
  ColourShade = 5;
  PenSize = 3;
  NibDirection = 3;
  const auto shade = [](int s) { return PaletteColours[40 + s]; };
  for (int tool : {20, 29, 30}) {
    FillCanvas(kWhite);
    CurrentTool = tool;
    Stroke({{20, 58}, {100, 58}});
    std::vector<gdi::COLORREF> want;
    for (int i = 0; i < 30; ++i)
      want.push_back(shade(tool == 30 ? i / 3 : tool == 29 ? 9 - i / 3 : i < 10 ? 9 - i : (i - 10) / 2));
    want.push_back(want.back());  // the last line's lower row
    EXPECT_EQ(ColumnColours(60, 0, H()), want) << tool;
    EXPECT_EQ(PenSize, 3) << tool;
  }
}

TEST_F(BrushesTest, NibColoursNeverRunPastTheLastLine) {
  // A pen size of 10 asks for entries 0..30; the nib has thirty.
  PenSize = 10;
  NibColours.fill(kBlue);
  CurrentColour = kRed;
  FillNibColours(14);
  EXPECT_EQ(NibColours.back(), kRed);
  NibDirection = 3;
  NibStroke(20, 58, 100, 58);
  EXPECT_EQ(ColumnColours(60, 0, H()).size(), 31u);
}

TEST_F(BrushesTest, TouchUpRecoloursOnlyTheFirstTouchedColour) {
  Paint(Bands);
  CurrentTool = 21;
  PenSize = 6;
  const std::vector<Point> across = {{50, 40}, {70, 42}, {90, 44}, {100, 46}, {110, 48}, {120, 50}};
  Stroke(across);
  int touched = 0;
  for (int y = 0; y < H(); ++y)
    for (int x = 0; x < W(); ++x) {
      const gdi::COLORREF was = Bands(x, y), now = CanvasPixel(x, y);
      if (now == was) continue;
      ++touched;
      EXPECT_EQ(was, PaletteColours[25]) << x << "," << y;
      EXPECT_EQ(now, kRed) << x << "," << y;
    }
  EXPECT_GT(touched, 10);
  // A stroke that starts on the black line changes nothing, wherever it goes.
  Paint(Bands);
  Stroke({{100, 40}, {80, 42}, {50, 44}, {30, 46}, {110, 50}});
  EXPECT_EQ(CountWhere([](int x, int y, gdi::COLORREF c) { return c != Bands(x, y); }), 0);
}

TEST_F(BrushesTest, BucketFillsTheClickedAreaByItsRules) {
  UseScratchAssetDir();
  // Style 8's pattern: black (which takes the current colour) and green checks.
  gdi::HBITMAP pattern = gdi::CreateDIBSection32(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      pattern->At(x, y) = gdi::PixelFromColorref((x + y) % 2 ? kBlack : PaletteColours[115]);
  std::string error;
  ASSERT_TRUE(gdi::SaveBmp24(AssetDir + "pa00.kvr", *pattern, &error)) << error;
  // A black frame around (20, 20)-(60, 60) on white.
  const auto framed = [](int x, int y) {
    const bool on = (x == 20 || x == 59) && y >= 20 && y < 60;
    return on || ((y == 20 || y == 59) && x >= 20 && x < 60) ? kBlack : kWhite;
  };
  const auto inside = [](int x, int y) { return x > 20 && x < 59 && y > 20 && y < 59; };
  const auto changed = [&] {
    return CountWhere([&](int x, int y, gdi::COLORREF c) { return c != framed(x, y); });
  };
  CurrentTool = 58;

  // Solid: exactly the inside, with the pour sound.
  Paint(framed);
  FillStyle = 1;
  hl::Click(Canvas(), 40, 40);
  EXPECT_EQ(effects_, std::vector<int>{48});
  EXPECT_EQ(changed(), 38 * 38);
  EXPECT_EQ(CanvasPixel(21, 58), kRed);
  // A hatch leaves its gaps as they were; hollow changes nothing.
  Paint(framed);
  FillStyle = 2;
  hl::Click(Canvas(), 40, 40);
  EXPECT_GT(changed(), 0);
  EXPECT_LT(changed(), 38 * 38 / 2);
  Paint(framed);
  FillStyle = 0;
  hl::Click(Canvas(), 40, 40);
  EXPECT_EQ(changed(), 0);

  // Normal pictures: an area of the current colour is left alone, the outline is filled.
  const auto red_inside = [&](int x, int y) { return inside(x, y) ? kRed : framed(x, y); };
  Paint(red_inside);
  FillStyle = 8;
  hl::Click(Canvas(), 40, 40);
  EXPECT_EQ(CountWhere([&](int x, int y, gdi::COLORREF c) { return c != red_inside(x, y); }), 0);
  FillStyle = 1;
  hl::Click(Canvas(), 20, 40);
  EXPECT_EQ(CanvasPixel(59, 59), kRed);
  FillStyle = 8;
  // A colouring-book page: the current colour's area takes the pattern, the outline never fills.
  ColorbookMode = true;
  Paint(red_inside);
  hl::Click(Canvas(), 40, 40);
  EXPECT_EQ(
      CountWhere([&](int x, int y, gdi::COLORREF c) { return inside(x, y) && c == PaletteColours[115]; }),
      38 * 38 / 2);
  Paint(framed);
  FillStyle = 1;
  hl::Click(Canvas(), 20, 40);
  EXPECT_EQ(changed(), 0);
}

TEST_F(BrushesTest, SplitterDrawsNothingWithinTwiceItsHalfSizeOfTheLeftEdge) {
  CurrentTool = 62;
  PenSize = 2;  // half size 3
  const auto stripes = [](int x, int) { return PaletteColours[(x * 7) % 160]; };
  for (int x = 0; x <= 6; ++x) {
    Paint(stripes);
    Stroke({{x, 50}, {x, 52}, {x, 54}});
    EXPECT_EQ(CountWhere([&](int xx, int y, gdi::COLORREF c) { return c != stripes(xx, y); }), 0) << x;
  }
  Paint(stripes);
  hl::Click(Canvas(), 7, 50);
  EXPECT_GT(CountWhere([&](int xx, int y, gdi::COLORREF c) { return c != stripes(xx, y); }), 0);
}

TEST_F(BrushesTest, SpreaderAtTheEdgeOnlySwapsPixelsOfThePicture) {
  // Half the square lies off the canvas there: nothing from outside may come in.
  FillCanvas(PaletteColours[25]);
  CurrentTool = 61;
  PenSize = 9;
  Stroke({{1, 1}, {1, 50}, {W() - 2, H() - 2}, {W() - 2, 1}});
  EXPECT_EQ(CountWhere([](int, int, gdi::COLORREF c) { return c != PaletteColours[25]; }), 0);
}

TEST_F(BrushesTest, XmasTreeHangsAnOrnamentEveryFortyPixels) {
  CurrentTool = 17;
  PenSize = 1;
  const auto below = [&] {
    return CountWhere([](int, int y, gdi::COLORREF c) { return y > 62 && c != kWhite; });
  };
  std::vector<Point> path;
  for (int x = 20; x <= 60; ++x) path.push_back({x, 60});
  PressAndDrag(path);
  EXPECT_EQ(below(), 0);
  hl::MouseMove(Canvas(), 61, 60);
  const int one = below();
  EXPECT_GT(one, 0);
  EXPECT_EQ(CanvasPixel(61, 65), PaletteColours[90]);  // the ball's lit middle, shade 0
  for (int x = 62; x <= 101; ++x) hl::MouseMove(Canvas(), x, 60);
  EXPECT_EQ(below(), one);
  hl::MouseMove(Canvas(), 102, 60);
  EXPECT_GT(below(), one);
  hl::MouseUp(Canvas(), MouseButton::Left, 102, 60);
}

TEST_F(BrushesTest, DripPaintDripsOnAboutOneEventInFive) {
  PenSize = 1;
  CurrentTool = 22;
  hl::Click(Canvas(), 60, 40);
  EXPECT_EQ(CountWhere([](int, int y, gdi::COLORREF c) { return y > 42 && c != kWhite; }), 0);
  int drips = 0;
  for (int i = 0; i < 500; ++i) {
    FillCanvas(kWhite);
    Drip(60, 40, 60, 40);
    drips += CountWhere([](int, int y, gdi::COLORREF c) { return y > 45 && c != kWhite; }) > 0;
  }
  EXPECT_GT(drips, 70);
  EXPECT_LT(drips, 130);
}

TEST_F(BrushesTest, ShadedBubblesTakeRandomRowsOnlyInRainbowMode) {
  CurrentTool = 27;
  ColourRow = 4;
  for (bool rainbow : {false, true}) {
    FillCanvas(kWhite);
    RainbowColours = rainbow;
    std::vector<Point> path;
    for (int i = 0; i < 60; ++i) path.push_back({20 + (i * 37) % 120, 20 + (i * 53) % 80});
    Stroke(path);
    std::set<int> rows;
    CountWhere([&](int, int, gdi::COLORREF c) {
      for (int i = 0; i < kPaletteGridSize; ++i)
        if (c == PaletteColours[i] && c != kWhite) rows.insert(i / 10);
      return false;
    });
    if (rainbow) {
      EXPECT_GT(rows.size(), 5u);
      EXPECT_LT(*rows.rbegin(), 15);
    } else {
      EXPECT_EQ(rows, std::set<int>{4});
    }
  }
}

TEST_F(BrushesTest, DotDiscsHaveTheirRoundedRadius) {
  // Charcoal: round(1.5 x pen) with ties to even, 4 at pen 3 and 8 at pen 5; spray: 8 x pen.
  struct Case {
    int tool, pen, radius;
  } cases[] = {{85, 3, 4}, {85, 5, 8}, {9, 1, 8}, {9, 2, 16}};
  SprayMode = 1;
  for (const Case& c : cases) {
    FillCanvas(kWhite);
    CurrentTool = c.tool;
    PenSize = c.pen;
    for (int i = 0; i < 60; ++i) hl::Click(Canvas(), 70, 55);
    long long farthest = 0;
    CountWhere([&](int x, int y, gdi::COLORREF col) {
      if (col != kWhite) farthest = std::max<long long>(farthest, std::llround(std::hypot(x - 70, y - 55)));
      return false;
    });
    EXPECT_EQ(farthest, c.radius) << c.tool << " at " << c.pen;
  }
  // Mode 3 marks pen-wide round dots in the three shades.
  FillCanvas(kWhite);
  CurrentTool = 9;
  SprayMode = 3;
  PenSize = 4;
  hl::Click(Canvas(), 70, 55);
  EXPECT_GT(CountWhere([](int, int, gdi::COLORREF c) { return c == PaletteColours[93]; }), 12);
  EXPECT_EQ(CountWhere([](int, int, gdi::COLORREF c) {
              return c != kWhite && c != PaletteColours[93] && c != PaletteColours[94] &&
                     c != PaletteColours[95];
            }),
            0);
}

}  // namespace
}  // namespace pd::testing
