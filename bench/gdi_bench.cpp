// Benchmarks of the raster layer's hot paths.
#include <benchmark/benchmark.h>

#include "bench_surface.h"
#include "gdi/gdi.h"

namespace {

using namespace gdi;

void BM_PatBltFullHd(benchmark::State& state) {
  const bench::Surface s(1920, 1080);
  for (auto _ : state) {
    PatBlt(s.dc, 0, 0, 1920, 1080, WHITENESS);
    benchmark::DoNotOptimize(s.bmp->Pixels());
  }
}
BENCHMARK(BM_PatBltFullHd)->Unit(benchmark::kMillisecond);

}  // namespace
