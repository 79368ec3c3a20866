// The generator's drawing frame: where design coordinates land and which way angles turn. Every
// picture is placed through these, so a wrong sign would turn or shift all of them.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <filesystem>

#include "artwork/canvas.h"
#include "artwork/palette.h"
#include "artwork/props.h"
#include "artwork/strip.h"
#include "gdi/bmp.h"

namespace {

using art::Canvas;
using art::Painter;
using gdi::RGB;

constexpr gdi::COLORREF kPaper = RGB(255, 255, 255), kInk = RGB(0, 0, 255);

// The box of all pixels that are not paper, inclusive edges; left > right when there are none.
gdi::RECT Inked(const Canvas& c) {
  gdi::RECT r{c.Width(), c.Height(), -1, -1};
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (c.Pixel(x, y) != kPaper)
        r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x), std::max(r.bottom, y)};
  return r;
}

TEST(ArtworkCanvas, DesignUnitsAreMovedAndScaledOntoTheCanvas) {
  // An icon of the second slot in the third frame of a strip, drawn at twice the size.
  Canvas c(200, 200, kPaper);
  {
    Painter p(c, 40, 82, 2);
    p.NoPen().Brush(kInk).Rect(1, 2, 6, 5);
  }
  const gdi::RECT r = Inked(c);
  EXPECT_EQ(r.left, 42);
  EXPECT_EQ(r.top, 86);
  // (12 x 6 pixels from (42, 86); without an outline a rectangle fills one pixel less each way.)
  EXPECT_EQ(r.right, 50);
  EXPECT_EQ(r.bottom, 90);
}

TEST(ArtworkCanvas, ArcAnglesTurnAsOnAMathsPage) {
  // From 0 to 180 degrees is the upper half; from 180 to 360 the lower.
  for (const auto& [a0, a1, upper] : {std::tuple{0.0, 180.0, true}, std::tuple{180.0, 360.0, false}}) {
    Canvas c(41, 41, kPaper);
    {
      Painter p(c);
      p.Pen(kInk, 1).Arc(0, 0, 41, 41, a0, a1);
    }
    const gdi::RECT r = Inked(c);
    EXPECT_LE(r.left, 1);
    EXPECT_GE(r.right, 39);
    if (upper) {
      EXPECT_LE(r.top, 1);
      EXPECT_LE(r.bottom, 21);
    } else {
      EXPECT_GE(r.top, 19);
      EXPECT_GE(r.bottom, 39);
    }
  }
}

TEST(ArtworkCanvas, PropsLieAlongTheirAxisFromTheTip) {
  // 90 degrees points up the page; the far end of a long object lies above its tip.
  const art::Axis up{{10, 30}, 90};
  EXPECT_NEAR(up(20, 0).x, 10, 1e-9);
  EXPECT_NEAR(up(20, 0).y, 10, 1e-9);
  Canvas c(40, 40, kPaper);
  {
    Painter p(c);
    art::DrawPencil(p, {{20, 36}, 90}, 30, 8, RGB(252, 244, 0));
  }
  const gdi::RECT r = Inked(c);
  EXPECT_GE(r.top, 4);
  EXPECT_LE(r.top, 7);
  EXPECT_GE(r.bottom, 35);
  EXPECT_LE(r.bottom, 37);
  EXPECT_LE(r.right - r.left, 12);
}

