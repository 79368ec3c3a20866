// The five erasers of our own: BLACK HOLE, PAPER, SHADE, BUG SPLATTED WINDSHIELD and MORPH. Each
// is a short animation of the whole canvas with a sound of its own, and each ends with a fresh
// canvas to paint on. Those that move the picture about work on a copy of it taken at the start
// and write the canvas's pixels directly, row by row, touching only what changes in a frame.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "core/canvas.h"
#include "effects/erasers.h"
#include "effects/pacing.h"
#include "media/sound.h"
#include "platform/platform.h"

namespace pd {

using namespace gdi;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr std::uint32_t kWhitePixel = 0xFFFFFF;

// Colour families of the palette by row, and one of their shades (0 lightest .. 9 darkest).
enum Row : int {
  kViolet = 0,
  kBlue = 3,
  kBrown = 4,
  kPeach = 5,
  kGrey = 6,
  kOlive = 7,
  kYellow = 8,
  kRed = 9,
  kPink = 10,
  kGreen = 11,
  kTeal = 12,
  kSky = 13,
  kOrange = 14,
  kLime = 15
};
COLORREF Pal(int row, int shade) {
  return PaletteColours[row * 10 + shade] | kPaletteRelative;
}

double Clamp01(double v) {
  return std::clamp(v, 0.0, 1.0);
}
double Ease(double v) {
  v = Clamp01(v);
  return v * v * (3 - 2 * v);
}

// The canvas's own pixels, with the picture as it was when the effect began.
struct CanvasPixels {
  Bitmap* surface = nullptr;
  int w = 0, h = 0;
  std::vector<std::uint32_t> picture;

