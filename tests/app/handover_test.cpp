// The picture leaving the program: the clipboard, the wallpaper and the printed page.
#include <sys/stat.h>

#include <filesystem>

#include "app_fixture.h"
#include "core/canvas.h"
#include "core/datadir.h"
#include "gdi/bmp.h"
#include "pictures/printing.h"

namespace pd::testing {
namespace {

namespace hl = platform::headless;

class HandoverTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    // The program's own pictures stay; what it writes goes to a scratch directory.
    char pattern[] = "/tmp/pd-handover-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratch_dir_ = pattern;
    DataDir = scratch_dir_ + "/";
    main_->TabSet1Click(9);  // the PC category
    // A picture to hand over: red at the top left, blue at the bottom right.
    FillCanvas(kWhite);
    WindowCanvas canvas(&Canvas());
    gdi::HBRUSH red = gdi::CreateSolidBrush(kRed), blue = gdi::CreateSolidBrush(kBlue);
    const gdi::RECT top_left{0, 0, 20, 10},
        bottom_right{Canvas().ClientWidth() - 20, Canvas().ClientHeight() - 10, Canvas().ClientWidth(),
                     Canvas().ClientHeight()};
    gdi::FillRect(canvas.dc(), top_left, red);
    gdi::FillRect(canvas.dc(), bottom_right, blue);
  }
  void Press(int slot) { hl::Click(main_->Image(slot), 20, 20); }
  static gdi::COLORREF At(const gdi::Bitmap& b, int x, int y) { return gdi::ColorrefFromPixel(b.At(x, y)); }
};

TEST_F(HandoverTest, TheClipboardGetsThePictureOfTheCanvasSizeAndTheCanvasStays) {
  Press(8);
  const gdi::HBITMAP& copy = hl::Desktop().clipboard;
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->Width(), Canvas().ClientWidth());
  EXPECT_EQ(copy->Height(), Canvas().ClientHeight());
  EXPECT_EQ(At(*copy, 0, 0), kRed);
  EXPECT_EQ(At(*copy, Canvas().ClientWidth() - 1, Canvas().ClientHeight() - 1), kBlue);
  EXPECT_EQ(CanvasPixel(0, 0), kRed);
  EXPECT_TRUE(hl::Dialogs().asked.empty());
}

TEST_F(HandoverTest, WallpaperWritesTempBmpEachTimeAndSaysWhenItCannot) {
  Press(9);
  const std::string temp = DataDir + "TEMP.BMP";
  ASSERT_EQ(hl::Desktop().wallpapers, std::vector<std::string>{temp});
  std::string error;
  gdi::HBITMAP first = gdi::LoadBmpFile(temp, &error);
  ASSERT_TRUE(first) << error;
  EXPECT_EQ(At(*first, 0, 0), kRed);

  // The second time the same file holds the new picture.
  FillCanvas(kBlue);
  Press(9);
  EXPECT_EQ(hl::Desktop().wallpapers.size(), 2u);
  EXPECT_EQ(At(*gdi::LoadBmpFile(temp, &error), 0, 0), kBlue);
  EXPECT_TRUE(hl::Dialogs().asked.empty());

  // A desktop without a wallpaper says so; the canvas and the picture's name stay.
  CurrentPictureName = "UP000001.BMP";
  hl::Desktop().wallpaper_works = false;
  Press(9);
  ASSERT_EQ(hl::Dialogs().asked.size(), 1u);
  EXPECT_EQ(hl::Dialogs().asked[0].caption, "Pindoodle");
  EXPECT_EQ(CurrentPictureName, "UP000001.BMP");

  // A file that cannot be written stops before the desktop is asked.
  if (geteuid() != 0) {
    chmod(DataDir.c_str(), 0500);
    Press(9);
    chmod(DataDir.c_str(), 0700);
    EXPECT_EQ(hl::Dialogs().asked.size(), 2u);
    EXPECT_EQ(hl::Desktop().wallpapers.size(), 3u);
  }
}

TEST(PrintPlacement, PictureSizeAndPlaceFollowThePreview) {
  // Size 95 in portrait at (10, 10): 95 % of the page wide, about 5 % and 4 % in from the edges.
  const gdi::RECT r = PrintedPictureRect(4800, 6400, 3, 10, 10, 95);
  EXPECT_EQ(r.right - r.left, 4560);
  EXPECT_EQ(r.bottom - r.top, 3474);  // 64 * 95 * 4 / 7 = 3474.28
  EXPECT_EQ(r.left, 244);             // 48 * 10 / 1.97 = 243.65
  EXPECT_EQ(r.top, 252);              // 64 * 10 / 2.54 = 251.97
  const gdi::RECT l = PrintedPictureRect(6400, 4800, 4, 20, 30, 50);
  EXPECT_EQ(l.left, 443);             // 64 * 20 / 2.89 = 442.91
  EXPECT_EQ(l.top, 791);              // 48 * 30 / 1.82 = 791.21
  EXPECT_EQ(l.right - l.left, 2419);  // 64 * 50 / 1.323 = 2418.75
  EXPECT_EQ(l.bottom - l.top, 1800);
}

