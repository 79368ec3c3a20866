// Windows metafiles (".wmf"): reading them, and playing their records through the raster layer
// stretched into a rectangle, as a picture component draws one.
//
// What the reader accepts: placeable files (the 22-byte header with a bounding box in logical
// units and the units per inch) and plain files that start with the 18-byte metafile header.
// Every record is checked when the file is read: its size must fit in the file, and each record
// the player draws must hold the parameters it reads (point counts, string lengths, region scans,
// embedded bitmaps). A file that fails any check is refused with a message; unknown records are
// skipped. Nothing a file says is allocated before it has been checked against the file's size,
// except the object table (at most 65535 slots, as the header's 16-bit count allows).
//
// The frame, the natural size and the stretch:
//  * A placeable file's frame is its bounding box; its natural size in pixels is the box at 96
//    pixels per inch, rounded to nearest.
//  * A plain file's frame is the window (origin and extent) its records set before they first
//    draw, in pixels; without one it is the box of everything the file draws.
//  * PlayMetafile maps the frame onto the target rectangle: the DC starts in MM_ANISOTROPIC with
//    the window on the frame and the viewport on the target, and the records' own mapping-mode,
//    window and viewport records act on that as they would on a real device.
//
// The player keeps the metafile's DC state (objects, modes, mapping, clip, current position) to
// itself with a SaveDC/RestoreDC stack, applies it to the caller's DC for each drawing record and
// puts the caller's DC back as it was afterwards. Drawing is clipped to the target rectangle.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gdi/gdi.h"

namespace gdi {

// Mapping modes (SetMapMode).
enum : int {
  MM_TEXT = 1,
  MM_LOMETRIC = 2,
  MM_HIMETRIC = 3,
  MM_LOENGLISH = 4,
  MM_HIENGLISH = 5,
  MM_TWIPS = 6,
  MM_ISOTROPIC = 7,
  MM_ANISOTROPIC = 8
};
// ExtTextOut options.
enum : UINT { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };

// Record functions, as the files store them.
enum : WORD {
  META_EOF = 0x0000,
  META_SAVEDC = 0x001E,
  META_REALIZEPALETTE = 0x0035,
  META_SETPALENTRIES = 0x0037,
  META_CREATEPALETTE = 0x00F7,
  META_SETBKMODE = 0x0102,
  META_SETMAPMODE = 0x0103,
  META_SETROP2 = 0x0104,
  META_SETRELABS = 0x0105,
  META_SETPOLYFILLMODE = 0x0106,
  META_SETSTRETCHBLTMODE = 0x0107,
  META_SETTEXTCHAREXTRA = 0x0108,
  META_RESTOREDC = 0x0127,
  META_INVERTREGION = 0x012A,
  META_PAINTREGION = 0x012B,
  META_SELECTCLIPREGION = 0x012C,
  META_SELECTOBJECT = 0x012D,
  META_SETTEXTALIGN = 0x012E,
  META_RESIZEPALETTE = 0x0139,
  META_DIBCREATEPATTERNBRUSH = 0x0142,
  META_SETLAYOUT = 0x0149,
  META_DELETEOBJECT = 0x01F0,
  META_CREATEPATTERNBRUSH = 0x01F9,
  META_SETBKCOLOR = 0x0201,
  META_SETTEXTCOLOR = 0x0209,
  META_SETTEXTJUSTIFICATION = 0x020A,
  META_SETWINDOWORG = 0x020B,
  META_SETWINDOWEXT = 0x020C,
  META_SETVIEWPORTORG = 0x020D,
  META_SETVIEWPORTEXT = 0x020E,
  META_OFFSETWINDOWORG = 0x020F,
  META_OFFSETVIEWPORTORG = 0x0211,
  META_LINETO = 0x0213,
  META_MOVETO = 0x0214,
  META_OFFSETCLIPRGN = 0x0220,
  META_FILLREGION = 0x0228,
  META_SETMAPPERFLAGS = 0x0231,
  META_SELECTPALETTE = 0x0234,
  META_CREATEPENINDIRECT = 0x02FA,
  META_CREATEFONTINDIRECT = 0x02FB,
  META_CREATEBRUSHINDIRECT = 0x02FC,
  META_POLYGON = 0x0324,
  META_POLYLINE = 0x0325,
  META_SCALEWINDOWEXT = 0x0410,
  META_SCALEVIEWPORTEXT = 0x0412,
  META_EXCLUDECLIPRECT = 0x0415,
  META_INTERSECTCLIPRECT = 0x0416,
  META_ELLIPSE = 0x0418,
  META_FLOODFILL = 0x0419,
  META_RECTANGLE = 0x041B,
  META_SETPIXEL = 0x041F,
  META_FRAMEREGION = 0x0429,
  META_ANIMATEPALETTE = 0x0436,
  META_TEXTOUT = 0x0521,
  META_POLYPOLYGON = 0x0538,
  META_EXTFLOODFILL = 0x0548,
  META_ROUNDRECT = 0x061C,
  META_PATBLT = 0x061D,
  META_ESCAPE = 0x0626,
  META_CREATEREGION = 0x06FF,
  META_ARC = 0x0817,
  META_PIE = 0x081A,
  META_CHORD = 0x0830,
  META_BITBLT = 0x0922,
  META_DIBBITBLT = 0x0940,
  META_EXTTEXTOUT = 0x0A32,
  META_STRETCHBLT = 0x0B23,
  META_DIBSTRETCHBLT = 0x0B41,
  META_SETDIBTODEV = 0x0D33,
  META_STRETCHDIB = 0x0F43
};

constexpr DWORD kPlaceableKey = 0x9AC6CDD7;

// A metafile that has been read and checked.
struct Metafile {
  std::vector<std::uint8_t> bytes;  // the whole file
  std::size_t first_record = 0;     // byte offset of the first record
  std::size_t records_end = 0;      // byte offset past the last record played
  bool placeable = false;
  int units_per_inch = 96;
  int object_count = 0;  // slots of the object table
  // The frame in the records' logical units (placeable), or in the pixels of the mapping the
  // records set up (plain files); left < right and top < bottom unless the frame is empty.
  RECT frame{};
  // Whether the records are played with the frame as the starting window (placeable files and
  // plain ones that set a window) rather than with the frame measured from the drawing.
  bool frame_is_window = true;
  int natural_width = 0;  // pixels at 96 per inch
  int natural_height = 0;
};
using HMETAFILE = std::shared_ptr<const Metafile>;

// Reads a metafile held in memory; null with a message in *error for a file it refuses.
HMETAFILE LoadMetafile(const void* data, std::size_t size, std::string* error);
// The same from a file (the path is used as given).
HMETAFILE LoadMetafileFile(const std::string& path, std::string* error);

// Plays the metafile stretched into target (which may be flipped by giving right < left or
// bottom < top); an empty target draws nothing. Returns false only for a null DC.
bool PlayMetafile(const HDC& hdc, const Metafile& mf, const RECT& target);

}  // namespace gdi