  CanvasPixels() {
    if (!CanvasWindow || !CanvasWindow->Surface()) return;
    surface = CanvasWindow->Surface().get();
    w = surface->Width();
    h = surface->Height();
    picture.assign(surface->Pixels(), surface->Pixels() + static_cast<std::size_t>(w) * h);
  }
  bool Ok() const { return surface != nullptr && w > 0 && h > 0; }
  // The picture as a bitmap, for drawing pieces of it with the raster layer.
  HBITMAP PictureBitmap() const {
    HBITMAP b = CreateDIBSection32(w, h);
    std::copy(picture.begin(), picture.end(), b->Pixels());
    return b;
  }
};

HPEN SolidPen(int width, COLORREF colour) {
  return CreatePen(PS_SOLID, width, colour);
}

// ---- BLACK HOLE ------------------------------------------------------------------------------

// The picture spins ever faster and shrinks into a black hole in the middle, whose swirl of
// glowing arms turns with it; then the hole closes to nothing.
void RenderSpun(CanvasPixels& c, const RECT& box, double scale, double angle) {
  const double cx = c.w / 2.0, cy = c.h / 2.0;
  const double cs = std::cos(angle), sn = std::sin(angle);
  const bool none = scale < 1e-3;
  const double du = none ? 0 : cs / scale, dv = none ? 0 : -sn / scale;
  // On a large canvas each row worked out serves the row below it too: the picture is spinning
  // too fast for the eye to miss the second row, and the frame costs half as much.
  const int pitch = static_cast<std::int64_t>(c.w) * c.h > (1 << 20) ? 2 : 1;
  // Rows are worked in bands, and each band in columns of kTile pixels, so that the slanting
  // reads of a turned picture stay within a few of its rows at a time.
  constexpr int kBand = 32, kTile = 64;
  struct Span {
    int x0, x1;
    std::int64_t u, v, su, sv;  // 16.16 source point at x0 and its step per pixel
  };
  std::array<Span, kBand> spans{};
  const std::uint32_t* pic = c.picture.data();
  for (int band = box.top; band < box.bottom; band += kBand * pitch) {
    int rows = 0;
    for (int y = band; y < std::min(box.bottom, band + kBand * pitch); y += pitch, ++rows) {
      std::uint32_t* row = c.surface->Row(y);
      int x0 = box.left, x1 = box.right;
      // Source point of pixel x: (u0 + du x, v0 + dv x); only the span inside the picture fetches.
      const double ry = y + 0.5 - cy;
      const double u0 = none ? -1 : cx + (-cx * cs + ry * sn) / scale + 0.5 * du;
      const double v0 = none ? -1 : cy + (cx * sn + ry * cs) / scale + 0.5 * dv;
      auto narrow = [&](double a, double b, double hi) {
        // 0 <= a + b x < hi
        if (std::abs(b) < 1e-12) {
          if (a < 0 || a >= hi) x1 = x0;
          return;
        }
        double xa = (0 - a) / b, xb = (hi - a) / b;
        if (xa > xb) std::swap(xa, xb);
        x0 = std::max(x0, static_cast<int>(std::ceil(xa)));
        x1 = std::min(x1, static_cast<int>(std::floor(xb)) + 1);
      };
      if (none) {
        x1 = x0;
      } else {
        narrow(u0, du, c.w);
        narrow(v0, dv, c.h);
      }
      if (x1 <= x0) x0 = x1 = box.right;
      std::fill(row + box.left, row + x0, kWhitePixel);
      std::fill(row + x1, row + box.right, kWhitePixel);
      Span& sp = spans[rows];
      sp.x0 = x0, sp.x1 = x1;
      if (x0 < x1) {
        // The ends are kept inside the picture, and the steps join them.
        const double limit_u = c.w - 1e-6, limit_v = c.h - 1e-6;
        const auto fixed = [](double d) { return static_cast<std::int64_t>(d * 65536.0); };
        sp.u = fixed(std::clamp(u0 + du * x0, 0.0, limit_u));
        sp.v = fixed(std::clamp(v0 + dv * x0, 0.0, limit_v));
        const std::int64_t n = std::max(1, x1 - 1 - x0);
        sp.su = (fixed(std::clamp(u0 + du * (x1 - 1), 0.0, limit_u)) - sp.u) / n;
        sp.sv = (fixed(std::clamp(v0 + dv * (x1 - 1), 0.0, limit_v)) - sp.v) / n;
      }
    }
    for (int tile = box.left; tile < box.right; tile += kTile) {
      for (int r = 0; r < rows; ++r) {
        const Span& sp = spans[r];
        const int lo = std::max(sp.x0, tile), hi = std::min(sp.x1, tile + kTile);
        if (lo >= hi) continue;
        std::uint32_t* row = c.surface->Row(band + r * pitch);
        std::int64_t u = sp.u + sp.su * (lo - sp.x0), v = sp.v + sp.sv * (lo - sp.x0);
        for (int x = lo; x < hi; ++x, u += sp.su, v += sp.sv)
          row[x] = pic[static_cast<std::size_t>(v >> 16) * c.w + static_cast<std::size_t>(u >> 16)];
      }
    }
    for (int r = 0; r < rows; ++r) {
      const int y = band + r * pitch;
      c.surface->Touch(box.left, box.right, y);
      if (pitch == 2 && y + 1 < box.bottom) {
        const std::uint32_t* row = c.surface->Row(y);
        std::copy(row + box.left, row + box.right, c.surface->Row(y + 1) + box.left);
        c.surface->Touch(box.left, box.right, y + 1);
      }
    }
  }
}

RECT Intersect(RECT a, const RECT& b) {
  a.left = std::max(a.left, b.left), a.top = std::max(a.top, b.top);
  a.right = std::min(a.right, b.right), a.bottom = std::min(a.bottom, b.bottom);
  if (a.right < a.left) a.right = a.left;
  if (a.bottom < a.top) a.bottom = a.top;
  return a;
}
RECT Union(const RECT& a, const RECT& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}
RECT AroundCentre(double cx, double cy, double r) {
  return {static_cast<int>(std::floor(cx - r)) - 2, static_cast<int>(std::floor(cy - r)) - 2,
          static_cast<int>(std::ceil(cx + r)) + 3, static_cast<int>(std::ceil(cy + r)) + 3};
}

void DrawHole(const HDC& dc, double cx, double cy, double r, double turn) {
  if (r < 1) return;
  // Three glowing arms spiralling into the hole.
  static constexpr int kArmRow[3] = {kViolet, kBlue, kPink};
  for (int k = 0; k < 3; ++k) {
    POINT arm[24];
    for (int i = 0; i < 24; ++i) {
      const double f = i / 23.0;
      const double rr = r * (2.6 - 1.6 * f);
      const double a = turn + k * 2 * kPi / 3 + 2.2 * f;
      arm[i] = {static_cast<int>(std::lround(cx + rr * std::cos(a))),
                static_cast<int>(std::lround(cy + rr * std::sin(a)))};
    }
    SelectObject(dc, SolidPen(std::max(2, static_cast<int>(r / 6)), Pal(kArmRow[k], 3)));
    Polyline(dc, arm, 24);
  }
  SelectObject(dc, SolidPen(2, Pal(kViolet, 6)));
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  Ellipse(dc, static_cast<int>(cx - r), static_cast<int>(cy - r), static_cast<int>(cx + r),
          static_cast<int>(cy + r));
}

// ---- PAPER -----------------------------------------------------------------------------------

// A piece of the picture scaled onto the canvas's pixels, nearest pixel, clipped to the canvas.
void ScalePiece(CanvasPixels& c, const RECT& from, const RECT& to) {
  const int tw = to.right - to.left, th = to.bottom - to.top;
  const int fw = from.right - from.left, fh = from.bottom - from.top;
  if (tw <= 0 || th <= 0 || fw <= 0 || fh <= 0) return;
  const int x0 = std::max(to.left, 0), x1 = std::min(to.right, c.w);
  const int y0 = std::max(to.top, 0), y1 = std::min(to.bottom, c.h);
  if (x0 >= x1 || y0 >= y1) return;
  std::vector<int> column(static_cast<std::size_t>(x1 - x0));
  for (int x = x0; x < x1; ++x)
    column[static_cast<std::size_t>(x - x0)] =
        from.left + static_cast<int>(static_cast<std::int64_t>(x - to.left) * fw / tw);
  for (int y = y0; y < y1; ++y) {
    const int sy = from.top + static_cast<int>(static_cast<std::int64_t>(y - to.top) * fh / th);
    const std::uint32_t* src = c.picture.data() + static_cast<std::size_t>(sy) * c.w;
    std::uint32_t* row = c.surface->Row(y);
    for (int x = x0; x < x1; ++x) row[x] = src[column[static_cast<std::size_t>(x - x0)]];
    c.surface->Touch(x0, x1, y);
  }
}

// The crumpled ball: a lumpy sheet with creases and a few specks of the picture's colours.
struct PaperBall {
  std::array<double, 14> lumps{};
  std::array<COLORREF, 5> specks{};
  std::array<double, 10> spots{};

