// The main window driven headless: start-up defaults, the palette, the canvas protocol, the
// PENCIL, UNDO, the icon strip and the quit question.
#include <cstdint>
#include <set>
#include <vector>

#include "app/dispatch.h"
#include "app/palette.h"
#include "app_fixture.h"

namespace pd::testing {
namespace {

using platform::MouseButton;
namespace hl = platform::headless;

TEST_F(AppTest, StartsWithThePencilInPureRedAndTheMarkerUnderTheFirstButton) {
  EXPECT_EQ(CurrentTool, 1);
  EXPECT_EQ(CurrentColour, kRed);
  EXPECT_EQ(PenSize, 2);
  EXPECT_EQ(CurrentCategory, 1);
  EXPECT_EQ(ColourRow, 9);
  EXPECT_EQ(ColourShade, 5);
  // The marker is a red triangle with its tip at (120, 51); the rest of the row is black.
  EXPECT_EQ(FormPixel(120, 57), kRed);
  EXPECT_EQ(FormPixel(160, 57), gdi::RGB(0, 0, 0));
  // The canvas fills the window from (82, 92) to the right edge and 2 pixels above the bottom.
  EXPECT_EQ(CanvasWidth, Form().ClientWidth() - 82);
  EXPECT_EQ(CanvasHeight, Form().ClientHeight() - 94);
  EXPECT_TRUE(platform::Desktop().ScreenSaverInhibited());
}

TEST_F(AppTest, PaletteRowButtonsPickRowAndShadeFromThePressPosition) {
  struct Case {
    int x, y, row, shade;
  } cases[] = {{40, 60, 4, 0}, {41, 60, 3, 9}, {79, 60, 3, 0}, {0, 60, 4, 9},
               {20, 53, 4, 4}, {20, 179, 7, 4}, {60, 170, 10, 4}};
  for (const auto& c : cases) {
    hl::Click(Form(), c.x, c.y);
    EXPECT_EQ(ColourRow, c.row) << c.x << "," << c.y;
    EXPECT_EQ(ColourShade, c.shade) << c.x << "," << c.y;
    EXPECT_EQ(CurrentColour, PaletteColours[c.row * 10 + c.shade]);
  }
  EXPECT_EQ(effects_, std::vector<int>(std::size(cases), 21));
}

TEST_F(AppTest, SwatchesPickTheShadeOfTheirRowAndTheGapBelowUndoDoesNothing) {
  hl::Click(Form(), 20, 196);
  EXPECT_EQ(ColourShade, 1);
  hl::Click(Form(), 20, 197);
  EXPECT_EQ(ColourShade, 6);
  hl::Click(Form(), 79, 212);
  EXPECT_EQ(ColourShade, 9);
  effects_.clear();
  const int row = ColourRow, shade = ColourShade;
  hl::Click(Form(), 10, 52);
  EXPECT_EQ(ColourRow, row);
  EXPECT_EQ(ColourShade, shade);
  EXPECT_TRUE(effects_.empty());
}

TEST_F(AppTest, SwatchMarkerIsRedOnGreysAndLightYellowOnReds) {
  hl::Click(Form(), 20, 70);  // row 6, the greys
  ASSERT_EQ(ColourRow, 6);
  // The marker frames the current swatch; its cross passes through the swatch's centre.
  const int x0 = 16 * (ColourShade % 5), y0 = ColourShade < 5 ? 180 : 196;
  EXPECT_EQ(FormPixel(x0 + 8, y0 + 8), kRed);
  EXPECT_EQ(FormPixel(x0, y0 + 5), kRed);
  hl::Click(Form(), 60, 90);  // row 9, the reds
  ASSERT_EQ(ColourRow, 9);
  const int x1 = 16 * (ColourShade % 5), y1 = ColourShade < 5 ? 180 : 196;
  EXPECT_EQ(FormPixel(x1 + 8, y1 + 8), PaletteColours[kLightYellowIndex]);
  // Every swatch shows its shade, framed in grey.
  for (int i = 0; i < 5; ++i) {
    if (i == ColourShade % 5) continue;
    EXPECT_EQ(FormPixel(16 * i + 8, 188), PaletteColours[90 + i]);
    EXPECT_EQ(FormPixel(16 * i, 188), PaletteColours[kSwatchFrameIndex]);
  }
}

TEST_F(AppTest, RightClickPicksOnlyColoursOfTheGrid) {
  FillCanvas(PaletteColours[37]);
  hl::Click(Canvas(), 50, 50, MouseButton::Right);
  EXPECT_EQ(ColourRow, 3);
  EXPECT_EQ(ColourShade, 7);
  EXPECT_EQ(CurrentColour, PaletteColours[37]);
  FillCanvas(PaletteColours[161]);
  hl::Click(Canvas(), 50, 50, MouseButton::Right);
  EXPECT_EQ(ColourRow, 3);
  EXPECT_EQ(ColourShade, 7);
  FillCanvas(gdi::RGB(1, 2, 3));
  hl::Click(Canvas(), 50, 50, MouseButton::Right);
  EXPECT_EQ(ColourRow, 3);
  EXPECT_FALSE(ButtonHeld);
}

TEST_F(AppTest, PencilPressLeavesADotAndDragsDrawTheStrokeWithSound15) {
  FillCanvas(kWhite);
  hl::MouseDown(Canvas(), MouseButton::Left, 100, 100);
  EXPECT_TRUE(ButtonHeld);
  EXPECT_EQ(AnchorX, 100);
  EXPECT_EQ(LastY, 100);
  EXPECT_EQ(CanvasPixel(100, 100), kRed);
  const int dot = CountCanvas(kRed);
  EXPECT_GE(dot, 2);
  EXPECT_LE(dot, 6);
  EXPECT_EQ(effects_, std::vector<int>{15});
  hl::MouseMove(Canvas(), 150, 100);
  hl::MouseMove(Canvas(), 150, 140);
  hl::MouseUp(Canvas(), MouseButton::Left, 150, 140);
  EXPECT_FALSE(ButtonHeld);
  EXPECT_EQ(LastX, 150);
  EXPECT_EQ(AnchorX, 100);
  for (int x = 100; x < 150; x += 7) EXPECT_EQ(CanvasPixel(x, 100), kRed) << x;
  for (int y = 100; y < 140; y += 7) EXPECT_EQ(CanvasPixel(150, y), kRed) << y;
  EXPECT_EQ(CanvasPixel(125, 110), kWhite);
}

TEST_F(AppTest, TheMiddleButtonDrawsAsTheLeftDoes) {
  // Any button but the right runs the three phases: the pencil's dot, line and sound, and the
  // rectangle's finished figure at the release.
  for (const int tool : {1, 31}) {
    std::vector<std::uint32_t> pictures[2];
    std::vector<int> sounds[2];
    for (const MouseButton button : {MouseButton::Left, MouseButton::Middle}) {
      const int i = button == MouseButton::Middle;
      FillCanvas(kWhite);
      CurrentTool = tool;
      effects_.clear();
      hl::Drag(Canvas(), 30, 20, 90, 70, 4, button);
      EXPECT_FALSE(ButtonHeld);
      const gdi::Bitmap& s = *Canvas().Surface();
      pictures[i].assign(s.Pixels(), s.Pixels() + static_cast<std::size_t>(s.Width()) * s.Height());
      sounds[i] = effects_;
    }
    EXPECT_NE(CountCanvas(kRed), 0) << tool;
    EXPECT_TRUE(pictures[0] == pictures[1]) << tool;
    EXPECT_EQ(sounds[0], sounds[1]) << tool;
    EXPECT_FALSE(sounds[1].empty()) << tool;
  }
}

TEST_F(AppTest, RainbowStrokesTakeAColourOfTheFirst159EntriesPerMove) {
  FillCanvas(kWhite);
  RainbowColours = true;
  hl::MouseDown(Canvas(), MouseButton::Left, 20, 20);
  EXPECT_EQ(CanvasPixel(20, 20), CurrentColour);
  std::set<gdi::COLORREF> seen;
  int changes = 0;
  gdi::COLORREF previous = CurrentColour;
  for (int i = 1; i <= 20; ++i) {
    hl::MouseMove(Canvas(), 20 + 10 * i, 20);
    const gdi::COLORREF c = CanvasPixel(20 + 10 * i - 5, 20);
    bool in_first_159 = false;
    for (int k = 0; k < 159; ++k) in_first_159 |= PaletteColours[k] == c;
    EXPECT_TRUE(in_first_159) << i;
    seen.insert(c);
    changes += c != previous;
    previous = c;
  }
  hl::MouseUp(Canvas(), MouseButton::Left, 220, 20);
  // Twenty draws out of 159 colours: nearly every segment differs from the one before.
  EXPECT_GE(seen.size(), 12u);
  EXPECT_GE(changes, 17);
}

TEST_F(AppTest, UndoRestoresTheCanvasOfTheLastPalettePress) {
  FillCanvas(kWhite);
  hl::Drag(Canvas(), 10, 10, 60, 10);
  hl::Click(Form(), 20, 188);  // a swatch press keeps the picture so far
  hl::Drag(Canvas(), 10, 50, 60, 50);
  EXPECT_NE(CanvasPixel(30, 50), kWhite);
  effects_.clear();
  hl::Click(Form(), 20, 20);  // UNDO
  EXPECT_EQ(effects_, std::vector<int>{39});
  EXPECT_NE(CanvasPixel(30, 10), kWhite);
  EXPECT_EQ(CanvasPixel(30, 50), kWhite);
}

TEST_F(AppTest, SwitchingBackBringsTheSavedCanvasNotTheScreen) {
  FillCanvas(kWhite);
  hl::Click(Form(), 20, 188);
  hl::Drag(Canvas(), 10, 50, 60, 50);
  hl::DeactivateApp();
  hl::ActivateApp();
  EXPECT_EQ(CanvasPixel(30, 50), kWhite);
  // A minimise saves the canvas first, so the stroke survives the next switch.
  hl::Drag(Canvas(), 10, 70, 60, 70);
  hl::Minimize(Form());
  hl::ActivateApp();
  EXPECT_NE(CanvasPixel(30, 70), kWhite);
}

TEST_F(AppTest, IconStripSteps0To5AndBackEvery125Milliseconds) {
  std::vector<int> frames;
  for (int i = 0; i < 12; ++i) {
    hl::AdvanceClock(125);
    frames.push_back(IconFrame);
  }
  EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 4, 3, 2, 1, 0, 1, 2}));
  main_->ChangeCategory(3);
  EXPECT_EQ(IconFrame, 0);
  EXPECT_EQ(CurrentCategory, 4);
  hl::AdvanceClock(125);
  EXPECT_EQ(IconFrame, 1);
}

