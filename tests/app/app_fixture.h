// A fixture that runs the whole program headless: the application, the main window after its
// first paint, a recording sound player and scripted answers.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/mainunit.h"
#include "core/datadir.h"
#include "core/state.h"
#include "gdi/bmp.h"
#include "media/sound.h"
#include "platform/headless.h"
#include "platform/platform.h"

namespace pd::testing {

constexpr gdi::COLORREF kBlack = gdi::RGB(0, 0, 0);
constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255);
constexpr gdi::COLORREF kRed = gdi::RGB(255, 0, 0);
constexpr gdi::COLORREF kBlue = gdi::RGB(0, 0, 255);

struct Point {
  int x, y;
};

class RecordingSound : public SoundPlayer {
 public:
  explicit RecordingSound(std::vector<int>* effects) : effects_(effects) {}
  void PlayEffect(int number, const std::string&) override { effects_->push_back(number); }
  void PlaySong(const std::string&) override {}
  void StopSong() override {}

 private:
  std::vector<int>* effects_;
};

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override { Start(); }
  // Starts the program afresh, on a screen of width x height when one is given and on the
  // headless default otherwise, with a seeded generator and no effects recorded.
  void Start(int width = 0, int height = 0) {
    platform::headless::Reset();
    if (width > 0) platform::headless::SetScreenSize(width, height);
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<platform::Application>(argc, argv);
    SetSoundPlayer(std::make_unique<RecordingSound>(&effects_));
    main_ = std::make_unique<Tmain>();
    app_->Run(main_->Form());
    RandSeed(12345);
    effects_.clear();
  }
  void TearDown() override {
    main_.reset();
    app_.reset();
    SetSoundPlayer(nullptr);
    if (!scratch_dir_.empty()) std::filesystem::remove_all(scratch_dir_);
  }

  // Points AssetDir and DataDir at a new empty directory of scratch_dir_, removed again when the
  // test ends.
  void UseScratchAssetDir() {
    char pattern[] = "/tmp/pd-app-assets-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratch_dir_ = pattern;
    AssetDir = scratch_dir_ + "/";
    DataDir = AssetDir;
    std::filesystem::create_directories(DataDir + "user");
    WriteIconStrips(AssetDir);
  }

  // Small stand-ins for the ten icon strips, so that the tabs change category in a scratch
  // asset directory.
  static void WriteIconStrips(const std::string& dir) {
    const gdi::HBITMAP strip = gdi::CreateDIBSection32(4, 4);
    std::string error;
    for (int n = 0; n <= 10; ++n)
      if (n != 9)
        gdi::SaveBmp24(dir + "/a9" + (n < 10 ? "0" : "") + std::to_string(n) + ".kvr", *strip, &error);
  }

  // Points DataDir alone at a new directory with an empty user/ folder, removed again when the
  // test ends; the assets stay where they are.
  void UseScratchDataDir() {
    char pattern[] = "/tmp/pd-app-data-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratch_dir_ = pattern;
    DataDir = scratch_dir_ + "/";
    std::filesystem::create_directories(DataDir + "user");
  }

  // Press at the first point and a move to each of the others, with the button held.
  void PressAndDrag(const std::vector<Point>& path) {
    platform::headless::MouseDown(Canvas(), platform::MouseButton::Left, path.front().x, path.front().y);
    for (std::size_t i = 1; i < path.size(); ++i)
      platform::headless::MouseMove(Canvas(), path[i].x, path[i].y);
  }
  // The same, then the release at the last point.
  void Stroke(const std::vector<Point>& path) {
    PressAndDrag(path);
    platform::headless::MouseUp(Canvas(), platform::MouseButton::Left, path.back().x, path.back().y);
  }

  platform::Window& Form() { return main_->Form(); }
  platform::Window& Canvas() { return main_->BiPict1(); }
  gdi::COLORREF CanvasPixel(int x, int y) { return platform::headless::PixelAt(Canvas(), x, y); }
  gdi::COLORREF FormPixel(int x, int y) { return platform::headless::PixelAt(Form(), x, y); }
  // Paints the whole canvas one colour, as if the child had drawn it.
  void FillCanvas(gdi::COLORREF c) { Canvas().Surface()->Fill(gdi::PixelFromColorref(c)); }
  int CountCanvas(gdi::COLORREF c) {
    int n = 0;
    const auto& s = *Canvas().Surface();
    for (int y = 0; y < s.Height(); ++y)
      for (int x = 0; x < s.Width(); ++x) n += s.At(x, y) == gdi::PixelFromColorref(c);
    return n;
  }

  std::unique_ptr<platform::Application> app_;
  std::unique_ptr<Tmain> main_;
  std::vector<int> effects_;
  std::string scratch_dir_;  // see UseScratchAssetDir
};

}  // namespace pd::testing
