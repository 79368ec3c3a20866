// Text through FreeType and Fontconfig.
//
// A font is only its LOGFONTA until it is first measured or drawn: the stock system font is made
// at start-up, and matching a face through Fontconfig and opening it with FreeType is work that
// start-up should not pay for. On first use the face name is matched (so "Arial" finds a
// metric-compatible face), the face is opened once per process and shared by every font that
// uses it, and each font keeps its own FreeType size object on that face.
//
// Pixel rules, as the platform draws text on a true-colour surface without smoothing:
//  * Glyphs are hinted for monochrome output and rendered one bit per pixel: a pixel is either
//    the text colour or untouched, never a blend, so text keeps exact palette colours.
//  * The cell of a string is its advance width by tmHeight. TA_TOP puts the reference point on
//    the cell's top edge, TA_BASELINE on the baseline, TA_BOTTOM on the bottom edge; TA_LEFT,
//    TA_CENTER (half the width, rounded down) and TA_RIGHT place it along the baseline.
//  * The cell's rows are y .. y + tmHeight - 1 for TA_TOP at y: glyph pixels sitting on the
//    baseline end on row y + tmAscent - 1, descenders start on row y + tmAscent.
//  * OPAQUE fills the cell with the background colour before the glyphs are drawn; TRANSPARENT
//    leaves it. Both the cell and the glyphs are copied: the DC's ROP2 does not apply to text.
//  * Escapement turns the whole string, reference point included, counter-clockwise by tenths
//    of a degree. Orientation is not used separately: in the platform's compatible graphics
//    mode glyphs always turn with the escapement.
//  * Text bytes are Windows-1252, mapped to Unicode before the glyph is looked up. Bytes the
//    face has no glyph for draw the face's missing-glyph shape. There is no kerning.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cmath>
#include <map>
#include <memory>
#include <numbers>
#include <tuple>

#include "gdi/raster.h"

namespace gdi {

namespace {

// The cell height used when a font asks for height 0.
constexpr int kDefaultCellHeight = 16;
// Em sizes are kept within what a rendered glyph bitmap can sensibly hold.
constexpr int kMaxPixelsPerEm = 8192;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five bytes it leaves undefined map
// to the control characters of the same value, as the platform's conversion does.
constexpr char32_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointFromByte(unsigned char b) {
  return b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b;
}

std::string Utf8FromLatin1(const std::string& s) {
  std::string out;
  for (unsigned char c : s) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// Latin-1 bytes of a UTF-8 name, or false when the name has characters beyond Latin-1 (such a
// name cannot be typed into, or stored in, the program's byte strings).
bool Latin1FromUtf8(const char* s, std::string* out) {
  out->clear();
  for (const auto* p = reinterpret_cast<const unsigned char*>(s); *p; ++p) {
    if (*p < 0x80) {
      *out += static_cast<char>(*p);
    } else if ((*p == 0xC2 || *p == 0xC3) && (p[1] & 0xC0) == 0x80) {
      *out += static_cast<char>(((*p & 0x03) << 6) | (p[1] & 0x3F));
      ++p;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

char32_t UnicodeFromAnsi(unsigned char byte) { return CodePointFromByte(byte); }

int AnsiFromUnicode(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int i = 0; i < 32; ++i) {
    if (kCp1252High[i] == c) return 0x80 + i;
  }
  return -1;
}

namespace {

// The face file Fontconfig found for a request.
struct Match {
  std::string file;
  int index = 0;
};

// The process-wide FreeType library, the faces opened so far and the matches made so far. The
// program draws from one thread, so none of this is locked. Nothing here is ever released:
// faces are shared by fonts that may live until exit.
class Engine {
 public:
  static Engine& Get() {
    static Engine* engine = new Engine();
    return *engine;
  }

  FT_Library Library() const { return library_; }

  const Match& Resolve(const std::string& family, int weight, bool italic) {
    const auto key = std::make_tuple(family, weight, italic);
    auto it = matches_.find(key);
    if (it == matches_.end()) it = matches_.emplace(key, MatchFace(family, weight, italic)).first;
    return it->second;
  }

  // The face of (file, index), opened on first request; null when it cannot be opened.
  FT_Face Face(const std::string& file, int index) {
    if (!library_ || file.empty()) return nullptr;
    const auto key = std::make_pair(file, index);
    auto it = faces_.find(key);
    if (it != faces_.end()) return it->second;
    FT_Face face = nullptr;
    if (FT_New_Face(library_, file.c_str(), index, &face) != 0) face = nullptr;
    if (face && !FT_IS_SCALABLE(face)) {
      FT_Done_Face(face);
      face = nullptr;
    }
    if (face) FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    faces_.emplace(key, face);
    return face;
  }

 private:
  Engine() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
  }

  static Match MatchFace(const std::string& family, int weight, bool italic) {
    Match m;
    FcPattern* pat = FcPatternCreate();
    if (!pat) return m;
    if (!family.empty()) {
      const std::string utf8 = Utf8FromLatin1(family);
      FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.c_str()));
    }
    const int want_weight = FcWeightFromOpenType(weight <= 0 ? FW_NORMAL : std::min(weight, 1000));
    FcPatternAddInteger(pat, FC_WEIGHT, want_weight);
    FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    // Glyphs are drawn from outlines, so bitmap-only faces are no use.
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, pat, &result);
    if (found) {
      FcChar8* file = nullptr;
      if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch && file)
        m.file = reinterpret_cast<const char*>(file);
      int index = 0;
      if (FcPatternGetInteger(found, FC_INDEX, 0, &index) == FcResultMatch) m.index = index;
      FcPatternDestroy(found);
    }
    FcPatternDestroy(pat);
    return m;
  }

