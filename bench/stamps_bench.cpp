// The stamps on the headless program with its own artwork: one drag event of a 64 x 64 stamp and
// of a large stamp, a page of the square-stamp chooser, a clip-art metafile played at 300 x 300
// (each of the program's clip art in turn) and PrepareClipArt at 300 x 300.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "app/dispatch.h"
#include "app/mainunit.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "gdi/wmf.h"
#include "headless_program.h"
#include "pictures/clipart.h"
#include "pictures/stamps.h"
#include "platform/headless.h"

namespace {

namespace fs = std::filesystem;

using Program = pd::bench::HeadlessProgram;

void Drag(benchmark::State& state, int tool) {
  Program program;
  if (tool == 83) {
    pd::ChosenFile = pd::ListSquareStamps().front();
    pd::PrepareSquareStamp();
  } else {
    pd::ChosenFile = pd::AssetDir + "art/hm1.bmp";
    pd::LargeStampKind = 4;
  }
  pd::CurrentTool = tool;
  pd::ToolStart(300, 300);
  int x = 300;
  for (auto _ : state) {
    x = x == 300 ? 303 : 300;
    pd::ToolDrag(x, 300);
  }
}
void BM_SquareStampDrag(benchmark::State& state) {
  Drag(state, 83);
}
void BM_LargeStampDrag(benchmark::State& state) {
  Drag(state, 51);
}
BENCHMARK(BM_SquareStampDrag);
BENCHMARK(BM_LargeStampDrag);

void BM_SquareStampChooserPage(benchmark::State& state) {
  Program program;
  pd::Tstampimg chooser;
  for (auto _ : state) chooser.FormShow();
}
BENCHMARK(BM_SquareStampChooserPage)->Unit(benchmark::kMillisecond);

std::vector<gdi::HMETAFILE> ClipArt() {
  std::vector<gdi::HMETAFILE> all;
  for (const auto& e : fs::directory_iterator(platform::ExecutableDirectory() + "art"))
    if (e.path().extension() == ".wmf") all.push_back(gdi::LoadMetafileFile(e.path().string(), nullptr));
  return all;
}

// Run with --benchmark_repetitions and read the median: one iteration per clip-art file.
void BM_ClipArtPlay300(benchmark::State& state) {
  const auto all = ClipArt();
  gdi::HBITMAP bmp = gdi::CreateDIBSection32(300, 300);
  gdi::HDC dc = gdi::CreateSurfaceDC(bmp);
  std::size_t i = 0;
  for (auto _ : state) {
    bmp->Fill(0xFFFFFF);
    gdi::PlayMetafile(dc, *all[i++ % all.size()], {0, 0, 300, 300});
  }
}
BENCHMARK(BM_ClipArtPlay300)->Unit(benchmark::kMillisecond);

void BM_PrepareClipArt300(benchmark::State& state) {
  Program program;
  pd::ChosenFile = pd::AssetDir + "art/cat.wmf";
  pd::StampWidth = pd::StampHeight = 300;
  for (auto _ : state) pd::PrepareClipArt();
}
BENCHMARK(BM_PrepareClipArt300)->Unit(benchmark::kMillisecond);

}  // namespace
