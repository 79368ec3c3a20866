// The MAGIC tools on a full 1920 x 1080 canvas of the headless program: REPLACE COLOR and
// PIXELLATE over the whole canvas (target 20 ms each), FLIP, NEGATIVE and SIZE CONTROL of the
// whole canvas (15 ms), and one drag event of a 600 x 400 MOVE or COPY/FLIP piece (1 ms).
#include <benchmark/benchmark.h>

#include <memory>

#include "app/mainunit.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "platform/headless.h"
#include "regiontools/boxtools.h"
#include "regiontools/pixeleffects.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080;

// The program after its first paint, on a screen that gives it a 1920 x 1080 canvas, with a
// picture of stripes in two colours.
class Program {
 public:
  Program() {
    platform::headless::Reset();
    // The canvas is the screen less the 82-pixel band on the left, the 92 rows above it, the 2
    // rows below it and its one-pixel border.
    platform::headless::SetScreenSize(kWidth + 82 + 2, kHeight + 94 + 2);
    static int argc = 1;
    static char name[] = "region_bench";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<platform::Application>(argc, argv);
    main_ = std::make_unique<pd::Tmain>();
    app_->Run(main_->Form());
    pd::RandSeed(1);
    gdi::Bitmap& s = *main_->BiPict1().Surface();
    for (int y = 0; y < s.Height(); ++y)
      for (int x = 0; x < s.Width(); ++x) s.At(x, y) = (x / 7 + y / 5) % 2 ? 0xFF0000 : 0x00FF00;
    pd::SaveCanvasSnapshot();
  }
  ~Program() {
    main_.reset();
    app_.reset();
  }
  bool Ready(benchmark::State& state) {
    const gdi::Bitmap& s = *main_->BiPict1().Surface();
    if (s.Width() == kWidth && s.Height() == kHeight) return true;
    state.SkipWithError("the canvas is not 1920 x 1080");
    return false;
  }

 private:
  std::unique_ptr<platform::Application> app_;
  std::unique_ptr<pd::Tmain> main_;
};

Program& TheProgram() {
  static Program program;
  return program;
}

void WholeCanvasBox() {
  pd::AnchorX = pd::AnchorY = pd::LastX = pd::LastY = 0;
  pd::SelectionBox = {0, 0, kWidth, kHeight};
}

void BM_ReplaceColourWholeCanvas(benchmark::State& state) {
  if (!TheProgram().Ready(state)) return;
  bool red = false;
  for (auto _ : state) {
    // Every second stripe swaps colour, and back on the next round.
    pd::CurrentColour = red ? gdi::RGB(255, 0, 0) : gdi::RGB(0, 0, 255);
    pd::ReplaceColour(0, 0);
    red = !red;
  }
}
BENCHMARK(BM_ReplaceColourWholeCanvas)->Unit(benchmark::kMillisecond);

void BM_PixellateWholeCanvas(benchmark::State& state) {
  if (!TheProgram().Ready(state)) return;
  for (auto _ : state) {
    WholeCanvasBox();
    state.range(0) == 1 ? pd::PixellateSquares() : pd::PixellateRound();
  }
}
BENCHMARK(BM_PixellateWholeCanvas)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_LightenDarkenWholeCanvas(benchmark::State& state) {
  if (!TheProgram().Ready(state)) return;
  for (auto _ : state) {
    WholeCanvasBox();
    pd::LightenDarken(pd::kDarken);
  }
}
BENCHMARK(BM_LightenDarkenWholeCanvas)->Unit(benchmark::kMillisecond);

void BM_FlipWholeCanvas(benchmark::State& state) {
  if (!TheProgram().Ready(state)) return;
  for (auto _ : state) {
    WholeCanvasBox();
    pd::Flip(kWidth, kHeight, 2, static_cast<int>(state.range(0)));
  }
}
BENCHMARK(BM_FlipWholeCanvas)->Arg(pd::kFlipUpDown)->Arg(pd::kFlipSideways)->Unit(benchmark::kMillisecond);

void BM_NegativeWholeCanvas(benchmark::State& state) {
  if (!TheProgram().Ready(state)) return;
  for (auto _ : state) {
    WholeCanvasBox();
    pd::Negative(kWidth, kHeight, 2);
  }
}
BENCHMARK(BM_NegativeWholeCanvas)->Unit(benchmark::kMillisecond);

void BM_SizeControlWholeCanvas(benchmark::State& state) {
  if (!TheProgram().Ready(state)) return;
  for (auto _ : state) {
    WholeCanvasBox();
    // Shrinking into the whole canvas, or magnifying a 960 x 540 box over it.
    const int mode = static_cast<int>(state.range(0));
    if (mode == pd::kMagnifyBox)
      pd::SizeControl(kWidth / 2, kHeight / 2, 2, mode);
    else
      pd::SizeControl(kWidth, kHeight, 2, mode);
  }
}
BENCHMARK(BM_SizeControlWholeCanvas)
    ->Arg(pd::kShrinkIntoBox)
    ->Arg(pd::kMagnifyBox)
    ->Unit(benchmark::kMillisecond);

// One drag event of a 600 x 400 piece: the old place repaired from the snapshot, the piece drawn
// at the new one. Tool 72 is MOVE, 74 COPY/FLIP mirrored.
void BM_DragPiece600x400(benchmark::State& state) {
  if (!TheProgram().Ready(state)) return;
  pd::CurrentTool = static_cast<int>(state.range(0));
  pd::SelectionBox = {100, 100, 700, 500};
  pd::SelectionActive = true;
  pd::GrabPiece(400, 300);
  int x = 400, step = 3;
  for (auto _ : state) {
    pd::DragPiece(x + step, 300, x, 300, pd::kFlipSideways);
    x += step;
    if (x > 1500 || x < 400) step = -step;
  }
  pd::DropPiece(x, 300, x, 300, pd::kFlipSideways);
}
BENCHMARK(BM_DragPiece600x400)
    ->Arg(pd::kMovePieceTool)
    ->Arg(pd::kCopyFlipPieceTool)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