// Cursors and tab icons are split into an AND mask and an image by SaveMasked: the figure is
// opaque in its own colours, the rim round it opaque white, everything else transparent and
// black in the image (so that drawing the icon leaves the background untouched there).
TEST(ArtworkCanvas, MaskedSaveSplitsFigureRimAndBackground) {
  constexpr gdi::COLORREF kClear = RGB(1, 2, 3), kRed = RGB(255, 0, 0);
  Canvas c(8, 8, kClear);
  c.SetPixel(3, 3, kRed);
  c.SetPixel(4, 3, kRed);
  const auto file =
      std::filesystem::temp_directory_path() / ("pd-masked-" + std::to_string(::getpid()) + ".bmp");
  for (bool rim : {false, true}) {
    art::SaveMasked(c, kClear, rim, file);
    std::string error;
    const gdi::HBITMAP b = gdi::LoadBmpFile(file.string(), &error);
    ASSERT_TRUE(b) << error;
    ASSERT_EQ(b->Width(), 8);
    ASSERT_EQ(b->Height(), 16);
    auto mask = [&](int x, int y) { return gdi::ColorrefFromPixel(b->At(x, y)); };
    auto image = [&](int x, int y) { return gdi::ColorrefFromPixel(b->At(x, 8 + y)); };
    EXPECT_EQ(mask(3, 3), 0u);
    EXPECT_EQ(image(4, 3), kRed);
    // A diagonal neighbour belongs to the rim; two pixels away is background.
    EXPECT_EQ(mask(2, 2), rim ? 0u : kPaper) << rim;
    EXPECT_EQ(image(2, 2), rim ? kPaper : 0u) << rim;
    EXPECT_EQ(mask(1, 3), kPaper);
    EXPECT_EQ(image(1, 3), 0u);
  }
  std::filesystem::remove(file);
}

TEST(ArtworkCanvas, LetteringTurnsWithTheTextAngle) {
  for (double angle : {0.0, 90.0}) {
    Canvas c(80, 80, kPaper);
    {
      Painter p(c);
      p.TextAngle(angle).Text(40, 40, "WWWW", 12, kInk, gdi::TA_CENTER | gdi::TA_BASELINE);
    }
    const gdi::RECT r = Inked(c);
    ASSERT_LE(r.left, r.right) << "nothing drawn at " << angle;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (angle == 0)
      EXPECT_GT(w, 2 * h);
    else
      EXPECT_GT(h, 2 * w);
  }
}

// The 3D icons are drawn as the program's 3D tools draw: ten nested figures, the darkest outside
// and the lightest shade of the row pushed toward the light point.
TEST(ArtworkCanvas, ShadedFiguresAreLitFromTheirLightPoint) {
  const struct {
    int light;
    int dx, dy;  // the direction of the light from the centre
  } cases[] = {{1, 0, 0}, {2, -1, -1}, {6, 0, 1}, {8, 1, 0}};
  for (const auto& k : cases) {
    Canvas c(60, 60, kPaper);
    {
      Painter p(c);
      art::DrawShaded(p, 0, 0, 60, 60, art::kRed, 1, k.light);
    }
    EXPECT_EQ(c.Pixel(30, 1), art::Shade(art::kRed, 9)) << "rim, light " << k.light;
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x)
        if (c.Pixel(x, y) == art::Shade(art::kRed, 0)) sx += x, sy += y, ++n;
    ASSERT_GT(n, 0) << "no lightest figure, light " << k.light;
    const double cx = sx / n - 29.5, cy = sy / n - 29.5;
    auto sign = [](double v) { return std::abs(v) < 1.5 ? 0 : v < 0 ? -1 : 1; };
    EXPECT_EQ(sign(cx), k.dx) << "light " << k.light << " centre " << cx << "," << cy;
    EXPECT_EQ(sign(cy), k.dy) << "light " << k.light << " centre " << cx << "," << cy;
  }
}

// Scenes that fill a tile must not paint over the rounded corners, which show the black gap
// between the buttons.
TEST(ArtworkCanvas, TileScenesKeepOffTheRoundedCorners) {
  Canvas c(40, 40, kPaper);
  {
    Painter p(c);
    art::TileBand(p, 0, 40, kInk);
    art::ClipToTile(p);
    p.NoPen().Brush(kInk).Rect(0, 0, 40, 40);
  }
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{39, 0}, std::pair{0, 39}, std::pair{39, 39}, {1, 1}})
    EXPECT_EQ(c.Pixel(x, y), kPaper) << x << "," << y;
  EXPECT_EQ(c.Pixel(20, 20), kInk);
  EXPECT_EQ(c.Pixel(20, 2), kInk);
}

TEST(ArtworkCanvas, JitterIsRepeatableAndSpread) {
  int low = 0;
  for (int i = 0; i < 1000; ++i) {
    const double v = art::Jitter(i, 7);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 1);
    EXPECT_EQ(v, art::Jitter(i, 7));
    low += v < 0.5;
  }
  EXPECT_NEAR(low, 500, 60);
  EXPECT_NE(art::Jitter(3, 1), art::Jitter(3, 2));
}

}  // namespace
