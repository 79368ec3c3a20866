// The fill-style panel "a3.kvr" and the chart of the 32 fill styles "fstyles.kvr".
//
// The chart shows each style as the program paints it: the brushes, hatches and pattern brushes
// of styles 0..15 go through our raster layer's brushes, the patterns recoloured as the program
// recolours them; the gradients 16..23 are the program's ten bands of two-pixel lines clipped to
// the sample's region; the textures 24..31 are the program's tiles laid from the sample's corner.
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "artwork.h"
#include "canvas.h"
#include "gdi/bmp.h"
#include "palette.h"
#include "panels.h"
#include "panels_common.h"

namespace art {

namespace {

// The colour the samples are painted in: the program's start colour, pure red, and its row.
constexpr int kSampleRow = kRed, kSampleShade = 5;
constexpr COLORREF kSample = Shade(kSampleRow, kSampleShade);
constexpr COLORREF kPaper = kWhite;

gdi::HBITMAP LoadOrDraw(const fs::path& dir, const std::string& name, void (*draw)(const fs::path&)) {
  if (!fs::exists(dir / name)) draw(dir);
  std::string error;
  gdi::HBITMAP b = gdi::LoadBmpFile((dir / name).string(), &error);
  if (!b) throw std::runtime_error(name + ": " + error);
  return b;
}

// The brush of styles 0..15, as the program makes it.
gdi::HBRUSH StyleBrush(const fs::path& dir, int style) {
  static constexpr int kHatch[6] = {gdi::HS_HORIZONTAL, gdi::HS_VERTICAL,  gdi::HS_CROSS,
                                    gdi::HS_BDIAGONAL,  gdi::HS_FDIAGONAL, gdi::HS_DIAGCROSS};
  if (style == 0) return gdi::CreateBrushIndirect(gdi::LOGBRUSH{gdi::BS_HOLLOW, kSample, 0});
  if (style == 1) return gdi::CreateSolidBrush(kSample);
  if (style < 8) return gdi::CreateHatchBrush(kHatch[style - 2], kSample);
  // A pattern's pure black pixels take the colour; the rest keep the file's colours.
  gdi::HBITMAP pattern = LoadOrDraw(dir, "pa0" + std::to_string(style - 8) + ".kvr", DrawPatterns);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (gdi::ColorrefFromPixel(pattern->At(x, y)) == gdi::RGB(0, 0, 0))
        pattern->At(x, y) = gdi::PixelFromColorref(kSample);
  return gdi::CreatePatternBrush(pattern);
}

// Ten bands of the sample's row across the box, in the order and direction of the style.
void GradientBands(const gdi::HDC& dc, int style, int x1, int y1, int x2, int y2) {
  static constexpr bool kDarkFirst[8] = {true, false, true, false, true, false, true, false};
  static constexpr int kMode[8] = {1, 1, 2, 2, 3, 4, 4, 3};
  const int i = style - 16, mode = kMode[i];
  const int w = x2 - x1, h = y2 - y1;
  const float step = static_cast<float>(mode == 1 ? w : mode == 2 ? h : w + h) * 0.1f;
  for (int k = 0; k < 10; ++k) {
    const int shade = kDarkFirst[i] ? 9 - k : k;
    gdi::SelectObject(dc, gdi::CreatePen(gdi::PS_SOLID, 2, Shade(kSampleRow, shade)));
    const int from = static_cast<int>(std::lround(k * step)),
              to = static_cast<int>(std::lround((k + 1) * step));
    for (int s = from; s <= to; ++s) {
      if (mode == 1) {
        gdi::MoveToEx(dc, x1 + s, y1, nullptr);
        gdi::LineTo(dc, x1 + s, y2);
      } else if (mode == 2) {
        gdi::MoveToEx(dc, x1, y1 + s, nullptr);
        gdi::LineTo(dc, x2, y1 + s);
      } else if (mode == 3) {
        gdi::MoveToEx(dc, x1 + s, y1, nullptr);
        gdi::LineTo(dc, x1 + s - h, y2);
      } else {
        gdi::MoveToEx(dc, x1 + s, y2, nullptr);
        gdi::LineTo(dc, x1 + s - h, y1);
      }
    }
  }
}

// One sample: a figure in the box with rounded corners, filled in the style, with a two-pixel
// outline.
void Sample(Canvas& c, const fs::path& dir, int style, gdi::RECT r, int corner = 12) {
  const gdi::HDC& dc = c.Dc();
  const gdi::HGDIOBJ old_pen = gdi::SelectObject(dc, gdi::CreatePen(gdi::PS_SOLID, 2, kSample));
  const gdi::HGDIOBJ old_brush = gdi::SelectObject(dc, gdi::GetStockObject(gdi::NULL_BRUSH));
  if (style < 16) {
    gdi::SelectObject(dc, StyleBrush(dir, style));
    gdi::SetBkMode(dc, gdi::TRANSPARENT);
  } else {
    gdi::SelectClipRgn(dc, gdi::CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, corner, corner));
    if (style < 24) {
      GradientBands(dc, style, r.left, r.top, r.right, r.bottom);
    } else {
      gdi::HBITMAP tile = LoadOrDraw(dir, "pb" + std::to_string(style - 23) + ".kvr", DrawTextures);
      gdi::HDC src = gdi::CreateCompatibleDC(nullptr);
      gdi::SelectObject(src, tile);
      for (int y = r.top; y < r.bottom; y += 54)
        for (int x = r.left; x < r.right; x += 54) gdi::BitBlt(dc, x, y, 54, 54, src, 0, 0, gdi::SRCCOPY);
    }
    gdi::SelectClipRgn(dc, gdi::HRGN{});
    gdi::SelectObject(dc, gdi::CreatePen(gdi::PS_SOLID, 2, kSample));
  }
  gdi::RoundRect(dc, r.left, r.top, r.right, r.bottom, corner, corner);
  gdi::SetBkMode(dc, gdi::OPAQUE);
  gdi::SelectObject(dc, old_pen);
  gdi::SelectObject(dc, old_brush);
}

void FillStylePanel(const fs::path& dir) {
  // Only the first 50 rows: the program copies 330 rows from the picture, and whatever the
  // picture held below row 50 would cover the shape panels at y 330 painted before it.
  Canvas c(79, 50, kBlack);
  {
    Painter p(c);
    Button(p, {0, 0, 79, 50}, false);
  }
  // Four small samples above the preview hint at the choice the press opens.
  const int styles[4] = {1, 4, 17, 9};
  for (int i = 0; i < 4; ++i) {
    const int x = 4 + 18 * i;
    Painter(c).NoPen().Brush(kPaper).Rect(x, 3, x + 17, 16);
    Sample(c, dir, styles[i], {x + 1, 4, x + 16, 15}, 4);
  }
  Painter p(c);
  // The preview's card: a frame round the plain box the program paints its figure into.
  p.Style(Shade(kGrey, 3), kPaper, 2)
      .Rect(kPreviewLeft - 2, kPreviewTop - 2, kPreviewRight + 3, kPreviewBottom + 3);
  p.NoPen().Brush(kPaper).Rect(kPreviewLeft, kPreviewTop, kPreviewRight + 2, kPreviewBottom + 2);
  p.NoPen().Brush(Shade(kYellow, 5)).Poly({{4, 26}, {10, 32}, {4, 38}});
  p.Poly({{75, 26}, {69, 32}, {75, 38}});
  c.Save(dir / "a3.kvr");
}

}  // namespace