class PrintTest : public HandoverTest {
 protected:
  // Shows PRINT with the dialog answered by script.
  void Print(const std::function<void(Tprntctl&)>& choose) {
    platform::SetModalScript([&](platform::Form& form) {
      choose(static_cast<Tprntctl&>(form));
      return form.ModalResult();
    });
    Press(4);
    platform::SetModalScript({});
  }
};

TEST_F(PrintTest, APagePrintedInBandsWithThePictureWhereThePreviewPutIt) {
  Print([](Tprntctl& d) {
    EXPECT_EQ(d.PreviewX(), 10);
    EXPECT_EQ(d.PreviewY(), 10);
    hl::ScrollTo(d.ScrollBar1(), 95);
    d.Image4Click();
  });
  auto& printer = hl::Printer();
  ASSERT_EQ(printer.documents.size(), 1u);
  const auto& doc = printer.documents[0];
  EXPECT_EQ(doc.title, "Pindoodle");
  EXPECT_EQ(doc.orientation, platform::PageOrientation::Portrait);
  const gdi::RECT place = PrintedPictureRect(816, 1056, 3, 10, 10, 95);
  EXPECT_EQ(At(*doc.page, place.left, place.top), kRed);
  EXPECT_EQ(At(*doc.page, place.left - 1, place.top), kWhite);
  EXPECT_EQ(At(*doc.page, place.right - 1, place.bottom - 1), kBlue);
  EXPECT_EQ(At(*doc.page, place.right, place.bottom - 1), kWhite);
  EXPECT_EQ(doc.texts, std::vector<std::string>{" "});
  EXPECT_EQ(CanvasPixel(0, 0), kRed);

  // A page large enough to need bands never gets a bitmap above the bound. The orientation and
  // size are kept from last time.
  printer.page_width = 9600;
  printer.page_height = 12800;
  Print([](Tprntctl& d) {
    EXPECT_EQ(d.Mode(), 3);
    EXPECT_EQ(d.ScrollBar1().Position(), 95);
    d.Image4Click();
  });
  ASSERT_EQ(printer.documents.size(), 2u);
  EXPECT_GT(printer.documents[1].bitmaps, 1);
  EXPECT_LE(printer.documents[1].largest_bitmap, static_cast<std::size_t>(kPrintBandPixels));
}

TEST_F(PrintTest, CancelDragAndLandscapeFollowTheDialogsRules) {
  Print([](Tprntctl& d) { d.Image5Click(); });
  EXPECT_TRUE(hl::Printer().documents.empty());
  EXPECT_EQ(PrintMode, 0);
  EXPECT_EQ(CanvasPixel(0, 0), kRed);

  Print([](Tprntctl& d) {
    d.Image3Click();
    EXPECT_EQ(d.Pageimg().Width(), 289);
    const int w = d.PreviewWidth();  // 50 * 2.45 = 122.5 -> 122
    EXPECT_EQ(w, 122);
    // A drag that leaves the preview puts the picture back where it was.
    d.PageimgMouseDown(15, 15);
    d.PageimgMouseMove(40, 30);
    EXPECT_EQ(d.PreviewX(), 35);
    d.PageimgMouseMove(400, 30);
    EXPECT_FALSE(d.Dragging());
    EXPECT_EQ(d.PreviewX(), 10);
    // One ending above the panel puts that coordinate back to 10.
    d.PageimgMouseDown(15, 15);
    d.PageimgMouseUp(60, 2);
    EXPECT_EQ(d.PreviewX(), 55);
    EXPECT_EQ(d.PreviewY(), 10);
    d.PageimgMouseDown(5, 5);  // beside the picture: no drag
    EXPECT_FALSE(d.Dragging());
    d.Image4Click();
  });
  ASSERT_EQ(hl::Printer().documents.size(), 1u);
  EXPECT_EQ(hl::Printer().documents[0].orientation, platform::PageOrientation::Landscape);
  EXPECT_EQ(PrintX, 55);

  // Closed from the desktop after that print, the dialog prints nothing.
  Print([](Tprntctl& d) { hl::RequestClose(d); });
  EXPECT_EQ(hl::Printer().documents.size(), 1u);
  EXPECT_EQ(PrintMode, 0);

  // No printer: a message, nothing printed. The picture starts at (10, 10) again, sideways.
  hl::Printer().has_printer = false;
  Print([](Tprntctl& d) {
    EXPECT_EQ(d.PreviewX(), 10);
    EXPECT_EQ(d.PreviewY(), 10);
    EXPECT_EQ(d.Mode(), 4);
    d.Image4Click();
  });
  EXPECT_EQ(hl::Printer().documents.size(), 1u);
  ASSERT_EQ(hl::Dialogs().asked.size(), 1u);
  EXPECT_EQ(hl::Dialogs().asked[0].text, "No printer is installed.");
  EXPECT_EQ(hl::Dialogs().asked[0].caption, "Pindoodle");
}

TEST_F(PrintTest, PrintSetupAsksThePrinterDialogAndPutsTheCanvasBack) {
  Press(5);
  EXPECT_EQ(hl::Printer().setup_calls, 1);
  EXPECT_EQ(CanvasPixel(0, 0), kRed);
}

}  // namespace
}  // namespace pd::testing
