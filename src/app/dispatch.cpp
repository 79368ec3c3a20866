#include "app/dispatch.h"

#include <string>

#include "app/tooltable.h"
#include "core/canvas.h"
#include "core/snapshot.h"
#include "effects/sprites.h"
#include "media/sound.h"
#include "platform/platform.h"
#include "regiontools/boxtools.h"
#include "regiontools/pixeleffects.h"
#include "regiontools/polygons.h"
#include "regiontools/ring.h"
#include "regiontools/stamps.h"
#include "regiontools/texttools.h"
#include "tools/brushes.h"
#include "tools/helpers.h"
#include "tools/nibs.h"
#include "tools/pens.h"
#include "tools/shapes.h"
#include "tools/solids.h"
#include "tools/sprays.h"

namespace pd {

namespace {

// ---- rows of the table -----------------------------------------------------------------------

void PencilStart(int x, int y) {
  PenStroke(x, y, x + 1, y, PenSize, CurrentColour);
  PlaySoundEffect(15);
}
void PencilDrag(int x, int y, COLORREF stroke) {
  PenStroke(LastX, LastY, x, y, PenSize, stroke);
}

// CRAZY PEN and 3D RIBBON draw with a pen size of their own for the length of a stroke. The
// child's size is kept aside and put back however the stroke ends: by the release, or by
// FinishPendingTool when another button or the palette is pressed first.
bool g_pen_size_forced = false;
int g_saved_pen_size = 2;

void ForcePenSize(int size) {
  if (!g_pen_size_forced) g_saved_pen_size = PenSize;
  g_pen_size_forced = true;
  PenSize = size;
}

// The nib brushes fill their colours at the press (MAGIC BRUSH again at every move) and draw
// the nib from the last point to the new one.
void NibStart(int x, int y) {
  FillNibColours(CurrentTool);
  NibStroke(x, y, x + 1, y);
}
void NibDrag(int x, int y, COLORREF) {
  NibStroke(LastX, LastY, x, y);
}
void CrazyPenStart(int x, int y) {
  ForcePenSize(2);
  NibStart(x, y);
}
void RibbonStart(int x, int y) {
  ForcePenSize(10);
  NibStart(x, y);
}
void RestorePenSizeEnd(int, int) {
  RestoreForcedPenSize();
}

// The rubber-band shapes: the outline follows the mouse from the press, and the release draws
// the finished figure and plays its sound (0: none). A release on the press row or the press
// column draws nothing and stays silent, and the last outline stays where it was.
template <void (*Shape)(int x, int y, int phase), int Sound>
ToolPhases ShapeRow() {
  return {[](int x, int y) { Shape(x, y, kShapeOutline); },
          [](int x, int y, COLORREF) { Shape(x, y, kShapeOutline); },
          [](int x, int y) {
            if (x == AnchorX || y == AnchorY) return;
            Shape(x, y, kShapeFinished);
            if (Sound != 0) PlaySoundEffect(Sound);
          }};
}
void TriangleOfKind(int x, int y, int phase) {
  TriangleShape(x, y, TriangleKind, phase);
}
void TrapezoidOfKind(int x, int y, int phase) {
  TrapezoidShape(x, y, TrapezoidKind, phase);
}

// PARALLELOGRAM's first step pulls out a box; its release starts the second step and holds the
// button for the child, so the slanted outline follows plain mouse moves until the next click.
// The held stroke is ended by the next release over the canvas, whichever button: a right click
// picks a colour and its release finishes the figure.
void ParallelogramBoxStart(int x, int y) {
  ParallelogramBox(x, y);
}
void ParallelogramBoxDrag(int x, int y, COLORREF) {
  ParallelogramBox(x, y);
}
void ParallelogramBoxEnd(int, int) {
  ParallelogramTakeOver(ParallelogramKind);
  CurrentTool = 55;
  ButtonHeld = true;
  StrokeStarted = true;
}
void ParallelogramSlantDrag(int x, int y, COLORREF) {
  ParallelogramSlant(x, y, ParallelogramKind, kShapeOutline);
}
void ParallelogramSlantEnd(int x, int y) {
  ParallelogramSlant(x, y, ParallelogramKind, kShapeFinished);
  CurrentTool = 54;
}

// MAGIC: the rubber-band box, the piece of MOVE, COPY and COPY/FLIP, and the effects on a box.
// A release on the press row or column leaves the picture as it was.
bool OffAnchor(int x, int y) {
  return x != AnchorX && y != AnchorY;
}
void TrackBoxStart(int x, int y) {
  TrackBox(x, y);
}
void TrackBoxDrag(int x, int y, COLORREF) {
  TrackBox(x, y);
}
template <void (*Effect)()>
ToolPhases PixelEffectRow() {
  return {TrackBoxStart, TrackBoxDrag, [](int x, int y) {
            if (OffAnchor(x, y)) Effect();
          }};
}
void LightenDarkenEffect() {
  LightenDarken(LightenDarkenMode);
}
template <void (*Effect)(int x, int y, int phase, int mode), const int* Mode>
ToolPhases BoxEffectRow() {
  return {[](int x, int y) { Effect(x, y, 1, *Mode); }, [](int x, int y, COLORREF) { Effect(x, y, 1, *Mode); },
          [](int x, int y) {
            if (OffAnchor(x, y)) Effect(x, y, 2, *Mode);
          }};
}
void PieceStart(int x, int y) {
  DragPiece(x, y, x, y, PieceMode());
}
void PieceDrag(int x, int y, COLORREF) {
  DragPiece(x, y, LastX, LastY, PieceMode());
}
void PieceEnd(int x, int y) {
  DropPiece(x, y, LastX, LastY, PieceMode());
}

// The polygon shapes, the 3D solids and the cube, the ring, the line and the laser beam.
void StarOfKind(int x, int y, int phase) {
  StarShape(x, y, StarKind, phase);
}
template <int Kind>
void SolidOfKind(int x, int y, int phase) {
  SolidShape(x, y, Kind, phase);
}
ToolPhases CubeRow() {
  return {[](int x, int y) { CubeShape(x, y, kShapeOutline, 2, 5); },
          [](int x, int y, COLORREF) { CubeShape(x, y, kShapeOutline, 2, 5); },
          [](int x, int y) {
            if (x != AnchorX && y != AnchorY) CubeShape(x, y, kShapeFinished, CubeShade, CubeSize);
          }};
}
// LINE and LASER LINE are finished as soon as one coordinate differs from the press point's, so
// horizontal and vertical lines are drawn too; the laser's sound comes before its beam.
template <void (*Line)(int x, int y, int phase), int Sound, bool SoundFirst>
ToolPhases LineRow() {
  return {[](int x, int y) { Line(x, y, kShapeOutline); },
          [](int x, int y, COLORREF) { Line(x, y, kShapeOutline); },
          [](int x, int y) {
            if (x == AnchorX && y == AnchorY) return;
            if (SoundFirst) PlaySoundEffect(Sound);
            Line(x, y, kShapeFinished);
            if (!SoundFirst) PlaySoundEffect(Sound);
          }};
}
// IRREGULAR SHAPE collects the points of the stroke and closes them into a figure on release.
ToolPhases IrregularRow() {
  return {IrregularShapeStart, [](int x, int y, COLORREF) { IrregularShapeDrag(x, y); },
          [](int, int) {
            if (IrregularShapeFinish()) PlaySoundEffect(4);
          }};
}

// TEXT: the box text tools pull out a box like MAGIC's and ask for their words at the release.
template <int Tool>
ToolPhases TextBoxRow() {
  return {TrackBoxStart, TrackBoxDrag, [](int x, int y) { BoxTextEnd(Tool, x, y); }};
}

// BOMB leaves no tool selected once its animation is over.
void BombEnd(int, int) {
  CurrentTool = 0;
}

std::array<ToolPhases, kToolCount> BuildTable() {
  std::array<ToolPhases, kToolCount> t{};
  t[1] = {PencilStart, PencilDrag, nullptr};
  t[2] = {[](int x, int y) { StringArtStroke(x, y, CurrentColour); },
          [](int x, int y, COLORREF c) { StringArtStroke(x, y, c); }};
  t[3] = {[](int x, int y) { Sparkle(x, y, CurrentColour); },
          [](int x, int y, COLORREF c) { Sparkle(x, y, c); }};
  t[4] = {[](int x, int y) { GrassTuft(x, y, GrassKind); },
          [](int x, int y, COLORREF) { GrassTuft(x, y, GrassKind); }};
  t[5] = {CrazyPenStart, NibDrag, RestorePenSizeEnd};
  t[6] = {[](int x, int y) {
            BugSplat(x, y, CurrentColour);
            PlaySoundEffect(33);
          },
          [](int x, int y, COLORREF c) { BugSplat(x, y, c); }};
  t[7] = {[](int x, int y) { ObjectShape(x, y, ObjectKind, CurrentColour); },
          [](int x, int y, COLORREF c) { ObjectShape(x, y, ObjectKind, c); }};
  t[9] = {[](int x, int y) { SprayPaint(x, y, PenSize, SprayMode); },
          [](int x, int y, COLORREF) { SprayPaint(x, y, PenSize, SprayMode); }};
  t[10] = {[](int x, int y) {
             PenStroke(x, y, x, y, 2 * PenSize, CurrentColour);
             ChalkDust(x, y);
           },
           [](int x, int y, COLORREF) {
             PenStroke(LastX, LastY, x, y, 2 * PenSize, CurrentColour);
             ChalkDust(x, y);
           }};
  t[11] = {[](int x, int y) { MirrorStroke(x, y, x + 1, y + 1, MirrorKind, CurrentColour); },
           [](int x, int y, COLORREF c) { MirrorStroke(LastX, LastY, x, y, MirrorKind, c); }};
  t[12] = {[](int x, int y) { QuillSegment(12, x, y, x, y); },
           [](int x, int y, COLORREF) { QuillSegment(12, LastX, LastY, x, y); }};
  t[13] = {[](int x, int y) { QuillSegment(13, x, y, x, y); },
           [](int x, int y, COLORREF) { QuillSegment(13, LastX, LastY, x, y); }};
  t[14] = {NibStart, NibDrag};
  t[15] = {NibStart, [](int x, int y, COLORREF) {
             FillNibColours(15);
             NibStroke(LastX, LastY, x, y);
           }};
  t[17] = {[](int x, int y) { PenStroke(x, y, x + 1, y, PenSize, CurrentColour); },
           [](int x, int y, COLORREF c) { Garland(LastX, LastY, x, y, c); }};
  t[19] = {[](int x, int y) { FireworkBurst(x, y); }, [](int x, int y, COLORREF) { FireworkBurst(x, y); }};
  t[20] = t[29] = t[30] = {RibbonStart, NibDrag, RestorePenSizeEnd};
  t[21] = {[](int x, int y) { TouchUp(x, y, true); }, [](int x, int y, COLORREF) { TouchUp(x, y, false); }};
  t[22] = {[](int x, int y) { PenStroke(x, y, x + 1, y, PenSize, CurrentColour); },
           [](int x, int y, COLORREF) { Drip(LastX, LastY, x, y); }};
  t[23] = {[](int x, int y) { PenStroke(x, y, x + 1, y, PenSize, CurrentColour); },
           [](int x, int y, COLORREF c) { PenStroke(AnchorX, AnchorY, x, y, PenSize, c); }};
  t[24] = {[](int x, int y) { PenStroke(x, y, x + 1, y, PenSize, CurrentColour); },
           [](int x, int y, COLORREF c) {
             PenStroke(AnchorX, AnchorY, x, y, PenSize, c);
             PropellerBlade(x, y, c);
           }};
  t[25] = {[](int x, int y) { Roll(x, y, RollerKind); },
           [](int x, int y, COLORREF) { Roll(x, y, RollerKind); }};
  t[26] = {[](int x, int y) { OpenBubble(x, y, CurrentColour); },
           [](int x, int y, COLORREF c) { OpenBubble(x, y, c); }};
  t[27] = {[](int x, int y) { ShadedBubble(x, y, CurrentColour); },
           [](int x, int y, COLORREF c) { ShadedBubble(x, y, c); }};
  t[31] = ShapeRow<RectangleShape, 9>();
  t[32] = ShapeRow<RoundedRectangleShape, 13>();
  t[33] = ShapeRow<EllipseShape, 26>();
  t[34] = ShapeRow<TriangleOfKind, 0>();
  t[35] = ShapeRow<TrapezoidOfKind, 25>();
  t[36] = ShapeRow<StarOfKind, 11>();
  t[37] = ShapeRow<OctagonShape, 12>();
  t[38] = LineRow<StraightLine, 8, false>();
  t[39] = IrregularRow();
  t[40] = ShapeRow<HexagonShape, 10>();
  t[41] = ShapeRow<DiamondShape, 14>();
  t[42] = {InstantHair, nullptr, nullptr};
  t[43] = ShapeRow<RingShape, 29>();
  t[44] = ShapeRow<SolidOfKind<kSolidEllipse>, 7>();
  t[45] = ShapeRow<SolidOfKind<kSolidBox>, 0>();
  t[46] = ShapeRow<SolidOfKind<kSolidRoundBox>, 46>();
  // TEXT: the box text tools pull out a box and ask for their words at the release; ROTATED TEXT
  // asks at the release; TYPING opens a line at the press.
  t[kShadowTextTool] = TextBoxRow<kShadowTextTool>();
  t[kExplodingTextTool] = TextBoxRow<kExplodingTextTool>();
  t[kExtrudedTextTool] = TextBoxRow<kExtrudedTextTool>();
  t[kRotatedTextTool] = {nullptr, nullptr, RotatedTextEnd};
  t[kTypingTool] = {[](int x, int y) {
                      PlaySoundEffect(63);
                      StartTyping(x, y);
                    },
                    nullptr, nullptr};
  t[47] = {DropBomb, nullptr, BombEnd};
  t[48] = {LayTrack, nullptr, nullptr};
  t[50] = {SkiDown, nullptr, nullptr};
  t[51] = {LargeStampStart, [](int x, int y, COLORREF) { LargeStampDrag(x, y); }, LargeStampEnd};
  t[52] = {[](int x, int y) { WedgeOutline(x, y); }, [](int x, int y, COLORREF) { WedgeOutline(x, y); }};
  t[54] = {ParallelogramBoxStart, ParallelogramBoxDrag, ParallelogramBoxEnd};
  t[55] = {nullptr, ParallelogramSlantDrag, ParallelogramSlantEnd};
  t[56] = {[](int x, int y) { ArcBurst(x, y, CurrentColour); },
           [](int x, int y, COLORREF) { ArcBurst(x, y, InchwormColour()); }};
  t[57] = {[](int x, int y) { EraserSquare(x, y); }, [](int x, int y, COLORREF) { EraserSquare(x, y); }};
  t[58] = {[](int x, int y) {
    PlaySoundEffect(48);
    BucketFill(x, y, FillStyle);
  }};
  t[59] = LineRow<LaserLine, 3, true>();
  t[60] = CubeRow();
  t[61] = {[](int x, int y) { Spread(x, y); }, [](int x, int y, COLORREF) { Spread(x, y); }};
  t[62] = {[](int x, int y) { Split(x, y); }, [](int x, int y, COLORREF) { Split(x, y); }};
  t[85] = {[](int x, int y) { Charcoal(x, y, CurrentColour); },
           [](int x, int y, COLORREF) { Charcoal(x, y, CurrentColour); }};
  t[87] = {[](int x, int y) { Pastel(x, y); }, [](int x, int y, COLORREF) { Pastel(x, y); }};
  t[63] = PixelEffectRow<PixellateSquares>();
  t[64] = PixelEffectRow<PixellateRound>();
  t[65] = BoxEffectRow<SizeControl, &SizeControlMode>();
  t[66] = BoxEffectRow<Flip, &FlipMode>();
  t[67] = {[](int x, int y) { Negative(x, y, 1); }, [](int x, int y, COLORREF) { Negative(x, y, 1); },
           [](int x, int y) {
             if (OffAnchor(x, y)) Negative(x, y, 2);
           }};
  t[68] = {[](int x, int y) { ReplaceColour(x, y); }, nullptr, nullptr};
  t[69] = t[70] = t[71] = {TrackBoxStart, TrackBoxDrag, [](int, int) { FrameSelection(); }};
  t[72] = t[73] = t[74] = {PieceStart, PieceDrag, PieceEnd};
  t[86] = PixelEffectRow<LightenDarkenEffect>();
  t[81] = {IconStamp, [](int x, int y, COLORREF) { IconStamp(x, y); }, nullptr};
  t[83] = t[84] = {SquareStampStart, [](int x, int y, COLORREF) { SquareStampDrag(x, y); }, SquareStampEnd};
  return t;
}

const std::array<ToolPhases, kToolCount> kTable = BuildTable();

}  // namespace

void RestoreForcedPenSize() {
  if (!g_pen_size_forced) return;
  PenSize = g_saved_pen_size;
  g_pen_size_forced = false;
}

const ToolPhases& ToolTable(int tool) {
  static const ToolPhases kNone{};
  return tool >= 0 && tool < kToolCount ? kTable[tool] : kNone;
}

COLORREF StrokeColour() {
  return RainbowColours ? PaletteColours[Random(159)] : CurrentColour;
}

void ToolStart(int x, int y) {
  // The second step of the parallelogram keeps the anchor of its first step.
  if (CurrentTool == 55) return;
  LastX = AnchorX = x;
  LastY = AnchorY = y;
  if (auto f = ToolTable(CurrentTool).start) f(x, y);
}

void ToolDrag(int x, int y) {
  const COLORREF stroke = StrokeColour();
  if (auto f = ToolTable(CurrentTool).drag) f(x, y, stroke);
  LastX = x;
  LastY = y;
}

void ToolEnd(int x, int y) {
  if (auto f = ToolTable(CurrentTool).end) f(x, y);
}

int ToolCursor() {
  if (NibPanelShown) {
    static constexpr int kNib[5] = {1, 3, 5, 10, 8};
    return kNib[std::clamp(NibDirection, 1, 4)];
  }
  if (RollerPanelShown) return RollerKind == 3 ? 4 : 21;
  if (CurrentTool == 57 || CurrentTool == 61 || CurrentTool == 62) {
    static constexpr int kBySize[11] = {-1, 24, 24, 25, 26, 27, 28, 29, 30, 31, 32};
    return PenSize >= 1 && PenSize <= 10 ? kBySize[PenSize] : -1;
  }
  return CursorForTool(CurrentTool);
}

void UpdateToolCursor() {
  const int cursor = ToolCursor();
  if (cursor >= 0 && CanvasWindow) CanvasWindow->SetCursor(cursor);
}

void ShowCoordinates(int x, int y) {
  using namespace gdi;
  WindowCanvas canvas(MainWindow);
  const HDC& dc = canvas.dc();
  PatBlt(dc, 0, 430, 80, 50, BLACKNESS);
  SetTextColor(dc, PaletteColours[kYellowIndex] | kPaletteRelative);
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const std::string xs = "X: " + std::to_string(x), ys = "Y: " + std::to_string(y);
  TextOutA(dc, 10, 438, xs.c_str(), static_cast<int>(xs.size()));
  TextOutA(dc, 10, 458, ys.c_str(), static_cast<int>(ys.size()));
  SetBkMode(dc, old_mode);
}

void FinishPendingTool() {
  // Typing, stamps and the box selection arrive with their tools; each ends here.
  if (TypingActive) FinishTyping();
  RestoreForcedPenSize();
  // A parallelogram waiting for its second step holds the button for the mouse. The child has
  // chosen something else: its outline goes, the button is let go so the next tool does not
  // draw on plain moves, and the parallelogram starts again at its first step.
  if (CurrentTool == 55) {
    AbandonParallelogram(ParallelogramKind);
    ButtonHeld = false;
    StrokeStarted = false;
    CurrentTool = 54;
  }
  // A square stamp or clip art is kept while its tool stays chosen.
  if (CurrentTool == 83 || CurrentTool == 84) {
    FreeStampSheets();
    CurrentTool = 0;
  }
  if (SelectionActive) {
    RestoreCanvasSnapshot();
    ReleaseGrabbedPiece();
    SelectionActive = false;
    CurrentTool = 0;
  }
}

}  // namespace pd
