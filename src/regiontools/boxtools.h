// The box selection of the MAGIC tools and the tools that act on a whole box.
//
// A box is pulled out of the press point (AnchorX, AnchorY) with a rubber band: a white XOR
// outline, so that drawing it twice removes it. MOVE, COPY and COPY/FLIP (tools 69, 70, 71)
// frame the box on release and switch to their piece phase (72, 73, 74): a press inside the frame
// grabs the piece, the drag carries it and the release drops it. SIZE CONTROL, FLIP and NEGATIVE
// (65, 66, 67) act on the box at the release.
#pragma once

#include "core/state.h"
#include "gdi/gdi.h"

namespace pd {

// The box being dragged: the anchor as (left, top) and the mouse as (right, bottom), not
// normalised. Once FrameSelection has framed it, it is normalised and lies on the canvas.
inline gdi::RECT SelectionBox{};
// Where the piece was grabbed, relative to the selection's top-left corner.
inline int GrabOffsetX = 0, GrabOffsetY = 0;
// The grabbed piece, from the press inside the frame until the release that drops it.
inline gdi::HBITMAP GrabbedPiece;

// The box tools' tool numbers.
enum : int {
  kSizeControlTool = 65,
  kFlipTool = 66,
  kNegativeTool = 67,
  kMoveTool = 69,
  kCopyTool = 70,
  kCopyFlipTool = 71,
  kMovePieceTool = 72,
  kCopyPieceTool = 73,
  kCopyFlipPieceTool = 74,
};
// FlipMode's values, also the mode COPY/FLIP draws its piece with.
enum : int { kFlipUpDown = 3, kFlipSideways = 4 };
// SizeControlMode's values.
enum : int { kShrinkIntoBox = 1, kMagnifyBox = 2 };

// One rubber-band step: the outline from the anchor to (LastX, LastY) goes, the one to (x, y)
// comes, and SelectionBox records it.
void TrackBox(int x, int y);
// Removes the outline SelectionBox records.
void EraseTrackedBox();

// The release of MOVE, COPY and COPY/FLIP: the outline goes, the clean picture is saved into the
// snapshot, five dotted blue frames grow outward from the box, the box is normalised and cut to
// the canvas, and the tool switches to its piece phase with the selection active.
void FrameSelection();
// Whether a press at (x, y) lands inside the framed selection.
bool InsideSelection(int x, int y);
// A press on the canvas while the selection is active, before the tool's start: a left press
// inside the frame grabs the piece; a press outside removes the frame and leaves no tool
// selected. A press that comes while a piece is still held (its release never arrived) first
// drops the piece where it is.
void PressOnSelection(int x, int y, bool left_button);
// The mode the piece is drawn with: COPY/FLIP flips it by FlipMode, MOVE and COPY draw it as
// it is (mode 3, which they ignore).
int PieceMode();
// The press inside the frame: the frame goes, the piece is copied out (MOVE leaves a white hole
// behind), and the snapshot takes the picture without the piece.
void GrabPiece(int x, int y);
// Moves the piece from where (px, py) put it to where (x, y) puts it: the old place is repaired
// from the snapshot. COPY/FLIP draws the piece flipped by mode.
void DragPiece(int x, int y, int px, int py, int mode);
// The release of the piece phase: the piece is drawn at (x, y) and dropped, and the tool goes
// back to drawing boxes.
void DropPiece(int x, int y, int px, int py, int mode);
// Lets go of a grabbed piece without drawing it (the selection is being given up).
void ReleaseGrabbedPiece();

// The box effects. Phase 1 moves the outline; phase 2 removes it and acts on the box from the
// anchor to (x, y). The caller runs phase 2 only for a release off the anchor's row and column.
void SizeControl(int x, int y, int phase, int mode);
void Flip(int x, int y, int phase, int mode);
void Negative(int x, int y, int phase);

// Whether the tool pulls out its box with the rubber band above.
bool TracksBox(int tool);
// Saves the canvas into the snapshot without what the box tools show over the picture: the
// rubber band of a held box is taken off for the save and put back, and while a selection is
// framed or its piece is being dragged nothing is saved at all, because the snapshot already
// holds the picture as it is under the frame or the piece.
void SaveSnapshotWithoutOverlay();
// After the canvas was restored from the snapshot: the frame of a waiting selection or the
// outline of a held box comes back, so what is on the screen and what the tool will erase agree.
void RedrawBoxOverlay();

}  // namespace pd
