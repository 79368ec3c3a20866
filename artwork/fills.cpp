// The fill patterns "pa00.kvr" .. "pa07.kvr" and the textures "pb1.kvr" .. "pb8.kvr".
//
// A pattern is an 8 x 8 tile whose pure black pixels are ink: the program paints them in the
// current colour and keeps every other pixel as it is in the file, so the patterns are black
// shapes on white. A texture is a 54 x 54 tile laid edge to edge over a shape or the whole
// screen, so everything in it repeats every 54 pixels: the noise below lives on lattices whose
// spacing divides 54, and the drawn parts (bricks, blades of grass) wrap round the edges.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"

namespace art {

namespace {

constexpr int kTile = 54;

// '#' is ink, '.' is white.
using PatternRows = std::array<const char*, 8>;

// clang-format off
constexpr PatternRows kPatterns[8] = {
    // pa00: polka dots
    PatternRows{"........", ".##.....", ".##.....", "........", "........", ".....##.", ".....##.", "........"},
    // pa01: checks
    PatternRows{"####....", "####....", "####....", "####....", "....####", "....####", "....####", "....####"},
    // pa02: bricks
    PatternRows{"########", "#.......", "#.......", "#.......", "########", "....#...", "....#...", "....#..."},
    // pa03: waves
    PatternRows{"##....##", "###..###", "..####..", "...##...", "........", "........", "........", "........"},
    // pa04: hearts
    PatternRows{".##.##..", "#######.", "#######.", ".#####..", "..###...", "...#....", "........", "........"},
    // pa05: stars
    PatternRows{"...#....", "..###...", "#######.", ".#####..", "..###...", ".##.##..", ".#...#..", "........"},
    // pa06: diamonds
    PatternRows{"...#....", "..###...", ".#####..", "#######.", ".#####..", "..###...", "...#....", "........"},
    // pa07: rings
    PatternRows{"..###...", ".#...#..", "#.....#.", "#.....#.", "#.....#.", ".#...#..", "..###...", "........"},
};
// clang-format on

int Wrap(int v) {
  return ((v % kTile) + kTile) % kTile;
}

// Smooth value noise in [0, 1) that repeats every 54 pixels; `cell` must divide 54.
double TileNoise(double x, double y, int cell, int salt) {
  const int n = kTile / cell;
  const double fx = x / cell, fy = y / cell;
  const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
  auto corner = [&](int i, int j) { return Jitter(((i % n) + n) % n + n * (((j % n) + n) % n), salt); };
  auto smooth = [](double f) { return f * f * (3 - 2 * f); };
  const double sx = smooth(fx - ix), sy = smooth(fy - iy);
  const double top = corner(ix, iy) + (corner(ix + 1, iy) - corner(ix, iy)) * sx;
  const double bottom = corner(ix, iy + 1) + (corner(ix + 1, iy + 1) - corner(ix, iy + 1)) * sx;
  return top + (bottom - top) * sy;
}

// Octaves of TileNoise from the coarsest down, in [0, 1): fewer octaves give softer shapes.
double TileFbm(double x, double y, int salt, int octaves = 5) {
  constexpr int cells[] = {27, 18, 9, 6, 3};
  constexpr double weights[] = {0.36, 0.26, 0.18, 0.12, 0.08};
  double v = 0, total = 0;
  for (int i = 0; i < octaves; ++i) {
    v += weights[i] * TileNoise(x, y, cells[i], salt + i);
    total += weights[i];
  }
  return v / total;
}

// The colour of a ramp at v in [0, 1].
COLORREF Ramp(const std::vector<COLORREF>& ramp, double v) {
  const int n = static_cast<int>(ramp.size());
  return ramp[std::clamp(static_cast<int>(v * n), 0, n - 1)];
}

using TextureRoutine = void (*)(Canvas&);

// pb1: wooden planks with a wavy grain and dark seams.
void Wood(Canvas& c) {
  const std::vector<COLORREF> grain = {Shade(kBrown, 4), Shade(kBrown, 2), Shade(kBrown, 1),
                                       Shade(kBrown, 0), Shade(kBrown, 1), Shade(kBrown, 3)};
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      const int plank = y / 18;
      const double v = 0.5 + 0.5 * std::sin(2 * kPi * (y / 6.0 + 1.4 * TileFbm(x, y * 3, 10 + plank)));
      COLORREF colour = Ramp(grain, v);
      // Each plank has its own joint; the last row of a plank is the gap to the next.
      if (y % 18 == 17 || x == (7 + 23 * plank) % kTile) colour = Shade(kBrown, 9);
      c.SetPixel(x, y, colour);
    }
}

// pb2: white marble with soft grey veins.
void Marble(Canvas& c) {
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      const double s = std::abs(std::sin(2 * kPi * (x + y) / 54.0 + 9 * TileFbm(x, y, 20, 3)));
      const double cloud = TileFbm(x, y, 30, 3);
      COLORREF colour = cloud < 0.45 ? kWhite : cloud < 0.55 ? kPaletteColours[165] : Shade(kGrey, 1);
      if (s < 0.07)
        colour = Shade(kGrey, 4);
      else if (s < 0.2)
        colour = Shade(kGrey, 2);
      c.SetPixel(x, y, colour);
    }
}

