// The rubber-band shapes driven through the real canvas handlers: scripted gestures compared with
// stored pictures, and what can really go wrong: an outline not removed exactly, a release on
// the press row or column, the corner sizes, the trapezoid's empty short side, hollow and
// gradient fills, and the two steps of the parallelogram, finished or abandoned.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/dispatch.h"
#include "app_fixture.h"
#include "core/canvas.h"
#include "reference_image.h"
#include "tools/shapes.h"

namespace pd::testing {
namespace {

using platform::MouseButton;
namespace hl = platform::headless;
namespace fs = std::filesystem;

class ShapesTest : public AppTest {
 protected:
  // The program on a small screen, so that the canvas (158 x 116) makes small pictures.
  void SetUp() override {
    Start(240, 210);
    WriteFillAssets();
    FillCanvas(kWhite);
  }

  // Patterns and textures of our own in palette colours, so the pictures do not depend on the
  // artwork: "pa00.kvr".."pa07.kvr" (fill styles 8..15) and "pb1.kvr".."pb8.kvr" (24..31).
  void WriteFillAssets() {
    const fs::path dir = fs::path(PD_TEST_OUT_DIR) / "shape-assets";
    fs::create_directories(dir);
    std::string error;
    for (int n = 0; n < 8; ++n) {
      // Pattern 1 and texture 3 are the ones the stored pictures show: black every fourth
      // diagonal on colour 45, and 9-pixel squares of the palette from entry 0.
      const int step = n == 1 ? 1 : n + 1, colour = n == 1 ? 45 : 40 + n, first = 8 * n + 144;
      gdi::HBITMAP pattern = gdi::CreateDIBSection32(8, 8);
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
          pattern->At(x, y) =
              gdi::PixelFromColorref((x + y * step) % 4 == 0 ? gdi::RGB(0, 0, 0) : PaletteColours[colour]);
      gdi::HBITMAP texture = gdi::CreateDIBSection32(54, 54);
      for (int y = 0; y < 54; ++y)
        for (int x = 0; x < 54; ++x)
          texture->At(x, y) = gdi::PixelFromColorref(PaletteColours[(x / 9 + y / 9 * 10 + first) % 160]);
      ASSERT_TRUE(gdi::SaveBmp24((dir / ("pa0" + std::to_string(n) + ".kvr")).string(), *pattern, &error))
          << error;
      ASSERT_TRUE(gdi::SaveBmp24((dir / ("pb" + std::to_string(n + 1) + ".kvr")).string(), *texture, &error))
          << error;
    }
    AssetDir = dir.string() + "/";
    WriteIconStrips(AssetDir);
  }

  // A busy picture of palette colours, so that an XOR outline left behind or a stray pixel shows
  // anywhere.
  // The canvas's own pixels: its client area, inside the panel's border.
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
  std::vector<std::uint32_t> BusyPicture() {
    FillBusy();
    return Picture();
  }

