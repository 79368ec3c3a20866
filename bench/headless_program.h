// The whole program on the headless platform, for the benchmarks that go through its handlers:
// the application, the main window shown on a screen of the given size.
#pragma once

#include <memory>

#include "app/mainunit.h"
#include "platform/headless.h"
#include "platform/platform.h"

namespace pd::bench {

class HeadlessProgram {
 public:
  explicit HeadlessProgram(int screen_width = 0, int screen_height = 0) {
    platform::headless::Reset();
    if (screen_width > 0) platform::headless::SetScreenSize(screen_width, screen_height);
    static int argc = 1;
    static char name[] = "pindoodle_bench";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<platform::Application>(argc, argv);
    main_ = std::make_unique<Tmain>();
    app_->Run(main_->Form());
  }

 private:
  std::unique_ptr<platform::Application> app_;
  std::unique_ptr<Tmain> main_;
};

}  // namespace pd::bench
