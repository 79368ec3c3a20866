// The pace of the whole-canvas effects and the sprite animations.
//
// They run inside one button or mouse event and hold the user-interface thread until they end, so
// input that arrives meanwhile waits in the queue and is handled afterwards, in order. What they
// draw is brought to the screen frame by frame as they go, and they wait between frames by
// sleeping on the monotonic clock, never by spinning.
#pragma once

#include <cstdint>
#include <functional>

#include "gdi/gdi.h"

namespace pd {

// Runs an animation of about duration_ms: each frame calls frame(t) with the share of the time
// passed, 0 < t <= 1, then brings the canvas window to the screen and waits for the next
// refresh. The last call has t exactly 1. Because t follows the clock and not the frames shown,
// the animation lasts as long on a slow machine (with fewer frames) as on a fast one, and at any
// refresh rate. Returns the number of frames.
int AnimateCanvas(int duration_ms, const std::function<void(double t)>& frame);

// What the last AnimateCanvas (or SweepCanvas) did: its frames and the longest and total time its
// drawing took, in milliseconds of the thread's processor time (waiting not counted).
struct AnimationStats {
  int frames = 0;
  double longest_ms = 0;
  double total_ms = 0;
};
const AnimationStats& LastAnimationStats();

// A sweep of `steps` drawing steps spread evenly over about duration_ms: each frame draws the
// steps [from, to) due by then, at least one. Returns the number of frames.
int SweepCanvas(int steps, int duration_ms, const std::function<void(int from, int to)>& draw);

// Steps of a sprite animation at a fixed interval, timed from the moment the clock is made.
class StepClock {
 public:
  explicit StepClock(unsigned interval_ms);
  // Sleeps until the next step is due, a whole interval after the last one. A routine that fell
  // behind by an interval or more (a sound played to its end, a stalled machine) goes on from
  // now rather than making up the lost steps in a burst.
  void WaitForStep();

 private:
  std::uint64_t interval_;
  std::uint64_t last_;
};

// Brings the canvas window's new pixels to the screen now, without waiting.
void ShowCanvasNow();

}  // namespace pd
