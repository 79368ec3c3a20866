// Closed shapes: the left-out right and bottom edges, normalised corners, tiny shapes, fills
// against outlines, the paint-each-pixel-once rule under R2_XORPEN, arcs and their direction,
// far-outside and huge shapes, and the rectangle fills.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "canvas.h"
#include "gdi/gdi.h"

namespace {

using namespace gdi;

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct Canvas : test::Canvas {
  using test::Canvas::Canvas;
  // One character per pixel: '.' for the background, 'P' for pen red, 'B' for brush blue,
  // '#' for anything else.
  std::string Picture(std::uint32_t background = kWhite) const {
    return Map([&](std::uint32_t p) {
      return p == background                 ? '.'
             : p == PixelFromColorref(kRed)  ? 'P'
             : p == PixelFromColorref(kBlue) ? 'B'
                                             : '#';
    });
  }
  std::vector<std::uint32_t> Pixels() const {
    return {bmp->Pixels(), bmp->Pixels() + static_cast<std::size_t>(bmp->Width()) * bmp->Height()};
  }
  // The bounding box of the pixels that are not the background.
  RECT Ink(std::uint32_t background = kWhite) const {
    RECT r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < bmp->Height(); ++y)
      for (int x = 0; x < bmp->Width(); ++x)
        if (bmp->At(x, y) != background)
          r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
    return r;
  }
};

// A background with every pixel different from its neighbours, so that a pixel painted twice
// by an XOR pen, or not at all, shows.
void Stripes(Canvas& c) {
  for (int y = 0; y < c.bmp->Height(); ++y)
    for (int x = 0; x < c.bmp->Width(); ++x)
      c.bmp->At(x, y) = static_cast<std::uint32_t>((x * 37 + y * 101) * 0x010203) & 0xFFFFFF;
}

using Shape = std::function<void(const HDC&)>;

struct NamedShape {
  const char* name;
  Shape draw;
};

std::vector<NamedShape> AllShapes() {
  return {
      {"Rectangle", [](const HDC& dc) { Rectangle(dc, 3, 4, 27, 19); }},
      {"Ellipse", [](const HDC& dc) { Ellipse(dc, 3, 4, 27, 19); }},
      {"RoundRect", [](const HDC& dc) { RoundRect(dc, 3, 4, 27, 19, 9, 7); }},
      {"Arc", [](const HDC& dc) { Arc(dc, 3, 4, 27, 19, 30, 2, 0, 15); }},
      {"Pie", [](const HDC& dc) { Pie(dc, 3, 4, 27, 19, 30, 2, 0, 15); }},
      {"Chord", [](const HDC& dc) { Chord(dc, 3, 4, 27, 19, 30, 2, 0, 15); }},
      {"ThinEllipse", [](const HDC& dc) { Ellipse(dc, 10, 1, 13, 22); }},
      {"TinyEllipse", [](const HDC& dc) { Ellipse(dc, 5, 5, 7, 7); }},
  };
}

TEST(Rectangle, LeavesOutTheRightAndBottomEdgeAndNormalisesCorners) {
  Canvas a(8, 6), b(8, 6);
  a.Pen(PS_SOLID, 1, kRed);
  a.Brush(kBlue);
  Rectangle(a.dc, 1, 1, 6, 5);
  EXPECT_EQ(a.Picture(),
            "........\n"
            ".PPPPP..\n"
            ".PBBBP..\n"
            ".PBBBP..\n"
            ".PPPPP..\n"
            "........\n");
  b.Pen(PS_SOLID, 1, kRed);
  b.Brush(kBlue);
  Rectangle(b.dc, 6, 5, 1, 1);
  EXPECT_EQ(a.Picture(), b.Picture());
}

TEST(Rectangle, NullPenFillShrinksByOnePixel) {
  Canvas c(8, 6);
  c.NullPen();
  c.Brush(kBlue);
  Rectangle(c.dc, 1, 1, 6, 5);
  EXPECT_EQ(c.Picture(),
            "........\n"
            ".BBBB...\n"
            ".BBBB...\n"
            ".BBBB...\n"
            "........\n"
            "........\n");
}

