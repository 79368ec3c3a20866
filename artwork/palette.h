// The program's 225 colours, for the artwork generator.
//
// The pictures are drawn in these colours wherever a colour matters, so that the program, which
// realizes one 225-entry logical palette, shows them without a shift. The colour-row buttons of
// "a1.kvr" must show exactly these values, one per shade band.
#pragma once

#include <array>

#include "gdi/gdi.h"

namespace art {

// clang-format off
// Rows 0..15 of ten shades each, shade 0 the lightest: entries 0..159.
inline constexpr int kShadeTable[16][10][3] = {
    {{229, 186, 255}, {218, 159, 255}, {208, 127, 255}, {202, 95, 255}, {191, 64, 255},
     {181, 32, 255}, {154, 0, 229}, {128, 0, 207}, {117, 0, 181}, {96, 0, 159}},
    {{255, 186, 255}, {255, 159, 255}, {255, 127, 255}, {255, 95, 255}, {255, 64, 255},
     {255, 32, 255}, {224, 0, 224}, {202, 0, 202}, {181, 0, 181}, {159, 0, 159}},
    {{184, 252, 252}, {124, 252, 252}, {64, 252, 252}, {32, 252, 252}, {0, 228, 228},
     {0, 204, 204}, {0, 180, 180}, {0, 156, 156}, {0, 132, 132}, {0, 112, 112}},
    {{0, 0, 255}, {0, 0, 231}, {0, 0, 218}, {0, 0, 205}, {0, 0, 192},
     {0, 0, 179}, {0, 0, 166}, {0, 0, 153}, {0, 0, 140}, {0, 0, 127}},
    {{202, 127, 79}, {191, 122, 74}, {181, 112, 69}, {170, 106, 64}, {160, 101, 63},
     {159, 96, 58}, {144, 95, 53}, {138, 90, 48}, {120, 80, 47}, {117, 79, 42}},
    {{255, 218, 197}, {255, 213, 191}, {255, 207, 176}, {255, 197, 165}, {255, 191, 159},
     {255, 186, 144}, {255, 176, 128}, {255, 165, 112}, {255, 159, 96}, {240, 149, 95}},
    {{255, 255, 255}, {230, 230, 230}, {205, 205, 205}, {180, 180, 180}, {155, 155, 155},
     {130, 130, 130}, {105, 105, 105}, {80, 80, 80}, {55, 55, 55}, {0, 0, 0}},
    {{228, 216, 0}, {218, 206, 0}, {208, 196, 0}, {198, 186, 0}, {188, 176, 0},
     {178, 166, 0}, {168, 156, 0}, {158, 146, 0}, {148, 136, 0}, {138, 126, 0}},
    {{252, 252, 216}, {252, 252, 184}, {252, 252, 156}, {252, 252, 124}, {252, 244, 96},
     {252, 244, 64}, {252, 244, 32}, {252, 244, 0}, {228, 244, 0}, {204, 244, 0}},
    {{255, 186, 186}, {255, 159, 159}, {255, 127, 127}, {255, 64, 64}, {255, 32, 32},
     {255, 0, 0}, {239, 0, 0}, {215, 0, 0}, {200, 0, 0}, {185, 0, 0}},
    {{255, 186, 229}, {255, 159, 218}, {255, 127, 208}, {255, 95, 202}, {255, 64, 191},
     {255, 32, 181}, {229, 0, 154}, {207, 0, 128}, {181, 0, 117}, {159, 0, 96}},
    {{168, 255, 168}, {128, 255, 128}, {32, 255, 32}, {0, 255, 0}, {0, 225, 0},
     {0, 195, 0}, {0, 165, 0}, {0, 135, 0}, {0, 105, 0}, {0, 90, 0}},
    {{30, 200, 180}, {28, 190, 170}, {26, 180, 160}, {24, 170, 150}, {22, 160, 140},
     {20, 150, 130}, {18, 140, 120}, {16, 130, 110}, {14, 120, 100}, {12, 100, 90}},
    {{156, 212, 252}, {124, 200, 252}, {92, 188, 252}, {64, 176, 252}, {32, 168, 252},
     {0, 156, 252}, {0, 140, 228}, {0, 124, 204}, {0, 108, 180}, {0, 92, 156}},
    {{252, 184, 124}, {252, 168, 92}, {252, 152, 64}, {252, 136, 32}, {252, 132, 16},
     {252, 120, 0}, {228, 108, 0}, {204, 96, 0}, {180, 84, 0}, {156, 76, 0}},
    {{208, 252, 92}, {196, 252, 92}, {180, 252, 32}, {164, 252, 0}, {148, 240, 0},
     {140, 230, 0}, {130, 220, 0}, {120, 210, 0}, {110, 200, 0}, {100, 190, 0}},
};

// Entries 210..224, after the grid and the fifty near-whites.
inline constexpr int kExtraColours[15][3] = {
    {43, 199, 183}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255}, {255, 0, 0},
    {255, 0, 255},  {255, 255, 0}, {0, 255, 0},   {0, 0, 128},   {0, 128, 0},
    {0, 128, 128},  {128, 0, 0},   {128, 0, 128}, {128, 128, 0}, {0, 128, 0},
};
// clang-format on

constexpr std::array<gdi::COLORREF, 225> MakePaletteColours() {
  std::array<gdi::COLORREF, 225> p{};
  for (int r = 0; r < 16; ++r)
    for (int s = 0; s < 10; ++s)
      p[r * 10 + s] = gdi::RGB(kShadeTable[r][s][0], kShadeTable[r][s][1], kShadeTable[r][s][2]);
  // Fifty near-whites in five blocks of ten; none of them is pure white, so a white canvas never
  // matches one of them by accident.
  for (int b = 0; b < 5; ++b)
    for (int j = 0; j < 10; ++j) {
      const int blue = 254 - j / 2;
      p[160 + 10 * b + j] =
          b < 3 ? gdi::RGB(255 - 2 * b - j % 2, 255, blue) : gdi::RGB(255, 254 - 2 * (b - 3) - j % 2, blue);
    }
  for (int i = 0; i < 15; ++i)
    p[210 + i] = gdi::RGB(kExtraColours[i][0], kExtraColours[i][1], kExtraColours[i][2]);
  return p;
}

inline constexpr std::array<gdi::COLORREF, 225> kPaletteColours = MakePaletteColours();

// Row r, shade s (0 lightest .. 9 darkest).
constexpr gdi::COLORREF Shade(int row, int shade) {
  return kPaletteColours[row * 10 + shade];
}

// The colour families by row number, for readable drawing code.
// clang-format off
enum Row : int {
  kViolet = 0, kMagenta = 1, kCyan = 2, kBlue = 3, kBrown = 4, kPeach = 5, kGrey = 6, kOlive = 7,
  kYellow = 8, kRed = 9, kPink = 10, kGreen = 11, kTeal = 12, kSky = 13, kOrange = 14, kLime = 15
};
// clang-format on

inline constexpr gdi::COLORREF kBlack = Shade(kGrey, 9);
inline constexpr gdi::COLORREF kWhite = Shade(kGrey, 0);
inline constexpr gdi::COLORREF kInk = Shade(kGrey, 8);  // outlines: softer than pure black

}  // namespace art
