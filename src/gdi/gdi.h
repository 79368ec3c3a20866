// The raster layer: the Windows graphics interface, as much of it as the program draws with,
// on plain 32-bit pixel buffers.
//
// Names, constants and pixel rules follow the platform so that drawing code reads like the
// algorithms it implements. Differences that matter:
//  * Handles are reference-counted C++ objects. A handle releases its object when the last
//    reference goes, so no return path can leak one; DeleteObject and DeleteDC just drop the
//    caller's reference. An object selected into a DC stays alive while it is selected.
//    Stock objects are never destroyed. GdiLiveObjects() counts the non-stock objects and DCs
//    alive, so tests can check that a routine gave back everything it made.
//  * Every surface is true colour (or 1-bit monochrome). A colour with the palette-relative flag
//    (0x02000000, PALETTERGB) is drawn as its own RGB value: every colour the program picks is an
//    entry of its palette, so that is the same pixel a palette device would show. PALETTEINDEX
//    colours (0x01000000) look up the DC's selected palette. GetPixel returns plain RGB.
//  * Pixels are stored as 0x00RRGGBB words (the byte order of a 32-bit DIB), rows top-down.
//  * Mapping mode is MM_TEXT: logical coordinates are device pixels.
//  * Drawing outside a surface or its clip region is clipped; coordinates may be far outside
//    (a million pixels) without overflow.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace gdi {

using COLORREF = std::uint32_t;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;

struct POINT {
  int x = 0;
  int y = 0;
  friend bool operator==(const POINT&, const POINT&) = default;
};
struct SIZE {
  int cx = 0;
  int cy = 0;
};
struct RECT {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const RECT&, const RECT&) = default;
};

constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr COLORREF PALETTERGB(int r, int g, int b) { return 0x02000000u | RGB(r, g, b); }
constexpr COLORREF PALETTEINDEX(int i) { return 0x01000000u | static_cast<COLORREF>(i & 0xFFFF); }
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

