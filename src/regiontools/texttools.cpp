#include "regiontools/texttools.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/ansi.h"
#include "core/canvas.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "regiontools/boxtools.h"
#include "regiontools/textdialogs.h"

namespace pd {

namespace {

using namespace gdi;

// The longest line TYPING keeps.
constexpr std::size_t kMaxTypedLength = 254;

int g_typing_x = 0, g_typing_y = 0;
RECT g_caret{};  // left, top, width, height

COLORREF FrontColour() { return CurrentColour | kPaletteRelative; }
// The darkest shade of the current colour's row.
COLORREF DarkColour() { return PaletteColours[static_cast<std::size_t>(ColourRow) * 10 + 9] | kPaletteRelative; }

HFONT TextFont(int height, int escapement = 0) {
  return CreateFontA(height, 0, escapement, escapement, 0, 0, 0, 0, 0, 0, 0, 0, 0, FontName.c_str());
}

// TextBuffer at (x, y) in colour with the font selected into dc.
void Draw(const HDC& dc, int x, int y, COLORREF colour) {
  const std::string text = TextBufferText();
  SetTextColor(dc, colour);
  TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

// Selects a font for the length of a scope and deletes it afterwards.
class ScopedFont {
 public:
  ScopedFont(const HDC& dc, HFONT font) : dc_(dc), font_(std::move(font)), old_(SelectObject(dc, font_)) {}
  ~ScopedFont() { SelectObject(dc_, old_); }

 private:
  const HDC& dc_;
  HFONT font_;
  HGDIOBJ old_;
};

void DrawCaret(const HDC& dc) {
  HPEN pen = CreatePen(PS_SOLID, 1, FrontColour());
  HBRUSH brush = CreateSolidBrush(FrontColour());
  HGDIOBJ old_pen = SelectObject(dc, pen), old_brush = SelectObject(dc, brush);
  Rectangle(dc, g_caret.left, g_caret.top, g_caret.left + g_caret.right, g_caret.top + g_caret.bottom);
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
}

// The typed line over the restored picture, with the caret after it when asked.
void DrawTypedLine(bool caret) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  ScopedFont font(dc, TextFont(-PointsToPixels(PenSize * 7)));
  SetBkMode(dc, TRANSPARENT);
  const std::string text = TextBufferText();
  SIZE extent{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  Draw(dc, g_typing_x, g_typing_y, FrontColour());
  if (!caret) return;
  g_caret.left = g_typing_x + extent.cx;
  DrawCaret(dc);
}

}  // namespace

int PointsToPixels(int points) {
  return static_cast<int>(std::nearbyint(static_cast<double>(points) * kPixelsPerInch / 72.0));
}

int TextWidthAt(const HDC& dc, int h) {
  ScopedFont font(dc, TextFont(-h));
  const std::string text = TextBufferText();
  SIZE extent{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  return extent.cx;
}

int FitTextSize(const HDC& dc, int w, int slack) {
  int lo = 2, hi = 152, h = 10;
  do {
    if (std::abs(hi - lo) <= 1 || lo == hi) break;
    const int mid = lo + (hi - lo) / 2;
    h = PointsToPixels(mid);
    const int t = TextWidthAt(dc, h);
    if (t == w) break;
    if (t > w) {
      hi = mid;
    } else {
      lo = mid;
    }
  } while (std::abs(hi - lo) >= slack);
  return h;
}

int FitTextSize(int w, int slack) {
  WindowCanvas canvas(CanvasWindow);
  return FitTextSize(canvas.dc(), w, slack);
}

namespace {

// Lettering drawn from the top left of a box, over what is there: the height that fits the box's
// width.
int PrepareBoxText(const HDC& dc, int w) {
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  return FitTextSize(dc, w, 3);
}

}  // namespace

void ShadowText(int left, int top, int w, int direction) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  const int h = PrepareBoxText(dc, w), o = h / 10;
  ScopedFont font(dc, TextFont(-h));
  static constexpr int kDx[8] = {0, 0, -1, 0, 1, -1, 0, 1}, kDy[8] = {0, 0, -1, -1, -1, 1, 1, 1};
  if (direction >= 2 && direction <= 7) Draw(dc, left + kDx[direction] * o, top + kDy[direction] * o, DarkColour());
  Draw(dc, left, top, FrontColour());
}

void ExtrudedText(int left, int top, int w, int direction) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  const int h = PrepareBoxText(dc, w), s = h / 3;
  ScopedFont font(dc, TextFont(-h));
  // Per direction: the dark copy i at (left + ax + bx * i, top + ay + by * i), the front copy at
  // (left + fx, top + fy), with s + 1 standing for the depth.
  struct Step {
    int ax, bx, ay, by, fx, fy;
  };
  const int d = s + 1;
  const Step steps[8] = {{}, {}, {0, 1, 0, 1, d, d}, {0, 0, 0, 1, 0, d}, {0, -1, 0, 1, -d, d},
                         {0, 1, d, -1, d, 0}, {0, 0, d, -1, 0, 0}, {d, -1, d, -1, 0, 0}};
  if (direction < 2 || direction > 7) {
    Draw(dc, left, top, FrontColour());
    return;
  }
  const Step& st = steps[direction];
  for (int i = 0; i <= s; ++i) Draw(dc, left + st.ax + st.bx * i, top + st.ay + st.by * i, DarkColour());
  Draw(dc, left + st.fx, top + st.fy, FrontColour());
}

void ExplodingText(int left, int bottom, int w, int direction) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  const int h = FitTextSize(dc, w, 2);
  const int cx = left + w / 2, o = w / 8, sign = direction == 1 ? -1 : 1;
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_BASELINE | TA_CENTER);
  for (int k = 0; k <= o; ++k) {
    const int height = h - o + k;
    if (height <= 0) continue;
    ScopedFont font(dc, TextFont(height));
    Draw(dc, cx, bottom + sign * k, DarkColour());
  }
  ScopedFont font(dc, TextFont(h));
  Draw(dc, cx, bottom + sign * o, FrontColour());
}

