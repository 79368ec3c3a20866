// pd_artwork OUTPUT_DIR: draws every picture of the program into OUTPUT_DIR.
// pd_artwork --icons DIR: draws the desktop icons of the program into DIR (a hicolor tree).
#include <exception>
#include <iostream>
#include <string>

#include "artwork.h"
#include "panels.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--icons") {
    try {
      art::DrawDesktopIcons(argv[2]);
    } catch (const std::exception& e) {
      std::cerr << "pd_artwork: " << e.what() << '\n';
      return 1;
    }
    return 0;
  }
  if (argc != 2) {
    std::cerr << "usage: pd_artwork OUTPUT_DIR | pd_artwork --icons DIR\n";
    return 2;
  }
  try {
    const art::fs::path dir = argv[1];
    art::fs::create_directories(dir);
    art::DrawPaletteButtons(dir);
    art::DrawCornerButtons(dir);
    art::DrawPencilStrip(dir);
    art::DrawPaintStrip(dir);
    art::DrawDrawingStrip(dir);
    art::Draw3dStrip(dir);
    art::DrawShapeStrip(dir);
    art::DrawTextStrip(dir);
    art::DrawEraserStrip(dir);
    art::DrawMagicStrip(dir);
    art::DrawPictureStrip(dir);
    art::DrawPcStrip(dir);
    art::DrawTabIcons(dir);
    art::DrawPatterns(dir);
    art::DrawTextures(dir);
    art::DrawOptionPanels(dir);
    art::DrawFillStyleChart(dir);
    art::DrawJukeboxPictures(dir);
    art::DrawPrintPictures(dir);
    art::DrawCursors(dir);
    art::DrawAboutPictures(dir);
    art::DrawProgramIcon(dir);
    art::DrawSprites(dir);
    art::DrawDialogPictures(dir);
    art::DrawBrowserPictures(dir);
    art::DrawBackgrounds(dir);
    art::DrawColouringPages(dir);
    art::DrawStampsAndClipArt(dir);
  } catch (const std::exception& e) {
    std::cerr << "pd_artwork: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
