// Reading the program's pictures from the asset directory.
#pragma once

#include <string>

#include "gdi/gdi.h"

namespace pd {

// Loads a picture from AssetDir + name, matching the name without regard to case. On failure
// shows the reader's message in a message box and returns null: the event that wanted the
// picture ends there and the program goes on.
gdi::HBITMAP LoadAssetBitmap(const std::string& name);
// An icon or cursor read quietly from a 32 x 64 sheet in the asset directory: the AND mask in the
// top half (white where what lies beneath shows through), the image in the bottom half. Null when
// the file is missing, unreadable or smaller than that.
gdi::HICON LoadIconSheet(const std::string& name, int hot_x = 0, int hot_y = 0);
// The path of an asset, matched without regard to case; the path as given when none matches.
std::string AssetPath(const std::string& name);

// Shows a message box with the program's caption, owned by the canvas window.
int ShowMessage(const std::string& text, unsigned flags);

}  // namespace pd
