#include "app/panels.h"

namespace pd {

// The option panels arrive with their tools; until then the panel area stays black.
void DrawFillStylePanel() {}
void DrawOptionPanels() {}
void DrawFirstPaintPanels() {}
bool OptionPanelPress(int, int) { return false; }

}  // namespace pd
