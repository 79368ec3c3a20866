// Stamps: the square-stamp and icon-stamp choosers, the preparation of a chosen stamp, and
// placing the stamps on the canvas (large, square and icon stamps).
#include <filesystem>
#include <string>

#include "app/dispatch.h"
#include "app_fixture.h"
#include "core/assets.h"
#include "gdi/bmp.h"
#include "pictures/clipart.h"
#include "pictures/stamps.h"
#include "regiontools/stamps.h"

namespace pd::testing {
namespace {

namespace hl = platform::headless;
namespace fs = std::filesystem;

constexpr gdi::COLORREF kGreen = gdi::RGB(0, 255, 0);

class StampTest : public AppTest {
 protected:
  // n square stamps in a scratch asset directory: stamp i is a 64 x 64 square of colour
  // RGB(i, 100, 50) with a transparent 16 x 16 corner at its top left.
  void MakeStamps(int n) {
    UseScratchAssetDir();
    fs::create_directories(AssetDir + "Stamps");
    for (int i = 0; i < n; ++i) {
      gdi::HBITMAP b = gdi::CreateDIBSection32(64, 64);
      b->Fill(gdi::PixelFromColorref(gdi::RGB(i, 100, 50)));
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) b->At(x, y) = gdi::PixelFromColorref(kStampTransparent);
      char name[32];
      std::snprintf(name, sizeof name, "s%02d.BMP", i);
      ASSERT_TRUE(gdi::SaveBmp24(AssetDir + "Stamps/" + name, *b, nullptr));
    }
  }
  // Shows the square-stamp chooser with a script that runs `act` on it.
  template <class F>
  void ChooseSquare(F act) {
    platform::SetModalScript([&](platform::Form& form) {
      act(static_cast<Tstampimg&>(form));
      return form.ModalResult();
    });
    ChooseSquareStamp();
    platform::SetModalScript({});
  }
  // A large stamp file: image and mask halves as the WIDE (kind 4) or TALL (3) layout has them,
  // the figure a green box of 40 x 20 at the image's centre.
  void MakeLargeStamp(int kind) {
    if (scratch_dir_.empty()) UseScratchAssetDir();
    gdi::HBITMAP b = gdi::CreateDIBSection32(200, 200);
    b->Fill(0);
    const int iw = kind == 4 ? 200 : 100, ih = kind == 4 ? 100 : 200, mx = kind == 4 ? 0 : 100,
              my = kind == 4 ? 100 : 0;
    for (int y = 0; y < ih; ++y)
      for (int x = 0; x < iw; ++x) {
        const bool figure = std::abs(x - iw / 2) < 20 && std::abs(y - ih / 2) < 10;
        b->At(x, y) = figure ? 0x00FF00 : 0;
        b->At(mx + x, my + y) = figure ? 0 : 0xFFFFFF;
      }
    ChosenFile = AssetDir + "hm1.bmp";
    ASSERT_TRUE(gdi::SaveBmp24(ChosenFile, *b, nullptr));
    LargeStampKind = kind;
    CurrentTool = 51;
  }
};

TEST_F(StampTest, NineteenStampsPageToTheNineteenthAloneAndBack) {
  MakeStamps(19);
  ChooseSquare([&](Tstampimg& f) {
    EXPECT_EQ(f.Entries().size(), 19u);
    EXPECT_EQ(f.PageLast(), 17);
    f.Image1MouseDown();
    EXPECT_EQ(f.PageFirst(), 18);
    EXPECT_EQ(f.PageLast(), 18);
    EXPECT_EQ(hl::PixelAt(f, 10, 10), kStampTransparent);
    EXPECT_EQ(hl::PixelAt(f, 30, 30), gdi::RGB(18, 100, 50));
    EXPECT_EQ(hl::PixelAt(f, 70, 10), kBlack);  // the second cell is empty
    hl::Click(f, 70, 10);                       // and a press there does nothing
    EXPECT_EQ(f.ModalResult(), 0);
    f.Image1MouseDown();
    EXPECT_EQ(f.PageFirst(), 0);
    EXPECT_EQ(f.PageLast(), 17);
    // Below the third row, where y div 65 would name the next page's first row: nothing.
    hl::Click(f, 10, 196);
    EXPECT_EQ(f.ModalResult(), 0);
    hl::Click(f, 65 * 2 + 3, 65 + 3);  // row 1, column 2: entry 8
  });
  EXPECT_EQ(fs::path(ChosenFile).filename(), "s08.BMP");
  EXPECT_EQ(CurrentTool, 83);
  EXPECT_EQ(platform::ScreenCursor(), 0);
  // The transparent colour is black in the image half and white in the mask half.
  ASSERT_TRUE(StampSheet);
  EXPECT_EQ(StampSheet->At(3, 3), 0u);
  EXPECT_EQ(StampSheet->At(64 + 3, 3), 0xFFFFFFu);
  EXPECT_EQ(StampSheet->At(40, 40), gdi::PixelFromColorref(gdi::RGB(8, 100, 50)));
  EXPECT_EQ(StampSheet->At(64 + 40, 40), 0u);
}

TEST_F(StampTest, CancelledChooserPreparesNothingAndLeavesNoTool) {
  MakeStamps(3);
  ChooseSquare([](Tstampimg& f) { f.Image2MouseDown(); });
  EXPECT_EQ(CurrentTool, 0);
  EXPECT_FALSE(StampSheet);
}

TEST_F(StampTest, SquareStampFollowsTheMouseWithoutTrailAndKeepsItsTransparentCorner) {
  MakeStamps(1);
  ChooseSquare([](Tstampimg& f) { hl::Click(f, 30, 30); });
  ASSERT_EQ(CurrentTool, 83);
  FillCanvas(kBlue);
  Stroke({{100, 100}, {130, 110}, {200, 150}});
  EXPECT_EQ(effects_.back(), 5);
  const gdi::COLORREF stamp = gdi::RGB(0, 100, 50);
  EXPECT_EQ(CountCanvas(stamp), 64 * 64 - 16 * 16);  // one copy, at the release
  EXPECT_EQ(CanvasPixel(200, 150), stamp);
  EXPECT_EQ(CanvasPixel(170, 120), kBlue);  // the corner shows the picture beneath
  EXPECT_EQ(CountCanvas(kStampTransparent), 0);
  // A second press places a second copy and keeps the first; one at the edge is clipped.
  Stroke({{300, 100}});
  EXPECT_EQ(CountCanvas(stamp), 2 * (64 * 64 - 16 * 16));
  Stroke({{2, 2}});
  EXPECT_EQ(CountCanvas(stamp), 2 * (64 * 64 - 16 * 16) + 34 * 34);
  // Another button frees the stamp and leaves no tool.
  FinishPendingTool();
  EXPECT_EQ(CurrentTool, 0);
  EXPECT_FALSE(StampSheet);
}

TEST_F(StampTest, LargeStampUsesItsOwnMaskAndLeavesOneCopyAfterADrag) {
  for (int kind : {4, 3}) {
    MakeLargeStamp(kind);
    FillCanvas(kBlue);
    Stroke({{150, 150}, {180, 170}, {260, 200}});
    EXPECT_EQ(CountCanvas(kGreen), 39 * 19) << kind;
    EXPECT_EQ(CanvasPixel(260, 200), kGreen);
    EXPECT_EQ(CanvasPixel(260 + 30, 200), kBlue);  // the mask's white shows the picture
    EXPECT_FALSE(StampSheet);                      // freed at the release, loaded at each press
    Stroke({{400, 300}});
    EXPECT_EQ(CountCanvas(kGreen), 2 * 39 * 19);
  }
  // A file that cannot be read: the reader's message, nothing drawn.
  ChosenFile = AssetDir + "missing.bmp";
  FillCanvas(kBlue);
  Stroke({{150, 150}});
  EXPECT_EQ(CountCanvas(kBlue), Canvas().ClientWidth() * Canvas().ClientHeight());
  EXPECT_FALSE(hl::Dialogs().asked.empty());
}

TEST_F(StampTest, WideAndTallChooseInTheBrowserWithTheStampsComposedOverWhite) {
  platform::SetModalScript([](platform::Form& form) {
    // Slot 0 shows the first wide stamp over white: its corner is white, not the file's black.
    EXPECT_EQ(hl::PixelAt(form, 88, 61), kWhite);
    hl::Click(form, 150, 100);
    return form.ModalResult();
  });
  ChooseLargeStamp(4);
  EXPECT_EQ(CurrentTool, 51);
  EXPECT_EQ(LargeStampKind, 4);
  EXPECT_NE(ChosenFile.find("hm"), std::string::npos);
  platform::SetModalScript([](platform::Form& form) { return form.ModalResult(); });
  ChooseLargeStamp(3);
  platform::SetModalScript({});
  EXPECT_EQ(CurrentTool, 0);  // closed without a choice
  EXPECT_EQ(LargeStampKind, 3);
}

TEST_F(StampTest, IconStampChooserSetsTheNumberAndTheCursorAndPrintsACopyAtEveryEvent) {
  platform::SetModalScript([](platform::Form& form) {
    auto& f = static_cast<Tstampwin&>(form);
    EXPECT_EQ(f.ScrollBox1().MaxScroll(), 1920 - 480);
    f.ScrollBox1().SetPosition(960);
    hl::Click(f.ScrollBox1().View(), 40, 40);  // picture (1000, 40): column 31, row 1
    return form.ModalResult();
  });
  ChooseIconStamp();
  EXPECT_EQ(StampNumber, 31 + 60 + 20);
  EXPECT_EQ(CurrentTool, 81);
  ASSERT_TRUE(StampIcon);
  const gdi::HCURSOR cursor = platform::RegisteredCursor(35);
  ASSERT_TRUE(cursor);
  const platform::CursorImage img = platform::CursorImageOf(*cursor);
  EXPECT_TRUE(img.inverts);  // the double crosshair
  EXPECT_EQ(img.hot_x, 16);
  EXPECT_EQ(img.argb[0], 0u);  // a corner the icon leaves transparent

  // Closed without a choice: the previous stamp stays.
  platform::SetModalScript([](platform::Form&) { return platform::mrCancel; });
  ChooseIconStamp();
  platform::SetModalScript({});
  EXPECT_EQ(StampNumber, 111);
  EXPECT_EQ(CurrentTool, 81);
  EXPECT_NE(platform::RegisteredCursor(35), cursor);  // rebuilt, the old one gone

  FillCanvas(kWhite);
  Stroke({{100, 100}, {160, 100}, {220, 100}});
  int stamps = 0;  // separate copies 60 apart, not a band: the gaps stay white
  for (int x : {100, 160, 220}) stamps += CanvasPixel(x, 100) != kWhite;
  EXPECT_EQ(stamps, 3);
  EXPECT_EQ(CanvasPixel(130, 100), kWhite);
}

}  // namespace
}  // namespace pd::testing

