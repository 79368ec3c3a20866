// Checks of the stamps and the clip art the generator writes: sizes and layouts, transparent
// colours and masks that agree with their images, and metafiles the program's player reads.
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "gdi/wmf.h"
#include "generated_artwork.h"

namespace {

namespace fs = std::filesystem;
using artwork_test::GeneratedArtworkTest;

constexpr gdi::COLORREF kStampClear = gdi::RGB(166, 202, 240);

std::set<std::string> Files(const fs::path& dir, const std::string& ext) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().extension() == ext) names.insert(e.path().filename().string());
  return names;
}

TEST_F(GeneratedArtworkTest, IconStampsAndTheirChooserPicture) {
  const gdi::HBITMAP chooser = Load("stampwin.kvr");
  ASSERT_TRUE(chooser);
  EXPECT_EQ(chooser->Width(), 1920);
  EXPECT_EQ(chooser->Height(), 96);
  for (int n = 20; n < 200; ++n) {
    const gdi::HBITMAP sheet = Load("icons/icon" + std::to_string(n) + ".kvr");
    ASSERT_TRUE(sheet);
    ASSERT_EQ(sheet->Width(), 32);
    ASSERT_EQ(sheet->Height(), 64);
    // The chooser's cell shows the icon's opaque pixels as they are.
    const int cx = (n - 20) % 60 * 32, cy = (n - 20) / 60 * 32;
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (At(sheet, x, y) == 0) {
          ++opaque;
          ASSERT_EQ(At(sheet, x, 32 + y), At(chooser, cx + x, cy + y)) << n;
        }
    EXPECT_GT(opaque, 150) << n;
  }
}

TEST_F(GeneratedArtworkTest, SquareStampsAreSixtyFourSquareOnTheTransparentColour) {
  const auto names = Files(Dir() / "stamps", ".bmp");
  EXPECT_GE(names.size(), 36u);
  for (const std::string& name : names) {
    const gdi::HBITMAP b = Load("stamps/" + name);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Width(), 64);
    EXPECT_EQ(b->Height(), 64);
    int clear = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) clear += At(b, x, y) == kStampClear;
    EXPECT_GT(clear, 200) << name;
    EXPECT_LT(clear, 64 * 64 - 800) << name;
  }
}

TEST_F(GeneratedArtworkTest, LargeStampsHaveMasksThatMatchTheirImages) {
  for (int i = 1; i <= 8; ++i)
    for (const bool wide : {true, false}) {
      const std::string name = std::string("art/") + (wide ? "hm" : "vm") + std::to_string(i) + ".bmp";
      const gdi::HBITMAP b = Load(name);
      ASSERT_TRUE(b);
      ASSERT_EQ(b->Width(), 200);
      ASSERT_EQ(b->Height(), 200);
      const int w = wide ? 200 : 100, h = wide ? 100 : 200, mx = wide ? 0 : 100, my = wide ? 100 : 0;
      int figure = 0;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          const gdi::COLORREF mask = At(b, mx + x, my + y);
          ASSERT_TRUE(mask == 0 || mask == 0xFFFFFF) << name;
          if (mask == 0xFFFFFF) {
            ASSERT_EQ(At(b, x, y), 0u) << name << " at " << x << "," << y;
          }
          figure += mask == 0;
        }
      EXPECT_GT(figure, w * h / 5) << name;
    }
  for (const auto& e : fs::directory_iterator(Dir() / "art")) {
    const std::string n = e.path().filename().string();
    EXPECT_FALSE(n.rfind("hc", 0) == 0 || n.rfind("vc", 0) == 0) << n;
  }
}

TEST_F(GeneratedArtworkTest, ClipArtMetafilesAreReadAndDrawnByThePlayer) {
  const auto names = Files(Dir() / "art", ".wmf");
  EXPECT_GE(names.size(), 24u);
  std::set<int> shapes;  // the record functions, between them
  for (const std::string& name : names) {
    std::string error;
    const gdi::HMETAFILE mf = gdi::LoadMetafileFile((Dir() / "art" / name).string(), &error);
    ASSERT_TRUE(mf) << name << ": " << error;
    EXPECT_TRUE(mf->placeable);
    EXPECT_GE(std::max(mf->natural_width, mf->natural_height), 150) << name;
    EXPECT_GT(std::min(mf->natural_width, mf->natural_height), 50) << name;
    // Drawn on white, the picture covers a good part of its box in colour.
    gdi::HBITMAP bmp = gdi::CreateDIBSection32(100, 100);
    bmp->Fill(0xFFFFFF);
    gdi::PlayMetafile(gdi::CreateSurfaceDC(bmp), *mf, {0, 0, 100, 100});
    int coloured = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 100; ++x) coloured += bmp->At(x, y) != 0xFFFFFF;
    EXPECT_GT(coloured, 2500) << name;
    for (std::size_t off = mf->first_record; off + 6 <= mf->records_end;) {
      const auto* p = mf->bytes.data() + off;
      const std::uint32_t words =
          p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
      shapes.insert(p[4] | (p[5] << 8));
      off += 2 * static_cast<std::size_t>(words);
    }
  }
  for (const int fn : {gdi::META_ELLIPSE, gdi::META_POLYGON, gdi::META_ARC, gdi::META_PIE, gdi::META_CHORD})
    EXPECT_TRUE(shapes.count(fn)) << "no clip art uses record " << fn;
}

}  // namespace
