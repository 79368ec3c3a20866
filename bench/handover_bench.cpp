// The picture leaving the program, on the Qt backend with a 1920 x 1080 canvas: PRINT page-wide
// (size 95) at 600 and 1200 dpi into a PDF file, CLIPBOARD through the toolkit's clipboard, WALLPAPER with
// "TEMP.BMP" written and handed to a recording desktop, and WALLPAPER on an X server's root window.
//
// Printing reports its peak memory above what the process used before it (peak_growth_MiB, from
// VmHWM after resetting it) and the size of the file. The root-window benchmark runs only on the
// X server that PD_BENCH_XVFB_DISPLAY names (start one: Xvfb :115 -screen 0 1920x1080x24), never
// on the desktop in use.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QPrinter>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "core/datadir.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "pictures/handover.h"
#include "pictures/printing.h"
#include "platform/platform.h"
#include "platform/qt_internal.h"

namespace {

namespace fs = std::filesystem;

// A /proc/self/status figure in KiB.
long StatusKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
  return -1;
}

// The program's canvas alone: a window of 1920 x 1080 painted in coloured bands with scattered
// dots, its snapshot, and a scratch data directory.
class Program {
 public:
  Program() {
    canvas_ = std::make_unique<platform::Window>(&form_);
    canvas_->SetBounds(0, 0, 1920, 1080);
    pd::CanvasWindow = canvas_.get();
    pd::CanvasWidth = 1920;
    pd::CanvasHeight = 1080;
    gdi::Bitmap& surface = *canvas_->Surface();
    std::mt19937 rng(5);
    for (int y = 0; y < surface.Height(); ++y)
      for (int x = 0; x < surface.Width(); ++x) {
        const unsigned band = rng() % 16 == 0 ? rng() : static_cast<unsigned>(x / 9 + y / 7) * 2654435761u;
        surface.At(x, y) = band & 0xFFFFFF;
      }
    pd::CanvasSnapshot = gdi::CreateDIBSection32(1920, 1080);
    pd::SaveCanvasSnapshot();
    char pattern[] = "/tmp/pd-bench-XXXXXX";
    dir_ = mkdtemp(pattern);
    pd::DataDir = dir_ + "/";
    platform::SetDialogs(&dialogs_);
  }
  ~Program() {
    platform::SetDialogs(nullptr);
    pd::CanvasSnapshot = nullptr;
    pd::CanvasWindow = nullptr;
    canvas_.reset();
    fs::remove_all(dir_);
  }
  const std::string& Dir() const { return dir_; }
  bool Quiet() const { return dialogs_.asked.empty(); }

 private:
  // One application for the run, made before the first window.
  static bool MakeApplication() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "handover_bench";
    static char* argv[] = {name, nullptr};
    static platform::Application app(argc, argv);
    return true;
  }
  bool app_ = MakeApplication();
  platform::Form form_;
  std::unique_ptr<platform::Window> canvas_;
  platform::ScriptedDialogs dialogs_;
  std::string dir_;
};

void BM_PrintFullHdPageWideToPdf(benchmark::State& state) {
  Program program;
  const std::string pdf = program.Dir() + "/page.pdf";
  platform::CurrentPrinting().SetOutputFile(pdf);
  platform::qt::ProgramPrinter().setResolution(static_cast<int>(state.range(0)));  // dots per inch
  pd::PrintX = pd::PrintY = 10;
  pd::PrintMode = 3;
  pd::PrintSize = 95;
  // The peak is measured from here: what printing adds to the process.
  const long before = StatusKiB("VmRSS:");
  std::ofstream("/proc/self/clear_refs") << "5";
  for (auto _ : state) pd::PrintPicture();
  state.counters["peak_growth_MiB"] = static_cast<double>(StatusKiB("VmHWM:") - before) / 1024.0;
  state.counters["pdf_MiB"] = static_cast<double>(fs::file_size(pdf)) / (1024.0 * 1024.0);
  if (const char* keep = std::getenv("PD_BENCH_KEEP_PDF"))
    fs::copy_file(pdf, keep, fs::copy_options::overwrite_existing);
  platform::CurrentPrinting().SetOutputFile("");
  if (!program.Quiet()) state.SkipWithError("printing said something went wrong");
}
BENCHMARK(BM_PrintFullHdPageWideToPdf)->Arg(600)->Arg(1200)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ClipboardFullHd(benchmark::State& state) {
  Program program;
  for (auto _ : state) pd::CopyPictureToClipboard();
  if (!program.Quiet()) state.SkipWithError("the clipboard refused the picture");
}
BENCHMARK(BM_ClipboardFullHd)->Unit(benchmark::kMillisecond);

void BM_WallpaperFullHdRecorded(benchmark::State& state) {
  Program program;
  platform::FakeDesktop desktop;
  platform::SetDesktop(&desktop);
  for (auto _ : state) pd::MakeWallpaper();
  platform::SetDesktop(nullptr);
  if (!program.Quiet() || desktop.wallpapers.empty()) state.SkipWithError("no wallpaper");
}
BENCHMARK(BM_WallpaperFullHdRecorded)->Unit(benchmark::kMillisecond);

void BM_WallpaperFullHdOnRootWindow(benchmark::State& state) {
  const char* display = std::getenv("PD_BENCH_XVFB_DISPLAY");
  if (display == nullptr || *display == '\0') {
    state.SkipWithError("set PD_BENCH_XVFB_DISPLAY to an Xvfb display");
    return;
  }
  // Nothing but the root window answers: no desktop, no session bus.
  setenv("DISPLAY", display, 1);
  for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "DBUS_SESSION_BUS_ADDRESS",
                           "XDG_RUNTIME_DIR", "XDG_SESSION_TYPE"})
    unsetenv(name);
  Program program;
  for (auto _ : state) pd::MakeWallpaper();
  if (!program.Quiet()) state.SkipWithError("the root window's background was not set");
}
BENCHMARK(BM_WallpaperFullHdOnRootWindow)->Unit(benchmark::kMillisecond);

}  // namespace
