// Random input over the whole program: presses, drags, right clicks and keys anywhere on the
// window and the canvas, in every category and with every tool, timer ticks in between. Besides
// the blind clicks, every button of every category is pressed in turn through the tabs and the
// tool buttons and used at once on the canvas and on its option panels, so the stamps, the clip
// art, the text, the picture browser, printing, the erasers and the animations are all reached.
// The forms that open are played with (their pictures clicked and dragged, lists picked, bars
// moved, boxes typed into) until they close themselves or the desktop closes them; message boxes
// get a random one of their buttons, but the question whether to quit is always answered No. A
// child does all of this. Nothing may crash (the sanitizer build runs the same input), the
// program's drawing objects must not pile up, and every setting of the shared state stays in its
// range.
//
// CI runs a few thousand events. The long soak runs a million, seeded, outside CI:
//   PD_SOAK_EVENTS=1000000 PD_SOAK_SEED=1 build/bin/app_tests --gtest_filter='RandomInputTest.*'
// It also checks that the process's resident memory stays bounded after the warm-up.
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <typeinfo>

#include "app/dispatch.h"
#include "app/tooltable.h"
#include "app_fixture.h"
#include "pictures/printing.h"

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

// Memory the allocator has handed out and not had back, in KiB: against the resident size it
// tells memory still in use from memory freed but kept by the allocator.
long HeapKiB() {
  const struct mallinfo2 m = mallinfo2();
  return static_cast<long>((m.uordblks + m.hblkhd) / 1024);
}

// Answers each message box with one of its own buttons at random, but always No to quitting.
// Nothing is recorded, so a long run does not pile up what it was asked.
class RandomAnswers : public platform::Dialogs {
 public:
  explicit RandomAnswers(std::mt19937* rng) : rng_(rng) {}
  int MessageBox(platform::Window*, const std::string& text, const std::string&, unsigned flags) override {
    ++asked;
    if (text.find("quit") != std::string::npos) {
      ++quit_asked;
      return platform::IDNO;
    }
    const auto pick = [this](std::initializer_list<int> answers) {
      return answers.begin()[std::uniform_int_distribution<int>(0, int(answers.size()) - 1)(*rng_)];
    };
    switch (flags & platform::MB_TYPEMASK) {
      case platform::MB_YESNO:
        return pick({platform::IDYES, platform::IDNO});
      case platform::MB_OKCANCEL:
        return pick({platform::IDOK, platform::IDCANCEL});
      case platform::MB_YESNOCANCEL:
        return pick({platform::IDYES, platform::IDNO, platform::IDCANCEL});
      default:
        return platform::IDOK;
    }
  }
  long asked = 0, quit_asked = 0;

 private:
  std::mt19937* rng_;
};

// What a child types into a box, path separators and letters from far away included.
constexpr const char* kTypedTexts[] = {
    "Hi!",
    "../../pdsoak-escape",
    "a/b\\c",
    "",
    "Mommy",
    "\xC3\xA9t\xC3\xA9 \xE2\x98\x85",
    "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
    ".",
    "x:*?\"<>|"};
constexpr int kKeys[] = {13, 8, 9, 27, 32, 33, 34, 35, 36, 37, 38, 39, 40, 46, 'A', 'Z', '1', 112, 113};

class RandomInputTest : public AppTest {
 protected:
  // Pictures the child saves go to a scratch folder.
  void SetUp() override {
    AppTest::SetUp();
    UseScratchDataDir();
  }
  int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  int AnyKey() { return kKeys[Between(0, static_cast<int>(std::size(kKeys)) - 1)]; }

  // Presses the tab of category 1..10 and then button 1..10, as the child does with the mouse.
  void ChooseButton(int category, int slot) {
    platform::Window& tabs = main_->TabSet1();
    const int index = category - 1;
    hl::Click(tabs, 36 * index + (index < 7 ? 12 : 17) + 14, tabs.ClientHeight() / 2);
    const bool category_shown = CurrentCategory == category;
    platform::Window& button = main_->Image(slot);
    hl::Click(button, button.ClientWidth() / 2, button.ClientHeight() / 2);
    const ToolSlot& s = ToolSlotAt(category, slot);
    if (category_shown && (s.RunsAction() || (s.SelectsTool() && CurrentTool != 0)))
      reached_.insert(category * 100 + slot);
  }

  void Stroke() {
    const int cw = Canvas().ClientWidth(), ch = Canvas().ClientHeight();
    hl::Drag(Canvas(), Between(-5, cw + 5), Between(-5, ch + 5), Between(-40, cw + 40), Between(-40, ch + 40),
             Between(1, 30));
  }