const std::vector<PanelPicture>& PanelPictures() {
  static const std::vector<PanelPicture> pictures = [] {
    std::vector<PanelPicture> p = {
        {"a2.kvr", 80, 100},  {"a3.kvr", 79, 50},   {"a4.kvr", 80, 200},  {"a5.kvr", 80, 150},
        {"a6.kvr", 80, 100},  {"a7.kvr", 80, 150},  {"a8.kvr", 80, 100},  {"a9.kvr", 80, 100},
        {"a10.kvr", 80, 100}, {"a11.kvr", 80, 100}, {"a12.kvr", 80, 100}, {"a13.kvr", 80, 100},
        {"a14.kvr", 80, 150}, {"a15.kvr", 80, 100}, {"a16.kvr", 80, 100}, {"a17.kvr", 80, 100},
        {"a18.kvr", 80, 150}, {"a19.kvr", 80, 150}, {"a20.kvr", 80, 200}, {"a21.kvr", 80, 300},
        {"a23.kvr", 80, 100}, {"a24.kvr", 80, 100}, {"a28.kvr", 79, 48},  {"a84.kvr", 79, 50}};
    for (int n = 43; n <= 50; ++n) p.push_back({"a" + std::to_string(n) + ".kvr", 80, 80});
    for (int n = 70; n <= 79; ++n) p.push_back({"a" + std::to_string(n) + ".kvr", 80, 50});
    p.push_back({"fstyles.kvr", 319, 282});
    return p;
  }();
  return pictures;
}

void DrawFillStyleChart(const fs::path& dir) {
  FillStylePanel(dir);
  Canvas c(319, 282, kBlack);
  // Rows of the chart: top, bottom (exclusive), cell width, first style.
  struct Row {
    int top, bottom, cell, first;
  };
  // The chooser shows the chart from its row 1 down to row 222 and columns 0..254, so the last
  // row's cards end where the window does.
  const Row rows[5] = {
      {0, 34, 32, 0}, {34, 68, 32, 8}, {68, 94, 32, 16}, {94, 160, 64, 24}, {160, 223, 64, 28}};
  for (const Row& row : rows) {
    const int cells = 256 / row.cell;
    for (int i = 0; i < cells; ++i) {
      const int l = i * row.cell, t = row.top + (row.first == 0 ? 1 : 0);
      Painter(c).Style(Shade(kGrey, 5), kPaper, 1).Round(l + 1, t + 1, l + row.cell - 1, row.bottom - 1, 8);
      const int inset = row.cell == 32 ? 4 : 6;
      Sample(c, dir, row.first + i, {l + inset, t + inset - 1, l + row.cell - inset, row.bottom - inset + 1});
    }
  }
  c.Save(dir / "fstyles.kvr");
}

}  // namespace art