TEST(Rectangle, TinyRectanglesWithOnePixelPen) {
  Canvas c(16, 6);
  c.Pen(PS_SOLID, 1, kRed);
  c.Brush(kBlue);
  Rectangle(c.dc, 1, 1, 2, 2);    // 1x1: the outline collapses, nothing is drawn
  Rectangle(c.dc, 3, 1, 5, 3);    // 2x2: four pen pixels
  Rectangle(c.dc, 6, 1, 9, 4);    // 3x3: one brush pixel inside
  Rectangle(c.dc, 10, 1, 11, 5);  // 1x4: a line
  Rectangle(c.dc, 12, 1, 15, 1);  // empty
  EXPECT_EQ(c.Picture(),
            "................\n"
            "...PP.PPP.P.....\n"
            "...PP.PBP.P.....\n"
            "......PPP.P.....\n"
            "..........P.....\n"
            "................\n");
}

TEST(Rectangle, WidePenIsCentredAndInsideFrameStaysInTheBox) {
  Canvas wide(20, 20), inside(20, 20);
  wide.Pen(PS_SOLID, 3, kRed);
  wide.NullBrush();
  Rectangle(wide.dc, 5, 5, 15, 15);
  EXPECT_EQ(wide.Ink().left, 4);
  EXPECT_EQ(wide.Ink().right, 16);  // the path runs through column 14, the pen reaches 15
  inside.Pen(PS_INSIDEFRAME, 3, kRed);
  inside.NullBrush();
  Rectangle(inside.dc, 5, 5, 15, 15);
  EXPECT_EQ(inside.Ink(), (RECT{5, 5, 15, 15}));
  // A wide pen on a one-pixel rectangle leaves a round dot.
  Canvas dot(7, 7);
  dot.Pen(PS_SOLID, 3, kRed);
  Rectangle(dot.dc, 3, 3, 4, 4);
  EXPECT_EQ(dot.Picture(),
            ".......\n"
            ".......\n"
            "...P...\n"
            "..PPP..\n"
            "...P...\n"
            ".......\n"
            ".......\n");
}

TEST(Ellipse, SmallCirclesAndTheirFill) {
  Canvas c(20, 6);
  c.Pen(PS_SOLID, 1, kRed);
  c.Brush(kBlue);
  Ellipse(c.dc, 0, 0, 1, 1);  // one pixel: the outline collapses, nothing is drawn
  Ellipse(c.dc, 2, 0, 4, 2);
  Ellipse(c.dc, 5, 0, 8, 3);
  Ellipse(c.dc, 9, 0, 13, 4);
  Ellipse(c.dc, 14, 0, 19, 5);
  EXPECT_EQ(c.Picture(),
            "..PP..P...PP...PPP..\n"
            "..PP.PBP.PBBP.PBBBP.\n"
            "......P..PBBP.PBBBP.\n"
            "..........PP..PBBBP.\n"
            "...............PPP..\n"
            "....................\n");
}

TEST(Ellipse, StaysInItsBoxIsSymmetricAndPenlessCoversOutlineAndInside) {
  for (int w = 1; w <= 24; ++w) {
    for (int h = 1; h <= 24; ++h) {
      Canvas outlined(30, 30), penless(30, 30);
      outlined.Pen(PS_SOLID, 1, kRed);
      outlined.Brush(kBlue);
      Ellipse(outlined.dc, 3, 3, 3 + w, 3 + h);
      penless.NullPen();
      penless.Brush(kBlue);
      Ellipse(penless.dc, 3, 3, 3 + w, 3 + h);
      SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
      // Same pixels with and without a pen, only their colours differ; an ellipse under three
      // pixels across is a rectangle, and without a pen it fills like one (one pixel less).
      std::string a = outlined.Picture(), b = penless.Picture();
      for (char& ch : a) ch = ch == 'P' ? 'B' : ch;
      if (w >= 3 && h >= 3) {
        EXPECT_EQ(a, b);
      } else {
        EXPECT_EQ(std::count(b.begin(), b.end(), 'B'), (w - 1) * (h - 1));
      }
      if (w == 1 && h == 1) continue;  // the outlined one paints nothing either
      const RECT ink = outlined.Ink();
      EXPECT_EQ(ink.left, 3);
      EXPECT_EQ(ink.right, 3 + w);
      EXPECT_GE(ink.top, 3);
      EXPECT_LE(ink.bottom, 3 + h);
      for (int y = 3; y < 3 + h; ++y)
        for (int x = 3; x < 3 + w; ++x) {
          ASSERT_EQ(outlined.bmp->At(x, y), outlined.bmp->At(2 * 3 + w - 1 - x, y)) << x << "," << y;
          ASSERT_EQ(outlined.bmp->At(x, y), outlined.bmp->At(x, 2 * 3 + h - 1 - y)) << x << "," << y;
        }
    }
  }
}

