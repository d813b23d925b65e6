#include "clicker/wait.h"

#include <gtest/gtest.h>

#include <vector>

namespace clicker {
namespace {

// A clock that moves by step on every read and by what a sleep asks for; a
// message may cut a sleep short.
struct FakeClock {
  uint64_t value = 0;
  uint64_t step = 1;
  uint64_t Read() {
    const uint64_t v = value;
    value += step;
    return v;
  }
};

struct Recorder {
  FakeClock clock;
  std::vector<uint64_t> sleeps;  // ticks asked for
  std::vector<uint64_t> pumpsAt;
  uint64_t wakeEarlyBy = 0;  // a message shortens every sleep by this much
  bool quitAtPump = false;
  int stopAfterPumps = -1;

  // The whole wait, as WaitPumping makes it: served while it sleeps, spun
  // over its last stretch.
  void Wait(uint64_t deadline, uint64_t spin) {
    const auto now = [this] { return clock.Read(); };
    const bool near = WaitUntilNear(
        deadline, spin, now,
        [this] {
          pumpsAt.push_back(clock.value);
          return quitAtPump;
        },
        [this] { return stopAfterPumps >= 0 && static_cast<int>(pumpsAt.size()) > stopAfterPumps; },
        [this](uint64_t ticks) {
          sleeps.push_back(ticks);
          clock.value += ticks > wakeEarlyBy ? ticks - wakeEarlyBy : 0;
        });
    if (near) SpinUntil(deadline, spin, now);
  }
};

TEST(WaitUntil, SleepsUpToTheLastStretchThenSpinsWithoutPumpingToTheDeadline) {
  Recorder r;
  r.Wait(10'000, 1'500);
  // One sleep covers all but the last stretch; the pump after it finds the
  // stretch, which is spun to the end.
  EXPECT_EQ(r.sleeps, (std::vector<uint64_t>{8'500}));
  EXPECT_EQ(r.pumpsAt.size(), 2u);
  EXPECT_GE(r.clock.value, 10'000u);
  EXPECT_LE(r.clock.value, 10'002u);  // no more than the read that saw it
}

TEST(WaitUntil, MessagesCutSleepsShortAndAreServedEachTime) {
  Recorder r;
  r.wakeEarlyBy = 6'000;  // messages keep arriving
  r.Wait(20'000, 1'000);
  ASSERT_GE(r.sleeps.size(), 3u);
  EXPECT_EQ(r.pumpsAt.size(), r.sleeps.size() + 1);
  for (uint64_t s : r.sleeps) EXPECT_LE(s, 19'000u);
  EXPECT_GE(r.clock.value, 20'000u);
}

TEST(WaitUntil, AStopOrAnEndingProgramEndsItAfterThePumpThatBroughtIt) {
  Recorder stop;
  stop.wakeEarlyBy = 9'000;
  stop.stopAfterPumps = 2;
  stop.Wait(1'000'000, 1'000);
  EXPECT_EQ(stop.pumpsAt.size(), 3u);
  EXPECT_EQ(stop.sleeps.size(), 2u);
  EXPECT_LT(stop.clock.value, 1'000'000u);

  Recorder quit;
  quit.quitAtPump = true;
  quit.Wait(1'000'000, 1'000);
  EXPECT_EQ(quit.pumpsAt.size(), 1u);
  EXPECT_TRUE(quit.sleeps.empty());
}

TEST(WaitUntil, APassedDeadlineStillServesTheQueueOnce) {
  Recorder r;
  r.clock.value = 5'000;
  r.Wait(4'000, 1'000);
  EXPECT_EQ(r.pumpsAt.size(), 1u);
  EXPECT_TRUE(r.sleeps.empty());
}

TEST(WaitUntilNear, LeavesTheLastStretchAndSaysWhetherItGotThere) {
  Recorder r;
  const bool reached = WaitUntilNear(
      10'000, 1'500, [&r] { return r.clock.Read(); }, [] { return false; }, [] { return false; },
      [&r](uint64_t ticks) { r.clock.value += ticks; });
  EXPECT_TRUE(reached);
  EXPECT_GE(r.clock.value, 8'500u);
  EXPECT_LT(r.clock.value, 10'000u);  // the stretch is left for the click
  // What is left is spun; a deadline further off than the stretch is not.
  FakeClock clock{8'600, 1};
  EXPECT_TRUE(SpinUntil(10'000, 1'500, [&clock] { return clock.Read(); }));
  EXPECT_GE(clock.value, 10'000u);
  FakeClock early{1'000, 1};
  EXPECT_FALSE(SpinUntil(10'000, 1'500, [&early] { return early.Read(); }));
  EXPECT_LT(early.value, 1'010u);
  FakeClock late{12'000, 1};
  EXPECT_TRUE(SpinUntil(10'000, 1'500, [&late] { return late.Read(); }));

  Recorder stopped;
  stopped.stopAfterPumps = 0;
  EXPECT_FALSE(WaitUntilNear(
      10'000, 1'500, [&stopped] { return stopped.clock.Read(); },
      [&stopped] {
        stopped.pumpsAt.push_back(stopped.clock.value);
        return false;
      },
      [&stopped] { return !stopped.pumpsAt.empty(); }, [](uint64_t) {}));
}

TEST(TicksForMs, RoundsUp) {
  EXPECT_EQ(TicksForMs(0, 1000), 0u);
  EXPECT_EQ(TicksForMs(-5, 1000), 0u);
  EXPECT_EQ(TicksForMs(1, 1000), 1u);
  EXPECT_EQ(TicksForMs(1, 3), 1u);  // 0.003 ticks still needs one
  EXPECT_EQ(TicksForMs(10, 10'000'000), 100'000u);
  EXPECT_EQ(TicksForMs(2147483647, 10'000'000), 21'474'836'470'000u);
}

TEST(WakeLead, FollowsHowLateTheRecentWakesWereWithinItsBounds) {
  WakeLead lead(250, 2000);
  EXPECT_EQ(lead.ticks(), 2000u);  // nothing known yet: the most
  for (int i = 0; i < 40; ++i) lead.Woke(i % 8 == 0 ? 400 : 100);
  lead.Woke(30'000);  // one wake held up is left out
  EXPECT_EQ(lead.ticks(), 500u);
  for (size_t i = 0; i < WakeLead::kRecent; ++i) lead.Woke(i < 4 ? 30'000 : 0);
  EXPECT_EQ(lead.ticks(), 2000u);  // a busy spell, still within the last 32: the most
  for (size_t i = 0; i < WakeLead::kRecent; ++i) lead.Woke(0);
  EXPECT_EQ(lead.ticks(), 250u);  // forgotten again: the least
}

}  // namespace
}  // namespace clicker
