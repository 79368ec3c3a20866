// The tool palette: the category tabs and the ten tool buttons over the icon strip.
#pragma once

namespace pd {

// Draws the marker under tool button index + 1 (index 0..9), or clears the marker row when
// index is 12.
void DrawSlotMarker(int index);
// Writes the ten button hints for the current category.
void SetButtonDescriptions();

}  // namespace pd
