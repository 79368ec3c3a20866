// The screen erasers of the ERASERS category and MAGIC's TUNNEL: routines that repaint the whole
// canvas at once. Each takes the canvas window's DC with AppPalette selected and gives everything
// back before it returns. The sweeping ones show their frames as they draw (effects/pacing.h) and
// last about the time given here on any canvas and machine.
#pragma once

namespace pd {

// How long the sweeps take, in milliseconds.
constexpr int kWipeMs = 800;
constexpr int kBrickMs = 600;
constexpr int kStarMs = 900;
constexpr int kBlackHoleMs = 1300;
constexpr int kPaperMs = 1300;
constexpr int kShadeMs = 1000;
constexpr int kWindshieldMs = 1400;
constexpr int kMorphMs = 1100;

// The sounds of the erasers of our own.
constexpr int kBlackHoleSound = 70;
constexpr int kPaperSound = 71;
constexpr int kShadeSound = 72;
constexpr int kWindshieldSound = 73;
constexpr int kMorphSound = 74;

// Variant 1..8: white lines closing from the sides (1), opening from the vertical centre line (2),
// closing from top and bottom (3), opening from the horizontal centre line (4), or 4 x 4 squares
// row by row downwards (5) or upwards (6), column by column rightwards (7) or leftwards (8). Every
// variant leaves every pixel white.
void WipeScreenWhite(int variant);
// The whole canvas dark green, at once.
void ChalkboardScreen();
// The canvas tiled with the 54 x 54 texture "pb" + variant + ".kvr", row by row. A missing tile
// shows the reader's message and leaves the canvas as it was; a variant outside 1..8 draws
// nothing.
void BrickScreen(int variant);
// Plays sound 16, blackens the canvas and scatters 5 W + 1 white stars (for each, y is drawn from
// the generator before x).
void StarScreen();
// Twelve ever smaller copies of CanvasSnapshot nested inside each other, at once.
void TunnelScreen();

// The erasers of our own, each ending with a fresh canvas: white, or MORPH's background.
// The picture spins into a black hole in the middle, which closes after it.
void BlackHoleScreen();
// The picture is crumpled into a paper ball, which is tossed away.
void PaperScreen();
// The picture rolls up like a window shade, out through the top.
void ShadeScreen();
// Bugs splat on the picture, then a wiper sweeps the windshield clean.
void WindshieldScreen();
// The picture melts into one of the instant backgrounds, chosen at random.
void MorphScreen();

}  // namespace pd
