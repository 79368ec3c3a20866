// The tool palette driven headless: the tab set (hints, clicks, icons), the ten buttons of every
// category against the program's table, the slot marker, the reset every press runs, and what a
// category change leaves behind.
#include <filesystem>
#include <map>
#include <sstream>

#include "app/dispatch.h"
#include "app/toolpalette.h"
#include "app/tooltable.h"
#include "app_fixture.h"
#include "gdi/bmp.h"

namespace pd::testing {
namespace {

using platform::MouseButton;
namespace hl = platform::headless;
namespace fs = std::filesystem;

// The categories' descriptions, as the tab set shows them.
const char* const kCategoryHints[10] = {
    "PENCILS -- various pencils to draw with.",
    "PAINT -- various brushes to paint with.",
    "PENCILS/BRUSHES -- various drawing tools.",
    "3D -- 3D effect tools.",
    "SHAPES -- geometric shapes.",
    "TEXT -- put text on the screen in varying styles.",
    "ERASERS -- wipe out a drawing with style",
    "MAGIC -- special effects.",
    "PICTURES -- bring in a variety of stamps and pictures.",
    "PC -- OPEN, SAVE, PRINT, etc...",
};

// The option panels by the names the program's table uses.
const std::map<std::string, bool*> kPanelNames = {
    {"pen size", &PenSizePanelShown},
    {"rainbow", &RainbowPanelShown},
    {"nib", &NibPanelShown},
    {"fill style", &FillStylePanelShown},
    {"font", &FontPanelShown},
    {"light", &LightPanelShown},
    {"object", &ObjectPanelShown},
    {"grass", &GrassPanelShown},
    {"spray", &SprayPanelShown},
    {"mirror", &MirrorPanelShown},
    {"quill", &QuillPanelShown},
    {"ribbon", &RibbonPanelShown},
    {"fish", &FishPanelShown},
    {"roller", &RollerPanelShown},
    {"triangle", &TrianglePanelShown},
    {"trapezoid", &TrapezoidPanelShown},
    {"star", &StarPanelShown},
    {"parallelogram", &ParallelogramPanelShown},
    {"cube size", &CubeSizePanelShown},
    {"cube colour", &CubeColourPanelShown},
    {"shadow", &ShadowPanelShown},
    {"explode", &ExplodePanelShown},
    {"pixellate", &PixellatePanelShown},
    {"lighten", &LightenPanelShown},
    {"size", &SizePanelShown},
    {"flip", &FlipPanelShown},
};

// The names of the panels shown, in the order of kPanelNames.
std::string ShownPanelNames() {
  std::string names;
  for (const auto& [name, flag] : kPanelNames)
    if (*flag) names += (names.empty() ? "" : ", ") + name;
  return names.empty() ? "none" : names;
}

// A panel list as the table writes it, in the order of kPanelNames.
std::string Canonical(const std::string& list) {
  std::map<std::string, bool> wanted;
  std::stringstream in(list);
  std::string name;
  while (std::getline(in, name, ',')) {
    name.erase(0, name.find_first_not_of(' '));
    if (name != "none") wanted[name] = true;
  }
  std::string names;
  for (const auto& [known, flag] : kPanelNames)
    if (wanted.erase(known)) names += (names.empty() ? "" : ", ") + known;
  EXPECT_TRUE(wanted.empty()) << "unknown panel in \"" << list << "\"";
  return names.empty() ? "none" : names;
}

// What a press leaves in CurrentTool besides a tool number.
constexpr int kKeeps = -1;  // the tool selected before stays
constexpr int kLater = -2;  // set by a chooser that comes with the pictures work; not checked

constexpr int kToolBefore = 8;  // a tool number that no button selects

struct Row {
  int category, slot;
  const char* hint;  // "" for a slot that shows none
  int tool;
  const char* panels;
  int cursor;  // over the canvas, with pen size 2, nib direction 1 and roller kind 4
};

// The program's tool table, as written in its documentation. Actions that open a chooser leave
// no tool when there is nothing to choose, as in a headless run.
const Row kRows[] = {
    {1, 1, "PENCIL -- use to draw freeform lines.", 1, "pen size, rainbow", 2},
    {1, 2, "ERASER -- use to erase parts of your drawing.", 57, "pen size", 24},
    {1, 3, "RADIAL LINE -- use to draw sunsets.", 23, "pen size, rainbow", 1},
    {1, 4, "CHALK -- works really well with the chalkboard screen eraser.", 10, "pen size", 12},
    {1, 5, "CRAZY PEN -- three color pen.", 5, "nib", 3},
    {1, 6, "STRING ART -- draw crazy string art pictures.", 2, "pen size, rainbow", 1},
    {1, 7, "MIRROR IMAGE -- use to draw faces and animals.", 11, "pen size, rainbow, mirror", 2},
    {1, 8, "INCHWORM -- draw garland or fuzzy caterpillars.", 56, "pen size, rainbow", 1},
    {1, 9, "QUILL PEN -- a pen that gets thinner the faster the mouse moves.", 12, "quill", 14},
    {1, 10, "LINE -- click and drag to draw a straight line.", 38, "pen size", 1},
    {2, 1, "DRIP PAINT -- draws dripping paint.", 22, "pen size", 1},
    {2, 2, "TOUCH UP -- Shade colored areas with a touch up brush.", 21, "pen size", 2},
    {2, 3, "BUCKET -- fill an area with color or a pattern.", 58, "fill style", 11},
    {2, 4, "ROLLER -- roll paint in place including speckles.", 25, "roller", 21},
    {2, 5, "PASTEL -- like chalk with color highlights.", 87, "pen size", 12},
    {2, 6, "CHARCOAL -- fuzzy lined charcoal pencil.", 85, "pen size", 2},
    {2, 7, "SPRAY PAINT -- just like ths stuff used on buildings...", 9, "pen size, spray", 16},
    {2, 8, "FIREWORKS -- looks best with light colors on dark backgrounds.", 19, "pen size, rainbow", 1},
    {2, 9, "MAGIC BRUSH -- make marble and crystal effects.", 15, "nib", 3},
    {2, 10, "CALLIGRAPHY BRUSH -- use to make old style lettering.", 14, "pen size, nib", 3},
    {3, 1, "OBJECTS -- draw various geometric objects.", 7, "rainbow, object", 19},
    {3, 2, "BUG SPLAT -- splat bugs for cool effects.", 6, "pen size, rainbow", 18},
    {3, 3, "WAND SPARKLES -- the magical dust that comes from a wand.", 3, "pen size, rainbow", 19},
    {3, 4, "FRED FISH -- create open or 3d bubbles.", 27, "pen size, rainbow, fish", 17},
    {3, 5, "XMAS TREE -- draw ornaments along a line.", 17, "pen size, rainbow", 1},
    {3, 6, "BILLY BRUSH -- Billy will ski down the screen for you.", 50, "pen size", 1},
    {3, 7, "TRAIN -- lay railroad tracks.", 48, "none", 1},
    {3, 8, "PROPELLER -- draw sunburst effects.", 24, "pen size, rainbow", 1},
    {3, 9, "INSTANT HAIR -- use this to dress up your characters.", 42, "pen size", 23},
    {3, 10, "GRASS -- add a touch of realism with grass tufts.", 4, "grass", 7},
    {4, 1, "3D BALL -- use to draw people with.", 44, "light", 1},
    {4, 2, "3D RECTANGLE -- great for borders.", 45, "light", 1},
    {4, 3, "3D ROUNDED RECTANGLE -- makes great gemstones.", 46, "light", 1},
    {4, 4, "3D RING -- makes great borders or chains.", 43, "pen size", 1},
    {4, 5, "3D RIBBON -- freehand 3D line.", 30, "ribbon, nib", 3},
    {4, 6, "LASER LINE -- make a 3D straight laser beam.", 59, "pen size", 1},
    {4, 7, "CUBE -- make a 3D shaded box.", 60, "cube size, cube colour", 1},
    {4, 8, "SPREADER -- use to fuzz edges or blend colors..", 61, "pen size", 24},
    {4, 9, "SPLITTER -- use to make water reflection effects.", 62, "pen size", 24},
    {4, 10, "IRREGULAR SHAPE -- draw and fill a freehand shape.", 39, "fill style", 1},
    {5, 1, "ELLIPSE", 33, "pen size, fill style", 1},
    {5, 2, "RECTANGLE", 31, "pen size, fill style", 1},
    {5, 3, "TRIANGLE", 34, "pen size, triangle, fill style", 1},
    {5, 4, "ROUNDED RECTANGLE", 32, "pen size, fill style", 1},
    {5, 5, "TRAPEZOID", 35, "pen size, trapezoid, fill style", 1},
    {5, 6, "DIAMOND", 41, "pen size, fill style", 1},
    {5, 7, "HEXAGON", 40, "pen size, fill style", 1},
    {5, 8, "OCTAGON", 37, "pen size, fill style", 1},
    {5, 9, "STAR", 36, "pen size, star, fill style", 1},
    {5, 10, "PARALLELOGRAM", 54, "pen size, parallelogram, fill style", 1},
    {6, 1, "TYPING -- click on the screen and type.", 82, "font, pen size", 9},
    {6, 2, "SHADOW TEXT -- draw box on screen you want text to fit into.", 77, "font, shadow", 1},
    {6, 3, "EXPLODING TEXT -- draw box on screen you want text to fit into.", 78, "font, explode", 1},
    {6, 4, "ROTATED TEXT -- draws text at any angle.", 79, "font", 9},
    {6, 5, "EXTRUDED TEXT -- draw box on screen you want text to fit into.", 76, "font, shadow", 1},
    {6, 6, "SIGNATURE -- sign your name to your work of art.", kKeeps, "none", -1},
    {6, 7, "", kKeeps, "none", -1},
    {6, 8, "", kKeeps, "none", -1},
    {6, 9, "", kKeeps, "none", -1},
    {6, 10, "", kKeeps, "none", -1},
    {7, 1, "WIPE THE SCREEN WHITE", kKeeps, "none", -1},
    {7, 2, "BOMB -- drop bomb on screen to blow it up.", 47, "none", 22},
    {7, 3, "CHALKBOARD -- don't you get enough school?.", kKeeps, "none", -1},
    {7, 4, "BRICKS -- great for practicing your spray painting.", kKeeps, "none", -1},
    {7, 5, "STARS -- perfect for those outer space scenes.", kKeeps, "none", -1},
    {7, 6, "BLACK HOLE -- suck the screen into the black hole in the middle.", kKeeps, "none", -1},
    {7, 7, "PAPER -- wad the image up and toss it.", kKeeps, "none", -1},
    {7, 8, "SHADE -- rolls up like a window shade.", kKeeps, "none", -1},
    {7, 9, "BUG SPLATTED WINDSHIELD -- worse than the midwest in summer.", kKeeps, "none", -1},
    {7, 10, "MORPH -- instant background.", kKeeps, "none", -1},
    {8, 1, "MOVE -- draw a box around an area, click on it to move it.", 69, "none", 15},
    {8, 2, "COPY -- draw a box around an area, click on it to copy it.", 70, "none", 15},
    {8, 3, "PIXELLATE -- make blocky faces like the TV cop shows.", 63, "pixellate", 15},
    {8, 4, "TUNNEL -- shrink the screen in on itself.", kKeeps, "none", -1},
    {8, 5, "LIGHTEN/DARKEN -- lighten or darken an area.", 86, "lighten", 15},
    {8, 6, "SIZE CONTROL -- shrink or magnify to full screen.", 65, "size", 15},
    {8, 7, "FLIP -- draw a box around an area and flip it up and down or side to side.", 66, "flip", 15},
    {8, 8, "NEGATIVE -- draw a box around an area and invert the colors in it.", 67, "none", 15},
    {8, 9, "REPLACE COLOR -- replaces ALL clicked color with the current color.", 68, "none", 34},
    {8, 10, "COPY/FLIP -- COPY -- draw a box around an area, click on it to copy it and flip it.", 71, "flip",
     15},
    {9, 1, "WIDE -- wide large stamps.", 0, "none", -1},
    {9, 2, "TALL -- tall large stamps.", 0, "none", -1},
    {9, 3, "STAMPS -- 64 x 64 square stamps.", kLater, "none", -1},
    {9, 4, "STAMPS -- 32 x 32 square stamps.", kLater, "none", -1},
    {9, 5, "CLIP ART -- import vector graphic clip art.", kLater, "none", -1},
    {9, 6, "BACKGROUNDS -- images to start a picture with.", 0, "none", -1},
    {9, 7, "COLORBOOK -- pages to color.", 0, "none", -1},  // the fill style only with a page chosen
    {9, 8, "", kKeeps, "none", -1},
    {9, 9, "", kKeeps, "none", -1},
    {9, 10, "", kKeeps, "none", -1},
    {10, 1, "OPEN -- open a picture that was saved.", kKeeps, "none", -1},
    {10, 2, "SAVE -- saves the picture you are working on.", kKeeps, "none", -1},
    {10, 3, "DELETE -- get rid of a picture.", kKeeps, "none", -1},
    {10, 4, "PRINT", kKeeps, "none", -1},
    {10, 5, "PRINT SETUP -- adjust the printer if needed.", kKeeps, "none", -1},
    {10, 6, "ABOUT -- Marrowvale Software Labs.", kKeeps, "none", -1},
    {10, 7, "SOUND CONTROL -- turn sound and music off and on.", kKeeps, "none", -1},
    {10, 8, "CLIPBOARD -- put your picture on the windows clipboard.", kKeeps, "none", -1},
    {10, 9, "WALLPAPER -- make desktop wallpaper out of your picture.", kKeeps, "none", -1},
    {10, 10, "", kKeeps, "none", -1},
};

class ToolPaletteTest : public AppTest {
 protected:
  platform::Window& Tabs() { return main_->TabSet1(); }
  platform::Window& Button(int k) { return main_->Image(k); }
  // The middle of the icon of the tab of index 0..9.
  static int TabCentre(int index) { return 36 * index + (index <= 6 ? 12 : 17) + 16; }
  void ClickTab(int index) { hl::Click(Tabs(), TabCentre(index), 16); }
  // Whether the marker row (100, 50)-(500, 62) is black all over.
  bool MarkerRowClear() {
    for (int y = 50; y < 62; ++y)
      for (int x = 100; x < 500; ++x)
        if (FormPixel(x, y) != kBlack) return false;
    return true;
  }
};

TEST_F(ToolPaletteTest, TabHintNamesTheCategoryUnderTheMouseAtTheEdgesOfTheRule) {
  const struct {
    int x, category;
  } cases[] = {{0, 1},   {11, 1},  {47, 1},  {48, 2},  {227, 6}, {228, 6}, {230, 6},  {232, 6},
               {233, 7}, {268, 7}, {269, 8}, {304, 8}, {305, 9}, {340, 9}, {341, 10}, {376, 10}};
  for (const auto& c : cases)
    EXPECT_EQ(hl::HintAt(Tabs(), c.x, 10), kCategoryHints[c.category - 1]) << "x = " << c.x;
  // Past the last tab the hint stays the one last shown.
  EXPECT_EQ(hl::HintAt(Tabs(), 100, 10), kCategoryHints[2]);
  EXPECT_EQ(hl::HintAt(Tabs(), 377, 10), kCategoryHints[2]);
  EXPECT_EQ(hl::HintAt(Tabs(), 800, 10), kCategoryHints[2]);
  // The tab set shows the default cursor, whatever the canvas showed.
  hl::MouseMove(Canvas(), 40, 40);
  EXPECT_EQ(hl::CursorAt(Canvas(), 40, 40), 2);
  hl::MouseMove(Tabs(), 50, 10);
  EXPECT_EQ(hl::CursorAt(Tabs(), 50, 10), 0);
}

TEST_F(ToolPaletteTest, AClickSelectsTheCategoryItsHintNames) {
  const struct { int x, category; } cases[] = {{47, 1}, {48, 2}, {230, 6}, {233, 7}, {376, 10}, {5, 1}};
  for (const auto& c : cases) {
    CurrentTool = 1;
    effects_.clear();
    hl::Click(Tabs(), c.x, 16);
    EXPECT_EQ(CurrentCategory, c.category) << "x = " << c.x;
    EXPECT_EQ(CurrentTool, 0);
    EXPECT_EQ(effects_, std::vector<int>{5});
    EXPECT_TRUE(MarkerRowClear());
  }
  // The buttons now carry the descriptions of the PC category...
  ClickTab(9);
  EXPECT_EQ(hl::HintAt(Button(1), 5, 5), "OPEN -- open a picture that was saved.");
  EXPECT_EQ(hl::HintAt(Button(10), 5, 5), "");
  // ...and a click past the last tab selects nothing.
  CurrentTool = 1;
  effects_.clear();
  hl::Click(Tabs(), 377, 16);
  hl::Click(Tabs(), 700, 16);
  EXPECT_EQ(CurrentCategory, 10);
  EXPECT_EQ(CurrentTool, 1);
  EXPECT_TRUE(effects_.empty());
}

TEST_F(ToolPaletteTest, EveryButtonOfEveryCategoryFollowsTheToolTable) {
  UseScratchDataDir();  // SAVE keeps its picture there
  PenSize = 2;
  NibDirection = 1;
  RollerKind = 4;
  int done = 0;
  for (int category = 1; category <= 10; ++category) {
    ClickTab(category - 1);
    ASSERT_EQ(CurrentCategory, category);
    for (const Row& row : kRows) {
      if (row.category != category) continue;
      ++done;
      SCOPED_TRACE(::testing::Message() << row.category << "/" << row.slot);
      EXPECT_EQ(hl::HintAt(Button(row.slot), 20, 20), row.hint);
      CurrentTool = kToolBefore;
      FillStylePanelShown = FontPanelShown = true;  // left over from an earlier button
      effects_.clear();
      // Any mouse button presses a tool button.
      const MouseButton buttons[] = {MouseButton::Left, MouseButton::Right, MouseButton::Middle};
      hl::Click(Button(row.slot), 20, 20, buttons[row.slot % 3]);
      ASSERT_FALSE(effects_.empty());
      EXPECT_EQ(effects_.front(), 6);
      if (row.tool == kKeeps) {
        EXPECT_EQ(CurrentTool, kToolBefore);
      } else if (row.tool != kLater) {
        EXPECT_EQ(CurrentTool, row.tool);
      }
      EXPECT_EQ(ShownPanelNames(), Canonical(row.panels));
      if (row.cursor >= 0) {
        hl::MouseMove(Canvas(), 30, 30);
        EXPECT_EQ(hl::CursorAt(Canvas(), 30, 30), row.cursor);
      }
      // The marker stays under a button that does something and goes for one that does not.
      const int tip_x = 40 * (row.slot - 1) + 120;
      EXPECT_EQ(FormPixel(tip_x, 55), *row.hint ? kRed : kBlack);
    }
  }
  EXPECT_EQ(done, 100);
}

TEST_F(ToolPaletteTest, MarkerUnderTheTenthButtonHasItsTipAt480_51) {
  hl::Click(Button(10), 20, 20);
  EXPECT_EQ(FormPixel(480, 51), kRed);
  EXPECT_EQ(FormPixel(480, 50), kBlack);
  EXPECT_EQ(FormPixel(480, 58), kRed);
  EXPECT_EQ(FormPixel(462, 58), kRed);
  EXPECT_EQ(FormPixel(480, 61), kBlack);
  EXPECT_EQ(FormPixel(120, 57), kBlack);  // the first button's marker is gone
}

TEST_F(ToolPaletteTest, ASlotWithoutFunctionClearsMarkerAndPanelsButStillClicksAndSaves) {
  ClickTab(5);
  ASSERT_EQ(CurrentCategory, 6);
  FillCanvas(kBlue);
  effects_.clear();
  hl::Click(Button(8), 20, 20);
  EXPECT_EQ(effects_, std::vector<int>{6});
  EXPECT_TRUE(MarkerRowClear());
  EXPECT_EQ(CurrentTool, 0);
  EXPECT_EQ(ShownPanelNames(), "none");
  // The press kept the canvas: UNDO brings the blue back after the canvas changed.
  FillCanvas(kWhite);
  hl::Click(Form(), 20, 20);
  EXPECT_EQ(CanvasPixel(10, 10), kBlue);
  // After TYPING the same press keeps the tool but hides its panels.
  hl::Click(Button(1), 20, 20);
  ASSERT_EQ(ShownPanelNames(), Canonical("pen size, font"));
  hl::Click(Button(8), 20, 20);
  EXPECT_EQ(CurrentTool, 82);
  EXPECT_EQ(ShownPanelNames(), "none");
}

TEST_F(ToolPaletteTest, AfterACategoryChangeACanvasPressDrawsNothing) {
  FillCanvas(kWhite);
  ClickTab(1);
  effects_.clear();
  hl::Drag(Canvas(), 10, 10, 80, 60);
  hl::Click(Canvas(), 100, 100);
  EXPECT_EQ(CountCanvas(kWhite), Canvas().ClientWidth() * Canvas().ClientHeight());
  EXPECT_TRUE(effects_.empty());
  EXPECT_EQ(hl::CursorAt(Canvas(), 100, 100), 0);
}

TEST_F(ToolPaletteTest, ACategoryChangeEndsWhatTheToolHasPending) {
  // A framed selection: the frame goes with the snapshot the selection was made from.
  FillCanvas(kBlue);
  hl::Click(Form(), 20, 188);  // a swatch press keeps the blue canvas
  FillCanvas(kWhite);
  SelectionActive = true;
  CurrentTool = 72;
  ClickTab(7);
  EXPECT_FALSE(SelectionActive);
  EXPECT_EQ(CanvasPixel(10, 10), kBlue);
  EXPECT_EQ(CurrentTool, 0);

  // The second step of the parallelogram holds the button without a press; after the change
  // a move over the canvas is no drag.
  CurrentTool = 55;
  ButtonHeld = true;
  ClickTab(4);
  EXPECT_FALSE(ButtonHeld);
  EXPECT_EQ(CurrentTool, 0);
  LastX = LastY = 0;
  hl::MouseMove(Canvas(), 70, 70);
  EXPECT_EQ(LastX, 0);

  // A button without function keeps the tool, but not the held second step.
  ClickTab(5);
  CurrentTool = 55;
  ButtonHeld = true;
  hl::Click(Button(9), 20, 20);
  EXPECT_FALSE(ButtonHeld);
  EXPECT_EQ(CurrentTool, 54);
}

TEST_F(ToolPaletteTest, PressesWhileAnAnimationRunsAreIgnoredSilently) {
  AnimationBusy = true;
  hl::Click(Button(3), 20, 20);
  hl::Click(Button(2), 20, 20, MouseButton::Right);
  EXPECT_TRUE(effects_.empty());
  EXPECT_EQ(CurrentTool, 1);
  EXPECT_EQ(FormPixel(120, 57), kRed);
  EXPECT_EQ(FormPixel(200, 57), kBlack);
}

TEST_F(ToolPaletteTest, ToolsWithVariantsDrawTheVariantTheirPanelShows) {
  struct Case {
    int tab, slot;
    int* option;
    int value, tool;
  } cases[] = {{0, 9, &QuillKind, 2, 13},  {0, 9, &QuillKind, 1, 12},  {2, 4, &FishKind, 2, 26},
               {3, 5, &RibbonKind, 3, 20}, {3, 5, &RibbonKind, 2, 29}, {7, 3, &PixellateMode, 2, 64}};
  for (const auto& c : cases) {
    ClickTab(c.tab);
    *c.option = c.value;
    hl::Click(Button(c.slot), 20, 20);
    EXPECT_EQ(CurrentTool, c.tool) << "tab " << c.tab << " slot " << c.slot;
  }
}

TEST_F(ToolPaletteTest, ChoosingSomeToolsSetsTheStateTheyStartWith) {
  // BUCKET keeps a brush the child chose and falls back to the solid fill from a gradient or texture.
  ClickTab(1);
  const int kept[][2] = {{0, 0}, {9, 9}, {15, 15}, {16, 1}, {20, 1}, {31, 1}};
  for (const auto& [before, after] : kept) {
    FillStyle = before;
    hl::Click(Button(3), 20, 20);
    EXPECT_EQ(FillStyle, after) << before;
  }

  ClickTab(6);
  CurrentPictureName = "user/UP000001.BMP";
  ColorbookMode = true;
  CurrentTool = 1;
  hl::Click(Button(1), 20, 20);  // WIPE: a new picture, the tool stays
  EXPECT_EQ(CurrentPictureName, "");
  EXPECT_FALSE(ColorbookMode);
  EXPECT_EQ(CurrentTool, 1);
  CurrentPictureName = "user/UP000001.BMP";
  ColorbookMode = true;
  hl::Click(Button(2), 20, 20);  // BOMB: a new picture too
  EXPECT_EQ(CurrentPictureName, "");
  EXPECT_FALSE(ColorbookMode);
  EXPECT_EQ(CurrentTool, 47);

  ClickTab(7);
  CurrentPictureName = "user/UP000001.BMP";
  ColorbookMode = true;
  hl::Click(Button(4), 20, 20);  // TUNNEL keeps the picture as it is
  EXPECT_EQ(CurrentPictureName, "user/UP000001.BMP");
  EXPECT_TRUE(ColorbookMode);

  ClickTab(8);
  hl::Click(Button(2), 20, 20);
  EXPECT_EQ(ChooserMode, 3);
  hl::Click(Button(7), 20, 20);
  EXPECT_EQ(ChooserMode, 1);
}

// Writes a tab icon: opaque in colour but for a transparent first column.
void WriteTabIcon(const fs::path& file, gdi::COLORREF colour) {
  gdi::HBITMAP sheet = gdi::CreateDIBSection32(32, 64);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      sheet->At(x, y) = x == 0 ? 0xFFFFFF : 0;
      sheet->At(x, y + 32) = x == 0 ? 0 : gdi::PixelFromColorref(colour);
    }
  std::string error;
  ASSERT_TRUE(gdi::SaveBmp24(file.string(), *sheet, &error)) << error;
}

TEST_F(ToolPaletteTest, TabIconsAreDrawnWhereTheHintRulePutsThem) {
  const fs::path dir = fs::path(PD_TEST_OUT_DIR) / "tab-icons";
  fs::remove_all(dir);
  fs::create_directories(dir / "icons");
  for (int n = 1; n <= 11; ++n)
    if (n != 5) WriteTabIcon(dir / "icons" / ("icon" + std::to_string(n) + ".kvr"), n == 10 ? kRed : kWhite);
  AssetDir = dir.string() + "/";
  Tabs().Invalidate();
  hl::Pump();
  for (int index = 0; index < 10; ++index) {
    SCOPED_TRACE(index);
    const int left = 36 * index + (index <= 6 ? 12 : 17);
    // The first tab is the chosen one, black; the others white. Icon 5 is missing.
    const gdi::COLORREF tab = index == 0 ? kBlack : kWhite, shown = index == 4 ? tab : kWhite;
    EXPECT_EQ(hl::PixelAt(Tabs(), left, 20), tab);  // the transparent column
    EXPECT_EQ(hl::PixelAt(Tabs(), left + 1, 0), shown);
    EXPECT_EQ(hl::PixelAt(Tabs(), left + 31, 31), shown);
    EXPECT_EQ(hl::PixelAt(Tabs(), left + 32, 10), kBlack);
    EXPECT_EQ(hl::PixelAt(Tabs(), left - 1, 10), kBlack);
  }
  EXPECT_EQ(hl::PixelAt(Tabs(), 400, 10), kBlack);
}

TEST_F(ToolPaletteTest, TheChosenTabIsBlackAndTheOthersWhiteHoweverTheCategoryChanges) {
  // A pixel of each tab beside its icon: black with a white rim for the chosen tab, white else.
  auto tabs = [&] {
    hl::Pump();
    std::string s;
    for (int index = 0; index < 10; ++index) {
      const int left = TabCentre(index) - 16;
      const bool black = hl::PixelAt(Tabs(), left - 1, 30) == kBlack;
      s += black && hl::PixelAt(Tabs(), left - 2, 30) == kWhite ? 'B'
           : hl::PixelAt(Tabs(), left - 1, 30) == kWhite        ? 'w'
                                                                : '?';
    }
    return s;
  };
  EXPECT_EQ(tabs(), "Bwwwwwwwww");
  ClickTab(7);
  EXPECT_EQ(tabs(), "wwwwwwwBww");
  main_->ChangeCategory(1);  // as the program itself changes category
  EXPECT_EQ(tabs(), "wBwwwwwwww");
  EXPECT_EQ(CurrentCategory, 2);
  EXPECT_EQ(hl::HintAt(Button(3), 5, 5), "BUCKET -- fill an area with color or a pattern.");
}

TEST_F(ToolPaletteTest, ACategoryWhoseStripCannotBeReadLeavesEverythingAsItWas) {
  ClickTab(2);
  CurrentTool = 7;
  const gdi::HBITMAP strip = IconStrip;
  UseScratchAssetDir();
  fs::remove(AssetDir + "a905.kvr");
  hl::Dialogs().asked.clear();
  ClickTab(5);
  ASSERT_EQ(hl::Dialogs().asked.size(), 1u);
  EXPECT_NE(hl::Dialogs().asked[0].text.find("a905.kvr"), std::string::npos);
  EXPECT_EQ(CurrentCategory, 3);
  EXPECT_EQ(CurrentTool, 7);
  EXPECT_EQ(IconStrip, strip);
  EXPECT_EQ(hl::HintAt(Button(1), 5, 5), "OBJECTS -- draw various geometric objects.");
  const int frame = IconFrame;
  hl::AdvanceClock(125);
  EXPECT_NE(IconFrame, frame);  // the animation runs on
  hl::Pump();
  EXPECT_EQ(hl::PixelAt(Tabs(), TabCentre(2) - 17, 30), kBlack);
  EXPECT_EQ(hl::PixelAt(Tabs(), TabCentre(5) - 17, 30), kWhite);
}

}  // namespace
}  // namespace pd::testing
