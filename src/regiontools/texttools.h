// The TEXT category's lettering tools: TYPING (82) writes a line key by key at a clicked point;
// SHADOW TEXT (77), EXPLODING TEXT (78) and EXTRUDED TEXT (76) fit the words of the text dialog
// to the width of a box, with dark copies behind them; ROTATED TEXT (79) turns the words of the
// angle dialog about the clicked point. Every tool draws TextBuffer in FontName with the raster
// layer's text output, straight on the canvas.
#pragma once

#include "gdi/gdi.h"

namespace pd {

// Logical pixels per inch of our surfaces (a dense screen magnifies them by whole factors).
inline constexpr int kPixelsPerInch = 96;

enum : int {
  kExtrudedTextTool = 76,
  kShadowTextTool = 77,
  kExplodingTextTool = 78,
  kRotatedTextTool = 79,
  kTypingTool = 82,
};

// The pixel height of a size in points, rounded to nearest.
int PointsToPixels(int points);
// The width of TextBuffer in FontName at character height h, on dc.
int TextWidthAt(const gdi::HDC& dc, int h);
// The binary search for the character height at which TextBuffer fills width w; returns the
// height of the last step tried (not the closest). slack ends the search early.
int FitTextSize(const gdi::HDC& dc, int w, int slack);
int FitTextSize(int w, int slack);  // on the canvas

// The drawing of each tool on the canvas, once TextBuffer holds the words. The box is given by
// its left, its width and its top (EXPLODING TEXT: its bottom).
void ShadowText(int left, int top, int w, int direction);
void ExtrudedText(int left, int top, int w, int direction);
void ExplodingText(int left, int bottom, int w, int direction);
void RotatedText(int x, int y);

// The release of the box tools at (x, y), the box pulled out from (AnchorX, AnchorY): the text
// dialog, then the tool's text. Nothing happens for a box of no width or height.
void BoxTextEnd(int tool, int x, int y);
// The release of ROTATED TEXT: the angle dialog, then the text about (x, y).
void RotatedTextEnd(int x, int y);

// TYPING. StartTyping opens a line whose top-left is 16 pixels above the press, with the caret
// block; TypeKey takes each character from the main window (Backspace removes, Enter commits,
// a line holds at most 254); FinishTyping commits the line without the caret.
void StartTyping(int x, int y);
void TypeKey(char c);
void FinishTyping();
// Draws the open line and its caret again over the restored picture (after the program was
// switched back to).
void RedrawTypingLine();

}  // namespace pd
