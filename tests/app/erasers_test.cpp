// The screen erasers and TUNNEL, driven headless: what each leaves on the canvas, how long the
// sweeps take and that their frames reach the screen, and the buttons' protocol.
#include <set>
#include <utility>

#include "app_fixture.h"
#include "core/assets.h"
#include "core/canvas.h"
#include "effects/erasers.h"

namespace pd::testing {
namespace {

namespace hl = platform::headless;

class ErasersTest : public AppTest {
 protected:
  // The program again, on a screen that gives a canvas of w x h.
  void Restart(int w, int h) {
    main_.reset();
    app_.reset();
    Start(w + 82, h + 94);
  }
  int SurfaceArea() { return Canvas().ClientWidth() * Canvas().ClientHeight(); }
  void PressEraser(int category_index, int slot) {
    hl::Click(main_->TabSet1(), 36 * category_index + (category_index <= 6 ? 12 : 17) + 16, 16);
    hl::Click(main_->Image(slot), 20, 20);
  }
  // Runs an effect and answers how long it took on the clock and how many frames it showed.
  template <typename F>
  std::pair<int, int> Timed(F effect) {
    const std::uint32_t start = hl::Now();
    const int flushes = hl::FlushCount();
    effect();
    return {static_cast<int>(hl::Now() - start), hl::FlushCount() - flushes};
  }
};

TEST_F(ErasersTest, EveryWipeEndsAllWhiteOnCanvasesOfEveryShape) {
  // Canvas widths and heights that are and are not multiples of 4.
  const std::pair<int, int> sizes[] = {{640, 480}, {643, 481}, {642, 483}};
  for (auto [w, h] : sizes) {
    Restart(w, h);
    ASSERT_EQ(CanvasWidth, w);
    for (int variant = 1; variant <= 8; ++variant) {
      SCOPED_TRACE(::testing::Message() << w << "x" << h << " variant " << variant);
      FillCanvas(kBlue);
      const auto [ms, frames] = Timed([&] { WipeScreenWhite(variant); });
      EXPECT_EQ(CountCanvas(kWhite), SurfaceArea());
      EXPECT_GE(ms, 250);
      EXPECT_LE(ms, 1500);
      EXPECT_GE(frames, 20);  // the sweep is seen, at 60 Hz
    }
  }
}

TEST_F(ErasersTest, SweepsLastTheirTimeAtAnyRefreshRate) {
  for (double hz : {24.0, 60.0, 144.0}) {
    hl::SetRefreshRate(hz);
    const std::pair<const char*, void (*)()> sweeps[] = {
        {"wipe", [] { WipeScreenWhite(5); }}, {"bricks", [] { BrickScreen(2); }}, {"stars", StarScreen}};
    for (auto [name, sweep] : sweeps) {
      SCOPED_TRACE(::testing::Message() << name << " at " << hz << " Hz");
      FillCanvas(kBlue);
      const auto [ms, frames] = Timed(sweep);
      EXPECT_GE(ms, 250);
      EXPECT_LE(ms, 1500);
      EXPECT_GE(frames, hz * ms / 1000 * 0.7);
    }
  }
}

TEST_F(ErasersTest, BricksTileTheWholeCanvasWhateverItsWidth) {
  Restart(1000, 500);  // 1000 = 18 * 54 + 28
  const gdi::HBITMAP tile = LoadAssetBitmap("pb4.kvr");
  ASSERT_TRUE(tile);
  BrickScreen(4);
  const auto& s = *Canvas().Surface();
  int wrong = 0;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) wrong += s.At(x, y) != tile->At(x % 54, y % 54);
  EXPECT_EQ(wrong, 0);
}

TEST_F(ErasersTest, AMissingTileShowsTheMessageAndLeavesTheCanvas) {
  UseScratchAssetDir();
  FillCanvas(kBlue);
  BrickScreen(3);
  EXPECT_EQ(CountCanvas(kBlue), SurfaceArea());
  ASSERT_EQ(hl::Dialogs().asked.size(), 1u);
  EXPECT_NE(hl::Dialogs().asked[0].text.find("pb3.kvr"), std::string::npos);
}

TEST_F(ErasersTest, StarsOnA640WideCanvasAreTheGeneratorsNext3201Points) {
  Restart(640, 400);
  RandSeed(99);
  std::set<std::pair<int, int>> expected;
  for (int i = 0; i < 3201; ++i) {
    const int y = Random(CanvasHeight);
    const int x = Random(CanvasWidth);
    if (x < Canvas().ClientWidth() && y < Canvas().ClientHeight()) expected.insert({x, y});
  }
  RandSeed(99);
  StarScreen();
  EXPECT_EQ(effects_, std::vector<int>{16});
  const auto& s = *Canvas().Surface();
  std::set<std::pair<int, int>> white;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) {
      if (s.At(x, y) == 0xFFFFFF)
        white.insert({x, y});
      else
        EXPECT_EQ(s.At(x, y), 0u);
    }
  EXPECT_EQ(white, expected);
}

