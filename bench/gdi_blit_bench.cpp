// Benchmarks of flood fill and the blits on full-HD surfaces.
#include <benchmark/benchmark.h>

#include "bench_surface.h"
#include "gdi/gdi.h"

namespace {

using namespace gdi;

// A white full-HD surface.
struct FullHd : bench::Surface {
  FullHd() : Surface(1920, 1080, 0xFFFFFF) {}
};

// The whole surface is one area; each pass fills it back to the other colour.
void BM_FloodFillFullHd(benchmark::State& state) {
  FullHd s;
  const HBRUSH brushes[2] = {CreateSolidBrush(RGB(255, 0, 0)), CreateSolidBrush(RGB(255, 255, 255))};
  const COLORREF colours[2] = {RGB(255, 255, 255), RGB(255, 0, 0)};
  int i = 0;
  for (auto _ : state) {
    SelectObject(s.dc, brushes[i]);
    benchmark::DoNotOptimize(ExtFloodFill(s.dc, 960, 540, colours[i], FLOODFILLSURFACE));
    i ^= 1;
  }
}
BENCHMARK(BM_FloodFillFullHd)->Unit(benchmark::kMillisecond);

// A hatched fill of an area cut into many runs by a grid of walls with gaps.
void BM_FloodFillFullHdHatchedGrid(benchmark::State& state) {
  FullHd s;
  SelectObject(s.dc, GetStockObject(BLACK_BRUSH));
  for (int x = 16; x < 1920; x += 16) PatBlt(s.dc, x, 0, 1, 1080, PATCOPY);
  for (int y = 16; y < 1080; y += 16) PatBlt(s.dc, 0, y, 1920, 1, PATCOPY);
  SelectObject(s.dc, GetStockObject(WHITE_BRUSH));
  for (int x = 8; x < 1920; x += 16) PatBlt(s.dc, x, 0, 2, 1080, PATCOPY);
  for (int y = 8; y < 1080; y += 16) PatBlt(s.dc, 0, y, 1920, 2, PATCOPY);
  SelectObject(s.dc, CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 255)));
  SetBkColor(s.dc, RGB(255, 255, 128));
  for (auto _ : state) benchmark::DoNotOptimize(ExtFloodFill(s.dc, 1, 1, RGB(0, 0, 0), FLOODFILLBORDER));
}
BENCHMARK(BM_FloodFillFullHdHatchedGrid)->Unit(benchmark::kMillisecond);

// A thumbnail of a full-HD picture; argument: the stretch mode.
void BM_StretchBltFullHdTo200x130(benchmark::State& state) {
  FullHd src;
  SelectObject(src.dc, GetStockObject(BLACK_BRUSH));
  for (int x = 0; x < 1920; x += 7) PatBlt(src.dc, x, 0, 1, 1080, PATCOPY);
  HBITMAP thumb = CreateDIBSection32(200, 130);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, thumb);
  SetStretchBltMode(dc, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    StretchBlt(dc, 0, 0, 200, 130, src.dc, 0, 0, 1920, 1080, SRCCOPY);
    benchmark::DoNotOptimize(thumb->Pixels());
  }
}
BENCHMARK(BM_StretchBltFullHdTo200x130)->Arg(BLACKONWHITE)->Arg(COLORONCOLOR)->Unit(benchmark::kMillisecond);

// Full-HD copies; argument: the raster operation.
void BM_BitBltFullHd(benchmark::State& state) {
  FullHd src, dst;
  const DWORD rop = static_cast<DWORD>(state.range(0));
  for (auto _ : state) {
    BitBlt(dst.dc, 0, 0, 1920, 1080, src.dc, 0, 0, rop);
    benchmark::DoNotOptimize(dst.bmp->Pixels());
  }
}
BENCHMARK(BM_BitBltFullHd)->Arg(SRCCOPY)->Arg(SRCINVERT)->Arg(0x00B8074A)->Unit(benchmark::kMillisecond);

// Scrolling a full-HD surface by a few pixels onto itself.
void BM_BitBltFullHdOverlapping(benchmark::State& state) {
  FullHd s;
  for (auto _ : state) {
    BitBlt(s.dc, 3, 2, 1917, 1078, s.dc, 0, 0, SRCCOPY);
    benchmark::DoNotOptimize(s.bmp->Pixels());
  }
}
BENCHMARK(BM_BitBltFullHdOverlapping)->Unit(benchmark::kMillisecond);

}  // namespace
