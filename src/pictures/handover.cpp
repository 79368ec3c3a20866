#include "pictures/handover.h"

#include <string>

#include "core/assets.h"
#include "core/datadir.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "pictures/picturestore.h"
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

void CopyPictureToClipboard() {
  SaveCanvasSnapshot();
  const gdi::HBITMAP picture = CopyCanvas();
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
  gdi::HBITMAP picture = CopyCanvas();
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