  void Draw(const HDC& dc, double cx, double cy, double r, double spin) const {
    POINT outline[14];
    for (int i = 0; i < 14; ++i) {
      const double a = spin + i * 2 * kPi / 14;
      const double rr = r * lumps[i];
      outline[i] = {static_cast<int>(std::lround(cx + rr * std::cos(a))),
                    static_cast<int>(std::lround(cy + rr * std::sin(a)))};
    }
    SelectObject(dc, SolidPen(2, Pal(kGrey, 5)));
    SelectObject(dc, CreateSolidBrush(Pal(kGrey, 0)));
    Polygon(dc, outline, 14);
    SelectObject(dc, SolidPen(1, Pal(kGrey, 3)));
    for (int i = 0; i < 14; i += 3) {
      MoveToEx(dc, outline[i].x, outline[i].y, nullptr);
      LineTo(dc, static_cast<int>(cx + (outline[(i + 5) % 14].x - cx) * 0.3),
             static_cast<int>(cy + (outline[(i + 5) % 14].y - cy) * 0.3));
    }
    for (int i = 0; i < 5; ++i) {
      const double a = spin + spots[2 * i] * 2 * kPi, rr = r * 0.6 * spots[2 * i + 1];
      const int x = static_cast<int>(cx + rr * std::cos(a)), y = static_cast<int>(cy + rr * std::sin(a));
      const int d = std::max(2, static_cast<int>(r / 7));
      SelectObject(dc, SolidPen(1, specks[i] | kPaletteRelative));
      SelectObject(dc, CreateSolidBrush(specks[i] | kPaletteRelative));
      Ellipse(dc, x - d, y - d, x + d, y + d);
    }
  }
};

// ---- BUG SPLATTED WINDSHIELD -----------------------------------------------------------------

struct Splat {
  double when;  // share of the splatting time
  int x, y, r;
  COLORREF colour, rim;
  std::array<int, 16> drops;  // angle (degrees) and distance (% of r) of eight droplets
};

void DrawSplat(const HDC& dc, const Splat& s) {
  SelectObject(dc, SolidPen(1, s.rim));
  SelectObject(dc, CreateSolidBrush(s.colour));
  for (int i = 0; i < 8; ++i) {
    const double a = s.drops[2 * i] * kPi / 180, d = s.r * s.drops[2 * i + 1] / 100.0;
    const int dx = static_cast<int>(d * std::cos(a)), dy = static_cast<int>(d * std::sin(a));
    const int dr = std::max(2, s.r / (3 + i % 3));
    // A streak from the body and a droplet at its end.
    SelectObject(dc, SolidPen(std::max(1, s.r / 6), s.colour));
    MoveToEx(dc, s.x, s.y, nullptr);
    LineTo(dc, s.x + dx, s.y + dy);
    SelectObject(dc, SolidPen(1, s.rim));
    Ellipse(dc, s.x + dx - dr, s.y + dy - dr, s.x + dx + dr, s.y + dy + dr);
  }
  Ellipse(dc, s.x - s.r, s.y - s.r * 4 / 5, s.x + s.r, s.y + s.r * 4 / 5);
  // What is left of the bug: a dark body and two bent legs.
  SelectObject(dc, SolidPen(2, Pal(kGrey, 9)));
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  const int b = std::max(2, s.r / 3);
  Ellipse(dc, s.x - b, s.y - b / 2, s.x + b, s.y + b / 2);
  MoveToEx(dc, s.x - b, s.y, nullptr);
  LineTo(dc, s.x - 2 * b, s.y - b);
  MoveToEx(dc, s.x + b, s.y, nullptr);
  LineTo(dc, s.x + 2 * b, s.y + b);
}

// ---- MORPH -----------------------------------------------------------------------------------

// Horizontal bands from one shade to another of a list of colours, top to bottom.
void Bands(const HDC& dc, int w, int top, int bottom, const std::vector<COLORREF>& colours) {
  const int n = static_cast<int>(colours.size());
  for (int i = 0; i < n; ++i) {
    const int y0 = top + (bottom - top) * i / n, y1 = top + (bottom - top) * (i + 1) / n;
    SelectObject(dc, SolidPen(1, colours[i]));
    SelectObject(dc, CreateSolidBrush(colours[i]));
    Rectangle(dc, -1, y0, w + 1, y1 + 1);
  }
}

void FilledEllipse(const HDC& dc, COLORREF c, int l, int t, int r, int b) {
  SelectObject(dc, SolidPen(1, c));
  SelectObject(dc, CreateSolidBrush(c));
  Ellipse(dc, l, t, r, b);
}

void Sun(const HDC& dc, int x, int y, int r) {
  SelectObject(dc, SolidPen(std::max(2, r / 8), Pal(kYellow, 4)));
  for (int i = 0; i < 12; ++i) {
    const double a = i * kPi / 6;
    MoveToEx(dc, x + static_cast<int>(r * 1.3 * std::cos(a)), y + static_cast<int>(r * 1.3 * std::sin(a)),
             nullptr);
    LineTo(dc, x + static_cast<int>(r * 1.8 * std::cos(a)), y + static_cast<int>(r * 1.8 * std::sin(a)));
  }
  SelectObject(dc, SolidPen(2, Pal(kOrange, 4)));
  SelectObject(dc, CreateSolidBrush(Pal(kYellow, 3)));
  Ellipse(dc, x - r, y - r, x + r, y + r);
}

void Cloud(const HDC& dc, int x, int y, int r) {
  const COLORREF white = Pal(kGrey, 0);
  FilledEllipse(dc, white, x - r, y - r / 2, x + r, y + r / 2);
  FilledEllipse(dc, white, x - r / 2, y - r, x + r / 3, y + r / 3);
  FilledEllipse(dc, white, x, y - r * 3 / 4, x + r * 4 / 5, y + r / 4);
}

// The instant backgrounds: 0 a meadow, 1 the seaside, 2 a sunset, 3 under the sea.
void DrawBackground(const HDC& dc, int kind, int w, int h) {
  const int u = std::max(4, std::min(w, h) / 20);
  switch (kind) {
    case 0: {
      Bands(dc, w, 0, h * 2 / 3, {Pal(kSky, 3), Pal(kSky, 2), Pal(kSky, 1), Pal(kSky, 0)});
      Sun(dc, w * 4 / 5, h / 5, 2 * u);
      Cloud(dc, w / 5, h / 6, 3 * u);
      Cloud(dc, w / 2, h / 4, 2 * u);
      FilledEllipse(dc, Pal(kGreen, 4), -w / 3, h / 2, w * 2 / 3, h * 3 / 2);
      FilledEllipse(dc, Pal(kGreen, 5), w / 3, h * 3 / 5, w * 4 / 3, h * 3 / 2);
      FilledEllipse(dc, Pal(kLime, 4), -w / 4, h * 4 / 5, w * 5 / 4, h * 2);
      for (int i = 0; i < 9; ++i) {
        const int fx = w * (2 * i + 1) / 18, fy = h * 17 / 20 + (i % 3) * u / 2;
        SelectObject(dc, SolidPen(2, Pal(kGreen, 7)));
        MoveToEx(dc, fx, fy, nullptr);
        LineTo(dc, fx, fy + u);
        FilledEllipse(dc, Pal(i % 2 ? kPink : kYellow, 4), fx - u / 3, fy - u / 3, fx + u / 3, fy + u / 3);
      }
      return;
    }
    case 1: {
      Bands(dc, w, 0, h / 2, {Pal(kSky, 2), Pal(kSky, 1), Pal(kSky, 0)});
      Sun(dc, w / 6, h / 6, 2 * u);
      Cloud(dc, w * 2 / 3, h / 7, 3 * u);
      Bands(dc, w, h / 2, h * 3 / 4, {Pal(kBlue, 5), Pal(kBlue, 4), Pal(kTeal, 4), Pal(kTeal, 3)});
      SelectObject(dc, SolidPen(2, Pal(kGrey, 0)));
      for (int row = 0; row < 3; ++row)
        for (int x = (row % 2) * u * 2; x < w; x += 4 * u) {
          const int y = h / 2 + (row + 1) * h / 16;
          Arc(dc, x, y - u / 2, x + 2 * u, y + u / 2, x + 2 * u, y, x, y);
        }
      FilledEllipse(dc, Pal(kPeach, 2), -w / 4, h * 7 / 10, w * 5 / 4, h * 2);
      FilledEllipse(dc, Pal(kRed, 5), w * 3 / 4 - u, h * 6 / 7 - u, w * 3 / 4 + u, h * 6 / 7 + u);
      FilledEllipse(dc, Pal(kGrey, 0), w * 3 / 4 - u / 2, h * 6 / 7 - u, w * 3 / 4 + u / 2, h * 6 / 7 + u);
      return;
    }
    case 2: {
      Bands(dc, w, 0, h * 2 / 3,
            {Pal(kViolet, 5), Pal(kViolet, 3), Pal(kPink, 4), Pal(kPink, 3), Pal(kOrange, 3), Pal(kOrange, 2),
             Pal(kYellow, 2)});
      FilledEllipse(dc, Pal(kYellow, 3), w / 2 - 4 * u, h * 2 / 3 - 4 * u, w / 2 + 4 * u, h * 2 / 3 + 4 * u);
      const POINT hills[] = {{0, h * 2 / 3},
                             {w / 6, h / 2},
                             {w / 3, h * 3 / 5},
                             {w / 2, h * 9 / 20},
                             {w * 2 / 3, h * 3 / 5},
                             {w * 5 / 6, h / 2},
                             {w, h * 3 / 5},
                             {w, h},
                             {0, h}};
      SelectObject(dc, SolidPen(1, Pal(kViolet, 8)));
      SelectObject(dc, CreateSolidBrush(Pal(kViolet, 8)));
      Polygon(dc, hills, 9);
      Bands(dc, w, h * 3 / 4, h, {Pal(kViolet, 7), Pal(kBlue, 7), Pal(kBlue, 8)});
      SelectObject(dc, SolidPen(3, Pal(kOrange, 3)));
      for (int i = 0; i < 5; ++i) {
        const int y = h * 3 / 4 + (i + 1) * h / 24, half = (5 - i) * u / 2;
        MoveToEx(dc, w / 2 - half, y, nullptr);
        LineTo(dc, w / 2 + half, y);
      }
      return;
    }
    default: {
      Bands(dc, w, 0, h,
            {Pal(kTeal, 2), Pal(kTeal, 3), Pal(kBlue, 4), Pal(kBlue, 5), Pal(kBlue, 6), Pal(kBlue, 7)});
      FilledEllipse(dc, Pal(kPeach, 3), -w / 4, h * 5 / 6, w * 5 / 4, h * 2);
      for (int i = 0; i < 7; ++i) {
        const int x = w * (2 * i + 1) / 14;
        POINT weed[6];
        for (int k = 0; k < 6; ++k) weed[k] = {x + ((k % 2) ? u / 2 : -u / 2), h - k * h / (12 + i % 3 * 2)};
        SelectObject(dc, SolidPen(std::max(3, u / 3), Pal(i % 2 ? kGreen : kOlive, 5)));
        Polyline(dc, weed, 6);
      }
      SelectObject(dc, SolidPen(2, Pal(kSky, 0)));
      SelectObject(dc, GetStockObject(NULL_BRUSH));
      for (int i = 0; i < 14; ++i) {
        const int x = w * (3 + 7 * i % 17) / 20, y = h * (2 + 5 * i % 13) / 16, r = u / 4 + (i % 4) * u / 6;
        Ellipse(dc, x - r, y - r, x + r, y + r);
      }
      return;
    }
  }
}

}  // namespace

