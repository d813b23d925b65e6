#pragma once

#include <cstdint>

namespace clicker {

// Number of counter ticks that cover at least ms milliseconds.
inline uint64_t TicksForMs(int32_t ms, uint64_t ticksPerSecond) {
  if (ms <= 0) return 0;
  const uint64_t m = static_cast<uint64_t>(ms);
  // ms < 2^31 and frequencies are far below 2^32, so the product fits.
  return (m * ticksPerSecond + 999) / 1000;
}

// Serves the queue until a monotonic counter is within spinTicks of the
// deadline, without keeping a core busy:
// - every turn dispatches what is pending (pump), then ends the wait when the
//   pump reports the program ending or stopped() holds;
// - while more than spinTicks are left it sleeps in block(ticks) for the time
//   up to that last stretch; block returns early when a message arrives.
// Returns true once the last stretch (or the deadline) is reached, false when
// a stop or the program's end cut the wait short. A deadline already reached
// still gets one pump.
template <typename Counter, typename Pump, typename Stopped, typename Block>
bool WaitUntilNear(uint64_t deadline, uint64_t spinTicks, Counter&& now, Pump&& pump,
                   Stopped&& stopped, Block&& block) {
  for (;;) {
    if (pump()) return false;
    if (stopped()) return false;
    const uint64_t at = now();
    if (at >= deadline) return true;
    const uint64_t left = deadline - at;
    if (left <= spinTicks) return true;
    block(left - spinTicks);
  }
}

// Spins on the counter alone up to the deadline, since waking from a sleep is
// less exact than that; a message arriving meanwhile waits for the next pump.
// Only the last stretch is spun: with more left (a wait cut short) it returns
// false at once.
template <typename Counter>
bool SpinUntil(uint64_t deadline, uint64_t spinTicks, Counter&& now) {
  const uint64_t at = now();
  if (at < deadline && deadline - at > spinTicks) return false;
  while (now() < deadline) {
  }
  return true;
}

}  // namespace clicker
