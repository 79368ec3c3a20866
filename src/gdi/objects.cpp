// Objects, device contexts, stock objects, DC state and palettes.
#include <atomic>
#include <cstring>
#include <limits>
#include <type_traits>

#include "gdi/gdi.h"
#include "gdi/raster.h"

namespace gdi {

namespace {
std::atomic<int> g_live{0};
}  // namespace

int GdiLiveObjects() { return g_live.load(); }

GdiObject::GdiObject(ObjType type, bool stock) : type_(type), stock_(stock) {
  if (!stock_) ++g_live;
}
GdiObject::~GdiObject() {
  if (!stock_) --g_live;
}

Pen::Pen(int s, int w, COLORREF c, bool stock) : GdiObject(ObjType::Pen, stock), style(s), width(w), colour(c) {}
Brush::Brush(int s, COLORREF c, int h, bool stock)
    : GdiObject(ObjType::Brush, stock), style(s), colour(c), hatch(h) {}
Palette::Palette(std::vector<PALETTEENTRY> e, bool stock)
    : GdiObject(ObjType::Palette, stock), entries(std::move(e)) {}
Icon::Icon(HBITMAP m, HBITMAP i, int hx, int hy)
    : GdiObject(ObjType::Icon, false), mask(std::move(m)), image(std::move(i)), hot_x(hx), hot_y(hy) {}
Region::Region() : GdiObject(ObjType::Region, false) {}

Bitmap::Bitmap(int width, int height, bool mono)
    : GdiObject(ObjType::Bitmap, false),
      width_(width),
      height_(height),
      mono_(mono),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), mono ? 0u : 0u) {}

void Bitmap::Fill(std::uint32_t pixel) {
  std::fill(pixels_.begin(), pixels_.end(), pixel & raster::kRgbMask);
  TouchAll();
}

// ---- stock objects ---------------------------------------------------------------------------

