// The program's shared state: module-level values that live for the whole run and are read and
// written directly by the main window and the tools. Everything runs on the one user-interface
// thread, so none of it needs a lock. ResetSharedState() puts every value back to its start-up
// default (the main window's creation calls it, and so does every test that starts afresh).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gdi/gdi.h"

namespace platform {
class Window;
}

namespace pd {

using gdi::COLORREF;

constexpr int kPaletteSize = 225;
// The colour rows and shades: rows 0..15 of ten shades each, shade 0 the lightest.
constexpr int kPaletteRows = 16;
constexpr int kPaletteGridSize = 160;

// Palette entries the program uses by number.
constexpr int kWhiteIndex = 60;
constexpr int kSwatchFrameIndex = 64;
constexpr int kLightYellowIndex = 83;
constexpr int kYellowIndex = 85;
constexpr int kRedIndex = 95;

// Colours given to the raster layer carry the palette-relative flag.
constexpr COLORREF kPaletteRelative = 0x02000000;

inline std::array<COLORREF, kPaletteSize> PaletteColours{};
inline gdi::HPALETTE AppPalette;
inline std::string AssetDir;
inline platform::Window* CanvasWindow = nullptr;
// The main window, whose own pixels hold the palette, panels, icon strip and buttons.
inline platform::Window* MainWindow = nullptr;

inline COLORREF CurrentColour = 0;
inline int ColourRow = 9;
inline int ColourShade = 5;
inline int CurrentCategory = 1;
inline int CurrentTool = 1;
inline int PenSize = 2;
inline int FillStyle = 1;
inline int LightDirection = 2;
inline int CanvasWidth = 0;
inline int CanvasHeight = 0;
inline int LastX = 0, LastY = 0;
inline int AnchorX = 0, AnchorY = 0;
inline bool ButtonHeld = false;
inline bool TypingActive = false;
inline bool SelectionActive = false;
inline bool AnimationBusy = false;
inline bool SoundOn = true;
inline bool MusicOn = true;
inline bool MusicPlaying = false;
inline bool DialogResult = false;
inline bool ColorbookMode = false;
inline int ChooserMode = 0;
inline int TextAngle = 45;
inline std::string FontName = "Arial";
inline std::array<char, 256> TextBuffer{};
inline std::string CurrentPictureName;
// The full path of the file last picked in the picture chooser (any length).
inline std::string ChosenFile;

// The canvas snapshot: the single level of undo and the store the canvas is repainted from.
inline gdi::HBITMAP CanvasSnapshot;
// The animation frames of the current category's ten tool icons, and where the animation is.
inline gdi::HBITMAP IconStrip;
inline int IconFrame = 0;
inline bool IconFrameDown = false;
inline bool FirstPaint = true;

// Option values read by the tools (their panels come with the option-panel code).
inline bool RainbowColours = false;
// The options of the tool panels, with their start-up values. Each keeps its value for the whole
// run, so a tool starts with the option it had the last time it was chosen.
inline int ObjectKind = 3;         // OBJECTS: 1 squares, 2 circles, 3 triangles
inline int GrassKind = 2;          // GRASS: 1..3
inline int SprayMode = 1;          // SPRAY PAINT: 1 mist, 3 dots
inline int RibbonKind = 1;         // 3D RIBBON: 1 tool 30, 2 tool 29, 3 tool 20
inline int FishKind = 1;           // FRED FISH: 1 tool 27 (3D bubbles), 2 tool 26 (open)
inline int StarKind = 1;           // STAR: 1 or 2
inline int CubeSize = 3;           // CUBE: 1..10
inline int CubeShade = 2;          // CUBE: 2, 4, 5 or 7
inline int ShadowDirection = 2;    // SHADOW and EXTRUDED TEXT: 2..7
inline int ExplodeDirection = 2;   // EXPLODING TEXT: 1 layers rise, 2 descend
inline int PixellateMode = 1;      // PIXELLATE: 1 squares (tool 63), 2 round (tool 64)
inline int LightenDarkenMode = 2;  // LIGHTEN/DARKEN: 1 lighten, 2 darken
inline int SizeControlMode = 1;    // SIZE CONTROL: 1 shrink, 2 magnify
inline int FlipMode = 4;           // FLIP and COPY/FLIP: 4 side to side, 3 up and down
// Which option panels show: set by the tool buttons, all cleared by every button press.
inline bool PenSizePanelShown = false;
inline bool RainbowPanelShown = false;
inline bool NibPanelShown = false;
inline bool RollerPanelShown = false;
inline bool FillStylePanelShown = false;
inline bool FontPanelShown = false;
inline bool LightPanelShown = false;
inline bool ObjectPanelShown = false;
inline bool GrassPanelShown = false;
inline bool SprayPanelShown = false;
inline bool MirrorPanelShown = false;
inline bool QuillPanelShown = false;
inline bool RibbonPanelShown = false;
inline bool FishPanelShown = false;
inline bool TrianglePanelShown = false;
inline bool TrapezoidPanelShown = false;
inline bool StarPanelShown = false;
inline bool ParallelogramPanelShown = false;
inline bool CubeSizePanelShown = false;
inline bool CubeColourPanelShown = false;
inline bool ShadowPanelShown = false;
inline bool ExplodePanelShown = false;
inline bool PixellatePanelShown = false;
inline bool LightenPanelShown = false;
inline bool SizePanelShown = false;
inline bool FlipPanelShown = false;
inline int NibDirection = 1;
inline int MirrorKind = 2;
inline int QuillKind = 1;
inline int RollerKind = 4;
// The shape tools' forms: the triangle 1..3, the trapezoid 1 or 2, and the parallelogram's slant,
// 3 for two vertical sides or 4 for two horizontal ones.
inline int TriangleKind = 1;
inline int TrapezoidKind = 1;
inline int ParallelogramKind = 4;

// Whether the stroke in progress began with a left press on the canvas. The end phase runs
// only for a release that ends such a stroke, so a right click or a press that began elsewhere
// never runs a tool's end phase on a stale anchor.
inline bool StrokeStarted = false;

// The current shade and the two lighter shades beside it in its row, as palette indices; the
// three-colour tools paint with them. UpdateShadeTriple recomputes it when the colour changes.
inline std::array<int, 3> ShadeTriple{95, 94, 93};
// The vertices of the polygon shape being drawn: ShapePointCount of them are valid. The list
// holds kShapePointCapacity vertices and is never written past its end.
constexpr int kShapePointCapacity = 5001;
inline std::array<gdi::POINT, kShapePointCapacity> ShapePoints{};
inline int ShapePointCount = 0;

// The stamp being placed (stamp tools 51, 81, 83 and 84): StampSheet holds the image at (0, 0)
// and its mask of the same size beside or below it; StampWork is where a placement is composed.
// StampWidth x StampHeight is the size of the square stamp or clip art; LargeStampKind is 3 for
// TALL and 4 for WIDE; StampIcon is the 32 x 32 stamp, number StampNumber (20..199).
inline gdi::HBITMAP StampSheet;
inline gdi::HBITMAP StampWork;
inline int StampWidth = 0, StampHeight = 0;
inline int LargeStampKind = 0;
inline gdi::HICON StampIcon;
inline int StampNumber = 20;

void ResetSharedState();

// The program's one random generator: Random(n) is uniform over 0..n-1 (0 when n <= 0).
// Randomize() seeds it from the clock at start-up; tests call RandSeed() for repeatable runs.
void Randomize();
void RandSeed(std::uint32_t seed);
int Random(int n);

// A box is left <= x < right and top <= y < bottom: every hit test of the program.
constexpr bool PointInBox(int x, int y, int left, int top, int right, int bottom) {
  return x >= left && x < right && y >= top && y < bottom;
}

}  // namespace pd
