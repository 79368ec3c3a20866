// The scenario interpreter: parses one command per line and calls the raster layer.
#include "gdi/script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace gdi {

namespace {

struct ParseError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

class Line {
 public:
  explicit Line(std::vector<std::string> t) : tok_(std::move(t)) {}
  bool Done() const { return i_ >= tok_.size(); }
  std::string Word() {
    if (Done()) throw ParseError("missing argument");
    return Lower(tok_[i_++]);
  }
  std::string Peek() const { return Done() ? std::string() : Lower(tok_[i_]); }
  int Int() {
    const std::string s = Word();
    long v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || v < -1000000 || v > 1000000)
      throw ParseError("bad integer '" + s + "'");
    return static_cast<int>(v);
  }
  unsigned long Hex(std::size_t digits, const char* what) {
    const std::string s = Word();
    if (s.size() != digits) throw ParseError(std::string("bad ") + what + " '" + s + "'");
    unsigned long v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v, 16);
    if (ec != std::errc() || p != s.data() + s.size()) throw ParseError(std::string("bad ") + what + " '" + s + "'");
    return v;
  }
  COLORREF Colour() {
    const unsigned long v = Hex(6, "colour");
    return RGB(static_cast<int>(v >> 16) & 0xFF, static_cast<int>(v >> 8) & 0xFF, static_cast<int>(v) & 0xFF);
  }
  void End() const {
    if (!Done()) throw ParseError("unexpected '" + tok_[i_] + "'");
  }
  std::size_t Remaining() const { return tok_.size() - i_; }

 private:
  std::vector<std::string> tok_;
  std::size_t i_ = 0;
};

int Lookup(const std::map<std::string, int>& table, const std::string& word, const char* what) {
  auto it = table.find(word);
  if (it == table.end()) throw ParseError(std::string("unknown ") + what + " '" + word + "'");
  return it->second;
}

const std::map<std::string, int> kRop2 = {
    {"black", R2_BLACK},     {"notmergepen", R2_NOTMERGEPEN}, {"masknotpen", R2_MASKNOTPEN},
    {"notcopypen", R2_NOTCOPYPEN}, {"maskpennot", R2_MASKPENNOT}, {"not", R2_NOT},
    {"xorpen", R2_XORPEN},   {"notmaskpen", R2_NOTMASKPEN},   {"maskpen", R2_MASKPEN},
    {"notxorpen", R2_NOTXORPEN}, {"nop", R2_NOP},             {"mergenotpen", R2_MERGENOTPEN},
    {"copypen", R2_COPYPEN}, {"mergepennot", R2_MERGEPENNOT}, {"mergepen", R2_MERGEPEN},
    {"white", R2_WHITE}};
const std::map<std::string, int> kFillMode = {{"alternate", ALTERNATE}, {"winding", WINDING}};
const std::map<std::string, int> kStretch = {{"coloroncolor", COLORONCOLOR},
                                             {"blackonwhite", BLACKONWHITE},
                                             {"whiteonblack", WHITEONBLACK},
                                             {"halftone", HALFTONE}};
const std::map<std::string, int> kHatch = {{"horizontal", HS_HORIZONTAL}, {"vertical", HS_VERTICAL},
                                           {"fdiagonal", HS_FDIAGONAL},   {"bdiagonal", HS_BDIAGONAL},
                                           {"cross", HS_CROSS},           {"diagcross", HS_DIAGCROSS}};
const std::map<std::string, int> kPenStyle = {{"solid", PS_SOLID},     {"dash", PS_DASH},
                                              {"dot", PS_DOT},         {"dashdot", PS_DASHDOT},
                                              {"dashdotdot", PS_DASHDOTDOT}, {"insideframe", PS_INSIDEFRAME}};
const std::map<std::string, DWORD> kRop3 = {
    {"srccopy", SRCCOPY},       {"srcpaint", SRCPAINT},       {"srcand", SRCAND},
    {"srcinvert", SRCINVERT},   {"srcerase", SRCERASE},       {"notsrccopy", NOTSRCCOPY},
    {"notsrcerase", NOTSRCERASE}, {"mergecopy", MERGECOPY},   {"mergepaint", MERGEPAINT},
    {"patcopy", PATCOPY},       {"patpaint", PATPAINT},       {"patinvert", PATINVERT},
    {"dstinvert", DSTINVERT},   {"blackness", BLACKNESS},     {"whiteness", WHITENESS}};

