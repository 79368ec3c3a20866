// The press rules of the option panels: one table, tried in its order, each row a panel, the
// rows of its box and the rule that turns the press into the option's new value.
#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

#include "app/panels.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "media/sound.h"
#include "platform/platform.h"
#include "regiontools/fstyles.h"

namespace pd {

namespace {

// The index of the range lo..hi (both included) that holds v, or -1 when v falls between them.
int CellOf(int v, std::initializer_list<std::pair<int, int>> ranges) {
  int index = 0;
  for (const auto& [lo, hi] : ranges) {
    if (v >= lo && v <= hi) return index;
    ++index;
  }
  return -1;
}

// The three columns of the panels laid out as a grid of cells, with a one-pixel gap between them.
int GridColumn(int x) {
  return CellOf(x, {{0, 26}, {28, 53}, {55, 79}});
}

// Left, middle and right thirds of the three-way panels.
int ThreeWay(int x, int left, int middle, int right) {
  return x < 28 ? left : x > 54 ? right : middle;
}

void PressPenSize(int x, int) {
  // The last size of each range: X 0..9 gives 1, 10..16 gives 2, ..., 67..79 gives 9.
  static constexpr int kLastX[9] = {9, 16, 23, 30, 38, 46, 55, 66, 79};
  PenSize =
      static_cast<int>(std::lower_bound(std::begin(kLastX), std::end(kLastX), x) - std::begin(kLastX)) + 1;
}

void PressCubeSize(int x, int) {
  if (x >= 4 && x <= 23 && CubeSize < 10) ++CubeSize;
  if (x >= 56 && x <= 75 && CubeSize > 1) --CubeSize;
}

void PressCubeColour(int x, int y) {
  static constexpr int kShade[2][2] = {{2, 4}, {5, 7}};
  CubeShade = kShade[y >= 305][x >= 40];
}

void PressNib(int x, int y) {
  // Later boxes win where they overlap.
  struct NibBox {
    int left, top, right, bottom, direction;
  };
  static constexpr NibBox kBoxes[] = {
      {6, 282, 32, 308, 1}, {5, 313, 38, 323, 3}, {40, 282, 63, 310, 2}, {64, 296, 76, 326, 4}};
  for (const NibBox& b : kBoxes)
    if (PointInBox(x, y, b.left, b.top, b.right, b.bottom)) NibDirection = b.direction;
}

void PressRoller(int x, int) {
  RollerKind = x < 40 ? 4 : 3;
}

void PressFillStyle(int, int) {
  SaveCanvasSnapshot();
  ShowFillStyles();
  if (CanvasWindow) CanvasWindow->Invalidate();
  RestoreCanvasSnapshot();
  if (platform::Application::Exists()) platform::Application::Instance().ProcessMessages();
}

void PressExplode(int x, int) {
  ExplodeDirection = x > 40 ? 2 : 1;
}

void PressFont(int, int) {
  if (!ShowFontChooser) return;
  SaveCanvasSnapshot();
  ShowFontChooser();
  if (CanvasWindow) CanvasWindow->Invalidate();
  RestoreCanvasSnapshot();
}

void PressFish(int x, int) {
  FishKind = x < 40 ? 1 : 2;
  SelectFishVariant();
}

void PressFlip(int x, int) {
  FlipMode = x < 40 ? 4 : 3;
}

void PressPixellate(int x, int) {
  PixellateMode = x < 40 ? 1 : 2;
  SelectPixellateVariant();
}

void PressLighten(int, int y) {
  LightenDarkenMode = y <= 255 ? 1 : 2;
}
void PressSpray(int x, int) {
  SprayMode = x < 40 ? 1 : 3;
}
void PressStar(int x, int) {
  StarKind = x < 40 ? 1 : 2;
}
void PressParallelogram(int x, int) {
  ParallelogramKind = x < 40 ? 3 : 4;
}
void PressSize(int x, int) {
  SizeControlMode = x < 40 ? 2 : 1;
}
void PressTrapezoid(int x, int) {
  TrapezoidKind = x < 40 ? 1 : 2;
}
void PressObject(int x, int) {
  ObjectKind = ThreeWay(x, 3, 1, 2);
}
void PressMirror(int x, int) {
  MirrorKind = ThreeWay(x, 2, 1, 3);
}
void PressTriangle(int x, int) {
  TriangleKind = ThreeWay(x, 1, 2, 3);
}
void PressGrass(int x, int) {
  GrassKind = ThreeWay(x, 1, 2, 3);
}

void PressShadow(int x, int y) {
  const int column = GridColumn(x), row = CellOf(y, {{330, 354}, {356, 379}});
  if (column >= 0 && row >= 0) ShadowDirection = 2 + 3 * row + column;
}

void PressRibbon(int x, int) {
  RibbonKind = ThreeWay(x, 1, 2, 3);
  SelectRibbonVariant();
}

void PressLight(int x, int y) {
  // The light comes from the cell's side of the ball; the middle cell has no direction.
  static constexpr int kDirection[3][3] = {{2, 3, 4}, {9, 0, 8}, {5, 6, 7}};
  const int column = GridColumn(x), row = CellOf(y, {{230, 256}, {258, 283}, {285, 309}});
  if (column < 0 || row < 0 || kDirection[row][column] == 0) return;
  LightDirection = kDirection[row][column];
}

void PressQuill(int x, int) {
  QuillKind = x < 40 ? 2 : 1;
  SelectQuillVariant();
}

void PressRainbow(int x, int) {
  RainbowColours = x < 40;
}

struct PanelRule {
  PanelBit panel;
  int top, bottom;  // the box is x 0..79 and top <= y < bottom
  bool clicks;      // plays sound 34 before the rule runs
  void (*press)(int x, int y);
};

// Tried in this order; the first shown panel whose box holds the press takes it.
constexpr PanelRule kRules[] = {
    {kPenSizePanel, 245, 268, false, PressPenSize},
    {kCubeSizePanel, 256, 277, true, PressCubeSize},
    {kCubeColourPanel, 280, 330, true, PressCubeColour},
    {kNibPanel, 280, 330, true, PressNib},
    {kRollerPanel, 280, 330, true, PressRoller},
    {kFillStylePanel, 280, 330, false, PressFillStyle},
    {kExplodePanel, 330, 380, true, PressExplode},
    {kFontPanel, 280, 330, false, PressFont},
    {kFishPanel, 280, 320, true, PressFish},
    {kFlipPanel, 230, 280, true, PressFlip},
    {kPixellatePanel, 230, 280, true, PressPixellate},
    {kLightenPanel, 230, 280, true, PressLighten},
    {kSprayPanel, 280, 330, true, PressSpray},
    {kStarPanel, 330, 380, true, PressStar},
    {kParallelogramPanel, 330, 380, true, PressParallelogram},
    {kSizePanel, 280, 330, true, PressSize},
    {kTrapezoidPanel, 330, 380, true, PressTrapezoid},
    {kObjectPanel, 230, 280, true, PressObject},
    {kMirrorPanel, 280, 330, true, PressMirror},
    {kShadowPanel, 330, 380, true, PressShadow},
    {kTrianglePanel, 330, 380, true, PressTriangle},
    {kRibbonPanel, 230, 280, true, PressRibbon},
    {kLightPanel, 230, 310, true, PressLight},
    {kQuillPanel, 230, 280, true, PressQuill},
    {kGrassPanel, 230, 280, true, PressGrass},
    {kRainbowPanel, 330, 380, true, PressRainbow},
};
static_assert(std::size(kRules) == kPanelCount);

}  // namespace

bool OptionPanelPress(int x, int y) {
  for (const PanelRule& rule : kRules) {
    if (!*PanelShownFlag(rule.panel) || !PointInBox(x, y, 0, rule.top, 80, rule.bottom)) continue;
    if (rule.clicks) PlaySoundEffect(34);
    rule.press(x, y);
    // Every panel shows its new state at once. The fill-style panel too: the chooser sits
    // beside the panel, not over it, so nothing else would bring the preview up to date.
    DrawPanel(rule.panel);
    return true;
  }
  return false;
}

}  // namespace pd