  // A press on the option panels down the left side.
  void PanelPress() { hl::Click(Form(), Between(0, 79), Between(230, 482)); }

  // The next button in turn, used at once: its panels pressed, a stroke or a click on the canvas
  // (a second click ends the boxes that wait for one), and time for what it set going.
  void NextButtonInTurn() {
    const int category = next_button_ / kSlotCount % kCategoryCount + 1, slot = next_button_ % kSlotCount + 1;
    ++next_button_;
    ChooseButton(category, slot);
    for (int k = Between(0, 2); k > 0; --k) PanelPress();
    Stroke();
    if (Between(0, 1) == 0) hl::Click(Canvas(), Between(0, Canvas().ClientWidth() - 1), Between(0, 40));
    if (Between(0, 2) == 0)
      hl::Type(Form(), kTypedTexts[Between(0, static_cast<int>(std::size(kTypedTexts)) - 1)]);
    hl::AdvanceClock(static_cast<std::uint32_t>(Between(0, 1500)));
  }

  void RandomEvent() {
    platform::Window& form = Form();
    platform::Window& canvas = Canvas();
    const int fw = form.ClientWidth(), fh = form.ClientHeight();
    const int cw = canvas.ClientWidth(), ch = canvas.ClientHeight();
    switch (Between(0, 15)) {
      case 0:
      case 1:
      case 2:  // a stroke on the canvas, sometimes leaving it
        Stroke();
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
        const int vk = AnyKey();
        hl::KeyDown(form, vk);
        hl::KeyUp(form, vk);
        if (Between(0, 2) == 0) hl::Type(form, "Hi!");
        break;
      }
      case 10:  // time passes
        hl::AdvanceClock(static_cast<std::uint32_t>(Between(1, 600)));
        break;
      case 11:  // the program is left and come back to, or the desktop asks it to close
        hl::DeactivateApp();
        hl::ActivateApp();
        if (Between(0, 9) == 0) hl::RequestClose(form);
        break;
      case 12:
      case 13:  // any button of any category, and a stroke with it
        ChooseButton(Between(1, kCategoryCount), Between(1, kSlotCount));
        Stroke();
        break;
      case 14:  // the option panels
        PanelPress();
        break;
      case 15:  // the printer and the desktop change their minds
        printer_.has_printer = Between(0, 3) != 0;
        printer_.setup_answer = Between(0, 1) == 0;
        desktop_.wallpaper_works = Between(0, 3) != 0;
        break;
    }
  }

  static void AddVisibleWindows(platform::Window& window, std::vector<platform::Window*>* out) {
    for (platform::Window* child : window.Children()) {
      if (!child->Visible()) continue;
      out->push_back(child);
      AddVisibleWindows(*child, out);
    }
  }

  // The child plays with a form that opened: presses, drags and keys on any of its parts, lists
  // picked, bars moved, boxes typed into, time passing, until the form closes itself or the desktop
  // closes it.
  int PlayWithForm(platform::Form& form) {
    forms_seen_.insert(typeid(form).name());
    for (int k = Between(1, 8); k > 0 && form.ModalResult() == platform::mrNone && form.Visible(); --k) {
      // Mostly one of the form's pictures and controls, sometimes the form itself.
      std::vector<platform::Window*> parts;
      AddVisibleWindows(form, &parts);
      platform::Window& w =
          parts.empty() || Between(0, 3) == 0 ? form : *parts[Between(0, static_cast<int>(parts.size()) - 1)];
      const int ww = std::max(1, w.ClientWidth()), wh = std::max(1, w.ClientHeight());
      if (auto* edit = dynamic_cast<platform::EditBox*>(&w)) {
        hl::TypeInto(*edit, kTypedTexts[Between(0, static_cast<int>(std::size(kTypedTexts)) - 1)]);
        if (Between(0, 1) == 0) hl::PressKey(*edit, AnyKey());
      } else if (auto* list = dynamic_cast<platform::ListBox*>(&w)) {
        if (list->Count() > 0 && Between(0, 2) != 0) {
          const int item = Between(0, list->Count() - 1);
          Between(0, 3) == 0 ? hl::DoubleClickItem(*list, item) : hl::ClickItem(*list, item);
        } else {
          hl::PressKey(*list, AnyKey());
        }
      } else if (auto* bar = dynamic_cast<platform::ScrollBar*>(&w)) {
        if (Between(0, 1) == 0)
          hl::ScrollTo(*bar, Between(bar->Min() - 10, bar->Max() + 10));
        else
          hl::ScrollBy(*bar, Between(-3, 3), Between(-2, 2));
      } else {
        switch (Between(0, 5)) {
          case 0:
          case 1:
            hl::Click(w, Between(-2, ww + 1), Between(-2, wh + 1),
                      Between(0, 5) == 0 ? MouseButton::Right : MouseButton::Left);
            break;
          case 2:
            hl::Drag(w, Between(0, ww - 1), Between(0, wh - 1), Between(-20, ww + 20), Between(-20, wh + 20),
                     Between(1, 20));
            break;
          case 3: {
            const int vk = AnyKey();
            hl::KeyDown(form, vk);
            hl::KeyUp(form, vk);
            break;
          }
          case 4:
            hl::AdvanceClock(static_cast<std::uint32_t>(Between(1, 400)));
            break;
          case 5:
            hl::Click(w, Between(0, ww - 1), Between(0, wh - 1));
            if (w.OnDblClick) w.OnDblClick();
            break;
        }
      }
    }
    if (form.ModalResult() != platform::mrNone) return form.ModalResult();
    return platform::mrCancel;
  }

  void CheckSettings(int seed, long step) {
    SCOPED_TRACE("seed " + std::to_string(seed) + ", event " + std::to_string(step));
    const auto in = [](int value, int lo, int hi) { return value >= lo && value <= hi; };
    ASSERT_PRED3(in, CurrentCategory, 1, 10);
    ASSERT_PRED3(in, CurrentTool, 0, kToolCount - 1);
    ASSERT_PRED3(in, PenSize, 1, 64);
    ASSERT_PRED3(in, ColourRow, 0, kPaletteRows - 1);
    ASSERT_PRED3(in, ColourShade, 0, 9);
    ASSERT_PRED3(in, IconFrame, 0, 5);
    ASSERT_PRED3(in, FillStyle, 0, 31);
    ASSERT_PRED3(in, LightDirection, 2, 9);
    ASSERT_PRED3(in, NibDirection, 1, 4);
    ASSERT_PRED3(in, ObjectKind, 1, 3);
    ASSERT_PRED3(in, GrassKind, 1, 3);
    ASSERT_TRUE(SprayMode == 1 || SprayMode == 3) << SprayMode;
    ASSERT_PRED3(in, RibbonKind, 1, 3);
    ASSERT_PRED3(in, FishKind, 1, 2);
    ASSERT_PRED3(in, StarKind, 1, 2);
    ASSERT_PRED3(in, CubeSize, 1, 10);
    ASSERT_TRUE(CubeShade == 2 || CubeShade == 4 || CubeShade == 5 || CubeShade == 7) << CubeShade;
    ASSERT_PRED3(in, ShadowDirection, 2, 7);
    ASSERT_PRED3(in, ExplodeDirection, 1, 2);
    ASSERT_PRED3(in, PixellateMode, 1, 2);
    ASSERT_PRED3(in, LightenDarkenMode, 1, 2);
    ASSERT_PRED3(in, SizeControlMode, 1, 2);
    ASSERT_PRED3(in, FlipMode, 3, 4);
    ASSERT_PRED3(in, MirrorKind, 1, 3);
    ASSERT_PRED3(in, QuillKind, 1, 2);
    ASSERT_PRED3(in, RollerKind, 3, 4);
    ASSERT_PRED3(in, TriangleKind, 1, 3);
    ASSERT_PRED3(in, TrapezoidKind, 1, 2);
    ASSERT_PRED3(in, ParallelogramKind, 3, 4);
    ASSERT_PRED3(in, ShapePointCount, 0, kShapePointCapacity);
    ASSERT_PRED3(in, StampNumber, 20, 199);
    ASSERT_TRUE(PrintSize == 0 || in(PrintSize, 10, 95)) << PrintSize;
    ASSERT_PRED3(in, TextAngle, 0, 359);
    ASSERT_TRUE(CanvasSnapshot);
    ASSERT_EQ(CanvasSnapshot->Width(), CanvasWidth);
    ASSERT_EQ(CanvasSnapshot->Height(), CanvasHeight);
  }

  std::mt19937 rng_;
  platform::FakePrinting printer_;
  platform::FakeDesktop desktop_;
  std::set<std::string> forms_seen_;
  std::set<int> reached_;  // category * 100 + slot of the buttons pressed and used
  int next_button_ = 0;
};