DWORD Rop3Arg(Line& ln) {
  const std::string w = ln.Word();
  if (w.rfind("0x", 0) == 0 && w.size() > 2 && w.size() <= 10) {
    unsigned long v = 0;
    auto [p, ec] = std::from_chars(w.data() + 2, w.data() + w.size(), v, 16);
    if (ec == std::errc() && p == w.data() + w.size()) return static_cast<DWORD>(v);
  }
  auto it = kRop3.find(w);
  if (it == kRop3.end()) throw ParseError("unknown raster operation '" + w + "'");
  return it->second;
}

std::vector<POINT> Points(Line& ln, std::size_t min_points) {
  if (ln.Remaining() % 2 != 0) throw ParseError("odd number of coordinates");
  std::vector<POINT> pts;
  while (!ln.Done()) {
    const int x = ln.Int();
    const int y = ln.Int();
    pts.push_back({x, y});
  }
  if (pts.size() < min_points) throw ParseError("too few points");
  return pts;
}

HRGN RegionArg(Line& ln) {
  const std::string kind = ln.Word();
  if (kind == "rect") {
    const int l = ln.Int(), t = ln.Int(), r = ln.Int(), b = ln.Int();
    return CreateRectRgn(l, t, r, b);
  }
  if (kind == "ellipse") {
    const int l = ln.Int(), t = ln.Int(), r = ln.Int(), b = ln.Int();
    return CreateEllipticRgn(l, t, r, b);
  }
  if (kind == "roundrect") {
    const int l = ln.Int(), t = ln.Int(), r = ln.Int(), b = ln.Int(), w = ln.Int(), h = ln.Int();
    return CreateRoundRectRgn(l, t, r, b, w, h);
  }
  if (kind == "polygon") {
    const int mode = Lookup(kFillMode, ln.Word(), "fill mode");
    const auto pts = Points(ln, 3);
    return CreatePolygonRgn(pts.data(), static_cast<int>(pts.size()), mode);
  }
  throw ParseError("unknown region '" + kind + "'");
}

