// The option panels under the colour palette and the fill-style chart of the chooser.
//
// A panel picture holds one strip of 50 rows per option value. Every strip shows all the
// buttons of the panel where the program takes their presses, with the button of that strip's
// value lit, so a child sees what each press does and which choice is in force.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace art {

namespace fs = std::filesystem;

// A panel picture and its size, for the checks of the generator's output.
struct PanelPicture {
  std::string name;
  int width, height;
};
// Every option-panel picture and the fill-style chart, in the order they are drawn.
const std::vector<PanelPicture>& PanelPictures();

// The fill-style panel's "a3.kvr" leaves this box of its picture plain: the program draws its
// preview figure there (window y 299..325 with the panel at y 280). Edges included.
inline constexpr int kPreviewLeft = 15, kPreviewTop = 19, kPreviewRight = 65, kPreviewBottom = 45;

// "a2.kvr" .. "a24.kvr", "a28.kvr", "a43.kvr" .. "a50.kvr", "a70.kvr" .. "a79.kvr", "a84.kvr".
void DrawOptionPanels(const fs::path& dir);
// "fstyles.kvr": the 319 x 282 chart of the 32 fill styles. Reads "pa00.kvr" .. "pa07.kvr" and
// "pb1.kvr" .. "pb8.kvr" from dir, drawing them first when they are not there yet.
void DrawFillStyleChart(const fs::path& dir);

}  // namespace art
