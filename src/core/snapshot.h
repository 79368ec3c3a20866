// The canvas snapshot: the single level of undo and the store the canvas is repainted from.
#pragma once

namespace pd {

// Copies the whole canvas into CanvasSnapshot.
void SaveCanvasSnapshot();
// Copies CanvasSnapshot back onto the whole canvas.
void RestoreCanvasSnapshot();

}  // namespace pd