class Interpreter {
 public:
  void Run(Line& ln) {
    const std::string cmd = ln.Word();
    if (!canvas_dc_ && cmd != "canvas") throw ParseError("the first command must be 'canvas'");
    if (cmd == "canvas") return Canvas(ln);
    if (cmd == "source") return Source(ln);
    if (cmd == "target") {
      const std::string w = ln.Word();
      if (w == "canvas") target_ = canvas_dc_;
      else if (w == "source" && source_dc_) target_ = source_dc_;
      else throw ParseError("bad target '" + w + "'");
      return ln.End();
    }
    const HDC& dc = target_;
    if (cmd == "pen") return PenCmd(ln);
    if (cmd == "brush") return BrushCmd(ln);
    if (cmd == "bkmode") {
      const std::string w = ln.Word();
      if (w != "transparent" && w != "opaque") throw ParseError("bad bkmode '" + w + "'");
      SetBkMode(dc, w == "opaque" ? OPAQUE : TRANSPARENT);
      return ln.End();
    }
    if (cmd == "bkcolor") { SetBkColor(dc, ln.Colour()); return ln.End(); }
    if (cmd == "textcolor") { SetTextColor(dc, ln.Colour()); return ln.End(); }
    if (cmd == "rop2") { SetROP2(dc, Lookup(kRop2, ln.Word(), "rop2")); return ln.End(); }
    if (cmd == "polyfillmode") { SetPolyFillMode(dc, Lookup(kFillMode, ln.Word(), "fill mode")); return ln.End(); }
    if (cmd == "stretchmode") { SetStretchBltMode(dc, Lookup(kStretch, ln.Word(), "stretch mode")); return ln.End(); }
    if (cmd == "arcdirection") {
      const std::string w = ln.Word();
      if (w != "ccw" && w != "cw") throw ParseError("bad arc direction '" + w + "'");
      SetArcDirection(dc, w == "cw" ? AD_CLOCKWISE : AD_COUNTERCLOCKWISE);
      return ln.End();
    }
    if (cmd == "brushorg") {
      const int x = ln.Int(), y = ln.Int();
      SetBrushOrgEx(dc, x, y, nullptr);
      return ln.End();
    }
    if (cmd == "cliprgn") {
      if (ln.Peek() == "none") {
        ln.Word();
        SelectClipRgn(dc, nullptr);
      } else {
        HRGN rgn = RegionArg(ln);
        SelectClipRgn(dc, rgn);
      }
      return ln.End();
    }
    if (cmd == "moveto") { const int x = ln.Int(), y = ln.Int(); MoveToEx(dc, x, y, nullptr); return ln.End(); }
    if (cmd == "lineto") { const int x = ln.Int(), y = ln.Int(); LineTo(dc, x, y); return ln.End(); }
    if (cmd == "line") {
      const int x1 = ln.Int(), y1 = ln.Int(), x2 = ln.Int(), y2 = ln.Int();
      MoveToEx(dc, x1, y1, nullptr);
      LineTo(dc, x2, y2);
      return ln.End();
    }
    if (cmd == "polyline") {
      const auto pts = Points(ln, 2);
      Polyline(dc, pts.data(), static_cast<int>(pts.size()));
      return;
    }
    if (cmd == "polygon") {
      SetPolyFillMode(dc, Lookup(kFillMode, ln.Word(), "fill mode"));
      const auto pts = Points(ln, 2);
      Polygon(dc, pts.data(), static_cast<int>(pts.size()));
      return;
    }
    if (cmd == "rectangle" || cmd == "ellipse") {
      const int l = ln.Int(), t = ln.Int(), r = ln.Int(), b = ln.Int();
      ln.End();
      if (cmd == "rectangle") Rectangle(dc, l, t, r, b);
      else Ellipse(dc, l, t, r, b);
      return;
    }
    if (cmd == "roundrect") {
      const int l = ln.Int(), t = ln.Int(), r = ln.Int(), b = ln.Int(), w = ln.Int(), h = ln.Int();
      ln.End();
      RoundRect(dc, l, t, r, b, w, h);
      return;
    }
    if (cmd == "arc" || cmd == "pie" || cmd == "chord") {
      int v[8];
      for (int& x : v) x = ln.Int();
      ln.End();
      auto f = cmd == "arc" ? Arc : cmd == "pie" ? Pie : Chord;
      f(dc, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
      return;
    }
    if (cmd == "setpixel") {
      const int x = ln.Int(), y = ln.Int();
      SetPixel(dc, x, y, ln.Colour());
      return ln.End();
    }
    if (cmd == "fill") {
      const std::string w = ln.Word();
      if (w != "surface" && w != "border") throw ParseError("bad fill type '" + w + "'");
      const int x = ln.Int(), y = ln.Int();
      ExtFloodFill(dc, x, y, ln.Colour(), w == "surface" ? FLOODFILLSURFACE : FLOODFILLBORDER);
      return ln.End();
    }
    if (cmd == "patblt") {
      const int x = ln.Int(), y = ln.Int(), w = ln.Int(), h = ln.Int();
      PatBlt(dc, x, y, w, h, Rop3Arg(ln));
      return ln.End();
    }
    if (cmd == "bitblt") {
      HDC src = SurfaceArg(ln);
      const int x = ln.Int(), y = ln.Int(), w = ln.Int(), h = ln.Int(), sx = ln.Int(), sy = ln.Int();
      BitBlt(dc, x, y, w, h, src, sx, sy, Rop3Arg(ln));
      return ln.End();
    }
    if (cmd == "stretchblt") {
      HDC src = SurfaceArg(ln);
      int v[8];
      for (int& x : v) x = ln.Int();
      StretchBlt(dc, v[0], v[1], v[2], v[3], src, v[4], v[5], v[6], v[7], Rop3Arg(ln));
      return ln.End();
    }
    throw ParseError("unknown command '" + cmd + "'");
  }

  HBITMAP Canvas() const { return canvas_bmp_; }

 private:
  void Canvas(Line& ln) {
    if (canvas_dc_) throw ParseError("'canvas' may come only once");
    const int w = ln.Int(), h = ln.Int();
    const COLORREF c = ln.Colour();
    ln.End();
    canvas_bmp_ = CreateDIBSection32(w, h);
    if (!canvas_bmp_) throw ParseError("bad canvas size");
    canvas_bmp_->Fill(PixelFromColorref(c));
    canvas_dc_ = CreateCompatibleDC(nullptr);
    SelectObject(canvas_dc_, canvas_bmp_);
    target_ = canvas_dc_;
  }

  void Source(Line& ln) {
    if (source_dc_) throw ParseError("'source' may come only once");
    const int w = ln.Int(), h = ln.Int();
    const COLORREF c = ln.Colour();
    bool mono = false;
    if (!ln.Done()) {
      if (ln.Word() != "mono") throw ParseError("expected 'mono'");
      mono = true;
    }
    ln.End();
    source_bmp_ = mono ? CreateBitmap(w, h, 1, 1, nullptr) : CreateDIBSection32(w, h);
    if (!source_bmp_) throw ParseError("bad source size");
    source_bmp_->Fill(mono ? (c ? 0xFFFFFF : 0) : PixelFromColorref(c));
    source_dc_ = CreateCompatibleDC(nullptr);
    SelectObject(source_dc_, source_bmp_);
  }

  HDC SurfaceArg(Line& ln) {
    const std::string w = ln.Word();
    if (w == "canvas") return canvas_dc_;
    if (w == "source" && source_dc_) return source_dc_;
    throw ParseError("bad surface '" + w + "'");
  }

  void PenCmd(Line& ln) {
    const std::string first = ln.Word();
    if (first == "null") {
      SelectObject(target_, GetStockObject(NULL_PEN));
      return ln.End();
    }
    const int style = Lookup(kPenStyle, first, "pen style");
    const int width = ln.Int();
    const COLORREF c = ln.Colour();
    int cap = -1, join = -1;
    while (!ln.Done()) {
      const std::string opt = ln.Word();
      if (opt == "endcap=round") cap = PS_ENDCAP_ROUND;
      else if (opt == "endcap=square") cap = PS_ENDCAP_SQUARE;
      else if (opt == "endcap=flat") cap = PS_ENDCAP_FLAT;
      else if (opt == "join=round") join = PS_JOIN_ROUND;
      else if (opt == "join=bevel") join = PS_JOIN_BEVEL;
      else if (opt == "join=miter") join = PS_JOIN_MITER;
      else throw ParseError("unknown pen option '" + opt + "'");
    }
    HPEN pen;
    if (cap >= 0 || join >= 0) {
      LOGBRUSH lb{BS_SOLID, c, 0};
      const DWORD s = static_cast<DWORD>(PS_GEOMETRIC | style | std::max(cap, 0) | std::max(join, 0));
      pen = ExtCreatePen(s, static_cast<DWORD>(std::max(width, 1)), lb, 0, nullptr);
    } else {
      pen = CreatePen(style, width, c);
    }
    if (!pen) throw ParseError("pen refused");
    SelectObject(target_, pen);
  }

  void BrushCmd(Line& ln) {
    const std::string kind = ln.Word();
    HBRUSH brush;
    if (kind == "null" || kind == "hollow") {
      brush = GetStockBrush(NULL_BRUSH);
    } else if (kind == "solid") {
      brush = CreateSolidBrush(ln.Colour());
    } else if (kind == "hatch") {
      const int h = Lookup(kHatch, ln.Word(), "hatch");
      brush = CreateHatchBrush(h, ln.Colour());
    } else if (kind == "pattern" || kind == "monopattern") {
      COLORREF fg = 0, bg = 0;
      if (kind == "pattern") {
        fg = ln.Colour();
        bg = ln.Colour();
      }
      BYTE bytes[8];
      for (BYTE& b : bytes) b = static_cast<BYTE>(ln.Hex(2, "byte"));
      HBITMAP bmp;
      if (kind == "pattern") {
        bmp = CreateDIBSection32(8, 8);
        for (int y = 0; y < 8; ++y)
          for (int x = 0; x < 8; ++x)
            bmp->At(x, y) = PixelFromColorref((bytes[y] & (0x80 >> x)) ? fg : bg);
      } else {
        BYTE ddb[16] = {};
        for (int y = 0; y < 8; ++y) ddb[y * 2] = bytes[y];
        bmp = CreateBitmap(8, 8, 1, 1, ddb);
      }
      brush = CreatePatternBrush(bmp);
    } else {
      throw ParseError("unknown brush '" + kind + "'");
    }
    ln.End();
    if (!brush) throw ParseError("brush refused");
    SelectObject(target_, brush);
  }

  HBITMAP canvas_bmp_, source_bmp_;
  HDC canvas_dc_, source_dc_, target_;
};

std::vector<std::string> Tokenise(const std::string& line) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : line) {
    if (c == '#') break;
    if (c == ' ' || c == '\t' || c == '\r') {
      if (!cur.empty()) out.push_back(std::move(cur));
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) out.push_back(std::move(cur));
  return out;
}

}  // namespace