// Distance between two points on the repeating tile.
double WrappedDistance(double ax, double ay, double bx, double by) {
  double dx = std::abs(ax - bx), dy = std::abs(ay - by);
  dx = std::min(dx, kTile - dx);
  dy = std::min(dy, kTile - dy);
  return std::hypot(dx, dy);
}

// pb3: round cobblestones in grey mortar, each lit from the top left.
void Stone(Canvas& c) {
  // One stone round each point of a jittered 3 x 3 grid.
  std::vector<Pt> seeds;
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i)
      seeds.push_back({18 * i + 4 + 10 * Jitter(i + 3 * j, 40), 18 * j + 4 + 10 * Jitter(i + 3 * j, 41)});
  const COLORREF stones[] = {Shade(kGrey, 2), Shade(kGrey, 3), Shade(kGrey, 4), Shade(kPeach, 2)};
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      int nearest = 0;
      double d1 = 1e9, d2 = 1e9;
      for (int k = 0; k < static_cast<int>(seeds.size()); ++k) {
        const double d = WrappedDistance(x, y, seeds[k].x, seeds[k].y);
        if (d < d1) {
          d2 = d1;
          d1 = d;
          nearest = k;
        } else if (d < d2) {
          d2 = d;
        }
      }
      COLORREF colour = stones[static_cast<int>(Jitter(nearest, 42) * 4)];
      const double edge = d2 - d1;
      if (edge < 1.6)
        colour = Shade(kGrey, 6);
      else if (edge < 3 && TileFbm(x, y, 43) < 0.5)
        colour = Shade(kGrey, 5);
      else if (TileNoise(x, y, 3, 44) > 0.8)
        colour = Shade(kGrey, 1);
      c.SetPixel(x, y, colour);
    }
}

// pb4: red bricks in light mortar, three to a course, every other course shifted by half a brick.
void Bricks(Canvas& c) {
  const COLORREF bricks[] = {Shade(kRed, 7), Shade(kRed, 8), Shade(kOrange, 8), Shade(kRed, 9)};
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      const int course = y / 9, shift = course % 2 ? 9 : 0;
      const int bx = Wrap(x + shift);
      const int brick = bx / 18 + 3 * course;
      COLORREF colour = bricks[static_cast<int>(Jitter(brick, 50) * 4)];
      if (TileNoise(x, y, 3, 51) > 0.84) colour = Shade(kRed, 9);
      if (y % 9 == 8 || bx % 18 == 17) colour = Shade(kGrey, 2);
      c.SetPixel(x, y, colour);
    }
}

