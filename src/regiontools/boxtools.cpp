#include "regiontools/boxtools.h"

#include <algorithm>

#include "core/canvas.h"
#include "core/snapshot.h"
#include "media/sound.h"
#include "platform/platform.h"
#include "tools/helpers.h"

namespace pd {

using namespace gdi;

namespace {

constexpr int kFlipSound = 32;
constexpr int kFrameCount = 5;
constexpr COLORREF kFrameBlue = RGB(0, 0, 255);

// The rubber band: a white one-pixel pen drawn with XOR, so that the same outline twice leaves
// every pixel as it was.
void XorFrame(const HDC& dc, int left, int top, int right, int bottom) {
  HPEN pen = CreatePen(PS_SOLID, 1, PaletteColours[kWhiteIndex] | kPaletteRelative);
  SelectObject(dc, pen);
  SetROP2(dc, R2_XORPEN);
  FrameBox(dc, left, top, right, bottom);
  SetROP2(dc, R2_COPYPEN);
}

struct Box {
  int left, top, right, bottom;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};
Box Normalised(int x1, int y1, int x2, int y2) {
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

int PieceTool(int box_tool) {
  return box_tool - kMoveTool + kMovePieceTool;
}
int BoxTool(int piece_tool) {
  return piece_tool - kMovePieceTool + kMoveTool;
}

// The box the frames of the waiting selection were drawn round, before it was cut to the canvas.
Box g_framed{};

void DrawFrames(const HDC& dc, const Box& b) {
  HPEN pen = CreatePen(PS_DOT, 1, kFrameBlue);
  SelectObject(dc, pen);
  for (int i = 0; i < kFrameCount; ++i) FrameBox(dc, b.left - i, b.top - i, b.right + i, b.bottom + i);
}

// The canvas window's own pixels, inside the panel's border.
int CanvasPixelsWide() {
  return CanvasWindow && CanvasWindow->Surface() ? CanvasWindow->Surface()->Width() : CanvasWidth;
}
int CanvasPixelsHigh() {
  return CanvasWindow && CanvasWindow->Surface() ? CanvasWindow->Surface()->Height() : CanvasHeight;
}

// The outline the rubber band of a held box shows now: the anchor to the last mouse position.
void ToggleHeldOutline() {
  WindowCanvas canvas(CanvasWindow);
  XorFrame(canvas.dc(), AnchorX, AnchorY, LastX, LastY);
}

bool HoldingBox() {
  return ButtonHeld && StrokeStarted && TracksBox(CurrentTool);
}

// The outline of phase 1 of the box effects, and its removal at the start of phase 2.
void MoveEffectOutline(int x, int y) {
  WindowCanvas canvas(CanvasWindow);
  XorFrame(canvas.dc(), AnchorX, AnchorY, LastX, LastY);
  XorFrame(canvas.dc(), AnchorX, AnchorY, x, y);
}

}  // namespace

void TrackBox(int x, int y) {
  {
    WindowCanvas canvas(CanvasWindow);
    XorFrame(canvas.dc(), AnchorX, AnchorY, LastX, LastY);
    XorFrame(canvas.dc(), AnchorX, AnchorY, x, y);
  }
  SelectionBox = {AnchorX, AnchorY, x, y};
}

void EraseTrackedBox() {
  WindowCanvas canvas(CanvasWindow);
  XorFrame(canvas.dc(), SelectionBox.left, SelectionBox.top, SelectionBox.right, SelectionBox.bottom);
}

void FrameSelection() {
  EraseTrackedBox();
  SaveCanvasSnapshot();
  Box b = Normalised(SelectionBox.left, SelectionBox.top, SelectionBox.right, SelectionBox.bottom);
  {
    WindowCanvas canvas(CanvasWindow);
    DrawFrames(canvas.dc(), b);
  }
  g_framed = b;
  // The box is cut to the canvas's pixels on every side, so the piece never takes pixels from
  // beyond its edges (CanvasWidth and CanvasHeight are the panel's, its border included). A box
  // wholly off the canvas becomes empty and no press can land inside it.
  const int width = std::min(CanvasWidth - 1, CanvasPixelsWide()),
            height = std::min(CanvasHeight - 1, CanvasPixelsHigh());
  b.left = std::clamp(b.left, 0, std::max(width, 0));
  b.top = std::clamp(b.top, 0, std::max(height, 0));
  b.right = std::clamp(b.right, b.left, std::max(width, b.left));
  b.bottom = std::clamp(b.bottom, b.top, std::max(height, b.top));
  SelectionBox = {b.left, b.top, b.right, b.bottom};
  SelectionActive = true;
  if (CurrentTool >= kMoveTool && CurrentTool <= kCopyFlipTool) CurrentTool = PieceTool(CurrentTool);
}

bool InsideSelection(int x, int y) {
  return PointInBox(x, y, SelectionBox.left, SelectionBox.top, SelectionBox.right, SelectionBox.bottom);
}

void PressOnSelection(int x, int y, bool left_button) {
  if (GrabbedPiece) {
    DropPiece(LastX, LastY, LastX, LastY, PieceMode());
    return;
  }
  if (InsideSelection(x, y)) {
    if (left_button) GrabPiece(x, y);
    return;
  }
  RestoreCanvasSnapshot();
  SelectionActive = false;
  CurrentTool = 0;
}

int PieceMode() {
  return CurrentTool == kCopyFlipPieceTool ? FlipMode : kFlipUpDown;
}

void GrabPiece(int x, int y) {
  RestoreCanvasSnapshot();
  const RECT& s = SelectionBox;
  const int w = s.right - s.left, h = s.bottom - s.top;
  GrabbedPiece = w > 0 && h > 0 ? CreateDIBSection32(w, h) : nullptr;
  if (GrabbedPiece) {
    WindowCanvas canvas(CanvasWindow);
    BitmapCanvas piece(GrabbedPiece);
    BitBlt(piece.dc(), 0, 0, w, h, canvas.dc(), s.left, s.top, SRCCOPY);
    if (CurrentTool == kMovePieceTool) {
      SelectObject(canvas.dc(), GetStockObject(WHITE_PEN));
      SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
      Rectangle(canvas.dc(), s.left, s.top, s.right, s.bottom);
    }
  }
  GrabOffsetX = x - s.left;
  GrabOffsetY = y - s.top;
  SaveCanvasSnapshot();
}

void DragPiece(int x, int y, int px, int py, int mode) {
  if (!GrabbedPiece) return;
  const int w = GrabbedPiece->Width(), h = GrabbedPiece->Height();
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  if (CanvasSnapshot) {
    BitmapCanvas snapshot(CanvasSnapshot);
    BitBlt(dc, px - GrabOffsetX, py - GrabOffsetY, w, h, snapshot.dc(), px - GrabOffsetX, py - GrabOffsetY,
           SRCCOPY);
  }
  BitmapCanvas piece(GrabbedPiece);
  const int left = x - GrabOffsetX, top = y - GrabOffsetY;
  if (CurrentTool != kCopyFlipPieceTool)
    BitBlt(dc, left, top, w, h, piece.dc(), 0, 0, SRCCOPY);
  else if (mode == kFlipUpDown)
    StretchBlt(dc, left, top, w, h, piece.dc(), 0, h - 1, w, 1 - h, SRCCOPY);
  else
    StretchBlt(dc, left, top, w, h, piece.dc(), w - 1, 0, 1 - w, h, SRCCOPY);
}

void DropPiece(int x, int y, int px, int py, int mode) {
  DragPiece(x, y, px, py, mode);
  ReleaseGrabbedPiece();
  if (CurrentTool >= kMovePieceTool && CurrentTool <= kCopyFlipPieceTool) CurrentTool = BoxTool(CurrentTool);
  SelectionActive = false;
}

void ReleaseGrabbedPiece() {
  GrabbedPiece = nullptr;
}

void SizeControl(int x, int y, int phase, int mode) {
  if (phase != 2) {
    MoveEffectOutline(x, y);
    return;
  }
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  XorFrame(dc, AnchorX, AnchorY, LastX, LastY);
  const Box b = Normalised(AnchorX, AnchorY, x, y);
  if (mode == kMagnifyBox) {
    // Only the part of the box on the canvas is magnified: beyond its edges there is no picture
    // to take.
    const Box on = {std::max(b.left, 0), std::max(b.top, 0), std::min(b.right, CanvasWidth),
                    std::min(b.bottom, CanvasHeight)};
    if (on.Width() <= 0 || on.Height() <= 0) return;
    StretchBlt(dc, 0, 0, CanvasWidth, CanvasHeight, dc, on.left, on.top, on.Width(), on.Height(), SRCCOPY);
    return;
  }
  BitBlt(dc, 0, 0, CanvasWidth, CanvasHeight, dc, 0, 0, WHITENESS);
  if (!CanvasSnapshot) return;
  BitmapCanvas snapshot(CanvasSnapshot);
  StretchBlt(dc, b.left, b.top, b.Width(), b.Height(), snapshot.dc(), 0, 0, CanvasWidth - 2, CanvasHeight - 2,
             SRCCOPY);
}

void Flip(int x, int y, int phase, int mode) {
  if (phase != 2) {
    MoveEffectOutline(x, y);
    return;
  }
  {
    WindowCanvas canvas(CanvasWindow);
    const HDC& dc = canvas.dc();
    XorFrame(dc, AnchorX, AnchorY, LastX, LastY);
    Box b = Normalised(AnchorX, AnchorY, x, y);
    if (b.right >= CanvasWidth) b.right = CanvasWidth - 3;
    if (b.bottom >= CanvasHeight) b.bottom = CanvasHeight - 3;
    if (b.top <= 0) b.top = 1;
    if (b.left <= 0) b.left = 1;
    // A box the clamps leave empty has nothing to flip.
    if (b.Width() <= 0 || b.Height() <= 0) return;
    if (mode == kFlipUpDown)
      StretchBlt(dc, b.left, b.top, b.Width(), b.Height(), dc, b.left, b.bottom, b.Width(), -b.Height(),
                 SRCCOPY);
    else
      StretchBlt(dc, b.left, b.top, b.Width(), b.Height(), dc, b.right, b.top, -b.Width(), b.Height(),
                 SRCCOPY);
  }
  PlaySoundEffect(kFlipSound);
}

void Negative(int x, int y, int phase) {
  if (phase != 2) {
    MoveEffectOutline(x, y);
    return;
  }
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  XorFrame(dc, AnchorX, AnchorY, LastX, LastY);
  const Box b = Normalised(AnchorX, AnchorY, x, y);
  BitBlt(dc, b.left, b.top, b.Width(), b.Height(), dc, b.left, b.top, DSTINVERT);
}

bool TracksBox(int tool) {
  switch (tool) {
    case 63:
    case 64:
    case kSizeControlTool:
    case kFlipTool:
    case kNegativeTool:
    case kMoveTool:
    case kCopyTool:
    case kCopyFlipTool:
    case 86:
    case 75:  // the box text tools
    case 76:
    case 77:
    case 78:
      return true;
    default:
      return false;
  }
}

void SaveSnapshotWithoutOverlay() {
  if (SelectionActive) return;
  const bool holding = HoldingBox();
  if (holding) ToggleHeldOutline();
  SaveCanvasSnapshot();
  if (holding) ToggleHeldOutline();
}

void RedrawBoxOverlay() {
  if (SelectionActive && !GrabbedPiece && CurrentTool >= kMovePieceTool &&
      CurrentTool <= kCopyFlipPieceTool) {
    WindowCanvas canvas(CanvasWindow);
    DrawFrames(canvas.dc(), g_framed);
  } else if (HoldingBox()) {
    ToggleHeldOutline();
  }
}

}  // namespace pd
