// The metafile reader and player. One record walker serves both: reading a file runs it without
// a DC, which checks every record and measures what the file draws; playing runs it again with
// the caller's DC.
#include "gdi/wmf.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

#include "gdi/bmp.h"
#include "gdi/raster.h"

namespace gdi {

namespace {

std::uint16_t U16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t U32(const std::uint8_t* p) {
  return U16(p) | (static_cast<std::uint32_t>(U16(p + 2)) << 16);
}

// Embedded bitmaps larger than this are refused: a metafile's pictures are small, and a few bytes
// of run-length data could otherwise ask for a huge surface.
constexpr std::int64_t kMaxEmbeddedPixels = std::int64_t{1} << 24;
constexpr int kMaxSavedStates = 4096;
constexpr int kMaxFontPixels = 1024;
constexpr int kMaxPenPixels = 4096;

// The parameter words of one record.
struct Params {
  const std::uint8_t* p = nullptr;
  std::size_t words = 0;
  bool Has(std::size_t n) const { return words >= n; }
  int S(std::size_t i) const { return static_cast<std::int16_t>(U16(p + 2 * i)); }
  unsigned U(std::size_t i) const { return U16(p + 2 * i); }
  std::uint32_t D(std::size_t i) const { return U32(p + 2 * i); }
  const std::uint8_t* At(std::size_t i) const { return p + 2 * i; }
  std::size_t BytesFrom(std::size_t i) const { return i <= words ? (words - i) * 2 : 0; }
};

// A region as the file gives it: scans of spans in logical units.
struct Scan {
  int top, bottom;
  std::vector<std::pair<int, int>> spans;
};

enum class Kind { Pen, Brush, Font, Palette, Region };

struct WObject {
  Kind kind;
  COLORREF colour = 0;
  int pen_style = PS_SOLID, pen_width = 0;
  HBRUSH brush;  // brushes do not depend on the mapping: made when the record is read
  LOGFONTA lf;
  std::vector<PALETTEENTRY> entries;
  HPALETTE realized;  // the palette as a raster-layer object, remade when its entries change
  HFONT font;         // the font made for the mapping (font_ax, font_ay)
  double font_ax = 0, font_ay = 0;
  std::vector<Scan> scans;
};
using Obj = std::shared_ptr<WObject>;

struct State {
  int map_mode = MM_ANISOTROPIC;
  double wox = 0, woy = 0, wex = 1, wey = 1, vox = 0, voy = 0, vex = 1, vey = 1;
  Obj pen, brush, font, palette;
  int rop2 = R2_COPYPEN, bk_mode = OPAQUE, stretch_mode = BLACKONWHITE, poly_fill_mode = ALTERNATE;
  COLORREF bk_colour = RGB(255, 255, 255), text_colour = 0;
  UINT text_align = TA_TOP | TA_LEFT;
  double pos_x = 0, pos_y = 0;  // current position, logical
  HRGN clip;                    // the records' clip in device pixels; null for none
};

double MetricPixels(int mode) {
  switch (mode) {
    case MM_LOMETRIC:
      return 96.0 / 254.0;
    case MM_HIMETRIC:
      return 96.0 / 2540.0;
    case MM_LOENGLISH:
      return 96.0 / 100.0;
    case MM_HIENGLISH:
      return 96.0 / 1000.0;
    case MM_TWIPS:
      return 96.0 / 1440.0;
    default:
      return 0;
  }
}

int RoundCoord(double v) {
  if (!(v == v)) return 0;
  return raster::ClampCoord(static_cast<long long>(std::floor(std::clamp(v, -1e15, 1e15) + 0.5)));
}

RECT Normalised(RECT r) {
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return r;
}

// A bitmap stored as a DIB (a BITMAPINFO and its bits, without the file header). With pal_colours
// the colour table holds 16-bit indices into the selected palette.
HBITMAP DecodeDib(const std::uint8_t* p, std::size_t n, bool pal_colours,
                  const std::vector<PALETTEENTRY>* palette, std::string* error) {
  if (n < 12) {
    *error = "an embedded bitmap is cut short";
    return nullptr;
  }
  const std::uint32_t hs = U32(p);
  if (hs < 12 || hs > n) {
    *error = "an embedded bitmap has a bad header";
    return nullptr;
  }
  const bool core = hs == 12;
  int bpp = 0;
  std::uint32_t compression = 0, clr_used = 0;
  if (core) {
    bpp = U16(p + 10);
  } else {
    if (hs < 16) {
      *error = "an embedded bitmap has a bad header";
      return nullptr;
    }
    bpp = U16(p + 14);
    if (hs >= 20) compression = U32(p + 16);
    if (hs >= 36) clr_used = U32(p + 32);
  }
  std::size_t entries = 0;
  if (bpp >= 1 && bpp <= 8)
    entries = clr_used ? std::min<std::size_t>(clr_used, std::size_t{1} << bpp) : std::size_t{1} << bpp;
  else if (!core)
    entries = std::min<std::size_t>(clr_used, 256);
  std::size_t masks = 0;
  if (hs == 40 && compression == BI_BITFIELDS) masks = 12;
  if (hs == 40 && compression == BI_ALPHABITFIELDS) masks = 16;
  const std::size_t entry_size = core ? 3 : 4;
  const std::size_t stored_table = entries * (pal_colours ? 2 : entry_size);
  if (hs + masks + stored_table > n) {
    *error = "an embedded bitmap's colour table is cut short";
    return nullptr;
  }
  // A file image: the header, the masks, the colour table as colours, the bits.
  std::string file(14, '\0');
  file.append(reinterpret_cast<const char*>(p), hs + masks);
  if (pal_colours) {
    for (std::size_t i = 0; i < entries; ++i) {
      const unsigned index = U16(p + hs + masks + 2 * i);
      PALETTEENTRY e{};
      if (palette && index < palette->size()) e = (*palette)[index];
      file.push_back(static_cast<char>(e.peBlue));
      file.push_back(static_cast<char>(e.peGreen));
      file.push_back(static_cast<char>(e.peRed));
      if (!core) file.push_back('\0');
    }
  } else {
    file.append(reinterpret_cast<const char*>(p + hs + masks), stored_table);
  }
  const std::size_t off_bits = file.size();
  const std::size_t bits_at = hs + masks + stored_table;
  file.append(reinterpret_cast<const char*>(p + bits_at), n - bits_at);
  file[0] = 'B';
  file[1] = 'M';
  const std::uint32_t total = static_cast<std::uint32_t>(file.size());
  for (int i = 0; i < 4; ++i) file[2 + i] = static_cast<char>((total >> (8 * i)) & 0xFF);
  for (int i = 0; i < 4; ++i) file[10 + i] = static_cast<char>((off_bits >> (8 * i)) & 0xFF);
  BmpInfo info;
  std::string why;
  if (!ReadBmpInfo(file.data(), file.size(), &info, &why)) {
    *error = "an embedded bitmap cannot be read: " + why;
    return nullptr;
  }
  if (static_cast<std::int64_t>(info.width) * info.height > kMaxEmbeddedPixels) {
    *error = "an embedded bitmap is too large";
    return nullptr;
  }
  HBITMAP bmp = LoadBmp(file.data(), file.size(), &why);
  if (!bmp) *error = "an embedded bitmap cannot be read: " + why;
  return bmp;
}

// A device-dependent bitmap of the 16-bit format; its bits start `bits` bytes after p. Depths other
// than 1, 24 and 32 bits depend on a device palette the file does not carry: they give null
// without an error and are not drawn.
HBITMAP DecodeBitmap16(const std::uint8_t* p, std::size_t n, std::size_t bits, std::string* error) {
  if (n < 10 || bits > n) {
    *error = "an embedded bitmap is cut short";
    return nullptr;
  }
  const int w = static_cast<std::int16_t>(U16(p + 2)), h = static_cast<std::int16_t>(U16(p + 4));
  const int stride = static_cast<std::int16_t>(U16(p + 6));
  const int planes = p[8], bpp = p[9];
  if (w <= 0 || h <= 0 || planes != 1 || stride <= 0) {
    *error = "an embedded bitmap has a bad size";
    return nullptr;
  }
  if (static_cast<std::int64_t>(w) * bpp > static_cast<std::int64_t>(stride) * 8 ||
      static_cast<std::size_t>(stride) * h > n - bits) {
    *error = "an embedded bitmap is cut short";
    return nullptr;
  }
  const std::uint8_t* src = p + bits;
  if (bpp == 1) {
    const int row = ((w + 15) / 16) * 2;
    std::vector<std::uint8_t> packed(static_cast<std::size_t>(row) * h);
    for (int y = 0; y < h; ++y)
      std::memcpy(&packed[static_cast<std::size_t>(y) * row], src + y * stride, std::min(row, stride));
    return CreateBitmap(w, h, 1, 1, packed.data());
  }
  if (bpp != 24 && bpp != 32) return nullptr;
  HBITMAP bmp = CreateDIBSection32(w, h);
  if (!bmp) return nullptr;
  const int step = bpp / 8;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* q = src + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * step;
      bmp->At(x, y) = (static_cast<std::uint32_t>(q[2]) << 16) | (q[1] << 8) | q[0];
    }
  return bmp;
}

class Player {
 public:
  // Without a DC the player only checks the records and measures the drawing in the pixels of
  // the records' own mapping.
  Player(const Metafile& mf, DC* dc, RECT target) : mf_(mf), dc_(dc), objects_(mf.object_count) {
    const RECT f = mf.frame;
    if (dc_) {
      double rw = f.right - f.left, rh = f.bottom - f.top, rl = f.left, rt = f.top;
      if (mf.frame_is_window) rl = rt = 0;
      ax_dev_ = rw != 0 ? (target.right - target.left) / rw : 0;
      ay_dev_ = rh != 0 ? (target.bottom - target.top) / rh : 0;
      bx_dev_ = target.left - rl * ax_dev_;
      by_dev_ = target.top - rt * ay_dev_;
      const RECT t = Normalised(target);
      base_clip_ = CreateRectRgn(t.left, t.top, t.right, t.bottom);
      if (dc_->clip) CombineRgn(base_clip_, base_clip_, dc_->clip, RGN_AND);
      saved_ = {dc_->pen, dc_->brush, dc_->font, dc_->palette, dc_->clip};
      saved_modes_ = {dc_->rop2, dc_->bk_mode, dc_->stretch_mode, dc_->poly_fill_mode,
                      static_cast<int>(dc_->text_align)};
      saved_colours_ = {dc_->bk_colour, dc_->text_colour};
      saved_pos_ = dc_->pos;
    }
    if (mf.frame_is_window && f.right != f.left && f.bottom != f.top) {
      st_.wox = f.left;
      st_.woy = f.top;
      st_.wex = f.right - f.left;
      st_.wey = f.bottom - f.top;
      st_.vex = st_.wex;
      st_.vey = st_.wey;
    }
    UpdateMapping();
  }
  ~Player() {
    if (!dc_) return;
    dc_->pen = saved_.pen;
    dc_->brush = saved_.brush;
    dc_->font = saved_.font;
    dc_->palette = saved_.palette;
    dc_->clip = saved_.clip;
    dc_->rop2 = saved_modes_[0];
    dc_->bk_mode = saved_modes_[1];
    dc_->stretch_mode = saved_modes_[2];
    dc_->poly_fill_mode = saved_modes_[3];
    dc_->text_align = static_cast<UINT>(saved_modes_[4]);
    dc_->bk_colour = saved_colours_[0];
    dc_->text_colour = saved_colours_[1];
    dc_->pos = saved_pos_;
  }

