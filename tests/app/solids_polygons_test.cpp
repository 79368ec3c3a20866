// The 3D solids, the cube, the polygon shapes, LINE, IRREGULAR SHAPE, the 3D ring, the laser
// beam and the hair, driven through the real canvas handlers: scripted gestures compared with
// stored pictures, and the rules that can really break: the corners pulled from either side,
// the hexagon's rounding, the release on the press row or column, a ball pulled either way, the
// cube's depth and the fill style it borrows, a full list of points and the laser's shades.
#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app_fixture.h"
#include "core/canvas.h"
#include "reference_image.h"
#include "regiontools/polygons.h"
#include "regiontools/ring.h"
#include "tools/fills.h"
#include "tools/helpers.h"
#include "tools/rounding.h"
#include "tools/shapes.h"
#include "tools/solids.h"

namespace pd::testing {
namespace {

using platform::MouseButton;
namespace hl = platform::headless;

class SolidsPolygonsTest : public AppTest {
 protected:
  // The program on a small screen, so that the canvas (158 x 116) makes small pictures.
  void SetUp() override {
    Start(240, 210);
    FillCanvas(kWhite);
  }
  int W() { return Canvas().Surface()->Width(); }
  int H() { return Canvas().Surface()->Height(); }

  static gdi::COLORREF Busy(int x, int y) { return PaletteColours[(x / 3 + y / 5 * 7) % 160]; }
  void FillBusy() {
    for (int y = 0; y < H(); ++y)
      for (int x = 0; x < W(); ++x) Canvas().Surface()->At(x, y) = gdi::PixelFromColorref(Busy(x, y));
  }
  std::vector<std::uint32_t> Picture() {
    const gdi::Bitmap& s = *Canvas().Surface();
    return {s.Pixels(), s.Pixels() + static_cast<std::size_t>(s.Width()) * s.Height()};
  }
  // The smallest box holding every pixel that is not white.
  gdi::RECT PaintedBox() {
    gdi::RECT box{W(), H(), 0, 0};
    for (int y = 0; y < H(); ++y)
      for (int x = 0; x < W(); ++x)
        if (CanvasPixel(x, y) != kWhite) {
          box.left = std::min(box.left, x), box.top = std::min(box.top, y);
          box.right = std::max(box.right, x + 1), box.bottom = std::max(box.bottom, y + 1);
        }
    return box;
  }
};

std::vector<gdi::POINT> Corners(PolygonCorners f, int ax, int ay, int px, int py, int form = 1) {
  gdi::POINT out[8];
  return {out, out + f(ax, ay, px, py, form, out)};
}
std::multiset<std::pair<int, int>> AsSet(const std::vector<gdi::POINT>& v) {
  std::multiset<std::pair<int, int>> s;
  for (const gdi::POINT& p : v) s.insert({p.x, p.y});
  return s;
}

TEST_F(SolidsPolygonsTest, EveryToolDrawsItsReferenceFigure) {
  struct Case {
    const char* name;
    int tool, option, fill, pen;
    std::vector<Point> path;  // press, drags, release
    gdi::RECT box;
    std::vector<int> sounds;
  } cases[] = {
      // clang-format off
      {"ball_upper_left", 44, 2, 1, 2, {{20, 20}, {60, 50}, {120, 90}}, {10, 10, 130, 100}, {7}},
      {"ball_lower_right_pulled_up", 44, 7, 1, 2, {{120, 90}, {20, 20}}, {10, 10, 130, 100}, {7}},
      {"rectangle3d_top", 45, 3, 1, 2, {{20, 20}, {130, 80}}, {10, 10, 140, 90}, {}},
      {"rounded3d_centre", 46, 1, 1, 2, {{20, 20}, {130, 90}}, {10, 10, 140, 100}, {46}},
      {"cube_upper_left", 60, 2, 1, 2, {{60, 50}, {90, 70}, {130, 100}}, {10, 10, 140, 110}, {}},
      {"cube_lower_right_deep", 60, 7, 1, 2, {{60, 50}, {20, 20}}, {10, 10, 110, 90}, {}},
      {"star_sides_gradient", 36, 1, 17, 2, {{20, 10}, {130, 100}}, {10, 0, 140, 110}, {11}},
      {"star_corners_solid", 36, 2, 1, 2, {{130, 100}, {50, 50}, {20, 10}}, {10, 0, 140, 110}, {11}},
      {"octagon_hatch", 37, 0, 4, 3, {{20, 10}, {130, 100}}, {10, 0, 140, 110}, {12}},
      {"hexagon_diagonal_gradient", 40, 0, 21, 2, {{130, 20}, {20, 95}}, {10, 10, 140, 105}, {10}},
      {"diamond_hollow", 41, 0, 0, 2, {{20, 10}, {130, 100}}, {10, 0, 140, 110}, {14}},
      {"line_wide", 38, 0, 1, 5, {{20, 20}, {70, 90}, {130, 60}}, {10, 10, 140, 70}, {8}},
      {"ring", 43, 0, 1, 2, {{40, 40}, {100, 70}, {110, 80}}, {15, 15, 135, 105}, {29}},
      {"laser_diagonal", 59, 0, 1, 4, {{20, 90}, {130, 20}}, {10, 10, 140, 100}, {3}},
      {"laser_down_right_thin", 59, 0, 1, 1, {{20, 20}, {130, 90}}, {10, 10, 140, 100}, {3}},
      {"hair", 42, 0, 1, 3, {{80, 100}}, {}, {}},  // the whole canvas
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FillCanvas(kWhite);
    effects_.clear();
    CurrentTool = c.tool;
    LightDirection = StarKind = CubeShade = c.option;
    CubeSize = c.tool == 60 && c.option == 7 ? 10 : 3;
    FillStyle = c.fill;
    PenSize = c.pen;
    const int live = gdi::GdiLiveObjects();
    Stroke(c.path);
    EXPECT_EQ(gdi::GdiLiveObjects(), live);
    EXPECT_EQ(effects_, c.sounds);
    const gdi::RECT box = c.box.right ? c.box : gdi::RECT{0, 0, W(), H()};
    ExpectCanvasReference(*Canvas().Surface(), "solids_" + std::string(c.name), box,
                          [](int, int) { return kWhite; });
  }
}

TEST_F(SolidsPolygonsTest, IrregularShapeClosesItsFreehandOutlineInEveryFillKind) {
  const std::vector<Point> path = {{30, 20}, {80, 15}, {120, 40}, {100, 90}, {60, 60}, {25, 85}};
  for (const auto& [name, fill] : {std::pair{"irregular_solid", 1}, {"irregular_gradient", 18}}) {
    SCOPED_TRACE(name);
    FillCanvas(kWhite);
    effects_.clear();
    CurrentTool = 39;
    FillStyle = fill;
    PenSize = 3;
    Stroke(path);
    EXPECT_EQ(effects_, std::vector<int>{4});
    ExpectCanvasReference(*Canvas().Surface(), "solids_" + std::string(name), {10, 5, 135, 100},
                          [](int, int) { return kWhite; });
  }
  // A press and release without a move collects one point: nothing is drawn, nothing plays.
  FillCanvas(kWhite);
  effects_.clear();
  hl::Click(Canvas(), 50, 50);
  EXPECT_EQ(CountCanvas(kWhite), W() * H());
  EXPECT_TRUE(effects_.empty());
}

TEST_F(SolidsPolygonsTest, PolygonCornersFollowTheirRulesFromEitherSide) {
  // A star or an octagon pulled either way has the same corners, listed from the anchor's side.
  for (int form : {1, 2}) {
    EXPECT_EQ(AsSet(Corners(StarCorners, 10, 20, 110, 80, form)),
              AsSet(Corners(StarCorners, 110, 80, 10, 20, form)));
    EXPECT_EQ(AsSet(Corners(StarCorners, 110, 20, 10, 80, form)),
              AsSet(Corners(StarCorners, 10, 80, 110, 20, form)));
  }
  EXPECT_EQ(AsSet(Corners(OctagonCorners, 10, 20, 40, 80)), AsSet(Corners(OctagonCorners, 40, 80, 10, 20)));
  const std::vector<gdi::POINT> star = {{10, 50},  {50, 56}, {60, 80}, {70, 56},
                                        {110, 50}, {70, 44}, {60, 20}, {50, 44}};
  EXPECT_EQ(Corners(StarCorners, 10, 20, 110, 80), star);
  const std::vector<gdi::POINT> star_back = {{110, 50}, {70, 44}, {60, 20}, {50, 44},
                                             {10, 50},  {50, 56}, {60, 80}, {70, 56}};
  EXPECT_EQ(Corners(StarCorners, 110, 80, 10, 20), star_back);
  // Two pixels wide: a third of it is 0, so the octagon's side pairs coincide.
  const auto narrow = Corners(OctagonCorners, 50, 10, 52, 40);
  EXPECT_EQ(narrow[0], (gdi::POINT{50, 20}));
  EXPECT_EQ(narrow[2], narrow[3]);
  EXPECT_EQ(narrow[6], narrow[7]);
  // The hexagon at dy = 5: its ends 2 below (2.5 goes to even); its flat sides at 12 pixels wide
  // from 2 (2.4) to 10 (9.6) pixels, pulled down-right and up-left.
  const std::vector<gdi::POINT> hex = {{20, 32}, {22, 35}, {30, 35}, {32, 32}, {30, 30}, {22, 30}};
  EXPECT_EQ(Corners(HexagonCorners, 20, 30, 32, 35), hex);
  const std::vector<gdi::POINT> hex_back = {{32, 33}, {30, 30}, {22, 30}, {20, 33}, {22, 35}, {30, 35}};
  EXPECT_EQ(Corners(HexagonCorners, 32, 35, 20, 30), hex_back);
  const std::vector<gdi::POINT> diamond = {{40, 25}, {35, 20}, {30, 25}, {35, 30}};
  EXPECT_EQ(Corners(DiamondCorners, 40, 30, 30, 20), diamond);
}

TEST_F(SolidsPolygonsTest, ReleaseOnThePressRowOrColumnFinishesOnlyTheLines) {
  // The shapes need both coordinates to differ; LINE and LASER LINE only one, so horizontal and
  // vertical lines are drawn; on the press point itself nothing is drawn and nothing plays.
  struct {
    int tool, sound;
    bool lines;
  } cases[] = {{36, 11, false}, {37, 12, false}, {40, 10, false}, {41, 14, false}, {43, 29, false},
               {44, 7, false},  {46, 46, false}, {60, 0, false},  {38, 8, true},   {59, 3, true}};
  const Point a{40, 30}, p{100, 80};
  FillStyle = 1;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tool);
    for (const Point release : {Point{p.x, a.y}, Point{a.x, p.y}, a}) {
      CurrentTool = c.tool;
      FillBusy();
      effects_.clear();
      PressAndDrag({a, p});
      const auto outline = Picture();
      hl::MouseUp(Canvas(), MouseButton::Left, release.x, release.y);
      const bool drawn = c.lines && (release.x != a.x || release.y != a.y);
      EXPECT_EQ(Picture() != outline, drawn);
      EXPECT_EQ(effects_, drawn ? std::vector<int>{c.sound} : std::vector<int>{});
    }
  }
}

