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

// Spins until at least ms milliseconds have passed on a monotonic counter,
// pumping twice per turn. Elapsed time is the unsigned difference from the
// start, so a counter that wraps around does not end the wait early; and the
// counter's own resolution, not a coarse tick, decides when it ends. A pump
// that returns true (the program is ending) ends the wait at once.
template <typename Counter, typename Pump>
void SpinWait(int32_t ms, uint64_t ticksPerSecond, Counter&& now, Pump&& pump) {
  if (ms <= 0) return;
  const uint64_t needed = TicksForMs(ms, ticksPerSecond);
  const uint64_t start = now();
  for (;;) {
    const bool first = pump();
    const bool second = pump();
    if (first || second) return;
    if (static_cast<uint64_t>(now() - start) >= needed) return;
  }
}

}  // namespace clicker
