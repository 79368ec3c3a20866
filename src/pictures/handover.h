// Handing the picture to the rest of the desktop: the clipboard and the wallpaper.
#pragma once

#include "gdi/gdi.h"

namespace pd {

// CLIPBOARD: the picture goes on the desktop's clipboard as an image.
void CopyPictureToClipboard();
// WALLPAPER: the picture is written to "TEMP.BMP" in the data directory and made the desktop's
// wallpaper. A file that cannot be written, or a desktop whose wallpaper cannot be set, is said in
// a message; nothing else changes.
void MakeWallpaper();

}  // namespace pd
