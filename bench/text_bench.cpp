// Benchmarks of the TEXT tools on the headless program with a canvas of at least 1000 pixels:
// a key typed into a full line (the line is drawn again over the snapshot each time), the fitting
// of the words to a 1000-pixel box, and the three box texts across such a box.
#include <benchmark/benchmark.h>

#include <string>

#include "core/ansi.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "headless_program.h"
#include "regiontools/texttools.h"

namespace {

using namespace pd;

void TheProgram() {
  static bench::HeadlessProgram program(1280, 960);
}

// Each iteration is two keys on a line of 253 characters at pen size 10: one that fills it to the
// limit of 254, and Backspace.
void BM_TypeKeyInto254Line(benchmark::State& state) {
  TheProgram();
  PenSize = 10;
  StartTyping(20, 200);
  for (int i = 0; i < 253; ++i) TypeKey(static_cast<char>('a' + i % 26));
  for (auto _ : state) {
    TypeKey('x');
    TypeKey(8);
  }
  FinishTyping();
  PenSize = 2;
  // The time of one key: half an iteration.
  state.counters["keys"] = benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                                              benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TypeKeyInto254Line)->Unit(benchmark::kMillisecond);

void BM_FitTextSize1000(benchmark::State& state) {
  TheProgram();
  SetTextBuffer("Happy Birthday");
  for (auto _ : state) benchmark::DoNotOptimize(FitTextSize(1000, static_cast<int>(state.range(0))));
}
BENCHMARK(BM_FitTextSize1000)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

// SHADOW, EXTRUDED (direction 7, the longest block) and EXPLODING TEXT across a 1000-pixel box.
void BM_BoxText1000(benchmark::State& state) {
  TheProgram();
  SetTextBuffer("Happy Birthday");
  ShadowDirection = 7;
  for (auto _ : state) {
    switch (state.range(0)) {
      case kShadowTextTool:
        ShadowText(20, 100, 1000, 7);
        break;
      case kExtrudedTextTool:
        ExtrudedText(20, 100, 1000, 7);
        break;
      default:
        ExplodingText(20, 600, 1000, 7);
        break;
    }
  }
  ShadowDirection = 2;
}
BENCHMARK(BM_BoxText1000)
    ->Arg(kShadowTextTool)
    ->Arg(kExtrudedTextTool)
    ->Arg(kExplodingTextTool)
    ->Unit(benchmark::kMillisecond);

}  // namespace
