// Icon strips: ten animated 40 x 40 tool icons in six frames of 400 x 40, one below the other at
// a pitch of 41 rows (one black row between frames).
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "canvas.h"
#include "palette.h"
#include "props.h"

namespace art {

constexpr int kIconSize = 40;
constexpr int kStripFrames = 6;
constexpr int kFramePitch = 41;
constexpr int kStripWidth = 10 * kIconSize;
constexpr int kStripHeight = (kStripFrames - 1) * kFramePitch + kIconSize;  // 245

// The thin black outline of the props the icons show.
inline constexpr Look kThin{1, kBlack};

// Draws one icon in the 40 x 40 design square; t runs from 0 (first frame) to 1 (last frame).
using IconRoutine = std::function<void(Painter&, double t)>;

// The rounded, outlined backing square shared by the icons.
void Tile(Painter& p, COLORREF fill);
// Limits what is drawn next to the inside of the backing square, so that a scene can fill the
// tile right up to its rounded corners; DrawStrip lifts the limit after each icon.
void ClipToTile(Painter& p);
// The backing square's outline alone, drawn again over a scene that reaches the edge.
void TileOutline(Painter& p);
// Fills the part of the backing square's inside between design rows y0 and y1, following its
// rounded corners: for skies, water and ground that reach the edge of the tile.
void TileBand(Painter& p, double y0, double y1, COLORREF fill);
// Draws the icons of slots 1..10 (fewer leave the rest black) into all six frames.
void DrawStrip(const std::filesystem::path& file, const std::vector<IconRoutine>& icons);

}  // namespace art