TEST_F(SolidsPolygonsTest, EveryDragRemovesThePreviousOutlineExactly) {
  const Point a{70, 50};
  const std::vector<Point> wander = {{72, 51},  {120, 90}, {20, 10}, {71, 100},
                                     {140, 50}, {30, 80},  {100, 20}};
  for (int tool : {36, 37, 38, 40, 41, 43, 44, 45, 46, 59, 60}) {
    SCOPED_TRACE(tool);
    CurrentTool = tool;
    StarKind = tool == 36 ? 2 : 1;
    FillBusy();
    const auto background = Picture();
    std::vector<Point> path = {a};
    path.insert(path.end(), wander.begin(), wander.end());
    PressAndDrag(path);
    const auto after_wander = Picture();
    hl::MouseUp(Canvas(), MouseButton::Left, a.x, a.y);
    FillBusy();
    PressAndDrag({a, wander.back()});
    EXPECT_TRUE(after_wander != background);
    EXPECT_TRUE(after_wander == Picture());
    hl::MouseUp(Canvas(), MouseButton::Left, a.x, a.y);
  }
}

TEST_F(SolidsPolygonsTest, PolygonsFinishInEveryFillStyleAndGiveBackWhatTheyMade) {
  PenSize = 1;
  for (int tool : {36, 37, 39, 40, 41}) {
    for (int style = 0; style < 32; ++style) {
      SCOPED_TRACE(::testing::Message() << "tool " << tool << " style " << style);
      FillCanvas(kWhite);
      CurrentTool = tool;
      FillStyle = style;
      const int live = gdi::GdiLiveObjects();
      const std::size_t asked = hl::Dialogs().asked.size();
      Stroke({{30, 30}, {100, 30}, {100, 90}});
      EXPECT_EQ(gdi::GdiLiveObjects(), live);
      EXPECT_EQ(hl::Dialogs().asked.size(), asked);
      // Something of the style shows inside the figure (its outline for the hollow style).
      EXPECT_GT(W() * H() - CountCanvas(kWhite), 40);
    }
  }
}