  FT_Library library_ = nullptr;
  std::map<std::tuple<std::string, int, bool>, Match> matches_;
  std::map<std::pair<std::string, int>, FT_Face> faces_;
};

// A rendered glyph as runs of set pixels, relative to its origin on the baseline (device
// orientation: y grows downwards).
struct GlyphRuns {
  struct Run {
    int y, x0, x1;
  };
  std::vector<Run> runs;
};

}  // namespace

class FontImpl {
 public:
  FT_Face face = nullptr;  // shared; owned by the engine
  FT_Size size = nullptr;  // this font's own
  bool synth_bold = false, synth_italic = false;
  FT_Pos embolden = 0;  // 26.6 pixels added to each glyph's width by simulated bold

  int height = 0, ascent = 0, descent = 0, ppem = 0, external_leading = 0;
  int ave_width = 0, max_width = 0, weight = FW_NORMAL;
  int underline_pos = 0, underline_thick = 1;  // pixels below the baseline to the line's top
  int strike_pos = 0, strike_thick = 1;        // pixels above the baseline to the line's top
  bool underline = false, strikeout = false;

  // The escapement as a rotation; exact for multiples of 90 degrees so that those stay on the
  // pixel grid.
  double cos_a = 1, sin_a = 0;
  bool rotated = false;

  ~FontImpl() {
    if (size) FT_Done_Size(size);
  }

  // Hinted advance of one text byte in whole pixels.
  int Advance(unsigned char b) {
    if (advances_[b] < 0) {
      advances_[b] = 0;
      if (Load(b)) advances_[b] = static_cast<int>((face->glyph->advance.x + 32) >> 6) + Embolden();
    }
    return advances_[b];
  }

  // The glyph of a text byte with its origin at a sub-pixel offset (frac_x, frac_y in [0, 1),
  // device orientation). Glyphs on whole pixels are cached.
  const GlyphRuns& Glyph(unsigned char b, double frac_x, double frac_y) {
    if (frac_x == 0 && frac_y == 0) {
      if (!cached_[b]) {
        cached_[b] = std::make_unique<GlyphRuns>();
        Render(b, 0, 0, cached_[b].get());
      }
      return *cached_[b];
    }
    scratch_ = GlyphRuns();
    Render(b, frac_x, frac_y, &scratch_);
    return scratch_;
  }