  // Walks the records from `from` to `to`; on a malformed record returns false with a message.
  bool Run(std::size_t from, std::size_t to, std::size_t* end, std::string* error) {
    const std::uint8_t* data = mf_.bytes.data();
    std::size_t off = from;
    while (to - off >= 6) {
      const std::uint32_t size = U32(data + off);
      const WORD fn = U16(data + off + 4);
      if (size < 3) return Fail(error, off, "has a size of " + std::to_string(size) + " words");
      if (size > (to - off) / 2) return Fail(error, off, "runs past the end of the file");
      if (fn == META_EOF) break;
      why_.clear();
      if (!Record(fn, Params{data + off + 6, size - 3})) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%04X", fn);
        return Fail(error, off,
                    "(function 0x" + std::string(hex) + ") is malformed" + (why_.empty() ? "" : ": " + why_));
      }
      off += static_cast<std::size_t>(size) * 2;
    }
    if (end) *end = std::min(off, to);
    if (!first_drawing_seen_ && window_set_) Draw();
    return true;
  }

  // What measuring found.
  bool drew = false;
  RECT bounds{};
  // The window the records set before they first drew, if any.
  std::optional<RECT> window_before_drawing;

 private:
  bool Fail(std::string* error, std::size_t off, const std::string& what) {
    if (error) *error = "the record at byte " + std::to_string(off) + " " + what;
    return false;
  }
  bool Bad(const char* why) {
    why_ = why;
    return false;
  }

  // ---- mapping ----

