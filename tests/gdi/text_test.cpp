// Text: font matching, metrics, placement by alignment, background modes, rotation, clipping.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <string>

#include "gdi/gdi.h"

// Fontconfig loses a few hundred bytes while parsing its configuration files, once per process.
// The leak checker of the sanitizer build would fail every test that touches a font for it, so
// allocations made inside Fontconfig are not reported; leaks of the layer's own are.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}

namespace {

using namespace gdi;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kGreen = RGB(0, 128, 0);

struct Canvas {
  HBITMAP bmp;
  HDC dc;
  Canvas(int w, int h, COLORREF fill = kWhite) {
    bmp = CreateDIBSection32(w, h);
    bmp->Fill(PixelFromColorref(fill));
    dc = CreateSurfaceDC(bmp);
  }
  COLORREF At(int x, int y) const { return ColorrefFromPixel(bmp->At(x, y)); }
  // The bounding box of every pixel that is not `ground`, half-open; empty when there is none.
  RECT Ink(COLORREF ground) const {
    RECT r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < bmp->Height(); ++y)
      for (int x = 0; x < bmp->Width(); ++x)
        if (At(x, y) != ground) {
          r.left = std::min(r.left, x);
          r.top = std::min(r.top, y);
          r.right = std::max(r.right, x + 1);
          r.bottom = std::max(r.bottom, y + 1);
        }
    if (r.left == INT_MAX) return {};
    return r;
  }
  long Count(COLORREF c) const {
    long n = 0;
    for (int y = 0; y < bmp->Height(); ++y)
      for (int x = 0; x < bmp->Width(); ++x) n += At(x, y) == c;
    return n;
  }
};

