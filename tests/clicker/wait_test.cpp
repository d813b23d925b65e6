#include "clicker/wait.h"

#include <gtest/gtest.h>

namespace clicker {
namespace {

struct FakeCounter {
  uint64_t value;
  uint64_t step;  // advance per read
  uint64_t operator()() {
    const uint64_t v = value;
    value += step;
    return v;
  }
};

TEST(SpinWait, NothingHappensForZeroOrLess) {
  int pumps = 0;
  FakeCounter counter{0, 1};
  SpinWait(0, 1000, counter, [&] {
    ++pumps;
    return false;
  });
  SpinWait(-5, 1000, counter, [&] {
    ++pumps;
    return false;
  });
  EXPECT_EQ(pumps, 0);
  EXPECT_EQ(counter.value, 0u);
}

TEST(SpinWait, WaitsAtLeastTheTimeAskedAndNoMoreThanOneRead) {
  // A 10 MHz counter read every 1 µs: a 10 ms wait is 10000 reads after start.
  for (uint64_t start : {uint64_t{0}, uint64_t{123456789}, ~uint64_t{0} - 5000}) {
    FakeCounter counter{start, 10};
    int pumps = 0;
    SpinWait(10, 10'000'000, counter, [&] {
      ++pumps;
      return false;
    });
    const uint64_t elapsed = counter.value - start - 10;  // the last read ended it
    EXPECT_EQ(elapsed, 100'000u) << start;                // across the wrap of the counter too
    EXPECT_EQ(pumps, 2 * 10'000) << start;
  }
}

TEST(SpinWait, AnEndingProgramEndsTheWait) {
  FakeCounter counter{0, 1};
  int pumps = 0;
  SpinWait(1000, 1000, counter, [&] { return ++pumps == 3; });
  EXPECT_EQ(pumps, 4);  // the turn in which it happened finishes its two pumps
  EXPECT_EQ(counter.value, 2u);
}

TEST(TicksForMs, RoundsUp) {
  EXPECT_EQ(TicksForMs(1, 1000), 1u);
  EXPECT_EQ(TicksForMs(1, 3), 1u);  // 0.003 ticks still needs one
  EXPECT_EQ(TicksForMs(10, 10'000'000), 100'000u);
  EXPECT_EQ(TicksForMs(2147483647, 10'000'000), 21'474'836'470'000u);
}

}  // namespace
}  // namespace clicker
