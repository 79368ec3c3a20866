// Random input over the whole program: presses, drags, right clicks and keys anywhere on the
// window and the canvas, in every category and with every tool, timer ticks in between, and the
// forms that open answered by random clicks. A child does all of this. Nothing may crash (the
// sanitizer build runs the same input), the program's drawing objects must not pile up, and the
// settings the tools read stay in their ranges.
//
// CI runs a few thousand events. The long soak runs a million, seeded, outside CI:
//   PD_SOAK_EVENTS=1000000 PD_SOAK_SEED=1 build/bin/app_tests --gtest_filter='RandomInputTest.*'
// It also checks that the process's resident memory stays bounded after the warm-up.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "app/dispatch.h"
#include "app_fixture.h"

namespace pd::testing {
namespace {

namespace hl = platform::headless;
using platform::MouseButton;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

long EnvNumber(const char* name, long fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

// Resident set size of this process, in KiB.
long ResidentKiB() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

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
  const long long_events = EnvNumber("PD_SOAK_EVENTS", 0);
  const int first_seed = static_cast<int>(EnvNumber("PD_SOAK_SEED", 1));
  // The short run: four seeds of 1,500 events. The long one: one seed of PD_SOAK_EVENTS.
  const int seeds = long_events > 0 ? 1 : 4;
  const long events = long_events > 0 ? long_events : 1500;
  const long warm_up = std::min(events / 5, 20000L);
  for (int seed = first_seed; seed < first_seed + seeds; ++seed) {
    rng_.seed(static_cast<unsigned>(seed));
    // Every form that opens gets a few random clicks and is then closed one way or the other.
    platform::SetModalScript([this](platform::Form& form) {
      for (int k = Between(0, 5); k > 0; --k)
        hl::Click(form, Between(0, form.ClientWidth() - 1), Between(0, form.ClientHeight() - 1));
      return Between(0, 1) == 0 ? platform::mrOk : platform::mrCancel;
    });
    // Message boxes take the safe answer (No to QUIT, Cancel, OK), so the run goes on.
    hl::Dialogs().answers.clear();
    const auto started = std::chrono::steady_clock::now();
    int live_before = -1, live_peak = 0;
    long rss_before = 0, rss_peak = 0, step = 0;
    for (; step < events && !hl::QuitRequested(); ++step) {
      RandomEvent();
      if (step == warm_up) {
        live_before = gdi::GdiLiveObjects();
        rss_before = ResidentKiB();
      }
      if (step > warm_up && step % 1000 == 0) {
        live_peak = std::max(live_peak, gdi::GdiLiveObjects());
        rss_peak = std::max(rss_peak, ResidentKiB());
      }
      if (step % 50 == 0) CheckSettings(seed, static_cast<int>(step));
      if (HasFatalFailure()) return;
    }
    CheckSettings(seed, static_cast<int>(step));
    live_peak = std::max(live_peak, gdi::GdiLiveObjects());
    rss_peak = std::max(rss_peak, ResidentKiB());
    // Objects in use come and go with the tool; they must not grow with the number of events.
    EXPECT_LE(gdi::GdiLiveObjects(), live_before + 40) << "seed " << seed;
    EXPECT_LE(live_peak, live_before + 60) << "seed " << seed;
    // The sanitizers keep freed memory in quarantine, so memory is measured in a plain build only.
    if (!kSanitized && long_events > 0) {
      EXPECT_LE(rss_peak, rss_before + 64 * 1024) << "seed " << seed;
    }
    if (long_events > 0) {
      const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
      std::printf(
          "soak seed %d: %ld events in %.0f s; objects %d after warm-up, %d peak, %d at end; "
          "RSS %ld KiB after warm-up, %ld KiB peak; %zu message boxes\n",
          seed, step, secs, live_before, live_peak, gdi::GdiLiveObjects(), rss_before, rss_peak,
          hl::Dialogs().asked.size());
    }
    platform::SetModalScript({});
  }
}

}  // namespace
}  // namespace pd::testing
