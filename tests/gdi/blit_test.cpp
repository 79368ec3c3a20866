// Pixels and blits: SetPixel/GetPixel, PatBlt, BitBlt, StretchBlt, monochrome conversion,
// DrawIcon and the monochrome bitmap bit layout, on small surfaces.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "gdi/gdi.h"

namespace {

using namespace gdi;

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0),
                   kBlue = RGB(0, 0, 255);

struct Surface {
  HBITMAP bmp;
  HDC dc;
  Surface(int w, int h, COLORREF fill = kWhite, bool mono = false) {
    bmp = mono ? CreateBitmap(w, h, 1, 1, nullptr) : CreateDIBSection32(w, h);
    bmp->Fill(PixelFromColorref(fill));
    dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bmp);
  }
  COLORREF At(int x, int y) const { return ColorrefFromPixel(bmp->At(x, y)); }
  // One character per pixel: '.' white, '#' black, 'r' red, 'b' blue, '?' anything else.
  std::string Picture() const {
    std::string s;
    for (int y = 0; y < bmp->Height(); ++y) {
      for (int x = 0; x < bmp->Width(); ++x) {
        const COLORREF c = At(x, y);
        s += c == kWhite ? '.' : c == kBlack ? '#' : c == kRed ? 'r' : c == kBlue ? 'b' : '?';
      }
      s += '\n';
    }
    return s;
  }
};

TEST(Pixels, SetAndGetAreClippedToSurfaceAndRegion) {
  Surface s(4, 3);
  EXPECT_EQ(SetPixel(s.dc, 3, 2, kRed), kRed);
  EXPECT_EQ(GetPixel(s.dc, 3, 2), kRed);
  for (const POINT p : {POINT{-1, 0}, POINT{4, 0}, POINT{0, -1}, POINT{0, 3}, POINT{INT_MIN, INT_MAX}}) {
    EXPECT_EQ(SetPixel(s.dc, p.x, p.y, kRed), CLR_INVALID);
    EXPECT_EQ(GetPixel(s.dc, p.x, p.y), CLR_INVALID);
  }
  // A palette-relative colour draws as its RGB value.
  EXPECT_EQ(SetPixel(s.dc, 0, 0, PALETTERGB(0, 0, 255)), kBlue);
  SelectClipRgn(s.dc, CreateRectRgn(1, 0, 2, 3));
  EXPECT_EQ(SetPixel(s.dc, 2, 1, kRed), CLR_INVALID);
  EXPECT_EQ(GetPixel(s.dc, 0, 0), CLR_INVALID);
  EXPECT_NE(SetPixel(s.dc, 1, 1, kRed), CLR_INVALID);
  EXPECT_EQ(s.Picture(), "b...\n.r..\n...r\n");
}

TEST(Pixels, OnlyWritesMarkTheSurfaceAsTouched) {
  // The window brings the touched box to the screen, so reading pixels must not grow it.
  Surface s(8, 6);
  SelectClipRgn(s.dc, CreateRectRgn(1, 1, 7, 5));
  s.bmp->TakeTouched();
  EXPECT_EQ(GetPixel(s.dc, 2, 2), kWhite);
  EXPECT_EQ(GetPixel(s.dc, 0, 0), CLR_INVALID);
  SelectObject(s.dc, CreateSolidBrush(kRed));
  EXPECT_FALSE(ExtFloodFill(s.dc, 3, 3, kBlack, FLOODFILLSURFACE));  // nothing of that colour
  EXPECT_EQ(s.bmp->TakeTouched(), RECT{});
  EXPECT_EQ(SetPixel(s.dc, 5, 4, kBlue), kBlue);
  EXPECT_EQ(s.bmp->TakeTouched(), (RECT{5, 4, 6, 5}));
}

TEST(PatBlt, NegativeExtentsCoverTheSamePixelsAsPositiveOnes) {
  Surface s(6, 4);
  SelectObject(s.dc, GetStockObject(BLACK_BRUSH));
  EXPECT_TRUE(PatBlt(s.dc, 4, 2, -3, -2, PATCOPY));   // columns 2..4, rows 1..2
  EXPECT_TRUE(PatBlt(s.dc, 0, 0, 0, 5, PATCOPY));     // zero width: nothing
  EXPECT_TRUE(PatBlt(s.dc, 0, 3, 2, -1, DSTINVERT));  // height -1: row 3 only
  EXPECT_FALSE(PatBlt(s.dc, 0, 0, 6, 4, SRCCOPY));    // no source to read
  EXPECT_EQ(s.Picture(), "......\n..###.\n..###.\n##....\n");
}