HFONT Arial(int height, int escapement = 0, int weight = 0) {
  return CreateFontA(height, 0, escapement, escapement, weight, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
}

void Text(const HDC& dc, int x, int y, const std::string& s) {
  ASSERT_TRUE(TextOutA(dc, x, y, s.data(), static_cast<int>(s.size())));
}

SIZE Extent(const HDC& dc, const std::string& s) {
  SIZE sz{};
  EXPECT_TRUE(GetTextExtentPoint32A(dc, s.data(), static_cast<int>(s.size()), &sz));
  return sz;
}

TEXTMETRICA Metrics(const HDC& dc) {
  TEXTMETRICA tm;
  EXPECT_TRUE(GetTextMetricsA(dc, &tm));
  return tm;
}

// ---- fonts -----------------------------------------------------------------------------------

TEST(TextFont, FaceNamesFindMetricCompatibleFiles) {
  Canvas c(8, 8);
  const struct {
    const char* face;
    const char* file_part;
  } cases[] = {{"Arial", "LiberationSans"},
               {"Times New Roman", "LiberationSerif"},
               {"Courier New", "LiberationMono"},
               {"No Such Face At All", ""}};
  for (const auto& k : cases) {
    HFONT f = CreateFontA(-20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, k.face);
    // Making a font must stay cheap: the face is found on first use.
    EXPECT_TRUE(f->file.empty()) << k.face;
    SelectObject(c.dc, f);
    Metrics(c.dc);
    EXPECT_TRUE(std::filesystem::is_regular_file(f->file)) << k.face << " -> " << f->file;
    EXPECT_NE(f->file.find(k.file_part), std::string::npos) << k.face << " -> " << f->file;
  }
}

TEST(TextFont, NegativeHeightIsEmPositiveIsCell) {
  Canvas c(8, 8);
  SelectObject(c.dc, Arial(-20));
  const TEXTMETRICA em = Metrics(c.dc);
  EXPECT_EQ(em.tmHeight - em.tmInternalLeading, 20);
  EXPECT_EQ(em.tmAscent + em.tmDescent, em.tmHeight);
  EXPECT_GT(em.tmInternalLeading, 0);

  SelectObject(c.dc, Arial(20));
  const TEXTMETRICA cell = Metrics(c.dc);
  EXPECT_EQ(cell.tmHeight, 20);
  EXPECT_EQ(cell.tmAscent + cell.tmDescent, 20);
  EXPECT_LT(cell.tmHeight - cell.tmInternalLeading, 20);
  const int cell_cx = Extent(c.dc, "Example").cx;
  SelectObject(c.dc, Arial(-20));
  EXPECT_LT(cell_cx, Extent(c.dc, "Example").cx);

  SelectObject(c.dc, Arial(0));
  const TEXTMETRICA def = Metrics(c.dc);
  EXPECT_GT(def.tmHeight, 8);
  EXPECT_LT(def.tmHeight, 40);
}

// Ink pixels and the leftmost ink column of the top and bottom ink rows.
struct Shape {
  long ink = 0;
  int cx = 0;
  int top_left = 0, bottom_left = 0;
};

Shape Draw(const char* face, int weight, bool italic, const std::string& s) {
  Canvas c(300, 40);
  SelectObject(c.dc, CreateFontA(-20, 0, 0, 0, weight, italic, 0, 0, 0, 0, 0, 0, 0, face));
  SetBkMode(c.dc, TRANSPARENT);
  Text(c.dc, 4, 4, s);
  Shape r{c.Count(0), Extent(c.dc, s).cx};
  const RECT box = c.Ink(kWhite);
  const auto left = [&](int y) {
    for (int x = 0; x < 300; ++x)
      if (c.At(x, y) == 0) return x;
    return -1;
  };
  r.top_left = left(box.top);
  r.bottom_left = left(box.bottom - 1);
  return r;
}

TEST(TextFont, BoldAndItalicFromTheFaceOrSimulated) {
  // "Arial" has real bold and italic faces; the light face of DejaVu Sans has neither (where it
  // is installed), so there they are simulated.
  std::vector<const char*> faces = {"Arial"};
  const auto names = ListFontFamilies();
  if (std::find(names.begin(), names.end(), "DejaVu Sans Light") != names.end())
    faces.push_back("DejaVu Sans Light");
  for (const char* face : faces) {
    const Shape normal = Draw(face, FW_NORMAL, false, "Bold lettering");
    const Shape bold = Draw(face, FW_BOLD, false, "Bold lettering");
    EXPECT_GT(bold.cx, normal.cx) << face;
    EXPECT_GT(bold.ink, normal.ink * 5 / 4) << face;
    // An upright 'l' has a vertical stem; an italic one leans right.
    const Shape upright = Draw(face, FW_NORMAL, false, "l");
    const Shape leaning = Draw(face, FW_NORMAL, true, "l");
    EXPECT_EQ(upright.top_left, upright.bottom_left) << face;
    EXPECT_GE(leaning.top_left, leaning.bottom_left + 2) << face;
  }
  Canvas c(8, 8);
  SelectObject(c.dc, Arial(-20, 0, FW_BOLD));
  EXPECT_EQ(Metrics(c.dc).tmWeight, FW_BOLD);
  SelectObject(c.dc, Arial(-20));
  EXPECT_EQ(Metrics(c.dc).tmWeight, FW_NORMAL);
}

TEST(TextFont, WidthStretchesTheEm) {
  Canvas c(8, 8);
  SelectObject(c.dc, Arial(-20));
  const TEXTMETRICA natural = Metrics(c.dc);
  SelectObject(c.dc, CreateFontA(-20, natural.tmAveCharWidth * 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"));
  const TEXTMETRICA wide = Metrics(c.dc);
  EXPECT_EQ(wide.tmHeight, natural.tmHeight);
  EXPECT_NEAR(wide.tmAveCharWidth, natural.tmAveCharWidth * 2, 1);
}

TEST(TextFont, FamiliesAreSortedDistinctAndIncludeInstalledFaces) {
  const std::vector<std::string> names = ListFontFamilies();
  ASSERT_FALSE(names.empty());
  EXPECT_NE(std::find(names.begin(), names.end(), "Liberation Sans"), names.end());
  EXPECT_NE(std::find(names.begin(), names.end(), "DejaVu Sans"), names.end());
  for (std::size_t i = 1; i < names.size(); ++i) EXPECT_NE(names[i - 1], names[i]);
  const auto lower = [](std::string s) {
    for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
  };
  for (std::size_t i = 1; i < names.size(); ++i) EXPECT_LE(lower(names[i - 1]), lower(names[i]));

  // A face that is installed is drawn with itself; "Arial" with an installed stand-in.
  EXPECT_EQ(MatchedFontFamily("DejaVu Sans"), "DejaVu Sans");
  const std::string arial = MatchedFontFamily("Arial");
  EXPECT_NE(std::find(names.begin(), names.end(), arial), names.end()) << arial;
}

// ---- drawing ---------------------------------------------------------------------------------

TEST(TextDraw, PixelsAreExactlyTheTextColour) {
  // No smoothing at any angle: every pixel is the text colour or untouched.
  for (int esc : {0, 300, 900, 2250}) {
    Canvas c(200, 200);
    SelectObject(c.dc, Arial(-18, esc));
    SetBkMode(c.dc, TRANSPARENT);
    SetTextColor(c.dc, kRed);
    SetTextAlign(c.dc, TA_BASELINE | TA_CENTER);
    Text(c.dc, 100, 100, "Example W@g");
    const long red = c.Count(kRed);
    EXPECT_GT(red, 60) << esc;
    EXPECT_EQ(red + c.Count(kWhite), 200L * 200) << esc;
  }
  // A palette-relative colour draws as its RGB value.
  Canvas pal(100, 40);
  SelectObject(pal.dc, Arial(-16));
  SetBkMode(pal.dc, TRANSPARENT);
  SetTextColor(pal.dc, PALETTERGB(0, 0, 255));
  Text(pal.dc, 2, 2, "Blue");
  EXPECT_GT(pal.Count(RGB(0, 0, 255)), 20);
  EXPECT_EQ(pal.Count(RGB(0, 0, 255)) + pal.Count(kWhite), 100L * 40);
  // A monochrome surface takes the nearest of black and white.
  HBITMAP bmp = CreateBitmap(100, 30, 1, 1, nullptr);
  bmp->Fill(0xFFFFFF);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, bmp);
  SelectObject(dc, Arial(-16));
  SetTextColor(dc, RGB(30, 30, 30));
  Text(dc, 2, 2, "Mono");
  long black = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x) black += bmp->At(x, y) == 0;
  EXPECT_GT(black, 20);
}

TEST(TextDraw, OpaqueFillsTheCellTransparentLeavesIt) {
  Canvas opaque(200, 60, kGreen), clear(200, 60, kGreen);
  for (Canvas* c : {&opaque, &clear}) {
    SelectObject(c->dc, Arial(-20));
    SetBkColor(c->dc, kYellow);
    SetTextColor(c->dc, kRed);
  }
  SetBkMode(clear.dc, TRANSPARENT);
  const SIZE sz = Extent(opaque.dc, "Hello, gjpq");
  Text(opaque.dc, 10, 15, "Hello, gjpq");
  Text(clear.dc, 10, 15, "Hello, gjpq");

  // The opaque cell is exactly the extent, at the reference point.
  EXPECT_EQ(opaque.Ink(kGreen), (RECT{10, 15, 10 + sz.cx, 15 + sz.cy}));
  EXPECT_EQ(opaque.Count(kYellow) + opaque.Count(kRed), static_cast<long>(sz.cx) * sz.cy);
  // The same glyph pixels either way; the transparent one keeps the green between them.
  EXPECT_EQ(clear.Count(kYellow), 0);
  EXPECT_EQ(clear.Count(kRed), opaque.Count(kRed));
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x)
      if (clear.At(x, y) == kRed) {
        EXPECT_EQ(opaque.At(x, y), kRed) << x << "," << y;
      }
}

