// The picture store and the thumbnail browser driven headless: OPEN, SAVE with its query, DELETE,
// BACKGROUNDS and COLORBOOK, the sets and their order, paging, and the files a save leaves.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "app_fixture.h"
#include "core/assets.h"
#include "core/snapshot.h"
#include "gdi/bmp.h"
#include "pictures/pictureset.h"
#include "pictures/picturestore.h"
#include "pictures/thumbs.h"

namespace pd::testing {
namespace {

namespace fs = std::filesystem;
namespace hl = platform::headless;

constexpr const char* kQueryCaption = "How do you want to save this picture?";

class PicturesTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    const std::string assets = AssetDir;
    UseScratchAssetDir();
    for (const char* name : {"a85.kvr", "savenew.kvr"}) fs::copy_file(assets + name, AssetDir + name);
    fs::create_directories(AssetDir + "art");
  }
  void TearDown() override {
    platform::SetModalScript({});
    AppTest::TearDown();
  }

  // Answers the browser by a click at (x, y) and the save query by a click on its new-picture
  // button (replace false) or on the older picture; records what each showed.
  void AnswerForms(int x, int y, bool replace = false) {
    platform::SetModalScript([=, this](platform::Form& form) {
      if (form.Caption() == kQueryCaption) {
        ++queries_;
        hl::Click(form, replace ? 300 : 60, replace ? 60 : 80);
      } else {
        ++browsers_;
        auto* thumbs = dynamic_cast<Tthumbs*>(&form);
        if (thumbs) label_ = thumbs->LabelText();
        shown_ = hl::Compose(form);
        hl::Click(form, x, y);
      }
      return form.ModalResult();
    });
  }

  static void WritePicture(const std::string& path, int w, int h, gdi::COLORREF c) {
    gdi::HBITMAP b = gdi::CreateDIBSection32(w, h);
    b->Fill(gdi::PixelFromColorref(c));
    std::string error;
    ASSERT_TRUE(gdi::SaveBmp24(path, *b, &error)) << error;
  }
  static std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& a : hl::Dialogs().asked) texts.push_back(a.text);
    return texts;
  }
  std::vector<std::string> SavedFiles() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(DataDir + "user"))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  int browsers_ = 0, queries_ = 0;
  std::string label_;
  gdi::HBITMAP shown_;
};

TEST_F(PicturesTest, OpenAndDeleteOfAnEmptySetSayThereAreNoPicturesAndShowNoBrowser) {
  AnswerForms(100, 100);
  OpenPicture();
  DeletePicture();
  EXPECT_EQ(browsers_, 0);
  ASSERT_EQ(hl::Dialogs().asked.size(), 2u);
  for (const auto& a : hl::Dialogs().asked) {
    EXPECT_EQ(a.text, "There are no pictures to see.");
    EXPECT_EQ(a.caption, "Pindoodle");
    EXPECT_EQ(a.flags & platform::MB_ICONMASK, platform::MB_ICONINFORMATION);
  }
}

