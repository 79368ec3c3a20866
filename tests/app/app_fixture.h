// A fixture that runs the whole program headless: the application, the main window after its
// first paint, a recording sound player and scripted answers.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/mainunit.h"
#include "app/state.h"
#include "media/sound.h"
#include "platform/headless.h"
#include "platform/platform.h"

namespace pd::testing {

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
  void SetUp() override {
    platform::headless::Reset();
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
};

}  // namespace pd::testing
