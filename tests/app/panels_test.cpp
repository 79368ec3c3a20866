// The option panels and the fill-style chooser, driven headless: where each panel's picture goes
// and which strip it shows, the order they are painted in, the press boxes at their edges, the
// variants that change the tool, the pen-size marker, the fill-style preview and the chooser's
// cells. The pictures are small stand-ins written into a scratch asset directory: every pixel
// tells which file and which source row it came from.
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "app/panels.h"
#include "app/tooltable.h"
#include "app_fixture.h"
#include "gdi/bmp.h"
#include "regiontools/fstyles.h"

namespace pd::testing {
namespace {

using gdi::COLORREF;
using platform::MouseButton;
namespace hl = platform::headless;

// Where a window pixel came from: the stand-in's number and the source row (0 for black).
struct Source {
  int file = 0, row = 0;
  bool operator==(const Source&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Source& s) {
  return out << "{file " << s.file << ", row " << s.row << "}";
}

// A stand-in pixel: red is the file's number, green and blue the source row.
COLORREF StandInPixel(int file, int row) {
  return gdi::RGB(file, row & 0xFF, row >> 8);
}

// One panel as its documentation places it, with the source row of each option value.
struct PanelCase {
  PanelBit panel;
  const char* file;
  int y, width, height;
  int* option;
  std::vector<std::pair<int, int>> strips;  // value -> source row
};

const std::vector<PanelCase>& PanelCases() {
  static const std::vector<PanelCase> cases = {
      {kPenSizePanel, "a28.kvr", 230, 79, 38, nullptr, {{0, 0}}},
      {kObjectPanel, "a19.kvr", 230, 80, 50, &ObjectKind, {{1, 50}, {2, 100}, {3, 0}}},
      {kRibbonPanel, "a18.kvr", 230, 80, 50, &RibbonKind, {{1, 0}, {2, 50}, {3, 100}}},
      {kGrassPanel, "a14.kvr", 230, 80, 50, &GrassKind, {{1, 0}, {2, 50}, {3, 100}}},
      {kFlipPanel, "a13.kvr", 230, 80, 50, &FlipMode, {{4, 0}, {3, 50}}},
      {kPixellatePanel, "a8.kvr", 230, 80, 50, &PixellateMode, {{1, 0}, {2, 50}}},
      {kLightenPanel, "a23.kvr", 230, 80, 50, &LightenDarkenMode, {{1, 0}, {2, 50}}},
      {kQuillPanel, "a16.kvr", 230, 80, 50, &QuillKind, {{1, 0}, {2, 50}}},
      {kFontPanel, "a84.kvr", 280, 79, 50, nullptr, {{0, 0}}},
      {kFillStylePanel, "a3.kvr", 280, 79, 330, nullptr, {{0, 0}}},
      {kCubeColourPanel, "a20.kvr", 280, 80, 50, &CubeShade, {{2, 0}, {4, 50}, {5, 100}, {7, 150}}},
      {kSizePanel, "a9.kvr", 280, 80, 50, &SizeControlMode, {{1, 0}, {2, 50}}},
      {kMirrorPanel, "a7.kvr", 280, 80, 50, &MirrorKind, {{1, 50}, {2, 0}, {3, 100}}},
      {kSprayPanel, "a10.kvr", 280, 80, 50, &SprayMode, {{1, 0}, {3, 50}}},
      {kFishPanel, "a15.kvr", 280, 80, 50, &FishKind, {{1, 0}, {2, 50}}},
      {kNibPanel, "a4.kvr", 281, 80, 50, &NibDirection, {{1, 0}, {2, 50}, {3, 150}, {4, 100}}},
      {kRollerPanel, "a6.kvr", 281, 80, 50, &RollerKind, {{4, 50}, {3, 0}}},
      {kShadowPanel,
       "a21.kvr",
       330,
       80,
       50,
       &ShadowDirection,
       {{2, 0}, {3, 50}, {4, 100}, {5, 150}, {6, 200}, {7, 250}}},
      {kExplodePanel, "a24.kvr", 330, 80, 50, &ExplodeDirection, {{1, 0}, {2, 50}}},
      {kStarPanel, "a12.kvr", 330, 80, 50, &StarKind, {{1, 0}, {2, 50}}},
      {kParallelogramPanel, "a11.kvr", 330, 80, 50, &ParallelogramKind, {{3, 0}, {4, 50}}},
      {kTrapezoidPanel, "a2.kvr", 330, 80, 50, &TrapezoidKind, {{1, 0}, {2, 50}}},
      {kTrianglePanel, "a5.kvr", 330, 80, 50, &TriangleKind, {{1, 0}, {2, 50}, {3, 100}}},
      // The rainbow's strip follows RainbowColours (a flag), the cube size and the light pick a
      // file by value: their value here is the one they start with.
      {kRainbowPanel, "a17.kvr", 330, 80, 50, nullptr, {{0, 50}}},
      {kCubeSizePanel, "a77.kvr", 230, 80, 50, nullptr, {{0, 0}}},
      {kLightPanel, "a43.kvr", 230, 80, 80, nullptr, {{0, 0}}},
  };
  return cases;
}

class PanelsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    UseScratchAssetDir();
    HideAllPanels();
    effects_.clear();
  }
  void TearDown() override {
    platform::SetModalScript({});
    ShowFontChooser = nullptr;
    AppTest::TearDown();
  }