void RotatedText(int x, int y) {
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  ScopedFont font(dc, TextFont(-PointsToPixels(PenSize * 7), TextAngle * 10));
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_BASELINE | TA_CENTER);
  Draw(dc, x, y, FrontColour());
}

void BoxTextEnd(int tool, int x, int y) {
  if (x == AnchorX || y == AnchorY) return;
  EraseTrackedBox();
  SaveCanvasSnapshot();
  if (CanvasWindow) CanvasWindow->SetCursor(0);
  ShowTextInput();
  if (CanvasWindow) CanvasWindow->Invalidate();
  RestoreCanvasSnapshot();
  if (TextBuffer[0] == 0) return;
  const int left = std::min(AnchorX, x), w = std::max(AnchorX, x) - left;
  switch (tool) {
    case kShadowTextTool:
      ShadowText(left, std::min(AnchorY, y), w, ShadowDirection);
      break;
    case kExtrudedTextTool:
      ExtrudedText(left, std::min(AnchorY, y), w, ShadowDirection);
      break;
    case kExplodingTextTool:
      ExplodingText(left, std::max(AnchorY, y), w, ExplodeDirection);
      break;
    default:
      break;
  }
}

void RotatedTextEnd(int x, int y) {
  SaveCanvasSnapshot();
  if (CanvasWindow) CanvasWindow->SetCursor(0);
  ShowRotator();
  if (CanvasWindow) CanvasWindow->Invalidate();
  RestoreCanvasSnapshot();
  if (TextBuffer[0] == 0) return;
  RotatedText(x, y);
}

void StartTyping(int x, int y) {
  SaveCanvasSnapshot();
  g_typing_x = x;
  g_typing_y = y - 16;
  TypingActive = true;
  TextBuffer.fill(0);
  g_caret = {g_typing_x, g_typing_y, PenSize, PenSize * 9};
  WindowCanvas canvas(CanvasWindow);
  DrawCaret(canvas.dc());
}

void TypeKey(char c) {
  if (!TypingActive) return;
  RestoreCanvasSnapshot();
  const std::size_t n = std::strlen(TextBuffer.data());
  if (c == 8) {
    if (n > 0) TextBuffer[n - 1] = 0;
  } else if (n >= kMaxTypedLength) {
    // A full line takes no more keys, Enter included; it is drawn again as it was.
  } else if (c == 13) {
    FinishTyping();
    return;
  } else if (c != 0) {
    TextBuffer[n] = c;
  }
  DrawTypedLine(true);
}

void FinishTyping() {
  RestoreCanvasSnapshot();
  DrawTypedLine(false);
  TypingActive = false;
}

void RedrawTypingLine() {
  if (TypingActive) DrawTypedLine(true);
}

}  // namespace pd
