// Timers and the clock on the headless backend.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless.h"
#include "platform/platform.h"

namespace platform {
namespace {

class HeadlessTimer : public ::testing::Test {
 protected:
  void SetUp() override { headless::Reset(); }
};

TEST_F(HeadlessTimer, FiresAtEachIntervalWithTheClockAtItsDueTime) {
  Timer timer;
  std::vector<std::uint32_t> times;
  timer.OnTimer = [&] { times.push_back(GetTickCount()); };
  timer.SetInterval(125);
  headless::AdvanceClock(1000);
  EXPECT_TRUE(times.empty()) << "a timer starts disabled";
  timer.SetEnabled(true);
  headless::AdvanceClock(374);
  headless::AdvanceClock(1);
  EXPECT_EQ(times, (std::vector<std::uint32_t>{1125, 1250, 1375}));
  EXPECT_EQ(GetTickCount(), 1375u);
}

TEST_F(HeadlessTimer, DisablingStopsAndChangingTheIntervalStartsThePeriodAgain) {
  Timer timer;
  int fired = 0;
  timer.OnTimer = [&] { ++fired; };
  timer.SetInterval(100);
  timer.SetEnabled(true);
  headless::AdvanceClock(90);
  timer.SetInterval(50);  // restarts at 90
  headless::AdvanceClock(49);
  EXPECT_EQ(fired, 0);
  headless::AdvanceClock(1);
  EXPECT_EQ(fired, 1);
  timer.SetEnabled(false);
  headless::AdvanceClock(500);
  EXPECT_EQ(fired, 1);
  timer.SetInterval(0);
  timer.SetEnabled(true);
  headless::AdvanceClock(500);
  EXPECT_EQ(fired, 1) << "interval 0 never fires";
}

TEST_F(HeadlessTimer, TimersFireInTimeOrderAndATimerCanStopAnother) {
  Timer fast, slow;
  std::vector<std::string> log;
  fast.SetInterval(30);
  slow.SetInterval(50);
  slow.SetEnabled(true);
  fast.SetEnabled(true);
  fast.OnTimer = [&] { log.push_back("fast " + std::to_string(GetTickCount())); };
  slow.OnTimer = [&] {
    log.push_back("slow " + std::to_string(GetTickCount()));
    fast.SetEnabled(false);
  };
  headless::AdvanceClock(200);
  EXPECT_EQ(log, (std::vector<std::string>{"fast 30", "slow 50", "slow 100", "slow 150", "slow 200"}));
}

TEST_F(HeadlessTimer, AHandlerThatBlocksLongerThanThePeriodGetsOneEventNotABurst) {
  Timer timer;
  std::vector<std::uint32_t> times;
  timer.SetInterval(100);
  timer.SetEnabled(true);
  timer.OnTimer = [&] {
    times.push_back(GetTickCount());
    if (times.size() == 1) Sleep(350);  // a long routine blocks the loop
  };
  headless::AdvanceClock(600);
  EXPECT_EQ(times, (std::vector<std::uint32_t>{100, 450, 500, 600}));
}

TEST_F(HeadlessTimer, SleepMovesTheClockWithoutFiringTimers) {
  Timer timer;
  int fired = 0;
  timer.OnTimer = [&] { ++fired; };
  timer.SetInterval(10);
  timer.SetEnabled(true);
  const std::uint32_t start = GetTickCount();
  Sleep(100);
  EXPECT_EQ(GetTickCount() - start, 100u);
  EXPECT_EQ(fired, 0);
  headless::AdvanceClock(0);
  EXPECT_EQ(fired, 1) << "the overdue timer fires once when the loop runs again";
}

TEST_F(HeadlessTimer, FramesComeAtTheRefreshRateAndShowWhatAKeptDcDrew) {
  Window w;
  w.SetBounds(0, 0, 20, 20);
  w.Show();
  headless::Pump();
  Timer timer;
  int fired = 0;
  timer.OnTimer = [&] { ++fired; };
  timer.SetInterval(5);
  timer.SetEnabled(true);
  gdi::HDC dc = GetDC(w);
  std::vector<std::uint64_t> at;
  const int flushes = headless::FlushCount();
  for (int i = 0; i < 4; ++i) {
    gdi::SetPixel(dc, i, 0, gdi::RGB(255, 0, 0));
    PresentFrame(&w);
    at.push_back(GetTickCount64());
  }
  EXPECT_EQ(at, (std::vector<std::uint64_t>{17, 33, 50, 67}));
  EXPECT_EQ(headless::FlushCount() - flushes, 4) << "each frame reaches the screen";
  EXPECT_EQ(fired, 0) << "no event is delivered between frames";
  headless::SetRefreshRate(1000);  // taken as 240 Hz
  EXPECT_NEAR(FrameInterval(), 1000.0 / 240, 1e-9);
  SleepUntil(10);
  EXPECT_EQ(GetTickCount64(), 67u) << "the clock never goes back";
}

TEST_F(HeadlessTimer, PaintsAskedByATimerAreDeliveredBeforeTheNextTimer) {
  Window w;
  w.Show();
  Timer timer;
  std::vector<std::string> log;
  w.OnPaint = [&] { log.push_back("paint"); };
  timer.OnTimer = [&] {
    log.push_back("timer");
    w.Invalidate();
  };
  timer.SetInterval(10);
  timer.SetEnabled(true);
  headless::AdvanceClock(20);
  EXPECT_EQ(log, (std::vector<std::string>{"paint", "timer", "paint", "timer", "paint"}));
}

}  // namespace
}  // namespace platform
