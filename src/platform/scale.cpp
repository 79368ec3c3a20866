// Whole-factor magnification for high-density screens.
#include <algorithm>
#include <cmath>

#include "platform/platform.h"

namespace platform {

int WholeScale(double device_pixel_ratio) {
  // A ratio a hair under a whole number (1.9999 from a rounded setting) still means that number.
  const double whole = std::floor(device_pixel_ratio + 1e-6);
  if (!(whole >= 1.0)) return 1;
  return static_cast<int>(std::min(whole, 16.0));
}

gdi::HBITMAP ScaleNearest(const gdi::Bitmap& src, int factor) {
  factor = std::max(1, factor);
  auto out = std::make_shared<gdi::Bitmap>(src.Width() * factor, src.Height() * factor, src.IsMono());
  for (int y = 0; y < src.Height(); ++y) {
    const std::uint32_t* in = src.Row(y);
    std::uint32_t* first = out->Row(y * factor);
    for (int x = 0; x < src.Width(); ++x) std::fill_n(first + x * factor, factor, in[x]);
    for (int k = 1; k < factor; ++k) std::copy_n(first, out->Width(), out->Row(y * factor + k));
  }
  return out;
}

}  // namespace platform
