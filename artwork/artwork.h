// The artwork generator: each routine draws one group of the program's pictures into `dir`.
#pragma once

#include <filesystem>

namespace art {

namespace fs = std::filesystem;

// "a1.kvr": the UNDO button and the sixteen colour-row buttons.
void DrawPaletteButtons(const fs::path& dir);
// "a911.kvr": the ABOUT and QUIT buttons of the top right corner.
void DrawCornerButtons(const fs::path& dir);
// "a900.kvr": the animated icon strip of the first category, the pencils.
void DrawPencilStrip(const fs::path& dir);
// "cursors/cursorN.kvr" and "cursors/hotspots.txt".
void DrawCursors(const fs::path& dir);
// "about.kvr" and "aboutbtn.kvr": the pictures of the ABOUT window.
void DrawAboutPictures(const fs::path& dir);
// "icon.kvr" (64 x 64) and "icon256.kvr" (256 x 256): the program icon.
void DrawProgramIcon(const fs::path& dir);

}  // namespace art