  void UpdateMapping() {
    double sx = 1, sy = 1;
    switch (st_.map_mode) {
      case MM_TEXT:
        break;
      case MM_ISOTROPIC:
      case MM_ANISOTROPIC:
        sx = st_.vex / st_.wex;
        sy = st_.vey / st_.wey;
        if (st_.map_mode == MM_ISOTROPIC) {
          const double m = std::min(std::fabs(sx), std::fabs(sy));
          sx = std::copysign(m, sx);
          sy = std::copysign(m, sy);
        }
        break;
      default:
        sx = MetricPixels(st_.map_mode);
        sy = -sx;
        break;
    }
    // reference = (logical - window origin) * s + viewport origin; device = reference * a + b.
    const double adx = dc_ ? ax_dev_ : 1, ady = dc_ ? ay_dev_ : 1, bdx = dc_ ? bx_dev_ : 0,
                 bdy = dc_ ? by_dev_ : 0;
    ax_ = sx * adx;
    bx_ = (st_.vox - st_.wox * sx) * adx + bdx;
    ay_ = sy * ady;
    by_ = (st_.voy - st_.woy * sy) * ady + bdy;
  }
  int X(double x) const { return RoundCoord(ax_ * x + bx_); }
  int Y(double y) const { return RoundCoord(ay_ * y + by_); }
  POINT P(double x, double y) const { return {X(x), Y(y)}; }
  RECT R(int l, int t, int r, int b) const { return Normalised({X(l), Y(t), X(r), Y(b)}); }
  bool Flipped() const { return (ax_ < 0) != (ay_ < 0); }

  // Measuring: extends the drawing's box by device points.
  void Mark(POINT p) {
    if (!drew) {
      bounds = {p.x, p.y, p.x, p.y};
      drew = true;
      return;
    }
    bounds.left = std::min(bounds.left, p.x);
    bounds.top = std::min(bounds.top, p.y);
    bounds.right = std::max(bounds.right, p.x);
    bounds.bottom = std::max(bounds.bottom, p.y);
  }
  void MarkRect(const RECT& r) {
    Mark({r.left, r.top});
    Mark({r.right, r.bottom});
  }
  // Every drawing record calls this first; false when there is no DC (measuring).
  bool Draw() {
    if (!drew && !window_before_drawing && window_set_)
      window_before_drawing = Normalised({RoundCoord(st_.wox), RoundCoord(st_.woy),
                                          RoundCoord(st_.wox + st_.wex), RoundCoord(st_.woy + st_.wey)});
    first_drawing_seen_ = true;
    if (!dc_) return false;
    Apply();
    return true;
  }

  // ---- the DC ----

  HPEN RealPen() const {
    if (!st_.pen) return GetStockPen(BLACK_PEN);
    int w = 0;
    if (st_.pen->pen_width > 0)
      w = std::clamp(static_cast<int>(std::lround(st_.pen->pen_width * std::fabs(ax_))), 1, kMaxPenPixels);
    HPEN pen = CreatePen(st_.pen->pen_style, w, st_.pen->colour);
    return pen ? pen : CreatePen(PS_SOLID, w, st_.pen->colour);
  }
  HFONT RealFont() const {
    if (!st_.font) return nullptr;
    if (st_.font->font && st_.font->font_ax == ax_ && st_.font->font_ay == ay_) return st_.font->font;
    LOGFONTA lf = st_.font->lf;
    const auto scale = [](int v, double s) {
      if (v == 0) return 0;
      const long r = std::lround(v * s);
      return static_cast<int>(
          std::clamp<long>(r == 0 ? (v < 0 ? -1 : 1) : r, -kMaxFontPixels, kMaxFontPixels));
    };
    lf.lfHeight = scale(lf.lfHeight, std::fabs(ay_));
    lf.lfWidth = std::abs(scale(lf.lfWidth, std::fabs(ax_)));
    if (Flipped()) {
      lf.lfEscapement = -lf.lfEscapement;
      lf.lfOrientation = -lf.lfOrientation;
    }
    st_.font->font = CreateFontIndirectA(lf);
    st_.font->font_ax = ax_;
    st_.font->font_ay = ay_;
    return st_.font->font;
  }
  HRGN EffectiveClip() {
    if (!st_.clip) return base_clip_;
    if (clip_for_ != st_.clip) {
      clip_for_ = st_.clip;
      effective_clip_ = CreateRectRgn(0, 0, 0, 0);
      CombineRgn(effective_clip_, base_clip_, st_.clip, RGN_AND);
    }
    return effective_clip_;
  }
  void Apply() {
    dc_->pen = RealPen();
    dc_->brush = st_.brush && st_.brush->brush ? st_.brush->brush : GetStockBrush(WHITE_BRUSH);
    if (st_.palette) {
      if (!st_.palette->realized && !st_.palette->entries.empty())
        st_.palette->realized =
            CreatePalette(st_.palette->entries.data(), static_cast<int>(st_.palette->entries.size()));
      if (st_.palette->realized) dc_->palette = st_.palette->realized;
    }
    dc_->rop2 = st_.rop2;
    dc_->bk_mode = st_.bk_mode;
    dc_->bk_colour = st_.bk_colour;
    dc_->text_colour = st_.text_colour;
    dc_->stretch_mode = st_.stretch_mode;
    dc_->poly_fill_mode = st_.poly_fill_mode;
    dc_->text_align = st_.text_align & ~static_cast<UINT>(TA_UPDATECP);
    dc_->clip = EffectiveClip();
  }
  HDC Hdc() const { return HDC(std::shared_ptr<DC>{}, dc_); }  // a non-owning handle

  // ---- objects ----

  void Add(Obj obj) {
    for (auto& slot : objects_)
      if (!slot) {
        slot = std::move(obj);
        return;
      }
    // A full table: the object is dropped, as the device would refuse to make it.
  }
  Obj Get(unsigned index, Kind kind) const {
    if (index >= objects_.size() || !objects_[index] || objects_[index]->kind != kind) return nullptr;
    return objects_[index];
  }
  void MakeBrush(int style, COLORREF colour, int hatch, HBITMAP pattern) {
    auto o = std::make_shared<WObject>();
    o->kind = Kind::Brush;
    o->colour = colour;
    if (style == BS_NULL)
      o->brush = GetStockBrush(NULL_BRUSH);
    else if (style == BS_HATCHED)
      o->brush = CreateHatchBrush(hatch, colour);
    else if (pattern)
      o->brush = CreatePatternBrush(pattern);
    if (!o->brush) o->brush = CreateSolidBrush(colour);
    Add(std::move(o));
  }