TEST_F(SolidsPolygonsTest, BallIsTheSameEitherWayAndCubeRecedesByItsDepthKeepingTheFillStyle) {
  CurrentTool = 44;
  Stroke({{20, 20}, {121, 91}});
  const auto down = Picture();
  FillCanvas(kWhite);
  Stroke({{121, 91}, {20, 20}});
  EXPECT_TRUE(Picture() == down);

  // A 40 x 20 box: depth 1 recedes by a tenth (4, 2), depth 10 by the whole box.
  CurrentTool = 60;
  FillStyle = 5;
  CubeShade = 2;
  for (const auto& [depth, dx, dy] : {std::tuple{1, 4, 2}, {10, 40, 20}}) {
    SCOPED_TRACE(depth);
    FillCanvas(kWhite);
    CubeSize = depth;
    Stroke({{100, 70}, {60, 50}});
    const gdi::RECT box = PaintedBox();
    EXPECT_NEAR(box.left, 60 - dx, 1);
    EXPECT_NEAR(box.top, 50 - dy, 1);
    EXPECT_NEAR(box.right, 100, 1);
    EXPECT_NEAR(box.bottom, 70, 1);
    EXPECT_EQ(FillStyle, 5);
  }
  EXPECT_EQ(CubeRecess(25, 1), 2);  // 2.5 rounds to even
  EXPECT_EQ(CubeRecess(-35, 1), 4);
}

