// The fills of shapes and the bucket, by FillStyle: styles 0..15 are brushes (hollow, solid,
// six hatches, eight patterns), 16..23 ten-band gradients of the current colour's row and 24..31
// tiled textures, both painted through the clip region of the shape.
#pragma once

#include "core/state.h"
#include "gdi/gdi.h"

namespace pd {

// The first fill styles of each family.
constexpr int kFirstPatternStyle = 8;
constexpr int kFirstGradientStyle = 16;
constexpr int kFirstTextureStyle = 24;
constexpr int kFillStyleCount = 32;
// The side of a texture tile, in pixels.
constexpr int kTextureTile = 54;

// The shapes whose region GradientFillShape and TextureFillShape fill. The polygon kinds are the
// numbers of the tools that pass them; their vertices are the first ShapePointCount entries of
// ShapePoints.
enum : int {
  kRegionRectangle = 31,
  kRegionRoundRect = 32,
  kRegionEllipse = 33,
};
bool IsPolygonRegionKind(int kind);

// The region of a shape over the box (x1, y1)-(x2, y2), whose corners are in order: a rectangle,
// a rounded rectangle with corners cw x ch, an ellipse, or the polygon of ShapePoints (ALTERNATE
// fill). Null for any other kind.
gdi::HRGN MakeShapeRegion(int kind, int x1, int y1, int x2, int y2, int cw, int ch);

// The brush of fill style 0..15 in `colour` (callers pass CurrentColour with the palette-relative
// flag): 0 hollow, 1 solid, 2..7 the hatches horizontal, vertical, cross, diagonal up, diagonal
// down and diagonal cross, 8..15 the top-left 8x8 pixels of "pa00.kvr".."pa07.kvr" with every
// pure black pixel turned into CurrentColour (always CurrentColour, whatever `colour` is) and the
// others kept. The pattern is copied into the brush, so nothing else needs to be kept alive.
// A style outside 0..15 gives the solid brush. A pattern file that cannot be read has had its
// message shown and gives a hollow brush, so the figure keeps its outline and nothing is left
// behind. Callers that fill with a style below 8 set SetBkMode(dc, TRANSPARENT) so that the gaps
// of a hatch show the picture beneath.
gdi::HBRUSH MakeFillBrush(int style, COLORREF colour);

// Fills the region of a shape (MakeShapeRegion's kinds) with ten bands of 2-pixel lines in the
// shades of ColourRow, as FillStyle 16..23 says: 16 and 17 run left to right, 18 and 19 top to
// bottom, 20 and 23 along one diagonal, 21 and 22 along the other; 16, 18, 20 and 22 start from
// the darkest shade, the others from the lightest. The corners may come in either order.
// Does nothing for another FillStyle or kind.
void GradientFillShape(int kind, int x1, int y1, int x2, int y2, int cw, int ch);

// Fills the region of a shape with 54 x 54 tiles of the texture of FillStyle 24..31 ("pb1.kvr"..
// "pb8.kvr"), laid from the top-left corner of the box, one extra row and column always drawn
// and everything clipped to the region. A texture that cannot be read has had its message shown
// and nothing is drawn. Does nothing for another FillStyle or kind.
void TextureFillShape(int kind, int x1, int y1, int x2, int y2, int cw, int ch);

}  // namespace pd
