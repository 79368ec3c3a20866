// Benchmarks of text: a full line of TYPING redrawn per key, and the measuring loop that fits
// text to a box (a fresh font per size tried).
#include <benchmark/benchmark.h>

#include <string>

#include "gdi/gdi.h"

namespace {

using namespace gdi;

void BM_TextOutLongLine(benchmark::State& state) {
  HBITMAP bmp = CreateDIBSection32(1920, 200);
  HDC dc = CreateSurfaceDC(bmp);
  SelectObject(dc,
               CreateFontA(-28, 0, static_cast<int>(state.range(0)), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"));
  SetBkMode(dc, TRANSPARENT);
  std::string line;
  for (int i = 0; i < 254; ++i) line += static_cast<char>('a' + i % 26);
  for (auto _ : state) {
    TextOutA(dc, 0, 100, line.data(), static_cast<int>(line.size()));
    benchmark::DoNotOptimize(bmp->Pixels());
  }
}
BENCHMARK(BM_TextOutLongLine)->Arg(0)->Arg(450)->Unit(benchmark::kMicrosecond);

void BM_FitTextMeasure(benchmark::State& state) {
  HBITMAP bmp = CreateDIBSection32(64, 64);
  HDC dc = CreateSurfaceDC(bmp);
  const std::string text = "Happy birthday, Grandma!";
  int h = 10;
  for (auto _ : state) {
    HFONT f = CreateFontA(-h, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    HFONT old = SelectObject(dc, f);
    SIZE sz;
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &sz);
    benchmark::DoNotOptimize(sz);
    SelectObject(dc, old);
    h = h % 200 + 7;
  }
}
BENCHMARK(BM_FitTextMeasure)->Unit(benchmark::kMicrosecond);

}  // namespace