namespace {

struct Stock {
  HBRUSH brushes[6];
  HPEN pens[3];
  HPALETTE palette;
  HFONT system_font;
  Stock() {
    const COLORREF greys[5] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128),
                               RGB(64, 64, 64), RGB(0, 0, 0)};
    for (int i = 0; i < 5; ++i) brushes[i] = std::make_shared<Brush>(BS_SOLID, greys[i], 0, true);
    brushes[5] = std::make_shared<Brush>(BS_NULL, 0, 0, true);
    pens[0] = std::make_shared<Pen>(PS_SOLID, 1, RGB(255, 255, 255), true);
    pens[1] = std::make_shared<Pen>(PS_SOLID, 1, RGB(0, 0, 0), true);
    pens[2] = std::make_shared<Pen>(PS_NULL, 1, 0, true);
    // The default palette: the twenty static colours.
    static const BYTE sys[20][3] = {
        {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
        {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
        {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
        {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
    std::vector<PALETTEENTRY> e(20);
    for (int i = 0; i < 20; ++i) e[i] = {sys[i][0], sys[i][1], sys[i][2], 0};
    palette = std::make_shared<Palette>(std::move(e), true);
    LOGFONTA lf;
    lf.lfHeight = -12;
    lf.lfWeight = FW_BOLD;
    lf.lfFaceName = "DejaVu Sans";
    system_font = std::make_shared<Font>(lf, true);
  }
};

Stock& TheStock() {
  static Stock* stock = new Stock();  // never destroyed: stock objects outlive every DC
  return *stock;
}

}  // namespace

HGDIOBJ GetStockObject(int which) {
  Stock& s = TheStock();
  if (which >= WHITE_BRUSH && which <= NULL_BRUSH) return s.brushes[which];
  if (which >= WHITE_PEN && which <= NULL_PEN) return s.pens[which - WHITE_PEN];
  if (which == DEFAULT_PALETTE) return s.palette;
  if (which == SYSTEM_FONT) return s.system_font;
  return nullptr;
}
HPEN GetStockPen(int which) { return std::static_pointer_cast<Pen>(GetStockObject(which)); }
HBRUSH GetStockBrush(int which) { return std::static_pointer_cast<Brush>(GetStockObject(which)); }

// ---- device contexts -------------------------------------------------------------------------

DC::DC(HBITMAP s, bool mem) : surface(std::move(s)), memory(mem) {
  ++g_live;
  Stock& st = TheStock();
  pen = st.pens[1];
  brush = st.brushes[WHITE_BRUSH];
  font = st.system_font;
  palette = st.palette;
}
DC::~DC() { --g_live; }

HDC CreateSurfaceDC(HBITMAP surface) {
  if (!surface) return nullptr;
  return std::make_shared<DC>(std::move(surface), false);
}

HDC CreateCompatibleDC(const HDC&) {
  auto bmp = std::make_shared<Bitmap>(1, 1, true);
  bmp->Fill(0xFFFFFF);
  return std::make_shared<DC>(std::move(bmp), true);
}

bool DeleteDC(HDC& hdc) {
  const bool had = hdc != nullptr;
  hdc.reset();
  return had;
}

HGDIOBJ SelectObject(const HDC& hdc, const HGDIOBJ& obj) {
  if (!hdc || !obj) return nullptr;
  HGDIOBJ old;
  switch (obj->Type()) {
    case ObjType::Pen:
      old = hdc->pen;
      hdc->pen = std::static_pointer_cast<Pen>(obj);
      return old;
    case ObjType::Brush:
      old = hdc->brush;
      hdc->brush = std::static_pointer_cast<Brush>(obj);
      return old;
    case ObjType::Font:
      old = hdc->font;
      hdc->font = std::static_pointer_cast<Font>(obj);
      return old;
    case ObjType::Bitmap:
      // Only memory DCs take bitmaps, as in GDI.
      if (!hdc->memory) return nullptr;
      old = hdc->surface;
      hdc->surface = std::static_pointer_cast<Bitmap>(obj);
      hdc->clip.reset();
      return old;
    case ObjType::Region: {
      // Selecting a region sets the clip to a copy of it and reports its complexity.
      const int kind = SelectClipRgn(hdc, std::static_pointer_cast<Region>(obj));
      (void)kind;
      return nullptr;
    }
    case ObjType::Palette:
      return SelectPalette(hdc, std::static_pointer_cast<Palette>(obj), false);
    case ObjType::Icon:
      return nullptr;
  }
  return nullptr;
}

HGDIOBJ GetCurrentObject(const HDC& hdc, ObjType type) {
  if (!hdc) return nullptr;
  switch (type) {
    case ObjType::Pen: return hdc->pen;
    case ObjType::Brush: return hdc->brush;
    case ObjType::Font: return hdc->font;
    case ObjType::Bitmap: return hdc->surface;
    case ObjType::Palette: return hdc->palette;
    default: return nullptr;
  }
}

namespace {

// A DC state setter returns the old value; with no DC, or a value outside [lo, hi], it changes
// nothing and returns zero. A getter returns zero for no DC.
template <class T>
T SetState(const HDC& hdc, T DC::*field, std::type_identity_t<T> v,
           std::type_identity_t<T> lo = std::numeric_limits<T>::min(),
           std::type_identity_t<T> hi = std::numeric_limits<T>::max()) {
  if (!hdc || v < lo || v > hi) return T{};
  return std::exchange((*hdc).*field, v);
}
template <class T>
T GetState(const HDC& hdc, T DC::*field) {
  return hdc ? (*hdc).*field : T{};
}

}  // namespace

int SetROP2(const HDC& hdc, int rop2) { return SetState(hdc, &DC::rop2, rop2, R2_BLACK, R2_WHITE); }
int GetROP2(const HDC& hdc) { return GetState(hdc, &DC::rop2); }
int SetBkMode(const HDC& hdc, int mode) { return SetState(hdc, &DC::bk_mode, mode, TRANSPARENT, OPAQUE); }
int GetBkMode(const HDC& hdc) { return GetState(hdc, &DC::bk_mode); }
COLORREF SetBkColor(const HDC& hdc, COLORREF c) { return SetState(hdc, &DC::bk_colour, c); }
COLORREF GetBkColor(const HDC& hdc) { return GetState(hdc, &DC::bk_colour); }
COLORREF SetTextColor(const HDC& hdc, COLORREF c) { return SetState(hdc, &DC::text_colour, c); }
COLORREF GetTextColor(const HDC& hdc) { return GetState(hdc, &DC::text_colour); }
UINT SetTextAlign(const HDC& hdc, UINT align) { return SetState(hdc, &DC::text_align, align); }
UINT GetTextAlign(const HDC& hdc) { return GetState(hdc, &DC::text_align); }
int SetStretchBltMode(const HDC& hdc, int mode) {
  return SetState(hdc, &DC::stretch_mode, mode, BLACKONWHITE, HALFTONE);
}
int GetStretchBltMode(const HDC& hdc) { return GetState(hdc, &DC::stretch_mode); }
int SetPolyFillMode(const HDC& hdc, int mode) {
  return SetState(hdc, &DC::poly_fill_mode, mode, ALTERNATE, WINDING);
}
int GetPolyFillMode(const HDC& hdc) { return GetState(hdc, &DC::poly_fill_mode); }
int SetArcDirection(const HDC& hdc, int dir) {
  return SetState(hdc, &DC::arc_direction, dir, AD_COUNTERCLOCKWISE, AD_CLOCKWISE);
}

bool SetBrushOrgEx(const HDC& hdc, int x, int y, POINT* old) {
  if (!hdc) return false;
  if (old) *old = hdc->brush_org;
  hdc->brush_org = {x, y};
  return true;
}

int GetDeviceCaps(const HDC& hdc, int index) {
  switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case HORZRES: return hdc ? hdc->surface->Width() : 0;
    case VERTRES: return hdc ? hdc->surface->Height() : 0;
    case BITSPIXEL: return hdc && hdc->surface->IsMono() ? 1 : 32;
    default: return 0;
  }
}

// ---- palettes --------------------------------------------------------------------------------

HPALETTE CreatePalette(const PALETTEENTRY* entries, int count) {
  if (!entries || count <= 0 || count > 256) return nullptr;
  return std::make_shared<Palette>(std::vector<PALETTEENTRY>(entries, entries + count));
}

HPALETTE SelectPalette(const HDC& hdc, const HPALETTE& pal, bool) {
  if (!hdc || !pal) return nullptr;
  return std::exchange(hdc->palette, pal);
}

UINT RealizePalette(const HDC& hdc) {
  // True-colour surfaces have no hardware palette to map; every entry is available as is.
  return hdc && hdc->palette ? static_cast<UINT>(hdc->palette->entries.size()) : 0;
}

UINT GetNearestPaletteIndex(const HPALETTE& pal, COLORREF colour) {
  if (!pal || pal->entries.empty()) return CLR_INVALID;
  return static_cast<UINT>(
      raster::NearestEntry(pal->entries, GetRValue(colour), GetGValue(colour), GetBValue(colour)));
}

UINT GetPaletteEntries(const HPALETTE& pal, UINT start, UINT count, PALETTEENTRY* out) {
  if (!pal || start >= pal->entries.size()) return 0;
  const UINT n = std::min<UINT>(count, static_cast<UINT>(pal->entries.size()) - start);
  if (out) std::copy_n(pal->entries.begin() + start, n, out);
  return n;
}

std::uint32_t ColourToPixel(const DC& dc, COLORREF colour) {
  std::uint32_t px;
  if ((colour & 0xFF000000u) == 0x01000000u) {
    const UINT i = colour & 0xFFFF;
    const auto& e = dc.palette->entries;
    const auto& pe = i < e.size() ? e[i] : e.front();
    px = (static_cast<std::uint32_t>(pe.peRed) << 16) | (pe.peGreen << 8) | pe.peBlue;
  } else {
    px = PixelFromColorref(colour & 0xFFFFFF);
  }
  return raster::SurfacePixel(*dc.surface, px);
}

// ---- pens and brushes ------------------------------------------------------------------------

HPEN CreatePen(int style, int width, COLORREF colour) {
  const int kind = style & PS_STYLE_MASK;
  if (kind > PS_INSIDEFRAME) return nullptr;
  if (width < 0) width = 0;
  // Styled pens wider than one pixel draw solid.
  if (width > 1 && (kind == PS_DASH || kind == PS_DOT || kind == PS_DASHDOT || kind == PS_DASHDOTDOT))
    style = (style & ~PS_STYLE_MASK) | PS_SOLID;
  return std::make_shared<Pen>(style & PS_STYLE_MASK, width, colour);
}

HPEN CreatePenIndirect(const LOGPEN& lp) {
  return CreatePen(static_cast<int>(lp.lopnStyle), lp.lopnWidth.x, lp.lopnColor);
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH& lb, DWORD, const DWORD*) {
  if (lb.lbStyle != BS_SOLID) return nullptr;
  const int s = static_cast<int>(style);
  const int w = static_cast<int>(std::min<DWORD>(width, 1u << 20));
  if ((s & PS_TYPE_MASK) == PS_COSMETIC) return std::make_shared<Pen>(s & PS_STYLE_MASK, 1, lb.lbColor);
  return std::make_shared<Pen>(s, std::max(w, 1), lb.lbColor);
}

HBRUSH CreateSolidBrush(COLORREF colour) { return std::make_shared<Brush>(BS_SOLID, colour, 0); }

HBRUSH CreateHatchBrush(int hatch, COLORREF colour) {
  if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return nullptr;
  return std::make_shared<Brush>(BS_HATCHED, colour, hatch);
}

HBRUSH CreatePatternBrush(const HBITMAP& bmp) {
  if (!bmp) return nullptr;
  auto b = std::make_shared<Brush>(BS_PATTERN, 0, 0);
  b->pattern_w = std::min(bmp->Width(), 8);
  b->pattern_h = std::min(bmp->Height(), 8);
  b->pattern_mono = bmp->IsMono();
  b->pattern.resize(static_cast<std::size_t>(b->pattern_w) * b->pattern_h);
  for (int y = 0; y < b->pattern_h; ++y)
    for (int x = 0; x < b->pattern_w; ++x) b->pattern[y * b->pattern_w + x] = bmp->At(x, y);
  return b;
}

HBRUSH CreateBrushIndirect(const LOGBRUSH& lb) {
  switch (lb.lbStyle) {
    case BS_SOLID: return CreateSolidBrush(lb.lbColor);
    case BS_NULL: return std::make_shared<Brush>(BS_NULL, 0, 0);
    case BS_HATCHED: return CreateHatchBrush(lb.lbHatch, lb.lbColor);
    default: return nullptr;
  }
}

// ---- bitmaps ---------------------------------------------------------------------------------

namespace {
bool SizeOk(int w, int h) {
  return w > 0 && h > 0 && static_cast<std::int64_t>(w) * h <= kMaxBitmapPixels;
}
int DdbStride(int width, bool mono) { return mono ? ((width + 15) / 16) * 2 : width * 4; }
}  // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bpp, const void* bits) {
  if (planes != 1 || !SizeOk(width, height)) return nullptr;
  const bool mono = bpp == 1;
  auto bmp = std::make_shared<Bitmap>(width, height, mono);
  if (bits) SetBitmapBits(bmp, static_cast<DWORD>(DdbStride(width, mono) * height), bits);
  return bmp;
}

HBITMAP CreateCompatibleBitmap(const HDC& hdc, int width, int height) {
  if (!hdc || !SizeOk(width, height)) return nullptr;
  return std::make_shared<Bitmap>(width, height, hdc->surface->IsMono());
}

HBITMAP CreateDIBSection32(int width, int height) {
  if (!SizeOk(width, height)) return nullptr;
  return std::make_shared<Bitmap>(width, height, false);
}

int GetObject(const HBITMAP& bmp, BITMAP* out) {
  if (!bmp || !out) return 0;
  out->bmType = 0;
  out->bmWidth = bmp->Width();
  out->bmHeight = bmp->Height();
  out->bmWidthBytes = DdbStride(bmp->Width(), bmp->IsMono());
  out->bmPlanes = 1;
  out->bmBitsPixel = bmp->IsMono() ? 1 : 32;
  return static_cast<int>(sizeof(BITMAP));
}

long GetBitmapBits(const HBITMAP& bmp, long count, void* bits) {
  if (!bmp || !bits || count <= 0) return 0;
  const int stride = DdbStride(bmp->Width(), bmp->IsMono());
  const long total = std::min<long>(count, static_cast<long>(stride) * bmp->Height());
  auto* out = static_cast<BYTE*>(bits);
  std::memset(out, 0, static_cast<std::size_t>(total));
  for (long i = 0; i < total; ++i) {
    const int y = static_cast<int>(i / stride), off = static_cast<int>(i % stride);
    const std::uint32_t* row = bmp->Row(y);
    if (bmp->IsMono()) {
      BYTE v = 0;
      for (int b = 0; b < 8; ++b) {
        const int x = off * 8 + b;
        if (x < bmp->Width() && (row[x] & 0xFFFFFF)) v |= static_cast<BYTE>(0x80 >> b);
      }
      out[i] = v;
    } else {
      const std::uint32_t px = row[off / 4];
      const int k = off % 4;
      out[i] = k == 3 ? 0 : static_cast<BYTE>(px >> (8 * k));  // B, G, R, x
    }
  }
  return total;
}

long SetBitmapBits(const HBITMAP& bmp, DWORD count, const void* bits) {
  if (!bmp || !bits) return 0;
  const int stride = DdbStride(bmp->Width(), bmp->IsMono());
  const long total = std::min<long>(static_cast<long>(count), static_cast<long>(stride) * bmp->Height());
  const auto* in = static_cast<const BYTE*>(bits);
  bmp->TouchAll();
  for (int y = 0; y < bmp->Height(); ++y) {
    const long row_start = static_cast<long>(y) * stride;
    if (row_start >= total) break;
    std::uint32_t* row = bmp->Row(y);
    for (int x = 0; x < bmp->Width(); ++x) {
      if (bmp->IsMono()) {
        const long i = row_start + x / 8;
        if (i >= total) break;
        row[x] = (in[i] & (0x80 >> (x % 8))) ? 0xFFFFFF : 0;
      } else {
        const long i = row_start + x * 4;
        if (i + 2 >= total) break;
        row[x] = (static_cast<std::uint32_t>(in[i + 2]) << 16) | (in[i + 1] << 8) | in[i];
      }
    }
  }
  return total;
}

HICON CreateIconFromBitmaps(const HBITMAP& mask, const HBITMAP& image, int hot_x, int hot_y) {
  if (!mask || !image) return nullptr;
  return std::make_shared<Icon>(mask, image, hot_x, hot_y);
}

}  // namespace gdi
