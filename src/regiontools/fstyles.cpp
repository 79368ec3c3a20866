#include "regiontools/fstyles.h"

#include <algorithm>

#include "core/assets.h"
#include "core/canvas.h"
#include "core/state.h"
#include "media/sound.h"

namespace pd {

namespace {

constexpr int kBucketTool = 58;
constexpr int kChooserLeft = 82;
// The chart is placed one row above the window's top edge, so window row r shows chart row r + 1.
constexpr int kChartTop = -1;
constexpr int kChartWidth = 319, kChartHeight = 282;
// The first chart row of the gradients, and of the two rows of textures.
constexpr int kGradientRow = 68, kTextureRow = 94, kSecondTextureRow = 160;

}  // namespace

int FillStyleAt(int x, int y, bool brushes_only) {
  // The window is narrower than the chart, so no press lands beyond the eighth narrow cell or
  // the fourth wide one; the clamps keep a stray coordinate inside the styles all the same.
  const int narrow = std::clamp(x / 32, 0, 7), wide = std::clamp(x / 64, 0, 3);
  if (brushes_only) y = std::min(y, kGradientRow - 1);
  if (y < 34) return narrow;
  if (y < kGradientRow) return narrow + 8;
  if (y < kTextureRow) return narrow + 16;
  if (y < kSecondTextureRow) return wide + 24;
  return wide + 28;
}

TFillStyles::TFillStyles() : image1_(this) {
  SetCaption("FillStyles");
  SetBorderStyle(platform::BorderStyle::None);
  SetColour(gdi::RGB(0, 0, 0));
  SetClientSize(255, 225);
  image1_.SetBounds(0, kChartTop, kChartWidth, kChartHeight);
  image1_.OnPaint = [this] { Image1Paint(); };
  image1_.OnMouseDown = [this](platform::MouseButton, unsigned, int x, int y) { Image1MouseDown(x, y); };
  OnShow = [this] { FormShow(); };
  image1_.Show();
}

void TFillStyles::FormShow() {
  PlaySoundEffect(22);
  // The main window fills the screen's work area; the chooser is placed in its coordinates.
  const int origin_x = MainWindow ? MainWindow->Left() : 0, origin_y = MainWindow ? MainWindow->Top() : 0;
  brushes_only_ = CurrentTool == kBucketTool;
  if (brushes_only_)
    SetBounds(origin_x + kChooserLeft, origin_y + 280, Width(), 68);
  else
    SetBounds(origin_x + kChooserLeft, origin_y + 94, Width(), 222);
}

void TFillStyles::Image1MouseDown(int x, int y) {
  FillStyle = FillStyleAt(x, y, brushes_only_);
  Close(platform::mrOk);
}

void TFillStyles::Image1Paint() {
  gdi::HBITMAP chart = LoadAssetBitmap(kFillStyleChart);
  if (!chart) return;
  WindowCanvas canvas(&image1_);
  BitmapCanvas src(chart);
  gdi::BitBlt(canvas.dc(), 0, 0, kChartWidth, kChartHeight, src.dc(), 0, 0, gdi::SRCCOPY);
}

void ShowFillStyles() {
  TFillStyles chooser;
  chooser.ShowModal();
}

}  // namespace pd