// A plain pen's outline is painted row by row, a dotted one by stroking the outline's path; with
// the dots' gaps in the pen's own colour the two must light the same pixels.
TEST(Ellipse, RowByRowOutlineIsThePathsPixels) {
  for (int w = 3; w <= 26; w += 1) {
    for (int h = 3; h <= 26; h += 5) {
      for (const int corner : {0, 5, 8}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + " corner " + std::to_string(corner));
        Canvas solid(32, 32), dotted(32, 32);
        solid.Pen(PS_SOLID, 1, kRed);
        solid.Brush(kBlue);
        dotted.Pen(PS_DOT, 1, kRed);
        dotted.Brush(kBlue);
        SetBkColor(dotted.dc, kRed);
        for (Canvas* c : {&solid, &dotted}) {
          if (corner == 0)
            Ellipse(c->dc, 2, 3, 2 + w, 3 + h);
          else
            RoundRect(c->dc, 2, 3, 2 + w, 3 + h, corner, corner + 2);
        }
        ASSERT_EQ(solid.Picture(), dotted.Picture());
      }
    }
  }
}

TEST(RoundRect, CornersAreQuartersOfTheCornerEllipseAndOversizeCornersGiveAnEllipse) {
  Canvas rr(20, 12), ell(20, 12);
  rr.Pen(PS_SOLID, 1, kRed);
  rr.NullBrush();
  RoundRect(rr.dc, 1, 1, 19, 11, 5, 5);
  // Top-left corner: the quarter of a 5x5 circle, then a straight edge.
  EXPECT_EQ(rr.Picture().substr(0, 21 * 3),
            "....................\n"
            "..PPPPPPPPPPPPPPPP..\n"
            ".P................P.\n");
  rr.bmp->Fill(kWhite);
  RoundRect(rr.dc, 1, 1, 19, 11, 100, 100);
  ell.Pen(PS_SOLID, 1, kRed);
  ell.NullBrush();
  Ellipse(ell.dc, 1, 1, 19, 11);
  EXPECT_EQ(rr.Picture(), ell.Picture());
  // Corners of 0 or 2 pixels make a plain rectangle outline.
  Canvas sq(20, 12), rect(20, 12);
  sq.Pen(PS_SOLID, 1, kRed);
  rect.Pen(PS_SOLID, 1, kRed);
  RoundRect(sq.dc, 1, 1, 19, 11, 2, 2);
  Rectangle(rect.dc, 1, 1, 19, 11);
  EXPECT_EQ(sq.Picture(), rect.Picture());
}