TEST_F(AppTest, QuitAsksAndOnlyYesEndsTheProgramWithSound47) {
  auto& dialogs = hl::Dialogs();
  dialogs.asked.clear();
  dialogs.answers.push_back(platform::IDNO);
  hl::Click(Form(), CanvasWidth + 60, 20);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, "Do you really want to quit?");
  EXPECT_EQ(dialogs.asked[0].caption, "Pindoodle");
  EXPECT_EQ(dialogs.asked[0].flags, platform::MB_YESNO | platform::MB_ICONQUESTION);
  EXPECT_TRUE(Form().Visible());
  EXPECT_TRUE(effects_.empty());
  dialogs.answers.push_back(platform::IDYES);
  hl::Click(Form(), CanvasWidth + 40, 0);
  EXPECT_EQ(effects_, std::vector<int>{47});
  EXPECT_FALSE(Form().Visible());
  EXPECT_EQ(dialogs.asked.size(), 2u);  // the close that follows Yes asks nothing more
}

TEST_F(AppTest, AClosingFromTheDesktopAsksTheQuitQuestionToo) {
  auto& dialogs = hl::Dialogs();
  dialogs.asked.clear();
  dialogs.answers.push_back(platform::IDNO);
  hl::RequestClose(Form());
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, "Do you really want to quit?");
  EXPECT_TRUE(Form().Visible());
  EXPECT_FALSE(hl::QuitRequested());
  dialogs.answers.push_back(platform::IDYES);
  hl::RequestClose(Form());
  EXPECT_EQ(effects_, std::vector<int>{47});
  EXPECT_FALSE(Form().Visible());
  EXPECT_TRUE(hl::QuitRequested());
}