TEST_F(SolidsPolygonsTest, FullListOfPointsStopsGrowingWhileTheOutlineFollowsAndTheFigureCloses) {
  CurrentTool = 39;
  FillStyle = 1;
  PenSize = 1;
  // The press and 5000 moves fill the list with the triangle (10, 10), (60, 10), (60, 60); the
  // moves after it are not kept.
  hl::MouseDown(Canvas(), MouseButton::Left, 10, 10);
  for (int i = 1; i <= 5000; ++i) hl::MouseMove(Canvas(), 60, i <= 2500 ? 10 : 60);
  EXPECT_EQ(ShapePointCount, kShapePointCapacity);
  for (const Point p : {Point{10, 60}, {120, 100}, {120, 20}}) hl::MouseMove(Canvas(), p.x, p.y);
  EXPECT_EQ(ShapePointCount, kShapePointCapacity);
  EXPECT_EQ(CanvasPixel(30, 60), CurrentColour);  // the outline still follows the mouse
  hl::MouseUp(Canvas(), MouseButton::Left, 120, 20);
  EXPECT_EQ(effects_, std::vector<int>{4});
  EXPECT_EQ(CanvasPixel(50, 20), CurrentColour);  // inside the stored triangle
  EXPECT_EQ(CanvasPixel(15, 50), kWhite);         // outside it, though the mouse went round it
  EXPECT_EQ(CanvasPixel(100, 50), kWhite);
}