void BlackHoleScreen() {
  PlaySoundEffect(kBlackHoleSound);
  CanvasPixels c;
  if (!c.Ok()) return;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  const RECT all{0, 0, c.w, c.h};
  const double cx = c.w / 2.0, cy = c.h / 2.0;
  const double reach = std::hypot(c.w, c.h) / 2;
  const double hole = std::max(6.0, std::min(c.w, c.h) / 14.0);
  RECT drawn = all;
  AnimateCanvas(kBlackHoleMs, [&](double t) {
    // The picture is swallowed by 80% of the time; then the hole closes.
    const double u = Clamp01(t / 0.8);
    const double scale = std::pow(1 - u, 1.6);
    const double angle = 5 * kPi * u * u;
    const double r = t < 0.1   ? hole * t / 0.1
                     : t < 0.8 ? hole * (1 + 0.12 * std::sin(t * 30))
                               : hole * (1 - t) / 0.2;
    const RECT now =
        Intersect(Union(AroundCentre(cx, cy, reach * scale), AroundCentre(cx, cy, 2.8 * hole)), all);
    RenderSpun(c, Intersect(Union(drawn, now), all), scale, angle);
    drawn = now;
    DrawHole(dc, cx, cy, r, -angle * 1.5 - 6 * t);
  });
  PatBlt(dc, 0, 0, CanvasWidth, CanvasHeight, WHITENESS);
}