TEST(PatBlt, HatchFollowsTheBrushOriginAndBackgroundMode) {
  Surface s(10, 4, kRed);
  SelectObject(s.dc, CreateHatchBrush(HS_VERTICAL, kBlack));
  PatBlt(s.dc, 0, 0, 10, 2, PATCOPY);  // lines down column 4 (mod 8), white gaps
  SetBrushOrgEx(s.dc, 2, 0, nullptr);
  SetBkMode(s.dc, TRANSPARENT);
  PatBlt(s.dc, 0, 2, 10, 2, PATCOPY);  // lines moved to column 6, gaps untouched
  EXPECT_EQ(s.Picture(), "....#.....\n....#.....\nrrrrrr#rrr\nrrrrrr#rrr\n");
  // The null brush paints nothing.
  SelectObject(s.dc, GetStockObject(NULL_BRUSH));
  PatBlt(s.dc, 0, 0, 10, 4, PATCOPY);
  EXPECT_EQ(s.At(0, 0), kWhite);
}

// Every one of the 256 ternary codes, through the fast paths and the general table alike: the
// eight combinations of pattern, source and destination bits sit in eight columns, so column i
// of the result must be bit i of the code.
TEST(BitBlt, EveryRop3CodeFollowsItsTruthTable) {
  Surface src(8, 1);
  HBITMAP pat = CreateDIBSection32(8, 8);
  for (int i = 0; i < 8; ++i) {
    src.bmp->At(i, 0) = (i & 2) ? 0xFFFFFF : 0;
    for (int y = 0; y < 8; ++y) pat->At(i, y) = (i & 4) ? 0xFFFFFF : 0;
  }
  Surface dst(8, 1);
  SelectObject(dst.dc, CreatePatternBrush(pat));
  for (int code = 0; code < 256; ++code) {
    for (int i = 0; i < 8; ++i) dst.bmp->At(i, 0) = (i & 1) ? 0xFFFFFF : 0;
    BitBlt(dst.dc, 0, 0, 8, 1, src.dc, 0, 0, static_cast<DWORD>(code) << 16);
    for (int i = 0; i < 8; ++i)
      ASSERT_EQ(dst.bmp->At(i, 0), (code >> i & 1) ? 0xFFFFFFu : 0u) << "code " << code << " column " << i;
  }
}

TEST(BitBlt, OverlappingSameSurfaceReadsTheSourceFirst) {
  for (const bool clipped : {false, true}) {
    for (const POINT d : {POINT{2, 1}, POINT{-2, -1}, POINT{1, -1}}) {
      Surface s(8, 6);
      for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) s.bmp->At(x, y) = static_cast<std::uint32_t>(y * 8 + x);
      const HBITMAP before = CreateDIBSection32(8, 6);
      std::copy_n(s.bmp->Pixels(), 48, before->Pixels());
      if (clipped) SelectClipRgn(s.dc, CreateRectRgn(0, 0, 5, 6));
      BitBlt(s.dc, 2 + d.x, 2 + d.y, 4, 3, s.dc, 2, 2, SRCCOPY);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
          const int dx = 2 + d.x + x, dy = 2 + d.y + y;
          if (clipped && dx >= 5) continue;
          EXPECT_EQ(s.bmp->At(dx, dy), before->At(2 + x, 2 + y)) << clipped << " " << d.x << "," << d.y;
        }
    }
  }
}

TEST(BitBlt, SourceOutsideItsSurfaceLeavesTheDestination) {
  Surface src(2, 2, kBlack), dst(4, 4);
  BitBlt(dst.dc, 0, 0, 4, 4, src.dc, -1, -1, SRCCOPY);
  EXPECT_EQ(dst.Picture(), "....\n.##.\n.##.\n....\n");
  // Operations that do not read the source are not limited by it.
  BitBlt(dst.dc, 0, 0, 4, 1, src.dc, 50, 50, BLACKNESS);
  EXPECT_EQ(dst.Picture().substr(0, 5), "####\n");
}

TEST(BitBlt, MonochromeConversionUsesTheRightDcColours) {
  Surface mono(3, 1, kWhite, true);
  mono.bmp->At(1, 0) = 0;  // . # .
  Surface colour(3, 2, kWhite);
  SetTextColor(colour.dc, kRed);
  SetBkColor(colour.dc, kBlue);
  BitBlt(colour.dc, 0, 0, 3, 1, mono.dc, 0, 0, SRCCOPY);  // 0 -> text colour, 1 -> background
  colour.bmp->At(0, 1) = PixelFromColorref(kRed);
  // Colour to mono: pixels equal to the source DC's background become 1, all others 0.
  SetBkColor(colour.dc, kRed);
  BitBlt(mono.dc, 0, 0, 3, 1, colour.dc, 0, 1, SRCCOPY);
  EXPECT_EQ(colour.Picture(), "brb\nr..\n");
  EXPECT_EQ(mono.Picture(), ".##\n");
}