TEST_F(SolidsPolygonsTest, LaserShadesGetLighterInwardByThePenSizesStep) {
  int shades[12];
  ASSERT_EQ(LaserShades(1, shades), 3);
  EXPECT_EQ(std::vector<int>(shades, shades + 3), (std::vector<int>{9, 6, 3}));
  ASSERT_EQ(LaserShades(2, shades), 4);
  EXPECT_EQ(std::vector<int>(shades, shades + 4), (std::vector<int>{9, 7, 5, 3}));
  ASSERT_EQ(LaserShades(9, shades), 11);
  EXPECT_EQ(std::vector<int>(shades, shades + 11), (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0}));
  // A horizontal beam across the canvas shows those shades above and below its centre row.
  CurrentTool = 59;
  for (int pen : {1, 2, 9}) {
    SCOPED_TRACE(pen);
    PenSize = pen;
    FillCanvas(kWhite);
    Stroke({{20, 50}, {130, 50}});
    const int n = LaserShades(pen, shades);
    std::set<gdi::COLORREF> expected, seen;
    for (int i = 0; i < n; ++i) expected.insert(PaletteColours[ColourRow * 10 + shades[i]]);
    for (int y = 0; y < H(); ++y)
      if (CanvasPixel(70, y) != kWhite) seen.insert(CanvasPixel(70, y));
    EXPECT_EQ(seen, expected);
  }
}

TEST_F(SolidsPolygonsTest, GradientBandsPaintExactlyWhatTheirLinesWould) {
  // The bands are painted a row at a time; every pixel must be what drawing each 2-pixel line of
  // each band through the region gives, on a busy picture, for boxes of every shape and kind.
  struct Box {
    int kind, x1, y1, x2, y2;
  } boxes[] = {{31, 10, 10, 140, 100}, {33, 130, 90, 20, 5},    {31, 50, 40, 51, 90}, {32, 5, 50, 150, 57},
               {39, 30, 10, 120, 110}, {31, -30, -20, 60, 200}, {33, 70, 60, 70, 60}};
  ShapePoints[0] = {30, 10}, ShapePoints[1] = {120, 60}, ShapePoints[2] = {60, 110},
  ShapePoints[3] = {90, 50};
  for (const Box& b : boxes)
    for (int style : {16, 17, 20, 21, 22, 23}) {
      SCOPED_TRACE(::testing::Message()
                   << "box " << b.x1 << "," << b.y1 << " kind " << b.kind << " style " << style);
      FillBusy();
      ShapePointCount = 4;
      FillStyle = style;
      gdi::HBITMAP expected = gdi::CreateDIBSection32(W(), H());
      {
        BitmapCanvas canvas(expected);
        const gdi::HDC& dc = canvas.dc();
        gdi::BitBlt(dc, 0, 0, W(), H(), platform::GetDC(&Canvas()), 0, 0, gdi::SRCCOPY);
        const int x1 = std::min(b.x1, b.x2), x2 = std::max(b.x1, b.x2);
        const int y1 = std::min(b.y1, b.y2), y2 = std::max(b.y1, b.y2);
        gdi::SelectClipRgn(dc, MakeShapeRegion(b.kind, x1, y1, x2, y2, 20, 10));
        const bool across = style < 18, down_left = style == 20 || style == 23;
        const bool dark_first = style == 16 || style == 20 || style == 22;
        const auto step = static_cast<float>((across ? x2 - x1 : x2 - x1 + y2 - y1) * 0.1L);
        for (int k = 0; k < 10; ++k) {
          const int shade = dark_first ? 9 - k : k;
          gdi::SelectObject(dc, gdi::CreatePen(gdi::PS_SOLID, 2,
                                               PaletteColours[ColourRow * 10 + shade] | kPaletteRelative));
          const int from = x1 + static_cast<int>(RoundHalfEven(static_cast<long double>(k) * step));
          const int to = x1 + static_cast<int>(RoundHalfEven(static_cast<long double>(k + 1) * step));
          for (int v = from; v <= to; ++v) {
            if (across)
              LineSegment(dc, v, y1, v, y2);
            else if (down_left)
              LineSegment(dc, v, y1, v - (y2 - y1), y2);
            else
              LineSegment(dc, v, y2, v - (y2 - y1), y1);
          }
        }
      }
      GradientFillShape(b.kind, b.x1, b.y1, b.x2, b.y2, 20, 10);
      for (int y = 0; y < H(); ++y)
        for (int x = 0; x < W(); ++x)
          ASSERT_EQ(Canvas().Surface()->At(x, y) & 0xFFFFFF, expected->At(x, y) & 0xFFFFFF) << x << "," << y;
    }
}

}  // namespace
}  // namespace pd::testing