// Every shape, every pen kind and brush: drawn with R2_XORPEN in the brush's and pen's common
// colour onto black, each pixel the call paints turns that colour once (a pixel painted twice
// would be black again), so the result equals the R2_COPYPEN picture; drawn twice onto a
// patterned surface it restores every pixel.
TEST(Shapes, EveryPixelIsPaintedOnceSoXorTwiceRestores) {
  struct PenKind {
    int style, width;
  };
  const PenKind pens[] = {{PS_SOLID, 1}, {PS_DOT, 1},         {PS_SOLID, 3},
                          {PS_SOLID, 8}, {PS_INSIDEFRAME, 5}, {PS_NULL, 1}};
  for (const NamedShape& shape : AllShapes()) {
    for (const PenKind& pk : pens) {
      for (int hatch = -1; hatch <= HS_DIAGCROSS; hatch += 3) {
        SCOPED_TRACE(std::string(shape.name) + " pen " + std::to_string(pk.style) + "/" +
                     std::to_string(pk.width) + " hatch " + std::to_string(hatch));
        auto setup = [&](Canvas& c, int rop2) {
          c.Pen(pk.style, pk.width, kRed);
          SelectObject(c.dc, hatch < 0 ? CreateSolidBrush(kRed) : CreateHatchBrush(hatch, kRed));
          SetBkMode(c.dc, TRANSPARENT);
          SetROP2(c.dc, rop2);
        };
        Canvas copy(30, 24, 0), once(30, 24, 0);
        setup(copy, R2_COPYPEN);
        setup(once, R2_XORPEN);
        shape.draw(copy.dc);
        shape.draw(once.dc);
        ASSERT_EQ(copy.Picture(0), once.Picture(0));
        Canvas twice(30, 24);
        Stripes(twice);
        const std::vector<std::uint32_t> before = twice.Pixels();
        setup(twice, R2_XORPEN);
        shape.draw(twice.dc);
        shape.draw(twice.dc);
        ASSERT_EQ(before, twice.Pixels());
      }
    }
  }
}

// The binary raster mode applies to the pen's and the brush's pixels alike.
TEST(Shapes, Rop2AppliesToOutlineAndFill) {
  for (const NamedShape& shape : AllShapes()) {
    for (const int width : {1, 4}) {
      SCOPED_TRACE(std::string(shape.name) + " width " + std::to_string(width));
      Canvas copy(30, 24);
      copy.Pen(PS_SOLID, width, kRed);
      copy.Brush(kBlue);
      shape.draw(copy.dc);
      for (const int rop2 : {R2_NOP, R2_NOT, R2_NOTCOPYPEN, R2_WHITE}) {
        Canvas c(30, 24);
        Stripes(c);
        const std::vector<std::uint32_t> before = c.Pixels();
        c.Pen(PS_SOLID, width, kRed);
        c.Brush(kBlue);
        SetROP2(c.dc, rop2);
        shape.draw(c.dc);
        for (int y = 0; y < 24; ++y)
          for (int x = 0; x < 30; ++x) {
            const std::uint32_t was = before[static_cast<std::size_t>(y) * 30 + x], now = c.bmp->At(x, y);
            const std::uint32_t painted = copy.bmp->At(x, y);
            std::uint32_t want = was;
            if (painted != kWhite) {
              switch (rop2) {
                case R2_NOT:
                  want = ~was & kWhite;
                  break;
                case R2_NOTCOPYPEN:
                  want = ~painted & kWhite;
                  break;
                case R2_WHITE:
                  want = kWhite;
                  break;
                default:
                  break;
              }
            }
            ASSERT_EQ(now, want) << rop2 << " at " << x << "," << y;
          }
      }
    }
  }
}

TEST(Shapes, OutlineAndFillAreDisjointAndFillOnlyInside) {
  for (const NamedShape& shape : AllShapes()) {
    SCOPED_TRACE(shape.name);
    Canvas filled(30, 24), outline(30, 24);
    filled.Pen(PS_SOLID, 1, kRed);
    filled.Brush(kBlue);
    shape.draw(filled.dc);
    outline.Pen(PS_SOLID, 1, kRed);
    outline.NullBrush();
    shape.draw(outline.dc);
    const std::string f = filled.Picture(), o = outline.Picture();
    for (std::size_t i = 0; i < f.size(); ++i) {
      // The pen paints the same pixels with or without a brush.
      ASSERT_EQ(f[i] == 'P', o[i] == 'P') << i;
    }
    // Every brush pixel has outline (or more brush) on both sides of its row.
    for (int y = 0; y < 24; ++y) {
      const std::string row = f.substr(static_cast<std::size_t>(y) * 31, 30);
      const std::size_t first = row.find('B');
      if (first == std::string::npos) continue;
      EXPECT_NE(row.find('P'), std::string::npos) << y;
      EXPECT_LT(row.find_first_of("P"), first) << y;
      EXPECT_GT(row.find_last_of("P"), row.find_last_of('B')) << y;
    }
  }
}

