// The paint brushes through the program's real handlers on the headless platform, at a
// 1920 x 1080 canvas: the bucket filling the whole canvas with a solid, a hatch and a pattern
// brush (the press handler, sound cue included), and one drag event of every brush at pen size 9
// (10 for the ribbon, which forces it).
#include <benchmark/benchmark.h>

#include <memory>

#include "app/mainunit.h"
#include "core/state.h"
#include "gdi/gdi.h"
#include "media/sound.h"
#include "platform/headless.h"
#include "platform/platform.h"

namespace {

namespace hl = platform::headless;

// The main window is 84 pixels wider and 96 higher than the canvas inside its panel's border.
constexpr int kCanvasW = 1920, kCanvasH = 1080;

class Program {
 public:
  Program() {
    hl::Reset();
    hl::SetScreenSize(kCanvasW + 84, kCanvasH + 96);
    static int argc = 1;
    static char name[] = "tools_bench";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<platform::Application>(argc, argv);
    main_ = std::make_unique<pd::Tmain>();
    app_->Run(main_->Form());
    pd::SoundOn = false;
    pd::RandSeed(7);
  }
  platform::Window& Canvas() { return main_->BiPict1(); }

 private:
  std::unique_ptr<platform::Application> app_;
  std::unique_ptr<pd::Tmain> main_;
};

Program& TheProgram() {
  static Program program;
  return program;
}

// A click of the bucket on a white canvas, which it fills wall to wall.
void BM_BucketWholeCanvas(benchmark::State& state) {
  Program& p = TheProgram();
  if (p.Canvas().Surface()->Width() != kCanvasW) state.SkipWithError("the canvas is not 1920 wide");
  pd::CurrentTool = 58;
  pd::FillStyle = static_cast<int>(state.range(0));
  pd::ColorbookMode = false;
  for (auto _ : state) {
    state.PauseTiming();
    p.Canvas().Surface()->Fill(0xFFFFFF);
    state.ResumeTiming();
    hl::Click(p.Canvas(), kCanvasW / 2, kCanvasH / 2);
  }
  // The last fill must have reached the far corner.
  if (pd::FillStyle == 1 && p.Canvas().Surface()->At(kCanvasW - 1, kCanvasH - 1) == 0xFFFFFF)
    state.SkipWithError("the fill did not cover the canvas");
}
// Solid, horizontal hatch, the first pattern.
BENCHMARK(BM_BucketWholeCanvas)->Arg(1)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond);

// One drag event of a brush at its largest pen size, moving back and forth by 40 pixels over a
// busy part of the canvas.
void BM_DragEvent(benchmark::State& state) {
  Program& p = TheProgram();
  const int tool = static_cast<int>(state.range(0));
  p.Canvas().Surface()->Fill(0xFFFFFF);
  pd::CurrentTool = tool;
  pd::PenSize = 9;
  pd::SprayMode = tool == 9 && state.range(1) ? 3 : 1;
  pd::RainbowColours = false;
  const int y = kCanvasH / 2;
  hl::MouseDown(p.Canvas(), platform::MouseButton::Left, 600, y);
  int i = 0;
  for (auto _ : state) {
    const int x = 600 + (i++ % 2) * 40;
    hl::MouseMove(p.Canvas(), x, y + (i % 3));
  }
  hl::MouseUp(p.Canvas(), platform::MouseButton::Left, 600, y);
  state.SetLabel("tool " + std::to_string(tool));
}
BENCHMARK(BM_DragEvent)
    ->ArgsProduct({{3, 4, 5, 6, 7, 14, 15, 17, 19, 20, 21, 22, 25, 26, 27, 29, 30, 61, 62, 85, 87}, {0}})
    ->Args({9, 0})
    ->Args({9, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