TEST(TextDraw, Rop2DoesNotApplyToText) {
  Canvas c(120, 40, RGB(0, 255, 255));
  SelectObject(c.dc, Arial(-20));
  SetROP2(c.dc, R2_XORPEN);
  SetTextColor(c.dc, kRed);
  SetBkColor(c.dc, kYellow);
  Text(c.dc, 2, 2, "Copy");
  EXPECT_GT(c.Count(kRed), 30);
  EXPECT_GT(c.Count(kYellow), 100);
  EXPECT_EQ(c.Count(kRed) + c.Count(kYellow) + c.Count(RGB(0, 255, 255)), 120L * 40);
}

TEST(TextDraw, AlignmentMovesTheTextAroundTheReferencePoint) {
  const std::string s = "Shifted";
  Canvas base(320, 150);
  SelectObject(base.dc, Arial(-24));
  const SIZE sz = Extent(base.dc, s);
  const TEXTMETRICA tm = Metrics(base.dc);
  SetBkMode(base.dc, TRANSPARENT);
  Text(base.dc, 150, 60, s);
  const RECT ink = base.Ink(kWhite);
  // Top-left alignment: the glyphs sit inside the cell below and to the right of the point.
  EXPECT_GE(ink.left, 150);
  EXPECT_GE(ink.top, 60);
  EXPECT_LE(ink.right, 150 + sz.cx + 1);
  EXPECT_LE(ink.bottom, 60 + tm.tmAscent);  // no descenders in the word

  const struct {
    UINT align;
    int dx, dy;
  } cases[] = {
      {TA_RIGHT | TA_TOP, -sz.cx, 0},
      {TA_CENTER | TA_TOP, -(sz.cx / 2), 0},
      {TA_LEFT | TA_BASELINE, 0, -tm.tmAscent},
      {TA_LEFT | TA_BOTTOM, 0, -tm.tmHeight},
      {TA_CENTER | TA_BASELINE, -(sz.cx / 2), -tm.tmAscent},
  };
  for (const auto& k : cases) {
    Canvas c(320, 150);
    SelectObject(c.dc, Arial(-24));
    SetBkMode(c.dc, TRANSPARENT);
    SetTextAlign(c.dc, k.align);
    Text(c.dc, 150, 60, s);
    EXPECT_EQ(c.Ink(kWhite), (RECT{ink.left + k.dx, ink.top + k.dy, ink.right + k.dx, ink.bottom + k.dy}))
        << "align " << k.align;
  }
}