  // Scans of a region into device pixels, merged pairwise so that large regions stay cheap.
  HRGN DeviceRegion(const std::vector<Scan>& scans) const {
    std::vector<raster::Bands> parts;
    for (const Scan& s : scans) {
      const int y0 = Y(s.top), y1 = Y(s.bottom);
      Region::Band band{std::min(y0, y1), std::max(y0, y1), {}};
      if (band.top == band.bottom) continue;
      for (auto [l, r] : s.spans) {
        int a = X(l), b = X(r);
        if (a > b) std::swap(a, b);
        if (a < b) band.spans.emplace_back(a, b);
      }
      std::sort(band.spans.begin(), band.spans.end());
      std::vector<std::pair<int, int>> merged;
      for (auto sp : band.spans) {
        if (!merged.empty() && sp.first <= merged.back().second)
          merged.back().second = std::max(merged.back().second, sp.second);
        else
          merged.push_back(sp);
      }
      band.spans = std::move(merged);
      if (!band.spans.empty()) parts.push_back({std::move(band)});
    }
    while (parts.size() > 1) {
      std::vector<raster::Bands> next;
      for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        next.push_back(raster::CombineBands(parts[i], parts[i + 1], RGN_OR));
      if (parts.size() % 2) next.push_back(std::move(parts.back()));
      parts = std::move(next);
    }
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    if (!parts.empty()) rgn->bands = std::move(parts[0]);
    return rgn;
  }

  void SetClip(HRGN clip) { st_.clip = std::move(clip); }

  // ---- records ----

