// The icons of the ten category tabs: "icons/icon1.kvr" .. "icons/icon9.kvr" for tabs 1 to 9 and
// "icons/icon11.kvr" for tab 0.
//
// Each is a 32 x 64 picture in the two planes of an icon (see SaveMasked). The tabs are black
// when chosen and white otherwise, so every figure has a black outline and a white rim round it,
// and the tab's number sits on a yellow badge in the bottom right corner, where it reads on both.
#include <cmath>
#include <functional>
#include <string>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"

namespace art {

namespace {

constexpr int kSize = 32;
// Never drawn by any figure: marks the pixels the figure leaves transparent.
constexpr COLORREF kClear = gdi::RGB(0x5A, 0x0B, 0x3C);
const Look kLine{1, kBlack};

void Badge(Painter& p, const std::string& number) {
  p.Style(kBlack, Shade(kYellow, 5), 1).Circle(25, 25, 6.5);
  p.Text(25.5, 19, number, 11, kBlack);
}

struct TabArt {
  int file_number;
  std::string label;
  std::function<void(Painter&)> draw;
};

std::vector<TabArt> AllTabs() {
  return {
      // PENCILS
      {1, "1",
       [](Painter& p) {
         DrawPencil(p, {{3, 27}, 45}, 30, 9, Shade(kYellow, 7), kLine);
       }},
      // PAINT: a brush and the splash it left.
      {2, "2",
       [](Painter& p) {
         std::vector<Pt> splash;
         for (int i = 0; i < 16; ++i) {
           const double a = 6.2832 * i / 16, r = i % 2 ? 4 : 6.5;
           splash.push_back({8 + r * std::cos(a), 24 + r * std::sin(a)});
         }
         p.Style(kBlack, Shade(kBlue, 0), 1).Poly(splash);
         DrawBrush(p, {{8, 22}, 45}, 27, 9, Shade(kBlue, 0), false, kLine);
       }},
      // PENCILS/BRUSHES: a pencil and a brush crossed.
      {3, "3",
       [](Painter& p) {
         DrawPencil(p, {{3, 27}, 50}, 27, 8, Shade(kYellow, 7), kLine);
         DrawBrush(p, {{24, 25}, 125}, 27, 8, Shade(kRed, 5), false, kLine);
       }},
      // 3D: a shaded ball.
      {4, "4",
       [](Painter& p) {
         DrawShaded(p, 2, 2, 26, 26, kGreen, 1, 2);
         p.Pen(kBlack, 1).NoBrush().Ellipse(2, 2, 26, 26);
       }},
      // SHAPES: a triangle, a square and a circle.
      {5, "5",
       [](Painter& p) {
         p.Style(kBlack, Shade(kBlue, 0), 1).Rect(2, 14, 15, 27);
         p.Style(kBlack, Shade(kRed, 5), 1).Circle(20, 10, 7.5);
         p.Style(kBlack, Shade(kYellow, 6), 1).Poly({{8, 1}, {15, 14}, {1, 14}});
       }},
      // TEXT: a big letter.
      {6, "6", [](Painter& p) { p.OutlinedText(13, 0, "A", 26, Shade(kMagenta, 5), kBlack, 1); }},
      // ERASERS
      {7, "7",
       [](Painter& p) {
         DrawEraser(p, {{4, 24}, 35}, 26, 12, kLine);
       }},
      // MAGIC: a wand with sparkles.
      {8, "8",
       [](Painter& p) {
         DrawWand(p, {{7, 7}, -45}, 28, 3.5, Shade(kYellow, 5), kLine);
         DrawSparkle(p, {19, 5}, 3, Shade(kMagenta, 5));
         DrawSparkle(p, {4, 19}, 3, Shade(kCyan, 6));
       }},
      // PICTURES: a framed picture.
      {9, "9",
       [](Painter& p) {
         p.Style(kBlack, Shade(kOrange, 4), 1).Rect(1, 3, 28, 24);
         DrawLandscape(p, 4, 6, 25, 21);
         p.Pen(kBlack, 1).NoBrush().Rect(4, 6, 25, 21);
       }},
      // PC: a computer with its screen and keyboard.
      {11, "0",
       [](Painter& p) {
         p.Style(kBlack, Shade(kGrey, 3), 1).Round(1, 1, 27, 20, 3);
         p.Style(kBlack, Shade(kSky, 3), 1).Rect(4, 4, 24, 17);
         p.Style(kBlack, Shade(kGrey, 4), 1).Rect(11, 20, 17, 23);
         p.Style(kBlack, Shade(kGrey, 2), 1).Round(2, 23, 20, 29, 2);
         p.Pen(Shade(kGrey, 5), 1).Line(5, 26, 17, 26);
       }},
  };
}

}  // namespace

void DrawTabIcons(const fs::path& dir) {
  const fs::path folder = dir / "icons";
  fs::create_directories(folder);
  for (const TabArt& tab : AllTabs()) {
    Canvas art(kSize, kSize, kClear);
    {
      Painter p(art);
      tab.draw(p);
      Badge(p, tab.label);
    }
    SaveMasked(art, kClear, true, folder / ("icon" + std::to_string(tab.file_number) + ".kvr"));
  }
}

}  // namespace art
