#include "app/actions.h"

#include "app/about.h"
#include "app/mainunit.h"
#include "app/panels.h"
#include "app/toolpalette.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "effects/erasers.h"
#include "media/jukebox.h"
#include "pictures/picturestore.h"
#include "pictures/clipart.h"
#include "pictures/stamps.h"
#include "pictures/handover.h"
#include "pictures/printing.h"
#include "platform/platform.h"
#include "regiontools/signature.h"

namespace pd {

namespace {

// Repaints the canvas panel from the snapshot after a modal window covered it.
void RepaintCanvas() {
  if (CanvasWindow) CanvasWindow->Invalidate();
  RestoreCanvasSnapshot();
}

// The whole-canvas effects of the ERASERS and MAGIC categories. WIPE and BRICKS draw their
// variant 1..8 at random.
void RunScreenEffect(Action action) {
  switch (action) {
    case Action::WipeWhite:
      WipeScreenWhite(Random(8) + 1);
      return;
    case Action::Chalkboard:
      ChalkboardScreen();
      return;
    case Action::Bricks:
      BrickScreen(Random(8) + 1);
      return;
    case Action::Stars:
      StarScreen();
      return;
    case Action::BlackHole:
      BlackHoleScreen();
      return;
    case Action::Paper:
      PaperScreen();
      return;
    case Action::Shade:
      ShadeScreen();
      return;
    case Action::BugSplattedWindshield:
      WindshieldScreen();
      return;
    case Action::Morph:
      MorphScreen();
      return;
    case Action::Tunnel:
      TunnelScreen();
      return;
    default:
      return;
  }
}

// Every screen eraser makes a new picture: the next SAVE must not replace the file the old one
// came from, and the bucket must no longer treat the canvas as a colouring-book page. Neither
// touches the selected tool.
void EraseScreen(Action action) {
  CurrentPictureName.clear();
  RunScreenEffect(action);
  ColorbookMode = false;
}


// A colouring-book page is on the canvas: the child goes straight to the BUCKET of the PAINT
// tab, whose fill never covers the page's black outlines.
void OpenPaintBucket() {
  if (MainForm && !MainForm->ChangeCategory(1)) return;
  DrawSlotMarker(2);
  CurrentTool = 58;
  FillStylePanelShown = true;
  FillStyle = 1;
  CurrentCategory = 2;
  DrawFillStylePanel();
  ColorbookMode = true;
}

}  // namespace

void RunAction(const ToolSlot& slot) {
  switch (slot.action) {
    case Action::None:
      return;
    case Action::Signature:
      SignatureAction();
      return;
    case Action::WipeWhite:
    case Action::Chalkboard:
    case Action::Bricks:
    case Action::Stars:
    case Action::BlackHole:
    case Action::Paper:
    case Action::Shade:
    case Action::BugSplattedWindshield:
    case Action::Morph:
      EraseScreen(slot.action);
      return;
    case Action::Tunnel:
      // TUNNEL changes neither the picture name, the colouring-book mode nor the tool.
      RunScreenEffect(slot.action);
      return;
    case Action::WideStamp:
      ChooseLargeStamp(4);
      return;
    case Action::TallStamp:
      ChooseLargeStamp(3);
      return;
    case Action::Stamps64:
      ChooseSquareStamp();
      return;
    case Action::Stamps32:
      ChooseIconStamp();
      return;
    case Action::ClipArt:
      ChooseClipArt();
      return;
    case Action::Backgrounds:
      LoadBackground();
      return;
    case Action::Colorbook:
      if (LoadColorbookPage()) OpenPaintBucket();
      return;
    case Action::Open:
      OpenPicture();
      return;
    case Action::Delete:
      DeletePicture();
      return;
    case Action::Save:
      SavePicture();
      return;
    case Action::Print:
      PrintAction();
      return;
    case Action::PrintSetup:
      PrintSetupAction();
      return;
    case Action::Clipboard:
      CopyPictureToClipboard();
      return;
    case Action::Wallpaper:
      MakeWallpaper();
      return;
    case Action::About:
      ShowAbout();
      RepaintCanvas();
      return;
    case Action::SoundControl:
      SoundControl();
      return;
  }
}

}  // namespace pd