void PaperScreen() {
  PlaySoundEffect(kPaperSound);
  CanvasPixels c;
  if (!c.Ok()) return;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  const int cols = 8, rows = 6;
  const double cx = c.w / 2.0, cy = c.h / 2.0;
  const double ball = std::max(12.0, std::min(c.w, c.h) / 9.0);
  struct Piece {
    RECT from;
    double tx, ty, sx, sy, delay;
  };
  std::vector<Piece> pieces;
  for (int j = 0; j < rows; ++j)
    for (int i = 0; i < cols; ++i) {
      Piece p;
      p.from = {c.w * i / cols, c.h * j / rows, c.w * (i + 1) / cols, c.h * (j + 1) / rows};
      p.tx = cx + ball * (Random(100) - 50) / 90.0;
      p.ty = cy + ball * (Random(100) - 50) / 90.0;
      p.sx = ball * (0.5 + Random(40) / 100.0);
      p.sy = ball * (0.5 + Random(40) / 100.0);
      p.delay = Random(30) / 100.0;
      pieces.push_back(p);
    }
  PaperBall wad;
  for (double& lump : wad.lumps) lump = 0.8 + Random(35) / 100.0;
  for (double& spot : wad.spots) spot = Random(100) / 100.0;
  for (COLORREF& speck : wad.specks)
    speck = ColorrefFromPixel(c.picture[static_cast<std::size_t>(Random(c.h)) * c.w + Random(c.w)]);
  RECT last{0, 0, c.w, c.h};
  AnimateCanvas(kPaperMs, [&](double t) {
    PatBlt(dc, last.left, last.top, last.right - last.left, last.bottom - last.top, WHITENESS);
    if (t < 0.5) {
      // Crumpling: the picture's pieces fold in towards the ball, each in its own time.
      const double u = t / 0.5;
      last = {c.w, c.h, 0, 0};
      SelectObject(dc, SolidPen(1, Pal(kGrey, 3)));
      SelectObject(dc, GetStockObject(NULL_BRUSH));
      for (const Piece& p : pieces) {
        const double e = Ease((u - p.delay) / (1 - p.delay));
        const double w0 = p.from.right - p.from.left, h0 = p.from.bottom - p.from.top;
        const double mx = (p.from.left + p.from.right) / 2.0, my = (p.from.top + p.from.bottom) / 2.0;
        const double x = mx + (p.tx - mx) * e, y = my + (p.ty - my) * e;
        const double pw = std::max(2.0, w0 + (p.sx - w0) * e), ph = std::max(2.0, h0 + (p.sy - h0) * e);
        const int l = static_cast<int>(x - pw / 2), tp = static_cast<int>(y - ph / 2);
        ScalePiece(c, p.from, RECT{l, tp, l + static_cast<int>(pw), tp + static_cast<int>(ph)});
        if (e > 0.15) Rectangle(dc, l, tp, l + static_cast<int>(pw), tp + static_cast<int>(ph));
        last = Union(last, RECT{l - 2, tp - 2, l + static_cast<int>(pw) + 3, tp + static_cast<int>(ph) + 3});
      }
      return;
    }
    // The ball, and then the toss: up and away out of the right side.
    const double v = Clamp01((t - 0.58) / 0.42);
    const double x = cx + (c.w / 2.0 + 3 * ball) * v;
    const double y = cy - 1.5 * c.h * v + 1.6 * c.h * v * v;
    const double r = ball * (1 - 0.3 * v);
    if (t < 1) wad.Draw(dc, x, y, r, 7 * v);
    last = Intersect(AroundCentre(x, y, r * 1.3), RECT{0, 0, c.w, c.h});
  });
  PatBlt(dc, 0, 0, CanvasWidth, CanvasHeight, WHITENESS);
}

