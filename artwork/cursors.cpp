// The canvas cursors, by the number the program registers them under.
//
// Each cursor is drawn in colour on a 32 x 32 square and then split into the two planes a cursor
// is made of. The file "cursors/cursorN.kvr" is a 32 x 64 bitmap: rows 0..31 are the AND mask
// (white where the screen shows through, black where the cursor covers it) and rows 32..63 the
// XOR image (the cursor's colours, black where it is transparent). "cursors/hotspots.txt" holds
// one line "N X Y" per cursor.
//
// Most cursors get a one-pixel white rim round their black outline, so they stay visible on a
// black picture as well as on a white one.
#include <cmath>
#include <fstream>
#include <functional>
#include <stdexcept>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"

namespace art {

namespace {

constexpr int kSize = 32;
// Never drawn by any cursor: marks the pixels the figure left empty.
constexpr COLORREF kClear = gdi::RGB(0x5A, 0x0B, 0x3C);
const Look kLine{1, kBlack};

struct CursorArt {
  int number;
  int hot_x, hot_y;
  std::function<void(Painter&)> draw;
  bool rim = true;
};

// The eraser, SPREADER and SPLITTER cursors: the square the tool works on at one pen size,
// covering hot - h .. hot + h - 1 both ways, as a black frame lined with white inside.
CursorArt SquareCursor(int number, int h) {
  return {number, 16, 16,
          [h](Painter& p) {
            const double a = 16 - h, b = 16 + h;
            p.Pen(kBlack, 1).NoBrush().Rect(a, a, b, b);
            if (h > 1) p.Pen(kWhite, 1).Rect(a + 1, a + 1, b - 1, b - 1);
          },
          false};
}

// The nib cursors: the broad flat nib of the brush tools, slanted as the chosen nib direction.
CursorArt NibCursor(int number, double degrees) {
  return {number, 16, 16, [degrees](Painter& p) {
            const Axis a{{16, 16}, degrees};
            p.Style(kBlack, Shade(kViolet, 4), 1).Poly({a(-11, -2.5), a(11, -2.5), a(11, 2.5), a(-11, 2.5)});
            p.Pen(kWhite, 1);
            const Pt s = a(-8, -0.5), e = a(8, -0.5);
            p.Line(s.x, s.y, e.x, e.y);
            p.Blob(16, 16, 2, kBlack);
          }};
}

void Crosshair(Painter& p, double cx, double cy, double arm) {
  p.Pen(kBlack, 1);
  p.Line(cx - arm, cy, cx - 2, cy);
  p.Line(cx + 2, cy, cx + arm + 1, cy);
  p.Line(cx, cy - arm, cx, cy - 2);
  p.Line(cx, cy + 2, cx, cy + arm + 1);
}

// A paint roller: the cylinder is centred on the hot spot; upright or lying down.
void Roller(Painter& p, bool upright) {
  const COLORREF paint = Shade(kRed, 5), wire = Shade(kGrey, 6), grip = Shade(kBrown, 2);
  if (upright) {
    p.Pen(wire, 2).Lines({{8, 4}, {8, 2}, {16, 2}, {16, 16}, {21, 16}});
    p.Style(kBlack, paint, 1).Round(4, 4, 13, 29, 4);
    p.Pen(Shade(kRed, 2), 1).Line(6, 7, 6, 26);
    p.Style(kBlack, grip, 1).Round(20, 13, 31, 20, 4);
  } else {
    p.Pen(wire, 2).Lines({{28, 10}, {30, 10}, {30, 18}, {16, 18}, {16, 22}});
    p.Style(kBlack, paint, 1).Round(3, 6, 29, 15, 4);
    p.Pen(Shade(kRed, 2), 1).Line(6, 8, 26, 8);
    p.Style(kBlack, grip, 1).Round(13, 21, 20, 31, 4);
  }
}

std::vector<CursorArt> AllCursors() {
  std::vector<CursorArt> cs;
  // 1: the cursor of every tool without one of its own: a crosshair with a coloured ring.
  cs.push_back({1, 16, 16, [](Painter& p) {
                  p.Pen(Shade(kRed, 5), 2).NoBrush().Circle(16, 16, 6);
                  Crosshair(p, 16, 16, 12);
                }});
  // 2: the pencil, writing with its point.
  cs.push_back({2, 2, 29, [](Painter& p) { DrawPencil(p, {{2, 29}, 45}, 36, 9, Shade(kYellow, 7), kLine); }});
  cs.push_back(NibCursor(3, 45));  // nib rising to the right
  cs.push_back({4, 8, 16, [](Painter& p) { Roller(p, true); }});
  cs.push_back(NibCursor(5, -45));  // nib falling to the right
  // 6: a paint brush (registered, though no tool shows it).
  cs.push_back({6, 3, 28, [](Painter& p) {
                  const Axis a{{3, 28}, 45};
                  p.Style(kBlack, Shade(kBrown, 3), 1).Poly({a(12, -2), a(34, -3), a(34, 3), a(12, 2)});
                  p.Style(kBlack, Shade(kGrey, 3), 1).Poly({a(8, -3.5), a(13, -3.5), a(13, 3.5), a(8, 3.5)});
                  p.Style(kBlack, Shade(kBlue, 0), 1).Poly({a(0, 0), a(3, -3), a(8, -4), a(8, 4), a(3, 3)});
                }});
  // 7: GRASS: a tuft growing from the hot spot.
  cs.push_back({7, 16, 29, [](Painter& p) {
                  const double tips[][2] = {{4, 12}, {9, 5}, {15, 2}, {22, 6}, {28, 13}, {12, 14}, {20, 13}};
                  int i = 0;
                  for (const auto& tip : tips) {
                    p.Pen(kBlack, 4).Line(16, 29, tip[0], tip[1]);
                    p.Pen(i++ % 2 ? Shade(kGreen, 4) : Shade(kLime, 5), 2).Line(16, 29, tip[0], tip[1]);
                  }
                }});
  cs.push_back(NibCursor(8, 0));  // horizontal nib
  // 9: the text tools: an I-beam.
  cs.push_back({9, 16, 16, [](Painter& p) {
                  p.Pen(kBlack, 2).Line(16, 5, 16, 27);
                  p.Line(11, 4, 15, 4);
                  p.Line(17, 4, 21, 4);
                  p.Line(11, 28, 15, 28);
                  p.Line(17, 28, 21, 28);
                }});
  cs.push_back(NibCursor(10, 90));  // vertical nib
  // 11: BUCKET: a tipped pail pouring paint; the paint lands at the hot spot.
  cs.push_back({11, 6, 29, [](Painter& p) {
                  const Axis a{{13, 15}, 30};
                  const COLORREF paint = Shade(kBlue, 0);
                  p.Style(kBlack, paint, 1).Poly({a(1, -5), a(1, 7), {9, 26}, {5, 26}});
                  p.Style(kBlack, paint, 1).Ellipse(2, 24, 11, 31);
                  p.Style(kBlack, Shade(kGrey, 2), 1).Poly({a(0, -8), a(15, -5.5), a(15, 5.5), a(0, 8)});
                  p.Style(kBlack, Shade(kGrey, 4), 1).Poly({a(0, -8), a(2.5, -8), a(2.5, 8), a(0, 8)});
                  p.NoPen().Brush(paint).Poly({a(0.5, -6), a(0.5, 6), a(-0.5, 6), a(-0.5, -6)});
                }});
  // 12: CHALK and PASTEL: a stick of chalk with a puff of dust at its end.
  cs.push_back({12, 3, 28, [](Painter& p) {
                  DrawChalk(p, {{3, 28}, 40}, 24, 9, kWhite, kLine);
                  p.Blob(4, 24, 2, Shade(kGrey, 3));
                  p.Blob(8, 30, 2, Shade(kGrey, 3));
                }});
  // 13: a painter's palette (registered, though no tool shows it).
  cs.push_back(
      {13, 16, 16, [](Painter& p) {
         p.Style(kBlack, Shade(kPeach, 2), 1).Ellipse(2, 5, 30, 27);
         p.Style(kBlack, kWhite, 1).Circle(20, 20, 3);
         const COLORREF dabs[] = {Shade(kRed, 5), Shade(kYellow, 7), Shade(kGreen, 4), Shade(kBlue, 0)};
         const double where[][2] = {{9, 12}, {16, 9}, {23, 11}, {9, 20}};
         for (int i = 0; i < 4; ++i) p.Style(kBlack, dabs[i], 1).Circle(where[i][0], where[i][1], 2.5);
       }});
  // 14: QUILL PEN.
  cs.push_back({14, 2, 30, [](Painter& p) { DrawQuill(p, {{2, 30}, 55}, 34, 13, kWhite, kLine); }});
  // 15: the box tools: a crosshair to start the box, the box itself, and a little magic.
  cs.push_back({15, 9, 9, [](Painter& p) {
                  for (int x = 9; x < 28; x += 4) {
                    p.Pen(kBlack, 1).Line(x, 9, x + 2, 9);
                    p.Line(x, 25, x + 2, 25);
                  }
                  for (int y = 9; y < 24; y += 4) {
                    p.Line(9, y, 9, y + 2);
                    p.Line(28, y, 28, y + 2);
                  }
                  Crosshair(p, 9, 9, 7);
                  DrawStar(p, {26, 25}, 6, 2.6, Shade(kYellow, 5), kLine);
                }});
  // 16: SPRAY PAINT: the can at the side, the spray around the hot spot.
  cs.push_back({16, 8, 8, [](Painter& p) {
                  // Dots spread evenly over a disc round the hot spot, as the spray lands.
                  for (int i = 0; i < 22; ++i) {
                    const double a = i * 2.39996, r = 7 * std::sqrt((i + 0.5) / 22);
                    p.Blob(8 + r * std::cos(a), 8 + r * std::sin(a), i % 4 ? 1 : 2,
                           i % 3 ? Shade(kRed, 5) : Shade(kRed, 8));
                  }
                  p.Style(kBlack, Shade(kGrey, 3), 1).Rect(18, 12, 22, 15);
                  p.Style(kBlack, Shade(kGrey, 4), 1).Rect(21, 14, 28, 18);
                  p.Style(kBlack, Shade(kRed, 5), 1).Round(19, 17, 30, 31, 4);
                  p.Pen(kWhite, 1).Line(21, 20, 21, 28);
                }});
  // 17: FRED FISH blowing a bubble at the hot spot.
  cs.push_back({17, 6, 6, [](Painter& p) {
                  p.Style(kBlack, Shade(kOrange, 4), 1).Poly({{24, 20}, {31, 14}, {31, 27}});
                  p.Style(kBlack, Shade(kOrange, 3), 1).Ellipse(10, 13, 27, 28);
                  p.Style(kBlack, kWhite, 1).Circle(15, 18, 2.5);
                  p.Blob(15, 18, 1, kBlack);
                  p.Pen(kBlack, 1).NoBrush().Circle(10, 12, 1.5);
                  p.Style(kBlack, Shade(kSky, 0), 1).Circle(6, 6, 4);
                  p.Dot(5, 4, kWhite);
                }});
  // 18: BUG SPLAT: a ladybird.
  cs.push_back({18, 16, 16, [](Painter& p) {
                  p.Pen(kBlack, 1);
                  for (int s : {-1, 1}) {
                    p.Line(16 + s * 6, 10, 16 + s * 12, 7);
                    p.Line(16 + s * 8, 17, 16 + s * 14, 17);
                    p.Line(16 + s * 6, 23, 16 + s * 12, 27);
                    p.Line(16 + s * 2, 6, 16 + s * 5, 1);
                  }
                  p.Style(kBlack, kBlack, 1).Circle(16, 8, 4);
                  p.Style(kBlack, Shade(kRed, 5), 1).Ellipse(7, 8, 26, 28);
                  p.Pen(kBlack, 1).Line(16, 9, 16, 27);
                  p.NoPen().Brush(kBlack);
                  for (const auto& [x, y] : {std::pair{12, 14}, {21, 14}, {11, 21}, {22, 21}, {16, 18}})
                    p.Circle(x, y, 1.8);
                }});
  // 19: WAND SPARKLES and OBJECTS: a magic wand; the star is the hot spot.
  cs.push_back({19, 7, 7, [](Painter& p) {
                  p.Style(kBlack, Shade(kGrey, 9), 1).Poly({{10, 9}, {29, 28}, {27, 30}, {8, 11}});
                  p.Style(kBlack, kWhite, 1).Poly({{25, 24}, {29, 28}, {27, 30}, {23, 26}});
                  DrawStar(p, {7, 7}, 7, 3, Shade(kYellow, 5), kLine);
                  DrawSparkle(p, {20, 5}, 3, Shade(kMagenta, 5));
                  DrawSparkle(p, {4, 21}, 3, Shade(kCyan, 6));
                }});
  // 20: the stamp and picture tools: a rubber stamp, centred on the place the picture goes.
  cs.push_back({20, 16, 16, [](Painter& p) {
                  p.Style(kBlack, Shade(kRed, 6), 1).Circle(16, 5, 4);
                  p.Style(kBlack, Shade(kBrown, 2), 1).Rect(13, 8, 20, 16);
                  p.Style(kBlack, Shade(kBrown, 4), 1).Round(5, 15, 28, 23, 3);
                  p.Style(kBlack, Shade(kBlue, 0), 1).Rect(7, 23, 26, 27);
                  Crosshair(p, 16, 16, 0);
                }});
  cs.push_back({21, 16, 10, [](Painter& p) { Roller(p, false); }});
  // 22: BOMB.
  cs.push_back({22, 16, 19, [](Painter& p) {
                  p.Pen(Shade(kBrown, 6), 2).NoBrush().Arc(20, 0, 34, 14, 90, 200);
                  p.Style(kBlack, Shade(kGrey, 6), 1).Rect(18, 7, 24, 12);
                  p.Style(kBlack, Shade(kGrey, 8), 1).Circle(16, 19, 10);
                  p.Pen(kWhite, 2).NoBrush().Arc(9, 12, 19, 22, 100, 170);
                  DrawStar(p, {27, 5}, 5, 2, Shade(kOrange, 4), kLine, 6);
                }});
  // 23: INSTANT HAIR: a comb with a few curls.
  cs.push_back({23, 16, 16, [](Painter& p) {
                  for (int i = 0; i < 3; ++i) {
                    std::vector<Pt> strand;
                    for (int k = 0; k <= 13; ++k)
                      strand.push_back({8.0 + 8 * i + 1.5 * std::sin(k * 0.8 + 2 * i), 15.0 - k});
                    p.Pen(Shade(kBrown, 6), 2).Lines(strand);
                  }
                  p.Style(kBlack, Shade(kSky, 5), 1).Rect(3, 16, 30, 21);
                  p.Pen(kBlack, 1);
                  for (int x = 5; x < 29; x += 3) p.Line(x, 21, x, 28);
                }});
  const int half_sizes[] = {3, 4, 5, 6, 8, 10, 12, 14, 16};  // pen sizes 1..2, 3, ..., 10
  for (int i = 0; i < 9; ++i) cs.push_back(SquareCursor(24 + i, half_sizes[i]));
  // 34: REPLACE COLOR: a dropper letting a drop fall at the hot spot.
  cs.push_back(
      {34, 4, 29, [](Painter& p) {
         const Axis a{{6, 24}, 45};
         p.Style(kBlack, Shade(kSky, 0), 1).Poly({a(0, -1), a(14, -3), a(14, 3), a(0, 1)});
         p.Style(kBlack, Shade(kGrey, 3), 1).Poly({a(14, -4.5), a(17, -4.5), a(17, 4.5), a(14, 4.5)});
         const Pt bulb = a(23, 0);
         p.Style(kBlack, Shade(kRed, 5), 1).Circle(bulb.x, bulb.y, 6);
         p.Style(kBlack, Shade(kGreen, 4), 1).Poly({{4, 25}, {6, 28}, {6, 30}, {4, 31}, {2, 30}, {2, 28}});
       }});
  return cs;
}

}  // namespace

void DrawCursors(const fs::path& dir) {
  const fs::path folder = dir / "cursors";
  fs::create_directories(folder);
  std::ofstream hot(folder / "hotspots.txt", std::ios::trunc);
  for (const CursorArt& c : AllCursors()) {
    Canvas art(kSize, kSize, kClear);
    {
      Painter p(art);
      c.draw(p);
    }
    SaveMasked(art, kClear, c.rim, folder / ("cursor" + std::to_string(c.number) + ".kvr"));
    hot << c.number << ' ' << c.hot_x << ' ' << c.hot_y << '\n';
  }
  if (!hot) throw std::runtime_error("cannot write " + (folder / "hotspots.txt").string());
}

}  // namespace art