  // The first step of the parallelogram from a to b, then plain moves (no button) along `moves`.
  void ParallelogramFirstStep(Point a, Point b, const std::vector<Point>& moves) {
    CurrentTool = 54;
    Stroke({a, b});
    for (const Point& p : moves) hl::MouseMove(Canvas(), p.x, p.y);
  }
};

// The tools with an XOR outline, with their forms.
struct OutlineTool {
  const char* name;
  int tool, form;
};
constexpr OutlineTool kOutlineTools[] = {
    {"rectangle", 31, 0},         {"rounded", 32, 0},    {"ellipse", 33, 0},     {"triangle 1", 34, 1},
    {"triangle 2", 34, 2},        {"triangle 3", 34, 3}, {"trapezoid 1", 35, 1}, {"trapezoid 2", 35, 2},
    {"parallelogram box", 54, 0}, {"wedge", 52, 0},
};

void ChooseForm(int tool, int form) {
  if (tool == 34) TriangleKind = form;
  if (tool == 35) TrapezoidKind = form;
}

TEST_F(ShapesTest, EveryShapeDrawsItsReferenceFigure) {
  struct Case {
    const char* name;
    int tool, form, fill, pen;
    std::vector<Point> path;    // press, drags, release
    std::vector<Point> second;  // the parallelogram's plain moves, then its click
    gdi::RECT box;
    std::vector<int> sounds;
  } cases[] = {
      // clang-format off
      {"rectangle_cross_hatch", 31, 0, 4, 2, {{20, 20}, {60, 40}, {110, 80}, {100, 75}}, {}, {10, 10, 130, 95}, {9}},
      {"rounded_solid", 32, 0, 1, 3, {{20, 20}, {70, 90}, {120, 60}}, {}, {10, 10, 130, 100}, {13}},
      {"ellipse_hollow_up_left", 33, 0, 0, 2, {{130, 90}, {80, 50}, {30, 20}}, {}, {20, 10, 140, 100}, {26}},
      {"triangle_isosceles_pattern", 34, 1, 9, 1, {{30, 20}, {90, 60}, {100, 90}}, {}, {20, 10, 110, 100}, {}},
      {"triangle_right_gradient", 34, 2, 17, 2, {{30, 20}, {110, 90}}, {}, {20, 10, 120, 100}, {}},
      {"triangle_vertical_texture", 34, 3, 26, 2, {{120, 20}, {60, 50}, {40, 90}}, {}, {30, 10, 130, 100}, {}},
      {"trapezoid_gradient_diagonal", 35, 1, 20, 2, {{20, 30}, {130, 90}}, {}, {10, 20, 140, 100}, {25}},
      {"trapezoid_side_solid", 35, 2, 1, 2, {{20, 20}, {90, 40}, {120, 100}}, {}, {10, 10, 130, 110}, {25}},
      {"parallelogram_vertical_hatch", 54, 3, 5, 2, {{30, 30}, {50, 50}, {60, 60}}, {{90, 70}, {100, 80}},
       {20, 20, 110, 90}, {}},
      {"parallelogram_horizontal_gradient", 54, 4, 19, 2, {{30, 30}, {70, 50}}, {{90, 60}, {120, 90}},
       {20, 20, 130, 100}, {}},
      {"wedge", 52, 0, 1, 2, {{80, 20}, {100, 60}, {60, 80}}, {}, {30, 10, 130, 90}, {}},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FillCanvas(kWhite);
    effects_.clear();
    CurrentTool = c.tool;
    ChooseForm(c.tool, c.form);
    ParallelogramKind = c.tool == 54 ? c.form : 4;
    FillStyle = c.fill;
    PenSize = c.pen;
    const int live = gdi::GdiLiveObjects();
    Stroke(c.path);
    if (!c.second.empty()) {
      EXPECT_EQ(CurrentTool, 55);
      for (const Point& p : c.second) hl::MouseMove(Canvas(), p.x, p.y);
      hl::Click(Canvas(), c.second.back().x, c.second.back().y);
      EXPECT_EQ(CurrentTool, 54);
    }
    EXPECT_EQ(gdi::GdiLiveObjects(), live);
    EXPECT_EQ(effects_, c.sounds);
    ExpectCanvasReference(*Canvas().Surface(), "shapes_" + std::string(c.name), c.box,
                          [](int, int) { return kWhite; });
  }
}

TEST_F(ShapesTest, EveryShapeFinishesInEveryFillStyleAndGivesBackWhatItMade) {
  // Inside each finished figure something of the style shows (the outline for the hollow style),
  // nothing asks the child anything, and every pen, brush, region and DC is given back.
  struct {
    int tool, form;
  } shapes[] = {{31, 0}, {32, 0}, {33, 0}, {34, 1}, {34, 2}, {34, 3}, {35, 1}, {35, 2}, {54, 3}, {54, 4}};
  PenSize = 1;
  for (const auto& shape : shapes) {
    for (int style = 0; style < 32; ++style) {
      SCOPED_TRACE(::testing::Message()
                   << "tool " << shape.tool << " form " << shape.form << " style " << style);
      FillCanvas(kWhite);
      FillStyle = style;
      ChooseForm(shape.tool, shape.form);
      ParallelogramKind = shape.form;
      const int live = gdi::GdiLiveObjects();
      const std::size_t asked = hl::Dialogs().asked.size();
      if (shape.tool == 54) {
        ParallelogramFirstStep({30, 30}, {60, 50}, {{100, 90}});
        hl::Click(Canvas(), 100, 90);
      } else {
        CurrentTool = shape.tool;
        Stroke({{30, 30}, {100, 90}});
      }
      EXPECT_EQ(gdi::GdiLiveObjects(), live);
      EXPECT_EQ(hl::Dialogs().asked.size(), asked);
      EXPECT_GT(W() * H() - CountCanvas(kWhite), 40);
    }
  }
}

TEST_F(ShapesTest, EveryDragRemovesThePreviousOutlineExactly) {
  // However the mouse wandered, the picture under the button shows only the outline of the last
  // point: every earlier outline was taken off pixel for pixel, on a busy picture.
  const Point a{70, 50};
  const std::vector<Point> wander = {{72, 51},  {120, 90}, {20, 10}, {71, 100},
                                     {140, 50}, {30, 80},  {100, 20}};
  for (const OutlineTool& t : kOutlineTools) {
    SCOPED_TRACE(t.name);
    CurrentTool = t.tool;
    ChooseForm(t.tool, t.form);
    const auto background = BusyPicture();
    std::vector<Point> path = {a};
    path.insert(path.end(), wander.begin(), wander.end());
    PressAndDrag(path);
    const auto after_wander = Picture();
    hl::MouseUp(Canvas(), MouseButton::Left, wander.back().x, a.y);  // on the press row: no figure
    CurrentTool = t.tool;
    FillBusy();
    PressAndDrag({a, wander.back()});
    const auto single_move = Picture();
    hl::MouseUp(Canvas(), MouseButton::Left, wander.back().x, a.y);
    EXPECT_TRUE(after_wander != background);
    EXPECT_TRUE(after_wander == single_move);
  }
}

TEST_F(ShapesTest, ParallelogramSecondStepOutlineIsExactAndAbandoningItLeavesNothing) {
  for (int slant : {3, 4}) {
    SCOPED_TRACE(slant);
    ParallelogramKind = slant;
    const auto background = BusyPicture();
    ParallelogramFirstStep({40, 30}, {70, 50}, {{100, 90}, {10, 5}, {130, 60}});
    const auto wandered = Picture();
    FillBusy();
    ParallelogramFirstStep({40, 30}, {70, 50}, {{130, 60}});
    EXPECT_TRUE(wandered == Picture());
    EXPECT_TRUE(wandered != background);
    // Choosing a tool button ends the second step: the outline goes, the button is let go, and
    // the next tool draws nothing on plain moves.
    hl::Click(main_->Image(1), 10, 10);
    EXPECT_FALSE(ButtonHeld);
    EXPECT_NE(CurrentTool, 55);
    EXPECT_TRUE(Picture() == background);
    hl::MouseMove(Canvas(), 20, 20);
    hl::MouseMove(Canvas(), 90, 90);
    EXPECT_TRUE(Picture() == background);
  }
  // So does a category change, right after the first step and before any move.
  ParallelogramKind = 4;
  const auto background = BusyPicture();
  ParallelogramFirstStep({40, 30}, {70, 50}, {});
  hl::Click(main_->TabSet1(), 36 * 2 + 12 + 16, 16);
  EXPECT_FALSE(ButtonHeld);
  EXPECT_EQ(CurrentTool, 0);
  EXPECT_TRUE(Picture() == background);
  CurrentTool = 1;  // the pencil would draw on any move with the button held
  hl::MouseMove(Canvas(), 20, 20);
  hl::MouseMove(Canvas(), 90, 90);
  EXPECT_TRUE(Picture() == background);
}

TEST_F(ShapesTest, ParallelogramCyclesWithOrWithoutAHeldButtonToTheSameFigure) {
  FillStyle = 1;
  PenSize = 2;
  ParallelogramKind = 3;
  // Without a button: plain moves pull the outline and a click finishes it.
  ParallelogramFirstStep({30, 30}, {60, 50}, {{90, 60}, {110, 80}});
  EXPECT_EQ(CurrentTool, 55);
  EXPECT_TRUE(ButtonHeld);
  hl::Click(Canvas(), 110, 80);
  EXPECT_EQ(CurrentTool, 54);
  EXPECT_FALSE(ButtonHeld);
  const auto without_button = Picture();
  hl::MouseMove(Canvas(), 20, 100);
  EXPECT_TRUE(Picture() == without_button);  // the first step needs a press again
  EXPECT_NE(CountCanvas(CurrentColour), 0);

  // With the button: the press somewhere else moves no anchor, the drag pulls the outline and
  // the release finishes the same figure.
  FillCanvas(kWhite);
  ParallelogramFirstStep({30, 30}, {60, 50}, {});
  hl::MouseDown(Canvas(), MouseButton::Left, 5, 100);
  EXPECT_EQ(AnchorX, 30);
  EXPECT_EQ(AnchorY, 30);
  hl::MouseMove(Canvas(), 90, 60);
  hl::MouseMove(Canvas(), 110, 80);
  hl::MouseUp(Canvas(), MouseButton::Left, 110, 80);
  EXPECT_EQ(CurrentTool, 54);
  EXPECT_TRUE(Picture() == without_button);
  EXPECT_TRUE(effects_.empty());

  // A right click picks a colour and its release finishes the figure, in the colour picked: the
  // same figure a left click gives in that colour, and no button is held afterwards.
  FillCanvas(kWhite);
  ParallelogramFirstStep({30, 30}, {60, 50}, {{90, 60}, {110, 80}});
  hl::Click(Canvas(), 110, 80, MouseButton::Right);
  EXPECT_EQ(CurrentTool, 54);
  EXPECT_FALSE(ButtonHeld);
  const auto right_click = Picture();
  hl::MouseMove(Canvas(), 20, 100);
  EXPECT_TRUE(Picture() == right_click);
  FillCanvas(kWhite);
  ParallelogramFirstStep({30, 30}, {60, 50}, {{90, 60}, {110, 80}});
  hl::Click(Canvas(), 110, 80);
  EXPECT_TRUE(Picture() == right_click);
  EXPECT_NE(CountCanvas(CurrentColour), 0);
}

TEST_F(ShapesTest, GradientParallelogramLeavesNoStrayCornerOnTheBusyPicture) {
  // The box of the first step has its two far corners traced differently from the slanted figure
  // that replaces it; no corner pixel of either may stay behind outside the filled figure.
  FillStyle = 17;
  for (int slant : {3, 4}) {
    SCOPED_TRACE(slant);
    ParallelogramKind = slant;
    FillBusy();
    // The far corner (60, 50) of the box ends up outside the figure, and so does everything
    // but the anchor's corner of the box's outline.
    ParallelogramFirstStep({30, 30}, {60, 50}, {{90, 20}, {110, 10}});
    hl::Click(Canvas(), 110, 10);
    gdi::HRGN figure = gdi::CreatePolygonRgn(ShapePoints.data(), 4, gdi::ALTERNATE);
    int painted = 0;
    for (int y = 0; y < H(); ++y)
      for (int x = 0; x < W(); ++x) {
        const bool changed = CanvasPixel(x, y) != Busy(x, y);
        if (gdi::PtInRegion(figure, x, y))
          painted += changed;
        else
          ASSERT_FALSE(changed) << x << "," << y;
      }
    EXPECT_GT(painted, 500);
  }
}

TEST_F(ShapesTest, ReleaseOnThePressRowOrColumnDrawsNothingAndStaysSilent) {
  struct {
    int tool, form, sound;
  } cases[] = {{31, 0, 9}, {32, 0, 13}, {33, 0, 26}, {34, 1, 0}, {35, 1, 25}, {35, 2, 25}};
  const Point a{40, 30}, p{100, 80};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tool);
    for (const Point release : {Point{p.x, a.y}, Point{a.x, p.y}, a}) {
      CurrentTool = c.tool;
      ChooseForm(c.tool, c.form);
      FillBusy();
      effects_.clear();
      PressAndDrag({a, p});
      const auto outline = Picture();
      hl::MouseUp(Canvas(), MouseButton::Left, release.x, release.y);
      EXPECT_TRUE(Picture() == outline);  // the last outline stays, nothing more
      EXPECT_TRUE(effects_.empty());
    }
    // Off both lines the figure is finished with its sound.
    FillBusy();
    effects_.clear();
    Stroke({a, p});
    EXPECT_EQ(effects_, c.sound ? std::vector<int>{c.sound} : std::vector<int>{});
    EXPECT_EQ(CanvasPixel((a.x + p.x) / 2, (a.y + p.y) / 2), CurrentColour);
  }
}

