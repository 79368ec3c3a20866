// The option panels in the left band of the main window (x 0..79, y 230..482): small pictures
// that show the options of the current tool and change them when pressed. Each panel is a strip
// of its picture file chosen by the option's value; which panels show is decided by the tool
// buttons (the *PanelShown flags).
#pragma once

#include <string>

#include "app/tooltable.h"
#include "regiontools/textdialogs.h"

namespace pd {

// Draws one panel (a single PanelBit) from the current value of its option on the main window,
// whatever its flag says. A missing picture file shows the reader's message and draws nothing.
void DrawPanel(PanelBit panel);
// Draws the fill-style panel with its preview in the current style and colour.
void DrawFillStylePanel();
// Blackens the whole panel area, (0, 230)-(80, 483).
void ClearOptionArea();
// Clears the panel area and draws every panel whose flag is set, in the fixed paint order.
void DrawOptionPanels();
// At the first paint the PENCIL is the tool, so its pen-size and rainbow panels are shown and
// drawn as if its button had been pressed.
void DrawFirstPaintPanels();
// A press on the main window at (x, y) that no button took: the first shown panel whose box
// holds the point changes its option, clicks and redraws itself. Returns whether one took it.
bool OptionPanelPress(int x, int y);

// The panels in the order they are painted; later ones cover earlier ones where they overlap.
inline constexpr PanelBit kPanelPaintOrder[kPanelCount] = {
    kPenSizePanel, kCubeSizePanel,  kCubeColourPanel, kStarPanel,          kFontPanel,    kShadowPanel,
    kExplodePanel, kTrapezoidPanel, kTrianglePanel,   kParallelogramPanel, kNibPanel,     kRollerPanel,
    kSizePanel,    kPixellatePanel, kLightenPanel,    kFlipPanel,          kRainbowPanel, kFishPanel,
    kObjectPanel,  kRibbonPanel,    kQuillPanel,      kGrassPanel,         kSprayPanel,   kMirrorPanel,
    kLightPanel,   kFillStylePanel,
};

// Where a panel's picture goes and which part of which file it shows now.
struct PanelPlacement {
  std::string file;  // in AssetDir; empty when the option has a value no picture shows
  int y = 0;         // window y of the top row; the picture always starts at window x 0
  int width = 0, height = 0;
  int source_y = 0;  // the top row of the strip in the file
};
PanelPlacement PanelPlacementOf(PanelBit panel);

// The window x of the pen-size marker for size 1..9 (the marker row is y 269..277).
int PenSizeMarkerX(int size);

// What a press on the font panel shows: the lettering-style chooser TFontForm. While this is
// empty a press on the font panel is taken and does nothing.
inline void (*ShowFontChooser)() = ShowFontForm;

}  // namespace pd
