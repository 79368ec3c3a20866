// Stamp placement: the large WIDE and TALL stamps (tool 51), the square stamps and clip art (83,
// 84), which follow the mouse while the button is held and stay where it is released, and the
// 32 x 32 icon stamp (81), which prints a copy at every mouse event.
#pragma once

namespace pd {

// Shows the current stamp centred on (x, y): repairs its previous place around (prev_x, prev_y)
// from the snapshot and composes the stamp over the snapshot's background there, so it never
// leaves a trail. The stamp's half sizes and mask place follow CurrentTool and LargeStampKind.
void PlaceStamp(int x, int y, int prev_x, int prev_y);

// Tool 51: each press loads the chosen stamp file afresh; the release leaves the stamp and frees it.
void LargeStampStart(int x, int y);
void LargeStampDrag(int x, int y);
void LargeStampEnd(int x, int y);
// Tools 83 and 84: the sheets were prepared when the stamp was chosen and stay until another
// tool is chosen (FreeStampSheets).
void SquareStampStart(int x, int y);
void SquareStampDrag(int x, int y);
void SquareStampEnd(int x, int y);
// Tool 81: DrawIcon of StampIcon centred on (x, y).
void IconStamp(int x, int y);

// Frees StampSheet and StampWork.
void FreeStampSheets();

}  // namespace pd