TEST(TextDraw, BaselineSplitsAscentAndDescent) {
  // With TA_BASELINE the letters without descenders end on the row above the point and
  // descenders reach below it.
  Canvas c(200, 80);
  SelectObject(c.dc, Arial(-24));
  SetBkMode(c.dc, TRANSPARENT);
  SetTextAlign(c.dc, TA_BASELINE);
  Text(c.dc, 10, 40, "HHH");
  EXPECT_EQ(c.Ink(kWhite).bottom, 40);
  Text(c.dc, 100, 40, "ggg");
  EXPECT_GT(c.Ink(kWhite).bottom, 43);
}

TEST(TextDraw, UpdateCpStartsAtAndAdvancesTheCurrentPosition) {
  Canvas one(200, 40), two(200, 40);
  SelectObject(one.dc, Arial(-16));
  SelectObject(two.dc, Arial(-16));
  Text(one.dc, 5, 5, "Left, right");
  MoveToEx(two.dc, 5, 5, nullptr);
  SetTextAlign(two.dc, TA_UPDATECP);
  Text(two.dc, 999, 999, "Left,");
  Text(two.dc, 999, 999, " right");
  EXPECT_EQ(two.Ink(kWhite), one.Ink(kWhite));
  EXPECT_EQ(one.Count(0), two.Count(0));
}

TEST(TextDraw, ExtentIsTheSumOfItsPartsAndMatchesTheInk) {
  Canvas c(400, 60);
  SelectObject(c.dc, Arial(-20));
  EXPECT_EQ(Extent(c.dc, "").cx, 0);
  EXPECT_EQ(Extent(c.dc, "").cy, Metrics(c.dc).tmHeight);
  int prev = 0;
  for (const char* s : {"W", "Wi", "Wid", "Wide", "Wider"}) {
    const int cx = Extent(c.dc, s).cx;
    EXPECT_GT(cx, prev) << s;
    prev = cx;
  }
  EXPECT_EQ(Extent(c.dc, "Hello world").cx, Extent(c.dc, "Hello").cx + Extent(c.dc, " world").cx);
  // The drawn word ends where its extent says, give or take the last glyph's side bearing.
  SetBkMode(c.dc, TRANSPARENT);
  Text(c.dc, 10, 10, "Hello world");
  const RECT ink = c.Ink(kWhite);
  const int cx = Extent(c.dc, "Hello world").cx;
  EXPECT_NEAR(ink.right, 10 + cx, 3);
  EXPECT_NEAR(ink.left, 10, 3);
}