TEST_F(ErasersTest, TunnelTwiceWorksFromThePictureBeforeTheSecondPress) {
  Restart(643, 481);
  // A picture half black and half white, so that every nested copy shows.
  {
    WindowCanvas canvas(&Canvas());
    gdi::PatBlt(canvas.dc(), 0, 0, CanvasWidth / 2, CanvasHeight, gdi::BLACKNESS);
  }
  auto tunnel_of = [&](const gdi::Bitmap& picture) {
    gdi::HBITMAP src = gdi::CreateDIBSection32(picture.Width(), picture.Height());
    std::copy(picture.Pixels(), picture.Pixels() + picture.Width() * picture.Height(), src->Pixels());
    gdi::HBITMAP out = gdi::CreateDIBSection32(picture.Width(), picture.Height());
    std::copy(src->Pixels(), src->Pixels() + picture.Width() * picture.Height(), out->Pixels());
    BitmapCanvas s(src), o(out);
    const int dx = CanvasWidth / 25, dy = CanvasHeight / 25;
    for (int i = 1; i <= 12; ++i)
      gdi::StretchBlt(o.dc(), dx * i, dy * i, CanvasWidth - 2 * dx * i, CanvasHeight - 2 * dy * i, s.dc(), 0,
                      0, CanvasWidth - 2, CanvasHeight - 2, gdi::SRCCOPY);
    return out;
  };
  PressEraser(7, 1);
  CurrentTool = 31;
  CurrentPictureName = "user/UP000001.BMP";
  ColorbookMode = true;
  for (int press = 0; press < 2; ++press) {
    const gdi::HBITMAP expected = tunnel_of(*Canvas().Surface());
    hl::Click(main_->Image(4), 20, 20);
    const auto& s = *Canvas().Surface();
    EXPECT_TRUE(std::equal(s.Pixels(), s.Pixels() + s.Width() * s.Height(), expected->Pixels())) << press;
  }
  // TUNNEL changes neither the tool, the picture's name nor the colouring-book mode.
  EXPECT_EQ(CurrentTool, 31);
  EXPECT_EQ(CurrentPictureName, "user/UP000001.BMP");
  EXPECT_TRUE(ColorbookMode);
}

TEST_F(ErasersTest, EveryEraserMakesANewPictureAndKeepsTheTool) {
  for (int slot = 1; slot <= 10; ++slot) {
    SCOPED_TRACE(slot);
    CurrentTool = 31;
    PressEraser(6, slot);
    CurrentTool = slot == 2 ? CurrentTool : 33;
    CurrentPictureName = "user/UP000001.BMP";
    ColorbookMode = true;
    FillCanvas(kBlue);
    effects_.clear();
    hl::Click(main_->Image(slot), 20, 20);
    // The button's click, and the erasers of our own their sound.
    if (slot >= 6) {
      EXPECT_EQ(effects_, (std::vector<int>{6, 64 + slot}));
    }
    EXPECT_TRUE(CurrentPictureName.empty());
    EXPECT_FALSE(ColorbookMode);
    EXPECT_EQ(CurrentTool, slot == 2 ? 47 : 33);
    // Each leaves a fresh canvas: white, the chalkboard, tiles, stars or a background.
    if (slot != 2) {
      EXPECT_EQ(CountCanvas(kBlue), 0);
    }
    if (slot == 1 || (slot >= 6 && slot <= 9)) {
      EXPECT_EQ(CountCanvas(kWhite), SurfaceArea());
    }
  }
}

}  // namespace
}  // namespace pd::testing