 private:
  int Embolden() const { return static_cast<int>(embolden >> 6); }

  bool Load(unsigned char b) {
    if (FT_Activate_Size(size) != 0) return false;
    const FT_UInt index = FT_Get_Char_Index(face, CodePointFromByte(b));
    return FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO) == 0;
  }

  void Render(unsigned char b, double frac_x, double frac_y, GlyphRuns* out) {
    if (!Load(b)) return;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return;
    FT_Outline* outline = &slot->outline;
    if (synth_bold) FT_Outline_EmboldenXY(outline, embolden, 0);
    if (synth_italic) {
      FT_Matrix shear{0x10000, 0x3333, 0, 0x10000};  // x += 0.2 y
      FT_Outline_Transform(outline, &shear);
    }
    if (rotated) {
      // The outline is turned here rather than by the face's load transform because simulated
      // bold and italic belong to the upright glyph and must come first. FreeType's outline
      // space has y upwards, so a counter-clockwise turn is the usual rotation matrix there.
      const auto fx = [](double v) { return static_cast<FT_Fixed>(std::lround(v * 65536.0)); };
      FT_Matrix turn{fx(cos_a), fx(-sin_a), fx(sin_a), fx(cos_a)};
      FT_Outline_Transform(outline, &turn);
    }
    if (frac_x != 0 || frac_y != 0)
      FT_Outline_Translate(outline, std::lround(frac_x * 64), -std::lround(frac_y * 64));
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return;
    const FT_Bitmap& bm = slot->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_MONO) return;
    for (unsigned r = 0; r < bm.rows; ++r) {
      const unsigned char* row = bm.buffer + static_cast<std::ptrdiff_t>(r) * bm.pitch;
      const int y = static_cast<int>(r) - slot->bitmap_top;
      unsigned c = 0;
      while (c < bm.width) {
        // Whole empty and whole full bytes are passed over eight pixels at a time.
        if ((c & 7) == 0 && row[c >> 3] == 0) {
          c += 8;
          continue;
        }
        if (!(row[c >> 3] & (0x80 >> (c & 7)))) {
          ++c;
          continue;
        }
        const unsigned start = c;
        while (c < bm.width) {
          if ((c & 7) == 0 && row[c >> 3] == 0xFF) {
            c += 8;
          } else if (row[c >> 3] & (0x80 >> (c & 7))) {
            ++c;
          } else {
            break;
          }
        }
        c = std::min(c, bm.width);
        const int x0 = slot->bitmap_left + static_cast<int>(start);
        const int x1 = slot->bitmap_left + static_cast<int>(c);
        out->runs.push_back({y, x0, x1});
      }
    }
  }

  std::array<int, 256> advances_ = [] {
    std::array<int, 256> a{};
    a.fill(-1);
    return a;
  }();
  std::array<std::unique_ptr<GlyphRuns>, 256> cached_;
  GlyphRuns scratch_;
};

namespace {

// Sets up the face, size and metrics of a font on first use. Returns null when no face could be
// found or opened (no fonts installed): such a font measures and draws nothing.
FontImpl* Realize(Font& font) {
  if (font.impl) return font.impl->face ? font.impl.get() : nullptr;
  font.impl = std::make_unique<FontImpl>();
  FontImpl& f = *font.impl;
  const LOGFONTA& lf = font.lf;
  Engine& engine = Engine::Get();
  const Match& m = engine.Resolve(lf.lfFaceName, lf.lfWeight, lf.lfItalic != 0);
  font.file = m.file;
  FT_Face face = engine.Face(m.file, m.index);
  if (!face || FT_New_Size(face, &f.size) != 0) {
    f.size = nullptr;
    return nullptr;
  }
  f.face = face;
  f.weight = lf.lfWeight <= 0 ? FW_NORMAL : std::min(lf.lfWeight, 1000);
  f.underline = lf.lfUnderline != 0;
  f.strikeout = lf.lfStrikeOut != 0;

  // The cell is the platform's: the OS/2 table's Windows ascent and descent when the face has
  // one, the horizontal header's otherwise.
  const double upem = face->units_per_EM > 0 ? face->units_per_EM : 1000;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  double win_ascent = face->ascender, win_descent = -face->descender;
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    win_ascent = os2->usWinAscent;
    win_descent = os2->usWinDescent;
  }
  if (win_ascent + win_descent <= 0) {
    win_ascent = upem * 0.8;
    win_descent = upem * 0.2;
  }
  const double cell_units = win_ascent + win_descent;

