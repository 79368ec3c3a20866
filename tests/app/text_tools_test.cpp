// The TEXT category through the real handlers, with the dialogs answered by scripts that type
// into their edit boxes and press their pictures: TYPING's line and its limits, the fitted box
// texts, ROTATED TEXT, the three dialogs and the Windows-1252 text they hand over.
#include <algorithm>
#include <cctype>
#include <string>

#include "app_fixture.h"
#include "core/ansi.h"
#include "core/snapshot.h"
#include "regiontools/textdialogs.h"
#include "regiontools/texttools.h"

namespace pd::testing {
namespace {

namespace hl = platform::headless;

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  bool Empty() const { return right < 0; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

class TextToolsTest : public AppTest {
 protected:
  void SetUp() override {
    Start();
    FillCanvas(kWhite);
    SaveCanvasSnapshot();
    ResetRotatorTicks();
  }
  void TearDown() override {
    platform::SetModalScript(nullptr);
    AppTest::TearDown();
  }
  void ChooseTool(int slot) {
    hl::Click(main_->TabSet1(), 36 * 5 + 12 + 16, 16);
    hl::Click(main_->Image(slot), 20, 20);
    effects_.clear();
  }
  // The text dialog answers with words typed over what it shows, accepted by Enter.
  void AnswerWith(const std::string& words) {
    platform::SetModalScript([words](platform::Form& form) {
      auto& dialog = dynamic_cast<Ttextinpt&>(form);
      hl::TypeInto(dialog.Edit1(), words);
      hl::KeyDown(form, platform::VK_RETURN);
      hl::KeyUp(form, platform::VK_RETURN);
      return form.ModalResult();
    });
  }
  Box BoxOf(gdi::COLORREF c) {
    Box b;
    const auto& s = *Canvas().Surface();
    for (int y = 0; y < s.Height(); ++y)
      for (int x = 0; x < s.Width(); ++x)
        if (s.At(x, y) == gdi::PixelFromColorref(c)) {
          b.left = std::min(b.left, x);
          b.top = std::min(b.top, y);
          b.right = std::max(b.right, x + 1);
          b.bottom = std::max(b.bottom, y + 1);
        }
    return b;
  }
  gdi::COLORREF Dark() { return PaletteColours[ColourRow * 10 + 9]; }
};

TEST_F(TextToolsTest, TypingEditsTheLineFromTheSnapshotAndCommitsOnEnterOrAClick) {
  ChooseTool(1);
  ASSERT_EQ(CurrentTool, kTypingTool);
  hl::Click(Canvas(), 100, 100);
  EXPECT_EQ(effects_, std::vector<int>{63});
  ASSERT_TRUE(TypingActive);
  EXPECT_EQ(CanvasPixel(100, 84), CurrentColour) << "the caret block at the line's top-left";
  hl::KeyDown(Form(), platform::VK_BACK);  // on an empty line: nothing
  hl::Type(Form(), "Hi\b\bHo");
  EXPECT_EQ(TextBufferText(), "Ho");
  EXPECT_EQ(CanvasPixel(100, 84), kWhite) << "the caret moved on; the old one is gone";

  // A minimise saves no half-typed line into the snapshot.
  hl::Minimize(Form());
  hl::ActivateApp();
  hl::KeyDown(Form(), platform::VK_RETURN);
  EXPECT_FALSE(TypingActive);
  const int inked = CountCanvas(CurrentColour);
  EXPECT_GT(inked, 20);
  RestoreCanvasSnapshot();
  EXPECT_EQ(CountCanvas(CurrentColour), 0);

  // At 254 characters nothing more goes in, Enter included; a click commits and draws nothing.
  hl::Click(Canvas(), 5, 300);
  for (int i = 0; i < 260; ++i) hl::KeyPress(Form(), 'l');
  hl::KeyPress(Form(), 13);
  EXPECT_EQ(TextBufferText().size(), 254u);
  EXPECT_TRUE(TypingActive);
  hl::Click(Canvas(), 300, 200);
  EXPECT_FALSE(TypingActive);
  EXPECT_EQ(effects_, (std::vector<int>{63, 63}));
}

TEST_F(TextToolsTest, BoxTextsTakeTheirSizeFromTheWidthAndDrawTheirDarkCopiesWhereTheyBelong) {
  ChooseTool(2);
  ASSERT_EQ(CurrentTool, kShadowTextTool);
  AnswerWith("Wow");
  Stroke({{50, 50}, {250, 70}});
  const Box low = BoxOf(CurrentColour);
  FillCanvas(kWhite);
  Stroke({{50, 50}, {250, 300}});
  const Box tall = BoxOf(CurrentColour);
  ASSERT_FALSE(low.Empty());
  EXPECT_EQ(low.Width(), tall.Width());
  EXPECT_EQ(low.Height(), tall.Height());
  EXPECT_NEAR(low.Width(), 200, 40);

  // EXTRUDED TEXT to the bottom right: the dark block runs out below and right of the front.
  ShadowDirection = 7;
  ChooseTool(5);
  FillCanvas(kWhite);
  Stroke({{50, 50}, {250, 70}});
  const Box front = BoxOf(CurrentColour), dark = BoxOf(Dark());
  EXPECT_EQ(front.left, low.left);
  EXPECT_GT(dark.right, front.right);
  EXPECT_GT(dark.bottom, front.bottom);

  // EXPLODING TEXT in a box narrower than 8: the one dark copy lies under the front copy.
  ChooseTool(3);
  FillCanvas(kWhite);
  Stroke({{50, 200}, {57, 260}});
  EXPECT_FALSE(BoxOf(CurrentColour).Empty());
  EXPECT_TRUE(BoxOf(Dark()).Empty());
}

TEST_F(TextToolsTest, TheTextDialogShowsTheLastWordsSelectedAndCancelEmptiesThem) {
  ChooseTool(2);
  AnswerWith("\xE2\x82\xAC" "5 \xE6\xBC\xA2!");  // the euro sign is in Windows-1252, the CJK one is not
  Stroke({{50, 50}, {250, 70}});
  EXPECT_EQ(TextBufferText(), "\x80" "5 !");

  std::string shown;
  int selected = 0;
  platform::SetModalScript([&](platform::Form& form) {
    auto& dialog = dynamic_cast<Ttextinpt&>(form);
    shown = dialog.Edit1().Text();
    selected = dialog.Edit1().SelLength();
    hl::Click(dialog.Image2(), 5, 5);
    return form.ModalResult();
  });
  FillCanvas(kWhite);
  SaveCanvasSnapshot();
  Stroke({{50, 50}, {250, 70}});
  EXPECT_EQ(shown, "\xE2\x82\xAC" "5 !");
  EXPECT_EQ(selected, 4);
  EXPECT_EQ(TextBuffer[0], 0);
  EXPECT_EQ(CountCanvas(kWhite), Canvas().ClientWidth() * Canvas().ClientHeight());
  EXPECT_EQ(effects_, std::vector<int>{36});
}

TEST_F(TextToolsTest, TheAngleDialogWaitsThreeTicksOnceAndRotatedTextReadsUpwardAtNinety) {
  SetTextBuffer("Upward");
  TextAngle = 30;
  std::vector<std::string> seen;
  platform::SetModalScript([&](platform::Form& form) {
    auto& dialog = dynamic_cast<Trotator&>(form);
    hl::AdvanceClock(400);
    seen.push_back(dialog.Edit1().Text());
    hl::AdvanceClock(200);
    seen.push_back(dialog.Edit1().Text() + " " + std::to_string(dialog.ScrollBar1().Position()));
    hl::ScrollTo(dialog.ScrollBar1(), 90);
    seen.push_back(dialog.Label1().Caption() + " / " + form.Caption());
    hl::Click(dialog.Image1(), 5, 5);
    return form.ModalResult();
  });
  ChooseTool(4);
  hl::Click(Canvas(), 300, 250);
  EXPECT_EQ(seen, (std::vector<std::string>{"", "Upward 30", "90 Degrees / Text Rotation"}));
  EXPECT_EQ(TextAngle, 90);
  const Box b = BoxOf(CurrentColour);
  EXPECT_GT(b.Height(), 2 * b.Width());
  EXPECT_NEAR((b.top + b.bottom) / 2, 250, 3);
  EXPECT_LT((b.left + b.right) / 2, 300) << "glyphs stand to the left of an upward baseline";

  // The second showing acts on its first tick.
  seen.clear();
  platform::SetModalScript([&](platform::Form& form) {
    hl::AdvanceClock(200);
    seen.push_back(dynamic_cast<Trotator&>(form).Edit1().Text());
    return platform::mrCancel;  // closed from the desktop
  });
  hl::Click(Canvas(), 300, 250);
  EXPECT_EQ(seen, std::vector<std::string>{"Upward"});
  EXPECT_EQ(TextBuffer[0], 0);
}

TEST_F(TextToolsTest, TheLetteringDialogListsTheScreensFontsSortedAndSetsTheFaceAtOnce) {
  FontName = "No Such Face";
  std::vector<std::string> items;
  int selected = 0;
  platform::SetModalScript([&](platform::Form& form) {
    auto& dialog = dynamic_cast<TFontForm&>(form);
    items = dialog.ListBox1().Items();
    selected = dialog.ListBox1().ItemIndex();
    if (!items.empty()) hl::ClickItem(dialog.ListBox1(), static_cast<int>(items.size()) - 1);
    hl::Click(dialog.Image1(), 5, 5);
    return form.ModalResult();
  });
  ShowFontForm();
  ASSERT_FALSE(items.empty());
  // The face is not installed: the list shows the family that stands in for it.
  ASSERT_GE(selected, 0);
  EXPECT_EQ(items[static_cast<std::size_t>(selected)], gdi::MatchedFontFamily("No Such Face"));
  EXPECT_TRUE(std::is_sorted(items.begin(), items.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
  }));
  EXPECT_EQ(Utf8FromLatin1(FontName), items.back());
}

}  // namespace
}  // namespace pd::testing
