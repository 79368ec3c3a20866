// Benchmarks of the 3D solids, the cube, the ring and the irregular shape as the child finishes
// them: the whole program runs headless on a large screen, and each iteration draws one finished
// figure on the canvas through the same routine the release runs.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "core/state.h"
#include "headless_program.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "regiontools/polygons.h"
#include "regiontools/ring.h"
#include "tools/helpers.h"
#include "tools/shapes.h"
#include "tools/solids.h"

namespace {

using namespace pd;

// The program with a canvas of at least 1000 x 700, and the box every figure fills.
struct Program {
  // A release of the figure from (ax, ay) to (x, y): the last outline was drawn there.
  static void Anchor(int ax, int ay, int x, int y) { AnchorX = ax, AnchorY = ay, LastX = x, LastY = y; }
  bench::HeadlessProgram program{1280, 960};
};
constexpr int kLeft = 20, kTop = 20, kRight = 1020, kBottom = 720;

Program& TheProgram() {
  static Program program;
  return program;
}

void BM_Ball1000x700(benchmark::State& state) {
  TheProgram();
  for (auto _ : state) {
    Program::Anchor(kLeft, kTop, kRight, kBottom);
    SolidShape(kRight, kBottom, static_cast<int>(state.range(0)), kShapeFinished);
  }
}
BENCHMARK(BM_Ball1000x700)
    ->Arg(kSolidEllipse)
    ->Arg(kSolidBox)
    ->Arg(kSolidRoundBox)
    ->Unit(benchmark::kMillisecond);

void BM_Cube1000x700(benchmark::State& state) {
  TheProgram();
  for (auto _ : state) {
    Program::Anchor(kLeft + 200, kTop + 200, kRight - 100, kBottom);
    CubeShape(kRight - 100, kBottom, kShapeFinished, 2, 2);
  }
}
BENCHMARK(BM_Cube1000x700)->Unit(benchmark::kMillisecond);

void BM_Ring1000x700(benchmark::State& state) {
  TheProgram();
  for (auto _ : state) {
    Program::Anchor(kLeft + 20, kTop + 20, kRight, kBottom);
    RingShape(kRight, kBottom, kShapeFinished);
  }
}
BENCHMARK(BM_Ring1000x700)->Unit(benchmark::kMillisecond);

// IRREGULAR SHAPE of 5001 points: a wavy ring around the box, in fill style state.range(0)
// (a brush, a pattern, gradients of both directions, a texture).
void BM_Irregular5001(benchmark::State& state) {
  TheProgram();
  FillStyle = static_cast<int>(state.range(0));
  PenSize = 3;
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < kShapePointCapacity; ++i) {
      const double a = 6.283185307179586 * i / kShapePointCapacity, wave = 1.0 + 0.05 * std::sin(40 * a);
      ShapePoints[i] = {static_cast<int>(520 + 480 * wave * std::cos(a)),
                        static_cast<int>(370 + 330 * wave * std::sin(a))};
    }
    ShapePointCount = kShapePointCapacity;
    state.ResumeTiming();
    IrregularShapeFinish();
  }
  FillStyle = 1;
}
BENCHMARK(BM_Irregular5001)
    ->Arg(1)
    ->Arg(7)
    ->Arg(12)
    ->Arg(16)
    ->Arg(18)
    ->Arg(20)
    ->Arg(21)
    ->Arg(27)
    ->Unit(benchmark::kMillisecond);

}  // namespace
