// Checks of the option-panel pictures and the fill-style chart: each strip must light the button
// whose press chooses that strip's value, the fill-style panel must leave the preview's box plain
// and hold nothing below its 50 rows, and every cell of the chart must show its own style.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "artwork/palette.h"
#include "artwork/panels.h"
#include "artwork/panels_common.h"
#include "gdi/bmp.h"
#include "generated_artwork.h"

namespace {

using gdi::COLORREF;

// A press box in a strip's own rows: columns l..r-1, rows t..b-1.
struct Area {
  int l, t, r, b;
};

// A panel, and for each of its strips in order the press area that chooses that strip's value,
// written out from the program's press rules (window rows less the panel's window y).
struct PanelCase {
  std::string file;
  std::vector<Area> strips;
};

const Area kLeft{0, 0, 40, 50}, kRight{40, 0, 80, 50};
const Area kThird[3] = {{0, 0, 28, 50}, {28, 0, 55, 50}, {55, 0, 80, 50}};

const std::vector<PanelCase>& PanelCases() {
  static const std::vector<PanelCase> cases = {
      {"a20.kvr", {{0, 0, 40, 25}, {40, 0, 80, 25}, {0, 25, 40, 50}, {40, 25, 80, 50}}},  // 2, 4, 5, 7
      {"a4.kvr", {{6, 1, 32, 27}, {40, 1, 63, 29}, {64, 15, 76, 45}, {5, 32, 38, 42}}},   // 1, 2, 4, 3
      {"a6.kvr", {kRight, kLeft}},                                                        // 3, 4
      {"a24.kvr", {{0, 0, 41, 50}, {41, 0, 80, 50}}},                                     // 1, 2
      {"a15.kvr", {{0, 0, 40, 40}, {40, 0, 80, 40}}},                                     // 1, 2
      {"a13.kvr", {kLeft, kRight}},                                                       // 4, 3
      {"a8.kvr", {kLeft, kRight}},                                                        // 1, 2
      {"a23.kvr", {{0, 0, 80, 26}, {0, 26, 80, 50}}},                                     // lighten, darken
      {"a10.kvr", {kLeft, kRight}},                                                       // 1, 3
      {"a12.kvr", {kLeft, kRight}},                                                       // 1, 2
      {"a11.kvr", {kLeft, kRight}},                                                       // 3, 4
      {"a9.kvr", {kRight, kLeft}},                                                        // 1 shrink, 2
      {"a2.kvr", {kLeft, kRight}},                                                        // 1, 2
      {"a19.kvr", {kThird[0], kThird[1], kThird[2]}},                                     // 3, 1, 2
      {"a7.kvr", {kThird[0], kThird[1], kThird[2]}},                                      // 2, 1, 3
      {"a21.kvr",
       {{0, 0, 27, 25},
        {28, 0, 54, 25},
        {55, 0, 80, 25},
        {0, 26, 27, 50},
        {28, 26, 54, 50},
        {55, 26, 80, 50}}},
      {"a5.kvr", {kThird[0], kThird[1], kThird[2]}},   // 1, 2, 3
      {"a18.kvr", {kThird[0], kThird[1], kThird[2]}},  // 1, 2, 3
      {"a16.kvr", {kRight, kLeft}},                    // 1 (tool 12), 2
      {"a14.kvr", {kThird[0], kThird[1], kThird[2]}},  // 1, 2, 3
      {"a17.kvr", {kLeft, kRight}},                    // on, off
  };
  return cases;
}

class PanelPicturesTest : public artwork_test::GeneratedArtworkTest {
 protected:
  // The box round every pixel of the lit buttons' rim colour in rows y0..y0+h-1, in those rows'
  // own coordinates; empty (l > r) when there is none.
  static Area LitBox(const gdi::HBITMAP& b, int y0, int h) {
    Area box{1000, 1000, -1, -1};
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < b->Width(); ++x)
        if (At(b, x, y0 + y) == art::kLitRim)
          box = {std::min(box.l, x), std::min(box.t, y), std::max(box.r, x + 1), std::max(box.b, y + 1)};
    return box;
  }
};

