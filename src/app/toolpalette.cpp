#include "app/toolpalette.h"

#include <string>

#include "app/actions.h"
#include "app/dispatch.h"
#include "app/mainunit.h"
#include "app/panels.h"
#include "app/tooltable.h"
#include "core/assets.h"
#include "core/canvas.h"
#include "core/snapshot.h"
#include "media/sound.h"

namespace pd {

using platform::MouseButton;

namespace {

// The icon of the tab of index 0..9: "icons/icon1.kvr" .. "icons/icon9.kvr" and, for the tenth
// tab, "icons/icon11.kvr". A missing or short file gives no icon and the tab stays black.
gdi::HICON LoadTabIcon(int index) {
  const int number = index <= 8 ? index + 1 : 11;
  return LoadIconSheet("icons/icon" + std::to_string(number) + ".kvr");
}

// The second step of the PARALLELOGRAM holds the button down without a press, so that the mouse
// rubber-bands its last side. A button or a tab that takes the child elsewhere lets it go: the
// next tool must not drag without a press, and the parallelogram starts again at its first step.
void ReleaseHeldButton() {
  ButtonHeld = false;
  StrokeStarted = false;
  if (CurrentTool == 55) CurrentTool = 54;
}

// Where the icon of the tab of index 0..9 sits on the tab set.
int TabIconLeft(int index) {
  return 36 * index + (index <= 6 ? 12 : 17);
}

}  // namespace

void DrawSlotMarker(int index) {
  using namespace gdi;
  WindowCanvas canvas(MainWindow);
  const HDC& dc = canvas.dc();
  FillBlack(dc, 100, 50, 500, 62);
  if (index >= 11) return;
  HPEN pen = CreatePen(PS_SOLID, 1, PaletteColours[kRedIndex] | kPaletteRelative);
  HBRUSH brush = CreateSolidBrush(PaletteColours[kRedIndex] | kPaletteRelative);
  SelectObject(dc, pen);
  SelectObject(dc, brush);
  // A small triangle pointing up under the button.
  const POINT tri[4] = {
      {40 * index + 120, 51}, {40 * index + 100, 59}, {40 * index + 140, 59}, {40 * index + 120, 51}};
  Polygon(dc, tri, 4);
  SelectObject(dc, GetStockObject(BLACK_PEN));
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
}

void SetButtonDescriptions() {
  if (!MainForm) return;
  for (int k = 1; k <= kSlotCount; ++k) {
    const char* description = ToolSlotAt(CurrentCategory, k).description;
    MainForm->Image(k).SetHint(description ? description : "");
  }
}

void ResetOptionPanels() {
  PlaySoundEffect(6);
  SaveCanvasSnapshot();
  TypingActive = false;
  HideAllPanels();
}

int TabIndexAt(int x) {
  return x < 228 ? (x - 12) / 36 : (x - 17) / 36;
}

void Tmain::WireToolPalette() {
  for (int k = 1; k <= kSlotCount; ++k) {
    platform::Window& image = Image(k);
    image.OnMouseDown = [this, k](MouseButton, unsigned, int, int) { ImageMouseDown(k); };
    // A slot without a description shows no hint at all, not the main window's.
    image.OnHintAt = [&image](int, int) { return image.Hint(); };
  }
  tabset1_.OnPaint = [this] { TabSet1Paint(); };
  tabset1_.OnMouseMove = [this](unsigned, int x, int) { TabSet1MouseMove(x); };
  // The hint follows the mouse; past the last tab it stays what it was.
  tabset1_.OnHintAt = [this](int x, int) {
    const int index = TabIndexAt(x);
    if (index < kCategoryCount) tabset1_.SetHint(CategoryDescription(index + 1));
    return tabset1_.Hint();
  };
  tabset1_.OnMouseDown = [this](MouseButton button, unsigned, int x, int) {
    const int index = TabIndexAt(x);
    if (button == MouseButton::Left && index < kCategoryCount) TabSet1Click(index);
  };
}

void Tmain::ImageMouseDown(int k) {
  if (AnimationBusy) return;
  FinishPendingTool();
  ReleaseHeldButton();
  ResetOptionPanels();
  DrawSlotMarker(k - 1);
  const ToolSlot& slot = ToolSlotAt(CurrentCategory, k);
  if (slot.SelectsTool()) {
    CurrentTool = slot.tool;
    ShowPanels(slot.panels);
    if (slot.also) slot.also();
  } else if (slot.RunsAction()) {
    RunAction(slot);
  } else {
    // A slot without a function: the marker goes again and the tool stays as it was.
    DrawSlotMarker(12);
  }
  DrawOptionPanels();
}

void Tmain::TabSet1Click(int index) {
  PlaySoundEffect(5);
  // Whatever the tool has pending ends before its category goes: a framed selection, a stamp, a
  // forced pen size, or a parallelogram half drawn.
  FinishPendingTool();
  ReleaseHeldButton();
  if (ChangeCategory(index)) CurrentTool = 0;
}

void Tmain::TabSet1Paint() {
  using namespace gdi;
  WindowCanvas canvas(&tabset1_);
  const HDC& dc = canvas.dc();
  PatBlt(dc, 0, 0, tabset1_.ClientWidth(), tabset1_.ClientHeight(), BLACKNESS);
  // The tabs stand on the canvas below them: white, and the chosen one black with a white rim
  // open towards the canvas, drawn last so that it lies over its neighbours. Each tab is cut
  // round the place of its icon.
  const COLORREF white = RGB(255, 255, 255) | kPaletteRelative, black = RGB(0, 0, 0) | kPaletteRelative;
  const int chosen = CurrentCategory - 1;
  HPEN rim = CreatePen(PS_SOLID, 1, white);
  for (int pass = 0; pass < 2; ++pass) {
    for (int index = 0; index < kCategoryCount; ++index) {
      if ((index == chosen) != (pass == 1)) continue;
      const int x = TabIconLeft(index), bottom = tabset1_.ClientHeight();
      const POINT shape[4] = {{x - 2, bottom}, {x + 1, 0}, {x + 31, 0}, {x + 34, bottom}};
      HBRUSH fill = CreateSolidBrush(index == chosen ? black : white);
      SelectObject(dc, GetStockObject(NULL_PEN));
      SelectObject(dc, fill);
      Polygon(dc, shape, 4);
      if (index == chosen) {
        SelectObject(dc, rim);
        const POINT edge[4] = {{x - 2, bottom - 1}, {x + 1, 0}, {x + 30, 0}, {x + 33, bottom}};
        Polyline(dc, edge, 4);
      }
      SelectObject(dc, GetStockObject(BLACK_PEN));
      SelectObject(dc, GetStockObject(WHITE_BRUSH));
    }
  }
  for (int index = 0; index < kCategoryCount; ++index) TabSet1DrawTab(dc, index);
}

void Tmain::TabSet1DrawTab(const gdi::HDC& dc, int index) {
  if (index < 0 || index >= kCategoryCount) return;
  if (gdi::HICON icon = LoadTabIcon(index)) gdi::DrawIcon(dc, TabIconLeft(index), 0, icon);
}

void Tmain::TabSet1MouseMove(int x) {
  tabset1_.SetCursor(0);
  const int index = TabIndexAt(x);
  if (index < kCategoryCount) tabset1_.SetHint(CategoryDescription(index + 1));
}

}  // namespace pd