TEST_F(RandomInputTest, AChildsRandomClicksNeverBreakTheProgram) {
  const long long_events = EnvNumber("PD_SOAK_EVENTS", 0);
  const int first_seed = static_cast<int>(EnvNumber("PD_SOAK_SEED", 1));
  // The short run: four seeds of 2,000 events. The long one: one seed of PD_SOAK_EVENTS.
  const int seeds = long_events > 0 ? 1 : 4;
  const long events = long_events > 0 ? long_events : 2000;
  // Every turn-th event is the next button in turn; the short run presses them all four times a seed.
  const long turn = EnvNumber("PD_SOAK_TURN", long_events > 0 ? 64 : 5);
  const long warm_up = std::min(events / 5, 20000L);
  RandomAnswers answers(&rng_);
  platform::SetDialogs(&answers);
  platform::SetPrinting(&printer_);
  platform::SetDesktop(&desktop_);
  platform::SetModalScript([this](platform::Form& form) { return PlayWithForm(form); });
  long printed = 0;
  for (int seed = first_seed; seed < first_seed + seeds; ++seed) {
    rng_.seed(static_cast<unsigned>(seed));
    const auto started = std::chrono::steady_clock::now();
    int live_before = -1, live_peak = 0;
    long rss_before = 0, rss_peak = 0, step = 0;
    for (; step < events && !hl::QuitRequested(); ++step) {
      if (step % turn == 0)
        NextButtonInTurn();
      else
        RandomEvent();
      // The harness's own records of pages and wallpapers are let go as they come.
      for (const auto& page : printer_.documents) ASSERT_TRUE(page.page);
      printed += static_cast<long>(printer_.documents.size());
      printer_.documents.clear();
      desktop_.wallpapers.clear();
      if (step == warm_up) {
        live_before = gdi::GdiLiveObjects();
        rss_before = ResidentKiB();
      }
      if (step > warm_up && step % 1000 == 0) {
        live_peak = std::max(live_peak, gdi::GdiLiveObjects());
        rss_peak = std::max(rss_peak, ResidentKiB());
      }
      if (long_events > 0 && step % 100000 == 0) {
        std::printf("soak seed %d at %ld events: RSS %ld KiB, heap in use %ld KiB, objects %d\n", seed, step,
                    ResidentKiB(), HeapKiB(), gdi::GdiLiveObjects());
        std::fflush(stdout);
      }
      if (step % 50 == 0) CheckSettings(seed, step);
      if (HasFatalFailure()) return;
    }
    ASSERT_FALSE(hl::QuitRequested()) << "seed " << seed;
    CheckSettings(seed, step);
    live_peak = std::max(live_peak, gdi::GdiLiveObjects());
    rss_peak = std::max(rss_peak, ResidentKiB());
    // Objects in use come and go with the tool; they must not grow with the number of events.
    EXPECT_LE(gdi::GdiLiveObjects(), live_before + 40) << "seed " << seed;
    EXPECT_LE(live_peak, live_before + 60) << "seed " << seed;
    // The sanitizers keep freed memory in quarantine, so memory is measured in a plain build only.
    if (!kSanitized && long_events > 0) {
      EXPECT_LE(rss_peak, rss_before + 32 * 1024) << "seed " << seed;
    }
    if (long_events > 0) {
      const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
      std::printf(
          "soak seed %d: %ld events in %.0f s; objects %d after warm-up, %d peak, %d at end; "
          "RSS %ld KiB after warm-up, %ld KiB peak, %ld KiB at end; %ld message boxes (%ld to quit); "
          "%zu forms; %ld pages printed\n",
          seed, step, secs, live_before, live_peak, gdi::GdiLiveObjects(), rss_before, rss_peak,
          ResidentKiB(), answers.asked, answers.quit_asked, forms_seen_.size(), printed);
    }
  }
  // Every button of every category was pressed and used, every form the program has was shown and
  // played with, pages went to the printer and the question whether to quit was answered No.
  for (int category = 1; category <= kCategoryCount; ++category)
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      const ToolSlot& s = ToolSlotAt(category, slot);
      if (s.SelectsTool() || s.RunsAction()) {
        EXPECT_TRUE(reached_.count(category * 100 + slot)) << "category " << category << ", button " << slot;
      }
    }
  std::string forms;
  for (const std::string& name : forms_seen_) forms += name + " ";
  EXPECT_GE(forms_seen_.size(), 9u) << forms;
  EXPECT_GT(printed, 0);
  EXPECT_GT(answers.quit_asked, 0);
  // Nothing the child typed made a file outside the program's data folder.
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(DataDir).parent_path().parent_path()))
    EXPECT_EQ(entry.path().filename().string().find("pdsoak-escape"), std::string::npos) << entry.path();
  platform::SetModalScript({});
  platform::SetDialogs(nullptr);
  platform::SetPrinting(nullptr);
  platform::SetDesktop(nullptr);
}

}  // namespace
}  // namespace pd::testing