// Pixel words (0x00RRGGBB) and COLORREFs (0x00BBGGRR) convert into each other.
constexpr std::uint32_t PixelFromColorref(COLORREF c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF ColorrefFromPixel(std::uint32_t p) {
  return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

// ---- constants -------------------------------------------------------------------------------

// Binary raster operations (SetROP2).
enum : int {
  R2_BLACK = 1, R2_NOTMERGEPEN, R2_MASKNOTPEN, R2_NOTCOPYPEN, R2_MASKPENNOT, R2_NOT, R2_XORPEN,
  R2_NOTMASKPEN, R2_MASKPEN, R2_NOTXORPEN, R2_NOP, R2_MERGENOTPEN, R2_COPYPEN, R2_MERGEPENNOT,
  R2_MERGEPEN, R2_WHITE
};
// Ternary raster operations (BitBlt, StretchBlt, PatBlt).
constexpr DWORD SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6,
                SRCINVERT = 0x00660046, SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008,
                NOTSRCERASE = 0x001100A6, MERGECOPY = 0x00C000CA, MERGEPAINT = 0x00BB0226,
                PATCOPY = 0x00F00021, PATPAINT = 0x00FB0A09, PATINVERT = 0x005A0049,
                DSTINVERT = 0x00550009, BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062;

enum : int { TRANSPARENT = 1, OPAQUE = 2 };
enum : int { ALTERNATE = 1, WINDING = 2 };
enum : int { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };
enum : int { AD_COUNTERCLOCKWISE = 1, AD_CLOCKWISE = 2 };

enum : int {
  PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5,
  PS_INSIDEFRAME = 6, PS_STYLE_MASK = 0x0F,
  PS_ENDCAP_ROUND = 0x000, PS_ENDCAP_SQUARE = 0x100, PS_ENDCAP_FLAT = 0x200, PS_ENDCAP_MASK = 0xF00,
  PS_JOIN_ROUND = 0x0000, PS_JOIN_BEVEL = 0x1000, PS_JOIN_MITER = 0x2000, PS_JOIN_MASK = 0xF000,
  PS_COSMETIC = 0x00000, PS_GEOMETRIC = 0x10000, PS_TYPE_MASK = 0xF0000
};
enum : int { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = 1, BS_HATCHED = 2, BS_PATTERN = 3 };
enum : int {
  HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4,
  HS_DIAGCROSS = 5
};
enum : int { FLOODFILLBORDER = 0, FLOODFILLSURFACE = 1 };
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
// Region complexity, as CombineRgn, OffsetRgn and SelectClipRgn report it.
enum : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

enum : UINT {
  TA_NOUPDATECP = 0, TA_UPDATECP = 1, TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_TOP = 0,
  TA_BOTTOM = 8, TA_BASELINE = 24
};
enum : int { FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700 };
enum : int { LOGPIXELSX = 88, LOGPIXELSY = 90, HORZRES = 8, VERTRES = 10, BITSPIXEL = 12 };

enum : int {
  WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4,
  NULL_BRUSH = 5, HOLLOW_BRUSH = 5, WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8,
  SYSTEM_FONT = 13, DEFAULT_PALETTE = 15
};

// ---- objects and handles ---------------------------------------------------------------------

enum class ObjType { Pen, Brush, Font, Palette, Region, Bitmap, Icon };

class GdiObject {
 public:
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  virtual ~GdiObject();
  ObjType Type() const { return type_; }
  bool IsStock() const { return stock_; }

 protected:
  GdiObject(ObjType type, bool stock);

 private:
  ObjType type_;
  bool stock_;
};

class Pen;
class Brush;
class Font;
class Palette;
class Region;
class Bitmap;
class Icon;
class DC;

using HGDIOBJ = std::shared_ptr<GdiObject>;
using HPEN = std::shared_ptr<Pen>;
using HBRUSH = std::shared_ptr<Brush>;
using HFONT = std::shared_ptr<Font>;
using HPALETTE = std::shared_ptr<Palette>;
using HRGN = std::shared_ptr<Region>;
using HBITMAP = std::shared_ptr<Bitmap>;
using HICON = std::shared_ptr<Icon>;
using HCURSOR = HICON;
using HDC = std::shared_ptr<DC>;

// Non-stock objects and DCs alive now.
int GdiLiveObjects();

struct LOGPEN {
  UINT lopnStyle = PS_SOLID;
  POINT lopnWidth{1, 0};
  COLORREF lopnColor = 0;
};
struct LOGBRUSH {
  UINT lbStyle = BS_SOLID;
  COLORREF lbColor = 0;
  int lbHatch = 0;
};

class Pen final : public GdiObject {
 public:
  Pen(int style, int width, COLORREF colour, bool stock = false);
  int style;   // PS_* style bits, with end cap, join and type
  int width;   // 0 or 1 is the cosmetic one-pixel pen
  COLORREF colour;
  int Kind() const { return style & PS_STYLE_MASK; }
  bool IsGeometric() const { return (style & PS_TYPE_MASK) == PS_GEOMETRIC; }
};

class Brush final : public GdiObject {
 public:
  Brush(int style, COLORREF colour, int hatch, bool stock = false);
  int style;        // BS_SOLID, BS_NULL, BS_HATCHED, BS_PATTERN
  COLORREF colour;  // solid and hatch colour
  int hatch;        // HS_* for BS_HATCHED
  // BS_PATTERN: an 8x8 (or larger) copy of the pattern bitmap, taken when the brush is made.
  // A monochrome pattern paints its 0 bits in the DC's text colour and 1 bits in its background.
  int pattern_w = 0, pattern_h = 0;
  bool pattern_mono = false;
  std::vector<std::uint32_t> pattern;  // pixel words, or 0 / 0xFFFFFF for mono
};

struct PALETTEENTRY {
  BYTE peRed = 0, peGreen = 0, peBlue = 0, peFlags = 0;
};

class Palette final : public GdiObject {
 public:
  explicit Palette(std::vector<PALETTEENTRY> entries, bool stock = false);
  std::vector<PALETTEENTRY> entries;
};

// A bitmap is a surface: width x height pixel words, rows top-down. A monochrome bitmap keeps
// its pixels as 0x000000 (bit 0) and 0xFFFFFF (bit 1) words, so raster operations apply as they
// are; anything drawn on it is first reduced to black or white.
class Bitmap final : public GdiObject {
 public:
  Bitmap(int width, int height, bool mono);
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsMono() const { return mono_; }
  std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const std::uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  std::uint32_t* Pixels() { return pixels_.data(); }
  const std::uint32_t* Pixels() const { return pixels_.data(); }
  // Pixel word at (x, y), which must be inside.
  std::uint32_t& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  std::uint32_t At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  void Fill(std::uint32_t pixel);

  // The box of pixels that drawing calls have visited since the last TakeTouched (a superset of
  // what they changed), so that a window needs to bring only that part to the screen. Drawing
  // through DCs, Fill and SetBitmapBits are tracked; writes through Row() and At() are not, and
  // whoever makes them must say so to the window (platform::Window::MarkDirty).
  void Touch(int x0, int x1, int y) const {
    if (touched_.left >= touched_.right) {
      touched_ = {x0, y, x1, y + 1};
      return;
    }
    touched_.left = std::min(touched_.left, x0);
    touched_.right = std::max(touched_.right, x1);
    touched_.top = std::min(touched_.top, y);
    touched_.bottom = std::max(touched_.bottom, y + 1);
  }
  void TouchAll() const { touched_ = {0, 0, width_, height_}; }
  // The touched box (empty when nothing was touched), which starts afresh.
  RECT TakeTouched() const { return std::exchange(touched_, RECT{}); }

 private:
  int width_, height_;
  bool mono_;
  std::vector<std::uint32_t> pixels_;
  mutable RECT touched_{};
};

// The largest bitmap the layer allocates, in pixels (a 16k x 16k surface is 1 GiB).
constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 27;

struct BITMAP {
  int bmType = 0;
  int bmWidth = 0;
  int bmHeight = 0;
  int bmWidthBytes = 0;
  WORD bmPlanes = 1;
  WORD bmBitsPixel = 0;
};

// Icons and cursors: an AND mask and an XOR image of the same size, drawn mask first.
class Icon final : public GdiObject {
 public:
  Icon(HBITMAP mask, HBITMAP image, int hot_x, int hot_y);
  HBITMAP mask;   // monochrome
  HBITMAP image;  // colour
  int hot_x, hot_y;
};

// ---- device contexts -------------------------------------------------------------------------

class DC {
 public:
  // A DC over a fixed surface (a window's pixels). Memory DCs come from CreateCompatibleDC.
  explicit DC(HBITMAP surface, bool memory);
  DC(const DC&) = delete;
  DC& operator=(const DC&) = delete;
  ~DC();

  HBITMAP surface;
  bool memory;
  HPEN pen;
  HBRUSH brush;
  HFONT font;
  HPALETTE palette;
  int rop2 = R2_COPYPEN;
  int bk_mode = OPAQUE;
  COLORREF bk_colour = 0xFFFFFF;
  COLORREF text_colour = 0x000000;
  UINT text_align = TA_TOP | TA_LEFT;
  int stretch_mode = BLACKONWHITE;
  int poly_fill_mode = ALTERNATE;
  int arc_direction = AD_COUNTERCLOCKWISE;
  POINT brush_org{0, 0};
  POINT pos{0, 0};
  HRGN clip;  // device coordinates; null means no clip
};

HDC CreateSurfaceDC(HBITMAP surface);  // a DC over a window surface (not re-targetable)
HDC CreateCompatibleDC(const HDC& hdc);  // with a 1x1 monochrome bitmap selected, as in GDI
bool DeleteDC(HDC& hdc);

HGDIOBJ GetStockObject(int which);
HGDIOBJ SelectObject(const HDC& hdc, const HGDIOBJ& obj);
template <class T>
std::shared_ptr<T> SelectObject(const HDC& hdc, const std::shared_ptr<T>& obj) {
  return std::static_pointer_cast<T>(SelectObject(hdc, std::static_pointer_cast<GdiObject>(obj)));
}
HGDIOBJ GetCurrentObject(const HDC& hdc, ObjType type);
template <class T>
bool DeleteObject(std::shared_ptr<T>& obj) {
  const bool had = obj != nullptr;
  obj.reset();
  return had;
}
HPEN GetStockPen(int which);
HBRUSH GetStockBrush(int which);

int SetROP2(const HDC& hdc, int rop2);
int GetROP2(const HDC& hdc);
int SetBkMode(const HDC& hdc, int mode);
int GetBkMode(const HDC& hdc);
COLORREF SetBkColor(const HDC& hdc, COLORREF c);
COLORREF GetBkColor(const HDC& hdc);
COLORREF SetTextColor(const HDC& hdc, COLORREF c);
COLORREF GetTextColor(const HDC& hdc);
UINT SetTextAlign(const HDC& hdc, UINT align);
UINT GetTextAlign(const HDC& hdc);
int SetStretchBltMode(const HDC& hdc, int mode);
int GetStretchBltMode(const HDC& hdc);
int SetPolyFillMode(const HDC& hdc, int mode);
int GetPolyFillMode(const HDC& hdc);
int SetArcDirection(const HDC& hdc, int dir);
bool SetBrushOrgEx(const HDC& hdc, int x, int y, POINT* old);
int GetDeviceCaps(const HDC& hdc, int index);

// ---- palettes --------------------------------------------------------------------------------

HPALETTE CreatePalette(const PALETTEENTRY* entries, int count);
HPALETTE SelectPalette(const HDC& hdc, const HPALETTE& pal, bool force_background);
UINT RealizePalette(const HDC& hdc);
UINT GetNearestPaletteIndex(const HPALETTE& pal, COLORREF colour);
UINT GetPaletteEntries(const HPALETTE& pal, UINT start, UINT count, PALETTEENTRY* out);
// The pixel word a COLORREF (plain, PALETTERGB or PALETTEINDEX) draws as on this DC's surface.
std::uint32_t ColourToPixel(const DC& dc, COLORREF colour);

// ---- pens and brushes ------------------------------------------------------------------------

HPEN CreatePen(int style, int width, COLORREF colour);
HPEN CreatePenIndirect(const LOGPEN& lp);
HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH& lb, DWORD style_count, const DWORD* styles);
HBRUSH CreateSolidBrush(COLORREF colour);
HBRUSH CreateHatchBrush(int hatch, COLORREF colour);
HBRUSH CreatePatternBrush(const HBITMAP& bmp);  // the top-left 8x8 of bmp is copied
HBRUSH CreateBrushIndirect(const LOGBRUSH& lb);

// ---- bitmaps ---------------------------------------------------------------------------------

// Planes must be 1; bpp 1 gives a monochrome bitmap, anything else true colour. bits, when given,
// are in the platform's DDB layout (rows padded to 16 bits, top row first, leftmost pixel in the
// high bit for mono; 4 bytes B,G,R,x per pixel otherwise). Null on a bad or too large size.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bpp, const void* bits);
HBITMAP CreateCompatibleBitmap(const HDC& hdc, int width, int height);
HBITMAP CreateDIBSection32(int width, int height);  // true colour, filled with black
int GetObject(const HBITMAP& bmp, BITMAP* out);
// DDB layout as in CreateBitmap; returns the bytes copied.
long GetBitmapBits(const HBITMAP& bmp, long count, void* bits);
long SetBitmapBits(const HBITMAP& bmp, DWORD count, const void* bits);

// ---- regions ---------------------------------------------------------------------------------

// A region is a set of pixels kept as y-sorted bands of x-sorted half-open spans.
class Region final : public GdiObject {
 public:
  struct Band {
    int top, bottom;                          // rows top..bottom-1
    std::vector<std::pair<int, int>> spans;   // [x0, x1), sorted, disjoint, not touching
  };
  Region();
  std::vector<Band> bands;
  RECT Bounds() const;
  bool Empty() const { return bands.empty(); }
  bool Contains(int x, int y) const;
  int Complexity() const;  // NULLREGION, SIMPLEREGION or COMPLEXREGION
};

HRGN CreateRectRgn(int l, int t, int r, int b);
HRGN CreateRectRgnIndirect(const RECT& rc);
// Elliptic and round-rectangle regions cover columns l..r-2 and rows t..b-2, one pixel less
// than Ellipse and RoundRect draw for the same box, and their curves differ from those shapes'
// (as in GDI). Regions made from shapes keep only the part within 131072 pixels of the origin.
HRGN CreateEllipticRgn(int l, int t, int r, int b);
HRGN CreateRoundRectRgn(int l, int t, int r, int b, int w, int h);
// Fewer than three points give an empty region; the pixels are those Polygon fills.
HRGN CreatePolygonRgn(const POINT* pts, int count, int mode);
int CombineRgn(const HRGN& dest, const HRGN& a, const HRGN& b, int mode);
int OffsetRgn(const HRGN& rgn, int dx, int dy);
bool PtInRegion(const HRGN& rgn, int x, int y);
int GetRgnBox(const HRGN& rgn, RECT* out);
bool EqualRgn(const HRGN& a, const HRGN& b);
// The region as rectangles, one per span of each band: what a window shape is made from.
std::vector<RECT> GetRegionRects(const HRGN& rgn);
int SelectClipRgn(const HDC& hdc, const HRGN& rgn);  // copies rgn; null removes the clip
int IntersectClipRect(const HDC& hdc, int l, int t, int r, int b);
bool FillRgn(const HDC& hdc, const HRGN& rgn, const HBRUSH& brush);
bool PaintRgn(const HDC& hdc, const HRGN& rgn);
bool InvertRgn(const HDC& hdc, const HRGN& rgn);

// ---- lines and shapes ------------------------------------------------------------------------

bool MoveToEx(const HDC& hdc, int x, int y, POINT* old);
bool LineTo(const HDC& hdc, int x, int y);
bool Polyline(const HDC& hdc, const POINT* pts, int count);
bool Rectangle(const HDC& hdc, int l, int t, int r, int b);
bool RoundRect(const HDC& hdc, int l, int t, int r, int b, int w, int h);
bool Ellipse(const HDC& hdc, int l, int t, int r, int b);
bool Arc(const HDC& hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye);
bool Pie(const HDC& hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye);
bool Chord(const HDC& hdc, int l, int t, int r, int b, int xs, int ys, int xe, int ye);
bool Polygon(const HDC& hdc, const POINT* pts, int count);
bool PolyPolygon(const HDC& hdc, const POINT* pts, const int* counts, int polys);
int FillRect(const HDC& hdc, const RECT& rc, const HBRUSH& brush);
int FrameRect(const HDC& hdc, const RECT& rc, const HBRUSH& brush);
bool InvertRect(const HDC& hdc, const RECT& rc);

// ---- pixels, blits and fills -----------------------------------------------------------------

COLORREF SetPixel(const HDC& hdc, int x, int y, COLORREF colour);  // CLR_INVALID when clipped
bool SetPixelV(const HDC& hdc, int x, int y, COLORREF colour);
COLORREF GetPixel(const HDC& hdc, int x, int y);  // CLR_INVALID outside the surface or clip
bool PatBlt(const HDC& hdc, int x, int y, int w, int h, DWORD rop);
bool BitBlt(const HDC& dst, int x, int y, int w, int h, const HDC& src, int sx, int sy, DWORD rop);
bool StretchBlt(const HDC& dst, int x, int y, int w, int h, const HDC& src, int sx, int sy, int sw,
                int sh, DWORD rop);
bool ExtFloodFill(const HDC& hdc, int x, int y, COLORREF colour, UINT type);
bool FloodFill(const HDC& hdc, int x, int y, COLORREF border);
bool DrawIcon(const HDC& hdc, int x, int y, const HICON& icon);
HICON CreateIconFromBitmaps(const HBITMAP& mask, const HBITMAP& image, int hot_x, int hot_y);

// ---- text ------------------------------------------------------------------------------------

struct LOGFONTA {
  int lfHeight = 0;
  int lfWidth = 0;
  int lfEscapement = 0;   // tenths of a degree, counter-clockwise
  int lfOrientation = 0;
  int lfWeight = FW_NORMAL;
  BYTE lfItalic = 0, lfUnderline = 0, lfStrikeOut = 0, lfCharSet = 0;
  BYTE lfOutPrecision = 0, lfClipPrecision = 0, lfQuality = 0, lfPitchAndFamily = 0;
  std::string lfFaceName;
};

struct TEXTMETRICA {
  int tmHeight = 0, tmAscent = 0, tmDescent = 0, tmInternalLeading = 0, tmExternalLeading = 0;
  int tmAveCharWidth = 0, tmMaxCharWidth = 0, tmWeight = 0;
};

class FontImpl;  // FreeType face and size, private to the text module
class Font final : public GdiObject {
 public:
  explicit Font(const LOGFONTA& lf, bool stock = false);
  ~Font() override;
  LOGFONTA lf;
  std::string file;  // the font file Fontconfig matched; empty until the font is first used
  std::unique_ptr<FontImpl> impl;
};

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeout, DWORD charset, DWORD out_precision,
                  DWORD clip_precision, DWORD quality, DWORD pitch_and_family, const char* face);
HFONT CreateFontIndirectA(const LOGFONTA& lf);
bool TextOutA(const HDC& hdc, int x, int y, const char* text, int len);
bool GetTextExtentPoint32A(const HDC& hdc, const char* text, int len, SIZE* out);
bool GetTextMetricsA(const HDC& hdc, TEXTMETRICA* out);
// The Windows-1252 code page that text bytes are in: the character of a byte, and the byte of a
// character (-1 for one the code page cannot hold).
char32_t UnicodeFromAnsi(unsigned char byte);
int AnsiFromUnicode(char32_t c);
// Installed font families, sorted, without duplicates.
std::vector<std::string> ListFontFamilies();
// The installed family that text in a face of this name is drawn with: the face itself, or what
// Fontconfig puts in its place ("Arial" is often drawn with a metric-compatible family). Names are
// UTF-8, as Fontconfig speaks; empty when nothing matches.
std::string MatchedFontFamily(const std::string& face);

}  // namespace gdi