  bool Record(WORD fn, const Params& a) {
    switch (fn) {
      // -- state --
      case META_SAVEDC:
        if (static_cast<int>(stack_.size()) < kMaxSavedStates) stack_.push_back(st_);
        return true;
      case META_RESTOREDC: {
        if (!a.Has(1)) return Bad("no level");
        const int n = a.S(0);
        std::size_t level = 0;
        if (n < 0 && static_cast<std::size_t>(-n) <= stack_.size())
          level = stack_.size() + n;
        else if (n > 0 && static_cast<std::size_t>(n) <= stack_.size())
          level = static_cast<std::size_t>(n) - 1;
        else
          return true;
        st_ = stack_[level];
        stack_.resize(level);
        UpdateMapping();
        return true;
      }
      case META_SETBKMODE:
        if (!a.Has(1)) return Bad("no mode");
        if (a.U(0) == TRANSPARENT || a.U(0) == OPAQUE) st_.bk_mode = static_cast<int>(a.U(0));
        return true;
      case META_SETROP2:
        if (!a.Has(1)) return Bad("no mode");
        if (a.U(0) >= R2_BLACK && a.U(0) <= R2_WHITE) st_.rop2 = static_cast<int>(a.U(0));
        return true;
      case META_SETPOLYFILLMODE:
        if (!a.Has(1)) return Bad("no mode");
        if (a.U(0) == ALTERNATE || a.U(0) == WINDING) st_.poly_fill_mode = static_cast<int>(a.U(0));
        return true;
      case META_SETSTRETCHBLTMODE:
        if (!a.Has(1)) return Bad("no mode");
        if (a.U(0) >= BLACKONWHITE && a.U(0) <= HALFTONE) st_.stretch_mode = static_cast<int>(a.U(0));
        return true;
      case META_SETTEXTALIGN:
        if (!a.Has(1)) return Bad("no alignment");
        st_.text_align = a.U(0);
        return true;
      case META_SETBKCOLOR:
        if (!a.Has(2)) return Bad("no colour");
        st_.bk_colour = a.D(0);
        return true;
      case META_SETTEXTCOLOR:
        if (!a.Has(2)) return Bad("no colour");
        st_.text_colour = a.D(0);
        return true;
      case META_SETMAPMODE:
        if (!a.Has(1)) return Bad("no mode");
        if (a.U(0) >= MM_TEXT && a.U(0) <= MM_ANISOTROPIC) st_.map_mode = static_cast<int>(a.U(0));
        UpdateMapping();
        return true;
      case META_SETWINDOWORG:
      case META_SETWINDOWEXT:
      case META_SETVIEWPORTORG:
      case META_SETVIEWPORTEXT:
      case META_OFFSETWINDOWORG:
      case META_OFFSETVIEWPORTORG: {
        if (!a.Has(2)) return Bad("no point");
        const double y = a.S(0), x = a.S(1);
        if (fn == META_SETWINDOWORG) st_.wox = x, st_.woy = y;
        if (fn == META_OFFSETWINDOWORG) st_.wox += x, st_.woy += y;
        if (fn == META_SETVIEWPORTORG) st_.vox = x, st_.voy = y;
        if (fn == META_OFFSETVIEWPORTORG) st_.vox += x, st_.voy += y;
        // Zero extents are refused, as the device refuses them.
        if (fn == META_SETWINDOWEXT && x != 0 && y != 0) {
          st_.wex = x, st_.wey = y;
          if (!first_drawing_seen_) window_set_ = true;
        }
        if (fn == META_SETVIEWPORTEXT && x != 0 && y != 0) st_.vex = x, st_.vey = y;
        UpdateMapping();
        return true;
      }
      case META_SCALEWINDOWEXT:
      case META_SCALEVIEWPORTEXT: {
        if (!a.Has(4)) return Bad("no factors");
        const double yd = a.S(0), yn = a.S(1), xd = a.S(2), xn = a.S(3);
        if (xd == 0 || yd == 0 || xn == 0 || yn == 0) return true;
        double& ex = fn == META_SCALEWINDOWEXT ? st_.wex : st_.vex;
        double& ey = fn == META_SCALEWINDOWEXT ? st_.wey : st_.vey;
        ex = ex * xn / xd;
        ey = ey * yn / yd;
        UpdateMapping();
        return true;
      }
      case META_MOVETO:
        if (!a.Has(2)) return Bad("no point");
        st_.pos_y = a.S(0);
        st_.pos_x = a.S(1);
        return true;

      // -- objects --
      case META_CREATEPENINDIRECT: {
        if (!a.Has(5)) return Bad("the pen is cut short");
        auto o = std::make_shared<WObject>();
        o->kind = Kind::Pen;
        o->pen_style = static_cast<int>(a.U(0)) & PS_STYLE_MASK;
        if (o->pen_style > PS_INSIDEFRAME) o->pen_style = PS_SOLID;
        o->pen_width = std::max(0, a.S(1));
        o->colour = a.D(3);
        Add(std::move(o));
        return true;
      }
      case META_CREATEBRUSHINDIRECT: {
        if (!a.Has(4)) return Bad("the brush is cut short");
        const int style = static_cast<int>(a.U(0));
        MakeBrush(style == BS_NULL || style == BS_HATCHED ? style : BS_SOLID, a.D(1), a.S(3), nullptr);
        return true;
      }
      case META_CREATEPATTERNBRUSH: {
        // A 16-bit bitmap header (with a 4-byte bits pointer), 18 reserved bytes, the bits.
        std::string err;
        HBITMAP bmp = DecodeBitmap16(a.p, a.BytesFrom(0), 32, &err);
        if (!bmp && !err.empty()) {
          why_ = err;
          return false;
        }
        MakeBrush(BS_PATTERN, 0, 0, bmp);
        return true;
      }
      case META_DIBCREATEPATTERNBRUSH: {
        if (!a.Has(2)) return Bad("the brush is cut short");
        std::string err;
        HBITMAP bmp =
            DecodeDib(a.At(2), a.BytesFrom(2), a.U(1) == 1 && a.U(0) != BS_PATTERN, PaletteEntries(), &err);
        if (!bmp) {
          why_ = err;
          return false;
        }
        MakeBrush(BS_PATTERN, 0, 0, bmp);
        return true;
      }
      case META_CREATEFONTINDIRECT: {
        if (!a.Has(9)) return Bad("the font is cut short");
        auto o = std::make_shared<WObject>();
        o->kind = Kind::Font;
        LOGFONTA& lf = o->lf;
        lf.lfHeight = a.S(0);
        lf.lfWidth = a.S(1);
        lf.lfEscapement = a.S(2);
        lf.lfOrientation = a.S(3);
        lf.lfWeight = a.S(4);
        const std::uint8_t* b = a.At(5);
        lf.lfItalic = b[0], lf.lfUnderline = b[1], lf.lfStrikeOut = b[2], lf.lfCharSet = b[3];
        lf.lfOutPrecision = b[4], lf.lfClipPrecision = b[5], lf.lfQuality = b[6], lf.lfPitchAndFamily = b[7];
        const std::size_t room = std::min<std::size_t>(a.BytesFrom(9), 32);
        const char* face = reinterpret_cast<const char*>(a.At(9));
        lf.lfFaceName.assign(face, strnlen(face, room));
        Add(std::move(o));
        return true;
      }
      case META_CREATEPALETTE: {
        if (!a.Has(2)) return Bad("the palette is cut short");
        const std::size_t n = a.U(1);
        if (!a.Has(2 + 2 * n)) return Bad("the palette is cut short");
        auto o = std::make_shared<WObject>();
        o->kind = Kind::Palette;
        o->entries = ReadEntries(a, 2, n);
        Add(std::move(o));
        return true;
      }
      case META_SETPALENTRIES:
      case META_ANIMATEPALETTE: {
        if (!a.Has(2)) return Bad("no entries");
        const std::size_t start = a.U(0), n = a.U(1);
        if (!a.Has(2 + 2 * n)) return Bad("the entries are cut short");
        if (st_.palette) {
          const auto e = ReadEntries(a, 2, n);
          for (std::size_t i = 0; i < n && start + i < st_.palette->entries.size(); ++i)
            st_.palette->entries[start + i] = e[i];
          st_.palette->realized.reset();
        }
        return true;
      }
      case META_RESIZEPALETTE:
        if (!a.Has(1)) return Bad("no size");
        if (st_.palette) {
          st_.palette->entries.resize(a.U(0));
          st_.palette->realized.reset();
        }
        return true;
      case META_CREATEREGION: {
        auto o = std::make_shared<WObject>();
        o->kind = Kind::Region;
        if (!ReadRegion(a, &o->scans)) return false;
        Add(std::move(o));
        return true;
      }
      case META_SELECTOBJECT: {
        if (!a.Has(1)) return Bad("no object");
        const unsigned i = a.U(0);
        if (i >= objects_.size() || !objects_[i]) return true;
        const Obj& o = objects_[i];
        if (o->kind == Kind::Pen) st_.pen = o;
        if (o->kind == Kind::Brush) st_.brush = o;
        if (o->kind == Kind::Font) st_.font = o;
        if (o->kind == Kind::Palette) st_.palette = o;
        if (o->kind == Kind::Region && dc_) SetClip(DeviceRegion(o->scans));
        return true;
      }
      case META_SELECTPALETTE:
        if (!a.Has(1)) return Bad("no palette");
        if (Obj o = Get(a.U(0), Kind::Palette)) st_.palette = o;
        return true;
      case META_DELETEOBJECT:
        if (!a.Has(1)) return Bad("no object");
        if (a.U(0) < objects_.size()) objects_[a.U(0)].reset();
        return true;

      // -- clipping --
      case META_SELECTCLIPREGION:
        if (!a.Has(1)) return Bad("no region");
        if (Obj o = Get(a.U(0), Kind::Region)) {
          if (dc_) SetClip(DeviceRegion(o->scans));
        } else {
          SetClip(nullptr);
        }
        return true;
      case META_INTERSECTCLIPRECT:
      case META_EXCLUDECLIPRECT: {
        if (!a.Has(4)) return Bad("no rectangle");
        if (!dc_) return true;
        const RECT r = R(a.S(3), a.S(2), a.S(1), a.S(0));
        HRGN rect = CreateRectRgn(r.left, r.top, r.right, r.bottom);
        HRGN next = CreateRectRgn(0, 0, 0, 0);
        if (fn == META_INTERSECTCLIPRECT)
          CombineRgn(next, st_.clip ? st_.clip : rect, rect, RGN_AND);
        else
          CombineRgn(next, st_.clip ? st_.clip : base_clip_, rect, RGN_DIFF);
        SetClip(next);
        return true;
      }
      case META_OFFSETCLIPRGN: {
        if (!a.Has(2)) return Bad("no offset");
        if (!dc_ || !st_.clip) return true;
        HRGN next = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(next, st_.clip, st_.clip, RGN_COPY);
        OffsetRgn(next, static_cast<int>(std::lround(a.S(1) * ax_)),
                  static_cast<int>(std::lround(a.S(0) * ay_)));
        SetClip(next);
        return true;
      }

      // -- drawing --
      case META_LINETO: {
        if (!a.Has(2)) return Bad("no point");
        const double y = a.S(0), x = a.S(1);
        const POINT from = P(st_.pos_x, st_.pos_y), to = P(x, y);
        st_.pos_x = x, st_.pos_y = y;
        if (!Draw()) {
          Mark(from);
          Mark(to);
          return true;
        }
        MoveToEx(Hdc(), from.x, from.y, nullptr);
        LineTo(Hdc(), to.x, to.y);
        return true;
      }
      case META_POLYLINE:
      case META_POLYGON: {
        if (!a.Has(1)) return Bad("no point count");
        const std::size_t n = a.U(0);
        if (!a.Has(1 + 2 * n)) return Bad("fewer points than its count");
        std::vector<POINT> pts(n);
        for (std::size_t i = 0; i < n; ++i) pts[i] = P(a.S(1 + 2 * i), a.S(2 + 2 * i));
        if (!Draw()) {
          for (const POINT& p : pts) Mark(p);
          return true;
        }
        if (fn == META_POLYLINE)
          Polyline(Hdc(), pts.data(), static_cast<int>(n));
        else
          Polygon(Hdc(), pts.data(), static_cast<int>(n));
        return true;
      }
      case META_POLYPOLYGON: {
        if (!a.Has(1)) return Bad("no polygon count");
        const std::size_t polys = a.U(0);
        if (!a.Has(1 + polys)) return Bad("fewer polygons than its count");
        std::size_t total = 0;
        std::vector<int> counts(polys);
        for (std::size_t i = 0; i < polys; ++i) total += counts[i] = static_cast<int>(a.U(1 + i));
        if (!a.Has(1 + polys + 2 * total)) return Bad("fewer points than its counts");
        std::vector<POINT> pts(total);
        for (std::size_t i = 0; i < total; ++i) pts[i] = P(a.S(1 + polys + 2 * i), a.S(2 + polys + 2 * i));
        if (!Draw()) {
          for (const POINT& p : pts) Mark(p);
          return true;
        }
        PolyPolygon(Hdc(), pts.data(), counts.data(), static_cast<int>(polys));
        return true;
      }
      case META_RECTANGLE:
      case META_ELLIPSE: {
        if (!a.Has(4)) return Bad("no rectangle");
        const RECT r = R(a.S(3), a.S(2), a.S(1), a.S(0));
        if (!Draw()) {
          MarkRect(r);
          return true;
        }
        if (fn == META_RECTANGLE)
          Rectangle(Hdc(), r.left, r.top, r.right, r.bottom);
        else
          Ellipse(Hdc(), r.left, r.top, r.right, r.bottom);
        return true;
      }
      case META_ROUNDRECT: {
        if (!a.Has(6)) return Bad("no rectangle");
        const RECT r = R(a.S(5), a.S(4), a.S(3), a.S(2));
        if (!Draw()) {
          MarkRect(r);
          return true;
        }
        const int cw = RoundCoord(std::fabs(a.S(1) * ax_)), ch = RoundCoord(std::fabs(a.S(0) * ay_));
        RoundRect(Hdc(), r.left, r.top, r.right, r.bottom, cw, ch);
        return true;
      }
      case META_ARC:
      case META_PIE:
      case META_CHORD: {
        if (!a.Has(8)) return Bad("no box and end points");
        const RECT r = R(a.S(7), a.S(6), a.S(5), a.S(4));
        POINT s = P(a.S(3), a.S(2)), e = P(a.S(1), a.S(0));
        if (!Draw()) {
          MarkRect(r);
          return true;
        }
        // One flipped axis turns the arc's sense; swapping its ends keeps the same curve.
        if (Flipped()) std::swap(s, e);
        if (fn == META_ARC) Arc(Hdc(), r.left, r.top, r.right, r.bottom, s.x, s.y, e.x, e.y);
        if (fn == META_PIE) Pie(Hdc(), r.left, r.top, r.right, r.bottom, s.x, s.y, e.x, e.y);
        if (fn == META_CHORD) Chord(Hdc(), r.left, r.top, r.right, r.bottom, s.x, s.y, e.x, e.y);
        return true;
      }
      case META_SETPIXEL: {
        if (!a.Has(4)) return Bad("no pixel");
        const POINT p = P(a.S(3), a.S(2));
        if (!Draw()) {
          Mark(p);
          return true;
        }
        SetPixelV(Hdc(), p.x, p.y, a.D(0));
        return true;
      }
      case META_FLOODFILL:
      case META_EXTFLOODFILL: {
        const std::size_t k = fn == META_EXTFLOODFILL ? 1 : 0;
        if (!a.Has(4 + k)) return Bad("no point");
        const POINT p = P(a.S(3 + k), a.S(2 + k));
        if (!Draw()) {
          Mark(p);
          return true;
        }
        ExtFloodFill(Hdc(), p.x, p.y, a.D(k), k ? a.U(0) : static_cast<UINT>(FLOODFILLBORDER));
        return true;
      }
      case META_FILLREGION:
      case META_PAINTREGION:
      case META_INVERTREGION:
      case META_FRAMEREGION: {
        const std::size_t need = fn == META_FRAMEREGION ? 4 : fn == META_FILLREGION ? 2 : 1;
        if (!a.Has(need)) return Bad("no region");
        const Obj rgn = Get(a.U(0), Kind::Region);
        const Obj brush = need >= 2 ? Get(a.U(1), Kind::Brush) : nullptr;
        if (!rgn || (need >= 2 && !brush)) return true;
        if (!Draw()) {
          for (const Scan& s : rgn->scans)
            for (auto [l, r] : s.spans) MarkRect(R(l, s.top, r, s.bottom));
          return true;
        }
        HRGN dev = DeviceRegion(rgn->scans);
        if (fn == META_PAINTREGION) PaintRgn(Hdc(), dev);
        if (fn == META_INVERTREGION) InvertRgn(Hdc(), dev);
        if (fn == META_FILLREGION) FillRgn(Hdc(), dev, brush->brush);
        if (fn == META_FRAMEREGION) FrameRegion(dev, brush->brush, a.S(3), a.S(2));
        return true;
      }
      case META_TEXTOUT: {
        if (!a.Has(1)) return Bad("no string length");
        const std::size_t n = a.U(0), words = (n + 1) / 2;
        if (!a.Has(1 + words + 2)) return Bad("the string is cut short");
        Text(a.S(2 + words), a.S(1 + words), reinterpret_cast<const char*>(a.At(1)), n, 0, nullptr, nullptr);
        return true;
      }
      case META_EXTTEXTOUT: {
        if (!a.Has(4)) return Bad("no string length");
        const int y = a.S(0), x = a.S(1);
        const std::size_t n = a.U(2);
        const UINT opts = a.U(3);
        std::size_t at = 4;
        RECT rc{};
        const bool has_rect = (opts & (ETO_OPAQUE | ETO_CLIPPED)) != 0;
        if (has_rect) {
          if (!a.Has(8)) return Bad("the rectangle is cut short");
          rc = {a.S(4), a.S(5), a.S(6), a.S(7)};
          at = 8;
        }
        const std::size_t words = (n + 1) / 2;
        if (!a.Has(at + words)) return Bad("the string is cut short");
        std::vector<int> dx;
        if (a.Has(at + words + n)) {
          dx.resize(n);
          for (std::size_t i = 0; i < n; ++i) dx[i] = a.S(at + words + i);
        }
        Text(x, y, reinterpret_cast<const char*>(a.At(at)), n, opts, has_rect ? &rc : nullptr,
             dx.empty() ? nullptr : &dx);
        return true;
      }

      // -- blits --
      case META_PATBLT: {
        if (!a.Has(6)) return Bad("no rectangle");
        Blit(a.D(0), a.S(5), a.S(4), a.S(3), a.S(2), nullptr, 0, 0, 0, 0, false);
        return true;
      }
      case META_BITBLT:
      case META_DIBBITBLT:
      case META_STRETCHBLT:
      case META_DIBSTRETCHBLT: {
        const bool stretch = fn == META_STRETCHBLT || fn == META_DIBSTRETCHBLT;
        const std::size_t fixed = stretch ? 10 : 8;  // words before the bitmap
        // Without a bitmap the record is exactly the size its function number announces, and
        // its last four words are the destination.
        if (a.words == static_cast<std::size_t>(fn >> 8)) {
          const std::size_t last = a.words - 1;
          Blit(a.D(0), a.S(last), a.S(last - 1), a.S(last - 2), a.S(last - 3), nullptr, 0, 0, 0, 0, false);
          return true;
        }
        if (!a.Has(fixed + 1)) return Bad("no rectangles or bitmap");
        std::string err;
        HBITMAP bmp = fn == META_BITBLT || fn == META_STRETCHBLT
                          ? DecodeBitmap16(a.At(fixed), a.BytesFrom(fixed), 10, &err)
                          : DecodeDib(a.At(fixed), a.BytesFrom(fixed), false, nullptr, &err);
        if (!bmp) {
          if (err.empty()) return true;
          why_ = err;
          return false;
        }
        if (stretch)
          Blit(a.D(0), a.S(9), a.S(8), a.S(7), a.S(6), bmp, a.S(5), a.S(4), a.S(3), a.S(2), false);
        else
          Blit(a.D(0), a.S(7), a.S(6), a.S(5), a.S(4), bmp, a.S(3), a.S(2), a.S(5), a.S(4), false);
        return true;
      }
      case META_STRETCHDIB: {
        if (!a.Has(11)) return Bad("no rectangles");
        std::string err;
        HBITMAP bmp = DecodeDib(a.At(11), a.BytesFrom(11), a.U(2) == 1, PaletteEntries(), &err);
        if (!bmp) {
          why_ = err;
          return false;
        }
        Blit(a.D(0), a.S(10), a.S(9), a.S(8), a.S(7), bmp, a.S(6), a.S(5), a.S(4), a.S(3),
             BottomUp(a.At(11)));
        return true;
      }
      case META_SETDIBTODEV: {
        if (!a.Has(9)) return Bad("no rectangles");
        std::string err;
        HBITMAP bmp = DecodeDib(a.At(9), a.BytesFrom(9), a.U(0) == 1, PaletteEntries(), &err);
        if (!bmp) {
          why_ = err;
          return false;
        }
        Blit(SRCCOPY, a.S(8), a.S(7), a.S(6), a.S(5), bmp, a.S(4), a.S(3), a.S(6), a.S(5), BottomUp(a.At(9)));
        return true;
      }
      default:
        // Records that do not draw (escapes, mapper flags, layout, justification ...) and
        // records this player does not know are skipped.
        return true;
    }
  }