  // Writes a stand-in picture and returns its number.
  int WritePicture(const std::string& name, int w, int h) {
    const int number = static_cast<int>(numbers_.size()) + 1;
    numbers_[name] = number;
    gdi::HBITMAP bmp = gdi::CreateDIBSection32(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) bmp->At(x, y) = gdi::PixelFromColorref(StandInPixel(number, y));
    std::string error;
    EXPECT_TRUE(gdi::SaveBmp24(scratch_dir_ + "/" + name, *bmp, &error)) << error;
    return number;
  }
  // Stand-ins for every panel picture, tall enough for all their strips.
  void WriteAllPanelPictures() {
    for (const PanelCase& c : PanelCases()) {
      int rows = c.height;
      for (const auto& [value, row] : c.strips) rows = std::max(rows, row + c.height);
      WritePicture(c.file, c.width, c.file == std::string("a28.kvr") ? 48 : rows);
    }
    for (int n = 70; n <= 79; ++n)
      if (!numbers_.count("a" + std::to_string(n) + ".kvr"))
        WritePicture("a" + std::to_string(n) + ".kvr", 80, 50);
    for (int n = 43; n <= 50; ++n)
      if (!numbers_.count("a" + std::to_string(n) + ".kvr"))
        WritePicture("a" + std::to_string(n) + ".kvr", 80, 80);
  }
  int Number(const std::string& name) { return numbers_.at(name); }

  Source SourceAt(int x, int y) {
    const COLORREF c = FormPixel(x, y);
    return {static_cast<int>(c & 0xFF), static_cast<int>(((c >> 8) & 0xFF) | ((c >> 16) & 0xFF) << 8)};
  }
  // Shows exactly these panels and draws them as a button press does.
  void ShowOnly(std::initializer_list<PanelBit> panels) {
    HideAllPanels();
    for (PanelBit p : panels) *PanelShownFlag(p) = true;
    DrawOptionPanels();
  }

