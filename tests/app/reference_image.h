// Stored reference pictures for scripted gestures: a box of the canvas is compared with an 8-bit
// bitmap file in tests/app/reference, and everything outside the box must still be the
// background. Run with PD_UPDATE_REFERENCES=1 to write the files afresh, then look at every one
// before committing it. A picture that differs is written to the test output directory.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "core/state.h"
#include "gdi/bmp.h"
#include "gdi/gdi.h"
#include "gdi/script.h"

namespace pd::testing {

// `background(x, y)` is the colour the canvas had before the gesture.
inline void ExpectCanvasReference(const gdi::Bitmap& canvas, const std::string& name, gdi::RECT box,
                                  const std::function<gdi::COLORREF(int, int)>& background) {
  ASSERT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= canvas.Width() && box.bottom <= canvas.Height());
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x)
      if (!PointInBox(x, y, box.left, box.top, box.right, box.bottom)) {
        ASSERT_EQ(canvas.At(x, y), gdi::PixelFromColorref(background(x, y)))
            << name << ": outside the box at " << x << "," << y;
      }
  gdi::HBITMAP crop = gdi::CreateDIBSection32(box.right - box.left, box.bottom - box.top);
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x) crop->At(x - box.left, y - box.top) = canvas.At(x, y);

  const auto path = std::filesystem::path(PD_APP_REFERENCE_DIR) / (name + ".bmp");
  std::string error;
  const char* update = std::getenv("PD_UPDATE_REFERENCES");
  if (update && std::string(update) == "1") {
    ASSERT_TRUE(gdi::SaveBmp8(path.string(), *crop, AppPalette->entries, &error)) << error;
    return;
  }
  gdi::HBITMAP expected = gdi::LoadBmpFile(path.string(), &error);
  ASSERT_TRUE(expected) << path << ": " << error;
  const gdi::ImageDiff diff = gdi::CompareImages(*crop, *expected, nullptr);
  if (diff.differing != 0 || diff.size_mismatch) {
    std::filesystem::create_directories(PD_TEST_OUT_DIR);
    gdi::SaveBmp8(std::string(PD_TEST_OUT_DIR) + "/" + name + ".bmp", *crop, AppPalette->entries, &error);
  }
  EXPECT_FALSE(diff.size_mismatch) << name;
  EXPECT_EQ(diff.differing, 0) << name << ": first difference box " << diff.box.left << "," << diff.box.top;
}

}  // namespace pd::testing