// A strip lighting a button other than the one whose press gives its value would tell the child
// the wrong choice; the lit button must also cover most of its press area, so that it is seen.
TEST_F(PanelPicturesTest, EachStripLightsTheButtonThatChoosesItsValue) {
  for (const auto& panel : PanelCases()) {
    SCOPED_TRACE(panel.file);
    const gdi::HBITMAP b = Load(panel.file);
    ASSERT_TRUE(b);
    ASSERT_EQ(b->Height(), 50 * static_cast<int>(panel.strips.size()));
    std::set<std::vector<COLORREF>> looks;
    for (std::size_t s = 0; s < panel.strips.size(); ++s) {
      const Area want = panel.strips[s], lit = LitBox(b, 50 * static_cast<int>(s), 50);
      ASSERT_LT(lit.l, lit.r) << "strip " << s << " lights nothing";
      EXPECT_TRUE(lit.l >= want.l && lit.r <= want.r && lit.t >= want.t && lit.b <= want.b)
          << "strip " << s << " lights (" << lit.l << "," << lit.t << ")-(" << lit.r << "," << lit.b << ")";
      EXPECT_GE((lit.r - lit.l) * (lit.b - lit.t), (want.r - want.l) * (want.b - want.t) * 2 / 3)
          << "strip " << s;
      std::vector<COLORREF> px;
      for (int y = 0; y < 50; ++y)
        for (int x = 0; x < b->Width(); ++x) px.push_back(At(b, x, 50 * static_cast<int>(s) + y));
      looks.insert(px);
    }
    EXPECT_EQ(looks.size(), panel.strips.size()) << "two strips look the same";
  }
}

// The light panel's grid: the file of each direction lights the cell whose press chooses it, and
// the middle cell, which takes no press, shows a ball that differs from direction to direction.
TEST_F(PanelPicturesTest, LightPanelsLightTheirCellAndShadeTheBallFromIt) {
  struct Light {
    const char* file;
    Area cell;
  };
  const Light lights[8] = {{"a43.kvr", {0, 0, 27, 27}},   {"a44.kvr", {28, 0, 54, 27}},
                           {"a45.kvr", {55, 0, 80, 27}},  {"a46.kvr", {55, 28, 80, 54}},
                           {"a47.kvr", {55, 55, 80, 80}}, {"a48.kvr", {28, 55, 54, 80}},
                           {"a49.kvr", {0, 55, 27, 80}},  {"a50.kvr", {0, 28, 27, 54}}};
  std::set<std::vector<COLORREF>> balls;
  for (const auto& l : lights) {
    SCOPED_TRACE(l.file);
    const gdi::HBITMAP b = Load(l.file);
    ASSERT_TRUE(b);
    const Area lit = LitBox(b, 0, 80);
    EXPECT_TRUE(lit.l >= l.cell.l && lit.r <= l.cell.r && lit.t >= l.cell.t && lit.b <= l.cell.b);
    EXPECT_LT(lit.l, lit.r);
    std::vector<COLORREF> ball;
    for (int y = 28; y < 54; ++y)
      for (int x = 28; x < 54; ++x) ball.push_back(At(b, x, y));
    balls.insert(ball);
  }
  EXPECT_EQ(balls.size(), 8u);
}

// The cube sizes are one file each (a79 = 1 .. a70 = 10): all must differ, and the bigger and
// smaller buttons must be where their presses are taken (x 4..23 and 56..75, rows 26..46).
TEST_F(PanelPicturesTest, CubeSizePanelsDifferAndShowTheirButtons) {
  std::set<std::vector<COLORREF>> looks;
  for (int n = 70; n <= 79; ++n) {
    const gdi::HBITMAP b = Load("a" + std::to_string(n) + ".kvr");
    ASSERT_TRUE(b);
    looks.insert(std::vector<COLORREF>(b->Pixels(), b->Pixels() + 80 * 50));
    for (int x : {6, 14, 21, 58, 66, 73}) EXPECT_NE(At(b, x, 36), art::kBlack) << n << " x " << x;
  }
  EXPECT_EQ(looks.size(), 10u);
}

