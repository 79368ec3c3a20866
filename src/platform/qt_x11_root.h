// The X root window's background. Private to the Qt backend.
#pragma once

#include <string>

namespace platform::x11 {

// Puts the bitmap file, scaled to cover the screen, as the root window's background for the rest
// of the X session.
bool SetRootBackground(const std::string& bitmap_path, std::string* error);

}  // namespace platform::x11
