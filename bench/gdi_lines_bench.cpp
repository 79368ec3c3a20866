// Benchmarks of line drawing: a wide stroke segment (the pencil's stroke) and a one-pixel line.
#include <benchmark/benchmark.h>

#include "bench_surface.h"
#include "gdi/gdi.h"

namespace {

using namespace gdi;

using bench::Surface;

// A 100-pixel segment of width 9 at a slant, as a freehand stroke draws between two mouse points.
void BM_WideLine100Width9(benchmark::State& state) {
  Surface s;
  SelectObject(s.dc, CreatePen(PS_SOLID, 9, RGB(255, 0, 0)));
  for (auto _ : state) {
    MoveToEx(s.dc, 100, 100, nullptr);
    LineTo(s.dc, 180, 160);
    benchmark::DoNotOptimize(s.bmp->Pixels());
  }
}
BENCHMARK(BM_WideLine100Width9)->Unit(benchmark::kMicrosecond);

// The same segment with the pencil's default width and an XOR pen, as rubber-band outlines draw.
void BM_WideLine100Width2Xor(benchmark::State& state) {
  Surface s;
  SelectObject(s.dc, CreatePen(PS_SOLID, 2, RGB(255, 255, 255)));
  SetROP2(s.dc, R2_XORPEN);
  for (auto _ : state) {
    MoveToEx(s.dc, 100, 100, nullptr);
    LineTo(s.dc, 180, 160);
    benchmark::DoNotOptimize(s.bmp->Pixels());
  }
}
BENCHMARK(BM_WideLine100Width2Xor)->Unit(benchmark::kMicrosecond);

void BM_CosmeticLine100(benchmark::State& state) {
  Surface s;
  SelectObject(s.dc, CreatePen(PS_SOLID, 1, RGB(0, 0, 255)));
  for (auto _ : state) {
    MoveToEx(s.dc, 100, 100, nullptr);
    LineTo(s.dc, 180, 160);
    benchmark::DoNotOptimize(s.bmp->Pixels());
  }
}
BENCHMARK(BM_CosmeticLine100)->Unit(benchmark::kMicrosecond);

// A line with both ends a million pixels away: clipping must find the visible part directly.
void BM_FarOutsideLine(benchmark::State& state) {
  Surface s;
  SelectObject(s.dc, CreatePen(PS_SOLID, static_cast<int>(state.range(0)), RGB(0, 0, 255)));
  for (auto _ : state) {
    MoveToEx(s.dc, -1000000, -700000, nullptr);
    LineTo(s.dc, 1000000, 700000);
    benchmark::DoNotOptimize(s.bmp->Pixels());
  }
}
BENCHMARK(BM_FarOutsideLine)->Arg(1)->Arg(9)->Unit(benchmark::kMicrosecond);

}  // namespace
