// The generator's drawing frame: where design coordinates land and which way angles turn. Every
// picture is placed through these, so a wrong sign would turn or shift all of them.
#include <gtest/gtest.h>

#include "artwork/canvas.h"
#include "artwork/props.h"

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

}  // namespace