  // What the face lacks is simulated. Fontconfig's answer cannot tell: its configuration may
  // rewrite the weight and slant it reports to the ones asked for, so the face itself is asked.
  int face_weight = face->style_flags & FT_STYLE_FLAG_BOLD ? FW_BOLD : FW_NORMAL;
  if (os2 && os2->version != 0xFFFF && os2->usWeightClass > 0) face_weight = os2->usWeightClass;
  f.synth_bold = f.weight >= 600 && face_weight < 600;
  f.synth_italic = lf.lfItalic != 0 && !(face->style_flags & FT_STYLE_FLAG_ITALIC);

  // Negative heights ask for the em, positive ones for the whole cell (ascent plus descent).
  int h = lf.lfHeight == 0 ? kDefaultCellHeight : lf.lfHeight;
  h = std::clamp(h, -kMaxPixelsPerEm, kMaxPixelsPerEm);
  if (h < 0) {
    f.ppem = -h;
    f.ascent = static_cast<int>(std::lround(win_ascent * f.ppem / upem));
    f.descent = static_cast<int>(std::lround(win_descent * f.ppem / upem));
  } else {
    f.ppem = std::max(1, static_cast<int>(std::lround(h * upem / cell_units)));
    f.ascent = static_cast<int>(std::lround(win_ascent * h / cell_units));
    f.descent = h - f.ascent;
  }
  f.height = f.ascent + f.descent;
  const double scale = f.ppem / upem;

  // A width other than 0 asks for that average character width: the em is stretched sideways.
  const double natural_ave = (os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : upem / 2) * scale;
  double x_ppem = f.ppem;
  if (lf.lfWidth > 0 && natural_ave > 0)
    x_ppem = std::clamp(f.ppem * std::min(lf.lfWidth, kMaxPixelsPerEm) / natural_ave, 1.0,
                        static_cast<double>(kMaxPixelsPerEm));
  FT_Activate_Size(f.size);
  FT_Set_Char_Size(face, static_cast<FT_F26Dot6>(std::lround(x_ppem * 64)), f.ppem * 64, 72, 72);
  const double x_scale = x_ppem / upem;

  if (f.synth_bold) f.embolden = std::max<FT_Pos>(64, (f.ppem * 64 / 24) & ~63);
  f.ave_width =
      static_cast<int>(std::lround(natural_ave * x_ppem / f.ppem)) + static_cast<int>(f.embolden >> 6);
  f.max_width =
      static_cast<int>(std::lround(face->max_advance_width * x_scale)) + static_cast<int>(f.embolden >> 6);
  if (hhea) {
    // The platform's external leading: the line gap the horizontal header asks for beyond what
    // the Windows ascent and descent already include.
    const double gap = hhea->Line_Gap - (cell_units - (hhea->Ascender - hhea->Descender));
    f.external_leading = std::max(0, static_cast<int>(std::lround(gap * scale)));
  }