namespace pd::testing {
namespace {

TEST(ClipArtSize, FitsTheLongerSideAndRoundsTheHundredthsFirst) {
  EXPECT_EQ(ClipArtSize(120, 120, 50).cx, 150);
  EXPECT_EQ(ClipArtSize(120, 120, 100).cy, 300);
  const gdi::SIZE wide = ClipArtSize(400, 100, 50);  // fitted 300 x 75: 0.75 rounds to 1
  EXPECT_EQ(wide.cx, 150);
  EXPECT_EQ(wide.cy, 50);
  EXPECT_EQ(ClipArtSize(600, 100, 100).cy, 0);  // fitted 50: 0.5 rounds to 0
  EXPECT_EQ(ClipArtSize(100, 400, 30).cx, 30);
  EXPECT_EQ(ClipArtSize(0, 40, 50).cx, 0);  // no natural size: no division by zero
  EXPECT_EQ(ClipArtSize(40, 0, 50).cy, 0);
}

TEST_F(StampTest, ClipArtIsChosenInTheDialogAndItsWhiteIsTransparent) {
  platform::SetModalScript([](platform::Form& form) {
    auto& f = static_cast<Twmfimg&>(form);
    f.Image2MouseDown();  // nothing picked yet: Yes does nothing
    EXPECT_EQ(f.ModalResult(), 0);
    const int cat = f.FileListBox1().IndexOf("cat.wmf");
    EXPECT_GE(cat, 0);
    f.FileListBox1().SetItemIndex(cat);
    f.FileListBox1Click();
    f.ScrollBar1().SetPosition(40);
    f.ScrollBar1Change();
    EXPECT_EQ(f.Label1().Caption(), "Size: 40%");
    f.Image2MouseDown();
    return f.ModalResult();
  });
  ChooseClipArt();
  platform::SetModalScript({});
  EXPECT_EQ(CurrentTool, 84);
  EXPECT_EQ(StampWidth, 120);  // the cat is 221 x 202: fitted 300 x 274, 3 x 40 and 3 x 40
  EXPECT_EQ(StampHeight, 120);
  ASSERT_TRUE(StampSheet);
  int white_mask = 0;
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 120; ++x)
      if (StampSheet->At(120 + x, y) == 0xFFFFFF) {
        ++white_mask;
        ASSERT_EQ(StampSheet->At(x, y), 0u);
      }
  EXPECT_GT(white_mask, 1000);
  FillCanvas(kBlue);
  Stroke({{200, 200}, {250, 220}});
  EXPECT_EQ(CountCanvas(kWhite), 0);  // the cat's white eyes show the picture beneath
  EXPECT_GT(Canvas().ClientWidth() * Canvas().ClientHeight() - CountCanvas(kBlue), 5000);
}

}  // namespace
}  // namespace pd::testing
