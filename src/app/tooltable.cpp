#include "app/tooltable.h"

#include <array>
#include <initializer_list>

#include "app/dispatch.h"
#include "core/state.h"
#include "tools/fills.h"

namespace pd {

namespace {

// ---- panel flags -------------------------------------------------------------------------------

struct PanelFlag {
  std::uint32_t bit;
  bool* shown;
};

const std::array<PanelFlag, kPanelCount> kPanelFlags = {{
    {kPenSizePanel, &PenSizePanelShown},
    {kRainbowPanel, &RainbowPanelShown},
    {kNibPanel, &NibPanelShown},
    {kFillStylePanel, &FillStylePanelShown},
    {kFontPanel, &FontPanelShown},
    {kLightPanel, &LightPanelShown},
    {kObjectPanel, &ObjectPanelShown},
    {kGrassPanel, &GrassPanelShown},
    {kSprayPanel, &SprayPanelShown},
    {kMirrorPanel, &MirrorPanelShown},
    {kQuillPanel, &QuillPanelShown},
    {kRibbonPanel, &RibbonPanelShown},
    {kFishPanel, &FishPanelShown},
    {kRollerPanel, &RollerPanelShown},
    {kTrianglePanel, &TrianglePanelShown},
    {kTrapezoidPanel, &TrapezoidPanelShown},
    {kStarPanel, &StarPanelShown},
    {kParallelogramPanel, &ParallelogramPanelShown},
    {kCubeSizePanel, &CubeSizePanelShown},
    {kCubeColourPanel, &CubeColourPanelShown},
    {kShadowPanel, &ShadowPanelShown},
    {kExplodePanel, &ExplodePanelShown},
    {kPixellatePanel, &PixellatePanelShown},
    {kLightenPanel, &LightenPanelShown},
    {kSizePanel, &SizePanelShown},
    {kFlipPanel, &FlipPanelShown},
}};

// ---- the buttons -------------------------------------------------------------------------------

// BUCKET fills with brushes only: a gradient or texture chosen for the shapes gives way to the
// solid fill, while a brush the child chose stays.
void SolidFill() {
  if (FillStyle >= kFirstGradientStyle) FillStyle = 1;
}
// BOMB blows the picture away: the next SAVE makes a new picture, and the bucket no longer treats
// the canvas as a colouring-book page.
void FreshCanvas() {
  CurrentPictureName.clear();
  ColorbookMode = false;
}

constexpr ToolSlot Tool(const char* description, int tool, std::uint32_t panels, void (*also)() = nullptr) {
  return {description, tool, Action::None, panels, also};
}
constexpr ToolSlot Act(const char* description, Action action, std::uint32_t panels = 0) {
  return {description, 0, action, panels, nullptr};
}
constexpr ToolSlot kEmpty{};

constexpr std::uint32_t kPen = kPenSizePanel;
constexpr std::uint32_t kPenRainbow = kPenSizePanel | kRainbowPanel;
constexpr std::uint32_t kPenFill = kPenSizePanel | kFillStylePanel;

using Category = std::array<ToolSlot, kSlotCount>;

// The descriptions are the program's own words, odd spellings included.
const std::array<Category, kCategoryCount> kToolTable = {{
    {{
        Tool("PENCIL -- use to draw freeform lines.", 1, kPenRainbow),
        Tool("ERASER -- use to erase parts of your drawing.", 57, kPen),
        Tool("RADIAL LINE -- use to draw sunsets.", 23, kPenRainbow),
        Tool("CHALK -- works really well with the chalkboard screen eraser.", 10, kPen),
        Tool("CRAZY PEN -- three color pen.", 5, kNibPanel),
        Tool("STRING ART -- draw crazy string art pictures.", 2, kPenRainbow),
        Tool("MIRROR IMAGE -- use to draw faces and animals.", 11, kPenRainbow | kMirrorPanel),
        Tool("INCHWORM -- draw garland or fuzzy caterpillars.", 56, kPenRainbow),
        Tool("QUILL PEN -- a pen that gets thinner the faster the mouse moves.", 12, kQuillPanel,
             SelectQuillVariant),
        Tool("LINE -- click and drag to draw a straight line.", 38, kPen),
    }},
    {{
        Tool("DRIP PAINT -- draws dripping paint.", 22, kPen),
        Tool("TOUCH UP -- Shade colored areas with a touch up brush.", 21, kPen),
        Tool("BUCKET -- fill an area with color or a pattern.", 58, kFillStylePanel, SolidFill),
        Tool("ROLLER -- roll paint in place including speckles.", 25, kRollerPanel),
        Tool("PASTEL -- like chalk with color highlights.", 87, kPen),
        Tool("CHARCOAL -- fuzzy lined charcoal pencil.", 85, kPen),
        Tool("SPRAY PAINT -- just like ths stuff used on buildings...", 9, kPen | kSprayPanel),
        Tool("FIREWORKS -- looks best with light colors on dark backgrounds.", 19, kPenRainbow),
        Tool("MAGIC BRUSH -- make marble and crystal effects.", 15, kNibPanel),
        Tool("CALLIGRAPHY BRUSH -- use to make old style lettering.", 14, kPen | kNibPanel),
    }},
    {{
        Tool("OBJECTS -- draw various geometric objects.", 7, kRainbowPanel | kObjectPanel),
        Tool("BUG SPLAT -- splat bugs for cool effects.", 6, kPenRainbow),
        Tool("WAND SPARKLES -- the magical dust that comes from a wand.", 3, kPenRainbow),
        Tool("FRED FISH -- create open or 3d bubbles.", 27, kPenRainbow | kFishPanel, SelectFishVariant),
        Tool("XMAS TREE -- draw ornaments along a line.", 17, kPenRainbow),
        Tool("BILLY BRUSH -- Billy will ski down the screen for you.", 50, kPen),
        Tool("TRAIN -- lay railroad tracks.", 48, 0),
        Tool("PROPELLER -- draw sunburst effects.", 24, kPenRainbow),
        Tool("INSTANT HAIR -- use this to dress up your characters.", 42, kPen),
        Tool("GRASS -- add a touch of realism with grass tufts.", 4, kGrassPanel),
    }},
    {{
        Tool("3D BALL -- use to draw people with.", 44, kLightPanel),
        Tool("3D RECTANGLE -- great for borders.", 45, kLightPanel),
        Tool("3D ROUNDED RECTANGLE -- makes great gemstones.", 46, kLightPanel),
        Tool("3D RING -- makes great borders or chains.", 43, kPen),
        Tool("3D RIBBON -- freehand 3D line.", 30, kRibbonPanel | kNibPanel, SelectRibbonVariant),
        Tool("LASER LINE -- make a 3D straight laser beam.", 59, kPen),
        Tool("CUBE -- make a 3D shaded box.", 60, kCubeSizePanel | kCubeColourPanel),
        Tool("SPREADER -- use to fuzz edges or blend colors..", 61, kPen),
        Tool("SPLITTER -- use to make water reflection effects.", 62, kPen),
        Tool("IRREGULAR SHAPE -- draw and fill a freehand shape.", 39, kFillStylePanel),
    }},
    {{
        Tool("ELLIPSE", 33, kPenFill),
        Tool("RECTANGLE", 31, kPenFill),
        Tool("TRIANGLE", 34, kPenFill | kTrianglePanel),
        Tool("ROUNDED RECTANGLE", 32, kPenFill),
        Tool("TRAPEZOID", 35, kPenFill | kTrapezoidPanel),
        Tool("DIAMOND", 41, kPenFill),
        Tool("HEXAGON", 40, kPenFill),
        Tool("OCTAGON", 37, kPenFill),
        Tool("STAR", 36, kPenFill | kStarPanel),
        Tool("PARALLELOGRAM", 54, kPenFill | kParallelogramPanel),
    }},
    {{
        Tool("TYPING -- click on the screen and type.", 82, kFontPanel | kPenSizePanel),
        Tool("SHADOW TEXT -- draw box on screen you want text to fit into.", 77, kFontPanel | kShadowPanel),
        Tool("EXPLODING TEXT -- draw box on screen you want text to fit into.", 78,
             kFontPanel | kExplodePanel),
        Tool("ROTATED TEXT -- draws text at any angle.", 79, kFontPanel),
        Tool("EXTRUDED TEXT -- draw box on screen you want text to fit into.", 76, kFontPanel | kShadowPanel),
        Act("SIGNATURE -- sign your name to your work of art.", Action::Signature),
        kEmpty,
        kEmpty,
        kEmpty,
        kEmpty,
    }},
    {{
        Act("WIPE THE SCREEN WHITE", Action::WipeWhite),
        Tool("BOMB -- drop bomb on screen to blow it up.", 47, 0, FreshCanvas),
        Act("CHALKBOARD -- don't you get enough school?.", Action::Chalkboard),
        Act("BRICKS -- great for practicing your spray painting.", Action::Bricks),
        Act("STARS -- perfect for those outer space scenes.", Action::Stars),
        Act("BLACK HOLE -- suck the screen into the black hole in the middle.", Action::BlackHole),
        Act("PAPER -- wad the image up and toss it.", Action::Paper),
        Act("SHADE -- rolls up like a window shade.", Action::Shade),
        Act("BUG SPLATTED WINDSHIELD -- worse than the midwest in summer.", Action::BugSplattedWindshield),
        Act("MORPH -- instant background.", Action::Morph),
    }},
    {{
        Tool("MOVE -- draw a box around an area, click on it to move it.", 69, 0),
        Tool("COPY -- draw a box around an area, click on it to copy it.", 70, 0),
        Tool("PIXELLATE -- make blocky faces like the TV cop shows.", 63, kPixellatePanel,
             SelectPixellateVariant),
        Act("TUNNEL -- shrink the screen in on itself.", Action::Tunnel),
        Tool("LIGHTEN/DARKEN -- lighten or darken an area.", 86, kLightenPanel),
        Tool("SIZE CONTROL -- shrink or magnify to full screen.", 65, kSizePanel),
        Tool("FLIP -- draw a box around an area and flip it up and down or side to side.", 66, kFlipPanel),
        Tool("NEGATIVE -- draw a box around an area and invert the colors in it.", 67, 0),
        Tool("REPLACE COLOR -- replaces ALL clicked color with the current color.", 68, 0),
        Tool("COPY/FLIP -- COPY -- draw a box around an area, click on it to copy it and flip it.", 71,
             kFlipPanel),
    }},
    {{
        Act("WIDE -- wide large stamps.", Action::WideStamp),
        Act("TALL -- tall large stamps.", Action::TallStamp),
        Act("STAMPS -- 64 x 64 square stamps.", Action::Stamps64),
        Act("STAMPS -- 32 x 32 square stamps.", Action::Stamps32),
        Act("CLIP ART -- import vector graphic clip art.", Action::ClipArt),
        Act("BACKGROUNDS -- images to start a picture with.", Action::Backgrounds),
        Act("COLORBOOK -- pages to color.", Action::Colorbook, kFillStylePanel),
        kEmpty,
        kEmpty,
        kEmpty,
    }},
    {{
        Act("OPEN -- open a picture that was saved.", Action::Open),
        Act("SAVE -- saves the picture you are working on.", Action::Save),
        Act("DELETE -- get rid of a picture.", Action::Delete),
        Act("PRINT", Action::Print),
        Act("PRINT SETUP -- adjust the printer if needed.", Action::PrintSetup),
        Act("ABOUT -- Marrowvale Software Labs.", Action::About),
        Act("SOUND CONTROL -- turn sound and music off and on.", Action::SoundControl),
        Act("CLIPBOARD -- put your picture on the windows clipboard.", Action::Clipboard),
        Act("WALLPAPER -- make desktop wallpaper out of your picture.", Action::Wallpaper),
        kEmpty,
    }},
}};

constexpr const char* kCategoryDescriptions[kCategoryCount] = {
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

// ---- cursors -----------------------------------------------------------------------------------

struct CursorRow {
  int cursor;
  std::initializer_list<int> tools;
};

// Tools not listed show cursor 1. ERASER, SPREADER and SPLITTER show a cursor by pen size
// instead (ToolCursor), so their rows give only the cursor used when the size has none.
const CursorRow kCursorRows[] = {
    {0, {0}},
    {2, {1, 11, 13, 21, 85}},
    {7, {4}},
    {9, {79, 82}},
    {11, {58, 80}},
    {12, {10, 87}},
    {14, {12}},
    {15, {63, 64, 65, 66, 67, 69, 70, 71, 86}},
    {16, {9}},
    {17, {26, 27}},
    {18, {6}},
    {19, {3, 7}},
    {20, {51, 72, 73, 74, 83, 84}},
    {22, {47}},
    {23, {42}},
    {34, {68}},
    {35, {81}},
};

std::array<int, kToolCount> BuildCursorTable() {
  std::array<int, kToolCount> table;
  table.fill(1);
  for (const auto& row : kCursorRows)
    for (int tool : row.tools) table[tool] = row.cursor;
  return table;
}

const std::array<int, kToolCount> kCursorTable = BuildCursorTable();

}  // namespace

// The option is kept from one choice of the tool to the next, so the button selects the tool that
// matches it, not always the first.
void SelectQuillVariant() {
  CurrentTool = QuillKind == 2 ? 13 : 12;
}
void SelectRibbonVariant() {
  CurrentTool = RibbonKind == 3 ? 20 : RibbonKind == 2 ? 29 : 30;
}
void SelectFishVariant() {
  CurrentTool = FishKind == 2 ? 26 : 27;
}
void SelectPixellateVariant() {
  CurrentTool = PixellateMode == 2 ? 64 : 63;
}

bool* PanelShownFlag(std::uint32_t bit) {
  for (const auto& p : kPanelFlags)
    if (p.bit == bit) return p.shown;
  return nullptr;
}

void ShowPanels(std::uint32_t panels) {
  for (const auto& p : kPanelFlags)
    if (panels & p.bit) *p.shown = true;
}

void HideAllPanels() {
  for (const auto& p : kPanelFlags) *p.shown = false;
}

std::uint32_t ShownPanels() {
  std::uint32_t panels = 0;
  for (const auto& p : kPanelFlags)
    if (*p.shown) panels |= p.bit;
  return panels;
}

const ToolSlot& ToolSlotAt(int category, int slot) {
  if (category < 1 || category > kCategoryCount || slot < 1 || slot > kSlotCount) return kEmpty;
  return kToolTable[category - 1][slot - 1];
}

const char* CategoryDescription(int category) {
  return category >= 1 && category <= kCategoryCount ? kCategoryDescriptions[category - 1] : "";
}

int CursorForTool(int tool) {
  return tool >= 0 && tool < kToolCount ? kCursorTable[tool] : 1;
}

}  // namespace pd
