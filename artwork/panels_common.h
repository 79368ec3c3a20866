// Buttons and strips shared by the option-panel pictures.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "canvas.h"
#include "palette.h"

namespace art {

// A press area of a panel in the picture's pixels: columns l..r-1, rows t..b-1 of a strip.
struct Box {
  int l, t, r, b;
};
inline Pt Mid(Box b) {
  return {(b.l + b.r) / 2.0, (b.t + b.b) / 2.0};
}

inline constexpr COLORREF kLitFill = Shade(kYellow, 1), kLitRim = Shade(kOrange, 5);
inline constexpr COLORREF kDimFill = Shade(kGrey, 7), kDimRim = Shade(kGrey, 5);

// A rounded button filling the box, one pixel in from its edges so that neighbours stay apart:
// lit (light, with a bold orange rim) for the choice in force, dim otherwise. The pictures on the
// buttons never use the rim's colour, so the lit button can be found by it.
void Button(Painter& p, Box b, bool lit);

// A button of a panel and the routine that draws its picture over the button.
struct Choice {
  Box box;
  std::function<void(Painter&, Box, bool lit)> icon;
};

// Writes a panel of `width` x 50 strips: strip i shows every choice, with choice lit[i] lit.
void ChoicePanel(const std::filesystem::path& file, int width, const std::vector<Choice>& choices,
                 const std::vector<int>& lit);

// The press areas of panels split at x 40, and of those split at x 28 and 55.
inline std::vector<Box> Halves() {
  return {{0, 0, 40, 50}, {40, 0, 80, 50}};
}
inline std::vector<Box> Thirds() {
  return {{0, 0, 28, 50}, {28, 0, 55, 50}, {55, 0, 80, 50}};
}

}  // namespace art
