// The canvas protocol: the three phases of a stroke and the dispatch from the current tool
// number to the tool routines.
#pragma once

#include "core/state.h"

namespace pd {

// One row of the dispatch table. Start runs on the left press, drag on every move while the
// button is held (with the stroke colour of that move), end on the release. Null does nothing.
struct ToolPhases {
  void (*start)(int x, int y) = nullptr;
  void (*drag)(int x, int y, COLORREF stroke) = nullptr;
  void (*end)(int x, int y) = nullptr;
};

constexpr int kToolCount = 88;
// The table, indexed by tool number 0..87.
const ToolPhases& ToolTable(int tool);

void ToolStart(int x, int y);
void ToolDrag(int x, int y);
void ToolEnd(int x, int y);

// The stroke colour of one drag: a random colour of the first 159 entries with the rainbow
// option on, the current colour otherwise.
COLORREF StrokeColour();

// The cursor number the canvas shows for the current tool and options.
int ToolCursor();
void UpdateToolCursor();
void ShowCoordinates(int x, int y);
// Ends whatever the current tool has pending (typing, a stamp, a framed selection, a pen size
// forced for the stroke).
void FinishPendingTool();
// Puts back the child's pen size when a stroke forced another one; does nothing otherwise.
void RestoreForcedPenSize();

}  // namespace pd