TEST_F(ShapesTest, RoundedRectangleCornersAreAQuarterOfItsSides) {
  // 100 x 40 pixels: corner ellipses of 25 x 10, both for the brushed figure and for the region
  // a gradient fills.
  CurrentTool = 32;
  PenSize = 1;
  FillStyle = 1;
  Stroke({{20, 20}, {120, 60}});
  gdi::HBITMAP expected = gdi::CreateDIBSection32(W(), H());
  {
    BitmapCanvas canvas(expected);
    gdi::PatBlt(canvas.dc(), 0, 0, W(), H(), gdi::WHITENESS);
    gdi::SelectObject(canvas.dc(), gdi::CreatePen(gdi::PS_SOLID, 1, CurrentColour));
    gdi::SelectObject(canvas.dc(), gdi::CreateSolidBrush(CurrentColour));
    gdi::RoundRect(canvas.dc(), 20, 20, 120, 60, 25, 10);
  }
  for (int y = 0; y < H(); ++y)
    for (int x = 0; x < W(); ++x)
      ASSERT_EQ((Canvas().Surface()->At(x, y) ^ expected->At(x, y)) & 0xFFFFFF, 0u) << x << "," << y;

  FillCanvas(kWhite);
  FillStyle = 17;
  Stroke({{120, 60}, {20, 20}});  // dragged the other way: the same box
  gdi::HRGN region = gdi::CreateRoundRectRgn(20, 20, 120, 60, 25, 10);
  for (int y = 0; y < H(); ++y)
    for (int x = 0; x < W(); ++x)
      ASSERT_EQ(CanvasPixel(x, y) != kWhite, gdi::PtInRegion(region, x, y)) << x << "," << y;
}

