// The artwork generator: each routine draws one group of the program's pictures into `dir`.
#pragma once

#include <filesystem>

#include "gdi/gdi.h"

namespace art {

namespace fs = std::filesystem;

// "a1.kvr": the UNDO button and the sixteen colour-row buttons.
void DrawPaletteButtons(const fs::path& dir);
// "a911.kvr": the ABOUT and QUIT buttons of the top right corner.
void DrawCornerButtons(const fs::path& dir);
// "a900.kvr": the animated icon strip of the first category, the pencils.
void DrawPencilStrip(const fs::path& dir);
// "a901.kvr" .. "a908.kvr" and "a910.kvr": the icon strips of categories 2 to 10.
void DrawPaintStrip(const fs::path& dir);
void DrawDrawingStrip(const fs::path& dir);
void Draw3dStrip(const fs::path& dir);
void DrawShapeStrip(const fs::path& dir);
void DrawTextStrip(const fs::path& dir);
void DrawEraserStrip(const fs::path& dir);
void DrawMagicStrip(const fs::path& dir);
void DrawPictureStrip(const fs::path& dir);
void DrawPcStrip(const fs::path& dir);
// "icons/iconN.kvr": the icons of the ten category tabs.
void DrawTabIcons(const fs::path& dir);
// "pa00.kvr" .. "pa07.kvr" (8 x 8 patterns) and "pb1.kvr" .. "pb8.kvr" (54 x 54 textures).
void DrawPatterns(const fs::path& dir);
void DrawTextures(const fs::path& dir);
// The pictures of the "Music and Sound Control" window.
void DrawJukeboxPictures(const fs::path& dir);
// "prtport.kvr", "prtland.kvr", "prtgo.kvr" and "prtstop.kvr": the print placement dialog's buttons.
void DrawPrintPictures(const fs::path& dir);
// "cursors/cursorN.kvr" and "cursors/hotspots.txt".
void DrawCursors(const fs::path& dir);
// "about.kvr" and "aboutbtn.kvr": the pictures of the ABOUT window.
void DrawAboutPictures(const fs::path& dir);
// "a85.kvr" (the thumbnail browser's background) and "savenew.kvr" (the save query's button).
void DrawBrowserPictures(const fs::path& dir);
// "art/level1.bmp" .. "art/level8.bmp": the backgrounds, and "art/cb1.bmp" .. "art/cb8.bmp": the
// colouring-book pages, 1024 x 676.
void DrawBackgrounds(const fs::path& dir);
void DrawColouringPages(const fs::path& dir);
// "a930.kvr", "a931.kvr" and "a932.kvr": the sprite sheets of BOMB, TRAIN and BILLY BRUSH.
void DrawSprites(const fs::path& dir);
// The icon stamps and their chooser picture, the square and large stamps, the clip-art
// metafiles, the square-stamp template "a22.kvr" and the choosers' buttons.
void DrawStampsAndClipArt(const fs::path& dir);
// "dlgok.kvr", "dlgno.kvr", "dlgerase.kvr": the text and signature dialogs' buttons, and the
// blank signature "name.sig".
void DrawDialogPictures(const fs::path& dir);
// A round green button (40 x 40) with a white tick, drawn in `outline` on `background`, with a
// `highlight` at its top left: the dialogs' accept button and the music window's close button.
void TickButton(const fs::path& file, gdi::COLORREF background, gdi::COLORREF outline, gdi::COLORREF highlight);
// "icon.kvr" (64 x 64) and "icon256.kvr" (256 x 256): the program icon.
void DrawProgramIcon(const fs::path& dir);
// "NxN/apps/pindoodle.png" for N = 16, 24, 32, 48, 64, 128 and 256: the desktop's icons of the
// program, with clear corners, for the hicolor theme.
void DrawDesktopIcons(const fs::path& dir);

}  // namespace art