TEST(StretchBlt, MirrorsWhenExtentsDifferInSign) {
  Surface src(3, 1), dst(3, 3);
  src.bmp->At(0, 0) = 0;
  StretchBlt(dst.dc, 2, 0, -3, 1, src.dc, 0, 0, 3, 1, SRCCOPY);   // columns 0..2, mirrored
  StretchBlt(dst.dc, 0, 1, 3, 1, src.dc, 2, 0, -3, 1, SRCCOPY);   // mirrored through the source
  StretchBlt(dst.dc, 2, 2, -3, 1, src.dc, 2, 0, -3, 1, SRCCOPY);  // both: not mirrored
  EXPECT_EQ(dst.Picture(), "..#\n..#\n#..\n");
}

TEST(StretchBlt, MirroredOrEnlargedCopiesPastTheSourceEdgeLeaveThoseDestinationPixels) {
  // A source of b r # whose mirror is read one column past its right edge, and an enlargement
  // that starts one column before its left edge: the pixels without a source keep their red.
  Surface src(3, 1), dst(4, 2, kRed);
  src.bmp->At(0, 0) = PixelFromColorref(kBlue);
  src.bmp->At(1, 0) = PixelFromColorref(kRed);
  src.bmp->At(2, 0) = PixelFromColorref(kBlack);
  StretchBlt(dst.dc, 0, 0, 4, 1, src.dc, 3, 0, -4, 1, SRCCOPY);
  StretchBlt(dst.dc, 0, 1, 4, 1, src.dc, -1, 0, 2, 1, SRCCOPY);
  EXPECT_EQ(dst.Picture(), "r#rb\nrrbb\n");
}

TEST(StretchBlt, ShrinkModesKeepOrCombineEliminatedPixels) {
  // A 4x4 source with one black pixel at (1, 1), shrunk to 2x2: the pixel falls in the first
  // destination pixel but is not the first source row it samples.
  Surface src(4, 4);
  src.bmp->At(1, 1) = 0;
  Surface dst(6, 2);
  StretchBlt(dst.dc, 0, 0, 2, 2, src.dc, 0, 0, 4, 4, SRCCOPY);  // BLACKONWHITE: AND keeps black
  SetStretchBltMode(dst.dc, COLORONCOLOR);
  StretchBlt(dst.dc, 2, 0, 2, 2, src.dc, 0, 0, 4, 4, SRCCOPY);  // sampled: the pixel is lost
  src.bmp->Fill(0);
  src.bmp->At(2, 3) = 0xFFFFFF;
  SetStretchBltMode(dst.dc, WHITEONBLACK);
  StretchBlt(dst.dc, 4, 0, 2, 2, src.dc, 0, 0, 4, 4, SRCCOPY);  // OR keeps the white one
  EXPECT_EQ(dst.Picture(), "#...##\n....#.\n");
}

// The source pixels a stretch takes, as indices into a row (or column) of distinct pixels:
// ratios and mirrorings the reference pictures do not show.
std::vector<int> Taken(int nd, int ns, bool vertical, int mode = COLORONCOLOR, bool mirror = false) {
  Surface src(vertical ? 1 : ns, vertical ? ns : 1), dst(vertical ? 1 : nd, vertical ? nd : 1);
  for (int i = 0; i < ns; ++i)
    (vertical ? src.bmp->At(0, i) : src.bmp->At(i, 0)) = static_cast<std::uint32_t>(1 << i);
  SetStretchBltMode(dst.dc, mode);
  const int o = mirror ? nd - 1 : 0, n = mirror ? -nd : nd;
  if (vertical)
    StretchBlt(dst.dc, 0, o, 1, n, src.dc, 0, 0, 1, ns, SRCCOPY);
  else
    StretchBlt(dst.dc, o, 0, n, 1, src.dc, 0, 0, ns, 1, SRCCOPY);
  std::vector<int> out;
  for (int i = 0; i < nd; ++i) {
    const std::uint32_t v = vertical ? dst.bmp->At(0, i) : dst.bmp->At(i, 0);
    int k = 0;
    while (k < 31 && (v >> k) != 1) ++k;
    out.push_back(mode == COLORONCOLOR ? k : static_cast<int>(v));
  }
  return out;
}

