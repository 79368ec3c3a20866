// The colouring-book pages must suit the BUCKET: pure black outlines on pure white, every part a
// closed area of its own.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "generated_artwork.h"

namespace {

constexpr gdi::COLORREF kInk = gdi::RGB(0, 0, 0), kPaper = gdi::RGB(255, 255, 255);

// The sizes of the 4-connected white areas of the page, as a fill would find them.
std::vector<int> WhiteAreas(const gdi::HBITMAP& page) {
  const int w = page->Width(), h = page->Height();
  std::vector<char> seen(static_cast<std::size_t>(w) * h, 0);
  std::vector<int> areas, stack;
  for (int start = 0; start < w * h; ++start) {
    if (seen[start] || gdi::ColorrefFromPixel(page->At(start % w, start / w)) != kPaper) continue;
    int size = 0;
    stack.push_back(start);
    seen[start] = 1;
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      ++size;
      const int x = i % w, y = i / w;
      const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (const auto& n : next) {
        if (n[0] < 0 || n[1] < 0 || n[0] >= w || n[1] >= h) continue;
        const int j = n[1] * w + n[0];
        if (seen[j] || gdi::ColorrefFromPixel(page->At(n[0], n[1])) != kPaper) continue;
        seen[j] = 1;
        stack.push_back(j);
      }
    }
    areas.push_back(size);
  }
  return areas;
}

class ColouringPagesTest : public artwork_test::GeneratedArtworkTest {};

TEST_F(ColouringPagesTest, OutlinesArePureBlackAndEveryPartIsClosed) {
  for (int n = 1; n <= 8; ++n) {
    const std::string name = "art/cb" + std::to_string(n) + ".bmp";
    const gdi::HBITMAP page = Load(name);
    ASSERT_TRUE(page);
    int ink = 0, other = 0;
    for (int y = 0; y < page->Height(); ++y)
      for (int x = 0; x < page->Width(); ++x) {
        const gdi::COLORREF c = At(page, x, y);
        ink += c == kInk;
        other += c != kInk && c != kPaper;
      }
    EXPECT_EQ(other, 0) << name << ": only black and white";
    EXPECT_GT(ink, page->Width() * page->Height() / 50) << name << ": bold outlines";
    // Many parts to colour, and none of them runs out into the page round the figure: the
    // largest area (the page behind the figure) is well under the whole.
    std::vector<int> areas = WhiteAreas(page);
    int big = 0, largest = 0;
    for (int a : areas) {
      big += a >= 400;
      largest = std::max(largest, a);
    }
    EXPECT_GE(big, 8) << name;
    EXPECT_LT(largest, page->Width() * page->Height() * 3 / 4) << name;
  }
}

}  // namespace