TEST_F(ShapesTest, NarrowTrapezoidShrinksItsShortSideToThePressPointAndTriangleApexRoundsTowardThePress) {
  CurrentTool = 35;
  PenSize = 1;
  FillStyle = 1;
  const gdi::COLORREF red = CurrentColour;
  const auto red_in_row = [&](int y) {
    std::vector<int> xs;
    for (int x = 0; x < W(); ++x)
      if (CanvasPixel(x, y) == red) xs.push_back(x);
    return xs;
  };
  // Four pixels wide: a fifth of it is 0, so the short side is the press point alone.
  Stroke({{50, 30}, {54, 60}});
  EXPECT_EQ(red_in_row(30), std::vector<int>{50});
  EXPECT_EQ(red_in_row(29), std::vector<int>{});
  // Ten pixels wide, dragged to the left: the short side runs from 2 to 8 pixels left of the press.
  FillCanvas(kWhite);
  Stroke({{60, 30}, {50, 60}});
  EXPECT_EQ(red_in_row(30), (std::vector<int>{52, 53, 54, 55, 56, 57, 58}));
  // On its side and four pixels high: the short side is one point on the release column.
  FillCanvas(kWhite);
  TrapezoidKind = 2;
  Stroke({{30, 50}, {70, 54}});
  for (int y = 0; y < H(); ++y) EXPECT_EQ(CanvasPixel(70, y) == red, y == 50) << y;

  // The triangle's apex is half the width from the press column, rounded toward the press.
  CurrentTool = 34;
  TriangleKind = 1;
  FillCanvas(kWhite);
  Stroke({{10, 20}, {15, 50}});
  EXPECT_EQ(red_in_row(20), std::vector<int>{12});
  FillCanvas(kWhite);
  Stroke({{115, 20}, {110, 50}});
  EXPECT_EQ(red_in_row(20), std::vector<int>{113});
}

