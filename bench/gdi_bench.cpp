// Benchmarks of the raster layer's hot paths.
#include <benchmark/benchmark.h>

#include "gdi/gdi.h"

namespace {

using namespace gdi;

void BM_PatBltFullHd(benchmark::State& state) {
  HBITMAP bmp = CreateDIBSection32(1920, 1080);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, bmp);
  for (auto _ : state) {
    PatBlt(dc, 0, 0, 1920, 1080, WHITENESS);
    benchmark::DoNotOptimize(bmp->Pixels());
  }
}
BENCHMARK(BM_PatBltFullHd)->Unit(benchmark::kMillisecond);

}  // namespace
