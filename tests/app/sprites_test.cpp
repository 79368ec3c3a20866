// BOMB, TRAIN and BILLY BRUSH driven headless through the buttons and the canvas: what they
// leave, how many steps they take (each 90 or 100 ms on the clock), their sounds, and what
// AnimationBusy holds off.
#include "effects/sprites.h"
#include "app_fixture.h"

namespace pd::testing {
namespace {

namespace hl = platform::headless;
using platform::MouseButton;

// Records, besides the effects, the sounds played to their end.
class ToEndSound : public RecordingSound {
 public:
  ToEndSound(std::vector<int>* effects, std::vector<std::string>* to_end)
      : RecordingSound(effects), to_end_(to_end) {}
  void PlayToEnd(const std::string& path) override {
    to_end_->push_back(path);
    platform::Sleep(850);  // as long as the call lasts
  }

 private:
  std::vector<std::string>* to_end_;
};

class SpritesTest : public AppTest {
 protected:
  void SetUp() override {
    Start();
    SetSoundPlayer(std::make_unique<ToEndSound>(&effects_, &to_end_));
  }
  void ChooseTool(int category_index, int slot) {
    hl::Click(main_->TabSet1(), 36 * category_index + (category_index <= 6 ? 12 : 17) + 16, 16);
    hl::Click(main_->Image(slot), 20, 20);
    effects_.clear();
  }
  // A click on the canvas, and how long it kept the program busy.
  int TimedClick(int x, int y) {
    const std::uint32_t start = hl::Now();
    hl::Click(Canvas(), x, y);
    return static_cast<int>(hl::Now() - start);
  }
  // The seed under which the train's first draw, Random(3), gives `drift` (0 or 1).
  static std::uint32_t SeedForDrift(int drift) {
    for (std::uint32_t seed = 1;; ++seed) {
      RandSeed(seed);
      if ((Random(3) == 1 ? 0 : 1) == drift) return seed;
    }
  }
  int BottomRow() { return Canvas().ClientHeight() - 1; }
  std::vector<std::string> to_end_;
};

TEST_F(SpritesTest, BombLeavesAWhiteCanvasAndNoTool) {
  ChooseTool(6, 2);
  ASSERT_EQ(CurrentTool, 47);
  FillCanvas(kBlue);
  const int flushes = hl::FlushCount();
  const int ms = TimedClick(300, 200);
  EXPECT_GE(ms, 8 * kBombStepMs + kBombRingsMs);
  EXPECT_LE(ms, 8 * kBombStepMs + kBombRingsMs + 40);
  EXPECT_GE(hl::FlushCount() - flushes, 8 + 20) << "the fuse frames and the rings are seen";
  EXPECT_EQ(CountCanvas(kWhite), Canvas().ClientWidth() * Canvas().ClientHeight());
  EXPECT_EQ(effects_, std::vector<int>{1});
  EXPECT_EQ(CurrentTool, 0);
  // The next click does nothing until BOMB is chosen again.
  FillCanvas(kBlue);
  EXPECT_EQ(TimedClick(300, 200), 0);
  EXPECT_EQ(CountCanvas(kWhite), 0);
}

TEST_F(SpritesTest, TrainFromTheLeftEdgeMakesSevenStepsWithTwoPixelRails) {
  ChooseTool(2, 7);
  ASSERT_EQ(CurrentTool, 48);
  PenSize = 7;
  RandSeed(SeedForDrift(0));
  // The run spans the moment a 32-bit millisecond count wraps, after 49 days.
  platform::Sleep(0xFFFFFFFFu - 250 - hl::Now());
  const std::uint64_t start = platform::GetTickCount64();
  hl::Click(Canvas(), 0, 200);
  EXPECT_EQ(platform::GetTickCount64() - start, 7u * kSpriteStepMs);
  EXPECT_EQ(effects_, std::vector<int>{45});
  EXPECT_FALSE(AnimationBusy);
  // Straight rails at y 210 and 216, 2 pixels thick, and nothing of the train left.
  // The rails run unbroken on rows 209-210 and 215-216; the rows beside them are crossed only
  // by the slanted ties.
  auto red_in_row = [&](int y) {
    int n = 0;
    for (int x = 0; x < 26; ++x) n += CanvasPixel(x, y) == kRed;
    return n;
  };
  for (int y : {209, 210, 215, 216}) EXPECT_EQ(red_in_row(y), 26) << y;
  for (int y : {208, 211, 214, 217}) EXPECT_LT(red_in_row(y), 18) << y;
  EXPECT_EQ(CountCanvas(kWhite) + CountCanvas(kRed), Canvas().ClientWidth() * Canvas().ClientHeight());
  EXPECT_EQ(CurrentTool, 48) << "TRAIN stays chosen";
}

TEST_F(SpritesTest, ASinkingTrainStopsWhenItReachesTheBottom) {
  ChooseTool(2, 7);
  RandSeed(SeedForDrift(1));
  // From the bottom row the sprite's top reaches CanvasHeight in 28 steps (the canvas's frame is
  // part of its height), long before its left edge could pass -70.
  EXPECT_EQ(TimedClick(CanvasWidth - 10, BottomRow()), 28 * kSpriteStepMs);
  EXPECT_FALSE(AnimationBusy);
  EXPECT_EQ(CountCanvas(kWhite) + CountCanvas(kRed), Canvas().ClientWidth() * Canvas().ClientHeight());
  // The tool buttons answer again.
  hl::Click(main_->Image(1), 20, 20);
  EXPECT_EQ(CurrentTool, 7);
}

TEST_F(SpritesTest, BillyFromTheBottomRowMakesSevenStepsAndWaitsForHisCall) {
  ChooseTool(2, 6);
  ASSERT_EQ(CurrentTool, 50);
  SoundOn = false;  // his call is heard all the same
  PenSize = 3;
  // The step after his call comes at once, as it is overdue.
  EXPECT_EQ(TimedClick(300, BottomRow()), 6 * kSpriteStepMs + 850);
  ASSERT_EQ(to_end_.size(), 1u);
  EXPECT_EQ(to_end_[0].substr(to_end_[0].size() - 9), "snd44.kvr");
  EXPECT_TRUE(effects_.empty());
  SoundOn = true;
  to_end_.clear();
  // A run from higher up: the poses' sounds (41 on the first pose, 42 on the fifth) and 43 at the
  // end; the track is PenSize wide and Billy is gone.
  FillCanvas(kWhite);
  const int steps = (CanvasHeight - 100 + 25 + 3) / 4;
  EXPECT_EQ(TimedClick(300, 100), (steps - 1) * kSpriteStepMs + 850);
  EXPECT_EQ(std::count(effects_.begin(), effects_.end(), 41), (steps + 7) / 8);
  EXPECT_EQ(std::count(effects_.begin(), effects_.end(), 42), (steps + 3) / 8);
  EXPECT_EQ(effects_.back(), 43);
  EXPECT_FALSE(AnimationBusy);
  EXPECT_EQ(CountCanvas(kWhite) + CountCanvas(kRed), Canvas().ClientWidth() * Canvas().ClientHeight());
  int widest = 0;
  for (int y = 150; y < CanvasHeight - 10; y += 7) {
    int run = 0;
    for (int x = 0; x < Canvas().ClientWidth(); ++x) run += CanvasPixel(x, y) == kRed;
    widest = std::max(widest, run);
  }
  EXPECT_GE(widest, 3);
}

TEST_F(SpritesTest, AMissingSheetShowsTheMessageAndGivesEverythingBack) {
  UseScratchAssetDir();
  FillCanvas(kBlue);
  for (auto animation : {DropBomb, LayTrack, SkiDown}) {
    hl::Dialogs().asked.clear();
    animation(200, 200);
    EXPECT_FALSE(AnimationBusy);
    EXPECT_EQ(hl::Dialogs().asked.size(), 1u);
  }
  EXPECT_EQ(CountCanvas(kBlue), Canvas().ClientWidth() * Canvas().ClientHeight());
}

TEST_F(SpritesTest, TheMainWindowIgnoresPressesWhileAnAnimationRuns) {
  AnimationBusy = true;
  const gdi::COLORREF colour = CurrentColour;
  hl::Click(Form(), 10, 100);               // a colour row
  hl::Click(Form(), CanvasWidth + 60, 20);  // QUIT
  EXPECT_EQ(CurrentColour, colour);
  EXPECT_TRUE(hl::Dialogs().asked.empty());
  EXPECT_TRUE(effects_.empty());
  AnimationBusy = false;
}

}  // namespace
}  // namespace pd::testing
