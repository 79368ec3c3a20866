#include "regiontools/stamps.h"

#include <algorithm>
#include <string>

#include "core/assets.h"
#include "core/canvas.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "gdi/bmp.h"
#include "media/sound.h"
#include "platform/platform.h"

namespace pd {

namespace {

constexpr int kLargeStampTool = 51;
constexpr int kTall = 3, kWide = 4;

struct StampLayout {
  int e = 0, f = 0;    // half width and half height of the placed area
  int mx = 0, my = 0;  // where the mask lies in StampSheet
};

StampLayout CurrentLayout() {
  if (CurrentTool == kLargeStampTool) {
    if (LargeStampKind == kTall) return {50, 100, 100, 0};
    if (LargeStampKind == kWide) return {100, 50, 0, 100};
    return {};
  }
  return {StampWidth / 2, StampHeight / 2, StampWidth, 0};
}

}  // namespace

void PlaceStamp(int x, int y, int prev_x, int prev_y) {
  using namespace gdi;
  const StampLayout s = CurrentLayout();
  if (!StampSheet || !StampWork || !CanvasSnapshot || s.e <= 0 || s.f <= 0) return;
  const int w = 2 * s.e, h = 2 * s.f;
  WindowCanvas canvas(CanvasWindow);
  BitmapCanvas snapshot(CanvasSnapshot), sheet(StampSheet), work(StampWork);
  BitBlt(canvas.dc(), prev_x - s.e, prev_y - s.f, w, h, snapshot.dc(), prev_x - s.e, prev_y - s.f, SRCCOPY);
  // Where the new place reaches past the snapshot, the work bitmap keeps what it held; only the
  // part on the canvas is copied back, so that is never seen.
  BitBlt(work.dc(), 0, 0, w, h, snapshot.dc(), x - s.e, y - s.f, SRCCOPY);
  BitBlt(work.dc(), 0, 0, w, h, sheet.dc(), s.mx, s.my, SRCAND);
  BitBlt(work.dc(), 0, 0, w, h, sheet.dc(), 0, 0, SRCPAINT);
  BitBlt(canvas.dc(), x - s.e, y - s.f, w, h, work.dc(), 0, 0, SRCCOPY);
}

void FreeStampSheets() {
  StampSheet.reset();
  StampWork.reset();
}

void LargeStampStart(int x, int y) {
  SaveCanvasSnapshot();
  FreeStampSheets();
  std::string error;
  gdi::HBITMAP sheet = gdi::LoadBmpFile(ChosenFile, &error);
  if (!sheet) {
    ShowMessage(error, platform::MB_OK | platform::MB_ICONERROR);
    return;
  }
  // The work bitmap is a second copy of the file, so it has the file's size.
  StampWork = gdi::CreateDIBSection32(sheet->Width(), sheet->Height());
  std::copy_n(sheet->Pixels(), static_cast<std::size_t>(sheet->Width()) * sheet->Height(),
              StampWork->Pixels());
  StampSheet = std::move(sheet);
  PlaceStamp(x, y, x, y);
}

void LargeStampDrag(int x, int y) {
  PlaceStamp(x, y, LastX, LastY);
}

void LargeStampEnd(int x, int y) {
  if (StampSheet) {
    PlaySoundEffect(5);
    PlaceStamp(x, y, LastX, LastY);
  }
  FreeStampSheets();
}

void SquareStampStart(int x, int y) {
  SaveCanvasSnapshot();
  PlaceStamp(x, y, x, y);
}

void SquareStampDrag(int x, int y) {
  PlaceStamp(x, y, LastX, LastY);
}

void SquareStampEnd(int x, int y) {
  PlaySoundEffect(5);
  PlaceStamp(x, y, LastX, LastY);
}

void IconStamp(int x, int y) {
  if (!StampIcon) return;
  WindowCanvas canvas(CanvasWindow);
  gdi::DrawIcon(canvas.dc(), x - 16, y - 16, StampIcon);
}

}  // namespace pd