// pb5: a lawn of grass blades leaning this way and that.
void Grass(Canvas& c) {
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x)
      c.SetPixel(x, y, TileFbm(x, y, 60) < 0.5 ? Shade(kGreen, 6) : Shade(kGreen, 5));
  const COLORREF blades[] = {Shade(kGreen, 4), Shade(kGreen, 3), Shade(kLime, 6), Shade(kGreen, 7),
                             Shade(kLime, 8)};
  // Blades are drawn in order of their roots, so nearer blades lie over farther ones.
  for (int b = 0; b < 260; ++b) {
    const double bx = kTile * Jitter(b, 61), by = kTile * b / 260.0;
    const double h = 5 + 6 * Jitter(b, 62), lean = 6 * (Jitter(b, 63) - 0.5);
    const COLORREF colour = blades[static_cast<int>(Jitter(b, 64) * 5)];
    for (int k = 0; k <= static_cast<int>(h); ++k) {
      const double f = k / h;
      c.SetPixel(Wrap(static_cast<int>(std::lround(bx + lean * f * f))),
                 Wrap(static_cast<int>(std::lround(by - k))), colour);
    }
  }
}

// pb6: blue water with rolling waves and white crests.
void Water(Canvas& c) {
  const std::vector<COLORREF> sea = {Shade(kSky, 7), Shade(kSky, 6), Shade(kSky, 5),
                                     Shade(kSky, 4), Shade(kSky, 3), Shade(kSky, 2)};
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      const double phase = y / 9.0 + 0.25 * std::sin(2 * kPi * x / 27.0) + 0.9 * TileFbm(x, y, 70);
      const double v = 0.5 + 0.5 * std::sin(2 * kPi * phase);
      c.SetPixel(x, y, v > 0.94 ? kWhite : v > 0.86 ? Shade(kSky, 0) : Ramp(sea, v / 0.86));
    }
}

// pb7: white clouds on a blue sky.
void Clouds(Canvas& c) {
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      const double v = TileFbm(x, y, 80, 4);
      const COLORREF colour = v < 0.46   ? Shade(kSky, 3)
                              : v < 0.5  ? Shade(kSky, 2)
                              : v < 0.54 ? Shade(kSky, 1)
                              : v < 0.58 ? Shade(kSky, 0)
                              : v < 0.62 ? kPaletteColours[165]
                                         : kWhite;
      c.SetPixel(x, y, colour);
    }
}

// pb8: a woven tartan: crossing bands of colour, the threads over and under in a diagonal twill.
void Fabric(Canvas& c) {
  // The colour of the thread at position u across the tile (the same pattern both ways).
  auto thread = [](int u) {
    if (u < 14) return Shade(kRed, 6);
    if (u < 16) return Shade(kYellow, 6);
    if (u < 18) return Shade(kRed, 6);
    if (u < 30) return Shade(kGreen, 8);
    if (u < 32) return Shade(kRed, 6);
    if (u < 42) return Shade(kBlue, 6);
    if (u < 44) return kWhite;
    return Shade(kRed, 6);
  };
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      // Three threads over, three under, stepping one along each row: the twill repeats every
      // six, which divides the tile, so the weave runs on across the seams.
      const bool warp = ((x + y) / 3) % 2 == 0;
      c.SetPixel(x, y, warp ? thread(x) : thread(y));
    }
}

}  // namespace

void DrawPatterns(const fs::path& dir) {
  for (int i = 0; i < 8; ++i) {
    Canvas c(8, 8, kWhite);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        if (kPatterns[i][y][x] == '#') c.SetPixel(x, y, kBlack);
    c.Save(dir / ("pa0" + std::to_string(i) + ".kvr"));
  }
}

void DrawTextures(const fs::path& dir) {
  const TextureRoutine textures[] = {Wood, Marble, Stone, Bricks, Grass, Water, Clouds, Fabric};
  for (int i = 0; i < 8; ++i) {
    Canvas c(kTile, kTile, kWhite);
    textures[i](c);
    c.Save(dir / ("pb" + std::to_string(i + 1) + ".kvr"));
  }
}

}  // namespace art