  static bool BottomUp(const std::uint8_t* dib) {
    const std::uint32_t hs = U32(dib);
    if (hs == 12) return true;
    return static_cast<std::int32_t>(U32(dib + 8)) > 0;
  }

  const std::vector<PALETTEENTRY>* PaletteEntries() const {
    return st_.palette ? &st_.palette->entries : nullptr;
  }

  static std::vector<PALETTEENTRY> ReadEntries(const Params& a, std::size_t at, std::size_t n) {
    std::vector<PALETTEENTRY> e(n);
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint8_t* q = a.At(at + 2 * i);
      e[i] = {q[0], q[1], q[2], q[3]};
    }
    return e;
  }

  bool ReadRegion(const Params& a, std::vector<Scan>* scans) {
    // nextInChain, ObjectType, ObjectCount (2 words), RegionSize, ScanCount, maxScan, bounding box.
    if (!a.Has(11)) return Bad("the region is cut short");
    const std::size_t count = a.U(5);
    std::size_t at = 11;
    for (std::size_t s = 0; s < count; ++s) {
      if (!a.Has(at + 3)) return Bad("a region scan is cut short");
      const std::size_t xs = a.U(at);
      if (xs % 2) return Bad("a region scan has an odd count");
      if (!a.Has(at + 3 + xs + 1)) return Bad("a region scan is cut short");
      Scan scan{a.S(at + 1), a.S(at + 2), {}};
      for (std::size_t i = 0; i < xs; i += 2) scan.spans.emplace_back(a.S(at + 3 + i), a.S(at + 4 + i));
      scans->push_back(std::move(scan));
      at += 3 + xs + 1;
    }
    return true;
  }

  // A blit of (x, y, w, h) logical from the bitmap's (sx, sy, sw, sh); with dib_coords the source
  // rectangle is measured from the bottom row of a bottom-up bitmap. No bitmap: a pattern blit.
  void Blit(DWORD rop, int x, int y, int w, int h, const HBITMAP& bmp, int sx, int sy, int sw, int sh,
            bool dib_coords) {
    const int x0 = X(x), y0 = Y(y), x1 = X(static_cast<double>(x) + w), y1 = Y(static_cast<double>(y) + h);
    if (!Draw()) {
      MarkRect(Normalised({x0, y0, x1, y1}));
      return;
    }
    if (!bmp) {
      const RECT r = Normalised({x0, y0, x1, y1});
      PatBlt(Hdc(), r.left, r.top, r.right - r.left, r.bottom - r.top, rop);
      return;
    }
    if (dib_coords) sy = bmp->Height() - sy - sh;
    HDC src = std::make_shared<DC>(bmp, true);
    StretchBlt(Hdc(), x0, y0, x1 - x0, y1 - y0, src, sx, sy, sw, sh, rop);
  }

  void FrameRegion(const HRGN& rgn, const HBRUSH& brush, int w, int h) {
    const int fw = std::max(1, static_cast<int>(std::lround(std::fabs(w * ax_)))),
              fh = std::max(1, static_cast<int>(std::lround(std::fabs(h * ay_))));
    HRGN inner = CreateRectRgn(0, 0, 0, 0), moved = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(inner, rgn, rgn, RGN_COPY);
    const int offsets[4][2] = {{fw, 0}, {-fw, 0}, {0, fh}, {0, -fh}};
    for (const auto& o : offsets) {
      CombineRgn(moved, rgn, rgn, RGN_COPY);
      OffsetRgn(moved, o[0], o[1]);
      CombineRgn(inner, inner, moved, RGN_AND);
    }
    HRGN frame = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(frame, rgn, inner, RGN_DIFF);
    FillRgn(Hdc(), frame, brush);
  }

  void Text(int x, int y, const char* s, std::size_t n, UINT opts, const RECT* rc,
            const std::vector<int>* dx) {
    const bool update_cp = (st_.text_align & TA_UPDATECP) != 0;
    const double lx = update_cp ? st_.pos_x : x, ly = update_cp ? st_.pos_y : y;
    const POINT at = P(lx, ly);
    if (!Draw()) {
      Mark(at);
      if (rc) MarkRect(R(rc->left, rc->top, rc->right, rc->bottom));
      return;
    }
    const HDC hdc = Hdc();
    if (HFONT f = RealFont())
      hdc->font = f;
    else
      hdc->font = saved_.font;
    if (rc && (opts & ETO_OPAQUE)) {
      const RECT r = R(rc->left, rc->top, rc->right, rc->bottom);
      HBRUSH bk = CreateSolidBrush(st_.bk_colour);
      FillRect(hdc, r, bk);
    }
    if (rc && (opts & ETO_CLIPPED)) {
      const RECT r = R(rc->left, rc->top, rc->right, rc->bottom);
      IntersectClipRect(hdc, r.left, r.top, r.right, r.bottom);
    }
    const int len = static_cast<int>(n);
    double advance = 0;  // logical
    if (dx) {
      for (int v : *dx) advance += v;
      const UINT horizontal = st_.text_align & (TA_CENTER | TA_RIGHT | TA_LEFT);
      double start = lx;
      if (!update_cp && horizontal == TA_RIGHT) start -= advance;
      if (!update_cp && horizontal == TA_CENTER) start -= advance / 2;
      hdc->text_align = st_.text_align & ~static_cast<UINT>(TA_UPDATECP | TA_CENTER | TA_RIGHT);
      double cx = start;
      for (int i = 0; i < len; ++i) {
        TextOutA(hdc, X(cx), at.y, s + i, 1);
        cx += (*dx)[static_cast<std::size_t>(i)];
      }
    } else {
      TextOutA(hdc, at.x, at.y, s, len);
      if (update_cp && ax_ != 0) {
        SIZE size{};
        GetTextExtentPoint32A(hdc, s, len, &size);
        advance = size.cx / std::fabs(ax_) * (ax_ < 0 ? -1 : 1);
      }
    }
    if (update_cp) st_.pos_x += advance;
  }

  const Metafile& mf_;
  DC* dc_;
  std::vector<Obj> objects_;
  State st_;
  std::vector<State> stack_;
  std::string why_;
  double ax_dev_ = 1, ay_dev_ = 1, bx_dev_ = 0, by_dev_ = 0;
  double ax_ = 1, bx_ = 0, ay_ = 1, by_ = 0;  // logical -> device
  HRGN base_clip_, effective_clip_, clip_for_;
  bool window_set_ = false, first_drawing_seen_ = false;
  struct Saved {
    HPEN pen;
    HBRUSH brush;
    HFONT font;
    HPALETTE palette;
    HRGN clip;
  } saved_;
  std::array<int, 5> saved_modes_{};
  std::array<COLORREF, 2> saved_colours_{};
  POINT saved_pos_{};
};