TEST(StretchBlt, SourcePixelsFollowTheWalkOfTheLongerExtent) {
  using V = std::vector<int>;
  // Enlarging: a destination centre on a source pixel edge takes the pixel before it (5 -> 7
  // puts pixel 3's centre on the edge of source pixels 2 and 3).
  EXPECT_EQ(Taken(7, 5, false), (V{0, 1, 1, 2, 3, 3, 4}));
  EXPECT_EQ(Taken(7, 5, true), (V{0, 1, 1, 2, 3, 3, 4}));
  // Shrinking 7 -> 5 groups the source as {0} {1 2} {3} {4 5} {6}: a row keeps the last of each
  // group, a column the first; 6 -> 4 groups it {0 1} {2} {3 4} {5}.
  EXPECT_EQ(Taken(5, 7, false), (V{0, 2, 3, 5, 6}));
  EXPECT_EQ(Taken(5, 7, true), (V{0, 1, 3, 4, 6}));
  EXPECT_EQ(Taken(4, 6, false), (V{1, 2, 4, 5}));
  // Mirrored, the walk starts at the destination's origin on the right.
  EXPECT_EQ(Taken(5, 7, false, COLORONCOLOR, true), (V{6, 5, 3, 2, 0}));
  // One destination pixel from five source pixels walks four of them.
  EXPECT_EQ(Taken(1, 5, false), (V{3}));
  // WHITEONBLACK ORs each group together (AND would lose every bit of these pixels).
  EXPECT_EQ(Taken(4, 6, false, WHITEONBLACK), (V{0b11, 0b100, 0b11000, 0b100000}));
  EXPECT_EQ(Taken(1, 5, true, WHITEONBLACK), (V{0b1111}));
}

TEST(StretchBlt, HugeAndDegenerateExtentsAreSafe) {
  Surface src(1, 1, kRed), dst(5, 5);
  EXPECT_TRUE(
      StretchBlt(dst.dc, -1000000000, -1000000000, 2000000000, 2000000000, src.dc, 0, 0, 1, 1, SRCCOPY));
  EXPECT_EQ(dst.At(0, 0), kRed);
  EXPECT_EQ(dst.At(4, 4), kRed);
  Surface big(50, 50, kBlue);
  EXPECT_TRUE(StretchBlt(dst.dc, 0, 0, 1, 1, big.dc, INT_MIN, INT_MIN, INT_MAX, INT_MAX, SRCCOPY));
  EXPECT_TRUE(StretchBlt(dst.dc, 0, 0, 5, 5, big.dc, 0, 0, 0, 5, SRCCOPY));
  EXPECT_TRUE(StretchBlt(dst.dc, INT_MAX, INT_MAX, INT_MIN, INT_MIN, big.dc, 0, 0, 50, 50, SRCCOPY));
  EXPECT_FALSE(BitBlt(dst.dc, 0, 0, 5, 5, nullptr, 0, 0, SRCCOPY));
}

TEST(Icons, DrawIconMasksThenInvertsWhateverTheDcColours) {
  // Mask bits: 0 0 1 1 (0 = icon pixel); image: red, black, black, white.
  const HBITMAP mask = CreateBitmap(4, 1, 1, 1, nullptr), image = CreateDIBSection32(4, 1);
  mask->Fill(0);
  mask->At(2, 0) = mask->At(3, 0) = 0xFFFFFF;
  image->At(0, 0) = PixelFromColorref(kRed);
  image->At(3, 0) = 0xFFFFFF;
  const int live = GdiLiveObjects();
  {
    Surface s(4, 1, kBlue);
    SetTextColor(s.dc, kRed);
    SetBkColor(s.dc, kRed);
    EXPECT_TRUE(DrawIcon(s.dc, 0, 0, CreateIconFromBitmaps(mask, image, 0, 0)));
    // Opaque red, opaque black, transparent (blue kept), inverted (blue -> yellow).
    EXPECT_EQ(s.Picture(), "r#b?\n");
    EXPECT_EQ(s.At(3, 0), RGB(255, 255, 0));
  }
  EXPECT_EQ(GdiLiveObjects(), live);
}

TEST(MonoBitmaps, BitsAreRowsTopFirstWithTheLeftmostPixelInTheHighBit) {
  const HBITMAP bmp = CreateBitmap(32, 32, 1, 1, nullptr);
  bmp->Fill(0);
  bmp->At(0, 0) = 0xFFFFFF;
  bmp->At(9, 0) = 0xFFFFFF;
  bmp->At(31, 31) = 0xFFFFFF;
  unsigned char bits[130] = {};
  EXPECT_EQ(GetBitmapBits(bmp, sizeof bits, bits), 128);
  EXPECT_EQ(bits[0], 0x80);
  EXPECT_EQ(bits[1], 0x40);
  EXPECT_EQ(bits[127], 0x01);
  EXPECT_EQ(std::count(bits, bits + 128, 0), 125);
  const HBITMAP copy = CreateBitmap(32, 32, 1, 1, bits);
  EXPECT_TRUE(std::equal(bmp->Pixels(), bmp->Pixels() + 1024, copy->Pixels()));
}

}  // namespace