void ShadeScreen() {
  PlaySoundEffect(kShadeSound);
  CanvasPixels c;
  if (!c.Ok()) return;
  const HBITMAP picture = c.PictureBitmap();
  BitmapCanvas source(picture);
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  const int bar = std::clamp(c.h / 30, 10, 24);
  AnimateCanvas(kShadeMs, [&](double t) {
    // A spring shade: slow to start, then whizzing up; the last tenth takes the roller away.
    const double p = Clamp01(t / 0.9);
    const int rolled = static_cast<int>(c.h * p * p);
    const int hang = c.h - rolled;  // rows of cloth still hanging
    const int lift = t > 0.9 ? static_cast<int>((t - 0.9) / 0.1 * (3 * bar)) : 0;
    BitBlt(dc, 0, 0, c.w, hang, source.dc(), 0, rolled, SRCCOPY);
    PatBlt(dc, 0, hang, c.w, c.h - hang, WHITENESS);
    if (t >= 1) return;
    // The bottom slat with its cord and ring.
    const int by = std::max(hang - bar, 0) - lift;
    SelectObject(dc, SolidPen(1, Pal(kBrown, 7)));
    SelectObject(dc, CreateSolidBrush(Pal(kBrown, 4)));
    Rectangle(dc, 0, by, c.w, by + bar);
    SelectObject(dc, SolidPen(2, Pal(kBrown, 2)));
    MoveToEx(dc, 0, by + bar / 3, nullptr);
    LineTo(dc, c.w, by + bar / 3);
    SelectObject(dc, SolidPen(2, Pal(kGrey, 6)));
    MoveToEx(dc, c.w / 2, by + bar, nullptr);
    LineTo(dc, c.w / 2, by + 3 * bar);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, c.w / 2 - bar / 2, by + 3 * bar, c.w / 2 + bar / 2, by + 4 * bar);
    // The roller at the top, fatter as the cloth winds onto it, shaded like a cylinder.
    const int thick = bar + static_cast<int>(bar * 0.8 * p);
    for (int i = 0; i < thick; ++i) {
      const int shade = std::clamp(static_cast<int>(std::abs(2.0 * i / thick - 0.6) * 6), 0, 7);
      SelectObject(dc, SolidPen(1, Pal(kPeach, 1 + shade)));
      MoveToEx(dc, 0, i - lift, nullptr);
      LineTo(dc, c.w, i - lift);
    }
  });
  PatBlt(dc, 0, 0, CanvasWidth, CanvasHeight, WHITENESS);
}

