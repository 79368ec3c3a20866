// The tool palette: the category tabs and the ten tool buttons over the icon strip. The
// handlers of the tab set and the buttons are Tmain's (mainunit.h); the table they read is
// tooltable.h.
#pragma once

namespace pd {

// Draws the marker under tool button index + 1 (index 0..9), or clears the marker row when
// index is 12.
void DrawSlotMarker(int index);
// Writes the ten button hints for the current category (an empty hint shows none).
void SetButtonDescriptions();
// The reset every tool-button press runs: the button's sound, the canvas kept in the snapshot,
// typing ended and every option panel hidden.
void ResetOptionPanels();

// The tab index 0..9 under x on the tab set, or a number of 10 or more past the last tab. The
// icons are drawn at 36 x index + 12 for the first seven tabs and 5 pixels further right from the
// eighth on; the tab under the mouse is (x - 12) div 36 left of x = 228 and (x - 17) div 36 from
// there, truncating towards zero, so everything left of the first icon belongs to the first tab.
// The tabs measure 28 pixels each, but a press counted in 28-pixel tabs would drift away from
// the icons 36 apart and pick a neighbour of the icon under the mouse from the second tab on. So a
// press goes by this rule too, and always selects the category its hint names.
int TabIndexAt(int x);

}  // namespace pd
