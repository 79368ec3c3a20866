#include "effects/pacing.h"

#include <time.h>

#include <algorithm>

#include "core/state.h"
#include "platform/platform.h"

namespace pd {

namespace {

AnimationStats g_stats;

double ThreadMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

}  // namespace

const AnimationStats& LastAnimationStats() {
  return g_stats;
}

int AnimateCanvas(int duration_ms, const std::function<void(double t)>& frame) {
  const std::uint64_t start = platform::GetTickCount64();
  const double duration = std::max(duration_ms, 1);
  g_stats = {};
  for (double t = 0; t < 1;) {
    const double passed = static_cast<double>(platform::GetTickCount64() - start);
    t = std::min(1.0, passed / duration);
    const double began = ThreadMs();
    // The first frame comes at once; it shows a sliver of the way so that something moves.
    frame(std::max(t, 1e-3));
    const double took = ThreadMs() - began;
    ++g_stats.frames;
    g_stats.longest_ms = std::max(g_stats.longest_ms, took);
    g_stats.total_ms += took;
    platform::PresentFrame(CanvasWindow);
  }
  return g_stats.frames;
}

int SweepCanvas(int steps, int duration_ms, const std::function<void(int from, int to)>& draw) {
  if (steps <= 0) return 0;
  int done = 0;
  return AnimateCanvas(duration_ms, [&](double t) {
    const int due = t >= 1 ? steps : std::clamp(static_cast<int>(steps * t), done + 1, steps);
    if (due > done) draw(done, due);
    done = due;
  });
}

StepClock::StepClock(unsigned interval_ms) : interval_(interval_ms), last_(platform::GetTickCount64()) {}

void StepClock::WaitForStep() {
  const std::uint64_t due = last_ + interval_;
  const std::uint64_t now = platform::GetTickCount64();
  if (now < due) platform::SleepUntil(due);
  last_ = now >= due + interval_ ? now : due;
}

void ShowCanvasNow() {
  platform::Flush(CanvasWindow);
}

}  // namespace pd