void WindshieldScreen() {
  PlaySoundEffect(kWindshieldSound);
  if (!CanvasWindow || !CanvasWindow->Surface()) return;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  const int w = CanvasWindow->ClientWidth(), h = CanvasWindow->ClientHeight();
  // Six waves of bugs, as the sound splats them, then one sweep of the wiper.
  constexpr double kSplatting = 0.55;
  const int count = std::clamp(w * h / 25000, 12, 60);
  const COLORREF goo[][2] = {{Pal(kLime, 3), Pal(kOlive, 6)},
                             {Pal(kYellow, 3), Pal(kOlive, 5)},
                             {Pal(kGreen, 3), Pal(kGreen, 7)},
                             {Pal(kOrange, 4), Pal(kBrown, 6)},
                             {Pal(kRed, 5), Pal(kRed, 8)}};
  std::vector<Splat> splats(count);
  for (int i = 0; i < count; ++i) {
    Splat& s = splats[i];
    s.when = (i * 6 / count) / 6.0;
    s.x = Random(std::max(w, 1));
    s.y = Random(std::max(h * 4 / 5, 1));
    s.r = std::max(4, std::min(w, h) / 40 * (60 + Random(80)) / 100);
    const int g = Random(5);
    s.colour = goo[g][0];
    s.rim = goo[g][1];
    for (int k = 0; k < 8; ++k) {
      s.drops[2 * k] = k * 45 + Random(40);
      s.drops[2 * k + 1] = 120 + Random(110);
    }
  }
  const double px = w / 2.0, py = h + h / 20.0;
  const double blade = std::hypot(w / 2.0, py) * 1.05;
  const int thick = std::max(6, std::min(w, h) / 60);
  double swept = 180;  // degrees: the wiper starts lying along the bottom, on the left
  std::size_t next = 0;
  auto at = [&](double deg, double r) {
    return POINT{static_cast<int>(std::lround(px + r * std::cos(deg * kPi / 180))),
                 static_cast<int>(std::lround(py - r * std::sin(deg * kPi / 180)))};
  };
  AnimateCanvas(kWindshieldMs, [&](double t) {
    while (next < splats.size() && splats[next].when <= t / kSplatting) DrawSplat(dc, splats[next++]);
    if (t < kSplatting) return;
    const double angle = 180 * (1 - Ease((t - kSplatting) / (1 - kSplatting)));
    // Clean glass behind the blade, with a margin that takes in where the blade was drawn.
    const double from = std::min(180.0, swept + 25);
    SelectObject(dc, SolidPen(1, Pal(kGrey, 0)));
    SelectObject(dc, CreateSolidBrush(Pal(kGrey, 0)));
    std::vector<POINT> wedge{{static_cast<int>(px), static_cast<int>(py)}};
    for (double a = from;; a -= 10) {
      wedge.push_back(at(std::max(a, angle), blade * 1.3));
      if (a <= angle) break;
    }
    Polygon(dc, wedge.data(), static_cast<int>(wedge.size()));
    swept = angle;
    if (t >= 1) return;
    // The arm and its rubber blade.
    SelectObject(dc, SolidPen(thick / 2, Pal(kGrey, 7)));
    const POINT root = at(angle, 0), tip = at(angle, blade);
    MoveToEx(dc, root.x, root.y, nullptr);
    LineTo(dc, tip.x, tip.y);
    SelectObject(dc, SolidPen(thick, Pal(kGrey, 9)));
    const POINT start = at(angle, blade * 0.3);
    MoveToEx(dc, start.x, start.y, nullptr);
    LineTo(dc, tip.x, tip.y);
  });
  PatBlt(dc, 0, 0, CanvasWidth, CanvasHeight, WHITENESS);
}

