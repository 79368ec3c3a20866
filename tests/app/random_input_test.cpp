// Random input over the whole program: presses, drags, right clicks and keys anywhere on the
// window and the canvas, in every category and with every tool, timer ticks in between, and the
// forms that open answered by random clicks. A child does all of this. Nothing may crash (the
// sanitizer build runs the same input), the program's drawing objects must not pile up, and the
// settings the tools read stay in their ranges.
#include <random>

#include "app/dispatch.h"
#include "app_fixture.h"

namespace pd::testing {
namespace {

namespace hl = platform::headless;
using platform::MouseButton;

class RandomInputTest : public AppTest {
 protected:
  // Pictures the child saves go to a scratch folder.
  void SetUp() override {
    AppTest::SetUp();
    UseScratchDataDir();
  }
  int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  void RandomEvent() {
    platform::Window& form = Form();
    platform::Window& canvas = Canvas();
    const int fw = form.ClientWidth(), fh = form.ClientHeight();
    const int cw = canvas.ClientWidth(), ch = canvas.ClientHeight();
    switch (Between(0, 11)) {
      case 0:
      case 1:
      case 2:  // a stroke on the canvas, sometimes leaving it
        hl::Drag(canvas, Between(-5, cw + 5), Between(-5, ch + 5), Between(-40, cw + 40),
                 Between(-40, ch + 40), Between(1, 30));
        break;
      case 3:  // a press and release at one place, sometimes a double click
        hl::Click(canvas, Between(0, cw - 1), Between(0, ch - 1));
        if (Between(0, 3) == 0) hl::Click(canvas, Between(0, cw - 1), Between(0, ch - 1));
        break;
      case 4:  // the right button: the colour pick
        hl::Click(canvas, Between(0, cw - 1), Between(0, ch - 1), MouseButton::Right);
        break;
      case 5: {  // a press on the canvas and a release somewhere else, or a second button held
        hl::MouseDown(canvas, MouseButton::Left, Between(0, cw - 1), Between(0, ch - 1));
        hl::MouseMove(canvas, Between(-100, cw + 100), Between(-100, ch + 100));
        if (Between(0, 2) == 0) {
          hl::MouseDown(canvas, MouseButton::Right, Between(0, cw - 1), Between(0, ch - 1));
          hl::MouseUp(canvas, MouseButton::Right, Between(0, cw - 1), Between(0, ch - 1));
        }
        hl::MouseUp(canvas, MouseButton::Left, Between(-100, cw + 100), Between(-100, ch + 100));
        break;
      }
      case 6:  // the tool buttons, the tabs and the panels across the top
        hl::Click(form, Between(0, fw - 1), Between(0, 95));
        break;
      case 7:  // the palette, UNDO and the panels down the left side
        hl::Click(form, Between(0, 99), Between(0, fh - 1),
                  Between(0, 4) == 0 ? MouseButton::Right : MouseButton::Left);
        break;
      case 8:  // anywhere at all
        hl::Click(form, Between(-10, fw + 10), Between(-10, fh + 10));
        break;
      case 9: {  // keys, typed or pressed
        static constexpr int kKeys[] = {13, 8, 9, 27, 32, 37, 38, 39, 40, 46, 'A', 'Z', '1', 112, 113};
        const int vk = kKeys[Between(0, static_cast<int>(std::size(kKeys)) - 1)];
        hl::KeyDown(form, vk);
        hl::KeyUp(form, vk);
        if (Between(0, 2) == 0) hl::Type(form, "Hi!");
        break;
      }
      case 10:  // time passes
        hl::AdvanceClock(static_cast<std::uint32_t>(Between(1, 600)));
        break;
      case 11:  // the program is left and come back to
        hl::DeactivateApp();
        hl::ActivateApp();
        break;
    }
  }

  void CheckSettings(int seed, int step) {
    SCOPED_TRACE("seed " + std::to_string(seed) + ", event " + std::to_string(step));
    ASSERT_GE(CurrentCategory, 1);
    ASSERT_LE(CurrentCategory, 10);
    ASSERT_GE(CurrentTool, 0);
    ASSERT_LT(CurrentTool, kToolCount);
    ASSERT_GE(PenSize, 1);
    ASSERT_LE(PenSize, 64);
    ASSERT_GE(ColourRow, 0);
    ASSERT_LT(ColourRow, kPaletteRows);
    ASSERT_GE(ColourShade, 0);
    ASSERT_LE(ColourShade, 9);
    ASSERT_GE(IconFrame, 0);
    ASSERT_LE(IconFrame, 5);
    ASSERT_TRUE(CanvasSnapshot);
    ASSERT_EQ(CanvasSnapshot->Width(), CanvasWidth);
  }

  std::mt19937 rng_;
};

TEST_F(RandomInputTest, AChildsRandomClicksNeverBreakTheProgram) {
  for (int seed = 1; seed <= 4; ++seed) {
    rng_.seed(static_cast<unsigned>(seed));
    // Every form that opens gets a few random clicks and is then closed one way or the other.
    platform::SetModalScript([this](platform::Form& form) {
      for (int k = Between(0, 5); k > 0; --k)
        hl::Click(form, Between(0, form.ClientWidth() - 1), Between(0, form.ClientHeight() - 1));
      return Between(0, 1) == 0 ? platform::mrOk : platform::mrCancel;
    });
    int live_before = -1;
    for (int step = 0; step < 1500 && !hl::QuitRequested(); ++step) {
      RandomEvent();
      if (step == 200) live_before = gdi::GdiLiveObjects();
      if (step % 50 == 0) CheckSettings(seed, step);
      if (HasFatalFailure()) return;
    }
    CheckSettings(seed, 1500);
    // Objects in use come and go with the tool; they must not grow with the number of events.
    EXPECT_LE(gdi::GdiLiveObjects(), live_before + 40) << "seed " << seed;
    platform::SetModalScript({});
  }
}

}  // namespace
}  // namespace pd::testing