ScriptResult RunScript(const std::string& text) {
  ScriptResult res;
  Interpreter in;
  std::istringstream is(text);
  std::string line;
  int n = 0;
  try {
    while (std::getline(is, line)) {
      ++n;
      if (line.size() > 8191) throw ParseError("line too long");
      auto tokens = Tokenise(line);
      if (tokens.empty()) continue;
      if (tokens.size() > 512) throw ParseError("too many tokens");
      Line ln(std::move(tokens));
      in.Run(ln);
    }
    if (!in.Canvas()) throw ParseError("no canvas");
  } catch (const ParseError& e) {
    res.error = "line " + std::to_string(n) + ": " + e.what();
    return res;
  }
  res.ok = true;
  res.canvas = in.Canvas();
  return res;
}

std::string EncodePpm(const Bitmap& bmp) {
  std::string out = "P6\n" + std::to_string(bmp.Width()) + " " + std::to_string(bmp.Height()) + "\n255\n";
  out.reserve(out.size() + static_cast<std::size_t>(bmp.Width()) * bmp.Height() * 3);
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) {
      const std::uint32_t p = bmp.At(x, y);
      out += static_cast<char>((p >> 16) & 0xFF);
      out += static_cast<char>((p >> 8) & 0xFF);
      out += static_cast<char>(p & 0xFF);
    }
  return out;
}

