// DC state: the setters hand back the old value, and a mode outside its range is refused
// without touching the DC, so a caller that restores "the old value" never restores nonsense.
#include <gtest/gtest.h>

#include "gdi/gdi.h"

namespace {

using namespace gdi;

TEST(DcState, SettersReturnTheOldValueAndRefuseModesOutOfRange) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SetROP2(dc, R2_XORPEN), R2_COPYPEN);
  EXPECT_EQ(SetROP2(dc, R2_WHITE + 1), 0);
  EXPECT_EQ(SetROP2(dc, 0), 0);
  EXPECT_EQ(GetROP2(dc), R2_XORPEN);

  EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
  EXPECT_EQ(SetBkMode(dc, OPAQUE + 1), 0);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);

  EXPECT_EQ(SetStretchBltMode(dc, HALFTONE), BLACKONWHITE);
  EXPECT_EQ(SetStretchBltMode(dc, HALFTONE + 1), 0);
  EXPECT_EQ(GetStretchBltMode(dc), HALFTONE);

  EXPECT_EQ(SetPolyFillMode(dc, WINDING), ALTERNATE);
  EXPECT_EQ(SetPolyFillMode(dc, ALTERNATE - 1), 0);
  EXPECT_EQ(GetPolyFillMode(dc), WINDING);

  EXPECT_EQ(SetArcDirection(dc, AD_CLOCKWISE), AD_COUNTERCLOCKWISE);
  EXPECT_EQ(SetArcDirection(dc, 3), 0);
  EXPECT_EQ(SetArcDirection(dc, AD_COUNTERCLOCKWISE), AD_CLOCKWISE);

  // Colours and alignment take any value.
  EXPECT_EQ(SetBkColor(dc, 0xFFFFFFFFu), 0xFFFFFFu);
  EXPECT_EQ(GetBkColor(dc), 0xFFFFFFFFu);
  EXPECT_EQ(SetTextColor(dc, RGB(1, 2, 3)), 0u);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(SetTextAlign(dc, TA_BASELINE | TA_CENTER), TA_TOP | TA_LEFT);
  EXPECT_EQ(GetTextAlign(dc), TA_BASELINE | TA_CENTER);
}

TEST(DcState, NoDcGivesZero) {
  const HDC none;
  EXPECT_EQ(SetROP2(none, R2_XORPEN), 0);
  EXPECT_EQ(GetROP2(none), 0);
  EXPECT_EQ(SetBkColor(none, RGB(9, 9, 9)), 0u);
  EXPECT_EQ(GetTextAlign(none), 0u);
}

}  // namespace
