// The option panels on the left of the main window.
#pragma once

namespace pd {

// Draws the fill-style panel with its preview in the current colour.
void DrawFillStylePanel();
// Clears the option-panel area and draws every panel whose flag is set.
void DrawOptionPanels();
// The pen-size and rainbow panels drawn at the first paint.
void DrawFirstPaintPanels();
// A press on the option panels; returns whether a panel took it.
bool OptionPanelPress(int x, int y);

}  // namespace pd