TEST_F(ShapesTest, HollowFillDrawsOnlyTheOutlineAndGradientsOnlyTheInside) {
  CurrentTool = 31;
  PenSize = 3;
  FillStyle = 0;
  FillBusy();
  Stroke({{30, 30}, {90, 70}});
  for (int y = 33; y < 67; ++y)
    for (int x = 33; x < 87; ++x) ASSERT_EQ(CanvasPixel(x, y), Busy(x, y)) << x << "," << y;
  for (int y = 30; y < 70; ++y) EXPECT_EQ(CanvasPixel(30, y), CurrentColour) << y;
  for (int x = 30; x < 90; ++x) EXPECT_EQ(CanvasPixel(x, 69), CurrentColour) << x;

  // A gradient rectangle paints exactly its region in the shades of the colour's row: no
  // outline on the right or bottom edge.
  FillStyle = 19;
  FillBusy();
  Stroke({{30, 30}, {90, 70}});
  const auto in_row = [](gdi::COLORREF c) {
    for (int shade = 0; shade < 10; ++shade)
      if (c == PaletteColours[ColourRow * 10 + shade]) return true;
    return false;
  };
  for (int y = 0; y < H(); ++y)
    for (int x = 0; x < W(); ++x) {
      if (PointInBox(x, y, 30, 30, 90, 70))
        ASSERT_TRUE(in_row(CanvasPixel(x, y))) << x << "," << y;
      else
        ASSERT_EQ(CanvasPixel(x, y), Busy(x, y)) << x << "," << y;
    }
}

}  // namespace
}  // namespace pd::testing
