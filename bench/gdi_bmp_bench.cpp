// Bitmap file writing and reading at full-HD size: a painting in a few hundred palette colours,
// as the program saves and loads the child's pictures.
#include <benchmark/benchmark.h>

#include <random>

#include "gdi/bmp.h"

namespace {

using namespace gdi;

std::vector<PALETTEENTRY> Palette225() {
  std::vector<PALETTEENTRY> pal;
  for (int i = 0; i < 225; ++i)
    pal.push_back(
        PALETTEENTRY{static_cast<BYTE>(i * 37), static_cast<BYTE>(i * 11), static_cast<BYTE>(255 - i), 0});
  return pal;
}

// Bands of palette colours with scattered dots, so runs are short and every colour appears.
HBITMAP Painting(const std::vector<PALETTEENTRY>& pal) {
  HBITMAP bmp = CreateDIBSection32(1920, 1080);
  std::mt19937 rng(5);
  for (int y = 0; y < bmp->Height(); ++y)
    for (int x = 0; x < bmp->Width(); ++x) {
      const std::size_t i =
          (rng() % 16 == 0) ? rng() % pal.size() : static_cast<std::size_t>((x / 9 + y / 7) % pal.size());
      bmp->At(x, y) = (pal[i].peRed << 16) | (pal[i].peGreen << 8) | pal[i].peBlue;
    }
  return bmp;
}

void BM_BmpWrite24FullHd(benchmark::State& state) {
  HBITMAP bmp = Painting(Palette225());
  for (auto _ : state) benchmark::DoNotOptimize(EncodeBmp24(*bmp));
}
BENCHMARK(BM_BmpWrite24FullHd)->Unit(benchmark::kMillisecond);

void BM_BmpWrite8FullHd(benchmark::State& state) {
  const auto pal = Palette225();
  HBITMAP bmp = Painting(pal);
  for (auto _ : state) benchmark::DoNotOptimize(EncodeBmp8(*bmp, pal));
}
BENCHMARK(BM_BmpWrite8FullHd)->Unit(benchmark::kMillisecond);

void BM_BmpRead24FullHd(benchmark::State& state) {
  const std::string file = EncodeBmp24(*Painting(Palette225()));
  for (auto _ : state) benchmark::DoNotOptimize(LoadBmp(file, nullptr));
}
BENCHMARK(BM_BmpRead24FullHd)->Unit(benchmark::kMillisecond);

void BM_BmpRead8FullHd(benchmark::State& state) {
  const auto pal = Palette225();
  const std::string file = EncodeBmp8(*Painting(pal), pal);
  for (auto _ : state) benchmark::DoNotOptimize(LoadBmp(file, nullptr));
}
BENCHMARK(BM_BmpRead8FullHd)->Unit(benchmark::kMillisecond);

}  // namespace
