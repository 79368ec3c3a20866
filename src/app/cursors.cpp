// The cursors of the tools, read from the asset directory and registered by number.
#include <fstream>
#include <map>
#include <sstream>

#include "app/mainunit.h"
#include "core/assets.h"
#include "core/state.h"

namespace pd {

namespace {

// Screen cursor number -> the cursor picture it shows. Number 19 shows picture 21 and so on:
// picture 19 is never registered, and 32 shows picture 20.
constexpr std::pair<int, int> kCursorTable[] = {
    {1, 1},   {2, 2},   {3, 3},   {4, 4},   {5, 5},   {6, 6},   {7, 7},   {8, 8},   {9, 9},
    {10, 10}, {11, 11}, {12, 12}, {13, 13}, {14, 14}, {15, 15}, {16, 16}, {17, 17}, {18, 18},
    {19, 21}, {20, 22}, {21, 23}, {22, 24}, {23, 25}, {24, 26}, {25, 27}, {26, 28}, {27, 29},
    {28, 30}, {29, 31}, {30, 32}, {31, 33}, {32, 20}, {34, 34}};

std::map<int, std::pair<int, int>> ReadHotSpots() {
  std::map<int, std::pair<int, int>> spots;
  std::ifstream f(AssetPath("cursors/hotspots.txt"));
  int n, x, y;
  while (f >> n >> x >> y) spots[n] = {x, y};
  return spots;
}

// A cursor picture with the hot spot hotspots.txt gives it, (0, 0) when the file lists none.
gdi::HCURSOR LoadCursorPicture(int picture, const std::map<int, std::pair<int, int>>& spots) {
  auto it = spots.find(picture);
  const int hx = it == spots.end() ? 0 : it->second.first;
  const int hy = it == spots.end() ? 0 : it->second.second;
  return LoadIconSheet("cursors/cursor" + std::to_string(picture) + ".kvr", hx, hy);
}

}  // namespace

void RegisterCursors() {
  const auto spots = ReadHotSpots();
  for (const auto& [number, picture] : kCursorTable) {
    // A missing cursor picture leaves the arrow in its place.
    platform::RegisterCursor(number, LoadCursorPicture(picture, spots));
  }
}

}  // namespace pd