  f.underline_thick = std::max(1, static_cast<int>(std::lround(face->underline_thickness * scale)));
  const int ul_centre = static_cast<int>(std::lround(-face->underline_position * scale));
  f.underline_pos = std::max(1, ul_centre - f.underline_thick / 2);
  if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
    f.strike_thick = std::max(1, static_cast<int>(std::lround(os2->yStrikeoutSize * scale)));
    f.strike_pos = static_cast<int>(std::lround(os2->yStrikeoutPosition * scale));
  } else {
    f.strike_thick = f.underline_thick;
    f.strike_pos = static_cast<int>(std::lround(f.ascent * 0.3)) + f.strike_thick;
  }

  const int esc = ((lf.lfEscapement % 3600) + 3600) % 3600;
  f.rotated = esc != 0;
  switch (esc) {
    case 0:
      f.cos_a = 1, f.sin_a = 0;
      break;
    case 900:
      f.cos_a = 0, f.sin_a = 1;
      break;
    case 1800:
      f.cos_a = -1, f.sin_a = 0;
      break;
    case 2700:
      f.cos_a = 0, f.sin_a = -1;
      break;
    default: {
      const double rad = esc * std::numbers::pi / 1800.0;
      f.cos_a = std::cos(rad);
      f.sin_a = std::sin(rad);
    }
  }
  return &f;
}

FontImpl* DcFont(const HDC& hdc) {
  return hdc && hdc->font ? Realize(*hdc->font) : nullptr;
}

long long AdvanceSum(FontImpl& f, const char* text, int len) {
  long long w = 0;
  for (int i = 0; i < len; ++i) w += f.Advance(static_cast<unsigned char>(text[i]));
  return w;
}

// Places text space (u along the baseline, v upwards from it) on the device: the baseline
// origin plus the turned axes.
struct TextFrame {
  double ox, oy;  // baseline origin on the device
  double cos_a, sin_a;
  double X(double u, double v) const { return ox + u * cos_a - v * sin_a; }
  double Y(double u, double v) const { return oy - u * sin_a - v * cos_a; }
};

// Fills the text-space rectangle u in [u0, u1), v in (v0, v1] with one pixel word, copying.
// A pixel is painted when its centre lies inside; centres on the left or top edge of a span
// belong to it, those on the right or bottom edge do not, so a cell on whole pixels covers
// exactly its rows and columns.
void FillTextRect(DC& dc, const TextFrame& fr, double u0, double u1, double v0, double v1,
                  std::uint32_t pixel) {
  if (u1 <= u0 || v1 <= v0) return;
  const double xs[4] = {fr.X(u0, v1), fr.X(u1, v1), fr.X(u1, v0), fr.X(u0, v0)};
  const double ys[4] = {fr.Y(u0, v1), fr.Y(u1, v1), fr.Y(u1, v0), fr.Y(u0, v0)};
  const double ymin = *std::min_element(ys, ys + 4), ymax = *std::max_element(ys, ys + 4);
  const int row0 =
      static_cast<int>(std::clamp(std::ceil(ymin - 0.5), 0.0, static_cast<double>(dc.surface->Height())));
  const int row1 =
      static_cast<int>(std::clamp(std::ceil(ymax - 0.5), 0.0, static_cast<double>(dc.surface->Height())));
  const double wmax = static_cast<double>(dc.surface->Width());
  for (int y = row0; y < row1; ++y) {
    const double cy = y + 0.5;
    double lo = INFINITY, hi = -INFINITY;
    for (int i = 0; i < 4; ++i) {
      const int j = (i + 1) % 4;
      const double ya = ys[i], yb = ys[j];
      if ((cy < ya) == (cy < yb)) continue;  // the edge does not cross this row's centre line
      const double x = xs[i] + (cy - ya) * (xs[j] - xs[i]) / (yb - ya);
      lo = std::min(lo, x);
      hi = std::max(hi, x);
    }
    if (!(lo < hi)) continue;
    const double a = std::clamp(std::ceil(lo - 0.5), -1.0, wmax + 1);
    const double b = std::clamp(std::ceil(hi - 0.5), -1.0, wmax + 1);
    raster::SolidSpan(dc, y, static_cast<int>(a), static_cast<int>(b), pixel, R2_COPYPEN);
  }
}

}  // namespace

