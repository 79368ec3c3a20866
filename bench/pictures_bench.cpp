// The picture store at a 1920 x 1080 canvas: SAVE (encoded, written and flushed to the disk),
// OPEN, one page of the browser with four such pictures, and listing a set of 250 files. The
// program runs headless with its data directory in a scratch folder.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "app/mainunit.h"
#include "core/datadir.h"
#include "core/state.h"
#include "pictures/pictureset.h"
#include "pictures/picturestore.h"
#include "pictures/thumbs.h"
#include "platform/headless.h"

namespace {

namespace fs = std::filesystem;

// The program on a screen whose canvas is 1920 x 1080, painted in bands of palette colours with
// scattered dots, with a scratch data directory.
class Program {
 public:
  Program() {
    platform::headless::Reset();
    // The panel's frame lies outside the picture.
    platform::headless::SetScreenSize(1920 + 82 + 2, 1080 + 94 + 2);
    static int argc = 1;
    static char name[] = "pictures_bench";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<platform::Application>(argc, argv);
    main_ = std::make_unique<pd::Tmain>();
    app_->Run(main_->Form());
    char pattern[] = "/tmp/pd-bench-XXXXXX";
    dir_ = mkdtemp(pattern);
    pd::DataDir = dir_ + "/";
    fs::create_directories(pd::DataDir + "user");
    gdi::Bitmap& canvas = *pd::CanvasWindow->Surface();
    std::mt19937 rng(5);
    for (int y = 0; y < canvas.Height(); ++y)
      for (int x = 0; x < canvas.Width(); ++x) {
        const int i = rng() % 16 == 0 ? static_cast<int>(rng() % 160) : (x / 9 + y / 7) % 160;
        canvas.At(x, y) = gdi::PixelFromColorref(pd::PaletteColours[i]);
      }
  }
  ~Program() {
    main_.reset();
    app_.reset();
    fs::remove_all(dir_);
  }
  const std::string& Dir() const { return dir_; }

 private:
  std::unique_ptr<platform::Application> app_;
  std::unique_ptr<pd::Tmain> main_;
  std::string dir_;
};

void BM_SaveNewPictureFullHd(benchmark::State& state) {
  Program program;
  for (auto _ : state) {
    pd::CurrentPictureName.clear();
    pd::SavePicture();
    state.PauseTiming();
    fs::remove(pd::CurrentPictureName);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SaveNewPictureFullHd)->Unit(benchmark::kMillisecond);

void BM_OpenPictureFullHd(benchmark::State& state) {
  Program program;
  pd::SavePicture();
  const std::string path = pd::CurrentPictureName;
  for (auto _ : state) benchmark::DoNotOptimize(pd::LoadPictureToCanvas(path));
}
BENCHMARK(BM_OpenPictureFullHd)->Unit(benchmark::kMillisecond);

void BM_BrowserPageOfFourFullHd(benchmark::State& state) {
  Program program;
  for (int i = 0; i < 4; ++i) {
    pd::CurrentPictureName.clear();
    pd::SavePicture();
  }
  pd::ChooserMode = 5;
  pd::Tthumbs thumbs;
  for (auto _ : state) thumbs.FormShow();  // lists the set and draws its first page
}
BENCHMARK(BM_BrowserPageOfFourFullHd)->Unit(benchmark::kMillisecond);

void BM_List250Pictures(benchmark::State& state) {
  Program program;
  for (int i = 0; i < 250; ++i)
    std::ofstream(program.Dir() + "/user/UP" + std::to_string(100000 + i) + ".BMP") << "x";
  for (auto _ : state) benchmark::DoNotOptimize(pd::ListPictureSet("user\\UP*.bmp"));
}
BENCHMARK(BM_List250Pictures)->Unit(benchmark::kMillisecond);

}  // namespace
