#include "pictures/handover.h"

#include <new>
#include <string>

#include "core/assets.h"
#include "core/canvas.h"
#include "core/datadir.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "gdi/bmp.h"
#include "platform/platform.h"

namespace pd {

namespace {

// Lets the windows take what is waiting for them (the clipboard's owner is asked for its
// formats meanwhile), then puts the canvas back as it was.
void SettleAndRestore() {
  if (platform::Application::Exists()) platform::Application::Instance().ProcessMessages();
  RestoreCanvasSnapshot();
}

}  // namespace

gdi::HBITMAP CanvasPicture() {
  if (!CanvasWindow || CanvasWidth <= 0 || CanvasHeight <= 0) return nullptr;
  gdi::HBITMAP picture;
  try {
    picture = gdi::CreateDIBSection32(CanvasWidth, CanvasHeight);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  if (!picture) return nullptr;
  picture->Fill(0xFFFFFF);
  WindowCanvas canvas(CanvasWindow);
  BitmapCanvas target(picture);
  gdi::BitBlt(target.dc(), 0, 0, CanvasWidth, CanvasHeight, canvas.dc(), 0, 0, gdi::SRCCOPY);
  return picture;
}

void CopyPictureToClipboard() {
  SaveCanvasSnapshot();
  const gdi::HBITMAP picture = CanvasPicture();
  if (!picture) {
    ShowMessage("There is not enough memory to copy the picture.",
                platform::MB_OK | platform::MB_ICONWARNING);
  } else if (!platform::Desktop().CopyBitmapToClipboard(picture)) {
    ShowMessage("The picture could not be put on the clipboard.", platform::MB_OK | platform::MB_ICONWARNING);
  }
  SettleAndRestore();
}

void MakeWallpaper() {
  SaveCanvasSnapshot();
  const std::string path = DataPath("TEMP.BMP");
  std::string error;
  gdi::HBITMAP picture = CanvasPicture();
  if (!picture) {
    ShowMessage("There is not enough memory to make the wallpaper.",
                platform::MB_OK | platform::MB_ICONWARNING);
  } else if (!gdi::SaveBmp24(path, *picture, &error)) {
    ShowMessage(error, platform::MB_OK | platform::MB_ICONWARNING);
  } else {
    picture = nullptr;  // freed before the desktop is asked
    if (!platform::Desktop().SetDesktopWallpaper(path, &error))
      ShowMessage("The picture could not be made the wallpaper: " + error + ".",
                  platform::MB_OK | platform::MB_ICONWARNING);
  }
  SettleAndRestore();
}

}  // namespace pd