Font::Font(const LOGFONTA& l, bool stock) : GdiObject(ObjType::Font, stock), lf(l) {}
Font::~Font() = default;

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeout, DWORD charset, DWORD out_precision, DWORD clip_precision,
                  DWORD quality, DWORD pitch_and_family, const char* face) {
  LOGFONTA lf;
  lf.lfHeight = height;
  lf.lfWidth = width;
  lf.lfEscapement = escapement;
  lf.lfOrientation = orientation;
  lf.lfWeight = weight;
  lf.lfItalic = italic != 0;
  lf.lfUnderline = underline != 0;
  lf.lfStrikeOut = strikeout != 0;
  lf.lfCharSet = static_cast<BYTE>(charset);
  lf.lfOutPrecision = static_cast<BYTE>(out_precision);
  lf.lfClipPrecision = static_cast<BYTE>(clip_precision);
  lf.lfQuality = static_cast<BYTE>(quality);
  lf.lfPitchAndFamily = static_cast<BYTE>(pitch_and_family);
  lf.lfFaceName = face ? face : "";
  return CreateFontIndirectA(lf);
}

HFONT CreateFontIndirectA(const LOGFONTA& lf) {
  LOGFONTA l = lf;
  // The platform keeps at most 31 characters of a face name.
  if (l.lfFaceName.size() > 31) l.lfFaceName.resize(31);
  if (l.lfWidth < 0) l.lfWidth = l.lfWidth == INT_MIN ? INT_MAX : -l.lfWidth;
  return std::make_shared<Font>(l);
}

bool TextOutA(const HDC& hdc, int x, int y, const char* text, int len) {
  if (!hdc || len < 0 || (len > 0 && !text)) return false;
  FontImpl* fp = DcFont(hdc);
  if (!fp) return false;
  FontImpl& f = *fp;
  DC& dc = *hdc;
  const UINT align = dc.text_align;
  if (align & TA_UPDATECP) {
    x = dc.pos.x;
    y = dc.pos.y;
  }
  const long long width = AdvanceSum(f, text, len);

  // The reference point in text space, relative to the start of the baseline.
  double ref_u = 0, ref_v = 0;
  switch (align & TA_CENTER) {
    case TA_RIGHT:
      ref_u = static_cast<double>(width);
      break;
    case TA_CENTER:
      ref_u = static_cast<double>(width / 2);
      break;
    default:
      break;
  }
  switch (align & TA_BASELINE) {
    case TA_BASELINE:
      break;
    case TA_BOTTOM:
      ref_v = -f.descent;
      break;
    default:
      ref_v = f.ascent;
      break;
  }
  TextFrame fr{0, 0, f.cos_a, f.sin_a};
  fr.ox = x - fr.X(ref_u, ref_v);
  fr.oy = y - fr.Y(ref_u, ref_v);

  if (align & TA_UPDATECP) {
    // The current position moves to the far end of the string, or back for right alignment.
    const double along = (align & TA_CENTER) == TA_RIGHT    ? -static_cast<double>(width)
                         : (align & TA_CENTER) == TA_CENTER ? 0.0
                                                            : static_cast<double>(width);
    dc.pos = {raster::ClampCoord(std::llround(x + along * f.cos_a)),
              raster::ClampCoord(std::llround(y - along * f.sin_a))};
  }
  if (len == 0) return true;

  if (dc.bk_mode == OPAQUE)
    FillTextRect(dc, fr, 0, static_cast<double>(width), -f.descent, f.ascent,
                 ColourToPixel(dc, dc.bk_colour));

  const std::uint32_t pixel = ColourToPixel(dc, dc.text_colour);
  // Glyphs whose origin lies further than this from the surface cannot reach it.
  const double reach = 2.0 * (f.height + f.max_width + f.ppem) + 4;
  const double sw = dc.surface->Width(), sh = dc.surface->Height();
  long long pen = 0;
  for (int i = 0; i < len; ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    const double gx = fr.X(static_cast<double>(pen), 0), gy = fr.Y(static_cast<double>(pen), 0);
    pen += f.Advance(b);
    if (gx < -reach || gy < -reach || gx > sw + reach || gy > sh + reach) continue;
    const double ix = std::floor(gx), iy = std::floor(gy);
    const GlyphRuns& g = f.Glyph(b, gx - ix, gy - iy);
    const int ox = static_cast<int>(ix), oy = static_cast<int>(iy);
    for (const auto& r : g.runs) raster::SolidSpan(dc, oy + r.y, ox + r.x0, ox + r.x1, pixel, R2_COPYPEN);
  }

  if (f.underline)
    FillTextRect(dc, fr, 0, static_cast<double>(width), -f.underline_pos - f.underline_thick,
                 -f.underline_pos, pixel);
  if (f.strikeout)
    FillTextRect(dc, fr, 0, static_cast<double>(width), f.strike_pos - f.strike_thick, f.strike_pos, pixel);
  return true;
}