HMETAFILE Refuse(std::string* error, const std::string& why) {
  if (error) *error = why;
  return nullptr;
}

}  // namespace

HMETAFILE LoadMetafile(const void* data, std::size_t size, std::string* error) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  auto mf = std::make_shared<Metafile>();
  std::size_t off = 0;
  if (size >= 4 && U32(p) == kPlaceableKey) {
    if (size < 22) return Refuse(error, "the placeable metafile header is cut short");
    const int l = static_cast<std::int16_t>(U16(p + 6)), t = static_cast<std::int16_t>(U16(p + 8)),
              r = static_cast<std::int16_t>(U16(p + 10)), b = static_cast<std::int16_t>(U16(p + 12));
    mf->units_per_inch = U16(p + 14);
    if (mf->units_per_inch == 0)
      return Refuse(error, "the placeable metafile header gives zero units per inch");
    mf->placeable = true;
    mf->frame = Normalised({l, t, r, b});
    off = 22;
  }
  if (size - off < 18) return Refuse(error, "this is not a Windows metafile: the header is cut short");
  const unsigned type = U16(p + off), header_words = U16(p + off + 2), version = U16(p + off + 4);
  if ((type != 1 && type != 2) || header_words != 9 || (version != 0x0100 && version != 0x0300))
    return Refuse(error, "this is not a Windows metafile: its header is not one");
  mf->object_count = U16(p + off + 10);
  mf->bytes.assign(p, p + size);
  mf->first_record = off + 18;

  // Checking and measuring: a pass without a DC.
  std::string why;
  Player check(*mf, nullptr, {});
  if (!check.Run(mf->first_record, size, &mf->records_end, &why))
    return Refuse(error, "the metafile is damaged: " + why);

  if (mf->placeable) {
    const auto px = [&](int units) {
      return static_cast<int>(std::lround(static_cast<double>(units) * 96.0 / mf->units_per_inch));
    };
    mf->natural_width = px(mf->frame.right - mf->frame.left);
    mf->natural_height = px(mf->frame.bottom - mf->frame.top);
  } else {
    if (check.window_before_drawing) {
      mf->frame = *check.window_before_drawing;
    } else {
      mf->frame_is_window = false;
      mf->frame = check.drew ? check.bounds : RECT{};
    }
    mf->natural_width = mf->frame.right - mf->frame.left;
    mf->natural_height = mf->frame.bottom - mf->frame.top;
  }
  return mf;
}

HMETAFILE LoadMetafileFile(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Refuse(error, "cannot open " + path);
  const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return Refuse(error, "cannot read " + path);
  return LoadMetafile(data.data(), data.size(), error);
}

bool PlayMetafile(const HDC& hdc, const Metafile& mf, const RECT& target) {
  if (!hdc) return false;
  if (target.left == target.right || target.top == target.bottom) return true;
  if (mf.frame.left == mf.frame.right || mf.frame.top == mf.frame.bottom) return true;
  Player player(mf, hdc.get(), target);
  player.Run(mf.first_record, mf.records_end, nullptr, nullptr);
  return true;
}

}  // namespace gdi
