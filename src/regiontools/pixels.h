// Pixel by pixel reads and writes on a DC for the pixel effects, with the results of GetPixel
// and SetPixel but without a call per pixel: on a colour surface without a clip region (the
// canvas) they go straight to the surface's words, anywhere else through GetPixel and SetPixel.
#pragma once

#include <algorithm>
#include <cstdint>

#include "gdi/gdi.h"

namespace pd {

class DirectPixels {
 public:
  explicit DirectPixels(const gdi::HDC& dc)
      : dc_(dc),
        surface_(dc && dc->surface && !dc->clip && !dc->surface->IsMono() ? dc->surface.get() : nullptr) {}
  DirectPixels(const DirectPixels&) = delete;
  DirectPixels& operator=(const DirectPixels&) = delete;
  // The written pixels are handed to the screen in one box.
  ~DirectPixels() {
    if (surface_ && touched_left_ < touched_right_)
      for (int y = touched_top_; y < touched_bottom_; ++y) surface_->Touch(touched_left_, touched_right_, y);
  }

  int Width() const { return dc_ && dc_->surface ? dc_->surface->Width() : 0; }
  int Height() const { return dc_ && dc_->surface ? dc_->surface->Height() : 0; }

  // As GetPixel: CLR_INVALID off the surface.
  gdi::COLORREF Get(int x, int y) const {
    if (!surface_) return gdi::GetPixel(dc_, x, y);
    if (!OnSurface(x, y)) return gdi::CLR_INVALID;
    return gdi::ColorrefFromPixel(surface_->At(x, y));
  }
  // The word a colour is written as: the argument of Put.
  std::uint32_t Word(gdi::COLORREF colour) const { return dc_ ? gdi::ColourToPixel(*dc_, colour) : 0; }
  // As SetPixel with the colour whose Word this is: nothing off the surface.
  void Put(int x, int y, std::uint32_t word, gdi::COLORREF colour) {
    if (!surface_) {
      gdi::SetPixel(dc_, x, y, colour);
      return;
    }
    if (!OnSurface(x, y)) return;
    surface_->At(x, y) = word;
    touched_left_ = std::min(touched_left_, x);
    touched_right_ = std::max(touched_right_, x + 1);
    touched_top_ = std::min(touched_top_, y);
    touched_bottom_ = std::max(touched_bottom_, y + 1);
  }
  // As Put at every x of [x0, x1) on row y.
  void PutSpan(int y, int x0, int x1, std::uint32_t word, gdi::COLORREF colour) {
    if (!surface_) {
      for (int x = x0; x < x1; ++x) gdi::SetPixel(dc_, x, y, colour);
      return;
    }
    if (y < 0 || y >= surface_->Height()) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, surface_->Width());
    if (x0 >= x1) return;
    std::fill(surface_->Row(y) + x0, surface_->Row(y) + x1, word);
    touched_left_ = std::min(touched_left_, x0);
    touched_right_ = std::max(touched_right_, x1);
    touched_top_ = std::min(touched_top_, y);
    touched_bottom_ = std::max(touched_bottom_, y + 1);
  }
  // The surface's words when they can be written directly, else null.
  gdi::Bitmap* Direct() { return surface_; }
  void TouchAll() {
    if (surface_) surface_->TouchAll();
  }

 private:
  bool OnSurface(int x, int y) const {
    return x >= 0 && y >= 0 && x < surface_->Width() && y < surface_->Height();
  }

  const gdi::HDC& dc_;
  gdi::Bitmap* surface_;
  int touched_left_ = INT32_MAX, touched_right_ = INT32_MIN;
  int touched_top_ = INT32_MAX, touched_bottom_ = INT32_MIN;
};

}  // namespace pd
