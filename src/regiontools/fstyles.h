// The fill-style chooser TFillStyles: a borderless window beside the panels that shows a chart of
// the 32 fill styles and closes as soon as one is pressed, leaving it in FillStyle.
#pragma once

#include "platform/platform.h"

namespace pd {

// The chart of the styles, 319 x 282, in AssetDir. Rows from its top: styles 0..7 in cells 32
// wide (y 0..33), 8..15 (y 34..67), the gradients 16..23 (y 68..93), then cells 64 wide with the
// textures 24..27 (y 94..159) and 28..31 (y 160 on).
inline constexpr const char* kFillStyleChart = "fstyles.kvr";

// The style of the chart's cell at (x, y), in the chart's pixels. With brushes_only (the BUCKET,
// which cannot paint gradients or textures) the answer is one of 0..15 wherever the press is:
// the strip of the gradient row that shows at the chooser's bottom edge counts as the row above.
int FillStyleAt(int x, int y, bool brushes_only);

class TFillStyles : public platform::Form {
 public:
  TFillStyles();

  platform::Window& Image1() { return image1_; }
  // Clicks, and places the window at the canvas's left edge: for the BUCKET 68 rows high at
  // y 280 so that only the brush rows show, otherwise 222 rows at y 94.
  void FormShow();
  // Any mouse button chooses the style under the press and closes the window.
  void Image1MouseDown(int x, int y);

 private:
  void Image1Paint();

  platform::Window image1_;
  bool brushes_only_ = false;
};

// Shows TFillStyles modally.
void ShowFillStyles();

}  // namespace pd
