// Cursors from AND/XOR planes, the screen's cursor list, and whole-factor magnification.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/headless.h"
#include "platform/platform.h"

namespace platform {
namespace {

// Rows of 16 bits, leftmost pixel in the high bit, as the platform lays out cursor planes.
TEST(CursorPlanes, EachAndXorPairShowsAsThePlatformDrawsIt) {
  // Pixels 0..3 of row 0: AND 0/XOR 0 black, AND 0/XOR 1 white, AND 1/XOR 0 transparent,
  // AND 1/XOR 1 inverted. Row 1 is all transparent.
  const std::uint8_t and_plane[] = {0x30, 0x00, 0xFF, 0xFF};
  const std::uint8_t xor_plane[] = {0x50, 0x00, 0x00, 0x00};
  gdi::HCURSOR cursor = CreateCursor(3, 1, 16, 2, and_plane, xor_plane);
  ASSERT_TRUE(cursor);
  const CursorImage image = CursorImageOf(*cursor);
  ASSERT_EQ(image.width, 16);
  ASSERT_EQ(image.height, 2);
  EXPECT_EQ(image.hot_x, 3);
  EXPECT_EQ(image.hot_y, 1);
  EXPECT_EQ(image.argb[0], 0xFF000000u);
  EXPECT_EQ(image.argb[1], 0xFFFFFFFFu);
  EXPECT_EQ(image.argb[2], 0u);
  EXPECT_EQ(image.argb[3], 0xFF000000u) << "inverting shows as black where it cannot invert";
  EXPECT_EQ(image.argb[4], 0xFF000000u) << "AND 0 beyond the set bits: black";
  EXPECT_EQ(image.argb[16], 0u);
  EXPECT_TRUE(image.monochrome);
  EXPECT_TRUE(image.inverts);
  // The toolkit's planes: black = bitmap 1 mask 1, white = 0 1, transparent = 0 0, invert = 1 0.
  EXPECT_EQ((std::vector<int>{image.bitmap[0], image.bitmap[1], image.bitmap[2], image.bitmap[3]}),
            (std::vector<int>{1, 0, 0, 1}));
  EXPECT_EQ((std::vector<int>{image.mask[0], image.mask[1], image.mask[2], image.mask[3]}),
            (std::vector<int>{1, 1, 0, 0}));
}

TEST(CursorPlanes, AColourIconIsNotMonochrome) {
  auto mask = std::make_shared<gdi::Bitmap>(2, 1, true);
  auto colour = std::make_shared<gdi::Bitmap>(2, 1, false);
  mask->At(1, 0) = 0xFFFFFF;      // pixel 1 keeps the screen
  colour->At(0, 0) = 0x00FF8000;  // an orange pixel
  const CursorImage image = CursorImageOf(*gdi::CreateIconFromBitmaps(mask, colour, 0, 0));
  EXPECT_FALSE(image.monochrome);
  EXPECT_FALSE(image.inverts);
  EXPECT_EQ(image.argb[0], 0xFFFF8000u);
  EXPECT_EQ(image.argb[1], 0u);
}

TEST(CursorList, NumbersAreRegisteredReplacedAndRemovedButZeroIsTheArrow) {
  headless::Reset();
  const std::uint8_t plane[4] = {};
  gdi::HCURSOR a = CreateCursor(0, 0, 16, 2, plane, plane);
  gdi::HCURSOR b = CreateCursor(0, 0, 16, 2, plane, plane);
  RegisterCursor(5, a);
  RegisterCursor(0, b);
  EXPECT_EQ(RegisteredCursor(5), a);
  EXPECT_FALSE(RegisteredCursor(0));
  RegisterCursor(5, b);
  EXPECT_EQ(RegisteredCursor(5), b);
  RegisterCursor(5, nullptr);
  EXPECT_FALSE(RegisteredCursor(5));
  EXPECT_FALSE(CreateCursor(0, 0, 0, 32, plane, plane));
}

TEST(WholeScaleTest, RoundsDownToAWholeFactorOfAtLeastOne) {
  EXPECT_EQ(WholeScale(1.0), 1);
  EXPECT_EQ(WholeScale(1.5), 1);
  EXPECT_EQ(WholeScale(1.9999999), 2);
  EXPECT_EQ(WholeScale(2.0), 2);
  EXPECT_EQ(WholeScale(3.25), 3);
  EXPECT_EQ(WholeScale(0.5), 1);
  EXPECT_EQ(WholeScale(0.0 / 0.0), 1);
}

TEST(WholeScaleTest, NearestNeighbourTurnsEachPixelIntoASquare) {
  gdi::Bitmap src(2, 1, false);
  src.At(0, 0) = 0x112233;
  src.At(1, 0) = 0x445566;
  gdi::HBITMAP big = ScaleNearest(src, 3);
  ASSERT_EQ(big->Width(), 6);
  ASSERT_EQ(big->Height(), 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 6; ++x) EXPECT_EQ(big->At(x, y), x < 3 ? 0x112233u : 0x445566u) << x << "," << y;
  }
}

}  // namespace
}  // namespace platform