TEST_F(AppTest, EndPhaseRunsOnlyForAStrokeBegunByALeftPressOnTheCanvas) {
  // BOMB's end phase clears the tool: a right click must not run it, a left stroke does.
  CurrentTool = 47;
  hl::Click(Canvas(), 30, 30, MouseButton::Right);
  EXPECT_EQ(CurrentTool, 47);
  hl::MouseUp(Canvas(), MouseButton::Left, 30, 30);  // a release with no press before it
  EXPECT_EQ(CurrentTool, 47);
  hl::Click(Canvas(), 30, 30);
  EXPECT_EQ(CurrentTool, 0);
}

TEST_F(AppTest, AForcedPenSizeComesBackHoweverTheStrokeEnds) {
  CurrentTool = 20;  // 3D RIBBON draws at size 10
  PenSize = 3;
  hl::Drag(Canvas(), 10, 10, 40, 40);
  EXPECT_EQ(PenSize, 3);
  // Pressed elsewhere mid-stroke: the palette press finishes the tool first.
  hl::MouseDown(Canvas(), MouseButton::Left, 10, 10);
  EXPECT_EQ(PenSize, 10);
  hl::Click(Form(), 20, 188);
  EXPECT_EQ(PenSize, 3);
  CurrentTool = 5;  // CRAZY PEN draws at size 2
  hl::MouseDown(Canvas(), MouseButton::Left, 10, 10);
  EXPECT_EQ(PenSize, 2);
  hl::MouseUp(Canvas(), MouseButton::Left, 12, 12);
  EXPECT_EQ(PenSize, 3);
}