TEST_F(PicturesTest, SaveMakesANewPictureThenAsksAndReplacesThatSameFile) {
  // What a killed save left behind an hour ago goes; what one may still be writing stays.
  std::ofstream(DataDir + "user/.UPOLD111.BMP.abcdef") << "x";
  fs::last_write_time(DataDir + "user/.UPOLD111.BMP.abcdef",
                      fs::file_time_type::clock::now() - std::chrono::hours(2));
  std::ofstream(DataDir + "user/.UPNEW111.BMP.abcdef") << "x";
  FillCanvas(kRed);
  AnswerForms(100, 100, /*replace=*/true);
  SavePicture();
  EXPECT_EQ(queries_, 0);
  EXPECT_FALSE(fs::exists(DataDir + "user/.UPOLD111.BMP.abcdef"));
  EXPECT_TRUE(fs::remove(DataDir + "user/.UPNEW111.BMP.abcdef"));
  ASSERT_EQ(SavedFiles().size(), 1u);
  const std::string name = SavedFiles()[0];
  EXPECT_TRUE(MatchesNoCase("UP??????.BMP", name)) << name;
  EXPECT_EQ(CurrentPictureName, DataDir + "user/" + name);
  EXPECT_EQ(Messages(), std::vector<std::string>{"PICTURE SAVED."});
  // Every pixel is a palette colour: an 8-bit file whose table is the program's palette.
  gdi::BmpInfo info;
  const std::string first = Slurp(CurrentPictureName);
  ASSERT_TRUE(gdi::ReadBmpInfo(first.data(), first.size(), &info, nullptr));
  EXPECT_EQ(info.bit_count, 8);

  FillCanvas(kBlue);
  SavePicture();
  EXPECT_EQ(queries_, 1);
  EXPECT_EQ(SavedFiles(), std::vector<std::string>{name});
  std::string error;
  gdi::HBITMAP back = gdi::LoadBmpFile(CurrentPictureName, &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(gdi::ColorrefFromPixel(back->At(5, 5)), kBlue);

  // The query's other answer saves a brand new picture beside it.
  AnswerForms(100, 100, /*replace=*/false);
  SavePicture();
  EXPECT_EQ(SavedFiles().size(), 2u);
  EXPECT_NE(CurrentPictureName, DataDir + "user/" + name);
}

TEST_F(PicturesTest, APictureOpensExactlyAsSavedInAnyColour) {
  FillCanvas(kWhite);
  Canvas().Surface()->At(3, 4) = gdi::PixelFromColorref(gdi::RGB(1, 2, 3));  // no palette colour
  Canvas().Surface()->At(5, 4) = gdi::PixelFromColorref(PaletteColours[37]);
  SavePicture();
  const std::string file = Slurp(CurrentPictureName);
  gdi::BmpInfo info;
  ASSERT_TRUE(gdi::ReadBmpInfo(file.data(), file.size(), &info, nullptr));
  EXPECT_EQ(info.bit_count, 24);
  FillCanvas(kBlack);
  ASSERT_TRUE(LoadPictureToCanvas(CurrentPictureName));
  EXPECT_EQ(CountCanvas(kWhite), Canvas().ClientWidth() * Canvas().ClientHeight() - 2);
  EXPECT_EQ(CanvasPixel(3, 4), gdi::RGB(1, 2, 3));
  EXPECT_EQ(CanvasPixel(5, 4), PaletteColours[37]);
}

TEST_F(PicturesTest, ANameAlreadyTakenSavesNothingAndTriesNoSecondName) {
  RandSeed(7);
  const std::string name = NewPictureName();
  const int after = Random(1000);
  RandSeed(7);
  std::ofstream(DataDir + "user/" + name) << "older";
  CurrentPictureName.clear();
  SavePicture();
  EXPECT_EQ(Slurp(DataDir + "user/" + name), "older");
  EXPECT_EQ(SavedFiles().size(), 1u);
  EXPECT_TRUE(CurrentPictureName.empty());
  ASSERT_EQ(hl::Dialogs().asked.size(), 1u);
  EXPECT_EQ(hl::Dialogs().asked[0].text, "Error -- Picture NOT Saved.");
  EXPECT_EQ(hl::Dialogs().asked[0].flags & platform::MB_ICONMASK, platform::MB_ICONWARNING);
  EXPECT_EQ(Random(1000), after);
}

TEST_F(PicturesTest, AFailedWriteSaysWhyAndKeepsTheOlderPictureAndItsName) {
  FillCanvas(kRed);
  SavePicture();
  const std::string path = CurrentPictureName, older = Slurp(path);
  // The disk fills up while the replacement is written.
  FillCanvas(kBlue);
  AnswerForms(0, 0, /*replace=*/true);
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit was{};
  getrlimit(RLIMIT_FSIZE, &was);
  rlimit small = was;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  SavePicture();
  setrlimit(RLIMIT_FSIZE, &was);
  std::signal(SIGXFSZ, SIG_DFL);
  EXPECT_EQ(Slurp(path), older);
  EXPECT_EQ(CurrentPictureName, path);
  EXPECT_EQ(SavedFiles(), std::vector<std::string>{fs::path(path).filename().string()});  // no stray files
  ASSERT_EQ(hl::Dialogs().asked.size(), 2u);
  EXPECT_NE(hl::Dialogs().asked[1].text.find("NOT Saved"), std::string::npos);
  EXPECT_NE(hl::Dialogs().asked[1].text.find("File too large"), std::string::npos)
      << hl::Dialogs().asked[1].text;

  // A folder the child may not write to (the permission does not hold back the superuser).
  if (geteuid() != 0) {
    fs::permissions(DataDir + "user", fs::perms::owner_read | fs::perms::owner_exec);
    CurrentPictureName.clear();
    SavePicture();
    fs::permissions(DataDir + "user", fs::perms::owner_all);
    EXPECT_TRUE(CurrentPictureName.empty());
    EXPECT_NE(hl::Dialogs().asked.back().text.find("Permission denied"), std::string::npos);
  }
  // A folder that cannot take the file (here a file stands where the folder should be).
  fs::remove_all(DataDir + "user");
  std::ofstream(DataDir + "user") << "x";
  CurrentPictureName.clear();
  SavePicture();
  EXPECT_TRUE(CurrentPictureName.empty());
  EXPECT_NE(hl::Dialogs().asked.back().text.find("NOT Saved"), std::string::npos);
}

TEST_F(PicturesTest, OpenStretchesThePictureOntoTheCanvasAndNamesIt) {
  gdi::HBITMAP half = gdi::CreateDIBSection32(100, 50);
  half->Fill(gdi::PixelFromColorref(kRed));
  for (int y = 0; y < 50; ++y)
    for (int x = 50; x < 100; ++x) half->At(x, y) = gdi::PixelFromColorref(kBlue);
  ASSERT_TRUE(gdi::SaveBmp24(DataDir + "user/UPAAAAAA.BMP", *half, nullptr));
  AnswerForms(150, 100);  // slot 0
  OpenPicture();
  EXPECT_EQ(browsers_, 1);
  EXPECT_EQ(label_, "1 - 1 of 1");
  EXPECT_EQ(CurrentPictureName, DataDir + "user/UPAAAAAA.BMP");
  EXPECT_EQ(CanvasPixel(0, 0), kRed);
  EXPECT_EQ(CanvasPixel(Canvas().ClientWidth() / 2 - 20, Canvas().ClientHeight() - 1), kRed);
  EXPECT_EQ(CanvasPixel(Canvas().ClientWidth() / 2 + 20, Canvas().ClientHeight() - 1), kBlue);
  EXPECT_EQ(CanvasPixel(Canvas().ClientWidth() - 1, 0), kBlue);
  // The snapshot holds the opened picture: UNDO keeps it.
  FillCanvas(kWhite);
  RestoreCanvasSnapshot();
  EXPECT_EQ(CanvasPixel(0, 0), kRed);
}

TEST_F(PicturesTest, BrokenFilesOfASetShowAPlaceholderAndNeverChangeTheCanvas) {
  WritePicture(DataDir + "user/UPGOOD11.BMP", 40, 30, kBlue);
  std::ofstream(DataDir + "user/UPBROKEN.BMP") << "BM not really";
  std::string huge(54, '\0');
  huge[0] = 'B', huge[1] = 'M', huge[14] = 40, huge[18] = '\xff', huge[19] = '\xff', huge[20] = '\xff',
  huge[21] = 0x7f;
  huge[22] = '\xff', huge[23] = '\xff', huge[24] = 0x7f, huge[26] = 1, huge[28] = 24;
  std::ofstream(DataDir + "user/UPHUGE11.BMP", std::ios::binary) << huge;
  fs::last_write_time(DataDir + "user/UPGOOD11.BMP",
                      fs::file_time_type::clock::now() - std::chrono::hours(1));
  FillCanvas(kWhite);
  CurrentPictureName = "older.bmp";
  AnswerForms(150, 100);  // slot 0: the newest, one of the broken ones
  OpenPicture();
  EXPECT_EQ(browsers_, 1);
  EXPECT_EQ(label_, "1 - 3 of 3");
  // The good picture, listed last, still shows in its slot (the third, at (332, 60)).
  ASSERT_TRUE(shown_);
  EXPECT_EQ(gdi::ColorrefFromPixel(shown_->At(400, 100)), kBlue);
  EXPECT_EQ(gdi::ColorrefFromPixel(shown_->At(150, 100)), PaletteColours[62]);
  EXPECT_EQ(CountCanvas(kWhite), Canvas().ClientWidth() * Canvas().ClientHeight());
  EXPECT_EQ(CurrentPictureName, "older.bmp");
  ASSERT_EQ(hl::Dialogs().asked.size(), 1u);
  EXPECT_EQ(hl::Dialogs().asked[0].text.rfind("Cannot open the picture", 0), 0u);
}

TEST_F(PicturesTest, DeleteAsksEveryTimeAndSaysWhenAPictureCouldNotGo) {
  WritePicture(DataDir + "user/UPAAAAAA.BMP", 10, 10, kBlue);
  AnswerForms(150, 100);
  hl::Dialogs().answers = {platform::IDNO};
  DeletePicture();
  EXPECT_TRUE(fs::exists(DataDir + "user/UPAAAAAA.BMP"));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Are you sure you want to delete this picture?"});
  hl::Dialogs().answers = {platform::IDYES};
  DeletePicture();
  EXPECT_FALSE(fs::exists(DataDir + "user/UPAAAAAA.BMP"));
  EXPECT_EQ(hl::Dialogs().asked.size(), 2u);

  // A picture that turned into a folder full of things cannot be deleted, and the child is told.
  WritePicture(DataDir + "user/UPBBBBBB.BMP", 10, 10, kBlue);
  platform::SetModalScript([](platform::Form& form) {
    hl::Click(form, 150, 100);
    fs::remove(ChosenFile);
    fs::create_directories(ChosenFile + "/inside");
    return form.ModalResult();
  });
  hl::Dialogs().answers = {platform::IDYES};
  DeletePicture();
  ASSERT_EQ(hl::Dialogs().asked.size(), 4u);
  EXPECT_EQ(hl::Dialogs().asked[3].text.rfind("The picture could not be deleted", 0), 0u);
}

TEST_F(PicturesTest, ColorbookEndsOnThePaintTabWithTheBucketAndBackgroundsForgetTheName) {
  WritePicture(AssetDir + "art/cb1.bmp", 64, 40, kWhite);
  WritePicture(AssetDir + "art/LEVEL1.BMP", 64, 40, kBlue);
  for (const char* strip : {"a901.kvr", "a908.kvr"}) WritePicture(AssetDir + strip, 400, 246, kBlack);
  CurrentPictureName = DataDir + "user/UPAAAAAA.BMP";
  AnswerForms(150, 100);
  main_->TabSet1Click(8);
  main_->ImageMouseDown(7);
  EXPECT_EQ(CurrentCategory, 2);
  EXPECT_EQ(CurrentTool, 58);
  EXPECT_EQ(FillStyle, 1);
  EXPECT_TRUE(FillStylePanelShown);
  EXPECT_TRUE(ColorbookMode);
  EXPECT_TRUE(CurrentPictureName.empty());
  EXPECT_EQ(CountCanvas(kWhite), Canvas().ClientWidth() * Canvas().ClientHeight());

  main_->TabSet1Click(8);
  CurrentPictureName = "x";
  AnswerForms(90, 330);  // cancel
  main_->ImageMouseDown(6);
  EXPECT_EQ(CurrentTool, 0);
  EXPECT_EQ(CurrentPictureName, "x");
  AnswerForms(150, 100);
  main_->ImageMouseDown(6);
  EXPECT_EQ(CanvasPixel(10, 10), kBlue);
  EXPECT_TRUE(CurrentPictureName.empty());
}

TEST_F(PicturesTest, BrowserPagesWrapAndCancelWinsOverTheSlotBelowIt) {
  auto pages = [](int count, bool forward, int steps) {
    ThumbPage page = FirstThumbPage(count);
    std::string seen;
    for (int i = 0; i < steps; ++i) {
      page = forward ? NextThumbPage(page, count) : PreviousThumbPage(page, count);
      seen += std::to_string(page.first + 1) + "-" + std::to_string(page.last + 1) + " ";
    }
    return seen;
  };
  EXPECT_EQ(pages(1, true, 2), "1-1 1-1 ");
  EXPECT_EQ(pages(1, false, 1), "1-1 ");
  EXPECT_EQ(pages(5, true, 2), "2-5 1-4 ");
  EXPECT_EQ(pages(5, false, 1), "2-5 ");
  EXPECT_EQ(pages(10, true, 4), "5-8 7-10 1-4 5-8 ");
  EXPECT_EQ(pages(10, false, 2), "7-10 3-6 ");

  for (int i = 0; i < 10; ++i) WritePicture(AssetDir + "art/level" + std::to_string(i) + ".bmp", 8, 8, kBlue);
  ChooserMode = 4;
  platform::SetModalScript([this](platform::Form& form) {
    hl::Click(form, 530, 50);  // next
    label_ = dynamic_cast<Tthumbs&>(form).LabelText();
    hl::Click(form, 5, 5);      // outside the outline: the press goes elsewhere
    hl::Click(form, 100, 310);  // cancel, over slot 1
    return form.ModalResult();
  });
  DialogResult = false;
  effects_.clear();
  ShowThumbs();
  EXPECT_EQ(label_, "5 - 8 of 10");
  EXPECT_FALSE(DialogResult);
  EXPECT_EQ(effects_, (std::vector<int>{34, 36}));

  // A press on an empty slot closes like cancel.
  for (int i = 1; i < 10; ++i) fs::remove(AssetDir + "art/level" + std::to_string(i) + ".bmp");
  AnswerForms(400, 250);
  ShowThumbs();
  EXPECT_FALSE(DialogResult);
}

TEST_F(PicturesTest, SetsMatchWithoutCaseKeepTheirOrderAndOfferAtMost250) {
  WritePicture(DataDir + "user/up3x7q9a.bmp", 4, 4, kBlue);
  EXPECT_EQ(ListPictureSet("user\\UP*.bmp").size(), 1u);
  EXPECT_TRUE(AnyPictureMatches("user\\up*.bmp"));
  fs::remove_all(AssetDir + "art");
  fs::create_directories(AssetDir + "Art");
  std::ofstream(AssetDir + "Art/hmFrog.BMP") << "x";
  EXPECT_EQ(ListPictureSet("\\art\\h*.bmp"), std::vector<std::string>{AssetDir + "Art/hmFrog.BMP"});
  EXPECT_FALSE(AnyPictureMatches("art\\v*.bmp"));
  EXPECT_TRUE(MatchesNoCase("UP*.bmp", "UP3X7Q9A.BMP"));
  EXPECT_FALSE(MatchesNoCase("UP*.bmp", ".UP3X7Q9A.BMP.tmpXY"));

  fs::remove(DataDir + "user/up3x7q9a.bmp");
  const auto now = fs::file_time_type::clock::now();
  for (int i = 0; i < 260; ++i) {
    const std::string path = DataDir + "user/UP" + std::to_string(100000 + i) + ".BMP";
    std::ofstream(path) << "x";
    fs::last_write_time(path, now - std::chrono::minutes(i));
  }
  const std::vector<std::string> set = ListPictureSet("user\\UP*.bmp");
  ASSERT_EQ(set.size(), kMaxSetEntries);
  EXPECT_EQ(set.front(), DataDir + "user/UP100000.BMP");  // newest first
  EXPECT_EQ(set.back(), DataDir + "user/UP100249.BMP");
}

TEST_F(PicturesTest, PicturesInFoldersWithLongPathsSaveAndOpen) {
  DataDir += std::string(120, 'd') + "/" + std::string(120, 'e') + "/" + std::string(120, 'f') + "/";
  FillCanvas(kBlue);
  SavePicture();
  EXPECT_GT(CurrentPictureName.size(), 380u);
  const std::string saved = CurrentPictureName;
  FillCanvas(kWhite);
  AnswerForms(150, 100);
  OpenPicture();
  EXPECT_EQ(ChosenFile, saved);
  EXPECT_EQ(CanvasPixel(10, 10), kBlue);
}

}  // namespace
}  // namespace pd::testing
