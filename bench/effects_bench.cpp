// The drawing work of the screen erasers, TUNNEL and TRAIN on a 1920 x 1080 canvas, on the headless
// platform, where waiting for the next frame or step costs nothing: what is measured is the
// drawing alone (and the compare that finds what changed for the screen), not the paced length.
//
//   ms_per_frame      an eraser's drawing per frame shown, on average
//   longest_frame_ms  and at its longest (it must stay well within a frame's time)
//   cpu_share     TRAIN's work as a share of the 100 ms of each of its steps
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>

#include "core/datadir.h"
#include "core/palette_colours.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "effects/erasers.h"
#include "effects/pacing.h"
#include "effects/sprites.h"
#include "platform/headless.h"
#include "platform/platform.h"

namespace {

constexpr int kW = 1920, kH = 1080;

double ThreadCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// A shown canvas window of 1920 x 1080 with a picture on it, and the program's palette and assets.
struct Program {
  std::unique_ptr<platform::Application> app;
  std::unique_ptr<platform::Window> canvas;
  Program() {
    static int argc = 1;
    static char name[] = "effects_bench";
    static char* argv[] = {name, nullptr};
    platform::headless::Reset();
    app = std::make_unique<platform::Application>(argc, argv);
    pd::ResetSharedState();
    pd::InitPaletteColours();
    pd::AppPalette = pd::BuildAppPalette();
    pd::AssetDir = pd::FindAssetDir(platform::ExecutableDirectory());
    canvas = std::make_unique<platform::Window>();
    canvas->SetBounds(0, 0, kW, kH);
    canvas->Show();
    platform::headless::Pump();
    pd::CanvasWindow = canvas.get();
    pd::CanvasWidth = kW;
    pd::CanvasHeight = kH;
    pd::CanvasSnapshot = gdi::CreateDIBSection32(kW, kH);
    pd::CurrentColour = pd::PaletteColours[pd::kRedIndex];
  }
  ~Program() {
    pd::CanvasWindow = nullptr;
    pd::CanvasSnapshot = nullptr;
    pd::AppPalette = nullptr;
  }
  // A picture of coloured stripes, so that every pixel changes.
  void Paint() {
    auto& s = *canvas->Surface();
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) s.At(x, y) = ((x / 7) % 2 ? 0x2080E0u : 0xE08020u) ^ (y & 0xFF);
    s.TouchAll();
    pd::SaveCanvasSnapshot();
  }
};

void Eraser(benchmark::State& state, void (*effect)()) {
  Program program;
  int frames = 0;
  double ms = 0, longest = 0;
  for (auto _ : state) {
    state.PauseTiming();
    program.Paint();
    state.ResumeTiming();
    effect();
    const pd::AnimationStats& stats = pd::LastAnimationStats();
    ms += stats.total_ms;
    frames += stats.frames;
    longest = std::max(longest, stats.longest_ms);
  }
  state.counters["ms_per_frame"] = frames > 0 ? ms / frames : 0;
  state.counters["longest_frame_ms"] = longest;
  state.counters["frames"] = static_cast<double>(frames) / static_cast<double>(state.iterations());
}

BENCHMARK_CAPTURE(Eraser, wipe_lines, [] { pd::WipeScreenWhite(2); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Eraser, wipe_squares, [] { pd::WipeScreenWhite(7); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Eraser, bricks, [] { pd::BrickScreen(1); })->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Eraser, stars, pd::StarScreen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Eraser, black_hole, pd::BlackHoleScreen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Eraser, paper, pd::PaperScreen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Eraser, shade, pd::ShadeScreen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Eraser, windshield, pd::WindshieldScreen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Eraser, morph, pd::MorphScreen)->Unit(benchmark::kMillisecond);

void Tunnel(benchmark::State& state) {
  Program program;
  program.Paint();
  for (auto _ : state) pd::TunnelScreen();
}
BENCHMARK(Tunnel)->Unit(benchmark::kMillisecond);

void Train(benchmark::State& state) {
  Program program;
  double cpu = 0, paced = 0;
  for (auto _ : state) {
    state.PauseTiming();
    program.Paint();
    state.ResumeTiming();
    const std::uint64_t clock = platform::GetTickCount64();
    const double start = ThreadCpuMs();
    pd::LayTrack(kW - 1, kH / 2);
    cpu += ThreadCpuMs() - start;
    paced += static_cast<double>(platform::GetTickCount64() - clock);
  }
  state.counters["cpu_share"] = paced > 0 ? cpu / paced : 0;
}
BENCHMARK(Train)->Unit(benchmark::kMillisecond);

}  // namespace
