// The SIGNATURE tool with its dialog played by scripts: strokes on the panel, CLEAR, accept and
// cancel, the stamp in the canvas's corner, and a "name.sig" that is missing, unreadable, small
// or palette-based, or cannot be written.
#include <filesystem>
#include <fstream>

#include "app_fixture.h"
#include "core/datadir.h"
#include "core/snapshot.h"
#include "gdi/bmp.h"
#include "regiontools/signature.h"

namespace pd::testing {
namespace {

namespace hl = platform::headless;
namespace fs = std::filesystem;

class SignatureTest : public AppTest {
 protected:
  void SetUp() override {
    Start();
    UseScratchDataDir();
  }
  void TearDown() override {
    platform::SetModalScript(nullptr);
    AppTest::TearDown();
  }
  // Plays the dialog: the script draws on the panel, then presses the tick (or the cross).
  void Sign(std::function<void(Tsignme&)> draw, bool accept = true) {
    platform::SetModalScript([draw, accept](platform::Form& form) {
      auto& dialog = dynamic_cast<Tsignme&>(form);
      draw(dialog);
      hl::Click(accept ? dialog.Image1() : static_cast<platform::Window&>(dialog.Image2()), 5, 5);
      return form.ModalResult();
    });
    SignatureAction();
  }
  static void Scribble(Tsignme& d) { hl::Drag(d.Panel1(), 20, 20, 120, 60); }
  std::string SigPath() { return DataPath(kSignatureFile); }
  int CornerCount(gdi::COLORREF c) {
    int n = 0;
    for (int y = Canvas().ClientHeight() - 80; y < Canvas().ClientHeight(); ++y)
      for (int x = Canvas().ClientWidth() - 150; x < Canvas().ClientWidth(); ++x) n += CanvasPixel(x, y) == c;
    return n;
  }
};

TEST_F(SignatureTest, AStrokeIsSavedAndStampedInTheCurrentColourEvenOnBlack) {
  ASSERT_FALSE(fs::exists(SigPath()));
  FillCanvas(kBlack);
  SaveCanvasSnapshot();
  CurrentColour = PaletteColours[83];  // a light yellow
  Sign([](Tsignme& d) {
    hl::Click(d.Panel1(), 140, 70);  // a press without a move leaves no mark
    EXPECT_EQ(hl::PixelAt(d.Panel1(), 140, 70), kWhite);
    Scribble(d);
    EXPECT_EQ(hl::PixelAt(d.Panel1(), 70, 40), kRed);
  });
  ASSERT_TRUE(DialogResult);
  std::string error;
  gdi::HBITMAP saved = gdi::LoadBmpFile(SigPath(), &error);
  ASSERT_TRUE(saved) << error;
  EXPECT_EQ(saved->Width(), 150);
  EXPECT_EQ(saved->Height(), 160);
  const int inked = CornerCount(CurrentColour);
  EXPECT_GT(inked, 100);
  EXPECT_EQ(inked + CornerCount(kBlack), 150 * 80);

  // The dialog opens on the saved signature; cancelling keeps file and canvas.
  const auto before = fs::last_write_time(SigPath());
  FillCanvas(kWhite);
  SaveCanvasSnapshot();
  Sign([](Tsignme& d) { EXPECT_EQ(hl::PixelAt(d.Panel1(), 70, 40), kRed); }, false);
  EXPECT_EQ(fs::last_write_time(SigPath()), before);
  EXPECT_EQ(CornerCount(kWhite), 150 * 80);

  // A cleared signature stamps nothing.
  Sign([](Tsignme& d) { hl::Click(d.Label1(), 5, 5); });
  EXPECT_EQ(CornerCount(kWhite), 150 * 80);
}

TEST_F(SignatureTest, ASmallPaletteFileKeepsItsPixelsAndABrokenOneIsReportedAndStartsWhite) {
  gdi::HBITMAP small = gdi::CreateDIBSection32(100, 50);
  small->Fill(gdi::PixelFromColorref(kWhite));
  small->At(10, 10) = gdi::PixelFromColorref(kBlack);
  std::string error;
  ASSERT_TRUE(gdi::SaveBmp8(SigPath(), *small, {{0, 0, 0, 0}, {255, 255, 255, 0}}, &error)) << error;
  gdi::HBITMAP sig = LoadSignature();
  ASSERT_EQ(sig->Width(), 150);
  ASSERT_EQ(sig->Height(), 160);
  EXPECT_EQ(sig->At(10, 10), gdi::PixelFromColorref(kBlack));
  EXPECT_EQ(sig->At(120, 70), gdi::PixelFromColorref(kWhite));

  std::ofstream(SigPath(), std::ios::binary) << "BM not a bitmap";
  hl::Dialogs().asked.clear();
  sig = LoadSignature();
  EXPECT_EQ(sig->Width(), 150);
  EXPECT_EQ(sig->At(0, 0), gdi::PixelFromColorref(kWhite));
  ASSERT_EQ(hl::Dialogs().asked.size(), 1u);
  EXPECT_NE(hl::Dialogs().asked[0].text.find("signature"), std::string::npos);
}

TEST_F(SignatureTest, AFailedWriteShowsTheWritersMessageAndStampsNothing) {
  fs::create_directories(SigPath());  // a directory where the file should go: it cannot be replaced
  FillCanvas(kWhite);
  SaveCanvasSnapshot();
  hl::Dialogs().asked.clear();
  Sign(Scribble);
  EXPECT_FALSE(DialogResult);
  ASSERT_FALSE(hl::Dialogs().asked.empty());
  EXPECT_NE(hl::Dialogs().asked.back().text.find("Cannot save the signature"), std::string::npos);
  EXPECT_EQ(CornerCount(kWhite), 150 * 80);
  EXPECT_TRUE(fs::is_directory(SigPath()));
}

}  // namespace
}  // namespace pd::testing