TEST(TextDraw, NinetyDegreesReadsUpward) {
  Canvas flat(200, 200, kGreen), turned(200, 200, kGreen);
  SelectObject(flat.dc, Arial(-20));
  SelectObject(turned.dc, Arial(-20, 900));
  const SIZE sz = Extent(flat.dc, "Upward");
  const TEXTMETRICA tm = Metrics(flat.dc);
  EXPECT_EQ(Extent(turned.dc, "Upward").cx, sz.cx);  // extents are measured unturned
  for (Canvas* c : {&flat, &turned}) {
    SetBkColor(c->dc, kYellow);
    SetTextAlign(c->dc, TA_BASELINE);
    Text(c->dc, 100, 150, "Upward");
  }
  // The cell turns about the reference point: it rises from the baseline point, with the
  // ascent to the left of it.
  EXPECT_EQ(flat.Ink(kGreen), (RECT{100, 150 - tm.tmAscent, 100 + sz.cx, 150 + tm.tmDescent}));
  EXPECT_EQ(turned.Ink(kGreen), (RECT{100 - tm.tmAscent, 150 - sz.cx, 100 + tm.tmDescent, 150}));
  EXPECT_NEAR(turned.Count(0), flat.Count(0), flat.Count(0) / 20);

  // The letters read upward: a tall 'l' first and low dots after it, so the tall ink is at the
  // bottom of the column and reaches further left (the glyphs' tops point left).
  Canvas ink(200, 200);
  SelectObject(ink.dc, Arial(-20, 900));
  SetBkMode(ink.dc, TRANSPARENT);
  SetTextAlign(ink.dc, TA_BASELINE);
  Text(ink.dc, 100, 150, "l....");
  const int split = 150 - Extent(ink.dc, "l").cx;
  int low_left = INT_MAX, high_left = INT_MAX;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x)
      if (ink.At(x, y) == 0)
        (y >= split ? low_left : high_left) = std::min(y >= split ? low_left : high_left, x);
  EXPECT_LT(low_left, 100 - tm.tmAscent / 2);
  EXPECT_GT(high_left, 100 - tm.tmAscent / 3);
}

TEST(TextDraw, RotatedCentreStaysOnTheReferencePoint) {
  for (int esc : {0, 450, 900, 1350, 1800, 2700, 3150}) {
    Canvas c(240, 240, kGreen);
    SelectObject(c.dc, Arial(-16, esc));
    SetBkColor(c.dc, kYellow);
    SetTextAlign(c.dc, TA_BASELINE | TA_CENTER);
    Text(c.dc, 120, 120, "Rotated text");
    const RECT r = c.Ink(kGreen);
    EXPECT_NEAR((r.left + r.right) / 2.0, 120, 8) << esc;
    EXPECT_NEAR((r.top + r.bottom) / 2.0, 120, 8) << esc;
  }
}

TEST(TextDraw, ClippedToTheClipRegionAndSurface) {
  Canvas whole(200, 60), clipped(200, 60);
  for (Canvas* c : {&whole, &clipped}) {
    SelectObject(c->dc, Arial(-30));
    SetBkColor(c->dc, kYellow);
  }
  IntersectClipRect(clipped.dc, 30, 10, 90, 30);
  Text(whole.dc, 5, 5, "Clipping");
  Text(clipped.dc, 5, 5, "Clipping");
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) {
      const bool inside = x >= 30 && x < 90 && y >= 10 && y < 30;
      EXPECT_EQ(clipped.At(x, y), inside ? whole.At(x, y) : kWhite) << x << "," << y;
    }

  // Partly off the surface on every side: what is on it is drawn, the rest is skipped.
  Canvas edge(40, 20);
  SelectObject(edge.dc, Arial(-30));
  SetBkColor(edge.dc, kYellow);
  Text(edge.dc, -15, -12, "Edge of the world");
  EXPECT_EQ(edge.Ink(kWhite), (RECT{0, 0, 40, 20}));
}