  std::map<std::string, int> numbers_;
};

// ---- pictures --------------------------------------------------------------------------------

TEST_F(PanelsTest, EveryPanelShowsTheStripOfItsValueAtItsPlace) {
  WriteAllPanelPictures();
  for (const PanelCase& c : PanelCases()) {
    for (const auto& [value, row] : c.strips) {
      SCOPED_TRACE(::testing::Message() << c.file << " value " << value);
      if (c.option) *c.option = value;
      ShowOnly({c.panel});
      const int n = Number(c.file);
      EXPECT_EQ(SourceAt(0, c.y), (Source{n, row}));
      EXPECT_EQ(SourceAt(c.width - 1, c.y + c.height - 1), (Source{n, row + c.height - 1}));
      EXPECT_EQ(FormPixel(c.width, c.y), kBlack);
      if (c.y > 230) {
        EXPECT_EQ(FormPixel(0, c.y - 1), kBlack);
      }
      if (c.y + c.height < 483 && c.panel != kPenSizePanel) {
        EXPECT_EQ(FormPixel(0, c.y + c.height), kBlack);
      }
    }
  }
}

TEST_F(PanelsTest, CubeSizeAndLightTakeOnePictureFileByValue) {
  WriteAllPanelPictures();
  for (int size = 1; size <= 10; ++size) {
    CubeSize = size;
    ShowOnly({kCubeSizePanel});
    EXPECT_EQ(SourceAt(79, 279), (Source{Number("a" + std::to_string(80 - size) + ".kvr"), 49})) << size;
  }
  const std::pair<int, const char*> lights[] = {{2, "a43.kvr"}, {3, "a44.kvr"}, {4, "a45.kvr"},
                                                {8, "a46.kvr"}, {7, "a47.kvr"}, {6, "a48.kvr"},
                                                {5, "a49.kvr"}, {9, "a50.kvr"}};
  for (const auto& [direction, file] : lights) {
    LightDirection = direction;
    ShowOnly({kLightPanel});
    EXPECT_EQ(SourceAt(0, 230), (Source{Number(file), 0})) << direction;
    EXPECT_EQ(SourceAt(79, 309), (Source{Number(file), 79})) << direction;
  }
}

TEST_F(PanelsTest, LaterPanelsInThePaintOrderCoverEarlierOnesWhereTheyOverlap) {
  WriteAllPanelPictures();
  std::map<PanelBit, const PanelCase*> by_panel;
  for (const PanelCase& c : PanelCases()) by_panel[c.panel] = &c;
  int overlaps = 0;
  for (int i = 0; i < kPanelCount; ++i)
    for (int j = i + 1; j < kPanelCount; ++j) {
      const PanelCase& under = *by_panel.at(kPanelPaintOrder[i]);
      const PanelCase& over = *by_panel.at(kPanelPaintOrder[j]);
      const int top = std::max(under.y, over.y);
      if (top >= std::min(under.y + under.height, over.y + over.height)) continue;
      ++overlaps;
      ShowOnly({under.panel, over.panel});
      EXPECT_EQ(SourceAt(0, top).file, Number(over.file)) << under.file << " under " << over.file;
    }
  EXPECT_GT(overlaps, 100);
}

TEST_F(PanelsTest, PenSizeMarkerSitsUnderTheSizeAndTheOldOneIsCleared) {
  const int n = WritePicture("a28.kvr", 79, 48);
  const int marker_x[9] = {2, 8, 14, 21, 29, 37, 46, 55, 66};
  PenSizePanelShown = true;
  for (int size : {9, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
    SCOPED_TRACE(size);
    PenSize = size;
    DrawPanel(kPenSizePanel);
    const int x = marker_x[size - 1];
    EXPECT_EQ(SourceAt(x, 269), (Source{n, 39}));
    EXPECT_EQ(SourceAt(x + 10, 277), (Source{n, 47}));
    EXPECT_EQ(FormPixel(x - 1, 273), kBlack);
    EXPECT_EQ(FormPixel(x + 11, 273), kBlack);
    EXPECT_EQ(FormPixel(x, 278), kBlack);
    int marked = 0;
    for (int mx = 0; mx < 80; ++mx) marked += FormPixel(mx, 273) != kBlack;
    EXPECT_EQ(marked, 11);  // one marker only
  }
}

TEST_F(PanelsTest, AMissingPictureShowsTheReadersMessageAndDrawsNothing) {
  hl::Dialogs().asked.clear();
  WritePicture("a17.kvr", 80, 100);
  ShowOnly({kNibPanel, kRainbowPanel});
  ASSERT_EQ(hl::Dialogs().asked.size(), 1u);
  EXPECT_NE(hl::Dialogs().asked[0].text.find("a4.kvr"), std::string::npos);
  for (int y = 230; y < 330; ++y) ASSERT_EQ(FormPixel(40, y), kBlack) << y;
  EXPECT_EQ(SourceAt(40, 330).file, Number("a17.kvr"));
  // A panel drawn before is gone once its flag is and the panels are drawn again.
  ShowOnly({});
  EXPECT_EQ(FormPixel(40, 330), kBlack);
}

// The fixture's program has had its first paint, with the PENCIL selected.
using FirstPaintTest = AppTest;

TEST_F(FirstPaintTest, ThePencilsPanelsAreShownFromTheFirstPaintAndTakePresses) {
  EXPECT_EQ(ShownPanels(), kPenSizePanel | kRainbowPanel);
  hl::Click(Form(), 70, 250);
  EXPECT_EQ(PenSize, 9);
  hl::Click(Form(), 10, 350);
  EXPECT_TRUE(RainbowColours);
  EXPECT_EQ(effects_, std::vector<int>{34});
}

// ---- the fill-style preview ----------------------------------------------------------------------

class FillPreviewTest : public PanelsTest {
 protected:
  void SetUp() override {
    PanelsTest::SetUp();
    a3_ = WritePicture("a3.kvr", 79, 330);
    FillStylePanelShown = true;
  }
  int a3_ = 0;
};

TEST_F(FillPreviewTest, BrushStylesFillTheFigureAndHollowShowsThePicture) {
  FillStyle = 1;
  DrawFillStylePanel();
  EXPECT_EQ(FormPixel(40, 315), CurrentColour);     // inside
  EXPECT_EQ(FormPixel(19, 299), CurrentColour);     // the first point, on the outline
  EXPECT_EQ(SourceAt(15, 300), (Source{a3_, 20}));  // inside the box, outside the figure
  FillStyle = 0;
  DrawFillStylePanel();
  EXPECT_EQ(SourceAt(40, 315), (Source{a3_, 35}));
  EXPECT_EQ(FormPixel(19, 299), CurrentColour);
}

TEST_F(FillPreviewTest, GradientsAndTexturesFillOnlyTheFigureAndGiveTheCanvasAndShapeBack) {
  // What a shape tool keeps between its steps must survive the preview.
  ShapePoints[0] = {7, 8};
  ShapePoints[25] = {9, 10};
  ShapePointCount = 3;
  FillStyle = 16;
  DrawFillStylePanel();
  std::vector<COLORREF> shades;
  for (int s = 0; s < 10; ++s) shades.push_back(PaletteColours[ColourRow * 10 + s]);
  EXPECT_NE(std::find(shades.begin(), shades.end(), FormPixel(40, 315)), shades.end());
  EXPECT_EQ(SourceAt(15, 300), (Source{a3_, 20}));
  EXPECT_EQ(CanvasWindow, &Canvas());
  EXPECT_EQ(ShapePointCount, 3);
  EXPECT_EQ(ShapePoints[0].x, 7);
  EXPECT_EQ(ShapePoints[25].y, 10);

  const int pb1 = WritePicture("pb1.kvr", 54, 54);
  FillStyle = 24;
  DrawFillStylePanel();
  // Tiles start at the box's corner (15, 299).
  EXPECT_EQ(SourceAt(40, 315), (Source{pb1, 16}));
  EXPECT_EQ(SourceAt(15, 300), (Source{a3_, 20}));
}

// ---- presses ---------------------------------------------------------------------------------

struct PressCase {
  bool* flag;
  int* option;
  int before;
  int x, y;
  int after;
  bool taken = true;
};

TEST_F(PanelsTest, PressBoxesAndRulesAtTheirEdges) {
  const PressCase cases[] = {
      // pen size: no click
      {&PenSizePanelShown, &PenSize, 2, 0, 245, 1},
      {&PenSizePanelShown, &PenSize, 2, 9, 250, 1},
      {&PenSizePanelShown, &PenSize, 1, 10, 250, 2},
      {&PenSizePanelShown, &PenSize, 2, 30, 250, 4},
      {&PenSizePanelShown, &PenSize, 2, 31, 250, 5},
      {&PenSizePanelShown, &PenSize, 2, 66, 250, 8},
      {&PenSizePanelShown, &PenSize, 2, 67, 250, 9},
      {&PenSizePanelShown, &PenSize, 2, 79, 267, 9},
      {&PenSizePanelShown, &PenSize, 2, 40, 244, 2, false},
      {&PenSizePanelShown, &PenSize, 2, 40, 268, 2, false},
      {&PenSizePanelShown, &PenSize, 2, 80, 250, 2, false},
      // cube size
      {&CubeSizePanelShown, &CubeSize, 3, 4, 256, 4},
      {&CubeSizePanelShown, &CubeSize, 3, 23, 276, 4},
      {&CubeSizePanelShown, &CubeSize, 3, 3, 260, 3},
      {&CubeSizePanelShown, &CubeSize, 3, 24, 260, 3},
      {&CubeSizePanelShown, &CubeSize, 3, 56, 260, 2},
      {&CubeSizePanelShown, &CubeSize, 3, 75, 260, 2},
      {&CubeSizePanelShown, &CubeSize, 3, 76, 260, 3},
      {&CubeSizePanelShown, &CubeSize, 10, 10, 260, 10},
      {&CubeSizePanelShown, &CubeSize, 1, 60, 260, 1},
      {&CubeSizePanelShown, &CubeSize, 3, 10, 255, 3, false},
      {&CubeSizePanelShown, &CubeSize, 3, 10, 277, 3, false},
      // cube colour
      {&CubeColourPanelShown, &CubeShade, 7, 39, 304, 2},
      {&CubeColourPanelShown, &CubeShade, 2, 40, 280, 4},
      {&CubeColourPanelShown, &CubeShade, 2, 0, 305, 5},
      {&CubeColourPanelShown, &CubeShade, 2, 79, 329, 7},
      {&CubeColourPanelShown, &CubeShade, 2, 10, 279, 2, false},
      {&CubeColourPanelShown, &CubeShade, 2, 10, 330, 2, false},
      // nib: four boxes, a press outside them keeps the direction
      {&NibPanelShown, &NibDirection, 2, 6, 282, 1},
      {&NibPanelShown, &NibDirection, 2, 31, 307, 1},
      {&NibPanelShown, &NibDirection, 2, 32, 300, 2},
      {&NibPanelShown, &NibDirection, 2, 6, 281, 2},
      {&NibPanelShown, &NibDirection, 1, 5, 313, 3},
      {&NibPanelShown, &NibDirection, 1, 37, 322, 3},
      {&NibPanelShown, &NibDirection, 1, 37, 323, 1},
      {&NibPanelShown, &NibDirection, 1, 40, 282, 2},
      {&NibPanelShown, &NibDirection, 1, 62, 309, 2},
      {&NibPanelShown, &NibDirection, 1, 63, 300, 1},
      {&NibPanelShown, &NibDirection, 1, 64, 296, 4},
      {&NibPanelShown, &NibDirection, 1, 75, 325, 4},
      {&NibPanelShown, &NibDirection, 1, 76, 320, 1},
      {&NibPanelShown, &NibDirection, 1, 40, 330, 1, false},
      // two-way panels: the split at X 40 (explode at 41)
      {&RollerPanelShown, &RollerKind, 3, 39, 280, 4},
      {&RollerPanelShown, &RollerKind, 4, 40, 329, 3},
      {&ExplodePanelShown, &ExplodeDirection, 2, 40, 330, 1},
      {&ExplodePanelShown, &ExplodeDirection, 1, 41, 379, 2},
      {&ExplodePanelShown, &ExplodeDirection, 1, 41, 380, 1, false},
      {&ExplodePanelShown, &ExplodeDirection, 1, 41, 329, 1, false},
      {&FishPanelShown, &FishKind, 2, 39, 280, 1},
      {&FishPanelShown, &FishKind, 1, 40, 319, 2},
      {&FishPanelShown, &FishKind, 1, 40, 320, 1, false},
      {&FlipPanelShown, &FlipMode, 3, 39, 230, 4},
      {&FlipPanelShown, &FlipMode, 4, 40, 279, 3},
      {&FlipPanelShown, &FlipMode, 4, 40, 280, 4, false},
      {&PixellatePanelShown, &PixellateMode, 2, 39, 230, 1},
      {&PixellatePanelShown, &PixellateMode, 1, 40, 279, 2},
      {&LightenPanelShown, &LightenDarkenMode, 2, 79, 255, 1},
      {&LightenPanelShown, &LightenDarkenMode, 1, 0, 256, 2},
      {&LightenPanelShown, &LightenDarkenMode, 1, 0, 229, 1, false},
      {&SprayPanelShown, &SprayMode, 3, 39, 280, 1},
      {&SprayPanelShown, &SprayMode, 1, 40, 329, 3},
      {&StarPanelShown, &StarKind, 2, 39, 330, 1},
      {&StarPanelShown, &StarKind, 1, 40, 379, 2},
      {&ParallelogramPanelShown, &ParallelogramKind, 4, 39, 330, 3},
      {&ParallelogramPanelShown, &ParallelogramKind, 3, 40, 379, 4},
      {&SizePanelShown, &SizeControlMode, 1, 39, 280, 2},
      {&SizePanelShown, &SizeControlMode, 2, 40, 329, 1},
      {&TrapezoidPanelShown, &TrapezoidKind, 2, 39, 330, 1},
      {&TrapezoidPanelShown, &TrapezoidKind, 1, 40, 379, 2},
      {&QuillPanelShown, &QuillKind, 1, 39, 230, 2},
      {&QuillPanelShown, &QuillKind, 2, 40, 279, 1},
      // three-way panels: thirds split at 28 and 54
      {&ObjectPanelShown, &ObjectKind, 1, 27, 230, 3},
      {&ObjectPanelShown, &ObjectKind, 3, 28, 279, 1},
      {&ObjectPanelShown, &ObjectKind, 3, 54, 250, 1},
      {&ObjectPanelShown, &ObjectKind, 1, 55, 250, 2},
      {&MirrorPanelShown, &MirrorKind, 1, 27, 280, 2},
      {&MirrorPanelShown, &MirrorKind, 2, 28, 329, 1},
      {&MirrorPanelShown, &MirrorKind, 2, 54, 300, 1},
      {&MirrorPanelShown, &MirrorKind, 1, 55, 300, 3},
      {&TrianglePanelShown, &TriangleKind, 3, 27, 330, 1},
      {&TrianglePanelShown, &TriangleKind, 1, 28, 379, 2},
      {&TrianglePanelShown, &TriangleKind, 1, 54, 350, 2},
      {&TrianglePanelShown, &TriangleKind, 1, 55, 350, 3},
      {&GrassPanelShown, &GrassKind, 2, 27, 230, 1},
      {&GrassPanelShown, &GrassKind, 1, 28, 279, 2},
      {&GrassPanelShown, &GrassKind, 1, 54, 250, 2},
      {&GrassPanelShown, &GrassKind, 1, 55, 250, 3},
      {&RibbonPanelShown, &RibbonKind, 2, 27, 230, 1},
      {&RibbonPanelShown, &RibbonKind, 1, 54, 279, 2},
      {&RibbonPanelShown, &RibbonKind, 1, 55, 250, 3},
      // shadow: a grid of cells with one-pixel gaps
      {&ShadowPanelShown, &ShadowDirection, 7, 0, 330, 2},
      {&ShadowPanelShown, &ShadowDirection, 7, 26, 354, 2},
      {&ShadowPanelShown, &ShadowDirection, 7, 27, 340, 7},
      {&ShadowPanelShown, &ShadowDirection, 7, 28, 330, 3},
      {&ShadowPanelShown, &ShadowDirection, 7, 53, 354, 3},
      {&ShadowPanelShown, &ShadowDirection, 7, 54, 340, 7},
      {&ShadowPanelShown, &ShadowDirection, 7, 55, 330, 4},
      {&ShadowPanelShown, &ShadowDirection, 2, 79, 354, 4},
      {&ShadowPanelShown, &ShadowDirection, 2, 10, 355, 2},
      {&ShadowPanelShown, &ShadowDirection, 2, 0, 356, 5},
      {&ShadowPanelShown, &ShadowDirection, 2, 40, 379, 6},
      {&ShadowPanelShown, &ShadowDirection, 2, 79, 356, 7},
      {&ShadowPanelShown, &ShadowDirection, 2, 40, 380, 2, false},
      // light: the same grid in three rows, whose middle cell has no direction
      {&LightPanelShown, &LightDirection, 5, 0, 230, 2},
      {&LightPanelShown, &LightDirection, 5, 26, 256, 2},
      {&LightPanelShown, &LightDirection, 5, 28, 230, 3},
      {&LightPanelShown, &LightDirection, 5, 79, 256, 4},
      {&LightPanelShown, &LightDirection, 5, 27, 240, 5},
      {&LightPanelShown, &LightDirection, 5, 10, 257, 5},
      {&LightPanelShown, &LightDirection, 5, 0, 258, 9},
      {&LightPanelShown, &LightDirection, 5, 40, 270, 5},
      {&LightPanelShown, &LightDirection, 4, 28, 258, 4},
      {&LightPanelShown, &LightDirection, 4, 53, 283, 4},
      {&LightPanelShown, &LightDirection, 5, 55, 283, 8},
      {&LightPanelShown, &LightDirection, 2, 10, 284, 2},
      {&LightPanelShown, &LightDirection, 2, 0, 285, 5},
      {&LightPanelShown, &LightDirection, 2, 40, 309, 6},
      {&LightPanelShown, &LightDirection, 2, 79, 309, 7},
      {&LightPanelShown, &LightDirection, 2, 40, 310, 2, false},
  };
  for (const PressCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "press at (" << c.x << ", " << c.y << ") from " << c.before);
    HideAllPanels();
    *c.flag = true;
    *c.option = c.before;
    effects_.clear();
    EXPECT_EQ(OptionPanelPress(c.x, c.y), c.taken);
    EXPECT_EQ(*c.option, c.after);
    const bool clicks = c.taken && c.option != &PenSize;
    EXPECT_EQ(effects_, clicks ? std::vector<int>{34} : std::vector<int>{});
  }
}

TEST_F(PanelsTest, RainbowPressAndTheFirstShownPanelInTheOrderTakesThePress) {
  RainbowPanelShown = true;
  OptionPanelPress(39, 330);
  EXPECT_TRUE(RainbowColours);
  OptionPanelPress(40, 379);
  EXPECT_FALSE(RainbowColours);
  // The roller's rule comes before the spray's.
  HideAllPanels();
  RollerPanelShown = SprayPanelShown = true;
  RollerKind = 4;
  SprayMode = 1;
  OptionPanelPress(60, 300);
  EXPECT_EQ(RollerKind, 3);
  EXPECT_EQ(SprayMode, 1);
  // A hidden panel takes nothing.
  HideAllPanels();
  effects_.clear();
  EXPECT_FALSE(OptionPanelPress(60, 300));
  EXPECT_TRUE(effects_.empty());
}

TEST_F(PanelsTest, APressRedrawsThePanelInItsNewState) {
  WriteAllPanelPictures();
  ObjectKind = 3;
  ShowOnly({kObjectPanel});
  EXPECT_EQ(SourceAt(0, 230).row, 0);
  hl::Click(Form(), 70, 240);
  EXPECT_EQ(ObjectKind, 2);
  EXPECT_EQ(SourceAt(0, 230), (Source{Number("a19.kvr"), 100}));
  EXPECT_EQ(effects_, std::vector<int>{34});
}

TEST_F(PanelsTest, VariantPressesChangeTheToolAtOnce) {
  struct Variant {
    int category, slot, first_tool;
    std::vector<std::pair<std::pair<int, int>, int>> presses;  // point -> tool
  };
  const Variant variants[] = {
      {1, 9, 12, {{{10, 250}, 13}, {{50, 250}, 12}}},                   // quill
      {3, 4, 27, {{{50, 300}, 26}, {{10, 300}, 27}}},                   // fish
      {8, 3, 63, {{{50, 250}, 64}, {{10, 250}, 63}}},                   // pixellate
      {4, 5, 30, {{{40, 250}, 29}, {{60, 250}, 20}, {{10, 250}, 30}}},  // ribbon
  };
  for (const Variant& v : variants) {
    SCOPED_TRACE(::testing::Message() << v.category << "/" << v.slot);
    main_->TabSet1Click(v.category - 1);
    main_->ImageMouseDown(v.slot);
    ASSERT_EQ(CurrentTool, v.first_tool);
    for (const auto& [point, tool] : v.presses) {
      hl::Click(Form(), point.first, point.second);
      EXPECT_EQ(CurrentTool, tool);
    }
  }
}

TEST_F(PanelsTest, FontPressIsTakenSilentlyAndOpensTheChooserOnceThereIsOne) {
  FontPanelShown = true;
  EXPECT_TRUE(OptionPanelPress(40, 300));
  EXPECT_TRUE(effects_.empty());
  static int shown;
  shown = 0;
  ShowFontChooser = [] {
    ++shown;
    CanvasWindow->Surface()->Fill(0x0000FF);  // the chooser's window over the canvas
  };
  FillCanvas(gdi::RGB(0, 255, 0));
  OptionPanelPress(40, 300);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(CanvasPixel(5, 5), gdi::RGB(0, 255, 0));
  EXPECT_TRUE(effects_.empty());
}

// ---- the fill-style chooser ------------------------------------------------------------------------

TEST(FillStyleCells, EveryRowAndItsEdges) {
  const struct {
    int x, y, style;
  } cells[] = {{0, 0, 0},    {31, 33, 0},    {32, 0, 1},     {254, 33, 7},  {0, 34, 8},   {254, 67, 15},
               {0, 68, 16},  {254, 93, 23},  {0, 94, 24},    {63, 159, 24}, {64, 94, 25}, {254, 159, 27},
               {0, 160, 28}, {254, 222, 31}, {318, 281, 31}, {318, 0, 7}};
  for (const auto& c : cells) EXPECT_EQ(FillStyleAt(c.x, c.y, false), c.style) << c.x << ", " << c.y;
  // With only the brushes offered, the gradient row's strip counts as the row above.
  EXPECT_EQ(FillStyleAt(254, 68, true), 15);
  EXPECT_EQ(FillStyleAt(0, 68, true), 8);
  EXPECT_EQ(FillStyleAt(100, 67, true), 11);
  EXPECT_EQ(FillStyleAt(100, 33, true), 3);
  for (int y = 0; y < 282; ++y)
    for (int x = 0; x < 255; x += 7) ASSERT_LT(FillStyleAt(x, y, true), 16) << x << ", " << y;
}

class FillStyleChooserTest : public PanelsTest {
 protected:
  void SetUp() override {
    PanelsTest::SetUp();
    a3_ = WritePicture("a3.kvr", 79, 330);
    chart_ = WritePicture(kFillStyleChart, 319, 282);
    FillStylePanelShown = true;
  }
  // Presses the fill-style panel; the chooser, once shown, records where it is and takes a press
  // at (x, y) of its window.
  void ChooseAt(int x, int y, MouseButton button = MouseButton::Left) {
    platform::SetModalScript([&, x, y, button](platform::Form& form) {
      bounds_ = form.BoundsRect();
      client_height_ = form.ClientHeight();
      border_ = form.GetBorderStyle();
      chart_pixel_ = hl::PixelAt(static_cast<TFillStyles&>(form).Image1(), 10, 40);
      // The press on the panel that opened the chooser holds the mouse capture, so the press on
      // the chooser goes straight to the window under the point.
      int cx = 0, cy = 0;
      platform::Window* target = hl::WindowAt(form, x, y, &cx, &cy);
      if (target->OnMouseDown) target->OnMouseDown(button, 0, cx, cy);
      return form.ModalResult();
    });
    hl::Click(Form(), 40, 300);
  }
  int a3_ = 0, chart_ = 0;
  gdi::RECT bounds_{};
  int client_height_ = 0;
  platform::BorderStyle border_ = platform::BorderStyle::Single;
  COLORREF chart_pixel_ = 0;
};

TEST_F(FillStyleChooserTest, ShowsAllRowsBesideThePanelsAndChoosesTheCellPressed) {
  CurrentTool = 31;
  FillCanvas(gdi::RGB(0, 0, 255));
  ChooseAt(250, 220);  // chart row 221: the last cell of the bottom row
  EXPECT_EQ(FillStyle, 31);
  EXPECT_EQ(effects_, std::vector<int>{22});
  EXPECT_EQ(bounds_.left, Form().Left() + 82);
  EXPECT_EQ(bounds_.top, Form().Top() + 94);
  EXPECT_EQ(bounds_.right - bounds_.left, 255);
  EXPECT_EQ(client_height_, 222);
  EXPECT_EQ(border_, platform::BorderStyle::None);
  EXPECT_EQ(chart_pixel_, StandInPixel(chart_, 40));
  EXPECT_EQ(CanvasPixel(5, 5), gdi::RGB(0, 0, 255));
  // The chart sits one row above the window: window row 92 is chart row 93, the gradients'.
  ChooseAt(250, 92, MouseButton::Right);
  EXPECT_EQ(FillStyle, 23);
  ChooseAt(0, 93);
  EXPECT_EQ(FillStyle, 24);
}

TEST_F(FillStyleChooserTest, ForTheBucketOnlyTheBrushRowsShowAndCanBeChosen) {
  CurrentTool = 58;
  ChooseAt(250, 67);  // the strip of the gradient row at the bottom edge
  EXPECT_EQ(FillStyle, 15);
  EXPECT_EQ(bounds_.top, Form().Top() + 280);
  EXPECT_EQ(client_height_, 68);
  ChooseAt(0, 0);
  EXPECT_EQ(FillStyle, 0);
  ChooseAt(40, 33);
  EXPECT_EQ(FillStyle, 9);
}

TEST_F(FillStyleChooserTest, ThePreviewShowsTheStyleJustChosen) {
  CurrentTool = 31;
  ChooseAt(40, 0);  // style 1, solid
  EXPECT_EQ(FillStyle, 1);
  EXPECT_EQ(FormPixel(40, 315), CurrentColour);
  ChooseAt(0, 0);  // style 0, hollow
  EXPECT_EQ(FillStyle, 0);
  EXPECT_EQ(SourceAt(40, 315), (Source{a3_, 35}));
}

}  // namespace
}  // namespace pd::testing
