// The program's 225 colours, for the artwork generator.
//
// The pictures are drawn in these colours wherever a colour matters, so that the program, which
// realizes one 225-entry logical palette, shows them without a shift. The colour-row buttons of
// "a1.kvr" must show exactly these values, one per shade band.
#pragma once

#include <array>

#include "core/palette_table.h"
#include "gdi/gdi.h"

namespace art {

inline constexpr std::array<gdi::COLORREF, 225> kPaletteColours = pd::kPaletteTable;

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
