// Benchmarks of the closed shapes: the filled 500x400 ellipse the description asks for, a wide
// outline, a pie, and a huge ellipse of which only a small surface is visible.
#include <benchmark/benchmark.h>

#include "bench_surface.h"
#include "gdi/gdi.h"

namespace {

using namespace gdi;

using bench::Surface;

void BM_FilledEllipse500x400(benchmark::State& state) {
  Surface s;
  SelectObject(s.dc, CreateSolidBrush(RGB(40, 192, 255)));
  for (auto _ : state) {
    Ellipse(s.dc, 20, 20, 520, 420);
    benchmark::DoNotOptimize(s.bmp->Pixels());
  }
}
BENCHMARK(BM_FilledEllipse500x400)->Unit(benchmark::kMicrosecond);

void BM_FilledEllipse500x400XorWidePen(benchmark::State& state) {
  Surface s;
  SelectObject(s.dc, CreatePen(PS_SOLID, 9, RGB(255, 0, 0)));
  SelectObject(s.dc, CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 255)));
  SetROP2(s.dc, R2_XORPEN);
  for (auto _ : state) {
    Ellipse(s.dc, 20, 20, 520, 420);
    benchmark::DoNotOptimize(s.bmp->Pixels());
  }
}
BENCHMARK(BM_FilledEllipse500x400XorWidePen)->Unit(benchmark::kMicrosecond);

void BM_Pie500x400(benchmark::State& state) {
  Surface s;
  SelectObject(s.dc, CreateSolidBrush(RGB(40, 192, 255)));
  for (auto _ : state) {
    Pie(s.dc, 20, 20, 520, 420, 600, 100, 0, 400);
    benchmark::DoNotOptimize(s.bmp->Pixels());
  }
}
BENCHMARK(BM_Pie500x400)->Unit(benchmark::kMicrosecond);

void BM_HugeEllipseEdgeOnSurface(benchmark::State& state) {
  Surface s;
  SelectObject(s.dc, CreatePen(PS_SOLID, 5, RGB(255, 0, 0)));
  SelectObject(s.dc, CreateSolidBrush(RGB(40, 192, 255)));
  for (auto _ : state) {
    Ellipse(s.dc, 100, -1000000, 2000100, 1000000);
    benchmark::DoNotOptimize(s.bmp->Pixels());
  }
}
BENCHMARK(BM_HugeEllipseEdgeOnSurface)->Unit(benchmark::kMicrosecond);

}  // namespace