TEST(Arc, DirectionDecidesWhichSideOfTheRadialsIsDrawn) {
  Canvas ccw(24, 24), cw(24, 24);
  ccw.Pen(PS_SOLID, 1, kRed);
  cw.Pen(PS_SOLID, 1, kRed);
  // From the radial pointing right to the one pointing up.
  Arc(ccw.dc, 2, 2, 22, 22, 30, 12, 12, -10);
  SetArcDirection(cw.dc, AD_CLOCKWISE);
  Arc(cw.dc, 2, 2, 22, 22, 30, 12, 12, -10);
  // Counter-clockwise takes the upper-right quarter only; clockwise the other three. The upward
  // radial runs through the centre pixel's column 12, so the arc stops short of it, and the
  // one-pixel pen leaves out the arc's last point in column 13.
  EXPECT_EQ(ccw.Ink(), (RECT{14, 2, 22, 12}));
  const RECT other = cw.Ink();
  EXPECT_EQ(other.left, 2);
  EXPECT_EQ(other.bottom, 22);
  for (int y = 2; y < 11; ++y)
    for (int x = 14; x < 22; ++x) EXPECT_EQ(cw.bmp->At(x, y), kWhite) << x << "," << y;
  // Together they draw the ellipse's outline without overlapping, bar the pixels where the
  // open arcs end.
  int both = 0, neither = 0;
  Canvas full(24, 24);
  full.Pen(PS_SOLID, 1, kRed);
  full.NullBrush();
  Ellipse(full.dc, 2, 2, 22, 22);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) {
      if (full.bmp->At(x, y) == kWhite) continue;
      const bool a = ccw.bmp->At(x, y) != kWhite, b = cw.bmp->At(x, y) != kWhite;
      both += a && b;
      neither += !a && !b;
    }
  EXPECT_EQ(both, 0);
  EXPECT_LE(neither, 2);
}

TEST(Pie, RadialsMeetAtTheCentreAndTheBrushFillsTheSlice) {
  Canvas c(24, 24);
  c.Pen(PS_SOLID, 1, kRed);
  c.Brush(kBlue);
  Pie(c.dc, 2, 2, 22, 22, 30, 12, 12, -10);
  EXPECT_NE(c.bmp->At(12, 12), kWhite);  // the centre is on the outline
  EXPECT_EQ(c.bmp->At(16, 8), PixelFromColorref(kBlue));
  EXPECT_EQ(c.bmp->At(8, 16), kWhite);  // the opposite quarter is untouched
  EXPECT_EQ(c.Ink(), (RECT{12, 2, 22, 13}));
  // Without a pen the brush fills the slice alone.
  Canvas n(24, 24);
  n.NullPen();
  n.Brush(kBlue);
  Pie(n.dc, 2, 2, 22, 22, 30, 12, 12, -10);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) {
      if (n.bmp->At(x, y) != kWhite) {
        EXPECT_NE(c.bmp->At(x, y), kWhite) << x << "," << y;
      }
    }
}

TEST(Shapes, ClipRegionLimitsEverything) {
  for (const NamedShape& shape : AllShapes()) {
    SCOPED_TRACE(shape.name);
    Canvas c(30, 24);
    c.Pen(PS_SOLID, 3, kRed);
    c.Brush(kBlue);
    HRGN clip = CreateRectRgn(10, 0, 18, 24);
    SelectClipRgn(c.dc, clip);
    shape.draw(c.dc);
    const RECT ink = c.Ink();
    if (ink.left > ink.right) continue;
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 18);
  }
}