bool GetTextExtentPoint32A(const HDC& hdc, const char* text, int len, SIZE* out) {
  if (!hdc || !out || len < 0 || (len > 0 && !text)) return false;
  FontImpl* f = DcFont(hdc);
  if (!f) return false;
  out->cx = static_cast<int>(std::min<long long>(AdvanceSum(*f, text, len), INT_MAX));
  out->cy = f->height;
  return true;
}

bool GetTextMetricsA(const HDC& hdc, TEXTMETRICA* out) {
  if (!hdc || !out) return false;
  FontImpl* f = DcFont(hdc);
  if (!f) return false;
  out->tmHeight = f->height;
  out->tmAscent = f->ascent;
  out->tmDescent = f->descent;
  out->tmInternalLeading = std::max(0, f->height - f->ppem);
  out->tmExternalLeading = f->external_leading;
  out->tmAveCharWidth = f->ave_width;
  out->tmMaxCharWidth = f->max_width;
  out->tmWeight = f->weight;
  return true;
}

std::string MatchedFontFamily(const std::string& face) {
  std::string family;
  FcPattern* pat = FcPatternCreate();
  if (!pat) return family;
  FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
  FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult result = FcResultNoMatch;
  if (FcPattern* found = FcFontMatch(nullptr, pat, &result)) {
    FcChar8* name = nullptr;
    if (FcPatternGetString(found, FC_FAMILY, 0, &name) == FcResultMatch && name)
      family = reinterpret_cast<const char*>(name);
    FcPatternDestroy(found);
  }
  FcPatternDestroy(pat);
  return family;
}

std::vector<std::string> ListFontFamilies() {
  std::vector<std::string> names;
  FcPattern* pat = FcPatternCreate();
  FcObjectSet* os = FcObjectSetBuild(FC_FAMILY, nullptr);
  if (pat && os) {
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    if (FcFontSet* set = FcFontList(nullptr, pat, os)) {
      for (int i = 0; i < set->nfont; ++i) {
        // A face may carry several family names (a style family next to the main one); each is
        // a family the user can ask for by name.
        FcChar8* fam = nullptr;
        for (int k = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, k, &fam) == FcResultMatch; ++k) {
          std::string name;
          if (Latin1FromUtf8(reinterpret_cast<const char*>(fam), &name) && !name.empty())
            names.push_back(std::move(name));
        }
      }
      FcFontSetDestroy(set);
    }
  }
  if (os) FcObjectSetDestroy(os);
  if (pat) FcPatternDestroy(pat);
  // Sorted as a list box sorts: letters without regard to case, then exact order for ties.
  const auto key = [](const std::string& s) {
    std::string k = s;
    for (char& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return k;
  };
  std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
    const std::string ka = key(a), kb = key(b);
    return ka != kb ? ka < kb : a < b;
  });
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

}  // namespace gdi