void MorphScreen() {
  PlaySoundEffect(kMorphSound);
  CanvasPixels c;
  if (!c.Ok()) return;
  const int kind = Random(4);
  const HBITMAP background = CreateDIBSection32(c.w, c.h);
  {
    BitmapCanvas b(background);
    DrawBackground(b.dc(), kind, CanvasWidth, CanvasHeight);
  }
  // Each 4 x 4 block turns when the rising level passes its threshold: waves that spread from the
  // middle, so the picture seems to melt into the background. A block goes over in eight steps of
  // blending, so that it is redrawn only when its step changes.
  constexpr int kBlock = 4;
  constexpr double kSoft = 0.25;
  const int bw = (c.w + kBlock - 1) / kBlock, bh = (c.h + kBlock - 1) / kBlock;
  std::vector<float> threshold(static_cast<std::size_t>(bw) * bh);
  std::vector<int> level(threshold.size(), 0);
  const double reach = std::hypot(bw / 2.0, bh / 2.0);
  for (int j = 0; j < bh; ++j)
    for (int i = 0; i < bw; ++i) {
      const double r = std::hypot(i - bw / 2.0, j - bh / 2.0) / reach;
      const double wave =
          0.5 + 0.5 * std::sin(i * 0.11 + 2.5 * std::sin(j * 0.07)) * std::cos(j * 0.05 - i * 0.02);
      threshold[static_cast<std::size_t>(j) * bw + i] = static_cast<float>(0.6 * r + 0.4 * wave);
    }
  const std::uint32_t* bg = background->Pixels();
  AnimateCanvas(kMorphMs, [&](double t) {
    const double rising = t * (1 + kSoft);
    for (int j = 0; j < bh; ++j) {
      bool touched = false;
      for (int i = 0; i < bw; ++i) {
        const std::size_t k = static_cast<std::size_t>(j) * bw + i;
        const int a = t >= 1 ? 256 : 32 * static_cast<int>(8 * Clamp01((rising - threshold[k]) / kSoft));
        if (a == level[k]) continue;
        level[k] = a;
        touched = true;
        const int x0 = i * kBlock, x1 = std::min(x0 + kBlock, c.w);
        for (int y = j * kBlock; y < std::min(j * kBlock + kBlock, c.h); ++y) {
          std::uint32_t* row = c.surface->Row(y);
          const std::size_t base = static_cast<std::size_t>(y) * c.w;
          for (int x = x0; x < x1; ++x) {
            const std::uint32_t p = c.picture[base + x], q = bg[base + x];
            const std::uint32_t rb = (((p & 0xFF00FF) * (256 - a) + (q & 0xFF00FF) * a) >> 8) & 0xFF00FF;
            const std::uint32_t g = (((p & 0x00FF00) * (256 - a) + (q & 0x00FF00) * a) >> 8) & 0x00FF00;
            row[x] = rb | g;
          }
        }
      }
      if (touched)
        for (int y = j * kBlock; y < std::min(j * kBlock + kBlock, c.h); ++y) c.surface->Touch(0, c.w, y);
    }
  });
}

}  // namespace pd