TEST(Shapes, FarOutsideAndHugeShapesAreSafeAndCheap) {
  const int live = GdiLiveObjects();
  {
    Canvas c(40, 30);
    c.Pen(PS_SOLID, 5, kRed);
    c.Brush(kBlue);
    // Entirely outside: nothing.
    Ellipse(c.dc, -1000000, -1000000, -999000, -999000);
    Rectangle(c.dc, 500000, 10, 900000, 20);
    Pie(c.dc, 1000, 1000, 1000000, 1000000, 0, 0, 1000000, 0);
    EXPECT_EQ(c.Picture(), Canvas(40, 30).Picture());
    // The surface lies well inside these: the brush covers it all.
    Ellipse(c.dc, -1000000, -1000000, 1000000, 1000000);
    EXPECT_EQ(c.Ink(), (RECT{0, 0, 40, 30}));
    EXPECT_EQ(c.bmp->At(20, 15), PixelFromColorref(kBlue));
    c.bmp->Fill(kWhite);
    RoundRect(c.dc, -800000, -800000, 800000, 800000, 300000, 300000);
    Chord(c.dc, -1000000, -1000000, 1000000, 1000000, 1000000, 1000000, -1000000, -999999);
    EXPECT_EQ(c.bmp->At(20, 15), PixelFromColorref(kBlue));
    // A huge ellipse whose edge crosses the surface: the outline runs down column 10.
    c.bmp->Fill(kWhite);
    c.Pen(PS_SOLID, 1, kRed);
    Ellipse(c.dc, 10, -1000000, 2000010, 1000000);
    for (int y = 0; y < 30; ++y) {
      EXPECT_EQ(c.bmp->At(9, y), kWhite) << y;
      EXPECT_EQ(c.bmp->At(10, y), PixelFromColorref(kRed)) << y;
      EXPECT_EQ(c.bmp->At(11, y), PixelFromColorref(kBlue)) << y;
    }
    // Extreme coordinates do not overflow.
    Ellipse(c.dc, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    Arc(c.dc, INT_MIN, 0, INT_MAX, 10, INT_MAX, INT_MIN, INT_MIN, INT_MAX);
    Pie(c.dc, INT_MAX, INT_MAX, INT_MIN, INT_MIN, 0, 0, 0, 0);
    RoundRect(c.dc, INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MIN, INT_MAX);
    FillRect(c.dc, RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, GetStockBrush(BLACK_BRUSH));
    EXPECT_EQ(c.bmp->At(39, 29), 0u);
  }
  EXPECT_EQ(GdiLiveObjects(), live);
}

TEST(RectFills, FillFrameAndInvertIgnoreTheDcsPenBrushAndMode) {
  Canvas c(10, 7);
  c.Pen(PS_SOLID, 3, kRed);
  SetROP2(c.dc, R2_XORPEN);
  HBRUSH blue = CreateSolidBrush(kBlue);
  EXPECT_TRUE(FillRect(c.dc, RECT{5, 4, 1, 1}, blue));  // reversed corners fill the same pixels
  EXPECT_TRUE(FrameRect(c.dc, RECT{6, 1, 9, 6}, GetStockBrush(BLACK_BRUSH)));
  EXPECT_FALSE(FrameRect(c.dc, RECT{9, 1, 6, 6}, blue));  // a reversed frame is not drawn
  EXPECT_EQ(c.Picture(),
            "..........\n"
            ".BBBB.###.\n"
            ".BBBB.#.#.\n"
            ".BBBB.#.#.\n"
            "......#.#.\n"
            "......###.\n"
            "..........\n");
  const std::vector<std::uint32_t> before = c.Pixels();
  EXPECT_TRUE(InvertRect(c.dc, RECT{0, 0, 7, 3}));
  EXPECT_EQ(c.bmp->At(0, 0), 0u);
  EXPECT_EQ(c.bmp->At(7, 0), kWhite);
  EXPECT_EQ(c.bmp->At(0, 3), kWhite);
  InvertRect(c.dc, RECT{7, 3, 0, 0});
  EXPECT_EQ(before, c.Pixels());
}

}  // namespace
