// The seams tests drive the program through: scripted message boxes, scripted modal forms and the
// fake desktop, and the end of the screen-saver inhibition.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/headless.h"
#include "platform/platform.h"

namespace platform {
namespace {

class HeadlessSeams : public ::testing::Test {
 protected:
  void SetUp() override { headless::Reset(); }
};

TEST_F(HeadlessSeams, ScriptedMessageBoxesAnswerInOrderAndRecordWhatWasAsked) {
  Window canvas;
  ScriptedDialogs& dialogs = headless::Dialogs();
  dialogs.answers = {IDYES, IDNO};
  EXPECT_EQ(MessageBox(&canvas, "Do you really want to quit?", "Pindoodle", MB_YESNO | MB_ICONQUESTION), IDYES);
  EXPECT_EQ(MessageBox(&canvas, "again?", "Pindoodle", MB_YESNO), IDNO);
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[0].text, "Do you really want to quit?");
  EXPECT_EQ(dialogs.asked[0].caption, "Pindoodle");
  EXPECT_EQ(dialogs.asked[0].flags, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(dialogs.asked[0].owner, &canvas);
  EXPECT_EQ(dialogs.unanswered, 0);
}

TEST_F(HeadlessSeams, UnscriptedQuestionsGetTheSafeAnswerAndAreCounted) {
  ScriptedDialogs& dialogs = headless::Dialogs();
  EXPECT_EQ(MessageBox(nullptr, "quit?", "Pindoodle", MB_YESNO), IDNO);
  EXPECT_EQ(MessageBox(nullptr, "save?", "Pindoodle", MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(MessageBox(nullptr, "saved", "Pindoodle", MB_OK | MB_ICONINFORMATION), IDOK);
  EXPECT_EQ(dialogs.unanswered, 3);
}

TEST_F(HeadlessSeams, AnInstalledDialogsReplacesTheBackendsUntilRemoved) {
  ScriptedDialogs mine;
  mine.answers = {IDYES};
  SetDialogs(&mine);
  EXPECT_EQ(MessageBox(nullptr, "a", "b", MB_YESNO), IDYES);
  EXPECT_TRUE(headless::Dialogs().asked.empty());
  SetDialogs(nullptr);
  MessageBox(nullptr, "c", "d", MB_OK);
  EXPECT_EQ(mine.asked.size(), 1u);
  EXPECT_EQ(headless::Dialogs().asked.size(), 1u);
}

TEST_F(HeadlessSeams, AMessageBoxShowsWhatTheRoutineDrewBeforeIt) {
  Window w;
  w.SetBounds(0, 0, 10, 10);
  w.Show();
  headless::Pump();
  w.OnMouseDown = [&](MouseButton, unsigned, int, int) {
    gdi::HDC dc = GetDC(w);
    gdi::SetPixel(dc, 1, 1, 0);
    ReleaseDC(w, dc);
    MessageBox(&w, "look", "Pindoodle", MB_OK);
  };
  headless::Click(w, 0, 0);
  EXPECT_EQ(headless::FlushCount(), 1);
}

TEST_F(HeadlessSeams, AModalScriptAnswersTheFormWhileItIsShownAndActive) {
  int argc = 0;
  Application app(argc, nullptr);
  Window main;
  app.Run(main);
  Form about;
  about.SetClientSize(484, 200);
  Window ok_button(&about);
  ok_button.SetBounds(200, 160, 80, 30);
  ok_button.Show();
  ok_button.OnMouseDown = [&](MouseButton, unsigned, int, int) { about.Close(mrOk); };
  std::vector<std::string> log;
  about.OnPaint = [&] { log.push_back("about paint"); };
  about.OnActivate = [&] { log.push_back("about on"); };
  main.OnActivate = [&] { log.push_back("main on"); };
  main.OnDeactivate = [&] { log.push_back("main off"); };

  SetModalScript([&](Form& form) {
    EXPECT_EQ(&form, &about);
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.Modal());
    EXPECT_EQ(form.Left(), (1024 - 484) / 2) << "centred on the work area";
    EXPECT_EQ(form.Top(), (768 - 200) / 2);
    headless::Click(form, 210, 170);
    return form.ModalResult();
  });
  EXPECT_EQ(about.ShowModal(), mrOk);
  EXPECT_FALSE(about.Visible());
  EXPECT_FALSE(about.Modal());
  EXPECT_EQ(log, (std::vector<std::string>{"main off", "about on", "about paint", "main on"}));
}

TEST_F(HeadlessSeams, AFormOpenedByAPressTakesTheClicksMadeInIt) {
  Window main;
  main.SetBounds(0, 0, 1024, 768);
  main.Show();
  Form form;
  form.SetClientSize(100, 100);
  int opened = 0, form_presses = 0;
  form.OnMouseDown = [&](MouseButton, unsigned, int, int) { ++form_presses; };
  main.OnMouseDown = [&](MouseButton, unsigned, int, int) {
    ++opened;
    form.ShowModal();
  };
  SetModalScript([](Form& f) {
    headless::Click(f, 50, 50);
    return mrOk;
  });
  headless::Click(main, 10, 10);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(form_presses, 1);
}

TEST_F(HeadlessSeams, WithoutAScriptAHeadlessModalFormIsCancelled) {
  Form form;
  form.SetClientSize(100, 100);
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_FALSE(form.Visible());
}

TEST_F(HeadlessSeams, ClosingAModalFormWithoutAResultCancelsIt) {
  Form form;
  SetModalScript([](Form& f) {
    headless::RequestClose(f);
    return f.ModalResult();
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST_F(HeadlessSeams, TheApplicationGivesTheScreenSaverBackWhenItEnds) {
  FakeDesktop& desktop = headless::Desktop();
  {
    int argc = 0;
    Application app(argc, nullptr);
    Desktop().InhibitScreenSaver("painting");
    EXPECT_TRUE(desktop.ScreenSaverInhibited());
    EXPECT_EQ(desktop.reason, "painting");
  }
  EXPECT_FALSE(desktop.ScreenSaverInhibited());
  EXPECT_EQ(desktop.uninhibit_calls, 1);

  // The same for a desktop the program installed, and the exit path ends it too.
  FakeDesktop installed;
  SetDesktop(&installed);
  Desktop().InhibitScreenSaver("painting");
  detail::EndInhibitionAtExit();
  EXPECT_FALSE(installed.ScreenSaverInhibited());
  SetDesktop(nullptr);
}

TEST_F(HeadlessSeams, ADesktopWithoutClipboardOrWallpaperSaysSo) {
  struct Bare : DesktopServices {
    void InhibitScreenSaver(const std::string&) override {}
    void UninhibitScreenSaver() override {}
    bool ScreenSaverInhibited() const override { return false; }
  } desktop;
  std::string error;
  EXPECT_FALSE(desktop.CopyBitmapToClipboard(std::make_shared<gdi::Bitmap>(2, 2, false)));
  EXPECT_FALSE(desktop.SetDesktopWallpaper("/tmp/TEMP.BMP", &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace platform