HBITMAP DecodePpm(const std::string& data, std::string* error) {
  std::size_t pos = 0;
  auto fail = [&](const char* msg) -> HBITMAP {
    if (error) *error = msg;
    return nullptr;
  };
  auto next_token = [&]() -> std::string {
    while (pos < data.size()) {
      if (data[pos] == '#') {
        while (pos < data.size() && data[pos] != '\n') ++pos;
      } else if (std::isspace(static_cast<unsigned char>(data[pos]))) {
        ++pos;
      } else {
        break;
      }
    }
    std::string t;
    while (pos < data.size() && !std::isspace(static_cast<unsigned char>(data[pos]))) t += data[pos++];
    return t;
  };
  if (next_token() != "P6") return fail("not a binary PPM");
  const int w = std::atoi(next_token().c_str());
  const int h = std::atoi(next_token().c_str());
  if (next_token() != "255") return fail("only 8-bit PPM is read");
  ++pos;
  HBITMAP bmp = CreateDIBSection32(w, h);
  if (!bmp) return fail("bad PPM size");
  if (data.size() < pos + static_cast<std::size_t>(w) * h * 3) return fail("PPM data is short");
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const auto* p = reinterpret_cast<const unsigned char*>(data.data() + pos);
      bmp->At(x, y) = (static_cast<std::uint32_t>(p[0]) << 16) | (p[1] << 8) | p[2];
      pos += 3;
    }
  return bmp;
}

ImageDiff CompareImages(const Bitmap& a, const Bitmap& b, HBITMAP* diff_image) {
  ImageDiff d;
  if (a.Width() != b.Width() || a.Height() != b.Height()) {
    d.size_mismatch = true;
    return d;
  }
  d.total = static_cast<long>(a.Width()) * a.Height();
  RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  HBITMAP out = diff_image ? CreateDIBSection32(a.Width(), a.Height()) : nullptr;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const std::uint32_t pa = a.At(x, y) & 0xFFFFFF, pb = b.At(x, y) & 0xFFFFFF;
      const bool differ = pa != pb;
      if (differ) {
        ++d.differing;
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x + 1);
        box.bottom = std::max(box.bottom, y + 1);
      }
      if (out) {
        // Faded copy: halfway to white.
        const std::uint32_t faded = ((pa >> 1) & 0x7F7F7F) + 0x808080;
        out->At(x, y) = differ ? 0xFF00FF : faded;
      }
    }
  if (d.differing) d.box = box;
  if (diff_image) *diff_image = out;
  return d;
}

}  // namespace gdi
