// The sprite sheets of the animation tools: "a930.kvr" (the bomb), "a931.kvr" (the train) and
// "a932.kvr" (Billy the skier).
//
// A sheet holds its frames side by side in two rows: each frame's image at y 1 and its mask at
// y 54, at the same x. The mask is white where the frame is transparent and black where the
// figure covers the canvas; the image is black where transparent. Every frame is drawn on its own
// little canvas in a key colour the figures never use, and split into the two rows from that.
#include <cmath>
#include <functional>
#include <string>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"

namespace art {

namespace {

constexpr COLORREF kKey = gdi::RGB(255, 0, 255);
constexpr int kImageRow = 1;
constexpr int kMaskRow = 54;

void SaveSheet(const fs::path& file, int width, int w, int h, const int* xs, int frames,
               const std::function<void(Painter&, int frame)>& draw) {
  Canvas sheet(width, 103, kBlack);
  for (int k = 0; k < frames; ++k) {
    Canvas frame(w, h, kKey);
    {
      Painter p(frame);
      draw(p, k);
    }
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const COLORREF c = frame.Pixel(x, y);
        const bool clear = c == kKey;
        sheet.SetPixel(xs[k] + x, kImageRow + y, clear ? kBlack : c);
        sheet.SetPixel(xs[k] + x, kMaskRow + y, clear ? kWhite : kBlack);
      }
  }
  sheet.Save(file);
}

// The bomb: a round black bomb with a shine, its fuse a little shorter in each frame and a spark
// at the end of it.
void BombFrame(Painter& p, int k) {
  const double burn = 1.0 - 0.24 * k;  // how much fuse is left
  std::vector<Pt> fuse;
  for (int i = 0; i <= 10; ++i) {
    const double f = burn * i / 10.0;
    fuse.push_back({44 + 16 * f, 15 - 11 * std::sin(f * 2.6)});
  }
  p.Pen(Shade(kBrown, 4), 2.5).Lines(fuse);
  const Pt spark = fuse.back();
  for (int i = 0; i < 8; ++i) {
    const double a = i * kPi / 4 + k * 0.4;
    const double r = i % 2 ? 5 : 8;
    p.Pen(i % 2 ? Shade(kYellow, 3) : Shade(kOrange, 5), 1.5)
        .Line(spark.x, spark.y, spark.x + r * std::cos(a), spark.y + r * std::sin(a));
  }
  p.Style(Shade(kRed, 6), Shade(kYellow, 2), 1).Circle(spark.x, spark.y, 2.5);
  p.Style(kBlack, Shade(kGrey, 6), 1).Rect(36, 11, 46, 18);
  p.Style(kBlack, Shade(kGrey, 8), 1).Circle(36, 31, 16);
  p.Pen(Shade(kGrey, 3), 2.5).NoBrush().Arc(25, 20, 41, 36, 110, 170);
  p.NoPen().Brush(kWhite).Circle(28, 24, 2);
}

// The train: a steam engine facing left with its cab behind, the wheels turning a little every
// frame and a puff of smoke growing from the chimney. The rails leave it behind its rear wheels.
void TrainFrame(Painter& p, int k) {
  const COLORREF body = Shade(kRed, 6), dark = Shade(kGrey, 8), trim = Shade(kYellow, 4);
  // Smoke: three puffs drifting back from the chimney.
  for (int i = 0; i < 3; ++i) {
    const double age = (i + k / 4.0) / 3.0;
    p.Style(Shade(kGrey, 3), Shade(kGrey, 1), 1).Circle(16 + 22 * age, 9 - 5 * age, 3 + 4 * age);
  }
  p.Style(dark, dark, 1).Rect(12, 11, 19, 20);                          // chimney
  p.Style(dark, trim, 1).Rect(10, 10, 21, 12);                          // its rim
  p.Style(dark, body, 1).Round(6, 18, 46, 33, 6);                       // boiler
  p.Style(dark, trim, 1).Circle(6, 26, 4);                              // lamp
  p.Style(dark, Shade(kGrey, 6), 1).Rect(26, 13, 34, 19);               // steam dome
  p.Style(dark, Shade(kBlue, 6), 1).Rect(44, 8, 68, 34);                // cab
  p.Style(dark, Shade(kSky, 1), 1).Rect(49, 12, 63, 21);                // its window
  p.Style(dark, dark, 1).Rect(42, 6, 70, 9);                            // cab roof
  p.Style(dark, Shade(kGrey, 7), 1).Poly({{0, 34}, {8, 30}, {8, 37}});  // cow catcher
  p.Style(dark, Shade(kGrey, 7), 1).Rect(4, 32, 70, 36);                // frame
  const double spin = k * kPi / 8;
  const Pt wheels[] = {{16, 39}, {31, 39}, {55, 40}};
  const double radii[] = {7, 7, 6};
  for (int i = 0; i < 3; ++i) {
    const Pt c = wheels[i];
    const double r = radii[i];
    p.Style(dark, Shade(kGrey, 5), 1).Circle(c.x, c.y, r);
    for (int s = 0; s < 4; ++s) {
      const double a = spin + s * kPi / 4;
      p.Pen(dark, 1).Line(c.x - r * std::cos(a), c.y - r * std::sin(a), c.x + r * std::cos(a),
                          c.y + r * std::sin(a));
    }
    p.Style(dark, trim, 1).Circle(c.x, c.y, 1.5);
  }
  // The connecting rod follows the turning wheels.
  const double rx = 3 * std::cos(spin * 2), ry = 3 * std::sin(spin * 2);
  p.Pen(Shade(kGrey, 2), 2).Line(16 + rx, 39 + ry, 31 + rx, 39 + ry);
}

// Billy: a skier in a red jacket and bobble hat, in five poses from leaning to one side to
// leaning to the other; the tails of his skis are where the track leaves him.
void BillyFrame(Painter& p, int k) {
  static constexpr double kTail[5] = {8, 12, 25, 36, 44};
  const double lean = (k - 2) / 2.0;  // -1 .. 1
  const double tail = kTail[k];
  // Skis: from the tail at (tail, 43) towards the other side and down the slope.
  const double tip_x = tail + (lean < 0 ? 14 : -14) * (0.4 + 0.6 * std::abs(lean)) + (k == 2 ? 0 : 0);
  const double tip_y = 46 - 3 * (1 - std::abs(lean));
  p.Pen(Shade(kBlue, 7), 2.5).Line(tail, 43, tip_x, tip_y);
  p.Line(tail + 3, 41, tip_x + 3, tip_y - 2);
  const double hip_x = (tail + tip_x) / 2 + 1, hip_y = 34;
  const double head_x = hip_x - 7 * lean, head_y = 12;
  // Legs, body and arms with poles.
  p.Pen(Shade(kBlue, 8), 3.5).Line((tail + tip_x) / 2, 41, hip_x, hip_y);
  p.Style(Shade(kRed, 8), Shade(kRed, 5), 1)
      .Poly({{hip_x - 5, hip_y}, {hip_x + 5, hip_y}, {head_x + 5, head_y + 7}, {head_x - 5, head_y + 7}});
  p.Pen(Shade(kRed, 6), 2.5).Line(head_x - 4, head_y + 10, head_x - 11, head_y + 18);
  p.Line(head_x + 4, head_y + 10, head_x + 11, head_y + 18);
  p.Pen(Shade(kGrey, 6), 1).Line(head_x - 11, head_y + 18, head_x - 14, 44);
  p.Line(head_x + 11, head_y + 18, head_x + 14, 44);
  p.Style(Shade(kBrown, 6), Shade(kPeach, 2), 1).Circle(head_x, head_y, 5);
  p.Style(Shade(kGreen, 8), Shade(kGreen, 5), 1)
      .Poly({{head_x - 6, head_y - 2}, {head_x + 6, head_y - 2}, {head_x + 2 * lean, head_y - 9}});
  p.Style(Shade(kGrey, 4), kWhite, 1).Circle(head_x + 2 * lean, head_y - 9, 2);
  p.NoPen().Brush(Shade(kBlue, 8)).Rect(head_x - 4, head_y - 1, head_x + 4, head_y + 1);  // goggles
}

}  // namespace

void DrawSprites(const fs::path& dir) {
  static constexpr int kWide[4] = {1, 81, 161, 241};
  static constexpr int kBilly[5] = {1, 54, 107, 160, 213};
  SaveSheet(dir / "a930.kvr", 317, 76, 49, kWide, 4, BombFrame);
  SaveSheet(dir / "a931.kvr", 317, 76, 49, kWide, 4, TrainFrame);
  SaveSheet(dir / "a932.kvr", 262, 49, 49, kBilly, 5, BillyFrame);
}

}  // namespace art
