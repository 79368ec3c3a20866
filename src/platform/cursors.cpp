// The screen's cursor list and the conversion of AND/XOR cursors into images.
#include <algorithm>
#include <map>

#include "platform/backend.h"

namespace platform {

namespace {

std::map<int, gdi::HCURSOR>& CursorList() {
  static std::map<int, gdi::HCURSOR> list;
  return list;
}

int screen_cursor = 0;

}  // namespace

gdi::HCURSOR CreateCursor(int hot_x, int hot_y, int width, int height, const void* and_plane,
                          const void* xor_plane) {
  if (width <= 0 || height <= 0 || and_plane == nullptr || xor_plane == nullptr) return nullptr;
  gdi::HBITMAP mask = gdi::CreateBitmap(width, height, 1, 1, and_plane);
  gdi::HBITMAP image = gdi::CreateBitmap(width, height, 1, 1, xor_plane);
  return gdi::CreateIconFromBitmaps(mask, image, hot_x, hot_y);
}

void RegisterCursor(int number, const gdi::HCURSOR& cursor) {
  if (number == 0) return;
  if (cursor) {
    CursorList()[number] = cursor;
  } else {
    CursorList().erase(number);
  }
  detail::CursorListChanged();
  if (screen_cursor == number) detail::ApplyScreenCursor(number);
}

gdi::HCURSOR RegisteredCursor(int number) {
  auto it = CursorList().find(number);
  return it == CursorList().end() ? nullptr : it->second;
}

void SetScreenCursor(int number) {
  if (screen_cursor == number) return;
  screen_cursor = number;
  detail::ApplyScreenCursor(number);
}

int ScreenCursor() { return screen_cursor; }

namespace detail {
void ClearCursorList() {
  CursorList().clear();
  screen_cursor = 0;
  CursorListChanged();
}
}  // namespace detail

CursorImage CursorImageOf(const gdi::Icon& cursor) {
  CursorImage out;
  if (!cursor.mask || !cursor.image) return out;
  const gdi::Bitmap& mask = *cursor.mask;
  const gdi::Bitmap& image = *cursor.image;
  out.width = std::min(mask.Width(), image.Width());
  out.height = std::min(mask.Height(), image.Height());
  out.hot_x = cursor.hot_x;
  out.hot_y = cursor.hot_y;
  const std::size_t n = static_cast<std::size_t>(out.width) * out.height;
  out.argb.assign(n, 0);
  out.bitmap.assign(n, 0);
  out.mask.assign(n, 0);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * out.width + x;
      const bool and_bit = (mask.At(x, y) & 0xFFFFFF) != 0;
      const std::uint32_t colour = image.At(x, y) & 0xFFFFFF;
      const bool black_or_white = colour == 0 || colour == 0xFFFFFF;
      if (!and_bit) {
        // The screen is cleared and the image drawn: an opaque pixel.
        out.argb[i] = 0xFF000000u | colour;
        out.bitmap[i] = colour == 0 ? 1 : 0;
        out.mask[i] = 1;
        if (!black_or_white) out.monochrome = false;
      } else if (colour != 0) {
        // The screen is kept and the image XOR-ed onto it: an inverting pixel.
        out.argb[i] = 0xFF000000u;
        out.bitmap[i] = 1;
        out.mask[i] = 0;
        out.inverts = true;
        if (colour != 0xFFFFFF) out.monochrome = false;
      }
    }
  }
  return out;
}

}  // namespace platform
