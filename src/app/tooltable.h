// The tool table: what each of the ten buttons of each category does, the hint it carries, the
// option panels it shows, and the cursor each tool number shows over the canvas. All of it is
// data here; the tool palette and the canvas dispatch only read it.
#pragma once

#include <cstdint>

namespace pd {

// The option panels, one bit each, as a button lists them. Each bit has its flag in the shared
// state (PanelShownFlag).
enum PanelBit : std::uint32_t {
  kPenSizePanel = 1u << 0,
  kRainbowPanel = 1u << 1,
  kNibPanel = 1u << 2,
  kFillStylePanel = 1u << 3,
  kFontPanel = 1u << 4,
  kLightPanel = 1u << 5,
  kObjectPanel = 1u << 6,
  kGrassPanel = 1u << 7,
  kSprayPanel = 1u << 8,
  kMirrorPanel = 1u << 9,
  kQuillPanel = 1u << 10,
  kRibbonPanel = 1u << 11,
  kFishPanel = 1u << 12,
  kRollerPanel = 1u << 13,
  kTrianglePanel = 1u << 14,
  kTrapezoidPanel = 1u << 15,
  kStarPanel = 1u << 16,
  kParallelogramPanel = 1u << 17,
  kCubeSizePanel = 1u << 18,
  kCubeColourPanel = 1u << 19,
  kShadowPanel = 1u << 20,
  kExplodePanel = 1u << 21,
  kPixellatePanel = 1u << 22,
  kLightenPanel = 1u << 23,
  kSizePanel = 1u << 24,
  kFlipPanel = 1u << 25,
};
constexpr int kPanelCount = 26;

// The shared-state flag of one panel bit (null for anything but a single panel bit).
bool* PanelShownFlag(std::uint32_t bit);
// Sets the flags of every panel in the set; the others are left alone.
void ShowPanels(std::uint32_t panels);
// Clears every panel flag.
void HideAllPanels();
// The set of panels whose flags are set.
std::uint32_t ShownPanels();

// What a button runs at once instead of selecting a tool.
enum class Action {
  None,  // the button selects its tool, or does nothing when it has none
  Signature,
  WipeWhite,
  Chalkboard,
  Bricks,
  Stars,
  BlackHole,
  Paper,
  Shade,
  BugSplattedWindshield,
  Morph,
  Tunnel,
  WideStamp,
  TallStamp,
  Stamps64,
  Stamps32,
  ClipArt,
  Backgrounds,
  Colorbook,
  Open,
  Save,
  Delete,
  Print,
  PrintSetup,
  About,
  SoundControl,
  Clipboard,
  Wallpaper,
};

// One button of one category.
struct ToolSlot {
  // The button's hint; null for a slot that shows none.
  const char* description = nullptr;
  // The tool number the button selects; 0 when it runs an action or has no function.
  int tool = 0;
  Action action = Action::None;
  // The panels shown with the tool. For the COLORBOOK action: the panels its page leaves shown.
  std::uint32_t panels = 0;
  // Shared state a few tools set as they are chosen (BUCKET, BOMB); null for the others.
  void (*also)() = nullptr;

  bool SelectsTool() const { return tool != 0; }
  bool RunsAction() const { return action != Action::None; }
};

constexpr int kCategoryCount = 10;
constexpr int kSlotCount = 10;

// The button at slot 1..10 of category 1..10; an empty slot outside those ranges.
const ToolSlot& ToolSlotAt(int category, int slot);
// The hint of the tab of category 1..10; an empty string outside.
const char* CategoryDescription(int category);

// The tools with variants draw the variant their panel shows: each of these sets CurrentTool from
// its option (QuillKind, RibbonKind, FishKind, PixellateMode). The button runs it as the tool is
// chosen, and the panel again when a press changes the option.
void SelectQuillVariant();
void SelectRibbonVariant();
void SelectFishVariant();
void SelectPixellateVariant();

// The cursor number the table gives tool 0..87: 0 for no tool, 35 for the 32 x 32 stamp, 1 for
// tools without an entry. The pen-size cursors of 57, 61 and 62 and the panels that override the
// table are ToolCursor's (dispatch.h).
int CursorForTool(int tool);

}  // namespace pd