TEST_F(AppTest, ToolCursorFollowsTheTableAndThePenSizeForErasers) {
  EXPECT_EQ(ToolCursor(), 2);  // PENCIL
  CurrentTool = 0;
  EXPECT_EQ(ToolCursor(), 0);
  CurrentTool = 57;
  PenSize = 1;
  EXPECT_EQ(ToolCursor(), 24);
  PenSize = 10;
  EXPECT_EQ(ToolCursor(), 32);
  CurrentTool = 31;
  EXPECT_EQ(ToolCursor(), 1);
  NibPanelShown = true;
  NibDirection = 3;
  EXPECT_EQ(ToolCursor(), 10);
}

TEST_F(AppTest, ThePaletteIsMatchedOverItsDefinedEntriesOnly) {
  EXPECT_EQ(NearestPaletteEntry(PaletteColours[224]), 219);  // 0,128,0 first appears at 219
  EXPECT_EQ(NearestPaletteEntry(gdi::RGB(0, 0, 0)), 69);
  EXPECT_EQ(PaletteColours[160], gdi::RGB(255, 255, 254));
  EXPECT_EQ(PaletteColours[169], gdi::RGB(254, 255, 250));
  EXPECT_EQ(PaletteColours[209], gdi::RGB(255, 251, 250));
  EXPECT_EQ(PaletteColours[95], kRed);
}

}  // namespace
}  // namespace pd::testing
