#include "clicker/win32/timer_control.h"

#include <gtest/gtest.h>

#include <vector>

#include "win_test_support.h"

namespace clicker::win32 {
namespace {

using testing::PumpFor;

TEST(TimerControl, TicksAtItsPeriodAndStopsAtZeroOrLess) {
  int ticks = 0;
  TimerControl timer(0, [&] { ++ticks; });
  PumpFor(120);
  EXPECT_EQ(ticks, 0);
  EXPECT_FALSE(timer.running());

  SetTimerPeriod(timer, 20);
  EXPECT_TRUE(timer.running());
  PumpFor(300);
  EXPECT_GE(ticks, 5);
  EXPECT_LE(ticks, 16);

  SetTimerPeriod(timer, -1);
  EXPECT_FALSE(timer.running());
  EXPECT_EQ(timer.period(), 0);
  ticks = 0;
  PumpFor(120);
  EXPECT_EQ(ticks, 0);
}

TEST(TimerControl, TheSamePeriodDoesNotRestartARunningTimer) {
  std::vector<DWORD> at;
  TimerControl timer(300, [&] { at.push_back(GetTickCount()); });
  const DWORD start = GetTickCount();
  PumpFor(200);
  // Setting 300 again 200 ms in must not push the first tick to 500 ms.
  SetTimerPeriod(timer, 300);
  PumpFor(250);
  ASSERT_FALSE(at.empty());
  EXPECT_LT(at.front() - start, 420u);

  // A different period restarts it: the next tick comes a whole new period later.
  at.clear();
  SetTimerPeriod(timer, 250);
  const DWORD restarted = GetTickCount();
  PumpFor(150);
  EXPECT_TRUE(at.empty());
  PumpFor(250);
  ASSERT_FALSE(at.empty());
  EXPECT_GE(at.front() - restarted, 240u);
}

TEST(TimerControl, DestroyingARunningTimerKillsIt) {
  int ticks = 0;
  {
    TimerControl timer(10, [&] { ++ticks; });
  }
  PumpFor(60);
  EXPECT_EQ(ticks, 0);
}

TEST(TimerControl, CounterTimingTicksAtAnyPeriodInEveryLoop) {
  // A window timer ticks no faster than every 10 ms: some 30 times in 300 ms
  // at 1 ms. It stands in only in a loop that is not the program's own.
  for (const int loop : {0, 1, 2}) {
    int ticks = 0;
    TimerControl timer(
        1, [&] { ++ticks; }, TickTiming::Counter);
    TimerControl end(300, [] { PostQuitMessage(0); });
    MSG msg;
    if (loop == 0) WaitPumping(300);
    if (loop == 1) RunMessageLoop();
    while (loop == 2 && GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    EXPECT_GE(ticks, loop == 2 ? 5 : 150) << loop;
    EXPECT_LE(ticks, loop == 2 ? 40 : 310) << loop;
    PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
}

TEST(PreciseTicker, TicksKeepToTheirGridAndLeaveOutWhatABusySpellMissed) {
  PreciseTicker ticker(nullptr, 0, [] {});
  ticker.Start(10);
  const uint64_t period = ticker.period();
  const uint64_t first = ticker.due();
  ticker.Tick(first + period / 4);  // a little late: the next keeps its time
  EXPECT_EQ(ticker.due(), first + period);
  ticker.Tick(first + 3 * period + period / 2);  // the program was busy
  EXPECT_EQ(ticker.due(), first + 4 * period);   // the missed ticks left out
}

}  // namespace
}  // namespace clicker::win32