// The program copies an 11 x 9 marker from (2, 39) under the chosen size: it must be there, and
// the row between the panel and the marker must be black so that nothing of it leaks.
TEST_F(PanelPicturesTest, PenSizePanelHoldsItsMarker) {
  const gdi::HBITMAP b = Load("a28.kvr");
  ASSERT_TRUE(b);
  int marker = 0;
  for (int y = 39; y < 48; ++y)
    for (int x = 2; x < 13; ++x) marker += At(b, x, y) != art::kBlack;
  EXPECT_GE(marker, 20);
  for (int y = 38; y < 48; ++y)
    for (int x = 0; x < 79; ++x) {
      if (x < 2 || x >= 13 || y == 38) {
        ASSERT_EQ(At(b, x, y), art::kBlack) << x << "," << y;
      }
    }
}

// The program fills its preview figure over the box (15, 19)-(65, 45) of the picture; for the
// hollow style the inside of the figure shows the picture, which must be plain there. The copy
// is 330 rows high, so rows the picture held below its first 50 would cover the shape panels
// painted before it at y 330.
TEST_F(PanelPicturesTest, FillStylePanelLeavesThePreviewBoxPlainAndNothingBelow) {
  const gdi::HBITMAP b = Load("a3.kvr");
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Width(), 79);
  EXPECT_LE(b->Height(), 50);
  const COLORREF plain = At(b, art::kPreviewLeft, art::kPreviewTop);
  for (int y = art::kPreviewTop; y <= art::kPreviewBottom; ++y)
    for (int x = art::kPreviewLeft; x <= art::kPreviewRight; ++x)
      ASSERT_EQ(At(b, x, y), plain) << x << "," << y;
}

// Each cell of the chart shows its style: the 32 cells differ, each gradient uses most of the
// ten shades of its row, each texture cell is mostly the colours of its tile, and a pattern cell
// holds the paper and the colour the pattern's ink takes.
TEST_F(PanelPicturesTest, FillStyleChartShowsEveryStyleInItsCell) {
  const gdi::HBITMAP chart = Load("fstyles.kvr");
  ASSERT_TRUE(chart);
  ASSERT_EQ(chart->Width(), 319);
  ASSERT_EQ(chart->Height(), 282);
  // The part of each cell that the chooser's window shows (chart rows 1..222, columns 0..254).
  auto cell = [](int style) {
    if (style < 24) {
      const int row = style / 8, x = 32 * (style % 8);
      const int top[3] = {1, 34, 68}, bottom[3] = {34, 68, 94};
      return Area{x, top[row], std::min(x + 32, 255), bottom[row]};
    }
    const int x = 64 * ((style - 24) % 4);
    return style < 28 ? Area{x, 94, std::min(x + 64, 255), 160} : Area{x, 160, std::min(x + 64, 255), 223};
  };
  auto pixels = [&](Area a) {
    std::vector<COLORREF> px;
    for (int y = a.t; y < a.b; ++y)
      for (int x = a.l; x < a.r; ++x) px.push_back(At(chart, x, y));
    return px;
  };
  std::set<std::vector<COLORREF>> looks;
  for (int style = 0; style < 32; ++style) {
    SCOPED_TRACE(style);
    const auto px = pixels(cell(style));
    if (style < 24) looks.insert(px);
    const std::set<COLORREF> colours(px.begin(), px.end());
    if (style >= 8 && style < 16) {
      EXPECT_TRUE(colours.count(art::Shade(art::kRed, 5)));
      EXPECT_TRUE(colours.count(art::kWhite));
    }
    if (style >= 16 && style < 24) {
      int shades = 0;
      for (int s = 0; s < 10; ++s) shades += colours.count(art::Shade(art::kRed, s)) > 0;
      EXPECT_GE(shades, 8);
    }
    if (style >= 24) {
      const gdi::HBITMAP tile = Load("pb" + std::to_string(style - 23) + ".kvr");
      ASSERT_TRUE(tile);
      std::set<COLORREF> tile_colours;
      for (int y = 0; y < 54; ++y)
        for (int x = 0; x < 54; ++x) tile_colours.insert(At(tile, x, y));
      const auto from_tile =
          std::count_if(px.begin(), px.end(), [&](COLORREF c) { return tile_colours.count(c); });
      EXPECT_GE(from_tile * 2, static_cast<long>(px.size()));
      looks.insert(px);
    }
  }
  EXPECT_EQ(looks.size(), 32u);
}

}  // namespace
