// Windows bitmap files (".bmp", and the program's ".kvr" artwork): reading every common kind
// into a true-colour bitmap, and writing 8-bit (with a colour table) and 24-bit files.
//
// What the reader accepts:
//  * headers: BITMAPCOREHEADER (12 bytes), BITMAPINFOHEADER (40) and its 52- and 56-byte
//    variants with the masks inside, V4 (108), V5 (124), larger future headers (read as V5), and
//    the 16..64-byte second-generation OS/2 headers (fields a short header leaves out are zero);
//  * 1, 2, 4, 8, 16, 24 and 32 bits per pixel, bottom-up or top-down (negative height);
//  * BI_RLE8 and BI_RLE4 with end-of-line, delta and end-of-bitmap codes, and BI_BITFIELDS /
//    BI_ALPHABITFIELDS masks for 16 and 32 bits (after a 40-byte header or inside a larger one).
//
// How it reads what files leave open:
//  * A colour table has biClrUsed entries (0 means the full 2^bits), never more than 2^bits, and
//    only as many as fit before the pixel data (bfOffBits). Pixel indices beyond the table are
//    black. Core headers carry 3-byte entries, all others 4-byte ones.
//  * Bit-field masks must be contiguous runs of bits and must not overlap; a channel whose mask
//    is zero reads as 0. Channel values are scaled to 0..255 (rounded for fields narrower than
//    8 bits, the top 8 bits for wider ones). Alpha is ignored: the layer has no transparency.
//  * A 16-bit or 32-bit BI_RGB file is 5-5-5 or 8-8-8 whatever masks a V4/V5 header carries.
//  * RLE runs and deltas that reach past the right edge are clipped to the row; codes that reach
//    past the last row end decoding. Compressed data that stops before its end-of-bitmap code is
//    accepted: everything not yet decoded stays black, as do pixels a delta skips over.
//  * Uncompressed pixel data must be complete, except that the last row's padding may be missing.
//
// Everything else is refused with a message: bad signature or header size, planes other than 1,
// unknown depths or compressions, embedded JPEG/PNG, zero or negative width, zero height,
// images larger than kMaxBitmapPixels (checked before anything is allocated), offsets outside
// the file, truncated data, and bad masks. No input makes the reader crash, loop or allocate more
// than the image it describes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gdi/gdi.h"

namespace gdi {

// biCompression values.
enum : DWORD {
  BI_RGB = 0,
  BI_RLE8 = 1,
  BI_RLE4 = 2,
  BI_BITFIELDS = 3,
  BI_JPEG = 4,
  BI_PNG = 5,
  BI_ALPHABITFIELDS = 6
};

// What a bitmap file's headers say, once they have been checked.
struct BmpInfo {
  int width = 0;
  int height = 0;         // always positive; see top_down
  bool top_down = false;  // the file stored a negative height
  int bit_count = 0;      // 1, 2, 4, 8, 16, 24 or 32
  DWORD compression = BI_RGB;
  DWORD header_size = 0;  // biSize
  int palette_size = 0;   // colour-table entries used (0 above 8 bits)
};

// Checks a bitmap file's headers and sizes without allocating or decoding anything. It refuses
// exactly the files LoadBmp refuses, with the same message.
bool ReadBmpInfo(const void* data, std::size_t size, BmpInfo* info, std::string* error);

// Decodes a bitmap file held in memory into a true-colour bitmap (CreateDIBSection32). Returns
// null with a message in *error for a file it refuses. When palette is given it receives the
// file's colour table for files of 8 bits or fewer (peFlags 0), and is cleared otherwise.
HBITMAP LoadBmp(const void* data, std::size_t size, std::string* error,
                std::vector<PALETTEENTRY>* palette = nullptr);
HBITMAP LoadBmp(const std::string& data, std::string* error, std::vector<PALETTEENTRY>* palette = nullptr);
// The same from a file. The path is used as given (no case folding).
HBITMAP LoadBmpFile(const std::string& path, std::string* error,
                    std::vector<PALETTEENTRY>* palette = nullptr);

// A 24-bit bottom-up BI_RGB file with a BITMAPINFOHEADER. Monochrome bitmaps are written as
// their black and white pixels.
// Returns an empty string with a message in *error only for a bitmap too large for the format.
std::string EncodeBmp24(const Bitmap& bmp, std::string* error = nullptr);
// An 8-bit bottom-up BI_RGB file whose colour table is the palette (1 to 256 entries). Each pixel
// is written as the palette index GetNearestPaletteIndex would choose: an exact match if the
// palette has one (the first), otherwise the nearest entry by squared RGB distance. Returns an
// empty string with a message in *error for an empty or over-long palette.
// Mapping is cached per colour, so a picture in a few hundred colours costs one search each.
std::string EncodeBmp8(const Bitmap& bmp, const std::vector<PALETTEENTRY>& palette,
                       std::string* error = nullptr);
// What became of a WriteFileAtomically.
enum class WriteResult { kWritten, kExists, kFailed };
// Writes data as the file path in one piece. The data goes to a temporary file in the same
// directory (a hidden name: "." + the file's name + a unique suffix), is flushed to the disk, and
// only the complete file takes the name: renamed over the target when replace is set, otherwise
// given a name that must not exist yet (kExists when it does, and nothing is written). The
// directory is flushed afterwards. A crash, a kill or a full disk at any moment leaves the old
// file or the new one under the name, never a part of one; on failure the temporary file is
// removed and *error says why.
WriteResult WriteFileAtomically(const std::string& path, const std::string& data, bool replace,
                                std::string* error);
// The same when every pixel is exactly a colour of the palette, so the file reads back as the very
// bitmap; empty when a pixel is not (or the palette is empty or too long).
std::string EncodeBmp8Exact(const Bitmap& bmp, const std::vector<PALETTEENTRY>& palette);
// Write the files, replacing what is there, through WriteFileAtomically.
bool SaveBmp24(const std::string& path, const Bitmap& bmp, std::string* error);
bool SaveBmp8(const std::string& path, const Bitmap& bmp, const std::vector<PALETTEENTRY>& palette,
              std::string* error);

}  // namespace gdi