TEST(TextDraw, FarPositionsAndLongStringsAreSafe) {
  Canvas c(64, 64);
  SelectObject(c.dc, Arial(-20, 300));
  const std::string longer(100000, 'M');
  for (int esc : {0, 300}) {
    SelectObject(c.dc, Arial(-20, esc));
    for (const POINT p : {POINT{INT_MAX, INT_MAX}, POINT{INT_MIN, INT_MIN}, POINT{INT_MAX, INT_MIN},
                          POINT{-1000000000, 30}, POINT{30, 1000000000}})
      Text(c.dc, p.x, p.y, longer);
  }
  // Out of reach in every case except where the long string passes over the canvas: start it
  // far to the left on a row of the canvas and it must cross it.
  EXPECT_EQ(c.Count(kWhite), 64L * 64);
  SelectObject(c.dc, Arial(-20));
  Text(c.dc, -200000, 20, longer);
  EXPECT_EQ(c.Ink(kWhite).left, 0);
  EXPECT_EQ(Extent(c.dc, longer).cx, Extent(c.dc, "M").cx * 100000);
  // A huge font is measured and drawn without trouble.
  SelectObject(c.dc, Arial(-1000000));
  Text(c.dc, 0, 0, "M");
  EXPECT_FALSE(TextOutA(c.dc, 0, 0, "x", -1));
  EXPECT_FALSE(TextOutA(c.dc, 0, 0, nullptr, 3));
}

TEST(TextDraw, Windows1252BytesDrawTheirGlyphs) {
  // 0x80 is the euro sign in Windows-1252 but a control character in Latin-1: each must draw
  // a glyph of its own, not the missing-glyph box that undefined 0x81 draws.
  const auto ink = [](const char* s) {
    Canvas c(40, 40);
    SelectObject(c.dc, Arial(-24));
    SetBkMode(c.dc, TRANSPARENT);
    Text(c.dc, 5, 5, s);
    std::vector<std::uint32_t> px(c.bmp->Pixels(), c.bmp->Pixels() + 40 * 40);
    return px;
  };
  const auto box = ink("\x81");
  EXPECT_NE(ink("\x80"), box);
  EXPECT_NE(ink("\xE9"), box);
  EXPECT_NE(ink("\x99"), box);
}

TEST(TextDraw, UnderlineAndStrikeoutSpanTheText) {
  Canvas c(200, 60);
  SelectObject(c.dc, CreateFontA(-24, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, "Arial"));
  SetBkMode(c.dc, TRANSPARENT);
  const SIZE sz = Extent(c.dc, "    ");
  const TEXTMETRICA tm = Metrics(c.dc);
  Text(c.dc, 10, 10, "    ");  // spaces: only the two lines
  int underline_rows = 0, strike_rows = 0;
  for (int y = 0; y < 60; ++y) {
    int n = 0;
    for (int x = 0; x < 200; ++x) n += c.At(x, y) == 0;
    if (n == 0) continue;
    EXPECT_EQ(n, sz.cx) << y;
    EXPECT_EQ(c.At(10, y), 0u);
    if (y >= 10 + tm.tmAscent) {
      EXPECT_LT(y, 10 + tm.tmHeight);
      ++underline_rows;
    } else {
      EXPECT_GT(y, 10 + tm.tmInternalLeading);
      ++strike_rows;
    }
  }
  EXPECT_GE(underline_rows, 1);
  EXPECT_GE(strike_rows, 1);
}

TEST(TextDraw, EverythingIsGivenBack) {
  const int before = GdiLiveObjects();
  {
    Canvas c(100, 40);
    for (int esc : {0, 450}) {
      HFONT f = Arial(-18, esc, FW_BOLD);
      HFONT old = SelectObject(c.dc, f);
      Text(c.dc, 5, 5, "Given back");
      Extent(c.dc, "Given back");
      SelectObject(c.dc, old);
      DeleteObject(f);
    }
    // A font still selected when its DC goes is released with the DC.
    SelectObject(c.dc, Arial(-12));
    Text(c.dc, 5, 5, "x");
  }
  EXPECT_EQ(GdiLiveObjects(), before);
}

}  // namespace
