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

// Waits until a monotonic counter reaches deadline, serving the queue
// meanwhile without keeping a core busy:
// - every turn dispatches what is pending (pump), then ends the wait when the
//   pump reports the program ending or stopped() holds;
// - while more than spinTicks are left it sleeps in block(ticks) for the time
//   up to that last stretch; block returns early when a message arrives;
// - the last stretch is spun on the counter alone, since waking from a sleep
//   is less exact than that; a message arriving then waits for the next pump.
// A deadline already reached still gets one pump.
template <typename Counter, typename Pump, typename Stopped, typename Block>
void WaitUntil(uint64_t deadline, uint64_t spinTicks, Counter&& now, Pump&& pump, Stopped&& stopped,
               Block&& block) {
  for (;;) {
    if (pump()) return;
    if (stopped()) return;
    const uint64_t at = now();
    if (at >= deadline) return;
    const uint64_t left = deadline - at;
    if (left > spinTicks) {
      block(left - spinTicks);
      continue;
    }
    while (now() < deadline) {
    }
    return;
  }
}

}  // namespace clicker
